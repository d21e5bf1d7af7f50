// How the library is being unloaded. Inside the unload the loader lock is held, so no thread can end and
// waits for threads must be bounded; when the process is ending the other threads are already gone and their
// locks may be orphaned, so teardown is skipped altogether.
#pragma once

void NoteUnloading(bool processExiting);
bool LibraryIsUnloading();
bool ProcessIsExiting();
