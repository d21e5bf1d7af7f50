#pragma once
// TEdit: a one-line Win32 EDIT control. Text, selection, limits and case live in the object until the
// window exists and are read back from it while it does. OnChange fires for every change of the text,
// by the user or by the program, with or without a window.
#include "framework/controls/win_control.h"
#include "framework/forms/form_types.h"

namespace fw {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);

  // 0: no limit beyond the system's.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  // Upper- or lower-case entry: typed and assigned text is converted.
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Selects the whole text when the edit gets the focus from the keyboard.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  // A character shown for every character of the text ('\0': the text itself); one-line edits only.
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  // The selection is shown only while the edit has the focus (false: always).
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  // True once the user changed the text; the program may clear it.
  bool Modified();
  void SetModified(bool value);

  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  virtual std::string SelText();
  void SetSelText(const std::string& value);
  void SelectAll();
  void ClearSelection() { SetSelText(""); }
  void Clear() { SetText(""); }

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void StoreText(const std::string& value) override;
  void DoEnter() override;
  virtual void Change();
  // Gives MaxLength to the window.
  virtual void SendTextLimit();
  // The window sends EN_CHANGE for text given to it (a multi-line edit window does not).
  virtual bool WindowReportsAssignedText() const { return !multiLine_; }
  bool IsMultiLine() const { return multiLine_; }
  void SetMultiLine(bool value) { multiLine_ = value; }
  std::string ApplyCharCase(std::string text) const;

 private:
  void ClampSelection();

  int maxLength_ = 0;
  TEditCharCase charCase_ = ecNormal;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool modified_ = false;
  bool multiLine_ = false;
  char passwordChar_ = '\0';
  bool hideSelection_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  int selStart_ = 0;
  int selLength_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace fw
