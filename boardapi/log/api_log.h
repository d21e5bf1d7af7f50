// The API log: one line per exported call while a program has turned logging on, appended to a file under
// the per-user application-data folder and sent to the debugger output.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "boardapi/log/log_line.h"

class CLog {
 public:
  CLog() = default;
  virtual ~CLog() = default;
  CLog(const CLog&) = delete;
  CLog& operator=(const CLog&) = delete;

  // "%s %s %d [%25s] %s": date, time, level, name, message. Written only while enabled is 1 (or at level 3).
  void Write(int level, const char* name, const char* format, ...) __attribute__((format(printf, 4, 5)));

  // Set inside the library lock, which every writer of the API log holds.
  void SetFileName(const std::string& path) { fileName_ = path; }
  void SetEnabled(uint8_t enabled) { enabled_ = enabled; }
  bool IsEnabled() const { return enabled_ == 1; }

 private:
  logline::Appender appender_;  // serialises the appends of all threads
  std::string fileName_ = "ventrix.log";
  std::atomic<uint8_t> enabled_{0};  // also read by lines written at level 3 outside the lock
};

// The library's one API log, built at load before the session list and the application object.
extern CLog theLog;
