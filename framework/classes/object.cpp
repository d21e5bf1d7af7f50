#include "framework/classes/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "framework/rtl/exceptions.h"

namespace fw {

std::string TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                              &std::free);
  const std::string name = status == 0 && demangled ? demangled.get() : mangled;
  // The part after the last scope operator outside template arguments.
  std::size_t start = 0;
  int depth = 0;
  for (std::size_t i = 0; i + 1 < name.size(); ++i) {
    if (name[i] == '<') ++depth;
    if (name[i] == '>') --depth;
    if (depth == 0 && name[i] == ':' && name[i + 1] == ':') start = i + 2;
  }
  return name.substr(start);
}

void RaiseInvalidCast() { throw EInvalidCast("Invalid class typecast"); }

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

}  // namespace fw
