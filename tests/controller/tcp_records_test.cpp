// The TCP client's records: the byte stream cut into 357-byte records over a fake socket (bursts, pieces,
// the 19-byte acknowledgement, failed reads), the command record, KillTask over a scripted process list,
// and the main form's socket talking to a loopback peer.
#include <cstring>
#include <deque>
#include <stdexcept>

#include "components/net/net_socket.h"
#include "controller/app/process_killer.h"
#include "controller/app/server_command.h"
#include "controller/app/tcp_records.h"
#include "main_form_fixture.h"
#include "tests/components_net/net_test_support.h"

namespace trelvik::testing {
namespace {

using Strings = std::vector<std::string>;

std::string Record(const std::string& text, std::uint8_t length) {
  std::string bytes(kTcpRecordSize, '\xEE');
  bytes[0] = static_cast<char>(length);
  std::memcpy(bytes.data() + 1, text.data(), std::min<std::size_t>(text.size(), kTcpRecordSize - 2));
  return bytes;
}
std::string Record(const std::string& text) { return Record(text, static_cast<std::uint8_t>(text.size())); }

// The socket as the reader sees it: the bytes waiting, and the sizes the reader asked for.
struct FakeSocket {
  std::string waiting;
  std::deque<std::int32_t> failures;  // results of the next reads instead of data
  std::vector<std::int32_t> asked;

  std::int32_t Receive(void* buffer, std::int32_t size) {
    asked.push_back(size);
    if (!failures.empty()) {
      const std::int32_t result = failures.front();
      failures.pop_front();
      return result;
    }
    const auto count = static_cast<std::int32_t>(std::min<std::size_t>(static_cast<std::size_t>(size), waiting.size()));
    std::memcpy(buffer, waiting.data(), static_cast<std::size_t>(count));
    waiting.erase(0, static_cast<std::size_t>(count));
    return count;
  }
};

struct ReaderFixture {
  FakeSocket socket;
  TcpRecordReader reader;
  Strings handled;
  void Event() {
    reader.DataAvailable([this](void* b, std::int32_t n) { return socket.Receive(b, n); },
                         [this](const TcpRecord& r) { handled.push_back(TcpRecordText(r)); });
  }
};

TEST(TcpRecords, TwoRecordsInOneBurstAreReadInTwoEventsAndHandledInOrder) {
  ReaderFixture f;
  f.socket.waiting = Record("FIRST") + Record("SECOND");
  f.Event();
  EXPECT_EQ(f.handled, Strings{"FIRST"});
  f.Event();
  EXPECT_EQ(f.handled, (Strings{"FIRST", "SECOND"}));
  f.Event();  // nothing left: the read answers 0
  EXPECT_EQ(f.handled.size(), 2u);
  EXPECT_EQ(f.socket.asked, (std::vector<std::int32_t>{357, 357, 357}));
  EXPECT_EQ(f.reader.filled(), 0);
}

TEST(TcpRecords, ARecordInPiecesIsHandledWhenItsLastByteArrives) {
  ReaderFixture f;
  const std::string record = Record("PIECES");
  f.socket.waiting = record.substr(0, 100);
  f.Event();
  EXPECT_TRUE(f.handled.empty());
  EXPECT_EQ(f.reader.filled(), 100);
  // A read never asks past the record being filled.
  f.socket.waiting = record.substr(100) + Record("NEXT");
  f.Event();
  EXPECT_EQ(f.handled, Strings{"PIECES"});
  f.Event();
  EXPECT_EQ(f.handled, (Strings{"PIECES", "NEXT"}));
  EXPECT_EQ(f.socket.asked, (std::vector<std::int32_t>{357, 257, 357}));
}

TEST(TcpRecords, ANineteenByteReadIsDroppedAndTheNextReadStartsAtTheSamePlace) {
  ReaderFixture f;
  f.socket.waiting = "DEDIZORI_CLIENT=255";
  f.Event();
  EXPECT_EQ(f.reader.filled(), 0);
  const std::string record = Record("AFTER");
  f.socket.waiting = record.substr(0, 50);
  f.Event();
  f.socket.waiting = record.substr(50, 19);  // inside a record too
  f.Event();
  EXPECT_EQ(f.reader.filled(), 50);
  f.socket.waiting = record.substr(50);
  f.Event();
  EXPECT_EQ(f.handled, Strings{"AFTER"});
}

TEST(TcpRecords, FailedReadsKeepNothingAndTheBufferNeverGrows) {
  ReaderFixture f;
  f.socket.failures = {0, -1};
  f.Event();
  f.Event();
  EXPECT_EQ(f.reader.filled(), 0);
  EXPECT_TRUE(f.handled.empty());
  for (int i = 0; i < 40; ++i) {
    f.socket.waiting = Record("R" + std::to_string(i));
    f.Event();
  }
  EXPECT_EQ(f.handled.size(), 40u);
  EXPECT_EQ(f.reader.capacity(), kTcpReceiveCapacity);
}

TEST(TcpRecords, AFailingHandlerLeavesTheReaderReady) {
  ReaderFixture f;
  f.socket.waiting = Record("BAD") + Record("GOOD");
  const auto receive = [&](void* b, std::int32_t n) { return f.socket.Receive(b, n); };
  EXPECT_THROW(f.reader.DataAvailable(receive, [](const TcpRecord&) { throw std::runtime_error("boom"); }),
               std::runtime_error);
  f.Event();
  EXPECT_EQ(f.handled, Strings{"GOOD"});
}

TEST(TcpRecords, RecordTextIsItsLengthBytes) {
  TcpRecord record{};
  const std::string bytes = Record(std::string(355, 'x'), 255);
  std::memcpy(record.data(), bytes.data(), kTcpRecordSize);
  EXPECT_EQ(TcpRecordText(record), std::string(255, 'x'));
  record[0] = 0;
  EXPECT_EQ(TcpRecordText(record), "");
}

// A scripted process list behind the process services; terminations are recorded.
struct ProcessDouble {
  std::vector<RunningProcess> processes;
  std::vector<std::uint32_t> refused;  // ids whose termination fails
  std::vector<std::uint32_t> terminated;
  fw::ServiceDouble<std::vector<RunningProcess>()> list{RunningProcesses, [this] { return processes; }};
  fw::ServiceDouble<bool(std::uint32_t)> kill{TerminateProcessById, [this](std::uint32_t id) {
                                                terminated.push_back(id);
                                                return std::find(refused.begin(), refused.end(), id) == refused.end();
                                              }};
};

TEST(TcpRecords, KillTaskEndsEveryProcessOfTheNameWhateverItsCaseOrFolder) {
  ProcessDouble p;
  p.processes = {{10, "C:\\Companion\\tcp_client.exe"}, {11, "TCP_CLIENT.EXE"},      {12, "explorer.exe"},
                 {13, "TCP_CLIENT.exe.old"},            {14, "D:/x/TCP_Client.exe"}, {15, "MYTCP_CLIENT.exe"}};
  EXPECT_TRUE(KillTask("TCP_CLIENT.exe"));
  EXPECT_EQ(p.terminated, (std::vector<std::uint32_t>{10, 11, 14}));
  // The result is the last termination's.
  p.terminated.clear();
  p.refused = {14};
  EXPECT_FALSE(KillTask("TCP_CLIENT.exe"));
  p.refused = {10};
  EXPECT_TRUE(KillTask("TCP_CLIENT.exe"));
  p.terminated.clear();
  EXPECT_FALSE(KillTask("nothing.exe"));
  EXPECT_TRUE(p.terminated.empty());
}

class TcpFormTest : public MainFormTest {
 protected:
  // Handles one record through the form's data event, reading it from a fake socket.
  void Deliver(TZedArave* form, const std::string& bytes) {
    FakeSocket socket;
    socket.waiting = bytes;
    form->tcp_reader.DataAvailable([&](void* b, std::int32_t n) { return socket.Receive(b, n); },
                                   [&](const TcpRecord& r) {
                                     form->tcp_record = r;
                                     form->process_single_updates();
                                   });
  }
  // Takes the thread's messages for up to timeoutMs; true when the quit message came.
  static bool QuitPosted(std::uint32_t timeoutMs) {
    const DWORD start = GetTickCount();
    bool quit = false;
    while (!quit && GetTickCount() - start < timeoutMs) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) quit = true;
        else DispatchMessageA(&msg);
      }
      if (!quit) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return quit;
  }
  ProcessDouble processes_;
};

