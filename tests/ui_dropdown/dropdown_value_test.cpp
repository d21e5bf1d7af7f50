// The drop-down's value editing on a real window: the Text setter and Precision per edit kind, characters
// typed through WM_CHAR, selections through EM_SETSEL, the clipboard messages, the clean-up when the focus
// leaves, and how many change events a keystroke raises.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/clipboard/clipboard.h"
#include "framework/controls/edit.h"
#include "framework/rtl/formatsettings.h"
#include "framework/services/keystate.h"
#include "tests/ui_dropdown/dropdown_test_support.h"

namespace ui::testing {
namespace {

// A descendant that chooses its edit kind, as the calculator and track-bar drop-downs do, and counts the
// processed characters and pastes and the change events.
class ValueDropDown : public TVxCustomDropDown {
 public:
  explicit ValueDropDown(fw::TComponent* AOwner) : TVxCustomDropDown(AOwner) {
    OnChange = [this](fw::TObject*) { ++Changes; };
  }
  using TVxCustomDropDown::SetEditType;
  int Edited = 0;
  int Changes = 0;

 protected:
  void TextEdited() override { ++Edited; }
};

// Each test runs with the full stop as decimal and the comma as thousands separator, put back afterwards.
class DropDownValueTest : public DropDownTest {
 public:
  void SetUp() override {
    DropDownTest::SetUp();
    saved_ = {fw::FormatSettings.DecimalSeparator, fw::FormatSettings.ThousandSeparator};
    SetSeparators('.', ',');
  }
  void TearDown() override {
    SetSeparators(saved_.first, saved_.second);
    DropDownTest::TearDown();
  }
  static void SetSeparators(char decimal, char thousands) {
    fw::FormatSettings.DecimalSeparator = decimal;
    fw::FormatSettings.ThousandSeparator = thousands;
  }

  // A drop-down of the kind with the given Precision and an empty text.
  ValueDropDown* MakeKind(int kind, int precision = 0) {
    auto* d = MakeDropDown<ValueDropDown>();
    d->SetEditType(kind);
    d->SetPrecision(precision);
    d->SetTextDirect("");
    d->Changes = 0;
    return d;
  }
  static void Type(ValueDropDown* d, const std::string& keys) {
    for (const char key : keys) SendMessageA(d->Handle(), WM_CHAR, static_cast<unsigned char>(key), 1);
  }
  static void Select(ValueDropDown* d, int start, int end) { SendMessageA(d->Handle(), EM_SETSEL, start, end); }
  static void Paste(ValueDropDown* d, const std::string& text) {
    fw::Clipboard()->SetAsText(text);
    SendMessageA(d->Handle(), WM_PASTE, 0, 0);
  }

