#include "ui/controls/smooth_tab_pager.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace ui {

TVxSmoothTabPage::TVxSmoothTabPage(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  SetAlign(fw::alClient);
  SetVisible(false);
}

TVxSmoothTabPage::~TVxSmoothTabPage() { SetTabPager(nullptr); }

void TVxSmoothTabPage::SetTabPager(TVxSmoothTabPager* value) {
  if (pager_ == value) return;
  if (pager_ != nullptr) pager_->RemovePage(this);
  pager_ = value;
  if (pager_ != nullptr) {
    SetParent(pager_);
    pager_->AddPage(this);
  }
}

void TVxSmoothTabPage::SetTabVisible(bool value) {
  if (tabVisible_ == value) return;
  tabVisible_ = value;
  if (pager_ != nullptr) pager_->Invalidate();
}

int TVxSmoothTabPage::PageIndex() const {
  if (pager_ == nullptr) return -1;
  const auto& pages = pager_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

TVxSmoothTabPager::TVxSmoothTabPager(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 400, 300);
}

TVxSmoothTabPager::~TVxSmoothTabPager() {
  for (TVxSmoothTabPage* page : pages_) page->pager_ = nullptr;
}

TVxSmoothTabPage* TVxSmoothTabPager::Pages(int index) const {
  if (index < 0 || index >= PageCount()) throw fw::EListError(fw::Format("List index out of bounds (%d)", index));
  return pages_[static_cast<std::size_t>(index)];
}

TVxSmoothTabPage* TVxSmoothTabPager::ActivePage() const {
  if (activeIndex_ < 0 || activeIndex_ >= PageCount()) return nullptr;
  return pages_[static_cast<std::size_t>(activeIndex_)];
}

void TVxSmoothTabPager::SetActivePage(TVxSmoothTabPage* value) {
  if (value == nullptr || value->pager_ != this) return;
  SetActivePageIndex(value->PageIndex());
}

void TVxSmoothTabPager::SetActivePageIndex(int value) {
  activeIndex_ = value;
  ShowActive();
}

void TVxSmoothTabPager::SelectPage(int index) {
  if (index < 0 || index >= PageCount() || index == activeIndex_ || !Enabled()) return;
  bool allow = true;
  if (OnChanging) OnChanging(this, activeIndex_, index, allow);
  if (allow) SetActivePageIndex(index);
}

void TVxSmoothTabPager::AddPage(TVxSmoothTabPage* page) {
  pages_.push_back(page);
  if (activeIndex_ < 0) activeIndex_ = 0;
  ShowActive();
}

void TVxSmoothTabPager::RemovePage(TVxSmoothTabPage* page) {
  const auto at = std::find(pages_.begin(), pages_.end(), page);
  if (at == pages_.end()) return;
  const int index = static_cast<int>(at - pages_.begin());
  pages_.erase(at);
  if (index < activeIndex_ || activeIndex_ >= PageCount()) --activeIndex_;
  ShowActive();
}

void TVxSmoothTabPager::ShowActive() {
  for (int i = 0; i < PageCount(); ++i) pages_[static_cast<std::size_t>(i)]->SetVisible(i == activeIndex_);
  Invalidate();
}

std::vector<fw::TRect> TVxSmoothTabPager::TabRects() {
  std::vector<fw::TRect> rects(pages_.size());
  int x = 2;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (!pages_[i]->TabVisible()) continue;
    const int width = Canvas()->TextWidth(pages_[i]->Caption()) + 16;
    rects[i] = fw::TRect{x, 2, x + width, kTabHeight};
    x += width + 2;
  }
  return rects;
}

int TVxSmoothTabPager::TabAt(int x, int y) {
  const std::vector<fw::TRect> rects = TabRects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const fw::TRect& r = rects[i];
    if (!r.IsEmpty() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return static_cast<int>(i);
  }
  return -1;
}

void TVxSmoothTabPager::AlignControls(fw::TControl* AControl, fw::TRect& Rect) {
  Rect.Top += kTabHeight;
  fw::TCustomControl::AlignControls(AControl, Rect);
}

void TVxSmoothTabPager::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button == fw::mbLeft) SelectPage(TabAt(X, Y));
}

void TVxSmoothTabPager::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(fw::clBtnFace);
  canvas->FillRect(ClientRect());
  const std::vector<fw::TRect> rects = TabRects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (rects[i].IsEmpty()) continue;
    canvas->Brush()->SetColor(static_cast<int>(i) == activeIndex_ ? fw::clWindow : fw::clBtnFace);
    canvas->Rectangle(rects[i]);
    canvas->Brush()->SetStyle(fw::bsClear);
    canvas->TextOut(rects[i].Left + 8, rects[i].Top + 5, pages_[i]->Caption());
    canvas->Brush()->SetStyle(fw::bsSolid);
  }
}

}  // namespace ui
