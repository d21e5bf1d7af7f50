// What the combos put on the screen: the multi-column combo's rows, edit part and grid lines drawn into
// memory bitmaps through its owner-draw route, and the flat combo's face, button and frame on a shown form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/messages.h"
#include "framework/controls/panel.h"
#include "framework/rtl/exceptions.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/controls/column_combo_box.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"

namespace ui {
namespace {

constexpr fw::TColor kBack = fw::clFuchsia;
constexpr fw::TColor kGrey = 0x808080;
constexpr fw::TColor kYellow = 0x00FFFF;
constexpr fw::TColor kCyan = 0xFFFF00;
constexpr fw::TColor kGreen = 0x00FF00;
constexpr fw::TColor kBlue = 0xFF0000;
constexpr int kRowWidth = 200;
constexpr int kRowHeight = 20;

fw::TColor Sys(int index) { return static_cast<fw::TColor>(GetSysColor(index)); }
fw::TColor Rgb(fw::TColor color) { return static_cast<fw::TColor>(fw::ColorToRGB(color)); }

// The rightmost column that holds a pixel other than the background, -1 when there is none.
int InkRight(const testing::MemoryBitmap& bitmap, int width, int height) {
  for (int x = width - 1; x >= 0; --x) {
    for (int y = 0; y < height; ++y) {
      if (bitmap.Pixel(x, y) != kBack) return x;
    }
  }
  return -1;
}

class ColumnComboPaintingTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    combo_ = Make<TColumnComboBox>(fw::Rect(100, 40, 300, 62));
  }
  TComboColumnItem* Column(int width, fw::TColor color, fw::TAlignment alignment = fw::taLeftJustify) {
    TComboColumnItem* column = combo_->Columns()->Add();
    column->SetWidth(width);
    column->SetColor(color);
    column->SetAlignment(alignment);
    column->Font()->SetName("DejaVu Sans");
    column->Font()->SetColor(fw::clBlack);
    return column;
  }
  void Row(std::vector<std::string> strings) {
    TComboItem* row = combo_->ComboItems()->Add();
    for (const std::string& s : strings) row->Strings()->Add(s);
  }
  // Draws the row (or the edit part) through the combo's owner-draw notification into a bitmap filled with
  // the background colour.
  void Draw(testing::MemoryBitmap& bitmap, int index, UINT state) {
    bitmap.Fill(kBack);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.itemID = static_cast<UINT>(index);
    item.itemState = state;
    item.hDC = bitmap.DC();
    item.rcItem = RECT{0, 0, kRowWidth, kRowHeight};
    combo_->Perform(fw::CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  }
  int EditInk() {
    testing::MemoryBitmap bitmap(kRowWidth, kRowHeight);
    Draw(bitmap, combo_->ItemIndex(), ODS_COMBOBOXEDIT);
    return InkRight(bitmap, kRowWidth, kRowHeight);
  }
  void Notify(WORD code) {
    SendMessageA(Form()->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo_->Handle()), code),
                 reinterpret_cast<LPARAM>(combo_->Handle()));
  }

  TColumnComboBox* combo_ = nullptr;
};

