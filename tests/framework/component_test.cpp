// Components: ownership, names, notifications, component state and the loading protocol.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/rtl/exceptions.h"

using namespace fw;

namespace {

// Records what it is told and keeps a reference that it must drop when the other component goes away.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  std::vector<std::string>* log = nullptr;
  TComponent* reference = nullptr;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (log != nullptr) log->push_back(Name() + (Operation == opInsert ? " +" : " -") + AComponent->Name());
    if (Operation == opRemove && AComponent == reference) reference = nullptr;
    TComponent::Notification(AComponent, Operation);
  }
};

class TTracked : public TComponent {
 public:
  TTracked(TComponent* owner, std::vector<std::string>& log, std::string name) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TTracked() override {
    log_.push_back("destroy " + Name() + (ComponentState().Contains(csDestroying) ? " destroying" : ""));
  }
  std::vector<TComponentState> loadedStates;

 protected:
  void Loaded() override {
    TComponent::Loaded();
    loadedStates.push_back(ComponentState());
    log_.push_back("loaded " + Name());
  }

 private:
  std::vector<std::string>& log_;
};

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::string> log;
  auto* root = Create<TTracked>(nullptr, log, "Root");
  auto* a = Create<TTracked>(root, log, "A");
  Create<TTracked>(a, log, "A1");
  Create<TTracked>(root, log, "B");
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(0), a);
  EXPECT_EQ(a->Owner(), root);
  EXPECT_EQ(root->Components(1)->ComponentIndex(), 1);
  EXPECT_EQ(root->FindComponent("b"), root->Components(1));
  EXPECT_EQ(root->FindComponent("A1"), nullptr);  // only directly owned
  EXPECT_THROW(root->Components(2), EListError);
  root->Free();
  // A destructor's own body runs before the components it owns go (the last created first).
  EXPECT_EQ(log, (std::vector<std::string>{"destroy Root destroying", "destroy B destroying", "destroy A destroying",
                                           "destroy A1 destroying"}));
}

TEST(Component, FreeingAnOwnedComponentLeavesItsOwner) {
  std::vector<std::string> log;
  TComponent owner(nullptr);
  auto* child = Create<TTracked>(&owner, log, "Child");
  child->Free();
  EXPECT_EQ(owner.ComponentCount(), 0);

  TComponent other(nullptr);
  auto* moved = Create<TComponent>(&owner);
  other.InsertComponent(moved);
  EXPECT_EQ(moved->Owner(), &other);
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(other.ComponentCount(), 1);
}

TEST(Component, NamesAreIdentifiersUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto* first = Create<TComponent>(&owner);
  auto* second = Create<TComponent>(&owner);
  first->SetName("Button1");
  try {
    second->SetName("BUTTON1");
    ADD_FAILURE();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named BUTTON1 already exists");
  }
  first->SetName("button1");  // renaming itself only changes case
  EXPECT_THROW(second->SetName("1st"), EComponentError);
  EXPECT_THROW(second->SetName("a b"), EComponentError);
  second->SetName("_x2");
  second->SetName("");
  EXPECT_EQ(second->Name(), "");
  second->SetTag(-5);
  EXPECT_EQ(second->Tag(), -5);
}

TEST(Component, NotificationReachesTheOwnersTree) {
  std::vector<std::string> log;
  TWatcher form(nullptr);
  form.SetName("Form");
  form.log = &log;
  auto* watcher = Create<TWatcher>(&form);
  watcher->SetName("Watcher");
  watcher->log = &log;
  log.clear();
  auto* button = Create<TComponent>(&form);
  EXPECT_EQ(log, (std::vector<std::string>{"Form +", "Watcher +"}));
  button->SetName("Button");
  watcher->reference = button;
  log.clear();
  button->Free();
  EXPECT_EQ(log, (std::vector<std::string>{"Form -Button", "Watcher -Button"}));
  EXPECT_EQ(watcher->reference, nullptr);
}

TEST(Component, FreeNotificationLinksComponentsOfDifferentOwners) {
  auto* watcher = Create<TWatcher>(nullptr);
  auto* target = Create<TComponent>(nullptr);
  target->FreeNotification(watcher);
  watcher->reference = target;
  target->Free();
  EXPECT_EQ(watcher->reference, nullptr);

  // The link goes both ways: freeing the watcher first leaves nothing dangling in the other.
  auto* other = Create<TComponent>(nullptr);
  other->FreeNotification(watcher);
  watcher->Free();
  other->Free();
}

TEST(Component, LoadingProtocolCallsLoadedOnceEverythingIsSet) {
  std::vector<std::string> log;
  auto* form = Create<TTracked>(nullptr, log, "Form");
  BeginLoading(form);
  EXPECT_TRUE(form->ComponentState().Contains(csLoading));
  EXPECT_TRUE(form->ComponentState().Contains(csReading));
  auto* panel = Create<TTracked>(form, log, "Panel");
  auto* label = Create<TTracked>(panel, log, "Label");
  EXPECT_TRUE(label->ComponentState().Contains(csLoading));  // joins the load of its owner
  EXPECT_TRUE(log.empty());
  EndLoading(form);
  EXPECT_EQ(log, (std::vector<std::string>{"loaded Form", "loaded Panel", "loaded Label"}));
  ASSERT_EQ(label->loadedStates.size(), 1u);
  EXPECT_FALSE(label->loadedStates[0].Contains(csReading));
  EXPECT_TRUE(label->ComponentState().Empty());
  EXPECT_FALSE(label->ComponentState().Contains(csDesigning));

  log.clear();
  Create<TTracked>(form, log, "Later");  // after loading: not loading, no Loaded
  EXPECT_TRUE(log.empty());
  form->Free();
}

namespace {
template <class T>
class TBox : public TComponent {
 public:
  using TComponent::TComponent;
};
}  // namespace

TEST(Component, ClassNameAndCheckedCasts) {
  TComponent component(nullptr);
  EXPECT_EQ(component.ClassName(), "TComponent");
  TWatcher watcher(nullptr);
  EXPECT_EQ(watcher.ClassName(), "TWatcher");
  TBox<std::vector<int>> box(nullptr);
  EXPECT_EQ(box.ClassName(), "TBox<std::vector<int, std::allocator<int> > >");

  TObject* sender = &watcher;
  EXPECT_EQ(As<TComponent>(sender), &watcher);
  EXPECT_EQ(As<TWatcher>(nullptr), nullptr);
  sender = &component;
  try {
    As<TWatcher>(sender);
    ADD_FAILURE();
  } catch (const EInvalidCast& e) {
    EXPECT_EQ(e.Message(), "Invalid class typecast");
  }
}
