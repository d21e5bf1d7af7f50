// A string grid that records what its hooks were called with, objects that count their destruction, and
// a form per test to place the grid on.
#pragma once

#include <string>
#include <vector>

#include "framework/controls/string_grid.h"
#include "framework/rtl/format.h"
#include "tests/framework/stdctrl_test_support.h"

namespace fw::testing {

// Slot objects: a grid that freed one shows in Destroyed.
class CountedObject : public TObject {
 public:
  explicit CountedObject(int* destroyed) : destroyed_(destroyed) {}
  ~CountedObject() override { ++*destroyed_; }

 private:
  int* destroyed_;
};

class RecordingGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  using TCustomGrid::MoveColRow;

  struct DrawCall {
    int col;
    int row;
    TRect rect;
    TGridDrawState state;
  };
  std::vector<DrawCall> Draws;
  std::vector<std::string> Hooks;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override {
    Draws.push_back({ACol, ARow, ARect, AState});
    TStringGrid::DrawCell(ACol, ARow, ARect, AState);
  }
  void SizeChanged(int OldColCount, int OldRowCount) override {
    Hooks.push_back(Format("SizeChanged %d %d", OldColCount, OldRowCount));
    TStringGrid::SizeChanged(OldColCount, OldRowCount);
  }
  void ColWidthsChanged() override {
    Hooks.push_back("ColWidthsChanged");
    TStringGrid::ColWidthsChanged();
  }
  void RowHeightsChanged() override {
    Hooks.push_back("RowHeightsChanged");
    TStringGrid::RowHeightsChanged();
  }
  void TopLeftChanged() override {
    Hooks.push_back(Format("TopLeftChanged %d %d", LeftCol(), TopRow()));
    TStringGrid::TopLeftChanged();
  }
};

class GridTest : public StdControlTest {
 public:
  // A grid without border and scroll bars at (0, 0) of the given size: 64 x 24 cells and 1-pixel lines
  // put column c (c >= LeftCol) at 65 * (c - LeftCol + 1) and row r likewise at 25 * (r - TopRow + 1).
  RecordingGrid* MakeGrid(int width, int height, TScrollStyle bars = ssNone) {
    auto* grid = Make<RecordingGrid>(Rect(0, 0, width, height));
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(bars);
    grid->SetColor(clWhite);
    return grid;
  }
  // Paints the grid into a bitmap of its size, recording its DrawCell calls afresh.
  void Paint(RecordingGrid* grid, MemoryBitmap& bitmap) {
    grid->Draws.clear();
    bitmap.Fill(clFuchsia);
    grid->PaintTo(bitmap.DC(), 0, 0);
  }
  // The pixels of the rectangle that are not the colour.
  static int Other(const MemoryBitmap& bitmap, const TRect& r, TColor color) {
    return r.Width() * r.Height() - bitmap.Count(r.ToRECT(), color);
  }
};

}  // namespace fw::testing
