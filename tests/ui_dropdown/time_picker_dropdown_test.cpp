// The time picker drop-down: its start-up text and mask, reading typed texts (complete, incomplete, padded,
// out of range, with seconds), stepping the part under the caret, the pop-up's watch and time-entry control,
// the keys of the open pop-up, the closing order and the events that must not fire.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/rtl/formatsettings.h"
#include "framework/services/keystate.h"
#include "tests/ui_dropdown/popup_test_support.h"
#include "tests/ui_dropdown/watch_test_support.h"
#include "ui/dropdown/time_picker_dropdown.h"

namespace ui {
namespace {

using Picker = TVxTimePickerDropDown;

fw::TDateTime Clock(int h, int m, int s = 0) { return fw::EncodeTime(h, m, s, 0); }

std::string Hms(fw::TDateTime t) {
  std::uint16_t h = 0, m = 0, s = 0, ms = 0;
  fw::DecodeTime(t, h, m, s, ms);
  char text[16];
  snprintf(text, sizeof text, "%02u:%02u:%02u", h, m, s);
  return text;
}

class TimePickerTest : public testing::PopupTest {
 public:
  static void SetUpTestSuite() { testing::SuiteGdiplus::Start(); }
  static void TearDownTestSuite() { testing::SuiteGdiplus::Stop(); }

