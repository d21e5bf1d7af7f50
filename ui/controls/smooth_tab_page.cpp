// The pages of the smooth tab pager: joining and leaving a pager, moving in the tab order, painting the
// page fill and the line that joins the active tab to its page.
#include <string>

#include "framework/rtl/exceptions.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

TVxSmoothTabPage::TVxSmoothTabPage(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      tabAppearance_(std::make_unique<TVxSmoothTabAppearance>()),
      pageAppearance_(std::make_unique<TGDIPFill>()) {
  controlStyle_.Include(fw::csAcceptsControls);
  controlStyle_.Exclude(fw::csOpaque);
  SetDoubleBuffered(true);
  tabAppearance_->OnChange = [this](fw::TObject*) { InvalidateWithPager(); };
  pageAppearance_->OnChange = [this](fw::TObject*) { Invalidate(); };
}

TVxSmoothTabPage::~TVxSmoothTabPage() {
  if (pager_ != nullptr) pager_->RemovePage(this);
}

void TVxSmoothTabPage::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxSmoothTabPage*>(Source);
  if (other == nullptr || other == this) return;
  SetCaption(other->Caption());
  SetImageIndex(other->imageIndex_);
  pageAppearance_->Assign(other->pageAppearance_.get());
  SetTabVisible(other->tabVisible_);
  SetTabEnabled(other->tabEnabled_);
  tabAppearance_->Assign(other->tabAppearance_.get());
  Changed();
}

void TVxSmoothTabPage::InvalidateWithPager() {
  Invalidate();
  if (pager_ != nullptr) pager_->Invalidate();
}

void TVxSmoothTabPage::SetTabPager(TVxSmoothTabPager* value) {
  if (pager_ == value) return;
  if (pager_ != nullptr) pager_->RemovePage(this);
  SetParent(value);
  if (value == nullptr) return;
  value->AddPage(this);
  const int count = value->PageCount();
  if (!ComponentState().Contains(fw::csLoading) && count >= 2) {
    TVxSmoothTabPage* former = value->Page(count - 2);
    if (former != this) {
      tabAppearance_->Assign(former->tabAppearance_.get());
      pageAppearance_->Assign(former->pageAppearance_.get());
    }
  }
}

void TVxSmoothTabPage::SetParent(fw::TWinControl* value) {
  auto* onPage = dynamic_cast<TVxSmoothTabPage*>(value);
  auto* onPager = dynamic_cast<TVxSmoothTabPager*>(value);
  fw::TWinControl* parent = value;
  if ((onPage != nullptr || onPager != nullptr) && !inParentChange_) {
    TVxSmoothTabPager* target = onPager != nullptr ? onPager : onPage->pager_;
    if (pager_ != nullptr && target != nullptr) {
      if (target != pager_) {
        inParentChange_ = true;
        try {
          SetTabPager(target);
        } catch (...) {
          inParentChange_ = false;
          throw;
        }
        inParentChange_ = false;
        if (pager_ != target) throw fw::Exception("Invalid Parent");
      }
      if (onPage != nullptr) {
        const int mine = pager_->IndexOfPage(this);
        const int theirs = pager_->IndexOfPage(onPage);
        if (!pager_->InList(mine) || !pager_->InList(theirs)) {
          throw fw::Exception("Invalid Parent " + std::to_string(mine) + ":" + std::to_string(theirs));
        }
        pager_->MoveTab(mine, theirs);
        parent = pager_;
      }
      pager_->Invalidate();
      Invalidate();
    }
  }
  fw::TCustomControl::SetParent(parent);
}

void TVxSmoothTabPage::ReadState(fw::TReader* Reader) {
  fw::TCustomControl::ReadState(Reader);
  if (auto* pager = dynamic_cast<TVxSmoothTabPager*>(Reader->Parent())) SetTabPager(pager);
}

void TVxSmoothTabPage::SetTabVisible(bool value) {
  if (tabVisible_ == value) return;
  tabVisible_ = value;
  if (pager_ == nullptr) return;
  if (TVxSmoothTabPage* active = pager_->ActivePage()) active->Invalidate();
  InvalidateWithPager();
}

void TVxSmoothTabPage::SetTabEnabled(bool value) {
  if (tabEnabled_ == value) return;
  tabEnabled_ = value;
  InvalidateWithPager();
}

