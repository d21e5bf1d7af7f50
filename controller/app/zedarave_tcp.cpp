// The main form's TCP client events: the announcement on connecting, the records cut from the received
// bytes, and the one command record, which ends the companion program and this program. GUI thread only
// (the socket delivers its events as window messages).
#include <exception>

#include "components/net/net_socket.h"
#include "controller/app/process_killer.h"
#include "controller/app/server_command.h"
#include "controller/app/zedarave.h"
#include "framework/forms/application.h"

namespace trelvik {

void TZedArave::Update_StructureSessionConnected(std::uint16_t) { SendServerCommand("DEDIZORI_CLIENT=255"); }

void TZedArave::Update_StructureError() {}

void TZedArave::Update_StructureDataAvailable(std::uint16_t) {
  try {
    tcp_reader.DataAvailable([this](void* buffer, std::int32_t size) { return Update_Structure->Receive(buffer, size); },
                             [this](const TcpRecord& record) {
                               tcp_record = record;
                               process_single_updates();
                             });
  } catch (const std::exception& e) {
    ShowMessage(e.what());
  }
}

void TZedArave::process_single_updates() {
  if (TcpRecordText(tcp_record) != "KILL_ZEDARAVE") return;
  KillTask("TCP_CLIENT.exe");
  // The loop ends and the shut-down runs without the close question.
  if (fw::Application != nullptr) fw::Application->Terminate();
}

}  // namespace trelvik
