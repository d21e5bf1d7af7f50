#include <gtest/gtest.h>

#include <cstring>

#include "boardapi/include/ventrixAPI.h"

namespace {

using VersionCall = ApiStatus (*)(char*, uint32_t*);
ApiStatus PlainVersion(char* buffer, uint32_t* size) { return ventrix_GetAPIVersion(buffer, size); }
ApiStatus TwinVersion(char* buffer, uint32_t* size) { return ventrix_GetAPIVersion_std(buffer, size); }

class VersionTest : public ::testing::TestWithParam<VersionCall> {};

TEST_P(VersionTest, ReadsTheVersionResourceWithSizeQueryAndTooSmallBuffer) {
  const VersionCall call = GetParam();
  uint32_t size = 0;
  EXPECT_EQ(call(nullptr, &size), API_OK);
  EXPECT_EQ(size, 10u);

  char buffer[16];
  std::memset(buffer, 'x', sizeof(buffer));
  size = 9;
  EXPECT_EQ(call(buffer, &size), API_ERR_BUFFER_TOO_SMALL);
  EXPECT_EQ(size, 9u);
  EXPECT_EQ(buffer[0], 'x');

  size = 10;
  EXPECT_EQ(call(buffer, &size), API_OK);
  EXPECT_STREQ(buffer, "1.10.13.0");
  EXPECT_EQ(size, 10u);

  EXPECT_EQ(call(buffer, nullptr), API_ERR_NULL_POINTER);
  EXPECT_EQ(call(nullptr, nullptr), API_ERR_NULL_POINTER);
}

INSTANTIATE_TEST_SUITE_P(PlainAndTwin, VersionTest, ::testing::Values(&PlainVersion, &TwinVersion));

}  // namespace
