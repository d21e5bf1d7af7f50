// The 737 add-on's data area as the end-to-end tests feed it through the SimConnect.dll stand-in, byte by
// byte.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sim/run/flight.h"

namespace e2e {

class Area737 {
 public:
  Area737() : bytes_(668, 0) {}
  Area737& Powered(bool on) {
    for (std::size_t bus = 101; bus <= 104; ++bus) bytes_[bus] = on ? 0 : 1;  // powered while any bus reads 0
    return *this;
  }
  Area737& Word(std::size_t at, std::uint16_t value) { return Put(at, value); }
  Area737& Speed(float knots) { return Put(260, knots); }
  Area737& Flag(std::size_t at, bool on) {
    bytes_[at] = on ? 1 : 0;
    return *this;
  }
  std::string Request() const { return trelvikrun::ClientDataRequest("ORVA_QTX_Data", bytes_); }

 private:
  template <class Value>
  Area737& Put(std::size_t at, Value value) {
    std::memcpy(bytes_.data() + at, &value, sizeof value);
    return *this;
  }
  std::vector<std::uint8_t> bytes_;
};

}  // namespace e2e
