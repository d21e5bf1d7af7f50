#include "framework/graphics/bitmap.h"

#include <algorithm>

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// Copies width x height pixels of source (or white where source is null) into a new DIB.
GdiObject<HBITMAP> CopyToDib(HBITMAP source, int width, int height) {
  GdiObject<HBITMAP> dib = CreateTopDownDib(width, height);
  MemoryDC target;
  SelectedObject selectedTarget(target.Get(), dib.Get());
  PatBlt(target.Get(), 0, 0, width, height, WHITENESS);
  if (source != nullptr) {
    MemoryDC from;
    SelectedObject selectedSource(from.Get(), source);
    BitBlt(target.Get(), 0, 0, width, height, from.Get(), 0, 0, SRCCOPY);
  }
  return dib;
}

}  // namespace

GdiObject<HBITMAP> CreateTopDownDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  GdiObject<HBITMAP> dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!dib) RaiseLastOSError();
  if (bits) *bits = pixels;
  return dib;
}


// The canvas draws on a memory DC that holds the bitmap while the canvas is in use.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap* owner) : owner_(owner) {}
  ~BitmapCanvas() override { Release(); }
  void Release() {
    SetHandle(nullptr);
    selected_.reset();
    dc_.reset();
  }

 protected:
  void CreateHandle() override {
    if (owner_->Empty()) throw EInvalidOperation("Canvas of an empty bitmap");
    dc_ = std::make_unique<MemoryDC>();
    selected_ = std::make_unique<SelectedObject>(dc_->Get(), owner_->Handle());
    SetHandle(dc_->Get());
  }

 private:
  TBitmap* owner_;
  std::unique_ptr<MemoryDC> dc_;
  std::unique_ptr<SelectedObject> selected_;
};

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(this);
  return canvas_.get();
}

void TBitmap::ReleaseCanvasDC() {
  if (canvas_) canvas_->Release();
}

void TBitmap::Changed() {
  if (OnChange) OnChange(this);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == width_ && AHeight == height_) return;
  ReleaseCanvasDC();
  if (AWidth == 0 || AHeight == 0) {
    bitmap_.Reset();
  } else {
    bitmap_ = CopyToDib(bitmap_.Get(), AWidth, AHeight);
  }
  width_ = AWidth;
  height_ = AHeight;
  Changed();
}

void TBitmap::LoadFromHandle(HBITMAP source) {
  BITMAP info{};
  if (source == nullptr || GetObjectA(source, sizeof(info), &info) == 0) {
    throw EInvalidOperation("Not a bitmap");
  }
  ReleaseCanvasDC();
  bitmap_ = CopyToDib(source, info.bmWidth, info.bmHeight);
  width_ = info.bmWidth;
  height_ = info.bmHeight;
  Changed();
}

void TBitmap::LoadFromFile(const std::string& FileName) {
  GdiObject<HBITMAP> loaded(static_cast<HBITMAP>(
      LoadImageA(nullptr, FileName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!loaded) throw EFOpenError("Cannot open file \"" + FileName + "\"");
  LoadFromHandle(loaded.Get());
}

void TBitmap::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    SetSize(0, 0);
    return;
  }
  auto* other = dynamic_cast<TBitmap*>(Source);
  if (other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  transparent_ = other->transparent_;
  transparentColor_ = other->transparentColor_;
  if (other->Empty()) {
    SetSize(0, 0);
    Changed();
    return;
  }
  other->ReleaseCanvasDC();
  LoadFromHandle(other->Handle());
}

void TBitmap::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Changed();
}

TColor TBitmap::TransparentColor() {
  if (transparentColor_ != clDefault || Empty()) return transparentColor_;
  return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
  if (transparentColor_ == value) return;
  transparentColor_ = value;
  Changed();
}

void TBitmap::Draw(HDC dc, const TRect& rect) {
  if (Empty() || rect.IsEmpty()) return;
  const TColor transparent = transparent_ ? TransparentColor() : clNone;
  ReleaseCanvasDC();
  MemoryDC source;
  SelectedObject selected(source.Get(), bitmap_.Get());
  if (transparent_) {
    TransparentBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), 0, 0, width_, height_,
                   ColorToRGB(transparent));
  } else {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), 0, 0, width_, height_, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
}

}  // namespace fw
