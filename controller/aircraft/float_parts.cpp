#include "controller/aircraft/float_parts.h"

#include <string>

#include "framework/rtl/arith.h"
#include "framework/rtl/floattext.h"
#include "framework/rtl/intconv.h"

namespace aircraft {

std::int64_t FloatIntPart(double x) {
  const std::string text = fw::FloatToStr(x);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) return fw::StrToInt64(text.substr(0, point));
  return fw::Round(x);
}

double FloatFraction(double x) {
  if (x == 0) return 0;
  const double r = x - static_cast<double>(FloatIntPart(x));
  if (r > -1e-7 && r < 1e-7) return 0;
  return r;
}

}  // namespace aircraft
