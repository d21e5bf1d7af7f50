// The string grid's small cell accessors: colours and fonts kept in the cell properties, the row colour
// setters, the fixed-cell colour set, the check state of any check kind, cells by their real row, wide
// text, and the relays of the date editors' events for the current cell.
#include <windows.h>

#include "framework/graphics/colors.h"
#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/text_utils.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// The month calendar of a date-time picker and its minimum size (commctrl).
constexpr UINT kDtmGetMonthCal = 0x1000 + 8;
constexpr UINT kMcmGetMinReqRect = 0x1000 + 9;
constexpr LONG_PTR kMcsWeekNumbers = 0x04;
constexpr LONG_PTR kMcsNoTodayCircle = 0x08;
constexpr LONG_PTR kMcsNoToday = 0x10;

// A colour counts as the default when it is not set or equals the cell's default.
bool DefaultColor(fw::TColor value, fw::TColor defaultValue) {
  return value == kColorNotSet || value == defaultValue;
}

}  // namespace

bool TVxStringGrid::IsPasswordCell(int col, int row) {
  bool password = false;
  DoIsPasswordCell(col, row, password);
  return password;
}

bool TVxStringGrid::CanEditCell(int col, int row) {
  if (!Options().Contains(fw::goEditing) && !MouseActions()->RangeSelectAndEdit() && !EditingSuspended) return false;
  return CanEditCellInt(col, row);
}

bool TVxStringGrid::CanEditCellInt(int col, int row) {
  const fw::TPoint base = BaseCellOf(col, row);
  bool canEdit = true;
  CanEditCellEx(base.X, base.Y, canEdit);
  bool fixed = false;
  IsFixedCell(RealColIndex(base.X), base.Y, fixed);
  return canEdit && !fixed;
}

bool TVxStringGrid::GetCheckBoxStateEx(int col, int row, fw::TCheckBoxState& state) {
  const TCellGraphic* graphic = RealRowGraphic(col, row);
  if (graphic == nullptr) return false;
  const std::string text = NumHiddenRows() == 0 ? GetCellEx(col, row) : RealRowText(col, row);
  const auto twoState = [](bool checked) { return checked ? fw::cbChecked : fw::cbUnchecked; };
  switch (graphic->CellType) {
    case ctCheckBox:
      state = twoState(graphic->CellBoolean);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue;
      GetCheckTrue(col, row, checkTrue);
      state = twoState(text == checkTrue);
      return true;
    }
    case ctTriStateCheckBox:
      state = graphic->CellCheckBoxState;
      return true;
    case ctRowCheckBox:
      if (col != 0) return false;
      state = twoState(GetRowSelect(row));
      return true;
    default:
      return false;
  }
}

std::string TVxStringGrid::RealRowText(int col, int realRow) {
  if (col < 0 || realRow < 0) return {};
  if (const fw::TStrings* kept = RealRowHiddenStrings(realRow)) {
    std::string text = col < kept->Count() ? kept->Strings(col) : std::string();
    GetDisplText(col, realRow, text);
    return text;
  }
  return GetCellEx(col, DisplRowIndex(realRow));
}

fw::TObject* TVxStringGrid::RealRowObject(int col, int realRow) {
  if (const fw::TStrings* kept = RealRowHiddenStrings(realRow)) {
    return col >= 0 && col < kept->Count() ? kept->Objects(col) : nullptr;
  }
  return GetRawCellObject(col, DisplRowIndex(realRow));
}

fw::TControl* TVxStringGrid::GetCellControl(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props != nullptr ? props->Control : nullptr;
}

fw::TColor TVxStringGrid::GetCellBrushColor(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props != nullptr ? props->BrushColor() : kColorNotSet;
}

bool TVxStringGrid::GetCellReadOnly(int col, int row) {
  const TCellProperties* props = PropsAt(col, row);
  return props != nullptr && props->ReadOnly;
}

void TVxStringGrid::SetCellBrushColor(int col, int row, fw::TColor color) {
  GetCellProperties(col, row)->SetBrushColor(color);
  if (UpdateCount() == 0) RepaintCell(DisplayColumnOf(col), row);
}

void TVxStringGrid::SetCellBrushColorTo(int col, int row, fw::TColor color) {
  GetCellProperties(col, row)->SetBrushColorTo(color);
  RepaintCell(DisplayColumnOf(col), row);
}

void TVxStringGrid::SetCellFontColor(int col, int row, fw::TColor color) {
  GetCellProperties(col, row)->FontColor = color;
  RepaintCell(DisplayColumnOf(col), row);
}

// ---- Row colours ------------------------------------------------------------------------------------
// Taking a colour back touches only that colour: a cell's properties go only when nothing in them
// differs from the cell's defaults any more, so merges, marks, objects and graphics are never lost.

