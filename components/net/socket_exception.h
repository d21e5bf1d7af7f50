// The exception the socket components raise when no OnError handler takes an error.
#pragma once

#include "framework/rtl/exceptions.h"

namespace net {

class ESocketException : public fw::Exception {
 public:
  using Exception::Exception;
};

}  // namespace net
