// TVxStringGrid: marking search matches in cell texts with a tag and removing the marks again, over a
// range, a column or the whole grid (hidden columns included, as real columns).
#include "ui/foundation/html_text_routines.h"
#include "ui/grid/model/string_grid.h"

namespace ui {
namespace {

constexpr const char* kHighlightTag = "hi";

}  // namespace

void TVxStringGrid::HighlightWalk(const std::string& text, const std::string& tag, bool caseSensitive,
                                  bool highlight, int col1, int row1, int col2, int row2) {
  for (int row = row1; row <= row2; ++row) {
    for (int col = col1; col <= col2; ++col) {
      if (!IsBaseCell(col, row)) continue;
      const std::string cell = OnGetDisplText ? GetCellEx(col, row) : GetRawCellText(col, row);
      std::string result;
      if (highlight) {
        HighlightText(cell, text, tag, result, caseSensitive);
      } else {
        UnhighlightText(cell, tag, result);
      }
      SetCellEx(col, row, result);
    }
  }
}

void TVxStringGrid::HighlightInRange(const std::string& text, const std::string& tag, bool caseSensitive, int col1,
                                     int row1, int col2, int row2) {
  HighlightWalk(text, tag, caseSensitive, true, col1, row1, col2, row2);
}

void TVxStringGrid::UnHighlightInRange(const std::string& tag, int col1, int row1, int col2, int row2) {
  HighlightWalk("", tag, false, false, col1, row1, col2, row2);
}

void TVxStringGrid::HighlightInColumn(bool fixedCells, bool caseSensitive, int col, const std::string& text) {
  if (fixedCells) {
    HighlightInRange(text, kHighlightTag, caseSensitive, col, 0, col, RowCount() - 1);
  } else {
    HighlightInRange(text, kHighlightTag, caseSensitive, col, FixedRows(), col, RowCount() - FixedFooters() - 1);
  }
}

void TVxStringGrid::UnHighlightInColumn(bool fixedCells, int col) {
  if (fixedCells) {
    UnHighlightInRange(kHighlightTag, col, 0, col, RowCount() - 1);
  } else {
    UnHighlightInRange(kHighlightTag, col, FixedRows(), col, RowCount() - FixedFooters() - 1);
  }
}

void TVxStringGrid::HighlightInGrid(bool fixedCells, bool caseSensitive, const std::string& text) {
  if (fixedCells) {
    HighlightInRange(text, kHighlightTag, caseSensitive, 0, 0, GetColCountEx() - 1, RowCount() - 1);
  } else {
    HighlightInRange(text, kHighlightTag, caseSensitive, FixedCols(), FixedRows(),
                     ColCount() - FixedRightCols() + hiddenColumnCount_ - 1, RowCount() - FixedFooters() - 1);
  }
}

void TVxStringGrid::UnHighlightInGrid(bool fixedCells) {
  if (fixedCells) {
    UnHighlightInRange(kHighlightTag, 0, 0, GetColCountEx() - 1, RowCount() - 1);
  } else {
    UnHighlightInRange(kHighlightTag, FixedCols(), FixedRows(), ColCount() - FixedRightCols() + hiddenColumnCount_ - 1,
                       RowCount() - FixedFooters() - 1);
  }
}

}  // namespace ui
