// The main form's joystick axes over a scripted DirectInput and a fake clock: the query, detection, the
// axis pass with its dimmer commands and flight-control channels (written to a scripted FSUIPC link, and
// with the program's closed link), the commands of the axis pages and the loaded assignments.
#include <climits>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "components/input/dx_joystick.h"
#include "controller/aircraft/fsuipc_client.h"
#include "controller/app/server_command.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "tests/support/soak_run.h"
#include "tests/aircraft/scripted_fsuipc.h"
#include "tests/components_input/scripted_directinput.h"
#include "ui/controls/office_radio_group.h"
#include "ui/controls/smooth_label.h"
#include "ui/controls/w7_speed_button.h"

namespace trelvik::testing {
namespace {

// A position that reads as `value`.
LONG Position(std::int32_t value) { return 2 * (value + 16383); }

class JoystickAxesTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    directInput_.controllers.resize(3, directInput_.controllers[0]);
    directInput_.controllers[2].instance.Data4[7] = 3;
    for (ScriptedController& c : directInput_.controllers) SetAll(c, 0);
    form_ = MakeForm();
    for (int i = 1; i <= 8; ++i) form_->DxJoystick[static_cast<std::size_t>(i)]->SetDevice(i);
  }
  void TearDown() override {
    FreeForm(form_);
    MainFormTest::TearDown();
  }
  static void SetAll(ScriptedController& c, std::int32_t value) {
    DIJOYSTATE2& s = c.state;
    s.lX = s.lY = s.lZ = s.lRx = s.lRy = s.lRz = s.rglSlider[0] = s.rglSlider[1] = Position(value);
  }
  // Runs the idle loop's axis pass at `tick`.
  void PassAt(std::uint32_t tick) {
    now_ = tick;
    form_->axis_pass();
  }
  AxisAssignment& Axis(int f) { return form_->axis_functions[static_cast<std::size_t>(f)]; }
  const AxisRow& Row(int f) { return form_->axis_rows[static_cast<std::size_t>(f)]; }
  std::string Shown(fw::TLabel* label) { return label->Caption(); }
  std::string Channel(AxisChannel channel) { return Shown(form_->axis_channel_labels[channel]); }
  void Assign(int f, int joystick, int axis) {
    Axis(f).joystick = joystick;
    Axis(f).axis = axis;
  }

  ScriptedDirectInput directInput_;
  std::uint32_t now_ = 100000;
  fw::ServiceDouble<std::uint32_t()> clock_{fw::TickCount, [this] { return now_; }};
  std::vector<std::string> sent_;
  fw::ServiceDouble<void(const std::string&)> commands_{SendServerCommand,
                                                        [this](const std::string& c) { sent_.push_back(c); }};
  TZedArave* form_ = nullptr;
};

TEST_F(JoystickAxesTest, QueryReadsTheEightAxesOrZerosForAnAbsentDetachedVirtualOrUnusableController) {
  ScriptedController& c = directInput_.controllers[0];
  c.state.lX = 0;
  c.state.lY = 65535;
  c.state.lZ = 32767;
  c.state.lRx = 1;
  c.state.lRy = 2;
  c.state.lRz = 40000;
  c.state.rglSlider[0] = 10;
  c.state.rglSlider[1] = 65534;
  const AxisReading reading = form_->QueryAxisValues(*form_->DxJoystick[1]);
  EXPECT_EQ(reading.values, (std::array<std::int32_t, 9>{0, -16383, 16384, 0, -16383, -16382, 3617, -16378, 16384}));
  EXPECT_EQ(reading.name, L"Stick One Product");
  // The form's controllers poll once per query, then read each value.
  EXPECT_EQ(std::count(directInput_.log.begin(), directInput_.log.end(), "Poll 1"), 1);
  EXPECT_EQ(std::count(directInput_.log.begin(), directInput_.log.end(), "GetDeviceState 1"), 8);

  directInput_.controllers[1].caps.dwFlags = 0;  // installed but not attached
  directInput_.controllers[2].productName = L"vJoy Device";
  SetAll(directInput_.controllers[1], 5000);
  SetAll(directInput_.controllers[2], 5000);
  const std::array<std::int32_t, 9> zeros{};
  EXPECT_EQ(form_->QueryAxisValues(*form_->DxJoystick[2]).values, zeros);
  const std::size_t before = directInput_.log.size();
  EXPECT_EQ(form_->QueryAxisValues(*form_->DxJoystick[3]).values, zeros);
  EXPECT_FALSE(form_->DxJoystick[3]->Active());  // a virtual joystick is let go again
  EXPECT_NE(std::find(directInput_.log.begin() + static_cast<std::ptrdiff_t>(before), directInput_.log.end(),
                      "Unacquire 3"),
            directInput_.log.end());
  EXPECT_EQ(form_->QueryAxisValues(*form_->DxJoystick[4]).values, zeros);  // no controller there

  // One that cannot be acquired reads as zeros on every pass instead of raising.
  directInput_.controllers[0].acquireResult = DIERR_OTHERAPPHASPRIO;
  form_->DxJoystick[1]->SetActive(false);
  Assign(20, 1, 1);
  Axis(20).value = 777;
  PassAt(now_ + 201);
  PassAt(now_ + 201);
  EXPECT_EQ(Axis(20).value, 0);
  EXPECT_TRUE(asked_.empty());
}

