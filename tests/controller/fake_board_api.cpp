#include "fake_board_api.h"

#include <algorithm>
#include <cstring>

#include "framework/rtl/format.h"

namespace trelvik::testing {
namespace {

FakeBoardLibrary* lib = nullptr;

void Log(const std::string& text) { lib->calls.push_back(text); }
std::string Args(std::initializer_list<int> args) {
  std::string text;
  for (int a : args) text += (text.empty() ? "" : ",") + std::to_string(a);
  return text;
}
const FakeBoard* BoardOf(int session) {
  const auto at = lib->sessionNames.find(session);
  if (at == lib->sessionNames.end()) return nullptr;
  for (const FakeBoard& b : lib->boards) {
    if (b.name == at->second) return &b;
  }
  return nullptr;
}

ApiStatus Open() {
  Log("OpenControllers()");
  if (lib->onOpen) lib->onOpen();
  return lib->openFails ? API_ERR_NO_DEVICES : API_OK;
}
ApiStatus Close() {
  Log("CloseControllers()");
  return API_OK;
}
ApiStatus Version(char* buffer, uint32_t* size) {
  Log(buffer == nullptr ? "GetAPIVersion(size)" : "GetAPIVersion(text)");
  if (lib->versionFails) return API_ERR_DEVICE_IO;
  const char* text = "2.0.0.7";
  if (buffer == nullptr) {
    *size = static_cast<uint32_t>(strlen(text) + 1);
    return API_OK;
  }
  strcpy(buffer, text);
  return API_OK;
}
ApiStatus List(char* buffer, uint32_t* size, const char*) {
  Log(buffer == nullptr ? "GetDeviceList(size)" : "GetDeviceList(names)");
  if (lib->deviceListFails) return API_ERR_DEVICE_IO;
  std::string names;
  for (const FakeBoard& b : lib->boards) names += b.name + '\0';
  if (buffer == nullptr) {
    *size = static_cast<uint32_t>(names.size());
    return API_OK;
  }
  memcpy(buffer, names.data(), names.size());
  return API_OK;
}
ApiStatus Bind(const char* name, int32_t* session) {
  Log(std::string("Bind(") + name + ")");
  for (const FakeBoard& b : lib->boards) {
    if (b.name == name && !b.bindFails) {
      *session = lib->nextSession++;
      lib->sessionNames[*session] = name;
      return API_OK;
    }
  }
  return API_ERR_NOT_FOUND;
}
ApiStatus UnBind(int32_t session) {
  Log("UnBind(" + Args({session}) + ")");
  return API_OK;
}
ApiStatus Info(int32_t session, BoardInfo* info) {
  Log("GetBoardInfo(" + Args({session}) + ")");
  const FakeBoard* b = BoardOf(session);
  if (b == nullptr || b->infoFails) return API_ERR_DEVICE_IO;
  *info = BoardInfo{};
  info->switchCount = b->switches;
  info->firstSwitch = b->switches > 0 ? 1 : 0;
  info->lastSwitch = b->switches;
  info->ledCount = b->leds;
  info->firstLed = b->leds > 0 ? 1 : 0;
  info->lastLed = b->leds;
  info->datalineCount = b->datalines;
  info->digitCount = b->digits;
  memcpy(info->model, b->model.c_str(), std::min<size_t>(4, b->model.size()));
  return API_OK;
}
ApiStatus Options(int32_t s, int32_t o) { Log("SetBoardOptions(" + Args({s, o}) + ")"); return API_OK; }
ApiStatus LedEnable(int32_t s, int32_t on) { Log("LED_Enable(" + Args({s, on}) + ")"); return API_OK; }
ApiStatus LedTest(int32_t s, int32_t on) { Log("LED_Test(" + Args({s, on}) + ")"); return API_OK; }
ApiStatus LedSet(int32_t s, int32_t led, int32_t state) {
  Log("LED_Set(" + Args({s, led, state}) + ")");
  if (lib->faultOnLedSet) *static_cast<volatile int*>(nullptr) = 1;
  return s == 0 ? API_ERR_NO_SESSION : API_OK;
}
ApiStatus SegEnable(int32_t s, int32_t on) { Log("7Segment_Enable(" + Args({s, on}) + ")"); return API_OK; }
ApiStatus SegDisplay(int32_t s, const char* text, int32_t first) {
  Log("7Segment_Display(" + Args({s}) + "," + text + "," + Args({first}) + ")");
  return API_OK;
}
ApiStatus LineEnable(int32_t s, int32_t on) { Log("Dataline_Enable(" + Args({s, on}) + ")"); return API_OK; }
ApiStatus LineSet(int32_t s, int32_t l, int32_t st) { Log("Dataline_Set(" + Args({s, l, st}) + ")"); return API_OK; }
ApiStatus BrightEnable(int32_t s, int32_t on) { Log("Brightness_Enable(" + Args({s, on}) + ")"); return API_OK; }
ApiStatus BrightSet(int32_t s, int32_t l) { Log("Brightness_Set(" + Args({s, l}) + ")"); return API_OK; }
ApiStatus AnalogEnable(int32_t s, int32_t on) { Log("Analog_Enable(" + Args({s, on}) + ")"); return API_OK; }
ApiStatus AnalogGet(int32_t s, int32_t c, int32_t* v) {
  Log("Analog_GetValue(" + Args({s, c}) + ")");
  // As the library does: a value holding 0 on entry is refused.
  if (*v == 0) return API_ERR_OUT_OF_RANGE;
  const FakeBoard* b = BoardOf(s);
  if (b == nullptr || b->analogFails) return API_ERR_DEVICE_IO;
  *v = b->analog;
  return API_OK;
}
ApiStatus SwitchCb(int32_t s, int32_t on, SwitchCallback) {
  Log("Switch_Enable_Callback(" + Args({s, on}) + ")");
  return API_OK;
}
ApiStatus SwitchState(int32_t s, int32_t n, int32_t* st) {
  Log("Switch_Get_State(" + Args({s, n}) + ")");
  const FakeBoard* b = BoardOf(s);
  if (b == nullptr) {
    *st = 0;
    return API_OK;
  }
  if (std::find(b->unreadable.begin(), b->unreadable.end(), n) != b->unreadable.end()) return API_ERR_DEVICE_IO;
  const auto at = b->positions.find(n);
  *st = at == b->positions.end() ? 0 : at->second;
  return API_OK;
}
ApiStatus DeviceCb(int32_t on, DeviceChangeCallback) {
  Log("Enable_DeviceChange_Notification_Callback(" + Args({on}) + ")");
  return API_OK;
}
ApiStatus Logging(int32_t on) { Log("EnableLogging(" + Args({on}) + ")"); return API_OK; }

const BoardApi kFakeApi{&Open,    &Close,      &Version,    &List,       &Bind,      &UnBind,  &Info,      &Options,
                        &LedEnable, &LedTest,  &LedSet,     &SegEnable,  &SegDisplay, &LineEnable, &LineSet,
                        &BrightEnable, &BrightSet, &AnalogEnable, &AnalogGet, &SwitchCb, &SwitchState, &DeviceCb,
                        &Logging};

FakeBoardLibrary storage;

}  // namespace

std::vector<std::string> FakeBoardLibrary::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& c : calls) {
    if (c.rfind(prefix, 0) == 0) found.push_back(c);
  }
  return found;
}

FakeBoardApi::FakeBoardApi() : double_(kFakeApi) {
  storage = FakeBoardLibrary{};
  lib = &storage;
}

FakeBoardApi::~FakeBoardApi() { lib = nullptr; }

FakeBoardLibrary& FakeBoardApi::library() { return storage; }

}  // namespace trelvik::testing
