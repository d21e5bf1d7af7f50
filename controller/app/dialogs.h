// The seven dialogs, created once at start after the main form and reused for the whole run. They read and
// write the main form's board table and public fields (ZedArave); everything runs on the GUI thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/forms/form.h"

namespace fw {
class TApplication;
class TBitBtn;
class TButton;
class TEdit;
class TLabel;
class TTimer;
}  // namespace fw

namespace ui {
class TColumnComboBox;
}

namespace trelvik {

// Searches the function rows of the input- or output-assignment page by name and scrolls the match to
// the top; it stays open for the next match.
class Tfind : public fw::TForm {
 public:
  explicit Tfind(fw::TComponent* AOwner);
  fw::TEdit* findtxt = nullptr;
  fw::TButton* Button1 = nullptr;  // "Find / Find Next"

  void Button1Click();
};

// Finds the LED behind an annunciator by halving the lit range of an eligible board, or lets the user
// pick an output by hand or a relay output. The opener reads selected_led (above 0: an LED was chosen),
// selected_board and selected_session when it closes.
class TLED_Selector : public fw::TForm {
 public:
  explicit TLED_Selector(fw::TComponent* AOwner);

  std::int32_t selected_session = 0;
  std::int32_t selected_led = -1;
  std::string selected_board;
  std::int32_t search_step = 1;  // 1 to 10
  std::int32_t board_number = 1;  // ordinal of the eligible board under search, from 1
  std::int32_t range_low = 0;
  std::int32_t range_high = 0;
  std::int32_t board_last_led = 0;
  bool last_answer_yes = false;
  bool flash_on = false;

  // Selects the n-th eligible board and lights all its LEDs; false when there is none.
  bool get_next_board(std::int32_t n);
  void click_yes();
  void click_no();

  void FormShow();
  void BitBtn2Click();  // "&Yes"
  void BitBtn3Click();  // "&No"
  // Y answers yes, N no. Not connected to the form's keys.
  void FormKeyDown(WORD& Key);
  void flash_timerTimer();
  void BitBtn4Click();  // "USE LED"
  void BitBtn1Click();  // "Cancel"
  void BitBtn6Click();  // "Manually Assign"
  void BitBtn5Click();  // "Assign to Relay"

  fw::TLabel* step = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TLabel* Label2 = nullptr;
  fw::TLabel* Label3 = nullptr;
  fw::TLabel* Label4 = nullptr;
  fw::TLabel* Label5 = nullptr;
  fw::TBitBtn* BitBtn2 = nullptr;  // "&Yes", the default button
  fw::TBitBtn* BitBtn3 = nullptr;  // "&No", the cancel button
  fw::TBitBtn* BitBtn4 = nullptr;  // "USE LED"
  fw::TBitBtn* BitBtn5 = nullptr;  // "Assign to Relay"
  fw::TBitBtn* BitBtn6 = nullptr;  // "Manually Assign"
  fw::TBitBtn* BitBtn1 = nullptr;  // "Cancel"
  fw::TTimer* flash_timer = nullptr;

 private:
  // Every LED of the range on (1) or off (0), straight to the library.
  void SetRange(std::uint8_t state);
  // The LEDs of every bound board of the models that Cancel and "Assign to Relay" switch off.
  void ClearBoards();
  // The step text, the found LED at step 10, the range label.
  void CommonEnd();
  void AnswerCue();
};

class TRelay_Selector : public fw::TForm {
 public:
  explicit TRelay_Selector(fw::TComponent* AOwner);
  fw::TLabel* Label1 = nullptr;  // heading, set by the opener
  ui::TColumnComboBox* relay = nullptr;
  ui::TColumnComboBox* Relay_Output = nullptr;
  fw::TButton* Button1 = nullptr;  // "Assign Relay Output"
  fw::TButton* Button2 = nullptr;  // "Cancel"

  void Button1Click();
  void Button2Click();
};

// Asks the import wizard's question: which board plays a panel group here.
class Tboard_selector : public fw::TForm {
 public:
  explicit Tboard_selector(fw::TComponent* AOwner);
  ui::TColumnComboBox* sys_board = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TLabel* Label2 = nullptr;
  fw::TLabel* Label3 = nullptr;
  fw::TLabel* Label5 = nullptr;
  fw::TButton* BitBtn4 = nullptr;  // "Assign Board"
  fw::TButton* BitBtn2 = nullptr;  // "Cancel"
  fw::TButton* BitBtn3 = nullptr;  // "Skip - Not Applicable"

  // "Assign Board": ends the dialog with OK. The switch processing calls it too, when a switch closes
  // while the wizard waits for one.
  void BitBtn4Click();
};

// Switches any single LED of a bound board on or off.
class TTestLED : public fw::TForm {
 public:
  explicit TTestLED(fw::TComponent* AOwner);
  // The 500 ms timer runs for the whole run, shown or not; while the dialog is shown each tick restarts the
  // output passes' intervals.
  fw::TTimer* Timer1 = nullptr;
  std::uint32_t last_tick = 0;
  ui::TColumnComboBox* outputboard = nullptr;
  ui::TColumnComboBox* Output = nullptr;
  fw::TLabel* Label4 = nullptr;
  fw::TButton* Button1 = nullptr;  // "ON"
  fw::TButton* Button2 = nullptr;  // "OFF"

  void outputboardChange();
  void Button1Click();
  void Button2Click();

 private:
  void SetChosenOutput(std::uint8_t state);
};

// Picks a board with LEDs and one of its LEDs by hand, for the LED selector.
class Tmanual_assignment : public fw::TForm {
 public:
  explicit Tmanual_assignment(fw::TComponent* AOwner);
  fw::TLabel* Label1 = nullptr;  // heading, set by the opener
  ui::TColumnComboBox* outputboard = nullptr;
  ui::TColumnComboBox* Output = nullptr;
  fw::TLabel* Label4 = nullptr;
  fw::TButton* Button1 = nullptr;  // "Assign Output"
  fw::TButton* Button2 = nullptr;  // "Cancel"

  void outputboardChange();
  void Button1Click();
  void Button2Click();
};

// Lists the supported board models.
class TForm8 : public fw::TForm {
 public:
  explicit TForm8(fw::TComponent* AOwner);
};

extern Tfind* find;
extern TLED_Selector* LED_Selector;
extern TRelay_Selector* Relay_Selector;
extern Tboard_selector* board_selector;
extern TTestLED* TestLED;
extern Tmanual_assignment* manual_assignment;
extern TForm8* Form8;

// Makes the seven dialogs in their order and ties them to the main form: the board choices emptied by
// every discovery, and the import wizard's switch press.
void CreateDialogs(fw::TApplication& application);

}  // namespace trelvik
