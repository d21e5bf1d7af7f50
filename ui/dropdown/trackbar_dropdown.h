// TVxTrackBarDropDown: a drop-down edit for a whole number whose pop-up holds a horizontal track bar. The
// number also changes without opening the pop-up: Up lowers and Down raises it by Frequency (never
// leaving Min..Max), and dragging the mouse sideways over the edit moves it by one per PageSize pixels.
//
// The track bar is made at the first opening (the pop-up form itself exists from construction) and filled
// from Min, Max, Position, PageSize and Frequency at every opening; from then on it keeps Position, Min and
// Max within its range. Before the first opening the values are stored as given, and keys and dragging
// change Position without showing it in the text. A move of the track bar writes the number into the edit unformatted and fires
// OnTrackChange. A close by deactivation keeps the number. GUI thread only.
#pragma once

#include "framework/controls/track_bar.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

class TVxTrackBarDropDown : public TVxCustomDropDown {
 public:
  explicit TVxTrackBarDropDown(fw::TComponent* AOwner) : TVxCustomDropDown(AOwner) {}
  void AfterConstruction() override;

  int Min() const { return min_; }
  void SetMin(int Value);
  int Max() const { return max_; }
  void SetMax(int Value);
  int Position() const { return position_; }
  void SetPosition(int Value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int Value);
  // The track bar's page step and the pixels of dragging per step; 0 makes dragging do nothing.
  int PageSize() const { return pageSize_; }
  void SetPageSize(int Value);

  // The track bar in the pop-up; absent before the first opening.
  fw::TTrackBar* TrackBar() const { return trackBar_; }

  // After the track bar moved (by the user or by a Position write).
  fw::TNotifyEvent OnTrackChange;

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void WndProc(fw::TMessage& Message) override;

 protected:
  // The text as a whole number becomes Position; any other text leaves Position as it is.
  void Change() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;

 private:
  // Makes the track bar in the pop-up form once.
  void CreateTrackBar();
  void TrackBarChange();
  // Min and Max into the track bar in the order its refusal of a crossed range cannot defeat.
  void CopyRange();
  bool DragAllowed() const { return DropDownEnabled() && !EditorEnabled(); }

  fw::TTrackBar* trackBar_ = nullptr;
  int min_ = 0;
  int frequency_ = 1;
  int pageSize_ = 2;
  int max_ = 10;
  int position_ = 0;
  bool dragging_ = false;
  int lastX_ = 0;
};

}  // namespace ui
