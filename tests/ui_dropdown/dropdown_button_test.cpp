// The drop-down button: its geometry, the press that fires OnClick before the release, and its looks
// painted into a memory bitmap (styled in three states with the separator, glyph, themed, classic and the
// read-only look).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"
#include "tests/ui_dropdown/dropdown_test_support.h"

namespace ui::testing {
namespace {

using DropDownButtonTest = DropDownTest;

// The edit button painted alone (its speed button included) into a bitmap of its size.
class PaintedButton {
 public:
  explicit PaintedButton(TDropDownEditButton* button) : bitmap_(button->Width(), button->Height()) {
    bitmap_.Fill(fw::clFuchsia);
    button->PaintTo(bitmap_.DC(), 0, 0);
  }
  fw::TColor Pixel(int x, int y) const { return bitmap_.Pixel(x, y); }

 private:
  MemoryBitmap bitmap_;
};

TEST_F(DropDownButtonTest, TheButtonKeepsItsWidthAndTheArrowFillsItsHeight) {
  auto* dropDown = MakeDropDown();
  TDropDownEditButton* button = dropDown->Button();
  button->SetBounds(3, 4, 60, 30);
  EXPECT_EQ(button->Left(), 3);
  EXPECT_EQ(button->Width(), 17);
  EXPECT_EQ(button->Button()->BoundsRect(), (fw::TRect{0, 0, 17, 30}));
  EXPECT_FALSE(button->ControlStyle().Contains(fw::csAcceptsControls));
  EXPECT_TRUE(button->ControlStyle().Contains(fw::csOpaque));
}

TEST_F(DropDownButtonTest, APressOnTheArrowFiresOnClickBeforeTheRelease) {
  auto* dropDown = MakeDropDown();
  Form()->Show();
  ProcessMessages();
  TDropDownEditButton* button = dropDown->Button();
  std::vector<fw::TObject*> senders;
  button->OnClick = [&](fw::TObject* Sender) { senders.push_back(Sender); };
  PostMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ProcessMessages();
  EXPECT_EQ(senders, std::vector<fw::TObject*>{button});
  PostMessageA(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ProcessMessages();
  EXPECT_EQ(senders.size(), 1u);  // the release opens nothing more
  // Another button than the left one opens nothing.
  button->Button()->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(senders.size(), 1u);
}

struct StyledCase {
  const char* name;
  bool hot;
  bool pressed;
  fw::TColor fill;
  fw::TColor arrowSet;  // the arrow colour given for that state
  fw::TColor arrowDrawn;
};

TEST_F(DropDownButtonTest, TheStyledLookShowsEachStateWithTheSeparatorLine) {
  constexpr fw::TColor normal = 0x40A040, hot = 0x30C0F0, down = 0x2050C0;
  const std::vector<StyledCase> cases{
      {"normal, arrow unset", false, false, normal, fw::clNone, fw::clBlack},
      {"hot", true, false, hot, fw::clNone, fw::clBlack},
      {"pressed", false, true, down, fw::clNone, fw::clBlack},
      {"pressed while hot", true, true, down, fw::clNone, fw::clBlack},
      {"normal, arrow set", false, false, normal, fw::clMaroon, fw::clMaroon},
      {"hot, arrow set", true, false, hot, fw::clNavy, fw::clNavy},
  };
  for (const StyledCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* dropDown = MakeDropDown();
    dropDown->SetBorderColor(fw::clBlue);
    TDropDownEditButton* button = dropDown->Button();
    button->SetButtonColor(normal);
    button->SetButtonColorHot(hot);
    button->SetButtonColorDown(down);
    if (c.pressed) {
      button->SetArrowColorDown(c.arrowSet);
    } else if (c.hot) {
      button->SetArrowColorHot(c.arrowSet);
    } else {
      button->SetArrowColor(c.arrowSet);
    }
    TVxDropDownSpeedButton* arrow = button->Button();
    if (c.hot) arrow->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(arrow));
    if (c.pressed) arrow->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(arrow->Hot(), c.hot);
    const PaintedButton painted(button);
    EXPECT_EQ(painted.Pixel(5, 2), c.fill);
    EXPECT_EQ(painted.Pixel(button->Width() - 1, button->Height() - 1), c.fill);
    EXPECT_EQ(painted.Pixel(0, 5), fw::clBlue);
    EXPECT_EQ(painted.Pixel(8, 8), c.arrowDrawn);
    if (c.pressed) arrow->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    dropDown->Free();
  }

  // Without a frame colour there is no separator.
  auto* plain = MakeDropDown();
  plain->Button()->SetButtonColor(normal);
  EXPECT_EQ(PaintedButton(plain->Button()).Pixel(0, 5), normal);
}

TEST_F(DropDownButtonTest, AGlyphReplacesTheArrowUnscaledAtTheCorner) {
  auto* dropDown = MakeDropDown();
  fw::TBitmap glyph;
  glyph.SetSize(6, 6);
  glyph.Canvas()->Brush()->SetColor(fw::clLime);
  glyph.Canvas()->FillRect(fw::TRect{0, 0, 6, 6});
  glyph.Canvas()->SetPixels(0, 5, fw::clFuchsia);  // the bottom-left colour is the transparent one
  glyph.Canvas()->SetPixels(2, 3, fw::clFuchsia);
  dropDown->SetDropDownButtonGlyph(&glyph);
  TDropDownEditButton* button = dropDown->Button();
  const PaintedButton painted(button);
  EXPECT_EQ(painted.Pixel(2, 2), fw::clLime);
  EXPECT_EQ(painted.Pixel(5, 0), fw::clLime);
  EXPECT_EQ(painted.Pixel(2, 3), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));  // transparent
  EXPECT_EQ(painted.Pixel(6, 2), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));  // not stretched
  EXPECT_EQ(painted.Pixel(8, 8), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));  // no arrow
  EXPECT_EQ(painted.Pixel(button->Width() - 1, 10), fw::clGray);
}

