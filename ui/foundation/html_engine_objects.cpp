// The engine's inline objects: pictures (image list, shell icons, named and URL pictures), the body
// background and the form controls.
#include <windows.h>

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/arith.h"
#include "ui/foundation/html_controls.h"
#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_text_routines.h"
#include "ui/foundation/html_images.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/html_picture.h"
#include "ui/foundation/theme_library.h"
#include "ui/foundation/round_to_int.h"

namespace ui {

THTMLPicture* THTMLEngine::FindPicture(const std::string& reference) {
  THTMLPicture* picture = nullptr;
  if (reference.find("://") != std::string::npos) {
    if (!p_.PictureCache) return nullptr;
    picture = p_.PictureCache->FindPicture(reference);
    if (!picture) {
      picture = p_.PictureCache->AddPicture();
      picture->SetID(reference);
      picture->SetAsynchronous(false);
      picture->LoadFromURL(reference);
    }
  } else if (reference.find(':') == std::string::npos) {
    if (!p_.PictureContainer) return nullptr;
    picture = p_.PictureContainer->FindPicture(reference);
  }
  return picture && !picture->Empty() ? picture : nullptr;
}

void THTMLEngine::ImageTag(TPass& pass, TFlow& flow, const std::string& upper) {
  ++flow.pictureCounter;
  std::string reference = HTMLTagValue(upper, "SRC");
  if (HTMLTagHas(upper, "ALT") && flow.pictureCounter == hitPicture_) reference = HTMLTagValue(upper, "ALT");

  const fw::TSize size = PlacePicture(pass, reference, upper);

  const int testX = p_.HitX - line_.box.Left;
  if (flow.insideLink && testX > pass.x && testX < pass.x + size.cx && p_.HitY > line_.box.Top &&
      p_.HitY < line_.box.Top + size.cy) {
    pass.pictureHit = true;
    p_.HitLink = flow.linkRef;
    pass.hitRecorded = true;
    p_.HitTitle = flow.linkTitle;
    hitPicture_ = flow.pictureCounter;
  }
  const int lineWidth = LineWidth(pass);
  if (pass.measuring && pass.x + size.cx > lineWidth && size.cx <= lineWidth) {
    --flow.pictureCounter;  // the tag is read again on the next line
    pass.lineFull = true;
    return;
  }
  pass.x += size.cx;
  pass.draw.Left += size.cx;
  line_.height = std::max(line_.height, size.cy);
  if (HTMLTagHas(upper, "ALIGN")) {
    if (HTMLTagHas(upper, "\"TOP")) line_.textOffset = line_.height - line_.ghHeight;
    else if (HTMLTagHas(upper, "\"MIDDLE")) line_.textOffset = (line_.height - line_.ghHeight) / 2;
  }
  if (build_ != THTMLBuild::Canvas && HTMLTagHas(upper, "WRAP")) {
    line_.height = line_.ghHeight;
    line_.textOffset = 0;
  }
}

namespace {

// A canvas on the surface being drawn on: the canvas itself, or one on the GDI+ surface's device context
// for the time of one drawing.
class TSurfaceCanvas {
 public:
  TSurfaceCanvas(fw::TCanvas* canvas, TGPGraphics* graphics) : canvas_(canvas), graphics_(graphics) {
    if (!canvas_) {
      dc_ = graphics_->GetHDC();
      own_.SetHandle(dc_);
    }
  }
  ~TSurfaceCanvas() {
    if (!canvas_) {
      own_.SetHandle(nullptr);
      graphics_->ReleaseHDC(dc_);
    }
  }
  fw::TCanvas* Get() { return canvas_ ? canvas_ : &own_; }

