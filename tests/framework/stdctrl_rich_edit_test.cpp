// The rich edit over the platform's rich edit window: rich and plain text through streams, the attributes
// of a selection and of the text, paragraph alignment, its lines, its notifications, and a window made
// anew keeping the formatted content.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/controls/rich_edit.h"
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
}

}  // namespace
}  // namespace fw
