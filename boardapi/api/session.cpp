#include "boardapi/api/session.h"

#include <algorithm>
#include <cstring>

#include "boardapi/board/controller.h"
#include "boardapi/board/peripherals.h"

CBoardSession::CBoardSession() = default;

CBoardSession::~CBoardSession() {
  analogInput.reset();
  brightnessDriver.reset();
  analogInputBank.reset();
}

bool CBoardSession::FeatureOn(int32_t bit) const {
  const auto entry = featureEnabled.find(bit);
  return entry != featureEnabled.end() && entry->second == 1;
}

std::shared_ptr<CventrixController> HoldBoard(const CBoardSession& session) {
  CventrixController* board = session.board;
  if (board == nullptr) return nullptr;
  const std::weak_ptr<CventrixController> shared = board->weak_from_this();
  if (std::shared_ptr<CventrixController> held = shared.lock()) return held;
  // Never shared (as opposed to shared and gone, which a session never sees: the list clears it first).
  return std::shared_ptr<CventrixController>(std::shared_ptr<CventrixController>(), board);
}

SessionPtr SessionList::Find(int32_t handle) {
  std::lock_guard<std::mutex> guard(lock_);
  for (const SessionPtr& session : sessions_) {
    if (session->handle == handle) return session;
  }
  return nullptr;
}

SessionPtr SessionList::Create() {
  auto session = std::make_shared<CBoardSession>();
  std::lock_guard<std::mutex> guard(lock_);
  session->handle = ++nextHandle_;
  sessions_.push_back(session);
  return session;
}

ApiStatus SessionList::Delete(int32_t handle) {
  SessionPtr removed;  // released after the lock: its drivers may still talk to the board
  {
    std::lock_guard<std::mutex> guard(lock_);
    const auto entry = std::find_if(sessions_.begin(), sessions_.end(),
                                    [handle](const SessionPtr& session) { return session->handle == handle; });
    if (entry == sessions_.end()) return API_ERR_NO_SESSION;
    removed = std::move(*entry);
    sessions_.erase(entry);
  }
  return API_OK;
}

void SessionList::DetachBoard(const CventrixController* board) {
  std::lock_guard<std::mutex> guard(lock_);
  for (const SessionPtr& session : sessions_) {
    if (session->board == board) session->board = nullptr;
  }
}

void SessionList::DropAll() {
  std::vector<SessionPtr> dropped;
  {
    std::lock_guard<std::mutex> guard(lock_);
    dropped.swap(sessions_);
  }
}

ApiStatus CopyBoardInfo(int32_t handle, BoardInfo* destination) {
  const SessionPtr session = Sessions().Find(handle);
  if (!session) return API_ERR_NO_SESSION;
  CventrixController* board = session->board;
  if (board == nullptr) return API_ERR_NO_BOARD;
  if (destination == nullptr) return API_ERR_NULL_POINTER;
  BoardInfo description{};
  if (!board->GetBoardInfo(&description)) return API_ERR_DEVICE_IO;
  std::memcpy(destination, &description, sizeof(description));
  return API_OK;
}

ApiStatus EnsureBoardInfo(int32_t handle, CBoardSession& session) {
  if (session.boardInfo.model[0] != '\0') return API_OK;
  return CopyBoardInfo(handle, &session.boardInfo);
}
