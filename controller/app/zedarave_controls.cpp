// The main window's controls, made in code: menu, header, the eight pages, the status bar and the timers.
#include <windows.h>

#include "controller/app/make_control.h"
#include "controller/app/zedarave.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/group_box.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/list_box.h"
#include "framework/controls/memo.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/up_down.h"
#include "framework/menus/menu_item.h"
#include "framework/messaging/timer.h"
#include "components/input/dx_joystick.h"
#include "components/input/jstick.h"
#include "components/net/net_socket.h"
#include "ui/controls/color_button.h"
#include "ui/controls/glow_button.h"
#include "ui/controls/main_menu.h"
#include "ui/controls/office_check_box.h"
#include "ui/controls/office_radio_group.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/smooth_panel.h"
#include "ui/controls/smooth_progress_bar.h"
#include "ui/controls/smooth_tab_pager.h"
#include "ui/foundation/gdip_button.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_progress.h"
#include "ui/foundation/gdip_status.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik {
namespace {

fw::TMenuItem* MenuItem(fw::TComponent* owner, fw::TMenuItem* parent, const char* name, const char* caption,
                        std::function<void()> click = {}) {
  fw::TMenuItem* item = fw::Create<fw::TMenuItem>(owner);
  item->SetName(name);
  item->SetCaption(caption);
  if (click) item->OnClick = [click](fw::TObject*) { click(); };
  parent->Add(item);
  return item;
}

fw::TTimer* Timer(fw::TComponent* owner, const char* name, unsigned interval, bool enabled, std::function<void()> tick) {
  fw::TTimer* timer = fw::Create<fw::TTimer>(owner);
  timer->SetName(name);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->OnTimer = [tick](fw::TObject*) { tick(); };
  timer->SetEnabled(enabled);
  return timer;
}

// The "Encoders" group: one row per knob, its three tuning values in the columns clicks before
// acceleration, time window and gain (up-down number, edit name, range and step).
struct EncoderCell {
  int upDown;
  const char* edit;
  int min, max, step;
};
struct EncoderKnob {
  const char* label;
  const char* caption;
  EncoderCell cells[3];
};
constexpr EncoderKnob kEncoderKnobs[] = {
    {"encoder_crs_label", "CRS", {{1, "p_crs_count", 2, 50, 1}, {2, "p_crs_gate", 50, 400, 10}, {12, "p_crs_gain", 1, 500, 1}}},
    {"encoder_ias_label", "IAS", {{3, "p_ias_count", 2, 50, 1}, {4, "p_ias_gate", 50, 400, 10}, {11, "p_ias_gain", 1, 500, 1}}},
    {"encoder_hdg_label", "HDG", {{5, "p_hdg_count", 2, 50, 1}, {6, "p_hdg_gate", 50, 400, 10}, {10, "p_hdg_gain", 1, 500, 1}}},
    {"encoder_alt_label", "ALT", {{7, "p_alt_count", 2, 50, 1}, {8, "p_alt_gate", 50, 400, 10}, {9, "p_alt_gain", 1, 500, 1}}},
};
// Left edges of the three value columns inside the group, and the row pitch below the heads.
constexpr int kEncoderColumns[] = {56, 128, 200};
constexpr int kEncoderTop = 38;
constexpr int kEncoderPitch = 24;

}  // namespace

