// A drop-down whose picker is a plain panel, so the pop-up's protocol is seen without a real picker, and a
// fixture that opens it on a shown form.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/panel.h"
#include "tests/ui_dropdown/dropdown_test_support.h"
#include "ui/dropdown/dropdown_bars.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui::testing {

class PanelPicker : public TVxCustomDropDown {
 public:
  explicit PanelPicker(fw::TComponent* AOwner) : TVxCustomDropDown(AOwner), Panel(fw::Create<fw::TPanel>(this)) {
    Panel->SetBounds(0, 0, 120, 60);
    // Set before the pop-up exists, the picker keeps its own size for the first opening.
    SetControl(Panel);
  }

  fw::TPanel* Panel;
  // The value a closing by deactivation keeps (the pickers that keep it clear the flag here).
  bool KeepOnDeactivate = false;

  void BeforeDropDown() override {
    TVxCustomDropDown::BeforeDropDown();
    DropDownForm()->SetCancelOnDeactivate(!KeepOnDeactivate);
    SetControl(Panel);
  }
};

class PopupTest : public DropDownTest {
 public:
  PanelPicker* MakePicker(fw::TRect bounds = fw::TRect{20, 20, 220, 41}) {
    auto* picker = MakeDropDown<PanelPicker>(bounds);
    Form()->Show();
    ProcessMessages();
    return picker;
  }
  // Opens the pop-up and lets its window settle.
  TDropDownForm* Open(TVxCustomDropDown* dropDown) {
    dropDown->DropDown();
    ProcessMessages();
    return dropDown->DropDownForm();
  }
  // The pop-up window's place and size on the screen.
  static RECT WindowRect(fw::TWinControl* control) {
    RECT r{};
    GetWindowRect(control->Handle(), &r);
    return r;
  }
  // Activates another top-level window, which closes an open pop-up; false when the activation never came.
  bool ActivateOtherForm() {
    if (other_ == nullptr) {
      other_ = fw::Create<fw::TForm>(&App());
      other_->SetBounds(500, 400, 100, 80);
    }
    other_->Show();
    SetForegroundWindow(other_->Handle());
    SetActiveWindow(other_->Handle());
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (GetActiveWindow() != other_->Handle()) {
      if (GetTickCount64() >= deadline) return false;
      ProcessMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    ProcessMessages();
    return true;
  }

 private:
  fw::TForm* other_ = nullptr;
};

}  // namespace ui::testing
