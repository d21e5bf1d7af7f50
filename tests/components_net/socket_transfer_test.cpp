#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "components/net/winsock_binding.h"
#include "socket_fixture.h"

namespace net_test {
namespace {

using SocketTransfer = SocketFixture;

std::string Pattern(std::size_t size) {
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>('a' + (i * 7 + i / 251) % 26);
  return data;
}

TEST_F(SocketTransfer, ASendWinsockTakesAtOnceStillEndsInDataSent) {
  // The peer holds the connection open until the client closes it: a peer that closed at once could have
  // its close handled before the data-sent notification, and a closed session reports no more sends.
  std::string received;
  LoopbackPeer peer([&](SOCKET& s) {
    received = RecvExactly(s, 5);
    ReceiveUntilClosed(s);
  });
  ConnectTo(peer);
  int dataSent = 0;
  std::int32_t reported = 0;
  socket_->OnDataSent = [&](fw::TObject*, std::uint16_t error) {
    EXPECT_EQ(error, 0);
    ++dataSent;
  };
  socket_->OnSendData = [&](fw::TObject*, std::int32_t count) { reported += count; };
  EXPECT_EQ(socket_->SendStr("hello"), 5);
  EXPECT_EQ(socket_->BufferedByteCount(), 0);
  EXPECT_EQ(reported, 5);
  EXPECT_TRUE(PumpUntil([&] { return dataSent > 0; }));
  socket_->Close();
  ASSERT_TRUE(peer.Join());
  EXPECT_EQ(received, "hello");
}

TEST_F(SocketTransfer, DataWinsockCannotTakeWaitsInTheQueueAndDrainsInOrder) {
  HANDLE startReading = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<std::size_t> expected{0};
  std::string received;
  LoopbackPeer peer([&](SOCKET& s) {
    WaitForSingleObject(startReading, 10000);
    received = RecvExactly(s, expected.load(), 10000);
  });
  ConnectTo(peer);
  int dataSent = 0;
  socket_->OnDataSent = [&](fw::TObject*, std::uint16_t) { ++dataSent; };

  // Fill Winsock until it keeps some back.
  const std::string block = Pattern(65536);
  std::string sent;
  while (socket_->BufferedByteCount() == 0 && sent.size() < (64u << 20)) {
    ASSERT_EQ(socket_->Send(block.data(), static_cast<std::int32_t>(block.size())), 65536);
    sent += block;
  }
  ASSERT_GT(socket_->BufferedByteCount(), 0);
  const std::int32_t before = socket_->BufferedByteCount();
  const std::string extra = Pattern(2000);
  socket_->Send(extra.data(), 1000);
  socket_->Send(extra.data() + 1000, 1000);
  sent += extra;
  // The stack may have made room in the meantime (its send buffer grows as the peer acknowledges), so the
  // two sends may take part of the queue with them; they never count a byte twice.
  EXPECT_LE(socket_->BufferedByteCount(), before + 2000);

  dataSent = 0;
  expected = sent.size();
  SetEvent(startReading);
  ASSERT_TRUE(PumpUntil([&] { return socket_->AllSent() && dataSent > 0; }, 20000));
  EXPECT_EQ(socket_->BufferedByteCount(), 0);
  ASSERT_TRUE(PumpUntil([&] { return peer.Done(); }, 10000));
  EXPECT_EQ(received.size(), sent.size());
  EXPECT_TRUE(received == sent) << "bytes arrived changed or out of order";
  CloseHandle(startReading);
}

// A handler that answers OnSendData with another Send: every byte reaches the peer once and in order, both
// for a short first send and for one that fills a whole chunk, so that the answer opens a second chunk and
// the drain frees the first while the handler runs.
TEST(SocketSendFromHandler, SendingFromOnSendDataSendsEveryByteOnce) {
  for (const std::size_t firstSize : {std::size_t{5}, std::size_t{1460}, std::size_t{4000}}) {
    SCOPED_TRACE("first send of " + std::to_string(firstSize) + " bytes");
    const std::string first = Pattern(firstSize);
    const std::string answer = "answer";
    std::string received;
    std::string extra;
    LoopbackPeer peer([&](SOCKET& s) {
      received = RecvExactly(s, first.size() + answer.size());
      extra = ReceiveUntilClosed(s, 2000);
    });
    auto* socket = new net::TNetSocket(nullptr);
    socket->SetAddr("127.0.0.1");
    socket->SetPort(peer.PortText());
    socket->Connect();
    ASSERT_TRUE(PumpUntil([&] { return socket->State() == net::wsConnected; }));
    bool answered = false;
    std::int32_t reported = 0;
    socket->OnSendData = [&](fw::TObject*, std::int32_t count) {
      reported += count;
      if (answered) return;
      answered = true;
      EXPECT_EQ(socket->SendStr(answer), static_cast<std::int32_t>(answer.size()));
    };
    EXPECT_EQ(socket->Send(first.data(), static_cast<std::int32_t>(first.size())),
              static_cast<std::int32_t>(first.size()));
    EXPECT_TRUE(PumpUntil([&] { return socket->AllSent(); }));
    EXPECT_EQ(socket->BufferedByteCount(), 0);
    EXPECT_EQ(reported, static_cast<std::int32_t>(first.size() + answer.size()));
    socket->Close();
    ASSERT_TRUE(peer.Join());
    EXPECT_TRUE(received == first + answer) << "the bytes arrived changed";
    EXPECT_EQ(extra, "") << "bytes were sent twice";
    socket->Free();
  }
}

// Counts the FD_READ notifications besides the data events.
class CountingSocket : public net::TNetSocket {
 public:
  using net::TNetSocket::TNetSocket;
  int fdReads = 0;

