#include "ui/controls/smooth_tab_pager.h"

#include <windows.h>

#include <vector>

#include "framework/controls/accelerators.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/rtl/exceptions.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/gdip_status.h"
#include "ui/foundation/round_rect_path.h"
#include "ui/foundation/version_info.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

namespace {

const fw::TRect kNoTab{-1, -1, -1, -1};

enum class Edge { kTop, kLeft, kRight, kBottom };

Edge EdgeOf(TVxSmoothTabPosition position) {
  if (position <= tpTopLeft) return Edge::kTop;
  if (position <= tpLeftCenter) return Edge::kLeft;
  if (position <= tpRightCenter) return Edge::kRight;
  return Edge::kBottom;
}

bool Horizontal(TVxSmoothTabPosition position) {
  const Edge edge = EdgeOf(position);
  return edge == Edge::kTop || edge == Edge::kBottom;
}

GpRectF ToRectF(const fw::TRect& r) {
  return MakeRect(static_cast<float>(r.Left), static_cast<float>(r.Top), static_cast<float>(r.Width()),
                  static_cast<float>(r.Height()));
}

}  // namespace

void* TDbgList::Items(int index) const {
  if (index >= Count()) throw fw::Exception("Index out of bounds in list read access");
  return fw::TList::Items(index);
}

// ---- pager ----

