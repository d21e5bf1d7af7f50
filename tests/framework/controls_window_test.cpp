// Controls keep their properties without a window and give them to the window when it is made; the
// window leads back to its object; property changes and mouse tracking send the component messages;
// a standard Win32 control made through the framework gets its notifications reflected to its object.
#include <gtest/gtest.h>

#include "framework/controls/win_control.h"
#include "ui_test_controls.h"
#include "ui_test_support.h"

namespace fw {
namespace {

using testing::ApplicationTest;
using testing::GraphicBox;
using testing::PaintedControl;

class ControlWindowTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    form_ = Create<TForm>(&App());
    form_->SetBounds(10, 10, 300, 200);
  }
  template <class T>
  T* Child(TWinControl* parent) {
    return testing::MakeChild<T>(form_, parent);
  }

  TForm* form_ = nullptr;
};

TEST_F(ControlWindowTest, PropertiesSetWithoutAWindowReachTheWindowWhenItIsMade) {
  auto* control = Child<PaintedControl>(form_);
  control->SetBounds(5, 6, 70, 40);
  control->SetCaption("Assign CAPTAIN CDU");
  control->SetEnabled(false);
  control->SetVisible(false);
  EXPECT_FALSE(control->HandleAllocated());
  EXPECT_EQ(control->Caption(), "Assign CAPTAIN CDU");
  EXPECT_EQ(control->ClientRect(), Rect(0, 0, 70, 40));

  const HWND window = control->Handle();
  EXPECT_TRUE(form_->HandleAllocated());
  EXPECT_EQ(GetParent(window), form_->Handle());
  char text[64] = {};
  GetWindowTextA(window, text, sizeof(text));
  EXPECT_STREQ(text, "Assign CAPTAIN CDU");
  EXPECT_FALSE(IsWindowEnabled(window));
  EXPECT_FALSE(GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE);
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, form_->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(TRect::FromRECT(r), Rect(5, 6, 75, 46));
}

TEST_F(ControlWindowTest, ChangesAfterTheWindowExistsAreMirroredAndTextSurvivesANewWindow) {
  auto* control = Child<PaintedControl>(form_);
  const HWND window = control->Handle();
  control->SetBounds(1, 2, 30, 20);
  control->SetEnabled(false);
  control->SetText("first");
  RECT r{};
  GetClientRect(window, &r);
  EXPECT_EQ(TRect::FromRECT(r), Rect(0, 0, 30, 20));
  EXPECT_FALSE(IsWindowEnabled(window));

  // Text changed in the window (as a user edits it) is what the object reports, and keeps.
  SetWindowTextA(window, "typed");
  EXPECT_EQ(control->Text(), "typed");
  control->RecreateWnd();
  EXPECT_NE(control->Handle(), nullptr);
  EXPECT_EQ(control->Text(), "typed");
  EXPECT_FALSE(IsWindowEnabled(control->Handle()));
}

TEST_F(ControlWindowTest, TheWindowLeadsBackToItsObject) {
  auto* control = Child<PaintedControl>(form_);
  EXPECT_EQ(FindControl(control->Handle()), control);
  EXPECT_EQ(FindControl(form_->Handle()), form_);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
  EXPECT_EQ(FindControl(nullptr), nullptr);
  // A window of this process that the framework did not make leads nowhere.
  const HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form_->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(FindControl(plain), nullptr);
  DestroyWindow(plain);
  // A window made again replaces the old one; a destroyed one leads nowhere any more.
  const HWND first = control->Handle();
  control->RecreateWnd();
  EXPECT_EQ(FindControl(control->Handle()), control);
  if (control->Handle() != first) {
    EXPECT_EQ(FindControl(first), nullptr);
  }
  const HWND window = control->Handle();
  control->Free();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(FindControl(window), nullptr);
}

TEST_F(ControlWindowTest, PropertyChangesSendComponentMessages) {
  auto* control = Child<PaintedControl>(form_);
  auto* inner = Child<GraphicBox>(control);
  inner->SetParentColor(true);
  control->Messages.clear();
  inner->Messages.clear();

  control->SetText("x");
  control->SetText("x");  // unchanged: nothing
  control->SetEnabled(false);
  control->SetVisible(false);
  control->Font()->SetSize(14);
  control->SetColor(clYellow);
  EXPECT_EQ(control->Count(CM_TEXTCHANGED), 1);
  EXPECT_EQ(control->Count(CM_ENABLEDCHANGED), 1);
  EXPECT_EQ(control->Count(CM_VISIBLECHANGED), 1);
  EXPECT_EQ(control->Count(CM_FONTCHANGED), 1);
  EXPECT_EQ(control->Count(CM_COLORCHANGED), 1);
  // The child follows its parent's colour and font.
  EXPECT_EQ(inner->Color(), clYellow);
  EXPECT_EQ(inner->Font()->Size(), 14);
  EXPECT_TRUE(inner->ParentFont());
  inner->Font()->SetSize(9);
  EXPECT_FALSE(inner->ParentFont());
}

