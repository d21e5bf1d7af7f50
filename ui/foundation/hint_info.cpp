#include "ui/foundation/hint_info.h"

namespace ui {

TVxHintInfo::TVxHintInfo() : picture_(fw::Create<TGDIPPicture>()), notes_(fw::Create<fw::TStringList>()) {}

TVxHintInfo::~TVxHintInfo() {
  fw::FreeAndNil(notes_);
  fw::FreeAndNil(picture_);
}

void TVxHintInfo::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TVxHintInfo*>(Source);
  if (source == nullptr) return;
  title_ = source->title_;
  notes_->Assign(source->notes_);
  showHelp_ = source->showHelp_;
  picture_->Assign(source->picture_);
  wideTitle_ = source->wideTitle_;
  wideNotes_ = source->wideNotes_;
}

}  // namespace ui
