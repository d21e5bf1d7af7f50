#include "framework/controls/hint_window.h"

#include <algorithm>

#include "framework/controls/draw_text.h"
#include "framework/graphics/canvas_scope.h"
#include "framework/services/screenmetrics.h"

namespace fw {

namespace {

constexpr int kMarginX = 3;
constexpr int kMarginY = 2;

// Hints break lines with a carriage return alone as well; DrawText wants CR LF or LF.
std::string NormalizeLineBreaks(const std::string& text) {
  std::string normalized;
  for (size_t i = 0; i < text.size(); ++i) {
    normalized += text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) normalized += '\n';
  }
  return normalized;
}

}  // namespace

std::string GetShortHint(const std::string& Hint) { return Hint.substr(0, Hint.find('|')); }

std::string GetLongHint(const std::string& Hint) {
  const size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  StoreVisible(false);
  SetParentFont(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  controlStyle_.Exclude(csSetCaption).Include(csOpaque);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.WndParent = nullptr;
  Params.ClassStyle |= CS_SAVEBITS;
  Params.WinClassName = "Trelvik.HintWindow";
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void*) {
  WindowDC screen(nullptr);
  TCanvas canvas;
  CanvasDCScope scope(&canvas, screen.Get());
  canvas.SetFont(Font());
  const int border = 2 * GetSystemMetrics(SM_CXBORDER);
  const TSize text = MeasureCanvasText(&canvas, NormalizeLineBreaks(AHint), std::max(MaxWidth - 2 * kMarginX - border, 1),
                                       kTextFlags);
  return Rect(0, 0, text.cx + 2 * kMarginX + border, text.cy + 2 * kMarginY + border);
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  // Kept on the monitor.
  const RECT area = NearestMonitor(POINT{Rect.Left, Rect.Top}).WorkArea;
  if (Rect.Right > area.right) Rect = Rect.Offset(area.right - Rect.Right, 0);
  if (Rect.Bottom > area.bottom) Rect = Rect.Offset(0, area.bottom - Rect.Bottom);
  if (Rect.Left < area.left) Rect = Rect.Offset(area.left - Rect.Left, 0);
  if (Rect.Top < area.top) Rect = Rect.Offset(0, area.top - Rect.Top);
  SetCaption(AHint);
  SetBoundsRect(Rect);
  SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  StoreVisible(true);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  StoreVisible(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  canvas->SetFont(Font());
  DrawCanvasText(canvas, NormalizeLineBreaks(Caption()),
                 Rect(kMarginX, kMarginY, client.Right - kMarginX, client.Bottom - kMarginY), kTextFlags);
}

}  // namespace fw
