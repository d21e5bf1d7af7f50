#include "controller/app/dialogs.h"

#include <string>
#include <vector>

#include "controller/app/make_control.h"
#include "controller/app/zedarave.h"
#include "framework/controls/bit_button.h"
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/memo.h"
#include "framework/controls/panel.h"
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

// A control of class T owned by the form and on it.
template <class T>
T* Child(fw::TForm* form, const char* name, int left, int top, int width, int height) {
  return Make<T>(form, form, name, left, top, width, height);
}

// A caption control of class T on the form.
template <class T>
T* Captioned(fw::TForm* form, const char* name, const char* caption, int left, int top, int width, int height) {
  T* control = Child<T>(form, name, left, top, width, height);
  control->SetCaption(caption);
  return control;
}

// A button that ends the modal dialog with result.
fw::TButton* ResultButton(fw::TForm* form, const char* name, const char* caption, int left, int top,
                          fw::TModalResult result) {
  fw::TButton* button = Captioned<fw::TButton>(form, name, caption, left, top, 110, 25);
  button->SetModalResult(result);
  return button;
}

struct DescriptionGroup {
  const char* heading;
  std::vector<const char*> lines;
};

// The description form's five groups: heading and lines.
const DescriptionGroup kDescriptionGroups[] = {
    {"Radios : (Plug n Play - Assign on Radio Assignment Tab)",
     {"     VDK 737 COM : Vardek B737 COM Radio Tuning Panel.",
      "     VDK 737 NAV : Vardek B737 NAV Radio Tuning Panel.",
      "     VDK 777 RMP : Vardek B777 Radio Tuning Panel.",
      "     VDK XPNDR : Vardek Transponder Panel.",
      "     HALDOR XPNDR : HALDOR Transponder Panel.",
      "     HALDOR MULTICOM : HALDOR COM/NAV Radio Tuning Panel."}},
    {"GlareShield - MCP EFIS : (Plug n Play)",
     {"     VDK CTRL MCP : Vardek Mode Control Panel.",
      "     VDK EFIS CA : Vardek Captains EFIS Control Panel.",
      "     VDK EFIS FO : Vardek First Officers EFIS Control Panel.",
      "     HALDOR 737 MCP : HALDOR B737 Mode Control Panel.",
      "     HALDOR 777 MCP : HALDOR B777 Mode Control Panel."}},
    {"CDU's : (Plug n Play - Assign on the CDU Assignment Tab)",
     {"     VDK CDU : Vardek CDU without integrated VGA Screen.",
      "     VDK CDU V9 : Vardek CDU with integrated VGA Screen."}},
    {"General Interface Boards : (Functions Assignable on the Input and Output Tabs)",
     {"     VTX HIO 32 64 : General I/O board with 32 Inputs and 64 Outputs.",
      "     VTX HIO 64 128 : General I/O board with 64 Inputs and 128 Outputs.",
      "     VTX HIO 128 256 : General I/O board with 128 Inputs and 256 Outputs.",
      "     VTX HI 128 : General I/O board with 128 Inputs.",
      "     SYS1 : General I/O board with 128 Inputs and 256 Outputs.",
      "     SYS2 : General I/O board with 128 Inputs.",
      "     SYS3 : General I/O board with 32 Inputs and 64 Outputs.",
      "     SYS4 : General I/O board with 64 Inputs and 128 Outputs.",
      "     VTX RELAY : General Relay board with 8 Relay driven Outputs.",
      "     GENERAL IO (GM1) : General I/O board.",
      "     VDK OVHD (OM1) : Vardek/HALDOR Overhead I/O board.",
      "     MFP Boads : Multi Function Panel."}},
    {"Other Boards : (Plug n Play)",
     {"     VDK ELEC : Vardek B737 Overhead Elec and Cab Alt Panels.",
      "     VDK ELEC (OE1) : Vardek/HALDOR B737 Overhead Elec and Cab Alt Panels.",
      "     VDK IRS : Vardek B737 IRS Panel."}},
};

}  // namespace

Tfind::Tfind(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "find", "Find", 320, 110);
  SetKeyPreview(true);
  findtxt = Child<fw::TEdit>(this, "findtxt", 10, 10, 290, 21);
  // The default button: Enter in the edit box finds too. Esc anywhere on the form is the Cancel button.
  Button1 = Captioned<fw::TButton>(this, "Button1", "Find / Find Next", 10, 45, 140, 25);
  Button1->SetDefault(true);
  Button1->OnClick = [this](fw::TObject*) { Button1Click(); };
  fw::TButton* cancel = ResultButton(this, "Button2", "Cancel", 160, 45, fw::mrCancel);
  cancel->SetCancel(true);
  OnShow = [this](fw::TObject*) { findtxt->SetText(""); };
}

