#include "components/input/mswheel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/input/wheel_grid.h"
#include "framework/controls/custom_control.h"
#include "framework/controls/list_box.h"
#include "framework/controls/memo.h"
#include "framework/controls/messages.h"
#include "framework/controls/panel.h"
#include "framework/forms/form.h"
#include "framework/messaging/exception_boundary.h"

using namespace input;

namespace {

const UINT kRollMessage = RegisterWindowMessageA("MSWHEEL_ROLLMSG");

// A form that answers the wheel messages itself, so a test sees whether and how they reached it.
class AnsweringForm : public fw::TForm {
 public:
  using TForm::TForm;
  std::vector<UINT> handled;
  void WndProc(fw::TMessage& Message) override {
    if (Message.Msg == WM_MOUSEWHEEL || Message.Msg == kRollMessage) {
      handled.push_back(Message.Msg);
      Message.Result = 4242;
      return;
    }
    TForm::WndProc(Message);
  }
};

// The grid stand-in: a windowed control with rows.
class RowControl : public fw::TCustomControl, public IWheelScrollGrid {
 public:
  using TCustomControl::TCustomControl;
  int Row() const override { return row; }
  void SetRow(int Value) override { row = Value; }
  int FixedRows() const override { return fixedRows; }
  int RowCount() const override { return rowCount; }
  int row = 5;
  int fixedRows = 1;
  int rowCount = 10;
};

// A control that remembers the roll messages it received.
class RollTarget : public fw::TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<std::pair<WPARAM, LPARAM>> rolls;
  void WndProc(fw::TMessage& Message) override {
    if (Message.Msg == kRollMessage) rolls.emplace_back(Message.WParam, Message.LParam);
    TCustomControl::WndProc(Message);
  }
};

WPARAM WheelWParam(int zdelta, WORD keys) { return MAKEWPARAM(keys, static_cast<WORD>(static_cast<std::int16_t>(zdelta))); }
LPARAM ScreenLParam(fw::TPoint p) { return MAKELPARAM(p.X, p.Y); }

void HoldKeys(bool control, bool shift) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = control ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
}

class WheelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = fw::Create<AnsweringForm>(nullptr);
    form->SetBounds(40, 40, 400, 300);
    originalProc = GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC);
    wheel = fw::Create<DOVWheel>(form);
    for (auto* event : {&wheel->OnIntelliScroll, &wheel->OnIntelliZoom, &wheel->OnIntelliDataZoom}) {
      const std::string name = event == &wheel->OnIntelliScroll ? "scroll" : event == &wheel->OnIntelliZoom ? "zoom" : "datazoom";
      *event = [this, name](std::int32_t zdelta, std::int32_t x, std::int32_t y, std::int32_t lines) {
        events.push_back(name + " " + std::to_string(zdelta) + " " + std::to_string(x) + "," + std::to_string(y) +
                         " " + std::to_string(lines));
      };
    }
  }
  void TearDown() override {
    HoldKeys(false, false);
    if (form != nullptr) form->Free();
  }
  void WatchWheelEvent() {
    wheel->OnWheelEvent = [this](std::int32_t zdelta, std::int32_t, std::int32_t, std::int32_t) {
      events.push_back("wheel " + std::to_string(zdelta));
    };
  }
  std::string Lines(int zdelta) const { return std::to_string(zdelta) + " 10,20 " + std::to_string(wheel->ScrollLines()); }

  AnsweringForm* form = nullptr;
  DOVWheel* wheel = nullptr;
  LONG_PTR originalProc = 0;
  std::vector<std::string> events;
};

}  // namespace

