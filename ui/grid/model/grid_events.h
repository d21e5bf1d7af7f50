// The event types through which the string grid asks its user about cells, reports what happened to a cell
// and hands the current cell's changes on, with the small enumerations they carry. Every event is empty by
// default and fired only when assigned, the sender first and the other parameters in the order given here
// (several put the row before the column).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/classes/events.h"
#include "framework/controls/control_types.h"
#include "framework/controls/grid_types.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/set.h"
#include "ui/grid/model/cell_properties.h"
#include "ui/grid/model/editor_type.h"
#include "ui/grid/settings/mouse_actions.h"

namespace fw {
class TBrush;
class TFont;
class TPen;
class TStringList;
class TStrings;
}  // namespace fw

namespace ui {

class TVxHintInfo;

// How a column's texts compare when sorted; the numbers are what format handlers set.
enum TSortStyle : std::uint8_t {
  ssAuto, ssText, ssNumber, ssDateTime, ssTextNoCase, ssTextSame, ssDateDMY, ssDateMDY, ssCustomCompare,
  ssGroupedNumber, ssLocaleText, ssLocaleTextNoCase, ssRawCompare, ssHTMLText, ssImageIndex, ssCheckState,
  ssWideTextNoCase, ssNumberOrText, ssNumberOrTextNoCase,
};

// What the search footer did.
enum TSearchAction : std::uint8_t { saAutoSearch, saFindPrevious, saFindNext };

// The sides of a cell drawn with the border pen: bit 0 top, bit 1 left, bit 2 right, bit 3 bottom.
enum TCellBorder : std::uint8_t { cbTop, cbLeft, cbRight, cbBottom };
using TCellBorders = fw::Set<TCellBorder>;

// The directions IntelliPan scrolls in, and so the anchor icon it shows.
enum TIntelliPan : std::uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };

// The range of an in-cell scroll bar.
struct TScrollBarRange {
  int Minimum;
  int Maximum;
};

using TGridHintEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, std::string& hintstr)>;
using TGridWideHintEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, std::wstring& hintstr)>;
using TOfficeHintEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, TVxHintInfo* OfficeHint)>;
using TGridColorEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, fw::TGridDrawState AState,
                                           fw::TBrush* ABrush, fw::TFont* AFont)>;
using TGridBorderEvent =
    std::function<void(fw::TObject* Sender, int ARow, int ACol, fw::TPen* APen, TCellBorders& Borders)>;
using TGridAlignEvent =
    std::function<void(fw::TObject* Sender, int ARow, int ACol, fw::TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent = std::function<void(fw::TObject* Sender, int ACol, TSortStyle& AStyle, std::string& aPrefix,
                                            std::string& aSuffix)>;
using TGetEditorTypeEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using THasComboEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TIsFixedCellEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TCanEditCellEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TIsPasswordCellEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TCellCursorEvent =
    std::function<void(fw::TObject* Sender, int ACol, int ARow, int X, int Y, fw::TCursor& ACursor)>;
using TGetCheckEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGetColumnFilterEvent = std::function<void(fw::TObject* Sender, int Column, fw::TStrings* Filter)>;
using TSearchFooterActionEvent = std::function<void(fw::TObject* Sender, const std::string& Value, int ACol,
                                                    int ARow, TSearchAction SearchAction)>;
using TButtonClickEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TClickCellEvent = std::function<void(fw::TObject* Sender, int ARow, int ACol)>;
using TDateTimeChangeEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, fw::TDateTime ADateTime)>;
using TEditChangeEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, const std::string& Value)>;

// A cell's text on its way to or from a file.
using TCellValueEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TAutoDeleteRowEvent = std::function<void(fw::TObject* Sender, int ARow)>;
using TSelectionChangedEvent =
    std::function<void(fw::TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TFixedEditEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, TGridFixedCellEditor& AEditor,
                                           fw::TStringList* Values)>;

}  // namespace ui
