#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "socket_fixture.h"

namespace net_test {
namespace {

// The peer sends each chunk after a short pause, so that they arrive as separate reads.
std::function<void(SOCKET&)> SendChunks(std::vector<std::string> chunks, std::string* echo = nullptr,
                                        std::size_t echoLength = 0, bool closeAfter = false) {
  return [chunks = std::move(chunks), echo, echoLength, closeAfter](SOCKET& s) {
    for (const std::string& chunk : chunks) {
      Sleep(60);
      SendAll(s, chunk);
    }
    if (echo != nullptr) *echo = RecvExactly(s, echoLength, 5000);
    if (!closeAfter) ReceiveUntilClosed(s);
  };
}

// The peer sends the first chunk, then each further one when the test signals (an auto-reset event), so
// that they cannot arrive in one read.
std::function<void(SOCKET&)> SendChunksOnSignal(std::vector<std::string> chunks, HANDLE signal) {
  return [chunks = std::move(chunks), signal](SOCKET& s) {
    for (std::size_t i = 0; i < chunks.size(); ++i) {
      if (i > 0 && WaitForSingleObject(signal, 5000) != WAIT_OBJECT_0) return;
      SendAll(s, chunks[i]);
    }
    ReceiveUntilClosed(s);
  };
}

class LineMode : public SocketFixture {
 protected:
  void SetUp() override {
    SocketFixture::SetUp();
    socket_->SetLineMode(true);
  }
  // Each data event takes what RcvdCount offers and records it.
  void TakeLines() {
    socket_->OnDataAvailable = [this](fw::TObject*, std::uint16_t) {
      const std::int32_t count = socket_->RcvdCount();
      std::string data(static_cast<std::size_t>(count > 0 ? count : 255), '\0');
      const int got = socket_->Receive(data.data(), static_cast<std::int32_t>(data.size()));
      data.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
      counts_.push_back(count);
      lines_.push_back(data);
    };
  }
  std::vector<std::int32_t> counts_;
  std::vector<std::string> lines_;
};

TEST_F(LineMode, ATerminatorSplitAcrossTwoReadsGivesOneLine) {
  LoopbackPeer peer(SendChunks({"abc\r", "\n"}));
  TakeLines();
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return !lines_.empty(); }));
  PumpFor(100);
  EXPECT_EQ(lines_, std::vector<std::string>{"abc\r\n"});
  EXPECT_EQ(counts_, std::vector<std::int32_t>{5});
}

TEST_F(LineMode, TwoLinesInOneReadGiveTwoEventsEachWithItsLength) {
  LoopbackPeer peer(SendChunks({"one\r\ntwo!\r\nthr"}));
  TakeLines();
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return lines_.size() >= 2; }));
  PumpFor(100);
  EXPECT_EQ(lines_, (std::vector<std::string>{"one\r\n", "two!\r\n"}));
  EXPECT_EQ(counts_, (std::vector<std::int32_t>{5, 6}));
}

TEST_F(LineMode, ALineTooLongIsReportedAndDroppedOrKeptAsTheHandlerSays) {
  for (const bool clear : {true, false}) {
    SCOPED_TRACE(clear ? "cleared" : "kept");
    lines_.clear();
    HANDLE next = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    LoopbackPeer peer(SendChunksOnSignal({"0123456789ABCDE", "ok\r\n"}, next));
    TakeLines();
    socket_->SetLineLimit(10);
    std::vector<std::int32_t> reported;
    socket_->OnLineLimitExceeded = [&](fw::TObject*, std::int32_t length, bool& clearData) {
      reported.push_back(length);
      EXPECT_TRUE(clearData);
      clearData = clear;
      SetEvent(next);
    };
    ConnectTo(peer);
    ASSERT_TRUE(PumpUntil([&] { return !lines_.empty(); }));
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.front(), 15);
    EXPECT_EQ(lines_.front(), clear ? "ok\r\n" : "0123456789ABCDEok\r\n");
    socket_->Close();
    socket_->SetLineMode(true);
    CloseHandle(next);
  }
}

