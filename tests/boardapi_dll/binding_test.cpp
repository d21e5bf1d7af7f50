#include <cstring>
#include <string>

#include "tests/boardapi_dll/fixtures/board_api_test.h"
#include "tests/boardapi_dll/fixtures/child_process.h"

namespace dlltest {
namespace {

using Binding = BoardApiTest;

TEST_F(Binding, HandlesCountUpAndNeverRepeat) {
  AddBoard(0x03E8, "00000001");
  Open();
  const std::string name = DeviceName(0x03E8, "00000001");
  const int32_t first = Bind(name);
  ASSERT_GT(first, 0);
  ASSERT_EQ(ventrix_UnBind(first), API_OK);
  bound_.clear();
  const int32_t second = Bind(name);
  EXPECT_EQ(second, first + 1);
  // The unbound handle is gone for good.
  EXPECT_EQ(ventrix_UnBind(first), API_ERR_NO_SESSION);
  EXPECT_EQ(ventrix_SetBoardOptions(first, 1), API_ERR_NO_SESSION);
  BoardInfo info{};
  EXPECT_EQ(ventrix_GetBoardInfo(first, &info), API_ERR_NO_SESSION);
  EXPECT_EQ(ventrix_SetBoardOptions(0, 1), API_ERR_NO_SESSION);
}

TEST_F(Binding, SameNameTwiceInOneProcessKeepsTheFirstSession) {
  AddBoard(0x03E8, "00000001");
  Open();
  const std::string name = DeviceName(0x03E8, "00000001");
  const int32_t session = Bind(name);
  int32_t second = 0;
  EXPECT_EQ(ventrix_Bind(name.c_str(), &second), API_ERR_ALREADY_BOUND);
  EXPECT_EQ(second, 0);
  EXPECT_EQ(ventrix_SetBoardOptions(session, 3), API_OK);
}

TEST_F(Binding, UnknownNamesAnswerNotFoundAndAddNoBoard) {
  AddBoard(0x03E8, "00000001");
  Open();
  int32_t session = 0;
  for (const char* name : {"03E800000002", "03E8", "", "03e800000001", "03E8-00000001"}) {
    EXPECT_EQ(ventrix_Bind(name, &session), API_ERR_NOT_FOUND) << name;
  }
  int32_t count = 0;
  ASSERT_EQ(ventrix_GetTotalControllers(&count), API_OK);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(DeviceList().size(), 1u);
  // Characters after the twelfth are not looked at.
  EXPECT_GT(Bind("03E800000001tail"), 0);
}

TEST_F(Binding, BoardBoundByAnotherProcessAnswersAlreadyBound) {
  const std::string name = DeviceName(0x03E8, "0000B1ND");
  AddBoard(0x03E8, "0000B1ND");
  Open();
  const ChildProcess::Variables boards = {{"VENTRIX_HIDSIM_BOARDS", "1FD1:03E8:0000B1ND"}};

  // The child holds the board: this process cannot bind it until the child lets go.
  {
    SharedEvent ready("child-ready");
    SharedEvent release("child-release");
    ChildProcess child = StartBoardApiChild("bind " + name + " " + ready.Name() + " " + release.Name(), boards);
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(ready.WaitSet(30000));
    int32_t session = 0;
    EXPECT_EQ(ventrix_Bind(name.c_str(), &session), API_ERR_ALREADY_BOUND);
    release.Set();
    ASSERT_TRUE(child.Wait(30000));
    EXPECT_EQ(child.Output(), "bind=0\n");
  }
  const int32_t session = Bind(name);
  ASSERT_GT(session, 0);

  // Now this process holds it: the child is refused.
  SharedEvent ready("child-ready-2");
  SharedEvent release("child-release-2");
  release.Set();
  ChildProcess child = StartBoardApiChild("bind " + name + " " + ready.Name() + " " + release.Name(), boards);
  ASSERT_TRUE(child.Started());
  ASSERT_TRUE(child.Wait(30000));
  EXPECT_EQ(child.Output(), "bind=-18\n");
}

TEST_F(Binding, SessionOutlivesCloseWithoutItsBoard) {
  AddBoard(0x03E8, "00000001");
  Open();
  const std::string name = DeviceName(0x03E8, "00000001");
  const int32_t session = Bind(name);
  ASSERT_EQ(ventrix_CloseControllers(), API_OK);

  BoardInfo info{};
  EXPECT_EQ(ventrix_GetBoardInfo(session, &info), API_ERR_NO_BOARD);
  EXPECT_EQ(ventrix_SetBoardOptions(session, 1), API_OK);
  EXPECT_EQ(ventrix_UnBind(session), API_OK);
  bound_.clear();

  // The name and the bind lock are free again.
  Open();
  EXPECT_GT(Bind(name), session);
}

TEST_F(Binding, BoardInfoChecksSessionThenPointerAndReportsAnUnreadableDescription) {
  SetModel(AddBoard(0x03E8, "00000001"), 0x33, 0x0A);
  const int silent = AddBoard(0x03E8, "00000002");
  Open();
  const int32_t session = Bind(DeviceName(0x03E8, "00000001"));
  EXPECT_EQ(ventrix_GetBoardInfo(session + 1000, nullptr), API_ERR_NO_SESSION);
  EXPECT_EQ(ventrix_GetBoardInfo(session, nullptr), API_ERR_NULL_POINTER);
  BoardInfo read{};
  EXPECT_EQ(ventrix_GetBoardInfo(session, &read), API_OK);
  EXPECT_STREQ(read.model, "330A");

  // A board that does not answer: -7, and the caller's block is left alone.
  const int32_t unanswered = Bind(DeviceName(0x03E8, "00000002"));
  Sim().SetSilent(silent, 1);
  BoardInfo info;
  std::memset(&info, 0x5A, sizeof(info));
  EXPECT_EQ(ventrix_GetBoardInfo(unanswered, &info), API_ERR_DEVICE_IO);
  EXPECT_EQ(info.model[0], 0x5A);
  EXPECT_EQ(info.capabilities, 0x5A5A5A5A);
}

}  // namespace
}  // namespace dlltest
