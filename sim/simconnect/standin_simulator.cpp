#include "sim/simconnect/standin_simulator.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "sim/simconnect/standin_control.h"
#include "sim/simconnect/standin_remote.h"

namespace standin {

namespace {

// Handles carry bits above 32 in the 64-bit build, so a program that cuts them short is caught.
constexpr std::uintptr_t kHandleBase = sizeof(void*) == 8 ? static_cast<std::uintptr_t>(0x7F5C00000000ull)
                                                          : static_cast<std::uintptr_t>(0x5C000000u);

std::string Printf(const char* format, ...) {
  char buffer[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

const char* Text(const char* text) { return text != nullptr ? text : "(null)"; }

template <class RecordType>
std::vector<std::uint8_t> Bytes(const RecordType& record) {
  std::vector<std::uint8_t> bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

void CopyText(char* field, std::size_t size, const std::string& text) {
  std::memset(field, 0, size);
  std::memcpy(field, text.data(), std::min(text.size(), size - 1));
}

}  // namespace

Simulator& Simulator::Instance() {
  static Simulator simulator;
  static const bool controlled = (StartRemoteControlFromEnvironment(), true);
  (void)controlled;
  return simulator;
}

Simulator::Simulator() : aircraft_(SIM_STANDIN_DEFAULT_AIRCRAFT) {}

Simulator::Session* Simulator::Find(SessionHandle handle) {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value <= kHandleBase || value - kHandleBase >= static_cast<std::uintptr_t>(nextNumber_)) return nullptr;
  const auto found = sessions_.find(static_cast<int>(value - kHandleBase));
  return found != sessions_.end() ? &found->second : nullptr;
}

std::string Simulator::SessionText(SessionHandle handle) {
  if (handle == nullptr) return "0";
  if (Find(handle) == nullptr) return "?";
  return std::to_string(reinterpret_cast<std::uintptr_t>(handle) - kHandleBase);
}

Result Simulator::Outcome(const char* function, const Session* session) const {
  const auto failure = failures_.find(function);
  if (failure != failures_.end()) return failure->second;
  return session != nullptr && session->state == State::kOpen ? simconnect::kOk : simconnect::kFail;
}

void Simulator::Log(std::string line) {
  journal_.push_back(line);
  const char* file = std::getenv("TRELVIK_SIMCONNECT_JOURNAL");
  if (file == nullptr || *file == '\0') return;
  if (FILE* out = std::fopen(file, "ab")) {
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), out);
    std::fclose(out);
  }
}

Result Simulator::Open(SessionHandle* session, const char* name, HWND window, DWORD userMessage,
                       HANDLE eventHandle, DWORD configIndex) {
  std::lock_guard<std::mutex> hold(lock_);
  int number = 0;
  Result result = simconnect::kFail;
  const auto failure = failures_.find("SimConnect_Open");
  if (failure != failures_.end()) {
    result = failure->second;
  } else if (running_ && session != nullptr) {
    result = simconnect::kOk;
  }
  if (result >= 0 && session != nullptr) {
    number = nextNumber_++;
    Session& made = sessions_[number];
    *session = reinterpret_cast<SessionHandle>(kHandleBase + static_cast<std::uintptr_t>(number));
    simconnect::OpenRecord open{};
    open.header = {sizeof open, 4, simconnect::kRecordOpen};
    CopyText(open.applicationName, sizeof open.applicationName, SIM_STANDIN_APPLICATION_NAME);
    const std::uint32_t application[] = {SIM_STANDIN_APPLICATION_VERSION};
    const std::uint32_t library[] = {SIM_STANDIN_SIMCONNECT_VERSION};
    open.applicationVersionMajor = application[0];
    open.applicationVersionMinor = application[1];
    open.applicationBuildMajor = application[2];
    open.applicationBuildMinor = application[3];
    open.simConnectVersionMajor = library[0];
    open.simConnectVersionMinor = library[1];
    open.simConnectBuildMajor = library[2];
    open.simConnectBuildMinor = library[3];
    made.queue.push_back(Bytes(open));
  }
  Log(Printf("SimConnect_Open(%d, \"%s\", %u, %lu, %u, %lu)", number, Text(name), window != nullptr ? 1u : 0u,
             userMessage, eventHandle != nullptr ? 1u : 0u, configIndex));
  return result;
}

Result Simulator::Close(SessionHandle handle) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_Close(%s)", SessionText(handle).c_str()));
  Session* session = Find(handle);
  const auto failure = failures_.find("SimConnect_Close");
  if (failure != failures_.end()) return failure->second;
  if (session == nullptr || session->state == State::kClosed) return simconnect::kFail;
  session->state = State::kClosed;
  session->queue.clear();
  return simconnect::kOk;
}

