#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "components/net/winsock_binding.h"
#include "socket_fixture.h"

namespace net_test {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string text;
  for (const int v : values) text += static_cast<char>(v);
  return text;
}

std::string PortBytes(std::uint16_t port) { return Bytes({port >> 8, port & 0xFF}); }

// A SOCKS proxy that answers from a script: each step takes a number of request bytes (recorded) and
// then sends its reply; a step that takes and sends nothing closes the connection. After the last step it
// keeps the connection until the client closes it.
struct ProxyStep {
  std::size_t expect;
  std::string reply;
};

class ScriptedProxy {
 public:
  explicit ScriptedProxy(std::vector<ProxyStep> steps)
      : peer_([this, steps = std::move(steps)](SOCKET& s) {
          for (const ProxyStep& step : steps) {
            if (step.expect == 0 && step.reply.empty()) return;
            if (step.expect > 0) {
              const std::string request = RecvExactly(s, step.expect, 3000);
              Record(request);
              if (request.size() < step.expect) return;
            }
            if (!step.reply.empty()) SendAll(s, step.reply);
          }
          const std::string rest = ReceiveUntilClosed(s);
          if (!rest.empty()) Record(rest);
        }) {}

  std::string PortText() const { return peer_.PortText(); }
  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
  }
  bool Join() { return peer_.Join(); }

 private:
  void Record(const std::string& request) {
    std::lock_guard<std::mutex> guard(lock_);
    requests_.push_back(request);
  }

  std::mutex lock_;
  std::vector<std::string> requests_;
  LoopbackPeer peer_;
};

const std::string kSocks5Success = Bytes({5, 0, 0, 1, 127, 0, 0, 1, 0x1F, 0x90});

class Socks : public SocketFixture {
 protected:
  void SetUp() override {
    SocketFixture::SetUp();
    socket_->OnSocksConnected = [this](fw::TObject*, std::uint16_t error) {
      events_.push_back("socks connected " + std::to_string(error));
    };
    socket_->OnSocksError = [this](fw::TObject*, std::int32_t error, const std::string& text) {
      events_.push_back("socks error " + std::to_string(error) + " " + text);
    };
    socket_->OnSocksAuthState = [this](fw::TObject*, net::TSocksAuthState state) {
      static const char* const names[] = {"begin", "ok", "refused", "unneeded"};
      events_.push_back(std::string("auth ") + names[state]);
    };
    socket_->OnChangeState = nullptr;
  }

  void ConnectThrough(ScriptedProxy& proxy, const std::string& level, const std::string& target = "localhost") {
    socket_->SetAddr(target);
    socket_->SetPort("8080");
    socket_->SetSocksServer("127.0.0.1");
    socket_->SetSocksPort(proxy.PortText());
    socket_->SetSocksLevel(level);
    socket_->Connect();
  }

  bool WaitForEvent(const std::string& prefix) {
    return PumpUntil([&] { return CountPrefix(prefix) > 0; });
  }
};

TEST_F(Socks, Socks5WithoutAuthenticationConnectsAndHandsOnTheBytesAfterTheReply) {
  ScriptedProxy proxy({{3, Bytes({5, 0})}, {5 + 9 + 2, kSocks5Success + "extra"}});
  std::string data;
  std::int32_t countBeforeReceive = -1;
  socket_->OnDataAvailable = [&](fw::TObject*, std::uint16_t) {
    countBeforeReceive = socket_->RcvdCount();
    char buffer[64];
    const int got = socket_->Receive(buffer, sizeof(buffer));
    if (got > 0) data.append(buffer, static_cast<std::size_t>(got));
  };
  // Once the request went out, notifications wait until the whole reply is there, so that the bytes after
  // it come in the same read (unless the receive loop that sent the request already read the reply).
  int sends = 0;
  socket_->OnSendData = [&](fw::TObject*, std::int32_t) {
    if (++sends == 2) socket_->Pause();
  };
  ConnectThrough(proxy, "5");
  ASSERT_TRUE(PumpUntil([&] { return sends == 2; }));
  const DWORD start = GetTickCount();
  u_long waiting = 0;
  while (countBeforeReceive == -1 && waiting < kSocks5Success.size() + 5 && GetTickCount() - start < 5000) {
    net::ws::ioctlsocket(socket_->HSocket(), FIONREAD, &waiting);
    Sleep(1);
  }
  ASSERT_TRUE(countBeforeReceive != -1 || waiting == kSocks5Success.size() + 5);
  socket_->Resume();
  ASSERT_TRUE(PumpUntil([&] { return data == "extra"; }));
  EXPECT_EQ(countBeforeReceive, 5);
  EXPECT_EQ(events_, (std::vector<std::string>{"socks connected 0", "connected 0"}));
  EXPECT_EQ(socket_->BoundAddr(), "127.0.0.1");
  EXPECT_EQ(socket_->BoundPort(), "8080");
  const auto requests = proxy.Requests();
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests[0], Bytes({5, 1, 0}));
  EXPECT_EQ(requests[1], Bytes({5, 1, 0, 3, 9}) + "localhost" + PortBytes(8080));
}

