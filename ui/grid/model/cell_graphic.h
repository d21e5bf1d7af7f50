// TCellGraphic: the one graphic a cell may show beside or instead of its text (a check box, an image, a
// node, a progress bar, ...), kept in the GraphicObject of the cell's properties. TCellType names its kind
// and tells how the general-purpose fields are read:
//
//   ctBitmap       CellContent = TBitmap; CellTransparent; placed by CellHAlign/CellVAlign
//   ctIcon         CellIconContent = TIcon
//   ctNone         nothing (a new graphic)       ctEmpty   what a cell without a graphic reports
//   ctImageList    CellIndex = image of the grid's image list
//   ctCheckBox     CellBoolean = checked; CellAngle > 0 drawn grayed; CellAngle 1 with a string list in
//                  CellContent = balloon (item 0 title, item 1 text, CellIndex icon)
//   ctDataCheckBox checked when the cell text is the check-true text; balloon as ctCheckBox
//   ctRotated      CellAngle = text angle in degrees
//   ctDataImage    image = the cell's integer + CellIndex
//   ctNode         CellBoolean contracted, CellIndex span, CellAngle row added at, CellErrFrom sub-nodes
//   ctRadio        CellContent = TStrings of items; CellIndex selected (-1: the item equal to the text);
//                  CellBoolean side by side; CellVariantValue the item last chosen by toggling
//   ctImages       CellContent = TIntList of image indices; CellBoolean side by side
//   ctPicture      CellContent = TPicture; low byte of CellAngle = stretch mode; CellIndex = margin
//   ctFilePicture  CellContent = TFilePicture; otherwise as ctPicture
//   ctProgress     CellContent done colour, CellIconContent rest colour; CellBoolean: text colours
//                  CellIndex/CellAngle; CellText format; CellErrFrom/CellErrLen minimum/maximum
//   ctComment      CellText = comment; CellIndex = corner colour unless CellAngle is 0x1FFFFFFF
//   ctButton       CellIndex = size (width low 16 bits, height high); CellText caption; CellBoolean
//                  pressed; CellValue = offset in the cell (x low 16 bits, y high), written when painted
//   ctBitButton    as ctButton, CellContent = glyph TBitmap
//   ctVirtCheckBox as ctDataCheckBox; may be shared by many cells, never freed with one
//   ctRowCheckBox  the grid's shared row-selection box in column 0
//   ctProgressPie  CellContent fill colour, CellAngle percentage
//   ctRangeIndicator  CellIconContent positive colour, CellContent negative colour, CellBoolean show value,
//                  CellIndex range
//   ctXPProgress   CellErrFrom/CellErrLen minimum/maximum
//   ctInterface    CellContent = an object implementing IGridCellDraw
//   ctScrollbar    CellBoolean active, CellIndex position, CellAngle minimum, CellErrFrom maximum
//   ctRadioButton  CellBoolean checked (one per column); balloon as ctCheckBox
//   ctBalloon      CellContent = TStringList (title, text); CellIndex icon
//   ctShape        low byte of CellAngle = shape 1..18; CellContent outline colour; CellIndex fill colour
//   ctRating       CellAngle stars; CellIndex filled colour; CellContent empty colour
//   ctTriStateCheckBox  CellCheckBoxState; CellAngle > 0 drawn grayed
//   ctExpand       CellVariantValue expanded; CellAngle expanded height, CellIndex collapsed height
//
// Ownership, applied when the graphic is freed: ctBitmap, ctRadio, ctPicture, ctFilePicture and
// ctBitButton free CellContent, ctIcon frees CellIconContent, each only when CellCreated is set; ctImages
// and ctBalloon always free CellContent; the check box, data check box and radio button free their balloon
// texts (CellAngle 1); every other kind owns nothing. The graphic belongs to its cell except ctVirtCheckBox
// and ctRowCheckBox graphics, which are shared and only detached. GUI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "framework/classes/persistent.h"
#include "framework/controls/check_box.h"
#include "framework/graphics/colors.h"

