#include "tests/aircraft/standin_fixture.h"

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_binding.h"

namespace aircraft_test {

HMODULE StandInTest::module_ = nullptr;
SimConnectStandIn StandInTest::control_;

std::vector<std::string> FakeHost::InfoLines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < info.Count(); ++i) lines.push_back(info[i]);
  return lines;
}

std::string StandInFolder() { return SimConnectStandInFolder(); }

std::string EmptyFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "trelvik-aircraft-" + std::to_string(GetCurrentProcessId()) + "-" +
                             name + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  DeleteFileA((folder + "SimConnect.dll").c_str());
  return folder;
}

void StandInTest::SetUpTestSuite() {
  if (module_ != nullptr) return;
  module_ = LoadLibraryA((StandInFolder() + "SimConnect.dll").c_str());
  ASSERT_NE(module_, nullptr) << "the stand-in is not in " << StandInFolder();
  ASSERT_TRUE(control_.Resolve(module_));
}

void StandInTest::SetUp() {
  ASSERT_NE(module_, nullptr);
  folder_ = StandInFolder();
  control_.Reset();
  aircraft::UnloadSimLibrary();
  aircraft::ForgetSimSession();
  aircraft::ResetCockpitState();
  aircraft::AttachAircraftHost(&host_);
}

void StandInTest::TearDown() {
  aircraft::AttachAircraftHost(nullptr);
  aircraft::ForgetSimSession();
  aircraft::UnloadSimLibrary();
}

void StandInTest::BindStandIn() { ASSERT_TRUE(aircraft::StartSimLink()); }

void StandInTest::Connect(bool is777) {
  host_.is777 = is777;
  BindStandIn();
  if (is777) {
    aircraft::OpenSim777();
    aircraft::PollSim777();
  } else {
    aircraft::OpenSim737();
    aircraft::PollSim737();
  }
  ASSERT_NE(aircraft::SimSession(), nullptr);
  control_.ClearJournal();
  host_.info.Clear();
}

}  // namespace aircraft_test
