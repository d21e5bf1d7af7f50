// The output test form and the two forms that pick an output by hand for the LED selector: a board with
// LEDs and one of its LEDs, or a relay board and one of its outputs.
#include "controller/app/dialog_boards.h"
#include "controller/app/dialogs.h"
#include "controller/app/number_text.h"
#include "controller/app/zedarave.h"
#include "framework/controls/label.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik {

namespace {

// Empties the output list and fills it with the LED numbers first..last of the board chosen in the
// board list (its first slot of that device name), showing the wait text meanwhile.
void FillOutputs(ui::TColumnComboBox* boards, ui::TColumnComboBox* outputs, fw::TLabel* wait, bool fromOne) {
  wait->SetVisible(true);
  outputs->ComboItems()->Clear();
  if (ZedArave != nullptr) {
    if (const int slot = SlotOfDevice(ZedArave->board_table, ItemDevice(ChosenText(boards))); slot > 0) {
      const BoardInfo& info = ZedArave->board_info[static_cast<std::size_t>(slot)];
      outputs->BeginUpdate();
      for (std::int64_t led = fromOne ? 1 : info.firstLed; led <= info.lastLed; ++led) {
        AddComboText(outputs, std::to_string(led));
      }
      outputs->EndUpdate();
    }
  }
  wait->SetVisible(false);
}

}  // namespace

// ---- Output test form ----------------------------------------------------------------------------

void TTestLED::outputboardChange() { FillOutputs(outputboard, Output, Label4, true); }

void TTestLED::SetChosenOutput(std::uint8_t state) {
  if (!HasChoice(outputboard) || !HasChoice(Output)) {
    if (ZedArave != nullptr) ZedArave->ShowMessage("Select an Output Card AND Output");
    return;
  }
  if (ZedArave == nullptr) return;
  const std::int32_t session = ZedArave->Get_Board_session(ItemDevice(ChosenText(outputboard)));
  if (session <= 0) return;
  DirectLedSet(session, strtoint_t(ChosenText(Output)), state);
}

void TTestLED::Button1Click() { SetChosenOutput(1); }

void TTestLED::Button2Click() { SetChosenOutput(0); }

// ---- Manual assignment form ----------------------------------------------------------------------------

void Tmanual_assignment::outputboardChange() { FillOutputs(outputboard, Output, Label4, false); }

void Tmanual_assignment::Button1Click() {
  if (!HasChoice(outputboard) || !HasChoice(Output)) {
    if (ZedArave != nullptr) ZedArave->ShowMessage("Select an Output Card AND Output");
    return;
  }
  if (LED_Selector != nullptr && ZedArave != nullptr) {
    LED_Selector->selected_board = ItemDevice(ChosenText(outputboard));
    LED_Selector->selected_led = strtoint_t(ChosenText(Output));
    LED_Selector->selected_session = ZedArave->Get_Board_session(LED_Selector->selected_board);
  }
  SetModalResult(fw::mrOk);
}

void Tmanual_assignment::Button2Click() {
  if (LED_Selector != nullptr) {
    LED_Selector->selected_board.clear();
    LED_Selector->selected_led = 0;
    LED_Selector->selected_session = 0;
  }
  Close();
}

// ---- Relay selector ------------------------------------------------------------------------------------

void TRelay_Selector::Button1Click() {
  if (!HasChoice(relay) || !HasChoice(Relay_Output)) {
    if (ZedArave != nullptr) ZedArave->ShowMessage("Select a Relay Card AND Output");
    return;
  }
  SetModalResult(fw::mrOk);
}

void TRelay_Selector::Button2Click() {
  relay->SetItemIndex(-1);
  Relay_Output->SetItemIndex(-1);
  Close();
}

}  // namespace trelvik
