#include "ui/grid/settings/bands.h"

namespace ui {

void TBands::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TBands*>(Source);
  if (source == nullptr) return;
  print_ = source->print_;
  active_ = source->active_;
  secondaryLength_ = source->secondaryLength_;
  primaryLength_ = source->primaryLength_;
  bandPeriod_ = primaryLength_ + secondaryLength_;
  secondaryColor_ = source->secondaryColor_;
  primaryColor_ = source->primaryColor_;
}

void TBands::SetActive(bool Value) {
  if (active_ == Value) return;
  active_ = Value;
  Changed();
}

void TBands::ChangeLength(int& field, int value) {
  if (field == value) return;
  field = value;
  bandPeriod_ = primaryLength_ + secondaryLength_;
  if (active_) Changed();
}

void TBands::ChangeColor(fw::TColor& field, fw::TColor value) {
  if (field == value) return;
  field = value;
  if (active_) Changed();
}

bool TBands::BandColorAt(int Offset, fw::TColor& Color) const {
  if (bandPeriod_ <= 0) return false;
  Color = Offset % bandPeriod_ < primaryLength_ ? primaryColor_ : secondaryColor_;
  return true;
}

}  // namespace ui
