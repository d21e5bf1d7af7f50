#pragma once
// Forms: top-level windows with a caption, border, position and state, shown modeless (Show) or modal
// (ShowModal, which returns the ModalResult that ended it). A form starts hidden; OnCreate runs once
// the form object is complete (made with Create<T> or Application->CreateForm), OnDestroy when it is
// freed (with Free), OnShow and OnHide as it appears and disappears, and OnCloseQuery then OnClose
// when it is closed.
//
// Keys: with KeyPreview the form's OnKeyDown/OnKeyUp/OnKeyPress see the keys of its focused control
// first. Enter and Esc that the focused control does not use reach the controls as CM_DIALOGKEY, which
// a control marked as default (Enter) or cancel (Esc) answers; Tab and the arrows move the focus.
#include <vector>

#include "framework/controls/win_control.h"
#include "framework/forms/form_types.h"

namespace fw {

class TMainMenu;
class TMenuItem;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState value);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* value);
  bool Active() const;
  // The menu bar; its items' clicks and shortcuts reach their handlers while the form has the keyboard.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);
  bool IsShortCut(WORD Key, TShiftState Shift) override;

  // MDI (form_mdi.cpp). The client window of an fsMDIForm (null for other forms and before the window).
  HWND ClientHandle() const { return clientHandle_; }
  // The menu item whose drop-down lists the MDI children.
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* value);
  // The MDI children in the client window, in the client's order (top first).
  int MDIChildCount() const;
  TCustomForm* MDIChildren(int Index) const;
  TCustomForm* ActiveMDIChild() const;

  // Translucency: with AlphaBlend the window is layered and drawn with AlphaBlendValue (0 invisible,
  // 255 opaque).
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  BYTE AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(BYTE value);

  // Shows the form (Visible, OnShow) without activating it: the active window and the focus stay where
  // they are.
  void ShowNoActivate();
  void Close();
  virtual bool CloseQuery();
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  // Frees the form once the messages now queued for it are handled (safe from its own handlers).
  void Release();


  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& Action);
  void PreviewKeyDown(WORD& Key, TShiftState Shift) override;
  void PreviewKeyUp(WORD& Key, TShiftState Shift) override;
  void PreviewKeyPress(char& Key) override;

 private:
  void ApplyVisibility();
  void ApplyAlphaBlend();
  void RecreateKeepingVisibility();
  void ApplyPosition();
  void FocusFirstControl();
  void HandleDialogKey(TMessage& Message);
  void HandleSize(TMessage& Message);
  void CloseModal();
  static void BroadcastFocusChange(TWinControl* parent, TMessage& Message);
  void ForgetControl(TControl* control);
  void CreateMDIClient();
  // A child form's window goes into the main form's client window.
  static void MDIChildParams(TCreateParams& Params);
  std::vector<TCustomForm*> MDIChildList() const;

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = {biSystemMenu, biMinimize, biMaximize};
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  bool keyPreview_ = false;
  TModalResult modalResult_ = mrNone;
  TWinControl* activeControl_ = nullptr;
  TMainMenu* menu_ = nullptr;
  HWND clientHandle_ = nullptr;
  TMenuItem* windowMenu_ = nullptr;
  bool modal_ = false;
  bool positioned_ = false;
  bool alphaBlend_ = false;
  BYTE alphaBlendValue_ = 255;
  bool showingNoActivate_ = false;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// The form a control is on: the control itself when it is a form, else the form at the top of its
// parent chain; null when the chain ends in no form.
TCustomForm* GetParentForm(TControl* Control);

}  // namespace fw
