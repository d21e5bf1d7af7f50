#include "controller/app/dialog_boards.h"

#include "controller/app/access_fault_guard.h"
#include "controller/app/board_api.h"
#include "controller/app/fs_module.h"
#include "controller/app/zedarave.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik {

std::string BoardItemText(const tbuffer_id& slot) { return slot.name + ":" + slot.description; }

std::string ItemDevice(const std::string& item) {
  std::string device;
  std::string rest;
  SplitAt(item, ":", device, rest);
  return device;
}

void AddComboText(ui::TColumnComboBox* combo, const std::string& text) {
  combo->ComboItems()->Add()->Strings()->Add(text);
}

bool HasChoice(ui::TColumnComboBox* combo) {
  const int index = combo->ItemIndex();
  return index >= 0 && index < combo->ComboItems()->Count();
}

std::string ChosenText(ui::TColumnComboBox* combo) {
  if (!HasChoice(combo)) return std::string();
  fw::TStrings* strings = combo->ComboItems()->Items(combo->ItemIndex())->Strings();
  return strings->Count() > 0 ? strings->Strings(0) : std::string();
}

void AddLedBoards(ui::TColumnComboBox* combo, const TZedArave& form) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    if (HasLeds(form.board_info[i])) AddComboText(combo, BoardItemText(form.board_table[i]));
  }
}

void DirectLedSet(std::int32_t session, std::int32_t led, std::uint8_t state) noexcept {
  Shielded([&] { Api().LED_Set(session, led, state); });
}

}  // namespace trelvik
