// The undo recorder: changes and markers as items, trimming at MaxLevel by changes only, and the link
// between a grid and its recorder that each side drops when the other is freed.
#include <string>

#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/grid_undo_redo.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

using UndoRedoTest = fw::testing::StdControlTest;

// The items as a short text: a change is its column and new value, markers are "<" and ">".
std::string Describe(TVxGridUndoRedo* recorder) {
  std::string out;
  for (int i = 0; i < recorder->Items()->Count(); ++i) {
    const TUndoRedoItem* item = recorder->Items()->Items(i);
    if (item->SequenceStart) {
      out += "<";
    } else if (item->SequenceStop) {
      out += ">";
    } else {
      out += std::to_string(item->Col) + item->Value;
    }
  }
  return out;
}

TEST_F(UndoRedoTest, ChangesAndMarkersAreRecordedInOrder) {
  auto* recorder = fw::Create<TVxGridUndoRedo>(nullptr);
  recorder->BeginSequence();
  recorder->RecordChange(2, 5, "new", "old");
  recorder->EndSequence();
  EXPECT_EQ(Describe(recorder), "<2new>");
  EXPECT_EQ(recorder->Level(), 3);

  const TUndoRedoItem* change = recorder->Items()->Items(1);
  EXPECT_EQ(change->Row, 5);
  EXPECT_EQ(change->OrigValue, "old");
  EXPECT_FALSE(change->SequenceStart || change->SequenceStop);
  const TUndoRedoItem* marker = recorder->Items()->Items(0);
  EXPECT_EQ(marker->Col, -1);
  EXPECT_EQ(marker->Row, -1);
  EXPECT_TRUE(marker->Value.empty() && marker->OrigValue.empty());
  recorder->Free();
}

TEST_F(UndoRedoTest, MaxLevelTrimsTheOldestItemOnlyWhenAChangeIsRecorded) {
  struct Case {
    const char* name;
    const char* steps;  // digits record a change in that column, "<" and ">" the markers
    const char* items;
    int level;
  };
  const Case cases[] = {
      {"four changes keep the last three", "1234", "2a3a4a", 3},
      {"markers never trim; the third change drops the begin marker", "<123>", "1a2a3a>", 4},
      {"a change after markers drops the oldest of them", "<>1", "<>1a", 3},
      {"no limit", "12345", "1a2a3a4a5a", 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* recorder = fw::Create<TVxGridUndoRedo>(nullptr);
    recorder->SetMaxLevel(std::string(c.name) == "no limit" ? 0 : 3);
    for (const char* step = c.steps; *step != '\0'; ++step) {
      if (*step == '<') {
        recorder->BeginSequence();
      } else if (*step == '>') {
        recorder->EndSequence();
      } else {
        recorder->RecordChange(*step - '0', 0, "a", "");
      }
    }
    EXPECT_EQ(Describe(recorder), c.items);
    EXPECT_EQ(recorder->Level(), c.level);
    recorder->Free();
  }
}

TEST_F(UndoRedoTest, GridAndRecorderForgetEachOtherWhenFreed) {
  auto* recorder = fw::Create<TVxGridUndoRedo>(nullptr);
  auto* grid = Make<TVxStringGrid>();
  grid->SetUndoRedo(recorder);
  EXPECT_EQ(recorder->Grid(), grid);
  grid->Free();
  EXPECT_EQ(recorder->Grid(), nullptr);

  auto* other = Make<TVxStringGrid>();
  other->SetUndoRedo(recorder);
  EXPECT_EQ(recorder->Grid(), other);
  recorder->Free();
  EXPECT_EQ(other->UndoRedo(), nullptr);
}

TEST_F(UndoRedoTest, ARecorderMovedToAnotherGridStillClearsTheFirstWhenFreed) {
  auto* recorder = fw::Create<TVxGridUndoRedo>(nullptr);
  auto* first = Make<TVxStringGrid>();
  auto* second = Make<TVxStringGrid>();
  first->SetUndoRedo(recorder);
  second->SetUndoRedo(recorder);
  EXPECT_EQ(recorder->Grid(), second);
  recorder->Free();
  EXPECT_EQ(first->UndoRedo(), nullptr);
  EXPECT_EQ(second->UndoRedo(), nullptr);
}

}  // namespace
}  // namespace ui::testing
