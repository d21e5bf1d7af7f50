#include "ui/foundation/gdip_objects.h"

namespace ui {

using namespace flat;

TGPGraphicsPath::TGPGraphicsPath(FillMode Mode) { SetCreationStatus(GdipCreatePath(Mode, &native_)); }
TGPGraphicsPath::~TGPGraphicsPath() { GdipDeletePath(native_); }
GpStatus TGPGraphicsPath::Reset() { return SetStatus(GdipResetPath(native_)); }
GpStatus TGPGraphicsPath::CloseFigure() { return SetStatus(GdipClosePathFigure(native_)); }
GpStatus TGPGraphicsPath::AddLine(float X1, float Y1, float X2, float Y2) {
  return SetStatus(GdipAddPathLine(native_, X1, Y1, X2, Y2));
}
GpStatus TGPGraphicsPath::AddRectangle(const GpRectF& Rect) {
  return SetStatus(GdipAddPathRectangle(native_, Rect.X, Rect.Y, Rect.Width, Rect.Height));
}
GpStatus TGPGraphicsPath::AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle) {
  return SetStatus(GdipAddPathArc(native_, X, Y, Width, Height, StartAngle, SweepAngle));
}
GpStatus TGPGraphicsPath::AddEllipse(float X, float Y, float Width, float Height) {
  return SetStatus(GdipAddPathEllipse(native_, X, Y, Width, Height));
}
GpStatus TGPGraphicsPath::AddPolygon(const GpPointF* Points, int Count) {
  return SetStatus(GdipAddPathPolygon(native_, Points, Count));
}
int TGPGraphicsPath::GetPointCount() {
  int count = 0;
  SetStatus(GdipGetPointCount(native_, &count));
  return count;
}

TGPRegion::TGPRegion(const GpRectF& Rect) { SetCreationStatus(GdipCreateRegionRect(&Rect, &native_)); }
TGPRegion::TGPRegion(TGPGraphicsPath* Path) { SetCreationStatus(GdipCreateRegionPath(NativeOf(Path), &native_)); }
TGPRegion::~TGPRegion() { GdipDeleteRegion(native_); }

TGPImageAttributes::TGPImageAttributes() { SetCreationStatus(GdipCreateImageAttributes(&native_)); }
TGPImageAttributes::~TGPImageAttributes() { GdipDisposeImageAttributes(native_); }
GpStatus TGPImageAttributes::SetColorKey(ARGB Low, ARGB High, ColorAdjustType AdjustType) {
  return SetStatus(GdipSetImageAttributesColorKeys(native_, AdjustType, TRUE, Low, High));
}

TGPFontFamily::TGPFontFamily(const std::wstring& Name, GpFontCollection* Collection) {
  SetCreationStatus(GdipCreateFontFamilyFromName(Name.c_str(), Collection, &native_));
}
TGPFontFamily::~TGPFontFamily() {
  if (native_ != nullptr) GdipDeleteFontFamily(native_);
}

std::unique_ptr<TGPFontFamily> TGPFontFamily::GenericSansSerif() {
  std::unique_ptr<TGPFontFamily> family(new TGPFontFamily());
  family->SetCreationStatus(GdipGetGenericFontFamilySansSerif(&family->native_));
  return family;
}

std::unique_ptr<TGPFontFamily> TGPFontFamily::FirstInstalled() {
  std::unique_ptr<TGPFontFamily> family(new TGPFontFamily());
  GpFontCollection* installed = nullptr;  // the system's collection: GDI+ keeps it, nobody deletes it
  INT count = 0;
  GpFontFamily* first = nullptr;
  INT found = 0;
  int status = GdipNewInstalledFontCollection(&installed);
  if (status == Ok) status = GdipGetFontCollectionFamilyCount(installed, &count);
  if (status == Ok && count < 1) status = FontFamilyNotFound;
  if (status == Ok) status = GdipGetFontCollectionFamilyList(installed, 1, &first, &found);
  if (status == Ok && (found < 1 || first == nullptr)) status = FontFamilyNotFound;
  // The listed family belongs to the collection: the wrapper owns a clone.
  if (status == Ok) status = GdipCloneFontFamily(first, &family->native_);
  family->SetCreationStatus(status);
  return family;
}

TGPFont::TGPFont(TGPFontFamily* Family, float EmSize, int Style, GpUnit Unit) {
  SetCreationStatus(GdipCreateFont(NativeOf(Family), EmSize, Style, Unit, &native_));
}
TGPFont::~TGPFont() { GdipDeleteFont(native_); }

TGPPen::TGPPen(ARGB Color, float Width) { SetCreationStatus(GdipCreatePen1(Color, Width, UnitWorld, &native_)); }
TGPPen::~TGPPen() { GdipDeletePen(native_); }
GpStatus TGPPen::SetDashStyle(DashStyle Style) { return SetStatus(GdipSetPenDashStyle(native_, Style)); }

TGPStringFormat::TGPStringFormat(int FormatFlags, LANGID Language) {
  SetCreationStatus(GdipCreateStringFormat(FormatFlags, Language, &native_));
}
TGPStringFormat::~TGPStringFormat() { GdipDeleteStringFormat(native_); }
GpStatus TGPStringFormat::SetAlignment(StringAlignment Align) {
  return SetStatus(GdipSetStringFormatAlign(native_, Align));
}
GpStatus TGPStringFormat::SetLineAlignment(StringAlignment Align) {
  return SetStatus(GdipSetStringFormatLineAlign(native_, Align));
}
GpStatus TGPStringFormat::SetTrimming(StringTrimming Trimming) {
  return SetStatus(GdipSetStringFormatTrimming(native_, Trimming));
}
GpStatus TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix Prefix) {
  return SetStatus(GdipSetStringFormatHotkeyPrefix(native_, Prefix));
}

}  // namespace ui
