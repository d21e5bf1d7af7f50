// The find form: each "Find / Find Next" brings the next row of the shown assignment page whose name holds
// the text to the top, wrapping to the first; Enter in the edit box finds, Esc closes.
#include "dialog_fixture.h"
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/scroll_box.h"
#include "ui/controls/smooth_tab_pager.h"

namespace trelvik::testing {
namespace {

class FindDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    form_->build_combo_inputs(true);
    for (int n = 1; n <= 40; ++n) {
      const bool gear = n == 3 || n == 12 || n == 20;
      form_->add_row((gear ? "Gear Lever " : "Switch ") + std::to_string(n), "", 1, true, "");
      // Output rows are laid out as the input rows are; this program builds none of them itself.
      auto* label = fw::Create<fw::TLabel>(form_);
      label->SetParent(form_->ScrollBox2);
      label->SetBounds(10, 5 + 35 * (n - 1), 200, 16);
      label->SetCaption(n == 7 ? "Gear Lamp" : "Lamp " + std::to_string(n));
      form_->output_rows[static_cast<std::size_t>(n)].label = label;
    }
  }
  int Position(fw::TScrollBox* box) { return box->VertScrollBar()->Position(); }
};

TEST_F(FindDialogTest, EachFindBringsTheNextMatchingRowToTheTopAndWrapsAround) {
  form_->pagecontrol1->SetActivePage(form_->pages[1]);
  std::vector<int> positions;
  {
    ModalScript user(App());
    user.Then(find, [&] {
      EXPECT_EQ(find->findtxt->Text(), "");
      find->findtxt->SetText("gear");
      for (int press = 0; press < 4; ++press) {
        find->Button1->Click();
        positions.push_back(Position(form_->ScrollBox1));
      }
      PostMessageA(find->findtxt->Handle(), WM_KEYDOWN, VK_RETURN, 0);  // Enter in the edit box finds again
    });
    user.Then(find, [&] {
      positions.push_back(Position(form_->ScrollBox1));
      PostMessageA(find->findtxt->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(find->ShowModal(), fw::mrCancel);
  }
  // Rows 3, 12 and 20 hold "GEAR"; each is brought to the top (35 pixels a row), then the search wraps.
  EXPECT_EQ(positions, (std::vector<int>{70, 385, 665, 70, 385}));
}

TEST_F(FindDialogTest, AnotherPageSearchesTheOutputRows) {
  form_->pagecontrol1->SetActivePage(form_->pages[2]);
  find->findtxt->SetText("GEAR");
  find->Button1Click();
  EXPECT_EQ(Position(form_->ScrollBox2), 210);  // row 7
  EXPECT_EQ(Position(form_->ScrollBox1), 0);
}

}  // namespace
}  // namespace trelvik::testing
