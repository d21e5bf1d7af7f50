// A TNetSocket whose events are recorded as text, in the order they fire.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/net/net_socket.h"
#include "net_test_support.h"

namespace net_test {

inline const char* StateName(net::TSocketState state) {
  static const char* const names[] = {"Invalid", "Opened",    "Bound",     "Connecting", "SocksConnected",
                                      "Connected", "Accepting", "Listening", "Closed"};
  return names[state];
}

class SocketFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    socket_ = new net::TNetSocket(nullptr);
    socket_->OnChangeState = [this](fw::TObject*, net::TSocketState from, net::TSocketState to) {
      events_.push_back(std::string("state ") + StateName(from) + ">" + StateName(to));
    };
    socket_->OnSessionConnected = [this](fw::TObject*, std::uint16_t error) {
      events_.push_back("connected " + std::to_string(error));
    };
    socket_->OnSessionClosed = [this](fw::TObject*, std::uint16_t error) {
      events_.push_back("closed " + std::to_string(error));
    };
  }
  void TearDown() override {
    if (socket_ != nullptr) socket_->Free();
  }

  // Connects to the peer and pumps until the connection is reported (it may be gone again already when the
  // peer closes at once).
  void ConnectTo(const LoopbackPeer& peer) {
    socket_->SetAddr("127.0.0.1");
    socket_->SetPort(peer.PortText());
    socket_->Connect();
    ASSERT_TRUE(PumpUntil([&] { return CountPrefix("connected") > 0; }));
  }

  int Count(const std::string& event) const {
    int count = 0;
    for (const auto& e : events_) count += e == event;
    return count;
  }
  int CountPrefix(const std::string& prefix) const {
    int count = 0;
    for (const auto& e : events_) count += e.rfind(prefix, 0) == 0;
    return count;
  }

  net::TNetSocket* socket_ = nullptr;
  std::vector<std::string> events_;
};

}  // namespace net_test
