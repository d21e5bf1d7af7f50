// The protocol between controls: reading components into parents, painting a parent's background,
// double buffering, component messages, focus notifications, button styles and size changes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/panel.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::GraphicBox;
using testing::MemoryBitmap;
using testing::PaintedControl;
using testing::StdControlTest;

// A page that joins its pager only after its own properties are read (as a tab page does).
class JoiningPage : public testing::PaintedControl {
 public:
  using PaintedControl::PaintedControl;
  std::vector<std::string>* Journal = nullptr;

 protected:
  void ReadState(TReader* Reader) override {
    Journal->push_back("before " + Caption() + (Parent() == Reader->Parent() ? " on parent" : ""));
    PaintedControl::ReadState(Reader);
    Journal->push_back("after " + Caption());
  }
};

TEST_F(StdControlTest, ChildrenReadIntoAParentAttachInStoredOrder) {
  auto* panel = Make<TPanel>(Rect(0, 0, 200, 100));
  std::vector<std::string> journal;
  BeginLoading(Form());
  TReader reader(Form(), panel);
  const char* names[] = {"first", "second", "third"};
  for (const char* name : names) {
    auto* page = Create<JoiningPage>(Form());
    page->Journal = &journal;
    reader.ReadComponent(page, [&] {
      EXPECT_TRUE(page->ComponentState().Contains(csReading));
      EXPECT_EQ(page->Parent(), panel);  // the parent is known while properties are applied
      page->SetCaption(name);
    });
  }
  EndLoading(Form());
  ASSERT_EQ(panel->ControlCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(panel->Controls(i)->Caption(), names[i]);
  EXPECT_EQ(journal.front(), "before ");
  EXPECT_EQ(journal[1], "after first");
  EXPECT_FALSE(panel->Controls(0)->ComponentState().Contains(csReading));
}

// Paints its parent's background (graphic children included) under itself, then a frame.
class SeeThrough : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int Painted = 0;

 protected:
  void Paint() override {
    ++Painted;
    HDC dc = Canvas()->Handle();
    POINT origin{};
    OffsetWindowOrgEx(dc, Left(), Top(), &origin);
    Parent()->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    Parent()->PaintControls(dc, nullptr);
    SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
    Canvas()->Brush()->SetColor(clBlack);
    Canvas()->FrameRect(ClientRect());
  }
};

TEST_F(StdControlTest, ControlPaintsItsParentsGraphicChildrenUnderItself) {
  Form()->SetColor(clYellow);
  auto* under = Make<GraphicBox>(Rect(20, 20, 60, 60));  // partly under the see-through control
  under->Fill = clBlue;
  auto* glass = Make<SeeThrough>(Rect(40, 40, 100, 100));
  Form()->Show();
  MemoryBitmap bitmap(glass->Width(), glass->Height());
  glass->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()));
  EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);     // its own frame
  EXPECT_EQ(bitmap.Pixel(5, 5), clBlue);      // the graphic sibling below it
  EXPECT_EQ(bitmap.Pixel(30, 30), clYellow);  // the parent's background
  const RECT siblingPart{1, 1, 20, 20};
  EXPECT_EQ(bitmap.Count(siblingPart, clBlue), 19 * 19);

  // From a given child on: the ones before it are left out.
  auto* over = Make<GraphicBox>(Rect(0, 0, 10, 10));
  over->Fill = clRed;
  MemoryBitmap parentPart(100, 100);
  Form()->PaintControls(parentPart.DC(), over);
  EXPECT_EQ(parentPart.Pixel(5, 5), clRed);
  EXPECT_EQ(parentPart.Pixel(30, 30), clWhite);  // "under" was not painted
}

TEST_F(StdControlTest, DoubleBufferedControlPaintsTheSamePixels) {
  auto* plain = Make<PaintedControl>(Rect(0, 0, 60, 40));
  plain->Fill = clGreen;
  Make<GraphicBox>(Rect(10, 10, 20, 20), plain);
  Form()->Show();
  ProcessMessages();
  const auto screenshot = [&] {
    plain->Invalidate();
    plain->Update();  // a real WM_PAINT through BeginPaint
    MemoryBitmap copy(60, 40);
    WindowDC dc(plain->Handle());
    BitBlt(copy.DC(), 0, 0, 60, 40, dc.Get(), 0, 0, SRCCOPY);
    std::vector<TColor> pixels;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 60; ++x) pixels.push_back(copy.Pixel(x, y));
    return pixels;
  };
  const std::vector<TColor> direct = screenshot();
  plain->SetDoubleBuffered(true);
  EXPECT_EQ(screenshot(), direct);
  MemoryBitmap viaDC(60, 40);  // a DC in WParam: straight into it
  plain->Perform(WM_PAINT, reinterpret_cast<WPARAM>(viaDC.DC()));
  EXPECT_EQ(viaDC.Pixel(15, 15), clBlue);
  EXPECT_EQ(viaDC.Pixel(30, 30), clGreen);
}