TEST_F(Socks, Socks5WithUserCodeAuthenticationReportsEachState) {
  ScriptedProxy proxy({{3, Bytes({5, 2})}, {3 + 4 + 6, Bytes({1, 0})}, {5 + 9 + 2, kSocks5Success}});
  socket_->SetSocksAuthentication(net::socksAuthenticateUsercode);
  socket_->SetSocksUsercode("user");
  socket_->SetSocksPassword("secret");
  ConnectThrough(proxy, "5");
  ASSERT_TRUE(WaitForEvent("connected"));
  EXPECT_EQ(events_, (std::vector<std::string>{"socks connected 0", "auth begin", "auth ok", "connected 0"}));
  const auto requests = proxy.Requests();
  ASSERT_GE(requests.size(), 3u);
  EXPECT_EQ(requests[0], Bytes({5, 1, 2}));
  EXPECT_EQ(requests[1], Bytes({1, 4}) + "user" + Bytes({6}) + "secret");
  EXPECT_EQ(requests[2], Bytes({5, 1, 0, 3, 9}) + "localhost" + PortBytes(8080));
}

TEST_F(Socks, Socks5ProxyChoosingNoAuthenticationAfterAnOffer) {
  ScriptedProxy proxy({{3, Bytes({5, 0})}, {5 + 9 + 2, kSocks5Success}});
  socket_->SetSocksAuthentication(net::socksAuthenticateUsercode);
  socket_->SetSocksUsercode("user");
  ConnectThrough(proxy, "5");
  ASSERT_TRUE(WaitForEvent("connected"));
  EXPECT_EQ(events_, (std::vector<std::string>{"socks connected 0", "auth unneeded", "connected 0"}));
}

TEST_F(Socks, FailuresAreReportedAsSocksErrorThenConnectedThenClosed) {
  const struct {
    std::vector<ProxyStep> script;
    net::TSocksAuthentication authentication;
    int code;
    std::string text;
  } cases[] = {
      {{{3, Bytes({4, 0})}}, net::socksNoAuthentication, 20002, "socks version error"},
      {{{3, Bytes({5, 0xFF})}}, net::socksNoAuthentication, 20003, "authentification method not acceptable"},
      {{{3, Bytes({5, 2})}, {3 + 1, Bytes({1, 1})}}, net::socksAuthenticateUsercode, 20015,
       "socks authentication failed"},
      {{{3, Bytes({5, 2})}, {3 + 1, Bytes({2, 0})}}, net::socksAuthenticateUsercode, 20002, "socks version error"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 1})}}, net::socksNoAuthentication, 20004, "general SOCKS server failure"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 2})}}, net::socksNoAuthentication, 20005, "connection not allowed by ruleset"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 3})}}, net::socksNoAuthentication, 20006, "network unreachable"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 4})}}, net::socksNoAuthentication, 20007, "host unreachable"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 5})}}, net::socksNoAuthentication, 20008, "connection refused"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 6})}}, net::socksNoAuthentication, 20009, "time to live expired"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 7})}}, net::socksNoAuthentication, 20010, "command not supported"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 8})}}, net::socksNoAuthentication, 20011, "address type not supported"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 9})}}, net::socksNoAuthentication, 20012, "unassigned error #9"},
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 0, 0, 4, 1, 2, 3})}}, net::socksNoAuthentication, 20011,
       "address type not supported"},
      // A reply announcing a bound name longer than the reply buffer can hold is refused at once.
      {{{3, Bytes({5, 0})}, {16, Bytes({5, 0, 0, 3, 200, 'a', 'b'})}}, net::socksNoAuthentication, 20001,
       "too much data availaible"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    events_.clear();
    ScriptedProxy proxy(c.script);
    socket_->SetSocksAuthentication(c.authentication);
    socket_->SetSocksUsercode(c.authentication == net::socksAuthenticateUsercode ? "u" : "");
    socket_->SetSocksPassword("");
    ConnectThrough(proxy, "5");
    ASSERT_TRUE(WaitForEvent("closed"));
    const std::string code = std::to_string(c.code);
    std::vector<std::string> expected{"socks connected 0"};
    if (c.authentication == net::socksAuthenticateUsercode && c.script.size() > 1) expected.push_back("auth begin");
    expected.push_back("socks error " + code + " " + c.text);
    expected.push_back("connected " + code);
    expected.push_back("closed " + code);
    EXPECT_EQ(events_, expected);
    EXPECT_EQ(socket_->State(), net::wsClosed);
  }
}

TEST_F(Socks, AProxyClosingDuringAuthenticationIsReportedAsRefused) {
  ScriptedProxy proxy({{3, Bytes({5, 2})}, {3 + 4, ""}, {0, ""}});
  socket_->SetSocksAuthentication(net::socksAuthenticateUsercode);
  socket_->SetSocksUsercode("user");
  ConnectThrough(proxy, "5");
  ASSERT_TRUE(WaitForEvent("closed"));
  EXPECT_EQ(events_, (std::vector<std::string>{"socks connected 0", "auth begin", "auth refused", "closed 0"}));
}

