// TKelLogger: writes the diagnostic lines of one or more sockets to a handler, the debugger output and a
// file, each optionally stamped with the time. Every public operation takes the logger's own lock, so
// sockets on several threads may share one logger.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/component.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/set.h"

namespace fw {
class TFileStream;
}

namespace net {

enum TLogOption {
  loDestEvent,
  loDestFile,
  loDestOutDebug,
  loAddStamp,
  loWsockErr,
  loWsockInfo,
  loWsockDump,
  loSslErr,
  loSslInfo,
  loSslDump,
  loProtSpecErr,
  loProtSpecInfo,
  loProtSpecDump
};
using TLogOptions = fw::Set<TLogOption>;

enum TLogFileOption { lfoAppend, lfoOverwrite };

using TKelLogEvent = std::function<void(fw::TObject* Sender, TLogOption LogOption, const std::string& Msg)>;

class ELoggerException : public fw::Exception {
 public:
  using Exception::Exception;
};

class TKelLogger : public fw::TComponent {
 public:
  explicit TKelLogger(fw::TComponent* AOwner);
  ~TKelLogger() override;

  // The entry a socket calls: Msg (stamped with loAddStamp) to every destination in LogOptions.
  void WriteLogLine(fw::TObject* Sender, TLogOption LogOption, const std::string& Msg);

  TLogFileOption LogFileOption();
  void SetLogFileOption(TLogFileOption value);
  std::string LogFileName();
  // A different name closes the open file; the next file line opens the new one.
  void SetLogFileName(const std::string& value);
  TLogOptions LogOptions();
  void SetLogOptions(TLogOptions value);
  void SetOnKelLogEvent(TKelLogEvent value);

  // Opens LogFileName for the next lines, creating it when missing; lfoOverwrite empties it, lfoAppend
  // writes after its end. An empty name raises ELoggerException "File name empty", a file that cannot be
  // created or opened ELoggerException with the reason. The file stays open until CloseFile, a new name
  // or the logger's end.
  void OpenFile();
  void CloseFile();

 protected:
  // Opens the file when needed and writes Text's bytes.
  void WriteToFile(const std::string& Text);

 private:
  class Lock {
   public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Lock() { LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    CRITICAL_SECTION& section_;
  };
  std::string Stamped(const std::string& Msg) const;
  void OpenFileLocked();
  void CloseFileLocked();

  TLogOptions logOptions_;
  TKelLogEvent onKelLogEvent_;
  std::string logFileName_;
  std::unique_ptr<fw::TFileStream> file_;
  TLogFileOption logFileOption_ = lfoAppend;
  CRITICAL_SECTION lock_;
  bool destroying_ = false;
};

}  // namespace net