Result Simulator::CallDispatch(SessionHandle handle, simconnect::DispatchProc procedure, void* context) {
  std::deque<Record> records;
  {
    std::lock_guard<std::mutex> hold(lock_);
    ++dispatchCount_;
    Session* session = Find(handle);
    lastDispatchSession_ = handle == nullptr ? 0 : session != nullptr ? std::atoi(SessionText(handle).c_str()) : -1;
    const auto failure = failures_.find("SimConnect_CallDispatch");
    if (failure != failures_.end()) return failure->second;
    // A quit session still hands over what it queued before the quit.
    if (session == nullptr || (session->state != State::kOpen && session->state != State::kQuit)) {
      return simconnect::kFail;
    }
    if (procedure == nullptr) return simconnect::kFail;
    records.swap(session->queue);
  }
  for (Record& record : records) {
    const auto size = static_cast<DWORD>(record.size());
    if (record.empty()) record.resize(1);  // a valid pointer even for an empty record
    procedure(reinterpret_cast<simconnect::RecordHeader*>(record.data()), size, context);
  }
  return simconnect::kOk;
}

Result Simulator::MapClientDataNameToID(SessionHandle handle, const char* name, DWORD clientDataId) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_MapClientDataNameToID(%s, \"%s\", 0x%08lX)", SessionText(handle).c_str(), Text(name),
             clientDataId));
  Session* session = Find(handle);
  const Result result = Outcome("SimConnect_MapClientDataNameToID", session);
  if (result >= 0 && session != nullptr && name != nullptr) session->areaIds[name] = clientDataId;
  return result;
}

Result Simulator::AddToClientDataDefinition(SessionHandle handle, DWORD definitionId, DWORD offset, DWORD size,
                                            float epsilon, DWORD datumId) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_AddToClientDataDefinition(%s, 0x%08lX, %lu, %lu, %g, 0x%08lX)",
             SessionText(handle).c_str(), definitionId, offset, size, static_cast<double>(epsilon), datumId));
  Session* session = Find(handle);
  const Result result = Outcome("SimConnect_AddToClientDataDefinition", session);
  if (result >= 0 && session != nullptr) session->definitions[definitionId].emplace_back(offset, size);
  return result;
}

Result Simulator::RequestClientData(SessionHandle handle, DWORD clientDataId, DWORD requestId,
                                    DWORD definitionId, DWORD period, DWORD flags, DWORD origin, DWORD interval,
                                    DWORD limit) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_RequestClientData(%s, 0x%08lX, %lu, 0x%08lX, %lu, %lu, %lu, %lu, %lu)",
             SessionText(handle).c_str(), clientDataId, requestId, definitionId, period, flags, origin, interval,
             limit));
  Session* session = Find(handle);
  const Result result = Outcome("SimConnect_RequestClientData", session);
  if (result < 0 || session == nullptr) return result;
  Request request;
  request.clientDataId = clientDataId;
  request.requestId = requestId;
  request.definitionId = definitionId;
  request.flags = flags;
  session->requests.push_back(request);
  // An area the add-on has already set is sent at once.
  for (const auto& [name, id] : session->areaIds) {
    const auto area = areas_.find(name);
    if (id == clientDataId && area != areas_.end()) SendArea(*session, session->requests.back(), area->second);
  }
  return result;
}

