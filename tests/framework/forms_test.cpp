// Forms: modal results, default and cancel buttons, key preview, close handling, border and window
// styles.
#include <gtest/gtest.h>

#include "framework/messaging/timer.h"
#include "ui_test_controls.h"
#include "ui_test_support.h"

namespace fw {
namespace {

using testing::ApplicationTest;
using testing::DialogButton;
using testing::KeyHungryControl;
using testing::PaintedControl;

class FormTest : public ApplicationTest {
 protected:
  void SetUp() override {
    ApplicationTest::SetUp();
    App().CreateForm(main_);
    main_->Show();
  }
  template <class T>
  T* Child(TWinControl* parent) {
    return testing::MakeChild<T>(parent);
  }
  TForm* main_ = nullptr;
};

TEST_F(FormTest, ShowModalReturnsTheModalResultAndRestoresTheOtherWindows) {
  auto* dialog = Create<TForm>(&App());
  std::vector<std::string> events;
  dialog->OnShow = [&](TObject*) { events.push_back(IsWindowEnabled(main_->Handle()) ? "show, main enabled" : "show"); };
  dialog->OnHide = [&](TObject*) { events.push_back("hide"); };
  dialog->OnClose = [&](TObject*, TCloseAction& action) {
    events.push_back("close");
    EXPECT_EQ(action, caHide);
  };
  PostMessageA(dialog->Handle(), WM_USER, 0, 0);
  App().OnIdle = [&](TObject*, bool& done) {
    done = false;
    if (dialog->Modal()) dialog->SetModalResult(mrYes);
  };
  EXPECT_EQ(dialog->ShowModal(), mrYes);
  EXPECT_EQ(events, (std::vector<std::string>{"show", "close", "hide"}));
  EXPECT_TRUE(IsWindowEnabled(main_->Handle()));
  EXPECT_FALSE(dialog->Modal());
  EXPECT_THROW({ dialog->Show(); dialog->ShowModal(); }, EInvalidOperation);
}

TEST_F(FormTest, ModalFormThatRefusesToCloseStaysUntilItAgrees) {
  auto* dialog = Create<TForm>(&App());
  int queries = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries >= 3; };
  App().OnIdle = [&](TObject*, bool& done) {
    done = false;
    dialog->Close();  // a modal form's Close asks for mrCancel
  };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 3);
}

// Enter and Esc go to the default and cancel buttons unless the focused control keeps them.
struct DialogKeyCase {
  const char* name;
  bool toHungryControl;
  WPARAM key;
  int defaultClicks;
  int cancelClicks;
};

class DialogKeyTest : public FormTest, public ::testing::WithParamInterface<DialogKeyCase> {};

TEST_P(DialogKeyTest, KeyReachesTheRightButton) {
  const DialogKeyCase& c = GetParam();
  auto* dialog = Create<TForm>(&App());
  auto* ok = Child<DialogButton>(dialog);
  ok->Default = true;
  auto* cancel = Child<DialogButton>(dialog);
  cancel->Cancel = true;
  auto* hungry = Child<KeyHungryControl>(dialog);
  dialog->Show();
  const HWND target = c.toHungryControl ? hungry->Handle() : dialog->Handle();
  PostMessageA(target, WM_KEYDOWN, c.key, 0);
  App().ProcessMessages();
  EXPECT_EQ(ok->Clicks, c.defaultClicks);
  EXPECT_EQ(cancel->Clicks, c.cancelClicks);
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeyTest,
                         ::testing::Values(DialogKeyCase{"EnterOnForm", false, VK_RETURN, 1, 0},
                                           DialogKeyCase{"EscapeOnForm", false, VK_ESCAPE, 0, 1},
                                           DialogKeyCase{"OtherKeyOnForm", false, 'A', 0, 0},
                                           DialogKeyCase{"EnterKeptByControl", true, VK_RETURN, 0, 0},
                                           DialogKeyCase{"EscapeKeptByControl", true, VK_ESCAPE, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Alt+letter reaches the controls as CM_DIALOGCHAR (accelerators); a plain letter typed into a control
// that takes characters does not.
class AcceleratedButton : public DialogButton {
 public:
  using DialogButton::DialogButton;
  char Accelerator = 'S';
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_DIALOGCHAR && toupper(static_cast<int>(Message.WParam)) == Accelerator) {
      Click();
      Message.Result = 1;
      return;
    }
    DialogButton::Dispatch(Message);
  }
};

class CharTakingControl : public PaintedControl {
 public:
  explicit CharTakingControl(TComponent* AOwner) : PaintedControl(AOwner) { SetTabStop(true); }
  std::string Typed;
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_GETDLGCODE) {
      Message.Result = DLGC_WANTCHARS;
      return;
    }
    if (Message.Msg == WM_CHAR) Typed += static_cast<char>(Message.WParam);
    PaintedControl::Dispatch(Message);
  }
};

TEST_F(FormTest, AltLetterReachesTheAcceleratedControl) {
  auto* save = Child<AcceleratedButton>(main_);
  auto* edit = Child<CharTakingControl>(main_);
  PostMessageA(edit->Handle(), WM_CHAR, 's', 0);
  PostMessageA(edit->Handle(), WM_SYSCHAR, 's', 0);
  PostMessageA(edit->Handle(), WM_SYSCHAR, 'x', 0);
  App().ProcessMessages();
  EXPECT_EQ(save->Clicks, 1);
  EXPECT_EQ(edit->Typed, "s");
}