TEST_F(ColumnComboPaintingTest, RowsFillTheirColumnsAndGridLinesSplitThem) {
  Column(60, kYellow, fw::taRightJustify);
  Column(40, kCyan);
  Row({"W", "W"});
  testing::MemoryBitmap bitmap(kRowWidth, kRowHeight);

  Draw(bitmap, 0, 0);
  EXPECT_EQ(bitmap.Pixel(2, 10), kYellow);
  EXPECT_EQ(bitmap.Pixel(60, 10), kCyan);   // the second column starts after the first one's width
  EXPECT_EQ(bitmap.Pixel(190, 10), kCyan);  // and, being the last, runs to the row's right edge
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, kGrey), 0);
  // The right-aligned "W" sits at the right of its cell (2 pixels in), the left-aligned one at the left.
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 30, kRowHeight}, fw::clBlack), 0);
  EXPECT_GT(bitmap.Count(RECT{40, 0, 58, kRowHeight}, fw::clBlack), 0);
  EXPECT_EQ(bitmap.Count(RECT{58, 0, 60, kRowHeight}, fw::clBlack), 0);
  EXPECT_GT(bitmap.Count(RECT{62, 0, 80, kRowHeight}, fw::clBlack), 0);

  combo_->SetGridLines(true);
  struct Case {
    const char* what;
    UINT state;
    bool bottomLine;
  };
  for (const Case& c : {Case{"list row", 0u, true}, Case{"edit part", static_cast<UINT>(ODS_COMBOBOXEDIT), false}}) {
    SCOPED_TRACE(c.what);
    Draw(bitmap, 0, c.state);
    // The column boundary from one pixel below the top; a line along the bottom of list rows only.
    EXPECT_EQ(bitmap.Pixel(60, 0), kCyan);
    EXPECT_EQ(bitmap.Pixel(60, 1), kGrey);
    EXPECT_EQ(bitmap.Pixel(60, kRowHeight - 2), kGrey);
    EXPECT_EQ(bitmap.Pixel(120, kRowHeight - 1) == kGrey, c.bottomLine);
    EXPECT_EQ(bitmap.Pixel(5, kRowHeight - 1) == kGrey, c.bottomLine);
    EXPECT_EQ(bitmap.Pixel(120, kRowHeight - 2), kCyan);
  }

  // A selected row is one highlight over every column, its text in the highlight text colour; the
  // selection's grid lines stay grey.
  Draw(bitmap, 0, ODS_SELECTED);
  EXPECT_EQ(bitmap.Pixel(2, 10), Rgb(fw::clHighlight));
  EXPECT_EQ(bitmap.Pixel(190, 10), Rgb(fw::clHighlight));
  EXPECT_EQ(bitmap.Pixel(60, 10), kGrey);
  EXPECT_GT(bitmap.Count(RECT{40, 0, 58, kRowHeight}, Rgb(fw::clHighlightText)), 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, kYellow), 0);

  // No row: the whole rectangle in the combo's colour, without grid lines.
  combo_->SetColor(kBlue);
  Draw(bitmap, -1, 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, kBlue), kRowWidth * kRowHeight);
}

TEST_F(ColumnComboPaintingTest, TheEditColumnAloneIsWrittenOverTheBackground) {
  Column(60, kYellow);
  Column(60, kCyan);
  Row({"WWWWWWWW", "i"});
  Row({"i", "WWWWWWWW"});
  combo_->SetGridLines(true);
  combo_->SetEditColumn(1);

  // Nothing selected: the edit part is one area of the combo's colour, without grid lines or text.
  testing::MemoryBitmap bitmap(kRowWidth, kRowHeight);
  Draw(bitmap, -1, ODS_COMBOBOXEDIT);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, Rgb(combo_->Color())), kRowWidth * kRowHeight);

  // The chosen row's second column, drawn from the edit part's left edge whatever the column's place:
  // "i" is narrow, "WWWWWWWW" is wide.
  combo_->SetItemIndex(0);
  Draw(bitmap, 0, ODS_COMBOBOXEDIT);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, kGrey), 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, kYellow), 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, kRowWidth, kRowHeight}, kCyan), 0);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, 2, kRowHeight}, kBack), 2 * kRowHeight);
  const int narrow = InkRight(bitmap, kRowWidth, kRowHeight);
  EXPECT_GE(narrow, 2);
  EXPECT_LT(narrow, 12);
  combo_->SetItemIndex(1);
  EXPECT_GT(EditInk(), 50);
  combo_->SetEditColumn(0);
  EXPECT_LT(EditInk(), 12);
  // The whole row is drawn there again once no column is chosen.
  combo_->SetEditColumn(-1);
  Draw(bitmap, 1, ODS_COMBOBOXEDIT);
  EXPECT_EQ(bitmap.Pixel(2, 2), kYellow);
  EXPECT_EQ(bitmap.Pixel(100, 2), kCyan);

  // With ParentFont the edit part writes in the form's font, the list rows in the column's.
  ASSERT_TRUE(combo_->ParentFont());
  Form()->Font()->SetSize(14);
  const auto inkRows = [&](UINT state) {
    Draw(bitmap, 0, state);
    int rows = 0;
    for (int y = 0; y < kRowHeight - 1; ++y) rows += bitmap.Count(RECT{0, y, 58, y + 1}, kYellow) < 58 ? 1 : 0;
    return rows;
  };
  const int listRows = inkRows(0);
  EXPECT_GT(listRows, 4);
  EXPECT_GT(inkRows(ODS_COMBOBOXEDIT), listRows + 3);

  // The edit part asks only for rows that exist; a direct question for another row is refused.
  try {
    combo_->GetColumnText(2, 0);
    ADD_FAILURE() << "no exception";
  } catch (const fw::Exception& e) {
    EXPECT_EQ(e.Message(), "Item index out of range");
  }
}