TEST(WheelConstruction, TheOwnerMustBeAFormWithoutAnotherWheel) {
  fw::TComponent* plain = fw::Create<fw::TComponent>(nullptr);
  fw::TForm* form = fw::Create<fw::TForm>(nullptr);
  fw::TPanel* panel = fw::Create<fw::TPanel>(form);
  for (fw::TComponent* owner : {static_cast<fw::TComponent*>(nullptr), plain, static_cast<fw::TComponent*>(panel)}) {
    try {
      fw::Create<DOVWheel>(owner);
      ADD_FAILURE() << "made on a non-form owner";
    } catch (const EMSWheelError& e) {
      EXPECT_EQ(e.Message(), "Control parent must be a form!");
    }
  }
  EXPECT_EQ(plain->ComponentCount(), 0);

  DOVWheel* first = fw::Create<DOVWheel>(form);
  const int count = form->ComponentCount();
  try {
    fw::Create<DOVWheel>(form);
    ADD_FAILURE() << "a second wheel was made";
  } catch (const EMSWheelError& e) {
    EXPECT_EQ(e.Message(), "Only one instance of DOVWheel allowed on form");
  }
  EXPECT_EQ(form->ComponentCount(), count) << "the failed one is not left on the form";
  EXPECT_EQ(GetPropA(form->Handle(), "Trelvik.MouseWheel"), first);
  EXPECT_EQ(first->Version(), "1.5.0.0");
  first->SetVersion("9.9");
  EXPECT_EQ(first->Version(), "1.5.0.0");
  EXPECT_EQ(first->GetVersionNumber(), 0x01050000u);
  plain->Free();
  form->Free();  // the wheel goes with its form
}

TEST_F(WheelTest, WheelMessageEventsFollowCtrlAndShiftAndTheFormStillAnswers) {
  struct Case {
    WORD keys;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {0, {"scroll "}},
      {MK_CONTROL, {"zoom "}},
      {MK_SHIFT, {"datazoom "}},
      {MK_CONTROL | MK_SHIFT, {"zoom ", "datazoom "}},
      {MK_LBUTTON, {"scroll "}},
  };
  for (const Case& c : cases) {
    for (const int zdelta : {120, -240}) {
      events.clear();
      form->handled.clear();
      const LRESULT result = SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(zdelta, c.keys), MAKELPARAM(10, 20));
      EXPECT_EQ(result, 4242) << "the saved procedure's result";
      EXPECT_EQ(form->handled, std::vector<UINT>{WM_MOUSEWHEEL});
      std::vector<std::string> expected;
      for (const std::string& name : c.expected) expected.push_back(name + Lines(zdelta));
      EXPECT_EQ(events, expected) << c.keys << " " << zdelta;
    }
  }
  // Screen coordinates are taken as unsigned words.
  events.clear();
  SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(120, 0), MAKELPARAM(-5, 7));
  EXPECT_EQ(events, std::vector<std::string>{"scroll 120 65531,7 " + std::to_string(wheel->ScrollLines())});
}

TEST_F(WheelTest, RollMessageFiresExactlyOneIntelliEventAndReachesTheActiveControl) {
  RollTarget* target = fw::Create<RollTarget>(form);
  target->SetParent(form);
  form->SetActiveControl(target);
  WatchWheelEvent();
  struct Case {
    bool control, shift;
    const char* name;
  };
  for (const Case c : {Case{false, false, "scroll "}, Case{true, false, "zoom "}, Case{false, true, "datazoom "},
                       Case{true, true, "zoom "}}) {
    HoldKeys(c.control, c.shift);
    events.clear();
    form->handled.clear();
    target->rolls.clear();
    const LRESULT result = SendMessageA(form->Handle(), kRollMessage, static_cast<WPARAM>(-360), MAKELPARAM(10, 20));
    EXPECT_EQ(result, 4242);
    EXPECT_EQ(form->handled, std::vector<UINT>{kRollMessage});
    EXPECT_EQ(events, (std::vector<std::string>{c.name + Lines(-360), "wheel -360"}));
    ASSERT_EQ(target->rolls.size(), 1u);
    EXPECT_EQ(target->rolls[0].second, MAKELPARAM(10, 20));
  }
}

TEST_F(WheelTest, WithoutWheelHandlerAutoDoesNothing) {
  RowControl* grid = fw::Create<RowControl>(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 200, 200);
  form->Show();
  wheel->SetAuto(true);
  const fw::TPoint p = grid->ClientToScreen(fw::TPoint{20, 20});
  SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(120, 0), ScreenLParam(p));
  EXPECT_EQ(grid->row, 5);
  EXPECT_EQ(form->handled, std::vector<UINT>{WM_MOUSEWHEEL});
}

