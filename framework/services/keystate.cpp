#include "framework/services/keystate.h"

namespace fw {

namespace {

SHORT SystemKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }
SHORT SystemAsyncKeyState(int virtualKey) { return ::GetAsyncKeyState(virtualKey); }

}  // namespace

constinit Service<SHORT(int)> KeyState{&SystemKeyState};
constinit Service<SHORT(int)> AsyncKeyState{&SystemAsyncKeyState};

}  // namespace fw
