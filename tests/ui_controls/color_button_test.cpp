// The colour button: a real owner-drawn BUTTON whose draw requests (WM_DRAWITEM to its form, on a memory
// DC) paint the face, the caption syntax, the arrow marks and the pressed look.
#include "ui/controls/color_button.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/controls/messages.h"
#include "tests/ui_controls/styled_test_support.h"

namespace ui {
namespace {

constexpr int kW = 150;
constexpr int kH = 90;
constexpr fw::TColor kYellow = fw::clYellow;
constexpr fw::TColor kMark = 0x808080;

class ColorButtonTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    button = Make<TColorButton>(fw::Rect(10, 10, 10 + kW, 10 + kH));
    button->SetBackColor(kYellow);
    button->SetForeColor(fw::clBlack);
    button->Font()->SetName("Tahoma");
    button->Font()->SetSize(10);
    button->HandleNeeded();
  }
  // One draw request through the form, as the window system sends it.
  void Draw(testing::MemoryBitmap& bitmap, UINT state = 0) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(button->Handle()));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = button->Handle();
    item.hDC = bitmap.DC();
    item.rcItem = RECT{0, 0, kW, kH};
    EXPECT_EQ(SendMessageA(Form()->Handle(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)), TRUE);
  }
  // The face rectangle left inside the platform's push-button frame.
  static RECT Face() {
    testing::MemoryBitmap scratch(kW, kH);
    RECT r{0, 0, kW, kH};
    DrawFrameControl(scratch.DC(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    return r;
  }
  // Rows holding dark (text) pixels inside the face, as first and last row; -1 when none.
  static std::pair<int, int> DarkRows(testing::MemoryBitmap& bitmap, const RECT& r) {
    int first = -1;
    int last = -1;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const fw::TColor c = bitmap.Pixel(x, y);
        if ((c & 0xFF) < 96 && ((c >> 8) & 0xFF) < 96 && ((c >> 16) & 0xFF) < 96) {
          if (first < 0) first = y;
          last = y;
          break;
        }
      }
    }
    return {first, last};
  }
  TColorButton* button = nullptr;
};

TEST_F(ColorButtonTest, ThePlainFaceIsTheBackColourInsideThePlatformFrame) {
  EXPECT_EQ(GetWindowLongA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_OWNERDRAW));
  EXPECT_NE(GetWindowLongA(button->Handle(), GWL_STYLE) & BS_MULTILINE, 0);
  testing::MemoryBitmap bitmap(kW, kH);
  Draw(bitmap);
  const RECT face = Face();
  EXPECT_EQ(bitmap.Pixel(face.left, face.top), kYellow);
  EXPECT_EQ(bitmap.Pixel(face.right - 1, face.bottom - 1), kYellow);
  EXPECT_NE(bitmap.Pixel(0, 0), kYellow);

  button->SetEnabled(false);
  testing::MemoryBitmap disabled(kW, kH);
  Draw(disabled, ODS_DISABLED);
  EXPECT_EQ(disabled.Pixel(kW / 2, kH / 2), kMark);
}