void TZedArave::BuildMenu() {
  MainMenu1 = fw::Create<ui::TVxMainMenu>(this);
  MainMenu1->SetName("MainMenu1");
  MainMenu1->SetIntlKeybShortCuts(true);
  MainMenu1->BeginUpdate();  // the items built here get the styled handlers
  fw::TMenuItem* root = MainMenu1->Items();
  File1 = MenuItem(this, root, "File1", "&File");
  NewConfiguration1 = MenuItem(this, File1, "NewConfiguration1", "New Configuration", [this] { NewConfiguration1Click(); });
  LoadConfiguration1 = MenuItem(this, File1, "LoadConfiguration1", "Load Configuration", [this] { LoadConfiguration1Click(); });
  SaveConfiguration1 = MenuItem(this, File1, "SaveConfiguration1", "Save Configuration", [this] { SaveConfiguration1Click(); });
  SaveAs1 = MenuItem(this, File1, "SaveAs1", "Save As", [this] { SaveAs1Click(); });
  Exit1 = MenuItem(this, File1, "Exit1", "E&xit", [this] { Close(); });
  Edit1 = MenuItem(this, root, "Edit1", "&Edit");
  OperationMode1 = MenuItem(this, Edit1, "OperationMode1", "Operation Mode");
  RunMode1 = MenuItem(this, OperationMode1, "RunMode1", "Basic Mode");
  ProgramMode1 = MenuItem(this, OperationMode1, "ProgramMode1", "Program Mode");
  Find1 = MenuItem(this, Edit1, "Find1", "&Find");
  Log1 = MenuItem(this, Edit1, "Log1", "Log", [this] { Log1Click(); });
  ImportExport1 = MenuItem(this, root, "ImportExport1", "Import/Export");
  fw::TMenuItem* exports = MenuItem(this, ImportExport1, "Export1", "Export");
  MenuItem(this, exports, "MIPFile1", "MIP File", [this] { MIPFile1Click(); });
  MenuItem(this, exports, "PedestalFile1", "Pedestal File", [this] { PedestalFile1Click(); });
  MenuItem(this, exports, "MainOverheadFile1", "Main Overhead File", [this] { MainOverheadFile1Click(); });
  MenuItem(this, exports, "AFTOverheadFile1", "AFT Overhead File", [this] { AFTOverheadFile1Click(); });
  MenuItem(this, exports, "MiscItemsFile1", "Misc Items File", [this] { MiscItemsFile1Click(); });
  MenuItem(this, exports, "RelayFile1", "Relay File", [this] { RelayFile1Click(); });
  MenuItem(this, exports, "All1", "All", [this] { All1Click(); });
  MenuItem(this, ImportExport1, "ImportFile1", "Import File", [this] { ImportFile1Click(); });
  Logging1 = MenuItem(this, root, "Logging1", "Logging");
  Enable1 = MenuItem(this, Logging1, "Enable1", "Enable", [this] { Enable1Click(); });
  for (fw::TMenuItem* hidden : {NewConfiguration1, LoadConfiguration1, SaveAs1, Find1, ImportExport1, Logging1}) {
    hidden->SetVisible(false);
  }
  MainMenu1->EndUpdate();
  SetMenu(MainMenu1);
}

void TZedArave::BuildHeader() {
  header_panel = Make<ui::TVxSmoothPanel>(this, this, "header_panel", 0, 0, 790, 60);
  header_panel->SetAlign(fw::alTop);
  header_panel->SetCaption("");
  aircraft_type = Make<ui::TVxOfficeRadioGroup>(this, header_panel, "aircraft_type", 4, 2, 220, 54);
  aircraft_type->SetCaption("Aircraft Type");
  aircraft_type->Items()->Add("ORVA 737QTX");
  aircraft_type->Items()->Add("ORVA 777");
  VxGlowButton3 = Make<ui::TVxGlowButton>(this, header_panel, "VxGlowButton3", 230, 10, 80, 36);
  VxGlowButton3->SetCaption("Save");
  VxGlowButton1 = Make<ui::TVxGlowButton>(this, header_panel, "VxGlowButton1", 315, 10, 60, 36);
  VxGlowButton1->SetCaption("New");
  VxGlowButton1->SetVisible(false);
  VxGlowButton2 = Make<ui::TVxGlowButton>(this, header_panel, "VxGlowButton2", 380, 10, 60, 36);
  VxGlowButton2->SetCaption("Open");
  VxGlowButton2->SetVisible(false);
  VxGlowButton4 = Make<ui::TVxGlowButton>(this, header_panel, "VxGlowButton4", 445, 10, 60, 36);
  VxGlowButton4->SetCaption("Find");
  VxGlowButton4->SetVisible(false);
  Test_Mode1 = Make<ui::TVxOfficeCheckBox>(this, header_panel, "Test_Mode1", 510, 6, 130, 20);
  Test_Mode1->SetCaption("Test ALL Outputs");
  Test_Mode_Label = Make<fw::TLabel>(this, header_panel, "Test_Mode_Label", 510, 30, 130, 16);
  Test_Mode_Label->SetCaption("Test Mode Active");
  Test_Mode_Label->SetVisible(false);
  button35 = Make<ui::TW7SpeedButton>(this, header_panel, "button35", 625, 16, 160, 25);
  button35->SetCaption("Enable Program Mode");
  button35->SetEnabled(false);
  mark_saved();
}

