#include "net_test_support.h"

#include <chrono>

namespace net_test {

namespace {
// The stop flag of the peer whose script runs on this thread.
thread_local const std::atomic<bool>* peerStopping = nullptr;
}  // namespace

void EnsurePeerWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}

std::string RecvExactly(SOCKET s, std::size_t count, std::uint32_t timeoutMs) {
  const DWORD timeout = timeoutMs;
  setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
  std::string data;
  char buffer[4096];
  while (data.size() < count) {
    const int want = static_cast<int>(std::min(sizeof(buffer), count - data.size()));
    const int got = recv(s, buffer, want, 0);
    if (got <= 0) break;
    data.append(buffer, static_cast<std::size_t>(got));
  }
  return data;
}

void SendAll(SOCKET s, const std::string& data) {
  std::size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

std::string ReceiveUntilClosed(SOCKET s, std::uint32_t timeoutMs) {
  std::string data;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs && !(peerStopping != nullptr && peerStopping->load())) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    timeval wait{0, 20000};
    if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;
    char buffer[1024];
    const int got = recv(s, buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    data.append(buffer, static_cast<std::size_t>(got));
  }
  return data;
}

void ResetClose(SOCKET s) {
  linger hard{};
  hard.l_onoff = 1;
  hard.l_linger = 0;
  setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof(hard));
  closesocket(s);
}

LoopbackPeer::LoopbackPeer(Script script) {
  EnsurePeerWinsock();
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  int length = sizeof(address);
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  listen(listener_, 1);
  thread_ = std::thread([this, script = std::move(script)] {
    SOCKET connection = accept(listener_, nullptr, nullptr);
    if (connection != INVALID_SOCKET) {
      peerStopping = &stopping_;
      script(connection);
      if (connection != INVALID_SOCKET) closesocket(connection);
    }
    done_ = true;
  });
}

bool LoopbackPeer::Join(std::uint32_t timeoutMs) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done_ && std::chrono::steady_clock::now() < until) Sleep(5);
  return done_;
}

LoopbackPeer::~LoopbackPeer() {
  // Closing the listener ends an accept that never got a connection.
  stopping_ = true;
  closesocket(listener_);
  if (!Join(10000)) {
    thread_.detach();
    return;
  }
  thread_.join();
}

}  // namespace net_test
