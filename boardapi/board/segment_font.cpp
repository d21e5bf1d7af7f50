#include "boardapi/board/segment_font.h"

#include <array>

namespace {

struct Glyph {
  char character;
  uint8_t segments;
};

// The characters ! " # $ % & ' light the single segments a to g in turn.
constexpr Glyph kGlyphs[] = {
    {'!', 0x01}, {'"', 0x02}, {'#', 0x04}, {'$', 0x08}, {'%', 0x10}, {'&', 0x20}, {'\'', 0x40},
    {'-', 0x40}, {'.', 0x80}, {'_', 0x08},
    {'0', 0x3F}, {'1', 0x06}, {'2', 0x5B}, {'3', 0x4F}, {'4', 0x66},
    {'5', 0x6D}, {'6', 0x7D}, {'7', 0x07}, {'8', 0x7F}, {'9', 0x67},
    {'A', 0x77}, {'B', 0x7F}, {'C', 0x39}, {'D', 0x1F}, {'E', 0x79}, {'F', 0x71}, {'G', 0x3D},
    {'H', 0x76}, {'I', 0x06}, {'J', 0x1E}, {'K', 0x7A}, {'L', 0x38}, {'M', 0x15}, {'N', 0x37},
    {'O', 0x3F}, {'P', 0x73}, {'Q', 0x6B}, {'R', 0x33}, {'S', 0x6D}, {'T', 0x07}, {'U', 0x3E},
    {'V', 0x72}, {'W', 0x7E}, {'X', 0x64}, {'Y', 0x6E}, {'Z', 0x5B},
    {'a', 0x5F}, {'b', 0x7C}, {'c', 0x58}, {'d', 0x5E}, {'e', 0x7B}, {'f', 0x71}, {'g', 0x6F},
    {'h', 0x74}, {'i', 0x04}, {'j', 0x0E}, {'k', 0x75}, {'l', 0x30}, {'m', 0x14}, {'n', 0x54},
    {'o', 0x5C}, {'p', 0x73}, {'q', 0x67}, {'r', 0x50}, {'s', 0x6D}, {'t', 0x78}, {'u', 0x1C},
    {'v', 0x62}, {'w', 0x2A}, {'x', 0x64}, {'y', 0x6E}, {'z', 0x5B},
};

constexpr std::array<uint8_t, 128> BuildTable() {
  std::array<uint8_t, 128> table{};
  for (const Glyph& glyph : kGlyphs) table[static_cast<unsigned char>(glyph.character)] = glyph.segments;
  return table;
}

constexpr std::array<uint8_t, 128> kTable = BuildTable();

}  // namespace

uint8_t SegmentFont(char character) {
  const auto code = static_cast<unsigned char>(character);
  return code < kTable.size() ? kTable[code] : 0;
}
