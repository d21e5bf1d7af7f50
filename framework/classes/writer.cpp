#include "framework/classes/writer.h"

#include <cstring>

#include "framework/classes/component.h"
#include "framework/classes/stored_properties.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/stream.h"

namespace fw {

namespace {

// A nested object's path for its properties: restored when the object is done, even by an exception.
class PrefixScope {
 public:
  PrefixScope(std::string& prefix, const std::string& name) : prefix_(prefix), saved_(prefix) { prefix += name + "."; }
  ~PrefixScope() { prefix_ = saved_; }
  PrefixScope(const PrefixScope&) = delete;
  PrefixScope& operator=(const PrefixScope&) = delete;

 private:
  std::string& prefix_;
  std::string saved_;
};

}  // namespace

void TWriter::WriteBytes(const void* data, std::size_t count) {
  if (count > 0x7FFFFFFF) throw EWriteError("Stream write error");
  if (count > 0) Stream()->WriteBuffer(data, static_cast<std::int32_t>(count));
}

void TWriter::WriteValue(TValueType type) {
  const auto tag = static_cast<std::uint8_t>(type);
  WriteBytes(&tag, 1);
}

void TWriter::WriteShortStr(const std::string& text) {
  if (text.size() > 255) throw EWriteError("Name too long for the stream: " + text.substr(0, 32) + "...");
  const auto length = static_cast<std::uint8_t>(text.size());
  WriteBytes(&length, 1);
  WriteBytes(text.data(), text.size());
}

void TWriter::WriteInteger(std::int64_t Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    WriteValue(TValueType::vaInt8);
    const auto v = static_cast<std::int8_t>(Value);
    WriteBytes(&v, 1);
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    WriteValue(TValueType::vaInt16);
    const auto v = static_cast<std::int16_t>(Value);
    WriteBytes(&v, 2);
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteValue(TValueType::vaInt32);
    const auto v = static_cast<std::int32_t>(Value);
    WriteBytes(&v, 4);
  } else {
    WriteValue(TValueType::vaInt64);
    WriteBytes(&Value, 8);
  }
}

void TWriter::WriteFloat(double Value) {
  WriteValue(TValueType::vaDouble);
  WriteBytes(&Value, 8);
}

void TWriter::WriteString(const std::string& Value) {
  if (Value.size() <= 255) {
    WriteValue(TValueType::vaString);
    WriteShortStr(Value);
    return;
  }
  if (Value.size() > 0x7FFFFFFF) throw EWriteError("Stream write error");
  WriteValue(TValueType::vaLString);
  const auto length = static_cast<std::uint32_t>(Value.size());
  WriteBytes(&length, 4);
  WriteBytes(Value.data(), Value.size());
}

void TWriter::WriteWideString(const std::wstring& Value) {
  static_assert(sizeof(wchar_t) == 2, "wide texts are UTF-16");
  if (Value.size() > 0x3FFFFFFF) throw EWriteError("Stream write error");
  WriteValue(TValueType::vaWString);
  const auto length = static_cast<std::uint32_t>(Value.size());
  WriteBytes(&length, 4);
  WriteBytes(Value.data(), Value.size() * 2);
}

void TWriter::WriteIdent(const std::string& Value) {
  WriteValue(TValueType::vaIdent);
  WriteShortStr(Value);
}

void TWriter::WriteComponent(TComponent* Component) {
  WriteBytes(kRecordSignature, sizeof kRecordSignature);
  WriteShortStr(Component->ClassName());
  WriteShortStr(Component->Name());
  prefix_.clear();
  WriteProperties(Component);
  WriteListEnd();  // the properties
  WriteListEnd();  // the children: records carry none
}

void TWriter::WriteProperties(TPersistent* Instance) {
  TStoredProperties list;
  Instance->ListStoredProperties(list);
  for (const TPropInfo& info : list.Items()) {
    if (!info.stored) continue;
    switch (info.kind) {
      case TPropKind::Integer:
      case TPropKind::Boolean:
      case TPropKind::Enumeration:
      case TPropKind::Set: {
        const std::int64_t value = info.getOrdinal(Instance);
        if (info.defaultValue && *info.defaultValue == value) break;
        WritePropName(info.name);
        if (info.kind == TPropKind::Integer) {
          WriteInteger(value);
        } else if (info.kind == TPropKind::Boolean) {
          WriteBoolean(value != 0);
        } else if (info.kind == TPropKind::Enumeration) {
          if (value < 0 || static_cast<std::size_t>(value) >= info.valueNames.size()) {
            throw EWriteError("Value out of range for " + prefix_ + info.name);
          }
          WriteIdent(info.valueNames[static_cast<std::size_t>(value)]);
        } else {
          WriteValue(TValueType::vaSet);
          for (std::size_t bit = 0; bit < info.valueNames.size() && bit < 64; ++bit) {
            if ((static_cast<std::uint64_t>(value) >> bit) & 1u) WriteShortStr(info.valueNames[bit]);
          }
          WriteShortStr(std::string());
        }
        break;
      }
      case TPropKind::Float: {
        const double value = info.getFloat(Instance);
        if (value == 0.0) break;
        WritePropName(info.name);
        WriteFloat(value);
        break;
      }
      case TPropKind::Text: {
        const std::string value = info.getText(Instance);
        if (value.empty()) break;
        WritePropName(info.name);
        WriteString(value);
        break;
      }
      case TPropKind::Object: {
        TPersistent* nested = info.getObject(Instance);
        if (nested == nullptr) break;
        PrefixScope scope(prefix_, info.name);
        WriteProperties(nested);
        break;
      }
      case TPropKind::Component: {
        TComponent* target = info.getComponent(Instance);
        if (target == nullptr || target->Name().empty()) break;
        WritePropName(info.name);
        const TComponent* owner = target->Owner();
        WriteIdent(owner != nullptr && !owner->Name().empty() ? owner->Name() + "." + target->Name()
                                                              : target->Name());
        break;
      }
    }
  }
  Instance->DefineProperties(this);
}

void TWriter::DefineProperty(const std::string& Name, const std::function<void(TReader*)>&,
                             const std::function<void(TWriter*)>& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, const std::function<void(TStream*)>&,
                                   const std::function<void(TStream*)>& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteValue(TValueType::vaBinary);
  // The length goes in front: write a placeholder, the data, then the length.
  const std::int64_t at = Stream()->Position();
  const std::uint32_t placeholder = 0;
  WriteBytes(&placeholder, 4);
  WriteData(Stream());
  const std::int64_t end = Stream()->Position();
  const std::int64_t length = end - at - 4;
  if (length < 0 || length > 0x7FFFFFFF) throw EWriteError("Stream write error");
  const auto size = static_cast<std::uint32_t>(length);
  Stream()->SetPosition(at);
  WriteBytes(&size, 4);
  Stream()->SetPosition(end);
}

}  // namespace fw
