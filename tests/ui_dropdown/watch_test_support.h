// A form with a 180 x 180 watch for the watch's tests: its geometry worked out from the client size, clicks
// sent to its window, the OnChange count, and its painting read back from a memory bitmap or the screen.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "framework/messaging/timer.h"
#include "framework/rtl/datetime.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/dropdown/watch.h"
#include "ui/foundation/gdiplus_startup.h"

namespace ui::testing {

using fw::testing::MemoryBitmap;

// GDI+ for a test suite that draws watches: started unless the executable's modules already did, and
// stopped only when the suite started it.
class SuiteGdiplus {
 public:
  static void Start() {
    if (GdiplusStarted()) return;
    StartGdiplus();
    started_ = true;
  }
  static void Stop() {
    if (started_) StopGdiplus();
    started_ = false;
  }

 private:
  static inline bool started_ = false;
};

class WatchTest : public fw::testing::StdControlTest {
 public:
  static void SetUpTestSuite() { SuiteGdiplus::Start(); }
  static void TearDownTestSuite() { SuiteGdiplus::Stop(); }

 protected:
  // A watch of the size at (10, 10) on the form, counting its OnChange events.
  TVxWatch* MakeWatch(int width = 180, int height = 180) {
    TVxWatch* watch = Make<TVxWatch>(fw::Rect(10, 10, 10 + width, 10 + height));
    watch->OnChange = [this](fw::TObject*) { ++changes_; };
    watch->HandleNeeded();
    return watch;
  }
  // A press and release of the left button at a client point, handled before this returns.
  static void Click(TVxWatch* watch, int x, int y) {
    SendMessageA(watch->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(watch->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  // The client point at the distance from the centre of a 180 x 180 watch (90, 90) along the angle in
  // degrees clockwise from 12 o'clock.
  static fw::TPoint Toward(double degrees, double distance) {
    const double a = degrees * std::numbers::pi / 180;
    return fw::TPoint{static_cast<int>(std::lround(90 + std::sin(a) * distance)),
                      static_cast<int>(std::lround(90 - std::cos(a) * distance))};
  }
  static void Click(TVxWatch* watch, fw::TPoint p) { Click(watch, p.X, p.Y); }
  // One tick of the animation timer, as the timer delivers it.
  static void SweepTick(TVxWatch* watch) { watch->AnimationTimer()->OnTimer(watch->AnimationTimer()); }
  // Runs the sweep until the animation timer stops; the number of ticks, at most limit.
  static int Sweep(TVxWatch* watch, int limit = 200) {
    int ticks = 0;
    while (watch->AnimationTimer()->Enabled() && ticks < limit) {
      SweepTick(watch);
      ++ticks;
    }
    return ticks;
  }
  static fw::TDateTime Clock(int h, int m, int s = 0) { return fw::EncodeTime(h, m, s, 0); }
  static int Hour(TVxWatch* watch) { return Part(watch->Time(), 0); }
  static int Minute(TVxWatch* watch) { return Part(watch->Time(), 1); }
  static int Part(fw::TDateTime t, int index) {
    std::uint16_t parts[4]{};
    fw::DecodeTime(t, parts[0], parts[1], parts[2], parts[3]);
    return parts[index];
  }

  int changes_ = 0;
};

// Channel-wise closeness of two colours (anti-aliasing and Wine's GDI+ differ by a few levels).
inline bool Near(fw::TColor actual, fw::TColor expected, int tolerance = 8) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) return false;
  }
  return true;
}

}  // namespace ui::testing