 protected:
  void SetUp() override {
    PopupTest::SetUp();
    saved_ = fw::FormatSettings;
    fw::FormatSettings.TimeSeparator = ':';
  }
  void TearDown() override {
    fw::FormatSettings = saved_;
    PopupTest::TearDown();
  }
  // A picker on the shown form counting its OnTimeChange and OnChange events.
  Picker* MakePicker(bool editor = false) {
    auto* picker = MakeDropDown<Picker>();
    picker->OnTimeChange = [this](fw::TObject*) { ++timeChanges_; };
    picker->OnChange = [this](fw::TObject*) { ++textChanges_; };
    picker->SetEditorEnabled(editor);
    Form()->Show();
    ProcessMessages();
    return picker;
  }
  // Types the text into the emptied mask position by position through WM_CHAR; a blank leaves its
  // position empty.
  static void TypeOver(Picker* picker, const std::string& text) {
    picker->SetTextDirect("");
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == ' ' || text[i] == fw::FormatSettings.TimeSeparator) continue;
      Caret(picker, static_cast<int>(i));
      Chars(picker, std::string(1, text[i]));
    }
  }
  static void Caret(Picker* picker, int at) { SendMessageA(picker->Handle(), EM_SETSEL, at, at); }
  static void Key(Picker* picker, WORD key) { SendMessageA(picker->Handle(), WM_KEYDOWN, key, 0); }
  static void Chars(Picker* picker, const std::string& chars) {
    for (char c : chars) SendMessageA(picker->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }

  int timeChanges_ = 0;
  int textChanges_ = 0;
  fw::TFormatSettings saved_;
};

TEST_F(TimePickerTest, StartsAtMidnightBehindTheMaskWithItsDefaults) {
  Picker* picker = MakePicker();
  picker->SetEditorEnabled(true);  // MakePicker's choice; the constructor leaves it off
  auto* fresh = MakeDropDown<Picker>();
  EXPECT_FALSE(fresh->EditorEnabled());
  EXPECT_EQ(fresh->Text(), "00:00:00");
  EXPECT_EQ(fresh->EditMask(), "!90:00:00;1; ");
  EXPECT_EQ(fresh->Time(), 0);
  EXPECT_TRUE(fresh->ShowSeconds());
  EXPECT_FALSE(fresh->ShowTimePicker());
  EXPECT_TRUE(fresh->ShowWatchAMPM());
  EXPECT_TRUE(fresh->ShowWatchNumbers());
  EXPECT_TRUE(fresh->Animation());
  EXPECT_EQ(fresh->AnimationFactor(), 10);
  EXPECT_FALSE(fresh->DropDownHeader()->Visible());
  EXPECT_FALSE(fresh->DropDownFooter()->Visible());
  // The base's style step gave the appearance colour set 4.
  EXPECT_EQ(fresh->WatchAppearance()->BackgroundColor(), fw::TColor{0xFFEFE3});
  EXPECT_EQ(fresh->WatchAppearance()->HourPointer(), fw::TColor{0x723708});
  ASSERT_NE(fresh->Panel(), nullptr);
  ASSERT_NE(fresh->Watch(), nullptr);
  EXPECT_EQ(fresh->Watch()->Parent(), fresh->Panel());
  EXPECT_EQ(fresh->Control(), fresh->Panel());
  EXPECT_EQ(fresh->TimeEntry(), nullptr);

  // Without seconds the text and the mask lose the last part; the time is kept across the switch.
  picker->SetTime(Clock(13, 45));
  picker->SetShowSeconds(false);
  EXPECT_EQ(picker->Text(), "13:45");
  EXPECT_EQ(picker->EditMask(), "!90:00;1; ");
  picker->SetShowSeconds(true);
  EXPECT_EQ(picker->Text(), "13:45:00");
  EXPECT_EQ(Hms(picker->Time()), "13:45:00");

  // The program's separator.
  fw::FormatSettings.TimeSeparator = '.';
  auto* dotted = MakeDropDown<Picker>();
  EXPECT_EQ(dotted->Text(), "00.00.00");
  dotted->SetShowSeconds(false);
  EXPECT_EQ(dotted->Text(), "00.00");
  EXPECT_EQ(timeChanges_, 0);
}

TEST_F(TimePickerTest, TheTimeSetterRewritesTheTextWithoutOnTimeChange) {
  Picker* picker = MakePicker();
  picker->SetTime(Clock(7, 5, 9));
  EXPECT_EQ(picker->Text(), "07:05:09");
  EXPECT_GE(textChanges_, 1);  // the edit's change handling runs
  EXPECT_EQ(timeChanges_, 0);
  EXPECT_EQ(picker->FormatTime(1, 2, 3), "01:02:03");
  EXPECT_EQ(picker->FormatTime(12, 34, 56), "12:34:56");
}

TEST_F(TimePickerTest, CompleteTypedTextsAreReadAndOthersLeaveTheTimeAlone) {
  struct Case {
    bool seconds;
    const char* typed;
    const char* time;  // the time afterwards; the start is 08:15:00
    const char* text;  // the text afterwards
  };
  const Case cases[] = {
      {false, "12:34", "12:34:00", "12:34"},
      {false, "07:5 ", "08:15:00", "07:5 "},     // trimmed it has 4 characters: not complete
      {false, "1 :00", "10:00:00", "10:00"},     // the blank reads "0" and a full hour is rewritten
      {false, "0 :30", "00:30:00", "0 :30"},     // not a full hour: the text stays as typed
      {false, " 9:00", "08:15:00", " 9:00"},     // a leading blank is trimmed away: 4 characters
      {false, "25:00", "08:15:00", "25:00"},     // no time of day: the time stays, nothing is raised
      {false, "12:60", "08:15:00", "12:60"},
      {false, "23:59", "23:59:00", "23:59"},
      {true, "12:34:56", "12:34:56", "12:34:56"},  // a complete text with seconds reaches the time
      {true, "23:59:59", "23:59:59", "23:59:59"},
      {true, "1 :00:00", "10:00:00", "10:00:00"},
      {true, "12:34:5 ", "08:15:00", "12:34:5 "},  // incomplete
      {true, "12:34:60", "08:15:00", "12:34:60"},
      {true, "24:00:00", "08:15:00", "24:00:00"},
  };
  // A failure in the change handling would reach the application from the window procedure.
  std::vector<std::string> reported;
  App().OnException = [&](fw::TObject*, fw::Exception& E) { reported.push_back(E.what()); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Picker* picker = MakePicker(true);
    picker->SetShowSeconds(c.seconds);
    picker->SetTime(Clock(8, 15));
    timeChanges_ = 0;
    TypeOver(picker, c.typed);
    EXPECT_EQ(Hms(picker->Time()), c.time);
    EXPECT_EQ(picker->Text(), c.text);
    EXPECT_EQ(timeChanges_, 0);  // typing never fires it
  }
  EXPECT_EQ(reported, std::vector<std::string>{});
  App().OnException = nullptr;
}

TEST_F(TimePickerTest, CharactersTypedIntoTheMaskReachTheTimeWithSeconds) {
  Picker* picker = MakePicker(true);
  ASSERT_TRUE(Focus(picker));
  Caret(picker, 0);
  Chars(picker, "14");
  EXPECT_EQ(picker->Text(), "14:00:00");
  EXPECT_EQ(Hms(picker->Time()), "14:00:00");
  Chars(picker, "3045");  // the separators are skipped
  EXPECT_EQ(picker->Text(), "14:30:45");
  EXPECT_EQ(Hms(picker->Time()), "14:30:45");
  EXPECT_EQ(timeChanges_, 0);
}

TEST_F(TimePickerTest, UpAndDownStepThePartUnderTheCaretWithoutCarrying) {
  struct Case {
    const char* start;
    int caret;
    WORD key;
    const char* time;
  };
  const Case cases[] = {
      {"12:34:56", 0, VK_UP, "11:34:56"},   {"12:34:56", 2, VK_UP, "11:34:56"},  // just before the separator
      {"12:34:56", 3, VK_DOWN, "12:35:56"}, {"12:34:56", 5, VK_UP, "12:33:56"},
      {"12:34:56", 6, VK_UP, "12:34:55"},   {"12:34:56", 8, VK_DOWN, "12:34:57"},
      {"00:10:10", 1, VK_UP, "23:10:10"},   {"23:10:10", 1, VK_DOWN, "00:10:10"},  // the hours wrap
      {"10:00:30", 3, VK_UP, "10:59:30"},   {"10:59:30", 4, VK_DOWN, "10:00:30"},  // no carry into the hour
      {"10:20:00", 7, VK_UP, "10:20:59"},   {"10:20:59", 7, VK_DOWN, "10:20:00"},  // nor into the minute
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " caret " + std::to_string(c.caret));
    Picker* picker = MakePicker(true);
    TypeOver(picker, c.start);
    ASSERT_EQ(Hms(picker->Time()), c.start);
    timeChanges_ = 0;
    Caret(picker, c.caret);
    Key(picker, c.key);
    EXPECT_EQ(Hms(picker->Time()), c.time);
    EXPECT_EQ(picker->Text(), c.time);
    EXPECT_EQ(timeChanges_, 1);
    EXPECT_EQ(picker->SelStart(), c.caret);  // the caret stays in its part
  }

