#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "socket_fixture.h"

namespace net_test {
namespace {

using SocketCore = SocketFixture;

TEST_F(SocketCore, LoopbackConnectReportsEachStateChangeOnceAndConnectedWithoutError) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  LoopbackPeer peer([&](SOCKET&) { WaitForSingleObject(release, 5000); });
  ConnectTo(peer);
  PumpFor(50);
  EXPECT_EQ(events_, (std::vector<std::string>{"state Closed>Opened", "state Opened>Connecting",
                                               "state Connecting>Connected", "connected 0"}));
  EXPECT_EQ(socket_->PeerAddr(), "127.0.0.1");
  EXPECT_EQ(socket_->PeerPort(), peer.PortText());
  SetEvent(release);
  CloseHandle(release);
}

TEST_F(SocketCore, ConnectRefusedReportsTheErrorAndCloses) {
  std::uint16_t port = 0;
  {
    LoopbackPeer unused([](SOCKET&) {});
    port = unused.Port();
  }  // nothing listens there any more
  socket_->SetAddr("127.0.0.1");
  socket_->SetPort(std::to_string(port));
  socket_->Connect();
  ASSERT_TRUE(PumpUntil([&] { return CountPrefix("closed") > 0; }));
  EXPECT_EQ(Count("connected 10061"), 1);
  EXPECT_EQ(Count("closed 0"), 1);
  EXPECT_EQ(socket_->State(), net::wsClosed);
}

TEST_F(SocketCore, SendWhileClosedGoesToOnErrorWithTheCodeOrRaisesTheFullText) {
  int errors = 0;
  socket_->OnError = [&](fw::TObject*) { ++errors; };
  EXPECT_EQ(socket_->Send("x", 1), -1);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(socket_->LastError(), 10057);
  EXPECT_EQ(CountPrefix("closed"), 0) << "a socket never opened reports no session close";

  socket_->OnError = nullptr;
  try {
    socket_->Send("x", 1);
    FAIL() << "no exception";
  } catch (const net::ESocketException& E) {
    EXPECT_EQ(E.Message(), "Error 10057 in function Send\r\nSocket is not connected");
  }
}

TEST_F(SocketCore, PeerCloseAndCloseTogetherReportTheSessionClosedOnce) {
  LoopbackPeer peer([](SOCKET&) {});  // closes at once
  ConnectTo(peer);
  socket_->OnSessionClosed = [this](fw::TObject*, std::uint16_t error) {
    events_.push_back("closed " + std::to_string(error));
    socket_->Close();  // a handler closing again changes nothing
  };
  ASSERT_TRUE(PumpUntil([&] { return socket_->State() == net::wsClosed; }));
  socket_->Close();
  PumpFor(50);
  EXPECT_EQ(CountPrefix("closed"), 1);
  EXPECT_EQ(Count("state Connected>Closed"), 1);
}

TEST_F(SocketCore, CloseOnAClosedSocketDoesNothing) {
  socket_->Close();
  socket_->Close();
  EXPECT_TRUE(events_.empty());
  EXPECT_EQ(socket_->State(), net::wsClosed);
}

TEST_F(SocketCore, EveryCloseForgetsAddrAndPortAndOpenSocketsRefuseNewSettings) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  LoopbackPeer peer([&](SOCKET&) { WaitForSingleObject(release, 5000); });
  ConnectTo(peer);
  std::string error;
  try {
    socket_->SetPort("81");
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "Cannot change Port if not closed");
  SetEvent(release);
  socket_->Close();
  EXPECT_EQ(socket_->State(), net::wsClosed);
  EXPECT_EQ(socket_->LocalAddr(), "0.0.0.0");
  try {
    socket_->Connect();
    error = "(no exception)";
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "Connect: No Port Specified");
  CloseHandle(release);
}

TEST_F(SocketCore, ResolutionFailuresAreReportedAsConnectErrors) {
  socket_->SetAddr("1.2.3.4x");
  socket_->SetPort("80");
  std::string error;
  try {
    socket_->Connect();
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "connect: NetSocketResolveHost: '1.2.3.4x' Invalid IP address.");
  EXPECT_EQ(socket_->State(), net::wsClosed);
}

TEST_F(SocketCore, ListenAcceptAndExchangeBetweenTwoSockets) {
  auto* server = new net::TNetSocket(nullptr);
  server->SetAddr("127.0.0.1");
  server->SetPort("0");
  server->Listen();
  ASSERT_EQ(server->State(), net::wsListening);
  const std::string port = server->GetBoundPort();
  ASSERT_NE(port, "0");

  net::TNetSocket* accepted = nullptr;
  std::string received;
  server->OnSessionAvailable = [&](fw::TObject*, std::uint16_t error) {
    ASSERT_EQ(error, 0);
    accepted = new net::TNetSocket(nullptr);
    accepted->OnDataAvailable = [&](fw::TObject*, std::uint16_t) { received += accepted->ReceiveStr(); };
    accepted->Dup(server->Accept());
  };
  socket_->SetAddr("127.0.0.1");
  socket_->SetPort(port);
  socket_->Connect();
  ASSERT_TRUE(PumpUntil([&] { return accepted != nullptr && socket_->State() == net::wsConnected; }));
  EXPECT_EQ(accepted->State(), net::wsConnected);
  socket_->SendStr("hello");
  EXPECT_TRUE(PumpUntil([&] { return received == "hello"; }));
  accepted->Free();
  server->Free();
}