void TZedArave::BuildPages() {
  pagecontrol1 = Make<ui::TVxSmoothTabPager>(this, this, "pagecontrol1", 0, 60, 790, 400);
  pagecontrol1->SetAlign(fw::alClient);
  pagecontrol1->SetTabPosition(ui::tpTopLeft);
  pagecontrol1->TabSettings()->SetStartMargin(4);
  pagecontrol1->TabSettings()->SetHeight(45);
  pagecontrol1->TabSettings()->SetWidth(146);
  pagecontrol1->ApplyStyle(4);
  static constexpr const char* kPageNames[] = {"VxSmoothTabPager11", "VxSmoothTabPager12", "VxSmoothTabPager13",
                                               "VxSmoothTabPager14", "VxSmoothTabPager15", "VxSmoothTabPager16",
                                               "VxSmoothTabPager17", "VxSmoothTabPager18"};
  static constexpr const char* kPageCaptions[] = {"ZEDArave Status",     "Input    Assignment",
                                                  "Output Assignments",  "CDU      Assignments",
                                                  "Radio    Assignments", "Switch / LED Monitor",
                                                  "Dimmer Axis",         "Control Axis"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    ui::TVxSmoothTabPage* page = fw::Create<ui::TVxSmoothTabPage>(this);
    page->SetName(kPageNames[i]);
    page->SetCaption(kPageCaptions[i]);
    page->SetTabPager(pagecontrol1);  // the pages after the first copy its look
    if (i == 0) StyleFirstPage(page);
    page->SetTabVisible(i == 0 || i == 3);
    pages[i] = page;
  }
  VxSmoothTabPager11 = pages[0];
  BuildStatusPage(pages[0]);
  BuildCduPage(pages[3]);
  BuildRadioPage(pages[4]);
  BuildAssignmentPages();
  BuildMonitorPage();
  BuildAxisPages(pages[6], pages[7]);
}

// What the form stores on each W7 button it places: the plain look, fades in 15 ms and out 40 ms, 16-pixel
// icons, a down arrow and "Segoe UI" of height -12 in dark blue. The header's mode button is the one drawn
// light and showing its arrow. Buttons that the rows make at run time keep the button's own defaults.
void TZedArave::ApplyStoredButtonLooks() {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* button = dynamic_cast<ui::TW7SpeedButton*>(Components(i));
    if (button == nullptr) continue;
    button->SetFlat(false);
    button->SetLight(false);
    button->SetFadeInInterval(15);
    button->SetFadeOutInterval(40);
    button->SetIconSize(ui::is16px);
    button->SetArrowType(ui::atDown);
    button->Font()->SetName("Segoe UI");
    button->Font()->SetHeight(-12);
    button->Font()->SetColor(0x5B391E);
  }
  button35->SetLight(true);
  button35->SetShowArrow(true);
}

