// File names with '\' (or '/') folders.
#pragma once

#include <string>
#include <string_view>

namespace fw {

std::string ExtractFilePath(std::string_view fileName);  // with the trailing delimiter
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);  // with the dot
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);
std::string ExpandFileName(std::string_view fileName);  // relative to the current directory
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& directory);

}  // namespace fw