TEST_F(WheelTest, AutoMovesTheGridRowWithinItsScrollableRows) {
  ASSERT_GT(wheel->ScrollLines(), 0);
  const int lines = wheel->ScrollLines();
  RowControl* grid = fw::Create<RowControl>(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 200, 200);
  grid->rowCount = 5 + 4 * lines;
  form->Show();
  WatchWheelEvent();
  wheel->SetAuto(true);
  const LPARAM at = ScreenLParam(grid->ClientToScreen(fw::TPoint{20, 20}));

  struct Case {
    UINT msg;
    int zdelta;
    int expectedRow;
  };
  const Case cases[] = {
      {WM_MOUSEWHEEL, -120, 5 + lines},          // one notch back: ScrollLines rows down
      {WM_MOUSEWHEEL, -119, 5 + lines},          // less than a notch: the quotient truncates to 0
      {WM_MOUSEWHEEL, 120, 5},                   // forward: up again
      {kRollMessage, -240, 5 + 2 * lines},
      {kRollMessage, -1200, 4 + 4 * lines},      // never past the last row
      {WM_MOUSEWHEEL, 1200, 1},                  // never above the first scrollable row
      {kRollMessage, 179, 1},
  };
  for (const Case& c : cases) {
    const WPARAM wParam = c.msg == WM_MOUSEWHEEL ? WheelWParam(c.zdelta, 0) : static_cast<WPARAM>(c.zdelta);
    SendMessageA(form->Handle(), c.msg, wParam, at);
    EXPECT_EQ(grid->row, c.expectedRow) << c.msg << " " << c.zdelta;
  }

  // Outside the grid nothing moves.
  grid->row = 3;
  SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(-120, 0), ScreenLParam(form->ClientToScreen(fw::TPoint{300, 250})));
  EXPECT_EQ(grid->row, 3);
}

TEST_F(WheelTest, RollMessageScrollsMemosAndListBoxes) {
  ASSERT_GT(wheel->ScrollLines(), 0);
  const int lines = wheel->ScrollLines();
  fw::TMemo* memo = fw::Create<fw::TMemo>(form);
  memo->SetParent(form);
  memo->SetBounds(0, 0, 150, 60);
  fw::TListBox* list = fw::Create<fw::TListBox>(form);
  list->SetParent(form);
  list->SetBounds(200, 0, 150, 60);
  for (int i = 0; i < 60; ++i) {
    memo->Lines()->Add("line " + std::to_string(i));
    list->Items()->Add("item " + std::to_string(i));
  }
  form->Show();
  WatchWheelEvent();
  wheel->SetAuto(true);
  const LPARAM overMemo = ScreenLParam(memo->ClientToScreen(fw::TPoint{10, 10}));
  const LPARAM overList = ScreenLParam(list->ClientToScreen(fw::TPoint{10, 10}));

  SendMessageA(form->Handle(), kRollMessage, static_cast<WPARAM>(-240), overMemo);
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 2 * lines);
  SendMessageA(form->Handle(), kRollMessage, static_cast<WPARAM>(120), overMemo);
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), lines);

  SendMessageA(form->Handle(), kRollMessage, static_cast<WPARAM>(-120), overList);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETTOPINDEX, 0, 0), lines);
  SendMessageA(form->Handle(), kRollMessage, static_cast<WPARAM>(600), overList);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETTOPINDEX, 0, 0), 0) << "never above the first item";

  // The wheel message itself scrolls only grids: the memo stays where it is.
  const LRESULT before = SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(-120, 0), overMemo);
  EXPECT_EQ(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), before);
}

TEST_F(WheelTest, DestroyingRestoresTheFormsProcedure) {
  EXPECT_NE(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), originalProc);
  wheel->Free();
  EXPECT_EQ(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC), originalProc);
  EXPECT_EQ(GetPropA(form->Handle(), "Trelvik.MouseWheel"), nullptr);
  form->handled.clear();
  EXPECT_EQ(SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(120, 0), 0), 4242);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(form->handled, std::vector<UINT>{WM_MOUSEWHEEL});
  fw::Create<DOVWheel>(form);  // a new one may take its place
}

TEST_F(WheelTest, AFailingHandlerStillLetsTheFormAnswer) {
  wheel->OnIntelliScroll = [](std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
    throw fw::Exception("handler failed");
  };
  std::string reported;
  auto previous = fw::SetExceptionBoundaryHandler([&reported](fw::TObject*) {
    fw::WithCurrentException([&reported](fw::Exception& e) { reported = e.Message(); });
  });
  EXPECT_EQ(SendMessageA(form->Handle(), WM_MOUSEWHEEL, WheelWParam(120, 0), 0), 4242);
  fw::SetExceptionBoundaryHandler(previous);
  EXPECT_EQ(reported, "handler failed");
}
