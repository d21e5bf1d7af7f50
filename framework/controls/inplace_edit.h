#pragma once
// TInplaceEdit: the mask edit a grid lays over its current cell while editing. The grid makes it through
// its CreateEditor and owns it. It is filled from the grid (GetEditText, GetEditMask, GetEditLimit) and
// writes every change of its text back (SetEditText). Keys it has no use for - Up, Down, Page Up/Down,
// Enter, Escape, Tab with goTabs, and Left/Right/Home/End at the ends of its text - go to the grid's key
// handling. Escape puts back the text the cell had when editing began. GUI thread only.
#include <string>

#include "framework/controls/mask_edit.h"

namespace fw {

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
 public:
  // AOwner: the grid (the editor works only inside one).
  explicit TInplaceEdit(TComponent* AOwner);
  TCustomGrid* Grid() const { return grid_; }
  // Refills the editor for the grid's current cell: mask, limit, text, all selected.
  virtual void UpdateContents();
  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void BoundsChanged() override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  // No validation on leaving: the grid decides when a cell is done.
  void DoExit() override;

 private:
  // Whether the key belongs to the grid rather than to the text.
  bool ForGrid(WORD key, TShiftState shift);

  TCustomGrid* grid_;
  std::string startText_;
  bool updating_ = false;
};

}  // namespace fw
