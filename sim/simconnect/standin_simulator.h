// The simulator behind the SimConnect.dll stand-in: its sessions with what each mapped, defined, requested
// and subscribed, their record queues, the add-on's client-data areas and the journal of calls. One instance
// per process; every member takes the one lock, and a dispatch procedure is called without it (it may call
// back in).
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "controller/aircraft/simconnect_abi.h"

namespace standin {

using simconnect::Result;
using simconnect::SessionHandle;

class Simulator {
 public:
  static Simulator& Instance();

  // The simulator calls, each with the arguments of the library function of the same name.
  Result Open(SessionHandle* session, const char* name, HWND window, DWORD userMessage, HANDLE eventHandle,
              DWORD configIndex);
  Result Close(SessionHandle session);
  Result CallDispatch(SessionHandle session, simconnect::DispatchProc procedure, void* context);
  Result MapClientDataNameToID(SessionHandle session, const char* name, DWORD clientDataId);
  Result AddToClientDataDefinition(SessionHandle session, DWORD definitionId, DWORD offset, DWORD size,
                                   float epsilon, DWORD datumId);
  Result RequestClientData(SessionHandle session, DWORD clientDataId, DWORD requestId, DWORD definitionId,
                           DWORD period, DWORD flags, DWORD origin, DWORD interval, DWORD limit);
  Result SubscribeToSystemEvent(SessionHandle session, DWORD eventId, const char* name);
  Result RequestSystemState(SessionHandle session, DWORD requestId, const char* state);
  Result MapClientEventToSimEvent(SessionHandle session, DWORD eventId, const char* name);
  Result TransmitClientEvent(SessionHandle session, DWORD objectId, DWORD eventId, DWORD data, DWORD groupId,
                             DWORD flags);

  // The test control (standin_control.h).
  void Reset();
  void SetSimulatorRunning(bool running);
  void FailCall(const std::string& function, Result result);
  void SetAircraftLoaded(const std::string& text);
  void SetClientData(const std::string& area, const std::uint8_t* bytes, std::size_t size);
  void FireSimStart();
  void SendQuit();
  void SendException(std::uint32_t exception, std::uint32_t sendId, std::uint32_t index);
  void QueueRecord(const std::uint8_t* bytes, std::size_t size);
  std::size_t JournalSize();
  bool JournalLine(std::size_t index, std::string& line);
  void ClearJournal();
  int DispatchCount();
  int LastDispatchSession();
  int OpenSessionCount();
  // When each event since the last reset was sent, from the given one on (QueryPerformanceCounter ticks).
  std::vector<long long> EventTimes(std::size_t from);

 private:
  using Record = std::vector<std::uint8_t>;
  struct Request {
    DWORD clientDataId = 0;
    DWORD requestId = 0;
    DWORD definitionId = 0;
    DWORD flags = 0;
    bool sent = false;
    Record lastSent;
  };
  enum class State { kOpen, kQuit, kVanished, kClosed };
  struct Session {
    State state = State::kOpen;
    std::map<std::string, DWORD> areaIds;
    std::map<DWORD, std::vector<std::pair<DWORD, DWORD>>> definitions;  // offset, size
    std::vector<Request> requests;
    std::vector<std::pair<DWORD, std::string>> subscriptions;
    std::deque<Record> queue;
  };

  Simulator();
  // The session a handle names (null for the null handle or one never given out) and its journal text.
  Session* Find(SessionHandle handle);
  std::string SessionText(SessionHandle handle);
  // A test's override for the function, else failure for a session that is not open, else success.
  Result Outcome(const char* function, const Session* session) const;
  void Log(std::string line);
  void SendArea(Session& session, Request& request, const Record& area);

  std::mutex lock_;
  std::map<int, Session> sessions_;
  int nextNumber_ = 1;
  bool running_ = true;
  std::map<std::string, Result> failures_;
  std::map<std::string, Record> areas_;
  std::string aircraft_;
  std::vector<std::string> journal_;
  std::vector<long long> eventTimes_;
  int dispatchCount_ = 0;
  int lastDispatchSession_ = 0;
};

}  // namespace standin
