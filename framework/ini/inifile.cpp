#include "framework/ini/inifile.h"

#include <windows.h>

#include "framework/classes/strings.h"
#include "framework/classes/updatescope.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filenames.h"
#include "framework/rtl/filetext.h"
#include "framework/rtl/format.h"
#include "framework/rtl/intconv.h"

namespace fw {

TIniFile::TIniFile(const std::string& FileName) : fileName_(ExpandFileName(FileName)) {}

TIniFile::Stamp TIniFile::FileStamp() const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(fileName_.c_str(), GetFileExInfoStandard, &data)) return Stamp{};
  return Stamp{true, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
               (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

const IniDocument& TIniFile::Current() {
  const Stamp stamp = FileStamp();
  if (!loaded_ || !(stamp == stamp_)) {
    const std::optional<std::string> text = stamp.exists ? TryReadFileText(fileName_) : std::nullopt;
    document_ = IniDocument(text.value_or(std::string()));
    stamp_ = stamp;
    loaded_ = true;
  }
  return document_;
}

void TIniFile::Save() {
  if (!TryReplaceFileText(fileName_, document_.Text())) {
    loaded_ = false;  // the file keeps what it had: read it again next time
    throw EIniFileException(Format("Unable to write to %s", fileName_));
  }
  stamp_ = FileStamp();
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
  return Current().Value(Section, Ident).value_or(Default);
}

std::int32_t TIniFile::ReadInteger(const std::string& Section, const std::string& Ident, std::int32_t Default) {
  return StrToIntDef(ReadString(Section, Ident, std::string()), Default);
}

bool TIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  Current();
  document_.Set(Section, Ident, Value);
  Save();
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

void TIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

void TIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  UpdateScope<TStrings> update(*Strings);
  Strings->Clear();
  for (const auto& [key, value] : Current().Entries(Section)) Strings->Add(key);
}

void TIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  UpdateScope<TStrings> update(*Strings);
  Strings->Clear();
  for (const auto& [key, value] : Current().Entries(Section)) Strings->Add(key + "=" + value);
}

void TIniFile::ReadSections(TStrings* Strings) {
  UpdateScope<TStrings> update(*Strings);
  Strings->Clear();
  for (const std::string& section : Current().Sections()) Strings->Add(section);
}

bool TIniFile::SectionExists(const std::string& Section) { return !Current().Entries(Section).empty(); }

bool TIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
  return Current().Value(Section, Ident).has_value();
}

void TIniFile::EraseSection(const std::string& Section) {
  const std::string before = Current().Text();
  document_.EraseSection(Section);
  if (document_.Text() != before) Save();
}

void TIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  const std::string before = Current().Text();
  document_.DeleteKey(Section, Ident);
  if (document_.Text() != before) Save();
}

}  // namespace fw
