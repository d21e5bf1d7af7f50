// How long a switch change takes from the board to the program's callback, with a simulated board behind the
// USB layer in this process: the whole road from the change, and the library's own share, from the moment the
// reading's last report reached the USB layer's reader thread (the simulator's delivery is done) to the
// callback.
//
//   switch_latency_bench [changes]     default 200; prints microseconds
#include <windows.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "boardapi/api/app.h"
#include "boardapi/api/session_switches.h"
#include "boardapi/hid/hid_platform.h"
#include "sim/hidsim.h"
#include "sim/hidsim_iic.h"

namespace {

constexpr uint16_t kProduct = 0x03EA;
constexpr wchar_t kSerial[] = L"BE7C0001";
constexpr char kDeviceName[] = "03EABE7C0001";
constexpr DWORD kWaitMs = 2000;

double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1e6 / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// Switch n closed alone (1..64).
std::array<uint16_t, 8> OnlySwitch(int n) {
  std::array<uint16_t, 8> words{};
  words[(n - 1) / 8] = static_cast<uint16_t>(1u << ((n - 1) % 8));
  return words;
}

struct Summary {
  double median, p99, max;
};

Summary Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double share) { return samples[static_cast<size_t>(share * (samples.size() - 1))]; };
  return {at(0.5), at(0.99), samples.back()};
}

void Print(const char* what, const Summary& s) {
  std::printf("%-34s median %8.1f us   p99 %8.1f us   max %8.1f us\n", what, s.median, s.p99, s.max);
}

std::atomic<LONGLONG> lastCall{0};
std::atomic<int> callCount{0};
HANDLE called = nullptr;

int32_t WINAPI OnSwitch(int32_t, int32_t, int32_t) {
  lastCall = Now();
  ++callCount;
  SetEvent(called);
  return 1;
}

struct Samples {
  std::vector<double> whole;    // change to callback
  std::vector<double> library;  // last report delivered to callback
};

Samples Measure(int board, int changes) {
  Samples samples;
  int32_t session = 0;
  if (theApp.OpenControllers() != API_OK || theApp.Bind(kDeviceName, &session) != API_OK ||
      EnableSwitchCallback(session, true, OnSwitch) != API_OK) {
    std::fprintf(stderr, "the board could not be opened, bound and enabled\n");
    return samples;
  }
  // The reading at enable: the call at enable and one call per switch.
  for (int waited = 0; callCount < 129 && waited < 50; ++waited) WaitForSingleObject(called, 100);
  for (int change = 0; change < changes; ++change) {
    // Each change closes one switch and opens the one before: two callbacks of one reading.
    const int target = callCount + 2;
    ResetEvent(called);
    const LONGLONG start = Now();
    hidsim::SetSwitchWords(board, OnlySwitch(1 + change % 64));
    while (callCount < target) {
      if (WaitForSingleObject(called, kWaitMs) != WAIT_OBJECT_0) break;
      ResetEvent(called);
    }
    if (callCount < target) {
      std::fprintf(stderr, "change %d never reached the callback\n", change);
      break;
    }
    samples.whole.push_back(Microseconds(lastCall - start));
    samples.library.push_back(Microseconds(lastCall - hidsim::LastInputDelivery()));
  }
  EnableSwitchCallback(session, false, nullptr);
  theApp.UnBind(session);
  theApp.CloseControllers();
  return samples;
}

}  // namespace

int main(int argc, char** argv) {
  const int changes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  called = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ScopedHidPlatform platform(hidsim::PlatformTable());
  hidsim::Reset();
  hidsim::BoardConfig config;
  config.productId = kProduct;
  config.serial = kSerial;
  const int board = hidsim::AddBoard(config);
  hidsim::MemoryImage memory{};
  memory[101] = 0x01;  // switches 1..128
  memory[105] = 1;
  memory[106] = 128;
  memory[128] = 0x33;
  memory[129] = 0x0E;
  memory[131] = memory[132] = memory[133] = 1;
  hidsim::SetMemory(board, memory);

  const Samples samples = Measure(board, changes);
  if (samples.whole.empty()) return 1;
  std::printf("switch change to callback, %zu changes (simulated board, in process)\n", samples.whole.size());
  Print("whole road (change to callback)", Summarise(samples.whole));
  Print("library (last report to callback)", Summarise(samples.library));
  return 0;
}
