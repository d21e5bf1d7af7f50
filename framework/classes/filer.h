// TFiler: what TWriter and TReader share. Records of the component stream are built from tagged values;
// the byte encoding is described in docs/ARCHITECTURE.md ("Component records") and must stay stable, as
// the grid's cell stream and clipboard format are made of it.
//
// DefineProperty / DefineBinaryProperty let a class store values of its own from DefineProperties: the
// writer writes the property (under the path of the object being written) when HasData is true; the reader
// calls the read handler when the stream's property has that name.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/classes/object.h"

namespace fw {

class TStream;
class TReader;
class TWriter;

// The tag byte in front of every value.
enum class TValueType : std::uint8_t {
  vaNull = 0,      // end of a list
  vaList = 1,      // values up to a vaNull
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaDouble = 5,    // IEEE 754 binary64, little-endian
  vaString = 6,    // 8-bit text, length byte
  vaIdent = 7,     // an enumeration value name or component reference, length byte
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,   // 32-bit length, then the bytes
  vaSet = 11,      // element names, each with a length byte, up to an empty one
  vaLString = 12,  // 8-bit text, 32-bit length
  vaNil = 13,
  vaWString = 14,  // UTF-16 text, 32-bit count of code units
  vaInt64 = 15,
};

// The four bytes in front of every component record.
inline constexpr char kRecordSignature[4] = {'T', 'V', 'C', '1'};

class TFiler : public TObject {
 public:
  explicit TFiler(TStream* Stream) : stream_(Stream) {}
  TStream* Stream() const { return stream_; }

  virtual void DefineProperty(const std::string& Name, const std::function<void(TReader*)>& ReadData,
                              const std::function<void(TWriter*)>& WriteData, bool HasData) = 0;
  virtual void DefineBinaryProperty(const std::string& Name, const std::function<void(TStream*)>& ReadData,
                                    const std::function<void(TStream*)>& WriteData, bool HasData) = 0;

 private:
  TStream* stream_;
};

}  // namespace fw
