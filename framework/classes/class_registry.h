// The class registry: classes known by name, so a stream that names a class can make an object of it (a
// picture's stored form names its graphic's class). Objects are made with Create<T>, so
// AfterConstruction runs; components are made with the owner the caller gives.
#pragma once

#include <functional>
#include <string>

#include "framework/classes/component.h"
#include "framework/classes/object.h"

namespace fw {

class TPersistent;

using TClassFactory = std::function<TPersistent*(TComponent* Owner)>;

// Registers (or replaces) the factory for Name, which matches ignoring case.
void RegisterClassFactory(const std::string& Name, TClassFactory Factory);
void UnRegisterClass(const std::string& Name);
// Null when the name is not registered.
const TClassFactory* GetClass(const std::string& Name);
// EClassNotFound "Class <name> not found" when the name is not registered.
const TClassFactory& FindClass(const std::string& Name);
TPersistent* CreateRegisteredObject(const std::string& Name, TComponent* Owner = nullptr);

// Registers T under Name (its class name). (Not RegisterClass: windows.h makes that a macro.)
template <class T>
void RegisterPersistentClass(const std::string& Name) {
  RegisterClassFactory(Name, [](TComponent* Owner) -> TPersistent* {
    if constexpr (std::is_base_of_v<TComponent, T>) {
      return Create<T>(Owner);
    } else {
      (void)Owner;
      return Create<T>();
    }
  });
}

}  // namespace fw
