#include <algorithm>
#include <string>

#include "boardapi/api/app.h"
#include "boardapi/api/session.h"
#include "boardapi/api/session_switches.h"

ApiStatus CventrixAPIApp::Bind(const char* deviceName, int32_t* session) {
  if (session == nullptr) return API_ERR_NULL_POINTER;
  if (deviceName == nullptr) return API_ERR_NULL_NAME;
  if (!controllers_.IsOpen()) return API_ERR_NOT_OPEN;

  const std::string name = deviceName;
  if (std::find(boundNames_.begin(), boundNames_.end(), name) != boundNames_.end()) return API_ERR_ALREADY_BOUND;

  // Four characters of product id, then up to eight of serial; anything after the twelfth is not looked at.
  const std::string productIdText = name.substr(0, std::min<size_t>(name.size(), 4));
  const std::string serialText = name.size() > 4 ? name.substr(4, 8) : std::string();
  CventrixController* board = controllers_.ControllerByName(productIdText, serialText);
  if (board == nullptr) return API_ERR_NOT_FOUND;
  // Held by another process, or by this board object already.
  if (board->Bind() != 0) return API_ERR_ALREADY_BOUND;
  // A failure after the lock was taken (an allocation) undoes the bind: nothing half made stays behind.
  SessionPtr created;
  try {
    created = Sessions().Create();
    created->board = board;
    created->deviceName = name;
    boundNames_.push_back(name);
  } catch (...) {
    if (created) Sessions().Delete(created->handle);
    board->Unbind();
    throw;
  }
  *session = created->handle;
  return API_OK;
}

ApiStatus CventrixAPIApp::UnBind(int32_t session) {
  const SessionPtr found = Sessions().Find(session);
  if (!found) return API_ERR_NO_SESSION;
  const std::shared_ptr<CventrixController> board = HoldBoard(*found);
  // A reader left reporting would keep the board's switch reporting on for whoever binds it next.
  StopSessionSwitches(*found);
  // A session whose board the list already let go has no lock left to release.
  if (board != nullptr) board->Unbind();
  const auto name = std::find(boundNames_.begin(), boundNames_.end(), found->deviceName);
  if (name != boundNames_.end()) boundNames_.erase(name);
  return Sessions().Delete(session);
}

ApiStatus CventrixAPIApp::SetBoardOptions(int32_t session, int32_t options) {
  const SessionPtr found = Sessions().Find(session);
  if (!found) return API_ERR_NO_SESSION;
  found->options = options;
  return API_OK;
}