 protected:
  void HandleFdRead(std::uint16_t Error) override {
    ++fdReads;
    net::TNetSocket::HandleFdRead(Error);
  }
};

TEST(SocketReceiveLoop, OneReadNotificationDeliversAllWaitingDataUnlessTheLoopIsOff) {
  for (const bool noLoop : {false, true}) {
    SCOPED_TRACE(noLoop ? "wsoNoReceiveLoop" : "receive loop");
    const std::string data = Pattern(3000);
    HANDLE sendNow = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    LoopbackPeer peer([&](SOCKET& s) {
      WaitForSingleObject(sendNow, 5000);
      SendAll(s, data);
      ReceiveUntilClosed(s);
    });
    auto* socket = new CountingSocket(nullptr);
    if (noLoop) socket->SetComponentOptions({net::wsoNoReceiveLoop});
    std::string received;
    int calls = 0;
    socket->OnDataAvailable = [&](fw::TObject*, std::uint16_t) {
      ++calls;
      char buffer[100];
      const int got = socket->Receive(buffer, sizeof(buffer));
      if (got > 0) received.append(buffer, static_cast<std::size_t>(got));
    };
    socket->SetAddr("127.0.0.1");
    socket->SetPort(peer.PortText());
    socket->Connect();
    ASSERT_TRUE(PumpUntil([&] { return socket->State() == net::wsConnected; }));
    SetEvent(sendNow);
    // All of it waits before the first notification is handled.
    const DWORD start = GetTickCount();
    u_long waiting = 0;
    while (waiting < data.size() && GetTickCount() - start < 5000) {
      net::ws::ioctlsocket(socket->HSocket(), FIONREAD, &waiting);
      Sleep(1);
    }
    ASSERT_EQ(waiting, data.size());
    EXPECT_TRUE(PumpUntil([&] { return received.size() == data.size(); }));
    EXPECT_EQ(received, data);
    if (noLoop)
      EXPECT_EQ(calls, socket->fdReads);
    else
      EXPECT_GT(calls, socket->fdReads);
    socket->Free();
    CloseHandle(sendNow);
  }
}

TEST_F(SocketTransfer, ThePeersCloseDeliversEverythingLeftEvenWithoutTheLoop) {
  const std::string data = Pattern(5000);
  LoopbackPeer peer([&](SOCKET& s) { SendAll(s, data); });
  socket_->SetComponentOptions({net::wsoNoReceiveLoop});
  std::string receivedAtClose;
  std::string received;
  socket_->OnDataAvailable = [&](fw::TObject*, std::uint16_t) {
    char buffer[100];
    const int got = socket_->Receive(buffer, sizeof(buffer));
    if (got > 0) received.append(buffer, static_cast<std::size_t>(got));
  };
  socket_->OnSessionClosed = [&](fw::TObject*, std::uint16_t) { receivedAtClose = received; };
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return socket_->State() == net::wsClosed; }));
  EXPECT_EQ(receivedAtClose, data);
}

