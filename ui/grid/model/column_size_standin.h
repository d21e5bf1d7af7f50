// TEMPORARY until the cell graphics' option objects are merged.
#pragma once
namespace ui {
enum TAutoSizeRows { arAll, arNormal, arFixed };
struct TColumnSizeStandin {
  TAutoSizeRows Rows() const { return rows; }
  void SetRows(TAutoSizeRows value) { rows = value; }
  TAutoSizeRows rows = arAll;
};
}  // namespace ui
