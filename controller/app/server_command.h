// Send_Server_Message of the main form: the command translation for the selected aircraft, as a service
// so that tests can watch the commands the program sends.
#pragma once

#include <string>

#include "framework/services/service.h"

namespace trelvik {

extern fw::Service<void(const std::string&)> SendServerCommand;

}  // namespace trelvik
