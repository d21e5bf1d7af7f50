// TIniFile: settings in an INI file, read and written by the framework itself (not the system's profile
// functions, which rewrite blank lines and comments). Every write goes to the file at once and changes
// only the line concerned; everything else in the file stays as it was.
//
// A missing or unreadable file reads as empty; a file that cannot be written raises EIniFileException.
// A write replaces the file as a whole, so a failed one leaves the file as it was.
// The file is read again whenever it changed on disk since the last read or write.
#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/object.h"
#include "framework/ini/inidocument.h"

namespace fw {

class TStrings;

class TIniFile : public TObject {
 public:
  // A relative name is taken from the current directory now.
  explicit TIniFile(const std::string& FileName);

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default);
  // Decimal or hexadecimal ("$1F", "0x1F"); anything else, or a missing key, gives Default.
  std::int32_t ReadInteger(const std::string& Section, const std::string& Ident, std::int32_t Default);
  // Any non-zero integer is true.
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
  void WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value);
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);  // "1" / "0"

  // Fill the list (cleared first): key names / "name=value" lines / section names.
  void ReadSection(const std::string& Section, TStrings* Strings);
  void ReadSectionValues(const std::string& Section, TStrings* Strings);
  void ReadSections(TStrings* Strings);
  // A section exists when it has at least one key.
  bool SectionExists(const std::string& Section);
  bool ValueExists(const std::string& Section, const std::string& Ident);
  void EraseSection(const std::string& Section);
  void DeleteKey(const std::string& Section, const std::string& Ident);
  // Writes are never held back, so there is nothing to flush.
  void UpdateFile() {}

 private:
  struct Stamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    bool operator==(const Stamp&) const = default;
  };
  Stamp FileStamp() const;
  const IniDocument& Current();
  void Save();

  std::string fileName_;
  IniDocument document_;
  Stamp stamp_;
  bool loaded_ = false;
};

}  // namespace fw
