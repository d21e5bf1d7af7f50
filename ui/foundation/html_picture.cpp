#include "ui/foundation/html_picture.h"

#include <cstring>
#include <vector>

#include "framework/graphics/canvas.h"
#include "framework/graphics/picture.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/textutils.h"
#include "framework/streams/file_stream.h"
#include "framework/streams/resource_stream.h"
#include "ui/foundation/encoded_picture.h"

namespace ui {

namespace {

constexpr int kHimetricPerInch = 2540;

std::uint16_t Word(const std::uint8_t* bytes, std::size_t size, std::size_t at) {
  if (at + 1 >= size) return 0;
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// A graphic-control block followed by an image descriptor starts at i: 0x21 0xF9 0x04, five bytes, 0x2C.
bool FrameStartsAt(const std::uint8_t* bytes, std::size_t size, std::size_t i) {
  return bytes[i] == 0x21 && i + 8 < size && bytes[i + 1] == 0xF9 && bytes[i + 2] == 0x04 && bytes[i + 8] == 0x2C;
}

// Owns a global memory block until a stream takes it.
struct GlobalBlock {
  HGLOBAL handle;
  ~GlobalBlock() {
    if (handle != nullptr) GlobalFree(handle);
  }
};

}  // namespace

// --- THTMLPicture ---

THTMLPicture::THTMLPicture() = default;

fw::TGraphic* THTMLPicture::NewGraphic() const { return fw::Create<THTMLPicture>(); }

bool THTMLPicture::IsGif() {
  const auto* bytes = static_cast<const std::uint8_t*>(data_.Memory());
  return data_.Size() > 4 && std::memcmp(bytes, "GIF8", 4) == 0;
}

int THTMLPicture::GetFrameCount() {
  if (frameCount_ != -1) return frameCount_;
  if (!IsGif()) return -1;
  const auto* bytes = static_cast<const std::uint8_t*>(data_.Memory());
  const auto size = static_cast<std::size_t>(data_.Size());
  int frames = 0;
  for (std::size_t i = 0; i < size; ++i) frames += FrameStartsAt(bytes, size, i) ? 1 : 0;
  frameCount_ = frames;
  data_.SetPosition(0);
  return frameCount_;
}

void THTMLPicture::Decode() {
  const auto size = static_cast<std::size_t>(data_.Size());
  GlobalBlock block{ImageMemoryAllocate(GMEM_MOVEABLE, size)};
  if (block.handle == nullptr) throw fw::Exception("Could not allocate memory for image");
  auto* memory = static_cast<std::uint8_t*>(GlobalLock(block.handle));
  frameLeft_ = frameTop_ = animWidth_ = animHeight_ = 0;
  const auto* bytes = static_cast<const std::uint8_t*>(data_.Memory());

  if (IsGif() && GetFrameCount() >= 1) {
    animWidth_ = Word(bytes, size, 6);
    animHeight_ = Word(bytes, size, 8);
    // The header and the frames from the current one on: the decoder then shows the current frame.
    std::vector<std::uint8_t> kept;
    kept.reserve(size);
    bool skipping = false;
    int frames = 0;
    for (std::size_t i = 0; i < size; ++i) {
      if (FrameStartsAt(bytes, size, i)) {
        ++frames;
        if (frames == frame_) {
          frameLeft_ = Word(bytes, size, i + 9);
          frameTop_ = Word(bytes, size, i + 11);
          frameWidth_ = Word(bytes, size, i + 13);
          frameHeight_ = Word(bytes, size, i + 15);
        }
        skipping = frame_ > frames;
      }
      if (!skipping) kept.push_back(bytes[i]);
    }
    if (!kept.empty()) std::memcpy(memory, kept.data(), kept.size());
  } else if (size > 0) {
    std::memcpy(memory, bytes, size);
  }
  GlobalUnlock(block.handle);

  IStream* raw = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block.handle, TRUE, &raw))) throw fw::Exception("Could not create image stream");
  block.handle = nullptr;  // the stream owns it now
  if (raw == nullptr) throw fw::Exception("Empty image stream created");
  fw::ComRef<IStream> stream(raw);

  picture_.Reset();
  // Not in run mode: the picture then keeps the original bytes and, on every system, owns the bitmap it
  // decodes and deletes it when released (in run mode some systems leave that bitmap behind).
  if (OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                     reinterpret_cast<void**>(picture_.Receive())) != S_OK) {
    picture_.Reset();
    throw fw::Exception("Could not load image. Invalid format");
  }
  if (!picture_) throw fw::Exception("Could not load image");
}

