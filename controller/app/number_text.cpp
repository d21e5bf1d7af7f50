#include "controller/app/number_text.h"

#include "framework/rtl/intconv.h"

namespace trelvik {

std::int32_t strtoint_t(const std::string& text) { return fw::StrToIntDef(text, 0); }

std::string int_to_str(std::int32_t value, std::int32_t width, const std::string& pad) {
  const std::string filler = pad.empty() ? std::string(" ") : pad;  // an empty pad would never grow the text
  std::string text = fw::IntToStr(value);
  while (static_cast<std::int64_t>(text.size()) < width) text = filler + text;
  return text;
}

}  // namespace trelvik
