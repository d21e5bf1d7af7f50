// The pure parts of switch reporting: assembling a reading from the key-matrix replies, the switch-by-switch
// hand-over, and whole-state decoding with the two encoders.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "boardapi/api/whole_state_decoder.h"
#include "boardapi/board/key_matrix_assembler.h"
#include "boardapi/board/per_switch_changes.h"

namespace {

using Words = std::array<uint16_t, 8>;
using Changes = std::vector<SwitchChange>;

struct Reply {
  uint8_t bytes[8];
};

TEST(SwitchNumbering, WordAndBitRoundTripForEverySwitch) {
  for (int32_t n = 1; n <= 128; ++n) {
    int word = -1, bit = -1;
    ASSERT_TRUE(SwitchWordBit(n, &word, &bit));
    EXPECT_EQ(SwitchNumberOf(word, bit), n);
  }
  int word = 0, bit = 0;
  for (int32_t n : {0, -1, 129, INT32_MIN, INT32_MAX}) EXPECT_FALSE(SwitchWordBit(n, &word, &bit)) << n;
  EXPECT_EQ(SwitchNumberOf(0, 8), 65);
  EXPECT_EQ(SwitchNumberOf(7, 15), 128);
  EXPECT_EQ(SwitchNumberOf(7, 7), 64);
}

TEST(KeyMatrixAssembler, BuildsTheWordsFromFourRepliesAndKeepsThemAcrossReadings) {
  KeyMatrixAssembler assembler;
  const Reply reading[] = {{{0x1A, 0x05, 0x06, 0x07, 0x08}},
                           {{0x1B, 0x11, 0x12, 0x13, 0x14}},
                           {{0x1C, 0x15, 0x16, 0x17, 0x18}},
                           {{0x19, 0x01, 0x02, 0x03, 0x04}}};
  using Step = KeyMatrixAssembler::Step;
  const Step steps[] = {Step::kPartial, Step::kPartial, Step::kPartial, Step::kCompleted};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(assembler.Apply(reading[i].bytes), steps[i]);
  EXPECT_EQ(assembler.Words(), (Words{0x1101, 0x1202, 0x1303, 0x1404, 0x1505, 0x1606, 0x1707, 0x1808}));

  // A reading of 0x19 alone changes only the low bytes of words 0-3.
  const Reply only19 = {{0x19, 0xF0, 0, 0, 0}};
  EXPECT_EQ(assembler.Apply(only19.bytes), Step::kCompleted);
  EXPECT_EQ(assembler.Words(), (Words{0x11F0, 0x1200, 0x1300, 0x1400, 0x1505, 0x1606, 0x1707, 0x1808}));
}

TEST(KeyMatrixAssembler, IgnoresHighBytesAfterAModeReportUntilTheNext19) {
  KeyMatrixAssembler assembler;
  const Reply mode = {{0x18, 1}};
  const Reply high0 = {{0x1B, 0xAA, 0xAA, 0xAA, 0xAA}};
  const Reply high4 = {{0x1C, 0xBB, 0xBB, 0xBB, 0xBB}};
  const Reply low4 = {{0x1A, 0x01, 0x01, 0x01, 0x01}};
  const Reply low0 = {{0x19, 0x02, 0x02, 0x02, 0x02}};
  EXPECT_EQ(assembler.Apply(mode.bytes), KeyMatrixAssembler::Step::kOther);
  for (const Reply* r : {&low4, &high0, &high4, &low0}) assembler.Apply(r->bytes);
  EXPECT_EQ(assembler.Words(), (Words{2, 2, 2, 2, 1, 1, 1, 1}));
  for (const Reply* r : {&high0, &high4, &low0}) assembler.Apply(r->bytes);
  EXPECT_EQ(assembler.Words(), (Words{0xAA02, 0xAA02, 0xAA02, 0xAA02, 0xBB01, 0xBB01, 0xBB01, 0xBB01}));
}

TEST(KeyMatrixAssembler, RemembersPartsNotYetHandedOver) {
  KeyMatrixAssembler assembler;
  const Reply low0 = {{0x19, 1}};
  const Reply low4 = {{0x1A, 1}};
  assembler.Apply(low0.bytes);
  EXPECT_FALSE(assembler.HasUnreportedParts());
  assembler.Apply(low4.bytes);
  EXPECT_TRUE(assembler.HasUnreportedParts());
  assembler.MarkHandedOver();
  EXPECT_FALSE(assembler.HasUnreportedParts());
}

Changes Ascending(int first, int last, std::initializer_list<int> closed) {
  Changes all;
  for (int n = first; n <= last; ++n) all.push_back({n, std::find(closed.begin(), closed.end(), n) != closed.end()});
  return all;
}

TEST(PerSwitchChanges, ReportsEverySwitchOfTheModeInitiallyThenOnlyChanges) {
  // Switches 3, 12 and 70 closed (70: word 0 bit 13).
  const Words closed3And12And70{0x2004, 0x0008, 0, 0, 0, 0, 0, 0};
  const Words plus5AndMinus12{0x2014, 0x0000, 0, 0, 0, 0, 0, 0};
  Changes mode2 = Ascending(1, 64, {3, 12});
  const Changes high = Ascending(65, 128, {70});
  mode2.insert(mode2.end(), high.begin(), high.end());
  struct Case {
    const char* name;
    Words last;
    Words now;
    int mode;
    bool initial;
    Changes expected;
  } cases[] = {
      {"initial mode 1 reports 1-64", Words{0xFFFF}, closed3And12And70, 1, true, Ascending(1, 64, {3, 12})},
      {"initial mode 2 reports 1-128", Words{}, closed3And12And70, 2, true, mode2},
      {"initial with nothing changed still reports", closed3And12And70, closed3And12And70, 1, true,
       Ascending(1, 64, {3, 12})},
      {"no change reports nothing", closed3And12And70, closed3And12And70, 2, false, {}},
      {"changes in switch order", closed3And12And70, plus5AndMinus12, 1, false, {{5, 1}, {12, 0}}},
      {"mode 1 ignores the high bytes", Words{}, Words{0x0100, 0, 0, 0, 0, 0, 0, 0x8000}, 1, false, {}},
      {"mode 2: low bytes of every word before the high bytes", Words{},
       Words{0x0100, 0, 0, 0, 0, 0, 0, 0x8080}, 2, false, {{64, 1}, {65, 1}, {128, 1}}},
  };
  for (const Case& c : cases) EXPECT_EQ(PerSwitchChanges(c.last, c.now, c.mode, c.initial), c.expected) << c.name;
}

TEST(DecodeWholeState, NamesChangesAndDecodesTheEncoders) {
  struct Case {
    const char* name;
    Words before;
    int32_t encoder1Before;
    uint16_t after[8];
    bool encoders;
    Changes expected;
    int32_t encoder1After;
    int32_t encoder2After;
  } cases[] = {
      {"only closed switches after enable", Words{}, 0, {0x0004, 0x0008}, true, {{3, 1}, {12, 1}}, 0, 0},
      {"equal words report nothing", Words{0x0004}, 0, {0x0004}, true, {}, 0, 0},
      {"high byte is 65 and up", Words{}, 0, {0x0100, 0, 0, 0, 0, 0, 0, 0}, true, {{65, 1}}, 0, 0},
      {"encoder 1: 000 to 011 is one report", Words{}, 0, {0, 0, 0, 0, 0, 0, 0, 0x03}, true, {{59, 1}}, 59, 0},
      {"encoder 1: 011 to 000 releases its switch", Words{0, 0, 0, 0, 0, 0, 0, 0x03}, 59, {}, true, {{59, 0}}, 59,
       0},
      {"encoder 1: 001 to 010 reports the new switch with bit 0's state", Words{0, 0, 0, 0, 0, 0, 0, 0x01}, 57,
       {0, 0, 0, 0, 0, 0, 0, 0x02}, true, {{58, 0}}, 58, 0},
      {"encoder 1: 111 is 63", Words{}, 0, {0, 0, 0, 0, 0, 0, 0, 0x07}, true, {{63, 1}}, 63, 0},
      {"encoder 2: 000 to 100 is 67", Words{}, 0, {0, 0, 0, 0, 0, 0, 0, 0x20}, true, {{67, 1}}, 0, 67},
      {"encoder 2: 111 is 70", Words{}, 0, {0, 0, 0, 0, 0, 0, 0, 0x38}, true, {{70, 1}}, 0, 70},
      {"both encoders and real 63, 64 in one reading", Words{}, 0, {0, 0, 0, 0, 0, 0, 0, 0xC9}, true,
       {{57, 1}, {64, 1}, {63, 1}, {64, 1}}, 57, 64},
      {"without encoders word 7 is six switches", Words{}, 0, {0, 0, 0, 0, 0, 0, 0, 0x21}, false,
       {{57, 1}, {62, 1}}, 0, 0},
  };
  for (const Case& c : cases) {
    Words bits = c.before;
    int32_t encoder1 = c.encoder1Before, encoder2 = 0;
    EXPECT_EQ(DecodeWholeState({bits, encoder1, encoder2}, c.after, c.encoders), c.expected) << c.name;
    EXPECT_TRUE(std::equal(bits.begin(), bits.end(), c.after)) << c.name;
    EXPECT_EQ(encoder1, c.encoder1After) << c.name;
    EXPECT_EQ(encoder2, c.encoder2After) << c.name;
  }
}

}  // namespace
