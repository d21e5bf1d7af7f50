#include "framework/controls/label.h"

#include "framework/controls/accelerators.h"
#include "framework/controls/draw_text.h"

namespace fw {

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_.Include(csOpaque).Include(csReplicatable);
  SetBoundsFields(0, 0, 65, 17);
  SetParentColor(true);
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS | AlignmentFlags(alignment_);
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(client);
  }
  canvas->SetFont(Font());
  if (!Enabled()) canvas->Font()->SetColor(clGrayText);
  const std::string text = Caption();
  TRect area = client;
  if (layout_ != tlTop) {
    const int spare = client.Height() - MeasureCanvasText(canvas, text, client.Width(), TextFlags()).cy;
    area.Top += layout_ == tlCenter ? spare / 2 : spare;
  }
  DrawCanvasText(canvas, text, area, TextFlags());
}

void TCustomLabel::AdjustBounds() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  WindowDC screen(nullptr);
  SelectedObject font(screen.Get(), Font()->Handle());
  const std::string text = Caption();
  RECT measured{0, 0, wordWrap_ ? Width() : 0, 0};
  DrawTextA(screen.Get(), text.empty() ? " " : text.c_str(), -1, &measured, TextFlags() | DT_CALCRECT);
  int left = Left();
  const int width = measured.right - measured.left;
  if (!wordWrap_ && alignment_ == taRightJustify) left += Width() - width;
  if (!wordWrap_ && alignment_ == taCenter) left += (Width() - width) / 2;
  SetBounds(left, Top(), wordWrap_ ? Width() : width, measured.bottom - measured.top);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (Transparent() == value) return;
  if (value) {
    controlStyle_.Exclude(csOpaque);
  } else {
    controlStyle_.Include(csOpaque);
  }
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (showAccelChar_ == value) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (focusControl_ == value) return;
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
  focusControl_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      break;
    case CM_DIALOGCHAR:
      if (focusControl_ != nullptr && Enabled() && showAccelChar_ && IsAccel(Message.WParam, Caption()) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TGraphicControl::Dispatch(Message);
}

}  // namespace fw
