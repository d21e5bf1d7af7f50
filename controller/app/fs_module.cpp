#include "controller/app/fs_module.h"

#include "framework/rtl/arith.h"
#include "framework/rtl/floattext.h"
#include "framework/rtl/intconv.h"

namespace trelvik {

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

void SplitAt(const std::string& s, const std::string& sep, std::string& left, std::string& right) {
  const std::string text = s;  // s may be right itself
  left.clear();
  right.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (sep.size() == 1 && text[i] == sep[0]) {
      right = text.substr(i + 1);
      return;
    }
    left += text[i];
  }
}

}  // namespace trelvik
