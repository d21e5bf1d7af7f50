#include "ui/dropdown/dropdown_form.h"

#include <windows.h>

#include "framework/services/clock.h"
#include "ui/dropdown/dropdown_bars.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

namespace {

// The arrows and every other key reach the pop-up's key events.
constexpr LRESULT kWantedKeys = DLGC_WANTARROWS | DLGC_WANTALLKEYS;

}  // namespace

TDropDownForm::TDropDownForm(fw::TComponent* AOwner) : fw::TForm(AOwner), canvas_(this) {}

void TDropDownForm::CreateParams(fw::TCreateParams& Params) {
  fw::TForm::CreateParams(Params);
  Params.ExStyle |= WS_EX_TOPMOST;
  if (dropDown_ != nullptr) {
    fw::TCustomForm* owner = fw::GetParentForm(dropDown_);
    if (owner != nullptr && owner != this) Params.WndParent = owner->Handle();
  }
  // A class of its own: the drop shadow is a class style, and it must not reach the other forms.
  Params.WinClassName = "Trelvik.DropDownForm";
}

void TDropDownForm::AdjustClientRect(fw::TRect& Rect) {
  fw::TForm::AdjustClientRect(Rect);
  if (dropDown_ == nullptr) return;
  const int border = dropDown_->DropDownBorderWidth();
  Rect = fw::TRect{Rect.Left + border, Rect.Top + border, Rect.Right - border, Rect.Bottom - border};
}

HWND TDropDownForm::GetRootWindow() {
  if (dropDown_ == nullptr || !dropDown_->HandleAllocated()) return nullptr;
  HWND window = dropDown_->Handle();
  while (HWND parent = GetParent(window)) window = parent;
  return window;
}

// ---- the bars ----

void TDropDownForm::UpdateHeaderFooter() {
  if (dropDown_ == nullptr) return;
  THeaderAppearance* header = dropDown_->DropDownHeader();
  if (header_ != nullptr) {
    header_->SetDropDown(dropDown_);
    header_->RebuildButtons();
    header_->SetVisible(header->Visible());
  } else if (header->Visible()) {
    header_ = fw::Create<TVxHeader>(this);
    header_->SetParent(this);
    header_->SetHeight(header->Height());
    header_->SetDropDown(dropDown_);
    header_->RebuildButtons();
    header_->SetAlign(fw::alTop);
  }
  if (header_ != nullptr) {
    header_->OnDrawBackGround = dropDown_->OnDrawHeader;
    header_->OnGetText = dropDown_->OnGetHeaderText;
  }
  TFooterAppearance* footer = dropDown_->DropDownFooter();
  if (footer_ != nullptr) {
    footer_->SetDropDown(dropDown_);
    footer_->RebuildButtons();
    footer_->SetVisible(footer->Visible());
  } else if (footer->Visible()) {
    footer_ = fw::Create<TVxFooter>(this);
    footer_->SetParent(this);
    footer_->SetHeight(footer->Height());
    footer_->SetDropDown(dropDown_);
    footer_->RebuildButtons();
    footer_->SetAlign(fw::alBottom);
  }
  if (footer_ != nullptr) {
    footer_->OnDrawBackGround = dropDown_->OnDrawFooter;
    footer_->OnGetText = dropDown_->OnGetFooterText;
  }
}

// ---- painting ----

void TDropDownForm::PaintWindow(HDC DC) {
  fw::TForm::PaintWindow(DC);
  canvas_.PaintOn(DC, [this] { Paint(); });
}

void TDropDownForm::DestroyWnd() {
  canvas_.FreeHandle();
  fw::TForm::DestroyWnd();
}

void TDropDownForm::PaintNow() {
  if (!HandleAllocated()) return;
  Paint();
  canvas_.FreeHandle();
}

void TDropDownForm::Paint() {
  if (dropDown_ == nullptr) return;
  const int border = dropDown_->DropDownBorderWidth();
  const fw::TRect client = ClientRect();
  const fw::TRect inner{client.Left + border, client.Top + border, client.Right - border, client.Bottom - border};
  const fw::TColor from = dropDown_->DropDownColor();
  const fw::TColor to = dropDown_->DropDownColorTo();
  if (from != fw::clNone && to != fw::clNone) {
    dropdown::DrawStepGradient(&canvas_, from, to, dropDown_->GradientDirection() == dropdown::gdHorizontal, inner, 80);
  } else if (from != fw::clNone) {
    canvas_.Brush()->SetStyle(fw::bsSolid);
    canvas_.Brush()->SetColor(from);
    canvas_.FillRect(inner);
  }
  if (border > 0) {
    canvas_.Pen()->SetWidth(border);
    canvas_.Pen()->SetColor(dropDown_->DropDownBorderColor());
    canvas_.Brush()->SetStyle(fw::bsClear);
    canvas_.Rectangle(client.Left + border / 2, client.Top + border / 2, client.Right, client.Bottom);
  }
}

// ---- messages ----

void TDropDownForm::Activated(fw::TMessage& Message) {
  fw::TForm::Dispatch(Message);
  if (keepOpen_) return;
  if (LOWORD(Message.WParam) != WA_INACTIVE) {
    // The application's caption stays drawn active while its pop-up has the activation.
    if (HWND root = GetRootWindow()) SendMessageA(root, WM_NCACTIVATE, 1, 0);
    return;
  }
  if (!Visible()) return;
  deactivationTime_ = fw::TickCount();
  const HWND self = HandleAllocated() ? Handle() : nullptr;
  for (HWND w = reinterpret_cast<HWND>(Message.LParam); w != nullptr;) {
    w = GetParent(w);
    if (w != nullptr && w == self) return;
  }
  if (dropDown_ != nullptr) {
    dropDown_->HideDropDown(cancelOnDeactivate_);
  } else {
    Hide();
  }
}

void TDropDownForm::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE: Activated(Message); return;
    case WM_NCHITTEST:
      // Only the bars and the picker take the mouse.
      Message.Result = HTNOWHERE;
      return;
    case WM_GETDLGCODE: Message.Result = kWantedKeys; return;
    case WM_SIZING:
      DefaultHandler(Message);
      if (OnSizing) OnSizing(this);
      return;
    case WM_GETMINMAXINFO: {
      DefaultHandler(Message);
      // The user's sizing keeps to the size constraints too.
      auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
      if (Constraints()->MinWidth() > 0) info->ptMinTrackSize.x = Constraints()->MinWidth();
      if (Constraints()->MinHeight() > 0) info->ptMinTrackSize.y = Constraints()->MinHeight();
      return;
    }
    case WM_SIZE:
      fw::TForm::Dispatch(Message);
      PaintNow();
      return;
    default: fw::TForm::Dispatch(Message);
  }
}

}  // namespace ui
