#include "boardapi/log/machine_info.h"

#include <cstdio>
#include <vector>

std::string GetOwnFileVersion(HMODULE module) {
  std::string text = "N/A";
  char path[MAX_PATH] = {};
  const DWORD pathLength = GetModuleFileNameA(module, path, MAX_PATH);
  if (pathLength == 0 || pathLength >= MAX_PATH) return text;

  DWORD ignored = 0;
  const DWORD blockSize = GetFileVersionInfoSizeA(path, &ignored);
  if (blockSize == 0) return text;
  std::vector<char> block(blockSize + 1);
  if (!GetFileVersionInfoA(path, 0, blockSize, block.data())) return text;

  struct Translation {
    WORD language;
    WORD codePage;
  };
  void* translations = nullptr;
  UINT translationBytes = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translations, &translationBytes)) return text;
  const auto* pair = static_cast<const Translation*>(translations);
  for (UINT i = 0; i < translationBytes / sizeof(Translation); ++i) {
    char query[64];
    std::snprintf(query, sizeof(query), "\\StringFileInfo\\%04x%04x\\FileVersion", pair[i].language,
                  pair[i].codePage);
    void* value = nullptr;
    UINT valueChars = 0;
    if (VerQueryValueA(block.data(), query, &value, &valueChars) && value != nullptr) {
      text.clear();
      for (const char* c = static_cast<const char*>(value); *c != '\0'; ++c) {
        if (*c == ' ') continue;
        text.push_back(*c == ',' ? '.' : *c);
      }
      return text;
    }
  }
  return text;
}

HMODULE LibraryModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&LibraryModule), &module);
  return module;
}

std::string GetComputerNameText() {
  char name[1024] = {};
  DWORD size = sizeof(name);
  if (!GetComputerNameA(name, &size)) return {};
  return name;
}

int IsWow64() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (kernel == nullptr) return 0;
  const auto isWow64Process =
      reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (isWow64Process == nullptr || !isWow64Process(GetCurrentProcess(), &wow64)) return 0;
  return wow64 ? 1 : 0;
}

std::string GetEnvironmentText(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return value;
}
