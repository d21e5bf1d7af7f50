// Labels, images, panels, group boxes and scroll boxes: what they paint, how they size and align, the
// label's accelerator, the scroll box's range and position.
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/controls/edit.h"
#include "framework/controls/group_box.h"
#include "framework/controls/image.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/controls/scroll_box.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::MemoryBitmap;
using testing::StdControlTest;

TEST_F(StdControlTest, LabelSizesToItsTextAndPaintsOpaqueOrTransparent) {
  auto* label = Make<TLabel>(Rect(10, 10, 20, 20));
  label->SetCaption("Initializing..");
  const int oneLine = label->Height();
  EXPECT_GT(label->Width(), 40);
  label->SetCaption("Initializing..\r\nRunning");
  EXPECT_GT(label->Height(), oneLine);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 100, 20);
  label->SetCaption("DC Power : ON");
  EXPECT_EQ(label->BoundsRect(), Rect(10, 10, 110, 30));

  label->SetColor(clYellow);
  Form()->Show();
  MemoryBitmap bitmap(Form()->Width(), Form()->Height());
  Form()->PaintTo(bitmap.DC(), 0, 0);
  const RECT area = label->BoundsRect().ToRECT();
  const int yellow = bitmap.Count(area, clYellow);
  EXPECT_GT(yellow, 100 * 20 / 2);
  label->SetTransparent(true);
  Form()->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Count(area, clYellow), 0);
  EXPECT_GT(testing::PaintedPixelsOnParent(label), 0);  // the text still

  // A click on the label (through its parent's window) is its click.
  int clicks = 0;
  label->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, label);
    ++clicks;
  };
  PostClick(Form()->Handle(), 15, 15);
  label->SetVisible(false);
  PostClick(Form()->Handle(), 15, 15);
  EXPECT_EQ(clicks, 1);
}

TEST_F(StdControlTest, LabelAcceleratorFocusesItsFocusControl) {
  auto* label = Make<TLabel>(Rect(10, 10, 60, 30));
  auto* edit = Make<TEdit>(Rect(70, 10, 150, 31));
  auto* other = Make<TEdit>(Rect(70, 40, 150, 61));
  label->SetCaption("&Offset");
  label->SetFocusControl(edit);
  Form()->Show();
  other->SetFocus();
  PostMessageA(other->Handle(), WM_SYSCHAR, 'o', 0);
  ProcessMessages();
  EXPECT_TRUE(edit->Focused());
  edit->Free();
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(StdControlTest, ImageShowsItsBitmapPlainCentredOrStretched) {
  auto* image = Make<TImage>(Rect(10, 10, 50, 50));
  TBitmap* bitmap = image->Picture()->Bitmap();
  bitmap->SetSize(10, 10);
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect(Rect(0, 0, 10, 10));
  Form()->Show();
  MemoryBitmap target(Form()->Width(), Form()->Height());
  const RECT area = image->BoundsRect().ToRECT();
  const auto redPixels = [&] {
    Form()->PaintTo(target.DC(), 0, 0);
    return target.Count(area, clRed);
  };
  EXPECT_EQ(redPixels(), 100);
  EXPECT_EQ(target.Pixel(10, 10), clRed);
  image->SetCenter(true);
  EXPECT_EQ(redPixels(), 100);
  EXPECT_EQ(target.Pixel(25, 25), clRed);
  EXPECT_NE(target.Pixel(10, 10), clRed);
  image->SetStretch(true);
  EXPECT_EQ(redPixels(), 40 * 40);
  image->SetAutoSize(true);
  EXPECT_EQ(image->BoundsRect(), Rect(10, 10, 20, 20));
  image->Picture()->Assign(nullptr);
  EXPECT_TRUE(image->Picture()->Empty());
  EXPECT_EQ(redPixels(), 0);
}

TEST_F(StdControlTest, BitmapLoadsFromAFileAndRejectsWhatIsNoBitmap) {
  TBitmap source;
  source.SetSize(3, 2);
  source.Canvas()->SetPixels(2, 1, clBlue);
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string file = std::string(folder) + "stdctrl_glyph.bmp";
  // Written as a .bmp file by hand: file header, info header, bottom-up rows of 32-bit pixels.
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = 3;
  info.biHeight = 2;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(6, 0x00FFFFFF);
  pixels[2] = 0x000000FF;  // bottom row, right: blue
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof(header) + sizeof(info);
  header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size() * sizeof(std::uint32_t));
  FILE* out = fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  fwrite(&header, sizeof(header), 1, out);
  fwrite(&info, sizeof(info), 1, out);
  fwrite(pixels.data(), sizeof(std::uint32_t), pixels.size(), out);
  fclose(out);

  TBitmap loaded;
  loaded.LoadFromFile(file);
  DeleteFileA(file.c_str());
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.Height(), 2);
  EXPECT_EQ(loaded.Canvas()->Pixels(2, 1), clBlue);
  EXPECT_EQ(loaded.Canvas()->Pixels(0, 0), clWhite);
  EXPECT_THROW(loaded.LoadFromFile(file), EFOpenError);
  EXPECT_EQ(loaded.Width(), 3);
}

