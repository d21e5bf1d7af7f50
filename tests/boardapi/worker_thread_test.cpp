// The library's thread type: stops asked for from the worker's own thread, owners that go while their worker
// runs, bodies that throw, and joins that let the library lock go for a worker waiting to enter the library.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <new>
#include <stdexcept>

#include "boardapi/base/api_lock.h"
#include "boardapi/base/unique_handle.h"
#include "boardapi/base/worker_thread.h"

namespace {

constexpr DWORD kBoundMs = 5000;

UniqueHandle Event() { return UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr)); }

bool Signalled(const UniqueHandle& event, DWORD limitMs = kBoundMs) {
  return WaitForSingleObject(event.get(), limitMs) == WAIT_OBJECT_0;
}

TEST(WorkerThread, StopFromItsOwnThreadAsksAndTheOwnerJoinsLater) {
  WorkerThread worker;
  const UniqueHandle asked = Event();
  const UniqueHandle release = Event();
  std::atomic<bool> joinedFromInside{true};
  std::atomic<bool> stopSeen{false};
  ASSERT_TRUE(worker.Start([&](const WorkerStop& stop) {
    joinedFromInside = worker.Stop(kBoundMs);  // must come back at once, not wait for itself
    stopSeen = stop.Requested();
    SetEvent(asked.get());
    WaitForSingleObject(release.get(), kBoundMs);
  }));
  ASSERT_TRUE(Signalled(asked));
  EXPECT_FALSE(joinedFromInside);
  EXPECT_TRUE(stopSeen);
  // Still owned: the body has not returned, so an outside join times out and keeps it.
  EXPECT_FALSE(worker.Join(50));
  EXPECT_TRUE(worker.Started());
  SetEvent(release.get());
  EXPECT_TRUE(worker.Join(kBoundMs));
  EXPECT_FALSE(worker.Started());
}

TEST(WorkerThread, RestartFromInsideItsOwnBodyRunsANewWorker) {
  WorkerThread worker;
  const UniqueHandle secondRan = Event();
  std::atomic<bool> restarted{false};
  std::atomic<bool> firstSawStop{false};
  ASSERT_TRUE(worker.Start([&](const WorkerStop& stop) {
    restarted = worker.Start([&](const WorkerStop&) { SetEvent(secondRan.get()); });
    firstSawStop = stop.Requested();
  }));
  ASSERT_TRUE(Signalled(secondRan));
  EXPECT_TRUE(restarted);
  EXPECT_TRUE(firstSawStop);  // the first worker was let go with its stop asked for
  EXPECT_TRUE(worker.Join(kBoundMs));
}

// The body keeps its owner alive; when it returns, the last reference goes on the worker's own thread, and the
// owner's worker lets itself go instead of waiting for itself.
TEST(WorkerThread, OwnerReleasedOnItsOwnWorkerThread) {
  struct Owner {
    WorkerThread worker;
    std::atomic<DWORD>* report = nullptr;
    HANDLE reportEvent = nullptr;
    ~Owner() {
      *report = GetCurrentThreadId();
      SetEvent(reportEvent);
    }
  };
  std::atomic<DWORD> destroyedOn{0};
  const UniqueHandle destroyed = Event();
  const UniqueHandle go = Event();
  std::atomic<DWORD> workerThread{0};
  auto owner = std::make_shared<Owner>();
  owner->report = &destroyedOn;
  owner->reportEvent = destroyed.get();
  ASSERT_TRUE(owner->worker.Start([&, keep = owner](const WorkerStop&) {
    workerThread = GetCurrentThreadId();
    WaitForSingleObject(go.get(), kBoundMs);
  }));
  owner.reset();
  SetEvent(go.get());
  ASSERT_TRUE(Signalled(destroyed));
  EXPECT_EQ(destroyedOn.load(), workerThread.load());
}

TEST(WorkerThread, NothingThrownLeavesTheThread) {
  WorkerThread worker;
  ASSERT_TRUE(worker.Start([](const WorkerStop&) { throw std::runtime_error("body failed"); }));
  EXPECT_TRUE(worker.Join(kBoundMs));
  ASSERT_TRUE(worker.Start([](const WorkerStop&) { throw std::bad_alloc(); }));
  EXPECT_TRUE(worker.Join(kBoundMs));
}

TEST(WorkerThread, JoinLetsTheLibraryLockGoForAWorkerWaitingToEnter) {
  WorkerThread worker;
  std::atomic<bool> entered{false};
  ApiLockHold outer;
  ApiLockHold inner;  // two levels: both are let go during the wait
  ASSERT_TRUE(worker.Start([&](const WorkerStop&) {
    ApiLockHold lock;
    entered = true;
  }));
  EXPECT_TRUE(worker.Join(kBoundMs));
  EXPECT_TRUE(entered);
  EXPECT_EQ(ApiLockLevels(), 2);
}

TEST(WorkerThread, StopWakesABodyWaitingForIt) {
  WorkerThread worker;
  std::atomic<bool> woken{false};
  ASSERT_TRUE(worker.Start([&](const WorkerStop& stop) { woken = stop.WaitFor(60000); }));
  EXPECT_TRUE(worker.Running());
  EXPECT_TRUE(worker.Stop(kBoundMs));
  EXPECT_TRUE(woken);
}

}  // namespace
