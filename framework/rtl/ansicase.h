// Case mapping by the system's ANSI code page (letters beyond ASCII included), as the locale-aware
// comparisons of lists and filters need it.
#pragma once

#include <string>
#include <string_view>

namespace fw {

std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);

}  // namespace fw
