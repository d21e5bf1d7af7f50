// The message loop: the idle hook, ProcessMessages, messages from other threads, the exception
// handler and the order in which CreateForm makes forms.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/messaging/timer.h"
#include "framework/services/messagebox.h"
#include "ui_test_controls.h"
#include "ui_test_support.h"

namespace fw {
namespace {

using testing::ApplicationTest;
using testing::HookedForm;

constexpr UINT kTestMessage = WM_USER + 100;
constexpr UINT kThrowMessage = WM_USER + 101;

class ApplicationLoopTest : public ApplicationTest {
 protected:
  // A main form whose window counts kTestMessage and throws on kThrowMessage.
  HookedForm* MakeMainForm() {
    HookedForm* form = nullptr;
    App().CreateForm(form);
    form->OnMessage = [this](TMessage& m) {
      if (m.Msg == kTestMessage) {
        ++handled_;
        return true;
      }
      if (m.Msg == kThrowMessage) throw EConvertError("'x' is not a valid integer value");
      return false;
    };
    return form;
  }
  // Ends a loop that would otherwise wait for ever when a test fails.
  void ArmSafetyTimer() {
    safety_ = Create<TTimer>(&App());
    safety_->SetInterval(5000);
    safety_->OnTimer = [this](TObject*) {
      ADD_FAILURE() << "the loop did not end by itself";
      App().Terminate();
    };
  }

