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

#include "framework/ini/custom_inifile.h"
#include "framework/ini/inidocument.h"

namespace fw {

class TIniFile : public TCustomIniFile {
 public:
  // A relative name is taken from the current directory now.
  explicit TIniFile(const std::string& FileName);

  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  // A section exists when it has at least one key.
  bool SectionExists(const std::string& Section) override;
  bool ValueExists(const std::string& Section, const std::string& Ident) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  // Writes are never held back, so there is nothing to flush.
  void UpdateFile() override {}

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

  IniDocument document_;
  Stamp stamp_;
  bool loaded_ = false;
};

}  // namespace fw
