// The axis arithmetic as tables: calibration and null zones, reverse, combination, smoothing, the speed
// factors, dimmer values, speedbrake and flaps.
#include <gtest/gtest.h>

#include <vector>

#include "controller/app/axis_arithmetic.h"

namespace trelvik::testing {
namespace {

AxisAssignment Input(std::int32_t value, bool reverse = false, std::int32_t low = -16383, std::int32_t high = 16383,
                     std::int32_t nullZone = 300) {
  return AxisAssignment{1, 1, value, low, high, nullZone, reverse};
}

TEST(AxisArithmeticTest, PositionsBecomeValuesAroundTheCentre) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {0, -16383}, {1, -16383}, {32766, 0}, {32767, 0}, {65535, 16384}, {-1, -16384}, {-3, -16385}};
  for (const auto& [position, value] : cases) EXPECT_EQ(AxisValueFromPosition(position), value) << position;
}

TEST(AxisArithmeticTest, CentredInputsHaveANullZoneAndLimits) {
  struct Case {
    AxisAssignment axis;
    std::int32_t expected;
  };
  const Case cases[] = {
      {Input(200), 0},          {Input(300), 0},           {Input(-300), 0},
      {Input(301), 301},        {Input(-301), -301},       {Input(8000), 8000},
      {Input(-8000), -8000},    {Input(16384), 16383},     {Input(-20000), -16383},
      // Reverse mirrors the input around the centre.
      {Input(8000, true), -8000}, {Input(-8000, true), 8000}, {Input(200, true), 0},
      {Input(16384, true), -16383},
      // A narrower calibration scales up; the null zone is around its centre.
      {Input(5000, false, 0, 10000), 0},   {Input(5301, false, 0, 10000), 16383},
      {Input(2000, false, 0, 10000, 0), 6553},
      // No span: the input contributes nothing.
      {Input(5000, false, 100, 100), 0},   {Input(-5000, true, 100, 100), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalibratedAxis(c.axis, false), c.expected)
        << c.axis.value << " reverse " << c.axis.reverse << " " << c.axis.low << ".." << c.axis.high;
  }
}

TEST(AxisArithmeticTest, OneSidedInputsRunFromZeroToFull) {
  struct Case {
    AxisAssignment axis;
    std::int32_t expected;
  };
  const Case cases[] = {
      {Input(-16383), 0},     {Input(16383), 16383}, {Input(0), 8192},       {Input(1), 8192},
      {Input(-20000), 0},     {Input(20000), 16383}, {Input(-16383, true), 16383},
      {Input(16383, true), 0}, {Input(0, true), 8192}, {Input(3, false, 7, 7), 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CalibratedAxis(c.axis, true), c.expected) << c.axis.value << " reverse " << c.axis.reverse;
  }
}

TEST(AxisArithmeticTest, CombinationTakesTheStrongerOfOneSignOrTheSumOfOpposites) {
  struct Case {
    std::vector<std::int32_t> values;  // elevator functions 20, 21, 22 in turn
    std::int32_t expected;
  };
  const Case cases[] = {
      {{5000, 8000}, 8000},         {{5000, -3000}, 2000},      {{-5000, -8000}, -8000},
      {{5000, 8000, 2000}, 8000},   {{-5000, -8000, -16383}, -16383}, {{16000, 9000, -400}, 15600},
      {{200}, 0},                   {{}, 0},
  };
  for (const Case& c : cases) {
    AxisRecords axes{};
    ResetAxisFunctions(axes);
    for (std::size_t i = 0; i < c.values.size(); ++i) axes[20 + i] = Input(c.values[i]);
    EXPECT_EQ(CombineAxis(axes, {20, 21, 22, 0}, false), c.expected) << c.values.size();
  }
  // A function without an axis counts as 0, whatever its value.
  AxisRecords axes{};
  ResetAxisFunctions(axes);
  axes[20] = Input(5000);
  axes[21] = Input(8000);
  axes[21].axis = 0;
  EXPECT_EQ(CombineAxis(axes, {20, 21, 0, 0}, false), 5000);
  // All four present and of one sign: the strongest.
  for (int f : {20, 21, 22, 23}) axes[static_cast<std::size_t>(f)] = Input(1000 * f);
  EXPECT_EQ(CombineAxis(axes, {20, 21, 22, 23}, false), 16383);
  for (int f : {20, 21, 22, 23}) axes[static_cast<std::size_t>(f)] = Input(1000 - 100 * f);
  EXPECT_EQ(CombineAxis(axes, {20, 21, 22, 23}, false), -1300);
}

