// TVxSmoothTabPager: pages with a row of tabs above them; one page is shown at a time. A page whose
// TabVisible is false has no tab (it can still be made active by the program). Choosing a tab asks
// OnChanging first, which may refuse the change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/controls/custom_control.h"

namespace ui {

class TVxSmoothTabPager;

class TVxSmoothTabPage : public fw::TCustomControl {
 public:
  explicit TVxSmoothTabPage(fw::TComponent* AOwner);
  ~TVxSmoothTabPage() override;

  TVxSmoothTabPager* TabPager() const { return pager_; }
  // Puts the page on a pager (at the end of its pages), or takes it off with nullptr.
  void SetTabPager(TVxSmoothTabPager* value);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int PageIndex() const;

 private:
  friend class TVxSmoothTabPager;
  TVxSmoothTabPager* pager_ = nullptr;
  bool tabVisible_ = true;
};

using TTabChangingEvent = std::function<void(fw::TObject* Sender, int FromPage, int ToPage, bool& AllowChange)>;

class TVxSmoothTabPager : public fw::TCustomControl {
 public:
  static constexpr int kTabHeight = 26;

  explicit TVxSmoothTabPager(fw::TComponent* AOwner);
  ~TVxSmoothTabPager() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TVxSmoothTabPage* Pages(int index) const;  // EListError outside the list
  // The page shown; nullptr when the active index lies outside the page list.
  TVxSmoothTabPage* ActivePage() const;
  void SetActivePage(TVxSmoothTabPage* value);
  int ActivePageIndex() const { return activeIndex_; }
  void SetActivePageIndex(int value);
  // The user's choice of a tab: asks OnChanging, then activates the page when allowed.
  void SelectPage(int index);
  // The page whose tab lies at the point (client coordinates), -1 for none.
  int TabAt(int x, int y);

  TTabChangingEvent OnChanging;

 protected:
  void Paint() override;
  void AlignControls(fw::TControl* AControl, fw::TRect& Rect) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;

 private:
  friend class TVxSmoothTabPage;
  void AddPage(TVxSmoothTabPage* page);
  void RemovePage(TVxSmoothTabPage* page);
  void ShowActive();
  std::vector<fw::TRect> TabRects();

  std::vector<TVxSmoothTabPage*> pages_;
  int activeIndex_ = -1;
};

}  // namespace ui
