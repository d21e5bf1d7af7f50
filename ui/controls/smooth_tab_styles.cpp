// The style presets and colour records of the smooth tab pager and its pages.
#include <windows.h>

#include "ui/controls/smooth_tab_pager.h"
#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/style_detection.h"

namespace ui {

namespace {

constexpr fw::TColor N = fw::clNone;

struct FillColours {
  int style;
  fw::TColor color, colorTo, mirror, mirrorTo, border;
};

struct TabColours {
  int style;
  fw::TColor color, down, disabled, hot, bevel, bevelDown, bevelHot, bevelDisabled;
};

constexpr FillColours kPagerFills[] = {
    {0, 0xFCE1CB, 0xE0A57D, N, N, 0x962D00},
    {1, 0xECE2E1, 0xB39698, N, N, 0x947C7C},
    {2, 0xCFF0EA, 0x8CC0B1, N, N, 0x588060},
    {3, 0xFFFFFF, 0xC9D1D5, N, N, 0x808080},
    {4, 0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD},
    {5, 0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0x000000},
    {6, 0xFFFFFF, fw::clBtnFace, N, N, 0x000000},
    {7, 0xF5F9FA, 0xA8C0C0, N, N, 0x962D00},
    {9, 0xFAEEEB, 0xE5DBD7, 0xE2D8D4, 0xD1C7C5, 0x000000},
    {10, 0xFFFDF9, 0xFFFAF0, 0xFEF9F0, 0xFDF0D7, 0xFCF2DA},
    {11, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D},
    {12, fw::clBtnFace, fw::clBtnFace, N, N, 0x808080},
    {13, 0xFDF6EF, 0xF0DAC7, N, N, 0xC7B29F},
    {14, 0xFFFFFF, 0xEDE5E0, N, N, 0xD2CDC8},
    {15, 0xBFBFBF, 0x919191, N, N, 0x6D6D6D},
};

constexpr FillColours kPageFills[] = {
    {0, 0xFCE1CB, 0xE0A57D, N, N, 0x962D00},
    {1, 0xECE2E1, 0xB39698, N, N, 0x947C7C},
    {2, 0xCFF0EA, 0x8CC0B1, N, N, 0x588060},
    {3, 0xFFFFFF, 0xC9D1D5, N, N, 0x808080},
    {4, 0xF3E5DA, 0xF0DED0, 0xEDD9C8, 0xFFF4E3, 0xFFD1AD},
    {5, RGB(215, 219, 224), RGB(194, 199, 207), RGB(181, 188, 198), RGB(231, 240, 240), 0x000000},
    {6, 0xFFFFFF, fw::clBtnFace, N, N, 0x000000},
    {7, 0xF5F9FA, 0xA8C0C0, N, N, 0x962D00},
    {9, RGB(241, 244, 248), RGB(227, 232, 240), 0xE8DED9, RGB(239, 246, 247), 0x000000},
    {10, 0xFFFDF9, 0xFFFAF0, 0xFEF9F0, 0xFDF0D7, 0xFCF2DA},
    {11, 0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D},
    {12, fw::clBtnFace, fw::clBtnFace, N, N, 0x808080},
    {13, 0xFDF6EF, 0xF0DAC7, N, N, 0xC7B29F},
    {14, 0xFFFFFF, 0xEDE5E0, N, N, 0xD2CDC8},
    {15, 0xBFBFBF, 0x919191, N, N, 0x6D6D6D},
};

constexpr TabColours kTabs[] = {
    {0, 0xE3B28D, 0xAAD9FF, 0xF2F2F2, 0xFFFFFF, 0x962D00, 0x962D00, 0x962D00, 0x962D00},
    {1, 0xECE2E1, 0xAAD9FF, 0x947C7C, 0xFFFFFF, 0x947C7C, 0x927476, 0x927476, 0x927476},
    {2, 0xCFF0EA, 0xAAD9FF, 0x947C7C, 0xFFFFFF, 0x588060, 0x447A63, 0x447A63, 0x447A63},
    {3, 0xFFFFFF, 0xAAD9FF, 0xFFD1AD, 0xFFFFFF, 0x808080, 0xC9D1D5, 0xC9D1D5, 0xC9D1D5},
    {4, 0xFFEFE3, 0xAAD9FF, 0xFFD1AD, 0xFFFFFF, 0xFFD1AD, 0xFDEADA, 0xFDEADA, 0xFDEADA},
    {5, 0xF9F8F8, 0xAAD9FF, 0xFFD1AD, 0xFFFFFF, 0x000000, 0x6E6E6D, 0x6E6E6D, 0x6E6E6D},
    {6, 0xFFFFFF, 0xAAD9FF, 0xFFD1AD, 0xFFFFFF, 0x000000, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC},
    {7, 0xF5F9FA, 0xAAD9FF, 0xFFD1AD, 0xFFFFFF, 0x962D00, 0x828F92, 0x828F92, 0x828F92},
    {9, 0xFAEEEB, 0xAAD9FF, 0xFFD1AD, 0xFFFFFF, 0x000000, 0xE7DCD5, 0xE7DCD5, 0xE7DCD5},
    {10, 0xFFFDF9, 0xF7DAA2, 0xFFD1AD, 0xFFFFFF, 0xFCF2DA, 0xFFFDF9, 0xFFFDF9, 0xFFFDF9},
    {11, 0xFCEBDC, 0xFCEBDC, 0xFFD1AD, 0xFFFFFF, 0xCEA27D, 0xFDFBFA, 0xFDFBFA, 0xFDFBFA},
    {12, 0xC0C0C0, fw::clHighlight, fw::clBtnFace, 0xFFFFFF, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0},
    {13, 0xFDFAF8, 0xF0DAC7, 0xF2F2F2, 0xF2EBE4, 0xFDFAF8, 0xC7B29F, 0xBAB5B1, 0xFDFAF8},
    {14, 0xF9EFE4, 0xFFFFFF, 0xF2F2F2, 0xFFFFFF, 0xF9EFE4, 0xD2CDC8, 0xF8F5F3, 0xF9EFE4},
    {15, 0x828282, 0xC9C9C9, 0xF2F2F2, 0x949494, 0x828282, 0x6D6D6D, 0xBAB5B1, 0x828282},
};

template <class Row, std::size_t Count>
const Row* Find(const Row (&rows)[Count], int style) {
  for (const Row& row : rows) {
    if (row.style == style) return &row;
  }
  return nullptr;
}

void ApplyFill(TGDIPFill* fill, const FillColours* row, int style) {
  if (row != nullptr) {
    fill->SetColor(row->color);
    fill->SetColorTo(row->colorTo);
    fill->SetColorMirror(row->mirror);
    fill->SetColorMirrorTo(row->mirrorTo);
    fill->SetBorderColor(row->border);
  }
  if (style != 8 && style != 12) fill->SetGradientMirrorType(gtVertical);
}

}  // namespace

void TVxSmoothTabPager::ApplyStyle(int Style) {
  ApplyFill(fill_.get(), Find(kPagerFills, Style), Style);
  for (int i = 0; i < PageCount(); ++i) Page(i)->ApplyStyle(Style);
}

void TVxSmoothTabPager::ApplyStyleColors(const TControlFaceColors& Colors) {
  SetOneColour(fill_.get(), Colors.HeaderFill, Colors.HeaderBorder);
  for (int i = 0; i < PageCount(); ++i) Page(i)->ApplyStyleColors(Colors);
}

void TVxSmoothTabPage::ApplyStyle(int Style) {
  colorRecord_ = false;
  TVxSmoothTabAppearance* tab = tabAppearance_.get();
  tab->Appearance()->SetSimpleLayout(false);
  tab->SetColorHot(0xFFFFFF);
  if (Style == 8) return;
  if (const TabColours* row = Find(kTabs, Style)) {
    tab->SetColor(row->color);
    tab->SetColorDown(row->down);
    tab->SetColorSelected(row->down);
    tab->SetColorDisabled(row->disabled);
    tab->SetColorHot(row->hot);
    tab->SetBevelColor(row->bevel);
    tab->SetBevelColorDown(row->bevelDown);
    tab->SetBevelColorSelected(row->bevelDown);
    tab->SetBevelColorHot(row->bevelHot);
    tab->SetBevelColorDisabled(row->bevelDisabled);
  }
  ApplyFill(pageAppearance_.get(), Find(kPageFills, Style), Style);
}

void TVxSmoothTabPage::ApplyStyleColors(const TControlFaceColors& Colors) {
  colorRecord_ = true;
  Font()->SetName(GetDefaultFontName());
  Font()->SetColor(Colors.NormalText);
  TVxSmoothTabAppearance* tab = tabAppearance_.get();
  tab->Appearance()->SetSimpleLayout(true);
  SetOneColour(pageAppearance_.get(), Colors.NormalFill, Colors.NormalBorder);
  tab->Appearance()->Font()->SetColor(Colors.NormalText);
  tab->SetColor(Colors.NormalFill);
  tab->SetBevelColor(Colors.NormalFill);
  tab->SetColorDown(Colors.DownFill);
  tab->SetColorSelected(Colors.DownFill);
  tab->SetBevelColorDown(Colors.DownFill);
  tab->SetBevelColorSelected(Colors.DownFill);
  tab->SetColorHot(Colors.HotFill);
  tab->SetBevelColorHot(Colors.HotFill);
  tab->SetColorDisabled(Colors.DisabledFill);
  tab->SetBevelColorDisabled(Colors.DisabledFill);
  tab->SetColorTextHot(Colors.HotText);
  tab->SetColorTextSelected(Colors.DownText);
  tab->SetColorTextDisabled(Colors.DisabledText);
  InvalidateWithPager();
}

}  // namespace ui
