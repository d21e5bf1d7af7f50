// The clipboard: text and a format of the program's own, and a clipboard another window holds.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "framework/clipboard/clipboard.h"
#include "framework/services/clock.h"

namespace fw {
namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  void TearDown() override { Clipboard()->Clear(); }
};

TEST_F(ClipboardTest, TextAndAnOwnFormatsBlockGoTogetherAndComeBack) {
  const UINT format = TClipboard::RegisterFormat("Trelvik.Tests.ClipboardBlock");
  EXPECT_EQ(TClipboard::RegisterFormat("Trelvik.Tests.ClipboardBlock"), format);
  const char bytes[] = {1, 0, 2, 0, 3};
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(bytes));
  ASSERT_NE(block, nullptr);
  std::memcpy(GlobalLock(block), bytes, sizeof(bytes));
  GlobalUnlock(block);

  Clipboard()->Open();
  Clipboard()->SetAsText("Row 1\tA\r\nRow 2\tB");
  Clipboard()->SetAsHandle(format, block);  // the same exchange: the text stays
  Clipboard()->Close();

  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_TRUE(Clipboard()->HasFormat(format));
  EXPECT_EQ(Clipboard()->AsText(), "Row 1\tA\r\nRow 2\tB");
  Clipboard()->Open();
  auto* stored = static_cast<HGLOBAL>(Clipboard()->GetAsHandle(format));
  ASSERT_NE(stored, nullptr);
  ASSERT_GE(GlobalSize(stored), sizeof(bytes));
  EXPECT_EQ(std::memcmp(GlobalLock(stored), bytes, sizeof(bytes)), 0);
  GlobalUnlock(stored);
  Clipboard()->Close();

  // A change outside an open exchange replaces everything.
  Clipboard()->SetAsText("only text");
  EXPECT_FALSE(Clipboard()->HasFormat(format));
  EXPECT_EQ(Clipboard()->AsText(), "only text");
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->AsText(), "");
  Clipboard()->Open();
  EXPECT_EQ(Clipboard()->GetAsHandle(format), nullptr);
  Clipboard()->Close();
}

TEST_F(ClipboardTest, AClipboardHeldByAnotherWindowGivesAClearErrorAfterTheRetries) {
  Clipboard()->SetAsText("before");
  HWND other = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(other, nullptr);
  ASSERT_TRUE(OpenClipboard(other));
  int pauses = 0;
  {
    const ServiceDouble<void(std::uint32_t)> sleep(SleepMs, [&](std::uint32_t ms) {
      EXPECT_EQ(ms, TClipboard::kOpenRetryMs);
      ++pauses;
    });
    try {
      Clipboard()->SetAsText("lost?");
      ADD_FAILURE() << "the clipboard opened while another window held it";
    } catch (const EClipboardException& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot open clipboard", 0), 0U) << e.what();
    }
    EXPECT_THROW(Clipboard()->AsText(), EClipboardException);
  }
  EXPECT_EQ(pauses, 2 * (TClipboard::kOpenAttempts - 1));
  CloseClipboard();
  DestroyWindow(other);
  // Nothing stays half open, and the text that was there is still there.
  EXPECT_EQ(Clipboard()->AsText(), "before");
}

}  // namespace
}  // namespace fw
