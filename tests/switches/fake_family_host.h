// The recording main form with the radio and overhead families installed, as the program installs them:
// the frame's family events run the real handlers over the working values kept here.
#pragma once

#include <array>

#include "controller/aircraft/family_host.h"
#include "controller/aircraft/switch_families.h"
#include "tests/switches/fake_switch_host.h"

namespace switches_test {

class FakeFamilyHost : public FakeSwitchHost, public aircraft::FamilyHost {
 public:
  // ---- Set by the test, changed by the handlers ----
  std::array<double, aircraft::kRadioCount> standby{888.88, 888.88, 888.88, 888.88, 8888.8, 8888.8};
  std::array<bool, aircraft::kRadioCount> radioTest{};
  std::array<std::int32_t, 4> multicomModes{1, 3, 2, 2};
  std::string xpndrCode = "####";
  std::int32_t xpndrMode = 0;
  std::int32_t xpndrSelector = 0;
  bool xpndrIdent = false;
  bool outputSuspended = true;
  std::int32_t wiring = 1;
  aircraft::PressurisationValues pressurisation;

  // ---- Recorded ----
  std::vector<std::string> radioPanels;
  int multicomActivityMarks = 0;
  int b777Derivations = 0;

  bool RunFamily(Family family, std::int32_t index, const std::string& model, std::int32_t id, std::int32_t number,
                 std::int32_t state) override {
    return aircraft::RunSwitchFamily(*this, *this, family, index, model, id, number, state);
  }
  double& Standby(aircraft::Radio radio) override { return standby[static_cast<std::size_t>(radio)]; }
  bool& RadioTest(aircraft::Radio radio) override { return radioTest[static_cast<std::size_t>(radio)]; }
  std::int32_t& MulticomMode(std::int32_t role) override { return multicomModes[static_cast<std::size_t>(role)]; }
  std::string& XpndrCodeEntry() override { return xpndrCode; }
  std::int32_t& XpndrMode() override { return xpndrMode; }
  std::int32_t& XpndrSelector() override { return xpndrSelector; }
  bool& XpndrIdent() override { return xpndrIdent; }
  void ClearOutputSuspended() override { outputSuspended = false; }
  void MarkMulticomActivity(std::uint32_t) override { ++multicomActivityMarks; }
  void ShowRadioPanel(const std::string& model) override { radioPanels.push_back(model); }
  void RederiveB777() override { ++b777Derivations; }
  std::int32_t ElecConfigWiring() const override { return wiring; }
  aircraft::PressurisationValues Pressurisation() const override { return pressurisation; }
};

}  // namespace switches_test
