// The pop-up's header and footer bars and their buttons: the buttons made from the drop-down's items and
// lined up, the caption that stops before them, the borders, the footer buttons' modal results and the
// size grip; the button's face by state, its keys and its un-hot timer; the bars' button list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/classes/list.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/cursorpos.h"
#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/dropdown_drawing.h"

namespace ui::testing {
namespace {

using DropDownBarsTest = PopupTest;

// Black pixels of the bar's own painting (no child windows) in the columns [from, to).
int BlackPixels(TDropDownBar* bar, int from, int to) {
  MemoryBitmap bitmap(bar->Width(), bar->Height());
  bitmap.Fill(fw::clWhite);
  bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
  return bitmap.Count(RECT{from, 0, to, bar->Height()}, fw::clBlack);
}

// A plain white bar without border, so only the caption paints black.
void PlainBar(TBarAppearance* a) {
  a->SetColor(fw::clWhite);
  a->SetColorTo(fw::clNone);
  a->SetBorderColor(fw::clNone);
  a->Font()->SetColor(fw::clBlack);
}

TEST_F(DropDownBarsTest, HeaderButtonsLineUpFromTheRightAndTheCaptionStopsBeforeThem) {
  auto* picker = MakePicker();
  picker->SetDropDownWidth(202);  // a 200-pixel header inside the 1-pixel border
  THeaderAppearance* header = picker->DropDownHeader();
  PlainBar(header);
  header->SetCaption("W W W W W W W W W W W W W W W W W W W W W W W W W W W W W W");
  for (int width : {20, 30, 40}) header->Buttons()->Add()->SetWidth(width);
  header->Buttons()->Items(2)->SetHeight(40);
  TDropDownForm* form = Open(picker);
  TVxHeader* bar = form->Header();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Width(), 200);
  ASSERT_EQ(bar->ButtonList().Count(), 3);
  struct Span {
    int left, right;
  };
  const Span expected[] = {{178, 198}, {148, 178}, {108, 148}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(bar->Button(i)->Left(), expected[i].left) << i;
    EXPECT_EQ(bar->Button(i)->Left() + bar->Button(i)->Width(), expected[i].right) << i;
    // Centred on the area's bottom, never above its top.
    EXPECT_EQ(bar->Button(i)->Top(), std::max(2, (19 - bar->Button(i)->Height()) / 2)) << i;
    EXPECT_EQ(bar->Button(i)->Tag(), i);
    EXPECT_EQ(bar->Button(i)->Appearance(), picker->ButtonAppearance());
  }
  // The tall item is cut to the button area (22 - 2 - 3).
  EXPECT_EQ(bar->Button(2)->Height(), 17);
  EXPECT_GT(BlackPixels(bar, 0, 106), 0);
  EXPECT_EQ(BlackPixels(bar, 106, 200), 0);