  // Without seconds everything after the first separator is the minutes.
  Picker* picker = MakePicker(true);
  picker->SetShowSeconds(false);
  TypeOver(picker, "12:34");
  Caret(picker, 5);
  Key(picker, VK_UP);
  EXPECT_EQ(picker->Text(), "12:33");
  Caret(picker, 2);
  Key(picker, VK_DOWN);
  EXPECT_EQ(picker->Text(), "13:33");
}

TEST_F(TimePickerTest, PartSettersIgnoreTheCurrentValueAndValuesOutOfRange) {
  Picker* picker = MakePicker();
  picker->SetTime(Clock(10, 20, 30));
  picker->SetHourPart(10);
  picker->SetHourPart(24);
  picker->SetMinutePart(60);
  picker->SetSecondPart(-1);
  EXPECT_EQ(timeChanges_, 0);
  EXPECT_EQ(Hms(picker->Time()), "10:20:30");
  picker->SetHourPart(23);
  picker->SetMinutePart(0);
  picker->SetSecondPart(59);
  EXPECT_EQ(timeChanges_, 3);
  EXPECT_EQ(picker->Text(), "23:00:59");
}

TEST_F(TimePickerTest, EachDropDownGivesTheWatchTheAppearanceSettingsSwitchesAndTime) {
  Picker* picker = MakePicker();
  picker->SetTime(Clock(15, 20, 10));
  picker->SetShowWatchAMPM(false);
  picker->SetShowWatchNumbers(false);
  picker->SetAnimation(false);
  picker->SetAnimationFactor(4);
  picker->WatchAppearance()->SetHourMarkLength(9);
  picker->WatchSettings()->SetSecond(false);
  picker->SetDropDownColor(0x00ABCDEF);
  TDropDownForm* form = Open(picker);
  ASSERT_TRUE(picker->DroppedDown());
  TVxWatch* watch = picker->Watch();
  EXPECT_EQ(Hms(watch->Time()), "15:20:10");
  EXPECT_FALSE(watch->ShowAMPM());
  EXPECT_FALSE(watch->ShowNumbers());
  EXPECT_FALSE(watch->Animation());
  EXPECT_EQ(watch->AnimationFactor(), 4);
  EXPECT_EQ(watch->Appearance()->HourMarkLength(), 9);
  EXPECT_EQ(watch->Appearance()->BackgroundColor(), fw::TColor{0xFFEFE3});
  EXPECT_FALSE(watch->Settings()->Second());
  EXPECT_EQ(picker->Panel()->Color(), fw::TColor{0x00ABCDEF});
  // The panel's 170 x 170 and the border above and below it.
  EXPECT_EQ(form->Width(), 170);
  EXPECT_EQ(form->Height(), 170 + 2 * picker->DropDownBorderWidth());
  EXPECT_FALSE(form->CancelOnDeactivate());

  // A new colour set reaches the watch only at the next drop-down.
  picker->ApplyStyle(6);
  EXPECT_EQ(picker->WatchAppearance()->BackgroundColor(), fw::clBtnFace);
  EXPECT_EQ(watch->Appearance()->BackgroundColor(), fw::TColor{0xFFEFE3});
  picker->CloseUp(false);
  Open(picker);
  EXPECT_EQ(watch->Appearance()->BackgroundColor(), fw::clBtnFace);
  picker->CloseUp(false);
  EXPECT_EQ(timeChanges_, 0);
}

