#pragma once
// Drawing on a device context with the framework's font, brush and pen. The canvas selects its objects
// into the DC only when a drawing call needs them and again after they change, and puts the DC's own
// objects back when the handle is taken away.
//
// Text follows the brush: a solid brush paints text opaque on the brush colour, a clear brush leaves the
// background as it is.
#include <span>
#include <vector>
#include <string>

#include "framework/rtl/set.h"
#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "framework/graphics/geometry.h"
#include "framework/graphics/pen.h"

namespace fw {

class TBitmap;
class TGraphic;

// Raster operations of CopyRect.
using TCopyMode = DWORD;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmWhiteness = WHITENESS;

// FloodFill: fsBorder fills up to a border of the colour, fsSurface fills the area of the colour.
enum TFillStyle { fsSurface, fsBorder };

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC; a canvas without one asks CreateHandle for it.
  HDC Handle();
  virtual void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont* Font() { return &font_; }
  void SetFont(TFont* value) { font_.Assign(value); }
  TBrush* Brush() { return &brush_; }
  void SetBrush(TBrush* value) { brush_.Assign(value); }
  TPen* Pen() { return &pen_; }
  void SetPen(TPen* value) { pen_.Assign(value); }
  TPoint PenPos();
  void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }

  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polygon(std::span<const TPoint> points);
  void Polyline(std::span<const TPoint> points);

  // Text at (x, y); the pen position moves to the end of the text.
  void TextOut(int x, int y, const std::string& text);
  // Text at (x, y) clipped to rect; a solid brush fills the whole rect behind it.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }

  // Pictures: at (x, y) in their own size, or stretched into rect. A null or empty graphic draws nothing.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // Copies source's rectangle (stretched) into dest with CopyMode.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode value) { copyMode_ = value; }
  // Copies a part of bitmap into dest, painting the brush where the bitmap has the colour.
  void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color);
  // Fills with the brush from (x, y): up to a border of color (fsBorder) or the area of color (fsSurface).
  void FloodFill(int x, int y, TColor color, TFillStyle fillStyle);
  // The dotted focus rectangle, drawn by inverting: drawing it twice leaves the pixels as they were.
  void DrawFocusRect(const TRect& rect);

  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  // Serialises drawing from several threads on one canvas.
  void Lock() { EnterCriticalSection(&lock_); }
  void Unlock() { LeaveCriticalSection(&lock_); }

  TNotifyEvent OnChange;

 protected:
  // Called when drawing needs a DC and none is set; the plain canvas has no way to make one.
  virtual void CreateHandle();
  void Changed();

 private:
  enum TCanvasState { csHandleValid, csFontValid, csPenValid, csBrushValid };
  using TCanvasStates = Set<TCanvasState>;

  void RequiredState(TCanvasStates required);
  void DeselectHandles();
  void PutBack(TCanvasState state, HGDIOBJ& original);

  HDC dc_ = nullptr;
  TCanvasStates state_;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ originalFont_ = nullptr;
  HGDIOBJ originalBrush_ = nullptr;
  HGDIOBJ originalPen_ = nullptr;
  TCopyMode copyMode_ = cmSrcCopy;
  CRITICAL_SECTION lock_;
};

}  // namespace fw
