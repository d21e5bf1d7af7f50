// TPersistent: objects that can copy their state from another object with Assign.
#pragma once

#include "framework/classes/object.h"

namespace fw {

class TFiler;
class TStoredProperties;

class TPersistent : public TObject {
 public:
  // Copies Source's state; a class that cannot takes the other way round (Source->AssignTo(this)); when
  // neither can, EConvertError "Cannot assign a %s to a %s".
  virtual void Assign(TPersistent* Source);
  // The object this one belongs to (a collection for its items, an owner for a component), or null.
  virtual TPersistent* GetOwner() const { return nullptr; }

  // The stored properties of the class, its base's first (stored_properties.h).
  virtual void ListStoredProperties(TStoredProperties& List) const { (void)List; }
  // Values the class stores itself, defined through Filer->DefineProperty / DefineBinaryProperty.
  virtual void DefineProperties(TFiler* Filer) { (void)Filer; }

 protected:
  virtual void AssignTo(TPersistent* Dest);
  [[noreturn]] void AssignError(TPersistent* Source);
};

}  // namespace fw
