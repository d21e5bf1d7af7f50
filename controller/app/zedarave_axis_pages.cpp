// The rows of the hidden "Dimmer Axis" and "Control Axis" pages: one per axis function, every button, edit
// and box tagged with its function and tied to the page's shared handlers.
#include <string>

#include "controller/app/zedarave.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik {

namespace {

template <class T>
T* Place(fw::TComponent* owner, fw::TWinControl* parent, const std::string& name, int left, int top, int width,
         int height, int function) {
  T* control = fw::Create<T>(owner);
  control->SetName(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  control->SetTag(function);
  return control;
}

std::string Named(const char* stem, int function) { return stem + std::to_string(function); }

}  // namespace

void TZedArave::BuildAxisPages(ui::TVxSmoothTabPage* dimmer, ui::TVxSmoothTabPage* control) {
  const auto button = [this](fw::TWinControl* page, const std::string& name, const char* caption, int left, int top,
                             int width, int f, void (TZedArave::*handler)(fw::TObject*)) {
    auto* b = Place<ui::TW7SpeedButton>(this, page, name, left, top, width, 18, f);
    b->SetCaption(caption);
    b->OnClick = [this, handler](fw::TObject* Sender) { (this->*handler)(Sender); };
    return b;
  };
  const auto label = [this](fw::TWinControl* page, const std::string& name, const std::string& caption, int left,
                            int top, int width, int f) {
    auto* l = Place<fw::TLabel>(this, page, name, left, top, width, 16, f);
    l->SetCaption(caption);
    return l;
  };

  for (int f = 1; f <= 12; ++f) {
    AxisRow& row = axis_rows[static_cast<std::size_t>(f)];
    const int top = 8 + (f - 1) * 28;
    row.caption = label(dimmer, Named("axis_caption", f), AxisCaption(f), 4, top, 130, f);
    row.detect = button(dimmer, Named("axis_detect", f), "Detect", 300, top, 60, f, &TZedArave::W7SpeedButton42Click);
    if (f == 12) continue;  // its assignment label and Clear are the window's own
    row.assigned = label(dimmer, Named("axis_assigned", f), "Not Assigned", 140, top, 150, f);
    row.clear = button(dimmer, Named("axis_clear", f), "Clear", 365, top, 60, f, &TZedArave::DimmerClearClick);
    row.value = label(dimmer, Named("axis_value", f), "Value : 0", 435, top, 120, f);
  }

  for (int f = 20; f <= kAxisFunctions; ++f) {
    AxisRow& row = axis_rows[static_cast<std::size_t>(f)];
    const int top = 4 + (f - 20) * 20;
    row.caption = label(control, Named("axis_caption", f), AxisCaption(f), 4, top, 100, f);
    row.assigned = label(control, Named("axis_assigned", f), "Not Assigned", 108, top, 110, f);
    row.detect = button(control, Named("axis_detect", f), "Detect", 222, top, 50, f, &TZedArave::W7SpeedButton42Click);
    row.clear = button(control, Named("axis_clear", f), "Clear", 276, top, 45, f, &TZedArave::W7SpeedButton55Click);
    const auto edit = [&](const std::string& name, const char* text, int left, int width) {
      auto* e = Place<fw::TEdit>(this, control, name, left, top, width, 18, f);
      e->SetText(text);
      return e;
    };
    row.low = edit("j" + std::to_string(f) + "_low", "-16383", 325, 50);
    row.set_low = button(control, Named("axis_set_low", f), "SET", 378, top, 35, f, &TZedArave::W7SpeedButton96Click);
    row.high = edit("j" + std::to_string(f) + "_high", "16383", 416, 50);
    row.set_high =
        button(control, Named("axis_set_high", f), "SET", 469, top, 35, f, &TZedArave::W7SpeedButton132Click);
    row.null_zone = edit("j" + std::to_string(f) + "_null", "300", 508, 45);
    row.null_zone->OnChange = [this](fw::TObject* Sender) { j20_nullChange(Sender); };
    row.reverse = Place<fw::TCheckBox>(this, control, "j" + std::to_string(f) + "_rev", 556, top, 62, 18, f);
    row.reverse->SetCaption("Reverse");
    row.reverse->OnClick = [this](fw::TObject* Sender) { j20_revClick(Sender); };
    row.value = label(control, Named("axis_value", f), "Value : 0", 620, top, 78, f);
  }
  axis_rows[36].arm = button(control, "axis_arm", "ARM", 748, 4 + 16 * 20, 38, 36, &TZedArave::W7SpeedButton131Click);

  // Each channel's output beside its first function's row (rudder and tiller share one).
  static constexpr std::pair<AxisChannel, int> kChannelRows[] = {
      {kElevator, 20},    {kAileron, 23},      {kYaw, 26},        {kBrakeLeft, 30}, {kBrakeRight, 32},
      {kThrottleLeft, 34}, {kThrottleRight, 35}, {kSpeedbrake, 36}, {kFlaps, 37}};
  for (const auto& [channel, f] : kChannelRows) {
    axis_channel_labels[channel] =
        label(control, Named("axis_output", static_cast<int>(channel)), "Value : 0", 700, 4 + (f - 20) * 20,
              channel == kSpeedbrake ? 46 : 86, 0);
  }
}

}  // namespace trelvik