Result Simulator::SubscribeToSystemEvent(SessionHandle handle, DWORD eventId, const char* name) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_SubscribeToSystemEvent(%s, %lu, \"%s\")", SessionText(handle).c_str(), eventId,
             Text(name)));
  Session* session = Find(handle);
  const Result result = Outcome("SimConnect_SubscribeToSystemEvent", session);
  if (result >= 0 && session != nullptr && name != nullptr) session->subscriptions.emplace_back(eventId, name);
  return result;
}

Result Simulator::RequestSystemState(SessionHandle handle, DWORD requestId, const char* state) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_RequestSystemState(%s, %lu, \"%s\")", SessionText(handle).c_str(), requestId,
             Text(state)));
  Session* session = Find(handle);
  const Result result = Outcome("SimConnect_RequestSystemState", session);
  if (result >= 0 && session != nullptr) {
    simconnect::SystemStateRecord answer{};
    answer.header = {sizeof answer, 4, simconnect::kRecordSystemState};
    answer.requestId = requestId;
    if (state != nullptr && std::strcmp(state, "AircraftLoaded") == 0) {
      CopyText(answer.text, sizeof answer.text, aircraft_);
    }
    session->queue.push_back(Bytes(answer));
  }
  return result;
}

Result Simulator::MapClientEventToSimEvent(SessionHandle handle, DWORD eventId, const char* name) {
  std::lock_guard<std::mutex> hold(lock_);
  Log(Printf("SimConnect_MapClientEventToSimEvent(%s, %lu, \"%s\")", SessionText(handle).c_str(), eventId,
             Text(name)));
  return Outcome("SimConnect_MapClientEventToSimEvent", Find(handle));
}

Result Simulator::TransmitClientEvent(SessionHandle handle, DWORD objectId, DWORD eventId, DWORD data,
                                      DWORD groupId, DWORD flags) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  std::lock_guard<std::mutex> hold(lock_);
  eventTimes_.push_back(now.QuadPart);
  Log(Printf("SimConnect_TransmitClientEvent(%s, %lu, %lu, 0x%08lX, %lu, %lu)", SessionText(handle).c_str(),
             objectId, eventId, data, groupId, flags));
  return Outcome("SimConnect_TransmitClientEvent", Find(handle));
}

void Simulator::SendArea(Session& session, Request& request, const Record& area) {
  Record data;
  const auto definition = session.definitions.find(request.definitionId);
  if (definition != session.definitions.end()) {
    for (const auto& [offset, size] : definition->second) {
      for (DWORD i = 0; i < size; ++i) {
        const std::size_t at = static_cast<std::size_t>(offset) + i;
        data.push_back(at < area.size() ? area[at] : 0);
      }
    }
  }
  if ((request.flags & simconnect::kClientDataChangedOnly) != 0 && request.sent && data == request.lastSent) {
    return;
  }
  request.sent = true;
  request.lastSent = data;
  simconnect::ClientDataRecord header{};
  header.header = {static_cast<std::uint32_t>(sizeof header + data.size()), 4, simconnect::kRecordClientData};
  header.requestId = request.requestId;
  header.definitionId = request.definitionId;
  header.flags = request.flags;
  header.outOf = 1;
  header.definitionCount = 1;
  Record record = Bytes(header);
  record.insert(record.end(), data.begin(), data.end());
  session.queue.push_back(std::move(record));
}

std::vector<long long> Simulator::EventTimes(std::size_t from) {
  std::lock_guard<std::mutex> hold(lock_);
  if (from >= eventTimes_.size()) return {};
  return std::vector<long long>(eventTimes_.begin() + static_cast<std::ptrdiff_t>(from), eventTimes_.end());
}

void Simulator::Reset() {
  std::lock_guard<std::mutex> hold(lock_);
  sessions_.clear();
  nextNumber_ = 1;
  running_ = true;
  failures_.clear();
  areas_.clear();
  aircraft_ = SIM_STANDIN_DEFAULT_AIRCRAFT;
  journal_.clear();
  eventTimes_.clear();
  dispatchCount_ = 0;
  lastDispatchSession_ = 0;
}