TEST_F(LineMode, EchoAndLineEditing) {
  std::string echo;
  const std::string expectedEcho = std::string("ab\b \bc") + "      " + "d\r\n";
  LoopbackPeer peer(SendChunks({"ab\bc\td\r\n"}, &echo, expectedEcho.size()));
  TakeLines();
  socket_->SetLineEcho(true);
  socket_->SetLineEdit(true);
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return !lines_.empty(); }));
  EXPECT_EQ(lines_.front(), "ac      d\r\n");
  ASSERT_TRUE(PumpUntil([&] { return echo.size() == expectedEcho.size(); }));
  EXPECT_EQ(echo, expectedEcho);
}

TEST_F(LineMode, EchoWithoutEditingSendsTheBytesBackUnchanged) {
  std::string echo;
  LoopbackPeer peer(SendChunks({"x\by\r\n"}, &echo, 5));
  TakeLines();
  socket_->SetLineEcho(true);
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return !lines_.empty() && echo.size() == 5; }));
  EXPECT_EQ(lines_.front(), "x\by\r\n");
  EXPECT_EQ(echo, "x\by\r\n");
}

TEST_F(LineMode, LeavingLineModeInsideTheHandlerDeliversTheRestAsPlainData) {
  LoopbackPeer peer(SendChunks({"one\r\nrest of it"}));
  std::vector<std::string> data;
  socket_->OnDataAvailable = [&](fw::TObject*, std::uint16_t) {
    char buffer[64];
    const int got = socket_->Receive(buffer, sizeof(buffer));
    if (got > 0) data.emplace_back(buffer, static_cast<std::size_t>(got));
    socket_->SetLineMode(false);
  };
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return data.size() >= 2; }));
  PumpFor(100);
  EXPECT_EQ(data, (std::vector<std::string>{"one\r\n", "rest of it"}));
}

TEST_F(LineMode, SwitchingLineModeOffWithDataBufferedDeliversIt) {
  LoopbackPeer peer(SendChunks({"no end yet"}));
  TakeLines();
  // The limit event tells that the chunk waits in the line buffer; it is kept there.
  socket_->SetLineLimit(5);
  bool buffered = false;
  socket_->OnLineLimitExceeded = [&](fw::TObject*, std::int32_t, bool& clearData) {
    clearData = false;
    buffered = true;
  };
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return buffered; }));
  ASSERT_TRUE(lines_.empty());
  socket_->SetLineMode(false);
  ASSERT_TRUE(PumpUntil([&] { return !lines_.empty(); }));
  EXPECT_EQ(lines_, std::vector<std::string>{"no end yet"});
}

TEST_F(LineMode, AHandlerThatTakesNothingIsNotOfferedTheLineAgainUntilMoreDataComes) {
  HANDLE next = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  LoopbackPeer peer(SendChunksOnSignal({"first\r\n", "x\r\n"}, next));
  int calls = 0;
  std::vector<std::string> taken;
  socket_->OnDataAvailable = [&](fw::TObject*, std::uint16_t) {
    if (++calls == 1) {
      SetEvent(next);
      return;  // leaves the line where it is
    }
    char buffer[64];
    const int got = socket_->Receive(buffer, sizeof(buffer));
    if (got > 0) taken.emplace_back(buffer, static_cast<std::size_t>(got));
  };
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return taken.size() >= 2; }));
  EXPECT_EQ(taken, (std::vector<std::string>{"first\r\n", "x\r\n"}));
  EXPECT_EQ(calls, 3);
  CloseHandle(next);
}

TEST_F(LineMode, APartialLineAtCloseGoesToTheHandlerOrIsDropped) {
  {
    LoopbackPeer peer(SendChunks({"whole\r\ntail"}, nullptr, 0, true));
    TakeLines();
    std::vector<std::string> order;
    socket_->OnSessionClosed = [&](fw::TObject*, std::uint16_t) { order = lines_; };
    ConnectTo(peer);
    ASSERT_TRUE(PumpUntil([&] { return socket_->State() == net::wsClosed; }));
    EXPECT_EQ(order, (std::vector<std::string>{"whole\r\n", "tail"}));
    EXPECT_EQ(counts_.back(), 4);
  }
  {
    socket_->SetLineMode(true);
    socket_->OnDataAvailable = nullptr;
    int closed = 0;
    socket_->OnSessionClosed = [&](fw::TObject*, std::uint16_t) { ++closed; };
    LoopbackPeer peer(SendChunks({"whole\r\ntail"}, nullptr, 0, true));
    ConnectTo(peer);
    ASSERT_TRUE(PumpUntil([&] { return socket_->State() == net::wsClosed; }));
    EXPECT_EQ(closed, 1);
  }
}

