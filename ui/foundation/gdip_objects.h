#pragma once
// GDI+ wrappers for paths, regions, pens, fonts, string formats and image attributes: each owns one
// native object, forwards every method to one flat-API call and keeps the last failure (gdip_base.h).
#include <memory>
#include <string>

#include "ui/foundation/gdip_base.h"
#include "ui/foundation/gdiplus_flat.h"

namespace ui {

class TGPGraphicsPath : public TGPNativeObject<flat::GpPath> {
 public:
  explicit TGPGraphicsPath(FillMode Mode = FillModeAlternate);
  ~TGPGraphicsPath() override;

  GpStatus Reset();
  GpStatus CloseFigure();
  GpStatus AddLine(float X1, float Y1, float X2, float Y2);
  GpStatus AddRectangle(const GpRectF& Rect);
  GpStatus AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
  GpStatus AddArcRect(const GpRectF& Rect, float StartAngle, float SweepAngle) {
    return AddArc(Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
  }
  GpStatus AddEllipse(float X, float Y, float Width, float Height);
  GpStatus AddEllipseRect(const GpRectF& Rect) { return AddEllipse(Rect.X, Rect.Y, Rect.Width, Rect.Height); }
  GpStatus AddPolygon(const GpPointF* Points, int Count);
  // The number of points the path holds (0 when it cannot tell).
  int GetPointCount();
};

class TGPRegion : public TGPNativeObject<flat::GpRegion> {
 public:
  explicit TGPRegion(const GpRectF& Rect);
  explicit TGPRegion(TGPGraphicsPath* Path);
  ~TGPRegion() override;
};

class TGPImageAttributes : public TGPNativeObject<flat::GpImageAttributes> {
 public:
  TGPImageAttributes();
  ~TGPImageAttributes() override;
  // Leaves out every pixel whose colour lies between Low and High.
  GpStatus SetColorKey(ARGB Low, ARGB High, ColorAdjustType AdjustType = ColorAdjustTypeDefault);
};

class TGPFontFamily : public TGPNativeObject<flat::GpFontFamily> {
 public:
  // Every caller passes no collection: the installed fonts.
  explicit TGPFontFamily(const std::wstring& Name, flat::GpFontCollection* Collection = nullptr);
  ~TGPFontFamily() override;
  // GDI+'s generic sans-serif family; fails where GDI+ finds none of its faces.
  static std::unique_ptr<TGPFontFamily> GenericSansSerif();
  // The first family of the installed fonts; fails when no font is installed at all.
  static std::unique_ptr<TGPFontFamily> FirstInstalled();

 private:
  TGPFontFamily() = default;
};

class TGPFont : public TGPNativeObject<flat::GpFont> {
 public:
  // Style: FontStyleBold | FontStyleItalic | FontStyleUnderline.
  TGPFont(TGPFontFamily* Family, float EmSize, int Style, GpUnit Unit);
  ~TGPFont() override;
};

class TGPPen : public TGPNativeObject<flat::GpPen> {
 public:
  explicit TGPPen(ARGB Color, float Width = 1.0f);
  ~TGPPen() override;
  GpStatus SetDashStyle(DashStyle Style);
};

class TGPStringFormat : public TGPNativeObject<flat::GpStringFormat> {
 public:
  explicit TGPStringFormat(int FormatFlags = 0, LANGID Language = LANG_NEUTRAL);
  ~TGPStringFormat() override;
  GpStatus SetAlignment(StringAlignment Align);
  GpStatus SetLineAlignment(StringAlignment Align);
  GpStatus SetTrimming(StringTrimming Trimming);
  GpStatus SetHotkeyPrefix(HotkeyPrefix Prefix);
};

}  // namespace ui