void THTMLPicture::TakeBytes(fw::TStream* Stream) {
  data_.LoadFromStream(Stream);
  isEmpty_ = false;
  frameCount_ = -1;
  Decode();
}

void THTMLPicture::LoadFromStream(fw::TStream* Stream) {
  if (Stream == nullptr) return;
  TakeBytes(Stream);
  Changed(this);
}

void THTMLPicture::ReadData(fw::TStream* Stream) {
  if (Stream == nullptr) return;
  TakeBytes(Stream);
}

void THTMLPicture::SaveToStream(fw::TStream* Stream) {
  if (Stream != nullptr) data_.SaveToStream(Stream);
}

void THTMLPicture::LoadFromFile(const std::string& FileName) {
  try {
    fw::TFileStream file(FileName, fw::fmOpenRead | fw::fmShareDenyWrite);
    LoadFromStream(&file);
  } catch (...) {
    isEmpty_ = true;
  }
}

void THTMLPicture::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
  if (FindResourceA(Instance, ResName.c_str(), RT_RCDATA) == nullptr) return;
  fw::TResourceStream resource(Instance, ResName, RT_RCDATA);
  LoadFromStream(&resource);
}

void THTMLPicture::LoadFromURL(const std::string& URL) {
  const std::string upper = fw::UpperCase(URL);
  if (upper.starts_with("RES://")) {
    id_ = URL;
    const std::string name = URL.substr(6);
    if (!name.empty()) LoadFromResourceName(GetModuleHandleA(nullptr), name);
  } else if (upper.starts_with("FILE://")) {
    id_ = URL;
    const std::string file = URL.substr(7);
    if (!file.empty()) LoadFromFile(file);
  } else if (!asynchronous_) {
    downloadUrl_ = URL;
    id_ = URL;
  } else if (!threadBusy_) {
    // Downloads are not made: the thread ends at once and the picture stays empty.
    downloadUrl_ = URL;
    threadBusy_ = true;
    TDownLoadThread* thread = fw::Create<TDownLoadThread>(this);
    thread->SetFreeOnTerminate(true);
    thread->Start();
  }
}

int THTMLPicture::HimetricToPixels(bool height) const {
  if (!picture_) return 0;
  OLE_XSIZE_HIMETRIC extent = 0;
  if (height) {
    picture_->get_Height(&extent);
  } else {
    picture_->get_Width(&extent);
  }
  return MulDiv(extent, height ? static_cast<int>(logPixelsY_) : static_cast<int>(logPixelsX_), kHimetricPerInch);
}

int THTMLPicture::Width() const { return HimetricToPixels(false); }
int THTMLPicture::Height() const { return HimetricToPixels(true); }

int THTMLPicture::GetMaxWidth() const {
  if (!picture_) return 0;
  return animWidth_ != 0 ? animWidth_ : Width();
}

int THTMLPicture::GetMaxHeight() const {
  if (!picture_) return 0;
  return animHeight_ != 0 ? animHeight_ : Height();
}