TVxSmoothTabPager::TVxSmoothTabPager(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      tabSettings_(std::make_unique<TVxSmoothTabSettings>()),
      fill_(std::make_unique<TGDIPFill>()) {
  controlStyle_.Include(fw::csAcceptsControls);
  controlStyle_.Exclude(fw::csOpaque);
  SetDoubleBuffered(true);
  tabSettings_->OnChange = [this](fw::TObject*) { SettingsChanged(); };
  fill_->OnChange = [this](fw::TObject*) { Invalidate(); };
  SetBounds(Left(), Top(), 500, 250);
  SetTabStop(true);
}

TVxSmoothTabPager::~TVxSmoothTabPager() {
  for (int i = 0; i < PageCount(); ++i) Page(i)->pager_ = nullptr;
}

void TVxSmoothTabPager::SetParent(fw::TWinControl* value) {
  if (dynamic_cast<TVxSmoothTabPager*>(value) != nullptr) throw fw::Exception("Invalid Parent");
  fw::TCustomControl::SetParent(value);
  if (!Loading()) ready_ = true;
}

void TVxSmoothTabPager::Loaded() {
  fw::TCustomControl::Loaded();
  ready_ = true;
}

TVxSmoothTabPage* TVxSmoothTabPager::Pages(int index) const { return Page(index); }

bool TVxSmoothTabPager::IsTabVisible(int index) const { return InList(index) && Page(index)->TabVisible(); }

TVxSmoothTabPage* TVxSmoothTabPager::ActivePage() const { return InList(activeIndex_) ? Page(activeIndex_) : nullptr; }

void TVxSmoothTabPager::SetActivePage(TVxSmoothTabPage* value) {
  const int index = value != nullptr ? IndexOfPage(value) : -1;
  if (index >= 0) SelectPage(index);
}

void TVxSmoothTabPager::SelectPage(int index) {
  ChangeActivePage(index);
  Invalidate();
}

void TVxSmoothTabPager::ChangeActivePage(int index) {
  if (!InList(index) || index == activeIndex_) return;
  bool allow = true;
  if (OnChanging && ready_ && !Destroying()) OnChanging(this, activeIndex_, index, allow);
  if (!allow || !InList(index)) return;
  if (InList(activeIndex_)) {
    TVxSmoothTabPage* old = Page(activeIndex_);
    old->SetVisible(false);
    if (old->OnHide) old->OnHide(old);
  }
  activeIndex_ = index;
  TVxSmoothTabPage* shown = Page(index);
  shown->SetVisible(true);
  shown->BringToFront();
  if (OnChange && !Destroying() && !Loading()) OnChange(this);
}

int TVxSmoothTabPager::NextSelectable(int from, bool forward) const {
  const int count = PageCount();
  for (int step = 1; step <= count; ++step) {
    const int index = ((forward ? from + step : from - step) % count + count) % count;
    const TVxSmoothTabPage* page = Page(index);
    if (index != activeIndex_ && page->TabVisible() && page->TabEnabled()) return index;
  }
  return -1;
}

void TVxSmoothTabPager::SelectNextPage(bool forward) {
  if (!InList(activeIndex_)) return;
  const int next = NextSelectable(activeIndex_, forward);
  if (next >= 0) SelectPage(next);
}

int TVxSmoothTabPager::AddPage(TVxSmoothTabPage* page) {
  int index = IndexOfPage(page);
  if (index < 0) index = pages_.Add(page);
  if (page->Parent() != this) page->fw::TControl::SetParent(this);
  page->pager_ = this;
  page->SetBoundsRect(GetPageRect());
  if (index != activeIndex_) page->SetVisible(false);
  InvalidateTab(-1);
  if (TVxSmoothTabPage* active = ActivePage()) {
    active->BringToFront();
    active->Invalidate();
  }
  return index;
}

// The list and the active index change together, so the events fire only when the shown page changes:
// removing the active page shows the page that moves into its place or, when it was the last one, the
// next page with a usable tab.
void TVxSmoothTabPager::RemovePage(TVxSmoothTabPage* page) {
  const int index = IndexOfPage(page);
  if (index < 0) return;
  if (index == activeIndex_) {
    const int target = index + 1 < PageCount() ? index + 1 : NextSelectable(index, true);
    if (target >= 0) ChangeActivePage(target);
  }
  pages_.Delete(index);
  page->pager_ = nullptr;
  if (activeIndex_ > index) {
    --activeIndex_;
  } else if (activeIndex_ == index) {
    activeIndex_ = -1;  // nothing could take the removed page's place
  }
  InvalidateTab(-1);
  Invalidate();
  if (TVxSmoothTabPage* active = ActivePage()) active->Invalidate();
}

void TVxSmoothTabPager::MoveTab(int from, int to) {
  if (!InList(from) || !InList(to)) return;
  TVxSmoothTabPage* active = ActivePage();
  pages_.Move(from, to);
  if (active != nullptr) activeIndex_ = IndexOfPage(active);
  SetActivePage(active);
  InvalidateTab(-1);
  if (OnTabMoved) OnTabMoved(this, from, to);
}

// ---- geometry ----

fw::TRect TVxSmoothTabPager::GetTabBandRect() {
  const fw::TRect c = ClientRect();
  const int h = tabSettings_->Height();
  switch (EdgeOf(tabPosition_)) {
    case Edge::kTop: return fw::TRect{c.Left, c.Top, c.Right, c.Top + h};
    case Edge::kLeft: return fw::TRect{c.Left, c.Top, c.Left + h, c.Bottom};
    case Edge::kRight: return fw::TRect{c.Right - h, c.Top, c.Right, c.Bottom};
    case Edge::kBottom: break;
  }
  return fw::TRect{c.Left, c.Bottom - h, c.Right, c.Bottom};
}

fw::TRect TVxSmoothTabPager::GetTabStripRect() {
  const fw::TRect c = ClientRect();
  const TVxSmoothTabSettings& s = *tabSettings_;
  const int h = s.Height();
  const int start = s.StartMargin() + pageMargin_;
  switch (EdgeOf(tabPosition_)) {
    case Edge::kTop: return fw::TRect{c.Left + start, c.Top + kTabOffset, c.Right - s.EndMargin(), c.Top + kTabOffset + h};
    case Edge::kLeft:
      return fw::TRect{c.Left + kTabOffset, c.Top + start, c.Left + kTabOffset + h, c.Bottom - s.EndMargin()};
    case Edge::kRight:
      return fw::TRect{c.Right - h - kTabOffset, c.Top + start, c.Right - kTabOffset, c.Bottom - s.EndMargin()};
    case Edge::kBottom: break;
  }
  return fw::TRect{c.Left + start, c.Bottom - h - kTabOffset, c.Right - s.EndMargin(), c.Bottom - kTabOffset};
}

fw::TRect TVxSmoothTabPager::GetPageRect() {
  const fw::TRect c = ClientRect();
  const int h = tabSettings_->Height();
  const int pm = pageMargin_;
  if (h == 0) return c;
  switch (EdgeOf(tabPosition_)) {
    case Edge::kTop: return fw::TRect{c.Left + pm, c.Top + h, c.Right - pm, c.Bottom - pm - 1};
    case Edge::kLeft: return fw::TRect{c.Left + h, c.Top + pm + 1, c.Right - pm, c.Bottom - pm - 1};
    case Edge::kRight: return fw::TRect{c.Left + pm, c.Top + pm + 1, c.Right - h, c.Bottom - pm - 1};
    case Edge::kBottom: break;
  }
  return fw::TRect{c.Left + pm, c.Top + pm + 1, c.Right - pm, c.Bottom - h};
}

int TVxSmoothTabPager::TabLength(TVxSmoothTabPage* page) {
  const TVxSmoothTabSettings& s = *tabSettings_;
  TVxSmoothTabAppearance* look = page->TabAppearance();
  int length = s.Width();
  if (length <= 0) {
    int captionWidth = 0;
    const std::string caption = page->Caption();
    if (!caption.empty()) {
      const fw::MemoryDC dc(nullptr);
      const fw::SelectedObject font(dc.Get(), look->Appearance()->Font()->Handle());
      RECT r{0, 0, 1000, 100};
      DrawTextA(dc.Get(), caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
      captionWidth = r.right - r.left;
    }
    length = s.LeftMargin() + captionWidth + 10 + s.RightMargin();
  }
  TVxGDIPPicture* picture = look->Picture();
  if (!picture->Empty()) {
    picture->GetImageSizes();
    length += (Horizontal(tabPosition_) ? picture->Width() : picture->Height()) + look->Appearance()->Spacing();
  }
  return length;
}

// The captions are measured once for the whole run: the run's extent places it in the strip (from the strip's
// start, at its end or about its middle), then each visible tab follows the one before it.
std::vector<fw::TRect> TVxSmoothTabPager::TabRects() {
  const int count = PageCount();
  const int spacing = tabSettings_->Spacing();
  std::vector<int> lengths(count, 0);
  int extent = 0;
  for (int i = 0; i < count; ++i) {
    if (!Page(i)->TabVisible()) continue;
    lengths[i] = TabLength(Page(i));
    extent += lengths[i] + spacing;
  }
  fw::TRect strip = GetTabStripRect();
  switch (tabPosition_) {
    case tpTopRight: case tpBottomRight: strip.Left = strip.Right - extent; break;
    case tpTopCenter: case tpBottomCenter: strip.Left = (strip.Right - extent) / 2; break;
    case tpLeftBottom: case tpRightBottom: strip.Top = strip.Bottom - extent; break;
    case tpLeftCenter: case tpRightCenter: strip.Top = (strip.Bottom - extent) / 2; break;
    default: break;
  }
  const bool horizontal = Horizontal(tabPosition_);
  int at = horizontal ? strip.Left : strip.Top;
  std::vector<fw::TRect> tabs(count, kNoTab);
  for (int i = 0; i < count; ++i) {
    if (!Page(i)->TabVisible()) continue;
    tabs[i] = horizontal ? fw::TRect{at, strip.Top, at + lengths[i], strip.Bottom}
                         : fw::TRect{strip.Left, at, strip.Right, at + lengths[i]};
    at += lengths[i] + spacing;
  }
  return tabs;
}

void TVxSmoothTabPager::GetTabRect(int index, fw::TRect& rect) { rect = GetTabRect(index); }

fw::TRect TVxSmoothTabPager::GetTabRect(int index) { return IsTabVisible(index) ? TabRects()[index] : kNoTab; }

int TVxSmoothTabPager::TabAtPos(int X, int Y) {
  const std::vector<fw::TRect> tabs = TabRects();
  for (int i = 0; i < PageCount(); ++i) {
    if (tabs[i] != kNoTab && tabs[i].Contains(fw::TPoint{X, Y})) return i;
  }
  return -1;
}

void TVxSmoothTabPager::UpdatePageBounds() {
  const fw::TRect bounds = GetPageRect();
  for (int i = 0; i < PageCount(); ++i) Page(i)->SetBoundsRect(bounds);
}

void TVxSmoothTabPager::AlignControls(fw::TControl* AControl, fw::TRect& Rect) {
  fw::TCustomControl::AlignControls(AControl, Rect);
  UpdatePageBounds();
}

void TVxSmoothTabPager::SettingsChanged() {
  UpdatePageBounds();
  Invalidate();
}

void TVxSmoothTabPager::InvalidateTab(int index) {
  if (!HandleAllocated()) return;
  const RECT r = (InList(index) ? GetTabRect(index) : GetTabBandRect()).ToRECT();
  InvalidateRect(Handle(), &r, TRUE);
}

// ---- properties ----

void TVxSmoothTabPager::SetTabPosition(TVxSmoothTabPosition value) {
  if (tabPosition_ == value) return;
  tabPosition_ = value;
  UpdatePageBounds();
  Invalidate();
}

void TVxSmoothTabPager::SetPageMargin(int value) {
  if (pageMargin_ == value) return;
  pageMargin_ = value;
  Changed();  // the pages take the margin at the next layout
}

void TVxSmoothTabPager::SetShowFocus(bool value) {
  if (showFocus_ == value) return;
  showFocus_ = value;
  Invalidate();
}

void TVxSmoothTabPager::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TVxSmoothTabPager::SetFill(TGDIPFill* value) { fill_->Assign(value); }

std::uint32_t TVxSmoothTabPager::GetVersionNr() const { return MakeVersionNr(1, 2, 0, 0); }

// ---- painting ----

void TVxSmoothTabPager::Paint() {
  if (!transparent_) {
    TGPGraphics graphics(Canvas()->Handle());
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    fill_->Fill(&graphics, MakeRect(0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)), 255,
                255, 255, 255, 255);
  }
  if (tabSettings_->Height() <= 0) return;
  const std::vector<fw::TRect> tabs = TabRects();
  for (int i = 0; i < PageCount(); ++i) {
    if (tabs[i] != kNoTab) DrawTab(i, tabs[i]);
  }
}

void TVxSmoothTabPager::DrawTab(int index, const fw::TRect& tab) {
  TVxSmoothTabPage* page = Page(index);
  TVxSmoothTabAppearance* look = page->TabAppearance();
  TGDIPButton* painter = look->Appearance();
  const Edge edge = EdgeOf(tabPosition_);
  const bool vertical = edge == Edge::kLeft || edge == Edge::kRight;
  const bool leftSide = edge == Edge::kLeft;
  TFillRoundingType rounding = edge == Edge::kTop ? rtTop : edge == Edge::kLeft ? rtLeft : edge == Edge::kRight ? rtRight
                                                                                                                  : rtBottom;
  if (page->HasColorRecord()) rounding = rtNone;

  const bool statusShown = look->Status()->Visible();
  const int hs = statusShown ? look->HorizontalSpacing() : 0;
  const int vs = statusShown ? look->VerticalSpacing() : 0;
  const fw::TRect face{tab.Left - hs, tab.Top - vs, tab.Right + hs, tab.Bottom + vs};

  fw::TColor fillColor;
  fw::TColor bevelColor;
  fw::TColor textColor = painter->Font()->Color();
  const bool enabled = page->TabEnabled();
  if (!enabled) {
    fillColor = look->ColorDisabled();
    bevelColor = look->BevelColorDisabled();
    textColor = look->ColorTextDisabled();
  } else if (index == activeIndex_) {
    fillColor = look->ColorSelected();
    bevelColor = look->BevelColorSelected();
    textColor = look->ColorTextSelected();
  } else if (index == hotIndex_) {
    fillColor = look->ColorHot();
    bevelColor = look->BevelColorHot();
    textColor = look->ColorTextHot();
  } else {
    fillColor = look->Color();
    bevelColor = look->BevelColor();
  }
  const bool down = enabled && index == downIndex_;
  if (down) bevelColor = look->BevelColorDown();

  HDC dc = Canvas()->Handle();
  const std::string caption = page->Caption();
  // A side tab's caption is written by the pager in a turned font; the painter only leaves room for it.
  fw::GdiObject<HFONT> turnedFont;
  int textHeight = 0;
  int captionWidth = 0;
  if (vertical) {
    LOGFONTA lf{};
    GetObjectA(painter->Font()->Handle(), sizeof(lf), &lf);
    lf.lfEscapement = lf.lfOrientation = leftSide ? 900 : -900;
    turnedFont = fw::GdiObject<HFONT>(CreateFontIndirectA(&lf));
    const fw::SelectedObject selected(dc, turnedFont.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    captionWidth = caption.empty() ? 0 : size.cx;
    GetTextExtentPoint32A(dc, "gh", 2, &size);
    textHeight = size.cy;
  }

  TVxGDIPPicture* picture = look->Picture();
  {
    TGPGraphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    painter->Draw(&graphics, caption, face.Left, face.Top, face.Width(), face.Height(), hs, vs, fillColor,
                  look->ColorDown(), bevelColor, textColor, look->Shadow(), down, look->Bevel(), vertical, leftSide,
                  rounding, picture, textHeight, captionWidth, true,
                  enabled ? painter->ImageIndex() : painter->DisabledImageIndex(),
                  enabled ? painter->PictureName() : painter->DisabledPictureName());
  }

  if (vertical) {
    const fw::TRect box{tab.Left + hs, tab.Top + vs, tab.Right - hs, tab.Bottom - vs};
    int x = box.Left + (box.Width() - textHeight) / 2;
    int y = box.Top + (box.Height() - captionWidth) / 2;
    if (!picture->Empty()) {
      picture->GetImageSizes();
      const int pw = picture->Width();
      const int ph = picture->Height();
      const int sp = painter->Spacing();
      switch (TurnedLayout(painter->Layout(), leftSide)) {
        case blPictureLeft: x = box.Left + (box.Width() - textHeight - pw - sp) / 2 + pw + sp; break;
        case blPictureRight: x = box.Left + (box.Width() - textHeight - pw - sp) / 2; break;
        case blPictureBottom: y = box.Top + (box.Height() - captionWidth - sp - ph) / 2; break;
        case blPictureTop: y = box.Top + (box.Height() - captionWidth - sp - ph) / 2 + ph + sp; break;
        default: break;
      }
    }
    const fw::SelectedObject selected(dc, turnedFont.Get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, fw::ColorToRGB(textColor));
    if (leftSide) {
      TextOutA(dc, x, y + captionWidth, caption.c_str(), static_cast<int>(caption.size()));
    } else {
      TextOutA(dc, x + textHeight, y, caption.c_str(), static_cast<int>(caption.size()));
    }
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
  }

  if (statusShown) {
    TVxSmoothTabStatus* status = look->Status();
    TGPGraphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    TGDIPStatus* bubble = status->Appearance();
    bubble->CalculateSize(&graphics, status->Caption());
    bubble->Draw(&graphics, tab.Right - bubble->GetWidth() + status->OffsetLeft(), tab.Top + status->OffsetTop(), 0, 0,
                 true, status->Caption());
  }

  if (TabStop() && focused_ && showFocus_ && index == activeIndex_) {
    TGPGraphics graphics(dc);
    graphics.SetSmoothingMode(SmoothingModeDefault);
    const std::unique_ptr<TGPGraphicsPath> outline = CreateRoundRectPath(ToRectF(face), 8, rounding);
    TGPPen pen(ColorToARGB(fw::clBlack), 1.0f);
    pen.SetDashStyle(DashStyleDot);
    graphics.DrawPath(&pen, outline.get());
  }
}

// ---- messages, keys and mouse ----

void TVxSmoothTabPager::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (transparent_ && Parent() != nullptr) {
        PaintTransparently(this, Message, [this](fw::TMessage& m) { fw::TCustomControl::Dispatch(m); });
        return;
      }
      break;
    case WM_SIZE:
      fw::TCustomControl::Dispatch(Message);
      UpdatePageBounds();
      return;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_KEYDOWN:
      switch (Message.WParam) {
        case VK_LEFT: case VK_UP: SelectNextPage(false); break;
        case VK_RIGHT: case VK_DOWN: SelectNextPage(true); break;
        case VK_TAB:
          if (Parent() != nullptr) {
            fw::TWinControl* next = Parent()->FindNextControl(this, true, true);
            if (next != nullptr && next != this && next->CanFocus()) next->SetFocus();
          }
          break;
        default: break;
      }
      break;
    case fw::CM_DIALOGCHAR:
      for (int i = 0; i < PageCount(); ++i) {
        TVxSmoothTabPage* page = Page(i);
        if (fw::IsAccel(Message.WParam, page->Caption()) && page->TabVisible() && CanFocus()) {
          SelectPage(i);
          Message.Result = 1;
          return;
        }
      }
      break;
    case fw::CM_MOUSELEAVE: {
      fw::TCustomControl::Dispatch(Message);
      POINT cursor{};
      GetCursorPos(&cursor);
      const fw::TPoint p = ScreenToClient(fw::TPoint{cursor.x, cursor.y});
      fw::TRect strip = GetTabStripRect();
      switch (EdgeOf(tabPosition_)) {
        case Edge::kTop: strip.Bottom -= kTabOffset; break;
        case Edge::kLeft: strip.Right -= kTabOffset; break;
        case Edge::kRight: strip.Left += kTabOffset; break;
        case Edge::kBottom: strip.Top += kTabOffset; break;
      }
      if (!strip.Contains(p)) {
        if (hotIndex_ == activeIndex_) {
          hotIndex_ = -1;
          Invalidate();
        } else if (hotIndex_ != -1) {
          hotIndex_ = -1;
          InvalidateTab(-1);
        }
      }
      return;
    }
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

void TVxSmoothTabPager::DoEnter() {
  focused_ = true;
  Changed();
  InvalidateTab(-1);
  fw::TCustomControl::DoEnter();
}

void TVxSmoothTabPager::DoExit() {
  focused_ = false;
  Changed();
  InvalidateTab(-1);
  fw::TCustomControl::DoExit();
}

void TVxSmoothTabPager::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  if (TabStop() && HandleAllocated() && CanFocus()) SetFocus();
  downIndex_ = -1;
  if (!GetTabBandRect().Contains(fw::TPoint{X, Y})) return;
  const int hit = TabAtPos(X, Y);
  if (hit < 0) return;
  const bool enabled = Page(hit)->TabEnabled();
  downIndex_ = hit;
  InvalidateTab(hit);
  if (hit != activeIndex_ && enabled) {
    ChangeActivePage(hit);
    Invalidate();
  }
  if (Button == fw::mbLeft && enabled && tabReorder_) BeginDrag(false, 4);
}

void TVxSmoothTabPager::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  if (!GetTabBandRect().Contains(fw::TPoint{X, Y})) return;
  const int hit = TabAtPos(X, Y);
  const auto clearHotAndDown = [this] {
    if (downIndex_ != -1) {
      downIndex_ = -1;
      InvalidateTab(-1);
    }
    if (hotIndex_ != -1) {
      hotIndex_ = -1;
      InvalidateTab(-1);
    }
  };
  if (hit != -1 && hit != hotIndex_) {
    clearHotAndDown();
    if (Page(hit)->TabEnabled()) {
      hotIndex_ = hit;
      Invalidate();
    }
  } else if (hit == -1 && hotIndex_ != -1) {
    clearHotAndDown();
  }
}

void TVxSmoothTabPager::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
  if (downIndex_ == -1) return;
  downIndex_ = -1;
  InvalidateTab(-1);
}

void TVxSmoothTabPager::DragOver(fw::TObject* Source, int X, int Y, fw::TDragState State, bool& Accept) {
  fw::TCustomControl::DragOver(Source, X, Y, State, Accept);
  Accept = TabAtPos(X, Y) >= 0 && Source == this;
}

void TVxSmoothTabPager::DragDrop(fw::TObject* Source, int X, int Y) {
  fw::TCustomControl::DragDrop(Source, X, Y);
  const int hit = TabAtPos(X, Y);
  if (!InList(activeIndex_) || !InList(hit) || hit == activeIndex_) return;
  MoveTab(activeIndex_, hit);
  Invalidate();
  if (TVxSmoothTabPage* active = ActivePage()) active->Invalidate();
}

}  // namespace ui
