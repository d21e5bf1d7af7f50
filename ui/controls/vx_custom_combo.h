// TVxCustomCombo: a combo box that can trade its 3-D frame for a flat one: a thin frame in the parent's
// colour, a flat or themed drop-down button with hot tracking, an optional focus frame and underline.
// Adds OnDropUp, fired after the framework's OnCloseUp when the list closes. GUI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "framework/controls/combo_box.h"
#include "ui/foundation/version_info.h"

namespace ui {

class TVxCustomCombo : public fw::TCustomComboBox, public TVersionedComponent {
 public:
  explicit TVxCustomCombo(fw::TComponent* AOwner);

  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool Etched() const { return etched_; }
  void SetEtched(bool value);
  fw::TColor FlatLineColor() const { return flatLineColor_; }
  void SetFlatLineColor(fw::TColor value);
  bool FlatParentColor() const { return flatParentColor_; }
  void SetFlatParentColor(bool value);
  bool FocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool value) { focusBorder_ = value; }
  // Records the colour of the form description while loading.
  void SetColor(fw::TColor value);

  std::uint32_t GetVersionNr() const override { return MakeVersionNr(1, 4, 0, 0); }

  // The flat frame and button frame on the window's DC; false (nothing drawn) for an enabled plain combo.
  bool DrawBorders();
  bool ButtonHot() const { return buttonHot_; }
  // Common controls 6 or later: bits 16-23 of the library's file version above 5 (no version resource: 255).
  static bool ComCtl6FromVersion(std::int32_t VersionMS) { return ((VersionMS >> 16) & 0xFF) > 5; }

  fw::TNotifyEvent OnDropUp;

 protected:
  void Loaded() override;
  void Dispatch(fw::TMessage& Message) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  int ButtonWidth() const { return buttonWidth_; }

 private:
  bool Themed() const;
  void PaintFlat(fw::TMessage& Message);
  bool ActiveControl();

  bool flat_ = false;
  bool etched_ = false;
  fw::TColor savedColor_ = fw::clWindow;
  fw::TColor designColor_ = fw::clWindow;
  bool savedParentColor_ = false;
  int buttonWidth_ = 0;
  bool focusBorder_ = false;
  bool mouseInside_ = false;
  bool xpOrLater_ = false;
  bool comCtl6_ = false;
  bool buttonHot_ = false;
  fw::TColor flatLineColor_ = fw::clBlack;
  bool flatParentColor_ = true;
};

}  // namespace ui