  // From the left the first button starts at the area's left edge.
  picker->CloseUp(false);
  header->SetButtonAlignment(baLeft);
  Open(picker);
  EXPECT_EQ(bar->Button(0)->Left(), 2);
  EXPECT_EQ(bar->Button(1)->Left(), 22);
  EXPECT_EQ(bar->Button(2)->Left(), 52);
}

TEST_F(DropDownBarsTest, HeaderBordersAndWhatTheEventsReplace) {
  struct Case {
    const char* name;
    fw::TColor popupBorder;
    bool outerLines;
  };
  for (const Case& c : {Case{"popup with border", fw::clNavy, false}, Case{"popup without", fw::clNone, true}}) {
    SCOPED_TRACE(c.name);
    auto* picker = MakePicker();
    picker->SetDropDownBorderColor(c.popupBorder);
    THeaderAppearance* header = picker->DropDownHeader();
    PlainBar(header);
    header->SetBorderColor(fw::clRed);
    TVxHeader* bar = Open(picker)->Header();
    MemoryBitmap bitmap(bar->Width(), bar->Height());
    bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
    const int w = bar->Width();
    const int h = bar->Height();
    EXPECT_EQ(bitmap.Pixel(w / 2, h - 1), fw::clRed);  // the line against the picker, always
    // Without a pop-up border the outer lines follow, and the light frame (a fifth of the border colour on
    // white) is drawn over them along the top and the left and above the bottom line.
    const fw::TColor light = c.outerLines ? dropdown::BlendColor(fw::clRed, fw::clWhite, 20) : fw::clWhite;
    EXPECT_EQ(bitmap.Pixel(w / 2, 0), light);
    EXPECT_EQ(bitmap.Pixel(0, h / 2), light);
    EXPECT_EQ(bitmap.Pixel(w / 2, h - 2), light);
    EXPECT_EQ(bitmap.Pixel(w / 2, h / 2), fw::clWhite);
  }

  auto* picker = MakePicker();
  PlainBar(picker->DropDownHeader());
  picker->DropDownHeader()->SetCaption("Caption");
  picker->OnGetHeaderText = [](fw::TObject*, std::string& Text) { Text.clear(); };
  TVxHeader* bar = Open(picker)->Header();
  EXPECT_EQ(BlackPixels(bar, 0, bar->Width()), 0);
  picker->CloseUp(false);
  // A background event paints instead of everything.
  int drawn = 0;
  picker->OnGetHeaderText = nullptr;
  picker->OnDrawHeader = [&](fw::TObject* Sender, fw::TCanvas*, fw::TRect R) {
    EXPECT_EQ(Sender, bar);
    EXPECT_EQ(R.Width(), bar->Width());
    ++drawn;
  };
  Open(picker);
  EXPECT_EQ(BlackPixels(bar, 0, bar->Width()), 0);
  EXPECT_GT(drawn, 0);
}

TEST_F(DropDownBarsTest, FooterButtonsCloseByModalResultBeforeTheFooterEvent) {
  struct Case {
    fw::TModalResult result;
    bool closes;
    bool cancelled;
  };
  const Case cases[] = {{fw::mrNone, false, false}, {fw::mrRetry, false, false}, {fw::mrOk, true, false},
                        {fw::mrCancel, true, true},  {fw::mrNo, true, true},       {fw::mrYes, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.result);
    auto* picker = MakePicker();
    picker->SetText("old");
    picker->DropDownFooter()->Buttons()->Add()->SetCaption("Other");
    picker->DropDownFooter()->Buttons()->Add()->SetModalResult(c.result);
    std::vector<std::string> events;
    picker->OnDropUp = [&](fw::TObject*, bool Cancelled) { events.push_back(Cancelled ? "cancel" : "accept"); };
    picker->OnDropDownFooterButtonClick = [&](fw::TObject* Sender, int Index) {
      EXPECT_EQ(Sender, picker);
      events.push_back("footer " + std::to_string(Index));
    };
    TDropDownForm* form = Open(picker);
    SetWindowTextA(picker->Handle(), "new");
    TVxButton* button = form->Footer()->Button(1);
    EXPECT_EQ(button->DropDown(), picker);
    PostClick(button);
    std::vector<std::string> expected;
    if (c.closes) expected.push_back(c.cancelled ? "cancel" : "accept");
    expected.push_back("footer 1");
    EXPECT_EQ(events, expected);
    EXPECT_EQ(picker->DroppedDown(), !c.closes);
    EXPECT_EQ(picker->Text(), c.cancelled ? "old" : "new");
    EXPECT_EQ(form->ModalResult(), c.result);
    picker->OnDropUp = nullptr;
    picker->OnDropDownFooterButtonClick = nullptr;
    picker->CloseUp(false);
  }
}

TEST_F(DropDownBarsTest, EnterOnAFocusedFooterButtonClosesWithoutItsEvents) {
  auto* picker = MakePicker();
  picker->DropDownFooter()->Buttons()->Add()->SetModalResult(fw::mrOk);
  int footerEvents = 0;
  picker->OnDropDownFooterButtonClick = [&](fw::TObject*, int) { ++footerEvents; };
  TDropDownForm* form = Open(picker);
  TVxButton* button = form->Footer()->Button(0);
  int clicks = 0;
  button->OnClick = [&](fw::TObject*) { ++clicks; };
  button->SetFocus();
  button->Perform(WM_KEYDOWN, VK_RETURN);
  EXPECT_FALSE(picker->DroppedDown());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(footerEvents, 0);
  EXPECT_EQ(button->State(), TVxButton::TState::Down);
}

TEST_F(DropDownBarsTest, TheHeaderButtonsClickReportsItsIndexAndTheAcceleratorClicksToo) {
  auto* picker = MakePicker();
  picker->DropDownHeader()->Buttons()->Add()->SetCaption("&First");
  picker->DropDownHeader()->Buttons()->Add()->SetCaption("&Second");
  std::vector<int> clicked;
  picker->OnDropDownHeaderButtonClick = [&](fw::TObject*, int Index) { clicked.push_back(Index); };
  TVxHeader* bar = Open(picker)->Header();
  PostClick(bar->Button(0));
  EXPECT_EQ(bar->Button(1)->Perform(fw::CM_DIALOGCHAR, 'f'), 0);
  EXPECT_EQ(bar->Button(1)->Perform(fw::CM_DIALOGCHAR, 's'), 1);
  EXPECT_EQ(clicked, (std::vector<int>{0, 1}));
  EXPECT_TRUE(picker->DroppedDown());  // header buttons close nothing
}

TEST_F(DropDownBarsTest, TheSizeGripNeedsBothSwitches) {
  struct Case {
    bool sizeGrip;
    bool sizeable;
  };
  for (const Case& c : {Case{true, true}, Case{true, false}, Case{false, true}}) {
    SCOPED_TRACE(std::to_string(c.sizeGrip) + std::to_string(c.sizeable));
    const bool shown = c.sizeGrip && c.sizeable;
    auto* picker = MakePicker();
    picker->SetDropDownSizeable(c.sizeable);
    TFooterAppearance* footer = picker->DropDownFooter();
    footer->SetSizeGrip(c.sizeGrip);
    PlainBar(footer);
    footer->SetBorderColor(fw::clBlack);
    footer->Buttons()->Add()->SetWidth(30);
    TDropDownForm* form = Open(picker);
    TVxFooter* bar = form->Footer();
    const int w = bar->Width();
    const int h = bar->Height();
    EXPECT_EQ(bar->SizeGripShown(), shown);
    EXPECT_EQ(bar->Button(0)->Left() + 30, w - (shown ? 14 : 2));
    // The grip's squares: the border colour's one pixel up and left of the white one.
    MemoryBitmap bitmap(w, h);
    bitmap.Fill(fw::clFuchsia);
    bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
    const int gripLeft = w - 1 - 16;
    EXPECT_EQ(bitmap.Pixel(gripLeft + 4, h - 5) == fw::clBlack, shown);
    EXPECT_EQ(bitmap.Pixel(gripLeft + 6, h - 3), fw::clWhite);

    // A press in the corner hands the sizing to the system through the pop-up window.
    std::vector<WPARAM> sizing;
    form->SetWindowProc([&](fw::TMessage& Message) {
      if (Message.Msg == WM_NCLBUTTONDOWN) {
        sizing.push_back(Message.WParam);
        return;
      }
      form->WndProc(Message);
    });
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w - 5, h - 5));
    bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(w - 5, h - 5));
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(w - 20, h - 5));
    bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(w - 20, h - 5));
    form->SetWindowProc(nullptr);
    EXPECT_EQ(sizing, shown ? std::vector<WPARAM>{HTBOTTOMRIGHT} : std::vector<WPARAM>{});
  }
}