TEST_F(TimePickerTest, TheWatchDrivesTheTextWhileOpenAndEnterOrAClickOutsideKeepsItsTime) {
  struct Case {
    const char* how;
    WORD key;  // 0: a click outside (another window takes the activation)
  };
  for (const Case& c : {Case{"Enter", VK_RETURN}, Case{"outside", 0}}) {
    SCOPED_TRACE(c.how);
    Picker* picker = MakePicker();
    picker->SetAnimation(false);
    picker->SetTime(Clock(9, 30));
    TDropDownForm* form = Open(picker);
    ASSERT_TRUE(picker->DroppedDown());
    picker->Watch()->HandleKey(VK_PRIOR);  // an hour on
    EXPECT_EQ(picker->Text(), "10:30:00");
    EXPECT_EQ(Hms(picker->Time()), "10:30:00");
    if (c.key != 0) {
      PressKey(form->Handle(), c.key);
    } else {
      ASSERT_TRUE(ActivateOtherForm());
    }
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(Hms(picker->Time()), "10:30:00");
    EXPECT_EQ(picker->Text(), "10:30:00");
    EXPECT_EQ(timeChanges_, 0);  // watch changes fire it only with the time-entry control shown
  }
}

TEST_F(TimePickerTest, EscapePutsBackTheTextAndTheTimeThePopupOpenedWith) {
  Picker* picker = MakePicker();
  picker->SetAnimation(false);
  // A new control: the text was written by the control itself, never through the Text setter.
  TDropDownForm* form = Open(picker);
  picker->Watch()->HandleKey(VK_PRIOR);
  picker->Watch()->HandleKey(VK_RIGHT);
  EXPECT_EQ(picker->Text(), "01:01:00");
  PressKey(form->Handle(), VK_ESCAPE);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(picker->Text(), "00:00:00");
  EXPECT_EQ(Hms(picker->Time()), "00:00:00");
  EXPECT_EQ(Hms(picker->Watch()->Time()), "00:00:00");

  // After a value was set.
  picker->SetTime(Clock(18, 5, 7));
  Open(picker);
  picker->Watch()->HandleKey(VK_END);
  picker->Watch()->HandleKey(VK_NEXT);
  EXPECT_EQ(picker->Text(), "17:00:07");
  PressKey(form->Handle(), VK_ESCAPE);
  EXPECT_EQ(picker->Text(), "18:05:07");
  EXPECT_EQ(Hms(picker->Time()), "18:05:07");
  EXPECT_EQ(timeChanges_, 0);
}

TEST_F(TimePickerTest, EnterInTheEditWithThePopupClosedKeepsTheTypedTime) {
  Picker* picker = MakePicker(true);
  picker->SetAnimation(false);
  Open(picker);
  picker->Watch()->HandleKey(VK_HOME);
  picker->CloseUp(false);
  ASSERT_EQ(Hms(picker->Time()), "12:00:00");
  TypeOver(picker, "09:15:20");
  Key(picker, VK_RETURN);
  EXPECT_EQ(Hms(picker->Time()), "09:15:20");
  EXPECT_EQ(picker->Text(), "09:15:20");
}

