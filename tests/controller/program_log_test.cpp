// The program log: emptied at start, exact lines for a fixed clock, the "Log" tick, and writes that
// never raise.
#include <gtest/gtest.h>

#include "controller/app/program_log.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/formatsettings.h"
#include "framework/services/clock.h"
#include "tests/support/scratch_folder.h"

namespace trelvik {
namespace {

using testing::ScratchFolder;

class ProgramLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = fw::FormatSettings;
    fw::FormatSettings.DateSeparator = '/';
    fw::FormatSettings.TimeSeparator = ':';
    fw::FormatSettings.ShortDateFormat = "dd/MM/yyyy";
  }
  void TearDown() override { fw::FormatSettings = saved_; }

  fw::TDateTime clock_ = fw::EncodeDate(2014, 3, 7) + fw::EncodeTime(18, 42, 5, 0);
  fw::ServiceDouble<fw::TDateTime()> now_{fw::Now, [this] { return clock_; }};
  fw::TFormatSettings saved_;
};

TEST_F(ProgramLogTest, LinesCarryDateTimeAndTextAndOnlyForcedOnesWhileUnticked) {
  ScratchFolder folder("log_lines");
  folder.Write(kProgramLogName, "from the last run\r\n");
  ProgramLog log;
  log.Open(folder.File(kProgramLogName));
  EXPECT_EQ(folder.Read(kProgramLogName), "");  // emptied at start

  log.force_log("Board Detected : 330A - VDK CTRL MCP");
  log.log("Switch Received");  // the "Log" item starts unticked
  log.SetLogging(true);
  clock_ = fw::EncodeDate(2014, 3, 8) + fw::EncodeTime(0, 0, 0, 500);  // midnight: the date alone
  log.log("at midnight");
  clock_ = fw::EncodeDate(2014, 3, 8) + fw::EncodeTime(0, 0, 1, 0);
  log.log("a second later");
  EXPECT_EQ(folder.Read(kProgramLogName),
            "07/03/2014 18:42:05 : Board Detected : 330A - VDK CTRL MCP\r\n"
            "08/03/2014 : at midnight\r\n"
            "08/03/2014 00:00:01 : a second later\r\n");
  EXPECT_EQ(fw::FormatSettings.LongTimeFormat, "hh:mm:ss");
  log.Close();
}

TEST_F(ProgramLogTest, AFileThatCannotBeOpenedRaisesAndWritesNeverDo) {
  ScratchFolder folder("log_fail");
  ProgramLog log;
  EXPECT_THROW(log.Open(folder.File("missing\\folder\\") + kProgramLogName), fw::EFCreateError);
  EXPECT_FALSE(log.IsOpen());
  EXPECT_NO_THROW(log.force_log("dropped"));

  // A clock that fails while a line is made: the line is dropped, the caller goes on.
  log.Open(folder.File(kProgramLogName));
  {
    fw::ServiceDouble<fw::TDateTime()> broken(fw::Now, []() -> fw::TDateTime { throw fw::EConvertError("clock"); });
    EXPECT_NO_THROW(log.force_log("lost"));
  }
  log.force_log("kept");
  log.Close();
  EXPECT_EQ(folder.Read(kProgramLogName), "07/03/2014 18:42:05 : kept\r\n");
}

}  // namespace
}  // namespace trelvik
