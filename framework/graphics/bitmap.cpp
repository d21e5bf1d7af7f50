#include "framework/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/classes/object.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/resource_stream.h"

namespace fw {

namespace {

int BitCountOf(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;  // pfDevice and pf32bit
  }
}

TPixelFormat FormatOfBitCount(int bitCount) {
  switch (bitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfCustom;
  }
}

const RGBQUAD kBlackAndWhite[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};

std::vector<RGBQUAD> DefaultColors(int bitCount) {
  if (bitCount == 1) return {std::begin(kBlackAndWhite), std::end(kBlackAndWhite)};
  return {};
}

// Paints the new DIB white and copies what fits of source into it (GDI converts between depths).
void CopyPixels(HBITMAP source, HBITMAP target, int width, int height) {
  MemoryDC to;
  SelectedObject selectedTarget(to.Get(), target);
  PatBlt(to.Get(), 0, 0, width, height, WHITENESS);
  if (source != nullptr) {
    MemoryDC from;
    SelectedObject selectedSource(from.Get(), source);
    BitBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, SRCCOPY);
  }
}

constexpr WORD kBmpSignature = 0x4D42;  // "BM"

}  // namespace

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

TGraphic* TBitmap::NewGraphic() const { return Create<TBitmap>(); }

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(this);
  return canvas_.get();
}

void TBitmap::ReleaseCanvasDC() {
  if (canvas_) canvas_->Release();
}

int TBitmap::BitCount() const { return BitCountOf(pixelFormat_); }

void TBitmap::Replace(GdiObject<HBITMAP> dib, void* bits, int width, int height, TPixelFormat format) {
  ReleaseCanvasDC();
  bitmap_ = std::move(dib);
  bits_ = bits;
  width_ = width;
  height_ = height;
  pixelFormat_ = format;
  Changed(this);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == width_ && AHeight == height_) return;
  ReleaseCanvasDC();
  if (AWidth == 0 || AHeight == 0) {
    Replace(GdiObject<HBITMAP>(), nullptr, AWidth, AHeight, pixelFormat_);
    return;
  }
  const int bitCount = BitCount();
  const std::vector<RGBQUAD> colors = bitmap_ ? DibColorTable(bitmap_.Get(), bitCount) : DefaultColors(bitCount);
  void* bits = nullptr;
  GdiObject<HBITMAP> dib = CreateDib(AWidth, AHeight, bitCount, colors, &bits);
  CopyPixels(bitmap_.Get(), dib.Get(), AWidth, AHeight);
  Replace(std::move(dib), bits, AWidth, AHeight, pixelFormat_);
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == pixelFormat_) return;
  if (value != pfDevice && value != pf1bit && value != pf24bit && value != pf32bit) {
    throw EInvalidGraphic("Unsupported pixel format");
  }
  if (Empty()) {
    pixelFormat_ = value;
    Changed(this);
    return;
  }
  ReleaseCanvasDC();
  const int bitCount = BitCountOf(value);
  void* bits = nullptr;
  GdiObject<HBITMAP> dib = CreateDib(width_, height_, bitCount, DefaultColors(bitCount), &bits);
  CopyPixels(bitmap_.Get(), dib.Get(), width_, height_);
  Replace(std::move(dib), bits, width_, height_, value);
}

void* TBitmap::ScanLine(int y) {
  if (Empty() || y < 0 || y >= height_) throw EInvalidGraphic("Scan line index out of range");
  GdiFlush();
  return static_cast<std::uint8_t*>(bits_) + static_cast<size_t>(y) * static_cast<size_t>(DibStride(width_, BitCount()));
}

void TBitmap::LoadFromHandle(HBITMAP source) {
  BITMAP info{};
  if (source == nullptr || GetObjectA(source, sizeof(info), &info) == 0) {
    throw EInvalidOperation("Not a bitmap");
  }
  void* bits = nullptr;
  GdiObject<HBITMAP> dib = CreateDib(info.bmWidth, info.bmHeight, 32, {}, &bits);
  CopyPixels(source, dib.Get(), info.bmWidth, info.bmHeight);
  Replace(std::move(dib), bits, info.bmWidth, info.bmHeight, pfDevice);
}