TEST_F(JoystickAxesTest, DetectGivesTheFirstMovedAxisToTheFirstWaitingFunction) {
  SetAll(directInput_.controllers[1], 2000);
  form_->W7SpeedButton42Click(Row(20).detect);
  form_->W7SpeedButton42Click(Row(5).detect);  // a second click before any movement
  EXPECT_TRUE(form_->Axis_Detect->Enabled());
  EXPECT_EQ(Shown(Row(20).assigned), "Not Assigned");
  EXPECT_TRUE(form_->save_label->Visible());
  EXPECT_EQ(form_->save_label->Caption()->Text(), "Waiting for Axis Movement..");
  EXPECT_FALSE(form_->Label5->Visible());
  EXPECT_EQ(form_->axis_work.baseline[2][3], 2000);

  // 1000 is not yet a movement; the pass waits 200 ms between runs.
  directInput_.controllers[0].state.lZ = Position(1000);
  directInput_.controllers[1].state.rglSlider[0] = Position(3000);
  PassAt(now_ + 201);
  EXPECT_TRUE(form_->Axis_Detect->Enabled());
  directInput_.controllers[1].state.rglSlider[0] = Position(3001);
  directInput_.controllers[1].state.rglSlider[1] = Position(9000);  // a later axis does not count
  directInput_.controllers[2].state.lX = Position(9000);            // nor a later joystick
  PassAt(now_ + 200);
  EXPECT_TRUE(form_->Axis_Detect->Enabled());
  PassAt(now_ + 1);
  EXPECT_FALSE(form_->Axis_Detect->Enabled());
  EXPECT_EQ(Axis(5).joystick, 2);
  EXPECT_EQ(Axis(5).axis, 7);
  EXPECT_EQ(Axis(20).axis, 0);
  EXPECT_EQ(Shown(Row(5).assigned), "Joystick:2 Axis:7");
  EXPECT_FALSE(form_->save_label->Visible());
  EXPECT_TRUE(form_->save_marked());
  // Both flags cleared: the next movement goes nowhere.
  form_->Axis_Detect->SetEnabled(true);
  directInput_.controllers[0].state.lX = Position(9000);
  PassAt(now_ + 201);
  EXPECT_EQ(Axis(20).axis, 0);
}

TEST_F(JoystickAxesTest, NoMovementWithinTenSecondsLeavesTheOldAssignment) {
  Assign(22, 3, 4);
  form_->W7SpeedButton42Click(Row(22).detect);
  EXPECT_EQ(form_->Axis_Detect->Interval(), 10000u);
  for (int pass = 0; pass < 5; ++pass) PassAt(now_ + 201);
  form_->Axis_Detect->OnTimer(form_->Axis_Detect);
  EXPECT_FALSE(form_->Axis_Detect->Enabled());
  EXPECT_FALSE(form_->save_label->Visible());
  EXPECT_TRUE(form_->Label5->Visible());
  EXPECT_EQ(Shown(Row(22).assigned), "Not Assigned");
  EXPECT_EQ(Axis(22).joystick, 3);
  EXPECT_EQ(Axis(22).axis, 4);
  EXPECT_FALSE(form_->save_marked());
  // The flag went with the time-out.
  form_->Axis_Detect->SetEnabled(true);
  directInput_.controllers[0].state.lX = Position(9000);
  PassAt(now_ + 201);
  EXPECT_EQ(Axis(22).axis, 4);
  EXPECT_EQ(Axis(22).joystick, 3);
}

