// The track-bar drop-down: its values, the track bar in the pop-up, the keys and dragging over the edit.
#include "ui/dropdown/trackbar_dropdown.h"

#include <windows.h>

#include <string>
#include <utility>

#include "framework/controls/control_types.h"
#include "framework/rtl/intconv.h"
#include "framework/services/keystate.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {

namespace {

constexpr int kTrackBarHeight = 40;

}  // namespace

void TVxTrackBarDropDown::AfterConstruction() {
  TVxCustomDropDown::AfterConstruction();
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetEditType(etInteger);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetForcedShadow(true);
}

// ---- values ----

void TVxTrackBarDropDown::SetPosition(int Value) {
  position_ = Value;
  if (trackBar_ == nullptr) return;
  trackBar_->SetPosition(Value);
  position_ = trackBar_->Position();
}

void TVxTrackBarDropDown::SetMin(int Value) {
  min_ = Value;
  if (trackBar_ == nullptr) return;
  trackBar_->SetMin(Value);
  min_ = trackBar_->Min();
}

void TVxTrackBarDropDown::SetMax(int Value) {
  max_ = Value;
  if (trackBar_ == nullptr) return;
  trackBar_->SetMax(Value);
  max_ = trackBar_->Max();
}

void TVxTrackBarDropDown::SetFrequency(int Value) {
  frequency_ = Value;
  if (trackBar_ != nullptr) trackBar_->SetFrequency(Value);
}

void TVxTrackBarDropDown::SetPageSize(int Value) {
  pageSize_ = Value;
  if (trackBar_ != nullptr) trackBar_->SetPageSize(Value);
}

// ---- the pop-up ----

void TVxTrackBarDropDown::CreateDropDownForm() {
  TVxCustomDropDown::CreateDropDownForm();
  if (trackBar_ != nullptr) trackBar_->OnChange = [this](fw::TObject*) { TrackBarChange(); };
}

void TVxTrackBarDropDown::CreateTrackBar() {
  if (trackBar_ != nullptr || DropDownForm() == nullptr) return;
  trackBar_ = fw::Create<fw::TTrackBar>(this);
  trackBar_->SetParent(DropDownForm());
  trackBar_->SetBounds(0, 0, trackBar_->Width(), kTrackBarHeight);
  trackBar_->OnChange = [this](fw::TObject*) { TrackBarChange(); };
}

void TVxTrackBarDropDown::CopyRange() {
  // The track bar refuses a minimum above its maximum: a range wholly above the current one takes its
  // maximum first, any other its minimum first.
  if (min_ > trackBar_->Max()) {
    trackBar_->SetMax(max_);
    trackBar_->SetMin(min_);
  } else {
    trackBar_->SetMin(min_);
    trackBar_->SetMax(max_);
  }
}

void TVxTrackBarDropDown::BeforeDropDown() {
  TVxCustomDropDown::BeforeDropDown();
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeactivate(false);
  CreateTrackBar();
  if (trackBar_ == nullptr) return;
  // The range is copied without reporting: a position the old range clamps on the way is not the value.
  const int position = position_;
  fw::TNotifyEvent changed = std::exchange(trackBar_->OnChange, nullptr);
  CopyRange();
  trackBar_->OnChange = std::move(changed);
  trackBar_->SetPosition(position);
  position_ = trackBar_->Position();
  trackBar_->SetPageSize(pageSize_);
  trackBar_->SetFrequency(frequency_);
  // Placed first: the pop-up then takes its size from the track bar, as wide as the control.
  SetControl(trackBar_);
  trackBar_->SetAlign(fw::alNone);
  trackBar_->SetBounds(trackBar_->Left(), trackBar_->Top(), Width(), kTrackBarHeight);
}

void TVxTrackBarDropDown::TrackBarChange() {
  position_ = trackBar_->Position();
  SetTextDirect(std::to_string(position_));
  if (OnTrackChange) OnTrackChange(this);
}

// ---- the number without the pop-up ----

void TVxTrackBarDropDown::WndProc(fw::TMessage& Message) {
  TVxCustomDropDown::WndProc(Message);
  if (Message.Msg != WM_KEYDOWN || EditorEnabled() || fw::IsKeyDown(VK_MENU)) return;
  switch (static_cast<WORD>(Message.WParam)) {
    case VK_UP:
      if (static_cast<long long>(position_) - frequency_ >= min_) SetPosition(position_ - frequency_);
      break;
    case VK_DOWN:
      if (static_cast<long long>(position_) + frequency_ <= max_) SetPosition(position_ + frequency_);
      break;
    default:
      break;
  }
}

void TVxTrackBarDropDown::Change() {
  TVxCustomDropDown::Change();
  std::int32_t value = 0;
  if (fw::TryStrToInt(Text(), value)) SetPosition(value);
}

void TVxTrackBarDropDown::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TVxCustomDropDown::MouseDown(Button, Shift, X, Y);
  if (!DragAllowed()) return;
  lastX_ = X;
  dragging_ = true;
}

void TVxTrackBarDropDown::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TVxCustomDropDown::MouseMove(Shift, X, Y);
  // Without a page size there is no step to drag by.
  if (!dragging_ || !DragAllowed() || pageSize_ == 0) return;
  const int steps = (X - lastX_) / pageSize_;
  lastX_ = X;
  SetPosition(position_ + steps);
}

void TVxTrackBarDropDown::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TVxCustomDropDown::MouseUp(Button, Shift, X, Y);
  dragging_ = false;
}

}  // namespace ui
