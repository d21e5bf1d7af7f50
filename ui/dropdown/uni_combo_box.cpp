#include "ui/dropdown/uni_combo_box.h"

#include "framework/messaging/exception_boundary.h"
#include "ui/dropdown/wide_control_text.h"
#include "ui/dropdown/wide_window.h"
#include "ui/dropdown/wide_window_trap.h"

namespace ui {

namespace {

bool IsTextMessage(UINT msg) { return msg == WM_SETTEXT || msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH; }

constexpr WPARAM kEnter = 13;
constexpr WPARAM kEscape = 27;
constexpr char kBackspace = 8;

}  // namespace

TCustomUNIComboBox::TCustomUNIComboBox(fw::TComponent* AOwner)
    : fw::TCustomComboBox(AOwner), items_(std::make_unique<TComboBoxStrings>()) {
  items_->SetComboBox(this);
  Font()->SetCharset(OEM_CHARSET);
}

TCustomUNIComboBox::~TCustomUNIComboBox() = default;

std::wstring TCustomUNIComboBox::Text() { return ReadWideControlText(this); }

void TCustomUNIComboBox::SetText(std::wstring_view value) { WriteWideControlText(this, value); }

void TCustomUNIComboBox::SetSorted(bool value) {
  if (sorted_ == value) return;
  sorted_ = value;
  RecreateWnd();
}

void TCustomUNIComboBox::SetItemIndex(int value) {
  // The items are the window's: the framework's own (empty) list has no say.
  if (!HandleAllocated()) {
    savedIndex_ = value;
    return;
  }
  SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomUNIComboBox::CreateParams(fw::TCreateParams& Params) {
  fw::TCustomComboBox::CreateParams(Params);
  if (sorted_) Params.Style |= CBS_SORT;
}

void TCustomUNIComboBox::CreateWindowHandle(const fw::TCreateParams& Params) {
  CreateWideWindow(this, Params, L"COMBOBOX");
}

void TCustomUNIComboBox::SwitchChildToUnicode(HWND Child) {
  // The framework put its child procedure in front as an 8-bit one: the same procedure, set as a
  // Unicode one, keeps the child a Unicode window.
  if (Child != nullptr) SetWindowLongPtrW(Child, GWLP_WNDPROC, GetWindowLongPtrA(Child, GWLP_WNDPROC));
}

void TCustomUNIComboBox::CreateWnd() {
  fw::TCustomComboBox::CreateWnd();
  SwitchChildToUnicode(ListHandle());
  SwitchChildToUnicode(EditHandle());
  // The items of the window before this one, then the selection and the text as they were.
  const std::vector<SavedItem> saved = std::move(savedItems_);
  savedItems_.clear();
  for (const SavedItem& item : saved) {
    const int index = items_->Add(item.text);
    SendMessageW(Handle(), CB_SETITEMDATA, static_cast<WPARAM>(index), item.data);
  }
  if (savedIndex_ >= 0) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(savedIndex_), 0);
  savedIndex_ = -1;
  // The framework's creation wrote its 8-bit text into the window; the wide one is the holder's.
  if (Style() == fw::csDropDown || Style() == fw::csSimple) WriteWideControlText(this, WideCaptionHolderOf(this)->Caption());
}

void TCustomUNIComboBox::DestroyWnd() {
  if (HandleAllocated()) {
    savedItems_.clear();
    for (int i = 0; i < items_->GetCount(); ++i) {
      savedItems_.push_back({items_->Get(i), SendMessageW(Handle(), CB_GETITEMDATA, static_cast<WPARAM>(i), 0)});
    }
    savedIndex_ = ItemIndex();
  }
  fw::TCustomComboBox::DestroyWnd();
}

void TCustomUNIComboBox::EditCharHook(fw::TMessage&) {}

void TCustomUNIComboBox::KeyPress(char& Key) {
  if (Key == kBackspace) {
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  fw::TCustomComboBox::KeyPress(Key);
}

void TCustomUNIComboBox::ComboWndProc(fw::TMessage& Message, HWND ChildWindow, WNDPROC ChildProc) {
  if (!IsWindowUnicode(ChildWindow)) {
    if (Message.Msg == WM_CHAR) EditCharHook(Message);
    fw::TCustomComboBox::ComboWndProc(Message, ChildWindow, ChildProc);
    return;
  }
  ChildProc = WideChildProc(ChildWindow, ChildProc);
  try {
    if (IsTextMessage(Message.Msg)) {
      Message.Result = CallWindowProcW(ChildProc, ChildWindow, Message.Msg, Message.WParam, Message.LParam);
    } else if (Message.Msg == WM_CHAR) {
      ChildChar(Message, ChildWindow, ChildProc);
    } else if (!DeliverImeResultString(ChildWindow, Message)) {
      // The framework's handling passes the message on as 8-bit; a Unicode child's messages carry wide
      // text (the list's LB_ADDSTRING, LB_FINDSTRINGEXACT...), so they go on as they came.
      Message.Result = CallWindowProcW(ChildProc, ChildWindow, Message.Msg, Message.WParam, Message.LParam);
    }
  } catch (...) {
    fw::HandleException(this);
  }
}

WNDPROC TCustomUNIComboBox::WideChildProc(HWND ChildWindow, WNDPROC ChildProc) {
  // The framework keeps the child's own procedure as its 8-bit entry (a system class may have a separate
  // one for each width); a Unicode child's messages go to its Unicode entry.
  if (reinterpret_cast<LONG_PTR>(ChildProc) == static_cast<LONG_PTR>(GetClassLongPtrA(ChildWindow, GCLP_WNDPROC))) {
    return reinterpret_cast<WNDPROC>(GetClassLongPtrW(ChildWindow, GCLP_WNDPROC));
  }
  return ChildProc;
}

void TCustomUNIComboBox::ChildChar(fw::TMessage& Message, HWND ChildWindow, WNDPROC ChildProc) {
  StashWideCharCode(Message);
  EditCharHook(Message);
  char key = static_cast<char>(Message.WParam);
  KeyPress(key);
  if (key == 0) return;
  Message.WParam = (Message.WParam & ~static_cast<WPARAM>(0xFFFF)) | static_cast<unsigned char>(key);
  RestoreWideCharCode(Message);
  if ((Message.WParam == kEnter || Message.WParam == kEscape) && DroppedDown()) {
    SetDroppedDown(false);
    return;
  }
  Message.Result = CallWindowProcW(ChildProc, ChildWindow, WM_CHAR, Message.WParam, Message.LParam);
}

void TCustomUNIComboBox::Dispatch(fw::TMessage& Message) {
  if (Message.Msg == fw::CN_COMMAND && HIWORD(Message.WParam) == CBN_SELCHANGE) {
    const int index = ItemIndex();
    if (index >= 0) SetText(items_->Get(index));
    Click();
    Change();
    return;
  }
  fw::TCustomComboBox::Dispatch(Message);
}

}  // namespace ui
