// String lists: storage, name=value pairs, sorting and duplicates, change events, text and files.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/classes/stringlist.h"
#include "framework/streams/memory_stream.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/filetext.h"

using namespace fw;

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

using V = std::vector<std::string>;

}  // namespace

TEST(StringList, AddsInsertsDeletesWithObjects) {
  TStringList list;
  TObject marker;
  EXPECT_EQ(list.Add("b"), 0);
  EXPECT_EQ(list.AddObject("c", &marker), 1);
  list.Insert(0, "a");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c"}));
  EXPECT_EQ(list.Objects(2), &marker);
  EXPECT_EQ(list.IndexOfObject(&marker), 2);
  list.SetStrings(2, "C");
  EXPECT_EQ(list.Objects(2), &marker);
  list.Move(2, 0);
  EXPECT_EQ(Lines(list), (V{"C", "a", "b"}));
  EXPECT_EQ(list.Objects(0), &marker);
  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (V{"b", "a", "C"}));
  list.Delete(1);
  EXPECT_EQ(Lines(list), (V{"b", "C"}));
  EXPECT_EQ(list.IndexOf("c"), 1);  // ignores case by default
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("c"), -1);
  try {
    list.Strings(2);
    ADD_FAILURE();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (2)");
  }
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_THROW(list.Insert(5, "x"), EListError);
}

TEST(StringList, NameValuePairs) {
  TStringList list;
  list.SetText("Port=COM1\r\nSpeed = 9600\r\nplain\r\nEmpty=\r\n");
  EXPECT_EQ(list.Names(0), "Port");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.Values("PORT"), "COM1");
  EXPECT_EQ(list.Values("Speed "), " 9600");
  EXPECT_EQ(list.Values("missing"), "");
  EXPECT_EQ(list.ValueFromIndex(2), "");
  EXPECT_EQ(list.IndexOfName("empty"), 3);
  list.SetValues("port", "COM2");
  EXPECT_EQ(list[0], "port=COM2");
  list.SetValues("New", "1");
  EXPECT_EQ(list[4], "New=1");
  list.SetValues("Speed ", "");
  EXPECT_EQ(list.IndexOfName("Speed "), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
  TStringList list;
  list.SetText("pear\r\nApple\r\nbanana");
  list.SetSorted(true);
  EXPECT_EQ(Lines(list), (V{"Apple", "banana", "pear"}));
  EXPECT_EQ(list.Add("cherry"), 2);
  EXPECT_EQ(list.Add("APPLE"), 0);  // dupIgnore: the existing index, nothing added
  EXPECT_EQ(list.Count(), 4);
  int index = -1;
  EXPECT_TRUE(list.Find("BANANA", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("apricot", index));
  EXPECT_EQ(index, 1);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);

  list.SetDuplicates(dupError);
  try {
    list.Add("Pear");
    ADD_FAILURE();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  list.SetDuplicates(dupAccept);
  list.Add("Pear");
  EXPECT_EQ(Lines(list), (V{"Apple", "banana", "cherry", "Pear", "pear"}));

  TStringList caseSensitive;
  caseSensitive.SetCaseSensitive(true);
  caseSensitive.SetSorted(true);
  caseSensitive.Add("b");
  caseSensitive.Add("B");
  caseSensitive.Add("b");
  EXPECT_EQ(caseSensitive.Count(), 2);
}

TEST(StringList, ChangeEventsAreHeldDuringUpdates) {
  TStringList list;
  std::vector<std::string> events;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    events.push_back("changing");
  };
  list.OnChange = [&](TObject*) { events.push_back("change:" + std::to_string(list.Count())); };
  list.Add("a");
  EXPECT_EQ(events, (V{"changing", "change:1"}));
  events.clear();
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(events, (V{"changing"}));
  list.EndUpdate();
  EXPECT_EQ(events, (V{"changing", "change:1"}));
  events.clear();
  list.SetText("x\ny");  // one change for the whole text
  EXPECT_EQ(events, (V{"changing", "change:2"}));
}

TEST(StringList, TextSplitsAtEveryLineEndAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), "");
}

TEST(StringList, CommaTextQuotesWhereNeeded) {
  TStringList list;
  list.SetText("plain\r\ntwo words\r\nwith,comma\r\nsay \"hi\"\r\n");
  EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"with,comma\",\"say \"\"hi\"\"\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Lines(back), Lines(list));
  back.SetCommaText(" a b, c ,");
  EXPECT_EQ(Lines(back), (V{"a", "b", "c", ""}));
}

TEST(StringList, AssignCopiesListsAndRefusesOtherClasses) {
  TStringList source;
  TObject marker;
  source.AddObject("one", &marker);
  source.Add("two");
  TStringList copy;
  copy.Add("old");
  copy.Assign(&source);
  EXPECT_EQ(Lines(copy), (V{"one", "two"}));
  EXPECT_EQ(copy.Objects(0), &marker);
  copy.AddStrings(&source);
  EXPECT_EQ(copy.Count(), 4);

  class TOther : public TPersistent {};
  TOther other;
  try {
    copy.Assign(&other);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TOther to a TStringList");
  }
  try {
    other.Assign(&copy);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TStringList to a TOther");
  }
}

TEST(StringList, SavesAndLoadsWithCrLf) {
  char folder[MAX_PATH];
  ASSERT_NE(GetTempPathA(sizeof folder, folder), 0u);
  const std::string fileName = std::string(folder) + "fw_stringlist_test.txt";
  TStringList list;
  list.SetText("first\nsecond");
  list.SaveToFile(fileName);
  EXPECT_EQ(ReadFileText(fileName), "first\r\nsecond\r\n");
  TStringList loaded;
  loaded.LoadFromFile(fileName);
  EXPECT_EQ(Lines(loaded), (V{"first", "second"}));
  DeleteFileA(fileName.c_str());
  EXPECT_THROW(loaded.LoadFromFile(fileName), EFOpenError);
  EXPECT_EQ(loaded.Count(), 2);  // a failed load leaves the list as it was
}

TEST(StringList, StreamsSplitAtEveryLineEndAndReadFromThePosition) {
  TMemoryStream stream;
  stream.WriteBuffer("skip|a\r\nb\rc\n\nd", 14);
  stream.SetPosition(5);
  TStringList list;
  list.LoadFromStream(&stream);
  EXPECT_EQ(Lines(list), (V{"a", "b", "c", "", "d"}));
  EXPECT_EQ(stream.Position(), stream.Size());

  TMemoryStream out;
  out.WriteBuffer("x", 1);
  list.SaveToStream(&out);
  std::string bytes(static_cast<std::size_t>(out.Size()), '\0');
  out.SetPosition(0);
  out.ReadBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  EXPECT_EQ(bytes, "xa\r\nb\r\nc\r\n\r\nd\r\n");
}
