#include "framework/controls/group_box.h"

#include <algorithm>

#include "framework/controls/accelerators.h"
#include "framework/controls/draw_text.h"

namespace fw {

namespace {
constexpr int kCaptionIndent = 8;
}

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_.Include(csAcceptsControls).Include(csOpaque);
  SetBoundsFields(0, 0, 185, 105);
  SetParentColor(true);
}

int TCustomGroupBox::CaptionHeight() {
  WindowDC screen(nullptr);
  SelectedObject font(screen.Get(), Font()->Handle());
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.Get(), &metrics);
  return metrics.tmHeight;
}

void TCustomGroupBox::AlignControls(TControl* AControl, TRect& Rect) {
  Rect = fw::Rect(Rect.Left + 2, Rect.Top + CaptionHeight(), std::max(Rect.Left + 2, Rect.Right - 2),
                  std::max(Rect.Top + CaptionHeight(), Rect.Bottom - 2));
  TCustomControl::AlignControls(AControl, Rect);
}

void TCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(client);
  canvas->SetFont(Font());
  if (!Enabled()) canvas->Font()->SetColor(clGrayText);
  const std::string caption = Caption();
  const TSize text = MeasureCanvasText(canvas, caption, 0, DT_SINGLELINE);
  RECT frame = Rect(0, text.cy / 2, client.Width(), client.Height()).ToRECT();
  DrawEdge(canvas->Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (caption.empty()) return;
  const TRect label = Bounds(kCaptionIndent, 0, text.cx, text.cy);
  canvas->FillRect(label);
  DrawCanvasText(canvas, caption, label, DT_SINGLELINE);
}

void TCustomGroupBox::Dispatch(TMessage& Message) {
  // An accelerator in the caption focuses the first control of the group.
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(Message.WParam, Caption()) && CanFocus()) {
    SelectNext(nullptr, true, true);
    Message.Result = 1;
    return;
  }
  TCustomControl::Dispatch(Message);
}

}  // namespace fw