TEST_F(FormTest, CancelButtonEndsAModalFormWithItsResult) {
  auto* dialog = Create<TForm>(&App());
  auto* ok = Child<DialogButton>(dialog);
  ok->Default = true;
  ok->Result = mrOk;
  auto* cancel = Child<DialogButton>(dialog);
  cancel->Cancel = true;
  cancel->Result = mrCancel;
  PostMessageA(dialog->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  PostMessageA(dialog->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(FormTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
  auto* control = Child<KeyHungryControl>(main_);
  std::vector<std::string> seen;
  main_->OnKeyDown = [&](TObject* sender, WORD& key, TShiftState) {
    EXPECT_EQ(sender, main_);
    seen.push_back("form " + std::to_string(key));
    if (key == VK_NEXT) key = 0;
  };
  control->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen.push_back("control " + std::to_string(key)); };
  PostMessageA(control->Handle(), WM_KEYDOWN, 'F', 0);
  App().ProcessMessages();
  EXPECT_EQ(seen, std::vector<std::string>{"control 70"});

  seen.clear();
  main_->SetKeyPreview(true);
  PostMessageA(control->Handle(), WM_KEYDOWN, 'F', 0);
  PostMessageA(control->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  App().ProcessMessages();
  EXPECT_EQ(seen, (std::vector<std::string>{"form 70", "control 70", "form 34"}));
}

TEST_F(FormTest, CloseActionsOfAModelessForm) {
  auto* dialog = Create<TForm>(&App());
  dialog->Show();
  TCloseAction chosen = caHide;
  dialog->OnClose = [&](TObject*, TCloseAction& action) { action = chosen; };
  bool destroyed = false;
  dialog->OnDestroy = [&](TObject*) { destroyed = true; };

  chosen = caNone;
  dialog->Close();
  EXPECT_TRUE(dialog->Visible());
  chosen = caMinimize;
  dialog->Close();
  EXPECT_EQ(dialog->WindowState(), wsMinimized);
  EXPECT_TRUE(IsIconic(dialog->Handle()));
  chosen = caHide;
  dialog->Close();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  chosen = caFree;
  dialog->Show();
  dialog->Close();
  EXPECT_FALSE(destroyed);  // freed only once its queued messages are handled
  App().ProcessMessages();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(App().ComponentCount(), 1);  // only the main form is left
}

struct BorderCase {
  TFormBorderStyle style;
  LONG_PTR wanted;
  LONG_PTR wantedEx;
  LONG_PTR unwanted;
};

TEST_F(FormTest, BorderStylesGiveTheirWindowStylesAndChangeAShownForm) {
  const BorderCase cases[] = {
      {bsNone, WS_POPUP, 0, WS_CAPTION | WS_THICKFRAME},
      {bsSingle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, WS_THICKFRAME},
      {bsSizeable, WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX, 0, WS_POPUP},
      {bsDialog, WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, WS_MINIMIZEBOX | WS_THICKFRAME},
      {bsToolWindow, WS_CAPTION, WS_EX_TOOLWINDOW, WS_THICKFRAME | WS_MINIMIZEBOX},
      {bsSizeToolWin, WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW, WS_MINIMIZEBOX},
  };
  auto* form = Create<TForm>(&App());
  auto* child = Child<PaintedControl>(form);
  form->Show();
  for (const BorderCase& c : cases) {
    SCOPED_TRACE(c.style);
    form->SetBorderStyle(c.style);
    const LONG_PTR style = GetWindowLongPtrA(form->Handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE);
    EXPECT_EQ(style & c.wanted, c.wanted);
    EXPECT_EQ(exStyle & c.wantedEx, c.wantedEx);
    EXPECT_EQ(style & c.unwanted, 0);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetParent(child->Handle()), form->Handle());
  }
  form->SetFormStyle(fsStayOnTop);
  EXPECT_TRUE(GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FormTest, WindowStateAndCaptionBeforeAndAfterShowing) {
  auto* form = Create<TForm>(&App());
  form->SetCaption("VDK-Trelvik: VDK to ORVA Hardware Interface - Version 2.00");
  form->SetWindowState(wsMinimized);
  form->Show();
  EXPECT_TRUE(IsIconic(form->Handle()));
  form->SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(form->Handle()));
  char text[128] = {};
  GetWindowTextA(form->Handle(), text, sizeof(text));
  EXPECT_STREQ(text, "VDK-Trelvik: VDK to ORVA Hardware Interface - Version 2.00");
}

TEST_F(FormTest, ScreenCenterPositionsTheFormWhenFirstShown) {
  auto* form = Create<TForm>(&App());
  form->SetBounds(0, 0, 200, 100);
  form->SetPosition(poScreenCenter);
  form->Show();
  EXPECT_EQ(form->Left(), (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  EXPECT_EQ(form->Top(), (GetSystemMetrics(SM_CYSCREEN) - 100) / 2);
}

TEST_F(FormTest, ShowingFocusesTheFirstTabStopAndTabMovesOn) {
  auto* form = Create<TForm>(&App());
  auto* first = Child<DialogButton>(form);
  auto* second = Child<DialogButton>(form);
  form->Show();
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(form->ActiveControl(), first);
  PostMessageA(first->Handle(), WM_KEYDOWN, VK_TAB, 0);
  App().ProcessMessages();
  EXPECT_TRUE(second->Focused());
  EXPECT_EQ(form->ActiveControl(), second);
  second->Free();
  EXPECT_EQ(form->ActiveControl(), nullptr);
}

}  // namespace
}  // namespace fw