TEST_F(LineMode, SendLineQueuesTheTextWithTheTerminator) {
  std::string received;
  LoopbackPeer peer([&](SOCKET& s) { received = RecvExactly(s, 8, 5000); });
  ConnectTo(peer);
  EXPECT_EQ(socket_->SendLine(""), 0);
  EXPECT_EQ(socket_->SendLine("hi"), 4);
  socket_->SetLineEnd("\n");
  EXPECT_EQ(socket_->SendLine("you"), 4);
  ASSERT_TRUE(PumpUntil([&] { return peer.Done(); }));
  EXPECT_EQ(received, "hi\r\nyou\n");
}

// Sets the flag of the wait when the connection is up; a thread timer ends a wait that would hang.
bool* watchdogFlag = nullptr;
bool watchdogFired = false;
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
  watchdogFired = true;
  if (watchdogFlag != nullptr) *watchdogFlag = true;
}

TEST_F(LineMode, WaitForFlagReturnsOnceTheFlagIsSet) {
  LoopbackPeer peer([](SOCKET& s) { ReceiveUntilClosed(s); });
  bool connected = true;  // cleared by StartAndWait
  watchdogFlag = &connected;
  watchdogFired = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 5000, &Watchdog);
  socket_->OnSessionConnected = [&](fw::TObject*, std::uint16_t) { connected = true; };
  socket_->SetAddr("127.0.0.1");
  socket_->SetPort(peer.PortText());
  const int result = socket_->StartAndWait([&] { socket_->Connect(); }, connected);
  KillTimer(nullptr, timer);
  watchdogFlag = nullptr;
  EXPECT_FALSE(watchdogFired);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(socket_->State(), net::wsConnected);
}

TEST(NetSocket, DefaultsAreTheValuesFormsStore) {
  auto* socket = new net::TNetSocket(nullptr);
  EXPECT_FALSE(socket->LineMode());
  EXPECT_EQ(socket->LineLimit(), 65536);
  EXPECT_EQ(socket->LineEnd(), "\r\n");
  EXPECT_FALSE(socket->LineEcho());
  EXPECT_FALSE(socket->LineEdit());
  EXPECT_EQ(socket->Proto(), "tcp");
  EXPECT_EQ(socket->LocalAddr(), "0.0.0.0");
  EXPECT_EQ(socket->LocalPort(), "0");
  EXPECT_EQ(socket->LastError(), 0);
  EXPECT_FALSE(socket->MultiThreaded());
  EXPECT_FALSE(socket->MultiCast());
  EXPECT_EQ(socket->MultiCastIpTTL(), 1);
  EXPECT_FALSE(socket->ReuseAddr());
  EXPECT_TRUE(socket->ComponentOptions().Empty());
  EXPECT_EQ(socket->ListenBacklog(), 5);
  EXPECT_EQ(socket->ReqVerLow(), 1);
  EXPECT_EQ(socket->ReqVerHigh(), 1);
  EXPECT_EQ(socket->FlushTimeout(), 60);
  EXPECT_EQ(socket->SendFlags(), net::wsSendNormal);
  EXPECT_EQ(socket->LingerOnOff(), net::wsLingerOn);
  EXPECT_EQ(socket->LingerTimeout(), 0);
  EXPECT_EQ(socket->KeepAliveOnOff(), net::wsKeepAliveOnSystem);
  EXPECT_EQ(socket->KeepAliveTime(), 30000u);
  EXPECT_EQ(socket->KeepAliveInterval(), 1000u);
  EXPECT_EQ(socket->SocksLevel(), "5");
  EXPECT_EQ(socket->SocksAuthentication(), net::socksNoAuthentication);
  EXPECT_EQ(socket->State(), net::wsClosed);
  EXPECT_EQ(socket->ReadCount(), 0u);
  EXPECT_EQ(socket->PeerAddr(), "error");
  EXPECT_EQ(socket->DnsResult(), "");
  socket->Free();
}

}  // namespace
}  // namespace net_test