TEST_F(DropDownBarsTest, TheBarsFollowTheAppearancesWhileOpen) {
  auto* picker = MakePicker();
  picker->DropDownFooter()->SetVisible(false);
  TDropDownForm* form = Open(picker);
  ASSERT_NE(form->Header(), nullptr);
  EXPECT_EQ(form->Footer(), nullptr);
  picker->DropDownHeader()->Buttons()->Add();
  picker->DropDownHeader()->Buttons()->Items(0)->SetCaption("Now");
  ASSERT_EQ(form->Header()->ButtonList().Count(), 1);
  EXPECT_EQ(form->Header()->Button(0)->Caption(), "Now");
  picker->DropDownFooter()->SetVisible(true);
  ASSERT_NE(form->Footer(), nullptr);
  EXPECT_TRUE(form->Footer()->Visible());
  EXPECT_EQ(form->Footer()->Align(), fw::alBottom);
  picker->DropDownHeader()->SetVisible(false);
  EXPECT_FALSE(form->Header()->Visible());
  // Closed, the pop-up's bars stay as they are.
  picker->CloseUp(false);
  picker->DropDownHeader()->SetVisible(true);
  EXPECT_FALSE(form->Header()->Visible());
}

// A button on a plain panel, with an appearance whose every look has one colour of its own.
class ButtonFaceTest : public DropDownTest {
 public:
  void SetUp() override {
    DropDownTest::SetUp();
    appearance_.SetColor(fw::clYellow);
    appearance_.SetColorTo(fw::clYellow);
    appearance_.SetColorHot(fw::clLime);
    appearance_.SetColorDown(fw::clRed);
    appearance_.SetColorDisabled(fw::clGray);
    appearance_.SetColorDisabledTo(fw::clGray);
    button_ = Make<TVxButton>(fw::TRect{10, 10, 50, 32});
    button_->SetAppearance(&appearance_);
    Form()->Show();
    ProcessMessages();
  }
  fw::TColor Face() {
    MemoryBitmap bitmap(button_->Width(), button_->Height());
    button_->PaintTo(bitmap.DC(), 0, 0);
    return bitmap.Pixel(button_->Width() / 2, button_->Height() / 2);
  }

