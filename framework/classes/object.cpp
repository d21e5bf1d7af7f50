#include "framework/classes/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace fw {

std::string TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                              &std::free);
  std::string name = status == 0 && demangled ? demangled.get() : mangled;
  const std::size_t scope = name.rfind("::");
  return scope == std::string::npos ? name : name.substr(scope + 2);
}

void TObject::Free() {
  BeforeDestruction();
  delete this;
}

}  // namespace fw
