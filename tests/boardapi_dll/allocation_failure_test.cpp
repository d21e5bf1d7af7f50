// Allocations that fail inside the DLL's exports: each one in turn, through the exported call as a host makes
// it. The call answers a status (never ends the host), and the library stays whole for the next call.
#include <functional>

#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/failing_allocations.h"

namespace dlltest {
namespace {

struct Call {
  const char* name;
  std::function<ApiStatus()> call;
  std::function<void()> undo;  // takes back what a successful call did
  ApiStatus ownFailure;        // a failure the call may report on its own terms
};

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
    ApiStatus status = API_OK;
    int asked = 0;
    {
      FailingDllAllocations failure(succeeding);
      ASSERT_TRUE(failure.Installed());
      status = c.call();
      asked = failure.Asked();
    }
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

using AllocationFailure = BoardApiTest;

TEST_F(AllocationFailure, EachAllocationOfAnExportFailingInTurnAnswersAStatusAndLeavesTheLibraryWhole) {
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

}  // namespace
}  // namespace dlltest
