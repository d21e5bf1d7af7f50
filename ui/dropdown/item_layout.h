// Where a caption stands beside the image of an item or key: left or right of it, above or below it.
#pragma once

#include <cstdint>

namespace ui {

enum TItemLayout : std::uint8_t { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

}  // namespace ui
