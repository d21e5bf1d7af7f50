#include "components/input/jstick.h"

#include <array>
#include <iterator>

#include "components/input/axis_shaping.h"
#include "components/input/joystick_platform.h"
#include "framework/rtl/exceptions.h"

namespace input {

namespace {

constexpr int kThreadPriorities[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                                     THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                                     THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                     THREAD_PRIORITY_TIME_CRITICAL};

// How long the destructor waits for its polling threads in all. A thread ends within one pass and one
// wake-up; only an event handler that blocks keeps it longer.
constexpr ULONGLONG kStopTimeoutMs = 5000;

std::array<DWORD*, kJoyAxisCount> AxisFields(JOYINFOEX& info) {
  return {&info.dwXpos, &info.dwYpos, &info.dwZpos, &info.dwRpos, &info.dwUpos, &info.dwVpos};
}

// Waits for a thread to end while delivering messages sent to this thread, until the deadline.
void WaitForThreadEnd(HANDLE thread, ULONGLONG deadline) {
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return;
    const DWORD result =
        MsgWaitForMultipleObjects(1, &thread, FALSE, static_cast<DWORD>(deadline - now), QS_SENDMESSAGE);
    if (result != WAIT_OBJECT_0 + 1) return;
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // delivers the sent messages
  }
}

}  // namespace

PollRun::PollRun() : wake(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  if (wake == nullptr) fw::RaiseLastOSError();
}

PollRun::~PollRun() { CloseHandle(wake); }

TPollThread::TPollThread(TJstick* Joystick, std::shared_ptr<PollRun> Run)
    : TThread(true), joystick_(Joystick), run_(std::move(Run)) {}

void TPollThread::Execute() {
  TJstick& j = *joystick_;
  const std::array<AxisRange, kJoyAxisCount> ranges = {
      MakeAxisRange(j.GetMinX(), j.GetMaxX()), MakeAxisRange(j.GetMinY(), j.GetMaxY()),
      MakeAxisRange(j.GetMinZ(), j.GetMaxZ()), MakeAxisRange(j.GetMinR(), j.GetMaxR()),
      MakeAxisRange(j.GetMinU(), j.GetMaxU()), MakeAxisRange(j.GetMinV(), j.GetMaxV())};
  const std::array<bool, kJoyAxisCount> present = {true, true, j.HasZ(), j.HasR(), j.HasU(), j.HasV()};

  const std::array<DWORD*, kJoyAxisCount> axes = AxisFields(j.position_);
  j.ReadPosition();
  std::array<DWORD, kJoyAxisCount> previous{};
  for (int i = 0; i < kJoyAxisCount; ++i) previous[i] = *axes[i];
  DWORD previousPov = j.position_.dwPOV;
  DWORD held = 0;

  do {
    j.ReadPosition();  // a failed read leaves the record as it was

    if (j.MonitorAxis()) {
      if (j.UseNullZone()) {
        for (int i = 0; i < kJoyAxisCount; ++i) {
          if (!present[i]) continue;
          const TJoyAxis axis = static_cast<TJoyAxis>(i);
          *axes[i] = ApplyNullZone(*axes[i], ranges[i], NullZoneWidth(ranges[i], j.NullZone(axis)));
        }
      }
      bool moved = false;
      for (int i = 0; i < kJoyAxisCount; ++i) moved = moved || *axes[i] != previous[i];
      if (moved) {
        std::array<std::int32_t, kJoyAxisCount> value{};
        std::array<float, kJoyAxisCount> percent{};
        for (int i = 0; i < kJoyAxisCount; ++i) {
          const TJoyAxis axis = static_cast<TJoyAxis>(i);
          percent[i] = AxisPercent(*axes[i], ranges[i]);
          value[i] = ShapeAxis(*axes[i], ranges[i], j.Range(axis), j.UseRange(), j.NormalizeAxis());
        }
        j.DoAxis(this, value[0], value[1], value[2], value[3], value[4], value[5], percent[0], percent[1],
                 percent[2], percent[3], percent[4], percent[5]);
        for (int i = 0; i < kJoyAxisCount; ++i) previous[i] = *axes[i];
      }
    }

    if (j.MonitorButtons()) {
      const DWORD pressed = j.position_.dwButtons;
      for (int button = 1; button <= 32; ++button) {
        const DWORD bit = DWORD{1} << (button - 1);
        if ((pressed & bit) != 0 && (held & bit) == 0) {
          held |= bit;
          j.DoButton(this, j.JoystickID() - 1, button, true);
        } else if ((pressed & bit) == 0 && (held & bit) != 0) {
          held &= ~bit;
          j.DoButton(this, j.JoystickID() - 1, button, false);
        }
      }
    }

    if (j.MonitorPov() && j.position_.dwPOV != previousPov) {
      j.DoPov(this, static_cast<std::int32_t>(j.position_.dwPOV));
      previousPov = j.position_.dwPOV;
    }

    WaitForSingleObject(run_->wake, j.ThreadIntensity());
  } while (!Ending());
}

TJstick::TJstick(fw::TComponent* AOwner) : TComponent(AOwner) {
  position_.dwSize = sizeof(position_);
  position_.dwFlags = JOY_RETURNALL;
}

TJstick::~TJstick() { StopAndWaitForPollers(); }

void TJstick::BeforeDestruction() {
  StopAndWaitForPollers();
  TComponent::BeforeDestruction();
}

