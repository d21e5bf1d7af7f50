#include "ui/controls/glow_face.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "framework/controls/draw_text.h"
#include "framework/forms/screen.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/arith.h"
#include "ui/controls/glow_primitives.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {

namespace {

int R(double v) { return static_cast<int>(fw::Round(v)); }
float F(int v) { return static_cast<float>(v); }

bool IsTopOrBottom(TButtonLayout l) {
  return l == blGlyphTop || l == blGlyphBottom || l == blGlyphTopAdjusted || l == blGlyphBottomAdjusted;
}

bool IsTrueTypeFont(fw::TCanvas* Canvas, fw::TFont* Font) {
  Canvas->Font()->SetName(Font->Name());
  Canvas->TextExtent("");  // selects the canvas font
  TEXTMETRICA metrics{};
  if (!GetTextMetricsA(Canvas->Handle(), &metrics)) return false;
  return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0 && fw::Screen->Fonts()->IndexOf(Font->Name()) >= 0;
}

// The background halves (step by step as the face is split or not).
void DrawBackground(TGPGraphics* g, const TGlowFace& f) {
  const fw::TRect& r = f.R;
  const TGlowFaceColors& c = f.Colors;
  const int h = r.Bottom - r.Top;
  const int half = h / 2;
  if (!(f.DropDownButton && c.Highlighted && f.DropDownSplit)) {
    FillGlowHalf(g, fw::TRect{r.Left, r.Top + half - 1, r.Right, r.Bottom}, c.ColorMirrorTo, c.ColorMirror,
                 c.GradientMirror, false);
    FillGlowHalf(g, fw::TRect{r.Left, r.Top, r.Right, r.Bottom - half}, c.Color, c.ColorTo, c.Gradient, true);
    return;
  }
  // Split: the button part and a 12-pixel band for the drop-down part.
  constexpr int band = 12;
  fw::TRect buttonUpper, buttonLower, bandUpper, bandLower;
  const bool right = f.DropDownPosition == dpRight;
  if (right) {
    buttonUpper = {r.Left, r.Top, r.Right - band, r.Bottom - half};
    buttonLower = {r.Left, r.Top + half - 1, r.Right - band, r.Bottom};
    bandUpper = {r.Right - band, r.Top, r.Right, r.Bottom - half};
    bandLower = {r.Right - band, r.Top + half - 1, r.Right, r.Bottom};
  } else {
    const int k = h - band;
    buttonUpper = {r.Left, r.Top, r.Right, r.Bottom - band - k / 2};
    buttonLower = {r.Left, r.Top + k / 2, r.Right, r.Bottom - band};
    bandUpper = {r.Left, r.Bottom - band, r.Right, r.Bottom};
  }
  if (f.DropDownState == 2) {
    FillGlowHalf(g, buttonLower, c.ColorMirrorTo, c.ColorMirror, c.GradientMirror, false);
    FillGlowHalf(g, buttonUpper, c.Color, c.ColorTo, c.Gradient, true);
    if (!f.HotTransparentOn) {
      FillGlowHalf(g, bandUpper, ShadeColor(c.Color, -10), ShadeColor(c.ColorTo, -10), c.Gradient, true);
      if (right) {
        FillGlowHalf(g, bandLower, ShadeColor(c.ColorMirrorTo, -10), ShadeColor(c.ColorMirror, -10),
                     c.GradientMirror, false);
      }
    }
    return;
  }
  if (!f.HotTransparentOn) {
    FillGlowHalf(g, buttonLower, ShadeColor(c.ColorMirrorTo, -10), ShadeColor(c.ColorMirror, -10),
                 c.GradientMirror, false);
    FillGlowHalf(g, buttonUpper, ShadeColor(c.Color, -10), ShadeColor(c.ColorTo, -10), c.Gradient, true);
  }
  FillGlowHalf(g, bandUpper, c.Color, c.ColorTo, ggRadial, true);
  if (right) FillGlowHalf(g, bandLower, c.ColorMirrorTo, c.ColorMirror, c.GradientMirror, false);
}

void DrawOutline(TGPGraphics* g, const TGlowFace& f, int radius) {
  const fw::TRect& r = f.R;
  const fw::TColor color = f.Colors.BorderColor;
  const int w = r.Right - 1;
  const int h = r.Bottom - 1;
  const bool hotOrDown = f.MouseInside || f.Down;
  switch (f.Position) {
    case bpLeft: DrawGlowLeftPiece(g, color, r.Left, r.Top, w, h, radius); break;
    case bpMiddle: DrawGlowMiddlePiece(g, color, r.Left, r.Top, w, h, radius, hotOrDown); break;
    case bpRight: DrawGlowRightPiece(g, color, r.Left, r.Top, w, h, radius, hotOrDown); break;
    default: DrawGlowBorder(g, color, r.Left, r.Top, w, h, radius); break;
  }
}

std::string NotesText(fw::TStrings* notes) { return notes != nullptr ? notes->Text() : std::string(); }

}  // namespace

