// TList: positions, bounds errors and the notifications that owning descendants rely on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/list.h"
#include "framework/rtl/exceptions.h"

using namespace fw;

namespace {

class TLoggingList : public TList {
 public:
  std::vector<std::string> log;
  ~TLoggingList() override { Clear(); }

 protected:
  void Notify(void* Ptr, TListNotification Action) override {
    const char* names[] = {"added", "extracted", "deleted"};
    log.push_back(std::string(names[Action]) + " " + *static_cast<std::string*>(Ptr));
  }
};

}  // namespace

TEST(List, KeepsPointersInOrderAndChecksIndexes) {
  std::string a = "a", b = "b", c = "c";
  TLoggingList list;
  EXPECT_EQ(list.Add(&b), 0);
  list.Insert(0, &a);
  list.Add(nullptr);
  list.Add(&c);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.IndexOf(&c), 3);
  list.Pack();
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Last(), &c);
  list.Move(0, 2);
  EXPECT_EQ(list[2], &a);
  list.Exchange(0, 2);
  EXPECT_EQ(list.First(), &a);
  list.Sort([](void* x, void* y) { return static_cast<std::string*>(y)->compare(*static_cast<std::string*>(x)); });
  EXPECT_EQ(list[0], &c);
  try {
    list.Items(3);
    ADD_FAILURE();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (3)");
  }
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_THROW(list.Insert(4, &a), EListError);
}

TEST(List, NotifiesAdditionsDeletionsAndExtractions) {
  std::string a = "a", b = "b", c = "c";
  std::vector<std::string> log;
  {
    TLoggingList list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&c);
    EXPECT_EQ(list.Extract(&b), &b);
    EXPECT_EQ(list.Extract(&b), nullptr);
    list.SetItems(0, &b);
    EXPECT_EQ(list.Remove(&c), 1);
    EXPECT_EQ(list.Remove(&c), -1);
    list.SetCount(2);
    EXPECT_EQ(list[1], nullptr);
    log = list.log;
    list.log.clear();
  }
  EXPECT_EQ(log, (std::vector<std::string>{"added a", "added b", "added c", "extracted b", "deleted a", "added b",
                                           "deleted c"}));
}
