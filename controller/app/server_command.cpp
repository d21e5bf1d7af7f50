#include "controller/app/server_command.h"

#include "controller/aircraft/command_translation.h"

namespace trelvik {

namespace {

void ProductionSend(const std::string& command) { aircraft::SendServerMessage(command); }

}  // namespace

constinit fw::Service<void(const std::string&)> SendServerCommand{&ProductionSend};

}  // namespace trelvik
