#pragma once
// The toolkit foundation's start/stop pairs for the framework's module start-up: GDI+ (started before the
// first form, shut down after the last), the "GDI+ Fill" clipboard format (registered at start), the
// theme library (bound at start, freed at the end) and the GDI+ picture's formats (JPEG, PNG, GIF, TIFF)
// registered with the framework's pictures at start. The program's main and the test mains call this after
// the framework's own registration.
namespace ui {

void RegisterFoundationModules();

}  // namespace ui
