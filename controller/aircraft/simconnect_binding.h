// The run-time binding of the simulator's client library. The program never links SimConnect.dll: it loads
// the file by full path from its own folder, only when the file is there, and resolves the calls it makes
// by name into one table. Every SimConnect call of the program goes through this table, and none is made
// while no library is loaded. GUI thread only; one binding for the whole run.
#pragma once

#include <string>

#include "controller/aircraft/simconnect_abi.h"

namespace aircraft {

// The library's entries; an entry stays empty when the library lacks that export.
struct SimFunctions {
  simconnect::OpenFn Open = nullptr;
  simconnect::CloseFn Close = nullptr;
  simconnect::CallDispatchFn CallDispatch = nullptr;
  simconnect::MapClientDataNameToIDFn MapClientDataNameToID = nullptr;
  simconnect::AddToClientDataDefinitionFn AddToClientDataDefinition = nullptr;
  simconnect::RequestClientDataFn RequestClientData = nullptr;
  simconnect::SubscribeToSystemEventFn SubscribeToSystemEvent = nullptr;
  simconnect::RequestSystemStateFn RequestSystemState = nullptr;
  simconnect::MapClientEventToSimEventFn MapClientEventToSimEvent = nullptr;
  simconnect::TransmitClientEventFn TransmitClientEvent = nullptr;
};

inline constexpr char kSimLibraryFileName[] = "SimConnect.dll";

// Unloads any library first, then loads the one at `path` and resolves the table. True when a library is
// now loaded; false leaves nothing loaded and the table empty.
bool LoadSimLibrary(const std::string& path);
// Empties the table, then frees the library.
void UnloadSimLibrary();
void ResolveSimFunctions();
void ClearSimFunctions();
bool SimLibraryLoaded();
// The table; every entry is empty while no library is loaded.
const SimFunctions& Sim();

// What the program does at start: when the program's folder holds SimConnect.dll, loads it from there and
// answers true (the reconnect timer then runs, whether or not the load succeeded); otherwise loads nothing
// and answers false.
bool BindSimLibraryFromProgramFolder();

// A SimConnect call through the table: made only while a library is loaded and the entry exists; otherwise
// nothing is called and the answer is a failure.
template <class Entry, class... Args>
simconnect::Result CallSim(Entry SimFunctions::*entry, Args... args) {
  const Entry function = Sim().*entry;
  if (!SimLibraryLoaded() || function == nullptr) return simconnect::kFail;
  return function(args...);
}

}  // namespace aircraft
