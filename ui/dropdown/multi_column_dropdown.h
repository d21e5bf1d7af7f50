// TVxMultiColumnDropDown: a drop-down edit whose pop-up shows a table, a header row with one cell per
// column and one row per item, described by Columns and Items and drawn by the control's own list grid
// (TMultiColumnGrid). The value is a row, ItemIndex, shown in the edit as the row's text in LookupColumn.
//
// A row is reached by typing in three ways: auto-completion of the edit text against the lookup texts
// (ignoring case), incremental search while the list has the focus (CaseSensitive), and Enter, which takes
// the row whose lookup text equals the edit text. While the list is open ItemIndex follows its current row,
// except for wheel steps; closing with Esc gives back the row of the opening, any other closing keeps the
// row last moved to with a key or a click.
//
// The lookup list (every item's LookupColumn text, in item order) follows the items only through EndUpdate
// and Loaded: whoever fills Items calls BeginUpdate and EndUpdate around it. The list grid is refilled from
// Columns and Items at each opening, so changes show at the next one.
//
// Construction follows the drop-down base: the header font, the collections and the lookup list are made in
// the constructor (the base's style calls reach the header font), the list grid with the pop-up window, the
// defaults in AfterConstruction after the base's. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/classes/stringlist.h"
#include "framework/graphics/font.h"
#include "ui/dropdown/dropdown_columns.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/multi_column_grid.h"

namespace ui {

class TVxMultiColumnDropDown : public TVxCustomDropDown {
 public:
  explicit TVxMultiColumnDropDown(fw::TComponent* AOwner);
  ~TVxMultiColumnDropDown() override;
  void AfterConstruction() override;

  // Copies another multi-column drop-down's list settings, columns, items and ItemIndex (the text stays).
  void Assign(fw::TPersistent* Source) override;

  // ---- the value ----
  int ItemIndex() const { return itemIndex_; }
  // A value not below the number of items is ignored; otherwise the text becomes the row's lookup text
  // (empty for -1, without a lookup column or without that line). The list's current row stays.
  void SetItemIndex(int Value);
  // The first item whose lookup text equals S exactly; -1 when none.
  int IndexOfLookup(const std::string& S) const;
  // EndUpdate rebuilds the lookup list; BeginUpdate does nothing.
  void BeginUpdate() {}
  void EndUpdate() { RebuildLookup(); }
  // The lookup text of every item, in item order.
  const fw::TStringList* LookupList() const { return &lookup_; }
  // The list in the pop-up; made with the pop-up window.
  TMultiColumnGrid* ListGrid() const { return grid_; }

  // ---- published ----
  TDropDownItems* Items() const { return items_.get(); }
  void SetItems(TDropDownItems* Value) { items_->Assign(Value); }
  TDropDownColumns* Columns() const { return columns_.get(); }
  void SetColumns(TDropDownColumns* Value) { columns_->Assign(Value); }
  // Negative: none.
  int LookupColumn() const { return lookupColumn_; }
  void SetLookupColumn(int Value) { lookupColumn_ = Value; }
  bool ColumnSizing() const { return columnSizing_; }
  void SetColumnSizing(bool Value) { columnSizing_ = Value; }
  fw::TColor HeaderColor() const { return headerColor_; }
  void SetHeaderColor(fw::TColor Value) { headerColor_ = Value; }
  // clNone: the header is a plain fill in HeaderColor.
  fw::TColor HeaderColorTo() const { return headerColorTo_; }
  void SetHeaderColorTo(fw::TColor Value) { headerColorTo_ = Value; }
  fw::TColor LineColor() const { return lineColor_; }
  void SetLineColor(fw::TColor Value) { lineColor_ = Value; }
  fw::TColor FixedLineColor() const { return fixedLineColor_; }
  void SetFixedLineColor(fw::TColor Value) { fixedLineColor_ = Value; }
  int HeaderHeight() const { return headerHeight_; }
  void SetHeaderHeight(int Value) { headerHeight_ = Value; }
  fw::TFont* HeaderFont() const { return headerFont_.get(); }
  // Copies the settings.
  void SetHeaderFont(fw::TFont* Value) { headerFont_->Assign(Value); }
  // The pop-up takes the width of the table.
  bool DropDownAutoWidth() const { return dropDownAutoWidth_; }
  void SetDropDownAutoWidth(bool Value) { dropDownAutoWidth_ = Value; }
  // The column widths are scaled to the pop-up's width (the columns' Width values stay).
  bool ColumnSizeWithDropDown() const { return columnSizeWithDropDown_; }
  void SetColumnSizeWithDropDown(bool Value) { columnSizeWithDropDown_ = Value; }
  fw::TColor SelectionTextColor() const { return selectionTextColor_; }
  void SetSelectionTextColor(fw::TColor Value) { selectionTextColor_ = Value; }
  int DropDownRowHeight() const { return dropDownRowHeight_; }
  void SetDropDownRowHeight(int Value) { dropDownRowHeight_ = Value; }
  // The incremental search in the open list compares case; auto-completion never does.
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool Value) { caseSensitive_ = Value; }
  // The characters typed while the list has the focus.
  const std::string& LookupEntry() const { return lookupEntry_; }