void TZedArave::BuildAssignmentPages() {
  ui::TVxSmoothTabPage* inputs = pages[1];
  last_input = Make<fw::TLabel>(this, inputs, "last_input", 4, 4, 300, 16);
  last_input->SetCaption("");
  assign_off = Make<fw::TCheckBox>(this, inputs, "assign_off", 310, 2, 130, 20);
  assign_off->SetCaption("Assign OFF Event");
  auto* clearInputs = Make<ui::TW7SpeedButton>(this, inputs, "W7SpeedButton4", 560, 2, 200, 22);
  clearInputs->SetCaption("Clear All Switch Assignments");
  speed_buttons[4] = clearInputs;
  ScrollBox1 = Make<fw::TScrollBox>(this, inputs, "ScrollBox1", 0, 28, 780, 360);

  ui::TVxSmoothTabPage* outputs = pages[2];
  CheckBox1 = Make<ui::TVxOfficeCheckBox>(this, outputs, "CheckBox1", 4, 2, 90, 20);
  CheckBox1->SetCaption("Test ALL");
  auto* testPanel = Make<ui::TW7SpeedButton>(this, outputs, "W7SpeedButton1", 100, 2, 140, 22);
  testPanel->SetCaption("Output Test Panel");
  speed_buttons[1] = testPanel;
  reset_test = Make<ui::TColorButton>(this, outputs, "reset_test", 250, 2, 120, 22);
  reset_test->SetCaption("Reset Test Mode");
  reset_test->SetBackColor(fw::clYellow);
  reset_test->SetVisible(false);
  auto* clearOutputs = Make<ui::TW7SpeedButton>(this, outputs, "W7SpeedButton2", 560, 2, 200, 22);
  clearOutputs->SetCaption("Clear All Output Assignments");
  speed_buttons[2] = clearOutputs;
  ScrollBox2 = Make<fw::TScrollBox>(this, outputs, "ScrollBox2", 0, 28, 780, 360);

  ui::TVxSmoothTabPage* dimmer = pages[6];
  const int top = 8 + 11 * 28;  // the row of function 12
  Label177 = Make<fw::TLabel>(this, dimmer, "Label177", 140, top, 150, 16);
  Label177->SetCaption("Not Assigned");
  W7SpeedButton133 = Make<ui::TW7SpeedButton>(this, dimmer, "W7SpeedButton133", 365, top, 60, 18);
  W7SpeedButton133->SetCaption("Clear");
  axis_rows[12].assigned = Label177;
}

// The page fill and tab colours of style 4 with the form's own tab colours, font and (hidden) status badge.
void TZedArave::StyleFirstPage(ui::TVxSmoothTabPage* page) {
  page->ApplyStyle(4);
  ui::TVxSmoothTabAppearance* tab = page->TabAppearance();
  tab->SetColor(0xFFEFE3);
  tab->SetColorDown(0x22DDBB);
  tab->SetColorSelected(0x22DDBB);
  tab->SetColorHot(0xFFDD22);
  tab->SetColorDisabled(0xFFD1AD);
  tab->SetBevelColor(0x999999);
  tab->SetBevelColorDown(0xFDEADA);
  tab->SetBevelColorSelected(0xFDEADA);
  tab->SetBevelColorHot(0xFDEADA);
  tab->SetBevelColorDisabled(0xFDEADA);
  tab->SetShadow(true);
  tab->Appearance()->Font()->SetName("Tahoma");
  tab->Appearance()->Font()->SetHeight(-15);
  ui::TGDIPStatus* badge = tab->Status()->Appearance();
  badge->Fill()->SetGradientType(ui::gtSolid);
  badge->Fill()->SetColor(fw::clRed);
  badge->Fill()->SetBorderColor(fw::clGray);
  badge->Fill()->SetRounding(8);
  badge->Font()->SetName("Tahoma");
  badge->Font()->SetHeight(-11);
  badge->Font()->SetColor(fw::clWhite);
}

// The status banners: a lime-to-silver band with black Tahoma text, hidden at start.
void TZedArave::StyleBanner(ui::TVxSmoothLabel* label) {
  ui::TGDIPFill* fill = label->Fill();
  fill->SetGradientType(ui::gtVertical);
  fill->SetColor(fw::clLime);
  fill->SetColorTo(fw::clSilver);
  fill->SetColorMirror(fw::clNone);
  fill->SetColorMirrorTo(fw::clNone);
  fill->SetBorderColor(fw::clNone);
  fill->SetRounding(0);
  fill->SetShadowOffset(0);
  ui::TVxSmoothLabelCaption* caption = label->Caption();
  caption->Font()->SetName("Tahoma");
  caption->Font()->SetHeight(-21);
  caption->Font()->SetColor(fw::clWindowText);
  caption->SetColorStart(fw::clBlack);
  caption->SetColorEnd(fw::clBlack);
  label->CaptionShadow()->SetText("VxSmoothLabel");
  label->SetTransparent(false);
  label->SetVisible(false);
}

