// One generator's run over many seeded inputs, shared by the soak tests of every area.
//
// In the test suite a generator tries its default count of inputs from a fixed seed. scripts/soak.sh runs the
// same test with TRELVIK_SOAK_SEED, TRELVIK_SOAK_COUNT and TRELVIK_SOAK_SECONDS (a count of 0 with seconds set
// runs until the time is up) and TRELVIK_SOAK_SAVE naming a folder for the inputs that failed.
//
// Input i draws from its own generator seeded by (seed, i), so one input is reproduced without the ones
// before it: TRELVIK_SOAK_FIRST=i TRELVIK_SOAK_COUNT=1 runs just that one. A failure is a test failure, and its
// input's bytes are saved as "<source>-<seed>-<index>.bin" in the save folder (or the temporary folder).
// At the end one line "SOAK <source> inputs=N failures=F [name=value ...]" goes to standard output; the soak
// script reads it.
#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace trelvik::testing {

class SoakRun {
 public:
  SoakRun(std::string source, std::uint32_t defaultSeed, int defaultCount);
  ~SoakRun();
  SoakRun(const SoakRun&) = delete;
  SoakRun& operator=(const SoakRun&) = delete;

  // Starts the next input; false when the count or the time is used up.
  bool Next();
  std::mt19937& Random() { return random_; }
  int Index() const { return index_; }
  std::uint32_t Seed() const { return seed_; }

  // A value in [low, high].
  int Between(int low, int high);
  std::vector<std::uint8_t> Bytes(std::size_t count);

  // The current input, saved if it fails. It is also kept in "<source>-<seed>-current.bin" until the run ends
  // normally, so an input that takes the whole process down is not lost.
  void SetInput(const std::vector<std::uint8_t>& bytes);
  void SetInput(const std::string& text) { SetInput(std::vector<std::uint8_t>(text.begin(), text.end())); }
  // The current input failed: a test failure naming it, and its bytes saved.
  void Fail(const std::string& what);
  // Counts something the run checked (events that arrived, lamps that changed, ...), shown in the summary.
  void Count(const std::string& name, long long amount = 1) { counts_[name] += amount; }
  int Failures() const { return failures_; }

 private:
  std::string InputFile(const std::string& name) const;

  std::string source_;
  std::uint32_t seed_;
  int first_ = 0;
  int count_;
  int seconds_ = 0;
  std::string saveFolder_;
  unsigned long long started_ = 0;
  int index_ = -1;
  int tried_ = 0;
  int failures_ = 0;
  std::mt19937 random_;
  std::vector<std::uint8_t> input_;
  std::map<std::string, long long> counts_;
};

}  // namespace trelvik::testing
