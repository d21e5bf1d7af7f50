// The drop-down family's plain drawing and text routines.
#include "ui/dropdown/dropdown_drawing.h"

#include "framework/controls/draw_text.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/ansicase.h"
#include "framework/rtl/arith.h"
#include "ui/foundation/color_conversions.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/round_to_int.h"

namespace ui::dropdown {

namespace {

int Channel(COLORREF rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

}  // namespace

void DrawStepGradient(fw::TCanvas* Canvas, fw::TColor FromColor, fw::TColor ToColor, bool Horizontal, fw::TRect R,
                      int Steps) {
  if (Canvas == nullptr) return;
  if (Steps <= 0) Steps = 1;
  const COLORREF from = fw::ColorToRGB(FromColor);
  const COLORREF to = fw::ColorToRGB(ToColor);
  double band = 0;
  if (Horizontal) {
    --R.Right;
    band = static_cast<double>(R.Right - R.Left) / Steps;
  } else {
    --R.Bottom;
    band = static_cast<double>(R.Bottom - R.Top) / Steps;
  }
  auto step = [&](int i, int shift) {
    const int start = Channel(from, shift);
    return start + RoundToInt(static_cast<double>(i) * (Channel(to, shift) - start) / Steps);
  };
  for (int i = 0; i < Steps; ++i) {
    const fw::TColor color = static_cast<fw::TColor>(RGB(step(i, 0), step(i, 8), step(i, 16)));
    Canvas->Pen()->SetColor(color);
    Canvas->Brush()->SetColor(color);
    const int offset = RoundToInt(i * band);
    const int extent = RoundToInt(band) + 1;
    if (Horizontal) {
      Canvas->Rectangle(R.Left + offset, R.Top, R.Left + offset + extent, R.Bottom);
    } else {
      Canvas->Rectangle(R.Left, R.Top + offset, R.Right, R.Top + offset + extent);
    }
  }
}

fw::TColor BlendColor(fw::TColor Color1, fw::TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0) return Color2;
  return BlendChannels(Color1, Color2, Percent);
}

fw::TColor ShadeColor(fw::TColor Color, int dR, int dG, int dB) { return ShadeChannels(Color, dR, dG, dB); }

void DrawFilledRect(fw::TCanvas* Canvas, fw::TRect R, fw::TColor Color, int Direction, int BorderWidth,
                    fw::TColor BorderColor, fw::TColor ColorTo) {
  if (Canvas == nullptr) return;
  if (ColorTo != fw::clNone) {
    DrawStepGradient(Canvas, Color, ColorTo, Direction == 0, R, 80);
  } else if (Color != fw::clNone) {
    Canvas->Brush()->SetStyle(fw::bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
  }
  if (BorderColor == fw::clNone || BorderWidth <= 0) return;
  Canvas->Brush()->SetStyle(fw::bsClear);
  Canvas->Pen()->SetColor(BorderColor);
  Canvas->Pen()->SetWidth(BorderWidth);
  Canvas->Rectangle(R);
  Canvas->Brush()->SetStyle(fw::bsSolid);
}

void DrawImageText(fw::TCanvas* Canvas, fw::TRect R, const std::string& Text, int ImageIndex,
                   fw::TCustomImageList* Images) {
  if (Canvas == nullptr) return;
  UINT alignment = DT_CENTER;
  if (ImageIndex >= 0 && Images != nullptr) {
    const int x = R.Left + 4;
    Images->Draw(Canvas, x, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex, true);
    R.Left = x + Images->Width() + 4;
    alignment = DT_LEFT;
  }
  fw::DrawCanvasText(Canvas, Text, R, alignment | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void GetTextSize(fw::TCanvas* Canvas, const std::string& Text, SIZE& Size) {
  Size = SIZE{0, 0};
  if (Canvas == nullptr || Text.empty()) return;
  const fw::TRect r = fw::DrawCanvasText(Canvas, Text, fw::TRect{0, 0, 1000, 500}, DT_CALCRECT | DT_SINGLELINE);
  Size = SIZE{r.Width(), r.Height()};
}

void FitText(fw::TCanvas* Canvas, const std::string& Text, int MaxWidth, std::string& Result, bool Ellipsis) {
  Result = Text;
  SIZE size{};
  GetTextSize(Canvas, Text, size);
  if (size.cx <= MaxWidth) return;
  for (size_t length = Text.size(); length-- > 0;) {
    std::string candidate = Text.substr(0, length);
    if (Ellipsis) candidate += "...";
    GetTextSize(Canvas, candidate, size);
    if (size.cx < MaxWidth) {
      Result = candidate;
      return;
    }
  }
}

namespace {

// The text engine's arguments for a caption: the default shadow, hover and link colours, no pictures but
// the image list's, and word wrap off while the caption ends with an ellipsis.
THTMLTextParams CaptionParams(const std::string& Text, fw::TRect R, HWND Window, bool Ellipsis,
                              fw::TCustomImageList* Images, bool MeasureOnly) {
  THTMLTextParams params;
  params.Text = Text;
  params.Bounds = R;
  params.ImageList = Images;
  params.MeasureOnly = MeasureOnly;
  params.WordWrap = !Ellipsis;
  params.ShadowColor = 0x808080;
  params.HoverBackColor = fw::clNone;
  params.HoverTextColor = fw::clNone;
  params.LinkColor = 0xFF0000;
  params.ThemeWindow = Window;
  return params;
}

}  // namespace

void MeasureHTMLText(fw::TCanvas* Canvas, const std::string& Text, fw::TRect R, SIZE& Size, HWND Window,
                     bool Ellipsis, fw::TCustomImageList* Images) {
  Size = SIZE{0, 0};
  if (Canvas == nullptr || Text.empty()) return;
  THTMLTextParams params = CaptionParams(Text, R, Window, Ellipsis, Images, true);
  DrawHTMLText(Canvas, params);
  Size = SIZE{params.TextWidth, params.TextHeight};
}

void DrawHTMLCaption(fw::TCanvas* Canvas, const std::string& Text, fw::TRect R, HWND Window, bool Ellipsis,
                     fw::TCustomImageList* Images) {
  if (Canvas == nullptr || Text.empty()) return;
  THTMLTextParams params = CaptionParams(Text, R, Window, Ellipsis, Images, false);
  DrawHTMLText(Canvas, params);
}

void CaseText(const std::string& Text, bool KeepCase, std::string& Result) {
  Result = KeepCase ? Text : fw::AnsiUpperCase(Text);
}

}  // namespace ui::dropdown
