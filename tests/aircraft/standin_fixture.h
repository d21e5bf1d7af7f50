// Fixture for the aircraft link against the SimConnect.dll stand-in. The program's folder is the stand-in's
// folder (bin/simconnect/), so the binding loads it from there as the program does from its own. The fixture
// keeps its own reference to the stand-in, so its state outlives the binding's unloads, and resets it, the
// link's session and cockpit state before every test. The main form is a fake host that records what the
// link reports.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "controller/aircraft/aircraft_host.h"
#include "framework/classes/stringlist.h"
#include "framework/services/programfolder.h"
#include "sim/simconnect/standin_control.h"

namespace aircraft_test {

class FakeHost : public aircraft::AircraftHost {
 public:
  bool is777 = false;
  fw::TStringList info;
  std::map<int, std::string> statusPanels;
  bool simDetected = false;
  std::vector<std::string> messages;
  int idleInstalls = 0;
  aircraft::KnobPushFlags flags;
  bool rescanned = false;
  bool foInsHpa = false;
  std::vector<aircraft::KnobReleaseTimer> timersStarted;

  bool Is777Selected() const override { return is777; }
  fw::TStrings& SimInfo() override { return info; }
  void SetStatusPanel(int index, const std::string& text) override { statusPanels[index] = text; }
  void SetSimDetected(bool detected) override { simDetected = detected; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void InstallIdleLoop() override { ++idleInstalls; }
  aircraft::KnobPushFlags& KnobFlags() override { return flags; }
  bool SwitchesRescanned() const override { return rescanned; }
  bool EnableFoInsHpa() const override { return foInsHpa; }
  void StartKnobReleaseTimer(aircraft::KnobReleaseTimer timer) override { timersStarted.push_back(timer); }

  std::vector<std::string> InfoLines() const;
};

// The folder of the test program's stand-in copy, with a trailing backslash.
std::string StandInFolder();
// A fresh empty folder under the temporary folder, with a trailing backslash.
std::string EmptyFolder(const std::string& name);

class StandInTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Loads the stand-in through the binding, as the program's start does.
  void BindStandIn();
  // Binds and opens the selected aircraft's session, then drops the journal of the open and dispatches the
  // open record.
  void Connect(bool is777);

  const SimConnectStandIn& StandIn() const { return control_; }
  std::vector<std::string> Journal() const { return control_.Journal(); }

  FakeHost host_;

 private:
  static HMODULE module_;
  static SimConnectStandIn control_;
  std::string folder_;
  fw::ServiceDouble<std::string()> programFolder_{fw::ProgramFolder, [this] { return folder_; }};

 protected:
  void SetProgramFolder(const std::string& folder) { folder_ = folder; }
};

}  // namespace aircraft_test
