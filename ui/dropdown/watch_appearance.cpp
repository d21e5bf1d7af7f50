#include "ui/dropdown/watch_appearance.h"

namespace ui {

namespace {

std::unique_ptr<fw::TFont> MakeFont(int size) {
  auto font = std::make_unique<fw::TFont>();
  font->SetName("Tahoma");
  font->SetSize(size);
  return font;
}

}  // namespace

TWatchAppearance::TWatchAppearance()
    : picture_(std::make_unique<fw::TPicture>()), hourFont_(MakeFont(8)), ampmFont_(MakeFont(10)) {
  picture_->OnChange = [this](fw::TObject*) { Changed(); };
}

TWatchAppearance::~TWatchAppearance() { picture_->OnChange = nullptr; }

void TWatchAppearance::Changed() {
  if (OnChange) OnChange(this);
}

void TWatchAppearance::SetHourFont(fw::TFont* value) {
  hourFont_->Assign(value);
  Changed();
}

void TWatchAppearance::SetAMPMFont(fw::TFont* value) {
  ampmFont_->Assign(value);
  Changed();
}

void TWatchAppearance::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TWatchAppearance*>(Source);
  if (other == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  CopyPlainValues(*other);
  hourFont_->Assign(other->hourFont_.get());
  ampmFont_->Assign(other->ampmFont_.get());
  // The picture's copy notifies; these three notify when they change.
  picture_->Assign(other->picture_.get());
  SetCenterPointOuterBorderColor(other->centerPointOuterBorderColor_);
  SetTickMarks(other->tickMarks_);
  SetHourMarkStyle(other->hourMarkStyle_);
}

void TWatchAppearance::CopyPlainValues(const TWatchAppearance& other) {
  size_ = other.size_;
  shape_ = other.shape_;
  backgroundColor_ = other.backgroundColor_;
  backgroundColorTo_ = other.backgroundColorTo_;
  backgroundGradient_ = other.backgroundGradient_;
  borderColor_ = other.borderColor_;
  borderWidth_ = other.borderWidth_;
  hourColor_ = other.hourColor_;
  hourMarkLength_ = other.hourMarkLength_;
  hourMarkWidth_ = other.hourMarkWidth_;
  minuteColor_ = other.minuteColor_;
  minuteMarkLength_ = other.minuteMarkLength_;
  minuteMarkWidth_ = other.minuteMarkWidth_;
  ampmColor_ = other.ampmColor_;
  ampmBorderColor_ = other.ampmBorderColor_;
  ampmFrame_ = other.ampmFrame_;
  pointerStyle_ = other.pointerStyle_;
  hourPointer_ = other.hourPointer_;
  hourPointerShadow_ = other.hourPointerShadow_;
  hourPointerSize_ = other.hourPointerSize_;
  minutePointer_ = other.minutePointer_;
  minutePointerShadow_ = other.minutePointerShadow_;
  minutePointerSize_ = other.minutePointerSize_;
  secondPointer_ = other.secondPointer_;
  secondPointerSize_ = other.secondPointerSize_;
  centerPointSize_ = other.centerPointSize_;
  centerPointColor_ = other.centerPointColor_;
  centerPointBorderColor_ = other.centerPointBorderColor_;
}

void TWatchAppearance::SetDefaults() {
  TWatchAppearance fresh;
  CopyPlainValues(fresh);
  centerPointOuterBorderColor_ = fresh.centerPointOuterBorderColor_;
  tickMarks_ = fresh.tickMarks_;
  hourMarkStyle_ = fresh.hourMarkStyle_;
  hourFont_->Assign(fresh.hourFont_.get());
  ampmFont_->Assign(fresh.ampmFont_.get());
  picture_->OnChange = nullptr;
  picture_->Assign(nullptr);
  picture_->OnChange = [this](fw::TObject*) { Changed(); };
}

void TWatchSettings::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TWatchSettings*>(Source);
  if (other == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  second_ = other->second_;
  timeOffset_ = other->timeOffset_;
  SetAuto(other->auto_);
}

}  // namespace ui
