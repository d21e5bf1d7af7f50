// Generator of the TCP companion's byte stream: records of every length byte and content, near misses of the
// one command, cut into reads of random sizes with acknowledgement-sized and failed reads among them, fed to the
// main form's record handling. Nothing but the exact command may end anything, the reader never holds more than
// one record, and the command still works afterwards.
#include <windows.h>

#include <cstring>

#include "controller/app/process_killer.h"
#include "controller/app/tcp_records.h"
#include "main_form_fixture.h"
#include "tests/support/soak_run.h"

namespace trelvik::testing {
namespace {

std::string CommandRecord(const std::string& text, std::uint8_t length, SoakRun& run) {
  std::string record(kTcpRecordSize, '\0');
  const std::vector<std::uint8_t> filler = run.Bytes(kTcpRecordSize);
  std::memcpy(record.data(), filler.data(), filler.size());
  record[0] = static_cast<char>(length);
  std::memcpy(record.data() + 1, text.data(), text.size());
  return record;
}

// A record that is not the command: random bytes, or the command with one thing wrong.
std::string DrawRecord(SoakRun& run) {
  const std::string command = "KILL_ZEDARAVE";
  switch (run.Between(0, 3)) {
    case 0: {  // the length byte one off
      const int length = static_cast<int>(command.size()) + (run.Between(0, 1) == 0 ? -1 : 1);
      std::string record = CommandRecord(command, static_cast<std::uint8_t>(length), run);
      if (length > static_cast<int>(command.size())) record[1 + command.size()] = static_cast<char>(run.Between(1, 255));
      return record;
    }
    case 1: {  // one character changed
      std::string text = command;
      const int at = run.Between(0, static_cast<int>(text.size()) - 1);
      text[static_cast<std::size_t>(at)] = static_cast<char>(text[static_cast<std::size_t>(at)] ^ run.Between(1, 255));
      return CommandRecord(text, static_cast<std::uint8_t>(text.size()), run);
    }
    default: {
      const std::vector<std::uint8_t> bytes = run.Bytes(kTcpRecordSize);
      return std::string(bytes.begin(), bytes.end());
    }
  }
}

bool QuitWaiting() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

class TcpRecordsSoakTest : public MainFormTest {
 protected:
  std::vector<std::uint32_t> terminated_;
  fw::ServiceDouble<std::vector<RunningProcess>()> processes_{
      RunningProcesses, [] { return std::vector<RunningProcess>{{40, "TCP_CLIENT.exe"}}; }};
  fw::ServiceDouble<bool(std::uint32_t)> kill_{TerminateProcessById, [this](std::uint32_t id) {
                                                 terminated_.push_back(id);
                                                 return true;
                                               }};
};

TEST_F(TcpRecordsSoakTest, NoStreamButTheExactCommandEndsAnything) {
  TZedArave* form = MakeForm();
  SoakRun run("tcp", 5502, 300);
  const auto capacity = [&] { return form->tcp_reader.capacity(); };
  while (run.Next()) {
    // A few records, then a piece of one (the stream's end may cut a record).
    std::string stream;
    for (int i = run.Between(0, 3); i > 0; --i) stream += DrawRecord(run);
    stream += DrawRecord(run).substr(0, static_cast<std::size_t>(run.Between(0, kTcpRecordSize)));
    run.SetInput(stream);
    std::size_t at = 0;
    int handled = 0;
    try {
      while (at < stream.size()) {
        // The socket answers a read with some of what is waiting, a failure, or nothing.
        const int answer = run.Between(0, 9);
        std::int32_t failed = answer == 0 ? -1 : answer == 1 ? 0 : 1;
        const std::int32_t piece = answer == 2 ? kTcpAcknowledgementSize : run.Between(1, kTcpRecordSize + 20);
        form->tcp_reader.DataAvailable(
            [&](void* buffer, std::int32_t size) -> std::int32_t {
              if (failed <= 0) return failed;
              const auto count = static_cast<std::int32_t>(
                  std::min<std::size_t>({static_cast<std::size_t>(size), static_cast<std::size_t>(piece), stream.size() - at}));
              std::memcpy(buffer, stream.data() + at, static_cast<std::size_t>(count));
              at += static_cast<std::size_t>(count);
              return count;
            },
            [&](const TcpRecord& record) {
              ++handled;
              form->tcp_record = record;
              form->process_single_updates();
            });
        if (form->tcp_reader.filled() < 0 || form->tcp_reader.filled() >= kTcpRecordSize) {
          run.Fail("the reader holds " + std::to_string(form->tcp_reader.filled()) + " bytes");
          break;
        }
      }
    } catch (const std::exception& e) {
      run.Fail(std::string("the record handling raised: ") + e.what());
    }
    if (capacity() != kTcpReceiveCapacity) run.Fail("the receive buffer grew");
    if (!terminated_.empty() || QuitWaiting()) {
      run.Fail("a stream without the command ended the companion or the program");
      terminated_.clear();
      MSG msg;
      PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    run.Count("records-handled", handled);
  }
  // The command still works after all that, from wherever the reader was left.
  std::string command(static_cast<std::size_t>(kTcpRecordSize - form->tcp_reader.filled()), '\0');
  command += CommandRecord("KILL_ZEDARAVE", 13, run);
  std::size_t at = 0;
  // Reads of at most 18 bytes, so none is taken for an acknowledgement.
  for (int i = 0; i < 100 && at < command.size(); ++i) {
    form->tcp_reader.DataAvailable(
        [&](void* buffer, std::int32_t size) {
          const auto count = static_cast<std::int32_t>(std::min<std::size_t>({static_cast<std::size_t>(size), std::size_t{18}, command.size() - at}));
          std::memcpy(buffer, command.data() + at, static_cast<std::size_t>(count));
          at += static_cast<std::size_t>(count);
          return count;
        },
        [&](const TcpRecord& record) {
          form->tcp_record = record;
          form->process_single_updates();
        });
  }
  EXPECT_EQ(terminated_, std::vector<std::uint32_t>{40});
  EXPECT_TRUE(QuitWaiting());
  form->Free();
}

}  // namespace
}  // namespace trelvik::testing