TEST_F(JoystickAxesTest, DimmerCommandsGoOutEveryHalfSecondWithTheValuesShown) {
  Assign(1, 1, 1);   // CPT OUTBD
  Assign(12, 2, 8);  // WXR GAIN: sent, but has no value label
  directInput_.controllers[0].state.lX = Position(0);
  directInput_.controllers[1].state.rglSlider[1] = Position(-16383);
  PassAt(now_ + 201);
  EXPECT_EQ(sent_, (std::vector<std::string>{"DISPLAY_CPT_PFD_BRIGHTNESS=120", "WEATHER_RADAR_ACTIVE=0"}));
  EXPECT_EQ(Shown(Row(1).value), "Value : 0");
  EXPECT_EQ(Shown(Row(2).value), "Value : 0");  // every row shows its value, assigned or not
  EXPECT_EQ(Row(12).value, nullptr);

  directInput_.controllers[0].state.lX = Position(16384);
  sent_.clear();
  PassAt(now_ + 200);  // not yet a pass
  PassAt(now_ + 1);    // a pass, 201 ms after the last commands
  EXPECT_TRUE(sent_.empty());
  EXPECT_EQ(Shown(Row(1).value), "Value : 16384");
  PassAt(now_ + 201);  // 402 ms
  EXPECT_TRUE(sent_.empty());
  PassAt(now_ + 201);  // 603 ms
  EXPECT_EQ(sent_, (std::vector<std::string>{"DISPLAY_CPT_PFD_BRIGHTNESS=250", "WEATHER_RADAR_ACTIVE=0"}));
}

class AxisChannelsTest : public JoystickAxesTest {
 protected:
  void SetUp() override {
    JoystickAxesTest::SetUp();
    aircraft_test::ScriptedFsuipc::current = &fsuipc_;
    form_->sim_detected = true;
    form_->aircraft_type->SetItemIndex(0);  // the 737 (the template's choice is the 777)
  }
  void TearDown() override {
    JoystickAxesTest::TearDown();
    aircraft_test::ScriptedFsuipc::current = nullptr;
  }
  // What the last pass wrote, by offset (as a signed number of its size).
  std::map<std::uint32_t, std::int64_t> Writes(std::size_t from = 0) {
    std::map<std::uint32_t, std::int64_t> writes;
    for (std::size_t e = from; e < fsuipc_.exchanges.size(); ++e) {
      for (const auto& r : fsuipc_.exchanges[e]) {
        if (r.kind != 2) continue;
        if (r.size == 2) writes[r.offset] = static_cast<std::int16_t>(r.data[0] | (r.data[1] << 8));
        if (r.size == 4) {
          std::int32_t v;
          std::memcpy(&v, r.data.data(), 4);
          writes[r.offset] = v;
        }
      }
    }
    return writes;
  }
  std::vector<std::uint32_t> Reads(std::size_t from = 0) {
    std::vector<std::uint32_t> reads;
    for (std::size_t e = from; e < fsuipc_.exchanges.size(); ++e) {
      for (const auto& r : fsuipc_.exchanges[e]) {
        if (r.kind == 1) reads.push_back(r.offset);
      }
    }
    return reads;
  }

  aircraft_test::ScriptedFsuipc fsuipc_;
  aircraft::ScopedFsuipcLink link_{fsuipc_.Calls(), fsuipc_.Link()};
};

TEST_F(AxisChannelsTest, EachAssignedChannelIsCombinedSmoothedShownAndWritten) {
  Assign(20, 1, 1);  // elevator from two inputs
  Assign(21, 1, 2);
  Assign(30, 2, 1);  // left brake, one-sided
  Assign(34, 2, 2);  // left throttle
  Assign(37, 2, 3);  // flaps
  directInput_.controllers[0].state.lX = Position(5000);
  directInput_.controllers[0].state.lY = Position(-3000);
  directInput_.controllers[1].state.lX = Position(16383);
  directInput_.controllers[1].state.lY = Position(-16383);
  directInput_.controllers[1].state.lZ = Position(-16383 + 4096);  // first detent
  PassAt(now_ + 201);
  EXPECT_EQ(Writes(), (std::map<std::uint32_t, std::int64_t>{
                          {0x52F0, 1000}, {0x52F6, 8192}, {0x52FA, 0}, {0x0BDC, 2048}}));
  EXPECT_EQ(Reads(), (std::vector<std::uint32_t>{0x0892}));  // the throttle lever, before its write
  EXPECT_EQ(Channel(kElevator), "Value : 1000");
  EXPECT_EQ(Channel(kBrakeLeft), "Value : 8192");
  EXPECT_EQ(Channel(kFlaps), "Value : 2048");
  EXPECT_EQ(Channel(kAileron), "Value : 0");  // unassigned channels are left alone

  const std::size_t first = fsuipc_.exchanges.size();
  PassAt(now_ + 201);
  EXPECT_EQ(Writes(first).at(0x52F0), 1500);  // halfway again
  EXPECT_EQ(Writes(first).at(0x52F6), 12287);
  EXPECT_TRUE(form_->sim_detected);

  // Without the simulator nothing is written.
  form_->sim_detected = false;
  const std::size_t second = fsuipc_.exchanges.size();
  PassAt(now_ + 201);
  EXPECT_EQ(fsuipc_.exchanges.size(), second);
  EXPECT_EQ(Channel(kElevator), "Value : 1750");
}

