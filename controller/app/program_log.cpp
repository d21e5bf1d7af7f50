#include "controller/app/program_log.h"

#include <windows.h>

#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"
#include "framework/rtl/formatsettings.h"
#include "framework/services/clock.h"

namespace trelvik {

struct ProgramLog::File {
  explicit File(HANDLE h) : handle(h) {}
  ~File() { CloseHandle(handle); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  HANDLE handle;
};

ProgramLog::ProgramLog() = default;
ProgramLog::~ProgramLog() = default;

void ProgramLog::Open(const std::string& fileName) {
  file_.reset();
  HANDLE handle = CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    throw fw::EFCreateError(fw::Format("Cannot create file \"%s\". %s", fileName, fw::SysErrorMessage(error)));
  }
  file_ = std::make_unique<File>(handle);
}

void ProgramLog::Close() { file_.reset(); }

bool ProgramLog::IsOpen() const { return file_ != nullptr; }

std::string ProgramLog::Line(const std::string& text) {
  fw::FormatSettings.LongTimeFormat = "hh:mm:ss";  // stays in force for the whole program, as it always has
  return fw::FormatDateTime("c", fw::Now()) + " : " + text;
}

void ProgramLog::log(const std::string& text) {
  if (logging_) Write(text);
}

void ProgramLog::force_log(const std::string& text) { Write(text); }

// A line that cannot be written is dropped: the callers (discovery among them) must never stop on it.
void ProgramLog::Write(const std::string& text) noexcept {
  try {
    if (!file_) return;
    const std::string line = Line(text) + "\r\n";
    DWORD written = 0;
    WriteFile(file_->handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  } catch (...) {
  }
}

}  // namespace trelvik
