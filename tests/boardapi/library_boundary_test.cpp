// The library's edges in process: an exception inside an exported call's frame (an allocation that fails)
// answers a status and leaves the library as it was, and a device-change detector that cannot start says so.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <new>
#include <string>

#include "boardapi/api/app.h"
#include "boardapi/api/detector.h"
#include "boardapi/base/api_lock.h"
#include "boardapi/exports/export_frame.h"
#include "tests/boardapi/fixtures/sim_layer_fixture.h"

namespace {
// Allocations on this thread that succeed before one fails; -1: none fails.
thread_local int t_allocationsBeforeFailure = -1;
}  // namespace

// The replacement pairs malloc with free; the compiler's check cannot see that every new here is this one.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  if (t_allocationsBeforeFailure >= 0 && t_allocationsBeforeFailure-- == 0) throw std::bad_alloc();
  if (void* block = std::malloc(size != 0 ? size : 1)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

class FailingAllocation {
 public:
  explicit FailingAllocation(int succeeding) { t_allocationsBeforeFailure = succeeding; }
  ~FailingAllocation() { t_allocationsBeforeFailure = -1; }
};

class LibraryBoundary : public SimLayerTest {
 protected:
  void SetUp() override {
    hidsim::AddBoard(BoardOf(0x03E8, L"4B000001"));
    ASSERT_EQ(theApp.OpenControllers(), API_OK);
  }
  void TearDown() override { theApp.CloseControllers(); }
};

TEST_F(LibraryBoundary, AnAllocationThatFailsInsideACallAnswersAStatus) {
  const char name[] = "03E84B000001";
  int32_t session = 0;
  auto bind = [&] {
    return frame::Run("ventrix_Bind", "%s(0x%.08X, 0x%.08X)", [&] { return theApp.Bind(name, &session); },
                      frame::LogPointer(name), frame::LogPointer(&session));
  };
  uint32_t size = 0;
  auto list = [&] {
    return frame::Run("ventrix_GetDeviceList", "%s()", [&] { return theApp.GetDeviceList(nullptr, &size, nullptr); });
  };
  // Each allocation the call makes fails in turn, until the call makes no more than succeed.
  // A call may also fail on its own terms (an open whose boards could not start answers -1).
  auto everyFailure = [](auto call, auto checkWhole, ApiStatus ownFailure = API_ERR_DEVICE_IO) {
    for (int succeeding = 0; succeeding < 64; ++succeeding) {
      SCOPED_TRACE(succeeding);
      ApiStatus status = API_OK;
      {
        FailingAllocation failure(succeeding);
        status = call();
      }
      if (status == API_OK) return;
      EXPECT_TRUE(status == API_ERR_DEVICE_IO || status == ownFailure) << status;
      // The frame gave the library lock back, and nothing half made stays behind.
      EXPECT_EQ(ApiLockLevels(), 0);
      checkWhole();
    }
    ADD_FAILURE() << "the call kept failing";
  };
  everyFailure(bind, [&] {
    ASSERT_EQ(bind(), API_OK);
    EXPECT_EQ(theApp.UnBind(session), API_OK);
  });
  EXPECT_EQ(theApp.UnBind(session), API_OK);
  everyFailure(list, [&] {
    EXPECT_EQ(list(), API_OK);
    EXPECT_EQ(size, 14u);
  });
  auto open = [] { return frame::Run("ventrix_OpenControllers", "%s()", [] { return theApp.OpenControllers(); }); };
  theApp.CloseControllers();
  everyFailure(
      open,
      [&] {
        ASSERT_EQ(open(), API_OK);
        EXPECT_EQ(list(), API_OK);
        EXPECT_EQ(size, 14u);
        theApp.CloseControllers();
      },
      API_ERR_OPEN_FAILED);
}

LRESULT CALLBACK RefuseToBeMade(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return FALSE;
  return DefWindowProcA(window, message, wParam, lParam);
}

int32_t WINAPI IgnoreChange(int32_t) { return 0; }

TEST_F(LibraryBoundary, ADetectorThatCannotMakeItsWindowFailsTheEnable) {
  // A class of the detector's name whose windows refuse to be made.
  WNDCLASSA refusing{};
  refusing.lpfnWndProc = RefuseToBeMade;
  refusing.hInstance = GetModuleHandleA(nullptr);
  refusing.lpszClassName = kDetectorWindowClass;
  ASSERT_NE(RegisterClassA(&refusing), 0);
  EXPECT_EQ(theApp.EnableDeviceChangeNotification(true, IgnoreChange), API_ERR_DEVICE_IO);
  EXPECT_EQ(FindWindowA(kDetectorWindowClass, nullptr), nullptr);
  ASSERT_TRUE(UnregisterClassA(kDetectorWindowClass, GetModuleHandleA(nullptr)));

  // Nothing of the failed start is left: the next enable starts.
  EXPECT_EQ(theApp.EnableDeviceChangeNotification(true, IgnoreChange), API_OK);
  EXPECT_NE(FindWindowA(kDetectorWindowClass, nullptr), nullptr);
  EXPECT_EQ(theApp.EnableDeviceChangeNotification(false, nullptr), API_OK);
}

}  // namespace
