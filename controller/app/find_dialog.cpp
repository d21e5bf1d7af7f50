// The find form: the next function row of the shown assignment page whose name holds the text, brought to
// the top of the page. The rows are 35 pixels high; the form stays open for the next match.
#include "controller/app/dialogs.h"
#include "controller/app/zedarave.h"
#include "framework/controls/edit.h"
#include "framework/controls/scroll_box.h"
#include "framework/rtl/arith.h"
#include "ui/controls/smooth_tab_pager.h"

namespace trelvik {

namespace {
constexpr int kRowHeight = 35;
}

void Tfind::Button1Click() {
  if (ZedArave == nullptr) return;
  TZedArave& form = *ZedArave;
  const bool inputs = form.pagecontrol1->ActivePage() == form.pages[1];
  fw::TScrollBox* box = inputs ? form.ScrollBox1 : form.ScrollBox2;
  if (box == nullptr) return;
  fw::TControlScrollBar* bar = box->VertScrollBar();
  const auto top = static_cast<std::int32_t>(fw::Round((bar->Position() + kRowHeight) / static_cast<double>(kRowHeight)));
  const std::int32_t start = std::max(1, top) + 1;
  const std::string text = findtxt->Text();
  const std::int32_t row = inputs ? form.findpos(start, text) : form.findpos2(start, text);
  bar->SetPosition(kRowHeight * row - kRowHeight);
}

}  // namespace trelvik