  int handled_ = 0;
  TTimer* safety_ = nullptr;
};

TEST_F(ApplicationLoopTest, IdleRunsOnlyOnceTheQueueIsEmpty) {
  HookedForm* form = MakeMainForm();
  App().SetShowMainForm(false);
  for (int i = 0; i < 3; ++i) PostMessageA(form->Handle(), kTestMessage, 0, 0);
  std::vector<int> handledAtIdle;
  App().OnIdle = [&](TObject* sender, bool& done) {
    EXPECT_EQ(sender, &App());
    handledAtIdle.push_back(handled_);
    if (handledAtIdle.size() == 1) PostMessageA(form->Handle(), kTestMessage, 0, 0);
    if (handledAtIdle.size() == 2) App().Terminate();
    done = false;
  };
  ArmSafetyTimer();
  App().Run();
  EXPECT_EQ(handledAtIdle, (std::vector<int>{3, 4}));
  EXPECT_TRUE(App().Terminated());
}

TEST_F(ApplicationLoopTest, ProcessMessagesHandlesTheQueueWithoutIdling) {
  HookedForm* form = MakeMainForm();
  int idles = 0;
  App().OnIdle = [&](TObject*, bool&) { ++idles; };
  for (int i = 0; i < 5; ++i) PostMessageA(form->Handle(), kTestMessage, 0, 0);
  App().ProcessMessages();
  EXPECT_EQ(handled_, 5);
  EXPECT_EQ(idles, 0);
}

TEST_F(ApplicationLoopTest, IdleRunsInsideAModalLoop) {
  MakeMainForm();
  auto* dialog = Create<TForm>(&App());
  int idlesWhileModal = 0;
  App().OnIdle = [&](TObject*, bool& done) {
    if (dialog->Modal()) {
      ++idlesWhileModal;
      dialog->SetModalResult(mrRetry);
    }
    done = false;
  };
  EXPECT_EQ(dialog->ShowModal(), mrRetry);
  EXPECT_EQ(idlesWhileModal, 1);
  EXPECT_FALSE(dialog->Visible());
}

// Board and joystick threads post their events; the device-change thread sends and waits. Both reach
// the main form's WndProc override on the GUI thread while Run waits for messages.
class CrossThreadTest : public ApplicationLoopTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CrossThreadTest, MessageFromAnotherThreadReachesTheOverriddenWndProc) {
  const bool sent = GetParam();
  HookedForm* form = MakeMainForm();
  App().SetShowMainForm(false);
  WPARAM receivedWParam = 0;
  LPARAM receivedLParam = 0;
  DWORD receivingThread = 0;
  form->OnMessage = [&](TMessage& m) {
    if (m.Msg != WM_USER + 3) return false;
    receivedWParam = m.WParam;
    receivedLParam = m.LParam;
    receivingThread = GetCurrentThreadId();
    m.Result = 7;
    App().Terminate();
    return true;
  };
  const HWND window = form->Handle();
  LRESULT result = 0;
  std::thread other([&] {
    Sleep(50);  // let Run reach its wait
    if (sent) {
      result = SendMessageA(window, WM_USER + 3, 10000, MAKELPARAM(5, 1));
    } else {
      PostMessageA(window, WM_USER + 3, 10000, MAKELPARAM(5, 1));
    }
  });
  ArmSafetyTimer();
  App().Run();
  other.join();
  EXPECT_EQ(receivedWParam, 10000u);
  EXPECT_EQ(receivedLParam, MAKELPARAM(5, 1));
  EXPECT_EQ(receivingThread, GetCurrentThreadId());
  EXPECT_EQ(result, sent ? 7 : 0);
}

INSTANTIATE_TEST_SUITE_P(PostedOrSent, CrossThreadTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Sent" : "Posted"; });

TEST_F(ApplicationLoopTest, ExceptionInAHandlerReachesOnExceptionAndTheLoopGoesOn) {
  HookedForm* form = MakeMainForm();
  std::vector<std::string> reported;
  TObject* reportedSender = nullptr;
  App().OnException = [&](TObject* sender, Exception& e) {
    reported.push_back(e.Message());
    reportedSender = sender;
  };
  PostMessageA(form->Handle(), kThrowMessage, 0, 0);
  PostMessageA(form->Handle(), kTestMessage, 0, 0);
  App().ProcessMessages();
  EXPECT_EQ(reported, std::vector<std::string>{"'x' is not a valid integer value"});
  EXPECT_EQ(reportedSender, form);
  EXPECT_EQ(handled_, 1);

  // Sent straight into the window procedure (no loop around it): still stopped there.
  EXPECT_EQ(SendMessageA(form->Handle(), kThrowMessage, 0, 0), 0);
  EXPECT_EQ(reported.size(), 2u);
}

TEST_F(ApplicationLoopTest, ExceptionsFromTimersAndTheIdleHookAreHandledToo) {
  MakeMainForm();
  App().SetShowMainForm(false);
  std::vector<std::string> reported;
  App().OnException = [&](TObject*, Exception& e) {
    reported.push_back(e.Message());
    if (reported.size() == 2) App().Terminate();
  };
  auto* timer = Create<TTimer>(&App());
  timer->SetInterval(10);
  timer->OnTimer = [timer](TObject*) {
    timer->SetEnabled(false);
    throw std::runtime_error("timer failed");
  };
  bool idleThrew = false;
  App().OnIdle = [&](TObject*, bool& done) {
    done = false;
    if (!idleThrew) {
      idleThrew = true;
      throw EInvalidOperation("idle failed");
    }
  };
  ArmSafetyTimer();
  App().Run();
  // Which comes first depends on how soon the timer is due.
  EXPECT_THAT(reported, ::testing::UnorderedElementsAre("idle failed", "timer failed"));
}

// A paint handler that throws is reported once; the window counts as painted and the loop goes on.
class FailingPaint : public testing::PaintedControl {
 public:
  using PaintedControl::PaintedControl;
  int Attempts = 0;

 protected:
  void Paint() override {
    ++Attempts;
    throw EInvalidOperation("Canvas does not allow drawing");
  }
};

TEST_F(ApplicationLoopTest, FailingPaintIsReportedOnceAndTheLoopGoesOn) {
  HookedForm* form = MakeMainForm();
  auto* control = testing::MakeChild<FailingPaint>(form, form, Rect(0, 0, 50, 50));
  form->Show();
  std::vector<std::string> reported;
  App().OnException = [&](TObject*, Exception& e) { reported.push_back(e.Message()); };
  control->Invalidate();
  App().ProcessMessages();
  App().ProcessMessages();
  EXPECT_EQ(control->Attempts, 1);
  EXPECT_EQ(reported, std::vector<std::string>{"Canvas does not allow drawing"});
  EXPECT_FALSE(GetUpdateRect(control->Handle(), nullptr, FALSE));
}

TEST_F(ApplicationLoopTest, WithoutOnExceptionTheMessageIsShownInAnErrorBox) {
  HookedForm* form = MakeMainForm();
  App().SetTitle("VDK-Trelvik");
  std::vector<MessageBoxRequest> asked;
  ServiceDouble<int(const MessageBoxRequest&)> boxes(ShowMessageBox, [&](const MessageBoxRequest& request) {
    asked.push_back(request);
    return IDOK;
  });
  PostMessageA(form->Handle(), kThrowMessage, 0, 0);
  PostMessageA(form->Handle(), kTestMessage, 0, 0);
  App().ProcessMessages();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Caption, "VDK-Trelvik");
  EXPECT_EQ(asked[0].Text, "'x' is not a valid integer value");
  EXPECT_EQ(asked[0].Buttons(), static_cast<UINT>(MB_OK));
  EXPECT_EQ(asked[0].Icon(), static_cast<UINT>(MB_ICONSTOP));
  EXPECT_EQ(handled_, 1);
}

TEST_F(ApplicationLoopTest, MessageBoxGoesThroughTheScriptedService) {
  std::vector<MessageBoxRequest> asked;
  ServiceDouble<int(const MessageBoxRequest&)> boxes(ShowMessageBox, [&](const MessageBoxRequest& request) {
    asked.push_back(request);
    return IDCANCEL;
  });
  const int answer =
      App().MessageBox("Save Before Closing ?", "Changes Detected", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3);
  EXPECT_EQ(answer, IDCANCEL);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Text, "Save Before Closing ?");
  EXPECT_EQ(asked[0].Caption, "Changes Detected");
  EXPECT_EQ(asked[0].Buttons(), static_cast<UINT>(MB_YESNOCANCEL));
  EXPECT_EQ(asked[0].Icon(), static_cast<UINT>(MB_ICONQUESTION));
  EXPECT_EQ(asked[0].DefaultButton(), 3);
}

