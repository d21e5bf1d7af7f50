#include "components/input/axis_shaping.h"

#include <gtest/gtest.h>

#include "components/input/jstick.h"
#include "scripted_joystick.h"

using namespace input;

TEST(AxisNullZone, MapsPositionsAroundTheCentre) {
  struct Case {
    std::uint32_t min, max, percent, position, expected;
  };
  // 0..65535: half 32767; 10% zone 3276, so positions strictly inside 29491..36043 report the centre.
  const Case cases[] = {
      {0, 65535, 10, 32767, 32767}, {0, 65535, 10, 30000, 32767}, {0, 65535, 10, 36042, 32767},
      {0, 65535, 10, 29491, 32767},  // on the zone's edge: scaled from below, lands on the centre
      {0, 65535, 10, 1000, 1111},    // 1000 * 32767 / 29491
      {0, 65535, 10, 0, 0},          {0, 65535, 10, 65535, 65535},
      {0, 65535, 10, 40000, 37163},  // 32767 + ((40000 - 32767 - 3276) * 65535 / 29491) / 2
      {100, 1100, 10, 600, 555},     // half 500, zone 50: 500 + ((600 - 550) * 1000 / 450) / 2
      {0, 1, 10, 0, 0},              // a range below 2 has no room outside the zone: its centre
      {0, 1, 10, 1, 0},              {5, 5, 50, 77, 0},
  };
  for (const Case& c : cases) {
    const AxisRange range = MakeAxisRange(c.min, c.max);
    EXPECT_EQ(ApplyNullZone(c.position, range, NullZoneWidth(range, c.percent)), c.expected)
        << c.min << ".." << c.max << " at " << c.position;
  }
}

TEST(AxisShaping, RangeAndNormalisationInTruncatingArithmetic) {
  struct Case {
    std::uint32_t position, outputRange;
    bool useRange, normalize;
    std::int32_t expected;
  };
  const Case cases[] = {
      {40000, 1000, false, false, 40000},  {0, 1000, false, true, -32767},  {65535, 1000, false, true, 32768},
      {65535, 1000, true, false, 1000},    {32767, 1000, true, false, 499}, {32767, 1000, true, true, -1},
      {0, 1000, true, true, -500},         {65535, 1000, true, true, 500},
      {65535, 100000, true, false, 34462},  // 65535 * 100000 wraps to 32 bits before the division
  };
  const AxisRange range = MakeAxisRange(0, 65535);
  for (const Case& c : cases) {
    EXPECT_EQ(ShapeAxis(c.position, range, c.outputRange, c.useRange, c.normalize), c.expected)
        << c.position << " range " << c.outputRange << " use " << c.useRange << " normalize " << c.normalize;
  }
  EXPECT_EQ(MakeAxisRange(0, 0).Max, 1u) << "a maximum of 0 is taken as 1";
  EXPECT_FLOAT_EQ(AxisPercent(32767, range), 49.999237f);
}

namespace {

struct AxisEvents {
  std::mutex mutex;
  std::vector<std::vector<std::int32_t>> values;
  std::vector<float> percentX;
};

void PollAxes(TJstick* stick, ScriptedJoystick& joystick, int passes, AxisEvents& events) {
  stick->OnAxis = [&events](fw::TObject*, std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t r,
                            std::int32_t u, std::int32_t v, float pcX, float, float, float, float, float) {
    std::lock_guard lock(events.mutex);
    events.values.push_back({x, y, z, r, u, v});
    events.percentX.push_back(pcX);
  };
  stick->SetThreadIntensity(1);
  stick->SetEnablePolling(true);
  const bool reached = joystick.WaitForReads(passes + 2);
  stick->Free();
  ASSERT_TRUE(reached);
}

}  // namespace

TEST(JstickAxes, OneEventPerMovementThroughNullZoneAndShaping) {
  ScriptedJoystick joystick;
  joystick.SetCaps(ScriptedJoystick::Caps(0, 65535, JOYCAPS_HASZ));
  // R, U and V are not in the capabilities: they skip the null zone.
  joystick.SetScript({{}, {.x = 0, .y = 65535, .z = 40000, .r = 1000}, {.x = 0, .y = 65535, .z = 40000, .r = 1000}});
  AxisEvents events;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  PollAxes(stick, joystick, 3, events);
  ASSERT_EQ(events.values.size(), 1u);
  EXPECT_EQ(events.values[0], (std::vector<std::int32_t>{-500, 500, 67, -485, -1, -1}));
  EXPECT_FLOAT_EQ(events.percentX[0], 0.0f);
}

TEST(JstickAxes, FirstPassMayReportTheNullZoneWithoutMovement) {
  ScriptedJoystick joystick;
  joystick.SetScript({{.x = 30000}});  // inside the zone: adjusted to the centre, unlike the start read
  AxisEvents events;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetUseRange(false);
  PollAxes(stick, joystick, 3, events);
  ASSERT_EQ(events.values.size(), 1u);
  EXPECT_EQ(events.values[0][0], 0) << "a position inside the zone is the centre, 0 once normalised";
}

TEST(JstickAxes, WithoutNullZoneValuesPassRaw) {
  ScriptedJoystick joystick;
  joystick.SetScript({{}, {.x = 30000, .y = 100}});
  AxisEvents events;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetUseNullZone(false);
  stick->SetUseRange(false);
  stick->SetNormalizeAxis(false);
  PollAxes(stick, joystick, 2, events);
  ASSERT_EQ(events.values.size(), 1u);
  EXPECT_EQ(events.values[0], (std::vector<std::int32_t>{30000, 100, 32767, 32767, 32767, 32767}));
}
