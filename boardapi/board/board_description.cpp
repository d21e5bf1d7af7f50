#include "boardapi/board/board_description.h"

#include <cstdio>

namespace {

// Memory addresses of the description fields.
constexpr int kAddressDataLines = 99;
constexpr int kAddressCapabilitiesLow = 101;
constexpr int kAddressDigits = 103;
constexpr int kAddressSwitches = 105;
constexpr int kAddressLeds = 123;
constexpr int kAddressFurther = 127;
constexpr int kAddressModel = 128;
constexpr int kAddressDate = 131;
constexpr int kAddressCapabilitiesHigh = 144;

constexpr int32_t kUnprogrammed = 0xFF;
// Model 331A carries the brightness driver and the single analog input whatever its memory says.
constexpr int32_t kModel331AFirst = 0x33;
constexpr int32_t kModel331ASecond = 0x1A;
constexpr int32_t kModel331AExtras = BOARD_CAP_BRIGHTNESS | BOARD_CAP_ANALOG;

struct Range {
  int32_t first = 0;
  int32_t last = 0;
};

struct MemoryImage {
  int32_t model[2] = {kUnprogrammed, kUnprogrammed};
  int32_t capabilities = 0;
  Range switches, leds, digits, dataLines;
  int32_t further = 0;
  int32_t date[3] = {};
};

bool ReadRange(const MemoryReader& read, int address, Range& range) {
  int32_t bytes[2] = {};
  if (!read(address, 2, bytes)) return false;
  range = {bytes[0], bytes[1]};
  return true;
}

bool ReadImage(const MemoryReader& read, MemoryImage& image) {
  int32_t model[2] = {};
  if (!read(kAddressModel, 2, model)) return false;
  if (model[0] != kUnprogrammed && model[1] != kUnprogrammed) {
    image.model[0] = model[0];
    image.model[1] = model[1];
  }

  int32_t low[2] = {};
  int32_t high[2] = {};
  if (!read(kAddressCapabilitiesLow, 2, low) || !read(kAddressCapabilitiesHigh, 2, high)) return false;
  const uint32_t bits = static_cast<uint32_t>(low[0]) | static_cast<uint32_t>(low[1]) << 8 |
                        static_cast<uint32_t>(high[0]) << 16 | static_cast<uint32_t>(high[1]) << 24;
  const bool blankModel = image.model[0] == kUnprogrammed && image.model[1] == kUnprogrammed;
  image.capabilities = (bits == 0xFFFFFFFFu && blankModel) ? 0 : static_cast<int32_t>(bits);

  if ((image.capabilities & BOARD_CAP_SWITCHES) && !ReadRange(read, kAddressSwitches, image.switches)) return false;
  if (image.capabilities & BOARD_CAP_LEDS) {
    if (!ReadRange(read, kAddressLeds, image.leds)) return false;
    // One byte cannot hold 256: a full matrix is stored as 1..255, or as a last LED of 0.
    if ((image.leds.first == 1 && image.leds.last == 255) || (image.leds.first != 0 && image.leds.last == 0)) {
      image.leds.last = 256;
    }
  }
  if ((image.capabilities & BOARD_CAP_7SEGMENT) && !ReadRange(read, kAddressDigits, image.digits)) return false;
  if ((image.capabilities & BOARD_CAP_DATALINES) && !ReadRange(read, kAddressDataLines, image.dataLines)) {
    return false;
  }
  return read(kAddressFurther, 1, &image.further) && read(kAddressDate, 3, image.date);
}

int32_t CountByLast(const Range& range) { return range.last != 0 ? range.last - range.first + 1 : 0; }

}  // namespace

bool ReadBoardDescription(const MemoryReader& read, BoardInfo& info) {
  MemoryImage image;
  if (!ReadImage(read, image)) return false;

  if (image.model[0] == kModel331AFirst && image.model[1] == kModel331ASecond) {
    image.capabilities |= kModel331AExtras;
  }
  info.ledCount = CountByLast(image.leds);
  info.firstLed = image.leds.first;
  info.lastLed = image.leds.last;
  info.switchCount = CountByLast(image.switches);
  info.firstSwitch = image.switches.first;
  info.lastSwitch = image.switches.last;
  info.digitCount = CountByLast(image.digits);
  info.firstDigit = image.digits.first;
  info.lastDigit = image.digits.last;
  // Unlike the others, a data-line range counts only when its first line is set.
  info.datalineCount = image.dataLines.first != 0 ? image.dataLines.last - image.dataLines.first + 1 : 0;
  info.firstDataline = image.dataLines.first;
  info.lastDataline = image.dataLines.last;
  info.capabilities = image.capabilities;
  info.further = image.further;
  std::snprintf(info.model, sizeof(info.model), "%.02X%.02X", static_cast<unsigned>(image.model[0]),
                static_cast<unsigned>(image.model[1]));

  const bool modelSet = image.model[0] != 0 && image.model[1] != 0;
  const bool datePlausible = image.date[0] < 100 && image.date[1] < 100 && image.date[2] < 100;
  if (modelSet && datePlausible) {
    std::snprintf(info.date, sizeof(info.date), "%.02d/%.02d/%.02d", static_cast<int>(image.date[0]),
                  static_cast<int>(image.date[1]), static_cast<int>(image.date[2]));
  }
  return true;
}
