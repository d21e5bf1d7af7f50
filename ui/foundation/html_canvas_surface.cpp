#include "ui/foundation/html_canvas_surface.h"
#include "framework/rtl/ansicase.h"

#include <algorithm>

#include "framework/graphics/gdi_handles.h"
#include "ui/foundation/html_controls.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/html_picture.h"
#include "ui/foundation/round_to_int.h"
#include "ui/foundation/theme_library.h"

namespace ui {

// The caller's canvas as it was when the engine was called: its font, pen and brush, and the DC's
// background mode and colours (the engine sets the mode itself). Put back when the call ends, however
// it ends.
class THTMLCanvasSurface::TKeeper {
 public:
  explicit TKeeper(fw::TCanvas* canvas) : canvas_(canvas) {
    font_.Assign(canvas_->Font());
    pen_.Assign(canvas_->Pen());
    brush_.Assign(canvas_->Brush());
    if (canvas_->HandleAllocated()) {
      dc_ = canvas_->Handle();
      backMode_ = GetBkMode(dc_);
      textColor_ = GetTextColor(dc_);
      backColor_ = GetBkColor(dc_);
    }
  }
  ~TKeeper() {
    try {
      canvas_->Font()->Assign(&font_);
      canvas_->Pen()->Assign(&pen_);
      canvas_->Brush()->Assign(&brush_);
    } catch (...) {  // a destructor lets nothing out; the DC settings below are still put back
    }
    if (dc_) {
      SetBkMode(dc_, backMode_);
      SetTextColor(dc_, textColor_);
      SetBkColor(dc_, backColor_);
    }
  }
  TKeeper(const TKeeper&) = delete;
  TKeeper& operator=(const TKeeper&) = delete;

 private:
  fw::TCanvas* canvas_;
  fw::TFont font_;
  fw::TPen pen_;
  fw::TBrush brush_;
  HDC dc_ = nullptr;
  int backMode_ = 0;
  COLORREF textColor_ = 0;
  COLORREF backColor_ = 0;
};

namespace {

// The rotation tag's turned font, selected around one DrawTextEx only and deleted right after, so font
// changes inside the tag, an unclosed tag and an exception all leave the canvas's own font in the DC.
class TTurnedFont {
 public:
  TTurnedFont(fw::TCanvas* canvas, bool turned, int angle) : canvas_(turned ? canvas : nullptr) {
    if (canvas_) SelectRotatedFont(canvas_, angle, state_);
  }
  ~TTurnedFont() {
    if (canvas_) RestoreRotatedFont(canvas_, state_);
  }
  TTurnedFont(const TTurnedFont&) = delete;
  TTurnedFont& operator=(const TTurnedFont&) = delete;

