#include "components/input/jstick.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "components/input/axis_shaping.h"
#include "scripted_joystick.h"

using namespace input;

namespace {

// Events as the polling thread reports them, in order; read once the thread has ended.
struct EventLog {
  std::mutex mutex;
  std::vector<std::string> entries;
  std::vector<std::vector<std::int32_t>> axes;
  int sentByOtherThanThePollingThread = 0;

  // The sender is only alive while the thread runs: it is checked here, on the polling thread.
  void Add(std::string entry, fw::TObject* sender) {
    std::lock_guard lock(mutex);
    entries.push_back(std::move(entry));
    auto* thread = dynamic_cast<TPollThread*>(sender);
    if (thread == nullptr || thread->ThreadID() != GetCurrentThreadId()) ++sentByOtherThanThePollingThread;
  }
};

void Wire(TJstick& stick, EventLog& log) {
  stick.OnButton = [&log](fw::TObject* sender, std::int32_t id, std::int32_t button, bool down) {
    log.Add("button " + std::to_string(id) + ":" + std::to_string(button) + (down ? " down" : " up"), sender);
  };
  stick.OnPov = [&log](fw::TObject* sender, std::int32_t value) { log.Add("pov " + std::to_string(value), sender); };
  stick.OnAxis = [&log](fw::TObject* sender, std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t r,
                        std::int32_t u, std::int32_t v, float, float, float, float, float, float) {
    {
      std::lock_guard lock(log.mutex);
      log.axes.push_back({x, y, z, r, u, v});
    }
    log.Add("axis", sender);
  };
}

// Polls the scripted joystick until every scripted pass has been handled, then destroys the component.
// A pass is complete once the next pass has read the joystick: the first read is the thread's start read.
void PollThroughScript(TJstick* stick, ScriptedJoystick& joystick, int passes) {
  stick->SetThreadIntensity(1);
  stick->SetEnablePolling(true);
  const bool reached = joystick.WaitForReads(passes + 2);
  stick->Free();
  ASSERT_TRUE(reached);
  ASSERT_TRUE(joystick.ReadersEnded());
}

}  // namespace

TEST(JstickProperties, DefaultsAndClamps) {
  ScriptedJoystick joystick;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  EXPECT_FALSE(stick->EnablePolling());
  EXPECT_EQ(stick->JoystickID(), 1);
  EXPECT_TRUE(stick->MonitorAxis() && stick->MonitorButtons() && stick->MonitorPov());
  EXPECT_EQ(stick->ThreadIntensity(), 10u);
  EXPECT_EQ(stick->ThreadPriority(), fw::tpNormal);
  EXPECT_TRUE(stick->NormalizeAxis() && stick->UseRange() && stick->UseNullZone());
  for (int axis = jaX; axis <= jaV; ++axis) {
    EXPECT_EQ(stick->NullZone(static_cast<TJoyAxis>(axis)), 10u);
    EXPECT_EQ(stick->Range(static_cast<TJoyAxis>(axis)), 1000u);
  }
  EXPECT_EQ(joystick.Reads() + joystick.CapsReads(), 0) << "construction touches no joystick";

  struct Case {
    std::int32_t written;
    std::int32_t stored;
  };
  for (const Case c : {Case{0, 1}, Case{17, 1}, Case{-3, 1}, Case{16, 16}, Case{7, 7}}) {
    stick->SetJoystickID(c.written);
    EXPECT_EQ(stick->JoystickID(), c.stored) << c.written;
  }
  for (const Case c : {Case{0, 10}, Case{100, 10}, Case{1, 1}, Case{99, 99}}) {
    stick->SetNullZoneU(static_cast<std::uint32_t>(c.written));
    EXPECT_EQ(stick->NullZoneU(), static_cast<std::uint32_t>(c.stored)) << c.written;
  }
  stick->Free();
}

TEST(JstickQueries, PresenceAndCapabilitiesUseTheZeroBasedDeviceNumber) {
  ScriptedJoystick joystick(4);
  JOYCAPSA caps = ScriptedJoystick::Caps(10, 4000, JOYCAPS_HASZ | JOYCAPS_HASV);
  caps.wYmax = 255;
  joystick.SetCaps(caps);
  TJstick* stick = fw::Create<TJstick>(nullptr);

  EXPECT_FALSE(stick->IsPresent());
  stick->SetJoystickID(5);
  EXPECT_TRUE(stick->IsPresent());
  EXPECT_EQ(joystick.LastDeviceAsked(), 4u);
  joystick.SetPresent(false);
  EXPECT_FALSE(stick->IsPresent());

  EXPECT_EQ(stick->GetMinX(), 10u);
  EXPECT_EQ(stick->GetMaxX(), 4000u);
  EXPECT_EQ(stick->GetMaxY(), 255u);
  EXPECT_TRUE(stick->HasZ());
  EXPECT_FALSE(stick->HasR());
  EXPECT_FALSE(stick->HasU());
  EXPECT_TRUE(stick->HasV());
  stick->Free();
}

TEST(JstickButtons, EdgesArriveInAscendingOrder) {
  ScriptedJoystick joystick(2);
  // Start read: button 3 already held. Pass 1: 1 and 3 held. Pass 2: 1 released, 2 pressed. Pass 3: no change.
  // Button 32 pressed and released again between passes 3 and 4 is never seen.
  joystick.SetScript({{.buttons = 0b100}, {.buttons = 0b101}, {.buttons = 0b110}, {.buttons = 0b110}});
  EventLog log;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetJoystickID(3);
  stick->SetMonitorAxis(false);
  Wire(*stick, log);
  PollThroughScript(stick, joystick, 4);

  EXPECT_EQ(log.entries, (std::vector<std::string>{"button 2:1 down", "button 2:3 down", "button 2:1 up",
                                                    "button 2:2 down"}));
  EXPECT_EQ(log.sentByOtherThanThePollingThread, 0);
}

