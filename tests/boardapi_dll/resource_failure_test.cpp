// The system failing inside the DLL's exports, as a host meets it: each allocation, and each event or mutex the
// library makes, failing in turn through the exported call. The call answers a status (never ends or hangs the
// host), leaves nothing of itself behind, and the library stays whole for the next call.
#include <functional>

#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/failing_dll_calls.h"

namespace dlltest {
namespace {

struct Call {
  const char* name;
  std::function<ApiStatus()> call;
  std::function<void()> undo;  // takes back what a successful call did
  ApiStatus ownFailure;        // a failure the call may report on its own terms
};

// One round: the call with the failing function in place; its status, and how often the function was asked.
struct Round {
  ApiStatus status;
  int asked;
};
template <typename Failing, typename Call>
Round FailAfter(int succeeding, Call&& call) {
  Failing failure(succeeding);
  if (!failure.Installed()) return {call(), -1};
  return {call(), failure.Asked()};
}

// Fails the call's first allocation, then its second, ... until a round fails none. A round whose allocation
// failed answers API_OK or an error; after an error the same call without failure works.
// The call runs once whole first: a thread's first call into the library makes the thread's own storage (the
// runtime's emulated thread-local variables), and the runtime ends the process when that allocation fails, which
// no code of the library can catch.
void FailEachAllocation(const Call& c) {
  SCOPED_TRACE(c.name);
  ASSERT_EQ(c.call(), API_OK);
  c.undo();
  for (int succeeding = 0; succeeding < 1000; ++succeeding) {
    SCOPED_TRACE(succeeding);
    const auto [status, asked] = FailAfter<FailingDllAllocations>(succeeding, c.call);
    ASSERT_NE(asked, -1) << "the import was not replaced";
    if (succeeding == 0) {
      ASSERT_GT(asked, 0) << "the call allocates nothing: the test proves nothing";
    }
    if (status == API_OK) {
      c.undo();
      if (asked <= succeeding) return;  // nothing failed: every allocation of the call has had its turn
      continue;
    }
    EXPECT_GT(asked, succeeding) << "an error without a failed allocation";
    EXPECT_TRUE(status == API_ERR_DEVICE_IO || status == c.ownFailure) << status;
    ASSERT_EQ(c.call(), API_OK);
    c.undo();
  }
  ADD_FAILURE() << "the call never ran without a failed allocation";
}

using ResourceFailure = BoardApiTest;

TEST_F(ResourceFailure, EachAllocationOfAnExportFailingInTurnAnswersAStatusAndLeavesTheLibraryWhole) {
  AddBoard(0x03E8, "4B000002");
  const std::string name = DeviceName(0x03E8, "4B000002");
  FailEachAllocation({"ventrix_OpenControllers", [] { return ventrix_OpenControllers(); },
                      [&] {
                        EXPECT_EQ(DeviceList(), std::vector<std::string>{name});
                        ventrix_CloseControllers();
                      },
                      API_ERR_OPEN_FAILED});

  Open();
  uint32_t size = 0;
  FailEachAllocation({"ventrix_GetDeviceList", [&] { return ventrix_GetDeviceList(nullptr, &size, nullptr); },
                      [&] { EXPECT_EQ(size, 14u); }, API_ERR_DEVICE_IO});
  int32_t session = 0;
  FailEachAllocation({"ventrix_Bind", [&] { return ventrix_Bind(name.c_str(), &session); },
                      [&] { EXPECT_EQ(ventrix_UnBind(session), API_OK); }, API_ERR_DEVICE_IO});
}

// Opening a board makes its pipes' events and mutexes before their readers; whichever fails, the open returns
// (no reader is left for the close to wait for), and the close leaves none of the board's files open.
TEST_F(ResourceFailure, EachEventOrMutexOfAnOpenFailingInTurnLeavesNothingOpenAndTheNextOpenWhole) {
  const int board = AddBoard(0x03E8, "4B000003");
  const std::vector<std::string> names{DeviceName(0x03E8, "4B000003")};
  for (int succeeding = 0; succeeding < 1000; ++succeeding) {
    SCOPED_TRACE(succeeding);
    const auto [status, asked] = FailAfter<FailingDllObjects>(succeeding, &ventrix_OpenControllers);
    ASSERT_NE(asked, -1) << "the imports were not replaced";
    if (succeeding == 0) {
      ASSERT_GT(asked, 0) << "the open makes no event or mutex: the test proves nothing";
    }
    const std::vector<std::string> listed = status == API_OK ? DeviceList() : std::vector<std::string>{};
    ventrix_CloseControllers();
    EXPECT_EQ(Sim().OpenHandleCount(board), 0);
    if (asked <= succeeding) {
      EXPECT_EQ(status, API_OK);
      EXPECT_EQ(listed, names);
      return;
    }
    // A board whose pipe could not open is not there.
    EXPECT_TRUE(status == API_OK || status == API_ERR_NO_DEVICES || status == API_ERR_OPEN_FAILED ||
                status == API_ERR_DEVICE_IO)
        << status;
    Open();
    EXPECT_EQ(DeviceList(), names);
    ventrix_CloseControllers();
  }
  ADD_FAILURE() << "the open never ran without a failed event or mutex";
}

}  // namespace
}  // namespace dlltest
