// The IIC bus: mode switch, writes acknowledged by the addressed device, reads answered by it in replies of at
// most six data bytes. Traffic while IIC mode is off is still answered and marked as a protocol violation.
#include <algorithm>

#include "sim/board/report_handlers.h"

namespace hidsim {

namespace {

constexpr uint8_t kErrorBit = 0x80;
constexpr int kBytesPerReply = 6;

IicDevice* DeviceAt(SimBoard& board, uint8_t address) {
  auto found = board.iicDevices.find(static_cast<uint8_t>(address & 0xFE));
  if (found == board.iicDevices.end() || board.iicNack.count(address & 0xFE)) return nullptr;
  return found->second.get();
}

void CheckMode(SimBoard& board) {
  if (!board.iicMode) board.CountViolation();
}

}  // namespace

void HandleIicMode(SimBoard& board, const uint8_t* report) { board.iicMode = report[1] == 1; }

void HandleIicWrite(SimBoard& board, const uint8_t* report) {
  CheckMode(board);
  const int count = std::clamp(report[1] & 0x07, 1, 6);
  const bool stop = (report[1] & 0x40) != 0;
  IicDevice* device = DeviceAt(board, report[2]);
  const bool acknowledged = device && device->Write(report + 3, count - 1, stop);
  board.Reply({0x02, static_cast<uint8_t>(acknowledged ? 0 : kErrorBit)});
}

void HandleIicRead(SimBoard& board, const uint8_t* report) {
  CheckMode(board);
  const int count = report[1];
  IicDevice* device = DeviceAt(board, report[2]);
  std::vector<uint8_t> data(static_cast<size_t>(count));
  if (!device || !device->Read(data.data(), count)) {
    board.Reply({0x03, kErrorBit});
    return;
  }
  int sent = 0;
  do {
    const int chunk = std::min(kBytesPerReply, count - sent);
    Bytes reply(kReportLength[kSpecialInterface], 0);
    reply[0] = 0x03;
    reply[1] = static_cast<uint8_t>(chunk);
    std::copy_n(data.begin() + sent, chunk, reply.begin() + 2);
    board.Send(kSpecialInterface, std::move(reply));
    sent += chunk;
  } while (sent < count);
}

}  // namespace hidsim
