// The main form in process: its own application, a scratch program folder, the board library stand-in,
// no real sleeping, and message boxes answered by the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "controller/app/zedarave.h"
#include "framework/classes/strings.h"
#include "fake_board_api.h"
#include "framework/forms/application.h"
#include "framework/services/clock.h"
#include "framework/services/messagebox.h"
#include "framework/services/programfolder.h"
#include "tests/support/scratch_folder.h"

namespace trelvik::testing {

inline std::vector<std::string> Lines(fw::TStrings* strings) {
  std::vector<std::string> lines;
  for (int i = 0; i < strings->Count(); ++i) lines.push_back(strings->Strings(i));
  return lines;
}

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Drain();
    app_ = std::make_unique<fw::TApplication>();
  }
  void TearDown() override {
    app_.reset();
    Drain();
  }
  static void Drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
  }
  // Makes the main form as the program does (its creation handler runs inside).
  TZedArave* MakeForm() {
    TZedArave* form = nullptr;
    app_->CreateForm(form);
    return form;
  }
  // A form whose start-up discovery bound the given boards: output no longer suspended, the library's
  // calls so far forgotten.
  TZedArave* DiscoveredForm(std::vector<FakeBoard> boards) {
    folder_.Write("CONFIG.INI", "[SETTINGS]\r\nDEVICE_LOAD_DELAY=2\r\n");
    Boards().boards = std::move(boards);
    TZedArave* form = MakeForm();
    form->Load_Input_Assignments("");
    form->refresh_devices(0, 2);
    form->output_suspended = false;
    Boards().calls.clear();
    return form;
  }
  // Frees the form, running its shut-down.
  void FreeForm(TZedArave* form) { form->Free(); }
  FakeBoardLibrary& Boards() { return api_.library(); }
  fw::TApplication& App() { return *app_; }

  ScratchFolder folder_{"main_form"};
  fw::ServiceDouble<std::string()> programFolder_{fw::ProgramFolder, [this] { return folder_.Path(); }};
  fw::ServiceDouble<void(std::uint32_t)> noSleep_{fw::SleepMs, [](std::uint32_t) {}};
  // A message is always waiting: the idle handler runs one pass and returns.
  fw::ServiceDouble<bool(std::uint32_t)> noWait_{fw::WaitForMessageMs, [](std::uint32_t) { return true; }};
  std::vector<fw::MessageBoxRequest> asked_;
  int answer_ = IDCANCEL;
  fw::ServiceDouble<int(const fw::MessageBoxRequest&)> boxes_{fw::ShowMessageBox,
                                                               [this](const fw::MessageBoxRequest& r) {
                                                                 asked_.push_back(r);
                                                                 return answer_;
                                                               }};
  FakeBoardApi api_;
  std::unique_ptr<fw::TApplication> app_;
};

}  // namespace trelvik::testing
