// The controls of one row of the input-assignment and output-assignment pages. A row edits the record of
// the same number; a control that was never made is null.
#pragma once

namespace fw {
class TCheckBox;
class TEdit;
class TLabel;
}  // namespace fw

namespace ui {
class TW7SpeedButton;
}

namespace trelvik {

// The four edits of an FSUIPC function and their captions.
struct FsuipcEdits {
  fw::TLabel* offsetLabel = nullptr;
  fw::TEdit* offset = nullptr;
  fw::TLabel* lengthLabel = nullptr;
  fw::TEdit* length = nullptr;
  fw::TLabel* valueOnLabel = nullptr;
  fw::TEdit* valueOn = nullptr;
  fw::TLabel* valueOffLabel = nullptr;
  fw::TEdit* valueOff = nullptr;
};

// One board switch of an input row: assign and clear buttons, the board label and the switch label.
struct SwitchControls {
  ui::TW7SpeedButton* assign = nullptr;
  ui::TW7SpeedButton* clear = nullptr;
  fw::TLabel* card = nullptr;
  fw::TLabel* state = nullptr;
};

struct InputRow {
  fw::TLabel* label = nullptr;  // the function name; its tag is the panel group
  SwitchControls main;
  SwitchControls second;
  FsuipcEdits fsuipc;
};

struct OutputRow {
  fw::TLabel* label = nullptr;
  ui::TW7SpeedButton* assign = nullptr;
  ui::TW7SpeedButton* clear = nullptr;
  fw::TLabel* card = nullptr;
  fw::TLabel* number = nullptr;
  fw::TCheckBox* test = nullptr;
  FsuipcEdits fsuipc;
};

}  // namespace trelvik
