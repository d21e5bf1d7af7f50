// The least MDI support of forms: an fsMDIForm makes the system's MDI client window inside its own and
// leaves unhandled messages to DefFrameProc; an fsMDIChild form is made inside the main form's client
// window and leaves them to DefMDIChildProc. The client lists and activates the children itself.
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/menus/menu.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {
// Identifiers the client gives the commands of its own window list (far above the menus' commands).
constexpr UINT kFirstMDIChildCommand = 0xFF00;
}  // namespace

void TCustomForm::MDIChildParams(TCreateParams& Params) {
  TCustomForm* frame = Application != nullptr ? Application->MainForm() : nullptr;
  if (frame == nullptr || frame->FormStyle() != fsMDIForm || frame->ClientHandle() == nullptr) {
    throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  }
  Params.Style &= ~static_cast<DWORD>(WS_POPUP);
  Params.Style |= WS_CHILD;
  Params.ExStyle |= WS_EX_MDICHILD;
  Params.WndParent = frame->ClientHandle();
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT client{};
  client.hWindowMenu = windowMenu_ != nullptr ? windowMenu_->Handle() : nullptr;
  client.idFirstChild = kFirstMDIChildCommand;
  RECT area{};
  GetClientRect(Handle(), &area);
  clientHandle_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, area.right,
                                  area.bottom, Handle(), nullptr, GetModuleHandleA(nullptr), &client);
  if (clientHandle_ == nullptr) RaiseLastOSError();
}

void TCustomForm::DefaultHandler(TMessage& Message) {
  const bool ownMessage = Message.Msg >= CM_BASE && Message.Msg < CN_BASE + 0x400;
  if (!ownMessage && HandleAllocated()) {
    if (formStyle_ == fsMDIForm && clientHandle_ != nullptr) {
      Message.Result = DefFrameProcA(Handle(), clientHandle_, Message.Msg, Message.WParam, Message.LParam);
      return;
    }
    if (formStyle_ == fsMDIChild) {
      Message.Result = DefMDIChildProcA(Handle(), Message.Msg, Message.WParam, Message.LParam);
      return;
    }
  }
  TWinControl::DefaultHandler(Message);
}

void TCustomForm::SetWindowMenu(TMenuItem* value) {
  if (windowMenu_ == value) return;
  if (windowMenu_ != nullptr) windowMenu_->RemoveFreeNotification(this);
  windowMenu_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
  std::vector<TCustomForm*> children;
  if (clientHandle_ == nullptr) return children;
  for (HWND child = GetWindow(clientHandle_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (auto* form = dynamic_cast<TCustomForm*>(FindControl(child)); form != nullptr && form->formStyle_ == fsMDIChild) {
      children.push_back(form);
    }
  }
  return children;
}

int TCustomForm::MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int Index) const {
  const std::vector<TCustomForm*> children = MDIChildList();
  if (Index < 0 || Index >= static_cast<int>(children.size())) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
  return children[static_cast<size_t>(Index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (formStyle_ != fsMDIForm || clientHandle_ == nullptr) return nullptr;
  const auto active = reinterpret_cast<HWND>(SendMessageA(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  return active != nullptr ? dynamic_cast<TCustomForm*>(FindControl(active)) : nullptr;
}

}  // namespace fw