// A progress bar on a light-blue background with a lime bar, showing its value; hidden at start.
void TZedArave::StyleProgressBar(ui::TVxSmoothProgressBar* bar, double maximum, bool percentage,
                                 const char* format) {
  bar->SetMaximum(maximum);
  bar->SetStep(1);
  ui::TGDIPProgress* look = bar->Appearance();
  look->BackGroundFill()->SetColor(0xFFEBD7);
  look->BackGroundFill()->SetColorTo(0xFFEBD7);
  look->ProgressFill()->SetColor(fw::clLime);
  look->ProgressFill()->SetColorTo(fw::clLime);
  look->SetValueType(percentage ? ui::vtPercentage : ui::vtAbsolute);
  look->SetValueFormat(format);
  look->SetValueVisible(true);
  bar->SetVisible(false);
}

void TZedArave::BuildStatusPage(ui::TVxSmoothTabPage* page) {
  board_info_disp = Make<fw::TListBox>(this, page, "board_info_disp", 4, 4, 500, 166);
  fs_info = Make<fw::TListBox>(this, page, "fs_info", 4, 174, 500, 96);
  other_options = Make<fw::TGroupBox>(this, page, "other_options", 510, 0, 270, 48);
  other_options->SetCaption("Other Options");
  hide_on_startup = Make<ui::TVxOfficeCheckBox>(this, other_options, "hide_on_startup", 10, 20, 130, 20);
  hide_on_startup->SetCaption("Hide On Startup");
  p_3digit_mach = Make<fw::TCheckBox>(this, other_options, "p_3digit_mach", 140, 20, 120, 20);
  p_3digit_mach->SetCaption("3 Digit Mach");
  p_3digit_mach->SetVisible(false);
  show_descriptions = Make<ui::TW7SpeedButton>(this, other_options, "show_descriptions", 140, 18, 124, 24);
  show_descriptions->SetCaption("Show Board Descriptions");
  show_descriptions->SetVisible(false);
  dc_power_label = Make<fw::TLabel>(this, page, "dc_power_label", 510, 52, 150, 16);
  dc_power_label->SetCaption("");
  complete_cold_and_dark = Make<ui::TVxOfficeCheckBox>(this, page, "complete_cold_and_dark", 510, 52, 200, 20);
  complete_cold_and_dark->SetCaption("777 Complete Cold and Dark");

  encoders_group = Make<fw::TGroupBox>(this, page, "encoders_group", 510, 76, 270, 140);
  encoders_group->SetCaption("Encoders");
  // Each column is headed by its help mark, whose hint says what the column's values do.
  fw::TImage** heads[] = {&Image1, &Image2, &Image3};
  for (int column = 0; column < 3; ++column) {
    fw::TImage* image = Make<fw::TImage>(this, encoders_group, "Image" + std::to_string(column + 1),
                                         kEncoderColumns[column] + 22, 16, 16, 16);
    image->Picture()->Bitmap()->LoadFromResourceName(GetModuleHandleA(nullptr), "HELP_MARK");
    image->SetTransparent(true);
    image->SetShowHint(true);
    *heads[column] = image;
  }
  int top = kEncoderTop;
  for (const EncoderKnob& knob : kEncoderKnobs) {
    fw::TLabel* label = Make<fw::TLabel>(this, encoders_group, knob.label, 12, top + 3, 40, 16);
    label->SetCaption(knob.caption);
    for (int column = 0; column < 3; ++column) {
      const EncoderCell& cell = knob.cells[column];
      auto* edit = Make<fw::TEdit>(this, encoders_group, cell.edit, kEncoderColumns[column], top, 44, 21);
      auto* upDown = Make<fw::TUpDown>(this, encoders_group, "UpDown" + std::to_string(cell.upDown),
                                       kEncoderColumns[column] + 44, top, 16, 21);
      upDown->SetMin(cell.min);
      upDown->SetMax(cell.max);
      upDown->SetIncrement(cell.step);
      upDown->SetAssociate(edit);
      encoder_controls[static_cast<std::size_t>(cell.upDown)] = {edit, upDown};
    }
    top += kEncoderPitch;
  }

  Label5 = Make<fw::TLabel>(this, page, "Label5", 4, 296, 200, 16);
  Label5->SetCaption("Initializing..");
  Label181 = Make<fw::TLabel>(this, page, "Label181", 4, 276, 200, 16);
  Label181->SetCaption("DC Power : OFF");
  initializing_devices = Make<ui::TVxSmoothLabel>(this, page, "initializing_devices", 210, 274, 290, 20);
  StyleBanner(initializing_devices);
  save_label = Make<ui::TVxSmoothLabel>(this, page, "save_label", 210, 274, 290, 20);
  StyleBanner(save_label);
  ProgressBar = Make<ui::TVxSmoothProgressBar>(this, page, "ProgressBar", 210, 298, 290, 14);
  StyleProgressBar(ProgressBar, 601, true, "%.0f%%");
  input_progress = Make<ui::TVxSmoothProgressBar>(this, page, "input_progress", 210, 298, 290, 10);
  StyleProgressBar(input_progress, 100, false, "%.0f Pulses");

  family_panel = Make<fw::TPanel>(this, page, "family_panel", 510, 222, 270, 40);
  family_panel->SetVisible(false);
  const struct {
    fw::TCheckBox** box;
    const char* name;
    const char* caption;
  } families[] = {{&enable_zedarave, "enable_zedarave", "ZEDArave"}, {&enable_mcp, "enable_mcp", "MCP"},
                  {&enable_cdu, "enable_cdu", "CDU"},                {&enable_radio, "enable_radio", "Radio"},
                  {&enable_irs, "enable_irs", "IRS"},                {&enable_elec, "enable_elec", "ELEC"}};
  int left = 2;
  for (const auto& f : families) {
    *f.box = Make<fw::TCheckBox>(this, family_panel, f.name, left, 2, 44, 18);
    (*f.box)->SetCaption(f.caption);
    left += 44;
  }
  p_elec_config = Make<fw::TRadioGroup>(this, page, "p_elec_config", 510, 266, 270, 40);
  p_elec_config->SetCaption("ELEC / FLT ALT Compatibility Options");
  p_elec_config->SetVisible(false);
  AT_Test = Make<fw::TCheckBox>(this, page, "AT_Test", 510, 310, 120, 20);
  AT_Test->SetCaption("A/T Arm Test");
  AT_Test->SetVisible(false);
  at_arm = Make<fw::TCheckBox>(this, page, "at_arm", 640, 310, 120, 20);
  at_arm->SetCaption("A/T ARM");
  at_arm->SetVisible(false);
  W7SpeedButton3 = Make<ui::TW7SpeedButton>(this, page, "W7SpeedButton3", 510, 222, 150, 25);
  W7SpeedButton3->SetCaption("Refresh Switch States");
  W7SpeedButton3->SetVisible(false);
  speed_buttons[3] = W7SpeedButton3;

  ini_copy = Make<fw::TMemo>(this, page, "ini_copy", 0, 0, 10, 10);
  ini_copy->SetVisible(false);
  for (const std::string& line : ConfigTemplateLines()) ini_copy->Lines()->Add(line);
}

