#include "boardapi/hid/hid_platform.h"

#include "boardapi/base/system_library.h"


namespace {

enum Module { kHid, kConfigManager, kSetup, kKernel };
// Loaded from the system folder only.
constexpr const char* kModuleNames[] = {"hid.dll", "cfgmgr32.dll", "setupapi.dll"};

// Every call of the table with its module and its Win32 name; the one list that both kinds of binding use.
template <typename Visit>
bool ForEachCall(HidPlatform& c, Visit&& visit) {
  return visit(kHid, "HidD_GetAttributes", c.HidD_GetAttributes) &&
         visit(kHid, "HidD_GetHidGuid", c.HidD_GetHidGuid) &&
         visit(kHid, "HidD_GetPreparsedData", c.HidD_GetPreparsedData) &&
         visit(kHid, "HidP_GetCaps", c.HidP_GetCaps) &&
         visit(kHid, "HidD_FreePreparsedData", c.HidD_FreePreparsedData) &&
         visit(kHid, "HidD_GetNumInputBuffers", c.HidD_GetNumInputBuffers) &&
         visit(kHid, "HidD_SetNumInputBuffers", c.HidD_SetNumInputBuffers) &&
         visit(kHid, "HidD_GetSerialNumberString", c.HidD_GetSerialNumberString) &&
         visit(kHid, "HidD_GetIndexedString", c.HidD_GetIndexedString) &&
         visit(kConfigManager, "CM_Get_Parent", c.CM_Get_Parent) &&
         visit(kSetup, "SetupDiGetDeviceInterfaceDetailA", c.SetupDiGetDeviceInterfaceDetailA) &&
         visit(kSetup, "SetupDiGetClassDevsA", c.SetupDiGetClassDevsA) &&
         visit(kSetup, "SetupDiEnumDeviceInterfaces", c.SetupDiEnumDeviceInterfaces) &&
         visit(kSetup, "SetupDiDestroyDeviceInfoList", c.SetupDiDestroyDeviceInfoList) &&
         visit(kKernel, "CreateFileA", c.CreateFileA) && visit(kKernel, "ReadFileEx", c.ReadFileEx) &&
         visit(kKernel, "WriteFileEx", c.WriteFileEx) &&
         visit(kKernel, "GetOverlappedResult", c.GetOverlappedResult) &&
         visit(kKernel, "CancelIo", c.CancelIo) && visit(kKernel, "CloseHandle", c.CloseHandle);
}

template <typename Fn>
bool Resolve(HMODULE module, const char* name, Fn& slot) {
  slot = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  return slot != nullptr;
}

// CancelIo is found afresh at each use; without it the cancel step does nothing and reports failure.
BOOL WINAPI CancelIoByName(HANDLE file) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return FALSE;
  hidplatform::CancelIoFn cancel = nullptr;
  if (!Resolve(kernel, "CancelIo", cancel)) return FALSE;
  return cancel(file);
}

#ifdef VENTRIX_TEST_HOOKS
const HidPlatform* g_installed = nullptr;
#endif

}  // namespace

bool HidPlatformBinding::Bind() {
  Unbind();
#ifdef VENTRIX_TEST_HOOKS
  if (g_installed) {
    calls_ = *g_installed;
    bound_ = true;
    return true;
  }
  char simulator[MAX_PATH];
  DWORD length = GetEnvironmentVariableA(kHidSimulatorVariable, simulator, sizeof(simulator));
  if (length > 0 && length < sizeof(simulator)) return BindFromModule(simulator);
#endif
  return BindSystem();
}

bool HidPlatformBinding::BindSystem() {
  bool loaded = true;
  for (int i = 0; i < 3; ++i) {
    modules_[i] = LoadSystemLibrary(kModuleNames[i]);
    loaded = loaded && modules_[i] != nullptr;
  }
  bool resolved = loaded && ForEachCall(calls_, [this](Module module, const char* name, auto& slot) {
                    if (module != kKernel) return Resolve(modules_[module], name, slot);
                    return true;
                  });
  if (!resolved) {
    DWORD error = GetLastError();
    Unbind();
    SetLastError(error ? error : ERROR_PROC_NOT_FOUND);
    return false;
  }
  calls_.CreateFileA = ::CreateFileA;
  calls_.ReadFileEx = ::ReadFileEx;
  calls_.WriteFileEx = ::WriteFileEx;
  calls_.GetOverlappedResult = ::GetOverlappedResult;
  calls_.CancelIo = CancelIoByName;
  calls_.CloseHandle = ::CloseHandle;
  bound_ = true;
  return true;
}

#ifdef VENTRIX_TEST_HOOKS
bool HidPlatformBinding::BindFromModule(const char* path) {
  modules_[0] = LoadLibraryA(path);
  bool resolved = modules_[0] && ForEachCall(calls_, [this](Module, const char* name, auto& slot) {
                    return Resolve(modules_[0], name, slot);
                  });
  if (!resolved) {
    DWORD error = GetLastError();
    Unbind();
    SetLastError(error ? error : ERROR_PROC_NOT_FOUND);
    return false;
  }
  bound_ = true;
  return true;
}
#endif

void HidPlatformBinding::Unbind() {
  for (HMODULE& module : modules_) {
    if (module) FreeLibrary(module);
    module = nullptr;
  }
  calls_ = HidPlatform{};
  bound_ = false;
}

#ifdef VENTRIX_TEST_HOOKS
ScopedHidPlatform::ScopedHidPlatform(const HidPlatform& calls) : previous_(g_installed), calls_(calls) {
  g_installed = &calls_;
}

ScopedHidPlatform::~ScopedHidPlatform() { g_installed = previous_; }
#endif