TEST_F(TcpFormTest, OnlyTheExactCommandEndsTheCompanionAndTheProgram) {
  processes_.processes = {{20, "TCP_CLIENT.exe"}};
  TZedArave* form = MakeForm();
  const struct {
    std::string bytes;
    bool ends;
  } cases[] = {
      {Record("kill_zedarave"), false},
      {Record("KILL_ZEDARAVE ", 14), false},
      {Record("KILL_ZEDARAVE", 12), false},
      {Record("HELLO"), false},
      {Record("KILL_ZEDARAVE"), true},
  };
  for (const auto& c : cases) {
    processes_.terminated.clear();
    Deliver(form, c.bytes);
    EXPECT_EQ(processes_.terminated, c.ends ? std::vector<std::uint32_t>{20} : std::vector<std::uint32_t>{})
        << TcpRecordText(form->tcp_record);
    EXPECT_EQ(QuitPosted(50), c.ends) << TcpRecordText(form->tcp_record);
  }
  form->Free();
}

TEST_F(TcpFormTest, TheFormsSocketAnnouncesItselfAndObeysTheCommandFromItsPeer) {
  processes_.processes = {{30, "TCP_CLIENT.exe"}};
  Strings sent;
  fw::ServiceDouble<void(const std::string&)> commands{SendServerCommand,
                                                       [&](const std::string& c) { sent.push_back(c); }};
  net_test::LoopbackPeer peer([](SOCKET& connection) {
    net_test::SendAll(connection, Record("HELLO") + Record("KILL_ZEDARAVE"));
    net_test::ReceiveUntilClosed(connection);
  });
  TZedArave* form = MakeForm();
  form->Update_Structure->SetAddr("127.0.0.1");
  form->Update_Structure->SetPort(peer.PortText());
  form->Update_Structure->Connect();
  EXPECT_TRUE(QuitPosted(10000));
  EXPECT_EQ(sent, Strings{"DEDIZORI_CLIENT=255"});
  EXPECT_EQ(processes_.terminated, std::vector<std::uint32_t>{30});
  form->Free();
  peer.Join();
}

}  // namespace
}  // namespace trelvik::testing
