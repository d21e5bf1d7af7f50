// The frame of every export: inside the library lock (see api_lock.h), one API log line, written while logging
// is on at the moment of the call, with the function's message format and its raw arguments; then exactly one
// call into the library, whose status is the export's answer. Nothing thrown leaves the frame: an exception
// (an allocation that failed, say) answers API_ERR_DEVICE_IO. The log format's first "%s" takes the function's name; a format without one (the
// argument-less exports) simply ignores it.
//
//   ApiStatus ventrix_LED_Set(int32_t session, int32_t led, int32_t state) {
//     return frame::Run(__func__, "%s(0x%.08X, %d, %d)",
//                       [&] { return LedSet(session, led, frame::IsOn(state)); },
//                       frame::LogHandle(session), led, frame::LogOnOff(state));
//   }
//   VENTRIX_TWIN(ventrix_LED_Set, (int32_t session, int32_t led, int32_t state), (session, led, state))
//
// Every export's name is also listed in a *.exports fragment beside its source, one name per line, twins
// on their own lines.
#pragma once

#include <cstdint>

#include "boardapi/api/on_off.h"
#include "boardapi/base/api_lock.h"
#include "boardapi/include/ventrixAPI.h"
#include "boardapi/log/api_log.h"

namespace frame {

inline constexpr char kModuleName[] = "ventrixAPI";

// Pointers and handles are logged as "0x%.08X" of their low 32 bits.
inline unsigned LogPointer(const void* pointer) {
  return static_cast<unsigned>(reinterpret_cast<uintptr_t>(pointer));
}
template <typename Result, typename... Args>
unsigned LogPointer(Result(VENTRIX_STDCALL* function)(Args...)) {
  return static_cast<unsigned>(reinterpret_cast<uintptr_t>(function));
}
inline unsigned LogHandle(int32_t session) { return static_cast<uint32_t>(session); }

// On/off arguments count only their low byte: it is logged as it came, and only a 1 is on.
inline int LogOnOff(int32_t raw) { return OnOffByte(raw); }
using ::IsOn;

template <typename Call, typename... LogArgs>
ApiStatus Run(const char* function, const char* format, Call&& call, LogArgs... logArgs) noexcept {
  try {
    ApiLockHold lock;
    theLog.Write(0, kModuleName, format, function, logArgs...);
    return call();
  } catch (...) {
    return API_ERR_DEVICE_IO;
  }
}

}  // namespace frame

// The stdcall twin "<name>_std": calls the plain export with the same arguments and returns its status; the
// log line is the plain export's.
#define VENTRIX_TWIN(name, params, args) \
  ApiStatus VENTRIX_STDCALL name##_std params { return name args; }
