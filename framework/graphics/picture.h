#pragma once
// TPicture: holds one graphic of any kind (a bitmap, a GDI+ picture, ...) or none. Graphic() is the held
// one; Bitmap() makes the picture hold a bitmap first when it holds something else. Assign takes a copy of
// a graphic, of another picture's graphic, or clears the picture (nullptr). OnChange fires for every
// change of the graphic or of which graphic is held.
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/graphic.h"

namespace fw {

class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;

  TGraphic* Graphic() const { return graphic_; }
  // Holds a copy of value (a new graphic of its class); nullptr clears.
  void SetGraphic(TGraphic* value);
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* value) { SetGraphic(value); }

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }
  bool Empty() const { return graphic_ == nullptr || graphic_->Empty(); }

  // The graphic class is the registered picture format of the file's extension or, for an extension no
  // format has, of its leading bytes. EFOpenError when the file cannot be opened, EInvalidGraphic when no
  // format fits or the graphic cannot read it; the picture keeps what it held then.
  void LoadFromFile(const std::string& FileName);
  // From the stream's position to its end, the format chosen by the leading bytes; errors as above.
  void LoadFromStream(TStream* Stream);
  // Saves the graphic held (nothing when none).
  void SaveToFile(const std::string& FileName);

  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

  // Stored form: the binary property "Data", the graphic's class name (length byte, then the name) and
  // its stream form. A class that is not registered leaves the picture as it was.
  void DefineProperties(TFiler* Filer) override;

 protected:
  // A graphic as destination gets the held graphic.
  void AssignTo(TPersistent* Dest) override;

 private:
  void Hold(TGraphic* graphic);
  void Changed();
  // Reads a new graphic with load and holds it, or frees it and raises.
  template <class Load>
  void HoldLoaded(TGraphic* graphic, Load&& load);

  TGraphic* graphic_ = nullptr;
};

}  // namespace fw
