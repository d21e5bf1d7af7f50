#pragma once
// The Unicode window's start/stop pair for the framework's module start-up: the window-property atom of
// the traps (wide_window_trap.h), added at start and deleted at the end. Whoever makes Unicode edits or
// combo boxes calls this before the modules start (after the framework's own registration).
namespace ui {

void RegisterUnicodeWindowModules();

}  // namespace ui
