// TCustomButtonPanel: a calculator keypad drawn by itself. It holds its keys (TButtonItems), lays them out
// as a calculator grid whenever it is sized, paints each key as a glossy face through GDI+ with a glow
// around the key under the mouse or pressed (the hot key last, so its glow lies over its neighbours), and
// reports a click on a key, a press and a release on the same enabled key, through OnKeyClick with the
// key's index.
//
// Outside a drop-down the panel makes its keys when it is loaded and draws a black frame; a calculator
// drop-down that hosts it sets DropDown, makes the keys itself and gives the panel its colours. GUI thread
// only.
#pragma once

#include <functional>
#include <memory>

#include "framework/controls/custom_control.h"
#include "framework/graphics/image_list.h"
#include "ui/dropdown/button_panel_items.h"
#include "ui/dropdown/item_layout.h"

namespace ui {

class TVxCalculatorDropdown;

// A click on the key at Index.
using TKeyClickEvent = std::function<void(fw::TObject* Sender, int Index)>;

// The keypads the panel knows how to build; the calculator is the only one.
enum TKeypadKind : std::uint8_t { kkCalculator };

class TCustomButtonPanel : public fw::TCustomControl {
 public:
  explicit TCustomButtonPanel(fw::TComponent* AOwner);
  ~TCustomButtonPanel() override;

  TButtonItems* Keys() const { return keys_.get(); }
  TItemLayout KeyLayout() const { return keyLayout_; }
  void SetKeyLayout(TItemLayout Value) { keyLayout_ = Value; }
  // The key under the mouse and the key being pressed; -1 for none.
  int HotIndex() const { return hotIndex_; }
  int DownIndex() const { return downIndex_; }
  // Margin between the client edge and the key area.
  int PanelInsetX() const { return panelInsetX_; }
  void SetPanelInsetX(int Value) { panelInsetX_ = Value; }
  int PanelInsetY() const { return panelInsetY_; }
  void SetPanelInsetY(int Value) { panelInsetY_ = Value; }
  // Margin between a key's edge and its content.
  int KeyInsetX() const { return keyInsetX_; }
  void SetKeyInsetX(int Value) { keyInsetX_ = Value; }
  int KeyInsetY() const { return keyInsetY_; }
  void SetKeyInsetY(int Value) { keyInsetY_ = Value; }
  // Images for the keys' ImageIndex; referenced, forgotten when the list goes.
  fw::TCustomImageList* KeyImages() const { return keyImages_; }
  void SetKeyImages(fw::TCustomImageList* Value);
  // Space between a key's image and its caption.
  int CaptionGap() const { return captionGap_; }
  void SetCaptionGap(int Value) { captionGap_ = Value; }
  // An edit the panel may serve; referenced, forgotten when it goes.
  fw::TWinControl* LinkedEdit() const { return linkedEdit_; }
  void SetLinkedEdit(fw::TWinControl* Value);
  TKeypadKind KeypadKind() const { return keypadKind_; }
  // Its OnChange repaints the panel unless the panel sits in a drop-down.
  TCalcButtonAppearance* KeyAppearance() const { return keyAppearance_.get(); }
  void SetKeyAppearance(TCalcButtonAppearance* Value) { keyAppearance_->Assign(Value); }
  // The calculator drop-down whose pop-up holds the panel (not owned).
  TVxCalculatorDropdown* DropDown() const { return dropDown_; }
  void SetDropDown(TVxCalculatorDropdown* Value) { dropDown_ = Value; }

  // Nothing when Index is already the hot (pressed) key or names a disabled key. Otherwise the previous
  // key is cleared and repainted around its glow, and the new key is drawn at once.
  void SetHotIndex(int Index);
  void SetDownIndex(int Index);
  // The lowest index whose rectangle holds the point (right and bottom edges excluded); -1 for none.
  int KeyAt(int X, int Y) const;
  // The key's rectangle; (-1, -1, -1, -1) for an index out of range.
  fw::TRect GetKeyRect(int Index) const;

  TKeyClickEvent OnKeyClick;

  // ---- the panel's operations, in slot order ----
  // Paints one key (face, then caption and image) on Canvas.
  virtual void DrawKey(int Index, fw::TCanvas* Canvas);
  // The client rectangle less the panel insets.
  virtual fw::TRect GetKeysRect();
  // The smallest key content that holds the widest caption and image, by KeyLayout.
  virtual fw::TSize GetKeyContentSize();
  virtual void ClearKeys();
  virtual void ResetKeys();
  // Makes the calculator keys when there are none, then lays the keys out.
  virtual void CreateKeys();
  virtual void ArrangeKeys();
  // Invalidates the key's rectangle grown by 8 pixels (its glow), with erasing.
  virtual void InvalidateKey(int Index);
  virtual void KeyClick(int Index);

 protected:
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void Dispatch(fw::TMessage& Message) override;

 private:
  bool ValidIndex(int Index) const;
  bool KeyDisabled(int Index) const;
  // Clears the key held in Field, stores Index and draws it: the common part of SetHotIndex/SetDownIndex.
  void MoveMark(int& Field, int Index);
  // Every key except the hot one.
  void DrawKeys(fw::TCanvas* Canvas);
  // Draws one key on the window outside a paint (nothing without a window).
  void DrawKeyOnWindow(int Index);
  void DrawKeyContent(TButtonItem* Key, const fw::TRect& Content, fw::TCanvas* Canvas);
  void AppearanceChanged(fw::TObject* Sender);

  std::unique_ptr<TButtonItems> keys_;
  TItemLayout keyLayout_ = ilCaptionRight;
  int hotIndex_ = -1;
  int panelInsetX_ = 8;
  int panelInsetY_ = 8;
  int keyInsetX_ = 4;
  int keyInsetY_ = 4;
  fw::TCustomImageList* keyImages_ = nullptr;
  int captionGap_ = 0;
  fw::TWinControl* linkedEdit_ = nullptr;
  TKeypadKind keypadKind_ = kkCalculator;
  std::unique_ptr<TCalcButtonAppearance> keyAppearance_;
  int downIndex_ = -1;
  TVxCalculatorDropdown* dropDown_ = nullptr;
};

}  // namespace ui