 private:
  fw::TCanvas* canvas_;
  TRotatedFontState state_;
};

}  // namespace

THTMLCanvasSurface::THTMLCanvasSurface(fw::TCanvas* Canvas, THTMLTextParams& Params)
    : THTMLCanvasSurface(Canvas, Params, THTMLRules{}) {}

THTMLCanvasSurface::THTMLCanvasSurface(fw::TCanvas* Canvas, THTMLTextParams& Params, const THTMLRules& Rules)
    : THTMLSurface(Params, Rules), canvas_(Canvas) {
  font_ = canvas_->Font();
  brush_ = canvas_->Brush();
}

THTMLCanvasSurface::~THTMLCanvasSurface() = default;

void THTMLCanvasSurface::Begin() {
  keeper_ = std::make_unique<TKeeper>(canvas_);
  entryBrushColor_ = brush_->Color();
  themed_ = rules_.formControls && ThemeSupport() && ThemeLib.IsThemeActive != nullptr && ThemeLib.IsThemeActive();
  SetBkMode(canvas_->Handle(), TRANSPARENT);
}

void THTMLCanvasSurface::End() noexcept { keeper_.reset(); }

int THTMLCanvasSurface::TextHeight(const std::string& Text) { return canvas_->TextHeight(Text); }

int THTMLCanvasSurface::TextWidth(const std::string& Text, fw::TRect Area, UINT Flags) {
  PrepareCanvas();
  RECT r = Area.ToRECT();
  const TTurnedFont turn(canvas_, turned_, angle_);
  DrawTextExA(canvas_->Handle(), const_cast<char*>(Text.c_str()), static_cast<int>(Text.size()), &r,
              (Flags & ~static_cast<UINT>(DT_END_ELLIPSIS)) | DT_CALCRECT, nullptr);
  return r.right - r.left;
}

int THTMLCanvasSurface::BlankWidth(const fw::TRect& LineBox, UINT Flags) { return TextWidth(" ", LineBox, Flags); }

void THTMLCanvasSurface::DrawText(const std::string& Text, fw::TRect Area, UINT Flags) {
  PrepareCanvas();
  RECT r = Area.ToRECT();
  const TTurnedFont turn(canvas_, turned_, angle_);
  DrawTextExA(canvas_->Handle(), const_cast<char*>(Text.c_str()), static_cast<int>(Text.size()), &r, Flags, nullptr);
}

void THTMLCanvasSurface::DrawPlainText(const std::string& Text, const fw::TRect& Area, UINT Flags) {
  DrawText(Text, Area, Flags);
}

void THTMLCanvasSurface::PrepareCanvas() { canvas_->TextRect(fw::TRect{}, 0, 0, std::string()); }

void THTMLCanvasSurface::Turn(bool Turned, int Angle) {
  turned_ = Turned;
  angle_ = Angle;
}

THTMLSurface::TPainted THTMLCanvasSurface::PaintRun(const THTMLRun& Run) {
  int bottom = Run.textBottom;
  if (Run.superscript) bottom -= Run.superExtent;
  if (Run.subscript) bottom += Run.subExtent;
  bottom -= Run.textOffset;
  const int height = TextHeight(Run.text);
  fw::TRect area = fw::Rect(Run.left, std::min(Run.lineBox.Top, bottom - height), Run.right, bottom);
  UINT flags = Run.flags;
  const int width = TextWidth(Run.text, area, Run.flags);
  const bool draw = FitRun(Run, width, area, flags);
  if (draw && Run.shadow) {
    const fw::TColor color = font_->Color();
    font_->SetColor(p_.ShadowColor);
    DrawText(Run.text, area.Offset(p_.ShadowOffset, p_.ShadowOffset), flags);
    font_->SetColor(color);
  }
  if (draw) DrawText(Run.text, area, flags);
  if (Run.error) ErrorZigzag(area.Left, area.Left + width, Run.textBottom);
  return TPainted{width, true};
}

bool THTMLCanvasSurface::FitRun(const THTMLRun& /*Run*/, int /*Width*/, fw::TRect& /*Area*/, UINT& /*Flags*/) {
  return true;
}

void THTMLCanvasSurface::ErrorZigzag(int Left, int Right, int Baseline) {
  const fw::TColor color = canvas_->Pen()->Color();
  const int width = canvas_->Pen()->Width();
  canvas_->Pen()->SetColor(0x0000FF);
  canvas_->Pen()->SetWidth(1);
  int x = Left - (((Left % 2) + 2) % 2);
  bool below = x % 4 == 0;
  canvas_->MoveTo(x, below ? Baseline + 1 : Baseline - 1);
  while (x < Right) {
    x += 2;
    below = !below;
    canvas_->LineTo(x, below ? Baseline + 1 : Baseline - 1);
  }
  canvas_->Pen()->SetColor(color);
  canvas_->Pen()->SetWidth(width);
}

void THTMLCanvasSurface::Rule(const std::string& Upper, int Left, int Right, int Y) {
  const fw::TColor color = canvas_->Pen()->Color();
  canvas_->Pen()->SetColor(RuleColor(Upper));
  canvas_->MoveTo(Left, Y);
  canvas_->LineTo(Right, Y);
  canvas_->Pen()->SetColor(color);
}

fw::TColor THTMLCanvasSurface::RuleColor(const std::string& /*Upper*/) { return fw::clBlack; }

void THTMLCanvasSurface::FocusFrame(const fw::TRect& Frame) {
  fw::TRect frame = Frame;
  frame.Left -= 1;
  frame.Right += 1;
  canvas_->DrawFocusRect(frame);
}

void THTMLCanvasSurface::FillLineBackground(const fw::TRect& Band) { canvas_->FillRect(Band); }

THTMLParagraphFill THTMLCanvasSurface::ParagraphBackground(const std::string& Upper, const fw::TRect& /*LineBox*/,
                                                           int /*TextBottom*/) {
  canvas_->Pen()->SetColor(HTMLColorValue(HTMLTagValue(Upper, "BGCOLOR")));
  return THTMLParagraphFill::Solid;
}

void THTMLCanvasSurface::Body(const std::string& Upper, int /*X*/, int /*Top*/) {
  if (HTMLTagHas(Upper, "BACKGROUND")) TileBackground(HTMLTagValue(Upper, "BACKGROUND"));
  if (!HTMLTagHas(Upper, "BGCOLOR")) return;
  SetBrushColor(HTMLBodyColorValue(HTMLTagValue(Upper, "BGCOLOR")));
  canvas_->FillRect(p_.Bounds);
}

void THTMLCanvasSurface::TileBackground(const std::string& Reference) {
  THTMLPicture* picture = FindPicture(Reference);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0) return;
  const fw::TRect& r = p_.Bounds;
  fw::GdiObject<HRGN> clip(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
  SelectClipRgn(canvas_->Handle(), clip.Get());
  for (int y = r.Top; y < r.Bottom; y += picture->Height()) {
    for (int x = r.Left; x < r.Right; x += picture->Width()) canvas_->Draw(x, y, picture);
  }
  SelectClipRgn(canvas_->Handle(), nullptr);
}

THTMLPicture* THTMLCanvasSurface::FindPicture(const std::string& Reference) {
  THTMLPicture* picture = nullptr;
  if (Reference.find("://") != std::string::npos) {
    if (!p_.PictureCache) return nullptr;
    picture = p_.PictureCache->FindPicture(Reference);
    if (!picture) {
      picture = p_.PictureCache->AddPicture();
      picture->SetID(Reference);
      picture->SetAsynchronous(false);
      picture->LoadFromURL(Reference);
    }
  } else if (Reference.find(':') == std::string::npos) {
    if (!p_.PictureContainer) return nullptr;
    picture = p_.PictureContainer->FindPicture(Reference);
  }
  return picture && !picture->Empty() ? picture : nullptr;
}

fw::TSize THTMLCanvasSurface::PlaceNamedPicture(const std::string& Reference, const std::string& Upper, int X,
                                                int Top, bool Paint) {
  THTMLPicture* picture = FindPicture(Reference);
  if (!picture) return fw::TSize{0, 0};
  const int width = IntOfText(HTMLTagValue(Upper, "WIDTH"));
  const int height = IntOfText(HTMLTagValue(Upper, "HEIGHT"));
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
  if (Paint) {
    if (sized) {
      picture->SetStretch(true);
      canvas_->StretchDraw(fw::Rect(X, Top, X + drawWidth, Top + drawHeight), picture);
    } else {
      if (picture->GetFrameCount() > 1) {
        const fw::TColor pen = canvas_->Pen()->Color();
        const fw::TColor brush = BrushColorOrNone();
        canvas_->Pen()->SetColor(entryBrushColor_);
        SetBrushColor(entryBrushColor_);
        canvas_->Rectangle(X, Top, X + picture->GetMaxWidth(), Top + picture->GetMaxHeight());
        canvas_->Pen()->SetColor(pen);
        SetBrushColor(brush);
      }
      canvas_->Draw(X + picture->FrameLeft(), Top + picture->FrameTop(), picture);
    }
  }
  if (sized) return fw::TSize{ScaleX(drawWidth), ScaleY(drawHeight)};
  return fw::TSize{ScaleX(picture->GetMaxWidth()), ScaleY(picture->GetMaxHeight())};
}

void THTMLCanvasSurface::OnCanvas(const std::function<void(fw::TCanvas*)>& Draw) { Draw(canvas_); }

int THTMLCanvasSurface::ScaleX(int Value) { return MulDiv(Value, GetDeviceCaps(canvas_->Handle(), LOGPIXELSX), 96); }

int THTMLCanvasSurface::ScaleY(int Value) { return MulDiv(Value, GetDeviceCaps(canvas_->Handle(), LOGPIXELSY), 96); }

void THTMLCanvasSurface::DrawThemePart(const wchar_t* ThemeClass, int Part, int State, const fw::TRect& Rect) {
  if (!ThemeLib.OpenThemeData || !ThemeLib.DrawThemeBackground || !ThemeLib.CloseThemeData) return;
  HTHEME theme = ThemeLib.OpenThemeData(p_.ThemeWindow, ThemeClass);
  if (!theme) return;
  const RECT r = Rect.ToRECT();
  ThemeLib.DrawThemeBackground(theme, canvas_->Handle(), Part, State, &r, nullptr);
  ThemeLib.CloseThemeData(theme);
}

void THTMLCanvasSurface::DrawControl(const TControl& Control) {
  const std::string& type = Control.type;
  const std::string& value = Control.value;
  const int x = Control.x;
  const int bottom = Control.bottom;
  const int lineHeight = Control.lineHeight;
  const int width = Control.width;
  const bool checked = fw::AnsiUpperCase(value) == "TRUE";
  const UINT textFlags = DT_SINGLELINE | DT_VCENTER;
  const auto pointOn = [&](int testHeight) {
    return x - 2 < p_.HitX && p_.HitX < x + Control.objectWidth - 2 && bottom - testHeight - 2 < p_.HitY &&
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
      DrawThemePart(L"combobox", 1, pointOn(Control.objectHeight) ? 2 : 1, button);
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
    const fw::TRect face = fw::Rect(x + 2, bottom - Control.height, x + width - 2, bottom);
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
