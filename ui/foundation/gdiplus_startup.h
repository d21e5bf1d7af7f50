#pragma once
// GDI+ for the whole program: started once before the first form and shut down after the last, through
// the framework's module start-up (never from a static constructor).
namespace ui {

// Starts GDI+ (version 1, no background thread, external codecs allowed); a second call does nothing.
void StartGdiplus();
// Shuts GDI+ down again; does nothing when it is not started.
void StopGdiplus();
bool GdiplusStarted();

}  // namespace ui
