#include "sim/channel/control_pipe.h"

#include <windows.h>

#include <memory>
#include <sstream>

namespace simchannel {

namespace {

constexpr DWORD kBufferBytes = 64 * 1024;

struct Server {
  std::string path;
  RequestHandler handler;
};

// Answers one connected client: reads its request, writes the handler's reply.
void AnswerClient(HANDLE pipe, const Server& server) {
  std::string request(kBufferBytes, '\0');
  DWORD read = 0;
  if (!ReadFile(pipe, request.data(), kBufferBytes, &read, nullptr)) return;
  request.resize(read);
  std::string reply;
  try {
    reply = server.handler(request);
  } catch (const std::exception& error) {
    reply = std::string("error ") + error.what();
  } catch (...) {
    reply = "error unknown";
  }
  if (reply.size() > kBufferBytes) reply.resize(kBufferBytes);
  DWORD written = 0;
  WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size()), &written, nullptr);
  FlushFileBuffers(pipe);
}

// The server's thread: one pipe instance at a time, for the life of the process.
DWORD WINAPI Serve(void* parameter) {
  const std::unique_ptr<Server> server(static_cast<Server*>(parameter));
  for (;;) {
    const HANDLE pipe = CreateNamedPipeA(server->path.c_str(), PIPE_ACCESS_DUPLEX,
                                         PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                                         PIPE_UNLIMITED_INSTANCES, kBufferBytes, kBufferBytes, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) {
      Sleep(100);  // nothing to serve with; try again rather than end the control for good
      continue;
    }
    if (ConnectNamedPipe(pipe, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED) AnswerClient(pipe, *server);
    DisconnectNamedPipe(pipe);
    CloseHandle(pipe);
  }
}

}  // namespace

std::string PipePath(const std::string& name) { return "\\\\.\\pipe\\" + name; }

bool ServeControlPipe(const std::string& name, RequestHandler handler) {
  auto server = std::make_unique<Server>(Server{PipePath(name), std::move(handler)});
  const HANDLE thread = CreateThread(nullptr, 0, &Serve, server.get(), 0, nullptr);
  if (thread == nullptr) return false;
  server.release();  // the thread owns it now
  CloseHandle(thread);
  return true;
}

std::optional<std::string> CallControlPipe(const std::string& name, const std::string& request, unsigned timeoutMs) {
  // Until the server has made its pipe the call fails at once; it is tried again until the time is up. The
  // server's handlers bound their own waits, so an answered call ends.
  const std::string path = PipePath(name);
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    std::string reply(kBufferBytes, '\0');
    DWORD read = 0;
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 1;
    if (CallNamedPipeA(path.c_str(), const_cast<char*>(request.data()), static_cast<DWORD>(request.size()),
                       reply.data(), kBufferBytes, &read, left)) {
      reply.resize(read);
      return reply;
    }
    if (GetTickCount64() >= deadline) return std::nullopt;
    Sleep(20);
  }
}

std::vector<std::string> RequestWords(const std::string& request) {
  std::vector<std::string> words;
  std::istringstream in(request);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

}  // namespace simchannel
