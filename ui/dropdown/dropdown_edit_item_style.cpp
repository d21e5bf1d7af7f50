// The item colour presets of the list pickers (detail, image and colour pickers) for a style number.
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/item_appearance.h"

namespace ui {

namespace {

constexpr fw::TColor kNone = fw::clNone;
constexpr fw::TColor kBlack = fw::clBlack;
constexpr fw::TColor kHighlight = fw::clHighlight;
constexpr fw::TColor kHighlightText = fw::clHighlightText;

struct ItemColors {
  fw::TColor colorHot, colorHotTo, colorMirrorHot, colorMirrorHotTo;
  fw::TColor colorSelected, colorSelectedTo, colorMirrorSelected, colorMirrorSelectedTo;
  fw::TColor borderColor, borderColorTop, borderColorBottom, edgeColor, colorSelectedText;
};

constexpr ItemColors kGlossyFlat{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                 0x7AE1FE, 0x42AEFE, kNone,    kNone,    kNone,    kBlack};
constexpr ItemColors kGlossyRounded{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                    0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, kBlack};
constexpr ItemColors kGrey{0xD2BDB6, 0xD2BDB6, kNone, kNone, 0xB59285, 0xB59285, kNone,
                           kNone,    0x808080, kNone, kNone, kNone,    kBlack};
constexpr ItemColors kSystemBlue{0xEFD3C6, 0xEFD3C6, kNone, kNone, kHighlight, kNone,        kNone,
                                 kNone,    kHighlight, kNone, kNone, kNone,    kHighlightText};
constexpr ItemColors kPaleBlue{0xFFFDF9, 0xFFFAF0, kNone,    kNone,    0xFEF9F0, 0xFDF0D7, kNone,
                               kNone,    0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, kBlack};
constexpr ItemColors kPaleOrange{0xFDFBFA, 0xFDF3EB, kNone,    kNone,    0xFCEBDC, 0xFCDBC1, kNone,
                                 kNone,    0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, kBlack};
constexpr ItemColors kClassic{0xC0C0C0, 0xC0C0C0, kNone, kNone, kHighlight, kNone,         kNone,
                              kNone,    0x808080, kNone, kNone, kNone,      kHighlightText};
constexpr ItemColors kAmber{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
                            0x7BEEFF, 0x308AC2, kNone,    kNone,    kNone,    kBlack};

// The colours of a style; null for the numbers that only reset the text and border colours.
const ItemColors* ItemColorsOf(int Style) {
  switch (Style) {
    case 0: case 1: case 2: case 7: return &kGlossyFlat;
    case 4: case 5: case 9: return &kGlossyRounded;
    case 3: return &kGrey;
    case 6: return &kSystemBlue;
    case 10: return &kPaleBlue;
    case 11: return &kPaleOrange;
    case 12: return &kClassic;
    case 13: case 14: case 15: return &kAmber;
    default: return nullptr;
  }
}

}  // namespace

void TVxCustomDropDown::ApplyItemAppearanceStyle(TItemAppearance* Appearance, int Style) {
  if (Appearance == nullptr || Style == 8) return;
  // Hot and selected items are framed with BorderColor.
  Appearance->SetBorderColorHot(fw::clNone);
  Appearance->SetBorderColorSelected(fw::clNone);
  Appearance->SetColorSelectedText(fw::clBlack);
  Appearance->SetColorHotText(fw::clBlack);
  const ItemColors* colors = ItemColorsOf(Style);
  if (colors == nullptr) return;
  Appearance->SetColorHot(colors->colorHot);
  Appearance->SetColorHotTo(colors->colorHotTo);
  Appearance->SetColorMirrorHot(colors->colorMirrorHot);
  Appearance->SetColorMirrorHotTo(colors->colorMirrorHotTo);
  Appearance->SetColorSelected(colors->colorSelected);
  Appearance->SetColorSelectedTo(colors->colorSelectedTo);
  Appearance->SetColorMirrorSelected(colors->colorMirrorSelected);
  Appearance->SetColorMirrorSelectedTo(colors->colorMirrorSelectedTo);
  Appearance->SetBorderColor(colors->borderColor);
  Appearance->SetBorderColorTop(colors->borderColorTop);
  Appearance->SetBorderColorBottom(colors->borderColorBottom);
  Appearance->SetEdgeColor(colors->edgeColor);
  Appearance->SetColorSelectedText(colors->colorSelectedText);
}

}  // namespace ui
