#include "framework/classes/persistent.h"

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

void TPersistent::Assign(TPersistent* Source) {
  if (Source == nullptr) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
  const std::string sourceName = Source != nullptr ? Source->ClassName() : "nil";
  throw EConvertError(Format("Cannot assign a %s to a %s", sourceName, ClassName()));
}

}  // namespace fw
