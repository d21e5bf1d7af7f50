// Helpers for tests that look at the controller log: the calling thread's log file of today, read whole and
// removed again (with the folders it needed, when they are left empty) so that re-runs start clean.
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "boardapi/log/log_line.h"

inline std::string ControllerLogFolder() {
  std::string date = logline::DateText();
  for (char& c : date) {
    if (c == '/') c = '-';
  }
  return logline::AppDataFolder(nullptr) + "\\Brannock Limited\\Controller Logs\\" + date;
}

inline std::string ControllerLogFileOfThread(DWORD threadId = GetCurrentThreadId()) {
  return ControllerLogFolder() + logline::Text("\\ventrix Controller - %lX.log", threadId);
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path);  // text mode, like the writer
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Removes a controller log file and then every folder above it that is left empty.
inline void RemoveControllerLogFile(const std::string& path) {
  DeleteFileA(path.c_str());
  const std::string folder = ControllerLogFolder();
  RemoveDirectoryA(folder.c_str());
  const std::string logs = folder.substr(0, folder.rfind('\\'));
  RemoveDirectoryA(logs.c_str());
  RemoveDirectoryA(logs.substr(0, logs.rfind('\\')).c_str());
}

inline int CountOf(const std::string& text, const std::string& piece) {
  int count = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size())) ++count;
  return count;
}

// The calling thread's controller log of today, removed when a test starts and when it ends.
class ThreadLogFile {
 public:
  ThreadLogFile() { RemoveControllerLogFile(path_); }
  ~ThreadLogFile() { RemoveControllerLogFile(path_); }
  ThreadLogFile(const ThreadLogFile&) = delete;
  ThreadLogFile& operator=(const ThreadLogFile&) = delete;

  const std::string& path() const { return path_; }
  std::string Text() const { return ReadWholeFile(path_); }

 private:
  const std::string path_ = ControllerLogFileOfThread();
};
