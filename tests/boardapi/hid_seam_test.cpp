// The seam's outside form: with VENTRIX_HID_SIMULATOR naming the simulator DLL, the layer resolves every call
// from it by its Win32 name; boards described in VENTRIX_HIDSIM_BOARDS are there when the DLL starts.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "boardapi/hid/hid_layer.h"
#include "boardapi/hid/hid_platform.h"
#include "sim/hidsim.h"

namespace {

std::string SimulatorPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof(path));
  std::string folder(path);
  return folder.substr(0, folder.find_last_of("\\/") + 1) + "ventrix_hidsim.dll";
}

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    SetEnvironmentVariableA(name_, value.c_str());
  }
  ~ScopedVariable() { SetEnvironmentVariableA(name_, nullptr); }

 private:
  const char* name_;
};

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

TEST(HidSeam, ResolvesEveryCallFromTheSimulatorDll) {
  const std::string path = SimulatorPath();
  hidsim::BoardConfig board;
  board.productId = 0x1583;
  board.serial = L"ENVBOARD";
  board.pipe1First = true;
  ScopedVariable boards(hidsim::kBoardsVariable, hidsim::EnvironmentText({board}));
  ScopedVariable simulator(kHidSimulatorVariable, path);

  HMODULE module = LoadLibraryA(path.c_str());
  ASSERT_NE(module, nullptr) << path;
  auto journalCount = Export<int (*)(int)>(module, "HidSim_JournalCount");
  ASSERT_NE(journalCount, nullptr);

  HidDeviceHandle device = HidLayer_Open();
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(HidLayer_ProductId(device), 0x1583);
  wchar_t serial[9] = {};
  EXPECT_TRUE(HidLayer_SerialNumber(device, serial));
  EXPECT_EQ(std::wstring(serial), L"ENVBOARD");
  const uint8_t status[8] = {0xFF};
  EXPECT_EQ(HidLayer_Write(device, 1, status, 8), 8);
  HidLayer_SetReadTimeout(device, 1000);
  uint8_t reply[8] = {};
  EXPECT_EQ(HidLayer_Read(device, 1, reply, 8), 8);
  EXPECT_EQ(reply[0], 0xFF);
  EXPECT_EQ(journalCount(0), 1);
  HidLayer_Close();
  FreeLibrary(module);
}

TEST(HidSeam, SystemBindingLoadsTheModulesByNameAndFindsNoBoardHere) {
  SetEnvironmentVariableA(kHidSimulatorVariable, nullptr);
  EXPECT_EQ(HidLayer_Open(), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(HidLayer_Count(), 0);
  HidLayer_Close();
}

TEST(HidSeam, OpenFailsWhenTheSimulatorDllIsMissing) {
  ScopedVariable simulator(kHidSimulatorVariable, SimulatorPath() + ".missing");
  EXPECT_EQ(HidLayer_Open(), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(HidLayer_Count(), 0);
}

}  // namespace
