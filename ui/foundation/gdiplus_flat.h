#pragma once
// The part of gdiplus.dll's flat API that the toolkit calls, declared from the platform documentation.
// Only the wrapper classes (gdip_*.h) call these; everything else draws through the wrappers.
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <cstdint>

#include "ui/foundation/gdip_values.h"

namespace ui::flat {

// Opaque native objects.
struct GpGraphics;
struct GpBrush;
struct GpPen;
struct GpPath;
struct GpRegion;
struct GpImage;
struct GpImageAttributes;
struct GpFontFamily;
struct GpFontCollection;
struct GpFont;
struct GpStringFormat;

using GpStatusCode = int;
using DebugEventProc = void(WINAPI*)(int level, char* message);
using NotificationHookProc = GpStatusCode(WINAPI*)(ULONG_PTR* token);
using NotificationUnhookProc = void(WINAPI*)(ULONG_PTR token);
using DrawImageAbort = BOOL(WINAPI*)(void* data);

struct GdiplusStartupInput {
  UINT32 GdiplusVersion;
  DebugEventProc DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};

struct GdiplusStartupOutput {
  NotificationHookProc NotificationHook;
  NotificationUnhookProc NotificationUnhook;
};

extern "C" {
GpStatusCode WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
void* WINAPI GdipAlloc(size_t size);
void WINAPI GdipFree(void* block);

GpStatusCode WINAPI GdipCreateRegionRect(const GpRectF* rect, GpRegion** region);
GpStatusCode WINAPI GdipCreateRegionPath(GpPath* path, GpRegion** region);
GpStatusCode WINAPI GdipDeleteRegion(GpRegion* region);

GpStatusCode WINAPI GdipCreateImageAttributes(GpImageAttributes** attributes);
GpStatusCode WINAPI GdipSetImageAttributesColorKeys(GpImageAttributes* attributes, int adjustType, BOOL enable,
                                                    ARGB low, ARGB high);
GpStatusCode WINAPI GdipDisposeImageAttributes(GpImageAttributes* attributes);

GpStatusCode WINAPI GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                                 GpFontFamily** family);
GpStatusCode WINAPI GdipDeleteFontFamily(GpFontFamily* family);
GpStatusCode WINAPI GdipCloneFontFamily(GpFontFamily* family, GpFontFamily** clone);
GpStatusCode WINAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** family);
GpStatusCode WINAPI GdipNewInstalledFontCollection(GpFontCollection** collection);
GpStatusCode WINAPI GdipGetFontCollectionFamilyCount(GpFontCollection* collection, INT* count);
GpStatusCode WINAPI GdipGetFontCollectionFamilyList(GpFontCollection* collection, INT wanted, GpFontFamily** families,
                                                    INT* found);
GpStatusCode WINAPI GdipGetFamilyName(const GpFontFamily* family, WCHAR* name, LANGID language);
GpStatusCode WINAPI GdipCreateFont(const GpFontFamily* family, float emSize, int style, int unit, GpFont** font);
GpStatusCode WINAPI GdipDeleteFont(GpFont* font);
GpStatusCode WINAPI GdipGetFamily(GpFont* font, GpFontFamily** family);
GpStatusCode WINAPI GdipGetFontStyle(GpFont* font, int* style);
GpStatusCode WINAPI GdipGetFontSize(GpFont* font, float* size);
GpStatusCode WINAPI GdipGetFontUnit(GpFont* font, int* unit);

GpStatusCode WINAPI GdipCreateSolidFill(ARGB color, GpBrush** brush);
GpStatusCode WINAPI GdipCreateHatchBrush(int style, ARGB foreColor, ARGB backColor, GpBrush** brush);
GpStatusCode WINAPI GdipCreateTexture(GpImage* image, int wrapMode, GpBrush** brush);
GpStatusCode WINAPI GdipCreateLineBrush(const GpPointF* point1, const GpPointF* point2, ARGB color1, ARGB color2,
                                        int wrapMode, GpBrush** brush);