void TZedArave::BuildCduPage(ui::TVxSmoothTabPage* page) {
  last_input2 = Make<fw::TLabel>(this, page, "last_input2", 4, 4, 200, 16);
  last_input2->SetCaption("");
  const struct {
    int assign, clear;
    const char* caption;
    fw::TLabel** label;
    int labelNumber;
    bool visible;
  } roles[] = {
      {10, 5, "Assign CAPTAIN CDU", &Label9, 9, true},
      {11, 6, "Assign FO CDU", &Label10, 10, true},
      {12, 7, "Assign OBSERVER 1 CDU", &Label16, 16, true},
      {13, 8, "Assign OBSERVER 2 CDU", &Label17, 17, false},
      {14, 9, "Assign OBSERVER 3 CDU", &Label18, 18, false},
  };
  int top = 30;
  for (const auto& r : roles) {
    auto* assign = Make<ui::TW7SpeedButton>(this, page, ("W7SpeedButton" + std::to_string(r.assign)).c_str(), 4, top,
                                            180, 25);
    assign->SetCaption(r.caption);
    auto* clear = Make<ui::TW7SpeedButton>(this, page, ("W7SpeedButton" + std::to_string(r.clear)).c_str(), 190, top,
                                           60, 25);
    clear->SetCaption("Clear");
    *r.label = Make<fw::TLabel>(this, page, "Label" + std::to_string(r.labelNumber), 260, top + 4, 200, 16);
    (*r.label)->SetCaption("Not Assigned");
    role_labels[static_cast<std::size_t>(r.labelNumber)] = *r.label;
    const std::size_t role = static_cast<std::size_t>(r.assign - 10);
    brightness_labels[role] =
        Make<fw::TLabel>(this, page, ("Label" + std::to_string(61 + role)).c_str(), 470, top + 4, 150, 16);
    brightness_labels[role]->SetCaption("");
    for (fw::TControl* c : {static_cast<fw::TControl*>(assign), static_cast<fw::TControl*>(clear),
                            static_cast<fw::TControl*>(*r.label),
                            static_cast<fw::TControl*>(brightness_labels[role])}) {
      c->SetVisible(r.visible);
    }
    speed_buttons[static_cast<std::size_t>(r.assign)] = assign;
    speed_buttons[static_cast<std::size_t>(r.clear)] = clear;
    top += 32;
  }
  // The "External Program" boxes of the captain, first-officer and observer CDUs, hidden.
  const struct {
    fw::TCheckBox** box;
    const char* name;
    int top;
  } remotes[] = {{&p_cpt_ext, "p_cpt_ext", 30}, {&p_fo_ext, "p_fo_ext", 62}, {&p_obs_ext, "p_obs_ext", 94}};
  for (const auto& r : remotes) {
    *r.box = Make<fw::TCheckBox>(this, page, r.name, 630, r.top + 2, 140, 20);
    (*r.box)->SetCaption("External Program");
    (*r.box)->SetVisible(false);
  }
}

