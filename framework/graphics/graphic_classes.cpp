#include "framework/graphics/graphic_classes.h"

#include "framework/classes/class_registry.h"
#include "framework/graphics/bitmap.h"

namespace fw {

void RegisterGraphicClasses() { RegisterPersistentClass<TBitmap>("TBitmap"); }

}  // namespace fw
