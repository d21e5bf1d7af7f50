// The switch calls of a session (reporting by callback or by polling, taking a queued change, reading one
// switch) and the two handlers that the board's key-matrix reader calls with its readings.
#pragma once

#include <windows.h>

#include <cstdint>

#include "boardapi/api/session.h"
#include "boardapi/board/key_matrix.h"
#include "boardapi/include/ventrixAPI.h"

// on: the normalised on/off argument.
ApiStatus EnableSwitchCallback(int32_t handle, bool on, SwitchCallback callback);
ApiStatus EnableSwitchPoll(int32_t handle, bool on);
ApiStatus GetSwitchItem(int32_t handle, int32_t* switchNumber, int32_t* direction);
ApiStatus GetSwitchState(int32_t handle, int32_t switchNumber, int32_t* state);

// Turns the session's switch reporting off when it is on, so its board's reader stops and the board can be
// bound and enabled again; for unbinding.
void StopSessionSwitches(CBoardSession& session);

// The board layer's handlers; user is the session handle. Both run on the reader thread, except the one call
// at enable, which runs on the enabling thread.
int32_t WINAPI OnSwitchChange(const char* serial, int32_t switchNumber, int32_t direction, int32_t user);
int32_t WINAPI OnSwitchMatrixState(const char* serial, const KeyMatrixState* state, int32_t user);
