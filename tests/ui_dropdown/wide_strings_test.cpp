// Wide string lists: the text form over every line break, the sized text buffer, the case rules of
// IndexOf and Equals, objects through Assign and the 8-bit view, Move and Exchange, and the stored form.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/stored_properties.h"
#include "framework/classes/stringlist.h"
#include "framework/classes/writer.h"
#include "framework/rtl/exceptions.h"
#include "framework/streams/memory_stream.h"
#include "tests/ui_dropdown/memory_wide_strings.h"

namespace ui {
namespace {

using testing::TMemoryWideStrings;

std::vector<std::wstring> Lines(const TWideStrings& list) {
  std::vector<std::wstring> lines;
  for (int i = 0; i < list.GetCount(); ++i) lines.push_back(list.Get(i));
  return lines;
}

TEST(WideStringsTest, SetTextStrSplitsAtEveryKindOfLineBreak) {
  struct Case {
    std::wstring text;
    std::vector<std::wstring> lines;
  };
  const Case cases[] = {
      {L"", {}},
      {L"x", {L"x"}},
      {L"x\r\n", {L"x"}},
      {L"\r\n", {L""}},
      {L"a\r\n\r\nb", {L"a", L"", L"b"}},
      {L"a\rb", {L"a", L"b"}},
      {L"a\nb", {L"a", L"b"}},
      {L"a\n\rb", {L"a", L"", L"b"}},  // LF then CR: two breaks
      {L"a\x2028" L"b", {L"a", L"b"}},
      {L"a\x2029" L"b\vc", {L"a", L"b", L"c"}},
      {L"a\fb\x2029", {L"a", L"b"}},
      {std::wstring(L"a\0b", 3), {L"a"}},  // the text ends at its first 0
      {L"\x0416\x4E2D\r\n\x00E9", {L"\x0416\x4E2D", L"\x00E9"}},
  };
  for (const Case& c : cases) {
    TMemoryWideStrings list;
    list.Add(L"old");
    list.SetTextStr(c.text);
    EXPECT_EQ(Lines(list), c.lines) << ::testing::PrintToString(c.text);
    EXPECT_EQ(list.updatesOn, 1);
    EXPECT_EQ(list.updatesOff, 1);
  }
}

TEST(WideStringsTest, TextFormEndsEveryLineAndGetTextCarriesItsAllocationSize) {
  TMemoryWideStrings list;
  EXPECT_EQ(list.GetTextStr(), L"");
  list.Add(L"a");
  list.Add(L"");
  EXPECT_EQ(list.GetTextStr(), L"a\r\n\r\n");
  list.Add(L"\x0416");

  const TWideText text = list.GetText();
  EXPECT_EQ(std::wstring(text.get()), L"a\r\n\r\n\x0416\r\n");
  EXPECT_EQ(WideTextAllocationSize(text.get()), 8u * 2 + 2 + 4);  // characters, terminator, count

  // SetText reads up to the terminator; the round trip gives the same lines.
  TMemoryWideStrings copy;
  copy.SetText(text.get());
  EXPECT_EQ(Lines(copy), Lines(list));
}

TEST(WideStringsTest, IndexOfIgnoresCaseAndEqualsDoesNot) {
  TMemoryWideStrings lower;
  TMemoryWideStrings upper;
  EXPECT_EQ(lower.Add(L"abc"), 0);
  lower.Add(L"\x0436");  // ж
  upper.Add(L"ABC");
  upper.Add(L"\x0416");  // Ж
  EXPECT_EQ(lower.IndexOf(L"ABC"), 0);
  EXPECT_EQ(lower.IndexOf(L"\x0416"), 1);
  EXPECT_EQ(lower.IndexOf(L"ab"), -1);
  EXPECT_FALSE(lower.Equals(&upper));
  TMemoryWideStrings same;
  same.Assign(&lower);
  EXPECT_TRUE(same.Equals(&lower));
  same.Add(L"more");
  EXPECT_FALSE(same.Equals(&lower));
}

TEST(WideStringsTest, ObjectsTravelThroughAssignMoveAndExchangeButNotThroughTheEightBitView) {
  fw::TObject first;
  fw::TObject second;
  fw::TStringList narrow;
  narrow.AddObject("alpha", &first);
  narrow.AddObject("b\xE9ta", &second);

  TMemoryWideStrings list;
  list.Assign(&narrow);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"alpha", L"b\x00E9ta"}));
  EXPECT_EQ(list.GetObjectAt(1), &second);
  EXPECT_EQ(list.updatesOn, 1);

  list.Exchange(0, 1);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"b\x00E9ta", L"alpha"}));
  EXPECT_EQ(list.GetObjectAt(0), &second);
  EXPECT_EQ(list.GetObjectAt(1), &first);
  list.Move(0, 1);
  EXPECT_EQ(list.GetObjectAt(1), &second);
  EXPECT_EQ(list.updatesOn, 3);
  list.Move(1, 1);  // to the same place: nothing, not even an update pair
  EXPECT_EQ(list.updatesOn, 3);

  // The 8-bit view: the same strings narrowed, no objects.
  list.Add(L"\x0416");
  fw::TStrings* view = list.AnsiStrings();
  EXPECT_EQ(view->Count(), 3);
  EXPECT_EQ(view->Strings(1), "b\xE9ta");
  EXPECT_EQ(view->Strings(2), "?");
  EXPECT_EQ(view->Objects(1), nullptr);
  EXPECT_EQ(view, list.AnsiStrings());

  // The list assigned to an 8-bit list takes the objects along; an 8-bit list assigned to the view
  // replaces the content without them.
  fw::TStringList out;
  out.Assign(&list);
  EXPECT_EQ(out.Strings(0), "alpha");
  EXPECT_EQ(out.Objects(1), &second);
  list.SetAnsiStrings(&narrow);
  EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"alpha", L"b\x00E9ta"}));
  EXPECT_EQ(list.GetObjectAt(0), nullptr);

  // Assigning to itself keeps it.
  list.Assign(&list);
  EXPECT_EQ(list.GetCount(), 2);
}