// data: a BITMAPINFO (any header size) with its colour table; pixels: its rows as the header lays them out.
void TBitmap::LoadPackedDib(const std::uint8_t* data, size_t size, const std::uint8_t* pixels, size_t pixelBytes) {
  const auto invalid = [] { return EInvalidGraphic("Bitmap image is not valid"); };
  if (size < sizeof(BITMAPCOREHEADER)) throw invalid();
  DWORD headerSize = 0;
  std::memcpy(&headerSize, data, sizeof(headerSize));
  if (headerSize < sizeof(BITMAPINFOHEADER) || headerSize > size) throw invalid();
  BITMAPINFOHEADER header{};
  std::memcpy(&header, data, sizeof(header));
  const int width = header.biWidth;
  const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  const int bitCount = header.biBitCount;
  if (width <= 0 || height <= 0 || width > 0x8000 || height > 0x8000 || header.biPlanes != 1) throw invalid();
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
    throw invalid();
  }
  size_t colorCount = 0;
  if (bitCount <= 8) colorCount = header.biClrUsed != 0 ? header.biClrUsed : (size_t{1} << bitCount);
  if (colorCount > 256) throw invalid();
  size_t masks = header.biCompression == BI_BITFIELDS && headerSize == sizeof(BITMAPINFOHEADER) ? 3 : 0;
  const size_t tableEnd = headerSize + (masks + colorCount) * sizeof(RGBQUAD);
  if (tableEnd > size) throw invalid();
  const bool compressed = header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4;
  const size_t needed = compressed ? header.biSizeImage
                                   : static_cast<size_t>(DibStride(width, bitCount)) * static_cast<size_t>(height);
  if (pixels == nullptr) {
    pixels = data + tableEnd;
    pixelBytes = size - tableEnd;
  }
  if (needed == 0 || pixelBytes < needed) throw invalid();

  // The header as GDI reads it, with its colour table: copied so it is aligned.
  std::vector<std::uint8_t> info(data, data + tableEnd);
  std::vector<RGBQUAD> colors(colorCount);
  if (colorCount > 0) std::memcpy(colors.data(), info.data() + headerSize, colorCount * sizeof(RGBQUAD));

  const bool keepDepth = bitCount != 16 && header.biCompression != BI_BITFIELDS && !compressed;
  const int targetBits = keepDepth ? bitCount : 24;
  void* bits = nullptr;
  GdiObject<HBITMAP> dib = CreateDib(width, height, targetBits, colors, &bits);
  MemoryDC dc;
  if (SetDIBits(dc.Get(), dib.Get(), 0, static_cast<UINT>(height), pixels,
                reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS) == 0) {
    throw invalid();
  }
  Replace(std::move(dib), bits, width, height, FormatOfBitCount(targetBits));
}

