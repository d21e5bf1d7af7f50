// TRegistryIniFile: settings under a registry key, read and written at once. The key (a path below the
// root key, HKEY_CURRENT_USER unless set) takes the place of the file: each section is a subkey of it and
// each entry a value of that subkey. Integers and Booleans are DWORD values, texts string values; an
// integer read from a string value is converted as TIniFile does. A value that cannot be written raises
// ERegistryException.
#pragma once

#include <windows.h>

#include <string>

#include "framework/ini/custom_inifile.h"
#include "framework/registry/registry.h"

namespace fw {

class TRegistryIniFile : public TCustomIniFile {
 public:
  explicit TRegistryIniFile(const std::string& Key, REGSAM Access = KEY_ALL_ACCESS);

  HKEY RootKey() const { return registry_.RootKey(); }
  void SetRootKey(HKEY value) { registry_.SetRootKey(value); }

  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
  std::int32_t ReadInteger(const std::string& Section, const std::string& Ident, std::int32_t Default) override;
  void WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value) override;
  void ReadSection(const std::string& Section, TStrings* Strings) override;
  void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  // A section exists when its subkey does.
  bool SectionExists(const std::string& Section) override;
  bool ValueExists(const std::string& Section, const std::string& Ident) override;
  void EraseSection(const std::string& Section) override;
  void DeleteKey(const std::string& Section, const std::string& Ident) override;
  // The registry keeps every change at once.
  void UpdateFile() override {}

 private:
  std::string SectionPath(const std::string& section) const;
  // Opens the section's subkey for reading (false when it does not exist) or for writing (created).
  bool OpenSection(const std::string& section, bool forWriting);
  void OpenSectionForWriting(const std::string& section);

  TRegistry registry_;
};

}  // namespace fw
