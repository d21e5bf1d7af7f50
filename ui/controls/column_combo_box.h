// TColumnComboBox: a drop-down list whose rows have several columns (text or image, each with its own
// width, alignment, colour and font). Rows live in ComboItems (TComboItem.Strings: the texts of the text
// columns; the first is the row's text); the list shows one display record per row ("#", the image index,
// then "|" and each column's text). The control draws every row, can show one column in its edit part,
// finds rows by typing in LookupColumn, sorts on SortColumn, builds a hint of the selected row and can
// carry a caption label. Columns are read from the rows themselves, so a text holding "|" stays in its
// own column. ItemIndex set from code fires no event while the list is closed. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/classes/collection.h"
#include "framework/classes/stringlist.h"
#include "framework/controls/label.h"
#include "ui/controls/attached_label.h"
#include "ui/controls/vx_custom_combo.h"

namespace fw {
class TCustomImageList;
}

namespace ui {

class TColumnComboBox;

enum TColumnType { ctText, ctImage };

class TComboColumnItem : public fw::TCollectionItem {
 public:
  explicit TComboColumnItem(fw::TCollection* Collection);
  void Assign(fw::TPersistent* Source) override;
  std::string DisplayName() const override { return "Column" + std::to_string(Index()); }

  int Width() const { return width_; }
  void SetWidth(int value);
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value);
  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* value);
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor value);
  TColumnType ColumnType() const { return columnType_; }
  void SetColumnType(TColumnType value);

 private:
  void Repaint();

  int width_ = 100;
  fw::TAlignment alignment_ = fw::taLeftJustify;
  fw::TFont font_;
  fw::TColor color_ = fw::clWindow;
  TColumnType columnType_ = ctText;
};

class TComboItem : public fw::TCollectionItem {
 public:
  explicit TComboItem(fw::TCollection* Collection);
  void Assign(fw::TPersistent* Source) override;
  std::string DisplayName() const override { return "Item" + std::to_string(Index()); }

  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  fw::TStringList* Strings() { return &strings_; }
  void SetStrings(fw::TStrings* value);
  int Tag() const { return tag_; }
  void SetTag(int value) { tag_ = value; }

 private:
  TColumnComboBox* Combo() const;

  int imageIndex_ = -1;
  fw::TStringList strings_;
  int tag_ = 0;
};

class TComboColumnCollection : public fw::TCollection {
 public:
  explicit TComboColumnCollection(TColumnComboBox* Combo);
  TComboColumnItem* Add() { return static_cast<TComboColumnItem*>(fw::TCollection::Add()); }
  TComboColumnItem* Items(int index) const { return static_cast<TComboColumnItem*>(fw::TCollection::Items(index)); }
  TColumnComboBox* Combo() const { return combo_; }

 private:
  TColumnComboBox* combo_;
};

class TComboItemCollection : public fw::TCollection {
 public:
  explicit TComboItemCollection(TColumnComboBox* Combo);
  TComboItem* Add() { return static_cast<TComboItem*>(fw::TCollection::Add()); }
  TComboItem* Items(int index) const { return static_cast<TComboItem*>(fw::TCollection::Items(index)); }
  TComboItem* GetItem(int index) const { return Items(index); }
  TColumnComboBox* Combo() const { return combo_; }

 protected:
  void Update(fw::TCollectionItem* Item) override;

 private:
  TColumnComboBox* combo_;
};

using TComboItems = TComboItemCollection;

class TColumnComboBox : public TVxCustomCombo {
 public:
  explicit TColumnComboBox(fw::TComponent* AOwner);
  ~TColumnComboBox() override;

  TComboColumnCollection* Columns() { return &columns_; }
  TComboItemCollection* ComboItems() { return &comboItems_; }
  int ItemIndex() { return GetItemIndex(); }
  int GetItemIndex();
  // Selects a row (-1 clears); fires nothing while the list is closed.
  void SetItemIndex(int value) override;

