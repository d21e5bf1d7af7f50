// On/off arguments of the exports count only their low byte, and only a low byte of 1 is on.
#pragma once

#include <cstdint>

inline uint8_t OnOffByte(int32_t raw) { return static_cast<uint8_t>(raw & 0xFF); }
inline bool IsOn(int32_t raw) { return OnOffByte(raw) == 1; }