void TZedArave::BuildRadioPage(ui::TVxSmoothTabPage* page) {
  last_input3 = Make<fw::TLabel>(this, page, "last_input3", 4, 4, 200, 16);
  last_input3->SetCaption("");
  const struct {
    int assign, clear;
    const char* caption;
    int label;
  } roles[] = {
      {15, 26, "Assign CAPTAIN COM", 23},     {16, 27, "Assign F/O COM", 24},        {17, 28, "Assign CAPTAIN NAV", 28},
      {18, 29, "Assign F/O NAV", 29},         {19, 30, "Assign ADF 1", 30},          {20, 31, "Assign ADF 2", 34},
      {21, 32, "Assign TRANSPONDER", 36},     {22, 33, "Assign CPT MULTICOM", 37},   {23, 34, "Assign F/O MULTICOM", 39},
      {24, 35, "Assign OBS 1 MULTICOM", 41},  {25, 36, "Assign OBS 2 MULTICOM", 43},
  };
  int top = 30;
  for (const auto& r : roles) {
    auto* assign = Make<ui::TW7SpeedButton>(this, page, ("W7SpeedButton" + std::to_string(r.assign)).c_str(), 4, top,
                                            180, 25);
    assign->SetCaption(r.caption);
    auto* clear = Make<ui::TW7SpeedButton>(this, page, ("W7SpeedButton" + std::to_string(r.clear)).c_str(), 190, top,
                                           60, 25);
    clear->SetCaption("Clear");
    fw::TLabel* label = Make<fw::TLabel>(this, page, ("Label" + std::to_string(r.label)).c_str(), 260, top + 4, 200, 16);
    label->SetCaption("Not Assigned");
    speed_buttons[static_cast<std::size_t>(r.assign)] = assign;
    speed_buttons[static_cast<std::size_t>(r.clear)] = clear;
    role_labels[static_cast<std::size_t>(r.label)] = label;
    top += 30;
  }
  for (std::size_t i = 0; i < radio_status_labels.size(); ++i) {
    fw::TLabel* label = Make<fw::TLabel>(this, page, ("radio_status" + std::to_string(i + 1)).c_str(), 470,
                                         30 + static_cast<int>(i) * 20, 300, 16);
    label->SetCaption("");
    label->SetVisible(false);
    radio_status_labels[i] = label;
  }
}

