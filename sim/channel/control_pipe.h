// A line of control between a test tool and a simulator living in another process: the simulator serves a
// named pipe, each connection carries one request line and gets one reply line. The handler runs on the
// server's own thread, one request at a time; it must bound every wait of its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace simchannel {

using RequestHandler = std::function<std::string(const std::string& request)>;

// "\\.\pipe\<name>".
std::string PipePath(const std::string& name);

// Starts serving the pipe for the rest of the process; false when the thread could not start. The module
// holding the handler must stay loaded for as long (the simulators pin themselves).
bool ServeControlPipe(const std::string& name, RequestHandler handler);

// One request: the reply, or nothing when no server answered within timeoutMs or the pipe broke.
std::optional<std::string> CallControlPipe(const std::string& name, const std::string& request, unsigned timeoutMs);

// The words of a request line, split at spaces.
std::vector<std::string> RequestWords(const std::string& request);

}  // namespace simchannel
