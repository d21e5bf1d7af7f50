// Actions: what reaches a linked control or menu item through its action link (and what stays the
// client's own), a link class chosen by the control, clicks that execute the action, action lists with
// their images and radio groups, and clients and actions freed in either order.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/actions/action_list.h"
#include "framework/controls/button.h"
#include "framework/controls/control_action_link.h"
#include "framework/menus/menu.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

// A control with a checked state, which it follows through a link class of its own.
class CheckControl : public testing::PaintedControl {
 public:
  using PaintedControl::PaintedControl;
  bool Checked = false;
  int ActionChanges = 0;
  bool LastCheckDefaults = false;

 protected:
  class Link : public TControlActionLink {
   public:
    explicit Link(CheckControl* client) : TControlActionLink(client), box_(client) {}
    bool IsCheckedLinked() const override {
      return TControlActionLink::IsCheckedLinked() && box_->Checked == CustomAction()->Checked();
    }
    void SetChecked(bool value) override {
      if (IsCheckedLinked()) box_->Checked = value;
    }

   private:
    CheckControl* box_;
  };

  TControlActionLink* CreateActionLink() override { return Create<Link>(this); }
  void ActionChange(TObject* Sender, bool CheckDefaults) override {
    PaintedControl::ActionChange(Sender, CheckDefaults);
    ++ActionChanges;
    LastCheckDefaults = CheckDefaults;
    if (auto* action = dynamic_cast<TCustomAction*>(Sender)) Checked = action->Checked();
  }
};

class ActionTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    list_ = Create<TActionList>(Form());
    save_ = MakeAction("&Save");
  }
  TAction* MakeAction(const char* caption) {
    auto* action = Create<TAction>(Form());
    action->SetCaption(caption);
    action->SetActionList(list_);
    action->OnExecute = [this](TObject* sender) { executed_.push_back(sender); };
    return action;
  }

  TActionList* list_ = nullptr;
  TAction* save_ = nullptr;
  std::vector<TObject*> executed_;
};

TEST_F(ActionTest, CaptionCheckedAndEnabledStatesReachTheLinkedControls) {
  auto* button = Make<TButton>(Rect(10, 10, 90, 35));
  auto* box = Make<CheckControl>(Rect(10, 40, 90, 60));
  button->SetAction(save_);
  box->SetAction(save_);
  EXPECT_EQ(button->Action(), save_);
  EXPECT_EQ(save_->ClientCount(), 2);
  EXPECT_EQ(button->Caption(), "&Save");  // taken when linked
  EXPECT_EQ(GetWindowTextLengthA(button->Handle()), 5);

  save_->SetCaption("Save &All");
  save_->SetEnabled(false);
  save_->SetChecked(true);
  save_->SetHint("Writes the file");
  EXPECT_EQ(button->Caption(), "Save &All");
  EXPECT_FALSE(button->Enabled());
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  EXPECT_EQ(button->Hint(), "Writes the file");
  EXPECT_EQ(box->Caption(), "Save &All");
  EXPECT_TRUE(box->Checked);  // through the control's own link class
  EXPECT_FALSE(box->Enabled());

  // A client whose value differs from the action's keeps its own.
  save_->SetEnabled(true);
  box->SetCaption("Mine");
  save_->SetCaption("Store");
  EXPECT_EQ(button->Caption(), "Store");
  EXPECT_TRUE(button->Enabled());
  EXPECT_EQ(box->Caption(), "Mine");
  // Once equal again, the client follows again.
  box->Checked = false;
  save_->SetChecked(false);
  save_->SetChecked(true);
  EXPECT_TRUE(box->Checked);
  save_->SetVisible(false);
  EXPECT_FALSE(button->Visible());
}

TEST_F(ActionTest, ActionChangeTakesEverythingOnlyOutsideLoading) {
  auto* box = Make<CheckControl>(Rect(10, 40, 90, 60));
  box->SetCaption("Own");
  save_->SetChecked(true);
  save_->SetHelpContext(12);
  box->SetAction(save_);
  EXPECT_EQ(box->ActionChanges, 1);
  EXPECT_FALSE(box->LastCheckDefaults);
  EXPECT_EQ(box->Caption(), "&Save");
  EXPECT_TRUE(box->Checked);
  EXPECT_EQ(box->HelpContext(), 12);

  // While the action is read with its form, only what the control left at its defaults follows it.
  auto* other = Make<CheckControl>(Rect(10, 70, 90, 90));
  other->SetCaption("Own");
  other->SetHint("Own hint");
  BeginLoading(Form());
  auto* loading = Create<TAction>(Form());
  loading->SetCaption("Loaded");
  loading->SetHint("Action hint");
  loading->SetEnabled(false);
  other->SetAction(loading);
  EndLoading(Form());
  EXPECT_TRUE(other->LastCheckDefaults);
  EXPECT_EQ(other->Caption(), "Own");
  EXPECT_EQ(other->Hint(), "Own hint");
  EXPECT_FALSE(other->Enabled());
}

