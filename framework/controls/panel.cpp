#include "framework/controls/panel.h"

#include <algorithm>

#include "framework/controls/draw_text.h"

namespace fw {

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_.Include(csAcceptsControls).Include(csOpaque);
  SetBoundsFields(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (borderStyle_ == bsSingle) Params.Style |= WS_BORDER;
}

int TCustomPanel::FrameWidth() const {
  int width = borderWidth_;
  if (bevelOuter_ != bvNone) width += bevelWidth_;
  if (bevelInner_ != bvNone) width += bevelWidth_;
  return width;
}

void TCustomPanel::AlignControls(TControl* AControl, TRect& Rect) {
  const int frame = FrameWidth();
  Rect = fw::Rect(Rect.Left + frame, Rect.Top + frame, std::max(Rect.Left + frame, Rect.Right - frame),
                  std::max(Rect.Top + frame, Rect.Bottom - frame));
  TCustomControl::AlignControls(AControl, Rect);
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  DrawBevel(canvas, rect, bevelOuter_, bevelWidth_, Color());
  Frame3D(canvas, rect, Color(), Color(), borderWidth_);
  DrawBevel(canvas, rect, bevelInner_, bevelWidth_, Color());
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(rect);
  canvas->SetFont(Font());
  DrawCanvasText(canvas, Caption(), rect, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | AlignmentFlags(alignment_));
}

void TCustomPanel::FrameChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  if (bevelInner_ == value) return;
  bevelInner_ = value;
  FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  if (bevelOuter_ == value) return;
  bevelOuter_ = value;
  FrameChanged();
}

void TCustomPanel::SetBevelWidth(int value) {
  value = std::max(value, 1);
  if (bevelWidth_ == value) return;
  bevelWidth_ = value;
  FrameChanged();
}

void TCustomPanel::SetBorderWidth(int value) {
  value = std::max(value, 0);
  if (borderWidth_ == value) return;
  borderWidth_ = value;
  FrameChanged();
}

void TCustomPanel::SetBorderStyle(TFormBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomPanel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

}  // namespace fw
