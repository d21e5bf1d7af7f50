#include <gtest/gtest.h>
#include <windows.h>

#include "framework/registry/registry.h"
#include "framework/rtl/exceptions.h"

namespace fw {
namespace {

// A key of the tests' own under HKEY_CURRENT_USER, deleted before and after.
class RegistryTest : public ::testing::Test {
 protected:
  static constexpr const char* kKey = "\\Software\\Trelvik Tests\\Registry";
  void SetUp() override { TRegistry().DeleteKey(kKey); }
  void TearDown() override { TRegistry().DeleteKey("\\Software\\Trelvik Tests"); }
};

TEST_F(RegistryTest, WrittenValuesReadBack) {
  {
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey(kKey, false));
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    EXPECT_NE(registry.CurrentKey(), nullptr);
    registry.WriteInteger("Count", -7);
    registry.WriteString("Name", "Glareshield");
    registry.WriteString("Empty", "");
  }
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKeyReadOnly(kKey));
  EXPECT_EQ(registry.ReadInteger("Count"), -7);
  EXPECT_EQ(registry.ReadString("Name"), "Glareshield");
  EXPECT_TRUE(registry.ValueExists("Empty"));
  EXPECT_EQ(registry.ReadString("Empty"), "");
  EXPECT_EQ(registry.ReadString("Missing"), "");
  EXPECT_THROW(registry.ReadInteger("Missing"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("Name"), ERegistryException);  // a string is not an integer
  EXPECT_THROW(registry.WriteInteger("Count", 1), ERegistryException);  // opened read-only
}

TEST_F(RegistryTest, KeysAndValuesAreFoundAndDeleted) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  ASSERT_TRUE(registry.OpenKey("Child\\Grandchild", true));  // relative to the open key
  EXPECT_EQ(registry.CurrentPath(), "Software\\Trelvik Tests\\Registry\\Child\\Grandchild");
  registry.WriteInteger("Depth", 2);
  registry.CloseKey();
  EXPECT_EQ(registry.CurrentKey(), nullptr);

  EXPECT_TRUE(registry.KeyExists(std::string(kKey) + "\\Child\\Grandchild"));
  ASSERT_TRUE(registry.OpenKey(kKey, false));
  EXPECT_TRUE(registry.KeyExists("Child"));
  registry.WriteInteger("Gone", 1);
  EXPECT_TRUE(registry.DeleteValue("Gone"));
  EXPECT_FALSE(registry.ValueExists("Gone"));
  EXPECT_FALSE(registry.DeleteValue("Gone"));
  EXPECT_TRUE(registry.DeleteKey("Child"));  // with everything below it
  EXPECT_FALSE(registry.KeyExists("Child"));
}

}  // namespace
}  // namespace fw
