// Painting the grid button: the face (flat, non-flat or the visual style's), the 16-band gradients, the
// drop-down arrow, and the glyph and caption laid out along the button.
#include <windows.h>

#include <algorithm>
#include <array>

#include "framework/controls/win_control.h"
#include "framework/rtl/arith.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"
#include "ui/grid/model/cell_properties.h"
#include "ui/grid/settings/grid_button.h"
#include "ui/grid/settings/grid_button_layout.h"

namespace ui {

namespace {

constexpr int kBands = 16;
constexpr int kDropDownWidth = 12;

int Channel(COLORREF rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

// Fills rect in color with a frame in border, or in color itself when border is unset.
void SolidFace(fw::TCanvas* canvas, fw::TColor color, fw::TColor border, const fw::TRect& r, bool rounded) {
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->Pen()->SetColor(border == kColorNotSet ? color : border);
  if (rounded) {
    canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
  } else {
    canvas->Rectangle(r);
  }
}

void RoundedFrame(fw::TCanvas* canvas, fw::TColor border, const fw::TRect& r) {
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->Pen()->SetColor(border);
  canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 8, 8);
}

// A fill with or without its "To" colour.
void Face(fw::TCanvas* canvas, fw::TColor from, fw::TColor to, fw::TColor border, const fw::TRect& r, bool rounded) {
  if (to == kColorNotSet) {
    SolidFace(canvas, from, border, r, rounded);
    return;
  }
  DrawButtonGradient(canvas, from, to, rounded ? kColorNotSet : border, r);
  if (rounded && border != kColorNotSet) RoundedFrame(canvas, border, r);
}

}  // namespace

TGradientBand GradientBand(fw::TColor fromRGB, fw::TColor toRGB, int height, int index) {
  TGradientBand band;
  std::array<int, 3> channels{};
  for (int c = 0; c < 3; ++c) {
    const int start = Channel(static_cast<COLORREF>(fromRGB), 8 * c);
    const int end = Channel(static_cast<COLORREF>(toRGB), 8 * c);
    channels[static_cast<size_t>(c)] =
        start + static_cast<int>(fw::Round(static_cast<double>(index) * (end - start) / kBands));
  }
  band.Color = static_cast<fw::TColor>(RGB(channels[0], channels[1], channels[2]));
  band.Top = static_cast<int>(fw::Round(static_cast<double>(index) * height / kBands));
  band.Bottom = band.Top + static_cast<int>(fw::Round(static_cast<double>(height) / kBands)) + 1;
  return band;
}

void DrawButtonGradient(fw::TCanvas* canvas, fw::TColor from, fw::TColor to, fw::TColor border, const fw::TRect& rect) {
  const fw::TColor fromRGB = static_cast<fw::TColor>(fw::ColorToRGB(from));
  const fw::TColor toRGB = static_cast<fw::TColor>(fw::ColorToRGB(to));
  canvas->Brush()->SetStyle(fw::bsSolid);
  for (int i = 0; i < kBands; ++i) {
    const TGradientBand band = GradientBand(fromRGB, toRGB, rect.Height(), i);
    canvas->Pen()->SetColor(band.Color);
    canvas->Brush()->SetColor(band.Color);
    canvas->Rectangle(rect.Left, rect.Top + band.Top, rect.Right, std::min(rect.Top + band.Bottom, rect.Bottom));
  }
  if (border == kColorNotSet) return;
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->Pen()->SetColor(border);
  canvas->Rectangle(rect);
}

void TVxGridButton::Paint() {
  fw::TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  fw::TRect r = ClientRect();
  if (!Enabled()) {
    state_ = stDisabled;
    tracking_ = false;
  } else if (state_ == stDisabled) {
    state_ = down_ && groupIndex_ != 0 ? stExclusive : stUp;
  }
  if (Enabled() && style_ == tasCheck && down_) state_ = stPressed;
  const bool hot = mouseIn_ && Enabled();
  PaintFace(canvas, r, hot);

  const bool pressed = state_ == stPressed;
  const bool groupDown = state_ == stExclusive && down_;
  if (groupDown && !(flat_ && hot)) Face(canvas, colorChecked_, colorCheckedTo_, kColorNotSet, r, false);
  fw::TPoint offset{0, 0};
  if (!flat_ && (pressed || down_)) offset = fw::TPoint{1, 1};
  if (flat_ && hot && shaded_ && !pressed) offset = fw::TPoint{-1, -1};

  if (dropDownButton_) {
    const int middle = (r.Top + r.Bottom) / 2;
    const std::array<fw::TPoint, 3> arrow{fw::TPoint{r.Right - 8, middle - 1}, fw::TPoint{r.Right - 4, middle - 1},
                                          fw::TPoint{r.Right - 6, middle + 1}};
    canvas->Pen()->SetColor(Font()->Color());
    canvas->Brush()->SetColor(Font()->Color());
    canvas->Brush()->SetStyle(fw::bsSolid);
    canvas->Polygon(arrow);
    r.Right -= kDropDownWidth;
  }
  PaintContent(canvas, r, offset, hot);
}

void TVxGridButton::PaintFace(fw::TCanvas* canvas, fw::TRect& r, bool hot) {
  const bool pressed = state_ == stPressed;
  if (flat_) {
    if (BorderDownColor == kColorNotSet || rounded_) r = fw::TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    if (!hot) {
      if (style_ == tasCheck && down_) {
        Face(canvas, colorChecked_, colorCheckedTo_, BorderDownColor, r, false);
      } else {
        if (colorTo_ != kColorNotSet) {
          DrawButtonGradient(canvas, Color(), colorTo_, rounded_ ? kColorNotSet : (down_ ? BorderDownColor : borderColor_), r);
        } else {
          canvas->Brush()->SetStyle(fw::bsSolid);
          canvas->Brush()->SetColor(Color());
          canvas->FillRect(r);
        }
        if (borderColor_ != kColorNotSet) {
          if (rounded_) {
            RoundedFrame(canvas, borderColor_, fw::TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1});
          } else {
            canvas->Brush()->SetStyle(fw::bsClear);
            canvas->Pen()->SetColor(borderColor_);
            canvas->Rectangle(r);
          }
        }
      }
    } else {
      fw::TColor from = ColorHot;
      fw::TColor to = ColorHotTo;
      fw::TColor border = BorderHotColor;
      if (style_ == tasCheck && down_ && !tracking_) {
        from = colorChecked_;
        to = colorCheckedTo_;
        border = BorderDownColor;
      } else if (pressed) {
        from = ColorDown;
        to = ColorDownTo;
        border = BorderDownColor;
      }
      Face(canvas, from, to, border, r, rounded_);
      if (dropDownButton_) {
        canvas->Pen()->SetColor(border == kColorNotSet ? from : border);
        canvas->MoveTo(r.Right - kDropDownWidth, r.Top);
        canvas->LineTo(r.Right - kDropDownWidth, r.Bottom);
      }
    }
    r = fw::TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    return;
  }
  RECT face = r.ToRECT();
  const bool sunken = pressed || down_;
  bool themed = false;
  if (AutoXPStyle && IsWinXPOrLater() && comCtl6_ && ThemeLib.IsThemeActive && ThemeLib.IsThemeActive() &&
      ThemeLib.OpenThemeData && ThemeLib.DrawThemeBackground && ThemeLib.CloseThemeData && Parent() != nullptr) {
    if (HTHEME theme = ThemeLib.OpenThemeData(Parent()->Handle(), L"button")) {
      const int stateId = sunken ? 3 : (hot ? 2 : 1);
      ThemeLib.DrawThemeBackground(theme, canvas->Handle(), 1, stateId, &face, nullptr);
      ThemeLib.CloseThemeData(theme);
      themed = true;
    }
  }
  if (!themed) {
    ::DrawFrameControl(canvas->Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (sunken ? DFCS_PUSHED : 0));
  }
  r = fw::TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
}

