#include "boardapi/api/app.h"

#include "boardapi/api/session.h"

CventrixAPIApp::CventrixAPIApp()
    : controllers_([](const CventrixController* board) { Sessions().DetachBoard(board); }) {}

CventrixAPIApp::~CventrixAPIApp() {
  CloseControllers();
  boundNames_.clear();
}

ApiStatus CventrixAPIApp::OpenControllers() {
  if (controllers_.IsOpen()) return API_ERR_ALREADY_OPEN;
  if (controllers_.Open()) return API_OK;
  return controllers_.Count() != 0 ? API_ERR_OPEN_FAILED : API_ERR_NO_DEVICES;
}

ApiStatus CventrixAPIApp::CloseControllers() {
  if (controllers_.IsOpen()) controllers_.Close();
  return API_OK;
}

ApiStatus CventrixAPIApp::GetTotalControllers(int32_t* count) {
  if (!controllers_.IsOpen()) return API_ERR_NOT_OPEN;
  if (count == nullptr) return API_ERR_NULL_POINTER;
  *count = controllers_.Count();
  return API_OK;
}
