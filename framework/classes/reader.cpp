// TReader's stream half: component records and their values (the loading half is in component.cpp).
#include <windows.h>

#include <cstring>

#include "framework/classes/component.h"
#include "framework/classes/stored_properties.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/textutils.h"
#include "framework/streams/memory_stream.h"
#include "framework/streams/stream.h"

namespace fw {

namespace {

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

std::wstring Widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr, nullptr);
  return narrow;
}

// The component named Name among Owner's components, or Owner itself when it bears the name.
TComponent* NamedIn(TComponent* owner, const std::string& name) {
  if (owner == nullptr) return nullptr;
  if (SameText(owner->Name(), name)) return owner;
  return owner->FindComponent(name);
}

}  // namespace

void TReader::ReadBytes(void* data, std::size_t count) {
  if (Stream() == nullptr) throw EReadError("Stream read error");
  if (count > 0x7FFFFFFF) throw EReadError("Stream read error");
  if (count > 0) Stream()->ReadBuffer(data, static_cast<std::int32_t>(count));
}

TValueType TReader::ReadValue() {
  std::uint8_t tag = 0;
  ReadBytes(&tag, 1);
  if (tag > static_cast<std::uint8_t>(TValueType::vaInt64)) throw EReadError("Invalid stream format");
  return static_cast<TValueType>(tag);
}

// The list end is a 0 byte, read raw: where a property's name may follow, the name's length byte is no value
// tag (a name may be longer than the largest tag).
bool TReader::EndOfList() {
  std::uint8_t next = 0;
  ReadBytes(&next, 1);
  Stream()->Seek(-1, soCurrent);
  return next == static_cast<std::uint8_t>(TValueType::vaNull);
}

TValueType TReader::NextValue() {
  const TValueType type = ReadValue();
  Stream()->Seek(-1, soCurrent);
  return type;
}

std::string TReader::ReadShortStr() {
  std::uint8_t length = 0;
  ReadBytes(&length, 1);
  std::string text(length, '\0');
  ReadBytes(text.data(), length);
  return text;
}

std::uint32_t TReader::ReadLength() {
  std::uint32_t length = 0;
  ReadBytes(&length, 4);
  // A length beyond what is left is a damaged stream: fail before allocating for it.
  if (static_cast<std::int64_t>(length) > Stream()->Size() - Stream()->Position()) {
    throw EReadError("Stream read error");
  }
  return length;
}

void TReader::ReadListBegin() {
  if (ReadValue() != TValueType::vaList) InvalidValue();
}

void TReader::ReadListEnd() {
  if (ReadValue() != TValueType::vaNull) InvalidValue();
}

std::int64_t TReader::ReadInteger() {
  switch (ReadValue()) {
    case TValueType::vaInt8: {
      std::int8_t v = 0;
      ReadBytes(&v, 1);
      return v;
    }
    case TValueType::vaInt16: {
      std::int16_t v = 0;
      ReadBytes(&v, 2);
      return v;
    }
    case TValueType::vaInt32: {
      std::int32_t v = 0;
      ReadBytes(&v, 4);
      return v;
    }
    case TValueType::vaInt64: {
      std::int64_t v = 0;
      ReadBytes(&v, 8);
      return v;
    }
    default:
      InvalidValue();
  }
}

bool TReader::ReadBoolean() {
  const TValueType type = ReadValue();
  if (type != TValueType::vaTrue && type != TValueType::vaFalse) InvalidValue();
  return type == TValueType::vaTrue;
}

double TReader::ReadFloat() {
  if (NextValue() != TValueType::vaDouble) return static_cast<double>(ReadInteger());
  ReadValue();
  double value = 0;
  ReadBytes(&value, 8);
  return value;
}

std::string TReader::ReadString() {
  switch (ReadValue()) {
    case TValueType::vaString:
      return ReadShortStr();
    case TValueType::vaLString: {
      std::string text(ReadLength(), '\0');
      ReadBytes(text.data(), text.size());
      return text;
    }
    case TValueType::vaWString: {
      Stream()->Seek(-1, soCurrent);
      return Narrow(ReadWideString());
    }
    default:
      InvalidValue();
  }
}

std::wstring TReader::ReadWideString() {
  if (NextValue() != TValueType::vaWString) return Widen(ReadString());
  ReadValue();
  const std::uint32_t count = ReadLength();
  std::wstring text(count, L'\0');
  ReadBytes(text.data(), std::size_t{count} * 2);
  return text;
}

std::string TReader::ReadIdent() {
  if (ReadValue() != TValueType::vaIdent) InvalidValue();
  return ReadShortStr();
}

void TReader::ReadComponent(TComponent* Component) {
  char signature[sizeof kRecordSignature];
  ReadBytes(signature, sizeof signature);
  if (std::memcmp(signature, kRecordSignature, sizeof signature) != 0) throw EReadError("Invalid stream format");
  const std::string className = ReadShortStr();
  if (!SameText(className, Component->ClassName())) {
    throw EReadError("A " + className + " record cannot be read into a " + Component->ClassName());
  }
  const std::string name = ReadShortStr();
  if (!name.empty()) Component->SetName(name);
  bool propertiesRead = false;
  ReadComponent(Component, [&] {
    propertiesRead = true;
    while (!EndOfList()) ReadProperty(Component);
    ReadListEnd();
  });
  if (!propertiesRead) throw EReadError("Properties of " + className + " were not read");
  if (!EndOfList()) throw EReadError("Invalid stream format");  // records carry no children
  ReadListEnd();
}

