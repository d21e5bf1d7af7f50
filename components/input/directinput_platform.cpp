#include "components/input/directinput_platform.h"

#include <dinput.h>

namespace input {

namespace {

HRESULT CreateThroughDinput8(HINSTANCE instance, DWORD version, const IID& iid, void** out, IUnknown* outer) {
  return DirectInput8Create(instance, version, iid, out, outer);
}

}  // namespace

fw::Service<HRESULT(HINSTANCE, DWORD, const IID&, void**, IUnknown*)> DirectInputCreate(&CreateThroughDinput8);

}  // namespace input
