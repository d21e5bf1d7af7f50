// A cell's graphic, drawn after its text: where it is placed in the cell (by its alignment, the text's
// alignment and the width of the text drawn before it) and how each kind of graphic draws there.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "framework/controls/draw_text.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/image_list.h"
#include "framework/graphics/picture.h"
#include "ui/foundation/cell_painters.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/round_to_int.h"
#include "ui/foundation/theme_library.h"
#include "ui/grid/model/clip_scope.h"
#include "ui/grid/model/file_picture.h"
#include "ui/grid/model/grid_cell_draw.h"
#include "ui/grid/model/int_list.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

// Rating stars: 16 x 16, one every 18 pixels; DrawShape's star and half star.
constexpr int kStarSize = 16;
constexpr int kStarPitch = 18;
constexpr std::uint8_t kShapeStar = 13;
constexpr std::uint8_t kShapeHalfStar = 18;
// The expand button's square and the pie's.
constexpr int kExpandSize = 13;
constexpr int kPieSize = 20;
// Theme parts of a progress bar.
constexpr int kProgressBarPart = 1;
constexpr int kProgressChunkPart = 3;
// An index no item of a radio group has: all items off.
constexpr int kNoItemOn = -2;

bool IsCheckKind(TCellType type) {
  return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox ||
         type == ctTriStateCheckBox;
}

// The kinds that leave room for the text beside them when placed by the text's alignment.
bool LeavesTextRoom(TCellType type) {
  return type == ctCheckBox || type == ctTriStateCheckBox || type == ctRadioButton;
}

TCellVAlign FromTextAlignment(TVAlignment align) {
  switch (align) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
  }
}

fw::TColor Inverted(fw::TColor color) { return static_cast<fw::TColor>(fw::ColorToRGB(color) ^ 0xFFFFFF); }

TProgressLevelsLook LevelsLookOf(const TGridProgressAppearance& a) {
  TProgressLevelsLook look;
  look.Level0Color = a.Level0Color();
  look.Level0ColorTo = a.Level0ColorTo();
  look.Level1Color = a.Level1Color();
  look.Level1ColorTo = a.Level1ColorTo();
  look.Level2Color = a.Level2Color();
  look.Level2ColorTo = a.Level2ColorTo();
  look.Level3Color = a.Level3Color();
  look.Level3ColorTo = a.Level3ColorTo();
  look.Level1Perc = a.Level1Perc();
  look.Level2Perc = a.Level2Perc();
  look.BorderColor = a.BorderColor();
  look.ShowBorder = a.ShowBorder();
  look.Stacked = a.Stacked();
  look.ShowPercentage = a.ShowPercentage();
  look.FontColor = a.CompleteFontColor();
  look.CompletionSmooth = a.CompletionSmooth();
  look.ShowGradient = a.ShowGradient();
  look.Steps = a.Steps();
  look.Color = a.UnCompleteColor();
  return look;
}

void Probe(const char* what, const fw::TRect& where, int value) {
  if (TVxStringGrid::CellPaintProbe != nullptr) TVxStringGrid::CellPaintProbe(what, where, value);
}

}  // namespace

