// TVxStringGrid: what kind of object a cell shows, and the readers of comments, markers, balloons, shapes
// and images; radio groups and radio buttons.
#include "framework/classes/strings.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

constexpr fw::TColor kNoShapeValue = 0x1FFFFFFF;

const fw::Set<TCellType> kCheckBoxKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox,
                                        ctTriStateCheckBox};
const fw::Set<TCellType> kControlKinds =
    kCheckBoxKinds + fw::Set<TCellType>{ctRadio, ctButton, ctRadioButton};

}  // namespace

// ---- Kind tests ----------------------------------------------------------------------------------------

bool TVxStringGrid::IsCellOfKinds(int col, int row, fw::Set<TCellType> kinds) {
  if (col < 0 || row < 0) return false;
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  return graphic != nullptr && kinds.Contains(graphic->CellType);
}

bool TVxStringGrid::IsRadio(int col, int row) { return IsCellOfKinds(col, row, {ctRadio}); }
bool TVxStringGrid::IsExpand(int col, int row) { return IsCellOfKinds(col, row, {ctExpand}); }
bool TVxStringGrid::IsRating(int col, int row) { return IsCellOfKinds(col, row, {ctRating}); }
bool TVxStringGrid::IsScrollBarCell(int col, int row) { return IsCellOfKinds(col, row, {ctScrollbar}); }
bool TVxStringGrid::IsButton(int col, int row) { return IsCellOfKinds(col, row, {ctButton, ctBitButton}); }
bool TVxStringGrid::HasCheckBox(int col, int row) { return IsCellOfKinds(col, row, kCheckBoxKinds); }

bool TVxStringGrid::IsRadioButton(int col, int row) {
  if (col < 0 || row < 0) return false;
  const fw::TPoint base = BaseCellOf(col, row);
  return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool TVxStringGrid::IsControlCell(int col, int row) {
  if (col < 0 || row < 0) return false;
  const fw::TPoint base = BaseCellOf(col, row);
  return kControlKinds.Contains(GetCellType(base.X, base.Y));
}

bool TVxStringGrid::IsScrollBarActive(int col, int row) {
  if (!IsScrollBarCell(col, row)) return false;
  const fw::TPoint base = BaseCellOf(col, row);
  return GetCellGraphic(base.X, base.Y)->CellBoolean;
}

// ---- Readers -------------------------------------------------------------------------------------------

bool TVxStringGrid::CellHasComment(int col, int row, std::string& comment) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr || graphic->CellType != ctComment) return false;
  comment = graphic->CellText;
  return true;
}

bool TVxStringGrid::CellIsRotated(int col, int row, int& angle) {
  if (GetCellType(col, row) != ctRotated) return false;
  angle = GetCellGraphic(col, row)->CellAngle;
  return true;
}

void TVxStringGrid::GetCellMarker(int col, int row, int& position, int& length) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  position = graphic != nullptr ? graphic->CellErrFrom : 0;
  length = graphic != nullptr ? graphic->CellErrLen : 0;
}

bool TVxStringGrid::GetBalloonInfo(int col, int row, std::string& title, std::string& text, int& icon) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr) return false;
  const bool balloonOnBox = (graphic->CellType == ctCheckBox || graphic->CellType == ctDataCheckBox ||
                             graphic->CellType == ctRadioButton) &&
                            graphic->CellAngle == 1;
  if (graphic->CellType != ctBalloon && !balloonOnBox) return false;
  const auto* lines = graphic->CellContent.As<fw::TStrings>();
  title = lines != nullptr && lines->Count() > 0 ? lines->Strings(0) : std::string();
  text = lines != nullptr && lines->Count() > 1 ? lines->Strings(1) : std::string();
  icon = graphic->CellIndex & 0xFF;
  return true;
}

fw::TColor TVxStringGrid::GetShapeValue(int col, int row) {
  if (GetCellType(col, row) != ctShape) return kNoShapeValue;
  return GetCellGraphic(col, row)->CellIndex;
}

