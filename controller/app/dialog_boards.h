// The board slots and lists as the output and import dialogs use them: board items ("device:description"),
// the LED boards, choices in the column combo boxes, and LED writes made straight to the library.
#pragma once

#include <cstdint>
#include <string>

#include "controller/app/board_table.h"

namespace ui {
class TColumnComboBox;
}

namespace trelvik {

class TZedArave;

// Whether the slot's BoardInfo reports LEDs.
inline bool HasLeds(const BoardInfo& info) { return info.ledCount > 0; }

// A board item of the dialogs' lists: the device name, ":" and the description.
std::string BoardItemText(const tbuffer_id& slot);
// The device name of a board item: the text before its first ":".
std::string ItemDevice(const std::string& item);

// Appends an item with one text.
void AddComboText(ui::TColumnComboBox* combo, const std::string& text);
// The text of the chosen item; empty when none is chosen.
std::string ChosenText(ui::TColumnComboBox* combo);
bool HasChoice(ui::TColumnComboBox* combo);
// One board item per slot whose board has LEDs, in slot order.
void AddLedBoards(ui::TColumnComboBox* combo, const TZedArave& form);

// ventrix_LED_Set straight to the library, also while output is suspended. The status is not looked at;
// an exception or an access fault inside the library ends only this write.
void DirectLedSet(std::int32_t session, std::int32_t led, std::uint8_t state) noexcept;

}  // namespace trelvik