void TZedArave::BuildComponents() {
  for (int i = 1; i <= 16; ++i) {
    input::TJstick* stick = fw::Create<input::TJstick>(this);
    stick->SetName("Jstick" + std::to_string(i));
    stick->SetJoystickID(i);
    // Every joystick shares one button handler, which runs on that joystick's polling thread.
    stick->OnButton = [this](fw::TObject*, std::int32_t JoystickID, std::int32_t ButtonID, bool ButtonDown) {
      Jstick1Button(JoystickID, ButtonID, ButtonDown);
    };
    Jstick[static_cast<std::size_t>(i)] = stick;
  }
  for (int i = 1; i <= 8; ++i) {
    input::TDxJoystick* stick = fw::Create<input::TDxJoystick>(this);
    stick->SetName("DxJoystick" + std::to_string(i));
    stick->SetAutoPoll(false);  // the axis query polls once and then reads each value
    DxJoystick[static_cast<std::size_t>(i)] = stick;
  }
  Update_Structure = fw::Create<net::TNetSocket>(this);
  Update_Structure->SetName("Update_Structure");
  Update_Structure->SetProto("tcp");
  Update_Structure->SetLocalAddr("0.0.0.0");
  Update_Structure->SetLocalPort("0");
  Update_Structure->OnSessionConnected = [this](fw::TObject*, std::uint16_t error) {
    Update_StructureSessionConnected(error);
  };
  Update_Structure->OnError = [this](fw::TObject*) { Update_StructureError(); };
  Update_Structure->OnDataAvailable = [this](fw::TObject*, std::uint16_t error) {
    Update_StructureDataAvailable(error);
  };
}

void TZedArave::BuildTimers() {
  Timer1 = Timer(this, "Timer1", 1000, false, [this] { Timer1Timer(); });
  reconnect = Timer(this, "reconnect", 5000, false, [this] { reconnectTimer(); });
  Timer_resend = Timer(this, "Timer_resend", 5000, false, [this] { Timer_resendTimer(); });
  save_Timer = Timer(this, "save_Timer", 3000, false, [this] { save_TimerTimer(); });
  progress_clear = Timer(this, "progress_clear", 1000, true, [this] { progress_clearTimer(); });
  Axis_Detect = Timer(this, "Axis_Detect", 10000, false, [this] { Axis_DetectTimer(); });
  fs_reconnect = Timer(this, "fs_reconnect", 3000, true, [] {});
  const auto oneShot = [this](const char* name, unsigned interval, fw::TTimer*& timer) {
    timer = Timer(this, name, interval, false, [&timer] { timer->SetEnabled(false); });
  };
  // A family's lamp flash ends after 3000 ms with every LED of every board off.
  const auto familyTest = [this](const char* name, fw::TTimer*& timer) {
    timer = Timer(this, name, 3000, false, [this, &timer] {
      timer->SetEnabled(false);
      reset_all_LEDs();
    });
  };
  familyTest("mcp_timer", mcp_timer);
  familyTest("efis_timer", efis_timer);
  familyTest("irs_timer", irs_timer);
  familyTest("elec_timer", elec_timer);
  familyTest("radio_timer", radio_timer);
  oneShot("cdu_cpt_timer", 3000, cdu_cpt_timer);
  oneShot("cdu_fo_timer", 3000, cdu_fo_timer);
  oneShot("cdu_obs_timer", 3000, cdu_obs_timer);
  Stop_CPT_Baro = Timer(this, "Stop_CPT_Baro", 200, false, [this] { Stop_CPT_BaroTimer(); });
  Stop_FO_Baro = Timer(this, "Stop_FO_Baro", 200, false, [this] { Stop_FO_BaroTimer(); });
  Stop_CPT_MINS = Timer(this, "Stop_CPT_MINS", 200, false, [this] { Stop_CPT_MINSTimer(); });
  Stop_FO_MINS = Timer(this, "Stop_FO_MINS", 200, false, [this] { Stop_FO_MINSTimer(); });
}

}  // namespace trelvik
