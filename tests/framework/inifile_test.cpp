// The INI file: lines it does not change stay exactly as they were; reads are forgiving.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/classes/stringlist.h"
#include "framework/ini/inifile.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filetext.h"

using namespace fw;

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(sizeof folder, folder), 0u);
    folder_ = std::string(folder) + "fw_inifile_test\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    fileName_ = folder_ + "settings.ini";
    DeleteFileA(fileName_.c_str());
  }
  void TearDown() override {
    DeleteFileA(fileName_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  void Write(const std::string& text) { WriteFileText(fileName_, text); }
  std::string Read() const { return ReadFileText(fileName_); }

  std::string folder_;
  std::string fileName_;
};

const char* const kSample =
    "; settings of the program\r\n"
    "\r\n"
    "[SETTINGS]\r\n"
    "; the port\r\n"
    "Port = COM3\r\n"
    "Speed=fast\r\n"
    "Hex=$1F\r\n"
    "CHex=0x10\r\n"
    "Quoted=\" padded \"\r\n"
    "Unknown line without equals\r\n"
    "Empty=\r\n"
    "\r\n"
    "[Other]\r\n"
    "Flag=1\r\n";

}  // namespace

TEST_F(IniFileTest, ReadsCaseInsensitivelyWithDefaults) {
  Write(kSample);
  TIniFile ini(fileName_);
  EXPECT_EQ(ini.ReadString("settings", "PORT", "x"), "COM3");
  EXPECT_EQ(ini.ReadString("Settings", "Quoted", "x"), " padded ");
  EXPECT_EQ(ini.ReadString("SETTINGS", "Empty", "x"), "");  // present but empty is not the default
  EXPECT_EQ(ini.ReadString("SETTINGS", "Missing", "x"), "x");
  EXPECT_EQ(ini.ReadString("Nowhere", "Port", "x"), "x");
  EXPECT_EQ(ini.ReadInteger("SETTINGS", "Speed", 42), 42);  // not a number: the default
  EXPECT_EQ(ini.ReadInteger("SETTINGS", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("SETTINGS", "CHex", 0), 16);
  EXPECT_EQ(ini.ReadInteger("SETTINGS", "Empty", 7), 7);
  EXPECT_TRUE(ini.ReadBool("other", "flag", false));
  EXPECT_FALSE(ini.ReadBool("other", "missing", false));
  EXPECT_TRUE(ini.ReadBool("SETTINGS", "Speed", true));
  EXPECT_TRUE(ini.SectionExists("other"));
  EXPECT_FALSE(ini.SectionExists("none"));
  EXPECT_TRUE(ini.ValueExists("SETTINGS", "empty"));
  EXPECT_FALSE(ini.ValueExists("SETTINGS", "Unknown line without equals"));

  TStringList list;
  ini.ReadSection("settings", &list);
  EXPECT_EQ(list.Text(), "Port\r\nSpeed\r\nHex\r\nCHex\r\nQuoted\r\nEmpty\r\n");
  ini.ReadSectionValues("Other", &list);
  EXPECT_EQ(list.Text(), "Flag=1\r\n");
  ini.ReadSections(&list);
  EXPECT_EQ(list.Text(), "SETTINGS\r\nOther\r\n");
}

TEST_F(IniFileTest, WritesChangeOnlyTheirLine) {
  Write(kSample);
  TIniFile ini(fileName_);
  ini.WriteString("settings", "port", "COM4");
  ini.WriteInteger("SETTINGS", "NewKey", -5);  // after the section's last line, before its blank line
  ini.WriteBool("Other", "Flag", false);
  ini.WriteBool("Fresh", "On", true);  // a new section at the end
  EXPECT_EQ(Read(),
            "; settings of the program\r\n"
            "\r\n"
            "[SETTINGS]\r\n"
            "; the port\r\n"
            "Port=COM4\r\n"
            "Speed=fast\r\n"
            "Hex=$1F\r\n"
            "CHex=0x10\r\n"
            "Quoted=\" padded \"\r\n"
            "Unknown line without equals\r\n"
            "Empty=\r\n"
            "NewKey=-5\r\n"
            "\r\n"
            "[Other]\r\n"
            "Flag=0\r\n"
            "\r\n"
            "[Fresh]\r\n"
            "On=1\r\n");
  // A second object on the same file sees the writes at once.
  TIniFile other(fileName_);
  EXPECT_EQ(other.ReadInteger("settings", "newkey", 0), -5);
  other.WriteString("Other", "Flag", "2");
  EXPECT_EQ(ini.ReadInteger("Other", "Flag", 0), 2);
}

TEST_F(IniFileTest, EraseAndDeleteRemoveOnlyTheirLines) {
  Write("a=1\n[One]\nx=1\ny=2\n[Two]\nz=3");  // LF ends and no final line end
  TIniFile ini(fileName_);
  ini.DeleteKey("one", "X");
  EXPECT_EQ(Read(), "a=1\n[One]\ny=2\n[Two]\nz=3");
  ini.WriteString("two", "w", "4");
  EXPECT_EQ(Read(), "a=1\n[One]\ny=2\n[Two]\nz=3\nw=4\n");
  ini.EraseSection("ONE");
  EXPECT_EQ(Read(), "a=1\n[Two]\nz=3\nw=4\n");
  EXPECT_EQ(ini.ReadString("One", "y", "gone"), "gone");
}

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsCreatedOnWrite) {
  TIniFile ini(fileName_);
  EXPECT_EQ(ini.ReadString("S", "K", "default"), "default");
  EXPECT_EQ(ini.ReadInteger("S", "K", 9), 9);
  ini.EraseSection("S");  // nothing to erase: no file appears
  EXPECT_EQ(GetFileAttributesA(fileName_.c_str()), INVALID_FILE_ATTRIBUTES);
  ini.WriteString("S", "K", "v");
  EXPECT_EQ(Read(), "[S]\r\nK=v\r\n");
}

