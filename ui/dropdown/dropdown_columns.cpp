// The list drop-downs' columns and items.
#include "ui/dropdown/dropdown_columns.h"

namespace ui {

// ---- columns ----

TDropDownColumn::TDropDownColumn(fw::TCollection* Collection) : fw::TCollectionItem(Collection) {}

void TDropDownColumn::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TDropDownColumn*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  wordwrap_ = source->wordwrap_;
  width_ = source->width_;
  header_ = source->header_;
  alignment_ = source->alignment_;
  color_ = source->color_;
  columnType_ = source->columnType_;
  font_.Assign(&source->font_);
  ellipsis_ = source->ellipsis_;
  autoSize_ = source->autoSize_;
}

TDropDownColumns::TDropDownColumns(fw::TPersistent* AOwner)
    : fw::TCollection(fw::ItemClass<TDropDownColumn>(), AOwner) {}

// ---- items ----

TDropDownItem::TDropDownItem(fw::TCollection* Collection) : fw::TCollectionItem(Collection) {}

void TDropDownItem::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TDropDownItem*>(Source);
  if (source == nullptr) {
    fw::TCollectionItem::Assign(Source);
    return;
  }
  imageIndex_ = source->imageIndex_;
  // The texts travel with the row: a copied collection shows the same rows.
  text_.Assign(&source->text_);
}

TDropDownItems::TDropDownItems(fw::TPersistent* AOwner)
    : fw::TCollection(
          [](fw::TCollection* Items) { return static_cast<TDropDownItems*>(Items)->GetItemClass()(Items); }, AOwner) {}

}  // namespace ui
