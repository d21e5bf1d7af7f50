#include "boardapi/base/process_exit.h"

#include <atomic>

namespace {
std::atomic<bool> unloading{false};
std::atomic<bool> processExiting{false};
}  // namespace

void NoteUnloading(bool exiting) {
  processExiting = exiting;
  unloading = true;
}

bool LibraryIsUnloading() { return unloading; }

bool ProcessIsExiting() { return processExiting; }
