#include "controller/aircraft/simconnect_binding.h"

#include <windows.h>

#include "framework/services/programfolder.h"

namespace aircraft {

namespace {

struct Binding {
  HMODULE library = nullptr;
  SimFunctions functions;

  // Program end frees the library (its sessions end with it).
  ~Binding() {
    functions = SimFunctions{};
    if (library != nullptr) FreeLibrary(library);
  }
};

Binding binding;

template <class Entry>
void Resolve(Entry& entry, const char* name) {
  entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(binding.library, name)));
}

}  // namespace

bool LoadSimLibrary(const std::string& path) {
  UnloadSimLibrary();
  binding.library = LoadLibraryA(path.c_str());
  if (binding.library == nullptr) return false;
  ResolveSimFunctions();
  return true;
}

void UnloadSimLibrary() {
  ClearSimFunctions();
  if (binding.library != nullptr) {
    FreeLibrary(binding.library);
    binding.library = nullptr;
  }
}

void ResolveSimFunctions() {
  SimFunctions& f = binding.functions;
  Resolve(f.Open, "SimConnect_Open");
  Resolve(f.Close, "SimConnect_Close");
  Resolve(f.CallDispatch, "SimConnect_CallDispatch");
  Resolve(f.MapClientDataNameToID, "SimConnect_MapClientDataNameToID");
  Resolve(f.AddToClientDataDefinition, "SimConnect_AddToClientDataDefinition");
  Resolve(f.RequestClientData, "SimConnect_RequestClientData");
  Resolve(f.SubscribeToSystemEvent, "SimConnect_SubscribeToSystemEvent");
  Resolve(f.RequestSystemState, "SimConnect_RequestSystemState");
  Resolve(f.MapClientEventToSimEvent, "SimConnect_MapClientEventToSimEvent");
  Resolve(f.TransmitClientEvent, "SimConnect_TransmitClientEvent");
}

void ClearSimFunctions() { binding.functions = SimFunctions{}; }

bool SimLibraryLoaded() { return binding.library != nullptr; }

const SimFunctions& Sim() { return binding.functions; }

bool BindSimLibraryFromProgramFolder() {
  const std::string path = fw::ProgramFolder() + kSimLibraryFileName;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  LoadSimLibrary(path);
  return true;
}

}  // namespace aircraft
