// Module start-up: the libraries that must be started before the first form and stopped after the last
// (GDI+, the theme library, the menu-animation setting, the socket locks, ...) register a start/stop pair
// here. The program and every test executable's main run the whole list in the order of registration
// before any form exists, and stop it in reverse when the last form is gone.
//
// Nothing runs in static constructors or destructors: a library offers a registration function and the
// program's (or test's) main calls it before StartModules.
#pragma once

#include <string>
#include <vector>

namespace fw {

struct ModuleEntry {
  std::string Name;
  void (*Start)() = nullptr;  // may be null
  void (*Stop)() = nullptr;   // may be null
};

class TModuleList {
 public:
  // Adds a pair at the end; a name registered before is ignored, so two libraries may register a module
  // they share. Registering while the list runs raises EInvalidOperation.
  void Register(const ModuleEntry& entry);
  bool IsRegistered(const std::string& name) const;
  // Starts every pair not started yet, in order. When a start raises, the ones already started are
  // stopped in reverse and the exception goes on.
  void StartAll();
  // Stops the started pairs in reverse order; a stop that raises does not keep the others from stopping
  // (the first exception goes on after all have run).
  void StopAll();
  bool Started() const { return started_ > 0; }
  // Forgets every pair (only when stopped): lets a test build a list of its own.
  void Clear();
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<ModuleEntry> entries_;
  size_t started_ = 0;
  bool running_ = false;
};

// The process's list.
TModuleList& Modules();

// Registers the framework's own pairs (the system locale); the program and the test main call it first.
void RegisterFrameworkModules();

// Starts the process's list for its lifetime: construct at the top of main, before the first form.
class ModulesRunning {
 public:
  ModulesRunning() { Modules().StartAll(); }
  ~ModulesRunning() {
    try {
      Modules().StopAll();
    } catch (...) {
    }
  }
  ModulesRunning(const ModulesRunning&) = delete;
  ModulesRunning& operator=(const ModulesRunning&) = delete;
};

}  // namespace fw
