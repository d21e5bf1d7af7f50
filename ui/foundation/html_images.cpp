#include "ui/foundation/html_images.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/rtl/arith.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

bool IsDirectory(const std::string& Path) {
  const DWORD attributes = GetFileAttributesA(Path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void DrawShellIcon(fw::TCanvas* Canvas, int X, int Y, fw::TSize& Size, double Scale, bool Scaled, bool Draw,
                   bool Large, const std::string& Reference) {
  int index = 0;
  if (!Reference.empty() && !ReadWholeInteger(Reference, index)) {
    SHFILEINFOA info{};
    const bool exists = GetFileAttributesA(Reference.c_str()) != INVALID_FILE_ATTRIBUTES;
    const UINT flags = exists ? SHGFI_SYSICONINDEX : SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES;
    SHGetFileInfoA(Reference.c_str(), 0, &info, sizeof(info), flags);
    index = info.iIcon;
  }
  SHFILEINFOA info{};
  const UINT listFlags = Large ? SHGFI_SYSICONINDEX : SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
  auto list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("", 0, &info, sizeof(info), listFlags));
  Size = fw::TSize{0, 0};
  if (!list) return;
  int cx = 0;
  int cy = 0;
  ImageList_GetIconSize(list, &cx, &cy);
  Size = fw::TSize{cx, cy};
  if (!Draw) return;
  if (!Scaled) {
    ImageList_Draw(list, index, Canvas->Handle(), X, Y, ILD_TRANSPARENT);
    return;
  }
  fw::TBitmap bitmap;
  bitmap.SetSize(cx, cy);
  ImageList_Draw(list, index, bitmap.Canvas()->Handle(), 0, 0, ILD_NORMAL);
  const int width = static_cast<int>(fw::Round(cx * Scale));
  const int height = static_cast<int>(fw::Round(cy * Scale));
  StretchBitmapToCanvas(Canvas, fw::Rect(X, Y, X + width, Y + height), &bitmap);
}

void StretchBitmapToCanvas(fw::TCanvas* Canvas, const fw::TRect& Rect, fw::TBitmap* Bitmap) {
  if (!Bitmap || !Bitmap->Handle()) return;
  BITMAP info{};
  if (!GetObjectA(Bitmap->Handle(), sizeof(info), &info)) return;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = info.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
  fw::WindowDC screen(nullptr);
  if (bits.empty() ||
      !GetDIBits(screen.Get(), Bitmap->Handle(), 0, static_cast<UINT>(info.bmHeight), bits.data(), &header,
                 DIB_RGB_COLORS)) {
    return;
  }
  StretchDIBits(Canvas->Handle(), Rect.Left, Rect.Top, Rect.Right - Rect.Left, Rect.Bottom - Rect.Top, 0, 0,
                info.bmWidth, info.bmHeight, bits.data(), &header, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace ui
