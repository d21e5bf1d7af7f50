#include "ui/dropdown/wide_control_text.h"

#include "ui/dropdown/wide_text.h"

namespace ui {

namespace {

bool HasUnicodeWindow(fw::TWinControl* Control) {
  return Control->HandleAllocated() && IsWindowUnicode(Control->Handle()) != FALSE;
}

}  // namespace

TWideCaptionHolder* WideCaptionHolderOf(fw::TComponent* Control, std::wstring_view DefaultCaption) {
  for (int i = 0; i < Control->ComponentCount(); ++i) {
    if (auto* holder = dynamic_cast<TWideCaptionHolder*>(Control->Components(i))) return holder;
  }
  auto* holder = fw::Create<TWideCaptionHolder>(Control);
  holder->SetCaption(DefaultCaption);
  return holder;
}

std::wstring ReadWideControlText(fw::TWinControl* Control) {
  if (HasUnicodeWindow(Control)) {
    const HWND window = Control->Handle();
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
  }
  return WideCaptionHolderOf(Control, WidenText(Control->Text()))->Caption();
}

void WriteWideControlText(fw::TWinControl* Control, std::wstring_view Text) {
  if (HasUnicodeWindow(Control)) {
    if (Text == ReadWideControlText(Control)) return;
    const std::wstring text(Text);
    SetWindowTextW(Control->Handle(), text.c_str());
    Control->Perform(fw::CM_TEXTCHANGED);
    return;
  }
  // The holder first: whoever hears of the change reads the wide text back.
  TWideCaptionHolder* holder = WideCaptionHolderOf(Control);
  const bool wideChanged = holder->Caption() != Text;
  holder->SetCaption(Text);
  const std::string narrow = NarrowText(Text);
  if (Control->Text() != narrow) {
    Control->SetText(narrow);
  } else if (wideChanged) {
    // Two wide texts may narrow alike: the change is still one.
    Control->Perform(fw::CM_TEXTCHANGED);
  }
}

}  // namespace ui
