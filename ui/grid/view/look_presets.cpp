// The grid's looks, its sixteen style numbers, the face-colour appearance and following the system's
// colour scheme. Every preset writes only settings: the grid's colours, its control look, its fixed-cell
// colour set and its selection style; the painters read them.
#include <windows.h>

#include "framework/classes/component.h"
#include "ui/foundation/draw_utils.h"
#include "ui/foundation/style_detection.h"
#include "ui/grid/model/string_grid.h"

namespace ui {

namespace {

constexpr fw::TColor kNotSet = fw::clNone;

fw::TColor Resolved(fw::TColor value) {
  return fw::IsSystemColor(value) ? static_cast<fw::TColor>(fw::ColorToRGB(value)) : value;
}

// The style each system scheme 0..9 maps to.
constexpr int kSchemeStyles[10] = {0, 1, 2, 3, 4, 9, 5, 13, 14, 15};

// The control look's hover and pressed colours, each pair From, To, MirrorFrom, MirrorTo, then the border
// (kNotSet leaves a border as it is).
struct TStateColors {
  fw::TColor from, to, mirrorFrom, mirrorTo, border;
};

void SetHoverAndDown(TControlLook* look, const TStateColors& hover, const TStateColors& down) {
  look->SetFixedGradientHoverFrom(hover.from);
  look->SetFixedGradientHoverTo(hover.to);
  look->SetFixedGradientHoverMirrorFrom(hover.mirrorFrom);
  look->SetFixedGradientHoverMirrorTo(hover.mirrorTo);
  if (hover.border != kNotSet) look->SetFixedGradientHoverBorder(hover.border);
  look->SetFixedGradientDownFrom(down.from);
  look->SetFixedGradientDownTo(down.to);
  look->SetFixedGradientDownMirrorFrom(down.mirrorFrom);
  look->SetFixedGradientDownMirrorTo(down.mirrorTo);
  if (down.border != kNotSet) look->SetFixedGradientDownBorder(down.border);
}

}  // namespace

void TVxStringGrid::SetFixedColorSet(fw::TColor from, fw::TColor to, fw::TColor mirrorFrom, fw::TColor mirrorTo) {
  TFixedCellColors& set = fixedCellColors_;
  set.From = Resolved(from);
  set.To = Resolved(to);
  set.MirrorFrom = Resolved(mirrorFrom);
  set.MirrorTo = Resolved(mirrorTo);
}

void TVxStringGrid::SetLook(TGridLook Value) {
  if (Value == look_) return;
  look_ = Value;
  TControlLook* look = controlLook_.get();
  if (Value != glCustom) {
    look->SetFixedGradientMirrorFrom(kNotSet);
    look->SetFixedGradientMirrorTo(kNotSet);
    look->SetFixedGradientFrom(kNotSet);
    look->SetFixedGradientTo(kNotSet);
    SetFixedColorSet(kNotSet, kNotSet, kNotSet, kNotSet);
  }
  switch (Value) {
    case glVista:
      ApplyStylePreset(10);
      currentStyle_ = 10;
      SetSelectionStyle(1);
      break;
    case glWin7:
      ApplyStylePreset(11);
      currentStyle_ = 11;
      SetSelectionStyle(2);
      break;
    case glOffice2007:
      ApplyStylePreset(4);
      currentStyle_ = 4;
      SetSelectionStyle(3);
      break;
    case glCustom:
      break;
    default:
      ApplyStyleToEditors(6);
      SetSelectionStyle(0);
      if (!Loading()) ApplyPlainLookColors(Value);
      break;
  }
  SetScrollType(ssNormal);
  SetBorderStyle(fw::bsSingle);
  SetBorderColor(0xB99D7F);
  Invalidate();
  if (!Loading()) RepaintFloatingFooter();
}

// The colours the looks without a style number of their own write (not while loading: stored colours win).
void TVxStringGrid::ApplyPlainLookColors(TGridLook Value) {
  TControlLook* look = controlLook_.get();
  const bool classicFamily = Value == glStandard || Value == glSoft || Value == glClassic;
  if (classicFamily) {
    SetFixedColor(fw::clBtnFace);
    SetFixedColorSet(fw::clBtnFace, kNotSet, kNotSet, kNotSet);
    look->SetFixedGradientFrom(fw::clBtnFace);
    look->SetFixedGradientTo(kNotSet);
  } else {
    SetFixedColorSet(fw::clWhite, fw::clBtnFace, kNotSet, kNotSet);
    look->SetFixedGradientFrom(fw::clWhite);
    look->SetFixedGradientTo(fw::clBtnFace);
  }
  SetGridFixedLineColor(0x808080);
  look->SetFixedGradientMirrorFrom(kNotSet);
  look->SetFixedGradientMirrorTo(kNotSet);
  SetGridLineColor(0xC0C0C0);

  if (classicFamily || Value == glListView) {
    ActiveCellColor = 0x808080;
    ActiveCellColorTo = kNotSet;
    SetSelectionColor(fw::clHighlight);
    SelectionTextColor = fw::clHighlightText;
  } else if (Value == glNRV || Value == glXP) {
    ActiveCellColor = 0xEACAB6;
    ActiveCellColorTo = kNotSet;
    SetSelectionColor(0xEACAB6);
    SelectionColorTo = kNotSet;
    SelectionTextColor = fw::clBlack;
    look->SetFixedGradientFrom(fw::clWhite);
    look->SetFixedGradientTo(Value == glXP ? fw::clBtnFace : 0xC0C0C0);
    SetHoverAndDown(look, {0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, kNotSet},
                    {0x868788, 0x737C7E, 0x737C7E, 0x627376, kNotSet});
  }
}

void TVxStringGrid::SetPresetColors(fw::TColor activeFrom, fw::TColor activeTo, fw::TColor gridLines,
                                    fw::TColor fixedLines) {
  ActiveCellColor = activeFrom;
  ActiveCellColorTo = activeTo;
  SetGridLineColor(gridLines);
  SetGridFixedLineColor(fixedLines);
}

void TVxStringGrid::ApplyStylePreset(int Style) {
  TControlLook* look = controlLook_.get();
  TFixedCellColors& set = fixedCellColors_;
  SetSelectionColor(fw::clHighlight);
  SelectionColorTo = kNotSet;
  SelectionTextColor = fw::clHighlightText;
  SetSelectionStyle(0);
  look->SetDefaults();

  // The control look's normal From and To as the grid's fixed set (they also write it back).
  const auto lookFromFixed = [&] {
    look->SetFixedGradientFrom(set.From);
    look->SetFixedGradientTo(set.To);
  };
  const auto lookFromToNotSet = [&] {
    look->SetFixedGradientFrom(kNotSet);
    look->SetFixedGradientTo(kNotSet);
  };

  switch (Style) {
    case 0:
    case 1:
    case 2: {
      static constexpr fw::TColor kFrom[3] = {0xFCE1CB, 0xECE2E1, 0xCFF0EA};
      static constexpr fw::TColor kTo[3] = {0xE0A57D, 0xB39698, 0x8CC0B1};
      SetLook(glXP);
      SetFixedColorSet(kFrom[Style], kTo[Style], kNotSet, kNotSet);
      SetPresetColors(0x94E6FB, 0x1595EE, 0xC0C0C0, 0x808080);
      selectionColor_ = 0x94E6FB;
      SelectionColorTo = 0x1595EE;
      SelectionTextColor = fw::clBlack;
      lookFromFixed();
      break;
    }
    case 3:
      SetLook(glXP);
      set.From = 0xFFFFFF;
      set.To = 0xCCD4D8;
      SetPresetColors(0xD8D5D4, 0xD8D5D4, 0xC0C0C0, 0x808080);
      lookFromToNotSet();
      break;
    case 4:
      SetLook(glOffice2007);
      set.From = 0xFBF9F6;
      set.To = 0xE8DBD2;
      SetPresetColors(0x9DD8F9, 0x5EC1F1, 0xF1EDEB, 0xD1BBA4);
      SetSelectionColor(0x5EC1F1);
      SelectionTextColor = fw::clBlack;
      lookFromFixed();
      SetHoverAndDown(look, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
                      {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D});
      SetSelectionStyle(3);
      break;
    case 5:
      SetLook(glOffice2007);
      SetFixedColorSet(0xF7F7F7, 0xDEDEDE, kNotSet, kNotSet);
      SetPresetColors(0x9DD8F9, 0x5EC1F1, 0xE5D7D0, 0x808080);
      SetSelectionColor(0x5EC1F1);
      SelectionTextColor = fw::clBlack;
      lookFromFixed();
      break;
    case 6:
      SetLook(glXP);
      SetLook(glXP);
      set.From = Resolved(fw::clBtnFace);
      set.To = Resolved(fw::clBtnFace);
      SetPresetColors(fw::clBtnFace, fw::clBtnFace, 0xC0C0C0, 0x808080);
      lookFromToNotSet();
      break;
    case 7:
      set.From = 0xFFFFFF;
      set.To = Resolved(fw::clBtnFace);
      SetPresetColors(0x94E6FB, 0x1595EE, 0xC0C0C0, 0x808080);
      lookFromToNotSet();
      break;
    case 8:
      break;
    case 9:
      SetLook(glOffice2007);
      set.From = 0xF3F3F1;
      set.To = 0xCAC9C8;
      SetPresetColors(0x99CCFF, 0x699CFF, 0xE5D7D0, 0x808080);
      SetSelectionColor(0x95C7F5);
      SelectionTextColor = fw::clBlack;
      lookFromFixed();
      break;
    case 10:
      SetLook(glVista);
      SetFixedColorSet(0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1);
      SetPresetColors(0xFDF8F1, 0xFCEFD5, 0xECECF0, 0xD4D2D1);
      SetSelectionColor(0xEACAB6);
      SelectionTextColor = fw::clBlack;
      set.HoverFrom = 0xFFF7E3;
      set.HoverTo = 0xFFF7E3;
      set.HoverMirrorFrom = 0xFFEDBD;
      set.HoverMirrorTo = 0xFBE7B7;
      set.HoverBorder = 0xE3C993;
      SetHoverAndDown(look, {set.HoverFrom, set.HoverTo, set.HoverMirrorFrom, set.HoverMirrorTo, set.HoverBorder},
                      {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F});
      look->SetFixedGradientMirrorFrom(set.MirrorFrom);
      look->SetFixedGradientMirrorTo(set.MirrorTo);
      lookFromToNotSet();
      SetSelectionStyle(1);
      break;
    case 11:
      SetLook(glWin7);
      SetFixedColorSet(0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD);
      SetPresetColors(0xFCEBDC, 0xFCDBC1, 0xECECF0, 0xD4D2D1);
      SetSelectionColor(0xEACAB6);
      SelectionTextColor = fw::clBlack;
      set.HoverFrom = 0xFDF8F3;
      set.HoverTo = 0xF9F3EF;
      set.HoverMirrorFrom = kNotSet;
      set.HoverMirrorTo = kNotSet;
      set.HoverBorder = 0xEEE8E3;
      SetHoverAndDown(look, {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, kNotSet},
                      {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA});
      lookFromToNotSet();
      SetSelectionStyle(2);
      break;
    case 12:
      SetLook(glStandard);
      break;
    case 13:
    case 14:
    case 15: {
      static constexpr fw::TColor kFace[3] = {0xF5E7DA, 0xE8E3DF, 0x6A6A6A};
      static constexpr fw::TColor kFixedLines[3] = {0xC7B0A0, 0xBAB5B1, 0x444444};
      const fw::TColor face = kFace[Style - 13];
      SetLook(glOffice2007);
      SetFixedColorSet(face, face, face, face);
      SetPresetColors(0x5BD5FF, 0x71EFFF, 0xC0C0C0, kFixedLines[Style - 13]);
      SetSelectionColor(0xFFDBB7);
      SelectionTextColor = fw::clBlack;
      set.HoverFrom = set.HoverTo = set.HoverMirrorFrom = set.HoverMirrorTo = set.HoverBorder = kNotSet;
      look->SetFixedGradientFrom(face);
      look->SetFixedGradientTo(face);
      look->SetFixedGradientMirrorFrom(face);
      look->SetFixedGradientMirrorTo(face);
      SetHoverAndDown(look, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
                      {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2});
      lookFromToNotSet();
      SetSelectionStyle(0);
      break;
    }
    default:
      break;
  }
  Invalidate();
}

void TVxStringGrid::ApplyStyle(int Style) {
  ApplyStylePreset(Style);
  // Stored after the preset: a look the preset sets brings a style number of its own, which must not
  // outlive the style asked for (editors made later take this number).
  currentStyle_ = Style;
  ApplyStyleToEditors(Style);
  if (Style != 8 && scrollType_ == ssMetro) SetScrollType(ssNormal);
}

// The drop-down editors take a style once they exist; the grid makes none of them yet.
void TVxStringGrid::ApplyStyleToEditors(int) {}

void TVxStringGrid::ApplyStyleColors(TControlFaceColors Colors) {
  faceColors_ = Colors;
  SetLook(glClassic);
  Flat = true;
  SetScrollType(ssMetro);

  const std::string fontName = GetDefaultFontName();
  SetFixedColor(Colors.HeaderFill);
  fixedFont_->SetColor(Colors.HeaderText);
  fixedFont_->SetName(fontName);
  SetColor(Colors.NormalFill);
  Font()->SetName(fontName);
  Font()->SetColor(Colors.NormalText);

  SetSelectionColor(Colors.DownFill);
  SelectionTextColor = Colors.DownText;
  SelectionColorTo = kNotSet;
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(BrightenColor(Colors.HeaderFill, -20));
  SetBorderStyle(fw::bsNone);

  TControlLook* look = controlLook_.get();
  look->SetControlStyle(TControlStyle::csGlyph);
  const HINSTANCE module = ::GetModuleHandleA(nullptr);
  look->CheckedGlyph()->LoadFromResourceName(module, "metrocheckon");
  look->UnCheckedGlyph()->LoadFromResourceName(module, "metrocheckoff");
  look->RadioOffGlyph()->LoadFromResourceName(module, "metroradiooff");
  look->RadioOnGlyph()->LoadFromResourceName(module, "metroradioon");
  look->SetFlatButton(true);
  Invalidate();
}

void TVxStringGrid::ThemeChanged() {
  if (ComponentState().Contains(fw::csDesigning)) return;
  const int scheme = GetCurrentStyle();
  if (scheme == lastScheme_) return;
  if (scheme >= 0 && scheme <= 9) ApplyStyle(kSchemeStyles[scheme]);
  lastScheme_ = scheme;
}

}  // namespace ui
