#include "framework/classes/class_registry.h"

#include <map>
#include <mutex>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/textutils.h"

namespace fw {

namespace {

struct Registry {
  std::mutex lock;
  std::map<std::string, TClassFactory> classes;  // by upper-case name
};

Registry& Classes() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterClassFactory(const std::string& Name, TClassFactory Factory) {
  Registry& registry = Classes();
  std::lock_guard<std::mutex> guard(registry.lock);
  registry.classes[UpperCase(Name)] = std::move(Factory);
}

void UnRegisterClass(const std::string& Name) {
  Registry& registry = Classes();
  std::lock_guard<std::mutex> guard(registry.lock);
  registry.classes.erase(UpperCase(Name));
}

const TClassFactory* GetClass(const std::string& Name) {
  Registry& registry = Classes();
  std::lock_guard<std::mutex> guard(registry.lock);
  const auto found = registry.classes.find(UpperCase(Name));
  return found == registry.classes.end() ? nullptr : &found->second;
}

const TClassFactory& FindClass(const std::string& Name) {
  const TClassFactory* factory = GetClass(Name);
  if (factory == nullptr) throw EClassNotFound("Class " + Name + " not found");
  return *factory;
}

TPersistent* CreateRegisteredObject(const std::string& Name, TComponent* Owner) { return FindClass(Name)(Owner); }

}  // namespace fw