void TVxStringGrid::DrawCellGraphic(fw::TCanvas* canvas, int col, int row, fw::TRect& rect, TCellGraphic* graphic,
                                    TCellVAlign vAlign, fw::TGridDrawState state) {
  const int realCol = RealColIndex(col);
  const TCellType type = graphic->CellType;
  const fw::TRect received = rect;
  const fw::TPoint margin = CellMargin();
  if (type != ctNode && type != ctProgress && type != ctRangeIndicator && type != ctXPProgress) {
    rect = fw::TRect{rect.Left + margin.X - 1, rect.Top + margin.Y - 1, rect.Right - margin.X + 1,
                     rect.Bottom - margin.Y + 1};
  }
  TCellVAlign layoutV = vaTop;
  TCellHAlign hAlign = haLeft;
  bool drawText = true;
  int gh = 0;
  int gw = 0;
  GetCellGraphicLayout(realCol, row, layoutV, hAlign, drawText, gh, gw);
  const int tw = drawnTextWidth_;
  const int width = rect.Width();
  const int height = rect.Height();
  const int alignment = GetCellAlignment(realCol, row);
  const auto textH = static_cast<fw::TAlignment>(alignment & 0xFF);
  const auto textV = static_cast<TVAlignment>((alignment >> 8) & 0xFF);

  // Horizontal place.
  int x = rect.Left + 1;
  switch (hAlign) {
    case haRight: x = rect.Right - gw - 1; break;
    case haCenter: x = gw < width ? rect.Left + (width - gw) / 2 : rect.Left + 1; break;
    case haFull: x = rect.Left; break;
    case haBeforeText:
      if (textH == fw::taRightJustify) x = rect.Right - tw - gw;
      if (textH == fw::taCenter) x = rect.Left + (width - tw - gw) / 2;
      x = std::max(x, rect.Left + 1);
      break;
    case haAfterText:
      x = rect.Left + tw;
      if (textH == fw::taRightJustify) x = rect.Right - gw - 1;
      if (textH == fw::taCenter) x = std::max(rect.Left + tw + (width - tw - gw) / 2, rect.Left + 1);
      break;
    default: break;
  }
  // Check boxes and radio buttons follow the text's alignment instead.
  if (IsCheckKind(type) || type == ctRadioButton) {
    const int room = LeavesTextRoom(type) ? tw : 0;
    x = rect.Left + 1;
    if (textH == fw::taRightJustify) x = rect.Right - gw - 1 - room;
    if (textH == fw::taCenter) {
      x = room > 0 ? rect.Left + (width - room) / 2 - gw : rect.Left + (width - gw) / 2;
    }
    x = std::max(x, rect.Left + 1);
    if (FromTextAlignment(textV) != FromTextAlignment(VAlignment)) vAlign = FromTextAlignment(textV);
  }
  // Vertical place.
  int y = rect.Top + 1;
  switch (vAlign) {
    case vaBottom: y = rect.Bottom - gh - 1; break;
    case vaCenter: y = gh < height ? rect.Top + (height - gh) / 2 : rect.Top + 1; break;
    case vaUnderText: y = rect.Bottom - gh; break;
    case vaFull: y = rect.Top; break;
    default: break;
  }
  fw::TRect placed{x, y, hAlign == haFull ? rect.Right : x + gw, vAlign == vaFull ? rect.Bottom : y + gh};

  bool canEdit = true;
  CanEditCellEx(realCol, row, canEdit);
  const bool selected = state.Contains(fw::gdSelected);
  TControlLook* look = ControlLook();

  switch (type) {
    case ctBitmap:
      if (auto* bitmap = graphic->CellContent.As<fw::TBitmap>(); bitmap != nullptr && !bitmap->Empty()) {
        if (graphic->CellTransparent) {
          const fw::TTransparentMode mode = bitmap->TransparentMode();
          bitmap->SetTransparentMode(fw::tmAuto);
          bitmap->SetTransparent(true);
          canvas->Draw(placed.Left, placed.Top, bitmap);
          bitmap->SetTransparent(false);
          bitmap->SetTransparentMode(mode);
        } else {
          canvas->Draw(placed.Left, placed.Top, bitmap);
        }
      }
      break;
    case ctIcon:
      canvas->Draw(placed.Left, placed.Top, graphic->CellIconContent.As<fw::TIcon>());
      break;
    case ctImageList:
      if (fw::TCustomImageList* list = GetCellImageList(realCol, row); list != nullptr) {
        list->Draw(canvas, placed.Left, placed.Top, graphic->CellIndex, true);
      }
      break;
    case ctDataImage:
      if (fw::TCustomImageList* list = GetCellImageList(realCol, row); list != nullptr) {
        const int index = CellIntegerOrZero(realCol, row) + graphic->CellIndex;
        if (index >= 0 && index < list->Count()) list->Draw(canvas, placed.Left, placed.Top, index, true);
      }
      break;
    case ctImages:
      if (fw::TCustomImageList* list = GetCellImageList(realCol, row); list != nullptr) {
        if (const auto* indices = graphic->CellContent.As<TIntList>(); indices != nullptr) {
          int px = placed.Left;
          int py = placed.Top;
          for (int i = 0; i < indices->Count(); ++i) {
            list->Draw(canvas, px, py, indices->GetItem(i), true);
            if (graphic->CellBoolean) {
              px += list->Width();
            } else {
              py += list->Height();
            }
          }
        }
      }
      break;
    case ctCheckBox:
    case ctRowCheckBox:
      DrawCheckBoxGlyph(placed, graphic->CellBoolean, fw::cbUnchecked, false, look->ControlStyle(),
                        graphic->CellAngle > 0, canEdit);
      break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      std::string checkTrue;
      GetCheckTrue(realCol, row, checkTrue);
      DrawCheckBoxGlyph(placed, GetCellEx(realCol, row) == checkTrue, fw::cbUnchecked, false, look->ControlStyle(),
                        false, canEdit);
      break;
    }
    case ctTriStateCheckBox:
      DrawCheckBoxGlyph(placed, false, graphic->CellCheckBoxState, true, look->ControlStyle(), graphic->CellAngle > 0,
                        canEdit);
      break;
    case ctRadioButton: {
      const int size = look->RadioSize();
      const fw::TRect button{placed.Left + margin.X, placed.Top, placed.Left + margin.X + size, placed.Top + size};
      DrawRadioGroup(canvas, button, false, 1, look->ControlStyle(), row, realCol, selected, nullptr, !canEdit, false,
                     graphic->CellBoolean ? 0 : kNoItemOn, 1);
      break;
    }
    case ctRadio:
      if (auto* items = graphic->CellContent.As<fw::TStrings>(); items != nullptr) {
        DrawRadioGroup(canvas, rect, false, 1, look->ControlStyle(), row, realCol, selected, items, !canEdit,
                       graphic->CellBoolean, graphic->CellIndex, items->Count());
      }
      break;
    case ctRotated:
      DrawRotatedCellText(canvas, realCol, row, received, graphic->CellAngle);
      break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
      DrawCellButton(canvas, realCol, row, received, rect, placed, graphic, canEdit);
      break;
    case ctProgress:
      DrawCellProgress(canvas, realCol, row, rect, graphic);
      break;
    case ctXPProgress: {
      TProgressLevelsLook levels = LevelsLookOf(*ProgressAppearance());
      if (levels.Color == kColorNotSet) levels.Color = canvas->Brush()->Color();
      levels.Font = Font();
      const fw::TRect bar{rect.Left + look->ProgressMarginX(), rect.Top + look->ProgressMarginY(),
                          rect.Right - look->ProgressMarginX() - 1, rect.Bottom - look->ProgressMarginY() - 1};
      // An empty range reads as 0 % rather than dividing by zero.
      const int range = graphic->CellErrLen - graphic->CellErrFrom;
      const int percent =
          range == 0 ? 0
                     : RoundToInt(std::abs(CellIntegerOrZero(realCol, row) - graphic->CellErrFrom) /
                                 static_cast<double>(range) * 100.0);
      DrawProgressLevels(canvas, bar, percent, levels);
      break;
    }
    case ctRangeIndicator: {
      const fw::TRect bar{rect.Left + look->ProgressMarginX(), rect.Top + look->ProgressMarginY(),
                          rect.Right - look->ProgressMarginX(), rect.Bottom - look->ProgressMarginY()};
      DrawRangeIndicator(canvas, bar, CellIntegerOrZero(realCol, row), graphic->CellIndex, graphic->CellBoolean,
                         graphic->CellContent.AsColor(), graphic->CellIconContent.AsColor());
      break;
    }
    case ctProgressPie:
      DrawProgressPie(canvas, fw::TRect{placed.Left, placed.Top, placed.Left + kPieSize, placed.Top + kPieSize},
                      graphic->CellContent.AsColor(), graphic->CellAngle, false);
      break;
    case ctShape:
      DrawShape(canvas, placed.Left, placed.Top, placed.Width() - 1, placed.Height() - 1,
                static_cast<std::uint8_t>(graphic->CellAngle & 0xFF), graphic->CellIndex,
                graphic->CellContent.AsColor());
      break;
    case ctRating: {
      // The value is cut down to halves: 2.3 shows two stars, 2.7 two and a half.
      const double value = std::trunc(2.0 * CellFloatOrZero(realCol, row)) / 2.0;
      const fw::TColor full = graphic->CellIndex;
      const fw::TColor empty = graphic->CellContent.AsColor();
      for (int i = 1; i <= graphic->CellAngle; ++i) {
        const fw::TRect star{placed.Left + (i - 1) * kStarPitch, placed.Top, placed.Left + (i - 1) * kStarPitch + kStarSize,
                             placed.Top + kStarSize};
        if (i <= value) {
          Probe("star full", star, i);
          DrawShape(canvas, star.Left, star.Top, kStarSize, kStarSize, kShapeStar, full, full);
        } else {
          Probe("star empty", star, i);
          DrawShape(canvas, star.Left, star.Top, kStarSize, kStarSize, kShapeStar, empty, empty);
          if (i - 1 < value) {
            Probe("star half", star, i);
            DrawShape(canvas, star.Left, star.Top, kStarSize, kStarSize, kShapeHalfStar, full, full);
          }
        }
      }
      break;
    }
    case ctComment:
      if (look->CommentColor() != kColorNotSet) {
        const fw::TColor corner =
            graphic->CellAngle != static_cast<int>(kColorNotSet) ? graphic->CellIndex : look->CommentColor();
        canvas->Brush()->SetColor(corner);
        canvas->Pen()->SetColor(corner);
        const std::array<fw::TPoint, 3> points{fw::TPoint{received.Right - 7, received.Top},
                                               fw::TPoint{received.Right - 2, received.Top},
                                               fw::TPoint{received.Right - 2, received.Top + 5}};
        canvas->Polygon(points);
        canvas->Brush()->SetColor(Color());
      }
      break;
    case ctPicture:
      if (auto* picture = graphic->CellContent.As<fw::TPicture>(); picture != nullptr) {
        if (graphic->CellAngle != 0) {
          canvas->StretchDraw(placed, picture->Graphic());
        } else {
          canvas->Draw(placed.Left, placed.Top, picture->Graphic());
        }
      }
      break;
    case ctFilePicture:
      if (auto* picture = graphic->CellContent.As<TFilePicture>(); picture != nullptr) {
        picture->DrawFromFile(canvas, placed);
      }
      break;
    case ctInterface:
      if (auto* cellDraw = dynamic_cast<IGridCellDraw*>(graphic->CellContent.Object()); cellDraw != nullptr) {
        cellDraw->Draw(canvas, fw::TRect{rect.Left - 1, rect.Top - 1, rect.Right, rect.Bottom}, realCol, row, selected,
                       this);
      }
      break;
    default:
      break;
  }
}

