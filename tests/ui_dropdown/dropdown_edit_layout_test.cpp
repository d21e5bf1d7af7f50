// The drop-down edit on a shown form: the attached label in its positions, the minimum height and the edit
// rectangle beside the button, the click inside a selection, the highlighted value of the editor-disabled
// mode and the frame colours as the focus comes and goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/graphics/gdi_handles.h"
#include "tests/ui_dropdown/dropdown_test_support.h"

namespace ui::testing {
namespace {

using DropDownLayoutTest = DropDownTest;

// The caption's width as the label's font draws it.
int CaptionWidth(fw::TLabel* label) {
  const fw::WindowDC screen(nullptr);
  const fw::SelectedObject font(screen.Get(), label->Font()->Handle());
  RECT r{0, 0, 1000, 255};
  const std::string caption = label->Caption();
  DrawTextA(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_HIDEPREFIX);
  return r.right - r.left;
}

struct LabelCase {
  TLabelPosition position;
  // The expected left and top from the control's L, T, W, H, the label's lw, lh, the caption width w and
  // the margin m.
  int (*left)(int L, int W, int lw, int w, int m);
  int (*top)(int T, int H, int lh, int m);
};

int LeftOfCaption(int L, int, int, int w, int m) { return L - w - m; }
int LeftMargin(int L, int, int, int, int m) { return L - m; }
int SameLeft(int L, int, int, int, int) { return L; }
int RightOf(int L, int W, int, int, int m) { return L + W + m; }
int RightAligned(int L, int W, int lw, int, int) { return L + W - lw; }
int CentredLeft(int L, int W, int lw, int, int) { return W - lw >= 1 ? L + (W - lw) / 2 : L - (lw - W) / 2; }
int SameTop(int T, int, int, int) { return T; }
int CentredTop(int T, int H, int lh, int) { return lh < H ? T + (H - lh) / 2 : T - (lh - H) / 2; }
int BottomAligned(int T, int H, int lh, int) { return T + H - lh; }
int Above(int T, int, int lh, int m) { return T - lh - m; }
int Below(int T, int H, int, int m) { return T + H + m; }

TEST_F(DropDownLayoutTest, TheLabelTakesEachOfItsPositions) {
  const std::vector<LabelCase> cases{
      {lpLeftTop, LeftOfCaption, SameTop},       {lpLeftCenter, LeftOfCaption, CentredTop},
      {lpLeftBottom, LeftOfCaption, BottomAligned}, {lpTopLeft, SameLeft, Above},
      {lpBottomLeft, SameLeft, Below},           {lpLeftTopLeft, LeftMargin, SameTop},
      {lpLeftCenterLeft, LeftMargin, CentredTop}, {lpLeftBottomLeft, LeftMargin, BottomAligned},
      {lpTopCenter, CentredLeft, Above},         {lpBottomCenter, CentredLeft, Below},
      {lpRightTop, RightOf, SameTop},            {lpRightCenter, RightOf, CentredTop},
      {lpRighBottom, RightOf, BottomAligned},    {lpTopRight, RightAligned, Above},
      {lpBottomRight, RightAligned, Below},
  };
  // A wide control and one narrower than its label (centring then reaches left of the control).
  for (const fw::TRect bounds : {fw::TRect{150, 100, 300, 130}, fw::TRect{150, 100, 170, 121}}) {
    auto* dropDown = MakeDropDown(bounds);
    dropDown->SetLabelCaption("Heading &bug");
    dropDown->SetLabelMargin(4);
    fw::TLabel* label = dropDown->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), Form());
    EXPECT_EQ(label->FocusControl(), dropDown);
    const int w = CaptionWidth(label);
    for (const LabelCase& c : cases) {
      SCOPED_TRACE(static_cast<int>(c.position));
      dropDown->SetLabelPosition(c.position);
      const int L = dropDown->Left(), T = dropDown->Top(), W = dropDown->Width(), H = dropDown->Height();
      EXPECT_EQ(label->Left(), c.left(L, W, label->Width(), w, 4));
      EXPECT_EQ(label->Top(), c.top(T, H, label->Height(), 4));
    }
    if (bounds.Width() < label->Width()) {
      dropDown->SetLabelPosition(lpTopCenter);
      EXPECT_LT(label->Left(), dropDown->Left());
    }
    dropDown->Free();
  }
}

