// The text engine's soak run (scripts/soak.sh): generated markup through every build of the engine for a
// count of texts or a time, from a seed. Prints texts per second; a text that fails is printed and saved
// to a file (one per failure) so that it can become a test case. Exit status 1 when any text failed.
// Usage: html_soak.exe [--seconds N] [--count N] [--seed S] [--out DIR]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "framework/startup/modules.h"
#include "tests/html_robustness/rig/engine_rig.h"
#include "tests/html_robustness/rig/markup_generator.h"
#include "ui/foundation/foundation_modules.h"

namespace {

struct TOptions {
  double seconds = 0;
  long long count = 0;
  std::uint64_t seed = 1;
  std::string out = ".";
};

bool ReadOptions(int argc, char** argv, TOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--out") {
      options.out = value;
      continue;
    }
    char* end = nullptr;
    if (name == "--seconds") options.seconds = std::strtod(value, &end);
    else if (name == "--count") options.count = std::strtoll(value, &end, 10);
    else if (name == "--seed") options.seed = std::strtoull(value, &end, 10);
    else return false;
    if (end == value || *end != '\0') return false;
  }
  if (argc % 2 == 0) return false;
  if (options.seconds <= 0 && options.count <= 0) options.count = 1000;
  return true;
}

int Soak(const TOptions& options) {
  html_robustness::TEngineRig rig;
  html_robustness::TMarkupGenerator generator(options.seed);
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
  rig.WarmUp();
  const html_robustness::TObjectCounts before = rig.Counts();
  long long done = 0;
  int failed = 0;
  while ((options.count <= 0 || done < options.count) && (options.seconds <= 0 || elapsed() < options.seconds)) {
    const std::string markup = generator.Next();
    const std::string faults = rig.Check(markup);
    if (!faults.empty()) {
      ++failed;
      const std::string file = options.out + "/html-soak-seed" + std::to_string(options.seed) + "-text" +
                               std::to_string(done) + ".txt";
      std::ofstream(file, std::ios::binary) << markup;
      std::printf("FAIL text %lld (saved to %s):\n%s\n", done, file.c_str(), faults.c_str());
      std::printf("SOAK-FAILURE html input=%s\n", file.c_str());
    }
    ++done;
  }
  const html_robustness::TObjectCounts after = rig.Counts();
  const double seconds = elapsed();
  std::printf("html: %lld texts in %.1f s, %.1f texts/s, seed %llu, %d failed; GDI objects %ld -> %ld, GDI+ "
              "wrappers %ld -> %ld\n",
              done, seconds, seconds > 0 ? static_cast<double>(done) / seconds : 0.0,
              static_cast<unsigned long long>(options.seed), failed, before.gdi, after.gdi, before.gdip, after.gdip);
  if (!(after == before)) {
    std::printf("FAIL: objects left behind\n");
    ++failed;
  }
  // The soak script's summary lines.
  std::printf("SOAK html inputs=%lld failures=%d texts-per-second=%.1f\n", done, failed,
              seconds > 0 ? static_cast<double>(done) / seconds : 0.0);
  std::printf("SOAK-MEASURE html gdi=%ld->%ld gdip-wrappers=%ld->%ld\n", before.gdi, after.gdi, before.gdip,
              after.gdip);
  std::fflush(stdout);
  return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options;
  if (!ReadOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: html_soak.exe [--seconds N] [--count N] [--seed S] [--out DIR]\n");
    return 2;
  }
  try {
    fw::RegisterFrameworkModules();
    ui::RegisterFoundationModules();
    fw::ModulesRunning modules;
    return Soak(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "html soak: %s\n", e.what());
    return 1;
  }
}