  int EditColumn() const { return editColumn_; }
  void SetEditColumn(int value);
  int EditHeight();
  void SetEditHeight(int value);
  int DropWidth() const { return dropWidth_; }
  void SetDropWidth(int value);
  int DropHeight() const { return dropHeight_; }
  void SetDropHeight(int value) { dropHeight_ = value; }
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* value);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool value);
  bool LookupIncr() const { return lookupIncr_; }
  void SetLookupIncr(bool value) { lookupIncr_ = value; }
  int LookupColumn() const { return lookupColumn_; }
  void SetLookupColumn(int value) { lookupColumn_ = value; }
  const std::string& LookupText() const { return lookup_; }
  bool ShowLookup() const { return showLookup_; }
  void SetShowLookup(bool value) { showLookup_ = value; }
  bool ShowItemHint() const { return showItemHint_; }
  void SetShowItemHint(bool value) { showItemHint_ = value; }
  int SortColumn() const { return sortColumn_; }
  void SetSortColumn(int value) { sortColumn_ = value; }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);

  std::string LabelCaption() const { return label_ ? label_->Caption() : std::string(); }
  void SetLabelCaption(const std::string& value);
  TLabelPosition LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(TLabelPosition value);
  int LabelMargin() const { return labelMargin_; }
  void SetLabelMargin(int value);
  bool LabelTransparent() const { return labelTransparent_; }
  void SetLabelTransparent(bool value);
  bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
  void SetLabelAlwaysEnabled(bool value);
  fw::TFont* LabelFont() { return &labelFont_; }
  void SetLabelFont(fw::TFont* value);
  bool FocusLabel() const { return focusLabel_; }
  void SetFocusLabel(bool value) { focusLabel_ = value; }
  fw::TLabel* Label() const { return label_; }
  fw::TNotifyEvent OnLabelClick;
  fw::TNotifyEvent OnLabelDblClick;

  std::uint32_t GetVersionNr() const override { return MakeVersionNr(1, 4, 0, 2); }

  // The text of a 0-based column of a row; "Item index out of range" for a row index past the rows.
  std::string GetColumnText(int Index, int Column);
  // The fields of a row: 0 is the image index as text, k the text of the k-th text column.
  std::string RowField(int Index, int Field);
  // The hint of the selected row (" " before each text column's text), or the control's hint.
  std::string ItemHint();
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  void SortItems();
  void BuildItems();
  void SetParent(fw::TWinControl* value) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

 protected:
  friend class TComboItem;
  friend class TComboColumnItem;
  friend class TComboItemCollection;
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void CreateWnd() override;
  void DrawItem(int Index, const fw::TRect& Rect, fw::TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void Change() override {}  // the control fires OnChange itself
  void Dispatch(fw::TMessage& Message) override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;

 private:
  std::string DisplayRecord(int Index);
  void RowStringsChanged();
  void Lookup(char Character);
  void UpdateLabel();
  bool LabelFollowsFont() const { return labelFollowsFont_; }

  fw::TCustomImageList* images_ = nullptr;
  int dropHeight_ = 200;
  TComboColumnCollection columns_;
  TComboItemCollection comboItems_;
  bool gridLines_ = false;
  int editColumn_ = -1;
  int rememberedSelection_ = 0;
  int editRow_ = 0;
  int updateCount_ = 0;
  std::string lookup_;
  int lookupColumn_ = 0;
  bool lookupIncr_ = false;
  int sortColumn_ = 0;
  bool sorted_ = false;
  bool ownDropDown_ = false;
  bool showItemHint_ = false;
  int dropWidth_ = 0;
  bool settingIndex_ = false;
  bool showLookup_ = false;
  int syntheticKeys_ = 0;
  bool indexStored_ = false;  // ItemIndex given while loading, applied once the rows exist
  int storedIndex_ = -1;
  fw::TLabel* label_ = nullptr;
  fw::TFont labelFont_;
  TLabelPosition labelPosition_ = lpLeftTop;
  int labelMargin_ = 4;
  bool labelTransparent_ = false;
  bool focusLabel_ = false;
  bool labelAlwaysEnabled_ = false;
  bool labelFollowsFont_ = false;
};

}  // namespace ui
