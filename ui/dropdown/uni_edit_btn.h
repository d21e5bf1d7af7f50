#pragma once
// A Unicode edit with a button inside its right edge (TAsgEditButton). The button's click, and F4 with any
// modifier keys, call ButtonClick, which fires OnClickBtn. With EditorEnabled off the user can neither type,
// cut nor paste (the button still works). The edit keeps at least the height its font needs; the text
// stops short of the button.
#include <string>

#include "framework/classes/events.h"
#include "ui/dropdown/edit_button.h"
#include "ui/dropdown/uni_edit.h"

namespace ui {

class TAsgUniEditBtn : public TCustomUNIEdit {
 public:
  explicit TAsgUniEditBtn(fw::TComponent* AOwner);
  void BeforeDestruction() override;

  TAsgEditButton* ButtonPart() const { return button_; }
  bool RightAlign() const { return rightAlign_; }
  void SetRightAlign(bool value);
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool value);
  fw::TBitmap* Glyph();
  void SetGlyph(fw::TBitmap* value);
  std::string ButtonCaption() const;
  void SetButtonCaption(const std::string& value);

  // The smallest height the control keeps: its font's text height plus a quarter of the smaller of the
  // system font's and its font's.
  int MinHeight();

  void WndProc(fw::TMessage& Message) override;
  void Dispatch(fw::TMessage& Message) override;

  fw::TNotifyEvent OnClickBtn;

  // The button was clicked (Sender: the button part) or F4 pressed (Sender: the control).
  virtual void ButtonClick(fw::TObject* Sender);

 protected:
  void CreateParams(fw::TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  // The text's formatting rectangle: inside the border, short of the button.
  void UpdateEditRect();

 private:
  void Resized();

  bool rightAlign_ = false;
  TAsgEditButton* button_ = nullptr;
  bool editorEnabled_ = true;
  int buttonWidth_ = 0;
  bool isWinXP_ = false;
};

}  // namespace ui
