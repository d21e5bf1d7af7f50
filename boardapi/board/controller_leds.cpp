// The LED matrix (8 rows x 32 columns, written a whole row at a time from a cache), the lamp test, text on
// 7-segment digits, the LED scan and SPI.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "boardapi/base/api_lock.h"
#include "boardapi/board/controller.h"
#include "boardapi/board/segment_text.h"

namespace {

constexpr uint8_t kReportSpiSetup = 0x08;
constexpr uint8_t kReportSpiTransfer = 0x09;
constexpr uint8_t kReportLedMatrix = 0x14;
constexpr uint8_t kReportLedRow = 0x15;

constexpr int kRows = 8;
constexpr int kColumns = 32;
constexpr int kLeds = kRows * kColumns;
constexpr int kColumnBytes = 4;
constexpr int kSpiMaxData = 6;
constexpr uint8_t kSpiMoreFollows = 0x40;  // cleared in every transfer report that more data follows

using RowBytes = std::array<int32_t, kColumnBytes>;

// Where LED n (1..256) sits: LEDs 1..8 fill column 0 from row 0 down, 9..16 column 1, and so on.
struct LedPlace {
  int row;
  int columnByte;
  int bit;
};
LedPlace PlaceOf(int led) {
  const int column = (led - 1) / kRows;
  return {(led - 1) % kRows, column / 8, column % 8};
}

}  // namespace

bool CventrixController::EnableLedMatrix(bool on) {
  if (ledMatrixOn_ == on) return true;
  StopLedScan();
  const Report report = {kReportLedMatrix, static_cast<uint8_t>(on ? 1 : 0)};
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return false;
  }
  for (auto& row : ledRows_) row.fill(0);
  ledMatrixOn_ = on;
  return true;
}

int CventrixController::WriteLedRowBytes(int row, const RowBytes& columns, bool force) {
  if (ledTestOn_ && !force) return -2;
  if (!ledMatrixOn_) return -3;
  if (row < 0 || row >= kRows) return -1;
  RowBytes bytes = columns;
  for (int i = 0; i < kColumnBytes; ++i) {
    if (bytes[i] == -1) bytes[i] = ledRows_[row][i];
  }
  if (bytes == ledRows_[row]) return 0;
  const Report report = {kReportLedRow,
                         static_cast<uint8_t>(row),
                         static_cast<uint8_t>(bytes[0]),
                         static_cast<uint8_t>(bytes[1]),
                         static_cast<uint8_t>(bytes[2]),
                         static_cast<uint8_t>(bytes[3])};
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return -1;
  }
  ledRows_[row] = bytes;
  return 0;
}

int CventrixController::WriteLedRow(int row, const int32_t columns[4], bool force) {
  return WriteLedRowBytes(row, {columns[0], columns[1], columns[2], columns[3]}, force);
}

int CventrixController::LedTest(bool on) {
  if (!ledMatrixOn_) return -1;
  ledTestOn_ = on;
  const int32_t fill = on ? 0xFF : 0x00;
  for (int row = 0; row < kRows; ++row) {
    if (WriteLedRowBytes(row, {fill, fill, fill, fill}, true) != 0) return -1;
  }
  return 0;
}

int CventrixController::SetLed(int led, int state, bool force) {
  // LED numbers start at 1: anything below would be a negative row or shift.
  if (led < 1 || led > kLeds) return -1;
  const LedPlace place = PlaceOf(led);
  RowBytes bytes = ledRows_[place.row];
  if (state == 1) bytes[place.columnByte] |= 1 << place.bit;
  if (state == 0) bytes[place.columnByte] &= ~(1 << place.bit);
  return WriteLedRowBytes(place.row, bytes, force);
}

int CventrixController::DisplayText(int firstDigit, const char* text, int digitCount, int alignment,
                                    char padding) {
  if (ledTestOn_) return -2;
  if (!ledMatrixOn_) return -3;
  const std::vector<SegmentDigit> digits =
      LayoutSegmentText(firstDigit, FitSegmentText(text != nullptr ? text : "", digitCount, alignment, padding));
  for (int row = 0; row < kRows; ++row) {
    RowBytes bytes = ledRows_[row];
    for (const SegmentDigit& digit : digits) {
      if (digit.column < 0 || digit.column >= kColumns) continue;
      const int32_t mask = 1 << (digit.column % 8);
      int32_t& columnByte = bytes[digit.column / 8];
      columnByte = (digit.segments >> row) & 1 ? columnByte | mask : columnByte & ~mask;
    }
    if (WriteLedRowBytes(row, bytes, false) != 0) return -1;
  }
  return 0;
}

