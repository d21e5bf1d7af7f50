// How the program tells of a handler that failed: an exception raised by the idle pass, a timer, a window
// message or a SimConnect record reaches the application's exception handler, which hands its text here.
// Each distinct text is written to the log and shown in one message box, the first time it occurs; when it
// recurs it is counted and logged again only at its 10th, 100th, 1000th... occurrence, never shown again. A
// failure that arrives while a box is up is logged only, so the box's own message loop (which runs the
// timers) cannot stack boxes. Past kTrackedTexts distinct texts, new ones are logged and not shown. GUI
// thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace trelvik {

class ErrorReports {
 public:
  using Sink = std::function<void(const std::string& text)>;
  static constexpr std::size_t kTrackedTexts = 64;

  // log writes one line; show tells the user (a modal message box).
  ErrorReports(Sink log, Sink show);

  void Report(const std::string& text);
  // How often the text was reported (0 when it never was, or was not tracked).
  std::uint64_t Occurrences(const std::string& text) const;

 private:
  Sink log_;
  Sink show_;
  std::map<std::string, std::uint64_t> counts_;
  bool showing_ = false;
};

}  // namespace trelvik