TEST(AxisArithmeticTest, SmoothingHalvesTheDistanceUntilWithinAHalf) {
  std::vector<double> steps;
  double s = 0;
  for (int i = 0; i < 14; ++i) {
    s = AverageAxis(1000, s);
    steps.push_back(s);
  }
  EXPECT_EQ(steps[0], 500);
  EXPECT_EQ(steps[1], 750);
  EXPECT_EQ(steps[2], 875);
  EXPECT_EQ(steps[3], 937.5);
  EXPECT_DOUBLE_EQ(steps[10], 999.5117188);  // kept to 10 significant digits
  EXPECT_EQ(steps[11], 1000);  // within 0.5: the target itself
  EXPECT_EQ(AverageAxis(-16383, 16383), 0);
  EXPECT_EQ(AverageAxis(10.4, 10), 10.4);
}

TEST(AxisArithmeticTest, RudderFadesInAboveThirtyKnotsAndTillerOutBelowSixty) {
  const std::tuple<double, double, double> cases[] = {
      // knots, rudder, tiller
      {0, 1, 1},    {0.99, 1, 1},   {1, 0, 1},  {30, 0, 1},   {40, 0.34, 1}, {45, 0.51, 0.75},
      {59.4, 0.9996, 0.03}, {59.5, 1, 0.025}, {60, 1, 0}, {200, 1, 0},
  };
  for (const auto& [knots, rudder, tiller] : cases) {
    EXPECT_NEAR(RudderFactor(knots), rudder, 1e-9) << knots;
    EXPECT_NEAR(TillerFactor(knots), tiller, 1e-9) << knots;
  }
}

TEST(AxisArithmeticTest, DimmerValuesGoInStepsOfTen) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {-16383, 0}, {-15104, 0}, {-15103, 10}, {0, 120}, {16383, 250}, {16384, 250}};
  for (const auto& [value, sent] : cases) EXPECT_EQ(DimmerCommandValue(value), sent) << value;
}

TEST(AxisArithmeticTest, FlapDetentsOverTheLever) {
  // 737: nine detents over the default calibration.
  std::vector<std::int32_t> outputs;
  const double w = 32766.0 / 8;
  for (int k = 0; k <= 8; ++k) {
    outputs.push_back(FlapsOutput(Input(static_cast<std::int32_t>(-16383 + k * w)), false));
  }
  EXPECT_EQ(outputs, (std::vector<std::int32_t>{0, 2048, 4096, 6144, 8192, 10239, 12287, 14335, 16383}));
  struct Case {
    AxisAssignment flaps;
    bool b777;
    std::int32_t expected;
  };
  const Case cases[] = {
      {Input(-16383), true, 0},
      {Input(16383), true, 16383},
      {Input(-16383 + 4681 * 3), true, 7021},
      {Input(-16383, true), false, 16383},     // reversed
      {Input(16383, true), false, 0},
      {Input(-25000), false, 0},               // below the calibrated low end: flaps up, not full
      {Input(-25000, true), false, 16383},
      {Input(30000), false, 16383},            // above the high end: full
      {Input(1000, false, 500, 500), false, 0},  // no span
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FlapsOutput(c.flaps, c.b777), c.expected) << c.flaps.value << " reverse " << c.flaps.reverse;
  }
}

TEST(AxisArithmeticTest, SpeedbrakeArmsInItsBandAndRetractsBelowIt) {
  struct Case {
    std::int32_t value, arm;
    bool reverse;
    double previous, expected;
  };
  // Default calibration: s = 32766, a tenth of it 3276.6.
  const Case cases[] = {
      {-10000, -10000, false, 0, 4800},          // at the ARM position
      {-10000 + 3576, -10000, false, 0, 4800},   // the band reaches a tenth of the span and 300 beyond
      {-10000 - 3576, -10000, false, 0, 4800},
      {-10000 - 3577, -10000, false, 999, 0},    // below: retracted, not smoothed
      // Above the band: calibrated from the ARM position (one-sided) and smoothed from the previous value.
      {10000, -10000, false, 0, 7200.5},
      {10000, -10000, false, 16383, 15392},
      // Reversed: the band lies a tenth of |high + low| (0 here) above ARM; the rest above ARM less that
      // tenth is retracted, and below it the input is calibrated from ARM with reverse.
      {5000, 5000, true, 0, 4800},
      {5301, 5000, true, 0, 0},
      {-5000, 5000, true, 0, 7694},
  };
  for (const Case& c : cases) {
    AxisRecords axes{};
    ResetAxisFunctions(axes);
    axes[36] = Input(c.value, c.reverse, -16383, 16383, c.arm);
    const double next = SpeedbrakeSmoothed(axes, c.previous);
    EXPECT_DOUBLE_EQ(next, c.expected) << c.value << " arm " << c.arm << " reverse " << c.reverse;
    EXPECT_EQ(axes[36].low, -16383);  // the record keeps its calibration
  }
  EXPECT_EQ(SpeedbrakeOutput(4800), 4800);
  EXPECT_EQ(SpeedbrakeOutput(2.5), 2);
  EXPECT_EQ(SpeedbrakeOutput(-3), 0);
}

}  // namespace
}  // namespace trelvik::testing
