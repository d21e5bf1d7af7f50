// What the header and footer bars share: the buttons made from the drop-down's collection, their
// arrangement, the click relay and the painting of background, image and caption.
#include <windows.h>

#include <algorithm>

#include "ui/dropdown/dropdown_bars.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/foundation/html_engine.h"

namespace ui {

TDropDownBar::TDropDownBar(fw::TComponent* AOwner) : fw::TCustomControl(AOwner) {}

void TDropDownBar::AttachAppearance(TBarAppearance* Appearance) {
  barAppearance_ = Appearance;
  barAppearance_->OnChange = [this](fw::TObject*) { AppearanceChanged(); };
}

void TDropDownBar::AppearanceChanged() {
  SetVisible(barAppearance_->Visible());
  SetHeight(barAppearance_->Height());
}

void TDropDownBar::SetImages(fw::TCustomImageList* Value) {
  if (images_ == Value) return;
  images_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TDropDownBar::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TCustomControl::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == images_) images_ = nullptr;
}

bool TDropDownBar::PopupWithoutBorder() const {
  return dropDown_ == nullptr || dropDown_->DropDownBorderWidth() <= 0 ||
         dropDown_->DropDownBorderColor() == fw::clNone;
}

// ---- buttons ----

void TDropDownBar::RebuildButtons() {
  if (dropDown_ != nullptr) CreateButtons();
}

void TDropDownBar::CreateButtons() {
  TBarButtons* items = Buttons();
  if (dropDown_ == nullptr || items == nullptr) return;
  ClearButtons();
  const int maxHeight = ButtonArea().Height();
  for (int i = 0; i < items->Count(); ++i) {
    auto* item = static_cast<TBarButton*>(items->Items(i));
    auto* button = fw::Create<TVxButton>(this);
    button->SetParent(this);
    button->SetAppearance(dropDown_->ButtonAppearance());
    button->SetCaption(item->Caption());
    button->SetImages(images_);
    button->SetImageIndex(item->ImageIndex());
    button->SetEnabled(item->Enabled());
    ConfigureButton(button, item);
    button->AutoSizeToContent();
    const int width = item->Width() > 0 ? item->Width() : button->Width();
    const int height = std::min(item->Height() > 0 ? item->Height() : button->Height(), maxHeight);
    button->SetBounds(button->Left(), button->Top(), width, height);
    button->SetTag(i);
    button->OnClick = [this](fw::TObject* Sender) { ButtonClicked(Sender); };
    buttonList_.Add(button);
  }
  ArrangeButtons();
}

void TDropDownBar::ClearButtons() {
  for (int i = buttonList_.Count() - 1; i >= 0; --i) static_cast<TVxButton*>(buttonList_.Items(i))->Free();
  buttonList_.Clear();
}

void TDropDownBar::ArrangeButtons() {
  if (buttonList_.Count() == 0) return;
  const fw::TRect area = ButtonArea();
  const bool fromRight = barAppearance_->ButtonAlignment() == baRight;
  int x = fromRight ? area.Right : area.Left;
  for (int i = 0; i < buttonList_.Count(); ++i) {
    TVxButton* button = Button(i);
    const int width = button->Width();
    const int left = fromRight ? x - width : x;
    x = fromRight ? left : x + width;
    const int top = std::max(area.Top, (area.Bottom - button->Height()) / 2);
    button->SetBounds(left, top, width, button->Height());
  }
}

void TDropDownBar::UpdateButtons() {
  TBarButtons* items = Buttons();
  if (dropDown_ == nullptr || items == nullptr) return;
  for (int i = 0; i < buttonList_.Count(); ++i) {
    TVxButton* button = Button(i);
    button->SetAppearance(dropDown_->ButtonAppearance());
    button->SetImages(images_);
    if (i < items->Count()) {
      auto* item = static_cast<TBarButton*>(items->Items(i));
      button->SetCaption(item->Caption());
      button->SetImageIndex(item->ImageIndex());
      button->SetEnabled(item->Enabled());
    }
  }
  ArrangeButtons();
}

void TDropDownBar::ButtonClicked(fw::TObject* Sender) {
  auto* button = dynamic_cast<TVxButton*>(Sender);
  if (button == nullptr || dropDown_ == nullptr) return;
  ReportClick(static_cast<int>(button->Tag()));
}

void TDropDownBar::Dispatch(fw::TMessage& Message) {
  fw::TCustomControl::Dispatch(Message);
  if (Message.Msg == WM_SIZE) ArrangeButtons();
}

// ---- painting ----

void TDropDownBar::Paint() {
  fw::TCanvas* canvas = Canvas();
  const fw::TRect r = ClientRect();
  if (OnDrawBackGround) {
    OnDrawBackGround(this, canvas, r);
    return;
  }
  TBarAppearance& a = *barAppearance_;
  if (a.ColorTo() != fw::clNone) {
    dropdown::DrawStepGradient(canvas, a.Color(), a.ColorTo(), a.GradientDirection() == dropdown::gdHorizontal, r, 80);
  } else if (a.Color() != fw::clNone) {
    canvas->Brush()->SetStyle(fw::bsSolid);
    canvas->Brush()->SetColor(a.Color());
    canvas->FillRect(r);
  }
  if (a.BorderColor() != fw::clNone && a.BorderWidth() > 0) {
    canvas->Pen()->SetWidth(a.BorderWidth());
    canvas->Pen()->SetColor(a.BorderColor());
    DrawBorder(canvas, r);
  }
  fw::TRect content{r.Left + a.BorderWidth(), r.Top + a.BorderWidth(), r.Right - a.BorderWidth(),
                    r.Bottom - a.BorderWidth()};
  if (a.ImageIndex() >= 0 && images_ != nullptr) {
    const int x = content.Left + 4;
    images_->Draw(canvas, x, content.Top + (content.Height() - images_->Height()) / 2, a.ImageIndex(), true);
    content.Left = x + images_->Width() + 4;
  }
  std::string text = a.Caption();
  if (OnGetText) OnGetText(this, text);
  if (!text.empty()) {
    if (buttonList_.Count() > 0) content.Right = Button(buttonList_.Count() - 1)->Left() - 2;
    canvas->SetFont(a.Font());
    canvas->Brush()->SetStyle(fw::bsClear);
    THTMLTextParams measure;
    measure.Text = text;
    measure.Bounds = content;
    measure.ImageList = images_;
    measure.MeasureOnly = true;
    DrawHTMLText(canvas, measure);
    if (content.Height() > measure.TextHeight) content.Top += (content.Height() - measure.TextHeight) / 2;
    THTMLTextParams draw;
    draw.Text = text;
    draw.Bounds = content;
    draw.ImageList = images_;
    DrawHTMLText(canvas, draw);
  }
  DrawExtras(canvas, r);
}

}  // namespace ui