TEST_F(SocketTransfer, WithoutAHandlerWaitingDataIsReadAndDropped) {
  std::atomic<bool> sent{false};
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  LoopbackPeer peer([&](SOCKET& s) {
    SendAll(s, Pattern(5000));
    sent = true;
    WaitForSingleObject(release, 5000);
  });
  ConnectTo(peer);
  ASSERT_TRUE(PumpUntil([&] { return sent.load(); }));
  EXPECT_TRUE(PumpUntil([&] { return socket_->RcvdCount() == 0; }));
  EXPECT_EQ(socket_->State(), net::wsConnected);
  SetEvent(release);
  CloseHandle(release);
}

TEST_F(SocketTransfer, AResetPeerEndsTheSessionOnceWhenSendFails) {
  LoopbackPeer peer([&](SOCKET& s) {
    ResetClose(s);
    s = INVALID_SOCKET;
  });
  ConnectTo(peer);
  socket_->Pause();  // the reset must reach the send, not a close notification
  ASSERT_TRUE(peer.Join());  // on loopback the reset has arrived when the peer's close returns
  int errors = 0;
  socket_->OnError = [&](fw::TObject*) { ++errors; };
  const std::string data = Pattern(100000);
  for (int i = 0; i < 50 && socket_->State() == net::wsConnected; ++i) socket_->Send(data.data(), static_cast<std::int32_t>(data.size()));
  PumpFor(100);
  EXPECT_EQ(socket_->State(), net::wsClosed);
  EXPECT_EQ(CountPrefix("closed"), 1);
  EXPECT_EQ(errors, 0);
}

TEST_F(SocketTransfer, DottedLookupCompletesAtOnceAndInvalidNamesAreRefused) {
  std::vector<int> done;
  socket_->OnDnsLookupDone = [&](fw::TObject*, std::uint16_t error) { done.push_back(error); };
  socket_->DnsLookup("127.0.0.1");
  EXPECT_EQ(done, std::vector<int>{0});
  EXPECT_EQ(socket_->DnsResult(), "127.0.0.1");
  EXPECT_EQ(socket_->DnsResultList()->Count(), 1);

  int errors = 0;
  socket_->OnError = [&](fw::TObject*) { ++errors; };
  socket_->DnsLookup("");
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(done, (std::vector<int>{0, WSAEINVAL}));
  socket_->ReverseDnsLookup(std::string(257, '1'));
  socket_->ReverseDnsLookupSync("");
  EXPECT_EQ(errors, 3);
  EXPECT_EQ(done, (std::vector<int>{0, WSAEINVAL, WSAEINVAL, WSAEINVAL}));
}

TEST_F(SocketTransfer, AsynchronousLookupOfLocalhost) {
  int done = -1;
  socket_->OnDnsLookupDone = [&](fw::TObject*, std::uint16_t error) { done = error; };
  socket_->DnsLookup("localhost");
  ASSERT_TRUE(PumpUntil([&] { return done != -1; }));
  EXPECT_EQ(done, 0);
  EXPECT_EQ(socket_->DnsResult(), "127.0.0.1");
}

TEST_F(SocketTransfer, CancellingAPendingLookupReportsInterrupted) {
  std::vector<int> done;
  socket_->OnDnsLookupDone = [&](fw::TObject*, std::uint16_t error) { done.push_back(error); };
  socket_->DnsLookup("localhost");
  socket_->CancelDnsLookup();
  EXPECT_EQ(done, std::vector<int>{WSAEINTR});
  PumpFor(200);  // a late answer to the cancelled lookup is not reported
  EXPECT_EQ(done, std::vector<int>{WSAEINTR});
}

}  // namespace
}  // namespace net_test
