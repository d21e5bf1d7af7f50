// Test tools for the socket components: a message pump with a deadline and a plain-Winsock loopback peer
// on a thread of its own.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace net_test {

// Dispatches the thread's messages until done() holds or timeoutMs passed; returns done().
inline bool PumpUntil(const std::function<bool()>& done, std::uint32_t timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return done();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// Dispatches whatever arrives within ms (for checking that nothing more happens).
inline void PumpFor(std::uint32_t ms) {
  PumpUntil([] { return false; }, ms);
}

// Plain blocking Winsock on the test's side, started once for the test program.
void EnsurePeerWinsock();

// Receives exactly count bytes (or until the peer closes or timeoutMs passes).
std::string RecvExactly(SOCKET s, std::size_t count, std::uint32_t timeoutMs = 5000);
void SendAll(SOCKET s, const std::string& data);
// In a peer's script: receives (and returns) whatever comes until the client closes the connection, the
// peer is being destroyed or timeoutMs passed.
std::string ReceiveUntilClosed(SOCKET s, std::uint32_t timeoutMs = 5000);
// Closes with a reset instead of an orderly shutdown.
void ResetClose(SOCKET s);

// A listening socket on 127.0.0.1 with an ephemeral port. Script runs on the peer's thread with the
// accepted connection; the connection is closed when the script returns (unless it closed it itself and
// set the socket to INVALID_SOCKET). Destroying the peer ends a script waiting in ReceiveUntilClosed.
class LoopbackPeer {
 public:
  using Script = std::function<void(SOCKET& connection)>;
  explicit LoopbackPeer(Script script);
  ~LoopbackPeer();
  LoopbackPeer(const LoopbackPeer&) = delete;
  LoopbackPeer& operator=(const LoopbackPeer&) = delete;

  std::uint16_t Port() const { return port_; }
  std::string PortText() const { return std::to_string(port_); }
  bool Done() const { return done_.load(); }
  // Waits (bounded) for the script to end.
  bool Join(std::uint32_t timeoutMs = 5000);

 private:
  SOCKET listener_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
  std::atomic<bool> done_{false};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace net_test
