#include "framework/ini/inifile.h"

#include <windows.h>

#include "framework/ini/inidocument_lists.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filenames.h"
#include "framework/rtl/filetext.h"
#include "framework/rtl/format.h"

namespace fw {

TIniFile::TIniFile(const std::string& FileName) : TCustomIniFile(ExpandFileName(FileName)) {}

TIniFile::Stamp TIniFile::FileStamp() const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(FileName().c_str(), GetFileExInfoStandard, &data)) return Stamp{};
  return Stamp{true, (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
               (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

const IniDocument& TIniFile::Current() {
  const Stamp stamp = FileStamp();
  if (!loaded_ || !(stamp == stamp_)) {
    const std::optional<std::string> text = stamp.exists ? TryReadFileText(FileName()) : std::nullopt;
    document_ = IniDocument(text.value_or(std::string()));
    stamp_ = stamp;
    loaded_ = true;
  }
  return document_;
}

void TIniFile::Save() {
  if (!TryReplaceFileText(FileName(), document_.Text())) {
    loaded_ = false;  // the file keeps what it had: read it again next time
    throw EIniFileException(Format("Unable to write to %s", FileName()));
  }
  stamp_ = FileStamp();
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
  return Current().Value(Section, Ident).value_or(Default);
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  Current();
  document_.Set(Section, Ident, Value);
  Save();
}

void TIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  ListSectionNames(Current(), Section, Strings);
}

void TIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  ListSectionValues(Current(), Section, Strings);
}

void TIniFile::ReadSections(TStrings* Strings) { ListSections(Current(), Strings); }

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
