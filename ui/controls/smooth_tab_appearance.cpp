#include "ui/controls/smooth_tab_appearance.h"

#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_status.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

// ---- settings ----

void TVxSmoothTabSettings::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothTabSettings*>(Source);
  if (other == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  SetLeftMargin(other->leftMargin_);
  SetRightMargin(other->rightMargin_);
  SetHeight(other->height_);
  SetStartMargin(other->startMargin_);
  SetEndMargin(other->endMargin_);
  SetSpacing(other->spacing_);
  SetWidth(other->width_);
}

// ---- status ----

TVxSmoothTabStatus::TVxSmoothTabStatus(TVxSmoothTabAppearance* Owner)
    : owner_(Owner), appearance_(std::make_unique<TGDIPStatus>()) {
  appearance_->OnChange = [this](fw::TObject*) { Changed(); };
}

TVxSmoothTabStatus::~TVxSmoothTabStatus() = default;

void TVxSmoothTabStatus::Changed() {
  if (owner_ != nullptr) owner_->Changed();
}

void TVxSmoothTabStatus::SetAppearance(TGDIPStatus* value) { appearance_->Assign(value); }

void TVxSmoothTabStatus::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothTabStatus*>(Source);
  if (other == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  appearance_->Assign(other->appearance_.get());
  SetCaption(other->caption_);
  SetOffsetTop(other->offsetTop_);
  SetOffsetLeft(other->offsetLeft_);
  SetVisible(other->visible_);
}

// ---- tab appearance ----

TVxSmoothTabAppearance::TVxSmoothTabAppearance()
    : picture_(std::make_unique<TVxGDIPPicture>()),
      appearance_(std::make_unique<TGDIPButton>()),
      status_(std::make_unique<TVxSmoothTabStatus>(this)) {
  picture_->OnChange = [this](fw::TObject*) { Changed(); };
  appearance_->OnChange = [this](fw::TObject*) { Changed(); };
}

TVxSmoothTabAppearance::~TVxSmoothTabAppearance() = default;

void TVxSmoothTabAppearance::Changed() {
  if (OnChange) OnChange(this);
}

void TVxSmoothTabAppearance::SetPicture(TVxGDIPPicture* value) {
  if (value == picture_.get()) return;
  picture_->Assign(value);
  Changed();
}

void TVxSmoothTabAppearance::SetAppearance(TGDIPButton* value) {
  if (value == appearance_.get()) return;
  appearance_->Assign(value);
  Changed();
}

void TVxSmoothTabAppearance::SetStatus(TVxSmoothTabStatus* value) {
  if (value == status_.get()) return;
  status_->Assign(value);
  Changed();
}

void TVxSmoothTabAppearance::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothTabAppearance*>(Source);
  if (other == nullptr || other == this) return;
  const fw::TNotifyEvent notify = OnChange;
  OnChange = nullptr;  // one notification for the whole copy
  appearance_->Assign(other->appearance_.get());
  status_->Assign(other->status_.get());
  bevel_ = other->bevel_;
  bevelColor_ = other->bevelColor_;
  color_ = other->color_;
  picture_->Assign(other->picture_.get());
  shadow_ = other->shadow_;
  verticalSpacing_ = other->verticalSpacing_;
  horizontalSpacing_ = other->horizontalSpacing_;
  colorSelected_ = other->colorSelected_;
  colorDown_ = other->colorDown_;
  colorDisabled_ = other->colorDisabled_;
  colorHot_ = other->colorHot_;
  bevelColorSelected_ = other->bevelColorSelected_;
  bevelColorDown_ = other->bevelColorDown_;
  bevelColorDisabled_ = other->bevelColorDisabled_;
  bevelColorHot_ = other->bevelColorHot_;
  colorTextHot_ = other->colorTextHot_;
  colorTextDisabled_ = other->colorTextDisabled_;
  colorTextSelected_ = other->colorTextSelected_;
  OnChange = notify;
  Changed();
}

}  // namespace ui
