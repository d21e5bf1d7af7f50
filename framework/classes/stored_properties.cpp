#include "framework/classes/stored_properties.h"

#include "framework/rtl/textutils.h"

namespace fw {

const TPropInfo* TStoredProperties::Find(const std::string& name) const {
  for (const TPropInfo& info : items_) {
    if (SameText(info.name, name)) return &info;
  }
  return nullptr;
}

TPropInfo& TStoredProperties::Add(std::string name, TPropKind kind) {
  TPropInfo& info = items_.emplace_back();
  info.name = std::move(name);
  info.kind = kind;
  return info;
}

}  // namespace fw
