// Records that are short, oversized or garbled never take the link down: each is read only as far as it
// goes, and a data area that is not all there leaves the last state as it was.
#include <cstring>
#include <functional>

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_abi.h"
#include "tests/aircraft/standin_fixture.h"

namespace aircraft_test {
namespace {

using namespace aircraft;
using Bytes = std::vector<std::uint8_t>;

template <class Record>
Bytes AsBytes(const Record& record) {
  Bytes bytes(sizeof record);
  std::memcpy(bytes.data(), &record, sizeof record);
  return bytes;
}

// A client-data record of `areaSize` bytes for a request, every area byte `fill`.
Bytes ClientData(std::uint32_t request, std::size_t areaSize, std::uint8_t fill) {
  simconnect::ClientDataRecord header{};
  header.header = {static_cast<std::uint32_t>(sizeof header + areaSize), 4, simconnect::kRecordClientData};
  header.requestId = request;
  Bytes bytes = AsBytes(header);
  bytes.resize(bytes.size() + areaSize, fill);
  return bytes;
}

Bytes SystemState(std::uint32_t request, const std::string& text) {
  simconnect::SystemStateRecord record{};
  record.header = {sizeof record, 4, simconnect::kRecordSystemState};
  record.requestId = request;
  std::memcpy(record.text, text.data(), std::min(text.size(), sizeof record.text));
  return AsBytes(record);
}

struct RecordCase {
  const char* label;
  Bytes record;
  std::size_t handedOver;  // the size the dispatch reports; 0: the record's own
};

class RecordsTest : public StandInTest {
 protected:
  void SetUp() override {
    StandInTest::SetUp();
    Connect(false);
    // The last good state: heading 123, everything else 0x01.
    Bytes good(kAddonData737Size, 1);
    good[268] = 123;
    good[269] = 0;
    StandIn().SetClientData("ORVA_QTX_Data", good.data(), static_cast<std::uint32_t>(good.size()));
    PollSim737();
    ASSERT_EQ(Cockpit().b737.heading_737, 123);
    host_.info.Clear();
  }

  void Deliver(const RecordCase& c) {
    const std::size_t size = c.handedOver != 0 ? c.handedOver : c.record.size();
    // The stand-in hands over exactly `size` bytes, so a read past them is a read past the record.
    StandIn().QueueRecord(c.record.data(), static_cast<std::uint32_t>(size));
    PollSim737();
  }
};

TEST_F(RecordsTest, AnAreaThatIsNotAllThereKeepsTheLastState) {
  Bytes headerOnly = ClientData(0, 0, 0);
  Bytes lyingSize = ClientData(0, kAddonData737Size, 0);
  lyingSize[0] = 40;  // the record says it ends after its header fields
  Bytes garbledKind = ClientData(0, kAddonData737Size, 0);
  garbledKind[8] = 0x77;
  const RecordCase cases[] = {
      {"empty", Bytes(), 0},
      {"part of a header", Bytes{16, 0, 0}, 0},
      {"header only", headerOnly, 0},
      {"request id cut off", ClientData(0, kAddonData737Size, 0), 14},
      {"one byte short", ClientData(0, kAddonData737Size - 1, 0), 0},
      {"handed over one byte short", ClientData(0, kAddonData737Size, 0), 40 + kAddonData737Size - 1},
      {"own size shorter", lyingSize, 0},
      {"unknown kind", garbledKind, 0},
      {"unknown request", ClientData(7, kAddonData737Size, 0), 0},
      {"control area short", ClientData(1, kAddonControl737Size - 1, 0), 0},
  };
  const CockpitState before = Cockpit();
  for (const RecordCase& c : cases) {
    Deliver(c);
    EXPECT_EQ(std::memcmp(&before, &Cockpit(), sizeof before), 0) << c.label;
    EXPECT_EQ(LastAddonData737()[268], 123) << c.label;
  }
  EXPECT_TRUE(host_.InfoLines().empty());
  EXPECT_NE(SimSession(), nullptr);
}

TEST_F(RecordsTest, AnOversizedAreaIsReadForItsDefinedSize) {
  Bytes oversized = ClientData(0, kAddonData737Size + 100, 0);
  oversized[40 + 268] = 200;
  Deliver({"oversized", oversized, 0});
  EXPECT_EQ(Cockpit().b737.heading_737, 200);
}

TEST_F(RecordsTest, TextIsReadOnlyWithinItsFieldAndTheRecord) {
  // A state text with no terminating zero in its field, and one cut off by the record's end.
  Deliver({"unterminated", SystemState(2, std::string(300, 'x')), 0});
  EXPECT_EQ(host_.InfoLines(), std::vector<std::string>{"ORVA 737 Aircraft Not Detected"});
  Bytes cut = SystemState(2, "....ORVA 737");
  const std::size_t textAt = offsetof(simconnect::SystemStateRecord, text);
  Deliver({"name past the end", cut, textAt + 6});
  EXPECT_EQ(host_.InfoLines(), std::vector<std::string>{"ORVA 737 Aircraft Not Detected"});
  Deliver({"name within", cut, textAt + 12});
  EXPECT_EQ(host_.InfoLines(), std::vector<std::string>{"ORVA 737 Aircraft Detected"});

  simconnect::OpenRecord open{};
  open.header = {sizeof open, 4, simconnect::kRecordOpen};
  std::memset(open.applicationName, 'A', sizeof open.applicationName);
  open.applicationVersionMajor = 1;
  host_.info.Clear();
  Deliver({"open name unterminated", AsBytes(open), 0});
  ASSERT_FALSE(host_.InfoLines().empty());
  EXPECT_EQ(host_.InfoLines()[0], std::string(256, 'A') + " 1.0.0.0");
  host_.info.Clear();
  Deliver({"open cut before the versions", AsBytes(open), offsetof(simconnect::OpenRecord, simConnectBuildMinor)});
  EXPECT_TRUE(host_.InfoLines().empty());
}

TEST_F(RecordsTest, ShortRecordsOfEveryKindAreIgnored) {
  const std::uint32_t kinds[] = {simconnect::kRecordException, simconnect::kRecordEvent,
                                 simconnect::kRecordSystemState};
  for (const std::uint32_t kind : kinds) {
    const simconnect::RecordHeader header{sizeof header, 4, kind};
    Deliver({"header only", AsBytes(header), 0});
  }
  EXPECT_TRUE(host_.InfoLines().empty());
  const std::vector<std::string> journal = Journal();
  EXPECT_TRUE(journal.empty()) << journal[0];  // a short event asks nothing
}

TEST_F(RecordsTest, AControlAreaBeforeAnyDataAreaDerivesNothing) {
  // Bytes 101-104 all 0 would read as powered.
  ResetCockpitState();
  Deliver({"control first", ClientData(1, kAddonControl737Size, 0), 0});
  EXPECT_EQ(Cockpit().b737.power_737, 0);
  EXPECT_EQ(Cockpit().cdu_lamps[kCduCaptain].power, 0);
}

}  // namespace
}  // namespace aircraft_test