int TVxStringGrid::CellIntegerOrZero(int realCol, int row) {
  try {
    return GetInts(realCol, row);
  } catch (const EVxGridError&) {
    return 0;
  }
}

double TVxStringGrid::CellFloatOrZero(int realCol, int row) {
  try {
    return static_cast<double>(GetFloats(realCol, row));
  } catch (const EVxGridError&) {
    return 0.0;
  }
}

void TVxStringGrid::DrawRotatedCellText(fw::TCanvas* canvas, int realCol, int row, const fw::TRect& cell, int angle) {
  const std::string text = GetCellEx(realCol, row);
  LOGFONTA font{};
  GetObjectA(canvas->Font()->Handle(), sizeof(font), &font);
  font.lfEscapement = angle * 10;
  font.lfOrientation = angle * 10;
  const fw::GdiObject<HFONT> rotated(CreateFontIndirectA(&font));
  const int alignment = GetCellAlignment(realCol, row);
  const auto textH = static_cast<fw::TAlignment>(alignment & 0xFF);
  const auto textV = static_cast<TVAlignment>((alignment >> 8) & 0xFF);
  const int hAlign = textH == fw::taRightJustify ? 1 : textH == fw::taCenter ? 2 : 0;
  const int vAlign = textV == vtaCenter ? 1 : textV == vtaBottom ? 2 : 0;
  canvas->TextExtent("");  // the canvas font and colours into the DC first
  HDC dc = canvas->Handle();
  const fw::SelectedObject selected(dc, rotated.Get());
  fw::TRect start = cell;
  PlaceRotatedText(start, angle, vAlign, hAlign, text);
  const fw::TRect clip{cell.Left + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 2};
  const RECT box = clip.ToRECT();
  const UINT oldAlign = SetTextAlign(dc, TA_TOP | TA_LEFT);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, fw::ColorToRGB(canvas->Font()->Color()));
  ExtTextOutA(dc, start.Left, start.Top, ETO_CLIPPED, &box, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  SetBkMode(dc, oldMode);
  SetTextAlign(dc, oldAlign);
}