TEST_F(AxisChannelsTest, RudderAndTillerShareOneValueAndFollowTheAirspeed) {
  Assign(26, 1, 1);
  directInput_.controllers[0].state.lX = Position(10000);
  // Each case starts from a settled 0, so the output is half of the scaled input of 10000.
  const std::pair<std::uint32_t, std::int64_t> cases[] = {{0, 5000}, {20, 0}, {30, 0}, {45, 2550}, {80, 5000}};
  for (const auto& [knots, written] : cases) {
    form_->axis_work.smoothed[kYaw] = 0;
    fsuipc_.readValues[0x02B8] = knots * 128;
    const std::size_t from = fsuipc_.exchanges.size();
    PassAt(now_ + 201);
    EXPECT_EQ(Writes(from).at(0x52F4), written) << knots;
    EXPECT_EQ(Reads(from), (std::vector<std::uint32_t>{0x02B8})) << knots;
  }
  // The tiller: full up to 40 knots, none from 60, shown in the rudder's label.
  Axis(26).axis = 0;
  Assign(28, 1, 1);
  fsuipc_.readValues[0x02B8] = 50 * 128;
  form_->axis_work.smoothed[kYaw] = 0;
  PassAt(now_ + 201);
  EXPECT_EQ(Channel(kYaw), "Value : 2500");
  EXPECT_EQ(Writes().at(0x52FE), 2500);

  // Without the simulator the rudder still reads the speed, the tiller does not; neither writes.
  form_->sim_detected = false;
  const std::size_t from = fsuipc_.exchanges.size();
  PassAt(now_ + 201);
  EXPECT_TRUE(Reads(from).empty());
  Assign(26, 1, 1);
  PassAt(now_ + 201);
  EXPECT_EQ(Reads(from), (std::vector<std::uint32_t>{0x02B8}));
  EXPECT_TRUE(Writes(from).empty());
}

TEST_F(AxisChannelsTest, SpeedbrakeArmsAndFlapsFollowTheAircraftsDetents) {
  Assign(36, 1, 1);
  Assign(37, 1, 2);
  Axis(36).null_zone = -10000;  // ARM position
  directInput_.controllers[0].state.lX = Position(-9000);
  directInput_.controllers[0].state.lY = Position(-16383 + 3 * 4681);
  PassAt(now_ + 201);
  EXPECT_EQ(Writes().at(0x0BD0), 4800);
  EXPECT_EQ(Writes().at(0x0BDC), 6144);  // 737: eight detents
  EXPECT_EQ(Channel(kSpeedbrake), "Value : 4800");
  form_->aircraft_type->SetItemIndex(1);  // 777: seven
  directInput_.controllers[0].state.lX = Position(-16383);
  const std::size_t from = fsuipc_.exchanges.size();
  PassAt(now_ + 201);
  EXPECT_EQ(Writes(from).at(0x0BD0), 0);
  EXPECT_EQ(Writes(from).at(0x0BDC), 7021);
}

TEST_F(JoystickAxesTest, WithTheProgramsClosedLinkTheFirstRequestClearsTheSimulatorFlag) {
  Assign(20, 1, 1);
  directInput_.controllers[0].state.lX = Position(8000);
  form_->sim_detected = true;
  PassAt(now_ + 201);
  EXPECT_FALSE(form_->sim_detected);
  EXPECT_EQ(Channel(kElevator), "Value : 4000");  // still shown
  // The rudder asks for the speed on every pass even so; the input keeps its full share.
  Assign(26, 1, 1);
  form_->sim_detected = true;
  PassAt(now_ + 201);
  EXPECT_FALSE(form_->sim_detected);
  EXPECT_EQ(Channel(kYaw), "Value : 4000");
}