std::string GlowCaptionText(const std::string& Caption, bool SizeForced) {
  std::string out;
  for (size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == '\\' && i + 1 < Caption.size() && std::tolower(static_cast<unsigned char>(Caption[i + 1])) == 'n') {
      out += SizeForced ? " " : "\r\n";
      ++i;
    } else {
      out += Caption[i];
    }
  }
  return out;
}

fw::TSize DrawGlowButton(fw::TCanvas* Canvas, const TGlowFace& f) {
  const fw::TRect& r = f.R;
  const int radius = f.Rounded ? 3 : 0;
  fw::TRect dr;
  fw::TRect cr = r;
  if (f.DropDownPosition == dpBottom) {
    dr = {r.Left, r.Bottom - kGlowDropDownPart, r.Right, r.Bottom};
    if (f.DropDownButton) cr.Bottom = dr.Top;
  } else {
    dr = {r.Right - kGlowDropDownPart, r.Top, r.Right, r.Bottom};
    if (f.DropDownButton) cr.Right = dr.Left;
  }
  const std::string notes = NotesText(f.Notes);
  const bool hasNotes = !notes.empty();
  const TButtonLayout layout = hasNotes ? blGlyphLeftAdjusted : f.Layout;

  TGPGraphics g(Canvas->Handle());
  const bool faceDrawn = !f.TransparentFace || f.MenuShowing || f.Down;
  if (faceDrawn) DrawBackground(&g, f);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  if (faceDrawn && f.Border) DrawOutline(&g, f, radius);
  if (f.FocusBorder) {
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawGlowBorder(&g, 0xE4AD89, r.Left + 1, r.Top + 1, r.Right - 3, r.Bottom - 3, radius);
    DrawGlowFocusRect(&g, 0x808080, r.Left + 2, r.Top + 2, r.Right - 5, r.Bottom - 5, radius);
  }

  // Glyph size.
  const bool forced = f.GlyphSize.cx > 0 && f.GlyphSize.cy > 0;
  int gw = 0;
  int gh = 0;
  const bool bitmapGlyph = f.DropDownGlyph != nullptr && !f.DropDownGlyph->Empty() && f.DropDownGlyph->Width() > 1 &&
                           f.DropDownGlyph->Height() > 1;
  const bool pictureGlyph = !bitmapGlyph && f.Picture != nullptr && !f.Picture->Empty();
  const bool listGlyph = !bitmapGlyph && !pictureGlyph && f.ImageIndex >= 0 && f.Images != nullptr;
  if (bitmapGlyph) {
    gw = f.DropDownGlyph->Width();
    gh = f.DropDownGlyph->Height();
  } else if (pictureGlyph) {
    f.Picture->GetImageSizes();
    gw = f.Picture->Width();
    gh = f.Picture->Height();
  } else if (listGlyph) {
    gw = f.Images->Width();
    gh = f.Images->Height();
  }
  if (forced && (bitmapGlyph || pictureGlyph)) {
    gw = f.GlyphSize.cx;
    gh = f.GlyphSize.cy;
  }
  const int naturalWidth = gw;
  const int naturalHeight = gh;
  const bool hasCaption = !f.Caption.empty();
  if (hasCaption) {
    if (gw > 0 && (layout == blGlyphLeft || layout == blGlyphRight || layout == blGlyphLeftAdjusted ||
                   layout == blGlyphRightAdjusted)) {
      gw += f.Spacing;
    }
    if (gh > 0 && (layout == blGlyphTop || layout == blGlyphTopAdjusted)) gh += f.Spacing;
  }
  fw::TSize measured{gw, gh};

  int cw = cr.Right - cr.Left;
  int ch = cr.Bottom - cr.Top;
  int gx = 0;
  int gy = 0;
  int textBottom = 0;
  if (hasCaption) {
    const std::string caption = GlowCaptionText(f.Caption, forced);
    const bool trueType = IsTrueTypeFont(Canvas, f.Font);
    const std::unique_ptr<TGPFont> font = CreateGPFont(f.Font, true);
    GpRectF lr = MakeRect(F(r.Left), F(r.Top), F(cw), F(ch));
    if (f.MeasureOnly) lr.Width = lr.Height = 4096;
    TGPStringFormat format(f.WordWrap ? 0 : 0x1000);
    format.SetAlignment(layout == blGlyphLeftAdjusted    ? StringAlignmentNear
                        : layout == blGlyphRightAdjusted ? StringAlignmentFar
                                                         : StringAlignmentCenter);
    format.SetLineAlignment(layout == blGlyphTopAdjusted      ? StringAlignmentNear
                            : layout == blGlyphBottomAdjusted ? StringAlignmentFar
                                                              : StringAlignmentCenter);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    format.SetTrimming(f.Trimming);
    TGPSolidBrush textBrush(ColorToARGB(f.Enabled ? f.Font->Color() : 0x808080));
    if (f.AntiAlias == aaClearType) g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    else if (f.AntiAlias == aaAntiAlias) g.SetTextRenderingHint(TextRenderingHintAntiAlias);

    const bool gdip = f.AntiAlias != aaNone && trueType;
    GpRectF bb{};
    GpRectF nb{};
    int measuredTextHeight = 0;
    std::unique_ptr<TGPFont> notesFont;
    const std::wstring wideCaption = AnsiToWide(caption);
    if (gdip) {
      int fitted = 0;
      int lines = 0;
      g.MeasureString(wideCaption, static_cast<int>(wideCaption.size()), font.get(), lr, &format, bb, fitted, lines);
      textBottom = R(bb.Y + bb.Height);
      if (gw > 0) lr.Width -= F(gw + f.Spacing);
      if (hasNotes) {
        notesFont = CreateGPFont(f.NotesFont, true);
        const std::wstring wideNotes = AnsiToWide(notes);
        g.MeasureString(wideNotes, static_cast<int>(wideNotes.size()), notesFont.get(), lr, &format, nb, fitted, lines);
      }
      if (IsTopOrBottom(layout)) {
        measured = {std::max(R(bb.Width) + f.Spacing, gw + f.Spacing), R(bb.Height) + gh + f.Spacing};
      } else {
        measured = {std::max(R(nb.Width), R(bb.Width)) + gw + f.Spacing,
                    std::max(R(bb.Height) + f.Spacing + R(nb.Height), gh + f.Spacing)};
      }
    } else {
      Canvas->SetFont(f.Font);
      const int left = R(lr.X);
      const int top = R(lr.Y);
      const UINT wrap = f.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
      const fw::TRect calc = fw::DrawCanvasText(Canvas, caption, fw::Rect(left, top, f.WordWrap ? left + R(lr.Width) : left + 2, top),
                                                DT_CALCRECT | wrap);
      measuredTextHeight = calc.Bottom - calc.Top;
      textBottom = (R(lr.Height) + measuredTextHeight) / 2;
      bb = MakeRect(lr.X, lr.Y, F(calc.Right - calc.Left), F(measuredTextHeight - top));
      if (hasNotes) {
        Canvas->SetFont(f.NotesFont);
        const fw::TRect notesRect = fw::DrawCanvasText(Canvas, notes, fw::Rect(left, top, left + R(lr.Width), 65535),
                                                       DT_CALCRECT | DT_WORDBREAK);
        nb = MakeRect(0, 0, F(notesRect.Width()), F(notesRect.Height()));
        Canvas->SetFont(f.Font);
      }
      if (layout == blGlyphLeft) bb.X = F((cw + left - calc.Right - gw) / 2);
      if (layout == blGlyphTop) bb.Y = F((ch + top - measuredTextHeight - gh - 2) / 2);
      if (layout == blGlyphLeft || layout == blGlyphRight || layout == blGlyphRightAdjusted) {
        measured = {R(bb.Width) + gw + f.Spacing, std::max(R(bb.Height) + f.Spacing, gh + f.Spacing)};
      } else if (layout == blGlyphLeftAdjusted) {
        measured = {std::max(R(nb.Width), R(bb.Width)) + gw + f.Spacing,
                    std::max(R(bb.Height) + f.Spacing + R(nb.Height), gh + f.Spacing)};
      } else {
        measured = {std::max(R(bb.Width) + f.Spacing, gw + f.Spacing), R(bb.Height) + gh + f.Spacing};
      }
    }

    if (!f.MeasureOnly) {
      if (!f.WordWrap) lr = MakeRect(F(r.Left), F(r.Top), F(cw), F(ch));
      switch (layout) {
        case blGlyphLeft:
        case blGlyphLeftAdjusted:
          lr.X = F(r.Left + gw + 2);
          lr.Width = F(cw - gw - 2);
          gx = (gdip || layout == blGlyphLeftAdjusted) ? R(bb.X - gw / 2) : R(bb.X);
          gx = std::max(gx, 2);
          gy = std::max(0, (ch - gh) / 2) + r.Top;
          break;
        case blGlyphTop:
        case blGlyphTopAdjusted:
          lr.Y = F(r.Top + gh);
          lr.Height = F(ch - gh - 2);
          gx = std::max(0, (cw - gw) / 2) + r.Left;
          if (layout == blGlyphTop) {
            gy = std::max(0, R(lr.Height - bb.Height) / 2) + R(lr.Y) - gh - (gdip ? 0 : 4);
          } else {
            gy = R(lr.Y) - gh;
          }
          gy = std::max(gy, 2);
          break;
        case blGlyphBottom:
          lr.Y = 2;
          lr.Height = F(ch - gh - 2);
          gx = std::max(0, (cw - gw) / 2) + r.Left;
          gy = std::max(0, R(lr.Height - bb.Height) / 2) + R(bb.Height + (gdip ? 2 : 5));
          if (ch - gh < gy) gy = ch - gh - 2;
          break;
        case blGlyphBottomAdjusted:
          lr.Y = 2;
          gx = std::max(0, (cw - gw) / 2) + r.Left;
          if (gdip) {
            lr.Height = F(ch - gh - 2);
            gy = std::max(0, ch / 2) + R(bb.Height + 2);
            if (ch - gh < gy) gy = ch - gh - 2;
          } else {
            lr.Height = F(ch - gh - 4);
            gy = ch - gh - 2;
          }
          break;
        case blGlyphRight:
        case blGlyphRightAdjusted:
          lr.X = 2;
          lr.Width = F(cw - gw - 4);
          if (layout == blGlyphRightAdjusted) {
            gx = cw - gw - 2;
          } else {
            gx = std::max(0, R(lr.Width - bb.Width) / 2) + R(bb.Width) + 4;
            if (cw - gw < gx) gx = cw - gw - 2;
          }
          gy = std::max(0, (ch - gh) / 2) + r.Top;
          gx += f.Spacing;
          break;
      }

      if (gdip) {
        if (hasNotes) {
          format.SetLineAlignment(StringAlignmentNear);
          lr.Y += (lr.Height - F(R(bb.Height)) - F(R(nb.Height))) / 2;
        }
        lr.X -= 1;
        g.DrawAnsiString(caption, -1, font.get(), lr, &format, &textBrush);
        if (hasNotes) {
          lr.Y += F(R(bb.Height));
          TGPSolidBrush notesBrush(ColorToARGB(f.NotesFont->Color()));
          g.DrawAnsiString(notes, -1, notesFont.get(), lr, &format, &notesBrush);
        }
      } else {
        fw::TRect t{R(lr.X), R(lr.Y), R(lr.X) + R(lr.Width), R(lr.Y) + R(lr.Height)};
        Canvas->Brush()->SetStyle(fw::bsClear);
        UINT flags = f.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
        switch (layout) {
          case blGlyphLeft:
          case blGlyphRight:
          case blGlyphBottom: flags |= DT_VCENTER | DT_CENTER; break;
          case blGlyphTop:
          case blGlyphTopAdjusted: flags |= DT_CENTER; break;
          case blGlyphRightAdjusted: flags |= DT_VCENTER | DT_RIGHT; break;
          case blGlyphBottomAdjusted: flags |= DT_BOTTOM | DT_CENTER; break;
          case blGlyphLeftAdjusted:
            t.Left += 2;
            if (hasNotes) t.Top = (t.Bottom - t.Top - R(bb.Height) - R(nb.Height)) / 2;
            else flags |= DT_VCENTER;
            break;
        }
        Canvas->SetFont(f.Font);
        if (!f.Enabled) Canvas->Font()->SetColor(0x808080);
        if (f.WordWrap) {
          const int height = fw::DrawCanvasText(Canvas, caption, t, flags | DT_CALCRECT).Height();
          if (layout == blGlyphTop) t.Top = gy + gh;
          else if (layout == blGlyphBottomAdjusted) t.Top = t.Bottom - height;
          else if (layout != blGlyphTopAdjusted) t.Top = (t.Bottom - t.Top - height) / 2;
        }
        fw::DrawCanvasText(Canvas, caption, t, flags);
        if (hasNotes) {
          t.Top += R(bb.Height);
          t.Bottom = t.Top + R(nb.Height);
          Canvas->SetFont(f.NotesFont);
          fw::DrawCanvasText(Canvas, notes, t, flags);
        }
      }
    }
  }

  if (!f.MeasureOnly) {
    if (f.DropDownButton) {
      if (f.DropDownPosition == dpBottom) ch -= 8;
      else cw -= 8;
    }
    const int centredX = std::max(0, (cw - naturalWidth) / 2) + r.Left;
    const int centredY = std::max(0, (ch - naturalHeight) / 2) + r.Top;
    const fw::TPoint at = hasCaption ? fw::TPoint{gx, gy} : fw::TPoint{centredX, centredY};
    if (bitmapGlyph) {
      if (forced) {
        f.DropDownGlyph->SetTransparent(true);
        Canvas->StretchDraw(fw::Rect(at.X, at.Y, at.X + f.GlyphSize.cx, at.Y + f.GlyphSize.cy), f.DropDownGlyph);
      } else {
        Canvas->Draw(at.X, at.Y, f.DropDownGlyph);
      }
    } else if (pictureGlyph) {
      if (forced) {
        f.Picture->Draw(Canvas, fw::Rect(at.X, at.Y, at.X + f.GlyphSize.cx, at.Y + f.GlyphSize.cy));
      } else {
        DrawGlowPicture(&g, at, f.Picture);
      }
    } else if (listGlyph) {
      const fw::TPoint listAt = hasCaption ? at
                                           : fw::TPoint{std::max(0, (cw - f.Images->Width()) / 2) + r.Left,
                                                        std::max(0, (ch - f.Images->Height()) / 2) + r.Top};
      f.Images->Draw(Canvas, listAt.X, listAt.Y, f.ImageIndex, f.ImagesEnabled);
    }

    if (f.DropDownButton) {
      Canvas->Brush()->SetStyle(fw::bsClear);
      if (f.Colors.Highlighted && f.DropDownSplit) {
        Canvas->Pen()->SetColor(f.Colors.BorderColor);
        Canvas->MoveTo(dr.Left, dr.Top);
        if (f.DropDownPosition == dpBottom) Canvas->LineTo(dr.Right, dr.Top);
        else Canvas->LineTo(dr.Left, dr.Bottom);
      }
      const int ax = (dr.Right - dr.Left - 5) / 2 + dr.Left;
      const int ay = (f.DropDownPosition == dpBottom || !hasCaption) ? (dr.Bottom - dr.Top - 3) / 2 + dr.Top + 1
                                                                    : textBottom - 8;
      DrawDropDownArrow(Canvas, fw::TPoint{ax, ay}, f.Enabled ? 0 : 0x808080, 0xFFFFFF, f.ArrowDown);
    }
  }
  return measured;
}

}  // namespace ui
