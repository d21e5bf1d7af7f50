#include "framework/graphics/image_list.h"

#include <algorithm>
#include <cstdint>

#include "framework/graphics/dib.h"
#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// A device-dependent copy of a bitmap's pixels: image lists take no DIB still selected into a canvas.
GdiObject<HBITMAP> CopyForList(TBitmap* source, bool monochrome) {
  const int width = source->Width();
  const int height = source->Height();
  WindowDC screen(nullptr);
  GdiObject<HBITMAP> copy(monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                                     : CreateCompatibleBitmap(screen.Get(), width, height));
  if (!copy) RaiseLastOSError();
  MemoryDC dc;
  SelectedObject selected(dc.Get(), copy.Get());
  HDC from = source->Canvas()->Handle();
  // Into one bit per pixel, white (the source's background colour) becomes 1 and the rest 0.
  const COLORREF oldBack = SetBkColor(from, RGB(255, 255, 255));
  BitBlt(dc.Get(), 0, 0, width, height, from, 0, 0, SRCCOPY);
  SetBkColor(from, oldBack);
  return copy;
}

}  // namespace

TChangeLink::~TChangeLink() {
  if (sender_) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(sender_);
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : links_) link->sender_ = nullptr;
  links_.clear();
  DestroyList();
}

void TCustomImageList::DestroyList() {
  if (handle_) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

HIMAGELIST TCustomImageList::Handle() {
  if (handle_ == nullptr) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | (masked_ ? ILC_MASK : 0), 4, 4);
    if (handle_ == nullptr) RaiseLastOSError();
  }
  return handle_;
}

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 1);
  AHeight = std::max(AHeight, 1);
  if (AWidth == width_ && AHeight == height_) return;
  width_ = AWidth;
  height_ = AHeight;
  DestroyList();
  Change();
}

void TCustomImageList::SetMasked(bool value) {
  if (masked_ == value) return;
  masked_ = value;
  DestroyList();
  Change();
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid ImageList Index");
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (Image == nullptr || Image->Empty()) return -1;
  GdiObject<HBITMAP> image = CopyForList(Image, false);
  GdiObject<HBITMAP> mask = Mask && !Mask->Empty() ? CopyForList(Mask, true) : GdiObject<HBITMAP>();
  const int index = ImageList_Add(Handle(), image.Get(), mask.Get());
  if (index >= 0) Change();
  return index;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (Image == nullptr || Image->Empty()) return -1;
  GdiObject<HBITMAP> image = CopyForList(Image, false);  // the list blackens the masked pixels of what it gets
  const int index = ImageList_AddMasked(Handle(), image.Get(), ColorToRGB(MaskColor));
  if (index >= 0) Change();
  return index;
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  if (Image == nullptr || Image->Empty()) return;
  GdiObject<HBITMAP> image = CopyForList(Image, false);
  GdiObject<HBITMAP> mask = Mask && !Mask->Empty() ? CopyForList(Mask, true) : GdiObject<HBITMAP>();
  if (ImageList_Replace(Handle(), Index, image.Get(), mask.Get())) Change();
}

void TCustomImageList::Delete(int Index) {
  CheckIndex(Index);
  ImageList_Remove(handle_, Index);
  Change();
}

void TCustomImageList::Clear() {
  if (handle_) ImageList_Remove(handle_, -1);
  Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
  if (Index < 0 || Index >= Count()) return;
  HDC dc = Canvas->Handle();
  const UINT style = masked_ ? ILD_TRANSPARENT : ILD_NORMAL;
  if (Enabled) {
    ImageList_Draw(handle_, Index, dc, X, Y, style);
    return;
  }
  // Disabled: the image over what the canvas shows, then every pixel the image covers turned grey. The
  // covered pixels are those that come out the same over black and over white.
  void* bits = nullptr;
  GdiObject<HBITMAP> work = CreateTopDownDib(width_, height_, &bits);
  MemoryDC workDC;
  SelectedObject selectedWork(workDC.Get(), work.Get());
  void* probeBits = nullptr;
  GdiObject<HBITMAP> probe = CreateTopDownDib(width_, height_, &probeBits);
  MemoryDC probeDC;
  SelectedObject selectedProbe(probeDC.Get(), probe.Get());
  PatBlt(workDC.Get(), 0, 0, width_, height_, BLACKNESS);
  ImageList_Draw(handle_, Index, workDC.Get(), 0, 0, style);
  PatBlt(probeDC.Get(), 0, 0, width_, height_, WHITENESS);
  ImageList_Draw(handle_, Index, probeDC.Get(), 0, 0, style);
  GdiFlush();
  auto* pixels = static_cast<std::uint32_t*>(bits);
  const auto* overWhite = static_cast<const std::uint32_t*>(probeBits);
  std::vector<bool> covered(static_cast<size_t>(width_) * static_cast<size_t>(height_));
  for (size_t i = 0; i < covered.size(); ++i) covered[i] = ((pixels[i] ^ overWhite[i]) & 0xFFFFFF) == 0;
  BitBlt(workDC.Get(), 0, 0, width_, height_, dc, X, Y, SRCCOPY);
  ImageList_Draw(handle_, Index, workDC.Get(), 0, 0, style);
  GdiFlush();
  for (size_t i = 0; i < covered.size(); ++i) {
    if (!covered[i]) continue;
    const std::uint32_t p = pixels[i];
    const std::uint32_t luminance = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
    const std::uint32_t grey = 96 + luminance * 5 / 8;  // lighter, with less contrast
    pixels[i] = (grey << 16) | (grey << 8) | grey;
  }
  BitBlt(dc, X, Y, width_, height_, workDC.Get(), 0, 0, SRCCOPY);
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
  CheckIndex(Index);
  Image->SetSize(width_, height_);
  TCanvas* canvas = Image->Canvas();
  PatBlt(canvas->Handle(), 0, 0, width_, height_, BLACKNESS);
  ImageList_Draw(handle_, Index, canvas->Handle(), 0, 0, masked_ ? ILD_TRANSPARENT : ILD_NORMAL);
}
void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (Value == nullptr) return;
  if (Value->sender_ && Value->sender_ != this) Value->sender_->UnRegisterChanges(Value);
  Value->sender_ = this;
  if (std::find(links_.begin(), links_.end(), Value) == links_.end()) links_.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  links_.erase(std::remove(links_.begin(), links_.end(), Value), links_.end());
  if (Value && Value->sender_ == this) Value->sender_ = nullptr;
}

void TCustomImageList::Change() {
  const std::vector<TChangeLink*> links = links_;  // a link may unregister itself from its handler
  for (TChangeLink* link : links) link->Change();
  if (OnChange) OnChange(this);
}

}  // namespace fw
