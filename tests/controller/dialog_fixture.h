// The main form with its seven dialogs, board slots filled by hand (discovery releases the general-purpose
// boards these dialogs work on), the speaker's cues heard, and a user scripted for the modal dialogs.
#pragma once

#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "controller/app/dialog_boards.h"
#include "controller/app/dialogs.h"
#include "framework/messaging/timer.h"
#include "framework/services/beep.h"
#include "main_form_fixture.h"
#include "ui/controls/column_combo_box.h"

namespace trelvik::testing {

struct SlotSpec {
  int slot;
  std::int32_t session;
  const char* name;
  const char* model;
  const char* description;
  std::int32_t firstLed = 0, lastLed = 0;
  std::int32_t firstDataline = 0, lastDataline = 0;
  std::int32_t switches = 0;
};

// A user for modal dialogs: each step waits until its form is the modal form on top (shown modally and
// not disabled by a dialog above it), then acts. Steps run from the application's idle handler, in order;
// a script that stalls ends every modal form of its steps with Cancel and fails the test.
class ModalScript {
 public:
  explicit ModalScript(fw::TApplication& app) : app_(app) {
    app_.OnIdle = [this](fw::TObject*, bool& done) {
      done = false;
      Step();
    };
  }
  ~ModalScript() {
    app_.OnIdle = nullptr;
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted steps never ran";
  }
  ModalScript& Then(fw::TForm* form, std::function<void()> action) {
    steps_.emplace_back(form, std::move(action));
    forms_.insert(form);
    return *this;
  }

 private:
  void Step() {
    if (steps_.empty()) {
      // Every step ran: the dialogs they acted on must end by themselves.
      if (++idles_ > 20000) {
        ADD_FAILURE() << "a scripted dialog stayed open after the last step";
        for (fw::TForm* form : forms_) {
          if (form->Modal()) form->SetModalResult(fw::mrCancel);
        }
        idles_ = 0;
      }
      return;
    }
    fw::TForm* form = steps_.front().first;
    if (form->Modal() && IsWindowEnabled(form->Handle())) {
      idles_ = 0;
      std::function<void()> action = std::move(steps_.front().second);
      steps_.pop_front();  // the action may open a modal form of its own, whose steps run inside it
      action();
      return;
    }
    if (++idles_ > 20000) {
      ADD_FAILURE() << "the scripted user waited in vain for " << form->Name();
      for (auto& step : steps_) step.first->SetModalResult(fw::mrCancel);
      steps_.clear();
    }
  }

  fw::TApplication& app_;
  std::deque<std::pair<fw::TForm*, std::function<void()>>> steps_;
  std::set<fw::TForm*> forms_;
  int idles_ = 0;
};

class DialogTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    form_ = MakeForm();
    // The start-up tick's discovery installs the program's idle loop, which would take the idle handler a
    // scripted user runs from when the tick comes while a modal dialog is up (a loaded machine).
    form_->Timer1->SetEnabled(false);
    CreateDialogs(App());
    Boards().calls.clear();
  }
  void TearDown() override {
    FreeForm(form_);
    MainFormTest::TearDown();
  }
  void Slot(const SlotSpec& s) {
    tbuffer_id& entry = form_->board_table[static_cast<std::size_t>(s.slot)];
    entry.session = s.session;
    entry.name = s.name;
    entry.model = s.model;
    entry.description = s.description;
    BoardInfo& info = form_->board_info[static_cast<std::size_t>(s.slot)];
    std::memset(&info, 0, sizeof info);
    std::memcpy(info.model, s.model, 4);
    info.ledCount = s.lastLed >= s.firstLed && s.lastLed > 0 ? s.lastLed - s.firstLed + 1 : 0;
    info.firstLed = s.firstLed;
    info.lastLed = s.lastLed;
    info.datalineCount = s.lastDataline >= s.firstDataline && s.lastDataline > 0 ? s.lastDataline - s.firstDataline + 1 : 0;
    info.firstDataline = s.firstDataline;
    info.lastDataline = s.lastDataline;
    info.switchCount = s.switches;
    info.firstSwitch = s.switches > 0 ? 1 : 0;
    info.lastSwitch = s.switches;
    Boards().sessionNames[s.session] = s.name;
  }
  // The LEDs of each session that the library's calls left lit.
  std::map<int, std::set<int>> LitLeds() {
    std::map<int, std::set<int>> lit;
    for (const std::string& call : api_.library().calls) {
      int session = 0, led = 0, state = 0;
      if (std::sscanf(call.c_str(), "LED_Set(%d,%d,%d)", &session, &led, &state) != 3) continue;
      if (state != 0) lit[session].insert(led);
      else lit[session].erase(led);
    }
    return lit;
  }
  // The highest LED number any write went to, per session.
  std::map<int, int> HighestLedWritten() {
    std::map<int, int> highest;
    for (const std::string& call : api_.library().calls) {
      int session = 0, led = 0, state = 0;
      if (std::sscanf(call.c_str(), "LED_Set(%d,%d,%d)", &session, &led, &state) != 3) continue;
      highest[session] = std::max(highest[session], led);
    }
    return highest;
  }
  // The user picks row `index` of a list: the selection changes and the list tells its handlers.
  static void Pick(ui::TColumnComboBox* combo, int index) {
    combo->SetItemIndex(index);
    combo->Perform(fw::CN_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), 0);
  }
  static std::vector<std::string> Texts(ui::TColumnComboBox* combo) {
    std::vector<std::string> texts;
    for (int i = 0; i < combo->ComboItems()->Count(); ++i) texts.push_back(combo->ComboItems()->Items(i)->Strings()->Strings(0));
    return texts;
  }
  std::vector<std::string> Asked() {
    std::vector<std::string> texts;
    for (const auto& r : asked_) texts.push_back(r.Text);
    asked_.clear();
    return texts;
  }

  TZedArave* form_ = nullptr;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> beeps_;
  fw::ServiceDouble<void(std::uint32_t, std::uint32_t)> speaker_{
      fw::Beep, [this](std::uint32_t hertz, std::uint32_t ms) { beeps_.emplace_back(hertz, ms); }};
};

}  // namespace trelvik::testing
