#include "ui/dropdown/unicode_window_modules.h"

#include "framework/startup/modules.h"
#include "ui/dropdown/wide_window_trap.h"

namespace ui {

void RegisterUnicodeWindowModules() {
  fw::Modules().Register({"Unicode window trap", &StartWideWindowModule, &StopWideWindowModule});
}

}  // namespace ui
