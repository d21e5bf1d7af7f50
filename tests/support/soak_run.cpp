#include "tests/support/soak_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace trelvik::testing {
namespace {

bool WriteBytes(const std::string& file, const std::vector<std::uint8_t>& bytes) {
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

std::string Variable(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

long long Number(const char* name, long long fallback) {
  const std::string text = Variable(name);
  if (text.empty()) return fallback;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  return end != nullptr && *end == 0 && value >= 0 ? value : fallback;
}

}  // namespace

SoakRun::SoakRun(std::string source, std::uint32_t defaultSeed, int defaultCount)
    : source_(std::move(source)),
      seed_(static_cast<std::uint32_t>(Number("TRELVIK_SOAK_SEED", defaultSeed))),
      first_(static_cast<int>(Number("TRELVIK_SOAK_FIRST", 0))),
      count_(static_cast<int>(Number("TRELVIK_SOAK_COUNT", defaultCount))),
      seconds_(static_cast<int>(Number("TRELVIK_SOAK_SECONDS", 0))),
      saveFolder_(Variable("TRELVIK_SOAK_SAVE")),
      started_(GetTickCount64()) {
  if (count_ == 0 && seconds_ == 0) count_ = defaultCount;
  if (saveFolder_.empty()) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    saveFolder_ = temp;
  }
  if (saveFolder_.back() != '\\' && saveFolder_.back() != '/') saveFolder_ += '\\';
  index_ = first_ - 1;
}

SoakRun::~SoakRun() {
  DeleteFileA(InputFile("current").c_str());
  std::string line = "SOAK " + source_ + " inputs=" + std::to_string(tried_) + " failures=" + std::to_string(failures_);
  for (const auto& [name, amount] : counts_) line += " " + name + "=" + std::to_string(amount);
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

bool SoakRun::Next() {
  if (count_ > 0 && tried_ >= count_) return false;
  if (seconds_ > 0 && GetTickCount64() - started_ >= static_cast<unsigned long long>(seconds_) * 1000) return false;
  ++index_;
  ++tried_;
  std::seed_seq sequence{seed_, static_cast<std::uint32_t>(index_)};
  random_.seed(sequence);
  input_.clear();
  return true;
}

int SoakRun::Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

std::vector<std::uint8_t> SoakRun::Bytes(std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(random_));
  return bytes;
}

std::string SoakRun::InputFile(const std::string& name) const {
  return saveFolder_ + source_ + "-" + std::to_string(seed_) + "-" + name + ".bin";
}

void SoakRun::SetInput(const std::vector<std::uint8_t>& bytes) {
  input_ = bytes;
  WriteBytes(InputFile("current"), input_);
}

void SoakRun::Fail(const std::string& what) {
  ++failures_;
  const std::string file = InputFile(std::to_string(index_));
  WriteBytes(file, input_);
  ADD_FAILURE() << source_ << " input " << index_ << " (seed " << seed_ << ", saved as " << file << "): " << what;
  std::printf("SOAK-FAILURE %s seed=%u index=%d input=%s %s\n", source_.c_str(), seed_, index_, file.c_str(),
              what.c_str());
  std::fflush(stdout);
}

}  // namespace trelvik::testing
