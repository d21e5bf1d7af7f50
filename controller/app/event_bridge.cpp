#include "controller/app/event_bridge.h"

#include <atomic>

#include "framework/services/timing_trace.h"

namespace trelvik {
namespace {

std::atomic<HWND> bridgeWindow{nullptr};

}  // namespace

void SetBridgeWindow(HWND window) { bridgeWindow.store(window); }

HWND BridgeWindow() { return bridgeWindow.load(); }

LPARAM SwitchEventLParam(std::int32_t number, std::int32_t state) {
  const auto low = static_cast<std::uint32_t>(number) & 0xFFFFu;
  const auto high = static_cast<std::uint32_t>(state) & 0xFFFFu;
  return static_cast<LPARAM>(low | (high << 16));
}

int32_t VENTRIX_STDCALL OnBoardSwitch(int32_t session, int32_t switchNumber, int32_t direction) {
  if (switchNumber < 1) return 0;  // the call made when per-switch reporting is enabled
  fw::TraceSwitchPosted();
  PostMessageA(BridgeWindow(), WM_SWITCH_EVENT, static_cast<WPARAM>(static_cast<std::uint32_t>(session)),
               SwitchEventLParam(switchNumber, direction));
  return 1;
}

int32_t VENTRIX_STDCALL OnBoardDeviceChange(int32_t reason) {
  SendMessageA(BridgeWindow(), WM_BOARDS_CHANGED, 0, static_cast<LPARAM>(reason));
  return 1;
}

void PostJoystickButton(std::int32_t joystickIndex, std::int32_t button, std::int32_t down) {
  PostMessageA(BridgeWindow(), WM_SWITCH_EVENT, static_cast<WPARAM>(kJoystickIdBase + static_cast<std::uint32_t>(joystickIndex)),
               SwitchEventLParam(button, down));
}

}  // namespace trelvik