namespace ui {

enum TCellType : std::uint8_t {
  ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
  ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
  ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
  ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand,
};

enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

// How a picture graphic fills its space (the low byte of CellAngle); other values act as psNone.
enum TPictureStretch : std::uint8_t { psNone, psStretch, psStretchAspect, psShrink, psShrinkAspect };

// What CellContent and CellIconContent hold: nothing, an object or a colour, told apart by a tag. The value
// is pointer-sized. Who frees the object is decided by the graphic's kind and CellCreated.
class TCellContent {
 public:
  TCellContent() = default;
  TCellContent(fw::TObject* object)  // NOLINT: an object converts as the field assignment reads
      : value_(reinterpret_cast<std::uintptr_t>(object)), kind_(object != nullptr ? kObject : kNothing) {}
  static TCellContent Color(fw::TColor color) {
    TCellContent content;
    content.value_ = static_cast<std::uintptr_t>(static_cast<std::uint32_t>(color));
    content.kind_ = kColor;
    return content;
  }

  bool IsObject() const { return kind_ == kObject; }
  bool IsColor() const { return kind_ == kColor; }
  bool Empty() const { return kind_ == kNothing; }
  // The object; nullptr when the content is a colour or nothing.
  fw::TObject* Object() const { return IsObject() ? reinterpret_cast<fw::TObject*>(value_) : nullptr; }
  template <class T>
  T* As() const {
    return dynamic_cast<T*>(Object());
  }
  // The colour; 0 (black) when the content is not a colour.
  fw::TColor AsColor() const {
    return IsColor() ? static_cast<fw::TColor>(static_cast<std::uint32_t>(value_)) : 0;
  }

  friend bool operator==(const TCellContent& a, const TCellContent& b) {
    return a.kind_ == b.kind_ && a.value_ == b.value_;
  }

 private:
  enum TKind : std::uint8_t { kNothing, kObject, kColor };
  std::uintptr_t value_ = 0;
  TKind kind_ = kNothing;
};

// The variant field: unassigned, a Boolean (ctExpand) or an integer (ctRadio's last item, ctNode's -1).
class TCellVariant {
 public:
  TCellVariant() = default;
  TCellVariant(bool value) : value_(value) {}  // NOLINT
  TCellVariant(int value) : value_(value) {}   // NOLINT
  bool Assigned() const { return !std::holds_alternative<std::monostate>(value_); }
  // Unassigned reads as false and 0; an integer as a Boolean is true unless 0.
  bool AsBoolean() const;
  int AsInteger() const;
  bool operator==(const TCellVariant& other) const { return value_ == other.value_; }

 private:
  std::variant<std::monostate, bool, int> value_;
};

class TCellGraphic : public fw::TPersistent {
 public:
  TCellGraphic() = default;
  // Frees what the kind owns (see above).
  ~TCellGraphic() override;

  // Copies the kind, alignments and the plain fields of another graphic, CellCreated included; the
  // objects, the variant and the tri-state are not copied. The source is trusted to be a TCellGraphic.
  void Assign(fw::TPersistent* Source) override;
  // The size a ctPicture or ctFilePicture graphic takes in a space of width x height; other kinds leave
  // width and height as they are.
  void GetPictureSize(int availableWidth, int availableHeight, int& width, int& height) const;
  // A graphic that many cells may share and none frees: virtual and row check boxes.
  bool Shared() const { return CellType == ctVirtCheckBox || CellType == ctRowCheckBox; }

  TCellType CellType = ctNone;
  TCellContent CellContent;
  TCellContent CellIconContent;
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellTransparent = false;
  bool CellCreated = false;
  bool CellBoolean = false;
  int CellAngle = 0;
  double CellValue = 0.0;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  std::string CellText;
  TCellVariant CellVariantValue;
  fw::TCheckBoxState CellCheckBoxState = fw::cbUnchecked;
};

}  // namespace ui
