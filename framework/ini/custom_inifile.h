// TCustomIniFile: the common face of settings stores made of sections holding named entries. TIniFile
// writes an INI file at every change, TMemIniFile holds the file in memory until UpdateFile, and
// TRegistryIniFile keeps sections as subkeys of a registry key and entries as their values.
//
// Reads are forgiving: a missing entry, section or store gives the default. Writes raise the store's
// exception when the change cannot be kept.
#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/object.h"

namespace fw {

class TStrings;

class TCustomIniFile : public TObject {
 public:
  explicit TCustomIniFile(std::string FileName) : fileName_(std::move(FileName)) {}

  // The file's name, or the registry key's path.
  const std::string& FileName() const { return fileName_; }

  virtual std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) = 0;
  virtual void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) = 0;
  // Decimal or hexadecimal ("$1F", "0x1F"); anything else, or a missing entry, gives Default.
  virtual std::int32_t ReadInteger(const std::string& Section, const std::string& Ident, std::int32_t Default);
  virtual void WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value);
  // Any non-zero integer is true; written as 1 / 0.
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);

  // Fill the list (cleared first): entry names / "name=value" lines / section names.
  virtual void ReadSection(const std::string& Section, TStrings* Strings) = 0;
  virtual void ReadSectionValues(const std::string& Section, TStrings* Strings) = 0;
  virtual void ReadSections(TStrings* Strings) = 0;
  virtual bool SectionExists(const std::string& Section) = 0;
  virtual bool ValueExists(const std::string& Section, const std::string& Ident) = 0;
  virtual void EraseSection(const std::string& Section) = 0;
  virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
  // Makes held-back changes permanent (nothing to do for stores that write at once).
  virtual void UpdateFile() = 0;

 private:
  std::string fileName_;
};

}  // namespace fw