TEST_F(ControlWindowTest, MouseTrackingSendsEnterAndLeaveForWindowsAndGraphicChildren) {
  auto* control = Child<PaintedControl>(form_);
  control->SetBounds(0, 0, 100, 100);
  auto* box = Child<GraphicBox>(control);
  box->SetBounds(50, 50, 20, 20);
  const HWND window = control->Handle();
  control->Messages.clear();

  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(11, 10));
  EXPECT_EQ(control->Count(CM_MOUSEENTER), 1);
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(55, 55));
  EXPECT_EQ(box->Count(CM_MOUSEENTER), 1);
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(box->Count(CM_MOUSELEAVE), 1);
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(control->Count(CM_MOUSELEAVE), 1);
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(control->Count(CM_MOUSEENTER), 2);
}

TEST_F(ControlWindowTest, ClicksReachWindowedAndGraphicControlsWithTheirOwnCoordinates) {
  auto* control = Child<PaintedControl>(form_);
  control->SetBounds(0, 0, 100, 100);
  auto* box = Child<GraphicBox>(control);
  box->SetBounds(50, 40, 20, 20);
  std::vector<std::string> events;
  control->OnClick = [&](TObject* sender) { events.push_back(sender == control ? "control click" : "?"); };
  box->OnClick = [&](TObject* sender) { events.push_back(sender == box ? "box click" : "?"); };
  box->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
    events.push_back("box down " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  const HWND window = control->Handle();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(12, 11));
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 45));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(56, 46));
  // Released outside the control: no click.
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 45));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(95, 95));
  EXPECT_EQ(events, (std::vector<std::string>{"control click", "box down 0 5,5", "box click", "box down 0 5,5"}));
}

// A standard BUTTON made through CreateSubClass: its own procedure draws and clicks it, and the
// parent's WM_COMMAND comes back to the object as CN_COMMAND.
class StandardButton : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<WORD> Notifications;
  int ColorRequests = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "BUTTON");
    Params.Style |= BS_PUSHBUTTON;
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CN_COMMAND) Notifications.push_back(HIWORD(Message.WParam));
    if (Message.Msg == CN_CTLCOLORBTN) ++ColorRequests;
    TWinControl::Dispatch(Message);
  }
};

TEST_F(ControlWindowTest, StandardControlsAreSubclassedAndGetReflectedNotifications) {
  auto* button = Child<StandardButton>(form_);
  button->SetBounds(10, 10, 80, 25);
  button->SetCaption("OK");
  const HWND window = button->Handle();
  char className[64] = {};
  GetClassNameA(window, className, sizeof(className));
  EXPECT_STREQ(className, "Trelvik.BUTTON");
  EXPECT_EQ(FindControl(window), button);
  EXPECT_EQ(SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON, DLGC_BUTTON);  // the button's own procedure answers

  SendMessageA(window, BM_CLICK, 0, 0);
  EXPECT_EQ(button->Notifications, std::vector<WORD>{BN_CLICKED});

  const HDC dc = GetDC(window);
  const auto brush = SendMessageA(form_->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(window));
  ReleaseDC(window, dc);
  EXPECT_EQ(button->ColorRequests, 1);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), button->Brush()->Handle());
}

TEST_F(ControlWindowTest, AlignedChildrenShareTheParentsClientArea) {
  auto* panel = Child<PaintedControl>(form_);
  panel->SetBounds(0, 0, 200, 100);
  auto* top = Child<PaintedControl>(panel);
  top->SetHeight(20);
  top->SetAlign(alTop);
  auto* left = Child<PaintedControl>(panel);
  left->SetWidth(30);
  left->SetAlign(alLeft);
  auto* rest = Child<GraphicBox>(panel);
  rest->SetAlign(alClient);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 30, 100));
  EXPECT_EQ(rest->BoundsRect(), Rect(30, 20, 200, 100));
  panel->SetBounds(0, 0, 300, 150);
  EXPECT_EQ(rest->BoundsRect(), Rect(30, 20, 300, 150));
  top->SetVisible(false);
  EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 30, 150));
}

TEST_F(ControlWindowTest, AligningWaitsUntilLoadingEnds) {
  auto* panel = testing::MakeChild<PaintedControl>(form_, form_, Rect(0, 0, 200, 100));
  BeginLoading(panel);
  auto* top = Child<PaintedControl>(panel);
  top->SetHeight(20);
  top->SetAlign(alTop);
  EXPECT_EQ(top->Width(), 0);  // stored values stay as they are while loading
  EndLoading(panel);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
}

}  // namespace
}  // namespace fw
