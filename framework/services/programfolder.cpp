#include "framework/services/programfolder.h"

#include <windows.h>

#include <vector>

#include "framework/rtl/filenames.h"

namespace fw {

namespace {

std::string ExecutableFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    // A full buffer means the name was cut short.
    if (length < buffer.size()) return ExtractFilePath(std::string_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

constinit Service<std::string()> ProgramFolder{&ExecutableFolder};

}  // namespace fw
