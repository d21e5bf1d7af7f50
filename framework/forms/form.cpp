#include "framework/forms/form.h"

#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/screen.h"
#include "framework/menus/menu.h"
#include "framework/menus/menu_commands.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/keystate.h"

namespace fw {

namespace {

constexpr int kDefaultWidth = 320;
constexpr int kDefaultHeight = 240;

struct DisableContext {
  HWND keep;
  std::vector<HWND> disabled;
};

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM param) {
  auto* context = reinterpret_cast<DisableContext*>(param);
  if (window != context->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
    context->disabled.push_back(window);
  }
  return TRUE;
}

// The windows a modal form disables: every visible, enabled top-level window of the thread but its own.
std::vector<HWND> DisableThreadWindows(HWND keep) {
  DisableContext context{keep, {}};
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&context));
  for (HWND window : context.disabled) EnableWindow(window, FALSE);
  return context.disabled;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  StoreVisible(false);
  SetParentFont(false);
  controlStyle_.Include(csAcceptsControls);
  SetBoundsFields(0, 0, kDefaultWidth, kDefaultHeight);
  SetColor(clBtnFace);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() { Screen->RemoveForm(this); }

void TCustomForm::AfterConstruction() {
  TWinControl::AfterConstruction();
  DoCreate();
}

void TCustomForm::BeforeDestruction() {
  DoDestroy();
  TWinControl::BeforeDestruction();
}

// A failing OnCreate is reported and ends only itself: the form is made all the same.
void TCustomForm::DoCreate() {
  try {
    if (OnCreate) OnCreate(this);
  } catch (...) {
    HandleException(this);
  }
}

