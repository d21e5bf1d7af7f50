#include "framework/graphics/canvas.h"

#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/rtl/exceptions.h"

namespace fw {

TCanvas::TCanvas() {
  InitializeCriticalSection(&lock_);
  font_.OnChange = [this](TObject*) { PutBack(csFontValid, originalFont_); };
  brush_.OnChange = [this](TObject*) { PutBack(csBrushValid, originalBrush_); };
  pen_.OnChange = [this](TObject*) { PutBack(csPenValid, originalPen_); };
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  DeleteCriticalSection(&lock_);
}

void TCanvas::CreateHandle() { throw EInvalidOperation("Canvas does not allow drawing"); }

HDC TCanvas::Handle() {
  RequiredState({csHandleValid});
  return dc_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc_ == dc) return;
  if (dc_) DeselectHandles();
  dc_ = dc;
  state_ = dc ? TCanvasStates{csHandleValid} : TCanvasStates{};
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

// A changed object's old GDI handle is about to be freed: take it out of the DC first.
void TCanvas::PutBack(TCanvasState state, HGDIOBJ& original) {
  if (dc_ && state_.Contains(state)) SelectObject(dc_, original);
  state_.Exclude(state);
}

void TCanvas::DeselectHandles() {
  PutBack(csFontValid, originalFont_);
  PutBack(csBrushValid, originalBrush_);
  PutBack(csPenValid, originalPen_);
}

void TCanvas::RequiredState(TCanvasStates required) {
  if (!dc_) CreateHandle();
  if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
  if (required.Contains(csFontValid) && !state_.Contains(csFontValid)) {
    originalFont_ = SelectObject(dc_, font_.Handle());
    SetTextColor(dc_, ColorToRGB(font_.Color()));
    state_.Include(csFontValid);
  }
  if (required.Contains(csBrushValid) && !state_.Contains(csBrushValid)) {
    originalBrush_ = SelectObject(dc_, brush_.Handle());
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
    SetBkMode(dc_, brush_.Style() == bsClear ? TRANSPARENT : OPAQUE);
    state_.Include(csBrushValid);
  }
  if (required.Contains(csPenValid) && !state_.Contains(csPenValid)) {
    originalPen_ = SelectObject(dc_, pen_.Handle());
    state_.Include(csPenValid);
  }
}

namespace {
std::vector<POINT> ToPOINTs(std::span<const TPoint> points) {
  std::vector<POINT> result;
  result.reserve(points.size());
  for (const TPoint& p : points) result.push_back(p.ToPOINT());
  return result;
}
}  // namespace

TPoint TCanvas::PenPos() {
  RequiredState({csHandleValid});
  POINT p{};
  GetCurrentPositionEx(dc_, &p);
  return TPoint{p.x, p.y};
}

void TCanvas::FillRect(const TRect& rect) {
  RequiredState({csHandleValid, csBrushValid});
  const RECT r = rect.ToRECT();
  ::FillRect(dc_, &r, brush_.Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  RequiredState({csHandleValid, csBrushValid});
  const RECT r = rect.ToRECT();
  ::FrameRect(dc_, &r, brush_.Handle());
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(dc_, x1, y1, x2, y2);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(dc_, x1, y1, x2, y2, cornerWidth, cornerHeight);
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(dc_, x1, y1, x2, y2);
  Changed();
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState({csHandleValid});
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(dc_, x, y);
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  const std::vector<POINT> native = ToPOINTs(points);
  ::Polygon(dc_, native.data(), static_cast<int>(native.size()));
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  const std::vector<POINT> native = ToPOINTs(points);
  ::Polyline(dc_, native.data(), static_cast<int>(native.size()));
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ExtTextOutA(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
  MoveTo(x + TextWidth(text), y);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED;
  if (brush_.Style() != bsClear) options |= ETO_OPAQUE;
  const RECT r = rect.ToRECT();
  ExtTextOutA(dc_, x, y, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return TSize{size.cx, size.cy};
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  RequiredState({csHandleValid});
  graphic->Draw(this, Rect(x, y, x + graphic->Width(), y + graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  RequiredState({csHandleValid});
  graphic->Draw(this, rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  RequiredState({csHandleValid, csBrushValid});
  HDC from = canvas->Handle();
  const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), from, source.Left, source.Top, source.Width(),
             source.Height(), copyMode_);
  SetStretchBltMode(dc_, oldMode);
  Changed();
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
  if (bitmap == nullptr || bitmap->Empty()) return;
  RequiredState({csHandleValid, csBrushValid});
  const int width = source.Width();
  const int height = source.Height();
  HDC from = bitmap->Canvas()->Handle();
  // A mask with 1 where the bitmap has the colour.
  GdiObject<HBITMAP> mask(CreateBitmap(width, height, 1, 1, nullptr));
  MemoryDC maskDC;
  SelectedObject selectedMask(maskDC.Get(), mask.Get());
  const COLORREF oldSourceBack = SetBkColor(from, ColorToRGB(color));
  BitBlt(maskDC.Get(), 0, 0, width, height, from, source.Left, source.Top, SRCCOPY);
  SetBkColor(from, oldSourceBack);
  // The bitmap as it is, then the brush through the mask: D ^ (S & (P ^ D)) keeps D where S is 0.
  const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), from, source.Left, source.Top, width, height,
             SRCCOPY);
  const COLORREF oldText = SetTextColor(dc_, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc_, RGB(255, 255, 255));
  constexpr DWORD kDSPDxax = 0x00E20746;
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), maskDC.Get(), 0, 0, width, height, kDSPDxax);
  SetTextColor(dc_, oldText);
  SetBkColor(dc_, oldBack);
  SetStretchBltMode(dc_, oldMode);
  Changed();
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle fillStyle) {
  RequiredState({csHandleValid, csBrushValid});
  ExtFloodFill(dc_, x, y, ColorToRGB(color), fillStyle == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  RequiredState({csHandleValid, csBrushValid});
  const RECT r = rect.ToRECT();
  ::DrawFocusRect(dc_, &r);
  Changed();
}

TColor TCanvas::Pixels(int x, int y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(GetPixel(dc_, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  RequiredState({csHandleValid, csPenValid});
  SetPixel(dc_, x, y, ColorToRGB(color));
  Changed();
}

}  // namespace fw
