// Threads: suspended creation, running, termination, priority, self-freeing and exceptions.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "framework/classes/thread.h"
#include "framework/rtl/exceptions.h"

using namespace fw;

namespace {

// Counts until terminated; its own member proves Execute ran on a complete object.
class TCounter : public TThread {
 public:
  TCounter(bool suspended, std::atomic<int>& executions) : TThread(suspended), executions_(executions) {}
  std::atomic<int> loops{0};
  std::atomic<DWORD> executingThread{0};

 protected:
  void Execute() override {
    ++executions_;
    executingThread = GetCurrentThreadId();
    while (!Terminated()) {
      ++loops;
      Sleep(1);
    }
    SetReturnValue(77);
  }

 private:
  std::atomic<int>& executions_;
};

class TThrower : public TThread {
 public:
  TThrower() : TThread(false) {}

 protected:
  void Execute() override { throw std::runtime_error("worker failed"); }
};

class TSelfFreeing : public TThread {
 public:
  TSelfFreeing(HANDLE done, bool& destroyed) : TThread(true), done_(done), destroyed_(destroyed) {}
  ~TSelfFreeing() override {
    destroyed_ = true;
    SetEvent(done_);
  }

 protected:
  void Execute() override {}

 private:
  HANDLE done_;
  bool& destroyed_;
};

}  // namespace

TEST(Thread, SuspendedUntilStartedThenRunsUntilTerminated) {
  std::atomic<int> executions{0};
  auto* thread = Create<TCounter>(true, executions);
  EXPECT_TRUE(thread->Suspended());
  EXPECT_NE(thread->Handle(), nullptr);
  EXPECT_NE(thread->ThreadID(), 0u);
  Sleep(20);
  EXPECT_EQ(executions, 0);
  thread->SetPriority(tpLower);
  EXPECT_EQ(thread->Priority(), tpLower);
  thread->Start();
  EXPECT_FALSE(thread->Suspended());
  EXPECT_THROW(thread->Start(), EThread);
  while (thread->loops < 3) Sleep(1);
  EXPECT_FALSE(thread->Finished());
  thread->Terminate();
  EXPECT_TRUE(thread->Terminated());
  EXPECT_EQ(thread->WaitFor(), 77u);
  EXPECT_TRUE(thread->Finished());
  EXPECT_EQ(thread->executingThread, thread->ThreadID());
  EXPECT_EQ(executions, 1);
  thread->Free();
}

TEST(Thread, FreeingStopsARunningThreadAndNeverRunsAnUnstartedOne) {
  std::atomic<int> executions{0};
  auto* running = Create<TCounter>(false, executions);
  while (running->loops < 1) Sleep(1);
  running->Free();  // terminates and waits
  EXPECT_EQ(executions, 1);

  Create<TCounter>(true, executions)->Free();
  EXPECT_EQ(executions, 1);
}

TEST(Thread, ExceptionsStayInTheThread) {
  auto* thread = Create<TThrower>();
  thread->WaitFor();
  ASSERT_TRUE(thread->FatalException());
  try {
    std::rethrow_exception(thread->FatalException());
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "worker failed");
  }
  thread->Free();
}

TEST(Thread, FreeOnTerminateFreesItselfAfterExecute) {
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool destroyed = false;
  auto* thread = Create<TSelfFreeing>(done, destroyed);
  thread->SetFreeOnTerminate(true);
  EXPECT_THROW(thread->WaitFor(), EInvalidOperation);
  thread->Start();
  EXPECT_EQ(WaitForSingleObject(done, 5000), WAIT_OBJECT_0);
  EXPECT_TRUE(destroyed);
  CloseHandle(done);
}

TEST(Thread, WaitForDeliversMessagesSentToTheWaitingThread) {
  // A worker that sends to a window of the waiting thread must not dead-lock WaitFor.
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  class TSender : public TThread {
   public:
    explicit TSender(HWND target) : TThread(false), target_(target) {}

   protected:
    void Execute() override { SetReturnValue(SendMessageA(target_, WM_GETTEXTLENGTH, 0, 0) == 0 ? 1 : 2); }

   private:
    HWND target_;
  };
  auto* sender = Create<TSender>(window);
  EXPECT_EQ(sender->WaitFor(), 1u);
  sender->Free();
  DestroyWindow(window);
}
