// Generator of simulator records: random kinds and sizes (none, short, huge, size fields that lie), data areas
// shorter and longer than their definitions, events for ids nobody mapped. Each record goes through the stand-in
// and the link's real dispatch; afterwards the session must still be open and a good data change must still
// reach the cockpit state.
#include <cstring>

#include "controller/aircraft/cockpit_state.h"
#include "controller/aircraft/sim_session.h"
#include "controller/aircraft/simconnect_abi.h"
#include "tests/aircraft/standin_fixture.h"
#include "tests/support/soak_run.h"

namespace aircraft_test {
namespace {

using namespace aircraft;
using Bytes = std::vector<std::uint8_t>;
using trelvik::testing::SoakRun;

void PutWord(Bytes& bytes, std::size_t at, std::uint32_t value) {
  if (at + 4 <= bytes.size()) std::memcpy(bytes.data() + at, &value, 4);
}

// One record as the simulator might send it, and the size the dispatch hands over with it.
struct Drawn {
  Bytes bytes;
  std::uint32_t handedOver;
};

Drawn DrawRecord(SoakRun& run) {
  const std::uint32_t kinds[] = {simconnect::kRecordNull,        simconnect::kRecordException,
                                 simconnect::kRecordOpen,        simconnect::kRecordEvent,
                                 simconnect::kRecordObjectData,  simconnect::kRecordSystemState,
                                 simconnect::kRecordClientData,  static_cast<std::uint32_t>(run.Between(17, 0x7FFF)),
                                 0xFFFFFFFFu};
  std::uint32_t kind = kinds[run.Between(0, std::size(kinds) - 1)];
  // The link goes by the kind's low byte, so a kind ending in the quit's byte is a quit: the session ends, as
  // it must. Quits are not this generator's business.
  if ((kind & 0xFFu) == simconnect::kRecordQuit) kind ^= 0x100u | 0x01u;
  std::size_t size = 0;
  switch (run.Between(0, 5)) {
    case 0: size = static_cast<std::size_t>(run.Between(0, 12)); break;            // no room for a header
    case 1: size = static_cast<std::size_t>(run.Between(12, 48)); break;           // header and a little
    case 2: size = simconnect::kClientDataHeaderSize + kAddonData737Size + run.Between(-8, 8); break;  // about an area
    case 3: size = simconnect::kClientDataHeaderSize + kAddonControl737Size + run.Between(-4, 4); break;
    case 4: size = static_cast<std::size_t>(run.Between(0, 1024)); break;
    default: size = static_cast<std::size_t>(run.Between(1024, 70000)); break;  // huge
  }
  Drawn drawn{run.Bytes(size), static_cast<std::uint32_t>(size)};
  // The header mostly tells the truth about the kind; its size field lies now and then.
  PutWord(drawn.bytes, 8, kind);
  PutWord(drawn.bytes, 4, 4);
  const int sizeField = run.Between(0, 3);
  PutWord(drawn.bytes, 0, sizeField == 0   ? static_cast<std::uint32_t>(run.Bytes(4)[0]) << run.Between(0, 24)
                          : sizeField == 1 ? static_cast<std::uint32_t>(size + run.Between(1, 4096))
                                           : static_cast<std::uint32_t>(size));
  // Requests and events mostly name ids the link uses (the data, control and state requests, the first
  // events), otherwise ids nobody mapped.
  PutWord(drawn.bytes, 12, static_cast<std::uint32_t>(run.Between(0, 3) == 0 ? run.Between(0, 0x7FFFFFFF) : run.Between(0, 4)));
  PutWord(drawn.bytes, 16, static_cast<std::uint32_t>(run.Between(0, 3) == 0 ? run.Between(0, 0x7FFFFFFF) : run.Between(0, 4)));
  // The dispatch sometimes hands over less than the record.
  if (run.Between(0, 4) == 0 && size > 0) drawn.handedOver = static_cast<std::uint32_t>(run.Between(0, static_cast<int>(size)));
  return drawn;
}

class RecordsSoakTest : public StandInTest {};

TEST_F(RecordsSoakTest, RandomRecordsLeaveTheSessionOpenAndDataStillArriving) {
  Connect(false);
  SoakRun run("simconnect", 5501, 300);
  while (run.Next()) {
    const Drawn drawn = DrawRecord(run);
    run.SetInput(drawn.bytes);
    try {
      StandIn().QueueRecord(drawn.bytes.data(), drawn.handedOver);
      PollSim737();
    } catch (const std::exception& e) {
      run.Fail(std::string("the dispatch raised: ") + e.what());
      continue;
    }
    if (SimSession() == nullptr) {
      run.Fail("the session was dropped");
      Connect(false);
      continue;
    }
    // A good data change after the record still arrives.
    Bytes good(kAddonData737Size, 0);
    const auto heading = static_cast<std::uint16_t>(run.Index() % 360 + 1);
    std::memcpy(good.data() + 268, &heading, sizeof heading);
    StandIn().SetClientData("ORVA_QTX_Data", good.data(), static_cast<std::uint32_t>(good.size()));
    PollSim737();
    if (Cockpit().b737.heading_737 != heading) run.Fail("a data change after the record did not arrive");
    else run.Count("data-changes-checked");
    host_.info.Clear();
    host_.messages.clear();
  }
}

}  // namespace
}  // namespace aircraft_test