TEST_F(JoystickAxesTest, PageCommandsCalibrateClearAndArm) {
  Assign(25, 1, 1);
  directInput_.controllers[0].state.lX = Position(-12000);
  PassAt(now_ + 201);
  form_->W7SpeedButton96Click(Row(25).set_low);
  directInput_.controllers[0].state.lX = Position(12000);
  PassAt(now_ + 201);
  form_->W7SpeedButton132Click(Row(25).set_high);
  EXPECT_EQ(Axis(25).low, -12000);
  EXPECT_EQ(Axis(25).high, 12000);
  EXPECT_EQ(Row(25).low->Text(), "-12000");
  EXPECT_EQ(Row(25).high->Text(), "12000");
  EXPECT_TRUE(form_->save_marked());

  Row(25).null_zone->SetText("450");
  EXPECT_EQ(Axis(25).null_zone, 450);
  for (const char* text : {"", "4x", "99999999999"}) {
    Row(25).null_zone->SetText(text);
    EXPECT_EQ(Axis(25).null_zone, 450) << text;
  }
  Row(25).reverse->SetChecked(true);
  EXPECT_TRUE(Axis(25).reverse);

  form_->mark_saved();
  form_->W7SpeedButton55Click(Row(25).clear);
  EXPECT_EQ(Axis(25), (AxisAssignment{0, 0, 0, 0, 0, 300, false}));
  EXPECT_EQ(Shown(Row(25).assigned), "Not Assigned");
  EXPECT_EQ(Row(25).low->Text(), "-16383");
  EXPECT_EQ(Row(25).high->Text(), "16383");
  EXPECT_FALSE(Row(25).reverse->Checked());
  EXPECT_TRUE(form_->save_marked());

  // ARM takes the speedbrake's position as its null zone.
  Assign(36, 1, 2);
  directInput_.controllers[0].state.lY = Position(-7000);
  PassAt(now_ + 201);
  form_->W7SpeedButton131Click(Row(36).arm);
  EXPECT_EQ(Row(36).null_zone->Text(), "-7000");
  EXPECT_EQ(Axis(36).null_zone, -7000);

  // A dimmer's Clear empties the record without marking Save.
  form_->mark_saved();
  Assign(3, 1, 1);
  form_->DimmerClearClick(Row(3).clear);
  EXPECT_EQ(Axis(3), AxisAssignment{});
  EXPECT_EQ(Shown(Row(3).assigned), "Not Assigned");
  EXPECT_FALSE(form_->save_marked());
}

TEST_F(JoystickAxesTest, LoadingShowsTheAssignedAxesAndDropsNumbersOutsideOneToEight) {
  folder_.Write("ASSIGNMENTS.INI",
                "[AXIS_ASSIGNMENTS]\r\n"
                "CPT_INBD_JOYSTICK=2\r\nCPT_INBD_AXIS=6\r\n"
                "LOWER_JOYSTICK=9\r\nLOWER_AXIS=1\r\n"
                "UPPER_JOYSTICK=1\r\nUPPER_AXIS=0\r\n"
                "FO_OUTBD_JOYSTICK=0\r\nFO_OUTBD_AXIS=3\r\n"
                "ELEVATOR_2_JOYSTICK=3\r\nELEVATOR_2_AXIS=8\r\nELEVATOR_2_LOW=-15000\r\nELEVATOR_2_HIGH=14000\r\n"
                "ELEVATOR_2_NULL=120\r\nELEVATOR_2_REVERSE=1\r\n"
                "FLAPS_JOYSTICK=4\r\nFLAPS_AXIS=-2\r\n");
  form_->Load_Input_Assignments("");
  EXPECT_EQ(Shown(Row(2).assigned), "Joystick:2 Axis:6");
  for (int f : {4, 6, 7, 37}) {
    EXPECT_EQ(Axis(f).joystick, 0) << f;
    EXPECT_EQ(Axis(f).axis, 0) << f;
    EXPECT_EQ(Shown(Row(f).assigned), "Not Assigned") << f;
  }
  EXPECT_EQ(Axis(21), (AxisAssignment{3, 8, 0, -15000, 14000, 120, true}));
  EXPECT_EQ(Shown(Row(21).assigned), "Joystick:3 Axis:8");
  EXPECT_EQ(Row(21).low->Text(), "-15000");
  EXPECT_EQ(Row(21).high->Text(), "14000");
  EXPECT_EQ(Row(21).null_zone->Text(), "120");
  EXPECT_TRUE(Row(21).reverse->Checked());
  // An unassigned function never queries a controller.
  directInput_.log.clear();
  Axis(21).axis = 0;
  PassAt(now_ + 201);
  EXPECT_EQ(std::count(directInput_.log.begin(), directInput_.log.end(), "Poll 3"), 0);
  EXPECT_EQ(std::count(directInput_.log.begin(), directInput_.log.end(), "Poll 2"), 1);
}

