// Segment patterns of the 7-segment digits: bit 0 segment a (top), bit 1 b (upper right), bit 2 c (lower right),
// bit 3 d (bottom), bit 4 e (lower left), bit 5 f (upper left), bit 6 g (middle), bit 7 the decimal point.
#pragma once

#include <cstdint>

constexpr uint8_t kSegmentPoint = 0x80;

// The pattern of one character; every character without a pattern (the space, bytes above 0x7F) is blank.
uint8_t SegmentFont(char character);
