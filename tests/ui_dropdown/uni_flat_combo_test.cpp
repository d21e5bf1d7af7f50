// The flat Unicode combo box: its button width range, its colours while disabled, its drop button without
// the theme library and in the simple style, and the dropped list's width.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/ui_dropdown/unicode_window_fixture.h"
#include "ui/dropdown/uni_flat_combo.h"
#include "ui/foundation/theme_library.h"

namespace ui {
namespace {

using testing::UnicodeWindowTest;
using fw::testing::MemoryBitmap;

// Paints the combo box into a bitmap as its window paints itself (background, then WM_PAINT).
void PaintCombo(TASGUniComboBox* combo, MemoryBitmap& bitmap) {
  bitmap.Fill(fw::clFuchsia);
  combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
}

// The pixels of the right-hand strip the drop button takes that show neither the combo box's colour
// (white) nor the background (fuchsia), in a bitmap of its client size.
int ButtonPixels(TASGUniComboBox* combo, const MemoryBitmap& bitmap) {
  const RECT strip{combo->ClientWidth() - combo->ButtonWidth(), 0, combo->ClientWidth(), 18};
  const int area = (strip.right - strip.left) * (strip.bottom - strip.top);
  return area - bitmap.Count(strip, fw::clWhite) - bitmap.Count(strip, fw::clFuchsia);
}

// The drop button's arrow: black pixels in the strip.
int ArrowPixels(TASGUniComboBox* combo, const MemoryBitmap& bitmap) {
  const RECT strip{combo->ClientWidth() - combo->ButtonWidth(), 0, combo->ClientWidth(), 18};
  return bitmap.Count(strip, fw::clBlack);
}

TEST_F(UnicodeWindowTest, FlatComboTakesButtonWidthsFrom14To32) {
  auto* combo = Make<TASGUniComboBox>(fw::Rect(10, 10, 160, 21));
  EXPECT_EQ(combo->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 4);
  struct Case {
    int given;
    int kept;
  };
  for (const Case c : {Case{20, 20}, Case{13, 20}, Case{14, 14}, Case{33, 14}, Case{32, 32}, Case{-1, 32}}) {
    combo->SetButtonWidth(c.given);
    EXPECT_EQ(combo->ButtonWidth(), c.kept) << c.given;
  }
}

TEST_F(UnicodeWindowTest, DisabledFlatComboShowsItsParentsColourUntilEnabled) {
  Form()->SetColor(fw::clBtnFace);
  auto* combo = Make<TASGUniComboBox>(fw::Rect(10, 10, 160, 21));
  combo->SetColor(fw::clYellow);
  Form()->Show();
  MemoryBitmap bitmap(combo->Width(), combo->Height());
  const int x = 4;
  const int y = combo->ClientHeight() / 2;

  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), fw::clBtnFace);
  EXPECT_TRUE(combo->ParentColor());
  PaintCombo(combo, bitmap);
  EXPECT_EQ(bitmap.Pixel(x, y), fw::ColorToRGB(fw::clBtnFace));

  combo->SetEnabled(true);
  EXPECT_EQ(combo->Color(), fw::clYellow);
  PaintCombo(combo, bitmap);
  EXPECT_EQ(bitmap.Pixel(x, y), fw::ColorToRGB(fw::clYellow));

  // Not flat: the colour stays as it is.
  combo->SetFlat(false);
  EXPECT_TRUE(combo->Ctl3D());
  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), fw::clYellow);
}

TEST_F(UnicodeWindowTest, ThemedButtonWithoutTheThemeLibraryIsTheClassicOneAndSimpleHasNone) {
  auto* combo = Make<TASGUniComboBox>(fw::Rect(10, 10, 160, 21));
  combo->SetColor(fw::clWhite);
  Form()->Show();
  const auto open = ThemeLib.OpenThemeData;
  ThemeLib.OpenThemeData = nullptr;  // the theme library is not there
  MemoryBitmap classic(combo->ClientWidth(), combo->ClientHeight());
  PaintCombo(combo, classic);
  combo->SetIsWinXP(true);
  MemoryBitmap themed(combo->ClientWidth(), combo->ClientHeight());
  PaintCombo(combo, themed);
  ThemeLib.OpenThemeData = open;
  EXPECT_GT(ButtonPixels(combo, classic), 100);
  EXPECT_EQ(ButtonPixels(combo, themed), ButtonPixels(combo, classic));
  for (int x = combo->ClientWidth() - combo->ButtonWidth(); x < combo->ClientWidth(); ++x) {
    EXPECT_EQ(themed.Pixel(x, combo->ClientHeight() / 2), classic.Pixel(x, combo->ClientHeight() / 2)) << x;
  }

  combo->SetStyle(fw::csSimple);
  MemoryBitmap simple(combo->ClientWidth(), combo->ClientHeight());
  PaintCombo(combo, simple);
  EXPECT_GT(ArrowPixels(combo, classic), 0);
  EXPECT_EQ(ArrowPixels(combo, simple), 0);
}

TEST_F(UnicodeWindowTest, DropWidthReachesTheWindowAlsoWhenSetBeforeIt) {
  auto* combo = Make<TASGUniComboBox>(fw::Rect(10, 10, 160, 21));
  combo->SetDropWidth(240);
  Form()->Show();
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 240);
  combo->SetDropWidth(300);
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 300);
  combo->SetDropWidth(0);  // 0 leaves the window's width alone
  EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 300);
}

}  // namespace
}  // namespace ui
