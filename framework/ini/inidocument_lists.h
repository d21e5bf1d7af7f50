// Fills string lists from an INI document: what TIniFile and TMemIniFile return from ReadSection,
// ReadSectionValues and ReadSections. Each list is cleared first and changed inside one update.
#pragma once

#include <string>

#include "framework/ini/inidocument.h"

namespace fw {

class TStrings;

void ListSectionNames(const IniDocument& document, const std::string& section, TStrings* strings);
void ListSectionValues(const IniDocument& document, const std::string& section, TStrings* strings);
void ListSections(const IniDocument& document, TStrings* strings);

}  // namespace fw
