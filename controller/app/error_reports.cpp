#include "controller/app/error_reports.h"

#include <utility>

namespace trelvik {

namespace {

bool PowerOfTen(std::uint64_t n) {
  while (n >= 10 && n % 10 == 0) n /= 10;
  return n == 1;
}

}  // namespace

ErrorReports::ErrorReports(Sink log, Sink show) : log_(std::move(log)), show_(std::move(show)) {}

void ErrorReports::Report(const std::string& text) {
  auto found = counts_.find(text);
  if (found == counts_.end()) {
    if (counts_.size() >= kTrackedTexts) {
      log_("Error: " + text);
      return;
    }
    found = counts_.emplace(text, 0).first;
  }
  const std::uint64_t count = ++found->second;
  if (!PowerOfTen(count)) return;
  log_(count == 1 ? "Error: " + text : "Error: " + text + " (" + std::to_string(count) + " times)");
  if (count != 1 || showing_) return;
  showing_ = true;
  struct Shown {
    bool& showing;
    ~Shown() { showing = false; }
  } shown{showing_};
  show_(text);
}

std::uint64_t ErrorReports::Occurrences(const std::string& text) const {
  const auto found = counts_.find(text);
  return found == counts_.end() ? 0 : found->second;
}

}  // namespace trelvik