TEST(JstickPov, RawValuesIncludingTheCentre) {
  ScriptedJoystick joystick;
  joystick.SetScript({{.pov = 65535}, {.pov = 9000}, {.pov = 9000}, {.pov = 65535}});
  EventLog log;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetMonitorAxis(false);
  Wire(*stick, log);
  PollThroughScript(stick, joystick, 3);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"pov 9000", "pov 65535"}));
}

TEST(JstickPov, MonitoringSwitchedOffReportsNothing) {
  ScriptedJoystick joystick;
  joystick.SetScript({{}, {.x = 0, .buttons = 1, .pov = 0}});
  EventLog log;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetMonitorAxis(false);
  stick->SetMonitorButtons(false);
  stick->SetMonitorPov(false);
  Wire(*stick, log);
  PollThroughScript(stick, joystick, 2);
  EXPECT_TRUE(log.entries.empty());
}

TEST(JstickPolling, SwitchingOnTwiceStartsOneThread) {
  ScriptedJoystick joystick;
  joystick.SetScript({{}, {.buttons = 1}});
  EventLog log;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetMonitorAxis(false);
  Wire(*stick, log);
  stick->SetThreadIntensity(1);
  stick->SetEnablePolling(true);
  stick->SetEnablePolling(true);
  EXPECT_TRUE(stick->EnablePolling());
  ASSERT_TRUE(joystick.WaitForReads(6));
  stick->Free();
  EXPECT_EQ(joystick.ReaderThreads().size(), 1u);
  EXPECT_EQ(log.entries, std::vector<std::string>{"button 0:1 down"});
}

TEST(JstickPolling, SwitchingOffDoesNotWaitAndDestroyingEndsTheSleepingThread) {
  ScriptedJoystick joystick;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetThreadIntensity(600000);  // the thread sleeps after its first pass
  stick->SetEnablePolling(false);     // off while off: nothing
  EXPECT_FALSE(stick->EnablePolling());
  stick->SetEnablePolling(true);
  ASSERT_TRUE(joystick.WaitForReads(2));
  stick->SetEnablePolling(false);
  EXPECT_FALSE(stick->EnablePolling());
  EXPECT_FALSE(joystick.ReadersEnded()) << "switching off only asks the thread to end";
  stick->Free();
  EXPECT_TRUE(joystick.ReadersEnded()) << "the destructor waits for the thread it started";
}

TEST(JstickPolling, DestroyingWhilePollingEndsEveryThread) {
  ScriptedJoystick joystick;
  joystick.SetScript({{}, {.buttons = 1}, {.buttons = 0}});
  EventLog log;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  Wire(*stick, log);
  stick->SetThreadIntensity(600000);
  stick->SetEnablePolling(true);
  ASSERT_TRUE(joystick.WaitForReads(2));
  stick->SetEnablePolling(false);  // the first thread still sleeps...
  stick->SetEnablePolling(true);   // ...beside the second
  ASSERT_TRUE(joystick.WaitForReads(4));
  stick->Free();
  EXPECT_EQ(joystick.ReaderThreads().size(), 2u);
  EXPECT_TRUE(joystick.ReadersEnded());
}

TEST(JstickPolling, AFailingHandlerEndsOnlyItsThread) {
  ScriptedJoystick joystick;
  joystick.SetScript({{}, {.buttons = 1}, {.buttons = 0}});
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetMonitorAxis(false);
  std::atomic<int> calls{0};
  stick->OnButton = [&calls](fw::TObject*, std::int32_t, std::int32_t, bool) {
    ++calls;
    throw std::runtime_error("handler failed");
  };
  stick->SetThreadIntensity(1);
  stick->SetEnablePolling(true);
  ASSERT_TRUE(joystick.WaitForReads(2));
  EXPECT_TRUE(joystick.ReadersEnded(10000));
  EXPECT_TRUE(stick->EnablePolling());
  EXPECT_EQ(calls, 1);
  stick->Free();
}

TEST(JstickWinmm, NoJoystickOnAHeadlessMachine) {
  TJstick* stick = fw::Create<TJstick>(nullptr);
  EXPECT_FALSE(stick->IsPresent());
  stick->SetThreadIntensity(1);
  stick->SetEnablePolling(true);
  stick->Free();
}

TEST(JstickPolling, ThreadPriorityIsAppliedAtStartAndWhilePolling) {
  ScriptedJoystick joystick;
  TJstick* stick = fw::Create<TJstick>(nullptr);
  stick->SetThreadPriority(fw::tpLower);
  stick->SetThreadIntensity(600000);
  stick->SetEnablePolling(true);
  ASSERT_TRUE(joystick.WaitForReads(2));
  ASSERT_EQ(joystick.ReaderThreads().size(), 1u);
  HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, *joystick.ReaderThreads().begin());
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_BELOW_NORMAL);
  stick->SetThreadPriority(fw::tpHigher);
  EXPECT_EQ(stick->ThreadPriority(), fw::tpHigher);
  EXPECT_EQ(GetThreadPriority(thread), THREAD_PRIORITY_ABOVE_NORMAL);
  CloseHandle(thread);
  stick->Free();
}
