// The SimConnect session for each aircraft against the stand-in: the open sequence, what the simulator's
// records show on the main window, the reconnect timer, and a simulator that is absent, quits or vanishes.
#include <algorithm>
#include <cstring>

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_abi.h"
#include "tests/aircraft/standin_fixture.h"

namespace aircraft_test {
namespace {

using namespace aircraft;
using Lines = std::vector<std::string>;

void Poll(bool is777) { is777 ? PollSim777() : PollSim737(); }
void Open(bool is777) { is777 ? OpenSim777() : OpenSim737(); }

struct OpenCase {
  bool is777;
  Lines setup;  // the journal before the event mappings (and, for the 777, after them)
  Lines afterMappings;
  std::size_t mappings;
  unsigned lowestEvent;
  unsigned highestEvent;
};

const OpenCase kOpenCases[] = {
    {false,
     {R"(SimConnect_Open(1, "VDKInterface", 0, 0, 0, 0))",
      R"(SimConnect_MapClientDataNameToID(1, "ORVA_QTX_Data", 0x51547831))",
      R"(SimConnect_AddToClientDataDefinition(1, 0x51547832, 0, 668, 0, 0xFFFFFFFF))",
      R"(SimConnect_RequestClientData(1, 0x51547831, 0, 0x51547832, 3, 1, 0, 0, 0))",
      R"(SimConnect_MapClientDataNameToID(1, "ORVA_QTX_Control", 0x51547833))",
      R"(SimConnect_AddToClientDataDefinition(1, 0x51547834, 0, 8, 0, 0x00000000))",
      R"(SimConnect_RequestClientData(1, 0x51547833, 1, 0x51547834, 3, 1, 0, 0, 0))",
      R"(SimConnect_SubscribeToSystemEvent(1, 0, "SimStart"))",
      R"(SimConnect_RequestSystemState(1, 2, "AircraftLoaded"))"},
     {},
     208,
     69987,
     70517},
    {true,
     {R"(SimConnect_Open(1, "Receive Data", 0, 0, 0, 0))",
      R"(SimConnect_MapClientDataNameToID(1, "ORVA_777X_Data", 0x51547831))",
      R"(SimConnect_AddToClientDataDefinition(1, 0x51547832, 0, 395, 0, 0x00000000))",
      R"(SimConnect_RequestClientData(1, 0x51547831, 0, 0x51547832, 3, 1, 0, 0, 0))",
      R"(SimConnect_RequestSystemState(1, 2, "AircraftLoaded"))",
      R"(SimConnect_MapClientDataNameToID(1, "ORVA_777X_Control", 0x51547833))",
      R"(SimConnect_AddToClientDataDefinition(1, 0x51547834, 0, 4, 0, 0x00000000))",
      R"(SimConnect_RequestClientData(1, 0x51547833, 1, 0x51547834, 3, 1, 0, 0, 0))"},
     {R"(SimConnect_SubscribeToSystemEvent(1, 0, "SimStart"))"},
     294,
     69813,
     73428},
};

class SessionTest : public StandInTest {
 protected:
  // A 737 data area with the aircraft powered and the heading window at `heading`.
  static std::vector<std::uint8_t> Area737(std::uint16_t heading) {
    std::vector<std::uint8_t> area(kAddonData737Size, 1);
    area[101] = 0;
    area[268] = static_cast<std::uint8_t>(heading);
    area[269] = static_cast<std::uint8_t>(heading >> 8);
    return area;
  }
  void Feed(const char* name, const std::vector<std::uint8_t>& bytes) {
    StandIn().SetClientData(name, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  }
};

TEST_F(SessionTest, OpenDefinesTheAreasAndMapsEveryEventOnce) {
  for (const OpenCase& c : kOpenCases) {
    SCOPED_TRACE(c.is777 ? "777" : "737");
    StandIn().Reset();
    ForgetSimSession();
    BindStandIn();
    Open(c.is777);
    const Lines journal = Journal();
    ASSERT_EQ(journal.size(), c.setup.size() + c.mappings + c.afterMappings.size());
    EXPECT_EQ(Lines(journal.begin(), journal.begin() + static_cast<long>(c.setup.size())), c.setup);
    EXPECT_EQ(Lines(journal.end() - static_cast<long>(c.afterMappings.size()), journal.end()), c.afterMappings);

    std::vector<unsigned> events;
    for (std::size_t i = c.setup.size(); i < c.setup.size() + c.mappings; ++i) {
      unsigned event = 0;
      char name[16] = {};
      ASSERT_EQ(std::sscanf(journal[i].c_str(), R"(SimConnect_MapClientEventToSimEvent(1, %u, "%15[^"]"))", &event,
                            name),
                2)
          << journal[i];
      EXPECT_EQ(std::string(name), "#" + std::to_string(event));
      events.push_back(event);
    }
    std::sort(events.begin(), events.end());
    EXPECT_EQ(std::unique(events.begin(), events.end()), events.end()) << "an event mapped twice";
    EXPECT_EQ(events.front(), c.lowestEvent);
    EXPECT_EQ(events.back(), c.highestEvent);
  }
}

TEST_F(SessionTest, The737OpenReportsEachStepAndTheSimulatorsAnswers) {
  BindStandIn();
  OpenSim737();
  EXPECT_EQ(host_.InfoLines(), (Lines{"Opening Simconnect", "Simconnect Opened"}));
  EXPECT_FALSE(host_.simDetected);
  PollSim737();
  EXPECT_EQ(host_.InfoLines(), (Lines{"Opening Simconnect", "Simconnect Opened", "Stand-in Simulator 10.0.62615.0",
                                      "SimConnect 10.0.61242.0", "", "Flight Sim Detected",
                                      "ORVA 737 Aircraft Not Detected"}));
  EXPECT_EQ(host_.statusPanels[3], "Flight Sim Detected");
  EXPECT_EQ(host_.statusPanels[1], "ORVA 737 Aircraft Not Detected");
  EXPECT_TRUE(host_.simDetected);
}

TEST_F(SessionTest, The777OpenIsSilentUntilTheSimulatorAnswers) {
  host_.is777 = true;
  BindStandIn();
  StandIn().SetAircraftLoaded(R"(SimObjects\Airplanes\ORVA 777-200LR\aircraft.cfg)");
  OpenSim777();
  EXPECT_TRUE(host_.InfoLines().empty());
  EXPECT_TRUE(host_.messages.empty());
  PollSim777();
  EXPECT_EQ(host_.InfoLines(), (Lines{"Stand-in Simulator 10.0.62615.0", "SimConnect 10.0.61242.0", "",
                                      "Flight Sim Detected", "ORVA 777 Aircraft Detected"}));
  EXPECT_EQ(host_.statusPanels[1], "ORVA 777 Aircraft Detected");
}

TEST_F(SessionTest, The777OpenShowsErrorForEachFailedSetupCallAndGoesOn) {
  host_.is777 = true;
  BindStandIn();
  StandIn().FailCall("SimConnect_MapClientDataNameToID", static_cast<std::int32_t>(simconnect::kFail));
  StandIn().FailCall("SimConnect_RequestSystemState", 1);  // not 0 counts as failed too
  OpenSim777();
  EXPECT_EQ(host_.messages, (Lines{"Error", "Error", "Error"}));
  EXPECT_EQ(Journal().back(), R"(SimConnect_SubscribeToSystemEvent(1, 0, "SimStart"))");

  // The 737 open checks none of them.
  host_.messages.clear();
  ForgetSimSession();
  OpenSim737();
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(SessionTest, LoadedAircraftIsAskedAgainAtSimStartAndReplacesItsLine) {
  Connect(false);
  StandIn().SetAircraftLoaded(R"(SimObjects\Airplanes\ORVA 737-800\b738.air)");
  StandIn().FireSimStart();
  PollSim737();  // the event asks again
  PollSim737();  // the answer
  EXPECT_EQ(Journal(), (Lines{R"(SimConnect_RequestSystemState(1, 2, "AircraftLoaded"))"}));
  EXPECT_EQ(host_.InfoLines(), Lines{"ORVA 737 Aircraft Detected"});
  EXPECT_EQ(host_.statusPanels[1], "ORVA 737 Aircraft Detected");

  // Case counts, and the 777's name is not the 737's.
  for (const char* other : {"orva 737", "ORVA 777"}) {
    StandIn().SetAircraftLoaded(other);
    StandIn().FireSimStart();
    PollSim737();
    PollSim737();
    EXPECT_EQ(host_.InfoLines().back(), "ORVA 737 Aircraft Not Detected") << other;
    const Lines info = host_.InfoLines();
    EXPECT_EQ(std::count_if(info.begin(), info.end(),
                            [](const std::string& line) { return line.find("Aircraft") != std::string::npos; }),
              1);
  }
}

TEST_F(SessionTest, ReconnectTimerOpensOnlyWhileNoSessionIsOpen) {
  BindStandIn();
  StandIn().SetSimulatorRunning(0);
  ReconnectTimerTick();
  ReconnectTimerTick();
  EXPECT_EQ(host_.InfoLines(), (Lines{"Opening Simconnect", "Simconnect Open Failed", "Opening Simconnect",
                                      "Simconnect Open Failed"}));
  EXPECT_EQ(SimSession(), nullptr);
  EXPECT_EQ(host_.idleInstalls, 2);

  StandIn().SetSimulatorRunning(1);
  ReconnectTimerTick();
  EXPECT_NE(SimSession(), nullptr);
  PollSim737();
  EXPECT_EQ(host_.InfoLines()[4], "Opening Simconnect");
  EXPECT_EQ(host_.InfoLines()[5], "Simconnect Opened");
  EXPECT_EQ(host_.statusPanels[3], "Flight Sim Detected");

  StandIn().ClearJournal();
  ReconnectTimerTick();
  EXPECT_TRUE(Journal().empty());  // the open session is kept
  EXPECT_EQ(host_.idleInstalls, 4);
}

TEST_F(SessionTest, The777IsOpenedWhenSelectedAndFailsSilently) {
  host_.is777 = true;
  BindStandIn();
  StandIn().SetSimulatorRunning(0);
  ReconnectTimerTick();
  EXPECT_TRUE(host_.InfoLines().empty());
  EXPECT_EQ(Journal(), (Lines{R"(SimConnect_Open(0, "Receive Data", 0, 0, 0, 0))"}));
}

TEST_F(SessionTest, ChangingTheAircraftClosesAndOpensTheOtherAtOnce) {
  Connect(false);
  CloseSim();
  EXPECT_EQ(SimSession(), nullptr);
  OpenSim777();
  const Lines journal = Journal();
  ASSERT_GE(journal.size(), 2u);
  EXPECT_EQ(journal[0], "SimConnect_Close(1)");
  EXPECT_EQ(journal[1], R"(SimConnect_Open(2, "Receive Data", 0, 0, 0, 0))");
}

TEST_F(SessionTest, QuitKeepsTheLastStateAndTheTimerReconnects) {
  Connect(false);
  Feed("ORVA_QTX_Data", Area737(270));
  PollSim737();
  ASSERT_EQ(Cockpit().b737.heading_737, 270);

  StandIn().SendQuit();
  PollSim737();
  EXPECT_EQ(host_.InfoLines(), Lines{"Flight Sim Closed"});
  EXPECT_EQ(host_.statusPanels[3], "Flight Sim Closed");
  EXPECT_FALSE(host_.simDetected);
  EXPECT_EQ(SimSession(), nullptr);
  EXPECT_EQ(Cockpit().b737.heading_737, 270);
  const Lines journal = Journal();
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "SimConnect_Close(1)"), 0);  // not closed through it

