// TGridProgressAppearance: the colours and switches of the grid's multi-level progress bar cells: the
// completed and uncompleted parts and their texts, four levels with gradient end colours and the
// percentages from which levels 1 and 2 apply, border, percentage text and block steps. Every setter
// tells OnChange when the value changes (the grid repaints). GUI thread only.
#pragma once

#include <cstdint>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"

namespace ui {

class TGridProgressAppearance : public fw::TPersistent {
 public:
  // Another progress appearance: every value copied (the style too), then one OnChange. Any other source
  // is ignored.
  void Assign(fw::TPersistent* Source) override;

  fw::TColor UnCompleteFontColor() const { return v_.unCompleteFontColor; }
  void SetUnCompleteFontColor(fw::TColor Value) { Change(v_.unCompleteFontColor, Value); }
  fw::TColor CompleteColor() const { return v_.completeColor; }
  void SetCompleteColor(fw::TColor Value) { Change(v_.completeColor, Value); }
  // clNone: the grid's background colour.
  fw::TColor UnCompleteColor() const { return v_.unCompleteColor; }
  void SetUnCompleteColor(fw::TColor Value) { Change(v_.unCompleteColor, Value); }
  fw::TColor CompleteFontColor() const { return v_.completeFontColor; }
  void SetCompleteFontColor(fw::TColor Value) { Change(v_.completeFontColor, Value); }
  bool Stacked() const { return v_.stacked; }
  void SetStacked(bool Value) { Change(v_.stacked, Value); }
  bool ShowPercentage() const { return v_.showPercentage; }
  void SetShowPercentage(bool Value) { Change(v_.showPercentage, Value); }
  bool ShowBorder() const { return v_.showBorder; }
  void SetShowBorder(bool Value) { Change(v_.showBorder, Value); }
  // Off: the bar is drawn in Steps blocks.
  bool CompletionSmooth() const { return v_.completionSmooth; }
  void SetCompletionSmooth(bool Value) { Change(v_.completionSmooth, Value); }
  bool ShowGradient() const { return v_.showGradient; }
  void SetShowGradient(bool Value) { Change(v_.showGradient, Value); }
  int Level2Perc() const { return v_.level2Perc; }
  void SetLevel2Perc(int Value) { Change(v_.level2Perc, Value); }
  int Level1Perc() const { return v_.level1Perc; }
  void SetLevel1Perc(int Value) { Change(v_.level1Perc, Value); }
  int Steps() const { return v_.steps; }
  void SetSteps(int Value) { Change(v_.steps, Value); }
  fw::TColor Level3Color() const { return v_.level3Color; }
  void SetLevel3Color(fw::TColor Value) { Change(v_.level3Color, Value); }
  fw::TColor Level1Color() const { return v_.level1Color; }
  void SetLevel1Color(fw::TColor Value) { Change(v_.level1Color, Value); }
  fw::TColor Level0Color() const { return v_.level0Color; }
  void SetLevel0Color(fw::TColor Value) { Change(v_.level0Color, Value); }
  fw::TColor Level3ColorTo() const { return v_.level3ColorTo; }
  void SetLevel3ColorTo(fw::TColor Value) { Change(v_.level3ColorTo, Value); }
  fw::TColor Level2ColorTo() const { return v_.level2ColorTo; }
  void SetLevel2ColorTo(fw::TColor Value) { Change(v_.level2ColorTo, Value); }
  fw::TColor Level0ColorTo() const { return v_.level0ColorTo; }
  void SetLevel0ColorTo(fw::TColor Value) { Change(v_.level0ColorTo, Value); }
  fw::TColor Level1ColorTo() const { return v_.level1ColorTo; }
  void SetLevel1ColorTo(fw::TColor Value) { Change(v_.level1ColorTo, Value); }
  fw::TColor BorderColor() const { return v_.borderColor; }
  void SetBorderColor(fw::TColor Value) { Change(v_.borderColor, Value); }
  fw::TColor Level2Color() const { return v_.level2Color; }
  void SetLevel2Color(fw::TColor Value) { Change(v_.level2Color, Value); }
  // Copied by Assign; nothing else sets it.
  std::uint8_t Style() const { return v_.style; }

  // The grid's handler repaints it.
  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }

  struct Values {
    fw::TColor unCompleteFontColor = fw::clWindowText;
    fw::TColor completeColor = fw::clRed;
    fw::TColor unCompleteColor = fw::clNone;
    fw::TColor completeFontColor = fw::clBlue;
    bool stacked = false;
    bool showPercentage = true;
    bool showBorder = false;
    bool completionSmooth = true;
    bool showGradient = true;
    int level2Perc = 90;
    int level1Perc = 70;
    int steps = 11;
    fw::TColor level3Color = fw::clRed;
    fw::TColor level1Color = fw::clYellow;
    fw::TColor level0Color = fw::clLime;
    fw::TColor level3ColorTo = 0xCACAFF;
    fw::TColor level2ColorTo = 0xA8D3FF;
    fw::TColor level0ColorTo = 0xE1FFE1;
    fw::TColor level1ColorTo = 0xCAFFFF;
    fw::TColor borderColor = fw::clBlack;
    fw::TColor level2Color = 0x53A9FF;
    std::uint8_t style = 0;
  };
  Values v_;
};

}  // namespace ui
