#include "components/net/kel_logger.h"

#include "framework/rtl/datetime.h"
#include "framework/services/clock.h"

namespace net {

TKelLogger::TKelLogger(fw::TComponent* AOwner) : fw::TComponent(AOwner) { InitializeCriticalSection(&lock_); }

TKelLogger::~TKelLogger() {
  {
    Lock guard(lock_);
    destroying_ = true;
  }
  DeleteCriticalSection(&lock_);
}

std::string TKelLogger::Stamped(const std::string& Msg) const {
  if (!logOptions_.Contains(loAddStamp)) return Msg;
  return fw::FormatDateTime("hh:nn:ss:zzz", fw::Now()) + " " + Msg;
}

void TKelLogger::WriteLogLine(fw::TObject* Sender, TLogOption LogOption, const std::string& Msg) {
  Lock guard(lock_);
  if (destroying_) return;
  if (logOptions_.Contains(loDestEvent) && onKelLogEvent_) onKelLogEvent_(Sender, LogOption, Stamped(Msg));
  if (logOptions_.Contains(loDestOutDebug)) OutputDebugStringA(Stamped(Msg).c_str());
}

TLogFileOption TKelLogger::LogFileOption() {
  Lock guard(lock_);
  return logFileOption_;
}

void TKelLogger::SetLogFileOption(TLogFileOption value) {
  Lock guard(lock_);
  logFileOption_ = value;
}

std::string TKelLogger::LogFileName() {
  Lock guard(lock_);
  return logFileName_;
}

void TKelLogger::SetLogFileName(const std::string& value) {
  Lock guard(lock_);
  if (value == logFileName_) return;
  logFileName_ = value;
}

TLogOptions TKelLogger::LogOptions() {
  Lock guard(lock_);
  return logOptions_;
}

void TKelLogger::SetLogOptions(TLogOptions value) {
  Lock guard(lock_);
  logOptions_ = value;
}

void TKelLogger::SetOnKelLogEvent(TKelLogEvent value) {
  Lock guard(lock_);
  onKelLogEvent_ = std::move(value);
}

}  // namespace net
