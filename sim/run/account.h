// The run's printed account: one line per thing that crossed, with the seconds since the start, its kind and
// its direction ("->" into the program: data from the simulator, switches on the boards; "<-" out of it:
// events to the simulator, lamps and windows on the boards), and the counts at the end.
#pragma once

#include <cstdio>
#include <string>

namespace trelvikrun {

enum class Direction { kNone, kIntoProgram, kOutOfProgram };

class Account {
 public:
  explicit Account(std::FILE* out);
  void Line(const char* kind, Direction direction, const std::string& text);
  void Press() { ++presses_; }
  void Event() { ++events_; }
  void Data() { ++dataChanges_; }
  void Lamps(int count) { lampChanges_ += count; }
  void Window() { ++windowChanges_; }
  void Failed(const std::string& what);
  int Failures() const { return failures_; }
  // "counts: ..." with every figure of the run and the outcome.
  void Totals(const std::string& outcome);

 private:
  std::FILE* out_;
  unsigned long long start_;
  int presses_ = 0;
  int events_ = 0;
  int dataChanges_ = 0;
  int lampChanges_ = 0;
  int windowChanges_ = 0;
  int failures_ = 0;
};

}  // namespace trelvikrun
