// What the analog watch costs on the GUI thread: one clock tick's hand update (the cached face copied, the
// hands drawn over it, put on the window) and one full paint (face, marks, numbers, AM/PM box and hands) of a
// 180 x 180 watch on a shown form, each averaged over the runs.
//
//   watch_bench [runs]     default 1000; prints microseconds per run
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/messaging/timer.h"
#include "framework/rtl/datetime.h"
#include "framework/services/clock.h"
#include "framework/startup/modules.h"
#include "ui/dropdown/watch.h"
#include "ui/foundation/foundation_modules.h"

namespace {

double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1e6 / static_cast<double>(frequency.QuadPart);
}

LONGLONG Counter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// Runs step the given times and answers the average in microseconds.
template <class Step>
double Average(int runs, Step&& step) {
  const LONGLONG start = Counter();
  for (int i = 0; i < runs; ++i) step(i);
  return Microseconds(Counter() - start) / runs;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  try {
    fw::RegisterFrameworkModules();
    ui::RegisterFoundationModules();
    fw::ModulesRunning modules;
    auto app = std::make_unique<fw::TApplication>();
    auto* form = fw::Create<fw::TForm>(app.get());
    form->SetBounds(0, 0, 300, 300);
    auto* watch = fw::Create<ui::TVxWatch>(form);
    watch->SetParent(form);
    watch->SetBounds(10, 10, 180, 180);
    form->Show();
    app->ProcessMessages();

    // The clock moves a second per tick; its own timer stays off so that only the measured calls draw.
    fw::TDateTime now = fw::EncodeTime(10, 8, 0, 0);
    const fw::ServiceDouble<fw::TDateTime()> clock(fw::Now, [&] { return now; });
    watch->Settings()->SetAuto(true);
    watch->TickTimer()->SetEnabled(false);
    fw::MemoryDC screen;
    fw::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(GetDC(nullptr), 180, 180));
    const fw::SelectedObject selected(screen.Get(), bitmap.Get());
    watch->PaintTo(screen.Get(), 0, 0);

    const double tick = Average(runs, [&](int i) {
      now = fw::EncodeTime(10, 8, i % 60, 0);
      watch->UpdateHands();
    });
    const double paint = Average(runs, [&](int) { watch->PaintTo(screen.Get(), 0, 0); });
    std::printf("analog watch, 180 x 180, average of %d runs:\n", runs);
    std::printf("  clock tick (hands over the cached face)  %8.1f us\n", tick);
    std::printf("  full paint                               %8.1f us\n", paint);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "watch_bench failed: %s\n", e.what());
    return 1;
  }
}