void TVxStringGrid::SetShapeValue(int col, int row, fw::TColor value) {
  if (GetCellType(col, row) == ctShape) GetCellGraphic(col, row)->CellIndex = value;
}

TIntList* TVxStringGrid::GetCellImageIndexes(int col, int row) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  return graphic != nullptr && graphic->CellType == ctImages ? graphic->CellContent.As<TIntList>() : nullptr;
}

std::intptr_t TVxStringGrid::GetCellImageKey(int col, int row) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr) return -1;
  switch (graphic->CellType) {
    case ctImageList: return graphic->CellIndex;
    case ctBitmap: return reinterpret_cast<std::intptr_t>(graphic->CellContent.Object());
    case ctIcon: return reinterpret_cast<std::intptr_t>(graphic->CellIconContent.Object());
    default: return -1;
  }
}

fw::TCustomImageList* TVxStringGrid::GetCellImageList(int, int) { return GridImages(); }

// ---- Radio groups and radio buttons ----------------------------------------------------------------------

bool TVxStringGrid::GetRadioIndex(int col, int row, int& index) {
  const TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr) return false;
  index = graphic->CellIndex;
  return graphic->CellType == ctRadio;
}

bool TVxStringGrid::SetRadioIndex(int col, int row, int index) {
  TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr || graphic->CellType != ctRadio) return false;
  graphic->CellIndex = index;
  if (index == -1) SetCellEx(col, row, "");
  RepaintCell(RealToDisplCol(col), row);
  return true;
}

fw::TStrings* TVxStringGrid::GetRadioItems(int col, int row) {
  if (col < 0 || row < 0) return nullptr;
  const fw::TPoint base = BaseCellOf(col, row);
  const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  return graphic != nullptr && graphic->CellType == ctRadio ? graphic->CellContent.As<fw::TStrings>() : nullptr;
}

void TVxStringGrid::ToggleRadio(int col, int row, bool checkEditing) {
  TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr || graphic->CellType != ctRadio) return;
  if (checkEditing && !ControlLook()->RadioAlwaysActive()) {
    bool canEdit = true;
    CanEditCellEx(col, row, canEdit);
    if (!canEdit) return;
  }
  const fw::TStrings* items = graphic->CellContent.As<fw::TStrings>();
  const int count = items != nullptr ? items->Count() : 0;
  if (count == 0) return;  // nothing to select
  int next = graphic->CellIndex < 0 ? items->IndexOf(GetCellEx(col, row)) + 1 : graphic->CellIndex + 1;
  if (next >= count) next = 0;
  if (graphic->CellIndex >= -1) graphic->CellIndex = next;
  graphic->CellVariantValue = next;
  SetCellEx(col, row, items->Strings(next));
}

bool TVxStringGrid::SetRadioButtonState(int col, int row, bool checked) {
  if (col < 0 || row < 0) return false;
  const fw::TPoint base = BaseCellOf(col, row);
  TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
  if (graphic == nullptr || graphic->CellType != ctRadioButton) return false;
  if (graphic->CellBoolean != checked) {
    graphic->CellBoolean = checked;
    RepaintCell(RealToDisplCol(base.X), base.Y);
  }
  return true;
}

void TVxStringGrid::SetRadioButtonColumn(int col, int row) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(col, r, r == row);
}

bool TVxStringGrid::ToggleRadioButton(int col, int row, bool checkEditing) {
  TCellGraphic* graphic = GetCellGraphic(col, row);
  if (graphic == nullptr || graphic->CellType != ctRadioButton) return false;
  if (checkEditing && !ControlLook()->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCellEx(col, row, canEdit);
    if (!canEdit) return false;
  }
  if (!graphic->CellBoolean) {
    graphic->CellBoolean = true;
    RepaintCell(RealToDisplCol(col), row);
    for (int r = 0; r < RowCount(); ++r) {
      if (r == row) continue;
      TCellGraphic* other = GetCellGraphic(col, r);
      if (other != nullptr && other->CellType == ctRadioButton && other->CellBoolean) {
        other->CellBoolean = false;
        RepaintCell(RealToDisplCol(col), r);
      }
    }
  }
  return true;
}

}  // namespace ui
