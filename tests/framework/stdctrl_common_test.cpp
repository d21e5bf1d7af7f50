// What every standard control shares: it lives without a window, gets one with its form, follows
// Visible, paints into a memory bitmap; controls made at run time with owner, parent, name, bounds,
// caption, tag and handler are found by name.
#include <gtest/gtest.h>

#include <functional>

#include "framework/controls/bit_button.h"
#include "framework/controls/button.h"
#include "framework/controls/check_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/group_box.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/memo.h"
#include "framework/controls/panel.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/scroll_bar.h"
#include "framework/controls/scroll_box.h"
#include "framework/controls/speed_button.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/up_down.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

struct ControlCase {
  const char* name;
  std::function<TControl*(testing::StdControlTest&)> make;
};

template <class T>
ControlCase Plain(const char* name) {
  return {name, [](StdControlTest& t) -> TControl* { return t.Make<T>(); }};
}

const ControlCase kControls[] = {
    {"Label",
     [](StdControlTest& t) -> TControl* {
       auto* label = t.Make<TLabel>();
       label->SetAutoSize(false);
       return label;
     }},
    {"Image",
     [](StdControlTest& t) -> TControl* {
       auto* image = t.Make<TImage>();
       image->Picture()->Bitmap()->SetSize(8, 8);
       image->Picture()->Bitmap()->Canvas()->Brush()->SetColor(clRed);
       image->Picture()->Bitmap()->Canvas()->FillRect(Rect(0, 0, 8, 8));
       return image;
     }},
    Plain<TPanel>("Panel"),
    Plain<TGroupBox>("GroupBox"),
    Plain<TScrollBox>("ScrollBox"),
    Plain<TEdit>("Edit"),
    Plain<TMemo>("Memo"),
    Plain<TUpDown>("UpDown"),
    Plain<TCheckBox>("CheckBox"),
    Plain<TRadioButton>("RadioButton"),
    {"RadioGroup",
     [](StdControlTest& t) -> TControl* {
       auto* group = t.Make<TRadioGroup>();
       group->Items()->Add("ORVA 737QTX");
       group->Items()->Add("ORVA 777");
       return group;
     }},
    Plain<TButton>("Button"),
    Plain<TBitBtn>("BitBtn"),
    Plain<TSpeedButton>("SpeedButton"),
    Plain<TScrollBar>("ScrollBar"),
    {"ProgressBar",
     [](StdControlTest& t) -> TControl* {
       auto* bar = t.Make<TProgressBar>();
       bar->SetPosition(50);
       return bar;
     }},
    {"StatusBar",
     [](StdControlTest& t) -> TControl* {
       auto* bar = t.Make<TStatusBar>();
       bar->Panels()->Add()->SetText("Assignments Saved");
       return bar;
     }},
};

class EveryControlTest : public StdControlTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(EveryControlTest, LivesWithoutAWindowFollowsVisibleAndPaints) {
  TControl* control = GetParam().make(*this);
  control->SetBounds(20, 30, 120, 60);
  control->SetCaption("Sa&ve");
  control->SetTag(412);
  control->SetVisible(false);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed != nullptr) {
    EXPECT_FALSE(windowed->HandleAllocated());
  }
  EXPECT_EQ(control->Caption(), "Sa&ve");
  EXPECT_EQ(control->Tag(), 412);
  // A status bar aligns itself to the bottom of its parent.
  if (control->Align() == alNone) {
    EXPECT_EQ(control->BoundsRect(), Rect(20, 30, 140, 90));
  }

  Form()->Show();
  if (windowed != nullptr) {
    ASSERT_TRUE(windowed->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(windowed->Handle()));
  }
  EXPECT_EQ(testing::PaintedPixelsOnParent(control), 0);

  control->SetVisible(true);
  if (windowed != nullptr) {
    EXPECT_TRUE(IsWindowVisible(windowed->Handle()));
  }
  EXPECT_EQ(control->Caption(), "Sa&ve");
  EXPECT_GT(testing::PaintedPixelsOnParent(control), 0);

  // A window made again keeps what the control holds.
  if (windowed != nullptr) {
    windowed->RecreateWnd();
    EXPECT_EQ(control->Caption(), "Sa&ve");
    EXPECT_GT(testing::PaintedPixelsOnParent(control), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, EveryControlTest, ::testing::ValuesIn(kControls),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows of run-time controls as the assignment pages build them: named by a prefix and the row number,
// tagged, sharing one handler that tells them apart by Sender.
TEST_F(StdControlTest, RunTimeControlsAreFoundByNameAndTellTheirHandlerWhoTheyAre) {
  auto* box = Make<TScrollBox>(Rect(0, 0, 380, 200));
  std::vector<std::intptr_t> clicked;
  const TNotifyEvent assign = [&](TObject* sender) { clicked.push_back(As<TComponent>(sender)->Tag()); };
  for (int row = 1; row <= 3; ++row) {
    auto* button = Create<TButton>(Form());
    button->SetParent(box);
    button->SetName("Switchbuttonassign_" + std::to_string(row));
    button->SetBounds(10, 5 + (row - 1) * 35, 60, 25);
    button->SetCaption("Assign 1");
    button->SetTag(row);
    button->OnClick = assign;
    auto* label = Create<TLabel>(Form());
    label->SetParent(box);
    label->SetName("Switch_Card" + std::to_string(row));
    label->SetCaption("Unassigned");
  }
  Form()->Show();
  auto* second = dynamic_cast<TButton*>(Form()->FindComponent("SWITCHBUTTONASSIGN_2"));
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->Parent(), box);
  EXPECT_EQ(second->BoundsRect(), Rect(10, 40, 70, 65));
  EXPECT_EQ(dynamic_cast<TLabel*>(Form()->FindComponent("Switch_Card3"))->Caption(), "Unassigned");
  EXPECT_EQ(Form()->FindComponent("Switchbuttonassign_4"), nullptr);

  PostClick(second);
  second->Click();
  dynamic_cast<TButton*>(Form()->FindComponent("Switchbuttonassign_1"))->Click();
  EXPECT_EQ(clicked, (std::vector<std::intptr_t>{2, 2, 1}));
  EXPECT_THROW(Create<TButton>(Form())->SetName("Switch_Card1"), EComponentError);
}

// Naming a control whose caption was never set (or still is its old name) gives it the name as caption;
// a caption of its own stays, and so does a control without csSetCaption.
TEST_F(StdControlTest, NamingACaptionControlGivesItTheNameUntilItHasACaptionOfItsOwn) {
  auto* label = Make<TLabel>(Rect(0, 0, 80, 25));
  label->SetName("Label7");
  EXPECT_EQ(label->Caption(), "Label7");
  label->SetName("Label8");
  EXPECT_EQ(label->Caption(), "Label8");
  label->SetCaption("Saved");
  label->SetName("Label9");
  EXPECT_EQ(label->Caption(), "Saved");
  auto* panel = Make<TPanel>(Rect(0, 30, 80, 55));
  panel->SetName("Panel1");
  EXPECT_EQ(panel->Caption(), "Panel1");
  auto* edit = Make<TEdit>(Rect(0, 60, 80, 85));
  edit->SetName("Edit1");
  EXPECT_EQ(edit->Text(), "");
}

}  // namespace
}  // namespace fw