void TVxGridButton::PaintContent(fw::TCanvas* canvas, const fw::TRect& area, fw::TPoint offset, bool hot) {
  const bool pressed = state_ == stPressed;
  const bool asPressed = pressed || (down_ && groupIndex_ != 0);
  // The glyph for the state.
  fw::TBitmap* glyph = &glyph_;
  if (!Enabled()) {
    if (!glyphDisabled_.Empty()) glyph = &glyphDisabled_;
  } else if (asPressed || down_) {
    if (!glyphDown_.Empty()) glyph = &glyphDown_;
  } else if (hot && !glyphHot_.Empty()) {
    glyph = &glyphHot_;
  }
  const std::string caption = showCaption_ ? Caption() : std::string();
  UINT textFlags = DT_CENTER | DT_VCENTER;
  if (UseRightToLeftReading()) textFlags |= DT_RTLREADING;
  fw::TSize textSize{0, 0};
  if (!caption.empty()) {
    RECT measure{0, 0, area.Width(), 0};
    ::DrawTextA(canvas->Handle(), caption.c_str(), -1, &measure, DT_CALCRECT | DT_WORDBREAK | textFlags);
    textSize = fw::TSize{measure.right - measure.left, measure.bottom - measure.top};
  }
  const fw::TSize glyphSize = glyph->Empty() ? fw::TSize{0, 0} : fw::TSize{glyph->Width(), glyph->Height()};
  const TButtonContent content =
      LayoutButtonContent(area, glyphSize, textSize, layout_, margin_, spacing_, offset, UseRightToLeftAlignment());
  const fw::TPoint glyphAt = caption.empty() ? fw::TPoint{0, 0} : content.Glyph;
  const bool shadowed = shaded_ && hot && !pressed && !shadow_.Empty() && glyph == &glyph_;
  if (!glyph->Empty()) {
    if (shadowed) {
      const fw::TPoint shadowAt = caption.empty() ? fw::TPoint{0, 0} : fw::TPoint{glyphAt.X + 2, glyphAt.Y + 2};
      canvas->Draw(shadowAt.X, shadowAt.Y, &shadow_);
    }
    glyph->SetTransparent(true);
    canvas->Draw(glyphAt.X, glyphAt.Y, glyph);
  }
  if (caption.empty()) return;
  fw::TRect text = content.Caption;
  if (flat_ && shaded_ && hot && !asPressed && !down_) text = text.Offset(1, 1);
  canvas->Brush()->SetStyle(fw::bsClear);
  RECT box = text.ToRECT();
  if (!Enabled()) {
    RECT raised = text.Offset(1, 1).ToRECT();
    ::SetTextColor(canvas->Handle(), fw::ColorToRGB(fw::clBtnHighlight));
    ::SetBkMode(canvas->Handle(), TRANSPARENT);
    ::DrawTextA(canvas->Handle(), caption.c_str(), -1, &raised, DT_WORDBREAK | textFlags);
    ::SetTextColor(canvas->Handle(), fw::ColorToRGB(fw::clBtnShadow));
  } else {
    ::SetTextColor(canvas->Handle(), fw::ColorToRGB(Font()->Color()));
  }
  ::SetBkMode(canvas->Handle(), TRANSPARENT);
  ::DrawTextA(canvas->Handle(), caption.c_str(), -1, &box, DT_WORDBREAK | textFlags);
}

}  // namespace ui
