#include "ui/grid/model/grid_item.h"

namespace ui {

TGridItem::TGridItem(fw::TCollection* Collection)
    : fw::TCollectionItem(Collection), items_(std::make_unique<fw::TStringList>()) {}

TGridItem::~TGridItem() = default;

void TGridItem::SetItems(fw::TStrings* value) { items_.reset(value); }

}  // namespace ui
