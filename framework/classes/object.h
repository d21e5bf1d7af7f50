// TObject, the root of the framework's classes, and its two-phase construction.
//
// C++ does not dispatch virtual calls to a derived class from a base constructor, so behaviour that must
// run once the whole object exists lives in AfterConstruction. Create<T>(args...) constructs and then calls
// AfterConstruction; every framework object whose class overrides it is made with Create. Overrides call
// the inherited AfterConstruction first. Free() calls BeforeDestruction (still dispatching virtually) and
// then deletes the object.
#pragma once

#include <string>
#include <utility>

namespace fw {

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  // The class's own name without namespace ("TStringList").
  std::string ClassName() const;

  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}
  void Free();
};

template <class T, class... Args>
T* Create(Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  try {
    object->AfterConstruction();
  } catch (...) {
    delete object;
    throw;
  }
  return object;
}

// A checked downcast: null stays null, an object of another class raises EInvalidCast.
[[noreturn]] void RaiseInvalidCast();
template <class T>
T* As(TObject* object) {
  if (object == nullptr) return nullptr;
  T* cast = dynamic_cast<T*>(object);
  if (cast == nullptr) RaiseInvalidCast();
  return cast;
}

// Frees the object (if any) and clears the reference first, so no one sees a dangling pointer meanwhile.
template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  if (doomed != nullptr) doomed->Free();
}

}  // namespace fw
