// The program started beside the SimConnect.dll stand-in opens its session for the selected aircraft.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/program_e2e/program_run.h"

namespace {

// The first start writes the settings template, which selects the 777.
TEST(ProgramWithSimulator, TheReconnectTimerOpensThe777SessionAndTheSimulatorIsDetected) {
  e2e::ProgramRun run("simconnect", "1FD1:03E8:E2E00002");
  run.AddSimConnectStandIn();
  ASSERT_TRUE(run.Start());
  ASSERT_NE(run.WaitForMainWindow(30000), nullptr);

  // The first reconnect tick comes 5 s after the form's creation; the subscription ends the open.
  const std::string text = run.WaitForFileText(e2e::ProgramRun::kSimJournal, R"("SimStart"))", 30000);
  const std::vector<std::string> journal = e2e::Lines(text);
  const std::vector<std::string> open = {
      R"(SimConnect_Open(1, "Receive Data", 0, 0, 0, 0))",
      R"(SimConnect_MapClientDataNameToID(1, "ORVA_777X_Data", 0x51547831))",
      R"(SimConnect_AddToClientDataDefinition(1, 0x51547832, 0, 395, 0, 0x00000000))",
      R"(SimConnect_RequestClientData(1, 0x51547831, 0, 0x51547832, 3, 1, 0, 0, 0))",
      R"(SimConnect_RequestSystemState(1, 2, "AircraftLoaded"))",
      R"(SimConnect_MapClientDataNameToID(1, "ORVA_777X_Control", 0x51547833))",
      R"(SimConnect_AddToClientDataDefinition(1, 0x51547834, 0, 4, 0, 0x00000000))",
      R"(SimConnect_RequestClientData(1, 0x51547833, 1, 0x51547834, 3, 1, 0, 0, 0))"};
  ASSERT_EQ(journal.size(), open.size() + 294 + 1) << text;
  EXPECT_EQ(journal.back(), R"(SimConnect_SubscribeToSystemEvent(1, 0, "SimStart"))");
  EXPECT_EQ(std::vector<std::string>(journal.begin(), journal.begin() + static_cast<long>(open.size())), open);
  EXPECT_EQ(std::count_if(journal.begin(), journal.end(),
                          [](const std::string& line) {
                            return line.starts_with("SimConnect_MapClientEventToSimEvent(1, ");
                          }),
            294);

  // The idle loop polls the session: the simulator's answers reach the simulator information list.
  std::vector<std::vector<std::string>> lists;
  for (int i = 0; i < 600 && !e2e::ListsHold(lists, "ORVA 777 Aircraft Not Detected"); ++i) {
    Sleep(50);
    lists = run.ListBoxes();
  }
  const std::string shown = e2e::DescribeLists(lists);
  EXPECT_TRUE(e2e::ListsHold(lists, "Stand-in Simulator 10.0.62615.0")) << shown << "\nlog: " << run.ReadFile("VavOzorovoduz.log");
  EXPECT_TRUE(e2e::ListsHold(lists, "Flight Sim Detected"));
  EXPECT_TRUE(e2e::ListsHold(lists, "ORVA 777 Aircraft Not Detected"));
  EXPECT_FALSE(e2e::ListsHold(lists, "SimConnect.dll - Not Found"));

  EXPECT_TRUE(run.Close(30000));
}

}  // namespace
