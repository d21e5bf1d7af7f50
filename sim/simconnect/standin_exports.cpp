// The exports of the SimConnect.dll stand-in: the simulator calls the program makes, stdcall as the library
// has them, and the C test control of standin_control.h. Nothing escapes an export.
#include <cstdint>
#include <exception>

#include "sim/simconnect/standin_control.h"
#include "sim/simconnect/standin_simulator.h"

using simconnect::Result;
using simconnect::SessionHandle;
using standin::Simulator;

namespace {

template <class Call>
Result Guarded(Call&& call) {
  try {
    return call();
  } catch (...) {
    return simconnect::kFail;
  }
}

template <class Call>
void Quietly(Call&& call) {
  try {
    call();
  } catch (...) {
  }
}

}  // namespace

extern "C" {

Result WINAPI SimConnect_Open(SessionHandle* session, const char* name, HWND window,
                                                    DWORD userMessage, HANDLE eventHandle, DWORD configIndex) {
  return Guarded([&] {
    return Simulator::Instance().Open(session, name, window, userMessage, eventHandle, configIndex);
  });
}

Result WINAPI SimConnect_Close(SessionHandle session) {
  return Guarded([&] { return Simulator::Instance().Close(session); });
}

Result WINAPI SimConnect_CallDispatch(SessionHandle session,
                                                            simconnect::DispatchProc procedure, void* context) {
  return Guarded([&] { return Simulator::Instance().CallDispatch(session, procedure, context); });
}

Result WINAPI SimConnect_MapClientDataNameToID(SessionHandle session, const char* name,
                                                                     DWORD clientDataId) {
  return Guarded([&] { return Simulator::Instance().MapClientDataNameToID(session, name, clientDataId); });
}

Result WINAPI SimConnect_AddToClientDataDefinition(SessionHandle session,
                                                                         DWORD definitionId, DWORD offset,
                                                                         DWORD size, float epsilon,
                                                                         DWORD datumId) {
  return Guarded([&] {
    return Simulator::Instance().AddToClientDataDefinition(session, definitionId, offset, size, epsilon, datumId);
  });
}

Result WINAPI SimConnect_RequestClientData(SessionHandle session, DWORD clientDataId,
                                                                 DWORD requestId, DWORD definitionId,
                                                                 DWORD period, DWORD flags, DWORD origin,
                                                                 DWORD interval, DWORD limit) {
  return Guarded([&] {
    return Simulator::Instance().RequestClientData(session, clientDataId, requestId, definitionId, period, flags,
                                                   origin, interval, limit);
  });
}

Result WINAPI SimConnect_SubscribeToSystemEvent(SessionHandle session, DWORD eventId,
                                                                      const char* name) {
  return Guarded([&] { return Simulator::Instance().SubscribeToSystemEvent(session, eventId, name); });
}

Result WINAPI SimConnect_RequestSystemState(SessionHandle session, DWORD requestId,
                                                                  const char* state) {
  return Guarded([&] { return Simulator::Instance().RequestSystemState(session, requestId, state); });
}

Result WINAPI SimConnect_MapClientEventToSimEvent(SessionHandle session, DWORD eventId,
                                                                        const char* name) {
  return Guarded([&] { return Simulator::Instance().MapClientEventToSimEvent(session, eventId, name); });
}

Result WINAPI SimConnect_TransmitClientEvent(SessionHandle session, DWORD objectId,
                                                                   DWORD eventId, DWORD data, DWORD groupId,
                                                                   DWORD flags) {
  return Guarded([&] {
    return Simulator::Instance().TransmitClientEvent(session, objectId, eventId, data, groupId, flags);
  });
}

void SimStandIn_Reset(void) {
  Quietly([] { Simulator::Instance().Reset(); });
}

void SimStandIn_SetSimulatorRunning(int32_t running) {
  Quietly([&] { Simulator::Instance().SetSimulatorRunning(running != 0); });
}

void SimStandIn_FailCall(const char* function, int32_t result) {
  if (function == nullptr) return;
  Quietly([&] { Simulator::Instance().FailCall(function, result); });
}

void SimStandIn_SetAircraftLoaded(const char* text) {
  Quietly([&] { Simulator::Instance().SetAircraftLoaded(text != nullptr ? text : ""); });
}

void SimStandIn_SetClientData(const char* area, const void* bytes, uint32_t size) {
  if (area == nullptr || (bytes == nullptr && size != 0)) return;
  Quietly([&] { Simulator::Instance().SetClientData(area, static_cast<const uint8_t*>(bytes), size); });
}

void SimStandIn_FireSimStart(void) {
  Quietly([] { Simulator::Instance().FireSimStart(); });
}

void SimStandIn_SendQuit(void) {
  Quietly([] { Simulator::Instance().SendQuit(); });
}

void SimStandIn_SendException(uint32_t exception, uint32_t sendId, uint32_t index) {
  Quietly([&] { Simulator::Instance().SendException(exception, sendId, index); });
}

void SimStandIn_QueueRecord(const void* record, uint32_t size) {
  if (record == nullptr && size != 0) return;
  Quietly([&] { Simulator::Instance().QueueRecord(static_cast<const uint8_t*>(record), size); });
}

int32_t SimStandIn_JournalSize(void) {
  try {
    return static_cast<int32_t>(Simulator::Instance().JournalSize());
  } catch (...) {
    return 0;
  }
}

int32_t SimStandIn_JournalLine(int32_t index, char* buffer, uint32_t size) {
  try {
    std::string line;
    if (index < 0 || buffer == nullptr || !Simulator::Instance().JournalLine(static_cast<size_t>(index), line)) {
      return -1;
    }
    if (line.size() + 1 > size) return -1;
    line.copy(buffer, line.size());
    buffer[line.size()] = '\0';
    return static_cast<int32_t>(line.size());
  } catch (...) {
    return -1;
  }
}

void SimStandIn_ClearJournal(void) {
  Quietly([] { Simulator::Instance().ClearJournal(); });
}

int32_t SimStandIn_DispatchCount(void) {
  try {
    return Simulator::Instance().DispatchCount();
  } catch (...) {
    return 0;
  }
}

int32_t SimStandIn_LastDispatchSession(void) {
  try {
    return Simulator::Instance().LastDispatchSession();
  } catch (...) {
    return 0;
  }
}

int32_t SimStandIn_OpenSessionCount(void) {
  try {
    return Simulator::Instance().OpenSessionCount();
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
