#pragma once
// The toolkit foundation's start/stop pairs for the framework's module start-up: GDI+ (started before the
// first form, shut down after the last), the "GDI+ Fill" clipboard format (registered at start) and the
// theme library (bound at start, freed at the end). The program's main and the test mains call this after
// the framework's own registration.
namespace ui {

void RegisterFoundationModules();

}  // namespace ui
