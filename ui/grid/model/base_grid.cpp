// TBaseGrid: the cell store (properties in the object slots), the cell text and the settings. Merged cells
// and geometry are in base_grid_merge.cpp, selection and keys in base_grid_input.cpp, painting in
// base_grid_paint.cpp.
#include "ui/grid/model/base_grid.h"

#include <memory>
#include <unordered_set>

#include "ui/foundation/text_utils.h"
#include "ui/grid/model/cell_graphic.h"

namespace ui {

namespace {

// Frees the properties in a cell's slot (and their graphic when asked and it is a cell graphic) and
// empties the slot. A slot that repeats an object already freed is only emptied.
void FreeSlot(TBaseGrid* grid, int col, int row, std::unordered_set<fw::TObject*>& freed, bool withGraphic) {
  fw::TObject* object = grid->GetRawCellObject(col, row);
  if (object == nullptr) return;
  if (freed.count(object) == 0) {
    auto* props = dynamic_cast<TCellProperties*>(object);
    if (props == nullptr) return;  // not ours
    freed.insert(object);
    fw::TObject* graphic = props->GraphicObject;
    // A shared graphic (a virtual or row check box) is only let go: its owner frees it.
    const auto* cellGraphic = dynamic_cast<TCellGraphic*>(graphic);
    if (withGraphic && cellGraphic != nullptr && graphic->ClassName() == "TCellGraphic" && !cellGraphic->Shared()) {
      graphic->Free();
    }
    props->Free();
  }
  grid->SetRawCellObject(col, row, nullptr);
}

}  // namespace

TBaseGrid::TBaseGrid(fw::TComponent* AOwner) : TObjStringGrid(AOwner) {
  SetGridLineWidth(1);
  SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
  Destroying();
  FreeEveryCellProps();
}

// ---- Cell store -----------------------------------------------------------------------------------------

TCellProperties* TBaseGrid::PropsAt(int col, int row) {
  if (col < 0 || row < 0 || col >= GetColCountEx() || row >= RowCount()) return nullptr;
  return dynamic_cast<TCellProperties*>(Objects(col, row));
}

bool TBaseGrid::HasCellProperties(int col, int row) { return PropsAt(col, row) != nullptr; }

TCellProperties* TBaseGrid::GetCellProperties(int col, int row) {
  fw::TObject* object = Objects(col, row);
  if (object == nullptr) return NewCellProperties(col, row);
  auto* props = dynamic_cast<TCellProperties*>(object);
  if (props == nullptr) throw EVxGridError("The cell holds an object that is not a cell property object");
  return props;
}

TCellProperties* TBaseGrid::NewCellProperties(int col, int row) {
  auto owned = std::make_unique<TCellProperties>(this, col, row);
  TCellProperties* props = owned.get();
  SetObjects(col, row, props);  // in the slot first: a derived grid's defaults may ask for the cell again
  owned.release();
  cellPropsUsed_ = true;

  TCellVisuals v;

  v.wordWrap = wordWrap_;
  fw::TBrush brush;
  fw::TFont font;
  GetCellDefaults(col, row, v.gradientDirection, v.wordWrap, v.vAlign, v.hAlign, v.colorMirrorTo, v.colorMirror,
                  v.colorTo, &brush, &font);
  props->CalcType = 0;
  props->Alignment = v.hAlign;
  props->vAlignment_ = v.vAlign;
  props->wordWrap_ = v.wordWrap;
  props->FontName = font.Name();
  props->FontSize = font.Size();
  props->FontStyle = font.Style();
  props->FontColor = font.Color();
  props->brushColor_ = brush.Color();
  props->brushColorTo_ = v.colorTo;
  props->GradientDirection = v.gradientDirection;
  return props;
}

void TBaseGrid::ReplaceCellProperties(int col, int row, TCellProperties* props) {
  fw::TObject* old = Objects(col, row);
  if (old == props) return;
  SetObjects(col, row, props);
  if (props != nullptr) cellPropsUsed_ = true;
  if (auto* oldProps = dynamic_cast<TCellProperties*>(old)) oldProps->Free();
}

fw::TObject* TBaseGrid::GetCellUserObject(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props != nullptr ? props->CellObject : nullptr;
}

template <class Write>
void TBaseGrid::WithNonEmptyText(int col, int row, Write write) {
  const bool empty = GetCellEx(col, row).empty();
  if (empty) SetCellEx(col, row, " ");
  write();
  if (empty) SetCellEx(col, row, "");
}

void TBaseGrid::SetCellUserObject(int col, int row, fw::TObject* object) {
  WithNonEmptyText(col, row, [&] { GetCellProperties(col, row)->CellObject = object; });
}

fw::TObject* TBaseGrid::GetCellGraphicObject(int col, int row) { return PropsGraphicObject(PropsAt(col, row)); }

void TBaseGrid::SetCellGraphicObject(int col, int row, fw::TObject* graphic) {
  if (ComponentState().Contains(fw::csDestroying)) return;
  WithNonEmptyText(col, row, [&] { GetCellProperties(col, row)->GraphicObject = graphic; });
}

void TBaseGrid::DetachCellObject(int col, int row) {
  SetCellEx(col, row, "");
  SetObjects(col, row, nullptr);
}

void TBaseGrid::DetachRowObjects(int row) {
  for (int col = 0; col < ColCount(); ++col) {
    SetObjects(col, row, nullptr);
    SetCellEx(col, row, "");
  }
}

void TBaseGrid::DetachColumnObjects(int col) {
  for (int row = 0; row < RowCount(); ++row) {
    SetObjects(col, row, nullptr);
    SetCellEx(col, row, "");
  }
}

void TBaseGrid::FreeCellPropsInRect(int left, int top, int right, int bottom) {
  if (!cellPropsUsed_) return;
  std::unordered_set<fw::TObject*> freed;
  for (int row = top; row <= bottom; ++row) {
    for (int col = left; col <= right; ++col) FreeSlot(this, col, row, freed, true);
  }
}

void TBaseGrid::FreeCellProps(int col, int row) {
  std::unordered_set<fw::TObject*> freed;
  FreeSlot(this, col, row, freed, false);
}

void TBaseGrid::FreeEveryCellProps() {
  std::unordered_set<fw::TObject*> freed;
  for (const fw::TGridCoord& cell : ObjectCells()) FreeSlot(this, cell.X, cell.Y, freed, true);
}

// ---- Cell text ------------------------------------------------------------------------------------------

std::string TBaseGrid::GetCellEx(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  std::string text = GetRawCellText(base.X, base.Y);
  if (base.Y < dataRowCount_) {
    GetDisplText(base.X, base.Y, text);
    if (OnGetDisplWideText) {
      std::wstring wide;
      DecodeUnicodeText(text, wide);
      GetDisplWideText(base.X, base.Y, wide);
      EncodeUnicodeText(wide, text);
    }
  }
  return text;
}

void TBaseGrid::SetCellEx(int col, int row, const std::string& text) {
  if (HasCellProperties(col, row)) {
    const fw::TPoint base = BaseCellOf(col, row);
    SetRawCellText(base.X, base.Y, text);
    if (Parent() != nullptr) InvalidateCellArea(col, row);
  } else {
    SetRawCellText(col, row, text);
  }
  if (ReserveLastRow && row == RowCount() - 1) UpdateFloatingFooter();
}

void TBaseGrid::GetDisplText(int col, int row, std::string& text) {
  if (OnGetDisplText) OnGetDisplText(this, col, row, text);
}

void TBaseGrid::GetDisplWideText(int col, int row, std::wstring& text) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, col, row, text);
}

