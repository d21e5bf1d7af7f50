// The rich edit's Lines: its paragraphs, read from and written into the window in place, so the format of
// the text around a changed line stays; streams carry the whole content as rich or plain text.
#include <algorithm>
#include <vector>

#include "framework/controls/rich_edit.h"
#include "framework/controls/rich_edit_messages.h"
#include "framework/streams/stream.h"

namespace fw {

using namespace richedit;

namespace {

// One paragraph of the window's text: where it starts, how long it is and the break after it (0: none),
// in the window's character positions, and its text.
struct TextLine {
  LONG start = 0;
  LONG length = 0;
  LONG breakLength = 0;
  std::string text;
  LONG End() const { return start + length + breakLength; }
};

// Window positions count UTF-16 units; the text comes as ANSI bytes.
LONG PositionsIn(const std::string& bytes, size_t from, size_t count) {
  if (count == 0) return 0;
  return MultiByteToWideChar(CP_ACP, 0, bytes.data() + from, static_cast<int>(count), nullptr, 0);
}

bool StartsAsRichText(const std::string& bytes) {
  return bytes.rfind("{\\rtf", 0) == 0 || bytes.rfind("{\\urtf", 0) == 0;
}

}  // namespace

class TCustomRichEdit::RichEditStrings : public TStrings {
 public:
  explicit RichEditStrings(TCustomRichEdit* edit) : edit_(edit) {}

  int Count() const override { return static_cast<int>(Paragraphs().size()); }
  void Clear() override { edit_->SetText(""); }

  void Delete(int index) override {
    const std::vector<TextLine> paragraphs = Paragraphs();
    const TextLine& line = At(paragraphs, index);
    Replace(line.start, line.End(), "");
  }

  // A line added at the end follows a break, and every added line ends with one, as in a memo.
  void Insert(int index, const std::string& s) override {
    const std::vector<TextLine> paragraphs = Paragraphs();
    if (index < 0 || static_cast<size_t>(index) > paragraphs.size()) Error("List index out of bounds (%d)", index);
    if (static_cast<size_t>(index) < paragraphs.size()) {
      const LONG start = paragraphs[static_cast<size_t>(index)].start;
      Replace(start, start, s + "\r");
      return;
    }
    const LONG end = paragraphs.empty() ? 0 : paragraphs.back().End();
    const bool needsBreak = !paragraphs.empty() && paragraphs.back().breakLength == 0;
    Replace(end, end, (needsBreak ? "\r" : "") + s + "\r");
  }

  std::string Text() const override {
    std::string text;
    for (const TextLine& line : Paragraphs()) text.append(line.text).append("\r\n");
    return text;
  }
  void SetText(std::string_view text) override { edit_->SetText(std::string(text)); }

  void LoadFromStream(TStream* Stream) override {
    const std::string bytes = ReadRemaining(Stream);
    const bool rich = !edit_->PlainText() && StartsAsRichText(bytes);
    edit_->StreamIn(static_cast<unsigned>(rich ? SF_RTF : SF_TEXT), bytes);
  }

  void SaveToStream(TStream* Stream) const override {
    const std::string bytes = edit_->StreamOut(static_cast<unsigned>(edit_->PlainText() ? SF_TEXT : SF_RTF));
    if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  }

 protected:
  std::string Get(int index) const override { return At(Paragraphs(), index).text; }

  void Put(int index, const std::string& s) override {
    const std::vector<TextLine> paragraphs = Paragraphs();
    const TextLine& line = At(paragraphs, index);
    Replace(line.start, line.start + line.length, s);
  }

 private:
  static const TextLine& At(const std::vector<TextLine>& paragraphs, int index) {
    if (index < 0 || static_cast<size_t>(index) >= paragraphs.size()) Error("List index out of bounds (%d)", index);
    return paragraphs[static_cast<size_t>(index)];
  }

  // The window's text as it holds it: paragraphs end with CR (CR LF in older windows).
  std::string RawText() const {
    const HWND window = edit_->Handle();
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<size_t>(std::max<LRESULT>(length, 0)) * 2 + 2, '\0');
    TEXTRANGEA range{};
    range.chrg = CHARRANGE{0, -1};
    range.lpstrText = buffer.data();
    const LRESULT copied = SendMessageA(window, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return std::string(buffer.data(), static_cast<size_t>(std::max<LRESULT>(copied, 0)));
  }

  // The lines of the text; a break at the very end ends the last line without starting another.
  std::vector<TextLine> Paragraphs() const {
    const std::string text = RawText();
    std::vector<TextLine> paragraphs;
    LONG position = 0;
    size_t from = 0;
    while (from < text.size()) {
      size_t end = text.find_first_of("\r\n", from);
      TextLine line;
      line.start = position;
      if (end == std::string::npos) end = text.size();
      line.text = text.substr(from, end - from);
      line.length = PositionsIn(text, from, end - from);
      size_t next = end;
      if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
      line.breakLength = PositionsIn(text, end, next - end);
      position = line.End();
      from = next;
      paragraphs.push_back(std::move(line));
    }
    return paragraphs;
  }

  void Replace(LONG start, LONG end, const std::string& text) {
    const HWND window = edit_->Handle();
    CHARRANGE range{start, end};
    SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  }

  TCustomRichEdit* edit_;
};

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner, std::make_unique<RichEditStrings>(this)) {}

TCustomRichEdit::~TCustomRichEdit() = default;

}  // namespace fw
