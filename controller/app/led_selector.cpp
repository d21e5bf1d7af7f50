// The LED selector: a halving search over the LEDs of the eligible boards, and the ways out of it (the
// found LED, a hand-picked output, a relay output, or none).
#include <algorithm>
#include <array>
#include <string_view>

#include "controller/app/dialog_boards.h"
#include "controller/app/dialogs.h"
#include "controller/app/fs_module.h"
#include "controller/app/number_text.h"
#include "controller/app/zedarave.h"
#include "framework/controls/bit_button.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "framework/services/beep.h"
#include "framework/services/clock.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik {

namespace {

// The boards the search walks through: general-purpose boards with LEDs.
constexpr std::array<std::string_view, 13> kSearchModels = {"4101", "4102", "4103", "32E1", "32E2", "32E0", "32E3",
                                                            "4107", "4109", "3325", "3323", "4108", "010C"};
// The boards whose LEDs Cancel and "Assign to Relay" switch off.
constexpr std::array<std::string_view, 9> kClearModels = {"32E1", "32E2", "32E0", "32E3", "4101",
                                                          "4102", "4103", "4108", "010C"};

template <std::size_t N>
bool ModelIn(const BoardInfo& info, const std::array<std::string_view, N>& models) {
  const std::string model = ModelOf(info);
  return std::find(models.begin(), models.end(), model) != models.end();
}

void SwitchOffAllLeds(const TZedArave& form, bool clearModelsOnly) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    const BoardInfo& info = form.board_info[i];
    const std::int32_t session = form.board_table[i].session;
    if (!HasLeds(info)) continue;
    if (clearModelsOnly && (session == 0 || !ModelIn(info, kClearModels))) continue;
    for (std::int64_t led = info.firstLed; led <= info.lastLed; ++led) {
      DirectLedSet(session, static_cast<std::int32_t>(led), 0);
    }
  }
}

}  // namespace

void TLED_Selector::SetRange(std::uint8_t state) {
  for (std::int64_t led = range_low; led <= range_high; ++led) {
    DirectLedSet(selected_session, static_cast<std::int32_t>(led), state);
  }
}

void TLED_Selector::ClearBoards() {
  if (ZedArave != nullptr) SwitchOffAllLeds(*ZedArave, true);
}

void TLED_Selector::FormShow() {
  BitBtn2->SetEnabled(true);
  BitBtn3->SetEnabled(true);
  Label2->SetVisible(true);
  BitBtn4->SetEnabled(false);
  Label3->SetVisible(false);
  Label4->SetVisible(false);
  search_step = 1;
  board_number = 1;
  step->SetCaption("Step 1 / 10");
  // A result of an earlier search must not stand for this one: only a found, hand-picked or relay
  // output sets it again.
  selected_led = -1;
}

bool TLED_Selector::get_next_board(std::int32_t n) {
  bool found = false;
  if (ZedArave != nullptr) {
    std::int32_t count = 0;
    for (int slot = 1; slot <= kBoardSlots && !found; ++slot) {
      const auto i = static_cast<std::size_t>(slot);
      const BoardInfo& info = ZedArave->board_info[i];
      const tbuffer_id& entry = ZedArave->board_table[i];
      if (entry.session == 0 || !HasLeds(info) || !ModelIn(info, kSearchModels)) continue;
      if (++count != n) continue;
      range_low = info.firstLed;
      range_high = board_last_led = info.lastLed;
      selected_session = entry.session;
      selected_board = entry.name;
      SetRange(0);
      SetRange(1);
      board_number = n;
      fw::Beep(800, 200);
      found = true;
    }
  }
  Label5->SetCaption(std::to_string(range_low) + "   " + std::to_string(range_high));
  return found;
}

void TLED_Selector::click_yes() {
  if (search_step >= 1 && search_step <= 10) {
    SetRange(0);
    range_high = range_high - (range_high - range_low + 1) / 2;
    SetRange(1);
    ++search_step;
    last_answer_yes = true;
  }
  CommonEnd();
}

