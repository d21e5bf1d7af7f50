// Cells as typed values under two separator settings with their exact errors, the display text with link
// prefixes, the header lists and the version.
#include <string>

#include "framework/rtl/datetime.h"
#include "framework/rtl/formatsettings.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

// The process-wide separators for one test, restored after it.
class TypedValuesTest : public fw::testing::StdControlTest {
 protected:
  void TearDown() override {
    fw::FormatSettings = saved_;
    StdControlTest::TearDown();
  }
  static void Separators(char decimal, char thousand) {
    fw::FormatSettings.DecimalSeparator = decimal;
    fw::FormatSettings.ThousandSeparator = thousand;
  }

 private:
  fw::TFormatSettings saved_ = fw::FormatSettings;
};

std::string ErrorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const EVxGridError& e) {
    return e.what();
  }
  return "no error";
}

TEST_F(TypedValuesTest, IntegersReadTrimmedWithEmptyAndMinusAsZero) {
  auto* grid = Make<TVxStringGrid>();
  struct Case {
    const char* text;
    int value;
  };
  for (const Case& c : {Case{"  42 ", 42}, Case{"", 0}, Case{"-", 0}, Case{"-17", -17}}) {
    SCOPED_TRACE(c.text);
    grid->SetCells(1, 1, c.text);
    EXPECT_EQ(grid->GetInts(1, 1), c.value);
  }
  for (const char* bad : {"4.2", "abc", "1 2"}) {
    SCOPED_TRACE(bad);
    grid->SetCells(1, 1, bad);
    EXPECT_EQ(ErrorOf([&] { grid->GetInts(1, 1); }), "Cell does not contain integer value");
    EXPECT_EQ(grid->Cells(1, 1), bad);
  }
  grid->SetInts(2, 2, -305);
  EXPECT_EQ(grid->Cells(2, 2), "-305");
}

TEST_F(TypedValuesTest, FloatsReadDisplayedNumbersUnderEitherSeparators) {
  auto* grid = Make<TVxStringGrid>();
  struct Case {
    char decimal, thousand;
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {',', '.', "1.234,50", 1234.5L}, {',', '.', "(12,5)", -12.5L}, {',', '.', "-", 0},
      {'.', ',', "1,234.50", 1234.5L}, {'.', ',', "(12.5)", -12.5L}, {'.', ',', "", 0},
      {'.', ',', "$ 7.25", 7.25L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.decimal) + " " + c.text);
    Separators(c.decimal, c.thousand);
    grid->SetCells(1, 1, c.text);
    EXPECT_DOUBLE_EQ(static_cast<double>(grid->GetFloats(1, 1)), static_cast<double>(c.value));
    EXPECT_DOUBLE_EQ(static_cast<double>(grid->GetRealRowFloats(1, 1)), static_cast<double>(c.value));
  }
  for (char decimal : {',', '.'}) {
    Separators(decimal, decimal == ',' ? '.' : ',');
    grid->SetCells(1, 1, "abc");
    EXPECT_EQ(ErrorOf([&] { grid->GetFloats(1, 1); }), "Cell does not contain a float value");
  }
}

TEST_F(TypedValuesTest, FloatsAndDatesAreWrittenInTheGridsFormats) {
  auto* grid = Make<TVxStringGrid>();
  Separators('.', ',');
  grid->SetFloats(1, 1, 3.14159);
  EXPECT_EQ(grid->Cells(1, 1), "3.14");
  Separators(',', '.');
  grid->FloatFormat = "%.3f";
  grid->SetFloats(1, 1, 2.5);
  EXPECT_EQ(grid->Cells(1, 1), "2,500");

  const fw::TDateTime date = fw::EncodeDate(2024, 3, 9);
  grid->SetDates(2, 1, date);
  EXPECT_EQ(grid->Cells(2, 1), fw::DateToStr(date));
  grid->SetDates(2, 2, 0);
  EXPECT_EQ(grid->Cells(2, 2), fw::DateToStr(0));
}

