// TVxDetailDropDown: an edit with a drop-down list of detail items, one per row: a picture or list image,
// the caption and a line of HTML-subset notes, painted by the drop-down itself (or by OnDrawSelectedImage)
// over the faces the item selector paints.
//
// Choosing a row with the mouse puts its caption into the edit and closes the list; the keys and the
// wheel move the row in the open list without closing it, and letters typed there search the captions
// (the typed letters are kept for 500 ms after the last one). While the user types into the edit, the text
// is completed to the first caption that begins with it (letter case aside), the completed tail selected
// so that typing on replaces it; Backspace, Esc and Delete stop completing until another key. Enter on a
// caption typed exactly selects that item. A cancelled close restores the item selected before opening.
//
// Construction follows the drop-down base: the selector comes with the pop-up form; Items, the appearance,
// the fonts, the key timer and the defaults are made in AfterConstruction after the inherited one. The
// selector's items are rebuilt from Items at every opening. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/font.h"
#include "framework/messaging/timer.h"
#include "ui/dropdown/detail_items.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/image_picker_dropdown.h"
#include "ui/dropdown/item_appearance.h"
#include "ui/dropdown/item_layout.h"
#include "ui/dropdown/item_selector.h"

namespace ui {

class TVxDetailDropDown : public TVxCustomDropDown {
 public:
  explicit TVxDetailDropDown(fw::TComponent* AOwner) : TVxCustomDropDown(AOwner) {}
  ~TVxDetailDropDown() override;
  void AfterConstruction() override;

  // Owned; writing assigns into them.
  TDetailItems* Items() const { return items_.get(); }
  void SetItems(TDetailItems* Value) { items_->Assign(Value); }
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }
  fw::TFont* CaptionFont() const { return captionFont_.get(); }
  void SetCaptionFont(fw::TFont* Value) { captionFont_->Assign(Value); }
  fw::TFont* NotesFont() const { return notesFont_.get(); }
  void SetNotesFont(fw::TFont* Value) { notesFont_->Assign(Value); }
  // The height of every row.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int Value) { itemHeight_ = Value; }
  // Handed to the selector when the list opens.
  TItemLayout Layout() const { return layout_; }
  void SetLayout(TItemLayout Value) { layout_ = Value; }

  // An index within the items other than the current one: the text becomes its caption, selected whole,
  // and OnSelect fires. -1 (when something is selected) clears the text without an event. Anything else
  // is ignored.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  // Step the own selection (used while the list is closed): next and previous stop at the ends and take
  // item 0 when nothing is selected.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  // The list in the pop-up; made with the pop-up form.
  TVxCustomItemSelector* Selector() const { return selector_; }
  const std::string& SearchText() const { return searchText_; }
  fw::TTimer* KeyTimer() const { return keyTimer_; }
  // The key timer's tick: stops it and forgets the typed letters.
  void KeyTimerTick();
  bool AutoCompletion() const { return autoCompletion_; }

  fw::TNotifyEvent OnSelect;
  // Replaces the painting of every list row (the selector's face stays).
  TOnDrawSelectedItem OnDrawSelectedImage;

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void ShowDropDown() override;
  void SizeDropDownForm() override;
  void HideDropDown(bool Cancel) override;
  void DropDownFormSizing() override;
  void SelectNextItem() override;
  void SelectPreviousItem() override;
  void SetSelectionColorStyle(int Style) override;
  void ApplyStyle(int Style) override;

  void WndProc(fw::TMessage& Message) override;

 protected:
  // Completes the typed text to the first matching caption.
  void Change() override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyUp(WORD& Key, fw::TShiftState Shift) override;

 private:
  // Gives the selector the settings, the appearance and the items, and selects ItemIndex in it without
  // reporting back.
  void PrepareSelector();
  // The selector's OnItemSelect: its selection becomes ItemIndex; a choice of the user closes the list.
  void ItemChosen();
  // Writes the selector's selection with the internal-call flag set and scrolls the row into view.
  void SelectInList(int Index);
  // The keys of WM_KEYDOWN before the base sees them; true when the key is consumed.
  bool ListKey(WORD Key);
  void RowSize(SIZE& Size);
  void DrawRow(fw::TCanvas* Canvas, fw::TRect R, int Index);
  // The caption or notes font with the hot and selected text colours of row Index.
  void SetRowFont(fw::TCanvas* Canvas, fw::TFont* Font, int Index);
  void CompleteText();

  std::unique_ptr<TDetailItems> items_;
  std::unique_ptr<TItemAppearance> itemAppearance_;
  std::unique_ptr<fw::TFont> captionFont_;
  std::unique_ptr<fw::TFont> notesFont_;
  TVxCustomItemSelector* selector_ = nullptr;
  int itemIndex_ = -1;
  int oldIndex_ = -1;
  int itemHeight_ = 22;
  TItemLayout layout_ = ilCaptionRight;
  bool internalCall_ = false;
  std::string searchText_;
  fw::TTimer* keyTimer_ = nullptr;
  bool autoCompletion_ = true;
  // The completion of the last Change, confirmed at the key's release.
  bool pendingCompletion_ = false;
  int completedIndex_ = -1;
  int completedPrefix_ = 0;
  // Set while the control writes the completed text (its own change completes nothing).
  bool completing_ = false;
};

}  // namespace ui