TEST_F(ActionTest, ClicksExecuteTheActionUnlessTheControlHasItsOwnHandler) {
  auto* button = Make<TButton>(Rect(10, 10, 90, 35));
  button->SetAction(save_);
  Form()->Show();
  PostClick(button);
  EXPECT_EQ(executed_, std::vector<TObject*>{save_});

  save_->SetEnabled(false);
  EXPECT_FALSE(save_->Execute());
  button->SetEnabled(true);  // the button no longer follows the action's enabled state
  PostClick(button);
  EXPECT_EQ(executed_.size(), 1u);

  int ownClicks = 0;
  button->OnClick = [&](TObject*) { ++ownClicks; };
  save_->SetEnabled(true);
  PostClick(button);
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(executed_.size(), 1u);

  button->SetAction(nullptr);
  EXPECT_EQ(button->Action(), nullptr);
  EXPECT_EQ(save_->ClientCount(), 0);
}

TEST_F(ActionTest, ClientsAndActionsMayGoInEitherOrder) {
  auto* button = Make<TButton>(Rect(10, 10, 90, 35));
  auto* item = Create<TMenuItem>(Form());
  button->SetAction(save_);
  item->SetAction(save_);
  button->Free();
  EXPECT_EQ(save_->ClientCount(), 1);
  save_->Free();
  EXPECT_EQ(item->Action(), nullptr);
  EXPECT_EQ(list_->ActionCount(), 0);
  item->Click();  // nothing to execute, nothing breaks
  EXPECT_TRUE(executed_.empty());
}

TEST_F(ActionTest, ListsGroupTheirActionsAndForgetTheirImages) {
  TAction* open = MakeAction("&Open");
  TAction* left = MakeAction("Left");
  TAction* right = MakeAction("Right");
  for (TAction* a : {left, right}) a->SetGroupIndex(3);
  EXPECT_EQ(list_->ActionCount(), 4);
  EXPECT_EQ(list_->Actions(1), open);
  EXPECT_EQ(left->ActionList(), list_);
  EXPECT_THROW(list_->Actions(4), EListError);

  // Checking one action of a group unchecks the others of the list, and their clients follow.
  auto* leftItem = Create<TMenuItem>(Form());
  leftItem->SetAction(left);
  left->SetChecked(true);
  right->SetChecked(true);
  EXPECT_FALSE(left->Checked());
  EXPECT_FALSE(leftItem->Checked());
  open->SetChecked(true);  // no group
  EXPECT_TRUE(right->Checked());

  auto* images = Create<TImageList>(Form());
  list_->SetImages(images);
  EXPECT_EQ(list_->Images(), images);
  images->Free();
  EXPECT_EQ(list_->Images(), nullptr);

  open->SetActionList(nullptr);
  EXPECT_EQ(list_->ActionCount(), 3);
  const int components = Form()->ComponentCount();
  list_->Free();  // frees the actions it still holds
  EXPECT_EQ(Form()->ComponentCount(), components - 4);
  EXPECT_EQ(leftItem->Action(), nullptr);
  EXPECT_EQ(open->ActionList(), nullptr);
}

TEST_F(ActionTest, MenuItemsFollowTheirActionIntoTheWin32Menu) {
  auto* menu = Create<TMainMenu>(Form());
  auto* file = Create<TMenuItem>(Form());
  file->SetCaption("&File");
  menu->Items()->Add(file);
  auto* item = Create<TMenuItem>(Form());
  file->Add(item);
  save_->SetImageIndex(2);
  save_->SetGroupIndex(4);
  item->SetAction(save_);
  EXPECT_EQ(item->Caption(), "&Save");
  EXPECT_EQ(item->ImageIndex(), 2);
  EXPECT_EQ(item->GroupIndex(), 4);
  Form()->SetMenu(menu);
  Form()->Show();

  save_->SetChecked(true);
  save_->SetEnabled(false);
  save_->SetCaption("&Store");
  save_->SetImageIndex(5);
  EXPECT_EQ(item->ImageIndex(), 5);
  const HMENU drop = file->Handle();
  char text[32] = {};
  GetMenuStringA(drop, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&Store");
  const UINT state = GetMenuState(drop, 0, MF_BYPOSITION);
  EXPECT_NE(state & MF_CHECKED, 0u);
  EXPECT_NE(state & MF_GRAYED, 0u);

  save_->SetEnabled(true);
  PostMessageA(Form()->Handle(), WM_COMMAND, item->Command(), 0);
  ProcessMessages();
  EXPECT_EQ(executed_, std::vector<TObject*>{save_});
}

}  // namespace
}  // namespace fw
