// TBalloonSettings: the balloon tooltips of cells: on or off, their colours, delays and transparency. The
// grid's handler of OnEnableChange makes or destroys its balloon window. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"

namespace ui {

class TBalloonSettings : public fw::TPersistent {
 public:
  // Another balloon settings object: every stored value copied as it is, no notification. Any other
  // source is ignored.
  void Assign(fw::TPersistent* Source) override;

  // True while the grid's balloon window exists (kept by the grid).
  bool Initialised() const { return initialised_; }
  void SetInitialised(bool Value) { initialised_ = Value; }

  // clNone: the system's.
  fw::TColor BackgroundColor() const { return v_.backgroundColor; }
  void SetBackgroundColor(fw::TColor Value) { v_.backgroundColor = Value; }
  fw::TColor TextColor() const { return v_.textColor; }
  void SetTextColor(fw::TColor Value) { v_.textColor = Value; }
  // Milliseconds; -1 keeps the system's.
  int ReshowDelay() const { return v_.reshowDelay; }
  void SetReshowDelay(int Value) { v_.reshowDelay = Value; }
  int InitialDelay() const { return v_.initialDelay; }
  void SetInitialDelay(int Value) { v_.initialDelay = Value; }
  int AutoHideDelay() const { return v_.autoHideDelay; }
  void SetAutoHideDelay(int Value) { v_.autoHideDelay = Value; }
  // 0: opaque; otherwise the balloon is drawn with opacity 255 - Transparency.
  std::uint8_t Transparency() const { return v_.transparency; }
  void SetTransparency(std::uint8_t Value) { v_.transparency = Value; }
  // Every write fires OnEnableChange.
  bool Enable() const { return v_.enable; }
  void SetEnable(bool Value);

  fw::TNotifyEvent OnEnableChange;

 private:
  struct Values {
    fw::TColor backgroundColor = fw::clNone;
    fw::TColor textColor = fw::clNone;
    int reshowDelay = -1;
    int initialDelay = -1;
    int autoHideDelay = -1;
    std::uint8_t transparency = 0;
    bool enable = false;
  };
  bool initialised_ = false;
  Values v_;
};

}  // namespace ui
