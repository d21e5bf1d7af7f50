// The keyboard's state as the program reads it: the state of a key as of the message being handled
// (GetKeyState) and as it is right now (GetAsyncKeyState). A test presses keys by replacing them.
#pragma once

#include <windows.h>

#include "framework/services/service.h"

namespace fw {

// Bit 15 set: the key is down; bit 0 set: a toggle key is on (GetKeyState's answer).
extern Service<SHORT(int virtualKey)> KeyState;
// Bit 15 set: the key is down at this moment (GetAsyncKeyState's answer).
extern Service<SHORT(int virtualKey)> AsyncKeyState;

// The key is down (bit 15 of KeyState).
inline bool IsKeyDown(int virtualKey) { return (KeyState(virtualKey) & 0x8000) != 0; }

}  // namespace fw
