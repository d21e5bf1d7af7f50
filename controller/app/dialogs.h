// The seven dialogs, created once at start after the main form and reused for the whole run.
#pragma once

#include <cstdint>

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

class Tfind : public fw::TForm {
 public:
  explicit Tfind(fw::TComponent* AOwner);
  fw::TEdit* findtxt = nullptr;
};

class TLED_Selector : public fw::TForm {
 public:
  explicit TLED_Selector(fw::TComponent* AOwner);
  fw::TLabel* step = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TLabel* Label2 = nullptr;
  fw::TLabel* Label3 = nullptr;
  fw::TLabel* Label4 = nullptr;
  fw::TLabel* Label5 = nullptr;
  fw::TBitBtn* BitBtn2 = nullptr;  // "&Yes", the default button
  fw::TBitBtn* BitBtn3 = nullptr;  // "&No", the cancel button
  fw::TBitBtn* BitBtn4 = nullptr;  // "USE LED"
  fw::TTimer* flash_timer = nullptr;
};

class TRelay_Selector : public fw::TForm {
 public:
  explicit TRelay_Selector(fw::TComponent* AOwner);
  ui::TColumnComboBox* relay = nullptr;
  ui::TColumnComboBox* Relay_Output = nullptr;
};

class Tboard_selector : public fw::TForm {
 public:
  explicit Tboard_selector(fw::TComponent* AOwner);
  ui::TColumnComboBox* sys_board = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TLabel* Label2 = nullptr;
  fw::TLabel* Label3 = nullptr;
  fw::TLabel* Label5 = nullptr;
};

class TTestLED : public fw::TForm {
 public:
  explicit TTestLED(fw::TComponent* AOwner);
  // The 500 ms timer runs for the whole run, shown or not; its last tick restarts the output intervals.
  fw::TTimer* Timer1 = nullptr;
  std::uint32_t last_tick = 0;
  ui::TColumnComboBox* outputboard = nullptr;
  ui::TColumnComboBox* Output = nullptr;
  fw::TLabel* Label4 = nullptr;
};

class Tmanual_assignment : public fw::TForm {
 public:
  explicit Tmanual_assignment(fw::TComponent* AOwner);
  ui::TColumnComboBox* outputboard = nullptr;
  ui::TColumnComboBox* Output = nullptr;
  fw::TLabel* Label4 = nullptr;
};

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

// Makes the seven dialogs in their order and ties the board choices to the main form's discoveries.
void CreateDialogs(fw::TApplication& application);

}  // namespace trelvik
