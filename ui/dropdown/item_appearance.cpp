#include "ui/dropdown/item_appearance.h"

namespace ui {

namespace {

using FaceColors = TItemAppearance::FaceColors;

// The face colours of selection colour styles 1, 2 and 3.
constexpr FaceColors kPresets[3] = {
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB,
     0x68E3F9},
    {0xFDF8F1, 0xFCEFD5, fw::clNone, fw::clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4,
     fw::clNone, fw::clNone},
    {0xFCEBDC, 0xFCDBC1, fw::clNone, fw::clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2,
     fw::clNone, fw::clNone},
};

}  // namespace

TItemAppearance::TItemAppearance(fw::TPersistent* Owner) : owner_(Owner), font_(std::make_unique<fw::TFont>()) {
  font_->SetName("Tahoma");
  SetSelectionColorStyle(1);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetSelectionColorStyle(int Value) {
  if (Value == selectionColorStyle_) return;
  selectionColorStyle_ = Value;
  if (Value < 1 || Value > 3) return;
  face_ = kPresets[Value - 1];
}

void TItemAppearance::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TItemAppearance*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  face_ = source->face_;
  font_->Assign(source->font_.get());
  SetSelectionColorStyle(source->selectionColorStyle_);
  colorSelectedText_ = source->colorSelectedText_;
  colorHotText_ = source->colorHotText_;
  borderColorHot_ = source->borderColorHot_;
  borderColorSelected_ = source->borderColorSelected_;
}

}  // namespace ui
