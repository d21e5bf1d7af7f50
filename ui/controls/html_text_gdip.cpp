#include "ui/controls/html_text_gdip.h"
#include "framework/rtl/ansicase.h"

#include <algorithm>
#include <memory>

#include "ui/controls/html_text_rules.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/gdip_picture_container.h"
#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

namespace {

THTMLRules GDIPRules(int LineSpacing) {
  THTMLRules rules = StyledControlRules(LineSpacing);
  rules.readingOrder = false;
  rules.focusFrames = false;
  rules.halfScriptExtents = true;
  rules.hitWithinTextHeight = true;
  rules.sizePadding = 2;
  return rules;
}

// Without DT_NOPREFIX an ampersand marks the next character and "&&" is one ampersand.
std::string WithoutPrefixes(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    else if (text[i] == '&') continue;
    result += text[i];
  }
  return result;
}

// The GDI+ surface: text through the GDI+ wrapper with the brush's colour as its background, underlines
// carried across blanks, the error zigzag, the rule, list bullet shapes and pictures of a GDI+ picture
// container. It has a font and a background colour of its own, so the caller's font is left alone.
class TGDIPSurface : public THTMLSurface {
 public:
  TGDIPSurface(TGPGraphics* Graphics, fw::TFont* Font, THTMLTextParams& Params, TGDIPPictureContainer* Pictures,
               int LineSpacing)
      : THTMLSurface(Params, GDIPRules(LineSpacing)), graphics_(Graphics), pictures_(Pictures) {
    ownFont_.Assign(Font);
    ownBrush_.SetStyle(fw::bsClear);
    font_ = &ownFont_;
    brush_ = &ownBrush_;
  }

  int TextHeight(const std::string& Text) override { return graphics_->TextHeight(Text, font_); }

  int TextWidth(const std::string& Text, fw::TRect Area, UINT Flags) override {
    if (Text == " ") return 0;  // a single blank takes no room
    const std::string shown = (Flags & DT_NOPREFIX) != 0 ? Text : WithoutPrefixes(Text);
    if (shown.empty()) return 0;
    graphics_->DrawText(shown, -1, Area, font_, DT_CALCRECT, fw::clNone);
    return Area.Right - Area.Left;
  }

  int BlankWidth(const fw::TRect& LineBox, UINT /*Flags*/) override {
    fw::TRect area = LineBox;
    graphics_->DrawText(" ", -1, area, font_, DT_CALCRECT, fw::clNone);
    return std::max(0, area.Right - area.Left);
  }

  TPainted PaintRun(const THTMLRun& Run) override {
    if (Run.text == " ") return TPainted{0, false};
    const int height = TextHeight(Run.text);
    int bottom = Run.textBottom - Run.textOffset;
    int top = bottom - height;
    if (Run.subscript) {
      bottom += Run.subExtent;
      top += Run.subExtent / 2;
    }
    if (Run.superscript) {
      bottom -= Run.superExtent;
      top -= Run.superExtent / 2;
    }
    const int width = TextWidth(Run.text, Run.lineBox, Run.flags);
    fw::TRect area = fw::Rect(Run.left, top, Run.left + width, bottom);
    std::string shown = Run.text;
    if (font_->Style().Contains(fw::fsUnderline)) {
      // The link's underline goes on across the blank to its next word.
      const std::string& rest = Run.rest;
      const std::size_t tag = rest.find('<');
      const std::string plain = rest.substr(0, tag == std::string::npos ? rest.size() : tag);
      const std::size_t blank = plain.find(' ');
      const std::string follow = plain.substr(0, blank == std::string::npos ? plain.size() : blank + 1);
      const std::size_t linkEnd = fw::AnsiUpperCase(rest).find("</A");
      const std::size_t nextBlank = rest.find(' ');
      if (!follow.empty() && nextBlank != std::string::npos && (linkEnd == std::string::npos || nextBlank < linkEnd)) {
        shown += "_";
      }
      if (!follow.empty()) area.Right = area.Left + TextWidth(Run.text + follow, Run.lineBox, Run.flags);
    }
    const fw::TColor back = BrushColorOrNone();
    if (Run.shadow) {
      const fw::TColor color = font_->Color();
      font_->SetColor(p_.ShadowColor);
      DrawText(shown, area.Offset(p_.ShadowOffset, p_.ShadowOffset), Run.flags, fw::clNone);
      font_->SetColor(color);
    }
    DrawText(shown, area, Run.flags, back);
    if (Run.error) ErrorZigzag(area.Left, area.Left + width, bottom);
    return TPainted{width, true};
  }

