// Stand-ins of the types the grid's cell drawing reads that the sibling work declares (the look presets,
// the fixed-cell hover setting, the platform flags, cell graphics and border sides). Deleted when those
// land.
#pragma once

#include <cstdint>

#include "framework/classes/persistent.h"
#include "framework/rtl/set.h"

namespace ui {

enum TGridLook : std::uint8_t {
  glStandard, glSoft, glClassic, glNRV, glXP, glListView, glVista, glWin7, glOffice2007, glCustom
};
enum THoverFixedCells : std::uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };

struct TGridPlatformFlags {
  bool WinXP = false;
  bool Win7 = false;
  bool ComCtl6 = false;
  bool Vista = false;
};

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
  TCellVAlign CellVAlign = vaTop;
  TCellHAlign CellHAlign = haLeft;
  int CellIndex = 0;
  bool CellBoolean = false;
  int CellAngle = 0;
};

enum TCellBorder : std::uint8_t { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = fw::Set<TCellBorder>;

}  // namespace ui
