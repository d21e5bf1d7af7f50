// TVxImagePickerDropDown: a drop-down whose edit area shows the picture of the selected item and whose
// pop-up is an item selector of pictures (or images of the drop-down's image list) with optional captions
// and hints, laid out in Columns. The editor is disabled: the user chooses with the mouse, the arrow, page,
// Home and End keys, the wheel, or by typing the first letters of a caption (the typed letters are kept for
// 500 ms after the last one).
//
// The selection changes only through SetItemIndex, which fires OnChange and then OnSelect. While the list
// is open the keys move the list's selection (and with it ItemIndex) without closing it, the wheel moves
// only the hot item, a click or Enter on the hot item chooses and closes. A cancelled close puts back the
// index from before the opening. The selector's items are rebuilt from Items at every opening.
//
// Construction follows the drop-down base: the selector comes with the pop-up form (the base's
// construction calls CreateDropDownForm); Items, ItemAppearance, the key timer and the defaults are made in
// AfterConstruction after the inherited one, so the base's style presets leave ItemAppearance at its
// colour-style-1 defaults. GUI thread only.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/messaging/timer.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/image_picker_items.h"
#include "ui/dropdown/item_appearance.h"
#include "ui/dropdown/item_layout.h"
#include "ui/dropdown/item_selector.h"

namespace ui {

// Replaces the painting of the selected picture in the edit area R.
using TOnDrawSelectedItem = std::function<void(fw::TObject* Sender, fw::TCanvas* Canvas, fw::TRect R)>;

class TVxImagePickerDropDown : public TVxCustomDropDown {
 public:
  explicit TVxImagePickerDropDown(fw::TComponent* AOwner);
  ~TVxImagePickerDropDown() override;
  void AfterConstruction() override;

  // Handed to the selector when the list opens.
  int Columns() const { return columns_; }
  void SetColumns(int Value) { columns_ = Value; }
  TItemLayout Layout() const { return layout_; }
  void SetLayout(TItemLayout Value) { layout_ = Value; }
  // Owned; writing assigns into them.
  TImageItems* Items() const { return items_.get(); }
  void SetItems(TImageItems* Value) { items_->Assign(Value); }
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }

  // Nothing for the current index or an index at or past the item count; otherwise stores it (a negative
  // value clears the selection), repaints, fires OnChange and then OnSelect. The text stays as it is.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  // One item per image of Images, in order, with ImageIndex 0, 1, 2, ...; nothing without Images.
  void AddImagesFromList();
  // The ImageIndex of the selected item; -1 when none is selected.
  int GetSelectedImageIndex() const;
  // Selects the first item with that ImageIndex, or clears the selection when none has it.
  void SetSelectedImageIndex(int ImageIndex);
  // Steps the own selection (used while the list is closed): first, last, next and previous; next and
  // previous stop at the ends and take item 0 when nothing is selected.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  // The list in the pop-up; made with the pop-up form.
  TVxCustomItemSelector* Selector() const { return selector_; }
  // The letters typed for the type-ahead search since the key timer last ran out.
  const std::string& SearchText() const { return searchText_; }
  fw::TTimer* KeyTimer() const { return keyTimer_; }
  // The key timer's tick: stops it and forgets the typed letters.
  void KeyTimerTick();

  fw::TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;
  TDrawItemEvent OnDrawItem;

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void SizeDropDownForm() override;
  void HideDropDown(bool Cancel) override;
  void SelectNextItem() override;
  void SelectPreviousItem() override;
  void DrawFocusedText() override;
  void SetSelectionColorStyle(int Style) override;
  void ApplyStyle(int Style) override;

  void WndProc(fw::TMessage& Message) override;

 private:
  // Gives the selector the settings, the item appearance and the items, and selects ItemIndex in it
  // without reporting back.
  void PrepareSelector();
  // The selector's items differ in number from Items.
  bool SelectorStale() const;
  // With the list closed the selector is prepared first, so it steps from ItemIndex over the current items.
  void PrepareClosedSelector();
  // The selector's OnItemSelect: its selection becomes ItemIndex; a choice of the user closes the pop-up.
  void ItemChosen();
  // Writes the selector's selection while the internal-call flag is set (so the pop-up stays open).
  void SelectInList(int Index);
  // Runs Step with the internal-call flag set.
  void InternalCall(const std::function<void()>& Step);
  // The keys after the base's handling (the part of WM_KEYDOWN that needs neither Alt nor a disabled control).
  void KeyAfterBase(WORD Key, bool EnterChoseHotItem);
  // The selected picture in the edit area.
  void DrawSelectedImage();

  std::unique_ptr<TImageItems> items_;
  std::unique_ptr<TItemAppearance> itemAppearance_;
  TVxCustomItemSelector* selector_ = nullptr;
  int columns_ = 1;
  int itemIndex_ = -1;
  int oldIndex_ = -1;
  TItemLayout layout_ = ilCaptionRight;
  bool internalCall_ = false;
  std::string searchText_;
  fw::TTimer* keyTimer_ = nullptr;
};

}  // namespace ui
