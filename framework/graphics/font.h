#pragma once
// A font description (face, size, style, colour) and the GDI font made from it.
#include <string>

#include "framework/rtl/set.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/graphics_object.h"

namespace fw {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGdiGraphicsObject<HFONT> {
 public:
  TFont();

  void Assign(TPersistent* Source) override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  // Size in points; Height in pixels, negative for the character height without internal leading.
  int Size() const;
  void SetSize(int value);
  int Height() const { return height_; }
  void SetHeight(int value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  BYTE Charset() const { return charset_; }
  void SetCharset(BYTE value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch value);
  int PixelsPerInch() const { return pixelsPerInch_; }

  HFONT Handle();

 private:
  std::string name_ = "Tahoma";
  int pixelsPerInch_;
  int height_;
  TColor color_ = clWindowText;
  TFontStyles style_;
  BYTE charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
};

// Logical pixels per inch of the screen, as fonts convert points to pixels.
int ScreenPixelsPerInch();

}  // namespace fw
