#include "components/net/kel_logger.h"

#include "framework/rtl/datetime.h"
#include "framework/services/clock.h"
#include "framework/streams/file_stream.h"

namespace net {

TKelLogger::TKelLogger(fw::TComponent* AOwner) : fw::TComponent(AOwner) { InitializeCriticalSection(&lock_); }

TKelLogger::~TKelLogger() {
  {
    Lock guard(lock_);
    destroying_ = true;
    CloseFileLocked();
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
  if (logOptions_.Contains(loDestFile)) WriteToFile(Stamped(Msg) + "\r\n");
}

void TKelLogger::WriteToFile(const std::string& Text) {
  Lock guard(lock_);
  if (!file_) OpenFileLocked();
  file_->WriteBuffer(Text.data(), static_cast<std::int32_t>(Text.size()));
}

void TKelLogger::OpenFile() {
  Lock guard(lock_);
  OpenFileLocked();
}

void TKelLogger::CloseFile() {
  Lock guard(lock_);
  CloseFileLocked();
}

void TKelLogger::OpenFileLocked() {
  CloseFileLocked();
  if (logFileName_.empty()) throw ELoggerException("File name empty");
  try {
    if (GetFileAttributesA(logFileName_.c_str()) == INVALID_FILE_ATTRIBUTES)
      fw::TFileStream(logFileName_, fw::fmCreate);  // an empty file, closed again at once
    auto file = std::make_unique<fw::TFileStream>(logFileName_, fw::fmOpenReadWrite | fw::fmShareDenyWrite);
    if (logFileOption_ == lfoOverwrite)
      file->SetSize(0);
    else
      file->Seek(0, fw::soEnd);
    file_ = std::move(file);
  } catch (const fw::Exception& E) {
    throw ELoggerException(E.Message());
  }
}

void TKelLogger::CloseFileLocked() { file_.reset(); }

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
  CloseFileLocked();
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
