#include "sim/run/message_boxes.h"

#include <algorithm>

#include "sim/run/program_windows.h"

namespace trelvikrun {

namespace {

constexpr UINT kAnswerMs = 1000;

// A window's text through a bounded message (the box's thread answers from its modal loop).
std::string WindowText(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 1023, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kAnswerMs, &copied);
  std::string plain;
  for (const wchar_t* c = text; *c != 0; ++c) plain += *c < 128 ? static_cast<char>(*c) : '?';
  return plain;
}

// The box's message: the texts of its static controls (the icon's is empty).
std::string BoxMessage(HWND box) {
  std::vector<HWND> statics;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM found) -> BOOL {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Static") == 0) reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&statics));
  std::string message;
  for (HWND control : statics) {
    const std::string text = WindowText(control);
    if (!text.empty()) message += (message.empty() ? "" : " ") + text;
  }
  return message;
}

}  // namespace

MessageBoxWatch::~MessageBoxWatch() { Stop(); }

void MessageBoxWatch::Start(DWORD processId) {
  Stop();
  processId_ = processId;
  stop_ = false;
  thread_ = std::thread([this] {
    while (!stop_) {
      Look();
      Sleep(10);
    }
  });
}

void MessageBoxWatch::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

std::vector<std::string> MessageBoxWatch::Seen() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

void MessageBoxWatch::Look() {
  std::vector<HWND> boxes;
  for (HWND window : TopLevelWindows(processId_)) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770") boxes.push_back(window);
  }
  for (HWND box : boxes) {
    auto known = std::find_if(known_.begin(), known_.end(), [box](const Known& k) { return k.box == box; });
    if (known != known_.end() && known->read) continue;
    const std::string message = BoxMessage(box);
    const std::string line = WindowText(box) + ": " + message;
    std::lock_guard<std::mutex> lock(mutex_);
    if (known == known_.end()) {
      known_.push_back({box, seen_.size(), !message.empty()});
      seen_.push_back(line);
    } else {
      known->read = !message.empty();
      seen_[known->line] = line;
    }
  }
}

}  // namespace trelvikrun