TEST_F(DropDownLayoutTest, TheLabelFollowsMovesFontVisibilityAndTheEnabledStateWhenLoaded) {
  auto* dropDown = MakeDropDown();
  dropDown->SetLabelCaption("Course");
  dropDown->SetLabelPosition(lpTopLeft);
  fw::TLabel* label = dropDown->Label();
  dropDown->SetBounds(60, 150, 200, 21);
  EXPECT_EQ(label->Left(), 60);
  EXPECT_EQ(label->Top(), 150 - label->Height());

  dropDown->SetParentFont(false);
  const int smallHeight = label->Height();
  fw::TFont big;
  big.SetSize(20);
  dropDown->SetLabelFont(&big);
  EXPECT_EQ(label->Font()->Size(), 20);
  EXPECT_GT(label->Height(), smallHeight);
  EXPECT_EQ(label->Top(), 150 - label->Height());

  dropDown->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  dropDown->SetVisible(true);
  EXPECT_TRUE(label->Visible());

  // Loading gives the label the control's Enabled state, unless it is always enabled.
  for (const bool alwaysEnabled : {false, true}) {
    fw::BeginLoading(Form());
    auto* loaded = MakeDropDown(fw::TRect{20, 200, 220, 221});
    loaded->SetLabelCaption("Altitude");
    loaded->SetLabelAlwaysEnabled(alwaysEnabled);
    loaded->SetEnabled(false);
    fw::EndLoading(Form());
    EXPECT_EQ(loaded->Label()->Enabled(), alwaysEnabled);
    EXPECT_FALSE(loaded->Button()->Enabled());
    loaded->Free();
  }
}

TEST_F(DropDownLayoutTest, ALowHeightGrowsToTheMinimumForTheFont) {
  auto* dropDown = MakeDropDown();
  dropDown->Font()->SetSize(14);
  dropDown->HandleNeeded();
  const fw::WindowDC screen(nullptr);
  TEXTMETRICA system{};
  GetTextMetricsA(screen.Get(), &system);
  TEXTMETRICA font{};
  {
    const fw::SelectedObject selected(screen.Get(), dropDown->Font()->Handle());
    GetTextMetricsA(screen.Get(), &font);
  }
  const int expected = font.tmHeight + std::min(system.tmHeight, font.tmHeight) / 4;
  EXPECT_EQ(dropDown->GetMinHeight(), expected);
  dropDown->SetHeight(5);
  EXPECT_EQ(dropDown->Height(), expected);
  dropDown->SetHeight(expected + 10);
  EXPECT_EQ(dropDown->Height(), expected + 10);
}