TLED_Selector::TLED_Selector(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "LED_Selector", "LED Selector", 400, 220);
  step = Captioned<fw::TLabel>(this, "step", "Step 1 / 10", 10, 10, 120, 16);
  Label1 = Captioned<fw::TLabel>(this, "Label1", "Assigning :", 10, 30, 370, 16);
  Label2 = Captioned<fw::TLabel>(this, "Label2", "Is your chosen annunciator currently lit ?", 10, 55, 370, 16);
  Label3 = Captioned<fw::TLabel>(this, "Label3", "->", 10, 80, 20, 16);
  Label3->SetVisible(false);
  Label4 = Captioned<fw::TLabel>(this, "Label4", "Assign", 30, 80, 60, 16);
  Label4->SetVisible(false);
  Label5 = Captioned<fw::TLabel>(this, "Label5", "", 100, 80, 200, 16);
  Label5->SetVisible(false);
  BitBtn2 = Captioned<fw::TBitBtn>(this, "BitBtn2", "&Yes", 10, 105, 80, 25);
  BitBtn2->SetDefault(true);
  BitBtn2->OnClick = [this](fw::TObject*) { BitBtn2Click(); };
  BitBtn3 = Captioned<fw::TBitBtn>(this, "BitBtn3", "&No", 100, 105, 80, 25);
  BitBtn3->SetCancel(true);
  BitBtn3->OnClick = [this](fw::TObject*) { BitBtn3Click(); };
  BitBtn4 = Captioned<fw::TBitBtn>(this, "BitBtn4", "USE LED", 190, 105, 90, 25);
  BitBtn4->SetEnabled(false);
  BitBtn4->OnClick = [this](fw::TObject*) { BitBtn4Click(); };
  BitBtn5 = Captioned<fw::TBitBtn>(this, "BitBtn5", "Assign to Relay", 10, 145, 120, 25);
  BitBtn5->OnClick = [this](fw::TObject*) { BitBtn5Click(); };
  BitBtn6 = Captioned<fw::TBitBtn>(this, "BitBtn6", "Manually Assign", 140, 145, 120, 25);
  BitBtn6->OnClick = [this](fw::TObject*) { BitBtn6Click(); };
  BitBtn1 = Captioned<fw::TBitBtn>(this, "BitBtn1", "Cancel", 270, 145, 110, 25);
  BitBtn1->OnClick = [this](fw::TObject*) { BitBtn1Click(); };
  flash_timer = fw::Create<fw::TTimer>(this);
  flash_timer->SetName("flash_timer");
  flash_timer->SetEnabled(false);
  flash_timer->SetInterval(250);
  flash_timer->OnTimer = [this](fw::TObject*) { flash_timerTimer(); };
  OnShow = [this](fw::TObject*) { FormShow(); };
}

TRelay_Selector::TRelay_Selector(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "Relay_Selector", "Relay Assignment", 360, 230);
  Label1 = Captioned<fw::TLabel>(this, "Label1", "Assigning :", 10, 10, 330, 16);
  Captioned<fw::TLabel>(this, "Label2", "Select Relay Card", 10, 36, 200, 16);
  relay = Child<ui::TColumnComboBox>(this, "relay", 10, 54, 330, 22);
  Captioned<fw::TLabel>(this, "Label3", "Select Relay Output", 10, 84, 200, 16);
  Relay_Output = Child<ui::TColumnComboBox>(this, "Relay_Output", 10, 102, 330, 22);
  Button1 = Captioned<fw::TButton>(this, "Button1", "Assign Relay Output", 10, 146, 150, 25);
  Button1->OnClick = [this](fw::TObject*) { Button1Click(); };
  Button2 = ResultButton(this, "Button2", "Cancel", 170, 146, fw::mrCancel);
  Button2->OnClick = [this](fw::TObject*) { Button2Click(); };
}

Tboard_selector::Tboard_selector(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "board_selector", "SYS Board Import Assignment", 420, 220);
  Label1 = Captioned<fw::TLabel>(this, "Label1", "Press any button on the FWD Overhead", 10, 10, 390, 16);
  Label2 = Captioned<fw::TLabel>(this, "Label2", "or", 10, 30, 390, 16);
  Label3 = Captioned<fw::TLabel>(this, "Label3", "Select FWD Overhead Board from the dropdown list below", 10, 50, 390, 16);
  Label5 = Captioned<fw::TLabel>(this, "Label5", "Select Board", 10, 90, 390, 16);
  sys_board = Child<ui::TColumnComboBox>(this, "sys_board", 10, 110, 390, 22);
  BitBtn4 = ResultButton(this, "BitBtn4", "Assign Board", 10, 150, fw::mrOk);
  BitBtn2 = ResultButton(this, "BitBtn2", "Cancel", 130, 150, fw::mrCancel);
  BitBtn3 = ResultButton(this, "BitBtn3", "Skip - Not Applicable", 250, 150, fw::mrIgnore);
}

