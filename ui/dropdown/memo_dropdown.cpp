// The memo drop-down: the lines and the edit text that stands for them, the memo in the pop-up, and the
// keys the open memo keeps.
#include "ui/dropdown/memo_dropdown.h"

#include <windows.h>

#include <string>
#include <utility>

#include "framework/graphics/canvas_scope.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/services/keystate.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {

namespace {

constexpr int kMemoHeight = 100;
constexpr char kMoreLines[] = "...";

bool EscOrF4(WORD Key) { return Key == VK_ESCAPE || Key == VK_F4; }

}  // namespace

TVxMemoDropDown::TVxMemoDropDown(fw::TComponent* AOwner)
    : TVxCustomDropDown(AOwner), memoText_(std::make_unique<fw::TStringList>()) {
  memoText_->OnChange = [this](fw::TObject*) { MemoTextChanged(); };
}

TVxMemoDropDown::~TVxMemoDropDown() { memoText_->OnChange = nullptr; }

void TVxMemoDropDown::SetMemoReadOnly(bool Value) {
  memoReadOnly_ = Value;
  if (DroppedDown() && memo_ != nullptr) memo_->SetReadOnly(Value);
}

// ---- the pop-up ----

void TVxMemoDropDown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  if (DropDownForm() == nullptr) return;
  if (memo_ == nullptr) {
    memo_ = fw::Create<fw::TMemo>(this);
    memo_->SetParent(DropDownForm());
    memo_->SetBounds(memo_->Left(), memo_->Top(), memo_->Width(), kMemoHeight);
    memo_->SetBorderStyle(fw::bsNone);
    memo_->OnChange = [this](fw::TObject*) {
      if (OnMemoChange) OnMemoChange(this);
    };
  }
  SetControl(memo_);
}

void TVxMemoDropDown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeactivate(false);
  if (memo_ == nullptr) return;
  memo_->Lines()->SetText(memoText_->Text());
  memo_->SetPopupMenu(memoPopup_);
  memo_->SetMaxLength(MaxLength());
  memo_->SetScrollBars(memoScrollBars_);
  memo_->SetReadOnly(memoReadOnly_);
}

void TVxMemoDropDown::HideDropDown(bool Cancel) {
  // The focus coming back while the pop-up closes must not open it again.
  const bool autoDrop = std::exchange(autoDrop_, false);
  try {
    const bool open = DropDownForm() != nullptr && DropDownForm()->Visible();
    if (Cancel && memo_ != nullptr && open) memo_->Lines()->SetText(memoText_->Text());
    TVxCustomDropDown::HideDropDown(Cancel);
    // The base puts back a text it remembers only from its own writes, which this control does not use:
    // the edit shows the kept lines again instead.
    if (Cancel && open) MemoTextChanged();
  } catch (...) {
    autoDrop_ = autoDrop;
    throw;
  }
  autoDrop_ = autoDrop;
}

void TVxMemoDropDown::AfterDropUp() {
  TVxCustomDropDown::AfterDropUp();
  if (memo_ != nullptr) memoText_->SetText(memo_->Lines()->Text());
}

// ---- the edit text ----

std::string TVxMemoDropDown::ShownText() {
  if (memoText_->Count() == 0 || !HandleAllocated()) return {};
  const std::string first = memoText_->Strings(0);
  fw::WindowDC dc(Handle());
  if (dc.Get() == nullptr) return first;
  fw::TCanvas canvas;
  const fw::CanvasDCScope lend(&canvas, dc.Get());
  canvas.Font()->Assign(Font());
  SIZE size{};
  dropdown::GetTextSize(&canvas, first, size);
  const fw::TRect r = GetEditRect();
  const int width = r.Right - r.Left;
  if (size.cx < width) return memoText_->Count() > 1 ? first + kMoreLines : first;
  std::string fitted;
  dropdown::FitText(&canvas, first, width, fitted, true);
  return fitted;
}

void TVxMemoDropDown::MemoTextChanged() {
  const std::string shown = ShownText();
  const bool previous = std::exchange(internalUpdate_, true);
  try {
    SetTextDirect(shown);
  } catch (...) {
    internalUpdate_ = previous;
    throw;
  }
  internalUpdate_ = previous;
}

void TVxMemoDropDown::Change() {
  if (!internalUpdate_) {
    // The typed line replaces the lines; the edit keeps what was typed.
    fw::TNotifyEvent handler = std::exchange(memoText_->OnChange, nullptr);
    try {
      memoText_->Clear();
      memoText_->Add(Text());
    } catch (...) {
      memoText_->OnChange = std::move(handler);
      throw;
    }
    memoText_->OnChange = std::move(handler);
  }
  TVxCustomDropDown::Change();
}

void TVxMemoDropDown::DoEnter() {
  TVxCustomDropDown::DoEnter();
  if (autoDrop_) ShowDropDown();
}

// ---- keys in the open memo ----
// Esc, F4 and the Alt combinations go to the edit (which closes the pop-up); every other key, Enter
// included, stays with the memo.

void TVxMemoDropDown::DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift) {
  if (Shift.Contains(fw::ssAlt) || EscOrF4(Key)) TVxCustomDropDown::DropDownControlKeyDown(Key, Shift);
  if ((Key == 0x41 || Key == 0x61) && Shift.Contains(fw::ssCtrl) && memo_ != nullptr) memo_->SelectAll();
}

void TVxMemoDropDown::DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift) {
  if (Shift.Contains(fw::ssAlt) || EscOrF4(Key)) TVxCustomDropDown::DropDownControlKeyUp(Key, Shift);
}

void TVxMemoDropDown::DropDownControlKeyPress(char& Key) {
  if (Key == VK_ESCAPE || fw::IsKeyDown(VK_MENU)) TVxCustomDropDown::DropDownControlKeyPress(Key);
}

}  // namespace ui
