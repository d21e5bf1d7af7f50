// Integer texts as the main window, discovery and the switch handling read and write them.
#pragma once

#include <cstdint>
#include <string>

namespace trelvik {

// The integer value of text (decimal, or hexadecimal written "$1F"), 0 when it is no 32-bit integer.
std::int32_t strtoint_t(const std::string& text);

// The decimal text of value with pad put in front until it is at least width characters long. A pad of
// more than one character may overshoot the width; an empty pad is taken as a blank.
std::string int_to_str(std::int32_t value, std::int32_t width, const std::string& pad);

}  // namespace trelvik
