#include "framework/controls/bit_button.h"

#include <algorithm>

#include "framework/controls/button_face.h"
#include "framework/graphics/canvas_scope.h"

namespace fw {

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {
  glyph_.SetTransparent(true);
  glyph_.OnChange = [this](TObject*) { Invalidate(); };
}

void TBitBtn::SetSpacing(int value) {
  spacing_ = std::max(value, 0);
  Invalidate();
}

void TBitBtn::DrawButton(HDC dc, const TRect& rect, bool pressed, bool focused) {
  RECT frame = rect.ToRECT();
  if (Default() || focused) {
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&frame, -1, -1);
  }
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  TCanvas canvas;
  CanvasDCScope scope(&canvas, dc);
  canvas.SetFont(Font());
  DrawButtonContent(&canvas, ButtonFace{TRect::FromRECT(frame), pressed, Enabled(), &glyph_, Caption(), spacing_});
  if (focused) {
    InflateRect(&frame, -3, -3);
    DrawFocusRect(dc, &frame);
  }
}

void TBitBtn::PaintWindow(HDC DC) { DrawButton(DC, ClientRect(), false, Focused()); }

void TBitBtn::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
    DrawButton(item->hDC, TRect::FromRECT(item->rcItem), (item->itemState & ODS_SELECTED) != 0,
               (item->itemState & ODS_FOCUS) != 0);
    Message.Result = TRUE;
    return;
  }
  TButton::Dispatch(Message);
}

}  // namespace fw
