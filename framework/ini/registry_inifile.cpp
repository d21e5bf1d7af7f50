#include "framework/ini/registry_inifile.h"

#include <vector>

#include "framework/classes/strings.h"
#include "framework/classes/updatescope.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/intconv.h"

namespace fw {

namespace {

// Names of the open key's values or subkeys, in the registry's order.
std::vector<std::string> EnumNames(HKEY key, bool subkeys) {
  std::vector<std::string> names;
  if (key == nullptr) return names;
  char name[16384];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    const LONG result = subkeys ? RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr)
                                : RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

}  // namespace

TRegistryIniFile::TRegistryIniFile(const std::string& Key, REGSAM Access) : TCustomIniFile(Key), registry_(Access) {}

std::string TRegistryIniFile::SectionPath(const std::string& section) const {
  std::string path = "\\" + FileName();
  if (!section.empty()) path += "\\" + section;
  return path;
}

bool TRegistryIniFile::OpenSection(const std::string& section, bool forWriting) {
  return forWriting ? registry_.OpenKey(SectionPath(section), true) : registry_.OpenKeyReadOnly(SectionPath(section));
}

void TRegistryIniFile::OpenSectionForWriting(const std::string& section) {
  if (!OpenSection(section, true)) throw ERegistryException("Failed to create key " + SectionPath(section));
}

std::string TRegistryIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                         const std::string& Default) {
  if (!OpenSection(Section, false) || !registry_.ValueExists(Ident)) return Default;
  try {
    return registry_.ReadString(Ident);
  } catch (const ERegistryException&) {
    try {
      return IntToStr(registry_.ReadInteger(Ident));
    } catch (const ERegistryException&) {
      return Default;
    }
  }
}

void TRegistryIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  OpenSectionForWriting(Section);
  registry_.WriteString(Ident, Value);
}

std::int32_t TRegistryIniFile::ReadInteger(const std::string& Section, const std::string& Ident,
                                           std::int32_t Default) {
  if (!OpenSection(Section, false) || !registry_.ValueExists(Ident)) return Default;
  try {
    return registry_.ReadInteger(Ident);
  } catch (const ERegistryException&) {
    return TCustomIniFile::ReadInteger(Section, Ident, Default);
  }
}

void TRegistryIniFile::WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value) {
  OpenSectionForWriting(Section);
  registry_.WriteInteger(Ident, Value);
}

void TRegistryIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  UpdateScope<TStrings> update(*Strings);
  Strings->Clear();
  if (!OpenSection(Section, false)) return;
  for (const std::string& name : EnumNames(registry_.CurrentKey(), false)) Strings->Add(name);
}

void TRegistryIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  UpdateScope<TStrings> update(*Strings);
  Strings->Clear();
  if (!OpenSection(Section, false)) return;
  for (const std::string& name : EnumNames(registry_.CurrentKey(), false)) {
    Strings->Add(name + "=" + ReadString(Section, name, std::string()));
  }
}

void TRegistryIniFile::ReadSections(TStrings* Strings) {
  UpdateScope<TStrings> update(*Strings);
  Strings->Clear();
  if (!OpenSection(std::string(), false)) return;
  for (const std::string& name : EnumNames(registry_.CurrentKey(), true)) Strings->Add(name);
}

bool TRegistryIniFile::SectionExists(const std::string& Section) { return registry_.KeyExists(SectionPath(Section)); }

bool TRegistryIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
  return OpenSection(Section, false) && registry_.ValueExists(Ident);
}

void TRegistryIniFile::EraseSection(const std::string& Section) {
  registry_.CloseKey();
  registry_.DeleteKey(SectionPath(Section));
}

void TRegistryIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  if (OpenSection(Section, false)) {
    OpenSectionForWriting(Section);
    registry_.DeleteValue(Ident);
  }
}

}  // namespace fw
