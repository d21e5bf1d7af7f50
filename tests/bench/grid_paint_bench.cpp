// What painting the visible cells of a 1,000 x 50 string grid costs, with bands and a selection: the
// grid (800 x 600, the default look and cell sizes) painted into a memory bitmap, averaged over the
// paints of each run; the median of the runs.
//
//   grid_paint_bench [paints]     default 50 paints per run, 3 runs; prints milliseconds per paint
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/startup/modules.h"
#include "tests/bench/bench_timing.h"
#include "ui/foundation/foundation_modules.h"
#include "ui/grid/model/string_grid.h"

using bench::Counter;
using bench::Median;
using bench::Milliseconds;

int main(int argc, char** argv) {
  const int paints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  constexpr int kRows = 1000;
  constexpr int kCols = 50;
  constexpr int kRuns = 3;
  constexpr int kWidth = 800;
  constexpr int kHeight = 600;
  try {
    fw::RegisterFrameworkModules();
    ui::RegisterFoundationModules();
    fw::ModulesRunning modules;
    auto app = std::make_unique<fw::TApplication>();
    auto* form = fw::Create<fw::TForm>(app.get());
    form->SetBounds(0, 0, kWidth + 40, kHeight + 60);
    auto* grid = fw::Create<ui::TVxStringGrid>(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, kWidth, kHeight);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows);
    for (int row = 0; row < kRows; ++row) {
      for (int col = 0; col < kCols; ++col) grid->SetCells(col, row, std::to_string(row * kCols + col));
    }
    grid->Bands()->SetPrimaryLength(2);
    grid->Bands()->SetSecondaryLength(1);
    grid->Bands()->SetActive(true);
    grid->SelectionColorMixer = true;
    grid->SetSelection(fw::TGridRect{2, 3, 6, 12});
    form->Show();
    app->ProcessMessages();

    fw::MemoryDC dc;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    fw::GdiObject<HBITMAP> bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HGDIOBJ old = SelectObject(dc.Get(), bitmap.Get());

    std::vector<double> perPaint;
    for (int run = 0; run < kRuns; ++run) {
      const LONGLONG start = Counter();
      for (int i = 0; i < paints; ++i) grid->PaintTo(dc.Get(), 0, 0);
      GdiFlush();
      perPaint.push_back(Milliseconds(Counter() - start) / paints);
    }
    SelectObject(dc.Get(), old);
    std::printf("string grid, %d rows x %d columns with bands and a selection, %d x %d pixels (%d x %d cells in view),\n",
                kRows, kCols, kWidth, kHeight, grid->VisibleColCount() + grid->FixedCols(),
                grid->VisibleRowCount() + grid->FixedRows());
    std::printf("median of %d runs of %d paints:\n", kRuns, paints);
    std::printf("  paint the visible cells                  %8.2f ms\n", Median(perPaint));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "grid_paint_bench: %s\n", e.what());
    return 1;
  }
}
