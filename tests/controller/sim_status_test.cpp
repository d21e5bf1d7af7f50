// What the simulator's records show on the real main window (its status bar, simulator list and flag), and
// how the program reports a handler that fails: once, logged, never one message box per idle pass.
#include <cstring>

#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_abi.h"
#include "controller/app/error_reports.h"
#include "framework/controls/status_bar.h"
#include "framework/rtl/exceptions.h"
#include "main_form_fixture.h"

namespace trelvik::testing {
namespace {

using Texts = std::vector<std::string>;

class SimStatusTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    form_ = MakeForm();
    form_->Clear_Log_Details();
  }
  void TearDown() override {
    FreeForm(form_);
    MainFormTest::TearDown();
  }
  void Open() {
    simconnect::OpenRecord open{};
    open.header = {sizeof open, 4, simconnect::kRecordOpen};
    std::strcpy(open.applicationName, "Sim");
    open.applicationVersionMajor = open.simConnectVersionMajor = 10;
    open.applicationBuildMajor = open.simConnectBuildMajor = 62615;
    aircraft::HandleSimMessage737(&open, sizeof open);
  }
  void Quit() {
    const simconnect::QuitRecord quit{sizeof quit, 4, simconnect::kRecordQuit};
    aircraft::HandleSimMessage737(&quit, sizeof quit);
  }
  void Loaded(const char* aircraft) {
    simconnect::SystemStateRecord state{};
    state.header = {sizeof state, 4, simconnect::kRecordSystemState};
    state.requestId = aircraft::kAircraftLoadedRequest;
    std::strcpy(state.text, aircraft);
    aircraft::HandleSimMessage737(&state, sizeof state);
  }

  TZedArave* form_ = nullptr;
};

TEST_F(SimStatusTest, TheStatusBarHasEveryPanelTheProgramWritesAndTheLastOneIsInsideTheWindow) {
  fw::TStatusPanels* panels = form_->StatusBar1->Panels();
  ASSERT_EQ(panels->Count(), 4);
  int left = 0;
  for (int i = 0; i < 3; ++i) left += panels->Items(i)->Width();
  EXPECT_LE(left + 150, form_->ClientWidth());  // room for "Flight Sim Detected"
  for (int i = 0; i < 4; ++i) {
    form_->set_status_text(i, "panel " + std::to_string(i));
    EXPECT_EQ(form_->status_text(i), "panel " + std::to_string(i));
  }
}

TEST_F(SimStatusTest, OpenQuitAndOpenAgainKeepTheFlagTheListAndPanel3Consistent) {
  const Texts opened{"Sim 10.0.62615.0", "SimConnect 10.0.62615.0", "", "Flight Sim Detected"};
  Open();
  EXPECT_EQ(Lines(form_->fs_info_lines()), opened);
  EXPECT_EQ(form_->status_text(3), "Flight Sim Detected");
  EXPECT_TRUE(form_->sim_detected);
  Loaded("ORVA 737 QTX");
  EXPECT_EQ(form_->status_text(1), "ORVA 737 Aircraft Detected");

  Quit();
  EXPECT_EQ(Lines(form_->fs_info_lines()), Texts{"Flight Sim Closed"});
  EXPECT_EQ(form_->status_text(3), "Flight Sim Closed");
  EXPECT_FALSE(form_->sim_detected);
  EXPECT_EQ(aircraft::SimSession(), nullptr);

  Open();
  EXPECT_EQ(Lines(form_->fs_info_lines()), opened);  // the closed line goes
  EXPECT_EQ(form_->status_text(3), "Flight Sim Detected");
  EXPECT_TRUE(form_->sim_detected);
  EXPECT_TRUE(asked_.empty());
}

TEST_F(SimStatusTest, AnIdlePassThatFailsEveryTimeIsShownOnceAndLogged) {
  form_->InstallIdleLoop();
  {
    const fw::ServiceDouble<std::uint32_t()> failing{fw::TickCount, []() -> std::uint32_t {
                                                       throw fw::Exception("the clock failed");
                                                     }};
    for (int pass = 0; pass < 100; ++pass) {
      bool done = true;
      App().OnIdle(&App(), done);
      EXPECT_FALSE(done);  // the loop keeps running
    }
  }
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].Text, "the clock failed");
  EXPECT_EQ(asked_[0].Caption, App().Title());
  EXPECT_EQ(form_->error_reports().Occurrences("the clock failed"), 100u);
  const std::string log = folder_.Read("VavOzorovoduz.log");
  EXPECT_NE(log.find(" : Error: the clock failed\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find(" : Error: the clock failed (100 times)\r\n"), std::string::npos) << log;
  EXPECT_EQ(log.find("(2 times)"), std::string::npos) << log;
}

TEST(ErrorReports, EachTextIsShownOnceAndLoggedAtPowersOfTen) {
  Texts logged, shown;
  ErrorReports* reports = nullptr;
  ErrorReports made([&](const std::string& t) { logged.push_back(t); },
                    [&](const std::string& t) {
                      shown.push_back(t);
                      reports->Report("while shown");  // a timer failing inside the box's loop
                    });
  reports = &made;
  for (int i = 0; i < 1000; ++i) made.Report("a");
  made.Report("b");
  EXPECT_EQ(shown, (Texts{"a", "b"}));
  // What fails while a box is up is logged and never shown, not even later.
  EXPECT_EQ(logged, (Texts{"Error: a", "Error: while shown", "Error: a (10 times)", "Error: a (100 times)",
                           "Error: a (1000 times)", "Error: b"}));
  EXPECT_EQ(made.Occurrences("while shown"), 2u);
}

TEST(ErrorReports, PastTheTrackedTextsNewOnesAreLoggedOnly) {
  Texts logged, shown;
  ErrorReports reports([&](const std::string& t) { logged.push_back(t); },
                       [&](const std::string& t) { shown.push_back(t); });
  for (std::size_t i = 0; i < ErrorReports::kTrackedTexts + 2; ++i) reports.Report("error " + std::to_string(i));
  EXPECT_EQ(shown.size(), ErrorReports::kTrackedTexts);
  EXPECT_EQ(logged.size(), ErrorReports::kTrackedTexts + 2);
  EXPECT_EQ(reports.Occurrences("error " + std::to_string(ErrorReports::kTrackedTexts)), 0u);
}

}  // namespace
}  // namespace trelvik::testing