void TLED_Selector::click_no() {
  if (search_step == 1) {
    // The whole board was lit: the annunciator is not on this board.
    SetRange(0);
    ++board_number;
    if (!get_next_board(board_number)) {
      if (ZedArave != nullptr) ZedArave->ShowMessage("Unable to dectect");
      Close();
    }
  } else if (search_step >= 2 && search_step <= 10) {
    SetRange(0);
    const std::int32_t span = range_high - range_low;
    range_low = range_high + 1;
    range_high = range_low + span / 2;
    // The range above never reaches past the board's last LED.
    range_low = std::min(range_low, board_last_led);
    range_high = std::min(range_high, board_last_led);
    SetRange(1);
    ++search_step;
    last_answer_yes = false;
  }
  CommonEnd();
}

void TLED_Selector::CommonEnd() {
  step->SetCaption("Step " + std::to_string(search_step) + " / 10");
  if (range_low == range_high && search_step == 10) {
    step->SetCaption("Found LED : " + std::to_string(range_low));
    selected_led = range_low;
    flash_timer->SetEnabled(true);
    BitBtn2->SetEnabled(false);
    BitBtn3->SetEnabled(false);
    Label2->SetVisible(false);
    Label3->SetVisible(true);
    Label4->SetVisible(true);
    BitBtn4->SetEnabled(true);
    fw::Beep(900, 50);
    fw::SleepMs(50);
    fw::Beep(900, 50);
    fw::SleepMs(50);
  }
  Label5->SetCaption(std::to_string(range_low) + "   " + std::to_string(range_high));
}

void TLED_Selector::AnswerCue() {
  fw::Beep(800, 50);
  fw::SleepMs(50);
  fw::Beep(800, 50);
}

void TLED_Selector::BitBtn2Click() {
  click_yes();
  AnswerCue();
}

void TLED_Selector::BitBtn3Click() {
  click_no();
  AnswerCue();
}

void TLED_Selector::FormKeyDown(WORD& Key) {
  if (Key == 'Y') click_yes();
  if (Key == 'N') click_no();
}

void TLED_Selector::flash_timerTimer() {
  DirectLedSet(selected_session, selected_led, flash_on ? 1 : 0);
  flash_on = !flash_on;
}

void TLED_Selector::BitBtn4Click() {
  flash_timer->SetEnabled(false);
  DirectLedSet(selected_session, selected_led, 0);
  Close();
}

void TLED_Selector::BitBtn1Click() {
  flash_timer->SetEnabled(false);
  ClearBoards();
  if (selected_led > 0) DirectLedSet(selected_session, selected_led, 0);
  selected_led = -1;
  Close();
}

void TLED_Selector::BitBtn6Click() {
  if (ZedArave == nullptr || manual_assignment == nullptr) return;
  SwitchOffAllLeds(*ZedArave, false);
  if (manual_assignment->outputboard->ComboItems()->Count() == 0) {
    AddLedBoards(manual_assignment->outputboard, *ZedArave);
  }
  ZedArave->led_selector_active = true;
  manual_assignment->ShowModal();
  if (HasChoice(manual_assignment->outputboard) && HasChoice(manual_assignment->Output)) {
    ZedArave->led_selector_active = false;
    Close();
  }
  ZedArave->led_selector_active = false;
}

void TLED_Selector::BitBtn5Click() {
  if (ZedArave == nullptr || Relay_Selector == nullptr) return;
  ClearBoards();
  Relay_Selector->relay->ComboItems()->Clear();
  Relay_Selector->Relay_Output->ComboItems()->Clear();
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    const tbuffer_id& entry = ZedArave->board_table[i];
    const BoardInfo& info = ZedArave->board_info[i];
    if (!IsRelayModel(ModelOf(info))) continue;
    AddComboText(Relay_Selector->relay, entry.name);
    selected_board = entry.name;
    // The outputs of every relay board go into the one list.
    for (std::int64_t line = info.firstDataline; line <= info.lastDataline; ++line) {
      AddComboText(Relay_Selector->Relay_Output, "Output : " + std::to_string(line));
    }
  }
  ZedArave->led_selector_active = true;
  Relay_Selector->ShowModal();
  if (HasChoice(Relay_Selector->relay) && HasChoice(Relay_Selector->Relay_Output)) {
    std::string label;
    std::string number;
    SplitAt(ChosenText(Relay_Selector->Relay_Output), ":", label, number);
    selected_board = ChosenText(Relay_Selector->relay);
    selected_led = strtoint_t(number);
    selected_session = ZedArave->Get_Board_session(selected_board);
    ZedArave->led_selector_active = false;
    Close();
  }
  ZedArave->led_selector_active = false;
}

}  // namespace trelvik
