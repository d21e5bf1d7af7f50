// TVxButton: the push button a drop-down's header or footer bar makes for each of its appearance's button
// items. It paints its parent's background under a face in the colours of its button appearance (normal,
// hot, pressed, disabled), takes Enter, Space and its accelerator, and a click gives the pop-up form its
// modal result and, for a footer button with a closing result, closes the pop-up. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/controls/custom_control.h"
#include "framework/forms/form_types.h"
#include "framework/graphics/image_list.h"
#include "framework/messaging/timer.h"
#include "ui/dropdown/dropdown_button_appearance.h"

namespace ui {

class TVxCustomDropDown;

class TVxButton : public fw::TCustomControl {
 public:
  // The bookkeeping of the pressed look.
  enum class TState : std::uint8_t { Up, Disabled, Down };

  explicit TVxButton(fw::TComponent* AOwner);

  // Colours and font of the face, not owned; no face is drawn while unset.
  TVxButtonAppearance* Appearance() const { return appearance_; }
  void SetAppearance(TVxButtonAppearance* Value) { appearance_ = Value; }
  // Not owned; dropped when the list goes.
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* Value);
  // Negative: no image.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  // Given to the parent form when clicked; see Click.
  fw::TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(fw::TModalResult Value) { modalResult_ = Value; }
  // The drop-down whose pop-up a click may close (footer buttons only); not owned.
  TVxCustomDropDown* DropDown() const { return dropDown_; }
  void SetDropDown(TVxCustomDropDown* Value) { dropDown_ = Value; }

  bool MouseInside() const { return mouseInside_; }
  bool PressedInside() const { return pressedInside_; }
  bool Tracking() const { return tracking_; }
  TState State() const { return state_; }
  fw::TTimer* UnHotTimer() const { return unHotTimer_; }

  // Sizes the button to its caption (in the appearance's font) and image: content + 8 wide, + 4 high.
  void AutoSizeToContent();
  // A tick of the 1 ms timer that clears the hot look once the cursor has left without a leave message.
  void UnHotTimerTick();

  // Paints the face by state on Canvas; nothing without an appearance.
  virtual void DrawButton(fw::TCanvas* ACanvas);

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  // Gives the parent form the modal result, closes the linked drop-down's pop-up for a closing result and
  // then, unless the click came from the keyboard, fires OnClick.
  void Click() override;

 private:
  void PaintParentBackground();
  // Sends CM_MOUSEENTER or CM_MOUSELEAVE by the control now under the cursor.
  void CheckControlUnderCursor();
  void MouseEntered();
  void MouseLeft();
  void KeyboardClick();

  TVxButtonAppearance* appearance_ = nullptr;
  fw::TCustomImageList* images_ = nullptr;
  int imageIndex_ = -1;
  fw::TModalResult modalResult_ = fw::mrNone;
  TVxCustomDropDown* dropDown_ = nullptr;
  bool mouseInside_ = false;
  bool pressedInside_ = false;
  bool tracking_ = false;
  TState state_ = TState::Up;
  fw::TTimer* unHotTimer_ = nullptr;
  bool internalClick_ = false;
};

}  // namespace ui
