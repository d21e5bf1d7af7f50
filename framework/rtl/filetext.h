// Whole files as 8-bit text, read and written in binary (line ends are the caller's business).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fw {

// The file's bytes, or nothing when it is missing or cannot be read (errorCode: the Win32 error).
std::optional<std::string> TryReadFileText(const std::string& fileName, std::uint32_t* errorCode = nullptr);
// Replaces the file's content; false when it cannot be created or written (errorCode: the Win32 error).
bool TryWriteFileText(const std::string& fileName, const std::string& text, std::uint32_t* errorCode = nullptr);
// Replaces the file as a whole: the text goes to a new file in the same folder, which then takes the old
// one's place. A failure at any step leaves the old file as it was (errorCode: the Win32 error).
bool TryReplaceFileText(const std::string& fileName, const std::string& text, std::uint32_t* errorCode = nullptr);

// As above, raising EFOpenError "Cannot open file "%s". %s" / EFCreateError "Cannot create file "%s". %s".
std::string ReadFileText(const std::string& fileName);
void WriteFileText(const std::string& fileName, const std::string& text);

}  // namespace fw