TEST_F(TimePickerTest, PopupKeysStepTheWatchAndOnlyTheOthersReachTheEdit) {
  Picker* picker = MakePicker(true);  // with the editor off the edit would swallow every key
  picker->SetAnimation(false);
  picker->SetTime(Clock(9, 30));
  std::vector<WORD> reached;
  std::string pressed;
  picker->OnKeyDown = [&](fw::TObject*, WORD& Key, fw::TShiftState) { reached.push_back(Key); };
  picker->OnKeyPress = [&](fw::TObject*, char& Key) { pressed += Key; };
  Open(picker);
  struct Case {
    WORD key;
    const char* time;
    bool reachesEdit;
  };
  const Case cases[] = {
      {VK_PRIOR, "10:30:00", false}, {VK_NEXT, "09:30:00", false}, {VK_UP, "09:30:00", false},
      {VK_DOWN, "09:30:00", false},  {VK_RIGHT, "09:31:00", true}, {VK_LEFT, "09:30:00", true},
      {'P', "21:30:00", true},       {VK_HOME, "12:30:00", true},  {VK_END, "12:00:00", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    reached.clear();
    WORD key = c.key;
    picker->DropDownFormKeyDown(key, fw::TShiftState{});
    EXPECT_EQ(Hms(picker->Time()), c.time);
    EXPECT_EQ(reached.size(), c.reachesEdit ? 1u : 0u);
    reached.clear();
    picker->DropDownControlKeyDown(key, fw::TShiftState{});
    picker->DropDownControlKeyUp(key, fw::TShiftState{});
    EXPECT_EQ(reached.size(), c.reachesEdit ? 1u : 0u);
  }
  // With Alt the stepping keys go on to the edit.
  reached.clear();
  WORD up = VK_PRIOR;
  picker->DropDownControlKeyDown(up, fw::TShiftState{fw::ssAlt});
  EXPECT_EQ(reached, std::vector<WORD>{VK_PRIOR});

  // The characters of the stepping keys' codes stay out of the edit unless Alt is down.
  for (char c : std::string("!\"&(x")) picker->DropDownControlKeyPress(c);
  EXPECT_EQ(pressed, "x");
  {
    const fw::ServiceDouble<SHORT(int)> alt(fw::AsyncKeyState,
                                            [](int key) -> SHORT { return key == VK_MENU ? SHORT(-32768) : 0; });
    char bang = '!';
    picker->DropDownControlKeyPress(bang);
  }
  EXPECT_EQ(pressed, "x!");
  picker->CloseUp(false);
  EXPECT_EQ(timeChanges_, 0);
}

TEST_F(TimePickerTest, TheTimeEntryControlFollowsTheWatchAndFiresOnTimeChange) {
  Picker* picker = MakePicker();
  picker->SetAnimation(false);
  picker->SetShowTimePicker(true);
  picker->SetTime(Clock(6, 40, 20));
  TDropDownForm* form = Open(picker);
  fw::TDateTimePicker* entry = picker->TimeEntry();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->Kind(), fw::dtkTime);
  EXPECT_EQ(entry->Format(), "HH:mm:ss");
  EXPECT_EQ(entry->Parent(), picker->Panel());
  EXPECT_TRUE(entry->Visible());
  EXPECT_EQ(Hms(entry->Time()), "06:40:20");
  EXPECT_EQ(form->Height(), entry->Height() + 170 + 2 * picker->DropDownBorderWidth());

  // A change on the watch: the entry control and the value follow, and OnTimeChange fires once.
  picker->Watch()->HandleKey(VK_RIGHT);
  EXPECT_EQ(Hms(entry->Time()), "06:41:20");
  EXPECT_EQ(picker->Text(), "06:41:20");
  EXPECT_EQ(timeChanges_, 1);

  // A change in the entry control moves the watch; the value follows at the close.
  entry->SetTime(Clock(7, 5, 0));
  entry->OnChange(entry);
  EXPECT_EQ(Hms(picker->Watch()->Time()), "07:05:00");
  EXPECT_EQ(timeChanges_, 1);
  picker->CloseUp(false);
  EXPECT_EQ(Hms(picker->Time()), "07:05:00");
  EXPECT_EQ(timeChanges_, 1);

  // Without seconds the format is shorter; switched off, the control is hidden.
  picker->SetShowSeconds(false);
  Open(picker);
  EXPECT_EQ(entry->Format(), "HH:mm");
  picker->CloseUp(false);
  picker->SetShowTimePicker(false);
  Open(picker);
  EXPECT_FALSE(entry->Visible());
  picker->Watch()->HandleKey(VK_RIGHT);
  EXPECT_EQ(timeChanges_, 1);
  picker->CloseUp(false);
}

}  // namespace
}  // namespace ui