TEST_F(ColumnComboPaintingTest, TheOwnDropDownKeepsItsRowAndTheOpenListShowsTheLookupText) {
  Column(60, kYellow);
  Column(60, kCyan);
  Row({"WWWWWWWW", "i"});
  Row({"i", "WWWWWWWW"});
  combo_->SetEditColumn(1);
  combo_->SetItemIndex(0);

  // With its own drop-down open the edit part stays on the row it showed when it opened, while the
  // selection moves; a user's choice ends the own drop-down and the edit part follows the selection.
  combo_->SetEditHeight(20);
  Notify(CBN_DROPDOWN);
  combo_->SetItemIndex(1);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_LT(EditInk(), 12);
  Notify(CBN_SELCHANGE);
  EXPECT_GT(EditInk(), 50);

  // While the list is open with ShowLookup, the typed text replaces the column's text.
  combo_->SetEditHeight(16);
  combo_->SetItemIndex(0);
  Form()->Show();
  combo_->SetLookupIncr(true);
  combo_->SetDroppedDown(true);
  ASSERT_TRUE(combo_->DroppedDown());
  for (char c : {'W', 'W', 'W', 'W', 'W'}) SendMessageA(combo_->Handle(), WM_CHAR, static_cast<WPARAM>(c), 0);
  ASSERT_EQ(combo_->LookupText(), "WWWWW");
  ASSERT_EQ(combo_->ItemIndex(), 0);
  EXPECT_LT(EditInk(), 12);  // ShowLookup off: the row's "i"
  combo_->SetShowLookup(true);
  const int typed = EditInk();
  EXPECT_GT(typed, 30);
  EXPECT_LT(typed, 70);  // five letters, not the eight of the other column
  combo_->SetDroppedDown(false);
  EXPECT_LT(EditInk(), 12);  // closed: the row's text again
}

// The flat combo on a green panel of a shown form; its window DC is read back from the screen.
class FlatComboPaintingTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    savedTheme_ = ThemeLib;
    panel_ = Make<fw::TPanel>(fw::Rect(0, 0, 300, 100));
    panel_->SetColor(kGreen);
    combo_ = Make<TVxCustomCombo>(fw::Rect(20, 20, 160, 42), panel_);
    combo_->SetStyle(fw::csDropDownList);
  }
  void TearDown() override {
    ThemeLib = savedTheme_;
    testing::StyledControlTest::TearDown();
  }
  static bool ComCtl6() { return TVxCustomCombo::ComCtl6FromVersion(GetFileVersionMS("COMCTL32.DLL")); }
  // Themed drawing with a stand-in theme that records the drop-down button's part, state and rectangle.
  void ThemeStandIn() {
    ThemeLib.IsThemeActive = []() -> BOOL { return TRUE; };
    ThemeLib.OpenThemeData = [](HWND, LPCWSTR classes) -> HTHEME {
      return std::wstring(classes) == L"combobox" ? reinterpret_cast<HTHEME>(0x5150) : nullptr;
    };
    ThemeLib.CloseThemeData = [](HTHEME) -> HRESULT { return S_OK; };
    ThemeLib.DrawThemeBackground = [](HTHEME, HDC, int part, int state, const RECT* r, const RECT*) -> HRESULT {
      drawn.push_back({part, state, *r});
      return S_OK;
    };
    drawn.clear();
  }
  void NoTheme() { ThemeLib.IsThemeActive = []() -> BOOL { return FALSE; }; }
  void Paint(testing::MemoryBitmap& bitmap) {
    bitmap.Fill(kBack);
    combo_->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()), 0);
  }
  fw::TColor ScreenPixel(int x, int y) {
    const HDC dc = GetWindowDC(combo_->Handle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(combo_->Handle(), dc);
    return static_cast<fw::TColor>(c);
  }
  RECT WindowBox() {
    RECT r{};
    GetWindowRect(combo_->Handle(), &r);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
  }
  int ButtonLeft() { return combo_->ClientWidth() - (GetSystemMetrics(SM_CXVSCROLL) + 2); }

  struct Drawn {
    int part;
    int state;
    RECT rect;
  };
  static inline std::vector<Drawn> drawn;
  TThemeLibrary savedTheme_;
  fw::TPanel* panel_ = nullptr;
  TVxCustomCombo* combo_ = nullptr;
};

