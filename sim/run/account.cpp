#include "sim/run/account.h"

#include <windows.h>

namespace trelvikrun {

Account::Account(std::FILE* out) : out_(out), start_(GetTickCount64()) {}

void Account::Line(const char* kind, Direction direction, const std::string& text) {
  const double seconds = static_cast<double>(GetTickCount64() - start_) / 1000.0;
  const char* arrow = direction == Direction::kIntoProgram ? "->" : direction == Direction::kOutOfProgram ? "<-" : "  ";
  std::fprintf(out_, "%7.2f %-7s %s %s\n", seconds, kind, arrow, text.c_str());
  std::fflush(out_);
}

void Account::Failed(const std::string& what) {
  ++failures_;
  Line("FAILED", Direction::kNone, what);
}

void Account::Totals(const std::string& outcome) {
  std::fprintf(out_,
               "counts: %d switch presses, %d events sent, %d data changes, %d lamp changes, %d window changes, "
               "%d failed checks; %s\n",
               presses_, events_, dataChanges_, lampChanges_, windowChanges_, failures_, outcome.c_str());
  std::fflush(out_);
}

}  // namespace trelvikrun
