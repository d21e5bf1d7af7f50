#include "components/net/kel_logger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/net/net_socket.h"
#include "framework/rtl/filetext.h"
#include "framework/services/clock.h"
#include "socket_fixture.h"
#include "tests/framework/test_files.h"

namespace net_test {
namespace {

struct Line {
  fw::TObject* sender;
  net::TLogOption option;
  std::string text;
};

class KelLogger : public ::testing::Test {
 protected:
  void SetUp() override {
    logger_ = fw::Create<net::TKelLogger>(nullptr);
    logger_->SetOnKelLogEvent([this](fw::TObject* sender, net::TLogOption option, const std::string& text) {
      lines_.push_back({sender, option, text});
    });
  }
  void TearDown() override { logger_->Free(); }

  std::string FileText(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    char buffer[4096];
    DWORD read = 0;
    ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
  }

  net::TKelLogger* logger_ = nullptr;
  std::vector<Line> lines_;
  fw::testing::TempFolder folder_;
};

TEST_F(KelLogger, EventGetsTheMessageUnchangedWithoutStampAndStampedWithIt) {
  fw::TObject sender;
  logger_->SetLogOptions({net::loDestEvent});
  logger_->WriteLogLine(&sender, net::loWsockInfo, "plain text");
  fw::ServiceDouble clock(fw::Now, [] { return fw::EncodeDate(2026, 12, 10) + fw::EncodeTime(7, 5, 9, 42); });
  logger_->SetLogOptions({net::loDestEvent, net::loAddStamp});
  logger_->WriteLogLine(&sender, net::loWsockDump, "stamped");
  ASSERT_EQ(lines_.size(), 2u);
  EXPECT_EQ(lines_[0].sender, &sender);
  EXPECT_EQ(lines_[0].option, net::loWsockInfo);
  EXPECT_EQ(lines_[0].text, "plain text");
  EXPECT_EQ(lines_[1].option, net::loWsockDump);
  EXPECT_EQ(lines_[1].text, "07:05:09:042 stamped");
}

TEST_F(KelLogger, NoDestinationWritesNothing) {
  logger_->SetLogOptions({net::loWsockInfo});
  logger_->SetLogFileName(folder_.Path("never.log"));
  logger_->WriteLogLine(nullptr, net::loWsockInfo, "text");
  EXPECT_TRUE(lines_.empty());
  EXPECT_EQ(FileText(folder_.Path("never.log")), "(missing)");
}

TEST_F(KelLogger, FileLineWithoutANameRaisesFileNameEmpty) {
  logger_->SetLogOptions({net::loDestFile});
  try {
    logger_->WriteLogLine(nullptr, net::loWsockErr, "text");
    FAIL() << "no exception";
  } catch (const net::ELoggerException& E) {
    EXPECT_EQ(E.Message(), "File name empty");
  }
  // The lock was given back: the logger still works.
  logger_->SetLogOptions({net::loDestEvent});
  logger_->WriteLogLine(nullptr, net::loWsockErr, "after");
  EXPECT_EQ(lines_.size(), 1u);
}

TEST_F(KelLogger, FileModesCreateAppendAndOverwrite) {
  const struct {
    net::TLogFileOption option;
    bool existing;
    const char* expected;
  } cases[] = {
      {net::lfoAppend, false, "one\r\ntwo\r\n"},
      {net::lfoOverwrite, false, "one\r\ntwo\r\n"},
      {net::lfoAppend, true, "old\r\none\r\ntwo\r\n"},
      {net::lfoOverwrite, true, "one\r\ntwo\r\n"},
  };
  int index = 0;
  for (const auto& c : cases) {
    const std::string path = folder_.Path("log" + std::to_string(index++) + ".txt");
    if (c.existing) fw::WriteFileText(path, "old\r\n");
    logger_->SetLogFileOption(c.option);
    logger_->SetLogFileName(path);
    logger_->SetLogOptions({net::loDestFile});
    logger_->WriteLogLine(nullptr, net::loWsockInfo, "one");
    logger_->WriteLogLine(nullptr, net::loWsockInfo, "two");
    logger_->CloseFile();
    EXPECT_EQ(FileText(path), c.expected) << "option " << c.option << " existing " << c.existing;
  }
}

TEST_F(KelLogger, ANewFileNameClosesTheOpenFileAndTheNextLineGoesToTheNewOne) {
  logger_->SetLogOptions({net::loDestFile});
  logger_->SetLogFileName(folder_.Path("first.log"));
  logger_->WriteLogLine(nullptr, net::loWsockInfo, "a");
  logger_->SetLogFileName(folder_.Path("second.log"));
  logger_->WriteLogLine(nullptr, net::loWsockInfo, "b");
  logger_->CloseFile();
  EXPECT_EQ(FileText(folder_.Path("first.log")), "a\r\n");
  EXPECT_EQ(FileText(folder_.Path("second.log")), "b\r\n");
}

TEST_F(KelLogger, ASocketLogsItsConnectAndForgetsAFreedLogger) {
  LoopbackPeer peer([](SOCKET&) {});
  auto* socket = new net::TNetSocket(nullptr);
  socket->SetKelLogger(logger_);
  logger_->SetLogOptions({net::loDestEvent, net::loWsockInfo});
  socket->SetAddr("127.0.0.1");
  socket->SetPort(peer.PortText());
  socket->Connect();
  ASSERT_FALSE(lines_.empty());
  EXPECT_EQ(lines_[0].sender, socket);
  EXPECT_EQ(lines_[0].text, "TNetSocket will connect to 127.0.0.1:" + peer.PortText());

  logger_->Free();
  logger_ = fw::Create<net::TKelLogger>(nullptr);
  EXPECT_EQ(socket->KelLogger(), nullptr);
  socket->Free();
}

}  // namespace
}  // namespace net_test
