// The in-memory and the registry INI stores behind the common face.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "framework/classes/stringlist.h"
#include "framework/ini/meminifile.h"
#include "framework/ini/registry_inifile.h"
#include "framework/registry/registry.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filetext.h"

using namespace fw;

namespace {

std::vector<std::string> Lines(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

class MemIniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(sizeof folder, folder), 0u);
    folder_ = std::string(folder) + "fw_meminifile_test\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    fileName_ = folder_ + "columns.ini";
    DeleteFileA(fileName_.c_str());
  }
  void TearDown() override {
    DeleteFileA(fileName_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  std::string folder_;
  std::string fileName_;
};

TEST_F(MemIniFileTest, ChangesReachTheFileOnlyAtUpdateFile) {
  const std::string original = "; kept\r\n[Grid]\r\nCol0=40\r\n\r\n[Other]\r\nA=1\r\n";
  WriteFileText(fileName_, original);
  TMemIniFile ini(fileName_);
  EXPECT_EQ(ini.ReadInteger("Grid", "Col0", -1), 40);
  ini.WriteInteger("Grid", "Col1", 64);
  ini.WriteBool("Grid", "Wrap", true);
  ini.EraseSection("Other");
  EXPECT_EQ(ini.ReadInteger("Grid", "Col1", -1), 64);
  EXPECT_TRUE(ini.ReadBool("Grid", "Wrap", false));
  EXPECT_FALSE(ini.SectionExists("Other"));
  EXPECT_EQ(ReadFileText(fileName_), original);

  ini.UpdateFile();
  EXPECT_EQ(ReadFileText(fileName_), "; kept\r\n[Grid]\r\nCol0=40\r\nCol1=64\r\nWrap=1\r\n\r\n");
  TMemIniFile again(fileName_);
  TStringList names;
  again.ReadSection("Grid", &names);
  EXPECT_EQ(Lines(names), (std::vector<std::string>{"Col0", "Col1", "Wrap"}));
}

TEST_F(MemIniFileTest, AFailedUpdateKeepsTheOldFileAndRaises) {
  WriteFileText(fileName_, "[Grid]\r\nCol0=40\r\n");
  TMemIniFile ini(fileName_);
  ini.WriteString("Grid", "Col0", "50");
  // Another program holds the file open without sharing: it cannot be replaced.
  HANDLE held = CreateFileA(fileName_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_THROW(ini.UpdateFile(), EIniFileException);
  CloseHandle(held);
  EXPECT_EQ(ReadFileText(fileName_), "[Grid]\r\nCol0=40\r\n");
  ini.UpdateFile();  // still pending, so a later update writes it
  EXPECT_EQ(ReadFileText(fileName_), "[Grid]\r\nCol0=50\r\n");
}

TEST_F(MemIniFileTest, AMissingFileReadsEmptyAndIsNotCreatedWithoutChanges) {
  TMemIniFile ini(fileName_);
  EXPECT_EQ(ini.ReadString("Grid", "Col0", "none"), "none");
  ini.UpdateFile();
  EXPECT_EQ(GetFileAttributesA(fileName_.c_str()), INVALID_FILE_ATTRIBUTES);
}

class RegistryIniFileTest : public ::testing::Test {
 protected:
  static constexpr const char* kKey = "Software\\Trelvik Tests\\RegistryIni";
  void SetUp() override { TRegistry().DeleteKey("\\Software\\Trelvik Tests"); }
  void TearDown() override { TRegistry().DeleteKey("\\Software\\Trelvik Tests"); }
};

TEST_F(RegistryIniFileTest, EntriesAreValuesOfTheirSectionSubkeys) {
  {
    TRegistryIniFile ini(kKey);
    EXPECT_EQ(ini.RootKey(), HKEY_CURRENT_USER);
    EXPECT_FALSE(ini.SectionExists("Grid"));
    ini.WriteInteger("Grid", "Col0", -40);
    ini.WriteString("Grid", "Caption", "Flaps");
    ini.WriteBool("Layout", "Wrap", true);
  }
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly(std::string("\\") + kKey + "\\Grid"));
  EXPECT_EQ(registry.ReadInteger("Col0"), -40);
  EXPECT_EQ(registry.ReadString("Caption"), "Flaps");

  TRegistryIniFile ini(kKey);
  EXPECT_TRUE(ini.SectionExists("Grid"));
  EXPECT_EQ(ini.ReadInteger("Grid", "Col0", 0), -40);
  EXPECT_EQ(ini.ReadString("Grid", "Caption", ""), "Flaps");
  EXPECT_EQ(ini.ReadString("Grid", "Col0", ""), "-40");  // a DWORD read as text
  EXPECT_TRUE(ini.ReadBool("Layout", "Wrap", false));
  EXPECT_EQ(ini.ReadInteger("Grid", "Missing", 7), 7);
  EXPECT_EQ(ini.ReadInteger("Nowhere", "Col0", 7), 7);
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_NE(list.IndexOf("Grid"), -1);
  ini.ReadSectionValues("Grid", &list);
  EXPECT_NE(list.IndexOf("Col0=-40"), -1);
  EXPECT_NE(list.IndexOf("Caption=Flaps"), -1);

  ini.DeleteKey("Grid", "Caption");
  EXPECT_FALSE(ini.ValueExists("Grid", "Caption"));
  ini.EraseSection("Grid");
  EXPECT_FALSE(ini.SectionExists("Grid"));
  EXPECT_TRUE(ini.SectionExists("Layout"));
}

TEST_F(RegistryIniFileTest, AnIntegerStoredAsTextReadsAsItsNumber) {
  TRegistryIniFile ini(kKey);
  ini.WriteString("Grid", "Col0", "$20");
  ini.WriteString("Grid", "Bad", "wide");
  EXPECT_EQ(ini.ReadInteger("Grid", "Col0", 0), 32);
  EXPECT_EQ(ini.ReadInteger("Grid", "Bad", 5), 5);
}

}  // namespace
