#include "scripted_joystick.h"

ScriptedJoystick* ScriptedJoystick::current_ = nullptr;

ScriptedJoystick::ScriptedJoystick(UINT deviceNumber)
    : deviceNumber_(deviceNumber), caps_(Caps(0, 65535, 0)), platform_(input::JoystickPlatform{&GetPos, &GetCaps}) {
  current_ = this;
}

ScriptedJoystick::~ScriptedJoystick() { current_ = nullptr; }

JOYCAPSA ScriptedJoystick::Caps(WORD min, WORD max, UINT extraAxes) {
  JOYCAPSA caps{};
  caps.wXmin = caps.wYmin = caps.wZmin = caps.wRmin = caps.wUmin = caps.wVmin = min;
  caps.wXmax = caps.wYmax = caps.wZmax = caps.wRmax = caps.wUmax = caps.wVmax = max;
  caps.wCaps = extraAxes;
  return caps;
}

void ScriptedJoystick::SetScript(std::vector<JoyState> states) {
  std::lock_guard lock(mutex_);
  states_ = std::move(states);
}

void ScriptedJoystick::SetCaps(const JOYCAPSA& caps) {
  std::lock_guard lock(mutex_);
  caps_ = caps;
}

void ScriptedJoystick::SetPresent(bool present) {
  std::lock_guard lock(mutex_);
  present_ = present;
}

bool ScriptedJoystick::WaitForReads(int count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return reads_ >= count; });
}

int ScriptedJoystick::Reads() {
  std::lock_guard lock(mutex_);
  return reads_;
}

int ScriptedJoystick::CapsReads() {
  std::lock_guard lock(mutex_);
  return capsReads_;
}

UINT ScriptedJoystick::LastDeviceAsked() {
  std::lock_guard lock(mutex_);
  return lastDevice_;
}

std::set<DWORD> ScriptedJoystick::ReaderThreads() {
  std::lock_guard lock(mutex_);
  return readers_;
}

bool ScriptedJoystick::ReadersEnded(DWORD timeoutMs) {
  for (DWORD id : ReaderThreads()) {
    if (id == GetCurrentThreadId()) continue;
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id);
    if (thread == nullptr) continue;  // gone
    const bool ended = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
    CloseHandle(thread);
    if (!ended) return false;
  }
  return true;
}

MMRESULT WINAPI ScriptedJoystick::GetPos(UINT joystick, LPJOYINFOEX info) {
  ScriptedJoystick& self = *current_;
  std::lock_guard lock(self.mutex_);
  self.lastDevice_ = joystick;
  self.readers_.insert(GetCurrentThreadId());
  const int index = self.reads_++;
  self.changed_.notify_all();
  if (!self.present_ || joystick != self.deviceNumber_) return JOYERR_UNPLUGGED;
  const JoyState& state = self.states_[std::min<std::size_t>(index, self.states_.size() - 1)];
  info->dwXpos = state.x;
  info->dwYpos = state.y;
  info->dwZpos = state.z;
  info->dwRpos = state.r;
  info->dwUpos = state.u;
  info->dwVpos = state.v;
  info->dwButtons = state.buttons;
  info->dwPOV = state.pov;
  return JOYERR_NOERROR;
}

MMRESULT WINAPI ScriptedJoystick::GetCaps(UINT_PTR joystick, LPJOYCAPSA caps, UINT size) {
  ScriptedJoystick& self = *current_;
  std::lock_guard lock(self.mutex_);
  ++self.capsReads_;
  if (size != sizeof(JOYCAPSA) || joystick != self.deviceNumber_) return JOYERR_PARMS;
  *caps = self.caps_;
  return JOYERR_NOERROR;
}
