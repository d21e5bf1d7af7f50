// Every message box a running program shows, noticed from another process: a thread looks at the program's
// top-level windows every 10 ms while it runs and notes each system dialog (a message box) it has not seen
// before, as "caption: text". Nobody answers the boxes, so each stays up and is noticed.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace trelvikrun {

class MessageBoxWatch {
 public:
  MessageBoxWatch() = default;
  ~MessageBoxWatch();
  MessageBoxWatch(const MessageBoxWatch&) = delete;
  MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

  // Watches the process until Stop or the watch goes.
  void Start(DWORD processId);
  void Stop();
  // What was seen so far, in the order it showed.
  std::vector<std::string> Seen() const;

 private:
  void Look();

  DWORD processId_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  // The boxes seen, each with its place in seen_ and whether its message has been read (a box just made
  // may not hold its text yet).
  struct Known {
    HWND box;
    std::size_t line;
    bool read;
  };
  std::vector<Known> known_;
  std::vector<std::string> seen_;
};

}  // namespace trelvikrun