// Forms made in order; the first is the main form and is known as such (and through its reference)
// before its OnCreate runs; its window exists right after.
class OrderedForm : public TForm {
 public:
  explicit OrderedForm(TComponent* owner) : TForm(owner) {
    OnCreate = [this](TObject*) {
      Log().push_back(std::string(Application->MainForm() == this ? "main" : "second") +
                      (Reference() == this ? " referenced" : " unreferenced") +
                      (HandleAllocated() ? " windowed" : " windowless"));
    };
  }
  static std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
  }
  static OrderedForm*& Reference() {
    static OrderedForm* reference = nullptr;
    return reference;
  }
};

TEST_F(ApplicationLoopTest, CreateFormSetsTheMainFormAndReferenceBeforeOnCreate) {
  OrderedForm::Log().clear();
  OrderedForm*& first = OrderedForm::Reference();
  first = nullptr;
  App().CreateForm(first);
  OrderedForm* firstForm = first;
  EXPECT_TRUE(firstForm->HandleAllocated());
  App().CreateForm(first);
  EXPECT_EQ(App().MainForm(), firstForm);
  EXPECT_NE(first, firstForm);
  EXPECT_EQ(OrderedForm::Log(), (std::vector<std::string>{"main referenced windowless", "second referenced windowless"}));
}

TEST_F(ApplicationLoopTest, FailingOnCreateIsReportedAndTheFormStillExists) {
  std::vector<std::string> reported;
  App().OnException = [&](TObject*, Exception& e) { reported.push_back(e.Message()); };
  struct FailingForm : TForm {
    explicit FailingForm(TComponent* owner) : TForm(owner) {
      OnCreate = [this](TObject*) {
        ++steps;
        throw EFCreateError("Cannot create file \"CONFIG.INI\"");
      };
    }
    int steps = 0;
  };
  FailingForm* form = nullptr;
  App().CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->steps, 1);
  EXPECT_EQ(reported, std::vector<std::string>{"Cannot create file \"CONFIG.INI\""});
  EXPECT_EQ(App().MainForm(), form);
}

TEST_F(ApplicationLoopTest, ClosingTheMainFormEndsRun) {
  HookedForm* form = MakeMainForm();
  int destroyed = 0;
  form->OnDestroy = [&](TObject*) { ++destroyed; };
  bool asked = false;
  form->OnCloseQuery = [&](TObject*, bool& canClose) {
    canClose = asked;  // refuse the first time
    asked = true;
  };
  App().OnIdle = [&](TObject*, bool& done) {
    done = false;
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  };
  ArmSafetyTimer();
  App().Run();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(App().Terminated());
  EXPECT_EQ(destroyed, 0);  // the application frees its forms when it goes
}

TEST(ExceptionBoundary, WithoutAnApplicationTheMessageIsShownUnderTheProgramName) {
  ASSERT_EQ(Application, nullptr);
  std::vector<MessageBoxRequest> asked;
  ServiceDouble<int(const MessageBoxRequest&)> boxes(ShowMessageBox, [&](const MessageBoxRequest& request) {
    asked.push_back(request);
    return IDOK;
  });
  try {
    throw std::runtime_error("lost");
  } catch (...) {
    HandleException(nullptr);
  }
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Text, "lost");
  EXPECT_EQ(asked[0].Caption, "framework_tests");
  EXPECT_EQ(asked[0].Icon(), static_cast<UINT>(MB_ICONSTOP));
}

}  // namespace
}  // namespace fw
