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
  const TCellGraphic* graphic = nullptr;
  std::string text;
  if (NumHiddenRows() == 0) {
    graphic = GetCellGraphic(col, row);
    if (graphic != nullptr) text = GetCellEx(col, row);
  } else {
    const auto* props = dynamic_cast<TCellProperties*>(RealRowObject(col, row));
    graphic = props != nullptr ? dynamic_cast<TCellGraphic*>(props->GraphicObject) : nullptr;
    if (graphic != nullptr) text = RealRowText(col, row);
  }
  if (graphic == nullptr) return false;
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
  GetCellDefaults(col, row, gradientDirection, wordWrap, vAlign, hAlign, colorMirrorTo, colorMirror, colorTo, &brush,
                  &font);
  return DefaultColor(props->BrushColor(), brush.Color()) && DefaultColor(props->BrushColorTo(), colorTo) &&
         DefaultColor(props->FontColor, font.Color()) && props->Alignment == hAlign &&
         props->VAlignment() == vAlign && props->WordWrap() == wordWrap && props->FontName == font.Name() &&
         props->FontSize == font.Size() && props->FontStyle == font.Style() &&
         props->GradientDirection == gradientDirection;
}

void TVxStringGrid::ResetRowCellColor(int col, int row, void (*reset)(TCellProperties*)) {
  TCellProperties* props = PropsAt(col, row);
  if (props == nullptr) return;
  reset(props);
  if (HoldsOnlyDefaults(col, row, props)) FreeCellProps(col, row);
}

void TVxStringGrid::SetRowBrushColor(int row, fw::TColor color) {
  for (int col = FixedCols(); col < GetColCountEx(); ++col) {
    if (color == kColorNotSet) {
      ResetRowCellColor(col, row, [](TCellProperties* props) { props->SetBrushColor(kColorNotSet); });
    } else {
      GetCellProperties(col, row)->SetBrushColor(color);
    }
  }
  RepaintRow(row);
}

void TVxStringGrid::SetRowBrushColorTo(int row, fw::TColor color) {
  for (int col = FixedCols(); col < GetColCountEx(); ++col) {
    if (color == kColorNotSet) {
      ResetRowCellColor(col, row, [](TCellProperties* props) { props->SetBrushColorTo(kColorNotSet); });
    } else {
      GetCellProperties(col, row)->SetBrushColorTo(color);
    }
  }
  RepaintRow(row);
}

void TVxStringGrid::SetRowFontColor(int row, fw::TColor color) {
  for (int col = FixedCols(); col < GetColCountEx(); ++col) {
    if (color == kColorNotSet) {
      ResetRowCellColor(col, row, [](TCellProperties* props) { props->FontColor = kColorNotSet; });
    } else {
      GetCellProperties(col, row)->FontColor = color;
    }
  }
  RepaintRow(row);
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
