// The header bar (above the picker) and the footer bar (below it, with the size grip) of the pop-up.
#include <windows.h>

#include <array>

#include "framework/controls/control_types.h"
#include "framework/forms/screen.h"
#include "ui/dropdown/dropdown_bars.h"
#include "ui/dropdown/dropdown_drawing.h"

namespace ui {

namespace {

// The light inner frame: a fifth of the border colour on white, one pixel wide, unfilled.
void DrawInnerFrame(fw::TCanvas* canvas, fw::TColor border, const fw::TRect& r) {
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetColor(dropdown::BlendColor(border, fw::clWhite, 20));
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->Rectangle(r);
}

}  // namespace

// ---- header ----

TVxHeader::TVxHeader(fw::TComponent* AOwner)
    : TDropDownBar(AOwner), appearance_(std::make_unique<THeaderAppearance>(AOwner)) {
  AttachAppearance(appearance_.get());
  appearance_->OnButtonsChange = [](fw::TObject*) {};
}

THeaderButtons* TVxHeader::Buttons() const {
  return dropDown_ != nullptr ? dropDown_->DropDownHeader()->Buttons() : nullptr;
}

void TVxHeader::SetDropDown(TVxCustomDropDown* Value) {
  dropDown_ = Value;
  if (Value == nullptr) {
    SetImages(nullptr);
    return;
  }
  SetImages(Value->Images());
  appearance_->Assign(Value->DropDownHeader());
}

fw::TRect TVxHeader::ButtonArea() {
  const fw::TRect r = ClientRect();
  return fw::TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3};
}

void TVxHeader::DrawBorder(fw::TCanvas* ACanvas, const fw::TRect& R) {
  ACanvas->MoveTo(R.Left, R.Bottom - 1);
  ACanvas->LineTo(R.Right, R.Bottom - 1);
  if (!PopupWithoutBorder()) return;
  ACanvas->MoveTo(R.Left, R.Bottom - 1);
  ACanvas->LineTo(R.Left, R.Top);
  ACanvas->LineTo(R.Right, R.Top);
  ACanvas->LineTo(R.Right, R.Bottom - 1);
  DrawInnerFrame(ACanvas, appearance_->BorderColor(),
                 fw::TRect{R.Left, R.Top, R.Right, R.Bottom - appearance_->BorderWidth()});
}

void TVxHeader::ConfigureButton(TVxButton*, TBarButton*) {}

void TVxHeader::ReportClick(int Index) {
  if (dropDown_->OnDropDownHeaderButtonClick) dropDown_->OnDropDownHeaderButtonClick(dropDown_, Index);
}

// ---- footer ----

TVxFooter::TVxFooter(fw::TComponent* AOwner)
    : TDropDownBar(AOwner), appearance_(std::make_unique<TFooterAppearance>(AOwner)) {
  AttachAppearance(appearance_.get());
}

TFooterButtons* TVxFooter::Buttons() const {
  return dropDown_ != nullptr ? dropDown_->DropDownFooter()->Buttons() : nullptr;
}

void TVxFooter::SetDropDown(TVxCustomDropDown* Value) {
  dropDown_ = Value;
  if (Value == nullptr) {
    SetImages(nullptr);
    return;
  }
  SetImages(Value->Images());
  appearance_->Assign(Value->DropDownFooter());
}

bool TVxFooter::SizeGripShown() const {
  return appearance_->SizeGrip() && dropDown_ != nullptr && dropDown_->DropDownSizeable();
}

fw::TRect TVxFooter::ButtonArea() {
  const fw::TRect r = ClientRect();
  return fw::TRect{r.Left + 2, r.Top + 2, r.Right - (SizeGripShown() ? 14 : 2), r.Bottom - 2};
}

void TVxFooter::DrawBorder(fw::TCanvas* ACanvas, const fw::TRect& R) {
  ACanvas->MoveTo(R.Left, R.Top);
  ACanvas->LineTo(R.Right, R.Top);
  if (!PopupWithoutBorder()) return;
  ACanvas->MoveTo(R.Left, R.Top);
  ACanvas->LineTo(R.Left, R.Bottom);
  ACanvas->LineTo(R.Right, R.Bottom);
  ACanvas->LineTo(R.Right, R.Top);
  DrawInnerFrame(ACanvas, appearance_->BorderColor(),
                 fw::TRect{R.Left, R.Top + appearance_->BorderWidth(), R.Right, R.Bottom});
}

// Six 2 x 2 squares on a 4-pixel grid pointing to the bottom-right corner: white, then the border colour
// one pixel up and left.
void TVxFooter::DrawExtras(fw::TCanvas* ACanvas, const fw::TRect& R) {
  if (!SizeGripShown()) return;
  const int left = R.Right - appearance_->BorderWidth() - 16;
  const int bottom = R.Bottom;
  static constexpr std::array<fw::TPoint, 6> kSquares{
      fw::TPoint{5, 4}, fw::TPoint{9, 4}, fw::TPoint{13, 4}, fw::TPoint{13, 8}, fw::TPoint{13, 12}, fw::TPoint{9, 8}};
  auto squares = [&](fw::TColor color, int shift) {
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Pen()->SetColor(color);
    ACanvas->Brush()->SetStyle(fw::bsSolid);
    ACanvas->Brush()->SetColor(color);
    for (const fw::TPoint& s : kSquares) {
      const int x = left + s.X - shift;
      const int y = bottom - s.Y - shift;
      ACanvas->Rectangle(x, y, x + 2, y + 2);
    }
  };
  squares(fw::clWhite, 0);
  squares(appearance_->BorderColor(), 1);
}

void TVxFooter::ConfigureButton(TVxButton* Button, TBarButton* Item) {
  Button->SetDropDown(dropDown_);
  Button->SetModalResult(static_cast<TFooterButton*>(Item)->ModalResult());
}

void TVxFooter::ReportClick(int Index) {
  if (dropDown_->OnDropDownFooterButtonClick) dropDown_->OnDropDownFooterButtonClick(dropDown_, Index);
}

// ---- resizing by the grip ----

void TVxFooter::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != fw::mbLeft || !Resizable() || !InGripCorner(X, Y)) return;
  // The system sizes the pop-up from here on, as if its own corner had been pressed.
  ReleaseCapture();
  SendMessageA(Parent()->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0);
}

void TVxFooter::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  if (!Resizable()) return;
  if (InGripCorner(X, Y)) {
    if (fw::Screen->Cursor() != fw::crSizeNWSE) fw::Screen->SetCursor(fw::crSizeNWSE);
  } else {
    RestoreCursor();
  }
}

void TVxFooter::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Resizable()) RestoreCursor();
}

void TVxFooter::RestoreCursor() {
  if (fw::Screen->Cursor() != savedCursor_) fw::Screen->SetCursor(savedCursor_);
}

void TVxFooter::Dispatch(fw::TMessage& Message) {
  const bool own = Message.LParam == 0 || reinterpret_cast<fw::TControl*>(Message.LParam) == this;
  if (Message.Msg == fw::CM_MOUSEENTER && own && Resizable()) {
    if (fw::Screen->Cursor() != fw::crSizeNWSE) savedCursor_ = fw::Screen->Cursor();
  }
  TDropDownBar::Dispatch(Message);
  if (Message.Msg == fw::CM_MOUSELEAVE && own && Resizable()) RestoreCursor();
}

}  // namespace ui
