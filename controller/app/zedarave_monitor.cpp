// The "Switch / LED Monitor" page: two grids listing every assigned switch with its present position and
// every assigned output with the state last given to it, and the cell drawing they share. GUI thread.
#include <windows.h>

#include <string>

#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/make_control.h"
#include "controller/app/zedarave.h"
#include "framework/controls/label.h"
#include "framework/graphics/canvas.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/grid/model/string_grid.h"

namespace trelvik {

namespace {

constexpr int kColumnWidths[] = {150, 285, 75, 75};

// Widths and header texts; the grids have four columns.
void SetUpGrid(ui::TVxStringGrid* grid, const char* const (&headers)[4]) {
  for (int c = 0; c < 4; ++c) {
    grid->SetColWidths(c, kColumnWidths[c]);
    grid->SetCells(c, 0, headers[c]);
  }
}

// Row j must exist: one more row while the grid has j rows or fewer. The grid never shrinks.
void EnsureRow(ui::TVxStringGrid* grid, int j) {
  if (grid->RowCount() <= j) grid->SetRowCount(grid->RowCount() + 1);
}

void FillRow(ui::TVxStringGrid* grid, int j, const std::string& board, const std::string& function,
             std::int32_t number, const std::string& status) {
  EnsureRow(grid, j);
  grid->SetCells(0, j, board);
  grid->SetCells(1, j, function);
  grid->SetCells(2, j, std::to_string(number));
  grid->SetCells(3, j, status);
}

}  // namespace

void TZedArave::BuildMonitorPage() {
  VxSmoothTabPage3 = pages[5];
  // Each grid under its heading.
  const auto grid = [this](const char* name, const char* heading, int top,
                           void (TZedArave::*draw)(int, int, const fw::TRect&, fw::TGridDrawState)) {
    fw::TLabel* label = Make<fw::TLabel>(this, VxSmoothTabPage3, std::string(name) + "_heading", 4, top, 300, 16);
    label->SetCaption(heading);
    auto* g = Make<ui::TVxStringGrid>(this, VxSmoothTabPage3, name, 4, top + 18, 780, 150);
    g->SetColCount(4);
    g->SetFixedCols(0);
    g->SetFixedRowAlways(true);
    g->SetRowCount(1);
    g->SetFixedRows(1);
    g->OnDrawCell = [this, draw](fw::TObject*, int ACol, int ARow, const fw::TRect& Rect, fw::TGridDrawState State) {
      (this->*draw)(ACol, ARow, Rect, State);
    };
    return g;
  };
  stringgrid1 = grid("stringgrid1", "Current Switch Positions", 2, &TZedArave::stringgrid1DrawCell);
  stringgrid2 = grid("stringgrid2", "Current Output States", 174, &TZedArave::stringgrid2DrawCell);
  write_switch_states = [this] { FillSwitchGrid(); };
}

void TZedArave::FillSwitchGrid() {
  static const char* const kHeaders[4] = {"Board", "Function", "Button", "Status"};
  SetUpGrid(stringgrid1, kHeaders);
  int j = 1;
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    const tinput_assignments& r = input_assignments[static_cast<std::size_t>(i)];
    const struct {
      const std::string& board;
      std::int32_t number;
      std::int32_t state;
    } switches[] = {{r.board, r.switch_no, r.switch_state}, {r.board2, r.switch2_no, r.switch2_state}};
    for (std::size_t k = 0; k < 2; ++k) {
      const auto& s = switches[k];
      if (s.number <= 0) continue;
      const std::int32_t session = Get_Board_session(s.board);
      if (session < 1) {
        if (k == 0) break;  // an unbound main board hides the second switch too
        continue;
      }
      std::int32_t position = 0;
      ApiStatus status = API_ERR_DEVICE_IO;
      Shielded([&] { status = Api().Switch_Get_State(session, s.number, &position); });
      // A switch that cannot be read shows no position.
      const bool on = (position == 1 && s.state == 1) || (position != 1 && s.state == 0);
      const std::string shown = status != API_OK ? "?" : on ? "ON" : "OFF";
      FillRow(stringgrid1, j, Get_Board_Name(s.board), r.name + (s.state == 0 ? " - [UP EVENT]" : ""), s.number,
              shown);
      ++j;
    }
  }
}

void TZedArave::write_Output_states() {
  if (pagecontrol1->ActivePage() != VxSmoothTabPage3) return;
  static const char* const kHeaders[4] = {"Board", "Function", "LED", "Status"};
  SetUpGrid(stringgrid2, kHeaders);
  int j = 1;
  for (int i = 1; i <= kAssignmentRecords; ++i) {
    const toutput_assignments& r = output_assignments[static_cast<std::size_t>(i)];
    if (r.output_no <= 0 || Get_Board_session(r.board) < 1) continue;
    FillRow(stringgrid2, j, Get_Board_Name(r.board), r.name, r.output_no, r.state != 0 ? "ON" : "OFF");
    ++j;
  }
}

void TZedArave::stringgrid1DrawCell(int ACol, int ARow, const fw::TRect& Rect, fw::TGridDrawState State) {
  MonitorDrawCell(stringgrid1, ACol, ARow, Rect, State);
}

void TZedArave::stringgrid2DrawCell(int ACol, int ARow, const fw::TRect& Rect, fw::TGridDrawState State) {
  MonitorDrawCell(stringgrid2, ACol, ARow, Rect, State);
}

void TZedArave::MonitorDrawCell(ui::TVxStringGrid* grid, int ACol, int ARow, const fw::TRect& Rect,
                                fw::TGridDrawState) {
  fw::TCanvas* canvas = grid->Canvas();
  const std::string text = grid->Cells(ACol, ARow);
  const int middle = Rect.Left + Rect.Width() / 2;
  if (ACol == 1 || ACol == 3) {
    const UINT old = SetTextAlign(canvas->Handle(), TA_CENTER);
    canvas->TextRect(Rect, middle, Rect.Top + 2, text);
    SetTextAlign(canvas->Handle(), old);
  }
  if (text == "ON" || ARow == 0) {
    canvas->Brush()->SetColor(fw::clWhite);
    canvas->FillRect(Rect);
    canvas->Font()->SetColor(fw::clBlack);
    canvas->Font()->SetStyle({fw::fsBold});
    canvas->Font()->SetSize(12);
    canvas->TextOut(middle - canvas->TextWidth(text) / 2, Rect.Top + 2, text);
  }
}

}  // namespace trelvik