GpStatusCode WINAPI GdipCreateLineBrushFromRect(const GpRectF* rect, ARGB color1, ARGB color2, int mode,
                                                int wrapMode, GpBrush** brush);
GpStatusCode WINAPI GdipCreateLineBrushFromRectWithAngle(const GpRectF* rect, ARGB color1, ARGB color2, float angle,
                                                         BOOL isAngleScalable, int wrapMode, GpBrush** brush);
GpStatusCode WINAPI GdipSetLineGammaCorrection(GpBrush* brush, BOOL useGamma);
GpStatusCode WINAPI GdipSetLinePresetBlend(GpBrush* brush, const ARGB* colors, const float* positions, int count);
GpStatusCode WINAPI GdipCreatePathGradientFromPath(const GpPath* path, GpBrush** brush);
GpStatusCode WINAPI GdipSetPathGradientPresetBlend(GpBrush* brush, const ARGB* colors, const float* positions,
                                                   int count);
GpStatusCode WINAPI GdipSetPathGradientWrapMode(GpBrush* brush, int wrapMode);
GpStatusCode WINAPI GdipSetPathGradientCenterColor(GpBrush* brush, ARGB color);
GpStatusCode WINAPI GdipGetPathGradientPointCount(GpBrush* brush, int* count);
GpStatusCode WINAPI GdipSetPathGradientSurroundColorsWithCount(GpBrush* brush, const ARGB* colors, int* count);
GpStatusCode WINAPI GdipSetPathGradientCenterPoint(GpBrush* brush, const GpPointF* point);
GpStatusCode WINAPI GdipSetPathGradientCenterPointI(GpBrush* brush, const GpPoint* point);
GpStatusCode WINAPI GdipDeleteBrush(GpBrush* brush);

GpStatusCode WINAPI GdipCreatePen1(ARGB color, float width, int unit, GpPen** pen);
GpStatusCode WINAPI GdipSetPenDashStyle(GpPen* pen, int dashStyle);
GpStatusCode WINAPI GdipDeletePen(GpPen* pen);

GpStatusCode WINAPI GdipCreateStringFormat(int formatFlags, LANGID language, GpStringFormat** format);
GpStatusCode WINAPI GdipSetStringFormatAlign(GpStringFormat* format, int alignment);
GpStatusCode WINAPI GdipSetStringFormatLineAlign(GpStringFormat* format, int alignment);
GpStatusCode WINAPI GdipSetStringFormatTrimming(GpStringFormat* format, int trimming);
GpStatusCode WINAPI GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, int prefix);
GpStatusCode WINAPI GdipDeleteStringFormat(GpStringFormat* format);

GpStatusCode WINAPI GdipCreatePath(int fillMode, GpPath** path);
GpStatusCode WINAPI GdipResetPath(GpPath* path);
GpStatusCode WINAPI GdipClosePathFigure(GpPath* path);
GpStatusCode WINAPI GdipAddPathLine(GpPath* path, float x1, float y1, float x2, float y2);
GpStatusCode WINAPI GdipAddPathRectangle(GpPath* path, float x, float y, float width, float height);
GpStatusCode WINAPI GdipAddPathArc(GpPath* path, float x, float y, float width, float height, float startAngle,
                                   float sweepAngle);
GpStatusCode WINAPI GdipAddPathEllipse(GpPath* path, float x, float y, float width, float height);
GpStatusCode WINAPI GdipAddPathPolygon(GpPath* path, const GpPointF* points, int count);
GpStatusCode WINAPI GdipGetPointCount(GpPath* path, int* count);
GpStatusCode WINAPI GdipGetPathPoints(GpPath* path, GpPointF* points, int count);
GpStatusCode WINAPI GdipIsVisiblePathPoint(GpPath* path, float x, float y, GpGraphics* graphics, BOOL* result);
GpStatusCode WINAPI GdipGetPathWorldBounds(GpPath* path, GpRectF* bounds, const void* matrix, const GpPen* pen);
GpStatusCode WINAPI GdipDeletePath(GpPath* path);

