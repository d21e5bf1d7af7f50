// Opening a document or address with the shell ("open", normal window), as an anchor of an Office-style
// button does. A replaceable service, so tests never start a browser.
#pragma once

#include <string>

#include "framework/services/service.h"

namespace ui {

extern fw::Service<void(const std::string& Target)> ShellOpen;

}  // namespace ui