void Tboard_selector::BitBtn4Click() { SetModalResult(fw::mrOk); }

TTestLED::TTestLED(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "TestLED", "Test Output", 400, 220);
  outputboard = Child<ui::TColumnComboBox>(this, "outputboard", 10, 10, 370, 22);
  outputboard->OnChange = [this](fw::TObject*) { outputboardChange(); };
  Output = Child<ui::TColumnComboBox>(this, "Output", 10, 40, 370, 22);
  Label4 = Captioned<fw::TLabel>(this, "Label4", "(Please Wait : Finding Available Outputs...)", 10, 70, 370, 16);
  Button1 = Captioned<fw::TButton>(this, "Button1", "ON", 10, 100, 80, 25);
  Button1->OnClick = [this](fw::TObject*) { Button1Click(); };
  Button2 = Captioned<fw::TButton>(this, "Button2", "OFF", 100, 100, 80, 25);
  Button2->OnClick = [this](fw::TObject*) { Button2Click(); };
  ResultButton(this, "Button3", "Cancel", 190, 100, fw::mrCancel);
  Timer1 = fw::Create<fw::TTimer>(this);
  Timer1->SetName("Timer1");
  Timer1->SetInterval(500);
  // While the dialog is shown its lamp tests own the outputs, and every tick restarts both output passes'
  // intervals. Hidden, it leaves the passes to their own intervals: restarting them there would hold back
  // for good a pass whose interval is 500 ms or more.
  Timer1->OnTimer = [this](fw::TObject*) {
    last_tick = fw::TickCount();
    if (ZedArave != nullptr && Visible()) ZedArave->led_pass_tick = ZedArave->seg_pass_tick = last_tick;
  };
  Timer1->SetEnabled(true);
}

Tmanual_assignment::Tmanual_assignment(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "manual_assignment", "Manual Assignment", 400, 250);
  Label1 = Captioned<fw::TLabel>(this, "Label1", "Assigning :", 10, 10, 370, 16);
  Captioned<fw::TLabel>(this, "Label2", "Select Output Card", 10, 36, 200, 16);
  outputboard = Child<ui::TColumnComboBox>(this, "outputboard", 10, 56, 370, 22);
  outputboard->OnChange = [this](fw::TObject*) { outputboardChange(); };
  Captioned<fw::TLabel>(this, "Label3", "Select Output", 10, 86, 200, 16);
  Output = Child<ui::TColumnComboBox>(this, "Output", 10, 106, 370, 22);
  Label4 = Captioned<fw::TLabel>(this, "Label4", "(Please Wait : Finding Available Outputs...)", 10, 136, 370, 16);
  Button1 = Captioned<fw::TButton>(this, "Button1", "Assign Output", 10, 166, 120, 25);
  Button1->OnClick = [this](fw::TObject*) { Button1Click(); };
  Button2 = ResultButton(this, "Button2", "Cancel", 140, 166, fw::mrCancel);
  Button2->OnClick = [this](fw::TObject*) { Button2Click(); };
}

TForm8::TForm8(fw::TComponent* AOwner) : fw::TForm(AOwner) {
  Dialog(this, "Form8", "Descriptions", 560, 560);
  fw::TPanel* panel = Captioned<fw::TPanel>(this, "Panel1", "  Supported Interface Board and Descriptions", 0, 0, 560, 24);
  panel->SetAlign(fw::alTop);
  int top = 30;
  int number = 1;
  for (const DescriptionGroup& group : kDescriptionGroups) {
    Captioned<fw::TLabel>(this, ("Label" + std::to_string(number)).c_str(), group.heading, 10, top, 530, 16);
    fw::TMemo* memo = Child<fw::TMemo>(this, ("Memo" + std::to_string(number)).c_str(), 10, top + 18, 530, 70);
    memo->SetReadOnly(true);
    for (const char* line : group.lines) memo->Lines()->Add(line);
    top += 96;
    ++number;
  }
  ResultButton(this, "Button1", "Close", 440, top, fw::mrClose);
}

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
      if (TestLED != nullptr) {
        TestLED->outputboard->ComboItems()->Clear();
        TestLED->Output->ComboItems()->Clear();
      }
      if (manual_assignment != nullptr) {
        manual_assignment->outputboard->ComboItems()->Clear();
        manual_assignment->Output->ComboItems()->Clear();
      }
    };
    ZedArave->OnImportSwitch = [] {
      if (board_selector != nullptr) board_selector->BitBtn4Click();
    };
  }
}

}  // namespace trelvik