  TVxButtonAppearance appearance_;
  TVxButton* button_ = nullptr;
};

TEST_F(ButtonFaceTest, TheFaceFollowsDisabledPressedHotAndNormal) {
  EXPECT_EQ(Face(), fw::clYellow);
  button_->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button_));
  EXPECT_TRUE(button_->MouseInside());
  EXPECT_TRUE(button_->UnHotTimer()->Enabled());
  EXPECT_EQ(Face(), fw::clLime);
  button_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(button_->PressedInside());
  EXPECT_EQ(button_->State(), TVxButton::TState::Down);
  EXPECT_EQ(Face(), fw::clRed);
  // Dragged out the state goes up; the face stays pressed while the mouse counts as inside.
  button_->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 40));
  EXPECT_EQ(button_->State(), TVxButton::TState::Up);
  button_->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 40));
  EXPECT_FALSE(button_->Tracking());
  button_->SetEnabled(false);
  EXPECT_EQ(Face(), fw::clGray);
  EXPECT_EQ(button_->State(), TVxButton::TState::Disabled);
  button_->SetEnabled(true);
  Face();
  EXPECT_EQ(button_->State(), TVxButton::TState::Up);

  // Without an appearance only the parent's background shows.
  button_->SetAppearance(nullptr);
  EXPECT_EQ(Face(), static_cast<fw::TColor>(fw::ColorToRGB(Form()->Color())));
}

TEST_F(ButtonFaceTest, TheUnHotTimerClearsTheHotLookOnceTheCursorHasLeft) {
  const fw::TPoint inside = button_->ClientToScreen(fw::TPoint{5, 5});
  POINT cursor{inside.X, inside.Y};
  const fw::ServiceDouble<POINT()> position(fw::CursorPos, [&] { return cursor; });
  button_->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(button_));
  button_->UnHotTimerTick();
  EXPECT_TRUE(button_->MouseInside());
  EXPECT_TRUE(button_->UnHotTimer()->Enabled());
  cursor.y += 100;
  button_->UnHotTimerTick();
  EXPECT_FALSE(button_->MouseInside());
  EXPECT_FALSE(button_->UnHotTimer()->Enabled());
  EXPECT_EQ(button_->UnHotTimer()->Interval(), 1u);
}

TEST_F(ButtonFaceTest, AutoSizeFitsTheCaptionInTheAppearancesFont) {
  button_->SetCaption("Apply");
  button_->AutoSizeToContent();
  const fw::WindowDC screen(nullptr);
  fw::TCanvas canvas;
  canvas.SetHandle(screen.Get());
  canvas.SetFont(appearance_.Font());
  const int text = canvas.TextWidth("Apply");
  const int height = canvas.TextHeight("Apply");
  canvas.SetHandle(nullptr);
  EXPECT_EQ(button_->Width(), text + 8);
  EXPECT_EQ(button_->Height(), height + 4);
}

TEST(DbgListTest, ReadingPastTheEndNamesTheFault) {
  TDbgList list;
  int item = 0;
  list.Add(&item);
  EXPECT_EQ(list.Items(0), &item);
  try {
    list.Items(1);
    ADD_FAILURE() << "no exception";
  } catch (const fw::EListError&) {
    ADD_FAILURE() << "the list's own error";
  } catch (const fw::Exception& e) {
    EXPECT_EQ(e.Message(), "Index out of bounds in list read access");
  }
  EXPECT_THROW(list.Items(-1), fw::EListError);
}

}  // namespace
}  // namespace ui::testing
