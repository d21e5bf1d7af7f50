// TMemIniFile: an INI file read once into memory. Reads and changes work on the memory copy; the file
// changes only at UpdateFile, which replaces it as a whole (a new file next to it, then moved over it),
// so a failed update leaves the old file intact and raises EIniFileException.
#pragma once

#include <string>

#include "framework/ini/custom_inifile.h"
#include "framework/ini/inidocument.h"

namespace fw {

class TMemIniFile : public TCustomIniFile {
 public:
  // A relative name is taken from the current directory now; a missing or unreadable file reads as empty.
  explicit TMemIniFile(const std::string& FileName);

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
  // Writes the memory copy to the file when it was changed since it was read or last written.
  void UpdateFile() override;

 private:
  IniDocument document_;
  bool modified_ = false;
};

}  // namespace fw
