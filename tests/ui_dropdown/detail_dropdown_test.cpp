// The detail drop-down: SetItemIndex and IndexOfCaption, auto-completion while typing (and its pause after
// Backspace), Enter's exact match, the cancelled close, the keys, wheel and incremental search in the open
// list, the rows painted by OnDrawSelectedImage, the row and list sizes, and the styles reaching the item
// appearance.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/ui_dropdown/popup_test_support.h"
#include "ui/dropdown/detail_dropdown.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {
namespace {

using Detail = TVxDetailDropDown;
using Events = std::vector<std::string>;

class DetailDropDownTest : public testing::PopupTest {
 protected:
  Detail* MakeDetail(const std::vector<std::string>& captions) {
    Detail* detail = MakeDropDown<Detail>();
    for (const std::string& caption : captions) {
      TDetailItem* item = detail->Items()->Add();
      item->SetCaption(caption);
      item->SetNotes("<b>" + caption + "</b> notes");
    }
    detail->OnChange = [this](fw::TObject*) { events.push_back("change"); };
    detail->OnSelect = [this](fw::TObject*) { events.push_back("select"); };
    Form()->Show();
    ProcessMessages();
    return detail;
  }
  // A key as the keyboard gives it: down, its character, up.
  static void Press(Detail* detail, WORD key, char character = 0) {
    SendMessageA(detail->Handle(), WM_KEYDOWN, key, 0);
    if (character != 0) SendMessageA(detail->Handle(), WM_CHAR, static_cast<unsigned char>(character), 0);
    SendMessageA(detail->Handle(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000000u));
  }
  static void Type(Detail* detail, const std::string& letters) {
    for (char c : letters) Press(detail, static_cast<WORD>(toupper(static_cast<unsigned char>(c))), c);
  }
  static void KeyDown(Detail* detail, WORD key) { SendMessageA(detail->Handle(), WM_KEYDOWN, key, 0); }

