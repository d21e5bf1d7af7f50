// The track-bar drop-down: its defaults, the Up and Down steps at the range ends, dragging over the edit,
// the track bar filled at the opening and writing the edit text, clamping once the track bar exists, a
// close by deactivation keeping the number, and the text that is no number.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/dropdown_form.h"
#include "ui/dropdown/trackbar_dropdown.h"

namespace ui {
namespace {

using Bar = TVxTrackBarDropDown;

class TrackBarDropDownTest : public testing::PopupTest {
 protected:
  Bar* MakeBar() {
    Bar* bar = MakeDropDown<Bar>();
    bar->OnTrackChange = [this](fw::TObject*) { ++trackChanges; };
    Form()->Show();
    ProcessMessages();
    return bar;
  }
  void Key(Bar* bar, WORD key) { SendMessageA(bar->Handle(), WM_KEYDOWN, key, 0); }
  void Type(Bar* bar, const std::string& chars) {
    for (char c : chars) SendMessageA(bar->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  void Mouse(Bar* bar, UINT message, int x) { SendMessageA(bar->Handle(), message, 0, MAKELPARAM(x, 5)); }

  int trackChanges = 0;
};

TEST_F(TrackBarDropDownTest, Defaults) {
  Bar* bar = MakeBar();
  EXPECT_FALSE(bar->EditorEnabled());
  EXPECT_TRUE(bar->DropDownEnabled());
  EXPECT_EQ(bar->EditType(), TVxCustomDropDown::etInteger);
  EXPECT_FALSE(bar->DropDownHeader()->Visible());
  EXPECT_FALSE(bar->DropDownFooter()->Visible());
  EXPECT_TRUE(bar->ForcedShadow());
  EXPECT_EQ(bar->Min(), 0);
  EXPECT_EQ(bar->Max(), 10);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(bar->Frequency(), 1);
  EXPECT_EQ(bar->PageSize(), 2);
  EXPECT_EQ(bar->TrackBar(), nullptr);
  Open(bar);
  ASSERT_NE(bar->TrackBar(), nullptr);
  EXPECT_EQ(bar->TrackBar()->Parent(), bar->DropDownForm());
  bar->CloseUp(false);
}

TEST_F(TrackBarDropDownTest, UpAndDownStepByFrequencyWithinTheRange) {
  struct Case {
    const char* name;
    int frequency;
    int position;
    WORD key;
    int expected;
  };
  const Case cases[] = {
      {"Down at Max", 1, 10, VK_DOWN, 10},
      {"Up at Min", 1, 0, VK_UP, 0},
      {"Down raises", 1, 4, VK_DOWN, 5},
      {"Up lowers", 1, 4, VK_UP, 3},
      {"Down past Max is not taken", 3, 8, VK_DOWN, 8},
      {"Down to Max exactly", 3, 7, VK_DOWN, 10},
      {"Up below Min is not taken", 3, 2, VK_UP, 2},
  };
  Bar* bar = MakeBar();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bar->SetFrequency(c.frequency);
    bar->SetPosition(c.position);
    Key(bar, c.key);
    EXPECT_EQ(bar->Position(), c.expected);
  }
  // With the editor enabled the keys are the edit's.
  bar->SetFrequency(1);
  bar->SetPosition(5);
  bar->SetEditorEnabled(true);
  Key(bar, VK_DOWN);
  EXPECT_EQ(bar->Position(), 5);
}

TEST_F(TrackBarDropDownTest, DraggingMovesByPageSizePixels) {
  Bar* bar = MakeBar();
  bar->SetPosition(3);
  Mouse(bar, WM_LBUTTONDOWN, 50);
  Mouse(bar, WM_MOUSEMOVE, 55);
  EXPECT_EQ(bar->Position(), 5);
  for (int x = 56; x <= 60; ++x) Mouse(bar, WM_MOUSEMOVE, x);
  EXPECT_EQ(bar->Position(), 5) << "moves under PageSize pixels are dropped";
  Mouse(bar, WM_MOUSEMOVE, 54);
  EXPECT_EQ(bar->Position(), 2) << "leftwards, truncated toward zero";
  Mouse(bar, WM_LBUTTONUP, 54);
  Mouse(bar, WM_MOUSEMOVE, 90);
  EXPECT_EQ(bar->Position(), 2) << "the drag ended with the button";

  // Without a page size a drag changes nothing (and divides by nothing).
  bar->SetPageSize(0);
  Mouse(bar, WM_LBUTTONDOWN, 10);
  Mouse(bar, WM_MOUSEMOVE, 40);
  Mouse(bar, WM_LBUTTONUP, 40);
  EXPECT_EQ(bar->Position(), 2);
}

TEST_F(TrackBarDropDownTest, TheTrackBarShowsPositionAndWritesTheText) {
  Bar* bar = MakeBar();
  bar->SetPosition(4);
  TDropDownForm* form = Open(bar);
  ASSERT_TRUE(bar->DroppedDown());
  EXPECT_FALSE(form->CancelOnDeactivate());
  fw::TTrackBar* track = bar->TrackBar();
  EXPECT_EQ(track->Position(), 4);
  EXPECT_EQ(form->Width(), bar->Width());
  EXPECT_EQ(bar->Control(), track);

  // The user's step on the track bar (its own key) reaches the number, the text and the event.
  SendMessageA(track->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  ProcessMessages();
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(bar->Text(), "5");
  EXPECT_GE(trackChanges, 1);

  ASSERT_TRUE(ActivateOtherForm());
  EXPECT_FALSE(bar->DroppedDown());
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(bar->Text(), "5");

  // Once the track bar exists it keeps the values within its range.
  bar->SetPosition(25);
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(bar->Text(), "10");
}

TEST_F(TrackBarDropDownTest, BeforeTheFirstOpeningValuesAreStoredUnclampedAndTheTextWaits) {
  Bar* bar = MakeBar();
  bar->SetPosition(25);
  EXPECT_EQ(bar->Position(), 25);
  bar->SetPosition(4);
  Key(bar, VK_DOWN);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(bar->Text(), "0") << "the text follows only the track bar";
  EXPECT_EQ(trackChanges, 0);
}

TEST_F(TrackBarDropDownTest, ARangeWhollyAboveTheTrackBarsTakesEffectAtTheOpening) {
  Bar* bar = MakeBar();
  bar->SetMin(100);
  bar->SetMax(200);
  bar->SetPosition(150);
  Open(bar);
  ASSERT_NE(bar->TrackBar(), nullptr);
  EXPECT_EQ(bar->TrackBar()->Min(), 100);
  EXPECT_EQ(bar->TrackBar()->Max(), 200);
  EXPECT_EQ(bar->TrackBar()->Position(), 150);
  EXPECT_EQ(bar->Position(), 150);
  bar->CloseUp(false);
  ProcessMessages();
  // From now on the track bar refuses a crossed range and the control keeps its answer.
  bar->SetMax(50);
  EXPECT_EQ(bar->Max(), 200);
}

TEST_F(TrackBarDropDownTest, TheTypedTextSetsPositionUnlessItIsNoWholeNumber) {
  Bar* bar = MakeBar();
  bar->SetEditorEnabled(true);
  ASSERT_TRUE(Focus(bar));
  bar->SelectAll();
  Type(bar, "7");
  EXPECT_EQ(bar->Text(), "7");
  EXPECT_EQ(bar->Position(), 7);
  Type(bar, "\b");
  EXPECT_EQ(bar->Text(), "");
  EXPECT_EQ(bar->Position(), 7) << "an emptied editor";
}

}  // namespace
}  // namespace ui
