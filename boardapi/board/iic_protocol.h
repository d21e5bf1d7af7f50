// IIC reports of pipe 1 and the bus addresses on a board (8-bit form: bit 0 set for a read).
#pragma once

#include <cstdint>

#include "boardapi/board/controller.h"

constexpr uint8_t kReportIicMode = 0x01;
constexpr uint8_t kReportIicWrite = 0x02;
constexpr uint8_t kReportIicRead = 0x03;

// Flags of an IIC write: start and stop condition around 2 or 3 bytes; start only (sets a memory address).
constexpr uint8_t kIicWrite2 = 0xC2;
constexpr uint8_t kIicWrite3 = 0xC3;
constexpr uint8_t kIicWriteNoStop2 = 0x82;
constexpr uint8_t kIicReplyError = 0x80;  // byte 1 of a reply: not acknowledged / failed
constexpr uint8_t kIicReplyCountMask = 0x07;
constexpr int kIicReplyMaxData = 6;

constexpr int kMemoryDevices = 8;
constexpr int kServoControllers = 8;
constexpr int MemoryWriteAddress(int device) { return 0xA0 + 2 * (device - 1); }
constexpr int ServoAddress(int controller) { return 0x2E + 2 * controller; }

inline bool IsIicErrorReply(const Report& reply) {
  return (reply[0] == kReportIicWrite || reply[0] == kReportIicRead) && (reply[1] & kIicReplyError);
}
