#include "framework/ini/inidocument_lists.h"

#include "framework/classes/strings.h"
#include "framework/classes/updatescope.h"

namespace fw {

void ListSectionNames(const IniDocument& document, const std::string& section, TStrings* strings) {
  UpdateScope<TStrings> update(*strings);
  strings->Clear();
  for (const auto& [key, value] : document.Entries(section)) strings->Add(key);
}

void ListSectionValues(const IniDocument& document, const std::string& section, TStrings* strings) {
  UpdateScope<TStrings> update(*strings);
  strings->Clear();
  for (const auto& [key, value] : document.Entries(section)) strings->Add(key + "=" + value);
}

void ListSections(const IniDocument& document, TStrings* strings) {
  UpdateScope<TStrings> update(*strings);
  strings->Clear();
  for (const std::string& section : document.Sections()) strings->Add(section);
}

}  // namespace fw
