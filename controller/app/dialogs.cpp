#include "controller/app/dialogs.h"

#include "controller/app/zedarave.h"
#include "framework/controls/edit.h"
#include "framework/forms/application.h"
#include "framework/messaging/timer.h"
#include "framework/services/clock.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik {

Tfind* find = nullptr;
TLED_Selector* LED_Selector = nullptr;
TRelay_Selector* Relay_Selector = nullptr;
Tboard_selector* board_selector = nullptr;
TTestLED* TestLED = nullptr;
Tmanual_assignment* manual_assignment = nullptr;
TForm8* Form8 = nullptr;

namespace {

void Dialog(fw::TForm* form, const char* name, const char* caption, int width, int height) {
  form->SetName(name);
  form->SetCaption(caption);
  form->SetBorderStyle(fw::bsDialog);
  form->SetBounds(0, 0, width, height);
  form->SetPosition(fw::poScreenCenter);
}

template <class T>
T* Child(fw::TForm* form, const char* name, int left, int top, int width, int height) {
  T* control = fw::Create<T>(form);
  control->SetName(name);
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}

}  // namespace

Tfind::Tfind(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "find", "Find", 320, 110);
  SetKeyPreview(true);
  findtxt = Child<fw::TEdit>(this, "findtxt", 10, 10, 290, 21);
}

TLED_Selector::TLED_Selector(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "LED_Selector", "LED Selector", 400, 220);
  flash_timer = fw::Create<fw::TTimer>(this);
  flash_timer->SetName("flash_timer");
  flash_timer->SetEnabled(false);
  flash_timer->SetInterval(250);
}

TRelay_Selector::TRelay_Selector(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "Relay_Selector", "Relay Assignment", 360, 200);
}

Tboard_selector::Tboard_selector(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "board_selector", "SYS Board Import Assignment", 420, 220);
  sys_board = Child<ui::TColumnComboBox>(this, "sys_board", 10, 110, 390, 22);
}

TTestLED::TTestLED(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "TestLED", "Test Output", 400, 220);
  outputboard = Child<ui::TColumnComboBox>(this, "outputboard", 10, 10, 370, 22);
  Timer1 = fw::Create<fw::TTimer>(this);
  Timer1->SetName("Timer1");
  Timer1->SetInterval(500);
  Timer1->OnTimer = [this](fw::TObject*) { last_tick = fw::TickCount(); };
  Timer1->SetEnabled(true);
}

Tmanual_assignment::Tmanual_assignment(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "manual_assignment", "Manual Assignment", 400, 220);
  outputboard = Child<ui::TColumnComboBox>(this, "outputboard", 10, 30, 370, 22);
  Output = Child<ui::TColumnComboBox>(this, "Output", 10, 80, 370, 22);
}

TForm8::TForm8(fw::TComponent* AOwner) : fw::TForm(AOwner) { Dialog(this, "Form8", "Descriptions", 560, 520); }

void CreateDialogs(fw::TApplication& application) {
  application.CreateForm(find);
  application.CreateForm(LED_Selector);
  application.CreateForm(Relay_Selector);
  application.CreateForm(board_selector);
  application.CreateForm(TestLED);
  application.CreateForm(manual_assignment);
  application.CreateForm(Form8);
  if (ZedArave != nullptr) {
    ZedArave->OnClearDialogBoards = [] {
      if (TestLED != nullptr) TestLED->outputboard->ComboItems()->Clear();
      if (manual_assignment != nullptr) {
        manual_assignment->outputboard->ComboItems()->Clear();
        manual_assignment->Output->ComboItems()->Clear();
      }
    };
  }
}

}  // namespace trelvik
