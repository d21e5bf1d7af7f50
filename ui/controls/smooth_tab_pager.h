// TVxSmoothTabPager: pages with painted tabs along one of the pager's four edges; one page, the active
// one, is shown at a time. Pages join a pager through their TabPager link and stay owned by the form.
// A page whose TabVisible is false has no tab but can still be made active by the program. Page
// switches ask OnChanging (never while the form loads) and report OnChange; the old page is hidden
// (OnHide) before the new one shows (OnShow). Tabs switch pages on a click, on the arrow keys and on
// their captions' accelerators; with TabReorder they can be dragged to another place. With Transparent
// the pager and its pages paint over their parent's image. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/list.h"
#include "framework/controls/custom_control.h"
#include "ui/controls/smooth_tab_appearance.h"
#include "ui/foundation/control_style.h"
#include "ui/foundation/fill_types.h"
#include "ui/foundation/version_info.h"

namespace ui {

class TGDIPFill;
class TGPGraphics;
class TVxSmoothTabPager;

// A list whose read refuses an index at or above Count with "Index out of bounds in list read access"
// (a negative index gets the list's own error).
class TDbgList : public fw::TList {
 public:
  void* Items(int index) const;
};

class TVxSmoothTabPage : public fw::TCustomControl, public IControlStyle {
 public:
  explicit TVxSmoothTabPage(fw::TComponent* AOwner);
  ~TVxSmoothTabPage() override;
  // Caption, ImageIndex, page and tab appearance, TabVisible and TabEnabled of another page.
  void Assign(fw::TPersistent* Source) override;

  TVxSmoothTabPager* TabPager() const { return pager_; }
  // Takes the page off its pager and puts it at the end of value's pages (nullptr: no pager, no parent).
  // A page joining a pager at run time copies the look of the pager's former last page.
  void SetTabPager(TVxSmoothTabPager* value);
  // A pager or a page of a pager as parent moves the page to that pager; dropped on a page of its own
  // pager, the page takes that page's place in the tab order. "Invalid Parent" when that cannot be done.
  void SetParent(fw::TWinControl* value) override;

  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  bool TabEnabled() const { return tabEnabled_; }
  void SetTabEnabled(bool value);
  using fw::TControl::Caption;
  void SetCaption(const std::string& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // The index in the pager's list, -1 without a pager; writing an index inside the list moves the tab.
  int PageIndex() const;
  void SetPageIndex(int value);
  TVxSmoothTabAppearance* TabAppearance() const { return tabAppearance_.get(); }
  void SetTabAppearance(TVxSmoothTabAppearance* value) { tabAppearance_->Assign(value); }
  TGDIPFill* PageAppearance() const { return pageAppearance_.get(); }
  void SetPageAppearance(TGDIPFill* value);
  // Set by ApplyStyleColors, cleared by ApplyStyle: the tab is then drawn with square corners.
  bool HasColorRecord() const { return colorRecord_; }

  // Style presets 0..15 and a colour record.
  void ApplyStyle(int Style);
  void ApplyStyleColors(const TControlFaceColors& Colors);
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }

  fw::TNotifyEvent OnShow;
  fw::TNotifyEvent OnHide;

 protected:
  void ReadState(fw::TReader* Reader) override;
  void AdjustClientRect(fw::TRect& Rect) override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void Dispatch(fw::TMessage& Message) override;
  void Paint() override;

 private:
  friend class TVxSmoothTabPager;
  void InvalidateWithPager();

