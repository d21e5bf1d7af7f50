// The lamp tests: every bound board at once for the cockpit's lamp-test switch, and the end of a panel
// family's three-second flash after discovery bound a new board of it. GUI thread.
#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/zedarave.h"

namespace trelvik {

namespace {

bool IsRelayBoard(const BoardInfo& info) { return IsRelayModel(ModelOf(info)); }

}  // namespace

void TZedArave::light_test(std::uint8_t state) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const std::int32_t session = board_table[static_cast<std::size_t>(slot)].session;
    if (session != 0) Shielded([&] { Api().LED_Test(session, state); });
  }
}

void TZedArave::light_test2(std::uint8_t state) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const std::int32_t session = board_table[static_cast<std::size_t>(slot)].session;
    if (session == 0 || IsRelayBoard(board_info[static_cast<std::size_t>(slot)])) continue;
    Shielded([&] { Api().LED_Test(session, state); });
  }
}

// A failure in one slot abandons the rest of that slot only.
void TZedArave::reset_all_LEDs() {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const BoardInfo& info = board_info[static_cast<std::size_t>(slot)];
    if (info.ledCount <= 0) continue;
    const std::int32_t session = board_table[static_cast<std::size_t>(slot)].session;
    Shielded([&] {
      Api().LED_Test(session, 0);
      for (std::int64_t led = info.firstLed; led <= info.lastLed; ++led) {
        interface_LED_Set(session, static_cast<std::int32_t>(led), 0);
      }
    });
  }
}

}  // namespace trelvik