void TVxSmoothTabPage::SetCaption(const std::string& value) {
  if (Caption() == value) return;
  fw::TControl::SetCaption(value);
  InvalidateWithPager();
}

void TVxSmoothTabPage::SetImageIndex(int value) {
  imageIndex_ = value;
  if (pager_ != nullptr) pager_->Invalidate();
}

int TVxSmoothTabPage::PageIndex() const { return pager_ != nullptr ? pager_->IndexOfPage(const_cast<TVxSmoothTabPage*>(this)) : -1; }

void TVxSmoothTabPage::SetPageIndex(int value) {
  if (pager_ == nullptr || !pager_->InList(value)) return;
  pager_->MoveTab(PageIndex(), value);
  pager_->Invalidate();
  Invalidate();
}

void TVxSmoothTabPage::SetPageAppearance(TGDIPFill* value) { pageAppearance_->Assign(value); }

void TVxSmoothTabPage::AdjustClientRect(fw::TRect& Rect) {
  Rect = fw::TRect{Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2};
}

void TVxSmoothTabPage::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  tabAppearance_->Appearance()->Notification(this, AComponent, Operation);
  fw::TCustomControl::Notification(AComponent, Operation);
}

void TVxSmoothTabPage::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (pager_ != nullptr && pager_->Transparent()) {
        PaintTransparently(this, Message, [this](fw::TMessage& m) { fw::TCustomControl::Dispatch(m); });
        return;
      }
      break;
    case fw::CM_VISIBLECHANGED:
      fw::TCustomControl::Dispatch(Message);
      if (Visible() && OnShow) OnShow(this);
      return;
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

void TVxSmoothTabPage::Paint() {
  TGPGraphics graphics(Canvas()->Handle());
  graphics.SetSmoothingMode(SmoothingModeAntiAlias);
  TGDIPFill* fill = pageAppearance_.get();
  fill->Fill(&graphics, MakeRect(0, 0, static_cast<float>(Width() - 1), static_cast<float>(Height() - 1)), 255, 255,
             255, 255, 255);
  if (pager_ == nullptr || pager_->ActivePage() != this || pager_->TabSettings()->Height() <= 0) return;
  const fw::TRect tab = pager_->GetTabRect(pager_->ActivePageIndex());
  if (tab == fw::TRect{-1, -1, -1, -1}) return;  // the active page has no tab to join
  // One line over the page border next to the active tab joins the two.
  const float width = static_cast<float>(fill->BorderWidth() + 1);
  TGPPen first(MakeAlphaColor(fill->Opacity(), fill->Color()), width);
  const bool secondColour = fill->GradientType() != gtSolid && fill->ColorTo() != fw::clNone;
  TGPPen second(secondColour ? MakeAlphaColor(fill->OpacityTo(), fill->ColorTo())
                             : MakeAlphaColor(fill->Opacity(), fill->Color()),
                width);
  const int b = tabAppearance_->Bevel() ? 1 : 0;
  const int pm = pager_->PageMargin();
  const TVxGradientType gradient = fill->GradientType();
  const bool noTo = fill->ColorTo() == fw::clNone;
  const bool acrossOk = gradient == gtSolid || gradient == gtVertical || noTo;    // top and bottom tabs
  const bool alongOk = gradient == gtSolid || gradient == gtHorizontal || noTo;   // side tabs
  const auto f = [](int v) { return static_cast<float>(v); };
  switch (pager_->TabPosition()) {
    case tpTopRight: case tpTopCenter: case tpTopLeft:
      if (acrossOk) graphics.DrawLine(&first, f(tab.Left - pm + b), 0, f(tab.Right - pm - b), 0);
      break;
    case tpLeftTop: case tpLeftBottom: case tpLeftCenter:
      if (alongOk) graphics.DrawLine(&first, 0, f(tab.Top + b), 0, f(tab.Bottom - b));
      break;
    case tpRightTop: case tpRightBottom: case tpRightCenter:
      if (alongOk) graphics.DrawLine(&second, f(Width() - 1), f(tab.Top + b), f(Width() - 1), f(tab.Bottom - b));
      break;
    default:
      if (acrossOk) {
        graphics.DrawLine(&second, f(tab.Left - pm + b), f(Height() - 1), f(tab.Right - pm - b), f(Height() - 1));
      }
      break;
  }
}

}  // namespace ui
