// What hiding every other row of a 100,000-row string grid as one hide level costs, and showing the rows
// again, on a shown form; the median of the runs.
//
//   grid_hide_rows_bench [runs]     default 3; prints milliseconds
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/startup/modules.h"
#include "tests/bench/bench_timing.h"
#include "ui/foundation/foundation_modules.h"
#include "ui/grid/model/string_grid.h"

using bench::Counter;
using bench::Median;
using bench::Milliseconds;

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  constexpr int kRows = 100000;
  try {
    fw::RegisterFrameworkModules();
    ui::RegisterFoundationModules();
    fw::ModulesRunning modules;
    auto app = std::make_unique<fw::TApplication>();
    auto* form = fw::Create<fw::TForm>(app.get());
    form->SetBounds(0, 0, 500, 400);
    auto* grid = fw::Create<ui::TVxStringGrid>(form);
    grid->SetParent(form);
    grid->SetRowCount(kRows);
    for (int row = 0; row < kRows; ++row) {
      for (int col = 0; col < grid->ColCount(); ++col) grid->SetCells(col, row, std::to_string(row));
    }
    form->Show();
    app->ProcessMessages();

    ui::TIntList everyOther(0, 0);
    for (int row = 1; row < kRows; row += 2) everyOther.Add(row);
    std::vector<double> hide;
    std::vector<double> show;
    for (int run = 0; run < runs; ++run) {
      LONGLONG start = Counter();
      grid->HideRowList(everyOther);
      hide.push_back(Milliseconds(Counter() - start));
      start = Counter();
      grid->UnhideLastLevel();
      grid->SetHideLevel(grid->HideLevel() - 1);
      show.push_back(Milliseconds(Counter() - start));
      if (grid->RowCount() != kRows || grid->Cells(1, kRows - 1) != std::to_string(kRows - 1)) {
        std::fprintf(stderr, "the grid did not come back as it was\n");
        return 1;
      }
    }
    std::printf("string grid, %d rows x %d columns, median of %d runs:\n", kRows, grid->ColCount(), runs);
    std::printf("  hide every other row (HideRowList)       %8.1f ms\n", Median(hide));
    std::printf("  show them again (UnhideLastLevel)        %8.1f ms\n", Median(show));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "grid_hide_rows_bench: %s\n", e.what());
    return 1;
  }
}