TEST_F(FlatComboPaintingTest, TheFlatFaceIsFilledAndTheButtonDrawnFlat) {
  NoTheme();
  combo_->SetFlat(true);
  const RECT window = WindowBox();
  const int w = window.right;
  const int h = window.bottom;
  testing::MemoryBitmap bitmap(w, h);
  Paint(bitmap);
  EXPECT_EQ(bitmap.Count(RECT{0, 0, w, h}, kBack), 0);  // every pixel painted
  EXPECT_EQ(bitmap.Pixel(5, h / 2), kGreen);            // the face in the combo's (parent's) colour
  // The button one pixel in from the window's edges: a flat frame in the shadow colour round a face with the
  // arrow, which the default painting leaves alone.
  const RECT button{ButtonLeft() + 3, 1, w - 1, h - 1};
  EXPECT_EQ(bitmap.Count(button, kGreen), 0);
  EXPECT_GT(bitmap.Count(button, Rgb(fw::clBtnText)), 5);
  const fw::TColor shadow = Sys(COLOR_BTNSHADOW);
  EXPECT_EQ(bitmap.Pixel(button.left, h / 2), shadow);
  EXPECT_EQ(bitmap.Pixel(button.right - 1, h / 2), shadow);
  EXPECT_EQ(bitmap.Pixel(button.left + 5, button.top), shadow);
  EXPECT_EQ(bitmap.Pixel(button.left + 5, button.bottom - 1), shadow);
  EXPECT_EQ(bitmap.Pixel(button.left - 1, h / 2), kGreen);
  EXPECT_EQ(bitmap.Pixel(w - 1, h / 2), kGreen);
}

TEST_F(FlatComboPaintingTest, TheButtonTracksTheMouseAndItsThemedStateFollows) {
  ThemeStandIn();
  combo_->SetFlat(true);
  Form()->Show();
  ProcessMessages();
  const RECT window = WindowBox();
  const int w = window.right;
  const int h = window.bottom;
  const auto repaintAsked = [&] {
    RECT update{};
    const bool asked = GetUpdateRect(combo_->Handle(), &update, FALSE) != FALSE;
    ValidateRect(combo_->Handle(), nullptr);
    return asked;
  };
  repaintAsked();

  // The button is hot strictly between its left edge and the combo's right edge; the combo repaints only
  // when that changes, and leaving the combo cools the button.
  struct Move {
    int x;
    bool hot;
    bool repaint;
  };
  const Move moves[] = {{w - 3, true, true},       {w - 5, true, false}, {w / 2, false, true},
                        {ButtonLeft(), false, false}, {ButtonLeft() + 1, true, true}, {w, false, true}};
  for (const Move& m : moves) {
    SCOPED_TRACE(m.x);
    combo_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(m.x, h / 2));
    EXPECT_EQ(combo_->ButtonHot(), m.hot);
    EXPECT_EQ(repaintAsked(), m.repaint);
  }
  combo_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(w - 3, h / 2));
  combo_->Perform(fw::CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(combo_->ButtonHot());

  // Themed drawing needs version 6 of the common controls (not what Wine loads by name): the button is then
  // the theme's combo-box button, normal, hot under the mouse, disabled when the combo is.
  if (!ComCtl6()) return;
  testing::MemoryBitmap bitmap(w, h);
  const auto paintedState = [&] {
    drawn.clear();
    Paint(bitmap);
    return drawn.size() == 1 ? drawn[0].state : 0;
  };
  EXPECT_EQ(paintedState(), 1);
  EXPECT_EQ(drawn[0].part, 1);
  EXPECT_EQ(drawn[0].rect.left, ButtonLeft() + 3);
  EXPECT_EQ(drawn[0].rect.top, 1);
  EXPECT_EQ(drawn[0].rect.right, w - 1);
  EXPECT_EQ(drawn[0].rect.bottom, h - 1);
  EXPECT_EQ(bitmap.Count(RECT{ButtonLeft() + 3, 1, w - 1, h - 1}, Rgb(fw::clBtnText)), 0);  // no frame control
  combo_->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(w - 3, h / 2));
  EXPECT_EQ(paintedState(), 2);
  combo_->Perform(fw::CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(paintedState(), 1);
  combo_->SetEnabled(false);
  EXPECT_EQ(paintedState(), 4);
}

