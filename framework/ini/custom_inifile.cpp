#include "framework/ini/custom_inifile.h"

#include "framework/rtl/intconv.h"

namespace fw {

std::int32_t TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident, std::int32_t Default) {
  return StrToIntDef(ReadString(Section, Ident, std::string()), Default);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident, std::int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteInteger(Section, Ident, Value ? 1 : 0);
}

}  // namespace fw
