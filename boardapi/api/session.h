// Sessions: one CBoardSession per successful ventrix_Bind, named outward by a handle that never repeats.
// The library's reader threads look sessions up while the caller binds and unbinds, so the list is guarded
// and hands out shared ownership; each session guards its switch state and poll queue with its own lock.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "boardapi/board/board_holder.h"
#include "boardapi/include/ventrixAPI.h"

class CventrixController;
class CBrightnessDriver;
class CAnalogInput;
class CAnalogInputBank;

// The session's board (BoardHolder::board) is not owned: it is the board list's, cleared when the list lets the
// board go. It is read and written inside the library lock; a routine that may let the lock go holds the board
// with HoldBoard first.
struct CBoardSession : BoardHolder {
  CBoardSession();
  ~CBoardSession();  // releases the drivers in the order analogInput, brightnessDriver, analogInputBank

  int32_t handle = 0;

  // Guarded by switchLock: written by the key-matrix reader thread, read and taken by the caller's thread.
  std::mutex switchLock;
  std::array<uint16_t, 8> switchBits{};
  std::deque<std::pair<int32_t, int32_t>> pollQueue;  // (switch number, direction)
  int32_t encoder1Switch = 0;
  int32_t encoder2Switch = 0;

  SwitchCallback switchCallback = nullptr;
  uint8_t pollMode = 0;
  BoardInfo boardInfo{};
  std::map<int32_t, uint8_t> featureEnabled;  // capability bit -> on/off byte; enabled only when 1
  std::string deviceName;
  std::atomic<int32_t> options{0};  // also read by the key-matrix reader for every decoded change

  std::unique_ptr<CBrightnessDriver> brightnessDriver;
  std::unique_ptr<CAnalogInput> analogInput;
  std::unique_ptr<CAnalogInputBank> analogInputBank;

  bool FeatureOn(int32_t bit) const;
};

using SessionPtr = std::shared_ptr<CBoardSession>;

class SessionList {
 public:
  SessionPtr Find(int32_t handle);
  SessionPtr Create();                // next handle, appended
  ApiStatus Delete(int32_t handle);   // 0, or -4 when no session has the handle
  void DetachBoard(const CventrixController* board);  // every session of this board loses it
  void DropAll();                      // unload: entries dropped

 private:
  std::mutex lock_;
  std::vector<SessionPtr> sessions_;
  int32_t nextHandle_ = 0;
};

// The session's board, kept alive for as long as the caller holds the result (null without a board). A board
// that the board list does not share (one a test owns) is passed through unowned.
std::shared_ptr<CventrixController> HoldBoard(const CBoardSession& session);

// The library's one session list (built at load after the log, destroyed at unload before it).
SessionList& Sessions();

// Fills session->boardInfo on first need (and again while its model text is empty). 0, -4 or -8.
ApiStatus EnsureBoardInfo(int32_t handle, CBoardSession& session);
// The board's current description into destination. 0, -4, -8, or -7 when it could not be read.
ApiStatus CopyBoardInfo(int32_t handle, BoardInfo* destination);
