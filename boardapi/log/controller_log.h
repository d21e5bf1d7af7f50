// The controller fault log: one file per thread and day under
// "<app data>\Brannock Limited\Controller Logs\MM-DD-YY\ventrix Controller - <thread id>.log", opened and closed
// for every line. A new file starts with the controller banner.
#pragma once

#include <windows.h>

#include <string>

#include "boardapi/log/log_line.h"

class ControllerLog {
 public:
  // alwaysOn = false: the log is on only while the controller-log switch mutex exists.
  explicit ControllerLog(bool alwaysOn);
  ControllerLog(const ControllerLog&) = delete;
  ControllerLog& operator=(const ControllerLog&) = delete;

  // One line "date time level [thread id] [name]: message"; level 3 is written even when the log is off.
  void Write(int level, const char* name, const char* format, ...) __attribute__((format(printf, 4, 5)));

  bool Enabled() const { return enabled_; }
  const std::string& FilePath() const { return path_; }

 private:
  void WriteBanner();

  logline::Appender appender_;
  std::string path_;
  bool enabled_ = false;
};
