#include "ui/foundation/gdip_picture_container.h"

#include "framework/rtl/textutils.h"

namespace ui {

namespace gdip {

TPictureItem::TPictureItem(fw::TCollection* Collection)
    : TCollectionItem(Collection), picture_(fw::Create<TVxGDIPPicture>()) {}

TPictureItem::~TPictureItem() { fw::FreeAndNil(picture_); }

void TPictureItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TPictureItem*>(Source);
  if (source == nullptr) fw::RaiseInvalidCast();
  name_ = source->name_;
  tag_ = source->tag_;
  picture_->Assign(source->picture_);
}

TPictureCollection::TPictureCollection(TGDIPPictureContainer* Owner)
    : TCollection(fw::ItemClass<TPictureItem>(), Owner) {}

}  // namespace gdip

TGDIPPictureContainer::TGDIPPictureContainer(fw::TComponent* AOwner)
    : TComponent(AOwner), items_(fw::Create<gdip::TPictureCollection>(this)) {}

TGDIPPictureContainer::~TGDIPPictureContainer() { fw::FreeAndNil(items_); }

TVxGDIPPicture* TGDIPPictureContainer::FindPicture(const std::string& Name) {
  const std::string wanted = fw::UpperCase(Name);
  for (int i = 0; i < items_->Count(); ++i) {
    gdip::TPictureItem* item = items_->Items(i);
    if (fw::UpperCase(item->Name()) == wanted) return item->Picture();
  }
  return nullptr;
}

}  // namespace ui