 private:
  fw::TCanvas* canvas_;
  TGPGraphics* graphics_;
  HDC dc_ = nullptr;
  fw::TCanvas own_;
};

}  // namespace

fw::TSize THTMLEngine::PlacePicture(TPass& pass, const std::string& reference, const std::string& upper) {
  if (reference.find("IDX:") != std::string::npos) return PlaceImageListPicture(pass, reference);
  if (reference.find("SSYS:") != std::string::npos || reference.find("LSYS:") != std::string::npos) {
    return PlaceShellIcon(pass, reference);
  }
  if (GDIP()) return PlaceGDIPPicture(pass, reference, upper);

  const int x = pass.draw.Left;
  const int top = line_.box.Top;
  THTMLPicture* picture = FindPicture(reference);
  if (!picture) return fw::TSize{0, 0};
  const int width = IntOfText(HTMLTagValue(upper, "WIDTH"));
  const int height = IntOfText(HTMLTagValue(upper, "HEIGHT"));
  int drawWidth = picture->Width();
  int drawHeight = picture->Height();
  if (width > 0 && height > 0) {
    drawWidth = width;
    drawHeight = height;
  } else if (width > 0) {
    drawWidth = width;
    drawHeight =
        picture->Width() > 0 ? RoundToInt(static_cast<double>(picture->Height()) * width / picture->Width()) : 0;
  } else if (height > 0) {
    drawWidth =
        picture->Height() > 0 ? RoundToInt(static_cast<double>(picture->Width()) * height / picture->Height()) : 0;
    drawHeight = height;
  }
  const bool sized = width > 0 || height > 0;
  if (pass.paint) {
    if (sized) {
      picture->SetStretch(true);
      canvas_->StretchDraw(fw::Rect(x, top, x + drawWidth, top + drawHeight), picture);
    } else {
      if (picture->GetFrameCount() > 1) {
        const fw::TColor pen = canvas_->Pen()->Color();
        const fw::TColor brush = BrushColorOrNone();
        canvas_->Pen()->SetColor(entryBrushColor_);
        SetBrushColor(entryBrushColor_);
        canvas_->Rectangle(x, top, x + picture->GetMaxWidth(), top + picture->GetMaxHeight());
        canvas_->Pen()->SetColor(pen);
        SetBrushColor(brush);
      }
      canvas_->Draw(x + picture->FrameLeft(), top + picture->FrameTop(), picture);
    }
  }
  if (sized) return fw::TSize{ScaleX(drawWidth), ScaleY(drawHeight)};
  return fw::TSize{ScaleX(picture->GetMaxWidth()), ScaleY(picture->GetMaxHeight())};
}

fw::TSize THTMLEngine::PlaceImageListPicture(TPass& pass, const std::string& reference) {
  fw::TCustomImageList* list = p_.ImageList;
  const int index = IntOfText(reference.substr(std::min<std::size_t>(4, reference.size())));
  if (!list || index < 0 || index >= list->Count()) return fw::TSize{0, 0};
  const int x = pass.draw.Left;
  const int top = line_.box.Top;
  if (pass.paint && !(GDIP() && p_.ScalePictures)) {
    TSurfaceCanvas surface(canvas_, graphics_);
    if (!p_.ScalePictures) {
      list->Draw(surface.Get(), x, top, index, true);
    } else {
      fw::TBitmap bitmap;
      list->GetBitmap(index, &bitmap);
      StretchBitmapToCanvas(surface.Get(),
                            fw::Rect(x, top, x + RoundToInt(list->Width() * p_.PictureScale),
                                     top + RoundToInt(list->Height() * p_.PictureScale)),
                            &bitmap);
    }
  }
  return fw::TSize{ScaleX(list->Width()), ScaleY(list->Height())};
}

fw::TSize THTMLEngine::PlaceShellIcon(TPass& pass, const std::string& reference) {
  const bool small = reference.find("SSYS:") != std::string::npos;
  fw::TSize icon{0, 0};
  const std::string name = reference.substr(std::min<std::size_t>(5, reference.size()));
  if (pass.paint) {
    TSurfaceCanvas surface(canvas_, graphics_);
    DrawShellIcon(surface.Get(), pass.draw.Left, line_.box.Top, icon, p_.PictureScale, p_.ScalePictures, true, !small,
                  name);
  } else {
    DrawShellIcon(canvas_, 0, 0, icon, p_.PictureScale, p_.ScalePictures, false, !small, name);
  }
  return fw::TSize{ScaleX(icon.cx), ScaleY(icon.cy)};
}

void THTMLEngine::BodyTag(TPass& pass, const std::string& upper) {
  if (build_ != THTMLBuild::Canvas && p_.KeepColors) return;
  const bool gradient = HTMLTagHas(upper, "BGCOLORTO");
  if (GDIP()) {
    if (!HTMLTagHas(upper, "BGCOLOR")) return;
    if (gradient) {
      SetBrushColor(fw::clNone);
    } else {
      bodyBrushColor_ = BrushColorOrNone();
      SetBrushColor(HTMLBodyColorValue(HTMLTagValue(upper, "BGCOLOR")));
    }
    return;
  }
  const fw::TRect& r = p_.Bounds;
  if (HTMLTagHas(upper, "BACKGROUND")) {
    const std::string reference = HTMLTagValue(upper, "BACKGROUND");
    const bool listOrShell = reference.find("IDX:") != std::string::npos || reference.find("SYS:") != std::string::npos;
    if (Office() && listOrShell) {
      PlacePicture(pass, reference, std::string());
    } else if (THTMLPicture* picture = FindPicture(reference);
               picture && picture->Width() > 0 && picture->Height() > 0) {
      fw::GdiObject<HRGN> clip(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
      SelectClipRgn(canvas_->Handle(), clip.Get());
      for (int y = r.Top; y < r.Bottom; y += picture->Height()) {
        for (int x = r.Left; x < r.Right; x += picture->Width()) canvas_->Draw(x, y, picture);
      }
      SelectClipRgn(canvas_->Handle(), nullptr);
    }
  }
  if (Office()) {
    // Corner pictures: one picture at the top-left, one with its right edge at the right.
    for (const char* corner : {"BGTOPLEFT", "BGTOPRIGHT"}) {
      if (!HTMLTagHas(upper, corner)) continue;
      const std::string reference = HTMLTagValue(upper, corner);
      const bool right = std::string(corner) == "BGTOPRIGHT";
      TPass at = pass;
      at.paint = false;
      const fw::TSize size = PlacePicture(at, reference, std::string());
      at.paint = true;
      at.draw.Left = right ? r.Right - size.cx : r.Left;
      const int lineTop = line_.box.Top;
      line_.box.Top = r.Top;
      PlacePicture(at, reference, std::string());
      line_.box.Top = lineTop;
    }
  }
  if (!HTMLTagHas(upper, "BGCOLOR")) return;
  const fw::TColor color = HTMLBodyColorValue(HTMLTagValue(upper, "BGCOLOR"));
  if (Office() && gradient) {
    const std::string direction = HTMLTagValue(upper, "DIR");
    FillBands(color, HTMLBodyColorValue(HTMLTagValue(upper, "BGCOLORTO")), direction.empty() || direction == "H", r);
    SetBrushColor(fw::clNone);
    return;
  }
  if (Office()) {
    bodyBrushColor_ = BrushColorOrNone();
    canvas_->Pen()->SetColor(color);
    SetBrushColor(color);
    canvas_->FillRect(fw::Rect(r.Left - 2, r.Top, r.Right, r.Bottom));
    return;
  }
  SetBrushColor(color);
  canvas_->FillRect(r);
}

void THTMLEngine::ControlTag(TPass& pass, const std::string& tag) {
  const THTMLControlTag control = ParseHTMLControlTag(tag.size() > 7 ? tag.substr(7) : std::string());
  int height = 25;
  if (!ReadWholeInteger(control.Height, height, false)) height = 25;
  if (control.Width.empty()) return;

  int width = 0;
  int objectWidth = 0;
  int objectHeight = 0;
  if (ReadWholeInteger(control.Width, width, false)) {
    objectWidth = width;
    objectHeight = GhHeight() + 10;
  }
  const bool box = control.Type == "CHECK" || control.Type == "RADIO";
  line_.height = box ? 16 : 23;
  if (height > 25) line_.height = height - 2;

  if (pass.paint) DrawControl(pass, control.Type, control.Value, width, height, objectWidth, objectHeight);

  if (control.Type == "BUTTON" || control.Type == "COMBO") objectHeight = 25;
  if (box) objectWidth = objectHeight = 16;

  const int testX = p_.HitX - line_.box.Left;
  const bool under = testX > pass.x && testX < pass.x + objectWidth && p_.HitY > line_.box.Top &&
                     p_.HitY < line_.box.Top + objectHeight;
  if (under || (p_.HitTestOnly && !p_.ControlId.empty() && p_.ControlId == control.ID)) {
    pass.controlHit = true;
    p_.HitLink = "ctrl";
    pass.hitRecorded = true;
    p_.ControlRect = fw::Rect(line_.box.Left + pass.x, line_.box.Top, line_.box.Left + pass.x + objectWidth,
                              line_.box.Top + objectHeight);
    p_.ControlValue = control.Value;
    p_.ControlId = control.ID;
    p_.ControlType = control.Type;
  }
  const int lineWidth = LineWidth(pass);
  if (pass.measuring && pass.x + objectWidth > lineWidth && objectWidth <= lineWidth) {
    pass.lineFull = true;
    return;
  }
  pass.x += objectWidth;
  pass.draw.Left += objectWidth;
  line_.height = std::max(line_.height, objectHeight);
}

void THTMLEngine::DrawThemePart(const wchar_t* themeClass, int part, int state, const fw::TRect& rect) {
  if (!ThemeLib.OpenThemeData || !ThemeLib.DrawThemeBackground || !ThemeLib.CloseThemeData) return;
  HTHEME theme = ThemeLib.OpenThemeData(p_.ThemeWindow, themeClass);
  if (!theme) return;
  const RECT r = rect.ToRECT();
  ThemeLib.DrawThemeBackground(theme, canvas_->Handle(), part, state, &r, nullptr);
  ThemeLib.CloseThemeData(theme);
}

void THTMLEngine::DrawControl(const TPass& pass, const std::string& type, const std::string& value, int width,
                                    int height, int objectWidth, int objectHeight) {
  const int x = pass.draw.Left;
  const int bottom = TextBottom();
  const int lineHeight = line_.height;
  const bool checked = UpperCaseANSI(value) == "TRUE";
  const UINT textFlags = DT_SINGLELINE | DT_VCENTER;
  const auto pointOn = [&](int testHeight) {
    return x - 2 < p_.HitX && p_.HitX < x + objectWidth - 2 && bottom - testHeight - 2 < p_.HitY &&
           p_.HitY < bottom - 2;
  };
  const auto frame = [&] {
    canvas_->Pen()->SetColor(themed_ ? 0xB99D7F : 0x808080);
    SetBrushColor(fw::clWhite);
    canvas_->Rectangle(x, bottom - lineHeight + 4, x + width, bottom + 2);
    SetBrushColor(fw::clNone);
  };
  HDC dc = canvas_->Handle();
  if (type == "EDIT" || type == "MASK" || type == "PASSWORD") {
    frame();
    DrawText(type == "PASSWORD" ? PasswordMask(value) : value,
             fw::Rect(x + 2, bottom - lineHeight + 4, x + width, bottom), textFlags);
  } else if (type == "COMBO") {
    frame();
    DrawText(value, fw::Rect(x + 4, bottom - lineHeight + 4, x + width - 18, bottom), textFlags);
    const fw::TRect button = fw::Rect(x + width - 18, bottom - lineHeight + 5, x + width - 1, bottom + 1);
    if (themed_) {
      DrawThemePart(L"combobox", 1, pointOn(objectHeight) ? 2 : 1, button);
    } else {
      RECT r = button.ToRECT();
      DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    }
  } else if (type == "CHECK" || type == "RADIO") {
    const bool check = type == "CHECK";
    const fw::TRect glyph =
        check ? fw::Rect(x + 2, bottom - 15, x + 15, bottom) : fw::Rect(x + 2, bottom - 14, x + 14, bottom);
    if (themed_) {
      DrawThemePart(L"button", check ? 3 : 2, checked ? 5 : 1, glyph);
    } else {
      RECT r = glyph.ToRECT();
      UINT state = (check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT;
      if (checked) state |= DFCS_CHECKED;
      DrawFrameControl(dc, &r, DFC_BUTTON, state);
    }
  } else if (type == "BUTTON") {
    const bool on = pointOn(24);
    const fw::TRect face = fw::Rect(x + 2, bottom - height, x + width - 2, bottom);
    if (themed_) {
      DrawThemePart(L"button", 1, p_.Pressed ? 3 : (on ? 2 : 1), face);
    } else {
      RECT r = face.ToRECT();
      DrawFrameControl(dc, &r, DFC_BUTTON, on && p_.Pressed ? DFCS_BUTTONPUSH | DFCS_PUSHED : DFCS_BUTTONPUSH);
    }
    DrawText(value, fw::Rect(face.Left + 2, face.Top + 2, face.Right - 2, face.Bottom - 2),
             DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
}

}  // namespace ui