void Simulator::SetSimulatorRunning(bool running) {
  std::lock_guard<std::mutex> hold(lock_);
  running_ = running;
  if (running) return;
  for (auto& [number, session] : sessions_) {
    if (session.state == State::kOpen || session.state == State::kQuit) {
      session.state = State::kVanished;
      session.queue.clear();
    }
  }
}

void Simulator::FailCall(const std::string& function, Result result) {
  std::lock_guard<std::mutex> hold(lock_);
  if (result == simconnect::kOk) {
    failures_.erase(function);
  } else {
    failures_[function] = result;
  }
}

void Simulator::SetAircraftLoaded(const std::string& text) {
  std::lock_guard<std::mutex> hold(lock_);
  aircraft_ = text;
}

void Simulator::SetClientData(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
  std::lock_guard<std::mutex> hold(lock_);
  Record& area = areas_[name];
  area.assign(bytes, bytes + size);
  for (auto& [number, session] : sessions_) {
    if (session.state != State::kOpen) continue;
    const auto id = session.areaIds.find(name);
    if (id == session.areaIds.end()) continue;
    for (Request& request : session.requests) {
      if (request.clientDataId == id->second) SendArea(session, request, area);
    }
  }
}

void Simulator::FireSimStart() {
  std::lock_guard<std::mutex> hold(lock_);
  for (auto& [number, session] : sessions_) {
    if (session.state != State::kOpen) continue;
    for (const auto& [eventId, name] : session.subscriptions) {
      if (name != "SimStart") continue;
      simconnect::EventRecord event{};
      event.header = {sizeof event, 4, simconnect::kRecordEvent};
      event.groupId = 0xFFFFFFFFu;
      event.eventId = eventId;
      session.queue.push_back(Bytes(event));
    }
  }
}

void Simulator::SendQuit() {
  std::lock_guard<std::mutex> hold(lock_);
  for (auto& [number, session] : sessions_) {
    if (session.state != State::kOpen) continue;
    simconnect::QuitRecord quit{sizeof quit, 4, simconnect::kRecordQuit};
    session.queue.push_back(Bytes(quit));
    session.state = State::kQuit;
  }
}

void Simulator::SendException(std::uint32_t exception, std::uint32_t sendId, std::uint32_t index) {
  std::lock_guard<std::mutex> hold(lock_);
  for (auto& [number, session] : sessions_) {
    if (session.state != State::kOpen) continue;
    simconnect::ExceptionRecord record{};
    record.header = {sizeof record, 4, simconnect::kRecordException};
    record.exception = exception;
    record.sendId = sendId;
    record.index = index;
    session.queue.push_back(Bytes(record));
  }
}

void Simulator::QueueRecord(const std::uint8_t* bytes, std::size_t size) {
  std::lock_guard<std::mutex> hold(lock_);
  for (auto& [number, session] : sessions_) {
    if (session.state == State::kOpen) session.queue.emplace_back(bytes, bytes + size);
  }
}

std::size_t Simulator::JournalSize() {
  std::lock_guard<std::mutex> hold(lock_);
  return journal_.size();
}

bool Simulator::JournalLine(std::size_t index, std::string& line) {
  std::lock_guard<std::mutex> hold(lock_);
  if (index >= journal_.size()) return false;
  line = journal_[index];
  return true;
}

void Simulator::ClearJournal() {
  std::lock_guard<std::mutex> hold(lock_);
  journal_.clear();
}

int Simulator::DispatchCount() {
  std::lock_guard<std::mutex> hold(lock_);
  return dispatchCount_;
}

int Simulator::LastDispatchSession() {
  std::lock_guard<std::mutex> hold(lock_);
  return lastDispatchSession_;
}

int Simulator::OpenSessionCount() {
  std::lock_guard<std::mutex> hold(lock_);
  return static_cast<int>(std::count_if(sessions_.begin(), sessions_.end(),
                                        [](const auto& entry) { return entry.second.state == State::kOpen; }));
}

}  // namespace standin