int CventrixController::StartLedScan(int firstLed, int lastLed, bool on, int intervalMs) {
  if (!ledMatrixOn_) return -1;
  ledTestOn_ = on;
  if (!on) {
    StopLedScan();
    return 0;
  }
  ledScanIntervalMs_ = intervalMs;
  if (ledScanThread_.Running()) return 0;
  StopLedScan();  // a scan that ended by itself is still owned
  ledScanFirst_ = firstLed;
  ledScanLast_ = lastLed;
  const std::shared_ptr<CventrixController> keepAlive = weak_from_this().lock();
  if (!ledScanThread_.Start([this, keepAlive](const WorkerStop& stop) { RunLedScan(stop); },
                            BoardWorkerName(L"LED scan", GetSerialText()).c_str())) {
    return -1;
  }
  return 0;
}

void CventrixController::StopLedScan() { ledScanThread_.Stop(WorkerThread::kOwnerJoinMs); }

// Each step runs inside the library lock: the calls of the program change the same rows.
void CventrixController::RunLedScan(const WorkerStop& stop) {
  int first = 0;
  int last = 0;
  {
    ApiLockHold lock;
    if (stop.Requested() || !LoadBoardInfo(false) || !(boardInfo_.capabilities & BOARD_CAP_LEDS)) return;
    first = ledScanFirst_ != -1 ? ledScanFirst_ : boardInfo_.firstLed;
    last = ledScanLast_ != -1 ? ledScanLast_ : boardInfo_.lastLed;
    for (int row = 0; row < kRows; ++row) {
      if (WriteLedRowBytes(row, {0, 0, 0, 0}, true) != 0) return;
    }
  }
  int previous = -1;
  int led = first;
  for (;;) {
    {
      ApiLockHold lock;
      if (stop.Requested()) break;
      if (previous != -1 && SetLed(previous, 0, true) != 0) break;
      if (SetLed(led, 1, true) != 0) break;
      ledScanPosition_ = led;
    }
    previous = led;
    if (stop.WaitFor(static_cast<DWORD>(ledScanIntervalMs_.load()))) break;
    led = led >= last ? first : led + 1;
  }
  ApiLockHold lock;
  if (ledScanPosition_ != -1) SetLed(ledScanPosition_, 0, true);
}

int CventrixController::SetSpiMode(int setup, int mode, bool option1, bool option2) {
  if (mode < 0 || mode > 3) return -1;
  const uint8_t modeBits = static_cast<uint8_t>((mode == 1 || mode == 3 ? 1 : 0) | (mode >= 2 ? 2 : 0));
  const Report report = {kReportSpiSetup, static_cast<uint8_t>(setup),
                         static_cast<uint8_t>(modeBits | (option1 ? 4 : 0) | (option2 ? 8 : 0))};
  if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
    NormaliseWriteError();
    return -1;
  }
  spiOptions_ = 0;
  spiEnabled_ = true;
  return 0;
}

int CventrixController::SpiWrite(const uint8_t* data, int count) {
  if (!spiEnabled_) return -1;
  for (int sent = 0; sent < count;) {
    const int chunk = std::min(kSpiMaxData, count - sent);
    const bool more = sent + chunk < count;
    uint8_t flags = static_cast<uint8_t>(spiOptions_ | chunk);
    if (more) flags = static_cast<uint8_t>(flags & ~kSpiMoreFollows);
    Report report = {kReportSpiTransfer, flags};
    std::copy(data + sent, data + sent + chunk, report.begin() + 2);
    if (Write(kPipeSpecial, report.data(), kSpecialReportBytes) != kSpecialReportBytes) {
      NormaliseWriteError();
      return -1;
    }
    sent += chunk;
  }
  return 0;
}

int CventrixController::SpiWrite16(const uint16_t* values, int count) {
  if (!spiEnabled_) return -1;
  std::vector<uint8_t> bytes;
  for (int i = 0; i < count; ++i) {
    bytes.push_back(static_cast<uint8_t>(values[i] >> 8));
    bytes.push_back(static_cast<uint8_t>(values[i]));
  }
  ScopedRequest request(Requests());
  if (SpiWrite(bytes.data(), static_cast<int>(bytes.size())) != 0) return -1;
  Report reply{};
  return ReadWithQueue(kQueueSpi, kPipeSpecial, reply.data(), kSpecialReportBytes) == kSpecialReportBytes ? 0 : -1;
}
