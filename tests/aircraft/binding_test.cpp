// Binding SimConnect.dll from the program's folder: present, missing, unloadable, or lacking calls.
#include <fstream>

#include "controller/aircraft/command_translation.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"
#include "tests/aircraft/standin_fixture.h"

namespace aircraft_test {
namespace {

using namespace aircraft;

class BindingTest : public StandInTest {
 protected:
  // What the program does with a session for the whole run: reconnect ticks, polls, a command.
  void RunTheLink() {
    for (int tick = 0; tick < 3; ++tick) {
      ReconnectTimerTick();
      PollSim737();
      SendServerMessage("MCP_VNAV=1");
    }
    host_.is777 = true;
    ReconnectTimerTick();
    PollSim777();
  }
};

TEST_F(BindingTest, LoadsTheLibraryFromTheProgramFolderAndCallsThroughIt) {
  ASSERT_TRUE(StartSimLink());
  EXPECT_TRUE(SimLibraryLoaded());
  EXPECT_TRUE(host_.InfoLines().empty());
  OpenSim737();
  ASSERT_FALSE(Journal().empty());
  // The handle the library gave out comes back whole (it has bits above 32 in the 64-bit build).
  EXPECT_EQ(Journal()[0], R"(SimConnect_Open(1, "VDKInterface", 0, 0, 0, 0))");
  EXPECT_EQ(Journal()[1], R"(SimConnect_MapClientDataNameToID(1, "ORVA_QTX_Data", 0x51547831))");
}

TEST_F(BindingTest, WithoutTheFileNothingIsLoadedAndNothingIsEverCalled) {
  SetProgramFolder(EmptyFolder("missing"));
  EXPECT_FALSE(StartSimLink());
  EXPECT_FALSE(SimLibraryLoaded());
  EXPECT_EQ(host_.InfoLines(), std::vector<std::string>{"SimConnect.dll - Not Found"});

  RunTheLink();
  // The stand-in is loaded in this process, but not through the binding: it saw nothing.
  EXPECT_TRUE(Journal().empty());
  EXPECT_EQ(StandIn().DispatchCount(), 0);
  EXPECT_EQ(SimSession(), nullptr);
  EXPECT_EQ(host_.InfoLines()[1], "Opening Simconnect");
  EXPECT_EQ(host_.InfoLines()[2], "Simconnect Open Failed");
  EXPECT_EQ(host_.idleInstalls, 4);
}

TEST_F(BindingTest, AFileThatDoesNotLoadStartsTheTimerButNothingIsCalled) {
  const std::string folder = EmptyFolder("broken");
  std::ofstream(folder + "SimConnect.dll") << "not a library";
  SetProgramFolder(folder);
  EXPECT_TRUE(StartSimLink());  // the reconnect timer runs
  EXPECT_FALSE(SimLibraryLoaded());
  EXPECT_TRUE(host_.InfoLines().empty());

  RunTheLink();
  EXPECT_TRUE(Journal().empty());
  EXPECT_EQ(StandIn().DispatchCount(), 0);
  EXPECT_EQ(SimSession(), nullptr);
}

TEST_F(BindingTest, ALibraryWithoutTheCallsLoadsAndEveryCallFails) {
  ASSERT_TRUE(LoadSimLibrary("kernel32.dll"));
  EXPECT_EQ(aircraft::Sim().Open, nullptr);
  EXPECT_EQ(aircraft::Sim().TransmitClientEvent, nullptr);
  OpenSim737();
  EXPECT_EQ(SimSession(), nullptr);
  EXPECT_EQ(host_.InfoLines(), (std::vector<std::string>{"Opening Simconnect", "Simconnect Open Failed"}));
}

TEST_F(BindingTest, UnloadingEmptiesTheTable) {
  ASSERT_TRUE(StartSimLink());
  ASSERT_NE(aircraft::Sim().CallDispatch, nullptr);
  UnloadSimLibrary();
  EXPECT_FALSE(SimLibraryLoaded());
  EXPECT_EQ(aircraft::Sim().CallDispatch, nullptr);
  PollSim737();
  EXPECT_EQ(StandIn().DispatchCount(), 0);
}

}  // namespace
}  // namespace aircraft_test
