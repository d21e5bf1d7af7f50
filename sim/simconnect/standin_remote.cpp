#include "sim/simconnect/standin_remote.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "sim/channel/control_pipe.h"
#include "sim/simconnect/standin_simulator.h"

namespace standin {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& bytes) {
  if (text.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigit(text[i]);
    const int low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return true;
}

// The text after the request's first word and its space.
std::string Rest(const std::string& request) {
  const std::size_t space = request.find(' ');
  return space == std::string::npos ? std::string() : request.substr(space + 1);
}

std::string Handle(const std::string& request) {
  const std::vector<std::string> words = simchannel::RequestWords(request);
  Simulator& simulator = Simulator::Instance();
  if (words.size() == 3 && words[0] == "data") {
    std::vector<std::uint8_t> bytes;
    if (!ParseHexBytes(words[2], bytes)) return "error data: bytes as hexadecimal pairs";
    simulator.SetClientData(words[1], bytes.data(), bytes.size());
    return "ok";
  }
  if (!words.empty() && words[0] == "aircraft") {
    simulator.SetAircraftLoaded(Rest(request));
    return "ok";
  }
  if (words.size() == 1 && words[0] == "simstart") {
    simulator.FireSimStart();
    return "ok";
  }
  if (words.size() == 2 && words[0] == "running") {
    simulator.SetSimulatorRunning(words[1] == "1");
    return "ok";
  }
  if (words.size() == 2 && words[0] == "eventtimes") {
    std::string reply = "ok";
    for (long long time : simulator.EventTimes(std::strtoull(words[1].c_str(), nullptr, 10))) {
      reply += " " + std::to_string(time);
    }
    return reply;
  }
  if (words.size() == 1 && words[0] == "quit") {
    simulator.SendQuit();
    return "ok";
  }
  return "error unknown request";
}

}  // namespace

void StartRemoteControlFromEnvironment() {
  char name[128];
  const DWORD length = GetEnvironmentVariableA(kControlVariable, name, sizeof name);
  if (length == 0 || length >= sizeof name) return;
  // The program frees SimConnect.dll at its end while the server's thread still runs in it.
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCSTR>(&StartRemoteControlFromEnvironment), &self);
  simchannel::ServeControlPipe(name, &Handle);
}

}  // namespace standin