void TBitmap::LoadFromStream(TStream* Stream) {
  const std::int64_t left = Stream->Size() - Stream->Position();
  if (left < static_cast<std::int64_t>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) || left > 0x7FFFFFFF) {
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  std::vector<std::uint8_t> bytes(static_cast<size_t>(left));
  Stream->ReadBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  BITMAPFILEHEADER file{};
  std::memcpy(&file, bytes.data(), sizeof(file));
  if (file.bfType != kBmpSignature || file.bfOffBits < sizeof(file) || file.bfOffBits > bytes.size()) {
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  const std::uint8_t* info = bytes.data() + sizeof(file);
  LoadPackedDib(info, file.bfOffBits - sizeof(file), bytes.data() + file.bfOffBits, bytes.size() - file.bfOffBits);
}

void TBitmap::SaveToStream(TStream* Stream) {
  if (Empty()) return;
  ReleaseCanvasDC();
  GdiFlush();
  const int bitCount = BitCount();
  const std::vector<RGBQUAD> colors = DibColorTable(bitmap_.Get(), bitCount);
  const int stride = DibStride(width_, bitCount);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width_;
  info.biHeight = height_;  // bottom-up, as BMP files usually are
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bitCount);
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride * height_);
  info.biClrUsed = static_cast<DWORD>(colors.size());
  BITMAPFILEHEADER file{};
  file.bfType = kBmpSignature;
  file.bfOffBits = static_cast<DWORD>(sizeof(file) + sizeof(info) + colors.size() * sizeof(RGBQUAD));
  file.bfSize = file.bfOffBits + info.biSizeImage;
  Stream->WriteBuffer(&file, sizeof(file));
  Stream->WriteBuffer(&info, sizeof(info));
  if (!colors.empty()) Stream->WriteBuffer(colors.data(), static_cast<std::int32_t>(colors.size() * sizeof(RGBQUAD)));
  for (int y = height_ - 1; y >= 0; --y) Stream->WriteBuffer(ScanLine(y), stride);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
  TResourceStream resource(Instance, ResName, RT_BITMAP);
  LoadPackedDib(static_cast<const std::uint8_t*>(resource.Memory()), static_cast<size_t>(resource.Size()), nullptr,
                0);
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  TResourceStream resource(Instance, ResID, RT_BITMAP);
  LoadPackedDib(static_cast<const std::uint8_t*>(resource.Memory()), static_cast<size_t>(resource.Size()), nullptr,
                0);
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
  transparentMode_ = other->transparentMode_;
  transparentColor_ = other->transparentColor_;
  TGraphic::SetTransparent(other->Transparent());
  if (other->Empty()) {
    pixelFormat_ = other->pixelFormat_;
    SetSize(0, 0);
    Changed(this);
    return;
  }
  other->ReleaseCanvasDC();
  const int bitCount = other->BitCount();
  void* bits = nullptr;
  GdiObject<HBITMAP> dib =
      CreateDib(other->width_, other->height_, bitCount, DibColorTable(other->Handle(), bitCount), &bits);
  GdiFlush();
  std::memcpy(bits, other->bits_,
              static_cast<size_t>(DibStride(other->width_, bitCount)) * static_cast<size_t>(other->height_));
  Replace(std::move(dib), bits, other->width_, other->height_, other->pixelFormat_);
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (transparentMode_ == value) return;
  if (value == tmAuto) {
    SetTransparentColor(clDefault);
  } else {
    SetTransparentColor(TransparentColor());
  }
}

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed || Empty()) return transparentColor_;
  return Canvas()->Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
  const TTransparentMode mode = value == clDefault ? tmAuto : tmFixed;
  if (transparentColor_ == value && transparentMode_ == mode) return;
  transparentColor_ = value;
  transparentMode_ = mode;
  Changed(this);
}

bool TBitmap::CarriesAlpha() {
  if (pixelFormat_ != pf32bit || Empty()) return false;
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits_);
  const size_t count = static_cast<size_t>(width_) * static_cast<size_t>(height_);
  return std::any_of(pixels, pixels + count, [](std::uint32_t p) { return (p & 0xFF000000u) != 0; });
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) { Draw(ACanvas->Handle(), Rect); }

void TBitmap::Draw(HDC dc, const TRect& rect) {
  if (Empty() || rect.IsEmpty()) return;
  const TColor transparent = Transparent() ? TransparentColor() : clNone;
  ReleaseCanvasDC();
  MemoryDC source;
  SelectedObject selected(source.Get(), bitmap_.Get());
  if (Transparent()) {
    TransparentBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), 0, 0, width_, height_,
                   ColorToRGB(transparent));
  } else if (CarriesAlpha()) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), 0, 0, width_, height_, blend);
  } else {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), 0, 0, width_, height_, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
}

}  // namespace fw
