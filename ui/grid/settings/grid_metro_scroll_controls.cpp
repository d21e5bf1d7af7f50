// The two thin scroll strips that replace the window's scroll bars while ScrollType is ssMetro.
#include "framework/classes/object.h"
#include "ui/grid/model/string_grid.h"
#include "ui/grid/settings/scroll_control.h"

namespace ui {

namespace {

TScrollControl* MakeStrip(TVxStringGrid* grid, TScrollDirection direction) {
  auto* strip = fw::Create<TScrollControl>(grid);
  strip->Direction = direction;
  if (direction == sdVertical) {
    strip->SetWidth(6);
    strip->SetAlign(fw::alRight);
  } else {
    strip->SetHeight(6);
    strip->SetAlign(fw::alBottom);
  }
  strip->SetParent(grid);
  strip->SetDoubleBuffered(true);
  strip->SetVisible(true);
  return strip;
}

}  // namespace

void TVxStringGrid::CreateMetroScrollControls() {
  if (vertScrollControl_ == nullptr) vertScrollControl_ = MakeStrip(this, sdVertical);
  if (horzScrollControl_ == nullptr) horzScrollControl_ = MakeStrip(this, sdHorizontal);
}

void TVxStringGrid::FreeMetroScrollControls() {
  fw::FreeAndNil(vertScrollControl_);
  fw::FreeAndNil(horzScrollControl_);
}

}  // namespace ui