  Events events;
};

TEST_F(DetailDropDownTest, DefaultsAndIndexOfCaption) {
  Detail* detail = MakeDetail({"Alpha", "Beta", "beta"});
  EXPECT_TRUE(detail->EditorEnabled());
  EXPECT_TRUE(detail->DropDownEnabled());
  EXPECT_EQ(detail->ItemIndex(), -1);
  EXPECT_EQ(detail->ItemHeight(), 22);
  EXPECT_EQ(detail->Layout(), ilCaptionRight);
  EXPECT_EQ(detail->KeyTimer()->Interval(), 500u);
  EXPECT_FALSE(detail->KeyTimer()->Enabled());
  EXPECT_TRUE(detail->AutoCompletion());
  EXPECT_EQ(detail->CaptionFont()->Name(), detail->Font()->Name());
  EXPECT_EQ(detail->NotesFont()->Size(), detail->Font()->Size());
  ASSERT_NE(detail->Selector(), nullptr);
  EXPECT_EQ(detail->Selector()->SelectorType(), stImage);
  EXPECT_EQ(detail->Items()->IndexOfCaption("beta"), 2);
  EXPECT_EQ(detail->Items()->IndexOfCaption("Beta"), 1);
  EXPECT_EQ(detail->Items()->IndexOfCaption("BETA"), -1);
  EXPECT_EQ(detail->Items()->IndexOfCaption("Bet"), -1);
}

TEST_F(DetailDropDownTest, SetItemIndex) {
  struct Case {
    const char* name;
    int start;
    int value;
    int expected;
    std::string text;
    Events events;
  };
  const Case cases[] = {
      {"a new index", -1, 1, 1, "Beta", {"select"}},
      {"the current index", 1, 1, 1, "Beta", {}},
      {"past the end is ignored", 1, 3, 1, "Beta", {}},
      {"-1 clears the text without an event", 1, -1, -1, "", {}},
      {"another negative value is ignored", 1, -2, 1, "Beta", {}},
  };
  Detail* detail = MakeDetail({"Alpha", "Beta", "Betamax"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    detail->SetItemIndex(c.start);
    events.clear();
    detail->SetItemIndex(c.value);
    EXPECT_EQ(detail->ItemIndex(), c.expected);
    EXPECT_EQ(detail->Text(), c.text);
    EXPECT_EQ(events, c.events);
  }
  detail->SetItemIndex(2);
  EXPECT_EQ(detail->SelStart(), 0);
  EXPECT_EQ(detail->SelLength(), 7);
}

TEST_F(DetailDropDownTest, TypingCompletesToTheFirstMatchingCaption) {
  Detail* detail = MakeDetail({"Alpha", "Beta", "Betamax"});
  ASSERT_TRUE(Focus(detail));
  Type(detail, "b");
  EXPECT_EQ(detail->Text(), "beta");
  Type(detail, "e");
  EXPECT_EQ(detail->Text(), "beta");
  EXPECT_EQ(detail->SelStart(), 2);
  EXPECT_EQ(detail->SelLength(), 2);
  EXPECT_EQ(detail->ItemIndex(), 1);
  EXPECT_EQ(std::count(events.begin(), events.end(), "select"), 0);
  EXPECT_GT(std::count(events.begin(), events.end(), "change"), 0);

  // No caption goes on with x: the typed text stays, the caret at its end, the index as completed.
  Type(detail, "x");
  EXPECT_EQ(detail->Text(), "bex");
  EXPECT_EQ(detail->SelStart(), 3);
  EXPECT_EQ(detail->SelLength(), 0);
  EXPECT_EQ(detail->ItemIndex(), 1);

  // Backspace stops completing until another key.
  detail->SelectAll();
  Type(detail, "a");
  EXPECT_EQ(detail->Text(), "alpha");
  Press(detail, VK_BACK, '\b');
  EXPECT_EQ(detail->Text(), "a");
  EXPECT_FALSE(detail->AutoCompletion());
  Type(detail, "l");
  EXPECT_EQ(detail->Text(), "alpha");
  EXPECT_EQ(detail->SelStart(), 2);
  EXPECT_EQ(detail->ItemIndex(), 0);
}

TEST_F(DetailDropDownTest, EnterChoosesAnExactCaption) {
  Detail* detail = MakeDetail({"Alpha", "Beta", "Betamax"});
  ASSERT_TRUE(Focus(detail));
  detail->SetTextDirect("Betamax");
  events.clear();
  KeyDown(detail, VK_RETURN);
  EXPECT_EQ(detail->ItemIndex(), 2);
  EXPECT_EQ(events, (Events{"select", "change"}));

  detail->SetItemIndex(-1);
  detail->SetTextDirect("betamax");
  events.clear();
  KeyDown(detail, VK_RETURN);
  EXPECT_EQ(detail->ItemIndex(), -1);
  EXPECT_EQ(std::count(events.begin(), events.end(), "select"), 0);
}

TEST_F(DetailDropDownTest, ACancelledCloseRestoresTheItem) {
  Detail* detail = MakeDetail({"Alpha", "Beta", "Betamax"});
  detail->SetItemIndex(0);
  Open(detail);
  ASSERT_TRUE(detail->DroppedDown());
  KeyDown(detail, VK_DOWN);
  EXPECT_TRUE(detail->DroppedDown()) << "keys select without closing";
  EXPECT_EQ(detail->ItemIndex(), 1);
  detail->CloseUp(true);
  EXPECT_EQ(detail->ItemIndex(), 0);
  EXPECT_EQ(detail->Text(), "Alpha");

  // Nothing to restore when nothing was selected before the opening.
  detail->SetItemIndex(-1);
  Open(detail);
  KeyDown(detail, VK_DOWN);
  detail->CloseUp(true);
  EXPECT_EQ(detail->ItemIndex(), 0);

  // A cancel with the list closed keeps what was selected since.
  detail->SetItemIndex(2);
  detail->CloseUp(true);
  EXPECT_EQ(detail->ItemIndex(), 2);

  // A click on a row chooses it and closes the list.
  Open(detail);
  fw::TWinControl* panel = detail->Selector()->Panel();
  const fw::TRect row = detail->Selector()->Panel()->GetItemRect(1);
  PostClick(panel->Handle(), row.Left + 5, row.Top + 5);
  ProcessMessages();
  EXPECT_FALSE(detail->DroppedDown());
  EXPECT_EQ(detail->ItemIndex(), 1);
  EXPECT_EQ(detail->Text(), "Beta");
}

TEST_F(DetailDropDownTest, KeysWheelAndSearchInTheOpenList) {
  const std::vector<std::string> captions = {"Alpha", "Beta",  "Betamax", "Delta", "Epsilon", "Gamma",
                                             "Iota",  "Kappa", "Lambda",  "Omega"};
  Detail* detail = MakeDetail(captions);
  const int last = static_cast<int>(captions.size()) - 1;
  detail->SetItemIndex(0);
  Open(detail);
  const int page = detail->Selector()->PageItemCount();
  ASSERT_GT(page, 1);
  ASSERT_LT(page, last);

  KeyDown(detail, VK_NEXT);
  EXPECT_EQ(detail->Selector()->ItemIndex(), page);
  EXPECT_EQ(detail->ItemIndex(), page);
  for (int i = 0; i < 4; ++i) KeyDown(detail, VK_NEXT);
  EXPECT_EQ(detail->Selector()->ItemIndex(), last) << "Page Down stops at the last row";
  KeyDown(detail, VK_DOWN);
  EXPECT_EQ(detail->Selector()->ItemIndex(), last) << "Down on the last row";
  KeyDown(detail, VK_UP);
  EXPECT_EQ(detail->ItemIndex(), last - 1);
  KeyDown(detail, VK_PRIOR);
  EXPECT_EQ(detail->ItemIndex(), last - 1 - page);
  KeyDown(detail, VK_HOME);
  EXPECT_EQ(detail->ItemIndex(), 0);
  KeyDown(detail, VK_END);
  EXPECT_EQ(detail->ItemIndex(), last);

  // The wheel moves the row without closing.
  detail->SelectPreviousItem();
  EXPECT_EQ(detail->ItemIndex(), last - 1);
  detail->SelectNextItem();
  detail->SelectNextItem();
  EXPECT_EQ(detail->ItemIndex(), last);
  EXPECT_TRUE(detail->DroppedDown());

  // Letters search the captions while the timer runs; its tick starts a new search.
  for (char c : std::string("BETAM")) KeyDown(detail, static_cast<WORD>(c));
  EXPECT_EQ(detail->SearchText(), "BETAM");
  EXPECT_TRUE(detail->KeyTimer()->Enabled());
  EXPECT_EQ(detail->ItemIndex(), 2);
  detail->KeyTimerTick();
  EXPECT_EQ(detail->SearchText(), "");
  EXPECT_FALSE(detail->KeyTimer()->Enabled());
  KeyDown(detail, 'G');
  EXPECT_EQ(detail->ItemIndex(), 5);
  EXPECT_TRUE(detail->DroppedDown());
  detail->CloseUp(false);
}

TEST_F(DetailDropDownTest, RowsListSizeAndOwnPainting) {
  Detail* detail = MakeDetail({"Alpha", "Beta", "Betamax"});
  detail->SetItemHeight(30);
  TDropDownForm* form = Open(detail);
  int expectedHeight = 100 + 2 * detail->DropDownBorderWidth();
  if (detail->DropDownHeader()->Visible()) expectedHeight += detail->DropDownHeader()->Height();
  if (detail->DropDownFooter()->Visible()) expectedHeight += detail->DropDownFooter()->Height();
  EXPECT_EQ(form->Height(), expectedHeight);
  EXPECT_EQ(form->Width(), detail->Width());
  const fw::TRect row = detail->Selector()->Panel()->GetItemRect(0);
  EXPECT_EQ(row.Bottom - row.Top, 30);
  EXPECT_EQ(row.Right - row.Left, form->Width() - 2 * GetSystemMetrics(SM_CXBORDER) - 4);

  int calls = 0;
  detail->OnDrawSelectedImage = [&](fw::TObject* sender, fw::TCanvas* canvas, fw::TRect) {
    EXPECT_EQ(sender, detail);
    EXPECT_NE(canvas, nullptr);
    ++calls;
  };
  RedrawWindow(detail->Selector()->Panel()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(calls, 3);
  detail->CloseUp(false);
}

TEST_F(DetailDropDownTest, APictureStandsLeftOrCentredWithoutACaption) {
  Detail* detail = MakeDetail({"Pictured", ""});
  fw::TBitmap bitmap;
  bitmap.SetSize(10, 10);
  bitmap.Canvas()->Brush()->SetColor(fw::clRed);
  bitmap.Canvas()->FillRect(fw::TRect{0, 0, 10, 10});
  fw::TPicture picture;
  picture.SetBitmap(&bitmap);
  detail->Items()->Items(0)->SetImage(&picture);
  detail->Items()->Items(1)->SetImage(&picture);
  Open(detail);
  TCustomItemSelector* panel = detail->Selector()->Panel();
  for (int index : {0, 1}) {
    SCOPED_TRACE(index);
    const fw::TRect r = panel->GetItemRect(index);
    testing::BitmapCanvas paper(r.Right + 10, r.Bottom + 10);
    panel->DrawItem(index, paper.Canvas());
    const int middleY = r.Top + (r.Bottom - r.Top) / 2;
    const int centreX = r.Left + (r.Right - r.Left) / 2;
    if (index == 0) {
      EXPECT_EQ(paper.Pixel(r.Left + 4, middleY), fw::clRed);
      EXPECT_NE(paper.Pixel(centreX, middleY), fw::clRed);
    } else {
      EXPECT_NE(paper.Pixel(r.Left + 4, middleY), fw::clRed);
      EXPECT_EQ(paper.Pixel(centreX, middleY), fw::clRed);
    }
  }
  detail->CloseUp(false);
}

TEST_F(DetailDropDownTest, StylesReachTheItemAppearance) {
  Detail* detail = MakeDetail({});
  EXPECT_EQ(detail->ItemAppearance()->ColorHot(), 0xD7FFFD);
  detail->ApplyStyle(4);
  EXPECT_EQ(detail->ItemAppearance()->ColorHot(), 0xEBFDFF);
  detail->SetSelectionColorStyle(3);
  EXPECT_EQ(detail->Selector()->ItemAppearance()->SelectionColorStyle(), 3);
}

}  // namespace
}  // namespace ui
