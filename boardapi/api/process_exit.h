// Whether the library is being unloaded because the process is ending. Then the other threads are already
// gone and their locks may be orphaned, so teardown must neither wait for threads nor take their locks.
#pragma once

void NoteProcessExiting();
bool ProcessIsExiting();
