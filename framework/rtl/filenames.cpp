#include "framework/rtl/filenames.h"

#include <windows.h>

#include <vector>

namespace fw {

namespace {

bool IsDelimiter(char c) { return c == '\\' || c == '/' || c == ':'; }

// Offset just after the last folder delimiter (or drive colon).
std::size_t NameStart(std::string_view fileName) {
  std::size_t at = fileName.size();
  while (at > 0 && !IsDelimiter(fileName[at - 1])) --at;
  return at;
}

}  // namespace

std::string ExtractFilePath(std::string_view fileName) { return std::string(fileName.substr(0, NameStart(fileName))); }

std::string ExtractFileName(std::string_view fileName) { return std::string(fileName.substr(NameStart(fileName))); }

std::string ExtractFileExt(std::string_view fileName) {
  const std::string_view name = fileName.substr(NameStart(fileName));
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
  const std::size_t nameStart = NameStart(fileName);
  const std::size_t dot = fileName.substr(nameStart).rfind('.');
  const std::string_view stem = dot == std::string_view::npos ? fileName : fileName.substr(0, nameStart + dot);
  return std::string(stem).append(extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
  std::string result(path);
  if (result.empty() || (result.back() != '\\' && result.back() != '/')) result += '\\';
  return result;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
  std::string result(path);
  if (!result.empty() && (result.back() == '\\' || result.back() == '/')) result.pop_back();
  return result;
}

std::string ExpandFileName(std::string_view fileName) {
  const std::string name(fileName);
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetFullPathNameA(name.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0) return name;
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(length);
  }
}

bool FileExists(const std::string& fileName) {
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& directory) {
  const DWORD attributes = GetFileAttributesA(directory.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace fw
