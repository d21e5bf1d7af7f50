// The drop-down edit's style presets (the pop-up, its bars and its buttons for a style number, the
// drop-down button from a face-colour record), its selected-item colour presets and the painters its
// pickers call for a selected item and a gradient.
#include <optional>

#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/foundation/draw_utils.h"

namespace ui {

namespace {

// Marks a pop-up border colour a preset leaves as it is.
constexpr fw::TColor kUnchanged = -1;

// The pop-up and its bars.
struct TPopupPreset {
  fw::TColor Color, ColorTo, BorderColor;
  fw::TColor HeaderColor, HeaderColorTo, FooterColor, FooterColorTo;
  fw::TColor BarFont;
  fw::TColor HeaderBorder, FooterBorder;
};

// The button appearance, in the order its setters are called.
struct TButtonPreset {
  fw::TColor Color, ColorTo, BorderColor;
  fw::TColor ColorHot, ColorHotTo, BorderColorHot;
  fw::TColor ColorDown, ColorDownTo, BorderColorDown;
  fw::TColor ColorDisabled, ColorDisabledTo;
  fw::TColor CheckedColor, CheckedColorTo, CheckedBorderColor;
};

std::optional<TPopupPreset> PopupPreset(int Style) {
  constexpr fw::TColor black = fw::clBlack;
  constexpr fw::TColor white = fw::clWhite;
  constexpr fw::TColor none = fw::clNone;
  switch (Style) {
    case 0: return TPopupPreset{0xFFFFFF, none, kUnchanged, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, black, black, 0x962D00};
    case 1: return TPopupPreset{0xFFFFFF, none, kUnchanged, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, black, 0x947C7C, 0x947C7C};
    case 2: return TPopupPreset{0xFFFFFF, none, none, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1, black, 0x588060, 0x588060};
    case 3: return TPopupPreset{0xF2F2F2, 0xF2F2F2, none, 0x808080, 0x808080, 0x808080, 0x808080, white, 0x808080, 0x808080};
    case 4: return TPopupPreset{0xF3E5DA, 0xF0DED0, none, 0xFFEFE3, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF};
    case 5: return TPopupPreset{0xFFFFFF, none, none, 0xF2F1F0, 0xC9C2BD, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0x5C534C};
    case 6: return TPopupPreset{0xFFFFFF, none, kUnchanged, 0xFFFFFF, fw::clBtnFace, 0xFFFFFF, fw::clBtnFace, black, 0x808080, 0x808080};
    case 7: return TPopupPreset{0xF5F9FA, 0xF5F9FA, none, 0xEBEEEF, 0x7E9898, 0xEBEEEF, 0x7E9898, white, 0x962D00, 0x962D00};
    case 9: return TPopupPreset{0xF8F4F1, 0xF0E8E3, none, 0xF8F7F6, 0xE8E0DB, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0x74706F};
    case 10: return TPopupPreset{0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0xFFFAF0, 0xFFFDF9, black, 0xFCF2DA, 0xFCF2DA};
    case 11: return TPopupPreset{0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0xFDFBFA, 0xFDF3EB, black, 0xFBD6B8, 0xFBD6B8};
    case 12: return TPopupPreset{0xFFFFFF, 0xFFFFFF, 0x808080, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, fw::clBtnFace, black, none, none};
    case 13: return TPopupPreset{0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xC7B29F};
    case 14: return TPopupPreset{0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xD2CDC8};
    case 15: return TPopupPreset{0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0x6D6D6D};
    default: return std::nullopt;
  }
}

// The light office looks share their hot, pressed, disabled and checked colours.
TButtonPreset OfficeButton(fw::TColor Color, fw::TColor ColorTo) {
  return TButtonPreset{Color,    ColorTo,  fw::clNone, 0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
                       0x6EBBFF, 0x42AEFE, 0xF2F2F2,   0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

// The flat looks share theirs; their hot, pressed and checked faces are plain.
TButtonPreset FlatButton(fw::TColor Color, fw::TColor ColorTo, fw::TColor BorderColor) {
  return TButtonPreset{Color,      ColorTo,  BorderColor, 0x8AE3FD, fw::clNone, 0x58CAF1,   0x6CD0FF,
                       fw::clNone, 0x308AC2, 0xF2F2F2,    0xB6B6B6, 0x45E1FE,   fw::clNone, 0x4FA0CE};
}

std::optional<TButtonPreset> ButtonPreset(int Style) {
  switch (Style) {
    case 0: return OfficeButton(0xFCE1CB, 0xE0A57D);
    case 1: return OfficeButton(0xECE2E1, 0xB39698);
    case 2: return OfficeButton(0xCFF0EA, 0x8CC0B1);
    case 4: return OfficeButton(0xFFEFE3, 0xFFDDC4);
    case 5: return OfficeButton(0xF2F1F0, 0xC9C2BD);
    case 7: return OfficeButton(0xFFFFFF, 0xDFEDF0);
    case 9: return OfficeButton(0xF9F8F8, 0xE4E2DF);
    case 13: return FlatButton(0xFDF6EF, 0xF0DAC7, 0xC7B29F);
    case 14: return FlatButton(0xFFFFFF, 0xEDE5E0, 0xD2CDC8);
    case 15: return FlatButton(0xBFBFBF, 0x919191, 0xD7D7D6);
    case 3:
      return TButtonPreset{0xFFFFFF, 0xC9D1D5, fw::clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285,
                           0xB59285, 0x808080, 0xD8D5D4,   0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080};
    case 6:
      return TButtonPreset{0xFFFFFF,          fw::clBtnFace,     fw::clNone,   0xEFD3C6, 0xEFD3C6,
                           fw::clHighlight,   fw::clInactiveCaption, fw::clInactiveCaption, fw::clHighlight,
                           0xB6B6B6,          0xB6B6B6,          0xB9D8DC,     0xB9D8DC, fw::clBlack};
    case 10:
      return TButtonPreset{0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0,
                           0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A};
    case 11:
      return TButtonPreset{0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC,
                           0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D};
    case 12:
      return TButtonPreset{fw::clBtnFace, fw::clBtnFace,   fw::clNone,    0xC0C0C0,      0xC0C0C0,
                           0x808080,      fw::clHighlight, fw::clHighlight, 0x808080,    fw::clBtnFace,
                           fw::clBtnFace, fw::clBtnFace,   fw::clBtnFace, fw::clHighlight};
    default: return std::nullopt;
  }
}

void ApplyBarColors(TBarAppearance* Bar, fw::TColor Color, fw::TColor ColorTo, fw::TColor Font, fw::TColor Border) {
  if (Bar == nullptr) return;
  Bar->SetColor(Color);
  Bar->SetColorTo(ColorTo);
  Bar->Font()->SetColor(Font);
  Bar->SetBorderColor(Border);
}

void ApplyButtonColors(TVxButtonAppearance* Appearance, const TButtonPreset& P) {
  if (Appearance == nullptr) return;
  Appearance->SetColor(P.Color);
  Appearance->SetColorTo(P.ColorTo);
  Appearance->SetBorderColor(P.BorderColor);
  Appearance->SetColorHot(P.ColorHot);
  Appearance->SetColorHotTo(P.ColorHotTo);
  Appearance->SetBorderColorHot(P.BorderColorHot);
  Appearance->SetColorDown(P.ColorDown);
  Appearance->SetColorDownTo(P.ColorDownTo);
  Appearance->SetBorderColorDown(P.BorderColorDown);
  Appearance->SetColorDisabled(P.ColorDisabled);
  Appearance->SetColorDisabledTo(P.ColorDisabledTo);
  Appearance->SetCheckedColor(P.CheckedColor);
  Appearance->SetCheckedColorTo(P.CheckedColorTo);
  Appearance->SetCheckedBorderColor(P.CheckedBorderColor);
}

// The selected-item face of presets 1-3, in the order the button background takes them.
struct TSelectionFace {
  fw::TColor InnerCorner, Border, LowerLine, UpperLine, MirrorTo, Mirror;
};

std::optional<TSelectionFace> SelectionFace(int Style) {
  switch (Style) {
    case 1: return TSelectionFace{0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0xB3F1FC, 0x58D4FC};
    case 2: return TSelectionFace{0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, fw::clNone, fw::clNone};
    case 3: return TSelectionFace{0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, fw::clNone, fw::clNone};
    default: return std::nullopt;
  }
}

}  // namespace

void TVxCustomDropDown::ApplyStyle(int Style) {
  style_ = Style;
  const std::optional<TPopupPreset> popup = PopupPreset(Style);
  const std::optional<TButtonPreset> button = ButtonPreset(Style);
  if (!popup || !button) return;
  dropDownColor_ = popup->Color;
  dropDownColorTo_ = popup->ColorTo;
  if (popup->BorderColor != kUnchanged) dropDownBorderColor_ = popup->BorderColor;
  ApplyBarColors(dropDownHeader_.get(), popup->HeaderColor, popup->HeaderColorTo, popup->BarFont, popup->HeaderBorder);
  ApplyBarColors(dropDownFooter_.get(), popup->FooterColor, popup->FooterColorTo, popup->BarFont, popup->FooterBorder);
  ApplyButtonColors(buttonAppearance_.get(), *button);
}

void TVxCustomDropDown::ApplyStyleColors(const TControlFaceColors& Colors) {
  if (button_ != nullptr) {
    button_->SetButtonColor(Colors.NormalFill);
    button_->SetButtonColorHot(Colors.HotFill);
    button_->SetButtonColorDown(Colors.DownFill);
    button_->SetButtonBorderColor(Colors.NormalBorder);
  }
  SetBorderColor(Colors.NormalBorder);
}

void TVxCustomDropDown::SetSelectionColorStyle(int Style) {
  selectionColorStyle_ = Style;
  switch (Style) {
    case 1:
      selectionColor_ = 0xD7FFFD;
      selectionColorTo_ = 0x58D4FC;
      break;
    case 2:
      selectionColor_ = 0xFDF8F1;
      selectionColorTo_ = 0xFCEFD5;
      break;
    case 3:
      selectionColor_ = 0xFCEBDC;
      selectionColorTo_ = 0xFCDBC1;
      break;
    default:
      break;
  }
}

void TVxCustomDropDown::DrawSelectionBackground(fw::TCanvas* Canvas, const fw::TRect& R, int Segment,
                                                fw::TColor CornerColor) {
  if (Canvas == nullptr) return;
  if (selectionColorStyle_ == 0) {
    Canvas->Brush()->SetColor(selectionColor_);
    Canvas->Pen()->SetColor(selectionColor_);
    Canvas->Rectangle(R);
    return;
  }
  const std::optional<TSelectionFace> face = SelectionFace(selectionColorStyle_);
  if (!face) return;
  DrawButtonBackground(Canvas, selectionColor_, selectionColorTo_, face->Mirror, face->MirrorTo, face->UpperLine,
                       face->LowerLine, face->Border, face->InnerCorner, CornerColor, R,
                       static_cast<std::uint8_t>(Segment));
}

void TVxCustomDropDown::DrawGradient(fw::TCanvas* Canvas, fw::TColor FromColor, dropdown::TGradientDirection Direction,
                                     const fw::TRect& R, int Steps, fw::TColor ToColor) {
  dropdown::DrawStepGradient(Canvas, FromColor, ToColor, Direction == dropdown::gdHorizontal, R, Steps);
}

}  // namespace ui
