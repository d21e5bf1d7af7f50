#pragma once
// TComboBox: a Win32 combo box over Items. Styles: csDropDown (an edit with a list), csSimple,
// csDropDownList (pick only), csOwnerDrawFixed and csOwnerDrawVariable (pick only, items drawn by
// OnDrawItem, sized by ItemHeight or OnMeasureItem).
//
// MaxLength limits what the user can type into the edit part (0: no limit). The edit and list children's
// messages pass through ComboWndProc before their own procedures: a descendant overrides it to see or
// take them (the default hands each on to the child's procedure).
//
// Events: the user's typing fires OnChange; the user's pick fires OnClick, then OnSelect (OnChange when
// OnSelect is not assigned). Changes made by the program fire nothing.
#include "framework/controls/list_control.h"
#include "framework/controls/owner_draw.h"
#include "framework/graphics/canvas.h"

namespace fw {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TCustomListControl {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  // The edit part (nullptr for pick-only styles or without a window) and the list child.
  HWND EditHandle() const { return editHook_.window; }
  HWND ListHandle() const { return listHook_.window; }
  bool DroppedDown();
  void SetDroppedDown(bool value);
  void SetItemIndex(int value) override;
  // The canvas OnDrawItem draws on.
  TCanvas* Canvas() { return &canvas_; }

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // A pick-only combo's text is its selected item, and setting it selects the item with that text.
  std::string GetText() override;
  void StoreText(const std::string& value) override;
  virtual void Change();
  virtual void Select();
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  // Every message of the edit or list child (ChildWindow) before ChildProc, that child's own procedure,
  // sees it; sets Message.Result.
  virtual void ComboWndProc(TMessage& Message, HWND ChildWindow, WNDPROC ChildProc);
  void DestroyWnd() override;

 private:
  bool PickOnly() const { return style_ != csDropDown && style_ != csSimple; }
  bool OwnerDrawn() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
  void HandleCommand(WORD code);
  struct ChildHook {
    HWND window = nullptr;
    WNDPROC original = nullptr;
  };
  void HookChildren();
  static void Hook(ChildHook& hook, HWND window, TCustomComboBox* combo);
  static void Unhook(ChildHook& hook);
  friend LRESULT CALLBACK ComboChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  int maxLength_ = 0;
  ChildHook editHook_;
  ChildHook listHook_;

  TComboBoxStyle style_ = csDropDown;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
  TCanvas canvas_;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace fw