TEST_F(FlatComboPaintingTest, TheFrameTakesTheParentsColourTheFocusFrameAndTheButtonFrameWhenHot) {
  NoTheme();
  combo_->SetFlatParentColor(false);
  combo_->SetFlat(true);
  combo_->SetColor(kBlue);
  combo_->SetFocusBorder(true);
  auto* focused = Make<TVxCustomCombo>(fw::Rect(20, 60, 160, 82), panel_);
  focused->SetStyle(fw::csDropDownList);
  Form()->Show();
  focused->SetFocus();
  ASSERT_TRUE(WaitForFocus(focused->Handle()));
  ProcessMessages();
  const RECT window = WindowBox();
  const int w = window.right;
  const int h = window.bottom;
  const int mid = h / 2;
  const int bw = GetSystemMetrics(SM_CXVSCROLL) + 2;

  // Idle: two frames in the parent's colour (the inner one stopping at the button), one in the combo's
  // colour inside, the black underline, and the button face without an edge.
  EXPECT_EQ(ScreenPixel(0, mid), kGreen);
  EXPECT_EQ(ScreenPixel(1, mid), kGreen);
  EXPECT_EQ(ScreenPixel(2, mid), kBlue);
  EXPECT_EQ(ScreenPixel(w - 2 - bw, mid), kGreen);
  EXPECT_EQ(ScreenPixel(w - 3 - bw, mid), kBlue);
  EXPECT_EQ(ScreenPixel(5, h - 1), fw::clBlack);
  EXPECT_EQ(ScreenPixel(w - 2, h - 1), kGreen);
  EXPECT_EQ(ScreenPixel(ButtonLeft(), mid), Sys(COLOR_BTNFACE));

  // The mouse comes in: the sunken focus frame, and the button's raised (or etched) edge.
  combo_->Perform(fw::CM_MOUSEENTER, 0, 0);
  ProcessMessages();
  EXPECT_EQ(ScreenPixel(0, mid), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenPixel(w - 1, mid), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenPixel(1, mid), Sys(COLOR_BTNFACE));
  EXPECT_EQ(ScreenPixel(2, mid), kBlue);
  EXPECT_EQ(ScreenPixel(ButtonLeft(), mid), Sys(COLOR_3DLIGHT));
  combo_->SetEtched(true);
  ProcessMessages();
  EXPECT_EQ(ScreenPixel(ButtonLeft(), mid), Sys(COLOR_BTNSHADOW));

  // It leaves: the idle frame again; without an underline colour the bottom row keeps the parent's colour.
  combo_->Perform(fw::CM_MOUSELEAVE, 0, 0);
  combo_->SetFlatLineColor(fw::clNone);
  ProcessMessages();
  EXPECT_EQ(ScreenPixel(0, mid), kGreen);
  EXPECT_EQ(ScreenPixel(ButtonLeft(), mid), Sys(COLOR_BTNFACE));
  EXPECT_EQ(ScreenPixel(5, h - 1), kGreen);
}

}  // namespace
}  // namespace ui
