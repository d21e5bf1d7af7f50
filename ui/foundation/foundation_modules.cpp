#include "ui/foundation/foundation_modules.h"

#include "framework/startup/modules.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_picture_formats.h"
#include "ui/foundation/gdiplus_startup.h"
#include "ui/foundation/theme_library.h"

namespace ui {

void RegisterFoundationModules() {
  fw::Modules().Register({"GDI+", &StartGdiplus, &StopGdiplus});
  fw::Modules().Register({"GDI+ Fill clipboard format", &RegisterGDIPFillClipboardFormat, nullptr});
  fw::Modules().Register({"Theme library", &BindThemeLibrary, &FreeThemeLibrary});
  fw::Modules().Register({"GDI+ picture formats", &RegisterGDIPPictureFormats, nullptr});
}

}  // namespace ui
