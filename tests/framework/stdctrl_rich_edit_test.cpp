// The rich edit over the platform's rich edit window: rich and plain text through streams, the attributes
// of a selection and of the text, paragraph alignment, its lines, its notifications, and a window made
// anew keeping the formatted content.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/rich_edit.h"
#include "framework/controls/rich_edit_messages.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/memory_stream.h"
#include "stdctrl_test_support.h"

namespace fw {
namespace {

using testing::StdControlTest;

std::string Bytes(TMemoryStream& stream) {
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

void LoadBytes(TCustomRichEdit* edit, const std::string& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  stream.SetPosition(0);
  edit->Lines()->LoadFromStream(&stream);
}

std::string SavedBytes(TCustomRichEdit* edit) {
  TMemoryStream stream;
  edit->Lines()->SaveToStream(&stream);
  return Bytes(stream);
}

void Select(TCustomRichEdit* edit, int start, int length) {
  edit->SetSelStart(start);
  edit->SetSelLength(length);
}

// Where a line starts in the window: each paragraph break before it is one character.
int LineStart(TCustomRichEdit* edit, int line) {
  int start = 0;
  for (int i = 0; i < line; ++i) start += static_cast<int>(edit->Lines()->Strings(i).size()) + 1;
  return start;
}

bool Bold(TCustomRichEdit* edit, int start, int length) {
  Select(edit, start, length);
  return edit->SelAttributes()->Style().Contains(fsBold);
}

class RichEditTest : public StdControlTest {
 public:
  TRichEdit* MakeRich() { return Make<TRichEdit>(TRect{10, 10, 310, 110}); }
};

TEST_F(RichEditTest, BoldRunRoundTripsAsRichTextAndSavesAsPlainText) {
  auto* source = MakeRich();
  source->SetText("Flaps set");
  Select(source, 0, 5);
  source->SelAttributes()->SetStyle(TFontStyles{fsBold});
  const std::string rtf = SavedBytes(source);
  ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;

  auto* copy = MakeRich();
  LoadBytes(copy, rtf);
  EXPECT_EQ(copy->Text(), "Flaps set");
  EXPECT_TRUE(Bold(copy, 0, 5));
  EXPECT_FALSE(Bold(copy, 6, 3));

  copy->SetPlainText(true);
  EXPECT_EQ(SavedBytes(copy), "Flaps set");
  // Plain text loads as it stands, rich text markup included.
  LoadBytes(copy, "{\\rtf1 not parsed}");
  EXPECT_EQ(copy->Text(), "{\\rtf1 not parsed}");
  // Without PlainText, bytes that are no rich text still load, as plain text.
  copy->SetPlainText(false);
  LoadBytes(copy, "Gear down\r\nThree green");
  EXPECT_EQ(copy->Lines()->Count(), 2);
  EXPECT_EQ(copy->Lines()->Strings(1), "Three green");

  // A stream that ends before its size says: the read fails and the content stays.
  struct ShortStream : TMemoryStream {
    std::int64_t Size() override { return TMemoryStream::Size() + 16; }
  } broken;
  broken.WriteBuffer(rtf.data(), static_cast<std::int32_t>(rtf.size()));
  broken.SetPosition(0);
  EXPECT_THROW(copy->Lines()->LoadFromStream(&broken), EReadError);
  EXPECT_EQ(copy->Lines()->Text(), "Gear down\r\nThree green\r\n");
}

TEST_F(RichEditTest, SelectionAttributesGoToTheSelectedRunOnly) {
  auto* edit = MakeRich();
  edit->SetText("Heading 270");
  Select(edit, 8, 3);
  TTextAttributes* attributes = edit->SelAttributes();
  attributes->SetName("Courier New");
  attributes->SetSize(14);
  attributes->SetColor(clRed);
  attributes->SetStyle(TFontStyles{fsItalic, fsUnderline});
  EXPECT_EQ(attributes->Name(), "Courier New");
  EXPECT_EQ(attributes->Size(), 14);
  EXPECT_EQ(attributes->Color(), clRed);
  EXPECT_EQ(attributes->Style(), (TFontStyles{fsItalic, fsUnderline}));

  // Bad values change nothing; the automatic colour reads back as the window text colour.
  attributes->SetName("");
  attributes->SetSize(0);
  EXPECT_EQ(attributes->Name(), "Courier New");
  EXPECT_EQ(attributes->Size(), 14);
  attributes->SetColor(clWindowText);
  EXPECT_EQ(attributes->Color(), clWindowText);

  Select(edit, 0, 7);
  EXPECT_NE(attributes->Name(), "Courier New");
  EXPECT_NE(attributes->Size(), 14);
  EXPECT_TRUE(attributes->Style().Empty());

  edit->DefAttributes()->SetSize(18);
  edit->DefAttributes()->SetStyle(TFontStyles{fsStrikeOut});
  EXPECT_EQ(edit->DefAttributes()->Size(), 18);
  EXPECT_EQ(edit->DefAttributes()->Style(), TFontStyles{fsStrikeOut});
}

TEST_F(RichEditTest, ParagraphAlignmentHoldsPerParagraphAndThroughRichText) {
  auto* edit = MakeRich();
  edit->Lines()->Add("Left");
  edit->Lines()->Add("Middle");
  edit->Lines()->Add("End");
  const struct {
    int line;
    TAlignment alignment;
  } cases[] = {{0, taLeftJustify}, {1, taCenter}, {2, taRightJustify}};
  for (const auto& c : cases) {
    Select(edit, LineStart(edit, c.line), 0);
    edit->Paragraph()->SetAlignment(c.alignment);
  }
  auto* copy = MakeRich();
  LoadBytes(copy, SavedBytes(edit));
  ASSERT_EQ(copy->Lines()->Count(), 3);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    Select(copy, LineStart(copy, c.line), 0);
    EXPECT_EQ(copy->Paragraph()->Alignment(), c.alignment);
  }
}

TEST_F(RichEditTest, LinesChangeTheirParagraphsAndLeaveTheOthersFormatted) {
  auto* edit = MakeRich();
  TStrings* lines = edit->Lines();
  EXPECT_EQ(lines->Count(), 0);
  lines->Add("Bold line");
  lines->Add("Plain line");
  Select(edit, 0, 4);
  edit->SelAttributes()->SetStyle(TFontStyles{fsBold});

  lines->Insert(1, "Inserted");
  lines->SetStrings(2, "Replaced");
  lines->Add("");
  lines->Add("Last");
  ASSERT_EQ(lines->Count(), 5);
  EXPECT_EQ(lines->Text(), "Bold line\r\nInserted\r\nReplaced\r\n\r\nLast\r\n");
  lines->Delete(3);
  lines->Delete(3);
  EXPECT_EQ(lines->Text(), "Bold line\r\nInserted\r\nReplaced\r\n");
  EXPECT_TRUE(Bold(edit, 0, 4));
  EXPECT_FALSE(Bold(edit, 5, 4));

  // Text typed without a final break: adding goes to a line of its own.
  edit->SetText("Alpha");
  lines->Add("Beta");
  EXPECT_EQ(lines->Count(), 2);
  EXPECT_EQ(lines->Strings(0), "Alpha");
  EXPECT_EQ(lines->Strings(1), "Beta");

  for (int bad : {-1, 2}) {
    EXPECT_THROW(lines->Strings(bad), EListError);
    EXPECT_THROW(lines->Delete(bad), EListError);
  }
  EXPECT_THROW(lines->Insert(3, "x"), EListError);
  EXPECT_EQ(lines->Count(), 2);
  lines->Clear();
  EXPECT_EQ(lines->Count(), 0);
}

TEST_F(RichEditTest, UserInputReachesSelectionChangeResizeRequestAndChange) {
  auto* edit = MakeRich();
  Form()->Show();
  int changes = 0;
  int selectionChanges = 0;
  std::vector<TRect> requests;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->OnSelectionChange = [&](TObject* sender) {
    EXPECT_EQ(sender, edit);
    ++selectionChanges;
  };
  edit->OnResizeRequest = [&](TObject* sender, const TRect& rect) {
    EXPECT_EQ(sender, edit);
    requests.push_back(rect);
  };
  edit->SetText("Cruise");
  EXPECT_EQ(changes, 1);  // once, although the window reports it too

  // The user moves the caret to the end.
  edit->SetSelStart(0);
  selectionChanges = 0;
  PostMessageA(edit->Handle(), WM_KEYDOWN, VK_END, 0);
  PostMessageA(edit->Handle(), WM_KEYUP, VK_END, 0);
  ProcessMessages();
  EXPECT_EQ(edit->SelStart(), 6);
  EXPECT_GE(selectionChanges, 1);

  // A second line typed asks for more height.
  SendMessageA(edit->Handle(), richedit::EM_REQUESTRESIZE, 0, 0);
  ASSERT_FALSE(requests.empty());
  const int oneLine = requests.back().Height();
  requests.clear();
  changes = 0;
  PostMessageA(edit->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(edit->Handle(), WM_CHAR, '\r', 0);
  PostMessageA(edit->Handle(), WM_KEYUP, VK_RETURN, 0);
  PostMessageA(edit->Handle(), WM_CHAR, 'D', 0);
  ProcessMessages();
  EXPECT_EQ(edit->Lines()->Count(), 2);
  EXPECT_GE(changes, 1);
  ASSERT_FALSE(requests.empty());
  EXPECT_GT(requests.back().Height(), oneLine);
}

TEST_F(RichEditTest, WordWrapAndScrollBarsShapeALongText) {
  auto* edit = MakeRich();
  TRect requested;
  edit->OnResizeRequest = [&](TObject*, const TRect& rect) { requested = rect; };
  edit->SetText(std::string(30, 'W') + " " + std::string(30, 'W') + " " + std::string(30, 'W'));
  const auto request = [&] {
    SendMessageA(edit->Handle(), richedit::EM_REQUESTRESIZE, 0, 0);
    return requested;
  };
  const TRect wrapped = request();
  EXPECT_LE(wrapped.Width(), edit->ClientWidth());
  edit->SetWordWrap(false);
  const TRect unwrapped = request();
  EXPECT_GT(unwrapped.Width(), edit->ClientWidth());
  EXPECT_LT(unwrapped.Height(), wrapped.Height());
  edit->SetWordWrap(true);
  EXPECT_EQ(request().Height(), wrapped.Height());

  // A bar shows once the text outgrows the window, and only where the control allows one.
  for (TScrollStyle bars : {ssNone, ssVertical}) {
    SCOPED_TRACE(bars);
    edit->SetScrollBars(bars);
    edit->SetText("");
    for (int i = 0; i < 20; ++i) edit->Lines()->Add("Line " + std::to_string(i));
    const bool vertical = (GetWindowLongA(edit->Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
    EXPECT_EQ(vertical, bars == ssVertical);
  }
}

TEST_F(RichEditTest, WindowMadeAnewKeepsFormattedTextAndSelection) {
  auto* edit = MakeRich();
  edit->Lines()->Add("Bold");
  edit->Lines()->Add("Centred");
  Select(edit, 0, 4);
  edit->SelAttributes()->SetStyle(TFontStyles{fsBold});
  Select(edit, 5, 0);
  edit->Paragraph()->SetAlignment(taCenter);
  Select(edit, 1, 2);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };

  const HWND before = edit->Handle();
  edit->SetHideSelection(false);
  edit->SetScrollBars(ssVertical);
  ASSERT_NE(edit->Handle(), before);
  EXPECT_NE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_NOHIDESEL, 0);
  EXPECT_EQ(changes, 0);  // the same text in a new window is no change
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 2);
  EXPECT_EQ(edit->SelText(), "ol");
  EXPECT_EQ(edit->Lines()->Text(), "Bold\r\nCentred\r\n");
  EXPECT_TRUE(Bold(edit, 0, 4));
  Select(edit, 5, 0);
  EXPECT_EQ(edit->Paragraph()->Alignment(), taCenter);

  // Text given while there is no window replaces what the old one held.
  edit->SetParent(nullptr);
  edit->SetText("Fresh");
  edit->SetParent(Form());
  EXPECT_EQ(edit->Lines()->Text(), "Fresh\r\n");
  EXPECT_FALSE(Bold(edit, 0, 4));
}

TEST_F(RichEditTest, ContentNeedsAParentWindow) {
  auto* edit = Make<TRichEdit>();
  edit->SetParent(nullptr);
  edit->SetText("Kept");  // text alone lives in the object
  EXPECT_EQ(edit->Text(), "Kept");
  EXPECT_THROW(edit->Lines()->Count(), EInvalidOperation);
  EXPECT_THROW(edit->SelAttributes()->Size(), EInvalidOperation);
}

}  // namespace
}  // namespace fw
