// The DirectInput entry point the DirectInput joystick component goes through, replaceable so that tests
// can hand it device objects of their own. The production call is dinput8's DirectInput8Create.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include "framework/services/service.h"

namespace input {

extern fw::Service<HRESULT(HINSTANCE instance, DWORD version, const IID& iid, void** out, IUnknown* outer)>
    DirectInputCreate;

}  // namespace input
