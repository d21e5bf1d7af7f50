// One board as the library sees it: the board's report protocol over its two HID pipes (pipe 0: 5-byte port
// reports; pipe 1: 8-byte special-mode reports), replies filed into queues by report id, the board's named
// kernel objects, and the feature operations built on the protocol.
//
// The member groups are implemented in separate files:
//   controller.cpp           construction, bind lock, shutdown, object names
//   controller_protocol.cpp  guarded write, ReadWithQueue, reply queues, error normalisation, status read
//   controller_info.cpp      board description, published section, model bytes
//   controller_iic.cpp       IIC mode, exchanges, board memory, servos
//   controller_leds.cpp      LED matrix, lamp test, 7-segment text, LED scan, SPI
//   controller_ports.cpp     data-line ports
//   controller_switches.cpp  key-matrix mode, starting and stopping the reader
//   controller_switch_reader.cpp  the key-matrix reader thread (refresh watcher: key_matrix_refresh_watcher.*)
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "boardapi/board/key_matrix.h"
#include "boardapi/board/request_lock.h"
#include "boardapi/board/usb_device.h"
#include "boardapi/base/worker_thread.h"
#include "boardapi/include/ventrixAPI.h"

using Report = std::array<uint8_t, 8>;

// Reply queues by report id.
enum ReplyQueue : int {
  kQueueIic = 1,        // 0x01..0x03
  kQueueUnread2 = 2,    // 0x04..0x06, filed and never read
  kQueueSpi = 3,        // 0x08, 0x09
  kQueueKeyMatrix = 4,  // 0x18..0x1C
  kQueueStatus = 5,     // 0xFF
  kQueueUnread6 = 6,    // 0x0C
  kQueueLedMatrix = 7,  // 0x14, 0x15
  kQueuePort = 8,       // 0x00
  kQueueSpareIic = 9,   // emptied with queue 1 whenever IIC mode changes; never filled
};

constexpr int kPipePorts = 0;
constexpr int kPipeSpecial = 1;
constexpr int kPortReportBytes = 5;
constexpr int kSpecialReportBytes = 8;

// What the key-matrix reader is started with; one of the two handlers is set.
struct KeyMatrixReaderContext {
  WholeStateHandler wholeState = nullptr;
  PerSwitchHandler perSwitch = nullptr;
  int32_t user = 0;
  HANDLE startEvent = nullptr;  // set by the reader once it has taken its copy of the context
};

// Shared-owned by the board list; a worker that runs on the board keeps it alive until it ends, so a board
// the list lets go of from inside a callback on that worker goes only once the worker has left it.
class CventrixController : public CUsbDevice, public std::enable_shared_from_this<CventrixController> {
 public:
  explicit CventrixController(HidDeviceHandle device);
  ~CventrixController() override;

  // --- bind lock and lifetime (controller.cpp) ---
  // 0 bound; ERROR_ALREADY_EXISTS when another holder has the lock; ERROR_LOCKED when this object holds it.
  DWORD Bind();
  void Unbind();
  bool IsBoundElsewhere();
  void Shutdown();
  // "%X-%s:%s" from the product id, the serial text and a fixed text.
  std::string ObjectName(const char* fixedText);

  // --- report protocol (controller_protocol.cpp) ---
  // Bytes written, or -1 when a fault was caught inside the platform call.
  int Write(int pipe, const uint8_t* report, int length);
  // 8 when a report of the wanted queue was delivered, else the read's result, or -1 for a bad queue type or a
  // caught fault. Runs under the request lock. Every read waits at most readTimeoutMs (the device's own read
  // time-out when negative); the key-matrix queue gives up after one empty read, the others after 1 s in all.
  int ReadWithQueue(int queueType, int pipe, uint8_t* buffer, int length, int readTimeoutMs = -1);
  DWORD NormaliseWriteError();
  DWORD NormaliseReadError();
  bool ReadStatus(int32_t* port0, int32_t* port1 = nullptr, int32_t* port2 = nullptr, int32_t* port3 = nullptr);
  void ClearQueue(int queueType);
  // Drops every key-matrix reply this object or the USB layer still holds; other replies go to their queues.
  void DropKeyMatrixReplies();
  RequestLock& Requests() { return requestLock_; }

  // --- board description (controller_info.cpp) ---
  bool LoadBoardInfo(bool force);
  // Copies the 108 bytes out; answers whether the description could be loaded.
  bool GetBoardInfo(BoardInfo* out);
  bool PublishInfo();
  bool LoadPublishedInfo();
  bool ReadModel(int device, bool force, int32_t* first, int32_t* second);
  int32_t ModelValue(int device, bool force);
  std::string ModelText(int device, bool force);
  std::wstring ModelTextW(int device, bool force);
  const BoardInfo& Info() const { return boardInfo_; }

  // --- IIC bus, board memory, servos (controller_iic.cpp) ---
  bool SetIicMode(bool on);
  bool IsIicEnabled();
  int IicWrite(const Report& report);
  int IicTransact(const Report& report, Report& reply);
  int IicReadReply(Report& reply);
  bool IsMemoryDevice(int device);
  bool MemoryWrite(int device, int address, int data, int extra1 = -1, int extra2 = -1, int extra3 = -1);
  bool MemoryRead(int device, int address, int32_t* out0, int32_t* out1 = nullptr, int32_t* out2 = nullptr,
                  int32_t* out3 = nullptr);
  bool MemoryWriteText(int device, int address, const char* text);
  bool MemoryReadText(int device, int address, int count, std::string* text);
  bool MemoryReadTextW(int device, int address, int count, std::wstring* text);
  bool ServoSetPosition(int controller, int channel, int value);
  bool ServoSetCenter(int controller, int channel, int offset);
  bool ServoSetRegister(int controller, int value);
  bool ServoWriteRaw(int controller, int byte0, int byte1 = -1);
  // The byte at address 125 and the model bytes at address 128 of a memory device; each switches IIC mode on
  // for the time of the access when it is off.
  bool WriteMemoryFlag(int device, int value);
  bool ReadMemoryFlag(int device, int32_t* value);
  bool WriteModelBytes(int device, int first, int second);