  ReconnectTimerTick();
  PollSim737();
  const Lines info = host_.InfoLines();
  EXPECT_EQ(std::count(info.begin(), info.end(), "Flight Sim Closed"), 0);
  EXPECT_EQ(info[0], "Opening Simconnect");
  EXPECT_EQ(Cockpit().b737.heading_737, 270);  // the new session sends the area it already has
}

TEST_F(SessionTest, ASimulatorThatVanishesIsDroppedAndReconnected) {
  for (const bool is777 : {false, true}) {
    SCOPED_TRACE(is777 ? "777" : "737");
    StandIn().Reset();
    ForgetSimSession();
    ResetCockpitState();
    Connect(is777);
    const std::vector<std::uint8_t> area(is777 ? kAddonData777Size : kAddonData737Size, 1);
    Feed(is777 ? "ORVA_777X_Data" : "ORVA_QTX_Data", area);
    Poll(is777);
    const CockpitState before = Cockpit();

    StandIn().SetSimulatorRunning(0);
    Poll(is777);
    EXPECT_EQ(SimSession(), nullptr);
    EXPECT_EQ(host_.InfoLines(), Lines{"Flight Sim Closed"});
    EXPECT_FALSE(host_.simDetected);
    Poll(is777);  // polling without a session changes nothing
    EXPECT_EQ(host_.InfoLines(), Lines{"Flight Sim Closed"});
    EXPECT_EQ(std::memcmp(&before, &Cockpit(), sizeof before), 0);

    ReconnectTimerTick();
    EXPECT_EQ(SimSession(), nullptr);
    StandIn().SetSimulatorRunning(1);
    ReconnectTimerTick();
    EXPECT_NE(SimSession(), nullptr);
    Poll(is777);
    EXPECT_TRUE(host_.simDetected);
  }
}

TEST_F(SessionTest, PollingBeforeAnyOpenHandsTheNullHandle) {
  BindStandIn();
  PollSim737();
  EXPECT_EQ(StandIn().DispatchCount(), 1);
  EXPECT_EQ(StandIn().LastDispatchSession(), 0);
  EXPECT_TRUE(host_.InfoLines().empty());
}

TEST_F(SessionTest, ExceptionsAreListedByNameFor737Only) {
  Connect(false);
  StandIn().SendException(9, 7, 2);
  StandIn().SendException(37, 1, 0);
  StandIn().SendException(38, 1, 0);   // beyond the names
  StandIn().SendException(0x109, 1, 0);  // only the low byte names it
  PollSim737();
  EXPECT_EQ(host_.InfoLines(), (Lines{"EVENT ID DUPLICATE (00000018,00000004,00000001,00000009,00000007,00000002)",
                                      "OBJECT SCHEDULE (00000018,00000004,00000001,00000025,00000001,00000000)",
                                      "UNKNOWN EXCEPTION (00000018,00000004,00000001,00000026,00000001,00000000)",
                                      "EVENT ID DUPLICATE (00000018,00000004,00000001,00000109,00000001,00000000)"}));

  ForgetSimSession();
  Connect(true);
  StandIn().SendException(9, 7, 2);
  PollSim777();
  EXPECT_TRUE(host_.InfoLines().empty());
}

TEST_F(SessionTest, ObjectDataShowsAMessageFor737Only) {
  const simconnect::RecordHeader objectData{sizeof objectData, 4, simconnect::kRecordObjectData};
  for (const bool is777 : {false, true}) {
    host_.messages.clear();
    ForgetSimSession();
    Connect(is777);
    StandIn().QueueRecord(&objectData, sizeof objectData);
    Poll(is777);
    EXPECT_EQ(host_.messages, is777 ? Lines{} : Lines{"Rcvd"});
  }
}

}  // namespace
}  // namespace aircraft_test