  // After a row was picked in the list.
  fw::TNotifyEvent OnSelect;
  // When assigned, draws every cell of the list in place of the control.
  TDrawCellEvent OnDropDownDrawItem;
  // Stored; not fired.
  TGetCellPropEvent OnDropDownGetItemProp;
  // May change each cell's text before it is drawn.
  TGetCellTextEvent OnDropDownGetItemText;

  // ---- the drop-down protocol ----
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void ShowDropDown() override;
  void PlaceDropDownControl() override;
  void SizeDropDownForm() override;
  void HideDropDown(bool Cancel) override;
  void DropDownControlKeyDown(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyUp(WORD& Key, fw::TShiftState Shift) override;
  void DropDownControlKeyPress(char& Key) override;
  void DropDownFormSizing() override;
  void SelectNextItem() override;
  void SelectPreviousItem() override;
  void SetSelectionColorStyle(int Style) override;
  void ApplyStyle(int Style) override;
  void WndProc(fw::TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyUp(WORD& Key, fw::TShiftState Shift) override;
  void Change() override;

 private:
  bool Designing() const { return ComponentState().Contains(fw::csDesigning); }
  bool HasLookup() const { return lookupColumn_ >= 0 && items_->Count() > 0; }
  void RebuildLookup();
  // The row's text in the lookup column; empty when it has none.
  std::string LookupText(int Index) const;
  // The first item whose lookup text starts with Prefix (compared in upper case unless KeepCase); -1.
  int FindPrefix(const std::string& Prefix, bool KeepCase) const;
  // Selects from the end of the text back to Caret (the caret stands at Caret).
  void SelectBackTo(int Caret);
  // Writes the text without the auto-completion that a text change otherwise runs.
  void WriteOwnText(const std::string& Value);

  // ---- the list (multi_column_list.cpp) ----
  void FillList();
  void AutoSizeColumns();
  void WordWrapHeights();
  void ScaleColumns();
  // The grid's OnSelectCell and OnSelect.
  void RowSelected(int Row);
  void RowPicked();
  // The page, first and last moves of the edit's keys.
  void SelectPageDown();
  void SelectPageUp();
  void SelectFirst();
  void SelectLast();

  // ---- typing in the open list (multi_column_typing.cpp) ----
  void ListBackspace();
  // The search for the lookup entry, then for the typed character alone; the found item or -1.
  int SearchList(char Key);
  void ShowFoundRow(int Index);

  bool showing_ = false;
  bool columnSizing_ = false;
  int lookupColumn_ = 0;
  fw::TColor headerColorTo_ = 0x808080;
  fw::TColor headerColor_ = fw::clWhite;
  fw::TColor lineColor_ = 0xF1EDEB;
  std::unique_ptr<TDropDownItems> items_;
  std::unique_ptr<TDropDownColumns> columns_;
  int itemIndex_ = -1;
  int headerHeight_ = 25;
  std::unique_ptr<fw::TFont> headerFont_;
  TMultiColumnGrid* grid_ = nullptr;
  fw::TColor fixedLineColor_ = 0xD1BBA4;
  bool autoComplete_ = true;
  fw::TStringList lookup_;
  bool completionPending_ = false;
  int completionItem_ = -1;
  int typedLength_ = 0;
  // Set while the control writes its own completion: that text change completes nothing.
  bool writingOwnText_ = false;
  int oldItemIndex_ = -1;
  bool dropDownAutoWidth_ = true;
  bool columnSizeWithDropDown_ = true;
  fw::TColor selectionTextColor_ = 0;
  int dropDownRowHeight_ = 22;
  std::string lookupEntry_;
  bool caseSensitive_ = false;
};

}  // namespace ui
