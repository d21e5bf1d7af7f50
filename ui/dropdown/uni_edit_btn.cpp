#include "ui/dropdown/uni_edit_btn.h"

#include <algorithm>

#include "framework/graphics/gdi_handles.h"
#include "framework/services/keystate.h"

namespace ui {

namespace {

constexpr int kButtonSize = 18;

int TextHeight(HDC dc, HFONT font) {
  const fw::SelectedObject selected(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return metrics.tmHeight;
}

}  // namespace

TAsgUniEditBtn::TAsgUniEditBtn(fw::TComponent* AOwner) : TCustomUNIEdit(AOwner) {
  button_ = fw::Create<TAsgEditButton>(this);
  button_->SetBounds(0, 0, kButtonSize, kButtonSize);
  button_->SetVisible(true);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnClick = [this](fw::TObject* Sender) { ButtonClick(Sender); };
  controlStyle_.Exclude(fw::csSetCaption);
}

void TAsgUniEditBtn::BeforeDestruction() {
  // The button part goes as an owned component: nothing here reaches for it any more.
  button_ = nullptr;
  TCustomUNIEdit::BeforeDestruction();
}

void TAsgUniEditBtn::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TCustomUNIEdit::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == button_) button_ = nullptr;
}

void TAsgUniEditBtn::CreateParams(fw::TCreateParams& Params) {
  TCustomUNIEdit::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | ES_MULTILINE;
  if (rightAlign_) Params.Style |= ES_RIGHT;
}

void TAsgUniEditBtn::CreateWnd() {
  TCustomUNIEdit::CreateWnd();
  UpdateEditRect();
}

void TAsgUniEditBtn::UpdateEditRect() {
  if (!HandleAllocated()) return;
  RECT rect{};
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  const fw::TRect client = ClientRect();
  const int inset = BorderStyle() != fw::bsNone ? 1 : 2;
  rect.bottom = client.Height() + 1;
  rect.right = client.Width() - (button_ != nullptr ? button_->Width() : 0) - 3;
  rect.left = inset;
  rect.top = inset;
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
}

int TAsgUniEditBtn::MinHeight() {
  const fw::WindowDC screen(nullptr);
  const int own = TextHeight(screen.Get(), Font()->Handle());
  const int system = TextHeight(screen.Get(), static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  return own + std::min(system, own) / 4;
}

void TAsgUniEditBtn::Resized() {
  const int minHeight = MinHeight();
  if (Height() < minHeight) {
    SetHeight(minHeight);  // the new size comes back here
    return;
  }
  if (button_ == nullptr) return;
  if (Ctl3D()) {
    const int d = BorderStyle() != fw::bsNone ? 5 : 1;
    button_->SetBounds(Width() - button_->Width() - d, 0, button_->Width(), Height() - d);
  } else {
    button_->SetBounds(Width() - button_->Width(), 1, button_->Width(), Height() - 3);
  }
  UpdateEditRect();
}

void TAsgUniEditBtn::ButtonClick(fw::TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TAsgUniEditBtn::KeyDown(WORD& Key, fw::TShiftState Shift) {
  fw::TWinControl::KeyDown(Key, Shift);
  if (Key == VK_F4) ButtonClick(this);
}

void TAsgUniEditBtn::KeyPress(char& Key) { fw::TWinControl::KeyPress(Key); }

void TAsgUniEditBtn::WndProc(fw::TMessage& Message) {
  // Typing is refused before any key event sees the character.
  if (Message.Msg == WM_CHAR && !editorEnabled_) return;
  TCustomUNIEdit::WndProc(Message);
}

void TAsgUniEditBtn::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TCustomUNIEdit::Dispatch(Message);
      Resized();
      return;
    case WM_CUT:
    case WM_PASTE:
      if (editorEnabled_ && !ReadOnly()) TCustomUNIEdit::Dispatch(Message);
      return;
    case fw::CM_ENTER:
      if (AutoSelect() && !fw::IsKeyDown(VK_LBUTTON)) SelectAll();
      break;
    default:
      break;
  }
  TCustomUNIEdit::Dispatch(Message);
}

void TAsgUniEditBtn::SetRightAlign(bool value) {
  if (rightAlign_ == value) return;
  rightAlign_ = value;
  RecreateWnd();
}

void TAsgUniEditBtn::SetButtonWidth(int value) {
  buttonWidth_ = value;
  if (button_ != nullptr) button_->SetWidth(value);
}

void TAsgUniEditBtn::SetIsWinXP(bool value) {
  isWinXP_ = value;
  if (button_ != nullptr) button_->Button()->SetIsWinXP(value);
}

fw::TBitmap* TAsgUniEditBtn::Glyph() { return button_ != nullptr ? button_->Glyph() : nullptr; }

void TAsgUniEditBtn::SetGlyph(fw::TBitmap* value) {
  if (button_ != nullptr) button_->SetGlyph(value);
}

std::string TAsgUniEditBtn::ButtonCaption() const { return button_ != nullptr ? button_->ButtonCaption() : std::string(); }

void TAsgUniEditBtn::SetButtonCaption(const std::string& value) {
  if (button_ != nullptr) button_->SetButtonCaption(value);
}

}  // namespace ui
