#include "boardapi/api/process_exit.h"

#include <atomic>

namespace {
std::atomic<bool> processExiting{false};
}

void NoteProcessExiting() { processExiting = true; }

bool ProcessIsExiting() { return processExiting; }