TEST_F(JoystickAxesTest, ShutDownClosesTheFsuipcLink) {
  aircraft_test::ScriptedFsuipc fsuipc;
  aircraft_test::ScriptedFsuipc::current = &fsuipc;
  {
    aircraft::ScopedFsuipcLink link(fsuipc.Calls(), fsuipc.Link());
    FreeForm(form_);
    form_ = MakeForm();
    EXPECT_EQ(fsuipc.atomsDeleted, 1);
    EXPECT_EQ(fsuipc.viewsUnmapped, 1);
    EXPECT_EQ(fsuipc.handlesClosed, 1);
  }
  aircraft_test::ScriptedFsuipc::current = nullptr;
}


// Generator of controller states at and beyond their ranges, with axis functions whose joystick, axis,
// calibration and null zone are anything a file could hold; the axis pass runs over each. No pass may fail,
// every command carries a plain number, and afterwards a dimmer still sends what its axis shows.
TEST_F(AxisChannelsTest, StatesAndAssignmentsAtAndBeyondTheirRangesAreSurvived) {
  const AxisRecords loaded = form_->axis_functions;
  const auto extreme = [](trelvik::testing::SoakRun& run) -> std::int32_t {
    const std::int32_t edges[] = {INT32_MIN, INT32_MIN + 1, -65536, -16384, -16383, -1, 0, 1, 16383, 16384,
                                  32767, 65535, 65536, INT32_MAX - 1, INT32_MAX};
    return run.Between(0, 2) == 0 ? static_cast<std::int32_t>(run.Random()())
                                  : edges[run.Between(0, static_cast<int>(std::size(edges)) - 1)];
  };
  trelvik::testing::SoakRun run("joystick", 5505, 300);
  while (run.Next()) {
    std::vector<std::int32_t> input;
    for (ScriptedController& c : directInput_.controllers) {
      DIJOYSTATE2& st = c.state;
      for (LONG* axis : {&st.lX, &st.lY, &st.lZ, &st.lRx, &st.lRy, &st.lRz, &st.rglSlider[0], &st.rglSlider[1]}) {
        *axis = extreme(run);
        input.push_back(*axis);
      }
    }
    for (int f = 1; f <= kAxisFunctions; ++f) {
      if (run.Between(0, 3) != 0) continue;
      AxisAssignment& a = Axis(f);
      a.joystick = run.Between(-1, 10);
      a.axis = run.Between(-1, 10);
      a.low = extreme(run);
      a.high = run.Between(0, 4) == 0 ? a.low : extreme(run);  // now and then no range at all
      a.null_zone = extreme(run);
      a.reverse = run.Between(0, 1) == 1;
      input.insert(input.end(), {a.joystick, a.axis, a.low, a.high, a.null_zone, a.reverse ? 1 : 0});
    }
    std::vector<std::uint8_t> bytes(input.size() * sizeof(std::int32_t));
    std::memcpy(bytes.data(), input.data(), bytes.size());
    run.SetInput(bytes);
    sent_.clear();
    try {
      PassAt(now_ + static_cast<std::uint32_t>(run.Between(0, 700)));
    } catch (const std::exception& e) {
      run.Fail(std::string("the axis pass raised: ") + e.what());
    }
    for (const std::string& command : sent_) {
      const std::size_t equals = command.find('=');
      const std::string value = equals == std::string::npos ? "" : command.substr(equals + 1);
      if (value.empty() || value.find_first_not_of("-0123456789") != std::string::npos) {
        run.Fail("a command without a plain number: " + command);
      }
    }
    run.Count("commands-checked", static_cast<long long>(sent_.size()));
  }
  // A dimmer still sends what its axis shows.
  form_->axis_functions = loaded;
  Assign(1, 1, 1);
  for (ScriptedController& c : directInput_.controllers) SetAll(c, 0);
  sent_.clear();
  PassAt(now_ + 1000);
  EXPECT_EQ(sent_, (std::vector<std::string>{"DISPLAY_CPT_PFD_BRIGHTNESS=120"}));
  EXPECT_EQ(Shown(Row(1).value), "Value : 0");
}

}  // namespace
}  // namespace trelvik::testing
