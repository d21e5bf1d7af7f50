// The column and row description of the list drop-downs (the multi-column drop-down and the grid
// drop-down) and of their list grids: a collection of columns (TDropDownColumns of TDropDownColumn: width,
// colour, font, alignment, header text, wrapping, image or text) and a collection of rows (TDropDownItems of
// TDropDownItem: one text line per column and an image index).
//
// Each column owns its font and each item its text list for its whole life; Font and Text writes copy into
// them. A collection reports the control that made it through GetOwner. Assigning one collection to another
// clears the target and copies every item by its Assign. GUI thread only.
#pragma once

#include <string>

#include "framework/classes/collection.h"
#include "framework/classes/stringlist.h"
#include "framework/controls/std_types.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "ui/controls/column_combo_box.h"

namespace ui {

class TDropDownColumn : public fw::TCollectionItem {
 public:
  explicit TDropDownColumn(fw::TCollection* Collection);
  // Copies another column (the font's settings into this column's own font); any other source raises the
  // framework's assignment error.
  void Assign(fw::TPersistent* Source) override;

  // The cell texts wrap at the column width; the list grid then computes its row heights.
  bool Wordwrap() const { return wordwrap_; }
  void SetWordwrap(bool Value) { wordwrap_ = Value; }
  // Pixels; the list's automatic sizing writes the measured width back here.
  int Width() const { return width_; }
  void SetWidth(int Value) { width_ = Value; }
  // The list fits the column to its longest cell text when it is filled.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value) { autoSize_ = Value; }
  const std::string& Header() const { return header_; }
  void SetHeader(const std::string& Value) { header_ = Value; }
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment Value) { alignment_ = Value; }
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor Value) { color_ = Value; }
  // ctImage: each row's image is drawn at the left of the cell, before its text.
  TColumnType ColumnType() const { return columnType_; }
  void SetColumnType(TColumnType Value) { columnType_ = Value; }
  fw::TFont* Font() { return &font_; }
  // Copies the settings; the column keeps its own font object.
  void SetFont(fw::TFont* Value) { font_.Assign(Value); }
  // A text that does not fit ends in an ellipsis.
  bool Ellipsis() const { return ellipsis_; }
  void SetEllipsis(bool Value) { ellipsis_ = Value; }

 private:
  bool wordwrap_ = false;
  int width_ = 80;
  bool autoSize_ = false;
  std::string header_;
  fw::TAlignment alignment_ = fw::taLeftJustify;
  fw::TColor color_ = fw::clWhite;
  TColumnType columnType_ = ctText;
  fw::TFont font_;
  bool ellipsis_ = false;
};

class TDropDownColumns : public fw::TCollection {
 public:
  // Owner: the control that made the collection (a drop-down or a list grid).
  explicit TDropDownColumns(fw::TPersistent* AOwner);
  // Appends a column with the defaults.
  TDropDownColumn* Add() { return static_cast<TDropDownColumn*>(fw::TCollection::Add()); }
  TDropDownColumn* Items(int Index) const { return static_cast<TDropDownColumn*>(fw::TCollection::Items(Index)); }
};

class TDropDownItem : public fw::TCollectionItem {
 public:
  explicit TDropDownItem(fw::TCollection* Collection);
  // Copies another item's image index and texts; any other source raises the framework's assignment error.
  void Assign(fw::TPersistent* Source) override;

  // In the drop-down's image list, drawn in the ctImage columns; -1: none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  // Line i is the text of column i; a row may have fewer lines than there are columns.
  fw::TStringList* Text() { return &text_; }
  // Copies the lines into the item's own list.
  void SetText(fw::TStrings* Value) { text_.Assign(Value); }
  // Whether the row has line Index (a column's text); Line reads it, empty when it has not.
  bool HasLine(int Index) const { return Index >= 0 && Index < text_.Count(); }
  std::string Line(int Index) const { return HasLine(Index) ? text_.Strings(Index) : std::string(); }

 private:
  int imageIndex_ = -1;
  fw::TStringList text_;
};

class TDropDownItems : public fw::TCollection {
 public:
  // Owner: the control that made the collection. The items are made by the class GetItemClass returns,
  // asked at every Add, so a descendant can substitute another item class.
  explicit TDropDownItems(fw::TPersistent* AOwner);
  TDropDownItem* Add() { return static_cast<TDropDownItem*>(fw::TCollection::Add()); }
  TDropDownItem* Items(int Index) const { return static_cast<TDropDownItem*>(fw::TCollection::Items(Index)); }

  virtual fw::TCollectionItemFactory GetItemClass() const { return fw::ItemClass<TDropDownItem>(); }
};

}  // namespace ui
