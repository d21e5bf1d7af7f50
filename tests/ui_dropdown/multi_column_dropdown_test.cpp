// The multi-column drop-down with its list closed: the value and its text, the lookup list and
// IndexOfLookup, copying, the style table, and typing in the edit (auto-completion, Enter's exact match,
// Esc, the keys that complete nothing, the row moves).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/ui_dropdown/multi_column_test_support.h"

namespace ui::testing {
namespace {

using MultiColumnDropDownTest = MultiColumnTest;

TEST_F(MultiColumnDropDownTest, ItemIndexWritesTheLookupTextAndIgnoresRowsBeyondTheItems) {
  auto* list = MakeList({{"Apple", "red"}, {"Banana", "yellow"}, {}});
  struct Case {
    const char* name;
    int lookupColumn;
    int write;
    int index;
    std::string text;
  };
  const std::vector<Case> cases{
      {"a row", 0, 1, 1, "Banana"},
      {"the item count is ignored", 0, 3, 0, "Apple"},
      {"beyond it too", 0, 7, 0, "Apple"},
      {"-1 empties the text", 0, -1, -1, ""},
      {"an item without the line gives an empty text", 0, 2, 2, ""},
      {"another lookup column", 1, 1, 1, "yellow"},
      {"no lookup column", -1, 1, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list->SetLookupColumn(0);
    list->SetItemIndex(0);
    list->SetLookupColumn(c.lookupColumn);
    list->SetItemIndex(c.write);
    EXPECT_EQ(list->ItemIndex(), c.index);
    EXPECT_EQ(list->Text(), c.text);
  }
}

TEST_F(MultiColumnDropDownTest, TheLookupListFollowsTheItemsAtEndUpdate) {
  auto* list = MakeList({{"Apple"}, {}, {"Banana"}, {"banana"}}, 1);
  std::vector<std::string> lookup;
  for (int i = 0; i < list->LookupList()->Count(); ++i) lookup.push_back(list->LookupList()->Strings(i));
  EXPECT_EQ(lookup, (std::vector<std::string>{"Apple", "", "Banana", "banana"}));
  // Exact and case-sensitive; an item without the line never matches.
  EXPECT_EQ(list->IndexOfLookup("Banana"), 2);
  EXPECT_EQ(list->IndexOfLookup("banana"), 3);
  EXPECT_EQ(list->IndexOfLookup("BANANA"), -1);
  EXPECT_EQ(list->IndexOfLookup(""), -1);
  EXPECT_EQ(list->IndexOfLookup("Ban"), -1);

  list->Items()->Add()->Text()->Add("Cherry");
  EXPECT_EQ(list->LookupList()->Count(), 4);
  list->EndUpdate();
  ASSERT_EQ(list->LookupList()->Count(), 5);
  EXPECT_EQ(list->LookupList()->Strings(4), "Cherry");
  // Without a lookup column the list stays as it was.
  list->SetLookupColumn(-1);
  list->Items()->Clear();
  list->EndUpdate();
  EXPECT_EQ(list->LookupList()->Count(), 5);
  EXPECT_EQ(list->IndexOfLookup("Apple"), -1);
}

TEST_F(MultiColumnDropDownTest, AssignCopiesTheListSettingsColumnsItemsWithTextsAndTheIndexOnly) {
  auto* source = MakeList({{"Apple", "red"}, {"Banana", "yellow"}});
  source->SetCaseSensitive(true);
  source->SetDropDownAutoWidth(false);
  source->SetDropDownRowHeight(30);
  source->SetLineColor(0x010203);
  source->SetFixedLineColor(0x040506);
  source->SetColumnSizing(true);
  source->SetColumnSizeWithDropDown(false);
  source->Columns()->Items(1)->SetHeader("Colour");
  source->SetHeaderColor(0x111111);
  source->SetHeaderColorTo(0x222222);
  source->SetHeaderHeight(31);
  source->HeaderFont()->SetSize(15);
  source->SetLookupColumn(1);
  source->SetSelectionTextColor(0x333333);
  source->Items()->Items(1)->SetImageIndex(6);
  source->SetItemIndex(1);

  auto* target = MakeDropDown<TVxMultiColumnDropDown>();
  target->Assign(source);
  EXPECT_TRUE(target->CaseSensitive());
  EXPECT_FALSE(target->DropDownAutoWidth());
  EXPECT_EQ(target->DropDownRowHeight(), 30);
  EXPECT_EQ(target->LineColor(), 0x010203u);
  EXPECT_EQ(target->FixedLineColor(), 0x040506u);
  EXPECT_TRUE(target->ColumnSizing());
  EXPECT_FALSE(target->ColumnSizeWithDropDown());
  ASSERT_EQ(target->Columns()->Count(), 2);
  EXPECT_EQ(target->Columns()->Items(1)->Header(), "Colour");
  EXPECT_EQ(target->HeaderColor(), 0x111111u);
  EXPECT_EQ(target->HeaderColorTo(), 0x222222u);
  EXPECT_EQ(target->HeaderHeight(), 31);
  EXPECT_EQ(target->HeaderFont()->Size(), 15);
  EXPECT_NE(target->HeaderFont(), source->HeaderFont());
  EXPECT_EQ(target->LookupColumn(), 1);
  EXPECT_EQ(target->SelectionTextColor(), 0x333333u);
  ASSERT_EQ(target->Items()->Count(), 2);
  EXPECT_EQ(target->Items()->Items(1)->Line(0), "Banana");
  EXPECT_EQ(target->Items()->Items(1)->Line(1), "yellow");
  EXPECT_EQ(target->Items()->Items(1)->ImageIndex(), 6);
  // The index is copied, the text is not rewritten.
  EXPECT_EQ(target->ItemIndex(), 1);
  EXPECT_EQ(target->Text(), "");
}

struct StyleCase {
  std::optional<int> style;  // none: as constructed
  fw::TColor headerColor;
  fw::TColor headerColorTo;
  fw::TColor headerFont;
  fw::TColor line;
  fw::TColor fixedLine;
  fw::TColor selectionText;
  fw::TColor selection;
  fw::TColor selectionTo;
};

TEST_F(MultiColumnDropDownTest, TheStyleTableAfterConstructionAndForSomeStyles) {
  const std::vector<StyleCase> cases{
      {{}, 0xFFFFFF, 0x808080, 0x723708, 0xF1EDEB, 0xD1BBA4, 0, 0xD7FFFD, 0x58D4FC},
      {0, 0xD68759, 0x933803, 0xFFFFFF, 0x962D00, 0x962D00, 0, 0xD7FFFD, 0x58D4FC},
      {6, fw::clBtnFace, fw::clBtnFace, 0, 0xC0C0C0, 0, fw::clHighlightText, fw::clHighlight, fw::clHighlight},
      {8, 0xFFFFFF, 0x808080, 0x723708, 0xF1EDEB, 0xD1BBA4, 0, 0xD7FFFD, 0x58D4FC},
      {10, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, 0xFCF2DA, 0, 0xFDF8F1, 0xFCEFD5},
      {11, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFBD6B8, 0, 0xFCEBDC, 0xFCDBC1},
      {13, 0xEDDBCD, fw::clNone, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0, 0x6CD0FF, 0x6CD0FF},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.style ? std::to_string(*c.style) : "constructed");
    auto* list = MakeDropDown<TVxMultiColumnDropDown>();
    if (c.style) list->SetComponentStyle(*c.style);
    EXPECT_EQ(list->HeaderColor(), c.headerColor);
    EXPECT_EQ(list->HeaderColorTo(), c.headerColorTo);
    EXPECT_EQ(list->HeaderFont()->Color(), c.headerFont);
    EXPECT_EQ(list->LineColor(), c.line);
    EXPECT_EQ(list->FixedLineColor(), c.fixedLine);
    EXPECT_EQ(list->SelectionTextColor(), c.selectionText);
    EXPECT_EQ(list->SelectionColor(), c.selection);
    EXPECT_EQ(list->SelectionColorTo(), c.selectionTo);
    list->Free();
  }
  // The other construction defaults.
  auto* list = MakeDropDown<TVxMultiColumnDropDown>();
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->LookupColumn(), 0);
  EXPECT_EQ(list->HeaderHeight(), 25);
  EXPECT_EQ(list->DropDownRowHeight(), 22);
  EXPECT_EQ(list->DropDownHeight(), 200);
  EXPECT_TRUE(list->DropDownAutoWidth());
  EXPECT_TRUE(list->ColumnSizeWithDropDown());
  EXPECT_TRUE(list->AutoSelect());
  ASSERT_NE(list->ListGrid(), nullptr);
  EXPECT_EQ(list->ListGrid()->Parent(), list->DropDownForm());
  EXPECT_EQ(list->Items()->GetOwner(), list);
  EXPECT_EQ(list->Columns()->GetOwner(), list);
}

TEST_F(MultiColumnDropDownTest, TypingCompletesFromTheLookupTextsAndKeyUpTakesTheRowsOwnCase) {
  auto* list = MakeList();
  ASSERT_TRUE(Focus(list));
  const HWND edit = list->Handle();
  KeyDown(edit, 'B');
  EXPECT_EQ(State(list), (EditState{"", 0, 0, -1}));
  Char(edit, 'b');
  EXPECT_EQ(State(list), (EditState{"banana", 1, 5, 1}));
  KeyUp(edit, 'B');
  EXPECT_EQ(State(list), (EditState{"Banana", 1, 5, 1}));

  // x replaces the selection; nothing starts with "bx": the typed text stays, the caret at its end.
  KeyDown(edit, 'X');
  Char(edit, 'x');
  EXPECT_EQ(State(list), (EditState{"Bx", 2, 0, 1}));
  KeyUp(edit, 'X');
  EXPECT_EQ(State(list), (EditState{"Bx", 2, 0, 1}));
}

TEST_F(MultiColumnDropDownTest, BackspaceDeleteAndEscapeCompleteNothing) {
  auto* list = MakeList({{"Apple"}, {"Banana"}, {"Bandana"}}, 1);
  ASSERT_TRUE(Focus(list));
  const HWND edit = list->Handle();
  Stroke(edit, 'B', 'B');
  Stroke(edit, 'A', 'a');
  Stroke(edit, 'N', 'n');
  ASSERT_EQ(State(list), (EditState{"Banana", 3, 3, 1}));

  // Backspace removes the completed part; the change that follows completes nothing.
  Stroke(edit, VK_BACK, '\b');
  EXPECT_EQ(State(list), (EditState{"Ban", 3, 0, 1}));
  // Delete likewise (the caret before the last character).
  list->SetSelStart(2);
  Stroke(edit, VK_DELETE);
  EXPECT_EQ(State(list), (EditState{"Ba", 2, 0, 1}));
  // Esc takes the row whose lookup text the edit shows (ignoring case); -1 and an empty text without one.
  Stroke(edit, VK_ESCAPE);
  EXPECT_EQ(State(list).ItemIndex, -1);
  EXPECT_EQ(list->Text(), "");
  list->SetText("bandana");
  Stroke(edit, VK_ESCAPE);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Bandana");
}

TEST_F(MultiColumnDropDownTest, EnterTakesTheRowWhoseLookupTextTheEditHolds) {
  auto* list = MakeList({{"Apple"}, {"Banana"}, {"Bandana"}}, 1);
  ASSERT_TRUE(Focus(list));
  int changes = 0;
  list->OnChange = [&](fw::TObject*) { ++changes; };
  list->SetText("BANDANA");
  changes = 0;
  Stroke(list->Handle(), VK_RETURN);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Bandana");
  EXPECT_GE(changes, 1);

  // No row holds the text: nothing changes.
  list->SetText("Band");
  Stroke(list->Handle(), VK_RETURN);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->Text(), "Band");
}

