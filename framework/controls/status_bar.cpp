#include "framework/controls/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "framework/graphics/canvas_scope.h"

namespace fw {

void TStatusPanel::SetText(const std::string& value) {
  if (text_ == value) return;
  text_ = value;
  Changed(false);
}

void TStatusPanel::SetWidth(int value) {
  if (width_ == value) return;
  width_ = value;
  Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  if (bevel_ == value) return;
  bevel_ = value;
  Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  if (style_ == value) return;
  style_ = value;
  Changed(false);
}

void TStatusPanel::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TStatusPanel*>(Source);
  if (other == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  text_ = other->text_;
  width_ = other->width_;
  alignment_ = other->alignment_;
  bevel_ = other->bevel_;
  style_ = other->style_;
  Changed(true);
}

TStatusPanels::TStatusPanels(TStatusBar* statusBar)
    : TCollection(ItemClass<TStatusPanel>(), statusBar), statusBar_(statusBar) {}

// A change to one panel's text or look rewrites that panel only; anything else lays the bar out again.
void TStatusPanels::Update(TCollectionItem* Item) {
  if (Item != nullptr) {
    statusBar_->UpdatePanel(Item->Index());
  } else {
    statusBar_->UpdatePanels();
  }
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner), panels_(this) {
  SetBoundsFields(0, 0, 200, 19);
  controlStyle_.Exclude(csSetCaption);
  SetColor(clBtnFace);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, STATUSCLASSNAMEA);
  // Our alignment places the bar; the control must not move itself.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (sizeGrip_) Params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  SendMessageA(window, SB_SIMPLE, simplePanel_, 0);
  if (simplePanel_) {
    SendMessageA(window, SB_SETTEXTA, SB_SIMPLEID | SBT_NOBORDERS, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    return;
  }
  const int count = panels_.Count();
  std::vector<int> edges(static_cast<size_t>(count > 0 ? count : 1), -1);
  int right = 0;
  for (int i = 0; i < count; ++i) {
    right += panels_[i]->Width();
    edges[static_cast<size_t>(i)] = i == count - 1 ? -1 : right;
  }
  SendMessageA(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < count; ++i) SetPanelText(i);
}

// In simple mode the panels are written when the bar leaves it.
void TStatusBar::UpdatePanel(int index) {
  if (!HandleAllocated() || simplePanel_ || index < 0 || index >= panels_.Count()) return;
  SetPanelText(index);
}

void TStatusBar::SetPanelText(int index) {
  const TStatusPanel* panel = panels_[index];
  WPARAM flags = static_cast<WPARAM>(index);
  if (panel->Bevel() == pbNone) flags |= SBT_NOBORDERS;
  if (panel->Bevel() == pbRaised) flags |= SBT_POPOUT;
  if (panel->Style() == psOwnerDraw) flags |= SBT_OWNERDRAW;
  // Tabs before the text centre it (one) or align it right (two).
  const std::string text = (panel->Alignment() == taCenter         ? "\t"
                            : panel->Alignment() == taRightJustify ? "\t\t"
                                                                    : "") +
                           panel->Text();
  SendMessageA(Handle(), SB_SETTEXTA, flags,
               panel->Style() == psOwnerDraw ? reinterpret_cast<LPARAM>(panel) : reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::SetSimplePanel(bool value) {
  if (simplePanel_ == value) return;
  simplePanel_ = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& value) {
  if (simpleText_ == value) return;
  simpleText_ = value;
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (sizeGrip_ == value) return;
  sizeGrip_ = value;
  RecreateWnd();
}

void TStatusBar::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    const int index = static_cast<int>(item->itemID);
    if (OnDrawPanel && index >= 0 && index < panels_.Count()) {
      CanvasDCScope scope(&canvas_, item->hDC);
      OnDrawPanel(this, panels_[index], TRect::FromRECT(item->rcItem));
    }
    Message.Result = TRUE;
    return;
  }
  TWinControl::Dispatch(Message);
}

}  // namespace fw