TEST_F(IniFileTest, RelativeNamesAreTakenFromTheCurrentDirectory) {
  char previous[MAX_PATH];
  ASSERT_NE(GetCurrentDirectoryA(sizeof previous, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  TIniFile ini("settings.ini");
  ini.WriteString("S", "K", "here");
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(ini.FileName(), fileName_);
  EXPECT_EQ(Read(), "[S]\r\nK=here\r\n");
}

TEST_F(IniFileTest, UnwritableFileRaisesAndUnreadableReadsEmpty) {
  TIniFile folderAsFile(folder_ + ".");  // a directory: cannot be read or written as a file
  EXPECT_EQ(folderAsFile.ReadString("S", "K", "d"), "d");
  EXPECT_THROW(folderAsFile.WriteString("S", "K", "v"), EIniFileException);
}

namespace {

int FilesIn(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) ++count;
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return count;
}

}  // namespace

TEST_F(IniFileTest, WritesReplaceTheWholeFileAndAFailedOneLeavesItIntact) {
  Write(kSample);
  TIniFile ini(fileName_);
  ini.WriteString("SETTINGS", "Speed", "slow");
  EXPECT_EQ(FilesIn(folder_), 1);  // no working copy left behind
  const std::string saved = Read();
  EXPECT_NE(saved.find("Speed=slow\r\n"), std::string::npos);

  // Another program holds the file open without letting it be replaced: the write fails and is reported,
  // and the file keeps every byte it had.
  HANDLE held = CreateFileA(fileName_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ini.WriteString("SETTINGS", "Speed", "lost"), EIniFileException);
  CloseHandle(held);
  EXPECT_EQ(Read(), saved);
  EXPECT_EQ(FilesIn(folder_), 1);
  EXPECT_EQ(ini.ReadString("SETTINGS", "Speed", ""), "slow");
}