TEST_F(MultiColumnDropDownTest, TheEditsArrowAndPageKeysMoveTheRow) {
  Rows rows;
  for (int i = 0; i < 15; ++i) rows.push_back({"row " + std::to_string(i)});
  auto* list = MakeList(rows, 1);
  ASSERT_TRUE(Focus(list));
  struct Case {
    const char* name;
    bool editorEnabled;
    int from;
    WORD key;
    int to;
  };
  const std::vector<Case> cases{
      {"Down from none", true, -1, VK_DOWN, 0},
      {"Down", true, 3, VK_DOWN, 4},
      {"Down at the end", true, 14, VK_DOWN, 14},
      {"Up from none", true, -1, VK_UP, 0},
      {"Up at the start", true, 0, VK_UP, 0},
      {"Page down", true, 3, VK_NEXT, 13},
      {"Page down stops at the last", true, 8, VK_NEXT, 14},
      {"Page up stops at the first", true, 8, VK_PRIOR, 0},
      {"Page down from none", true, -1, VK_NEXT, 0},
      {"End with the editor on moves the caret only", true, 3, VK_END, 3},
      {"End with the editor off", false, 3, VK_END, 14},
      {"Home with the editor off", false, 3, VK_HOME, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list->SetEditorEnabled(c.editorEnabled);
    list->SetItemIndex(c.from);
    Stroke(list->Handle(), c.key);
    EXPECT_EQ(list->ItemIndex(), c.to);
    EXPECT_EQ(list->Text(), c.to < 0 ? "" : "row " + std::to_string(c.to));
  }
}

}  // namespace
}  // namespace ui::testing
