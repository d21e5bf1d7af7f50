// TJstick: one multimedia (winmm) joystick, watched by a polling thread of its own.
//
// While EnablePolling is on, a TPollThread reads the joystick every ThreadIntensity milliseconds and fires
// OnAxis, OnButton and OnPov for what changed. The events run on the polling thread, never on the GUI
// thread, and their Sender is the thread object. Switching polling off only asks the thread to end; the
// destructor asks every thread this component started to end and waits for them, so no event reaches a
// destroyed component.
//
// Threads: the properties are set on the GUI thread; the polling thread reads the shaping and monitoring
// settings at each pass. IsPresent and the capability queries share the position and capabilities records
// with the thread and are meant for a component that is not polling.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/thread.h"

namespace input {

using TAxisEvent = std::function<void(fw::TObject* Sender, std::int32_t X, std::int32_t Y, std::int32_t Z,
                                      std::int32_t R, std::int32_t U, std::int32_t V, float pcX, float pcY,
                                      float pcZ, float pcR, float pcU, float pcV)>;
using TButtonEvent =
    std::function<void(fw::TObject* Sender, std::int32_t JoystickID, std::int32_t ButtonID, bool ButtonDown)>;
using TPovEvent = std::function<void(fw::TObject* Sender, std::int32_t PovValue)>;

// The six axes in the order of the position record: X, Y, Z, R, U, V.
enum TJoyAxis { jaX, jaY, jaZ, jaR, jaU, jaV };
constexpr int kJoyAxisCount = 6;

class TJstick;

// What a component and one of its polling threads share: the request to end, and the wake-up that cuts
// the thread's sleep short when the component is going away.
struct PollRun {
  PollRun();
  ~PollRun();
  PollRun(const PollRun&) = delete;
  PollRun& operator=(const PollRun&) = delete;

  std::atomic<bool> terminate{false};
  HANDLE wake = nullptr;  // manual-reset event
};

class TPollThread : public fw::TThread {
 public:
  TPollThread(TJstick* Joystick, std::shared_ptr<PollRun> Run);

 protected:
  void Execute() override;

 private:
  bool Ending() const { return Terminated() || run_->terminate.load(); }

  TJstick* joystick_;
  std::shared_ptr<PollRun> run_;
};

class TJstick : public fw::TComponent {
 public:
  explicit TJstick(fw::TComponent* AOwner);
  ~TJstick() override;
  void BeforeDestruction() override;

  // True when the joystick's position can be read (joyGetPosEx returns JOYERR_NOERROR).
  bool IsPresent();

  // Capability queries: each reads the device capabilities afresh (a failure is not reported).
  std::uint32_t GetMinX();
  std::uint32_t GetMaxX();
  std::uint32_t GetMinY();
  std::uint32_t GetMaxY();
  std::uint32_t GetMinZ();
  std::uint32_t GetMaxZ();
  std::uint32_t GetMinR();
  std::uint32_t GetMaxR();
  std::uint32_t GetMinU();
  std::uint32_t GetMaxU();
  std::uint32_t GetMinV();
  std::uint32_t GetMaxV();
  bool HasZ();
  bool HasR();
  bool HasU();
  bool HasV();

  bool EnablePolling() const { return enablePolling_; }
  void SetEnablePolling(bool Value);

  std::int32_t JoystickID() const { return joystickId_.load(); }
  void SetJoystickID(std::int32_t Value);  // outside 1..16 becomes 1
  bool MonitorAxis() const { return monitorAxis_.load(); }
  void SetMonitorAxis(bool Value) { monitorAxis_ = Value; }
  bool MonitorButtons() const { return monitorButtons_.load(); }
  void SetMonitorButtons(bool Value) { monitorButtons_ = Value; }
  bool MonitorPov() const { return monitorPov_.load(); }
  void SetMonitorPov(bool Value) { monitorPov_ = Value; }
  std::uint32_t ThreadIntensity() const { return threadIntensity_.load(); }
  void SetThreadIntensity(std::uint32_t Value) { threadIntensity_ = Value; }
  fw::TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(fw::TThreadPriority Value);