void TReader::PropertyError(const std::string& message) const {
  throw EReadError("Error reading " + propName_ + ": " + message);
}

void TReader::ReadProperty(TComponent* Component) {
  propName_ = ReadShortStr();
  TPersistent* instance = Component;
  std::size_t start = 0;
  for (std::size_t dot = propName_.find('.'); dot != std::string::npos; dot = propName_.find('.', start)) {
    const std::string part = propName_.substr(start, dot - start);
    TStoredProperties list;
    instance->ListStoredProperties(list);
    const TPropInfo* info = list.Find(part);
    if (info == nullptr || info->kind != TPropKind::Object || info->getObject(instance) == nullptr) {
      PropertyError("Property " + part + " does not exist");
    }
    instance = info->getObject(instance);
    start = dot + 1;
  }
  propLeaf_ = propName_.substr(start);
  TStoredProperties list;
  instance->ListStoredProperties(list);
  const TPropInfo* info = list.Find(propLeaf_);
  if (info != nullptr && info->kind != TPropKind::Object) {
    ReadPropValue(instance, *info, Component);
    return;
  }
  propFound_ = false;
  instance->DefineProperties(this);
  if (!propFound_) PropertyError("Property " + propLeaf_ + " does not exist");
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Info, TComponent* Component) {
  try {
    switch (Info.kind) {
      case TPropKind::Integer:
        Info.setOrdinal(Instance, ReadInteger());
        break;
      case TPropKind::Boolean:
        Info.setOrdinal(Instance, ReadBoolean() ? 1 : 0);
        break;
      case TPropKind::Enumeration: {
        const std::string ident = ReadIdent();
        for (std::size_t i = 0; i < Info.valueNames.size(); ++i) {
          if (SameText(Info.valueNames[i], ident)) {
            Info.setOrdinal(Instance, static_cast<std::int64_t>(i));
            return;
          }
        }
        InvalidValue();
      }
      case TPropKind::Set: {
        if (ReadValue() != TValueType::vaSet) InvalidValue();
        std::uint64_t mask = 0;
        for (std::string element = ReadShortStr(); !element.empty(); element = ReadShortStr()) {
          std::size_t bit = 0;
          while (bit < Info.valueNames.size() && !SameText(Info.valueNames[bit], element)) ++bit;
          if (bit >= Info.valueNames.size() || bit >= 64) InvalidValue();
          mask |= std::uint64_t{1} << bit;
        }
        Info.setOrdinal(Instance, static_cast<std::int64_t>(mask));
        break;
      }
      case TPropKind::Float:
        Info.setFloat(Instance, ReadFloat());
        break;
      case TPropKind::Text:
        Info.setText(Instance, ReadString());
        break;
      case TPropKind::Component: {
        if (NextValue() == TValueType::vaNil) {
          ReadValue();
          Info.setComponent(Instance, nullptr);
          break;
        }
        // A reference that names nothing reachable leaves the property as it was.
        if (TComponent* target = FindReference(Component, ReadIdent())) Info.setComponent(Instance, target);
        break;
      }
      case TPropKind::Object:
        InvalidValue();
    }
  } catch (const EReadError& e) {
    if (e.Message().rfind("Error reading ", 0) == 0) throw;
    PropertyError(e.Message());
  }
}

TComponent* TReader::FindReference(TComponent* Component, const std::string& Name) const {
  const std::size_t dot = Name.find('.');
  for (TComponent* scope = Component->Owner(); scope != nullptr; scope = scope->Owner()) {
    if (dot == std::string::npos) {
      if (TComponent* found = scope->FindComponent(Name)) return found;
    } else if (TComponent* owner = NamedIn(scope, Name.substr(0, dot))) {
      if (TComponent* found = owner->FindComponent(Name.substr(dot + 1))) return found;
    }
  }
  if (root_ != nullptr && dot != std::string::npos) {
    if (TComponent* owner = NamedIn(root_, Name.substr(0, dot))) return owner->FindComponent(Name.substr(dot + 1));
  }
  return nullptr;
}

void TReader::DefineProperty(const std::string& Name, const std::function<void(TReader*)>& ReadData,
                             const std::function<void(TWriter*)>&, bool) {
  if (propFound_ || !SameText(Name, propLeaf_) || !ReadData) return;
  propFound_ = true;
  ReadData(this);
}

void TReader::DefineBinaryProperty(const std::string& Name, const std::function<void(TStream*)>& ReadData,
                                   const std::function<void(TStream*)>&, bool) {
  if (propFound_ || !SameText(Name, propLeaf_) || !ReadData) return;
  propFound_ = true;
  if (ReadValue() != TValueType::vaBinary) PropertyError("Invalid property value");
  const std::uint32_t length = ReadLength();
  TMemoryStream data;
  data.SetSize(length);
  ReadBytes(data.Memory(), length);
  data.SetPosition(0);
  ReadData(&data);
}

}  // namespace fw