TEST_F(ColorButtonTest, ABarSplitsTheCaptionIntoTwoLines) {
  button->SetCaption("Upper|Lower");
  testing::MemoryBitmap bitmap(kW, kH);
  Draw(bitmap);
  const RECT face = Face();
  // Where DrawText puts each line: Upper centred in the face less 25 at the bottom, Lower in the face less
  // 25 at the top.
  testing::MemoryBitmap expected(kW, kH);
  HGDIOBJ old = SelectObject(expected.DC(), button->Font()->Handle());
  SetBkMode(expected.DC(), TRANSPARENT);
  RECT upperRect{face.left, face.top, face.right, face.bottom - 25};
  RECT lowerRect{face.left, face.top + 25, face.right, face.bottom};
  DrawTextA(expected.DC(), "Upper", 5, &upperRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  DrawTextA(expected.DC(), "Lower", 5, &lowerRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  SelectObject(expected.DC(), old);
  const int split = (face.top + face.bottom) / 2;
  for (const RECT half : {RECT{face.left, face.top, face.right, split}, RECT{face.left, split, face.right, face.bottom}}) {
    const auto want = DarkRows(expected, half);
    const auto got = DarkRows(bitmap, half);
    ASSERT_GE(want.first, 0);
    EXPECT_EQ(got, want);
  }
  EXPECT_EQ(button->Caption(), "Upper|Lower");
}

TEST_F(ColorButtonTest, ATitledValueBoxShowsTheHint) {
  button->SetCaption("*Title|42");
  button->SetHint("units");
  testing::MemoryBitmap bitmap(kW, kH);
  Draw(bitmap);
  const RECT face = Face();
  // The box: the lowest quarter of the value's rectangle, 5 pixels in from the sides, 15 rows lower.
  const int valueTop = face.top + 5;
  const int valueBottom = face.bottom - 20;
  const RECT box{face.left + 5, valueBottom + (valueTop - valueBottom) / 4, face.right - 5, valueBottom + 15};
  EXPECT_EQ(bitmap.Pixel(box.right - 2, box.bottom - 2), fw::clWhite);
  EXPECT_EQ(bitmap.Pixel(box.left + 10, box.top + 1), kMark) << "top edge";
  EXPECT_EQ(bitmap.Pixel(box.left + 1, box.top + 10), kMark) << "left edge";
  EXPECT_EQ(bitmap.Pixel(box.left - 1, box.top + 10), kYellow);
  EXPECT_GE(DarkRows(bitmap, RECT{box.left + 2, box.top + 2, box.right, box.bottom}).first, 0) << "the hint";
  EXPECT_GE(DarkRows(bitmap, RECT{face.left, face.top, face.right, box.top}).first, 0) << "title and value";
  EXPECT_EQ(button->Hint(), "units");
}

TEST_F(ColorButtonTest, NoTextForALeadingBarOrAnEmptyCaptionAndThePropertiesStay) {
  for (const std::string caption : {"|Value", ""}) {
    button->SetCaption(caption);
    button->SetHint("");
    testing::MemoryBitmap bitmap(kW, kH);
    Draw(bitmap);
    EXPECT_EQ(DarkRows(bitmap, Face()).first, -1) << "'" << caption << "'";
    EXPECT_EQ(button->Caption(), caption);
    EXPECT_EQ(button->Hint(), "");
  }
}

TEST_F(ColorButtonTest, TagOneAlwaysLooksPressed) {
  button->SetTag(1);
  testing::MemoryBitmap bitmap(kW, kH);
  Draw(bitmap);
  EXPECT_EQ(bitmap.Pixel(0, 0), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnShadow)));
  EXPECT_EQ(bitmap.Pixel(kW / 2, kH / 2), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnHighlight)));
  EXPECT_EQ(bitmap.Pixel(1, 1), static_cast<fw::TColor>(fw::ColorToRGB(fw::clBtnFace)));
  EXPECT_NE(bitmap.Pixel(2, 2), kYellow) << "the face is shifted by one pixel";
}

TEST_F(ColorButtonTest, ArrowMarks) {
  const RECT f = Face();
  struct Case {
    int style;
    POINT inside;
  };
  const Case cases[] = {{1, {f.right - 10, f.top + 5}}, {2, {f.right - 12, f.top + 7}}, {3, {f.right - 12, f.bottom - 10}}};
  for (const Case& c : cases) {
    button->SetArrowStyle(c.style);
    testing::MemoryBitmap bitmap(kW, kH);
    Draw(bitmap);
    EXPECT_EQ(bitmap.Pixel(c.inside.x, c.inside.y), kMark) << c.style;
    EXPECT_GT(bitmap.Count(f, kMark), 15) << c.style;
  }
  for (const int style : {0, 4}) {
    button->SetArrowStyle(style);
    testing::MemoryBitmap bitmap(kW, kH);
    Draw(bitmap);
    EXPECT_EQ(bitmap.Count(f, kMark), 0) << style;
  }
}

TEST_F(ColorButtonTest, HoveringSwapsTheBackColourAndLeavingRestoresIt) {
  button->SetHoverColor(fw::clRed);
  button->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(button->BackColor(), fw::clRed);
  testing::MemoryBitmap bitmap(kW, kH);
  Draw(bitmap);
  EXPECT_EQ(bitmap.Pixel(kW / 2, kH / 2), fw::clRed);
  button->Perform(fw::CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(button->BackColor(), kYellow);
}

TEST_F(ColorButtonTest, BecomingOrStoppingBeingTheActiveDefaultRepaints) {
  fw::TButton* other = Make<fw::TButton>(fw::Rect(200, 10, 280, 40));
  Form()->Show();  // only a visible window collects an update region
  ProcessMessages();
  auto focusTo = [&](fw::TControl* focused) {
    ValidateRect(button->Handle(), nullptr);
    button->Perform(fw::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
    RECT update{};
    return GetUpdateRect(button->Handle(), &update, FALSE) != FALSE;
  };
  focusTo(other);
  EXPECT_FALSE(button->IsDefault());
  EXPECT_TRUE(focusTo(button)) << "became the one Enter clicks";
  EXPECT_TRUE(button->IsDefault());
  EXPECT_FALSE(focusTo(button)) << "no change, no repaint";
  testing::MemoryBitmap framed(kW, kH);
  Draw(framed);
  EXPECT_EQ(framed.Pixel(kW / 2, 0), static_cast<fw::TColor>(fw::ColorToRGB(fw::clWindowFrame)));
  EXPECT_TRUE(focusTo(other)) << "stopped being it";
  EXPECT_FALSE(button->IsDefault());
  EXPECT_EQ(GetWindowLongA(button->Handle(), GWL_STYLE) & BS_TYPEMASK, static_cast<LONG>(BS_OWNERDRAW));
}

}  // namespace
}  // namespace ui
