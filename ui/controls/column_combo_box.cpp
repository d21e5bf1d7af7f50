#include "ui/controls/column_combo_box.h"

#include "framework/graphics/canvas.h"

namespace ui {

TComboItem::TComboItem(fw::TCollection* Collection) : fw::TCollectionItem(Collection) {}

TComboItems::TComboItems() : fw::TCollection(fw::ItemClass<TComboItem>()) {}

TColumnComboBox::TColumnComboBox(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 145, 22);
}

int TColumnComboBox::ItemIndex() const { return itemIndex_ < items_.Count() ? itemIndex_ : -1; }

void TColumnComboBox::SetItemIndex(int value) {
  itemIndex_ = value >= 0 && value < items_.Count() ? value : -1;
  Invalidate();
}

void TColumnComboBox::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(fw::clWindow);
  canvas->Rectangle(ClientRect());
  const int index = ItemIndex();
  if (index < 0) return;
  fw::TStringList* strings = items_.Items(index)->Strings();
  if (strings->Count() > 0) canvas->TextOut(4, 3, strings->Strings(0));
}

}  // namespace ui
