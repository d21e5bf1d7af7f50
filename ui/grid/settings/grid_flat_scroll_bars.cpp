// The grid's thin layer over the common controls' flat scroll bars. Every call looks its function up
// again and does nothing without it; all but the set-up need the flat state on.
#include <windows.h>
#include <commctrl.h>

#include "ui/grid/model/string_grid.h"
#include "ui/grid/settings/flat_scroll_bar_lookup.h"

namespace ui {

namespace {

FARPROC FindInComCtl(const char* name) {
  HMODULE comctl = ::GetModuleHandleA("comctl32.dll");
  return comctl == nullptr ? nullptr : ::GetProcAddress(comctl, name);
}

template <class TFunction>
TFunction Lookup(const char* name) {
  return reinterpret_cast<TFunction>(reinterpret_cast<void*>(FlatScrollBarProc(name)));
}

using TInitializeFlatSB = BOOL(WINAPI*)(HWND);
using TUninitializeFlatSB = HRESULT(WINAPI*)(HWND);
using TFlatSBSetScrollInfo = int(WINAPI*)(HWND, int, LPSCROLLINFO, BOOL);
using TFlatSBSetScrollProp = BOOL(WINAPI*)(HWND, UINT, INT_PTR, BOOL);
using TFlatSBShowScrollBar = BOOL(WINAPI*)(HWND, int, BOOL);

bool ShowsVertical(fw::TScrollStyle bars) { return bars == fw::ssVertical || bars == fw::ssBoth; }
bool ShowsHorizontal(fw::TScrollStyle bars) { return bars == fw::ssHorizontal || bars == fw::ssBoth; }

// The window's own range, page, position and track position of the bar.
bool ReadScrollInfo(HWND window, int bar, SCROLLINFO& info) {
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  return ::GetScrollInfo(window, bar, &info) != FALSE;
}

}  // namespace

fw::Service<FARPROC(const char*)> FlatScrollBarProc(&FindInComCtl);

// Without a window there is nothing to initialise; the window's creation does it.
void TVxStringGrid::InitFlatScrollBars() {
  if (!HandleAllocated()) return;
  auto initialize = Lookup<TInitializeFlatSB>("InitializeFlatSB");
  flatScrollBarsOn_ = initialize != nullptr;
  if (initialize != nullptr) initialize(Handle());
}

void TVxStringGrid::DoneFlatScrollBars() {
  flatScrollBarsOn_ = false;
  if (!HandleAllocated()) return;
  if (auto uninitialize = Lookup<TUninitializeFlatSB>("UninitializeFlatSB")) uninitialize(Handle());
}

void TVxStringGrid::SetFlatScrollInfo(int bar, const SCROLLINFO& info, bool redraw) {
  if (!HandleAllocated()) return;
  SCROLLINFO copy = info;
  if (auto setInfo = Lookup<TFlatSBSetScrollInfo>("FlatSB_SetScrollInfo")) setInfo(Handle(), bar, &copy, redraw);
}

void TVxStringGrid::SetFlatScrollProp(int index, INT_PTR value, bool redraw) {
  if (!flatScrollBarsOn_ || !HandleAllocated()) return;
  if (auto setProp = Lookup<TFlatSBSetScrollProp>("FlatSB_SetScrollProp")) {
    setProp(Handle(), static_cast<UINT>(index), value, redraw);
  }
}

void TVxStringGrid::FlatShowScrollBar(int bar, bool show) {
  if (!flatScrollBarsOn_ || !HandleAllocated()) return;
  if (bar == SB_HORZ && !ShowsHorizontal(scrollBars_)) return;
  if (bar == SB_VERT && !ShowsVertical(scrollBars_)) return;
  if (auto showBar = Lookup<TFlatSBShowScrollBar>("FlatSB_ShowScrollBar")) showBar(Handle(), bar, show);
}

void TVxStringGrid::SyncFlatVScrollBar() {
  if (!ShowsVertical(scrollBars_) || !flatScrollBarsOn_ || !HandleAllocated()) return;
  SCROLLINFO info{};
  if (ReadScrollInfo(Handle(), SB_VERT, info)) SetFlatScrollInfo(SB_VERT, info, true);
}

void TVxStringGrid::SyncFlatHScrollBar() {
  if (!ShowsHorizontal(scrollBars_) || !flatScrollBarsOn_ || !HandleAllocated()) return;
  SCROLLINFO info{};
  if (ReadScrollInfo(Handle(), SB_HORZ, info)) SetFlatScrollInfo(SB_HORZ, info, true);
}

void TVxStringGrid::UpdateFlatScrollBars() {
  ApplyFlatScrollBarStyle();
  if (VisibleRowCount() + TBaseGrid::FixedRows() < RowCount()) {
    FlatShowScrollBar(SB_VERT, true);
    SyncFlatVScrollBar();
  } else {
    FlatShowScrollBar(SB_VERT, false);
  }
  if (VisibleColCount() + TBaseGrid::FixedCols() < ColCount()) {
    FlatShowScrollBar(SB_HORZ, true);
    SyncFlatHScrollBar();
  } else {
    FlatShowScrollBar(SB_HORZ, false);
  }
}

}  // namespace ui
