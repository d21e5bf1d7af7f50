#include "controller/aircraft/sim_session.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "controller/aircraft/aircraft_host.h"
#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/command_tables.h"
#include "controller/aircraft/simconnect_binding.h"
#include "controller/aircraft/simconnect_names.h"
#include "framework/classes/strings.h"
#include "framework/messaging/exception_boundary.h"
#include "framework/rtl/format.h"

namespace aircraft {

namespace {

using simconnect::Result;

simconnect::SessionHandle session = nullptr;

// What differs between the two aircraft when a record arrives.
struct AircraftLink {
  const char* addonName;  // in the loaded aircraft's text
  std::size_t dataSize;
  std::size_t controlSize;
  void (*store)(const std::uint8_t* area);
  void (*rederive)();
  bool reportsExceptions;
  bool reportsObjectData;
};

const AircraftLink kLink737{"ORVA 737", kAddonData737Size, kAddonControl737Size, &StoreData737, &Rederive737,
                            true, true};
const AircraftLink kLink777{"ORVA 777", kAddonData777Size, kAddonControl777Size, &StoreData777, &Rederive777,
                            false, false};

void AddInfo(const std::string& line) {
  if (AircraftHost* host = AttachedAircraftHost()) host->SimInfo().Add(line);
}

void DeleteFirstInfoContaining(std::string_view text) {
  AircraftHost* host = AttachedAircraftHost();
  if (host == nullptr) return;
  fw::TStrings& info = host->SimInfo();
  for (int i = 0; i < info.Count(); ++i) {
    if (info[i].find(text) != std::string::npos) {
      info.Delete(i);
      return;
    }
  }
}

void SetStatus(int panel, const std::string& text) {
  if (AircraftHost* host = AttachedAircraftHost()) host->SetStatusPanel(panel, text);
}

void SetDetected(bool detected) {
  if (AircraftHost* host = AttachedAircraftHost()) host->SetSimDetected(detected);
}

// The simulator is gone: the session is dropped and the reconnect timer opens a new one. The link's own
// state changes first, so a window that fails to show the news cannot keep a dead session.
void SimulatorClosed() {
  session = nullptr;
  SetDetected(false);
  if (AircraftHost* host = AttachedAircraftHost()) host->SimInfo().Clear();
  AddInfo("Flight Sim Closed");
  SetStatus(3, "Flight Sim Closed");
}

// A text field of a record: at most `capacity` bytes from `offset`, never past the record, up to its zero.
std::string TextField(const std::uint8_t* bytes, std::size_t size, std::size_t offset, std::size_t capacity) {
  if (offset >= size) return std::string();
  const std::size_t available = std::min(capacity, size - offset);
  const auto* text = reinterpret_cast<const char*>(bytes + offset);
  return std::string(text, strnlen(text, available));
}

std::uint32_t Field(const std::uint8_t* bytes, std::size_t offset) {
  std::uint32_t value;
  std::memcpy(&value, bytes + offset, sizeof value);
  return value;
}

void HandleException(const std::uint8_t* bytes, std::size_t size) {
  if (size < sizeof(simconnect::ExceptionRecord)) return;
  simconnect::ExceptionRecord record;
  std::memcpy(&record, bytes, sizeof record);
  AddInfo(fw::Format("%s (%8.8x,%8.8x,%8.8x,%8.8x,%8.8x,%8.8x)", SimExceptionName(record.exception).c_str(),
                 record.header.size, record.header.version, record.header.kind, record.exception, record.sendId,
                 record.index));
}

void HandleOpen(const std::uint8_t* bytes, std::size_t size) {
  constexpr std::size_t kNeeded = offsetof(simconnect::OpenRecord, simConnectBuildMinor) + sizeof(std::uint32_t);
  if (size < kNeeded) return;
  simconnect::OpenRecord record{};
  std::memcpy(&record, bytes, std::min(size, sizeof record));
  const std::string application =
      TextField(bytes, size, offsetof(simconnect::OpenRecord, applicationName), simconnect::kApplicationNameSize);
  AddInfo(fw::Format("%s %1d.%1d.%1d.%1d", application.c_str(), record.applicationVersionMajor,
                 record.applicationVersionMinor, record.applicationBuildMajor, record.applicationBuildMinor));
  AddInfo(fw::Format("%s %1d.%1d.%1d.%1d", "SimConnect", record.simConnectVersionMajor, record.simConnectVersionMinor,
                 record.simConnectBuildMajor, record.simConnectBuildMinor));
  AddInfo("");
  SetDetected(true);
  DeleteFirstInfoContaining("Closed");
  AddInfo("Flight Sim Detected");
  SetStatus(3, "Flight Sim Detected");
}

void HandleEvent(const std::uint8_t* bytes, std::size_t size) {
  constexpr std::size_t kNeeded = offsetof(simconnect::EventRecord, eventId) + sizeof(std::uint32_t);
  if (size < kNeeded) return;
  if (Field(bytes, offsetof(simconnect::EventRecord, eventId)) == kSimStartEvent) {
    CallSim(&SimFunctions::RequestSystemState, session, kAircraftLoadedRequest, "AircraftLoaded");
  }
}

void HandleSystemState(const AircraftLink& link, const std::uint8_t* bytes, std::size_t size) {
  constexpr std::size_t kNeeded = offsetof(simconnect::SystemStateRecord, requestId) + sizeof(std::uint32_t);
  if (size < kNeeded) return;
  DeleteFirstInfoContaining("Aircraft");
  if (Field(bytes, offsetof(simconnect::SystemStateRecord, requestId)) != kAircraftLoadedRequest) return;
  const std::string loaded =
      TextField(bytes, size, offsetof(simconnect::SystemStateRecord, text), simconnect::kSystemStateTextSize);
  const std::string line = std::string(link.addonName) +
                           (loaded.find(link.addonName) != std::string::npos ? " Aircraft Detected"
                                                                              : " Aircraft Not Detected");
  AddInfo(line);
  SetStatus(1, line);
}

// A record shorter than its fields and the area is left alone: the last state stays.
void HandleClientData(const AircraftLink& link, const std::uint8_t* bytes, std::size_t size) {
  constexpr std::size_t kRequestEnd = offsetof(simconnect::ClientDataRecord, requestId) + sizeof(std::uint32_t);
  if (size < kRequestEnd) return;
  const std::uint32_t request = Field(bytes, offsetof(simconnect::ClientDataRecord, requestId));
  if (request == kDataRequest) {
    if (size < simconnect::kClientDataHeaderSize + link.dataSize) return;
    link.store(bytes + simconnect::kClientDataHeaderSize);
  } else if (request == kControlRequest) {
    if (size < simconnect::kClientDataHeaderSize + link.controlSize) return;
    link.rederive();
  }
}

void HandleSimMessage(const AircraftLink& link, const void* record, std::size_t size) {
  if (record == nullptr || size < sizeof(simconnect::RecordHeader)) return;
  const auto* bytes = static_cast<const std::uint8_t*>(record);
  // The record's own size can only make it shorter than what was handed over.
  size = std::min<std::size_t>(size, Field(bytes, offsetof(simconnect::RecordHeader, size)));
  if (size < sizeof(simconnect::RecordHeader)) return;
  switch (Field(bytes, offsetof(simconnect::RecordHeader, kind)) & 0xFFu) {
    case simconnect::kRecordException:
      if (link.reportsExceptions) HandleException(bytes, size);
      break;
    case simconnect::kRecordOpen:
      HandleOpen(bytes, size);
      break;
    case simconnect::kRecordQuit:
      SimulatorClosed();
      break;
    case simconnect::kRecordEvent:
      HandleEvent(bytes, size);
      break;
    case simconnect::kRecordObjectData:
      if (link.reportsObjectData) {
        if (AircraftHost* host = AttachedAircraftHost()) host->ShowMessage("Rcvd");
      }
      break;
    case simconnect::kRecordSystemState:
      HandleSystemState(link, bytes, size);
      break;
    case simconnect::kRecordClientData:
      HandleClientData(link, bytes, size);
      break;
    default:
      break;
  }
}

// Nothing escapes into the library that called the procedure: a record whose handling fails is reported
// as the program reports every handler's failure, and the dispatch goes on with the next record.
void CALLBACK SimDispatch737(simconnect::RecordHeader* record, DWORD size, void*) {
  try {
    HandleSimMessage(kLink737, record, size);
  } catch (...) {
    fw::HandleException(nullptr);
  }
}

void CALLBACK SimDispatch777(simconnect::RecordHeader* record, DWORD size, void*) {
  try {
    HandleSimMessage(kLink777, record, size);
  } catch (...) {
    fw::HandleException(nullptr);
  }
}

// A dispatch that fails on an open session means the simulator has gone without a quit record: the
// session is dropped as at a quit, so the reconnect timer can open a new one.
void Poll(simconnect::DispatchProc procedure) {
  if (!SimLibraryLoaded()) return;
  const Result result = CallSim(&SimFunctions::CallDispatch, session, procedure, static_cast<void*>(nullptr));
  if (result < 0 && session != nullptr) {
    CallSim(&SimFunctions::Close, session);
    SimulatorClosed();
  }
}

void MapAddonEvents(bool is777) {
  for (const std::uint32_t event : AddonEvents(is777)) {
    const std::string name = "#" + std::to_string(event);
    CallSim(&SimFunctions::MapClientEventToSimEvent, session, static_cast<DWORD>(event), name.c_str());
  }
}

bool OpenSession(const char* clientName) {
  session = nullptr;
  const Result result = CallSim(&SimFunctions::Open, &session, clientName, static_cast<HWND>(nullptr),
                                static_cast<DWORD>(0), static_cast<HANDLE>(nullptr), static_cast<DWORD>(0));
  if (result < 0) {
    session = nullptr;
    return false;
  }
  return true;
}

}  // namespace

void OpenSim737() {
  session = nullptr;
  AddInfo("Opening Simconnect");
  if (!OpenSession("VDKInterface")) {
    AddInfo("Simconnect Open Failed");
    return;
  }
  AddInfo("Simconnect Opened");
  CallSim(&SimFunctions::MapClientDataNameToID, session, "ORVA_QTX_Data", kDataAreaId);
  CallSim(&SimFunctions::AddToClientDataDefinition, session, kDataDefinitionId, DWORD{0},
          static_cast<DWORD>(kAddonData737Size), 0.0f, simconnect::kDatumUnused);
  CallSim(&SimFunctions::RequestClientData, session, kDataAreaId, kDataRequest, kDataDefinitionId,
          simconnect::kPeriodOnSet, simconnect::kClientDataChangedOnly, DWORD{0}, DWORD{0}, DWORD{0});
  CallSim(&SimFunctions::MapClientDataNameToID, session, "ORVA_QTX_Control", kControlAreaId);
  CallSim(&SimFunctions::AddToClientDataDefinition, session, kControlDefinitionId, DWORD{0},
          static_cast<DWORD>(kAddonControl737Size), 0.0f, DWORD{0});
  CallSim(&SimFunctions::RequestClientData, session, kControlAreaId, kControlRequest, kControlDefinitionId,
          simconnect::kPeriodOnSet, simconnect::kClientDataChangedOnly, DWORD{0}, DWORD{0}, DWORD{0});
  CallSim(&SimFunctions::SubscribeToSystemEvent, session, kSimStartEvent, "SimStart");
  CallSim(&SimFunctions::RequestSystemState, session, kAircraftLoadedRequest, "AircraftLoaded");
  MapAddonEvents(false);
}

void OpenSim777() {
  if (!OpenSession("Receive Data")) return;
  AircraftHost* host = AttachedAircraftHost();
  auto checked = [host](Result result) {
    if (result != simconnect::kOk && host != nullptr) host->ShowMessage("Error");
  };
  checked(CallSim(&SimFunctions::MapClientDataNameToID, session, "ORVA_777X_Data", kDataAreaId));
  checked(CallSim(&SimFunctions::AddToClientDataDefinition, session, kDataDefinitionId, DWORD{0},
                  static_cast<DWORD>(kAddonData777Size), 0.0f, DWORD{0}));
  checked(CallSim(&SimFunctions::RequestClientData, session, kDataAreaId, kDataRequest, kDataDefinitionId,
                  simconnect::kPeriodOnSet, simconnect::kClientDataChangedOnly, DWORD{0}, DWORD{0}, DWORD{0}));
  checked(CallSim(&SimFunctions::RequestSystemState, session, kAircraftLoadedRequest, "AircraftLoaded"));
  checked(CallSim(&SimFunctions::MapClientDataNameToID, session, "ORVA_777X_Control", kControlAreaId));
  checked(CallSim(&SimFunctions::AddToClientDataDefinition, session, kControlDefinitionId, DWORD{0},
                  static_cast<DWORD>(kAddonControl777Size), 0.0f, DWORD{0}));
  checked(CallSim(&SimFunctions::RequestClientData, session, kControlAreaId, kControlRequest,
                  kControlDefinitionId, simconnect::kPeriodOnSet, simconnect::kClientDataChangedOnly, DWORD{0},
                  DWORD{0}, DWORD{0}));
  MapAddonEvents(true);
  CallSim(&SimFunctions::SubscribeToSystemEvent, session, kSimStartEvent, "SimStart");
}

void CloseSim() {
  CallSim(&SimFunctions::Close, session);
  session = nullptr;
}

void PollSim737() { Poll(&SimDispatch737); }
void PollSim777() { Poll(&SimDispatch777); }

void ReconnectTimerTick() {
  AircraftHost* host = AttachedAircraftHost();
  if (session == nullptr) {
    if (host != nullptr && host->Is777Selected()) {
      OpenSim777();
    } else {
      OpenSim737();
    }
  }
  if (host != nullptr) host->InstallIdleLoop();
}

bool StartSimLink() {
  if (BindSimLibraryFromProgramFolder()) return true;
  AddInfo("SimConnect.dll - Not Found");
  return false;
}

void HandleSimMessage737(const void* record, std::size_t size) { HandleSimMessage(kLink737, record, size); }
void HandleSimMessage777(const void* record, std::size_t size) { HandleSimMessage(kLink777, record, size); }

simconnect::SessionHandle SimSession() { return session; }
void ForgetSimSession() { session = nullptr; }

}  // namespace aircraft