TEST_F(StdControlTest, ButtonPressedReachesEverySiblingAndListChangesReachTheParent) {
  auto* group = Make<testing::Recording<TPanel>>(Rect(0, 0, 200, 100));
  std::vector<GraphicBox*> boxes;
  for (int i = 0; i < 3; ++i) boxes.push_back(Make<GraphicBox>(Rect(i * 20, 0, i * 20 + 10, 10), group));
  EXPECT_EQ(group->Count(CM_CONTROLLISTCHANGE), 3);
  TMessage pressed{CM_BUTTONPRESSED, 7, reinterpret_cast<LPARAM>(boxes[0]), 0};
  group->Broadcast(pressed);
  for (GraphicBox* box : boxes) EXPECT_EQ(box->Count(CM_BUTTONPRESSED), 1);
  boxes[1]->Changed();
  EXPECT_EQ(group->Count(CM_CHANGED), 1);
  boxes[2]->SetParent(nullptr);
  EXPECT_EQ(group->Count(CM_CONTROLLISTCHANGE), 4);
  boxes[2]->Free();
}

TEST_F(StdControlTest, EnterAndExitFollowTheFocusAndButtonsFollowAsTheDefault) {
  auto* first = Make<testing::Recording<TButton>>(Rect(10, 10, 80, 30));
  auto* second = Make<testing::Recording<TButton>>(Rect(10, 40, 80, 60));
  auto* edit = Make<testing::Recording<TEdit>>(Rect(10, 70, 80, 90));
  second->SetDefault(true);
  Form()->Show();
  first->SetFocus();
  ProcessMessages();
  EXPECT_EQ(first->Count(CM_ENTER), 1);
  second->SetFocus();
  ProcessMessages();
  EXPECT_EQ(first->Count(CM_EXIT), 1);
  EXPECT_EQ(second->Count(CM_ENTER), 1);
  const auto style = [](TButton* b) { return GetWindowLongPtrA(b->Handle(), GWL_STYLE) & BS_TYPEMASK; };
  EXPECT_EQ(style(second), BS_DEFPUSHBUTTON);
  EXPECT_EQ(style(first), BS_PUSHBUTTON);
  first->SetFocus();  // the focused button is the one Enter clicks
  ProcessMessages();
  EXPECT_EQ(style(first), BS_DEFPUSHBUTTON);
  EXPECT_EQ(style(second), BS_PUSHBUTTON);
  edit->SetFocus();  // no button focused: the default one again
  ProcessMessages();
  EXPECT_EQ(edit->Count(CM_ENTER), 1);
  EXPECT_EQ(style(first), BS_PUSHBUTTON);
  EXPECT_EQ(style(second), BS_DEFPUSHBUTTON);
}

// Keeps a margin of 5 around its aligned children and counts its size changes.
class FramedBox : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void AdjustClientRect(TRect& Rect) override { Rect = TRect{Rect.Left + 5, Rect.Top + 5, Rect.Right - 5, Rect.Bottom - 5}; }
};

TEST_F(StdControlTest, ChildrenAlignInTheAdjustedRectAndResizeFollowsSizeChanges) {
  auto* box = Make<FramedBox>(Rect(0, 0, 100, 60));
  int resizes = 0;
  box->OnResize = [&](TObject*) { ++resizes; };
  auto* client = Make<GraphicBox>(Rect(0, 0, 10, 10), box);
  client->SetAlign(alClient);
  EXPECT_EQ(client->BoundsRect(), Rect(5, 5, 95, 55));
  box->SetBounds(10, 10, 100, 60);  // moved only
  EXPECT_EQ(resizes, 0);
  box->SetWidth(120);
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(client->BoundsRect(), Rect(5, 5, 115, 55));
}

}  // namespace
}  // namespace fw