bool TVxStringGrid::HoldsOnlyDefaults(int col, int row, const TCellProperties* props) {
  if (!props->IsBaseCell || props->CellSpanX != -1 || props->CellSpanY != -1) return false;
  if (props->GraphicObject != nullptr || props->CellObject != nullptr || props->Control != nullptr) return false;
  if (props->ReadOnly || props->NodeLevel != 0 || props->CalcType != 0 || props->CalcObject != nullptr) return false;
  if (props->Editor != edNormal || props->BorderWidth != 0 || props->BrushStyle != fw::bsSolid) return false;

  TCellGradientDirection gradientDirection = GradientVertical;
  bool wordWrap = WordWrap();
  TVAlignment vAlign = vtaTop;
  fw::TAlignment hAlign = fw::taLeftJustify;
  fw::TColor colorMirrorTo = kColorNotSet;
  fw::TColor colorMirror = kColorNotSet;
  fw::TColor colorTo = kColorNotSet;
  fw::TBrush brush;
  fw::TFont font;
  // The defaults of the cell as a new one: its properties leave the slot while they are worked out, so the
  // cell's resolved look does not count its own settings as defaults.
  {
    struct SlotAside {
      TVxStringGrid* grid;
      int col, row;
      fw::TObject* own;
      ~SlotAside() { grid->SetRawCellObject(col, row, own); }
    } aside{this, col, row, GetRawCellObject(col, row)};
    SetRawCellObject(col, row, nullptr);
    GetCellDefaults(col, row, gradientDirection, wordWrap, vAlign, hAlign, colorMirrorTo, colorMirror, colorTo,
                    &brush, &font);
  }
  return DefaultColor(props->BrushColor(), brush.Color()) && DefaultColor(props->BrushColorTo(), colorTo) &&
         DefaultColor(props->FontColor, font.Color()) && props->Alignment == hAlign &&
         props->VAlignment() == vAlign && props->WordWrap() == wordWrap && props->FontName == font.Name() &&
         props->FontSize == font.Size() && props->FontStyle == font.Style() &&
         props->GradientDirection == gradientDirection;
}

void TVxStringGrid::SetRowColor(int row, fw::TColor color, void (*write)(TCellProperties*, fw::TColor)) {
  for (int col = FixedCols(); col < GetColCountEx(); ++col) {
    if (color != kColorNotSet) {
      write(GetCellProperties(col, row), color);
    } else if (TCellProperties* props = PropsAt(col, row)) {
      write(props, kColorNotSet);
      if (HoldsOnlyDefaults(col, row, props)) FreeCellProps(col, row);
    }
  }
  RepaintRow(row);
}

void TVxStringGrid::SetRowBrushColor(int row, fw::TColor color) {
  SetRowColor(row, color, [](TCellProperties* props, fw::TColor value) { props->SetBrushColor(value); });
}

void TVxStringGrid::SetRowBrushColorTo(int row, fw::TColor color) {
  SetRowColor(row, color, [](TCellProperties* props, fw::TColor value) { props->SetBrushColorTo(value); });
}

void TVxStringGrid::SetRowFontColor(int row, fw::TColor color) {
  SetRowColor(row, color, [](TCellProperties* props, fw::TColor value) { props->FontColor = value; });
}

// ---- Fixed-cell colour set ----------------------------------------------------------------------------

void TVxStringGrid::SetFixedCellColorFrom(fw::TColor color) {
  fixedCellColors_.From = static_cast<fw::TColor>(fw::ColorToRGB(color));
  Invalidate();
}

void TVxStringGrid::SetFixedCellColorTo(fw::TColor color) {
  fixedCellColors_.To = static_cast<fw::TColor>(fw::ColorToRGB(color));
  Invalidate();
}

void TVxStringGrid::SetFixedCellColorMirrorFrom(fw::TColor color) {
  fixedCellColors_.MirrorFrom = static_cast<fw::TColor>(fw::ColorToRGB(color));
  Invalidate();
}

void TVxStringGrid::SetFixedCellColorMirrorTo(fw::TColor color) {
  fixedCellColors_.MirrorTo = static_cast<fw::TColor>(fw::ColorToRGB(color));
  Invalidate();
}

// ---- Wide and stripped text ---------------------------------------------------------------------------

std::wstring TVxStringGrid::GetCellWideText(int col, int row) {
  std::wstring wide;
  DecodeUnicodeText(GetCellEx(col, row), wide);
  return wide;
}

void TVxStringGrid::SetCellWideText(int col, int row, const std::wstring& text) {
  std::string encoded;
  EncodeUnicodeText(text, encoded);
  SetRawCellText(col, row, encoded);
}

std::string TVxStringGrid::GetStrippedCell(int col, int row) { return StripHTML(GetCellEx(col, row)); }

// ---- Date editors -------------------------------------------------------------------------------------

void TVxStringGrid::DateTimePickerChange(fw::TDateTime value) {
  if (OnDateTimeChange) OnDateTimeChange(this, GetRealCol(), Row(), value);
}

void TVxStringGrid::DatePickerChange(fw::TDateTime value, bool editsTime) {
  if (OnEditChange) OnEditChange(this, GetRealCol(), Row(), editsTime ? fw::TimeToStr(value) : fw::DateToStr(value));
}

void TVxStringGrid::DatePickerCloseUp() {
  if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), GetRealCol());
  if (MouseActions()->DirectDateClose()) HideCellEditor();
}

void TVxStringGrid::DatePickerDropDown(HWND picker, bool showToday, bool showTodayCircle, bool weekNumbers) {
  const auto calendar = reinterpret_cast<HWND>(::SendMessageA(picker, kDtmGetMonthCal, 0, 0));
  if (calendar != nullptr) {
    LONG_PTR style = ::GetWindowLongPtrA(calendar, GWL_STYLE);
    if (!showToday) style |= kMcsNoToday;
    if (!showTodayCircle) style |= kMcsNoTodayCircle;
    if (weekNumbers) style |= kMcsWeekNumbers;
    ::SetWindowLongPtrA(calendar, GWL_STYLE, style);
    RECT minimum{};
    ::SendMessageA(calendar, kMcmGetMinReqRect, 0, reinterpret_cast<LPARAM>(&minimum));
    ::MoveWindow(calendar, 0, 0, minimum.right - minimum.left + 2, minimum.bottom - minimum.top + 2, TRUE);
  }
  if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), GetRealCol());
}

}  // namespace ui