  int ListBullet(const std::string& Upper, const std::string& Bullet, const fw::TRect& Area, UINT Flags) override {
    if (!HTMLTagHas(Upper, "TYPE")) {
      DrawSymbolBullet(Bullet, Area, Flags, TagColor(Upper));
      return 0;
    }
    const std::string type = HTMLTagValue(Upper, "TYPE");
    const int x = Area.Right;
    const int y = Area.Top + 2;
    if (type == "SQUARE" || type == "CIRCLE") {
      TGPSolidBrush brush(ColorToARGB(HTMLColorValue(HTMLTagValue(Upper, "COLOR"))));
      if (type == "SQUARE") graphics_->FillRectangleXYWH(&brush, static_cast<float>(x), static_cast<float>(y), 8, 8);
      else graphics_->FillEllipse(&brush, static_cast<float>(x), static_cast<float>(y), 8, 8);
    } else if (type == "IMAGE" && pictures_) {
      TVxGDIPPicture* picture = pictures_->FindPicture(HTMLTagValue(Upper, "NAME"));
      if (picture && !picture->Empty()) {
        picture->GetImageSizes();
        picture->GDIPDraw(graphics_, fw::Rect(x, y, x + picture->Width(), y + picture->Height()));
        if (picture->Width() > 12) return picture->Width() - 12;
      }
    }
    return 0;
  }

  void Rule(const std::string& /*Upper*/, int Left, int Right, int Y) override {
    TGPPen pen(ColorToARGB(fw::clBlack), 1.0f);
    const auto y = static_cast<float>(Y);
    graphics_->DrawLine(&pen, static_cast<float>(Left), y, static_cast<float>(Right), y);
  }

  THTMLParagraphFill ParagraphBackground(const std::string& Upper, const fw::TRect& /*LineBox*/,
                                         int /*TextBottom*/) override {
    return HTMLTagHas(Upper, "BGCOLORTO") ? THTMLParagraphFill::Banded : THTMLParagraphFill::Marked;
  }

  void Body(const std::string& Upper, int /*X*/, int /*Top*/) override {
    if (p_.KeepColors || !HTMLTagHas(Upper, "BGCOLOR")) return;
    if (HTMLTagHas(Upper, "BGCOLORTO")) SetBrushColor(fw::clNone);
    else SetBrushColor(HTMLBodyColorValue(HTMLTagValue(Upper, "BGCOLOR")));
  }

 protected:
  fw::TSize PlaceNamedPicture(const std::string& Reference, const std::string& Upper, int X, int Top,
                              bool Paint) override {
    if (!pictures_ || Reference.find(':') != std::string::npos) return fw::TSize{0, 0};
    TVxGDIPPicture* picture = pictures_->FindPicture(Reference);
    if (!picture || picture->Empty()) return fw::TSize{0, 0};
    const int width = IntOfText(HTMLTagValue(Upper, "WIDTH"));
    const int height = IntOfText(HTMLTagValue(Upper, "HEIGHT"));
    fw::TSize size{width, height};
    if (width < 1 || height < 1) {
      picture->GetImageSizes();
      size = fw::TSize{picture->Width(), picture->Height()};
    }
    if (Paint) picture->GDIPDraw(graphics_, fw::Rect(X, Top, X + size.cx, Top + size.cy));
    return size;
  }

  // Scaled image-list pictures are measured but not drawn.
  void DrawImageListPicture(fw::TCustomImageList* List, int Index, int X, int Top) override {
    if (!p_.ScalePictures) THTMLSurface::DrawImageListPicture(List, Index, X, Top);
  }

  // A canvas on the GDI+ surface's device context for the time of one drawing.
  void OnCanvas(const std::function<void(fw::TCanvas*)>& Draw) override {
    struct TDeviceCanvas {
      TGPGraphics* graphics;
      HDC dc;
      fw::TCanvas canvas;
      ~TDeviceCanvas() {
        canvas.SetHandle(nullptr);
        graphics->ReleaseHDC(dc);
      }
    } device{graphics_, graphics_->GetHDC(), {}};
    device.canvas.SetHandle(device.dc);
    Draw(&device.canvas);
  }

  void DrawPlainText(const std::string& Text, const fw::TRect& Area, UINT Flags) override {
    DrawText(Text, Area, Flags, fw::clNone);
  }

 private:
  void DrawText(const std::string& Text, fw::TRect Area, UINT Flags, fw::TColor Back) {
    if (font_->Color() == fw::clNone) return;
    const std::string shown = (Flags & DT_NOPREFIX) != 0 ? Text : WithoutPrefixes(Text);
    graphics_->DrawText(shown, -1, Area, font_, 0, Back);
  }

  void ErrorZigzag(int Left, int Right, int Bottom) {
    TGPPen pen(ColorToARGB(0x0000FF), 1.0f);
    int x = Left - (((Left % 2) + 2) % 2);
    bool up = true;
    while (x <= Right) {
      const auto y1 = static_cast<float>(up ? Bottom - 2 : Bottom - 4);
      const auto y2 = static_cast<float>(up ? Bottom - 4 : Bottom - 2);
      graphics_->DrawLine(&pen, static_cast<float>(x), y1, static_cast<float>(x + 2), y2);
      x += 2;
      up = !up;
    }
  }

  TGPGraphics* graphics_;
  TGDIPPictureContainer* pictures_;
  fw::TFont ownFont_;
  fw::TBrush ownBrush_;
};

}  // namespace

bool DrawHTMLTextGDIP(TGPGraphics* Graphics, fw::TFont* Font, THTMLTextParams& Params,
                      TGDIPPictureContainer* PictureContainer, int LineSpacing) {
  TGDIPSurface surface(Graphics, Font, Params, PictureContainer, LineSpacing);
  THTMLEngine engine(surface);
  return engine.Run();
}

}  // namespace ui
