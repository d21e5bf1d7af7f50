#include "components/net/send_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Pending(const net::TBuffer& buffer) {
  std::int32_t length = 0;
  const std::uint8_t* data = buffer.Peek(length);
  return data == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
}

TEST(SendBuffer, SizeZeroOrLessGivesTheDefaultChunk) {
  for (const std::int32_t size : {0, -5}) {
    net::TBuffer buffer(size);
    EXPECT_EQ(buffer.Size(), 1514) << size;
  }
}

TEST(SendBuffer, WriteTakesOnlyTheFreeRoomAndAFullBufferTakesNothing) {
  net::TBuffer buffer(5);
  EXPECT_EQ(buffer.Write("abc", 3), 3);
  EXPECT_EQ(buffer.Write("defg", 4), 2);
  EXPECT_EQ(buffer.Write("h", 1), 0);
  EXPECT_EQ(Pending(buffer), "abcde");
}

TEST(SendBuffer, RemoveBeyondThePendingBytesRemovesThemAndResetsBothCounts) {
  net::TBuffer buffer(8);
  buffer.Write("abcdef", 6);
  EXPECT_EQ(buffer.Remove(2), 2);
  EXPECT_EQ(Pending(buffer), "cdef");
  EXPECT_EQ(buffer.Remove(100), 4);
  EXPECT_EQ(buffer.WriteCount(), 0);
  EXPECT_EQ(buffer.ReadCount(), 0);
  std::int32_t length = -1;
  EXPECT_EQ(buffer.Peek(length), nullptr);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(buffer.Remove(1), 0);
  // The whole capacity is free again.
  EXPECT_EQ(buffer.Write("12345678", 8), 8);
}

TEST(SendBuffer, ResizeKeepsPendingBytesAndRefusesToCutThem) {
  net::TBuffer buffer(4);
  buffer.Write("wxyz", 4);
  buffer.Remove(1);
  buffer.Resize(10);
  EXPECT_EQ(buffer.Size(), 10);
  EXPECT_EQ(Pending(buffer), "xyz");
  EXPECT_EQ(buffer.Write("12", 2), 2);
  EXPECT_EQ(Pending(buffer), "xyz12");

  buffer.Resize(3);  // below the write count of 6: refused
  EXPECT_EQ(buffer.Size(), 10);
  EXPECT_EQ(Pending(buffer), "xyz12");
}

}  // namespace