  // Dead zone per axis, percent of the half range; values outside 1..99 become 10.
  std::uint32_t NullZone(TJoyAxis Axis) const { return nullZone_[Axis].load(); }
  void SetNullZone(TJoyAxis Axis, std::uint32_t Value);
  std::uint32_t NullZoneX() const { return NullZone(jaX); }
  std::uint32_t NullZoneY() const { return NullZone(jaY); }
  std::uint32_t NullZoneZ() const { return NullZone(jaZ); }
  std::uint32_t NullZoneR() const { return NullZone(jaR); }
  std::uint32_t NullZoneU() const { return NullZone(jaU); }
  std::uint32_t NullZoneV() const { return NullZone(jaV); }
  void SetNullZoneX(std::uint32_t Value) { SetNullZone(jaX, Value); }
  void SetNullZoneY(std::uint32_t Value) { SetNullZone(jaY, Value); }
  void SetNullZoneZ(std::uint32_t Value) { SetNullZone(jaZ, Value); }
  void SetNullZoneR(std::uint32_t Value) { SetNullZone(jaR, Value); }
  void SetNullZoneU(std::uint32_t Value) { SetNullZone(jaU, Value); }
  void SetNullZoneV(std::uint32_t Value) { SetNullZone(jaV, Value); }

  // Output range per axis when UseRange is on.
  std::uint32_t Range(TJoyAxis Axis) const { return range_[Axis].load(); }
  void SetRange(TJoyAxis Axis, std::uint32_t Value) { range_[Axis] = Value; }
  std::uint32_t RangeX() const { return Range(jaX); }
  std::uint32_t RangeY() const { return Range(jaY); }
  std::uint32_t RangeZ() const { return Range(jaZ); }
  std::uint32_t RangeR() const { return Range(jaR); }
  std::uint32_t RangeU() const { return Range(jaU); }
  std::uint32_t RangeV() const { return Range(jaV); }
  void SetRangeX(std::uint32_t Value) { SetRange(jaX, Value); }
  void SetRangeY(std::uint32_t Value) { SetRange(jaY, Value); }
  void SetRangeZ(std::uint32_t Value) { SetRange(jaZ, Value); }
  void SetRangeR(std::uint32_t Value) { SetRange(jaR, Value); }
  void SetRangeU(std::uint32_t Value) { SetRange(jaU, Value); }
  void SetRangeV(std::uint32_t Value) { SetRange(jaV, Value); }

  bool NormalizeAxis() const { return normalizeAxis_.load(); }
  void SetNormalizeAxis(bool Value) { normalizeAxis_ = Value; }
  bool UseRange() const { return useRange_.load(); }
  void SetUseRange(bool Value) { useRange_ = Value; }
  bool UseNullZone() const { return useNullZone_.load(); }
  void SetUseNullZone(bool Value) { useNullZone_ = Value; }

  // Fire the matching event when a handler is assigned.
  virtual void DoAxis(fw::TObject* Sender, std::int32_t X, std::int32_t Y, std::int32_t Z, std::int32_t R,
                      std::int32_t U, std::int32_t V, float pcX, float pcY, float pcZ, float pcR, float pcU,
                      float pcV);
  virtual void DoButton(fw::TObject* Sender, std::int32_t JoystickID, std::int32_t ButtonID, bool ButtonDown);
  virtual void DoPov(fw::TObject* Sender, std::int32_t PovValue);

  TAxisEvent OnAxis;
  TButtonEvent OnButton;
  TPovEvent OnPov;

 private:
  friend class TPollThread;

  // One polling thread this component started: the shared run state and our own handle of the thread,
  // which stays valid after the thread has freed itself.
  struct Poller {
    std::shared_ptr<PollRun> run;
    HANDLE thread = nullptr;
  };

  UINT DeviceNumber() const { return static_cast<UINT>(JoystickID() - 1); }
  MMRESULT ReadPosition();
  const JOYCAPSA& ReadCaps();
  void StartPolling();
  void ForgetEndedPollers();
  void StopAndWaitForPollers();

  bool enablePolling_ = false;
  JOYINFOEX position_{};
  JOYCAPSA caps_{};
  std::atomic<std::int32_t> joystickId_{1};
  std::atomic<bool> monitorAxis_{true};
  std::atomic<bool> monitorButtons_{true};
  std::atomic<bool> monitorPov_{true};
  std::atomic<std::uint32_t> threadIntensity_{10};
  fw::TThreadPriority threadPriority_ = fw::tpNormal;
  std::atomic<std::uint32_t> nullZone_[kJoyAxisCount] = {10, 10, 10, 10, 10, 10};
  std::atomic<std::uint32_t> range_[kJoyAxisCount] = {1000, 1000, 1000, 1000, 1000, 1000};
  std::atomic<bool> normalizeAxis_{true};
  std::atomic<bool> useRange_{true};
  std::atomic<bool> useNullZone_{true};
  std::vector<Poller> pollers_;  // the last one belongs to the current switch-on
};

}  // namespace input
