#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/startup/modules.h"
#include "tests/framework/test_module_probe.h"

namespace fw {
namespace {

std::vector<std::string> journal;

template <int N>
void StartOf() { journal.push_back("start " + std::to_string(N)); }
template <int N>
void StopOf() { journal.push_back("stop " + std::to_string(N)); }
void FailingStart() { throw EInvalidOperation("cannot start"); }

class ModuleListTest : public ::testing::Test {
 protected:
  void SetUp() override { journal.clear(); }
  TModuleList list_;
};

TEST_F(ModuleListTest, StartsInOrderAndStopsInReverse) {
  list_.Register({"one", &StartOf<1>, &StopOf<1>});
  list_.Register({"two", &StartOf<2>, nullptr});
  list_.Register({"three", &StartOf<3>, &StopOf<3>});
  list_.Register({"two", &StartOf<9>, &StopOf<9>});  // already there: ignored
  EXPECT_EQ(list_.Count(), 3);
  list_.StartAll();
  EXPECT_THROW(list_.Register({"late", nullptr, nullptr}), EInvalidOperation);
  list_.StopAll();
  EXPECT_EQ(journal, (std::vector<std::string>{"start 1", "start 2", "start 3", "stop 3", "stop 1"}));
  EXPECT_FALSE(list_.Started());
}

TEST_F(ModuleListTest, FailedStartStopsWhatStartedAndRaises) {
  list_.Register({"one", &StartOf<1>, &StopOf<1>});
  list_.Register({"two", &StartOf<2>, &StopOf<2>});
  list_.Register({"bad", &FailingStart, &StopOf<3>});
  list_.Register({"four", &StartOf<4>, &StopOf<4>});
  EXPECT_THROW(list_.StartAll(), EInvalidOperation);
  EXPECT_EQ(journal, (std::vector<std::string>{"start 1", "start 2", "stop 2", "stop 1"}));
  EXPECT_FALSE(list_.Started());
}

TEST_F(ModuleListTest, FailingStopDoesNotKeepTheOthersRunning) {
  list_.Register({"one", &StartOf<1>, &StopOf<1>});
  list_.Register({"bad", nullptr, &FailingStart});
  list_.Register({"three", &StartOf<3>, &StopOf<3>});
  list_.StartAll();
  EXPECT_THROW(list_.StopAll(), EInvalidOperation);
  EXPECT_EQ(journal, (std::vector<std::string>{"start 1", "start 3", "stop 3", "stop 1"}));
}

TEST(ProcessModules, TestMainStartedTheRegisteredModulesBeforeTheTests) {
  EXPECT_TRUE(testing::probeModuleStarted);
  EXPECT_TRUE(Modules().Started());
  EXPECT_TRUE(Modules().IsRegistered("System locale"));
}

}  // namespace
}  // namespace fw
