#include "boardapi/board/segment_text.h"

#include <algorithm>

#include "boardapi/board/segment_font.h"

std::string FitSegmentText(const std::string& text, int digitCount, int alignment, char padding) {
  if (digitCount < 0) return text;
  const size_t fieldWidth = static_cast<size_t>(digitCount);
  const size_t points = std::min<size_t>(std::count(text.begin(), text.end(), '.'), fieldWidth);
  const size_t digits = text.size() - points;
  if (digits < fieldWidth) {
    const std::string pad(fieldWidth - digits, padding);
    return alignment == kAlignLeft ? text + pad : pad + text;
  }
  const size_t keep = std::min(text.size(), fieldWidth + points);
  return alignment == kAlignLeft ? text.substr(0, keep) : text.substr(text.size() - keep);
}

std::vector<SegmentDigit> LayoutSegmentText(int firstDigit, const std::string& text) {
  std::vector<SegmentDigit> digits;
  int column = firstDigit - 1;
  for (size_t i = 0; i < text.size(); ++i) {
    uint8_t segments = SegmentFont(text[i]);
    if (i + 1 < text.size() && text[i + 1] == '.') {
      // Adding (not or-ing) the point: a point that follows a lone point darkens it again.
      segments = static_cast<uint8_t>(segments + kSegmentPoint);
      ++i;
    }
    digits.push_back({column++, segments});
  }
  return digits;
}