// ---- Settings -------------------------------------------------------------------------------------------

void TBaseGrid::SetDefaultDrawing(bool value) {
  defaultDrawing_ = value;
  TObjStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int value) {
  gridLineWidth_ = value;
  TObjStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(fw::TColor value) {
  gridLineColor_ = value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(fw::TColor value) {
  gridFixedLineColor_ = value;
  Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool value) {
  if (value == activeRowShow_) return;
  activeRowShow_ = value;
  Invalidate();
}

void TBaseGrid::SetActiveRowColor(fw::TColor value) {
  if (value == activeRowColor_) return;
  activeRowColor_ = value;
  Invalidate();
}

void TBaseGrid::SetSelectionStyle(int value) {
  if (value == selectionStyle_) return;
  selectionStyle_ = value;
  Invalidate();
}

// ---- Virtual operations the derived grids fill ----------------------------------------------------------

bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::NodeIndent(int) { return 0; }
bool TBaseGrid::GridHasNodes() { return false; }
void TBaseGrid::UpdateFloatingFooter() {}

void TBaseGrid::GetCellDefaults(int, int, TCellGradientDirection& gradientDirection, bool& wordWrap,
                                TVAlignment& vAlign, fw::TAlignment& hAlign, fw::TColor& colorMirrorTo,
                                fw::TColor& colorMirror, fw::TColor& colorTo, fw::TBrush* brush, fw::TFont* font) {
  font->Assign(Font());
  brush->SetColor(Color());
  colorTo = kColorNotSet;
  colorMirror = kColorNotSet;
  colorMirrorTo = kColorNotSet;
  hAlign = fw::taLeftJustify;
  vAlign = vtaTop;
  wordWrap = wordWrap_;
  gradientDirection = GradientVertical;
}

void TBaseGrid::UpdateScrollBarCell(int, int) {}
bool TBaseGrid::HasCellBorderEvent() { return false; }
void TBaseGrid::ResolveCellVisuals(int, int, TCellGradientDirection&, bool&, TVAlignment&, fw::TAlignment&, fw::TFont*,
                                   fw::TColor&, fw::TColor&, fw::TColor&, fw::TBrush*, bool, bool, bool,
                                   fw::TGridDrawState&) {}
int TBaseGrid::DisplayColumnOf(int col) { return col; }
int TBaseGrid::GetColCountEx() { return ColCount(); }

}  // namespace ui
