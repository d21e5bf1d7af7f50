#include "framework/startup/modules.h"

#include <exception>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/syslocale.h"
#include "framework/graphics/graphic_classes.h"

namespace fw {

void TModuleList::Register(const ModuleEntry& entry) {
  if (started_ > 0 || running_) throw EInvalidOperation("Modules cannot be registered while they run");
  if (IsRegistered(entry.Name)) return;
  entries_.push_back(entry);
}

bool TModuleList::IsRegistered(const std::string& name) const {
  for (const ModuleEntry& e : entries_) {
    if (e.Name == name) return true;
  }
  return false;
}

void TModuleList::StartAll() {
  running_ = true;
  try {
    while (started_ < entries_.size()) {
      const ModuleEntry& entry = entries_[started_];
      if (entry.Start) entry.Start();
      ++started_;
    }
  } catch (...) {
    running_ = false;
    try {
      StopAll();
    } catch (...) {
    }
    throw;
  }
  running_ = false;
}

void TModuleList::StopAll() {
  std::exception_ptr first;
  running_ = true;
  while (started_ > 0) {
    --started_;
    const ModuleEntry& entry = entries_[started_];
    try {
      if (entry.Stop) entry.Stop();
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  running_ = false;
  if (first) std::rethrow_exception(first);
}

void TModuleList::Clear() {
  if (started_ > 0) throw EInvalidOperation("Modules cannot be forgotten while they run");
  entries_.clear();
}

TModuleList& Modules() {
  static TModuleList list;
  return list;
}

void RegisterFrameworkModules() {
  Modules().Register({"System locale", &ReadSysLocale, nullptr});
  Modules().Register({"Graphic classes", &RegisterGraphicClasses, nullptr});
}

}  // namespace fw
