#include "boardapi/base/system_library.h"

#include <cstring>

HMODULE LoadSystemLibrary(const char* fileName) {
  char path[MAX_PATH];
  const UINT folderLength = GetSystemDirectoryA(path, MAX_PATH);
  const size_t nameLength = std::strlen(fileName);
  if (folderLength == 0 || folderLength + 1 + nameLength >= MAX_PATH) {
    if (folderLength != 0) SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return nullptr;
  }
  path[folderLength] = '\\';
  std::memcpy(path + folderLength + 1, fileName, nameLength + 1);
  return LoadLibraryA(path);
}
