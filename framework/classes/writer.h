// TWriter: writes component records and tagged values at its stream's position.
//
// WriteComponent writes one record: the signature, the class name, the component name (may be empty), the
// stored properties (and those its nested objects and DefineProperties add) each as name and value, and two
// list ends (the properties' and the, always empty, list of children). A property is left out when it is
// not stored, equals its default, is an empty text, a float of 0 or a null or unnamed reference.
#pragma once

#include <cstdint>
#include <string>

#include "framework/classes/filer.h"

namespace fw {

class TComponent;
class TPersistent;

class TWriter : public TFiler {
 public:
  explicit TWriter(TStream* Stream) : TFiler(Stream) {}

  void WriteComponent(TComponent* Component);

  void DefineProperty(const std::string& Name, const std::function<void(TReader*)>& ReadData,
                      const std::function<void(TWriter*)>& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const std::function<void(TStream*)>& ReadData,
                            const std::function<void(TStream*)>& WriteData, bool HasData) override;

  // Values, for DefineProperty handlers.
  void WriteListBegin() { WriteValue(TValueType::vaList); }
  void WriteListEnd() { WriteValue(TValueType::vaNull); }
  // The smallest of the 8-, 16- and 32-bit forms (64 bits only beyond 32).
  void WriteInteger(std::int64_t Value);
  void WriteBoolean(bool Value) { WriteValue(Value ? TValueType::vaTrue : TValueType::vaFalse); }
  void WriteFloat(double Value);
  // 8-bit text: vaString up to 255 bytes, vaLString beyond.
  void WriteString(const std::string& Value);
  void WriteWideString(const std::wstring& Value);
  void WriteIdent(const std::string& Value);

 private:
  void WriteValue(TValueType type);
  void WriteBytes(const void* data, std::size_t count);
  void WriteShortStr(const std::string& text);
  void WritePropName(const std::string& name) { WriteShortStr(prefix_ + name); }
  void WriteProperties(TPersistent* Instance);

  std::string prefix_;  // "Object." while a nested object's properties are written
};

}  // namespace fw