TEST(WideStringsTest, AnUnsupportedPartnerIsRefusedAndChangesNothing) {
  TMemoryWideStrings list;
  list.Add(L"kept");
  fw::TPersistent stranger;
  EXPECT_THROW(list.Assign(&stranger), fw::EConvertError);
  EXPECT_THROW(stranger.Assign(&list), fw::EConvertError);
  EXPECT_EQ(Lines(list), std::vector<std::wstring>{L"kept"});
  EXPECT_EQ(list.updatesOn, 0);
}

// A list that stores itself with 8-bit texts, as older streams hold them.
class TNarrowWritingList : public TMemoryWideStrings {
 public:
  void DefineProperties(fw::TFiler* Filer) override {
    Filer->DefineProperty(
        "WideStrings", nullptr,
        [this](fw::TWriter* Writer) {
          Writer->WriteListBegin();
          for (int i = 0; i < GetCount(); ++i) Writer->WriteString(AnsiStrings()->Strings(i));
          Writer->WriteListEnd();
        },
        GetCount() > 0);
  }
};

class TListHolder : public fw::TComponent {
 public:
  using fw::TComponent::TComponent;
  TWideStrings* items = nullptr;
  void ListStoredProperties(fw::TStoredProperties& List) const override {
    fw::TComponent::ListStoredProperties(List);
    List.Object<TListHolder>("Items", [](TListHolder* o) { return o->items; });
  }
};

TEST(WideStringsTest, StoredFormReadsBackFromWideAndEightBitTexts) {
  fw::TComponent owner(nullptr);
  auto* source = fw::Create<TListHolder>(&owner);
  auto* copy = fw::Create<TListHolder>(&owner);
  TMemoryWideStrings wide;
  TNarrowWritingList narrow;
  TMemoryWideStrings read;
  copy->items = &read;
  const std::wstring longLine(300, L'x');  // over 255 bytes: the long 8-bit form
  for (TWideStrings* list : {static_cast<TWideStrings*>(&wide), static_cast<TWideStrings*>(&narrow)}) {
    list->Add(L"Caf\x00E9");
    list->Add(L"");
    list->Add(longLine);
    source->items = list;
    fw::TMemoryStream stream;
    fw::TWriter(&stream).WriteComponent(source);
    stream.SetPosition(0);
    read.Add(L"replaced");
    fw::TReader(&stream, &owner).ReadComponent(copy);
    EXPECT_TRUE(read.Equals(list));
  }
  // Wide texts keep what 8-bit ones cannot hold; an empty list is not stored at all.
  wide.Add(L"\x0416");
  source->items = &wide;
  fw::TMemoryStream stream;
  fw::TWriter(&stream).WriteComponent(source);
  stream.SetPosition(0);
  fw::TReader(&stream, &owner).ReadComponent(copy);
  EXPECT_EQ(read.Get(3), L"\x0416");

  TMemoryWideStrings empty;
  source->items = &empty;
  fw::TMemoryStream emptyStream;
  fw::TWriter(&emptyStream).WriteComponent(source);
  const std::string bytes(static_cast<const char*>(emptyStream.Memory()), static_cast<size_t>(emptyStream.Size()));
  EXPECT_EQ(bytes.find("WideStrings"), std::string::npos);
}

}  // namespace
}  // namespace ui
