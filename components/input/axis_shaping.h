// How the joystick component turns a raw multimedia axis position into the values of its axis event.
// All arithmetic is 32-bit and truncating, as the component has always computed it: no floating point
// except the percentage, no rounding.
#pragma once

#include <cstdint>

namespace input {

// One axis's range as the device's capabilities give it; a maximum of 0 is taken as 1.
struct AxisRange {
  std::uint32_t Min = 0;
  std::uint32_t Max = 1;
  // (Max - Min) / 2, unsigned and truncated: the centre, the range taken to start at 0.
  std::uint32_t Half() const { return (Max - Min) / 2; }
};

AxisRange MakeAxisRange(std::uint32_t min, std::uint32_t max);

// The dead zone of an axis: Half * NullZone / 100, truncated.
std::uint32_t NullZoneWidth(const AxisRange& range, std::uint32_t nullZonePercent);

// Maps a position through the dead zone around the centre (signed 32-bit arithmetic, products wrapped to
// their low 32 bits). An axis whose range is below 2 has no room outside its zone and reports its centre.
std::uint32_t ApplyNullZone(std::uint32_t position, const AxisRange& range, std::uint32_t zone);

// The value the axis event passes: the position, centred (NormalizeAxis), scaled to 0..OutputRange
// (UseRange), or both.
std::int32_t ShapeAxis(std::uint32_t position, const AxisRange& range, std::uint32_t outputRange, bool useRange,
                       bool normalize);

// The percentage the axis event passes: (position * 100) / Max, the product wrapped to 32 bits.
float AxisPercent(std::uint32_t position, const AxisRange& range);

}  // namespace input
