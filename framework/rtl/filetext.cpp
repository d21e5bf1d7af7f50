#include "framework/rtl/filetext.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle OpenFile(const std::string& fileName, DWORD access, DWORD share, DWORD disposition) {
  HANDLE handle = CreateFileA(fileName.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool Fail(std::uint32_t* errorCode) {
  if (errorCode != nullptr) *errorCode = GetLastError();
  return false;
}

}  // namespace

std::optional<std::string> TryReadFileText(const std::string& fileName, std::uint32_t* errorCode) {
  const FileHandle file = OpenFile(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size)) {
    Fail(errorCode);
    return std::nullopt;
  }
  std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
    if (!ReadFile(file.get(), text.data() + done, chunk, &read, nullptr)) {
      Fail(errorCode);
      return std::nullopt;
    }
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  text.resize(done);
  return text;
}

bool TryWriteFileText(const std::string& fileName, const std::string& text, std::uint32_t* errorCode) {
  const FileHandle file = OpenFile(fileName, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  if (!file) return Fail(errorCode);
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
    if (!WriteFile(file.get(), text.data() + done, chunk, &written, nullptr) || written == 0) return Fail(errorCode);
    done += written;
  }
  return true;
}

bool TryReplaceFileText(const std::string& fileName, const std::string& text, std::uint32_t* errorCode) {
  const std::size_t slash = fileName.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string(".") : fileName.substr(0, slash + 1);
  char temporary[MAX_PATH + 1] = {};
  if (GetTempFileNameA(folder.c_str(), "ini", 0, temporary) == 0) return Fail(errorCode);
  bool written = false;
  {
    const FileHandle file = OpenFile(temporary, GENERIC_WRITE, 0, TRUNCATE_EXISTING);
    written = static_cast<bool>(file);
    std::size_t done = 0;
    while (written && done < text.size()) {
      DWORD count = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 20));
      written = WriteFile(file.get(), text.data() + done, chunk, &count, nullptr) && count != 0;
      done += count;
    }
    written = written && FlushFileBuffers(file.get());
  }
  if (written &&
      MoveFileExA(temporary, fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  const DWORD error = GetLastError();
  DeleteFileA(temporary);
  if (errorCode != nullptr) *errorCode = error;
  return false;
}

std::string ReadFileText(const std::string& fileName) {
  std::uint32_t error = 0;
  std::optional<std::string> text = TryReadFileText(fileName, &error);
  if (!text) throw EFOpenError(Format("Cannot open file \"%s\". %s", fileName, SysErrorMessage(error)));
  return std::move(*text);
}

void WriteFileText(const std::string& fileName, const std::string& text) {
  std::uint32_t error = 0;
  if (!TryWriteFileText(fileName, text, &error)) {
    throw EFCreateError(Format("Cannot create file \"%s\". %s", fileName, SysErrorMessage(error)));
  }
}

}  // namespace fw