  // --- LED matrix, 7-segment text, LED scan, SPI (controller_leds.cpp) ---
  bool EnableLedMatrix(bool on);
  // Column bytes of -1 keep the cached value. 0, -1 write failed, -2 LED test on, -3 matrix off.
  int WriteLedRow(int row, const int32_t columns[4], bool force);
  int LedTest(bool on);
  int SetLed(int led, int state, bool force);
  int DisplayText(int firstDigit, const char* text, int digitCount, int alignment, char padding);
  int StartLedScan(int firstLed, int lastLed, bool on, int intervalMs);
  // Ends a running LED scan and waits for its thread.
  void StopLedScan();
  int SetSpiMode(int setup, int mode, bool option1, bool option2);
  int SpiWrite(const uint8_t* data, int count);
  int SpiWrite16(const uint16_t* values, int count);

  // --- data-line ports (controller_ports.cpp) ---
  bool SetDataLine(int port, int bit, int state);
  bool SetPort(int port, int value);
  bool SetPortBits(int port, const bool bits[8]);
  bool SetAllPorts(bool on);

  // --- switch matrix (controller_switches.cpp) ---
  bool SetSwitchMode(bool on, WholeStateHandler wholeState, PerSwitchHandler perSwitch, int32_t user,
                     bool allowMode2);
  bool EnableSwitchesWholeState(bool on, WholeStateHandler handler, int32_t user, bool allowMode2);
  bool EnableSwitchesPerSwitch(bool on, PerSwitchHandler handler, int32_t user, bool allowMode2);
  bool DisableSwitches();
  // Calls the handler once on this thread, starts the reader and waits until it runs. False when the reader's
  // start event cannot be created or its thread cannot be started: then no reader runs.
  bool StartKeyMatrixThread(KeyMatrixReaderContext context);
  void StopKeyMatrixThread();
  void SetSwitchReaderPaused(bool paused);
  // 8 with both replies of one [0x19] request, 4 when only the first came, 0 when none came, -1 when the
  // request could not be sent. Each value is bytes 1..4 of a reply, byte 1 lowest.
  int ReadKeyMatrixOnce(uint32_t* first, uint32_t* second);
  bool SwitchReportingOn() const { return switchReporting_; }
  bool SwitchReaderRunning() const { return readerRunning_; }
  int KeyMatrixMode() const { return keyMatrixMode_; }

 private:
  // Each member group keeps its state in the section of its file; add fields here, grouped the same way.

  // bind lock and lifetime
  std::string BindLockName();
  HANDLE bindLock_ = nullptr;

  // report protocol
  RequestLock requestLock_;
  std::array<std::deque<Report>, 10> queues_;  // index = queue type; guarded by the request lock
  std::atomic<bool> reading_{false};

  // board description
  BoardInfo boardInfo_{};
  HANDLE infoSection_ = nullptr;
  // Index = memory device 1..8 (0 unused); -1 = not read.
  std::array<std::array<int32_t, 2>, 9> modelCache_ = {
      {{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}}};
  void CloseInfoSection();

  // IIC
  HANDLE iicMarker_ = nullptr;
  // Send a report / take the next IIC reply without the mode check; 0 or the code of the failure.
  int SendIicReport(const Report& report);
  int ReceiveIicReply(Report& reply);
  // One IIC write to servo controller c whose acknowledgement is consumed; true when it went out and
  // (when checkAck) the controller acknowledged it.
  bool ServoExchange(int controller, uint8_t flags, uint8_t first, uint8_t second, bool checkAck);

  // LED matrix
  bool ledMatrixOn_ = false;
  bool ledTestOn_ = false;
  std::array<std::array<int32_t, 4>, 8> ledRows_{};
  int ledScanPosition_ = -1;
  std::atomic<int> ledScanIntervalMs_{0};
  int ledScanFirst_ = -1;
  int ledScanLast_ = -1;
  WorkerThread ledScanThread_;
  void RunLedScan(const WorkerStop& stop);
  int WriteLedRowBytes(int row, const std::array<int32_t, 4>& columns, bool force);
  uint8_t spiOptions_ = 0;
  bool spiEnabled_ = false;

  // ports
  std::array<int32_t, 4> ports_{-1, -1, -1, -1};
  bool portsUnsent_ = false;  // the last port write failed: the cache is ahead of the board
  void EnsurePortsKnown();
  bool SendPorts();

  // switch matrix
  std::atomic<bool> readerRunning_{false};
  std::atomic<bool> readerPaused_{false};
  std::atomic<bool> switchReporting_{false};
  std::atomic<int> keyMatrixMode_{0};
  std::array<uint16_t, 8> lastSwitchState_{};  // the reader's, and the starter's before the reader runs
  WorkerThread readerThread_;

  // switch matrix: the reader thread (controller_switch_reader.cpp)
  void KeyMatrixReadThread(KeyMatrixReaderContext context, const WorkerStop& stop);
  // False when the handler asked the reader to stop.
  bool HandOverReading(const KeyMatrixReaderContext& context, const std::string& serial,
                       const std::array<uint16_t, 8>& words, bool initial, const WorkerStop& stop);
};

// Asks a board's reader, in this process or another, for a full new reading (its refresh event, by name).
void RequestKeyMatrixRefresh(CventrixController& board);
