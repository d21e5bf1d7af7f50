#include "ui/foundation/html_surface.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "ui/foundation/html_images.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

void THTMLSurface::SetBrushColor(fw::TColor Color) {
  if (Color == fw::clNone) {
    brush_->SetStyle(fw::bsClear);
  } else {
    brush_->SetColor(Color);
    brush_->SetStyle(fw::bsSolid);
  }
}

fw::TColor THTMLSurface::BrushColorOrNone() const {
  return brush_->Style() == fw::bsClear ? fw::clNone : brush_->Color();
}

int THTMLSurface::ListBullet(const std::string& /*Upper*/, const std::string& Bullet, const fw::TRect& Area,
                             UINT Flags) {
  DrawSymbolBullet(Bullet, Area, Flags, std::nullopt);
  return 0;
}

std::optional<fw::TColor> THTMLSurface::TagColor(const std::string& Upper) {
  if (!HTMLTagHas(Upper, "COLOR")) return std::nullopt;
  return HTMLColorValue(HTMLTagValue(Upper, "COLOR"));
}

void THTMLSurface::DrawSymbolBullet(const std::string& Bullet, const fw::TRect& Area, UINT Flags,
                                    std::optional<fw::TColor> Color) {
  const fw::TColor fontColor = font_->Color();
  if (Color) font_->SetColor(*Color);
  const std::string name = font_->Name();
  const BYTE charset = font_->Charset();
  font_->SetName("Symbol");
  font_->SetCharset(SYMBOL_CHARSET);
  DrawPlainText(Bullet, Area, Flags);
  font_->SetName(name);
  font_->SetCharset(charset);
  if (Color) font_->SetColor(fontColor);
}

fw::TSize THTMLSurface::PlacePicture(const std::string& Reference, const std::string& Upper, int X, int Top,
                                     bool Paint) {
  if (Reference.find("IDX:") != std::string::npos) {
    fw::TCustomImageList* list = p_.ImageList;
    const int index = IntOfText(Reference.substr(std::min<std::size_t>(4, Reference.size())));
    if (!list || index < 0 || index >= list->Count()) return fw::TSize{0, 0};
    if (Paint) DrawImageListPicture(list, index, X, Top);
    return fw::TSize{ScaleX(list->Width()), ScaleY(list->Height())};
  }
  if (Reference.find("SSYS:") != std::string::npos || Reference.find("LSYS:") != std::string::npos) {
    const bool small = Reference.find("SSYS:") != std::string::npos;
    fw::TSize icon{0, 0};
    const std::string name = Reference.substr(std::min<std::size_t>(5, Reference.size()));
    if (Paint) {
      OnCanvas([&](fw::TCanvas* canvas) {
        DrawShellIcon(canvas, X, Top, icon, p_.PictureScale, p_.ScalePictures, true, !small, name);
      });
    } else {
      DrawShellIcon(nullptr, 0, 0, icon, p_.PictureScale, p_.ScalePictures, false, !small, name);
    }
    return fw::TSize{ScaleX(icon.cx), ScaleY(icon.cy)};
  }
  return PlaceNamedPicture(Reference, Upper, X, Top, Paint);
}

void THTMLSurface::DrawImageListPicture(fw::TCustomImageList* List, int Index, int X, int Top) {
  OnCanvas([&](fw::TCanvas* canvas) {
    if (!p_.ScalePictures) {
      List->Draw(canvas, X, Top, Index, true);
      return;
    }
    fw::TBitmap bitmap;
    List->GetBitmap(Index, &bitmap);
    StretchBitmapToCanvas(canvas,
                          fw::Rect(X, Top, X + RoundToInt(List->Width() * p_.PictureScale),
                                   Top + RoundToInt(List->Height() * p_.PictureScale)),
                          &bitmap);
  });
}

}  // namespace ui
