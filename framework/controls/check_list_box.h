#pragma once
// TCheckListBox: a list box whose items carry a check box each, drawn by the control. A click on an item's
// box or Space on the selected item steps its state (unchecked -> checked -> unchecked, or through grayed
// when AllowGrayed) and fires OnClickCheck; states set by the program fire nothing. Each item's state
// follows the item when others are inserted or deleted.
#include <vector>

#include "framework/controls/check_box.h"
#include "framework/controls/list_box.h"
#include "framework/graphics/canvas.h"

namespace fw {

class TCheckListBox : public TCustomListBox {
 public:
  explicit TCheckListBox(TComponent* AOwner);

  // EListError for an index outside the items.
  bool Checked(int Index) const { return State(Index) == cbChecked; }
  void SetChecked(int Index, bool value) { SetState(Index, value ? cbChecked : cbUnchecked); }
  TCheckBoxState State(int Index) const;
  void SetState(int Index, TCheckBoxState value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  // Height of every item in pixels.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  TCanvas* Canvas() { return &canvas_; }

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnClickCheck;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void ItemsReloaded() override;
  void ItemAdded(int index) override;
  void ItemRemoved(int index) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyPress(char& Key) override;
  virtual void ClickCheck();

 private:
  void CheckIndex(int Index) const;
  void Toggle(int Index);
  void InvalidateItem(int Index);
  void DrawCheckItem(const DRAWITEMSTRUCT& item);

  std::vector<TCheckBoxState> states_;
  bool allowGrayed_ = false;
  int itemHeight_ = 16;
  TCanvas canvas_;
};

}  // namespace fw