TEST_F(Socks, Socks4AndSocks4AConnectRequests) {
  const struct {
    const char* level;
    std::string request;
  } cases[] = {
      {"4", Bytes({4, 1}) + PortBytes(8080) + Bytes({127, 0, 0, 1}) + "uid" + Bytes({0})},
      {"4A", Bytes({4, 1}) + PortBytes(8080) + Bytes({0, 0, 0, 1}) + "uid" + Bytes({0}) + "localhost" + Bytes({0})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    events_.clear();
    ScriptedProxy proxy({{c.request.size(), Bytes({0, 0x5A, 0, 0, 0, 0, 0, 0})}});
    socket_->SetSocksUsercode("uid");
    ConnectThrough(proxy, c.level, c.level == std::string("4") ? "127.0.0.1" : "localhost");
    ASSERT_TRUE(WaitForEvent("connected"));
    EXPECT_EQ(events_, (std::vector<std::string>{"socks connected 0", "connected 0"}));
    const auto requests = proxy.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests[0], c.request);
    socket_->Close();
  }
}

TEST_F(Socks, Socks4RepliesMapToTheirErrors) {
  const struct {
    int reply;
    int code;
    std::string text;
  } cases[] = {
      {0x5B, 20016, "request rejected or failed"},
      {0x5C, 20008, "connection refused"},
      {0x5D, 20015, "authentification failed"},
      {0x42, 20012, "unassigned error #66"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    events_.clear();
    ScriptedProxy proxy({{9, Bytes({0, c.reply, 0, 0, 0, 0, 0, 0})}});
    ConnectThrough(proxy, "4", "127.0.0.1");
    ASSERT_TRUE(WaitForEvent("closed"));
    const std::string code = std::to_string(c.code);
    EXPECT_EQ(events_, (std::vector<std::string>{"socks connected 0", "socks error " + code + " " + c.text,
                                                 "connected " + code, "closed " + code}));
  }
}

TEST_F(Socks, RequestsThatWouldNotFitAreRefusedBeforeTheyAreSent) {
  const struct {
    const char* level;
    std::string user;
    std::string target;
    std::vector<ProxyStep> script;
    std::string sentBeforeRefusal;
  } cases[] = {
      // User code and password take 126 bytes together: one more than an authentication request holds.
      {"5", std::string(100, 'u'), "localhost", {{3, Bytes({5, 2})}}, Bytes({5, 1, 2})},
      {"5", "", std::string(122, 'h'), {{3, Bytes({5, 0})}}, Bytes({5, 1, 0})},
      {"4A", std::string(60, 'u'), std::string(59, 'h'), {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    events_.clear();
    ScriptedProxy proxy(c.script);
    socket_->SetSocksAuthentication(c.script.empty() || c.script[0].reply[1] != 2 ? net::socksNoAuthentication
                                                                                  : net::socksAuthenticateUsercode);
    socket_->SetSocksUsercode(c.user);
    socket_->SetSocksPassword(std::string(26, 'p'));
    ConnectThrough(proxy, c.level, c.target);
    ASSERT_TRUE(WaitForEvent("closed"));
    EXPECT_EQ(CountPrefix("socks error 20001"), 1);
    EXPECT_EQ(Count("closed 20001"), 1);
    ASSERT_TRUE(proxy.Join());
    std::string received;
    for (const auto& r : proxy.Requests()) received += r;
    EXPECT_EQ(received, c.sentBeforeRefusal);
  }
}

TEST_F(Socks, LevelIsNormalisedAndRefusedAndSettingsGoWithEveryClose) {
  socket_->SetSocksLevel("4a");
  EXPECT_EQ(socket_->SocksLevel(), "4A");
  std::string error;
  try {
    socket_->SetSocksLevel("6");
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "Invalid socks level. Must be 4, 4A or 5.");
  EXPECT_EQ(socket_->SocksLevel(), "4A");

  socket_->SetAddr("127.0.0.1");
  socket_->SetPort("0");
  socket_->SetSocksServer(" 127.0.0.1 ");
  EXPECT_EQ(socket_->SocksServer(), "127.0.0.1");
  try {
    socket_->Listen();
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "Listening is not supported thru socks server");

  ScriptedProxy proxy({{3, Bytes({5, 0})}, {5 + 9 + 2, kSocks5Success}});
  ConnectThrough(proxy, "5");
  ASSERT_TRUE(WaitForEvent("connected"));
  try {
    socket_->SetSocksLevel("4");
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "Can't change socks level if not closed");
  socket_->Close();
  EXPECT_EQ(socket_->SocksServer(), "");
  EXPECT_EQ(socket_->SocksPort(), "");
  EXPECT_EQ(socket_->SocksLevel(), "5");
}

}  // namespace
}  // namespace net_test