GpStatusCode WINAPI GdipLoadImageFromStream(IStream* stream, GpImage** image);
GpStatusCode WINAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
GpStatusCode WINAPI GdipGetImageRawFormat(GpImage* image, GUID* format);
GpStatusCode WINAPI GdipGetImageWidth(GpImage* image, UINT* width);
GpStatusCode WINAPI GdipGetImageHeight(GpImage* image, UINT* height);
GpStatusCode WINAPI GdipGetImagePixelFormat(GpImage* image, int* format);
GpStatusCode WINAPI GdipDisposeImage(GpImage* image);
GpStatusCode WINAPI GdipCreateBitmapFromStream(IStream* stream, GpImage** bitmap);
GpStatusCode WINAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpImage** bitmap);
GpStatusCode WINAPI GdipCreateBitmapFromScan0(int width, int height, int stride, int format, BYTE* scan0,
                                              GpImage** bitmap);
GpStatusCode WINAPI GdipBitmapGetPixel(GpImage* bitmap, int x, int y, ARGB* color);
GpStatusCode WINAPI GdipBitmapSetPixel(GpImage* bitmap, int x, int y, ARGB color);
GpStatusCode WINAPI GdipSaveImageToFile(GpImage* image, const WCHAR* fileName, const CLSID* encoder,
                                        const void* parameters);

GpStatusCode WINAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
GpStatusCode WINAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatusCode WINAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatusCode WINAPI GdipGetDC(GpGraphics* graphics, HDC* dc);
GpStatusCode WINAPI GdipReleaseDC(GpGraphics* graphics, HDC dc);
GpStatusCode WINAPI GdipSetTextRenderingHint(GpGraphics* graphics, int hint);
GpStatusCode WINAPI GdipGetSmoothingMode(GpGraphics* graphics, int* mode);
GpStatusCode WINAPI GdipSetSmoothingMode(GpGraphics* graphics, int mode);
GpStatusCode WINAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, int combineMode);
GpStatusCode WINAPI GdipResetClip(GpGraphics* graphics);
GpStatusCode WINAPI GdipSetClipRect(GpGraphics* graphics, float x, float y, float width, float height, int combineMode);
GpStatusCode WINAPI GdipIsClipEmpty(GpGraphics* graphics, BOOL* result);
GpStatusCode WINAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatusCode WINAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatusCode WINAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, float x, float y, float width,
                                      float height);
GpStatusCode WINAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height);
GpStatusCode WINAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2);
GpStatusCode WINAPI GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, float x, float y, float width, float height);
GpStatusCode WINAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, float x, float y, float width,
                                    float height);
GpStatusCode WINAPI GdipFillEllipseI(GpGraphics* graphics, GpBrush* brush, int x, int y, int width, int height);
GpStatusCode WINAPI GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y);
GpStatusCode WINAPI GdipDrawImageRect(GpGraphics* graphics, GpImage* image, float x, float y, float width,
                                      float height);
GpStatusCode WINAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, float dstX, float dstY,
                                          float dstWidth, float dstHeight, float srcX, float srcY, float srcWidth,
                                          float srcHeight, int srcUnit, const GpImageAttributes* attributes,
                                          DrawImageAbort callback, void* callbackData);
GpStatusCode WINAPI GdipMeasureString(GpGraphics* graphics, const WCHAR* text, int length, const GpFont* font,
                                      const GpRectF* layoutRect, const GpStringFormat* format, GpRectF* boundingBox,
                                      int* codepointsFitted, int* linesFilled);
GpStatusCode WINAPI GdipDrawString(GpGraphics* graphics, const WCHAR* text, int length, const GpFont* font,
                                   const GpRectF* layoutRect, const GpStringFormat* format, const GpBrush* brush);
}

}  // namespace ui::flat
