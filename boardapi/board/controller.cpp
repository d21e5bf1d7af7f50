#include "boardapi/board/controller.h"

#include "boardapi/log/log_line.h"

CventrixController::CventrixController(HidDeviceHandle device) { Attach(device, true); }

CventrixController::~CventrixController() {
  Shutdown();
  Unbind();
}

std::string CventrixController::BindLockName() {
  return logline::Text("%x-%s:Locked", static_cast<unsigned>(GetProductId()), GetSerialText().c_str());
}

DWORD CventrixController::Bind() {
  if (bindLock_) return ERROR_LOCKED;
  // Creating is the test: whoever creates the mutex first holds the board, so two processes never both win.
  HANDLE lock = CreateMutexA(nullptr, TRUE, BindLockName().c_str());
  if (!lock) return GetLastError();
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(lock);
    return ERROR_ALREADY_EXISTS;
  }
  bindLock_ = lock;
  return 0;
}

void CventrixController::Unbind() {
  if (!bindLock_) return;
  CloseHandle(bindLock_);
  bindLock_ = nullptr;
}

bool CventrixController::IsBoundElsewhere() {
  HANDLE lock = OpenMutexA(SYNCHRONIZE, FALSE, BindLockName().c_str());
  if (!lock) return false;
  CloseHandle(lock);
  return true;
}

std::string CventrixController::ObjectName(const char* fixedText) {
  return logline::Text("%X-%s:%s", static_cast<unsigned>(GetProductId()), GetSerialText().c_str(), fixedText);
}

void CventrixController::Shutdown() {
  // A ReadWithQueue loop on another thread ends at its next pass.
  reading_ = false;
  try {
    StopLedScan();
    if (HidLayer_IsPresent(Device())) EnableLedMatrix(false);
    StopKeyMatrixThread();
  } catch (...) {
    // Shutting down goes on whatever the board did.
  }
  switchReporting_ = false;
  if (iicMarker_) CloseHandle(iicMarker_);
  iicMarker_ = nullptr;
  CloseInfoSection();
}
