#include "ui/controls/menu_painters.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/rtl/arith.h"
#include "ui/controls/menu_style_host.h"
#include "ui/controls/menu_styler.h"
#include "ui/controls/menu_util.h"
#include "ui/foundation/draw_utils.h"

namespace ui {

namespace {

// start + (end - start) x t div n, per channel.
fw::TColor Between(const RGBParts& start, const RGBParts& end, int t, int n) {
  return MenuRGB(start.r + (end.r - start.r) * t / n, start.g + (end.g - start.g) * t / n,
                 start.b + (end.b - start.b) * t / n);
}

bool HasPicture(const TBackground* Background) {
  const fw::TPicture* picture = Background->HeldImage();
  return picture != nullptr && picture->Graphic() != nullptr && !picture->Graphic()->Empty();
}

TSideBar* SideBarOf(IMenuStyleHost* Host) {
  TCustomVxMenuStyler* styler = Host != nullptr ? Host->GetCurrentMenuStyler() : nullptr;
  return styler != nullptr ? styler->SideBar() : nullptr;
}

}  // namespace

void DrawMenuGradient(fw::TCanvas* Canvas, const fw::TRect& R, TGradientDirection Direction, fw::TColor EndColor,
                      fw::TColor StartColor) {
  if (EndColor == fw::clNone) EndColor = StartColor;
  if (StartColor == EndColor) {
    FillRectColor(Canvas, R, StartColor);
    return;
  }
  const RGBParts start = ColorToRGBParts(StartColor);
  const RGBParts end = ColorToRGBParts(EndColor);
  const int w = R.Width();
  const int h = R.Height();
  if (h <= 0) return;
  fw::TPen* pen = Canvas->Pen();
  pen->SetWidth(1);
  if (Direction == gdVertical) {
    for (int y = R.Top; y < R.Bottom; ++y) {
      pen->SetColor(Between(start, end, y - R.Top, h));
      Canvas->MoveTo(R.Left, y);
      Canvas->LineTo(R.Left + w, y);
    }
  } else {
    for (int x = R.Left; x < R.Right; ++x) {
      pen->SetColor(Between(start, end, x - R.Left, w));
      Canvas->MoveTo(x, R.Top);
      Canvas->LineTo(x, R.Bottom);
    }
  }
}

void DrawMenuGradientPart(fw::TCanvas* Canvas, const fw::TRect& Extent, TGradientDirection Direction,
                          fw::TColor EndColor, fw::TColor StartColor, const fw::TRect& Clip) {
  const fw::TRect part{std::max(Clip.Left, Extent.Left), std::max(Clip.Top, Extent.Top),
                       std::min(Clip.Right, Extent.Right), std::min(Clip.Bottom, Extent.Bottom)};
  if (part.Width() <= 0 || part.Height() <= 0) return;
  if (EndColor == fw::clNone) EndColor = StartColor;
  const RGBParts start = ColorToRGBParts(StartColor);
  const RGBParts end = ColorToRGBParts(EndColor);
  if (Direction == gdHorizontal) {
    const int e = Extent.Width();
    DrawMenuGradient(Canvas, part, Direction, Between(start, end, part.Right - Extent.Left, e),
                     Between(start, end, part.Left - Extent.Left, e));
  } else {
    const int e = Extent.Height();
    DrawMenuGradient(Canvas, part, Direction, Between(start, end, part.Bottom - Extent.Top, e),
                     Between(start, end, part.Top - Extent.Top, e));
  }
}

void DrawMenuGradientRect(fw::TCanvas* Canvas, const fw::TRect& R, bool Fill, fw::TColor Border,
                          TGradientDirection Direction, fw::TColor EndColor, fw::TColor StartColor) {
  DrawMenuMirrorRect(Canvas, R, Fill, Border, Direction, fw::clNone, fw::clNone, EndColor, StartColor);
}

void DrawMenuMirrorRect(fw::TCanvas* Canvas, const fw::TRect& R, bool Fill, fw::TColor Border,
                        TGradientDirection Direction, fw::TColor MirrorEndColor, fw::TColor MirrorStartColor,
                        fw::TColor EndColor, fw::TColor StartColor) {
  if (Fill && StartColor != fw::clNone) {
    if (MirrorStartColor == fw::clNone) {
      DrawMenuGradient(Canvas, R, Direction, EndColor, StartColor);
    } else {
      const int middle = R.Top + R.Height() / 2;
      DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Top, R.Right, middle), Direction, EndColor, StartColor);
      DrawMenuGradient(Canvas, fw::Rect(R.Left, middle, R.Right, R.Bottom), Direction, MirrorEndColor,
                       MirrorStartColor);
    }
  }
  if (Border != fw::clNone) {
    Canvas->Brush()->SetColor(Border);
    Canvas->FrameRect(R);
  }
}