// The visual-styles functions replaced by recorders, and the themed flag forced on.
class ThemedButtonTest : public DropDownButtonTest {
 public:
  void SetUp() override {
    DropDownButtonTest::SetUp();
    saved_ = ThemeLib;
    ThemeLib.IsThemeActive = []() -> BOOL { return TRUE; };
    ThemeLib.OpenThemeData = [](HWND, LPCWSTR classes) -> HTHEME {
      opened = classes;
      return reinterpret_cast<HTHEME>(0x1234);
    };
    ThemeLib.DrawThemeBackground = [](HTHEME, HDC, int part, int state, const RECT* r, const RECT*) -> HRESULT {
      drawn.push_back({part, state, *r});
      return S_OK;
    };
    ThemeLib.CloseThemeData = [](HTHEME) -> HRESULT {
      ++closed;
      return S_OK;
    };
    drawn.clear();
    closed = 0;
  }
  void TearDown() override {
    ThemeLib = saved_;
    DropDownButtonTest::TearDown();
  }

  struct Drawn {
    int part;
    int state;
    RECT rect;
  };
  static inline std::vector<Drawn> drawn;
  static inline std::wstring opened;
  static inline int closed = 0;

 private:
  TThemeLibrary saved_;
};

TEST_F(ThemedButtonTest, TheThemedLookDrawsTheComboButtonInItsState) {
  const fw::ServiceDouble<bool()> themed(DropDownThemedControls, [] { return true; });
  auto* dropDown = MakeDropDown();
  TDropDownEditButton* button = dropDown->Button();
  TVxDropDownSpeedButton* arrow = button->Button();
  ASSERT_TRUE(arrow->Themed());
  ASSERT_TRUE(dropDown->Themed());

  PaintedButton{button};
  arrow->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(arrow));
  PaintedButton{button};
  arrow->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PaintedButton{button};
  arrow->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  arrow->Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(arrow));
  dropDown->SetReadOnly(true);
  PaintedButton{button};
  EXPECT_FALSE(arrow->Enabled());
  dropDown->SetReadOnly(false);
  dropDown->SetEnabled(false);
  PaintedButton{button};

  std::vector<int> states;
  for (const Drawn& d : drawn) {
    EXPECT_EQ(d.part, 1);
    states.push_back(d.state);
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 4, 4}));
  EXPECT_EQ(opened, L"combobox");
  EXPECT_EQ(closed, 5);
  ASSERT_FALSE(drawn.empty());
  const RECT expected = IsWinVistaOrLater() ? RECT{1, 0, button->Width(), button->Height()}
                                            : RECT{1, -1, button->Width() + 1, button->Height() + 1};
  EXPECT_EQ(drawn[0].rect.left, expected.left);
  EXPECT_EQ(drawn[0].rect.top, expected.top);
  EXPECT_EQ(drawn[0].rect.right, expected.right);
  EXPECT_EQ(drawn[0].rect.bottom, expected.bottom);

  // A styled or glyph button is never drawn by the theme, and a read-only one keeps its look there.
  drawn.clear();
  dropDown->SetEnabled(true);
  dropDown->SetReadOnly(true);
  button->SetButtonColor(fw::clGreen);
  const PaintedButton styled(button);
  EXPECT_TRUE(drawn.empty());
  EXPECT_EQ(styled.Pixel(5, 2), fw::clGreen);
}

TEST_F(DropDownButtonTest, TheClassicLookDrawsTheBlackArrowAndShowsReadOnlyAsDisabled) {
  const fw::ServiceDouble<bool()> unthemed(DropDownThemedControls, [] { return false; });
  auto* dropDown = MakeDropDown();
  TDropDownEditButton* button = dropDown->Button();
  const PaintedButton painted(button);
  EXPECT_EQ(painted.Pixel(8, 8), fw::clBlack);
  EXPECT_EQ(painted.Pixel(1, 5), fw::clWhite);
  EXPECT_EQ(painted.Pixel(0, 5), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));
  EXPECT_TRUE(button->Button()->Enabled());

  dropDown->SetReadOnly(true);
  const PaintedButton readOnly(button);
  EXPECT_FALSE(button->Button()->Enabled());
  EXPECT_EQ(readOnly.Pixel(8, 8), fw::clBlack);

  // bsButton: a push-button face with the arrow.
  dropDown->SetReadOnly(false);
  button->Button()->SetButtonStyle(bsButton);
  EXPECT_EQ(PaintedButton(button).Pixel(8, 8), fw::clBlack);
}

}  // namespace
}  // namespace ui::testing
