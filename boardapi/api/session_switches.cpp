#include "boardapi/api/session_switches.h"

#include <mutex>
#include <vector>

#include "boardapi/api/whole_state_decoder.h"
#include "boardapi/base/api_lock.h"
#include "boardapi/board/controller.h"

namespace {

enum class EnableForm { kCallback, kPoll };

// Turns the board's reporting on or off in the form the session's options choose. False when the board
// refused. Stopping or starting the reader lets the library lock go (and the call at enable runs the program's
// callback), so the caller holds the board.
bool SetBoardReporting(CBoardSession& session, CventrixController& board, bool on) {
  const bool allowMode2 = (session.options & OPT_SWITCHES_64) == 0;
  if (session.options & OPT_WHOLE_STATE) {
    return board.EnableSwitchesWholeState(on, OnSwitchMatrixState, session.handle, allowMode2);
  }
  return board.EnableSwitchesPerSwitch(on, OnSwitchChange, session.handle, allowMode2);
}

// The program's callback, called with the library lock let go and nothing of it let through.
int32_t CallProgram(SwitchCallback callback, int32_t session, int32_t number, int32_t direction) {
  ApiUnlocked unlocked;
  return callback(session, number, direction);
}

ApiStatus EnableSwitches(int32_t handle, bool on, EnableForm form, SwitchCallback callback) {
  const SessionPtr session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  if (session->FeatureOn(BOARD_CAP_SWITCHES) && on) return API_ERR_ALREADY_ENABLED;
  if (const ApiStatus status = EnsureBoardInfo(handle, *session); status != API_OK) return status;
  if ((session->boardInfo.capabilities & BOARD_CAP_SWITCHES) == 0) return API_ERR_NO_FEATURE;
  const std::shared_ptr<CventrixController> board = HoldBoard(*session);
  if (board == nullptr) return API_ERR_NO_BOARD;
  if (form == EnableForm::kCallback && on && callback == nullptr) return API_ERR_NULL_CALLBACK;
  {
    std::lock_guard<std::mutex> lock(session->switchLock);
    if (form == EnableForm::kCallback) {
      session->switchCallback = on ? callback : nullptr;
    } else {
      session->pollMode = on ? 1 : 0;
    }
    session->switchBits = {};
  }
  if (!SetBoardReporting(*session, *board, on)) return API_ERR_DEVICE_IO;
  if (on && Sessions().Find(handle) != session) {
    // The call at enable unbound the session: nobody is left to turn its reporting off.
    board->DisableSwitches();
    return API_OK;
  }
  session->featureEnabled[BOARD_CAP_SWITCHES] = on ? 1 : 0;
  return API_OK;
}

// Where a change goes when the session is not to call back: the poll queue, which holds changes of real
// switches (from 1) only. Called under the session's switch lock.
bool QueuesChanges(const CBoardSession& session) { return session.pollMode == 1 || session.switchCallback == nullptr; }

void Queue(CBoardSession& session, const SwitchChange& change) {
  if (change.number != 0) session.pollQueue.emplace_back(change.number, change.direction);
}

}  // namespace

ApiStatus EnableSwitchCallback(int32_t handle, bool on, SwitchCallback callback) {
  return EnableSwitches(handle, on, EnableForm::kCallback, callback);
}

ApiStatus EnableSwitchPoll(int32_t handle, bool on) { return EnableSwitches(handle, on, EnableForm::kPoll, nullptr); }

ApiStatus GetSwitchItem(int32_t handle, int32_t* switchNumber, int32_t* direction) {
  const SessionPtr session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  std::lock_guard<std::mutex> lock(session->switchLock);
  if (!session->FeatureOn(BOARD_CAP_SWITCHES) || session->pollMode != 1) return API_ERR_NOT_ENABLED;
  if (session->pollQueue.empty()) return API_ERR_QUEUE_EMPTY;
  if (switchNumber == nullptr || direction == nullptr) return API_ERR_NULL_POINTER;
  *switchNumber = session->pollQueue.front().first;
  *direction = session->pollQueue.front().second;
  session->pollQueue.pop_front();
  return API_OK;
}

ApiStatus GetSwitchState(int32_t handle, int32_t switchNumber, int32_t* state) {
  const SessionPtr session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  if (const ApiStatus status = EnsureBoardInfo(handle, *session); status != API_OK) return status;
  if (!session->FeatureOn(BOARD_CAP_SWITCHES)) return API_ERR_NOT_ENABLED;
  int word = 0;
  int bit = 0;
  if (switchNumber < session->boardInfo.firstSwitch || switchNumber > session->boardInfo.lastSwitch ||
      !SwitchWordBit(switchNumber, &word, &bit)) {
    return API_ERR_OUT_OF_RANGE;
  }
  if (state == nullptr) return API_ERR_NULL_POINTER;
  std::lock_guard<std::mutex> lock(session->switchLock);
  *state = (session->switchBits[word] >> bit) & 1;
  return API_OK;
}

void StopSessionSwitches(CBoardSession& session) {
  const std::shared_ptr<CventrixController> board = HoldBoard(session);
  if (!session.FeatureOn(BOARD_CAP_SWITCHES) || board == nullptr) return;
  session.featureEnabled[BOARD_CAP_SWITCHES] = 0;
  board->DisableSwitches();
}

int32_t WINAPI OnSwitchChange(const char*, int32_t switchNumber, int32_t direction, int32_t user) {
  if (user == 0) return 0;
  const SessionPtr session = Sessions().Find(user);
  if (!session) return 1;
  SwitchCallback callback = nullptr;
  {
    std::lock_guard<std::mutex> lock(session->switchLock);
    int word = 0;
    int bit = 0;
    if ((direction == 0 || direction == 1) && SwitchWordBit(switchNumber, &word, &bit)) {
      const uint16_t mask = static_cast<uint16_t>(1u << bit);
      uint16_t& bits = session->switchBits[word];
      bits = static_cast<uint16_t>(direction == 1 ? bits | mask : bits & ~mask);
    }
    if (QueuesChanges(*session)) {
      Queue(*session, {switchNumber, direction});
    } else {
      callback = session->switchCallback;
    }
  }
  // Outside the lock: the program's callback may take its time, and the caller's thread may want the state.
  if (callback != nullptr) CallProgram(callback, user, switchNumber, direction);
  return 1;
}

int32_t WINAPI OnSwitchMatrixState(const char*, const KeyMatrixState* state, int32_t user) {
  if (user == 0) return 0;
  const SessionPtr session = Sessions().Find(user);
  if (!session) return 1;
  SwitchCallback callback = nullptr;
  std::vector<SwitchChange> changes;
  {
    std::lock_guard<std::mutex> lock(session->switchLock);
    if (state == nullptr) {
      session->switchBits = {};
      return 1;
    }
    changes = DecodeWholeState({session->switchBits, session->encoder1Switch, session->encoder2Switch},
                               state->words, (session->options & OPT_WHOLE_STATE) != 0);
    if (QueuesChanges(*session)) {
      for (const SwitchChange& change : changes) Queue(*session, change);
      return 1;
    }
    callback = session->switchCallback;
  }
  // The last call of the reading decides whether the board's reader goes on.
  int32_t result = 1;
  for (const SwitchChange& change : changes) result = CallProgram(callback, user, change.number, change.direction);
  return result;
}