 private:
  std::pair<char, char> saved_;
};

constexpr int kText = TVxCustomDropDown::etText;
constexpr int kInteger = TVxCustomDropDown::etInteger;
constexpr int kDecimal = TVxCustomDropDown::etDecimal;
constexpr int kGrouped = TVxCustomDropDown::etGrouped;

TEST_F(DropDownValueTest, TheTextSetterFillsAndFormatsNumericKinds) {
  struct Case {
    const char* name;
    int kind;
    int precision;
    const char* value;
    const char* expected;
  };
  const std::vector<Case> cases{
      {"empty text kind", kText, 0, "", ""},
      {"empty integer", kInteger, 0, "", "0"},
      {"empty decimal", kDecimal, 0, "", "0"},
      {"empty grouped", kGrouped, 0, "", "0"},
      {"empty decimal with decimals", kDecimal, 2, "", "0.00"},
      {"decimal formatted", kDecimal, 2, "1234.5", "1234.50"},
      {"grouped formatted", kGrouped, 2, "1234.5", "1,234.50"},
      {"grouped text read back", kGrouped, 1, "1,234.56", "1,234.6"},
      {"Error stays", kDecimal, 2, "Error", "Error"},
      {"not a number reads as 0", kDecimal, 2, "abc", "0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ValueDropDown* d = MakeKind(c.kind, c.precision);
    d->SetText(c.value);
    EXPECT_EQ(d->Text(), c.expected);
    EXPECT_EQ(d->OldText(), c.expected);
    EXPECT_FALSE(d->GetModifiedFlag());
    EXPECT_FALSE(d->Modified());
    d->Free();
  }
}

TEST_F(DropDownValueTest, APrecisionWriteRewritesTheValuePerKind) {
  struct Case {
    const char* name;
    int kind;
    const char* text;
    int precision;
    const char* expected;
    int storedPrecision;
  };
  const std::vector<Case> cases{
      {"decimal", kDecimal, "12.5", 2, "12.50", 2},
      {"decimal, fewer decimals", kDecimal, "12.345", 1, "12.3", 1},
      {"grouped keeps its grouped value", kGrouped, "1,234", 2, "1,234.00", 2},
      {"decimal, not a number", kDecimal, "1.2.3", 2, "0.00", 2},
      {"text kind", kText, "7", 1, "7.0", 1},
      {"integer ignores it", kInteger, "12", 2, "12", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ValueDropDown* d = MakeKind(c.kind);
    d->SetTextDirect(c.text);
    d->SetPrecision(c.precision);
    EXPECT_EQ(d->Text(), c.expected);
    EXPECT_EQ(d->Precision(), c.storedPrecision);
    d->Free();
  }
}

TEST_F(DropDownValueTest, ChoosingANumericKindReplacesATextItCannotRead) {
  auto* d = MakeDropDown<ValueDropDown>();
  d->SetText("12.5");
  d->SetEditType(kDecimal);
  EXPECT_EQ(d->Text(), "12.5");
  d->SetEditType(kInteger);
  EXPECT_EQ(d->Text(), "0");
  d->SetEditType(kText);
  d->SetText("abc");
  d->SetEditType(kGrouped);
  EXPECT_EQ(d->Text(), "0");
  EXPECT_DOUBLE_EQ(d->GetFloatValue(), 0);
}

TEST_F(DropDownValueTest, NumbersReadBackWithoutSeparators) {
  ValueDropDown* grouped = MakeKind(kGrouped);
  grouped->SetTextDirect("-1,234.");
  EXPECT_DOUBLE_EQ(grouped->GetFloatValue(), -1234);
  grouped->SetTextDirect("-");
  EXPECT_DOUBLE_EQ(grouped->GetFloatValue(), 0);
  ValueDropDown* decimal = MakeKind(kDecimal);
  for (const char* zero : {"", "Error", "-", "x1"}) {
    decimal->SetTextDirect(zero);
    EXPECT_DOUBLE_EQ(decimal->GetFloatValue(), 0) << zero;
  }
  decimal->SetFloatValue(2.4);
  EXPECT_EQ(decimal->Text(), "2");  // no decimals
  EXPECT_TRUE(decimal->GetModifiedFlag());
  decimal->SetPrecision(-1);
  decimal->SetFloatValue(0.125);
  EXPECT_EQ(decimal->Text(), "0.125");
  ValueDropDown* integer = MakeKind(kInteger);
  integer->SetIntValue(-42);
  EXPECT_EQ(integer->Text(), "-42");
  EXPECT_TRUE(integer->GetModifiedFlag());
}

TEST_F(DropDownValueTest, DecimalTypingKeepsToPrecision) {
  ValueDropDown* d = MakeKind(kDecimal, 2);
  Type(d, "12.34");
  EXPECT_EQ(d->Text(), "12.34");
  Type(d, "5");  // no third decimal at the end
  EXPECT_EQ(d->Text(), "12.34");
  Select(d, 4, 4);
  Type(d, "9");  // before the last decimal: overwrites it
  EXPECT_EQ(d->Text(), "12.39");
  Select(d, 1, 1);
  Type(d, ".");  // a second separator only moves the caret after the first
  EXPECT_EQ(d->Text(), "12.39");
  EXPECT_EQ(d->SelStart(), 3);
  Type(d, "a-");
  EXPECT_EQ(d->Text(), "12.39");
  EXPECT_TRUE(d->GetModifiedFlag());
  // The fifth decimal, the second separator and the "-" end without the hook; the letter reaches it.
  EXPECT_EQ(d->Edited, 7);
}

TEST_F(DropDownValueTest, DecimalSeparatorRules) {
  {
    SCOPED_TRACE("no decimals");
    ValueDropDown* d = MakeKind(kDecimal, 0);
    Type(d, "1.5");
    EXPECT_EQ(d->Text(), "15");
  }
  {
    SCOPED_TRACE("into an empty text");
    ValueDropDown* d = MakeKind(kDecimal, 2);
    Type(d, ".");
    EXPECT_EQ(d->Text(), "0.");
    EXPECT_EQ(d->SelStart(), 2);
    EXPECT_TRUE(d->GetModifiedFlag());
  }
  {
    SCOPED_TRACE("a thousands separator only 3 places from the next");
    ValueDropDown* d = MakeKind(kDecimal, 2);
    Type(d, "1,23,4");
    EXPECT_EQ(d->Text(), "1,234");
  }
  {
    SCOPED_TRACE("the comma as decimal separator: a full stop is neither");
    SetSeparators(',', ' ');
    ValueDropDown* d = MakeKind(kDecimal, 2);
    Type(d, "3.1,4");
    EXPECT_EQ(d->Text(), "31,4");
    SetSeparators('.', ',');
  }
}

TEST_F(DropDownValueTest, GroupedTypingRegroupsTheThousands) {
  ValueDropDown* d = MakeKind(kGrouped, 0);
  Type(d, "1234");
  EXPECT_EQ(d->Text(), "1,234");
  EXPECT_EQ(d->SelStart(), 5);
  Type(d, "56");
  EXPECT_EQ(d->Text(), "123,456");
  Select(d, 0, 0);
  Type(d, "9");
  EXPECT_EQ(d->Text(), "9,123,456");
  EXPECT_EQ(d->SelStart(), 2);  // moved by the one character the regrouping added
  Type(d, ".");  // no decimals: dropped
  EXPECT_EQ(d->Text(), "9,123,456");
}

TEST_F(DropDownValueTest, GroupedSeparatorOverTheWholeValueStartsAtZero) {
  ValueDropDown* d = MakeKind(kGrouped, 2);
  d->SetText("1234.5");
  ASSERT_EQ(d->Text(), "1,234.50");
  Select(d, 0, -1);
  Type(d, ".");
  EXPECT_EQ(d->Text(), "0.00");
  EXPECT_EQ(d->SelStart(), 2);
  EXPECT_EQ(d->SelLength(), 0);
}

TEST_F(DropDownValueTest, IntegerTypingAndPasting) {
  ValueDropDown* d = MakeKind(kInteger);
  Type(d, "1a2-3 ");
  EXPECT_EQ(d->Text(), "123");
  Paste(d, "12a");
  EXPECT_EQ(d->Text(), "123");
  Paste(d, "-4");
  EXPECT_EQ(d->Text(), "123");
  Select(d, 1, 3);
  Paste(d, "42");
  EXPECT_EQ(d->Text(), "142");
  EXPECT_EQ(d->SelStart(), 1);
  EXPECT_EQ(d->SelLength(), 2);
  EXPECT_TRUE(d->GetModifiedFlag());
  // Every character but the "-" reaches the hook (a refused letter too), and every paste.
  EXPECT_EQ(d->Edited, 8);
}

TEST_F(DropDownValueTest, PastesByKindAndMaxLength) {
  {
    SCOPED_TRACE("text kind within and beyond MaxLength");
    ValueDropDown* d = MakeKind(kText);
    d->SetMaxLength(5);
    Type(d, "abc");
    Paste(d, "xyz");
    EXPECT_EQ(d->Text(), "abc");
    Paste(d, "xy");
    EXPECT_EQ(d->Text(), "abcxy");
    EXPECT_EQ(d->SelStart(), 5);
    EXPECT_TRUE(d->GetModifiedFlag());
  }
  {
    SCOPED_TRACE("decimal kind: refused pastes keep the text and move the caret");
    ValueDropDown* d = MakeKind(kDecimal, 0);
    Type(d, "12");
    Select(d, 0, 0);
    Paste(d, "-");
    EXPECT_EQ(d->Text(), "12");
    EXPECT_EQ(d->SelStart(), 1);
    Paste(d, "1.5");
    EXPECT_EQ(d->Text(), "12");
    Paste(d, "x");
    EXPECT_EQ(d->Text(), "12");
    d->SetPrecision(2);
    Select(d, 0, -1);
    Paste(d, "7.5");
    EXPECT_EQ(d->Text(), "7.50");
    EXPECT_EQ(d->SelStart(), 0);
    EXPECT_EQ(d->SelLength(), 3);
  }
  {
    SCOPED_TRACE("grouped kind takes its own grouped text and selects the value");
    ValueDropDown* d = MakeKind(kGrouped, 0);
    Type(d, "1234");
    Paste(d, "5");
    EXPECT_EQ(d->Text(), "12,345");
    EXPECT_EQ(d->SelStart(), 0);
    EXPECT_EQ(d->SelLength(), 6);
  }
  {
    SCOPED_TRACE("read-only: nothing at all");
    ValueDropDown* d = MakeKind(kText);
    d->SetTextDirect("abc");
    d->SetReadOnly(true);
    Paste(d, "x");
    EXPECT_EQ(d->Text(), "abc");
    EXPECT_EQ(d->Edited, 0);
  }
}

TEST_F(DropDownValueTest, CutIsRefusedWhileReadOnlyOrTheEditorIsOff) {
  ValueDropDown* d = MakeKind(kText);
  d->SetTextDirect("abcdef");
  fw::Clipboard()->SetAsText("before");
  Select(d, 0, 3);
  d->SetReadOnly(true);
  SendMessageA(d->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(d->Text(), "abcdef");
  SendMessageA(d->Handle(), WM_COPY, 0, 0);
  EXPECT_EQ(fw::Clipboard()->AsText(), "abc");
  d->SetReadOnly(false);
  d->SetEditorEnabled(false);
  SendMessageA(d->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(d->Text(), "abcdef");
  d->SetEditorEnabled(true);
  Select(d, 3, 6);
  SendMessageA(d->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(d->Text(), "abc");
  EXPECT_EQ(fw::Clipboard()->AsText(), "def");
}

TEST_F(DropDownValueTest, EnterAndControlCharacters) {
  ValueDropDown* d = MakeKind(kInteger);
  d->SetTextDirect("5");
  std::vector<char> pressed;
  d->OnKeyPress = [&](fw::TObject*, char& Key) { pressed.push_back(Key); };
  Select(d, 1, 1);
  Type(d, "\r");
  EXPECT_EQ(pressed, std::vector<char>{'\r'});
  EXPECT_EQ(d->Text(), "5");
  {
    const fw::ServiceDouble<SHORT(int)> ctrl(fw::KeyState,
                                             [](int key) -> SHORT { return key == VK_CONTROL ? SHORT(0x8000) : 0; });
    // Ctrl+V pastes through the kind's rules.
    fw::Clipboard()->SetAsText("12a");
    Type(d, "\x16");
    EXPECT_EQ(d->Text(), "5");
    fw::Clipboard()->SetAsText("7");
    Type(d, "\x16");
    EXPECT_EQ(d->Text(), "57");
    // Ctrl+Enter gives a line feed, which would break the one-line value.
    Type(d, "\n");
    EXPECT_EQ(d->Text(), "57");
  }
}

TEST_F(DropDownValueTest, TypedCharactersAreDroppedWithTheEditorOff) {
  ValueDropDown* d = MakeKind(kText);
  d->SetTextDirect("abc");
  d->SetEditorEnabled(false);
  d->Changes = 0;
  Select(d, 3, 3);
  Type(d, "xy\b");
  EXPECT_EQ(d->Text(), "abc");
  EXPECT_EQ(d->Edited, 0);
  EXPECT_EQ(d->Changes, 0);
}

TEST_F(DropDownValueTest, OneChangeForEveryKeystrokeThatChangesTheText) {
  {
    SCOPED_TRACE("typing over the whole text");
    ValueDropDown* d = MakeKind(kText);
    Type(d, "abc");
    EXPECT_EQ(d->Changes, 3);
    Select(d, 0, -1);
    Type(d, "x");
    EXPECT_EQ(d->Text(), "x");
    EXPECT_EQ(d->Changes, 4);
  }
  {
    SCOPED_TRACE("deleting the whole selected text");
    ValueDropDown* d = MakeKind(kText);
    Type(d, "abc");
    Select(d, 0, -1);
    d->Changes = 0;
    Type(d, "\b");
    EXPECT_EQ(d->Text(), "");
    EXPECT_EQ(d->Changes, 1);
    Type(d, "q");  // nothing left over to swallow the next change
    EXPECT_EQ(d->Changes, 2);
  }
  {
    SCOPED_TRACE("a keystroke that regroups the thousands");
    ValueDropDown* d = MakeKind(kGrouped, 0);
    Type(d, "123");
    d->Changes = 0;
    Type(d, "4");
    EXPECT_EQ(d->Text(), "1,234");
    EXPECT_EQ(d->Changes, 1);
    Type(d, "5");
    EXPECT_EQ(d->Changes, 2);
    Select(d, 0, -1);
    Type(d, "7");
    EXPECT_EQ(d->Text(), "7");
    EXPECT_EQ(d->Changes, 3);
  }
}

TEST_F(DropDownValueTest, LeavingTheControlNormalisesTheValue) {
  auto* other = Make<fw::TEdit>(fw::TRect{20, 60, 120, 81});
  struct Case {
    const char* name;
    int kind;
    int precision;
    const char* text;
    const char* expected;
  };
  const std::vector<Case> cases{
      {"empty decimal with decimals", kDecimal, 2, "", "0.00"},
      {"decimal with decimals", kDecimal, 2, "3.1", "3.10"},
      {"empty decimal", kDecimal, 0, "", "0"},
      {"empty grouped", kGrouped, 1, "", "0.0"},
      {"empty integer", kInteger, 0, "", "0"},
      {"text kind", kText, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ValueDropDown* d = MakeKind(c.kind, c.precision);
    d->SetTextDirect(c.text);
    ASSERT_TRUE(Focus(d));
    ASSERT_TRUE(Focus(other));
    EXPECT_EQ(d->Text(), c.expected);
    d->Free();
  }

  // The rewrite of a decimal value keeps the modified flag as it was.
  ValueDropDown* d = MakeKind(kDecimal, 2);
  d->SetText("3.1");
  ASSERT_EQ(d->Text(), "3.10");
  d->SetTextDirect("3.1");
  ASSERT_TRUE(Focus(d));
  ASSERT_TRUE(Focus(other));
  EXPECT_EQ(d->Text(), "3.10");
  EXPECT_FALSE(d->GetModifiedFlag());
}

TEST_F(DropDownValueTest, TakingTheFocusPlacesTheCaret) {
  ValueDropDown* d = MakeKind(kDecimal, 2);
  d->SetText("12.5");
  d->SetAutoSelect(false);
  ASSERT_TRUE(Focus(d));
  EXPECT_EQ(d->SelStart(), 2);
  EXPECT_EQ(d->SelLength(), 0);
  auto* other = Make<fw::TEdit>(fw::TRect{20, 60, 120, 81});
  ASSERT_TRUE(Focus(other));
  d->SetAutoSelect(true);
  ASSERT_TRUE(Focus(d));
  EXPECT_EQ(d->SelStart(), 0);
  EXPECT_EQ(d->SelLength(), 5);
}

}  // namespace
}  // namespace ui::testing
