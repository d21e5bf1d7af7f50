#include "components/input/axis_shaping.h"

namespace input {

namespace {

// The low 32 bits of a product, read as a signed value.
std::int32_t Wrap(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

}  // namespace

AxisRange MakeAxisRange(std::uint32_t min, std::uint32_t max) { return AxisRange{min, max == 0 ? 1u : max}; }

std::uint32_t NullZoneWidth(const AxisRange& range, std::uint32_t nullZonePercent) {
  return range.Half() * nullZonePercent / 100;
}

std::uint32_t ApplyNullZone(std::uint32_t position, const AxisRange& range, std::uint32_t zone) {
  const std::int32_t p = static_cast<std::int32_t>(position);
  const std::int32_t half = static_cast<std::int32_t>(range.Half());
  const std::int32_t width = static_cast<std::int32_t>(zone);
  const std::int32_t span = static_cast<std::int32_t>(range.Max - range.Min);
  const std::int64_t divisor = static_cast<std::int64_t>(half) - width;
  if (static_cast<std::int64_t>(half) - width < p && p < static_cast<std::int64_t>(half) + width) {
    return static_cast<std::uint32_t>(half);
  }
  if (divisor == 0) return static_cast<std::uint32_t>(half);
  if (p < half) {
    return static_cast<std::uint32_t>(Wrap(Wrap(static_cast<std::int64_t>(p) * half) / divisor));
  }
  const std::int32_t above = Wrap(static_cast<std::int64_t>(p) - half - width);
  const std::int32_t scaled = Wrap(Wrap(static_cast<std::int64_t>(above) * span) / divisor);
  return static_cast<std::uint32_t>(Wrap(static_cast<std::int64_t>(half) + scaled / 2));
}

std::int32_t ShapeAxis(std::uint32_t position, const AxisRange& range, std::uint32_t outputRange, bool useRange,
                       bool normalize) {
  if (!useRange) return static_cast<std::int32_t>(normalize ? position - range.Half() : position);
  const std::uint32_t scaled = (position * outputRange) / range.Max;
  return static_cast<std::int32_t>(normalize ? scaled - outputRange / 2 : scaled);
}

float AxisPercent(std::uint32_t position, const AxisRange& range) {
  const std::uint32_t product = position * 100u;
  return static_cast<float>(static_cast<double>(product) / static_cast<double>(range.Max));
}

}  // namespace input