void DrawMenuBand(fw::TCanvas* Canvas, fw::TRect R, int Margin, int GradientWidth, TGradientType GradientType,
                  TGradientDirection Direction, fw::TColor EndColor, fw::TColor StartColor) {
  const fw::TColor c = StartColor;
  const fw::TColor t = EndColor == fw::clNone ? StartColor : EndColor;
  int g = GradientWidth;
  if (Direction == gdHorizontal) {
    R.Left += Margin;
    R.Right -= Margin;
    if (g >= R.Width()) {
      g = R.Width();
    } else if (GradientType == gtLeft) {
      FillRectColor(Canvas, fw::Rect(R.Left + g, R.Top, R.Right, R.Bottom), t);
    } else if (GradientType == gtRight) {
      FillRectColor(Canvas, fw::Rect(R.Left, R.Top, R.Right - g, R.Bottom), t);
    } else {
      FillRectColor(Canvas, fw::Rect(R.Left + g / 2, R.Top, R.Right - g / 2, R.Bottom), c);
    }
    if (g <= 0) return;
    if (GradientType == gtLeft) {
      DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Top, R.Left + g, R.Bottom), Direction, t, c);
    } else if (GradientType == gtRight) {
      DrawMenuGradient(Canvas, fw::Rect(R.Right - g, R.Top, R.Right, R.Bottom), Direction, c, t);
    } else {
      DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Top, R.Left + g / 2, R.Bottom), Direction, c, t);
      DrawMenuGradient(Canvas, fw::Rect(R.Right - g / 2, R.Top, R.Right, R.Bottom), Direction, t, c);
    }
    return;
  }
  R.Top += Margin;
  R.Bottom -= Margin;
  if (GradientType == gtBoth) g *= 2;
  if (g >= R.Height()) {
    g = R.Height();
  } else if (GradientType == gtLeft) {
    FillRectColor(Canvas, fw::Rect(R.Left, R.Top, R.Right, R.Bottom - g), t);
  } else if (GradientType == gtRight) {
    FillRectColor(Canvas, fw::Rect(R.Left, R.Top + g, R.Right, R.Bottom), t);
  } else {
    FillRectColor(Canvas, fw::Rect(R.Left, R.Top + g / 2, R.Right, R.Bottom - g / 2), c);
  }
  if (g <= 0) return;
  if (GradientType == gtLeft) {
    DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Bottom - g, R.Right, R.Bottom), Direction, c, t);
  } else if (GradientType == gtRight) {
    DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Top, R.Right, R.Top + g), Direction, t, c);
  } else {
    DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Top, R.Right, R.Top + g / 2), Direction, c, t);
    DrawMenuGradient(Canvas, fw::Rect(R.Left, R.Bottom - g / 2, R.Right, R.Bottom), Direction, t, c);
  }
}

void GetBackgroundImagePosition(TBackground* Background, const fw::TRect& R, int& X, int& Y) {
  X = R.Left;
  Y = R.Top;
  if (!HasPicture(Background)) return;
  const int pw = Background->HeldImage()->Width();
  const int ph = Background->HeldImage()->Height();
  const int dx = Background->OffsetX();
  const int dy = Background->OffsetY();
  const int centreX = (R.Width() - pw) / 2 + dx;
  const int rightX = R.Width() + dx - pw;
  const int bottomY = R.Height() + dy - ph;
  switch (Background->Position()) {
    case bpTopLeft: X += dx; Y += dy; break;
    case bpTopRight: X += rightX; Y += dy; break;
    case bpBottomLeft: X += dx; Y += bottomY; break;
    case bpBottomRight: X += rightX; Y += bottomY; break;
    case bpTopCenter: X += centreX; Y += dy; break;
    case bpBottomCenter: X += centreX; Y += bottomY; break;
    case bpCenter: X += centreX; Y += (R.Height() - ph) / 2 + dy; break;
    case bpTiled:
    case bpStretched:
    case bpXY: break;
  }
}

