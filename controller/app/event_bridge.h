// The bridge from the board library's threads to the GUI thread. The two library callbacks only hand the
// event to the main window: a switch change is posted as WM_SWITCH_EVENT, a board arrival or removal is
// sent as WM_BOARDS_CHANGED (the detector thread waits until discovery ran). The joystick button handler
// posts WM_SWITCH_EVENT the same way from its polling thread.
#pragma once

#include <windows.h>

#include <cstdint>

#include "boardapi/include/ventrixAPI.h"

namespace trelvik {

inline constexpr UINT WM_SWITCH_EVENT = WM_USER + 3;
inline constexpr UINT WM_BOARDS_CHANGED = WM_USER + 4;
// A joystick button event carries the 0-based joystick number plus this in wParam.
inline constexpr std::uint32_t kJoystickIdBase = 10000;

// The main window that the callbacks reach; set once its handle exists, cleared before it goes.
void SetBridgeWindow(HWND window);
HWND BridgeWindow();

// lParam of WM_SWITCH_EVENT: switch or button number in the low word, state in the high word.
LPARAM SwitchEventLParam(std::int32_t number, std::int32_t state);

// Library callbacks (stdcall, any thread).
int32_t VENTRIX_STDCALL OnBoardSwitch(int32_t session, int32_t switchNumber, int32_t direction);
int32_t VENTRIX_STDCALL OnBoardDeviceChange(int32_t reason);

// A joystick button change (polling thread): posts WM_SWITCH_EVENT with the joystick number plus 10000.
void PostJoystickButton(std::int32_t joystickIndex, std::int32_t button, std::int32_t down);

}  // namespace trelvik
