#include "framework/graphics/icon.h"

#include <cstring>
#include <utility>

#include "framework/classes/object.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/stream.h"

namespace fw {

namespace {

// The ICO file layout: a 6-byte header (reserved 0, type 1, image count) and one 16-byte entry per image
// (width, height, colours, reserved, planes, bits per pixel, byte count, offset of the image's bytes).
constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;
// In an icon group resource an entry is 14 bytes: the offset is replaced by the RT_ICON resource's id.
constexpr size_t kGroupEntrySize = 14;

WORD Word(const unsigned char* p) { return static_cast<WORD>(p[0] | (p[1] << 8)); }
DWORD DWord(const unsigned char* p) {
  return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) | (static_cast<DWORD>(p[2]) << 16) |
         (static_cast<DWORD>(p[3]) << 24);
}
void PutWord(std::vector<unsigned char>& out, WORD value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>(value >> 8));
}
void PutDWord(std::vector<unsigned char>& out, DWORD value) {
  PutWord(out, static_cast<WORD>(value & 0xFFFF));
  PutWord(out, static_cast<WORD>(value >> 16));
}
// A width or height byte of 0 means 256.
int Extent(unsigned char value) { return value == 0 ? 256 : value; }

[[noreturn]] void InvalidIcon() { throw EInvalidGraphic("Invalid icon image"); }

}  // namespace

TIcon::~TIcon() { Release(); }

void TIcon::Release() {
  if (handle_ != nullptr) DestroyIcon(handle_);
  handle_ = nullptr;
}

bool TIcon::IsIconData(const unsigned char* Data, size_t Size) {
  return Size >= kHeaderSize && Word(Data) == 0 && Word(Data + 2) == 1 && Word(Data + 4) > 0;
}

// Checks the bytes, makes the handle of the largest image and only then replaces what the icon held.
void TIcon::LoadBytes(std::vector<unsigned char> bytes) {
  if (!IsIconData(bytes.data(), bytes.size())) InvalidIcon();
  const size_t count = Word(bytes.data() + 4);
  if (bytes.size() < kHeaderSize + count * kEntrySize) InvalidIcon();
  const unsigned char* best = nullptr;
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* entry = bytes.data() + kHeaderSize + i * kEntrySize;
    const DWORD size = DWord(entry + 8);
    const DWORD offset = DWord(entry + 12);
    if (size == 0 || offset > bytes.size() || size > bytes.size() - offset) InvalidIcon();
    const auto area = [](const unsigned char* e) { return Extent(e[0]) * Extent(e[1]); };
    if (best == nullptr || area(entry) > area(best) || (area(entry) == area(best) && Word(entry + 6) > Word(best + 6))) {
      best = entry;
    }
  }
  const int width = Extent(best[0]);
  const int height = Extent(best[1]);
  HICON handle = CreateIconFromResourceEx(bytes.data() + DWord(best + 12), DWord(best + 8), TRUE, 0x00030000, width,
                                          height, LR_DEFAULTCOLOR);
  if (handle == nullptr) InvalidIcon();
  Release();
  handle_ = handle;
  bytes_ = std::move(bytes);
  width_ = width;
  height_ = height;
  Changed(this);
}

void TIcon::LoadFromStream(TStream* Stream) {
  const std::int64_t rest = Stream->Size() - Stream->Position();
  if (rest <= 0 || rest > 0x7FFFFFFF) InvalidIcon();
  std::vector<unsigned char> bytes(static_cast<size_t>(rest));
  Stream->ReadBuffer(bytes.data(), static_cast<std::int32_t>(rest));
  LoadBytes(std::move(bytes));
}

void TIcon::SaveToStream(TStream* Stream) {
  if (!bytes_.empty()) Stream->WriteBuffer(bytes_.data(), static_cast<std::int32_t>(bytes_.size()));
}

// Rebuilds the ICO file from the group's directory and its RT_ICON images.
void TIcon::LoadGroup(HINSTANCE Instance, LPCSTR Name, const std::string& shownName) {
  const auto resource = [&](LPCSTR name, LPCSTR type) -> std::pair<const unsigned char*, DWORD> {
    HRSRC info = FindResourceA(Instance, name, type);
    HGLOBAL loaded = info != nullptr ? LoadResource(Instance, info) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) throw EResNotFound("Resource " + shownName + " not found");
    return {static_cast<const unsigned char*>(data), SizeofResource(Instance, info)};
  };
  const auto [group, groupSize] = resource(Name, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (groupSize < kHeaderSize) InvalidIcon();
  const size_t count = Word(group + 4);
  if (groupSize < kHeaderSize + count * kGroupEntrySize) InvalidIcon();

  std::vector<unsigned char> file(group, group + 4);
  PutWord(file, static_cast<WORD>(count));
  std::vector<unsigned char> images;
  DWORD offset = static_cast<DWORD>(kHeaderSize + count * kEntrySize);
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* entry = group + kHeaderSize + i * kGroupEntrySize;
    const auto [image, imageSize] = resource(MAKEINTRESOURCEA(Word(entry + 12)), MAKEINTRESOURCEA(3));  // RT_ICON
    file.insert(file.end(), entry, entry + 8);
    PutDWord(file, imageSize);
    PutDWord(file, offset);
    images.insert(images.end(), image, image + imageSize);
    offset += imageSize;
  }
  file.insert(file.end(), images.begin(), images.end());
  LoadBytes(std::move(file));
}

void TIcon::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
  LoadGroup(Instance, ResName.c_str(), ResName);
}

void TIcon::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  LoadGroup(Instance, MAKEINTRESOURCEA(ResID), std::to_string(ResID));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (handle_ == nullptr) return;
  DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, handle_, Rect.Width(), Rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::SetWidth(int value) {
  if (value != width_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int value) {
  if (value != height_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    Release();
    bytes_.clear();
    width_ = height_ = 0;
    Changed(this);
  } else if (auto* icon = dynamic_cast<TIcon*>(Source)) {
    if (icon == this) return;
    if (icon->Empty()) {
      Assign(nullptr);
    } else {
      LoadBytes(icon->bytes_);
    }
  } else {
    TGraphic::Assign(Source);
  }
}

TGraphic* TIcon::NewGraphic() const { return Create<TIcon>(); }

}  // namespace fw
