#include <cstring>
#include <string>
#include <vector>

#include "tests/boardapi_dll/fixtures/board_api_test.h"

namespace dlltest {
namespace {

using DeviceListTest = BoardApiTest;

TEST_F(DeviceListTest, SizeQueryExactBufferAndOneByteLess) {
  // Discovery order differs from serial order; the list is sorted by serial.
  AddBoard(0x03EA, "BBBB0002");
  AddBoard(0x1583, "AAAA0003");
  AddBoard(0x03E8, "0000CCC1");
  Open();

  uint32_t size = 0;
  ASSERT_EQ(ventrix_GetDeviceList(nullptr, &size, nullptr), API_OK);
  ASSERT_EQ(size, 13u * 3 + 1);

  std::vector<char> buffer(size + 8, 'x');
  uint32_t small = size - 1;
  EXPECT_EQ(ventrix_GetDeviceList(buffer.data(), &small, nullptr), API_ERR_BUFFER_TOO_SMALL);
  EXPECT_EQ(small, size - 1);
  EXPECT_EQ(buffer[0], 'x');

  uint32_t exact = size;
  ASSERT_EQ(ventrix_GetDeviceList(buffer.data(), &exact, nullptr), API_OK);
  EXPECT_EQ(exact, size);
  const char expected[] = "03E80000CCC1\0" "1583AAAA0003\0" "03EABBBB0002\0";
  EXPECT_EQ(std::memcmp(buffer.data(), expected, sizeof(expected)), 0);  // with the final NUL
  EXPECT_EQ(buffer[size], 'x');  // nothing past the caller's size

  // A larger buffer is zero-filled up to its given size.
  std::vector<char> large(64, 'x');
  uint32_t largeSize = 60;
  ASSERT_EQ(ventrix_GetDeviceList(large.data(), &largeSize, nullptr), API_OK);
  EXPECT_EQ(largeSize, size);
  EXPECT_EQ(std::memcmp(large.data(), expected, sizeof(expected)), 0);
  EXPECT_EQ(std::string(large.begin() + size, large.begin() + 60), std::string(60 - size, '\0'));
  EXPECT_EQ(large[60], 'x');

  EXPECT_EQ(ventrix_GetDeviceList(buffer.data(), nullptr, nullptr), API_ERR_NULL_POINTER);
}

TEST_F(DeviceListTest, ABoardClaimingReportsLongerThanTheLibrarysBuffersIsNotListed) {
  AddBoard(0x03E8, "00000001");
  Sim().AddBoard(kBoardVendor, 0x03E8, "00000002", "w");  // its 8-byte interface claims 65-byte reports
  Open();
  EXPECT_EQ(DeviceList(), std::vector<std::string>{DeviceName(0x03E8, "00000001")});
}

TEST_F(DeviceListTest, FilterMustHaveFourCharacters) {
  AddBoard(0x03E8, "00000001");
  Open();
  uint32_t size = 0;
  for (const char* filter : {"", "330", "330A0", "33"}) {
    EXPECT_EQ(ventrix_GetDeviceList(nullptr, &size, filter), API_ERR_BAD_FILTER) << filter;
  }
  // No board carries model ZZZZ (read as 00 00): the list is a single NUL.
  char buffer[4] = {'x', 'x', 'x', 'x'};
  size = sizeof(buffer);
  ASSERT_EQ(ventrix_GetDeviceList(buffer, &size, "ZZZZ"), API_OK);
  EXPECT_EQ(size, 1u);
  EXPECT_EQ(buffer[0], '\0');
}

TEST_F(DeviceListTest, ModelFilterInEitherCaseSortedBySerial) {
  SetModel(AddBoard(0x03E8, "00000009"), 0x33, 0x0A);
  SetModel(AddBoard(0x03EA, "00000002"), 0x33, 0x1A);
  SetModel(AddBoard(0x03EA, "00000001"), 0x33, 0x0A);
  AddBoard(0x03E8, "00000005");  // unprogrammed
  Open();
  const std::vector<std::string> model330A = {DeviceName(0x03EA, "00000001"), DeviceName(0x03E8, "00000009")};
  EXPECT_EQ(DeviceList("330a"), model330A);
  EXPECT_EQ(DeviceList("330A"), model330A);
  EXPECT_EQ(DeviceList("331A"), std::vector<std::string>{DeviceName(0x03EA, "00000002")});
  EXPECT_TRUE(DeviceList("0000").empty());
  EXPECT_EQ(DeviceList().size(), 4u);
  // An unknown name changes nothing for the filter.
  int32_t session = 0;
  EXPECT_EQ(ventrix_Bind("330A00000001", &session), API_ERR_NOT_FOUND);
  EXPECT_EQ(DeviceList("330A"), model330A);
}

TEST_F(DeviceListTest, EqualSerialsAppearOnce) {
  AddBoard(0x03E8, "00000005");
  AddBoard(0x03EA, "00000005");
  Open();
  EXPECT_EQ(DeviceList().size(), 1u);
  ventrix_CloseControllers();

  // Two boards with one key: the later stands in the list, the count is the layer's.
  Sim().Reset();
  AddBoard(0x03E8, "00000007");
  AddBoard(0x03E8, "00000007");
  Open();
  int32_t count = 0;
  ASSERT_EQ(ventrix_GetTotalControllers(&count), API_OK);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(DeviceList(), std::vector<std::string>{DeviceName(0x03E8, "00000007")});
  EXPECT_GT(Bind(DeviceName(0x03E8, "00000007")), 0);
}

}  // namespace
}  // namespace dlltest