TEST_F(StdControlTest, PanelDrawsBevelsAndBorderAndAlignsChildrenInside) {
  auto* panel = Make<TPanel>(Rect(10, 10, 110, 60));
  panel->SetBevelOuter(bvLowered);
  panel->SetBevelInner(bvRaised);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(3);
  panel->SetColor(clAqua);
  auto* inner = Make<TPanel>(TRect{}, panel);
  inner->SetAlign(alClient);
  inner->SetBevelOuter(bvNone);
  inner->SetColor(clLime);
  EXPECT_EQ(inner->BoundsRect(), Rect(7, 7, 93, 43));
  panel->SetBorderWidth(0);
  EXPECT_EQ(inner->BoundsRect(), Rect(4, 4, 96, 46));

  panel->SetBorderWidth(3);
  Form()->Show();
  MemoryBitmap bitmap(100, 50);
  panel->PaintTo(bitmap.DC(), 0, 0);
  EXPECT_EQ(bitmap.Pixel(0, 0), static_cast<TColor>(ColorToRGB(clBtnShadow)));  // lowered outer bevel
  EXPECT_EQ(bitmap.Pixel(99, 49), static_cast<TColor>(ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(bitmap.Pixel(3, 3), clAqua);  // the border in the panel's colour
  EXPECT_EQ(bitmap.Pixel(7, 7), clLime);  // the aligned child
  EXPECT_EQ(bitmap.Count(RECT{7, 7, 93, 43}, clLime), 86 * 36);
}

TEST_F(StdControlTest, GroupBoxAlignsChildrenBelowItsCaption) {
  auto* group = Make<TGroupBox>(Rect(10, 10, 210, 110));
  group->SetCaption("Encoders");
  auto* child = Make<TPanel>(TRect{}, group);
  child->SetAlign(alClient);
  EXPECT_GT(child->Top(), 8);
  EXPECT_LT(child->BoundsRect().Bottom, 100);
  EXPECT_GT(testing::PaintedPixelsOnParent(group), 0);
}

// The assignment pages: rows 35 pixels apart in a scroll box, moved by its vertical position.
TEST_F(StdControlTest, ScrollBoxRangeComesFromItsChildrenAndPositionMovesThem) {
  auto* box = Make<TScrollBox>(Rect(0, 0, 300, 150));
  std::vector<TPanel*> rows;
  for (int row = 0; row < 20; ++row) rows.push_back(Make<TPanel>(Bounds(10, 5 + 35 * row, 200, 30), box));
  TControlScrollBar* bar = box->VertScrollBar();
  EXPECT_EQ(bar->Range(), 5 + 35 * 19 + 30);
  Form()->Show();
  const int client = box->ClientHeight();
  EXPECT_EQ(bar->MaxPosition(), bar->Range() - client);

  bar->SetPosition(520);
  EXPECT_EQ(bar->Position(), 520);
  EXPECT_EQ(rows[0]->Top(), 5 - 520);
  EXPECT_EQ(rows[19]->Top(), 5 + 35 * 19 - 520);
  EXPECT_EQ(bar->Range(), 5 + 35 * 19 + 30);  // the range does not move with the children
  EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 520);

  bar->SetPosition(bar->Range());  // to the end
  EXPECT_EQ(bar->Position(), bar->MaxPosition());
  SendMessageA(box->Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(rows[0]->Top(), 5);
  SendMessageA(box->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(bar->Position(), bar->Increment());
  SendMessageA(box->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(bar->Position(), bar->Increment() + client);
  bar->SetPosition(-5);
  EXPECT_EQ(bar->Position(), 0);

  box->ScrollInView(rows[19]);
  EXPECT_EQ(rows[19]->BoundsRect().Bottom, client);
  // With a range of its own the bar scrolls beyond the children.
  bar->SetRange(2000);
  EXPECT_FALSE(box->AutoScroll());
  bar->SetPosition(1900);
  EXPECT_EQ(bar->Position(), 2000 - client);
}

// Rows are added while the page shows: the bar follows them.
TEST_F(StdControlTest, ScrollBoxBarFollowsChildrenAddedAndRemovedWhileShown) {
  auto* box = Make<TScrollBox>(Rect(0, 0, 300, 150));
  Form()->Show();
  const auto barRange = [&] {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(box->Handle(), SB_VERT, &info);
    return info.nMax + 1 > static_cast<int>(info.nPage) ? info.nMax + 1 : 0;
  };
  EXPECT_EQ(barRange(), 0);
  std::vector<TLabel*> rows;
  for (int row = 0; row < 10; ++row) {
    auto* label = Create<TLabel>(Form());
    label->SetParent(box);
    label->SetBounds(10, 5 + 35 * row, 100, 20);
    rows.push_back(label);
  }
  EXPECT_EQ(barRange(), 5 + 35 * 9 + 20);
  box->VertScrollBar()->SetPosition(100);
  rows.back()->Free();
  EXPECT_EQ(barRange(), 5 + 35 * 8 + 20);
  EXPECT_EQ(box->VertScrollBar()->Position(), 100);
}

}  // namespace
}  // namespace fw
