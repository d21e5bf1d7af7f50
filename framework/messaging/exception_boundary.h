#pragma once
// Where exceptions stop: window procedures, timers and callbacks catch everything and call
// HandleException from inside their catch block, so nothing ever unwinds into Win32. The application
// installs its exception handler here; without one the exception's message is shown in a message box.
#include <exception>
#include <functional>
#include <string>

#include "framework/classes/object.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// Hands the exception being handled to the installed handler. Never throws.
void HandleException(TObject* Sender) noexcept;

using TExceptionBoundaryHandler = std::function<void(TObject* Sender)>;
// Installs handler (called inside the catch block) and returns the one it replaces.
TExceptionBoundaryHandler SetExceptionBoundaryHandler(TExceptionBoundaryHandler handler);

// Calls handle with the exception being handled as an Exception (exceptions of other types are given as
// an Exception with their text). Call it only inside a catch block.
template <class Handle>
void WithCurrentException(Handle&& handle) {
  try {
    throw;
  } catch (Exception& e) {
    handle(e);
  } catch (const std::exception& e) {
    Exception wrapped(e.what());
    handle(wrapped);
  } catch (...) {
    Exception wrapped("Unknown exception");
    handle(wrapped);
  }
}

// Shows an exception's message in an error message box titled caption.
void ShowExceptionMessage(const std::string& caption, const Exception& E);

}  // namespace fw
