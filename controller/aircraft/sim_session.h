// The aircraft link's SimConnect session for the selected aircraft: opening it (the add-on's data and
// control areas, "SimStart", the loaded aircraft, every add-on event the translation can send), polling it
// from the idle loop, and handling what the simulator sends. Module-level state for the whole run: the
// session handle (null while no session is open). GUI thread only; calls go through the binding.
#pragma once

#include <windows.h>

#include <cstdint>

#include "controller/aircraft/simconnect_abi.h"

namespace aircraft {

// Numbers the program gives SimConnect; read from the top byte, the four ids spell "QTx1" to "QTx4".
inline constexpr DWORD kDataAreaId = 0x51547831;
inline constexpr DWORD kDataDefinitionId = 0x51547832;
inline constexpr DWORD kControlAreaId = 0x51547833;
inline constexpr DWORD kControlDefinitionId = 0x51547834;
inline constexpr DWORD kDataRequest = 0;
inline constexpr DWORD kControlRequest = 1;
inline constexpr DWORD kAircraftLoadedRequest = 2;
inline constexpr DWORD kSimStartEvent = 0;

void OpenSim737();
void OpenSim777();
void CloseSim();
// One dispatch of the session's queued records to the aircraft's handler (nothing without a library).
void PollSim737();
void PollSim777();
// The reconnect timer's tick: opens the selected aircraft's session when none is open, then installs the
// idle loop.
void ReconnectTimerTick();
// At start: binds SimConnect.dll from the program's folder, or adds "SimConnect.dll - Not Found" to the
// simulator information list. True when the file is there (the reconnect timer is then switched on).
bool StartSimLink();

// The handlers of one received record (its bytes and their count).
void HandleSimMessage737(const void* record, std::size_t size);
void HandleSimMessage777(const void* record, std::size_t size);

simconnect::SessionHandle SimSession();
// Test support: no session, without telling the simulator.
void ForgetSimSession();

}  // namespace aircraft
