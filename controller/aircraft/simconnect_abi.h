// The simulator's client library (SimConnect.dll) as this program uses it: the calls it makes, the records
// the library hands to a dispatch procedure, and the values the program passes. Declared here from what
// the program relies on; nothing of the library is linked, it is bound at run time (simconnect_binding.h).
//
// Every call and the dispatch procedure are stdcall. A session is named by a pointer-sized handle. Records
// are plain 32-bit fields, so they have the same layout in the 32-bit and the 64-bit build.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace simconnect {

// A call's result: 0 or positive is success, negative a failure.
using Result = LONG;
inline constexpr Result kOk = 0;
inline constexpr Result kFail = static_cast<Result>(0x80004005u);

using SessionHandle = HANDLE;

// The record kinds, in the low byte of a record's kind field.
enum RecordKind : std::uint32_t {
  kRecordNull = 0,
  kRecordException = 1,
  kRecordOpen = 2,
  kRecordQuit = 3,
  kRecordEvent = 4,
  kRecordObjectData = 8,
  kRecordSystemState = 15,
  kRecordClientData = 16,
};

struct RecordHeader {
  std::uint32_t size;  // bytes of the whole record
  std::uint32_t version;
  std::uint32_t kind;
};

struct ExceptionRecord {
  RecordHeader header;
  std::uint32_t exception;  // the exception code
  std::uint32_t sendId;     // the packet that caused it
  std::uint32_t index;      // the argument that caused it
};

inline constexpr std::size_t kApplicationNameSize = 256;

struct OpenRecord {
  RecordHeader header;
  char applicationName[kApplicationNameSize];
  std::uint32_t applicationVersionMajor;
  std::uint32_t applicationVersionMinor;
  std::uint32_t applicationBuildMajor;
  std::uint32_t applicationBuildMinor;
  std::uint32_t simConnectVersionMajor;
  std::uint32_t simConnectVersionMinor;
  std::uint32_t simConnectBuildMajor;
  std::uint32_t simConnectBuildMinor;
  std::uint32_t reserved1;
  std::uint32_t reserved2;
};

using QuitRecord = RecordHeader;

struct EventRecord {
  RecordHeader header;
  std::uint32_t groupId;
  std::uint32_t eventId;  // the client event id the program subscribed or mapped
  std::uint32_t data;
};

inline constexpr std::size_t kSystemStateTextSize = 256;

struct SystemStateRecord {
  RecordHeader header;
  std::uint32_t requestId;
  std::uint32_t integer;
  float real;
  char text[kSystemStateTextSize];
};

// A client-data area as requested: the fields below, then the defined bytes.
struct ClientDataRecord {
  RecordHeader header;
  std::uint32_t requestId;
  std::uint32_t objectId;
  std::uint32_t definitionId;
  std::uint32_t flags;
  std::uint32_t entryNumber;
  std::uint32_t outOf;
  std::uint32_t definitionCount;
};
inline constexpr std::size_t kClientDataHeaderSize = sizeof(ClientDataRecord);

// Values the program passes.
inline constexpr DWORD kPeriodOnSet = 3;              // a client-data request: whenever the area is set
inline constexpr DWORD kClientDataChangedOnly = 1;    // ... and only when it changed
inline constexpr DWORD kDatumUnused = 0xFFFFFFFFu;    // a definition entry without a datum id
inline constexpr DWORD kUserAircraft = 0;             // the object an event goes to
inline constexpr DWORD kGroupPriorityHighest = 1;     // the group an event is sent in
inline constexpr DWORD kEventGroupIsPriority = 16;    // ... which names a priority, not a group
// Mouse-event data of the add-on's control events.
inline constexpr DWORD kLeftPress = 0x20000000u;
inline constexpr DWORD kLeftRelease = 0x00020000u;
inline constexpr DWORD kRightPress = 0x80000000u;
inline constexpr DWORD kRightRelease = 0x00080000u;

using DispatchProc = void(CALLBACK*)(RecordHeader* record, DWORD size, void* context);

using OpenFn = Result(WINAPI*)(SessionHandle* session, const char* name, HWND window, DWORD userMessage,
                               HANDLE eventHandle, DWORD configIndex);
using CloseFn = Result(WINAPI*)(SessionHandle session);
using CallDispatchFn = Result(WINAPI*)(SessionHandle session, DispatchProc procedure, void* context);
using MapClientDataNameToIDFn = Result(WINAPI*)(SessionHandle session, const char* name, DWORD clientDataId);
using AddToClientDataDefinitionFn = Result(WINAPI*)(SessionHandle session, DWORD definitionId, DWORD offset,
                                                    DWORD size, float epsilon, DWORD datumId);
using RequestClientDataFn = Result(WINAPI*)(SessionHandle session, DWORD clientDataId, DWORD requestId,
                                            DWORD definitionId, DWORD period, DWORD flags, DWORD origin,
                                            DWORD interval, DWORD limit);
using SubscribeToSystemEventFn = Result(WINAPI*)(SessionHandle session, DWORD eventId, const char* name);
using RequestSystemStateFn = Result(WINAPI*)(SessionHandle session, DWORD requestId, const char* state);
using MapClientEventToSimEventFn = Result(WINAPI*)(SessionHandle session, DWORD eventId, const char* name);
using TransmitClientEventFn = Result(WINAPI*)(SessionHandle session, DWORD objectId, DWORD eventId, DWORD data,
                                              DWORD groupId, DWORD flags);

}  // namespace simconnect
