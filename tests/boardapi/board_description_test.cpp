// BoardInfo from configuration-memory images: counts, ranges, the LED-count rules, model 331A, the date rules,
// unprogrammed memory, and a failed read.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "boardapi/board/board_description.h"

namespace {

using Image = std::array<uint8_t, 256>;

struct ImageBuilder {
  Image image;
  ImageBuilder() { image.fill(0xFF); }
  ImageBuilder& At(int address, std::initializer_list<uint8_t> bytes) {
    for (uint8_t byte : bytes) image[address++] = byte;
    return *this;
  }
  ImageBuilder& Model(uint8_t first, uint8_t second) { return At(128, {first, second}); }
  ImageBuilder& Capabilities(uint32_t bits) {
    return At(101, {uint8_t(bits), uint8_t(bits >> 8)}).At(144, {uint8_t(bits >> 16), uint8_t(bits >> 24)});
  }
  ImageBuilder& Switches(uint8_t first, uint8_t last) { return At(105, {first, last}); }
  ImageBuilder& Leds(uint8_t first, uint8_t last) { return At(123, {first, last}); }
  ImageBuilder& Digits(uint8_t first, uint8_t last) { return At(103, {first, last}); }
  ImageBuilder& DataLines(uint8_t first, uint8_t last) { return At(99, {first, last}); }
  ImageBuilder& Further(uint8_t value) { return At(127, {value}); }
  ImageBuilder& Date(uint8_t a, uint8_t b, uint8_t c) { return At(131, {a, b, c}); }
};

// A board of model 330A with every range feature, LEDs 1..255 meaning all 256.
ImageBuilder FullBoard() {
  return ImageBuilder()
      .Model(0x33, 0x0A)
      .Capabilities(0x12501)
      .Switches(1, 64)
      .Leds(1, 255)
      .Digits(1, 40)
      .DataLines(1, 32)
      .Further(7)
      .Date(21, 6, 9);
}

struct Expect {
  BoardInfo info{};
  Expect(const char* model, int32_t capabilities, int32_t further, const char* date = "") {
    std::strcpy(info.model, model);
    std::strcpy(info.date, date);
    info.capabilities = capabilities;
    info.further = further;
  }
  Expect& Leds(int32_t count, int32_t first, int32_t last) {
    info.ledCount = count, info.firstLed = first, info.lastLed = last;
    return *this;
  }
  Expect& Switches(int32_t count, int32_t first, int32_t last) {
    info.switchCount = count, info.firstSwitch = first, info.lastSwitch = last;
    return *this;
  }
  Expect& Digits(int32_t count, int32_t first, int32_t last) {
    info.digitCount = count, info.firstDigit = first, info.lastDigit = last;
    return *this;
  }
  Expect& DataLines(int32_t count, int32_t first, int32_t last) {
    info.datalineCount = count, info.firstDataline = first, info.lastDataline = last;
    return *this;
  }
};

Expect FullBoardInfo() {
  return Expect("330A", 0x12501, 7, "21/06/09").Switches(64, 1, 64).Leds(256, 1, 256).Digits(40, 1, 40).DataLines(
      32, 1, 32);
}

MemoryReader ReaderOf(const Image& image, int failAt = -1) {
  return [&image, failAt](int address, int count, int32_t* bytes) {
    if (address == failAt) return false;
    for (int i = 0; i < count; ++i) bytes[i] = image[address + i];
    return true;
  };
}

struct Case {
  const char* name;
  Image image;
  BoardInfo expected;
};

class BoardDescriptionTest : public ::testing::TestWithParam<Case> {};

TEST_P(BoardDescriptionTest, BuildsTheDescriptionByteForByte) {
  BoardInfo info{};
  ASSERT_TRUE(ReadBoardDescription(ReaderOf(GetParam().image), info));
  const auto* actual = reinterpret_cast<const uint8_t*>(&info);
  const auto* expected = reinterpret_cast<const uint8_t*>(&GetParam().expected);
  for (size_t i = 0; i < sizeof(BoardInfo); ++i) EXPECT_EQ(actual[i], expected[i]) << "offset " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Images, BoardDescriptionTest,
    ::testing::Values(
        Case{"FullBoard", FullBoard().image, FullBoardInfo().info},
        Case{"LastLedZeroMeansAll", FullBoard().Leds(9, 0).image, FullBoardInfo().Leds(248, 9, 256).info},
        Case{"NoLedsWhenLastIsZeroAndFirstToo", FullBoard().Leds(0, 0).image, FullBoardInfo().Leds(0, 0, 0).info},
        Case{"LedsFromZeroKeepTheirLast", FullBoard().Leds(0, 255).image, FullBoardInfo().Leds(256, 0, 255).info},
        Case{"DataLinesCountOnlyFromAFirstLine", FullBoard().DataLines(0, 16).image,
             FullBoardInfo().DataLines(0, 0, 16).info},
        Case{"Model331AGainsBrightnessAndAnalog", FullBoard().Model(0x33, 0x1A).Capabilities(0x100).image,
             Expect("331A", 0x30100, 7, "21/06/09").Leds(256, 1, 256).info},
        Case{"DatePartOf100LeavesNoDate", FullBoard().Date(21, 100, 9).image,
             Expect("330A", 0x12501, 7).Switches(64, 1, 64).Leds(256, 1, 256).Digits(40, 1, 40).DataLines(32, 1, 32)
                 .info},
        Case{"ZeroModelByteLeavesNoDate", FullBoard().Model(0x33, 0x00).Capabilities(0).image,
             Expect("3300", 0, 7).info},
        Case{"RangesOfAbsentFeaturesAreZero", FullBoard().Capabilities(0x4000).image,
             Expect("330A", 0x4000, 7, "21/06/09").info},
        Case{"UnprogrammedMemory", ImageBuilder().image, Expect("FFFF", 0, 0xFF).info},
        Case{"HalfProgrammedModelReadsAsUnprogrammed", ImageBuilder().Model(0x33, 0xFF).image,
             Expect("FFFF", 0, 0xFF).info}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(BoardDescription, AFailedReadLeavesTheDescriptionAsItWas) {
  const Image image = FullBoard().image;
  for (int failAt : {128, 101, 144, 105, 123, 103, 99, 127, 131}) {
    BoardInfo info{};
    std::memset(&info, 0x5A, sizeof(info));
    EXPECT_FALSE(ReadBoardDescription(ReaderOf(image, failAt), info)) << failAt;
    for (size_t i = 0; i < sizeof(info); ++i) ASSERT_EQ(reinterpret_cast<uint8_t*>(&info)[i], 0x5A) << failAt;
  }
}

TEST(BoardDescription, AReloadKeepsAnEarlierDateWhenTheNewOneIsImplausible) {
  BoardInfo info{};
  ASSERT_TRUE(ReadBoardDescription(ReaderOf(FullBoard().image), info));
  const Image later = FullBoard().Date(0xFF, 1, 1).image;
  ASSERT_TRUE(ReadBoardDescription(ReaderOf(later), info));
  EXPECT_STREQ(info.date, "21/06/09");
}

}  // namespace