void TCustomForm::DoDestroy() {
  try {
    if (OnDestroy) OnDestroy(this);
  } catch (...) {
    HandleException(this);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  Params.ExStyle = 0;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  Params.WndParent = nullptr;
  if (Application != nullptr) {
    TCustomForm* main = Application->MainForm();
    if (main != nullptr && main != this && main->HandleAllocated()) Params.WndParent = main->Handle();
  }
  switch (borderStyle_) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle: Params.Style |= WS_CAPTION; break;
    case bsSizeable: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      Params.Style |= WS_CAPTION;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (borderStyle_ != bsNone && borderIcons_.Contains(biSystemMenu)) {
    Params.Style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
      if (borderIcons_.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (formStyle_ == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  if (formStyle_ == fsMDIChild) MDIChildParams(Params);
  if (position_ == poDefault || position_ == poDefaultPosOnly) Params.X = Params.Y = CW_USEDEFAULT;
  if (position_ == poDefault || position_ == poDefaultSizeOnly) Params.Width = Params.Height = CW_USEDEFAULT;
  Params.WinClassName = "Trelvik.Form";
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (formStyle_ == fsMDIForm) CreateMDIClient();
  // Windows may have chosen the position or size.
  UpdateBoundsFromWindow();
  if (menu_ != nullptr) menu_->SetWindowHandle(Handle());
  ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlend(bool value) {
  if (alphaBlend_ == value) return;
  alphaBlend_ = value;
  ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(BYTE value) {
  if (alphaBlendValue_ == value) return;
  alphaBlendValue_ = value;
  ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (alphaBlend_) {
    if ((exStyle & WS_EX_LAYERED) == 0) SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alphaBlendValue_, LWA_ALPHA);
  } else if ((exStyle & WS_EX_LAYERED) != 0) {
    SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

void TCustomForm::ShowNoActivate() {
  if (Visible()) return;
  showingNoActivate_ = true;
  try {
    SetVisible(true);
  } catch (...) {
    showingNoActivate_ = false;
    throw;
  }
  showingNoActivate_ = false;
}

TCustomForm* GetParentForm(TControl* Control) {
  if (auto* form = dynamic_cast<TCustomForm*>(Control)) return form;
  return dynamic_cast<TCustomForm*>(GetTopParent(Control));
}

void TCustomForm::DestroyWnd() {
  // The window would destroy the menu it shows.
  if (menu_ != nullptr) menu_->SetWindowHandle(nullptr);
  TWinControl::DestroyWnd();
  clientHandle_ = nullptr;  // went with the frame
}

void TCustomForm::SetMenu(TMainMenu* value) {
  if (menu_ == value) return;
  if (menu_ != nullptr) {
    menu_->SetWindowHandle(nullptr);
    menu_->RemoveFreeNotification(this);
  }
  menu_ = value;
  if (value == nullptr) return;
  value->FreeNotification(this);
  if (HandleAllocated()) value->SetWindowHandle(Handle());
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == menu_) menu_ = nullptr;
  if (Operation == opRemove && AComponent == windowMenu_) windowMenu_ = nullptr;
}

bool TCustomForm::IsShortCut(WORD Key, TShiftState Shift) {
  return menu_ != nullptr && menu_->IsShortCut(Key, Shift);
}

void TCustomForm::RecreateKeepingVisibility() {
  if (!HandleAllocated()) return;
  RecreateWnd();
  if (Visible()) ShowWindow(Handle(), SW_SHOWNA);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateKeepingVisibility();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (borderIcons_ == value) return;
  borderIcons_ = value;
  RecreateKeepingVisibility();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (formStyle_ == value) return;
  const bool mdi = value == fsMDIChild || value == fsMDIForm || formStyle_ == fsMDIChild || formStyle_ == fsMDIForm;
  formStyle_ = value;
  if (mdi) {
    RecreateKeepingVisibility();
    return;
  }
  if (HandleAllocated()) {
    SetWindowPos(Handle(), value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (windowState_ == value) return;
  windowState_ = value;
  if (!HandleAllocated() || !Visible()) return;
  ShowWindow(Handle(), value == wsMinimized ? SW_MINIMIZE : value == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetActiveControl(TWinControl* value) {
  if (value != nullptr && (value == this || !ContainsControl(value))) throw EInvalidOperation("Invalid control");
  activeControl_ = value;
  if (value != nullptr && Visible() && HandleAllocated() && value->CanFocus()) value->SetFocus();
}

bool TCustomForm::Active() const {
  return HandleAllocated() && GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle();
}

void TCustomForm::ApplyPosition() {
  TCustomForm* over = nullptr;
  switch (position_) {
    case poMainFormCenter:
      over = Application != nullptr ? Application->MainForm() : nullptr;
      break;
    case poOwnerFormCenter:
      over = dynamic_cast<TCustomForm*>(Owner());
      break;
    case poScreenCenter:
    case poDesktopCenter:
      break;
    default:
      return;
  }
  if (over == this || (over != nullptr && !over->Visible())) over = nullptr;
  const TRect area = over != nullptr ? over->BoundsRect()
                                     : Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TCustomForm::ApplyVisibility() {
  if (!Visible()) {
    DoHide();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  DoShow();
  if (!positioned_) {
    ApplyPosition();
    positioned_ = true;
  }
  if (showingNoActivate_) {
    ShowWindow(Handle(), windowState_ == wsMinimized ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    return;
  }
  const int command = windowState_ == wsMinimized   ? SW_SHOWMINIMIZED
                      : windowState_ == wsMaximized ? SW_SHOWMAXIMIZED
                                                    : SW_SHOWNORMAL;
  ShowWindow(Handle(), command);
  if (windowState_ != wsMinimized) FocusFirstControl();
}

void TCustomForm::FocusFirstControl() {
  if (activeControl_ != nullptr && activeControl_->CanFocus()) {
    activeControl_->SetFocus();
  } else if (TWinControl* first = FindNextControl(nullptr, true, true)) {
    first->SetFocus();
  }
}

void TCustomForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const bool isMain = Application != nullptr && Application->MainForm() == this;
  TCloseAction action = isMain ? caFree : caHide;
  DoClose(action);
  if (action == caNone) return;
  // Closing the main form ends the program.
  if (isMain) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caHide;
  if (CloseQuery()) {
    DoClose(action);
  } else {
    action = caNone;
  }
  if (action == caNone) modalResult_ = mrNone;
  if (action == caFree) Release();
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  if (Application == nullptr) throw EInvalidOperation("A modal form needs the application's message loop");
  if (HWND captured = GetCapture()) SendMessageA(captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  const HWND previousActive = GetActiveWindow();
  const std::vector<HWND> disabled = DisableThreadWindows(Handle());
  const auto restore = [&] {
    for (HWND window : disabled) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    if (Visible()) Hide();
    modal_ = false;
    if (previousActive != nullptr && IsWindow(previousActive)) SetActiveWindow(previousActive);
  };
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    do {
      Application->HandleMessage();
      if (Application->Terminated()) {
        modalResult_ = mrCancel;
      } else if (modalResult_ != mrNone) {
        CloseModal();
      }
    } while (modalResult_ == mrNone);
  } catch (...) {
    restore();
    throw;
  }
  restore();
  return modalResult_;
}

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::PreviewKeyDown(WORD& Key, TShiftState Shift) {
  if (keyPreview_) KeyDown(Key, Shift);
}

void TCustomForm::PreviewKeyUp(WORD& Key, TShiftState Shift) {
  if (keyPreview_) KeyUp(Key, Shift);
}

void TCustomForm::PreviewKeyPress(char& Key) {
  if (keyPreview_) KeyPress(Key);
}

void TCustomForm::HandleDialogKey(TMessage& Message) {
  const auto key = static_cast<WORD>(Message.WParam);
  if (key == VK_TAB && !IsKeyDown(VK_CONTROL)) {
    SelectNext(activeControl_, !IsKeyDown(VK_SHIFT), true);
    Message.Result = 1;
    return;
  }
  if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && activeControl_ != nullptr &&
      activeControl_->Parent() != nullptr) {
    activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
    Message.Result = 1;
    return;
  }
  TWinControl::Dispatch(Message);
}

// Every control on the form hears which control got the focus (buttons follow it as the default).
void TCustomForm::BroadcastFocusChange(TWinControl* parent, TMessage& Message) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    TMessage copy{CM_FOCUSCHANGED, Message.WParam, Message.LParam, 0};
    child->WndProc(copy);
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) BroadcastFocusChange(windowed, Message);
  }
}

void TCustomForm::HandleSize(TMessage& Message) {
  if (Visible()) {
    switch (Message.WParam) {
      case SIZE_MINIMIZED: windowState_ = wsMinimized; break;
      case SIZE_MAXIMIZED: windowState_ = wsMaximized; break;
      case SIZE_RESTORED: windowState_ = wsNormal; break;
      default: break;
    }
  }
  TWinControl::Dispatch(Message);
}

void TCustomForm::ForgetControl(TControl* control) {
  if (activeControl_ == nullptr) return;
  for (TControl* c = activeControl_; c != nullptr; c = c->Parent()) {
    if (c == control) {
      activeControl_ = nullptr;
      return;
    }
  }
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE:
      Close();
      Message.Result = 0;
      return;
    case WM_ACTIVATE: {
      const bool activating = LOWORD(Message.WParam) != WA_INACTIVE;
      TWinControl::Dispatch(Message);
      if (activating) {
        if (activeControl_ != nullptr && activeControl_->HandleAllocated() && activeControl_->CanFocus()) {
          ::SetFocus(activeControl_->Handle());
          if (GetFocus() == activeControl_->Handle()) activeControl_->Perform(CM_UIACTIVATE);
        }
        if (OnActivate) OnActivate(this);
      } else if (OnDeactivate) {
        OnDeactivate(this);
      }
      return;
    }
    case WM_SIZE: HandleSize(Message); return;
    case WM_COMMAND:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (!DispatchMenuMessage(Message)) TWinControl::Dispatch(Message);
      return;
    case CM_VISIBLECHANGED: ApplyVisibility(); return;
    case CM_CANCELMODE:
      // From a pressed control: the focused control hears it (and compares itself with the sender).
      if (activeControl_ != nullptr) activeControl_->Perform(CM_CANCELMODE, Message.WParam, Message.LParam);
      return;
    case CM_DIALOGKEY: HandleDialogKey(Message); return;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
      if (focused != this) activeControl_ = focused;
      BroadcastFocusChange(this, Message);
      return;
    }
    case CM_CONTROLCHANGE: ForgetControl(reinterpret_cast<TControl*>(Message.WParam)); return;
    case CM_RELEASE:
      // Nothing of the form is touched after this.
      Free();
      return;
    default:
      TWinControl::Dispatch(Message);
  }
}

}  // namespace fw
