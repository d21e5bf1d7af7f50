// The 777 MINS and BARO knobs through the main form against the SimConnect.dll stand-in: detents of an
// EFIS board reach the add-on as turns, and the form's release timers finish them with one pair of
// button releases 200 ms after the first detent; the rescan sends the pairs of all four knobs.
#include <windows.h>

#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"
#include "controller/app/event_bridge.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "sim/simconnect/standin_control.h"
#include "ui/controls/office_radio_group.h"

namespace trelvik::testing {
namespace {

using Strings = std::vector<std::string>;

std::string StandInFolder() { return SimConnectStandInFolder(); }

class KnobReleaseTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    module_ = LoadLibraryA((StandInFolder() + "SimConnect.dll").c_str());
    ASSERT_NE(module_, nullptr) << "the stand-in is not in " << StandInFolder();
    ASSERT_TRUE(standIn_.Resolve(module_));
    standIn_.Reset();
  }
  void TearDown() override {
    aircraft::ForgetSimSession();
    aircraft::UnloadSimLibrary();
    if (module_ != nullptr) {
      standIn_.Reset();
      FreeLibrary(module_);
    }
    MainFormTest::TearDown();
  }
  // The form with a captain's EFIS panel, the 777 selected and its session open through the stand-in.
  TZedArave* ConnectedForm() {
    TZedArave* form = DiscoveredForm({{"03E8EFIS0001", "330B", 44, 0, 0, 0}});
    form->aircraft_type->SetItemIndex(1);
    {
      fw::ServiceDouble<std::string()> standInFolder{fw::ProgramFolder, [] { return StandInFolder(); }};
      EXPECT_TRUE(aircraft::StartSimLink());
    }
    aircraft::OpenSim777();
    aircraft::PollSim777();
    EXPECT_NE(aircraft::SimSession(), nullptr);
    standIn_.ClearJournal();
    return form;
  }
  Strings Events() const {
    Strings events;
    for (const std::string& line : standIn_.Journal()) {
      if (line.rfind("SimConnect_TransmitClientEvent(", 0) == 0) events.push_back(line);
    }
    return events;
  }
  static std::string Event(std::uint32_t event, const char* data) {
    return "SimConnect_TransmitClientEvent(1, 0, " + std::to_string(event) + ", 0x" + data + ", 1, 16)";
  }
  // Handles messages for ms milliseconds.
  static void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
      Drain();
      Sleep(1);
    }
  }

  HMODULE module_ = nullptr;
  SimConnectStandIn standIn_;
};

TEST_F(KnobReleaseTest, ThreeMinsDetentsGetOneReleasePairAfterTheFirst) {
  TZedArave* form = ConnectedForm();
  const std::int32_t efis = form->board_table[1].session;
  const DWORD first = GetTickCount();
  for (int detent = 0; detent < 3; ++detent) {
    PostMessageA(form->Handle(), WM_SWITCH_EVENT, static_cast<WPARAM>(efis), SwitchEventLParam(41, 1));
    if (detent < 2) PumpFor(50);
  }
  // Wait for the release pair (bounded).
  DWORD released = 0;
  while (GetTickCount() - first < 5000) {
    Drain();
    if (Events().size() >= 5) {
      released = GetTickCount();
      break;
    }
    Sleep(1);
  }
  const std::string turn = Event(69814, "0000000A");
  EXPECT_EQ(Events(), (Strings{turn, turn, turn, Event(69814, "00020000"), Event(69814, "00080000")}));
  // Once, and not earlier than its 200 ms after the first detent started the timer.
  EXPECT_FALSE(form->Stop_CPT_MINS->Enabled());
  EXPECT_GE(released - first, 190u);
}

TEST_F(KnobReleaseTest, EachTimerReleasesItsOwnKnob) {
  TZedArave* form = ConnectedForm();
  form->Stop_FO_Baro->SetEnabled(true);
  form->Stop_FO_BaroTimer();
  form->Stop_CPT_BaroTimer();
  form->Stop_FO_MINSTimer();
  EXPECT_FALSE(form->Stop_FO_Baro->Enabled());
  EXPECT_EQ(Events(), (Strings{Event(69889, "00020000"), Event(69889, "00080000"), Event(69823, "00020000"),
                               Event(69823, "00080000"), Event(69881, "00020000"), Event(69881, "00080000")}));
}

TEST_F(KnobReleaseTest, TheRescanReleasesAllFourKnobsWithThe777Only) {
  TZedArave* form = ConnectedForm();
  Boards().boards.clear();  // nothing to replay
  form->board_table = {};
  form->Button11Click();
  EXPECT_EQ(Events(), (Strings{Event(69823, "00020000"), Event(69823, "00080000"), Event(69889, "00020000"),
                               Event(69889, "00080000"), Event(69814, "00020000"), Event(69814, "00080000"),
                               Event(69881, "00020000"), Event(69881, "00080000")}));
  standIn_.ClearJournal();
  form->aircraft_type->SetItemIndex(0);
  form->Button11Click();
  EXPECT_TRUE(Events().empty());
  EXPECT_TRUE(form->switches_rescanned);
}

}  // namespace
}  // namespace trelvik::testing
