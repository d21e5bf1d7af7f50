#include "framework/controls/memo.h"

#include <utility>
#include <vector>

#include "framework/rtl/exceptions.h"

namespace fw {

namespace {

// The lines of a text; a line break at the very end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

// Every line ends with a line break, so an empty last line survives the round trip through the window.
std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace

class TCustomMemo::MemoStrings : public TStrings {
 public:
  explicit MemoStrings(TCustomMemo* memo) : memo_(memo) {}

  int Count() const override { return static_cast<int>(Lines().size()); }
  void Clear() override { memo_->SetText(""); }
  void Delete(int index) override {
    std::vector<std::string> lines = Lines();
    Check(index, lines.size());
    lines.erase(lines.begin() + index);
    memo_->SetText(JoinLines(lines));
  }
  void Insert(int index, const std::string& s) override {
    std::vector<std::string> lines = Lines();
    if (index < 0 || static_cast<size_t>(index) > lines.size()) Error("List index out of bounds (%d)", index);
    lines.insert(lines.begin() + index, s);
    memo_->SetText(JoinLines(lines));
  }
  // Every line ends with a line break, as in any other string list, also when the user typed none after
  // the last one.
  std::string Text() const override { return JoinLines(Lines()); }
  void SetText(std::string_view text) override { memo_->SetText(std::string(text)); }

 protected:
  std::string Get(int index) const override {
    const std::vector<std::string> lines = Lines();
    Check(index, lines.size());
    return lines[static_cast<size_t>(index)];
  }
  void Put(int index, const std::string& s) override {
    std::vector<std::string> lines = Lines();
    Check(index, lines.size());
    lines[static_cast<size_t>(index)] = s;
    memo_->SetText(JoinLines(lines));
  }

 private:
  std::vector<std::string> Lines() const { return SplitLines(memo_->Text()); }
  static void Check(int index, size_t count) {
    if (index < 0 || static_cast<size_t>(index) >= count) Error("List index out of bounds (%d)", index);
  }

  TCustomMemo* memo_;
};

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomMemo(AOwner, std::make_unique<MemoStrings>(this)) {}

TCustomMemo::TCustomMemo(TComponent* AOwner, std::unique_ptr<TStrings> lines)
    : TCustomEdit(AOwner), lines_(std::move(lines)) {
  SetBoundsFields(0, 0, 185, 89);
  SetMultiLine(true);
  SetAutoSelect(false);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::Lines() { return lines_.get(); }

void TCustomMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (!wordWrap_) Params.Style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  WordWrapChanged();
}

void TCustomMemo::WordWrapChanged() { RecreateWnd(); }

void TCustomMemo::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    TCustomEdit::Dispatch(Message);
    if (!wantReturns_) Message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
    if (!wantTabs_) Message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    if (!HandleAllocated()) Message.Result |= DLGC_WANTCHARS | DLGC_WANTARROWS | (wantReturns_ ? DLGC_WANTALLKEYS : 0);
    return;
  }
  TCustomEdit::Dispatch(Message);
}

}  // namespace fw
