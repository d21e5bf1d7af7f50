#include "boardapi/board/peripherals.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "boardapi/board/iic_protocol.h"

namespace {

constexpr uint8_t kAnalogInputAddress = 0xA8;
constexpr uint8_t kBrightnessResetAddress = 0x06;
constexpr uint8_t kBrightnessResetFirst = 0xA5;
constexpr uint8_t kBrightnessResetSecond = 0x5A;
constexpr int kBrightnessMode = 0;
constexpr uint8_t kBrightnessModeValue = 0x0F;
constexpr int kBrightnessConfigA = 12;
constexpr int kBrightnessConfigB = 13;
constexpr int kBrightnessFirstChannel = 2;
constexpr int kBrightnessChannels = 8;

constexpr int kAnalogInputNoBoard = -1;
constexpr int kBrightnessNoBoard = RPC_X_NULL_REF_POINTER;      // 1780
constexpr int kBankNoBoard = ERROR_DEVICE_NOT_CONNECTED;        // 1167

struct ConverterKind {
  uint8_t address;
  uint8_t selectLimit;
};
// Converter types come in pairs sharing an address.
ConverterKind KindOf(int type) {
  if (type <= 1) return {0xC8, 6};
  if (type <= 3) return {0xDA, 14};
  return {0xCA, 22};
}

// The bank's two converters: a 24-channel one at 0xCA and an 8-channel one at 0xC8.
constexpr int kFirstConverterType = 4;
constexpr int kFirstConverterSelect = 23;
constexpr int kSecondConverterType = 0;
constexpr int kSecondConverterSelect = 7;

}  // namespace

IicPeripheral::IicPeripheral(BoardHolder& holder) : holder_(holder) {
  CventrixController* board = Board();
  if (board != nullptr && !board->IsIicEnabled()) enabledHere_ = board->SetIicMode(true);
}

IicPeripheral::~IicPeripheral() {
  CventrixController* board = Board();
  if (enabledHere_ && board != nullptr) board->SetIicMode(false);
}

CventrixController* IicPeripheral::Board() const { return holder_.board; }

int IicPeripheral::Exchange(const Report& report, Report* reply) const {
  CventrixController* board = Board();
  ScopedRequest request(board->Requests());
  if (board->IicWrite(report) != 0) return ERROR_WRITE_FAULT;
  Report ignored{};
  return board->IicReadReply(reply != nullptr ? *reply : ignored) == 0 ? 0 : ERROR_READ_FAULT;
}

int CAnalogInput::Read() {
  CventrixController* board = Board();
  if (board == nullptr || !board->IsIicEnabled()) return kAnalogInputNoBoard;
  // Writing the byte 0 starts a conversion; two bytes then carry the 12-bit result.
  if (Exchange({kReportIicWrite, kIicWrite2, kAnalogInputAddress, 0x00}) != 0) return -1;
  Report reply{};
  if (Exchange({kReportIicRead, 0x02, kAnalogInputAddress | 1}, &reply) != 0) return -1;
  if (reply[0] != kReportIicRead || reply[1] != 2) return -1;
  return (reply[2] & 0x0F) * 256 + reply[3];
}

CBrightnessDriver::CBrightnessDriver(BoardHolder& holder, uint8_t address)
    : IicPeripheral(holder), address_(address) {}

CBrightnessDriver::~CBrightnessDriver() { Reset(); }

int CBrightnessDriver::Reset() {
  if (Board() == nullptr) return kBrightnessNoBoard;
  return Exchange(
      {kReportIicWrite, kIicWrite3, kBrightnessResetAddress, kBrightnessResetFirst, kBrightnessResetSecond});
}

int CBrightnessDriver::SetRegister(int reg, int value) {
  if (Board() == nullptr) return kBrightnessNoBoard;
  return Exchange(
      {kReportIicWrite, kIicWrite3, address_, static_cast<uint8_t>(reg), static_cast<uint8_t>(value)});
}

int CBrightnessDriver::Configure(int a, int b) {
  for (auto [reg, value] : {std::pair{kBrightnessMode, int{kBrightnessModeValue}},
                            std::pair{kBrightnessConfigA, a}, std::pair{kBrightnessConfigB, b}}) {
    if (const int error = SetRegister(reg, value); error != 0) return error;
  }
  return 0;
}

int CBrightnessDriver::SetChannel(int channel, int level) {
  if (channel < 0 || channel >= kBrightnessChannels) return -1;
  if (static_cast<unsigned>(level) > 255) return -2;
  return SetRegister(kBrightnessFirstChannel + channel, level);
}

CAnalogConverter::CAnalogConverter(BoardHolder& holder, int type, int channelSelect)
    : IicPeripheral(holder), type_(type) {
  const ConverterKind kind = KindOf(type_);
  address_ = kind.address;
  channelSelect_ = static_cast<uint8_t>(std::min(channelSelect, int{kind.selectLimit}));
  if (Board() != nullptr) {
    // The set-up's answer is not needed: a converter that missed it fails its reads.
    Exchange({kReportIicWrite, kIicWrite2, address_, static_cast<uint8_t>(channelSelect_ | 1 | scanMode_)});
  }
  resultCount_ = channelSelect_ / 2 + 1;
}

int CAnalogConverter::ReadBlock(uint8_t* destination, int* size) {
  if (*size < resultCount_) return ERROR_INSUFFICIENT_BUFFER;
  CventrixController* board = Board();
  if (board == nullptr) return kBankNoBoard;
  ScopedRequest request(board->Requests());
  if (board->IicWrite({kReportIicRead, static_cast<uint8_t>(resultCount_), static_cast<uint8_t>(address_ | 1)}) !=
      0) {
    return ERROR_WRITE_FAULT;
  }
  // Each reply carries up to six results, placed in the next six-byte slot.
  int received = 0;
  for (int slot = 0; received < resultCount_; ++slot) {
    Report reply{};
    if (board->IicReadReply(reply) != 0 || reply[0] != kReportIicRead) return ERROR_READ_FAULT;
    const int count = reply[1] & kIicReplyCountMask;
    const int offset = slot * kIicReplyMaxData;
    // The count comes from the board: never trust it beyond a reply's six bytes or the room left.
    if (count > kIicReplyMaxData || count > *size - offset) return ERROR_READ_FAULT;
    std::memcpy(destination + offset, reply.data() + 2, count);
    received += count;
  }
  *size = received;
  return 0;
}

CAnalogInputBank::CAnalogInputBank(BoardHolder& holder)
    : first_(holder, kFirstConverterType, kFirstConverterSelect),
      second_(holder, kSecondConverterType, kSecondConverterSelect),
      firstResults_(first_.ResultCount()),
      secondResults_(second_.ResultCount()) {}

int CAnalogInputBank::ReadAll(void* buffer, int size) {
  const int needed = first_.ResultCount() + second_.ResultCount();
  if (size < needed) return ERROR_INSUFFICIENT_BUFFER;
  for (auto [converter, results] : {std::pair{&first_, &firstResults_}, std::pair{&second_, &secondResults_}}) {
    int room = static_cast<int>(results->size());
    if (const int error = converter->ReadBlock(results->data(), &room); error != 0) return error;
  }
  auto* out = static_cast<uint8_t*>(buffer);
  std::copy(firstResults_.begin(), firstResults_.end(), out);
  std::copy(secondResults_.begin(), secondResults_.end(), out + firstResults_.size());
  return 0;
}
