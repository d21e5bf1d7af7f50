// Hexadecimal reading shared by the model filters and the device-path test.
#pragma once

#include <cstdint>
#include <string_view>

// Upper or lower case, an optional leading "0X"; the first character that is not a hexadecimal digit ends the
// number. An empty text reads as 0.
uint32_t ParseHex(std::string_view text);
