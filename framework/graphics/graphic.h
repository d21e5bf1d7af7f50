#pragma once
// TGraphic: a picture of any kind (bitmap, GDI+ picture, ...) that draws itself into a rectangle of a
// canvas and keeps its encoded form in streams and files. A picture (TPicture) holds one.
//
// A descendant implements Draw, Empty, Width/Height and their setters, LoadFromStream/SaveToStream and
// NewGraphic (an empty graphic of its own class, so a picture can hold a copy of any graphic). It calls
// Changed after every change of what it shows, which fires OnChange.
#include <string>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/geometry.h"

namespace fw {

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
 public:
  // Draws the whole picture stretched into Rect.
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int value) = 0;
  virtual void SetHeight(int value) = 0;
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool Modified() const { return modified_; }
  void SetModified(bool value);

  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  // Through a file stream: EFOpenError / EFCreateError when the file cannot be used.
  virtual void LoadFromFile(const std::string& FileName);
  virtual void SaveToFile(const std::string& FileName);

  // A new, empty graphic of this one's class, made with Create<T>.
  virtual TGraphic* NewGraphic() const = 0;

  TNotifyEvent OnChange;

 protected:
  // The stored form of a picture inside another object's data; as the streams by default.
  // Stored form: the stream form as the binary property "Data" (only when not empty).
  void DefineProperties(TFiler* Filer) override;
  virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
  virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }
  virtual void Changed(TObject* Sender);

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

}  // namespace fw