void THTMLPicture::Draw(fw::TCanvas* ACanvas, const fw::TRect& Rect) {
  if (isEmpty_ || !picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  const RECT bounds = Rect.ToRECT();
  HDC dc = ACanvas->Handle();
  // The source is given bottom-up (HIMETRIC's y axis points up): the picture lands upright at the top-left.
  // Stretched it fills the rectangle; otherwise it keeps its natural size for the device's resolution.
  const int cx = stretch_ ? Rect.Right - Rect.Left : MulDiv(width, GetDeviceCaps(dc, LOGPIXELSX), kHimetricPerInch);
  const int cy = stretch_ ? Rect.Bottom - Rect.Top : MulDiv(height, GetDeviceCaps(dc, LOGPIXELSY), kHimetricPerInch);
  picture_->Render(dc, Rect.Left, Rect.Top, cx, cy, 0, height, width, -height, &bounds);
}

void THTMLPicture::SetFrame(int Value) {
  frame_ = Value;
  if (!isEmpty_) {
    Decode();
    if (OnFrameChange) OnFrameChange(this);
  }
}

void THTMLPicture::Assign(fw::TPersistent* Source) {
  isEmpty_ = true;
  picture_.Reset();
  frameCount_ = -1;
  nextFrameTime_ = frameTime_ = -1;
  SetFrame(1);
  if (Source == nullptr) {
    data_.Clear();
    return;
  }
  if (auto* other = dynamic_cast<THTMLPicture*>(Source)) {
    stretch_ = other->stretch_;
    frame_ = other->frame_;
    id_ = other->id_;
    if (other->isEmpty_) {  // an empty picture has no data to decode: the copy is empty too
      data_.Clear();
    } else {
      data_.LoadFromStream(&other->data_);
      isEmpty_ = false;
      Decode();
    }
    Changed(this);
    return;
  }
  if (auto* picture = dynamic_cast<fw::TPicture*>(Source)) {
    fw::TMemoryStream bytes;
    if (picture->Graphic() != nullptr) picture->Graphic()->SaveToStream(&bytes);
    bytes.SetPosition(0);
    LoadFromStream(&bytes);
    return;
  }
  TGraphic::Assign(Source);
}

// --- THTMLPictureCache ---

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture() {
  THTMLPicture* picture = fw::Create<THTMLPicture>();
  Add(picture);
  return picture;
}

THTMLPicture* THTMLPictureCache::FindPicture(const std::string& ID) const {
  for (int i = 0; i < Count(); ++i) {
    if (Items(i)->ID() == ID) return Items(i);
  }
  return nullptr;
}

void THTMLPictureCache::ClearPictures() {
  for (int i = 0; i < Count(); ++i) Items(i)->Free();
  Clear();
}

// --- TPictureItem, TPictureCollection, TPictureContainer ---

TPictureItem::TPictureItem(fw::TCollection* Collection)
    : TCollectionItem(Collection), picture_(fw::Create<THTMLPicture>()) {}

TPictureItem::~TPictureItem() { picture_->Free(); }

void TPictureItem::Assign(fw::TPersistent* Source) {
  if (auto* other = dynamic_cast<TPictureItem*>(Source)) {
    name_ = other->name_;
    tag_ = other->tag_;
    picture_->Assign(other->picture_);
    return;
  }
  TCollectionItem::Assign(Source);
}

TPictureCollection::TPictureCollection(TPictureContainer* Owner)
    : TCollection(fw::ItemClass<TPictureItem>(), Owner) {}

TPictureContainer::TPictureContainer(fw::TComponent* AOwner)
    : TComponent(AOwner), items_(new TPictureCollection(this)) {}

TPictureContainer::~TPictureContainer() { items_->Free(); }

THTMLPicture* TPictureContainer::FindPicture(const std::string& Name) const {
  const std::string wanted = fw::UpperCase(Name);
  for (int i = 0; i < items_->Count(); ++i) {
    if (fw::UpperCase(items_->Items(i)->Name()) == wanted) return items_->Items(i)->Picture();
  }
  return nullptr;
}

}  // namespace ui