TEST_F(TypedValuesTest, DisplayTextMarksLinksThroughTheFirstPrefixThatMakesOne) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetCells(1, 1, "see www.example.com <now>");
  EXPECT_EQ(grid->Cells(1, 1), "see www.example.com <now>");
  grid->URLShowInText = true;
  const std::string shown = grid->Cells(1, 1);
  EXPECT_NE(shown.find("<a href=\"www.example.com\">www.example.com</a>"), std::string::npos) << shown;
  EXPECT_NE(shown.find("&lt;now&gt;"), std::string::npos) << shown;
  // A text with "WWW." and "HTTP://" links through "HTTP://", tried first; only one link is made.
  grid->SetCells(1, 2, "http://www.a.org");
  const std::string both = grid->Cells(1, 2);
  EXPECT_NE(both.find("href=\"http://www.a.org\""), std::string::npos) << both;
  EXPECT_EQ(both.find("<a", both.find("</a>")), std::string::npos) << both;
  // The display-text event comes first.
  grid->OnGetDisplText = [](fw::TObject*, int, int, std::string& text) { text = "mailto:x@y.z"; };
  EXPECT_NE(grid->Cells(1, 1).find("href=\"mailto:x@y.z\""), std::string::npos);
}

TEST_F(TypedValuesTest, HeaderListsFillTheFirstRowAndColumnWithLineBreaks) {
  auto* grid = Make<TVxStringGrid>();
  grid->SetColCount(2);
  fw::TStringList headers;
  headers.Add("Name");
  headers.Add("Two\\nlines");
  headers.Add("Beyond");
  grid->SetColumnHeaders(&headers);
  EXPECT_EQ(grid->Cells(0, 0), "Name");
  EXPECT_EQ(grid->Cells(1, 0), "Two\rlines");
  EXPECT_EQ(grid->Cells(2, 0), "");  // more items than columns
  EXPECT_EQ(grid->ColumnHeaders()->Count(), 3);

  // A change of the list writes the headers again; row headers go into the first column.
  grid->ColumnHeaders()->SetStrings(0, "Id");
  EXPECT_EQ(grid->Cells(0, 0), "Id");
  fw::TStringList rows;
  rows.Add("");
  rows.Add("first");
  grid->SetRowHeaders(&rows);
  EXPECT_EQ(grid->Cells(0, 1), "first");
  grid->RowHeaders()->Add("second\\n");
  EXPECT_EQ(grid->Cells(0, 2), "second\r");

  // Without fixed rows nothing is written into row 0.
  grid->SetFixedRows(0);
  grid->SetCells(0, 0, "kept");
  grid->ColumnHeaders()->SetStrings(0, "ignored");
  EXPECT_EQ(grid->Cells(0, 0), "kept");
}

TEST_F(TypedValuesTest, VersionAndSmallAccessors) {
  auto* grid = Make<TVxStringGrid>();
  EXPECT_EQ(grid->Version(), "6.0.4.4");
  grid->SetVersion("1.2.3.4");
  EXPECT_EQ(grid->Version(), "6.0.4.4");

  fw::TStringList words;
  words.Add("alpha");
  grid->SetLookupItems(&words);
  grid->SetLookupItems(nullptr);
  EXPECT_EQ(grid->LookupItems()->Count(), 1);

  fw::TFont font;
  font.SetName("Arial");
  grid->SetFixedFont(&font);
  EXPECT_EQ(grid->FixedFont()->Name(), "Arial");

  int selectionChanges = 0;
  grid->OnRichEditSelectionChange = [&](fw::TObject* sender) { selectionChanges += sender == grid ? 1 : 100; };
  grid->RichEditSelectionChanged();
  EXPECT_EQ(selectionChanges, 1);
}

}  // namespace
}  // namespace ui::testing
