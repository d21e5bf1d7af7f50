// TBands: alternating row colours: PrimaryLength rows in PrimaryColor, then SecondaryLength rows in
// SecondaryColor, counted from the first scrollable row. The cell painting applies them to scrollable
// cells without a colour of their own while Active (when printing, only with Print). GUI thread only.
#pragma once

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"

namespace ui {

class TBands : public fw::TPersistent {
 public:
  // Another bands object: every value copied as it is (the period follows the lengths), no notification.
  // Any other source is ignored.
  void Assign(fw::TPersistent* Source) override;

  bool Print() const { return print_; }
  void SetPrint(bool Value) { print_ = Value; }
  bool Active() const { return active_; }
  void SetActive(bool Value);
  // Lengths are not checked: a period of 0 or less paints no bands.
  int SecondaryLength() const { return secondaryLength_; }
  void SetSecondaryLength(int Value) { ChangeLength(secondaryLength_, Value); }
  int PrimaryLength() const { return primaryLength_; }
  void SetPrimaryLength(int Value) { ChangeLength(primaryLength_, Value); }
  fw::TColor SecondaryColor() const { return secondaryColor_; }
  void SetSecondaryColor(fw::TColor Value) { ChangeColor(secondaryColor_, Value); }
  fw::TColor PrimaryColor() const { return primaryColor_; }
  void SetPrimaryColor(fw::TColor Value) { ChangeColor(primaryColor_, Value); }
  // PrimaryLength + SecondaryLength.
  int BandPeriod() const { return bandPeriod_; }
  // The band colour of the row Offset rows below the first scrollable row (Offset >= 0); false when the
  // period paints no bands.
  bool BandColorAt(int Offset, fw::TColor& Color) const;

  // Set by the owning grid, which repaints: Active changed, or a colour or length changed while Active.
  fw::TNotifyEvent OnChange;

 private:
  void ChangeLength(int& field, int value);
  void ChangeColor(fw::TColor& field, fw::TColor value);
  void Changed() {
    if (OnChange) OnChange(this);
  }

  bool print_ = false;
  bool active_ = false;
  int bandPeriod_ = 2;
  int secondaryLength_ = 1;
  int primaryLength_ = 1;
  fw::TColor secondaryColor_ = fw::clWindow;
  fw::TColor primaryColor_ = fw::clInfoBk;
};

}  // namespace ui