  bool colorRecord_ = false;
  bool tabVisible_ = true;
  TVxSmoothTabPager* pager_ = nullptr;
  bool tabEnabled_ = true;
  int imageIndex_ = -1;
  bool inParentChange_ = false;
  std::unique_ptr<TVxSmoothTabAppearance> tabAppearance_;
  std::unique_ptr<TGDIPFill> pageAppearance_;
};

enum TVxSmoothTabPosition {
  tpTopRight, tpTopCenter, tpTopLeft, tpLeftTop, tpLeftBottom, tpLeftCenter, tpRightTop, tpRightBottom,
  tpRightCenter, tpBottomLeft, tpBottomRight, tpBottomCenter
};

using TTabChangingEvent = std::function<void(fw::TObject* Sender, int FromPage, int ToPage, bool& AllowChange)>;
using TTabMovedEvent = std::function<void(fw::TObject* Sender, int FromPos, int ToPos)>;
using TDrawTabEvent = std::function<void(fw::TObject* Sender, int TabIndex, const fw::TRect& TabRect)>;

class TVxSmoothTabPager : public fw::TCustomControl,
                          public IControlStyle,
                          public IControlFaceColors,
                          public TVersionedComponent {
 public:
  explicit TVxSmoothTabPager(fw::TComponent* AOwner);
  ~TVxSmoothTabPager() override;
  // "Invalid Parent" inside another pager.
  void SetParent(fw::TWinControl* value) override;

  int PageCount() const { return pages_.Count(); }
  TVxSmoothTabPage* Pages(int index) const;
  int IndexOfPage(TVxSmoothTabPage* page) const { return pages_.IndexOf(page); }
  bool IsTabVisible(int index) const;
  // The page shown; nullptr when the active index lies outside the page list.
  TVxSmoothTabPage* ActivePage() const;
  // Shows a page of this pager (with or without a tab); nullptr and foreign pages are ignored.
  void SetActivePage(TVxSmoothTabPage* value);
  int ActivePageIndex() const { return activeIndex_; }
  void SelectPage(int index);
  // The page switch with its events; nothing for an index outside the list or the active one.
  void ChangeActivePage(int index);
  // The next (previous) page with a visible and enabled tab, cycling.
  void SelectNextPage(bool forward);
  int AddPage(TVxSmoothTabPage* page);
  void RemovePage(TVxSmoothTabPage* page);
  // Moves a tab; the same page stays active.
  void MoveTab(int from, int to);

  // The tab of a page in client coordinates; (-1, -1, -1, -1) outside the list or for a hidden tab.
  void GetTabRect(int index, fw::TRect& rect);
  fw::TRect GetTabRect(int index);
  // The first tab holding the point, -1 for none.
  int TabAtPos(int X, int Y);
  fw::TRect GetTabBandRect();
  fw::TRect GetTabStripRect();
  fw::TRect GetPageRect();

  TVxSmoothTabSettings* TabSettings() const { return tabSettings_.get(); }
  void SetTabSettings(TVxSmoothTabSettings* value) { tabSettings_->Assign(value); }
  TVxSmoothTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TVxSmoothTabPosition value);
  int PageMargin() const { return pageMargin_; }
  void SetPageMargin(int value);
  bool TabReorder() const { return tabReorder_; }
  void SetTabReorder(bool value) { tabReorder_ = value; }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TGDIPFill* Fill() const { return fill_.get(); }
  void SetFill(TGDIPFill* value);

  std::uint32_t GetVersionNr() const override;

  // Style presets 0..15 and a colour record, for the pager and every page.
  void ApplyStyle(int Style);
  void ApplyStyleColors(const TControlFaceColors& Colors);
  void SetComponentStyle(int Style) override { ApplyStyle(Style); }
  void SetColors(const TControlFaceColors& Colors) override { ApplyStyleColors(Colors); }

  // The tab under the mouse and the tab being pressed, -1 for none.
  int HotIndex() const { return hotIndex_; }
  int DownIndex() const { return downIndex_; }

  TTabChangingEvent OnChanging;
  fw::TNotifyEvent OnChange;
  TTabMovedEvent OnTabMoved;
  TDrawTabEvent OnDrawTab;  // kept for the forms that store it; the pager never raises it

  // Mouse and drag handling (public so that tests and the framework's drag reach them).
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void DragOver(fw::TObject* Source, int X, int Y, fw::TDragState State, bool& Accept) override;
  void DragDrop(fw::TObject* Source, int X, int Y) override;

 protected:
  void Loaded() override;
  void AlignControls(fw::TControl* AControl, fw::TRect& Rect) override;
  void Dispatch(fw::TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void Paint() override;

 private:
  friend class TVxSmoothTabPage;
  TVxSmoothTabPage* Page(int index) const { return static_cast<TVxSmoothTabPage*>(pages_.Items(index)); }
  bool InList(int index) const { return index >= 0 && index < PageCount(); }
  bool Destroying() const { return ComponentState().Contains(fw::csDestroying); }
  bool Loading() const { return ComponentState().Contains(fw::csLoading); }
  // Every page's tab in client coordinates, (-1, -1, -1, -1) for a hidden one.
  std::vector<fw::TRect> TabRects();
  int TabLength(TVxSmoothTabPage* page);
  int NextSelectable(int from, bool forward) const;
  void UpdatePageBounds();
  void InvalidateTab(int index);
  void DrawTab(int index, const fw::TRect& tab);
  void SettingsChanged();

  bool focused_ = false;
  int pageMargin_ = 1;
  TDbgList pages_;
  bool ready_ = false;
  std::unique_ptr<TVxSmoothTabSettings> tabSettings_;
  int activeIndex_ = -1;
  int hotIndex_ = -1;
  int downIndex_ = -1;
  TVxSmoothTabPosition tabPosition_ = tpTopCenter;
  static constexpr int kTabOffset = 4;
  bool tabReorder_ = false;
  bool showFocus_ = true;
  bool transparent_ = false;
  std::unique_ptr<TGDIPFill> fill_;
};

}  // namespace ui
