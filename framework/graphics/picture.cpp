#include "framework/graphics/picture.h"

#include <vector>

#include "framework/classes/class_registry.h"
#include "framework/classes/filer.h"
#include "framework/classes/object.h"
#include "framework/graphics/picture_formats.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filenames.h"
#include "framework/streams/file_stream.h"
#include "framework/streams/memory_stream.h"
#include "framework/streams/stream.h"

namespace fw {

TPicture::TPicture() = default;

TPicture::~TPicture() {
  TGraphic* doomed = graphic_;
  graphic_ = nullptr;
  if (doomed) doomed->Free();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

// Takes ownership of graphic (may be null) in place of the one held.
void TPicture::Hold(TGraphic* graphic) {
  TGraphic* old = graphic_;
  graphic_ = graphic;
  if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(); };
  if (old) old->Free();
  Changed();
}

void TPicture::SetGraphic(TGraphic* value) {
  if (value == graphic_) return;
  if (value == nullptr) {
    Hold(nullptr);
    return;
  }
  TGraphic* copy = value->NewGraphic();
  try {
    copy->Assign(value);
  } catch (...) {
    copy->Free();
    throw;
  }
  Hold(copy);
}

TBitmap* TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(graphic_)) return bitmap;
  Hold(Create<TBitmap>());
  return static_cast<TBitmap*>(graphic_);
}

template <class Load>
void TPicture::HoldLoaded(TGraphic* graphic, Load&& load) {
  try {
    load(graphic);
  } catch (...) {
    graphic->Free();
    throw;
  }
  Hold(graphic);
}

void TPicture::LoadFromFile(const std::string& FileName) {
  if (const TPictureFormat* format = PictureFormatForExtension(ExtractFileExt(FileName))) {
    HoldLoaded(format->NewGraphic(), [&](TGraphic* graphic) { graphic->LoadFromFile(FileName); });
    return;
  }
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TPicture::LoadFromStream(TStream* Stream) {
  // The bytes are read once: the byte tests see them before the graphic reads them from the copy.
  TMemoryStream bytes;
  const std::int64_t rest = Stream->Size() - Stream->Position();
  if (rest > 0x7FFFFFFF) throw EInvalidGraphic("Picture too large");
  bytes.SetSize(rest > 0 ? rest : 0);
  if (rest > 0) Stream->ReadBuffer(bytes.Memory(), static_cast<std::int32_t>(rest));
  const TPictureFormat* format =
      PictureFormatForBytes(static_cast<const unsigned char*>(bytes.Memory()), static_cast<size_t>(bytes.Size()));
  if (format == nullptr) throw EInvalidGraphic("Unknown picture format");
  HoldLoaded(format->NewGraphic(), [&](TGraphic* graphic) { graphic->LoadFromStream(&bytes); });
}

void TPicture::SaveToFile(const std::string& FileName) {
  if (graphic_) graphic_->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
  if (Source == nullptr) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    if (picture != this) SetGraphic(picture->Graphic());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (auto* graphic = dynamic_cast<TGraphic*>(Dest)) {
    graphic->Assign(graphic_);
    return;
  }
  TPersistent::AssignTo(Dest);
}

void TPicture::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "Data",
      [this](TStream* Stream) {
        std::uint8_t length = 0;
        Stream->ReadBuffer(&length, 1);
        std::string className(length, '\0');
        if (length > 0) Stream->ReadBuffer(className.data(), length);
        const TClassFactory* factory = GetClass(className);
        if (factory == nullptr) return;
        TPersistent* made = (*factory)(nullptr);
        auto* graphic = dynamic_cast<TGraphic*>(made);
        if (graphic == nullptr) {
          made->Free();
          return;
        }
        try {
          graphic->LoadFromStream(Stream);
        } catch (...) {
          graphic->Free();
          throw;
        }
        Hold(graphic);
      },
      [this](TStream* Stream) {
        const std::string className = graphic_->ClassName();
        const auto length = static_cast<std::uint8_t>(className.size());
        Stream->WriteBuffer(&length, 1);
        Stream->WriteBuffer(className.data(), length);
        graphic_->SaveToStream(Stream);
      },
      graphic_ != nullptr);
}

}  // namespace fw