void TVxStringGrid::DrawCellButton(fw::TCanvas* canvas, int realCol, int row, const fw::TRect& cell,
                                   const fw::TRect& inner, const fw::TRect& placed, TCellGraphic* graphic, bool canEdit) {
  TControlLook* look = ControlLook();
  const bool expand = graphic->CellType == ctExpand;
  const fw::TRect face =
      expand ? fw::TRect{inner.Right - kExpandSize, inner.Top, inner.Right, inner.Top + kExpandSize} : placed;
  graphic->CellValue =
      static_cast<double>(((face.Left - cell.Left) & 0xFFFF) | (((face.Top - cell.Top) & 0xFFFF) << 16));

  std::uint8_t kind = look->FlatButton() ? fkFlat : PlatformFlags().WinXP ? fkThemed : fkClassic;
  if (Flat && FaceColorsSet()) kind = fkCustom;
  // No button cell is hot until the mouse handling tracks the hovered one.
  constexpr bool kHovered = false;
  std::uint8_t faceState = graphic->CellBoolean ? fsDown : kHovered ? fsHot : fsNormal;
  if (!canEdit && !look->NoDisabledButtonLook() && !expand) faceState = fsDisabled;
  Probe("button", face, faceState);
  DrawButtonFace(canvas, Handle(), face, kind, faceState, FaceColors());
  const int shift = faceState == fsDown ? 1 : 0;

  if (expand) {
    canvas->Pen()->SetColor(fw::clBlack);
    canvas->Pen()->SetWidth(1);
    const int r = inner.Right + shift;
    const int t = inner.Top + shift;
    const bool expanded = graphic->CellVariantValue.AsBoolean();
    Probe(expanded ? "chevron up" : "chevron down", fw::TRect{r - 10, t + 4, r - 3, t + 9}, 0);
    if (expanded) {
      canvas->MoveTo(r - 10, t + 8);
      canvas->LineTo(r - 7, t + 5);
      canvas->LineTo(r - 3, t + 9);
    } else {
      canvas->MoveTo(r - 10, t + 5);
      canvas->LineTo(r - 7, t + 8);
      canvas->LineTo(r - 3, t + 4);
    }
    return;
  }

  fw::TRect caption{face.Left + shift, face.Top + shift, face.Right + shift, face.Bottom + shift};
  if (graphic->CellType == ctBitButton) {
    if (auto* glyph = graphic->CellContent.As<fw::TBitmap>(); glyph != nullptr && !glyph->Empty()) {
      const fw::TRect at{caption.Left + 1, caption.Top + 1, caption.Left + 1 + glyph->Width(),
                         caption.Top + 1 + glyph->Height()};
      const bool wasTransparent = glyph->Transparent();
      glyph->SetTransparent(true);
      canvas->Draw(at.Left, at.Top, glyph);
      glyph->SetTransparent(wasTransparent);
      caption.Left += glyph->Width() + 2;
    }
  }
  const fw::TColor fontColor = canvas->Font()->Color();
  if (kind == fkCustom) {
    const TControlFaceColors& colors = FaceColors();
    switch (faceState) {
      case fsDown: canvas->Font()->SetColor(colors.DownText); break;
      case fsHot: canvas->Font()->SetColor(colors.HotText); break;
      case fsDisabled: canvas->Font()->SetColor(colors.DisabledText); break;
      default: canvas->Font()->SetColor(colors.NormalText); break;
    }
  }
  const bool multiLine = graphic->CellText.find('\r') != std::string::npos;
  const int oldMode = SetBkMode(canvas->Handle(), TRANSPARENT);
  fw::DrawCanvasText(canvas, graphic->CellText, caption,
                     DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | (multiLine ? DT_WORDBREAK : DT_SINGLELINE));
  SetBkMode(canvas->Handle(), oldMode);
  canvas->Font()->SetColor(fontColor);
  (void)realCol;
  (void)row;
}

