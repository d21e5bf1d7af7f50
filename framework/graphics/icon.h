#pragma once
// TIcon: a graphic over an icon handle. It keeps the icon file's bytes (ICO layout, also when it came
// from a program's resources) so that it saves exactly what it loaded; the handle is made from the
// largest image of the file. An icon's size is that of its image: setting Width or Height raises
// EInvalidGraphicOperation.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/graphics/graphic.h"

namespace fw {

class TIcon : public TGraphic {
 public:
  TIcon() = default;
  ~TIcon() override;

  // The icon handle (nullptr when empty); the icon keeps owning it.
  HICON Handle() const { return handle_; }

  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  bool Empty() const override { return handle_ == nullptr; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int value) override;
  void SetHeight(int value) override;

  // ICO bytes from the stream's position to its end; EInvalidGraphic when they are not an icon (the icon
  // is left as it was).
  void LoadFromStream(TStream* Stream) override;
  // The ICO bytes loaded (nothing when empty).
  void SaveToStream(TStream* Stream) override;
  // An icon group of a module's resources; EResNotFound when the module has none of that name.
  void LoadFromResourceName(HINSTANCE Instance, const std::string& ResName);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);

  // Another icon (its bytes), or nothing (nullptr clears).
  void Assign(TPersistent* Source) override;
  TGraphic* NewGraphic() const override;

  // Whether the bytes begin as an icon file does.
  static bool IsIconData(const unsigned char* Data, size_t Size);

 private:
  void LoadBytes(std::vector<unsigned char> bytes);
  void LoadGroup(HINSTANCE Instance, LPCSTR Name, const std::string& shownName);
  void Release();

  std::vector<unsigned char> bytes_;
  HICON handle_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace fw
