#include "framework/ini/meminifile.h"

#include "framework/ini/inidocument_lists.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filenames.h"
#include "framework/rtl/filetext.h"
#include "framework/rtl/format.h"

namespace fw {

TMemIniFile::TMemIniFile(const std::string& FileName)
    : TCustomIniFile(ExpandFileName(FileName)), document_(TryReadFileText(this->FileName()).value_or(std::string())) {}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) {
  return document_.Value(Section, Ident).value_or(Default);
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  document_.Set(Section, Ident, Value);
  modified_ = true;
}

void TMemIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  ListSectionNames(document_, Section, Strings);
}

void TMemIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  ListSectionValues(document_, Section, Strings);
}

void TMemIniFile::ReadSections(TStrings* Strings) { ListSections(document_, Strings); }

bool TMemIniFile::SectionExists(const std::string& Section) { return !document_.Entries(Section).empty(); }

bool TMemIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
  return document_.Value(Section, Ident).has_value();
}

void TMemIniFile::EraseSection(const std::string& Section) {
  const std::string before = document_.Text();
  document_.EraseSection(Section);
  modified_ = modified_ || document_.Text() != before;
}

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  const std::string before = document_.Text();
  document_.DeleteKey(Section, Ident);
  modified_ = modified_ || document_.Text() != before;
}

void TMemIniFile::UpdateFile() {
  if (!modified_) return;
  if (!TryReplaceFileText(FileName(), document_.Text())) {
    throw EIniFileException(Format("Unable to write to %s", FileName()));
  }
  modified_ = false;
}

}  // namespace fw