void TVxStringGrid::DrawCellProgress(fw::TCanvas* canvas, int realCol, int row, fw::TRect rect,
                                     TCellGraphic* graphic) {
  TControlLook* look = ControlLook();
  const double value = CellFloatOrZero(realCol, row);
  const TControlStyle style = look->ControlStyle();
  if ((style == TControlStyle::csWinXP || style == TControlStyle::csTheme) && PlatformFlags().WinXP &&
      look->ProgressXP() && ThemeLib.OpenThemeData != nullptr && ThemeLib.DrawThemeBackground != nullptr &&
      ThemeLib.CloseThemeData != nullptr) {
    rect = fw::TRect{rect.Left + look->ProgressMarginX(), rect.Top + look->ProgressMarginY(),
                     rect.Right - look->ProgressMarginX(), rect.Bottom - look->ProgressMarginY()};
    HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"Progress");
    const RECT bar = rect.ToRECT();
    ThemeLib.DrawThemeBackground(theme, canvas->Handle(), kProgressBarPart, 0, &bar, nullptr);
    const double share = std::clamp(value, 0.0, 100.0) / 100.0;
    const fw::TRect inside{rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
    const RECT chunk{inside.Left, inside.Top, inside.Left + RoundToInt(share * inside.Width()), inside.Bottom};
    Probe("themed progress", fw::TRect{chunk.left, chunk.top, chunk.right, chunk.bottom}, 0);
    ThemeLib.DrawThemeBackground(theme, canvas->Handle(), kProgressChunkPart, 1, &chunk, nullptr);
    ThemeLib.CloseThemeData(theme);
    return;
  }
  rect = fw::TRect{rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
  const fw::TColor done = graphic->CellContent.AsColor();
  const fw::TColor rest = graphic->CellIconContent.AsColor();
  const fw::TColor doneText = graphic->CellBoolean ? static_cast<fw::TColor>(graphic->CellIndex) : Inverted(done);
  const fw::TColor restText = graphic->CellBoolean ? static_cast<fw::TColor>(graphic->CellAngle) : Inverted(rest);
  DrawProgressBar(canvas, rect, done, doneText, rest, restText, value, look->ProgressMarginX(),
                  look->ProgressMarginY(), graphic->CellErrFrom, graphic->CellErrLen, graphic->CellText,
                  look->ProgressBorderColor(), false);
}

}  // namespace ui