MMRESULT TJstick::ReadPosition() { return JoystickCalls().joyGetPosEx(DeviceNumber(), &position_); }

const JOYCAPSA& TJstick::ReadCaps() {
  JoystickCalls().joyGetDevCapsA(DeviceNumber(), &caps_, sizeof(caps_));
  return caps_;
}

bool TJstick::IsPresent() { return ReadPosition() == JOYERR_NOERROR; }

std::uint32_t TJstick::GetMinX() { return ReadCaps().wXmin; }
std::uint32_t TJstick::GetMaxX() { return ReadCaps().wXmax; }
std::uint32_t TJstick::GetMinY() { return ReadCaps().wYmin; }
std::uint32_t TJstick::GetMaxY() { return ReadCaps().wYmax; }
std::uint32_t TJstick::GetMinZ() { return ReadCaps().wZmin; }
std::uint32_t TJstick::GetMaxZ() { return ReadCaps().wZmax; }
std::uint32_t TJstick::GetMinR() { return ReadCaps().wRmin; }
std::uint32_t TJstick::GetMaxR() { return ReadCaps().wRmax; }
std::uint32_t TJstick::GetMinU() { return ReadCaps().wUmin; }
std::uint32_t TJstick::GetMaxU() { return ReadCaps().wUmax; }
std::uint32_t TJstick::GetMinV() { return ReadCaps().wVmin; }
std::uint32_t TJstick::GetMaxV() { return ReadCaps().wVmax; }
bool TJstick::HasZ() { return (ReadCaps().wCaps & JOYCAPS_HASZ) != 0; }
bool TJstick::HasR() { return (ReadCaps().wCaps & JOYCAPS_HASR) != 0; }
bool TJstick::HasU() { return (ReadCaps().wCaps & JOYCAPS_HASU) != 0; }
bool TJstick::HasV() { return (ReadCaps().wCaps & JOYCAPS_HASV) != 0; }

void TJstick::SetJoystickID(std::int32_t Value) { joystickId_ = (Value < 1 || Value > 16) ? 1 : Value; }

void TJstick::SetNullZone(TJoyAxis Axis, std::uint32_t Value) {
  nullZone_[Axis] = (Value < 1 || Value > 99) ? 10 : Value;
}

void TJstick::SetEnablePolling(bool Value) {
  if (ComponentState().Contains(fw::csDesigning)) {
    enablePolling_ = false;
    return;
  }
  if (enablePolling_ && Value) return;
  if (Value) {
    StartPolling();
  } else if (enablePolling_ && !pollers_.empty()) {
    pollers_.back().run->terminate = true;  // the thread ends after its current pass and sleep
  }
  enablePolling_ = Value;
}

void TJstick::SetThreadPriority(fw::TThreadPriority Value) {
  threadPriority_ = Value;
  if (enablePolling_ && !pollers_.empty()) ::SetThreadPriority(pollers_.back().thread, kThreadPriorities[Value]);
}

void TJstick::StartPolling() {
  ForgetEndedPollers();
  auto run = std::make_shared<PollRun>();
  TPollThread* thread = fw::Create<TPollThread>(this, run);
  HANDLE ownHandle = nullptr;
  try {
    thread->SetFreeOnTerminate(true);
    thread->SetPriority(threadPriority_);
    if (!DuplicateHandle(GetCurrentProcess(), thread->Handle(), GetCurrentProcess(), &ownHandle, 0, FALSE,
                         DUPLICATE_SAME_ACCESS)) {
      fw::RaiseLastOSError();
    }
    pollers_.push_back(Poller{run, ownHandle});
  } catch (...) {
    if (ownHandle != nullptr) CloseHandle(ownHandle);
    thread->Free();  // never started: it ends without polling
    throw;
  }
  thread->Start();
}

void TJstick::ForgetEndedPollers() {
  std::erase_if(pollers_, [](const Poller& poller) {
    if (WaitForSingleObject(poller.thread, 0) != WAIT_OBJECT_0) return false;
    CloseHandle(poller.thread);
    return true;
  });
}

void TJstick::StopAndWaitForPollers() {
  if (pollers_.empty()) return;
  for (const Poller& poller : pollers_) {
    poller.run->terminate = true;
    SetEvent(poller.run->wake);
  }
  const ULONGLONG deadline = GetTickCount64() + kStopTimeoutMs;
  for (const Poller& poller : pollers_) {
    if (GetThreadId(poller.thread) != GetCurrentThreadId()) WaitForThreadEnd(poller.thread, deadline);
    CloseHandle(poller.thread);
  }
  pollers_.clear();
  enablePolling_ = false;
}

void TJstick::DoAxis(fw::TObject* Sender, std::int32_t X, std::int32_t Y, std::int32_t Z, std::int32_t R,
                     std::int32_t U, std::int32_t V, float pcX, float pcY, float pcZ, float pcR, float pcU,
                     float pcV) {
  if (OnAxis) OnAxis(Sender, X, Y, Z, R, U, V, pcX, pcY, pcZ, pcR, pcU, pcV);
}

void TJstick::DoButton(fw::TObject* Sender, std::int32_t JoystickID, std::int32_t ButtonID, bool ButtonDown) {
  if (OnButton) OnButton(Sender, JoystickID, ButtonID, ButtonDown);
}

void TJstick::DoPov(fw::TObject* Sender, std::int32_t PovValue) {
  if (OnPov) OnPov(Sender, PovValue);
}

}  // namespace input