void DrawMenuBackground(fw::TCanvas* Canvas, fw::TRect R, TBackground* Background, bool Fill) {
  R.Left += Background->MarginX();
  R.Right -= Background->MarginX();
  R.Top += Background->MarginY();
  R.Bottom -= Background->MarginY();
  const int w = R.Width();
  const int h = R.Height();
  if (w <= 0 || h <= 0) return;
  fw::TBitmap* work = Background->WorkBitmap();
  work->SetSize(w, h);
  fw::TCanvas* canvas = work->Canvas();
  const fw::TRect all = fw::Rect(0, 0, w, h);

  const bool picture = HasPicture(Background);
  fw::TGraphic* graphic = picture ? Background->HeldImage()->Graphic() : nullptr;
  const TBackgroundPosition position = Background->Position();
  const bool covering = picture && (position == bpTiled || position == bpStretched) && !graphic->Transparent();
  if (Fill && !covering) {
    DrawMenuGradient(canvas, all, Background->GradientDirection(), Background->ColorTo(), Background->Color());
  } else {
    // The bitmap may hold an earlier composition: whatever the picture leaves uncovered shows the colour.
    FillRectColor(canvas, all, Background->Color());
  }

  if (picture) {
    const int pw = graphic->Width();
    const int ph = graphic->Height();
    switch (position) {
      case bpTiled:
        if (pw >= 1 && ph >= 1) {
          for (int y = 0; y < h; y += ph) {
            for (int x = 0; x < w; x += pw) canvas->Draw(x, y, graphic);
          }
        }
        break;
      case bpStretched: canvas->StretchDraw(all, graphic); break;
      case bpXY: canvas->Draw(Background->OffsetX(), Background->OffsetY(), graphic); break;
      default: {
        int x = 0;
        int y = 0;
        GetBackgroundImagePosition(Background, all, x, y);
        canvas->Draw(x, y, graphic);
      }
    }
  }
  Canvas->Draw(R.Left, R.Top, work);
}

void DrawSideBarCaption(IMenuStyleHost* Host, fw::TCanvas* Canvas, const fw::TRect& R) {
  TSideBar* side = SideBarOf(Host);
  if (side == nullptr) return;
  Canvas->Font()->Assign(side->Font());
  const bool upToDown = side->Direction() == dUpToDown;
  fw::GdiObject<HFONT> rotated = CreateRotatedFont(side->Font(), upToDown ? -90 : 90);
  HDC dc = Canvas->Handle();
  HGDIOBJ previous = SelectObject(dc, rotated.Get());

  const std::string& caption = side->Caption();
  const int length = static_cast<int>(caption.size());
  SIZE extent{};
  GetTextExtentPoint32A(dc, caption.c_str(), length, &extent);
  const int cx = extent.cx;
  const int cy = extent.cy;
  int x = static_cast<int>(fw::Round((side->Size() - cy) / 2.0 - 0.5));
  SetBkMode(dc, TRANSPARENT);
  const RECT clip{R.Left, R.Top, R.Right, R.Bottom + 1};

  int y;
  const fw::TAlignment alignment = side->Alignment();
  if (alignment == fw::taCenter) {
    y = static_cast<int>(fw::Round((R.Height() + cx) / 2.0 - 0.5));
  } else if ((alignment == fw::taRightJustify) != upToDown) {
    y = 6 + cx;
  } else {
    y = R.Height() - 6;
    TBackground* image = side->Image();
    if (HasPicture(image) && (image->Position() == bpBottomLeft || image->Position() == bpBottomRight)) {
      y -= image->HeldImage()->Height();
    }
  }
  if (upToDown) {
    y -= cx;
    x += cy + 1;
  }
  if (side->ShadowColor() != fw::clNone) {
    SetTextColor(dc, fw::ColorToRGB(side->ShadowColor()));
    ExtTextOutA(dc, x + side->Depth(), y - side->Depth(), ETO_CLIPPED, &clip, caption.c_str(),
                static_cast<UINT>(length), nullptr);
  }
  SetTextColor(dc, fw::ColorToRGB(side->Font()->Color()));
  ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, caption.c_str(), static_cast<UINT>(length), nullptr);

  SelectObject(dc, previous);
  SetBkMode(dc, OPAQUE);
}

void DrawSideBarBorder(IMenuStyleHost* Host, fw::TCanvas* Canvas, const fw::TRect& R) {
  TSideBar* side = SideBarOf(Host);
  if (side == nullptr || side->BorderColor() == fw::clNone) return;
  Canvas->Brush()->SetColor(side->BorderColor());
  Canvas->FrameRect(fw::Rect(R.Left, R.Top, R.Right - side->SplitterWidth(), R.Bottom));
}

void DrawSideBarSplitter(IMenuStyleHost* Host, fw::TCanvas* Canvas, const fw::TRect& R) {
  TSideBar* side = SideBarOf(Host);
  if (side == nullptr || side->SplitterColor() == fw::clNone) return;
  DrawMenuBand(Canvas, fw::Rect(R.Right - side->SplitterWidth(), R.Top, R.Right, R.Bottom), side->SplitterMargin(),
               side->SplitterGradientWidth(), side->SplitterGradientType(), gdVertical, side->SplitterColorTo(),
               side->SplitterColor());
}

}  // namespace ui