TEST_F(SocketCore, ListenOnAPortInUseReportsBindAndLeavesTheSocketClosed) {
  auto* first = new net::TNetSocket(nullptr);
  first->SetAddr("127.0.0.1");
  first->SetPort("0");
  first->Listen();
  const std::string port = first->GetBoundPort();

  int errors = 0;
  socket_->OnError = [&](fw::TObject*) { ++errors; };
  socket_->SetAddr("127.0.0.1");
  socket_->SetPort(port);
  socket_->Listen();
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(socket_->LastError(), WSAEADDRINUSE);
  EXPECT_EQ(socket_->State(), net::wsClosed);
  EXPECT_EQ(socket_->HSocket(), INVALID_SOCKET);
  first->Free();
}


TEST_F(SocketCore, AnExceptionWhileHandlingAMessageGoesToOnBgExceptionWhichMayKeepTheSocket) {
  for (const bool keep : {true, false}) {
    SCOPED_TRACE(keep ? "kept" : "aborted");
    events_.clear();
    LoopbackPeer peer([](SOCKET& s) { ReceiveUntilClosed(s); });
    std::vector<std::string> reported;
    socket_->OnBgException = [&](fw::TObject*, fw::Exception& E, bool& canClose) {
      reported.push_back(E.Message());
      EXPECT_TRUE(canClose);
      canClose = !keep;
    };
    ConnectTo(peer);
    PostMessageA(socket_->Handle(), net::WM_NETSOCKET_TEST_EXCEPTION, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !reported.empty(); }));
    EXPECT_EQ(reported, std::vector<std::string>{"Test exception in NetSocket"});
    EXPECT_EQ(socket_->State(), keep ? net::wsConnected : net::wsClosed);
    socket_->Close();
  }
}

TEST_F(SocketCore, DelayedCloseAndReleaseHappenFromTheMessageLoop) {
  LoopbackPeer peer([](SOCKET& s) { ReceiveUntilClosed(s); });
  ConnectTo(peer);
  socket_->CloseDelayed();
  EXPECT_EQ(socket_->State(), net::wsConnected);
  ASSERT_TRUE(PumpUntil([&] { return socket_->State() == net::wsClosed; }));
  EXPECT_EQ(Count("closed 0"), 1);

  auto* owner = new fw::TComponent(nullptr);
  auto* owned = fw::Create<net::TNetSocket>(owner);
  owned->Release();
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_TRUE(PumpUntil([&] { return owner->ComponentCount() == 0; }));
  owner->Free();
}


TEST_F(SocketCore, DetachAndAttachMoveTheEventsToAnotherThread) {
  HANDLE sendNow = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  LoopbackPeer peer([&](SOCKET& s) {
    WaitForSingleObject(sendNow, 5000);
    SendAll(s, "hi");
    ReceiveUntilClosed(s);
  });
  ConnectTo(peer);
  std::string error;
  try {
    socket_->ThreadAttach();
  } catch (const net::ESocketException& E) {
    error = E.Message();
  }
  EXPECT_EQ(error, "Cannot attach when not detached");

  socket_->ThreadDetach();
  EXPECT_EQ(socket_->Handle(), nullptr);
  DWORD handlerThread = 0;
  std::string received;
  socket_->OnDataAvailable = [&](fw::TObject*, std::uint16_t) {
    handlerThread = GetCurrentThreadId();
    received += socket_->ReceiveStr();
  };
  DWORD workerThread = 0;
  std::string detachError;
  std::thread worker([&] {
    workerThread = GetCurrentThreadId();
    socket_->ThreadAttach();
    SetEvent(sendNow);
    PumpUntil([&] { return received == "hi"; });
    socket_->ThreadDetach();
  });
  worker.join();
  EXPECT_EQ(received, "hi");
  EXPECT_EQ(handlerThread, workerThread);

  socket_->ThreadAttach();
  socket_->Close();
  EXPECT_EQ(socket_->State(), net::wsClosed);
  CloseHandle(sendNow);
}

TEST_F(SocketCore, OnlyTheThreadThatMadeTheWindowMayDetachIt) {
  std::string error;
  std::thread other([&] {
    try {
      socket_->ThreadDetach();
    } catch (const net::ESocketException& E) {
      error = E.Message();
    }
  });
  other.join();
  EXPECT_EQ(error, "Cannot detach from other thread");
  EXPECT_NE(socket_->Handle(), nullptr);
}

}  // namespace
}  // namespace net_test