TEST_F(DropDownLayoutTest, TheButtonSitsAtTheRightAndTheEditRectEndsBeforeIt) {
  for (const fw::TFormBorderStyle border : {fw::bsSingle, fw::bsNone}) {
    // The edit's own rectangle narrows by as much as the button widens.
    std::vector<int> shownRightPlusButton;
    for (const int width : {17, 25, 40}) {
      SCOPED_TRACE(width);
      auto* dropDown = MakeDropDown(fw::TRect{20, 20, 220, 45});
      dropDown->SetBorderStyle(border);
      dropDown->HandleNeeded();
      dropDown->SetDropDownButtonWidth(width);
      TDropDownEditButton* button = dropDown->Button();
      if (border == fw::bsSingle) {
        EXPECT_EQ(button->Left(), dropDown->Width() - width - 4);
        EXPECT_EQ(button->Top(), 0);
        EXPECT_EQ(button->Height(), dropDown->Height() - 4);
      } else {
        EXPECT_EQ(button->Left(), dropDown->Width() - width);
        EXPECT_EQ(button->Top(), 1);
        EXPECT_EQ(button->Height(), dropDown->Height() - 2);
      }
      EXPECT_EQ(button->Width(), width);
      EXPECT_EQ(button->Button()->Width(), width);
      EXPECT_EQ(button->Button()->Height(), button->Height());

      const fw::TRect expected = border == fw::bsSingle
                                     ? fw::TRect{1, 1, dropDown->ClientWidth() - width - 3, dropDown->ClientHeight() + 1}
                                     : fw::TRect{2, 3, dropDown->ClientWidth() - width - 3, dropDown->ClientHeight() + 1};
      EXPECT_EQ(dropDown->GetEditRect(), expected);
      RECT shown{};
      SendMessageA(dropDown->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
      shownRightPlusButton.push_back(shown.right + width);
      dropDown->Free();
    }
    EXPECT_EQ(shownRightPlusButton, std::vector<int>(3, shownRightPlusButton.front()));
  }
}

TEST_F(DropDownLayoutTest, AClickInsideTheSelectionKeepsItUntilTheRelease) {
  auto* dropDown = MakeDropDown();
  dropDown->SetText("heading select");
  ASSERT_TRUE(Focus(dropDown));
  dropDown->SetSelStart(0);
  dropDown->SetSelLength(7);
  const LRESULT at = SendMessageA(dropDown->Handle(), EM_POSFROMCHAR, 3, 0);
  const int x = static_cast<short>(LOWORD(at)) + 1;
  const int y = static_cast<short>(HIWORD(at)) + 2;

  PostMessageA(dropDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  ProcessMessages();
  EXPECT_EQ(dropDown->SelStart(), 0);
  EXPECT_EQ(dropDown->SelLength(), 7);
  PostMessageA(dropDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  ProcessMessages();
  EXPECT_EQ(dropDown->SelStart(), dropDown->CharFromPos(fw::TPoint{x, y}));
  EXPECT_EQ(dropDown->SelLength(), 0);

  // Outside the selection the edit places the caret at the press.
  dropDown->SetSelStart(0);
  dropDown->SetSelLength(3);
  const LRESULT beyond = SendMessageA(dropDown->Handle(), EM_POSFROMCHAR, 10, 0);
  const int fx = static_cast<short>(LOWORD(beyond)) + 1;
  PostMessageA(dropDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fx, y));
  ProcessMessages();
  EXPECT_EQ(dropDown->SelLength(), 0);
  EXPECT_EQ(dropDown->SelStart(), 10);
  PostMessageA(dropDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(fx, y));
  ProcessMessages();
}

TEST_F(DropDownLayoutTest, TheDisabledEditorShowsItsFocusedValueHighlighted) {
  const fw::TColor highlight = static_cast<fw::TColor>(fw::ColorToRGB(fw::clHighlight));
  for (const bool editorEnabled : {false, true}) {
    for (const bool focusDraw : {true, false}) {
      SCOPED_TRACE(std::string(editorEnabled ? "editor on" : "editor off") + (focusDraw ? ", drawn" : ", not drawn"));
      auto* dropDown = MakeDropDown();
      dropDown->SetText("i");
      dropDown->SetEditorEnabled(editorEnabled);
      dropDown->SetFocusDraw(focusDraw);
      ASSERT_TRUE(Focus(dropDown));
      dropDown->Repaint();
      ProcessMessages();
      const HWND window = dropDown->Handle();
      const int right = dropDown->Width() - dropDown->DropDownButtonWidth() - 1;
      const bool shown = !editorEnabled && focusDraw;
      // The black frame and the highlight behind the value.
      EXPECT_EQ(WindowPixel(window, 2, dropDown->Height() / 2) == fw::clBlack, shown);
      EXPECT_EQ(WindowPixel(window, right - 3, dropDown->Height() / 2) == highlight, shown);
      dropDown->Free();
    }
  }
}

TEST_F(DropDownLayoutTest, TheFrameTakesTheFocusColourOnEnterAndTheBorderColourOnExit) {
  auto* dropDown = MakeDropDown();
  auto* other = Make<fw::TEdit>(fw::TRect{20, 100, 120, 121});
  dropDown->SetBorderColor(fw::clBlue);
  dropDown->SetFocusBorderColor(fw::clRed);
  ASSERT_TRUE(Focus(other));
  const HWND window = dropDown->Handle();
  EXPECT_EQ(WindowPixel(window, 0, 5), fw::clBlue);
  ASSERT_TRUE(Focus(dropDown));
  EXPECT_EQ(WindowPixel(window, 0, 5), fw::clRed);
  EXPECT_TRUE(dropDown->Button()->Button()->Focused());
  other->SetFocus();
  ASSERT_TRUE(WaitForFocus(other->Handle()));
  EXPECT_EQ(WindowPixel(window, 0, 5), fw::clBlue);
  EXPECT_EQ(WindowPixel(window, dropDown->Width() - 1, dropDown->Height() - 1), fw::clBlue);

  // Without colours a disabled control on a themed system shows a grey frame.
  const fw::ServiceDouble<bool()> themed(DropDownThemedControls, [] { return true; });
  auto* plain = MakeDropDown(fw::TRect{20, 150, 220, 171});
  ProcessMessages();
  plain->SetEnabled(false);
  plain->Repaint();
  ProcessMessages();
  EXPECT_EQ(WindowPixel(plain->Handle(), 0, 5), 0xC0C0C0);
}

}  // namespace
}  // namespace ui::testing
