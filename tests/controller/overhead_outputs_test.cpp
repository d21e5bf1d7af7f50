// The overhead outputs: the ELEC panels' readouts and altitudes by model and wiring, dark and lamp-test
// states; the IRS display's letters and positions; the form's drivers over the first slot of a model.
#include "controller/app/overhead_outputs.h"
#include "framework/messaging/timer.h"
#include "main_form_fixture.h"
#include "output_recorder.h"

namespace trelvik::testing {
namespace {

using Texts = std::vector<std::pair<std::string, int>>;

PanelState ElecReadings() {
  PanelState panel;
  panel.aircraft_power = 1;
  panel.elec_tenths = {285, 9, 1150};  // 28.5, 0.9 and 115.0 shown whole
  panel.elec_whole = {400, 26};
  panel.elec_lamps = {1, 0, 1};
  return panel;
}

TEST(OverheadOutputs, ElecReadoutsAndAltitudesByModelAndWiring) {
  const Texts readouts = {{"28", 1}, {" 0", 3}, {"115", 5}, {" 26", 7}, {"400", 10}};
  const aircraft::PressurisationValues pressurisation{35000, 1250.5, 0, 0};
  const struct {
    bool is3306;
    std::int32_t wiring;
    Texts altitudes;
  } cases[] = {
      {false, 1, {{" 1250", 13}, {"35000", 18}}},  // 3324: landing first, whatever the wiring
      {true, 0, {{" 1250", 13}, {"35000", 18}}},
      {true, 1, {{"35000", 13}, {" 1250", 18}}},
      {true, 4, {{"35000", 13}, {" 1250", 18}}},
      {true, 7, {}},  // an unknown wiring shows no altitude
  };
  for (const auto& c : cases) {
    OutputRecorder out;
    WriteElecPanel(9, c.is3306, c.wiring, ElecReadings(), pressurisation, {}, out);
    Texts expected = readouts;
    expected.insert(expected.end(), c.altitudes.begin(), c.altitudes.end());
    EXPECT_EQ(out.texts, expected) << c.is3306 << " wiring " << c.wiring;
    const std::map<int, int> lamps = c.is3306 ? std::map<int, int>{{177, 1}, {178, 0}, {179, 1}} : std::map<int, int>{};
    EXPECT_EQ(out.leds, lamps);
  }
  // Negative altitudes keep their sign inside the width.
  OutputRecorder low;
  WriteElecPanel(9, false, 1, ElecReadings(), {-500, -1000.0, 0, 0}, {}, low);
  EXPECT_EQ(low.texts[5], (std::pair<std::string, int>{"-1000", 13}));
  EXPECT_EQ(low.texts[6], (std::pair<std::string, int>{" -500", 18}));
}

TEST(OverheadOutputs, DarkPanelsAndLampTests) {
  OutputRecorder elec, elec3324, irs, flashing;
  WriteElecPanel(9, true, 1, PanelState{}, {}, {}, elec);
  EXPECT_EQ(elec.texts, (Texts{{std::string(22, ' '), 1}}));
  EXPECT_EQ(elec.leds, (std::map<int, int>{{177, 0}, {178, 0}, {179, 0}}));
  WriteElecPanel(9, false, 1, PanelState{}, {}, {}, elec3324);
  EXPECT_TRUE(elec3324.leds.empty());
  WriteIrsPanel(9, PanelState{}, {}, irs);
  EXPECT_EQ(irs.texts, (Texts{{std::string(13, ' '), 1}}));
  EXPECT_EQ(irs.Leds(105, 116), std::vector<int>(12, 0));

  // The family test sets every LED from 0 (which the library refuses) with the phase, and nothing else.
  WriteElecPanel(9, true, 1, ElecReadings(), {}, {true, 1}, flashing);
  EXPECT_TRUE(flashing.texts.empty());
  EXPECT_EQ(flashing.ledOrder.size(), 180u);
  EXPECT_EQ(flashing.ledOrder.front(), 0);
  EXPECT_EQ(flashing.Leds(0, 179), std::vector<int>(180, 1));
  OutputRecorder irsFlash;
  WriteIrsPanel(9, ElecReadings(), {true, 0}, irsFlash);
  EXPECT_EQ(irsFlash.Leds(0, 116), std::vector<int>(117, 0));
  EXPECT_TRUE(irsFlash.texts.empty());
}

TEST(OverheadOutputs, IrsLettersAndPositions) {
  const struct {
    const char* latitude;
    const char* longitude;
    Texts letters;  // what digit 1 receives, in order
  } cases[] = {
      {"N", "", {{"N", 1}}},
      {"S", "E", {{"S", 1}, {"E", 1}}},  // the longitude letter replaces the latitude letter
      {"N", "W", {{"N", 1}, {"U", 1}}},
      {"X", "Y", {}},
  };
  for (const auto& c : cases) {
    PanelState panel;
    panel.aircraft_power = 1;
    panel.irs_latitude_letter = c.latitude;
    panel.irs_longitude_letter = c.longitude;
    panel.irs_latitude = 4730.4;
    panel.irs_longitude = -12215.5;
    OutputRecorder out;
    WriteIrsPanel(9, panel, {}, out);
    Texts letters, values;
    for (const auto& t : out.texts) (t.second == 1 ? letters : values).push_back(t);
    EXPECT_EQ(letters, c.letters) << c.latitude << c.longitude;
    EXPECT_EQ(values, (Texts{{" 4730", 2}, {"-12216", 8}})) << c.latitude << c.longitude;
    EXPECT_EQ(out.Leds(105, 116), std::vector<int>(12, 1));
  }
}

class OverheadFormTest : public MainFormTest {};

TEST_F(OverheadFormTest, TheLedPassServesTheFirstSlotOfEachOverheadModel) {
  TZedArave* form = DiscoveredForm({});
  form->board_table[4] = {"3306A", 0, "", "3306"};  // first 3306 slot, not bound: the model is skipped
  form->board_table[5] = {"3306B", 401, "", "3306"};
  form->board_table[6] = {"3324A", 402, "", "3324"};
  form->board_table[7] = {"3324B", 403, "", "3324"};
  form->board_table[8] = {"3322A", 404, "", "3322"};
  form->elec_timer->SetEnabled(false);
  form->irs_timer->SetEnabled(false);
  form->pressurisation.flight_altitude = 10000;
  form->Output_Loop_LED();
  const auto calls = [&](std::int32_t session) {
    return Boards().CallsStartingWith("7Segment_Display(" + std::to_string(session) + ",");
  };
  EXPECT_TRUE(calls(401).empty());
  EXPECT_EQ(calls(402), (std::vector<std::string>{"7Segment_Display(402,                      ,1)"}));  // no power
  EXPECT_TRUE(calls(403).empty());
  EXPECT_EQ(calls(404).size(), 1u);

  Boards().calls.clear();
  form->panel_state.aircraft_power = 1;
  form->irs_timer->SetEnabled(true);
  form->Output_Loop_LED();
  EXPECT_EQ(calls(402).back(), "7Segment_Display(402,10000,18)");
  EXPECT_TRUE(calls(404).empty());
  EXPECT_EQ(Boards().CallsStartingWith("LED_Set(404,").size(), 117u);
  form->irs_timer->SetEnabled(false);
  form->Free();
}

}  // namespace
}  // namespace trelvik::testing
