// TCellGraphic: the one graphic a cell may show beside or instead of its text (a check box, an image, a
// node, a progress bar, ...), kept in the cell's properties and freed with them. TCellType names its kind;
// what each kind reads of the fields is given with the kinds that draw and click them. For now the grid
// makes no graphics: the fields are those the cell queries read. GUI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/persistent.h"
#include "framework/controls/check_box.h"

namespace ui {

enum TCellType : std::uint8_t {
  ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
  ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
  ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
  ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand,
};

enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };

class TCellGraphic : public fw::TPersistent {
 public:
  TCellType CellType = ctNone;
  fw::TObject* CellContent = nullptr;
  fw::TObject* CellIconContent = nullptr;
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
  fw::TCheckBoxState CellCheckBoxState = fw::cbUnchecked;
};

}  // namespace ui
