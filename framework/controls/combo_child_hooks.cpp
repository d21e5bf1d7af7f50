// The combo box's hooks on its edit and list children: each child's procedure is replaced by one that
// hands the message to the combo box's ComboWndProc, which calls the child's own procedure.
#include "framework/controls/combo_box.h"
#include "framework/messaging/exception_boundary.h"

namespace fw {

namespace {
constexpr char kComboProperty[] = "fw.ComboBox";
}

LRESULT CALLBACK ComboChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* combo = static_cast<TCustomComboBox*>(GetPropA(window, kComboProperty));
  if (combo == nullptr) return DefWindowProcA(window, msg, wParam, lParam);
  TCustomComboBox::ChildHook& hook = combo->editHook_.window == window ? combo->editHook_ : combo->listHook_;
  const WNDPROC original = hook.original;
  if (msg == WM_NCDESTROY) {
    // The child goes before (or with) the combo box: it gets its own procedure back for its last message.
    TCustomComboBox::Unhook(hook);
    return CallWindowProcA(original, window, msg, wParam, lParam);
  }
  TMessage message{msg, wParam, lParam, 0};
  try {
    combo->ComboWndProc(message, window, original);
  } catch (...) {
    HandleException(combo);
  }
  return message.Result;
}

void TCustomComboBox::Hook(ChildHook& hook, HWND window, TCustomComboBox* combo) {
  if (window == nullptr || hook.window == window) return;
  hook.window = window;
  SetPropA(window, kComboProperty, combo);
  hook.original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboChildProc)));
}

void TCustomComboBox::Unhook(ChildHook& hook) {
  if (hook.window == nullptr) return;
  if (IsWindow(hook.window)) {
    SetWindowLongPtrA(hook.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook.original));
    RemovePropA(hook.window, kComboProperty);
  }
  hook = ChildHook{};
}

void TCustomComboBox::HookChildren() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(Handle(), &info)) return;
  // A pick-only combo box has no edit child: its item handle is the combo box itself.
  if (info.hwndItem != Handle()) Hook(editHook_, info.hwndItem, this);
  Hook(listHook_, info.hwndList, this);
}

// The window outlives this part of the object when a base class destroys it: its children must not call
// back into a combo box that is gone.
TCustomComboBox::~TCustomComboBox() {
  Unhook(editHook_);
  Unhook(listHook_);
}

void TCustomComboBox::DestroyWnd() {
  Unhook(editHook_);
  Unhook(listHook_);
  TCustomListControl::DestroyWnd();
}

void TCustomComboBox::ComboWndProc(TMessage& Message, HWND ChildWindow, WNDPROC ChildProc) {
  Message.Result = CallWindowProcA(ChildProc, ChildWindow, Message.Msg, Message.WParam, Message.LParam);
}

}  // namespace fw
