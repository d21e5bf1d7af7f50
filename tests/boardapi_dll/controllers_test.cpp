#include <string>

#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/child_process.h"

namespace dlltest {
namespace {

using Controllers = BoardApiTest;

TEST_F(Controllers, FirstOpenOfAFreshLibraryWithNoBoardAnswersNoDevices) {
  ChildProcess child = StartBoardApiChild("first-open", {{"VENTRIX_HIDSIM_BOARDS", ""}});
  ASSERT_TRUE(child.Started());
  ASSERT_TRUE(child.Wait(30000));
  EXPECT_EQ(child.Output(), "open=-19\n");
}

TEST_F(Controllers, StatusSequenceAcrossOpenAndClose) {
  int32_t count = -1;
  int32_t session = 0;
  uint32_t size = 0;
  // Closed: the board calls need open controllers; close does nothing.
  EXPECT_EQ(ventrix_GetTotalControllers(&count), API_ERR_NOT_OPEN);
  EXPECT_EQ(ventrix_GetDeviceList(nullptr, &size, nullptr), API_ERR_NOT_OPEN);
  EXPECT_EQ(ventrix_Bind(nullptr, nullptr), API_ERR_NULL_POINTER);
  EXPECT_EQ(ventrix_Bind(nullptr, &session), API_ERR_NULL_NAME);
  EXPECT_EQ(ventrix_Bind("03E800000001", &session), API_ERR_NOT_OPEN);
  EXPECT_EQ(ventrix_CloseControllers(), API_OK);

  AddBoard(0x03E8, "00000001");
  AddBoard(0x03EA, "00000002");
  Open();
  EXPECT_EQ(ventrix_OpenControllers(), API_ERR_ALREADY_OPEN);
  EXPECT_EQ(ventrix_GetTotalControllers(&count), API_OK);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(ventrix_GetTotalControllers(nullptr), API_ERR_NULL_POINTER);
  EXPECT_EQ(ventrix_Bind(nullptr, nullptr), API_ERR_NULL_POINTER);

  EXPECT_EQ(ventrix_CloseControllers(), API_OK);
  EXPECT_EQ(ventrix_GetTotalControllers(&count), API_ERR_NOT_OPEN);

  // A failed open after a successful one answers -1 (the kept count is 2), and leaves the layer closed:
  // a board added afterwards is found by the next open.
  Sim().Reset();
  EXPECT_EQ(ventrix_OpenControllers(), API_ERR_OPEN_FAILED);
  EXPECT_EQ(ventrix_GetTotalControllers(&count), API_ERR_NOT_OPEN);
  AddBoard(0x03E8, "00000003");
  Open();
  EXPECT_EQ(ventrix_GetTotalControllers(&count), API_OK);
  EXPECT_EQ(count, 1);
}

TEST_F(Controllers, ReopenWithFewerBoardsListsOnlyTheNewOnes) {
  AddBoard(0x03E8, "00000001");
  AddBoard(0x03E8, "00000002");
  AddBoard(0x03E8, "00000003");
  Open();
  ASSERT_EQ(DeviceList().size(), 3u);
  ventrix_CloseControllers();

  Sim().Reset();
  AddBoard(0x03EA, "00000009");
  Open();
  EXPECT_EQ(DeviceList(), std::vector<std::string>{DeviceName(0x03EA, "00000009")});
  int32_t session = 0;
  EXPECT_EQ(ventrix_Bind(DeviceName(0x03E8, "00000002").c_str(), &session), API_ERR_NOT_FOUND);
}

}  // namespace
}  // namespace dlltest
