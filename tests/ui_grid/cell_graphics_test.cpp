// Cell graphics: who frees what a graphic holds (under objects that count their own destruction), the
// picture sizes by stretch mode, the room a graphic takes on screen and on paper, the shared row check
// box, attaching and removing graphics, file pictures, and the scrolled text of a scroll-bar cell.
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/icon.h"
#include "framework/graphics/picture.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework/stdctrl_test_support.h"
#include "ui/grid/model/file_picture.h"
#include "ui/grid/model/string_grid.h"

namespace ui::testing {
namespace {

// How often each object was destroyed.
std::map<const void*, int> destroyed;

// An address is counted from the object made there last (the heap reuses addresses).
template <class Base>
class Counted : public Base {
 public:
  template <class... Args>
  explicit Counted(Args... args) : Base(args...) {
    destroyed[this] = 0;
  }
  ~Counted() override { ++destroyed[this]; }
};

namespace counted {
// Keeps the class name the cell store frees graphics by, so the grid treats it as its own.
class TCellGraphic : public ui::TCellGraphic {
 public:
  TCellGraphic() { destroyed[this] = 0; }
  ~TCellGraphic() override { ++destroyed[this]; }
};
}  // namespace counted

using CellGraphicsTest = fw::testing::StdControlTest;
using CountedBitmap = Counted<fw::TBitmap>;
using CountedStrings = Counted<fw::TStringList>;

fw::TObject* MakeCounted(const std::string& kind) {
  if (kind == "bitmap") return new CountedBitmap();
  if (kind == "icon") return new Counted<fw::TIcon>();
  if (kind == "picture") return new Counted<fw::TPicture>();
  return new CountedStrings();
}

TEST(CellGraphicOwnership, EachKindFreesOnlyWhatItOwns) {
  const struct {
    TCellType type;
    const char* object;
    bool inIconField, created;
    int angle;
    bool freed;
  } cases[] = {
      {ctBitmap, "bitmap", false, true, 0, true},      {ctBitmap, "bitmap", false, false, 0, false},
      {ctIcon, "icon", true, true, 0, true},           {ctIcon, "icon", true, false, 0, false},
      {ctRadio, "strings", false, true, 0, true},      {ctRadio, "strings", false, false, 0, false},
      {ctPicture, "picture", false, true, 0, true},    {ctBitButton, "bitmap", false, true, 0, true},
      {ctBalloon, "strings", false, false, 0, true},   {ctCheckBox, "strings", false, false, 1, true},
      {ctCheckBox, "strings", false, true, 0, false},  {ctDataCheckBox, "strings", false, false, 1, true},
      {ctRadioButton, "strings", false, false, 1, true}, {ctVirtCheckBox, "strings", false, true, 1, false},
      {ctProgress, "bitmap", false, true, 0, false},   {ctNone, "bitmap", false, true, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " " + c.object);
    fw::TObject* object = MakeCounted(c.object);
    auto* graphic = new TCellGraphic();
    graphic->CellType = c.type;
    graphic->CellCreated = c.created;
    graphic->CellAngle = c.angle;
    (c.inIconField ? graphic->CellIconContent : graphic->CellContent) = object;
    graphic->Free();
    EXPECT_EQ(destroyed[object], c.freed ? 1 : 0);
    if (!c.freed) object->Free();
  }
}

TEST(CellGraphicOwnership, ImageIndexListsAreAlwaysFreedAndColoursNever) {
  auto* graphic = new TCellGraphic();
  graphic->CellType = ctImages;
  auto* indices = new Counted<TIntList>(0, 0);
  graphic->CellContent = indices;
  graphic->Free();
  EXPECT_EQ(destroyed[indices], 1);

  TCellGraphic progress;
  progress.CellType = ctProgress;
  progress.CellContent = TCellContent::Color(0x123456);
  progress.CellIconContent = TCellContent::Color(fw::clRed);
  EXPECT_TRUE(progress.CellContent.IsColor());
  EXPECT_EQ(progress.CellContent.Object(), nullptr);
  EXPECT_EQ(progress.CellContent.AsColor(), 0x123456);
  EXPECT_EQ(progress.CellIconContent.AsColor(), fw::clRed);
}

TEST(CellGraphicAssign, CopiesThePlainFieldsButNotTheObjectsVariantOrTriState) {
  TCellGraphic source;
  source.CellType = ctButton;
  source.CellVAlign = vaFull;
  source.CellHAlign = haAfterText;
  source.CellIndex = 7;
  source.CellTransparent = true;
  source.CellValue = 2.5;
  source.CellAngle = 3;
  source.CellBoolean = true;
  source.CellErrFrom = 4;
  source.CellErrLen = 5;
  source.CellText = "go";
  source.CellCreated = true;
  source.CellContent = TCellContent::Color(1);
  source.CellVariantValue = true;
  source.CellCheckBoxState = fw::cbGrayed;
  TCellGraphic copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.CellType, ctButton);
  EXPECT_EQ(copy.CellVAlign, vaFull);
  EXPECT_EQ(copy.CellHAlign, haAfterText);
  EXPECT_EQ(copy.CellIndex, 7);
  EXPECT_TRUE(copy.CellTransparent);
  EXPECT_EQ(copy.CellValue, 2.5);
  EXPECT_EQ(copy.CellAngle, 3);
  EXPECT_TRUE(copy.CellBoolean);
  EXPECT_EQ(copy.CellErrFrom, 4);
  EXPECT_EQ(copy.CellErrLen, 5);
  EXPECT_EQ(copy.CellText, "go");
  EXPECT_TRUE(copy.CellCreated);
  EXPECT_TRUE(copy.CellContent.Empty());
  EXPECT_FALSE(copy.CellVariantValue.Assigned());
  EXPECT_EQ(copy.CellCheckBoxState, fw::cbUnchecked);
  copy.CellCreated = false;  // nothing to free either way
}

TEST(CellGraphicPictureSize, EachStretchModeWithMarginAndAspect) {
  fw::TPicture picture;
  picture.Bitmap()->SetSize(100, 50);
  const struct {
    int mode, margin, w, h, width, height;
  } cases[] = {
      {psShrinkAspect, 2, 62, 42, 60, 30},   // does not fit: rw 0.6 < rh 0.8
      {psStretchAspect, 2, 202, 52, 100, 50},  // rw 2.0 >= rh 1.0
      {psStretchAspect, 0, 300, 200, 300, 150},  // rw 3.0 < rh 4.0
      {psShrinkAspect, 0, 300, 200, 100, 50},  // fits: natural size
      {psShrink, 0, 300, 200, 100, 50},        // fits: natural size
      {psShrink, 0, 80, 200, 80, 200},         // too wide: the space
      {psStretch, 4, 64, 34, 60, 30},          // always the space less the margin
      {psNone, 0, 10, 10, 100, 50},
      {7, 0, 10, 10, 100, 50},                 // unknown modes draw at the natural size
      {0x102, 2, 202, 52, 100, 50},            // only the low byte is the mode
  };
  TCellGraphic graphic;
  graphic.CellType = ctPicture;
  graphic.CellContent = &picture;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + " in " + std::to_string(c.w) + "x" + std::to_string(c.h));
    graphic.CellAngle = c.mode;
    graphic.CellIndex = c.margin;
    int width = -1;
    int height = -1;
    graphic.GetPictureSize(c.w, c.h, width, height);
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
  }
  graphic.CellType = ctBitmap;  // other kinds leave the sizes alone
  int width = -1;
  int height = -1;
  graphic.GetPictureSize(10, 10, width, height);
  EXPECT_EQ(width, -1);
  EXPECT_EQ(height, -1);
}

TEST(FilePicture, WritingTheNameMeasuresTheFileAndAMissingFileRaises) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  const std::string path = std::string(dir) + "g68_file_picture.bmp";
  {
    fw::TPicture picture;
    picture.Bitmap()->SetSize(30, 20);
    picture.SaveToFile(path);
  }
  TFilePicture file;
  file.SetFilename(path);
  EXPECT_EQ(file.Width(), 30);
  EXPECT_EQ(file.Height(), 20);
  TFilePicture copy;
  copy.Assign(&file);
  EXPECT_EQ(copy.Filename(), path);
  EXPECT_EQ(copy.Height(), 20);
  DeleteFileA(path.c_str());

  TCellGraphic graphic;
  graphic.CellType = ctFilePicture;
  graphic.CellContent = &copy;
  graphic.CellAngle = psStretchAspect;
  int width = 0;
  int height = 0;
  graphic.GetPictureSize(60, 100, width, height);
  EXPECT_EQ(width, 60);
  EXPECT_EQ(height, 40);

  EXPECT_THROW(file.SetFilename(std::string(dir) + "g68_no_such_picture.bmp"), fw::Exception);
}

// ---- The grid's operations ---------------------------------------------------------------------------------

class GridGraphicsTest : public CellGraphicsTest {
 protected:
  TVxStringGrid* MakeGrid() {
    auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 320, 200});
    grid->SetColCount(5);
    grid->SetRowCount(6);
    return grid;
  }
};

TEST_F(GridGraphicsTest, RemovingReplacingAndFreeingTheGridFreeOwnedObjectsOnceAndSharedOnesNever) {
  TVxStringGrid* grid = MakeGrid();
  TCellGraphic* bitmapCell = grid->CreateCellGraphic(1, 1);
  bitmapCell->CellType = ctBitmap;
  bitmapCell->CellCreated = true;
  auto* bitmap = new CountedBitmap();
  bitmapCell->CellContent = bitmap;

  // Replacing the graphic frees the old one with its bitmap.
  TCellGraphic* pictureCell = grid->CreateCellGraphic(1, 1);
  EXPECT_EQ(destroyed[bitmap], 1);
  EXPECT_EQ(grid->GetCellGraphic(1, 1), pictureCell);
  EXPECT_EQ(pictureCell->CellType, ctNone);
  pictureCell->CellType = ctPicture;
  pictureCell->CellCreated = true;
  auto* picture = new Counted<fw::TPicture>();
  pictureCell->CellContent = picture;

  // A virtual check box shared by two cells and a balloon whose texts the graphic owns.
  auto* shared = new counted::TCellGraphic();
  shared->CellType = ctVirtCheckBox;
  grid->SetCellGraphicObject(2, 1, shared);
  grid->SetCellGraphicObject(2, 2, shared);
  TCellGraphic* balloon = grid->CreateCellGraphic(3, 3);
  balloon->CellType = ctBalloon;
  auto* texts = new CountedStrings();
  balloon->CellContent = texts;

  EXPECT_TRUE(grid->RemoveCellGraphic(2, 1));  // detached, not freed
  EXPECT_EQ(destroyed[shared], 0);
  EXPECT_EQ(grid->GetCellGraphic(2, 1), nullptr);
  EXPECT_FALSE(grid->RemoveCellGraphic(2, 1));
  EXPECT_FALSE(grid->RemoveCellGraphicOfType(3, 3, ctBitmap));
  EXPECT_TRUE(grid->RemoveCellGraphicOfType(3, 3, ctBalloon));
  EXPECT_EQ(destroyed[texts], 1);

  grid->Free();
  EXPECT_EQ(destroyed[picture], 1);
  EXPECT_EQ(destroyed[shared], 0);  // still held by cell (2, 2) when the grid went, never freed by it
  shared->Free();
  EXPECT_EQ(destroyed[shared], 1);
}

TEST_F(GridGraphicsTest, ClearingCellPropertiesSparesASharedGraphic) {
  TVxStringGrid* grid = MakeGrid();
  auto* shared = new counted::TCellGraphic();
  shared->CellType = ctVirtCheckBox;
  grid->SetCellGraphicObject(1, 1, shared);
  grid->SetCellGraphicObject(1, 2, shared);
  auto* own = new counted::TCellGraphic();
  grid->SetCellGraphicObject(2, 2, own);
  grid->FreeCellPropsInRect(0, 0, 4, 5);
  EXPECT_EQ(destroyed[own], 1);
  EXPECT_EQ(destroyed[shared], 0);
  shared->Free();
}

TEST_F(GridGraphicsTest, CreateCellGraphicKeepsAnEmptyCellEmpty) {
  TVxStringGrid* grid = MakeGrid();
  TCellGraphic* graphic = grid->CreateCellGraphic(2, 3);
  EXPECT_EQ(grid->Cells(2, 3), "");
  EXPECT_EQ(grid->GetCellGraphic(2, 3), graphic);
  EXPECT_EQ(grid->GetCellType(2, 3), ctNone);
  EXPECT_EQ(grid->GetCellType(2, 4), ctEmpty);
  EXPECT_EQ(grid->GetCellType(-1, 3), ctEmpty);
  grid->SetCells(3, 3, "kept");
  grid->CreateCellGraphic(3, 3);
  EXPECT_EQ(grid->Cells(3, 3), "kept");
}

TEST_F(GridGraphicsTest, TheSharedRowCheckBoxStandsInColumnZeroWhileHotmailRowSelectIsOn) {
  TVxStringGrid* grid = MakeGrid();  // rows 1..5 are normal rows
  grid->MouseActions()->SetDisjunctRowSelect(true);
  EXPECT_EQ(grid->GetCellType(0, 2), ctEmpty);
  grid->MouseActions()->SetHotmailRowSelect(true);
  EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
  EXPECT_EQ(grid->GetCellType(1, 2), ctEmpty);

  grid->SetRowSelect(2, true);
  TCellGraphic* header = grid->GetCellGraphic(0, 0);
  ASSERT_EQ(header, grid->RowCheckBox());
  EXPECT_EQ(header->CellType, ctRowCheckBox);
  EXPECT_EQ(header->CellAngle, 1);  // some rows selected
  EXPECT_FALSE(header->CellBoolean);
  EXPECT_TRUE(grid->GetCellGraphic(0, 2)->CellBoolean);
  EXPECT_FALSE(grid->GetCellGraphic(0, 1)->CellBoolean);
  EXPECT_EQ(grid->GetCellGraphic(0, 2)->CellAngle, 0);
  for (int row = 1; row < 6; ++row) grid->SetRowSelect(row, true);
  header = grid->GetCellGraphic(0, 0);
  EXPECT_EQ(header->CellAngle, 0);
  EXPECT_TRUE(header->CellBoolean);  // all rows selected

  grid->ControlLook()->SetControlStyle(TControlStyle::csFlat);
  EXPECT_TRUE(grid->GetCellGraphic(0, 3)->CellTransparent);

  // Never attached, so never freed with a cell; a cell object of another class hides it.
  EXPECT_FALSE(grid->RemoveCellGraphic(0, 3));
  fw::TStringList foreign;
  grid->SetCellGraphicObject(0, 4, &foreign);
  EXPECT_EQ(grid->GetCellType(0, 4), ctEmpty);
  EXPECT_EQ(grid->GetCellGraphic(0, 4), nullptr);
  grid->SetCellGraphicObject(0, 4, nullptr);
}

TEST_F(GridGraphicsTest, GraphicSizesFollowTheKindTheTextAndTheFullAlignments) {
  TVxStringGrid* grid = MakeGrid();
  grid->SetColWidths(1, 120);
  grid->SetRowHeights(2, 30);
  const auto sizeOf = [grid](int col, int row) {
    int width = -1;
    int height = -1;
    grid->GetCellGraphicSize(col, row, width, height);
    return std::make_pair(width, height);
  };
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(0, 0));  // no graphic

  TCellGraphic* button = grid->CreateCellGraphic(1, 2);
  button->CellType = ctButton;
  button->CellIndex = (20 << 16) | 80;
  button->CellVAlign = vaCenter;
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(80, 20));  // empty text
  grid->SetCells(1, 2, "text");
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(80, 0));
  button->CellVAlign = vaUnderText;
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(0, 20));
  button->CellHAlign = haFull;
  button->CellVAlign = vaCenter;
  button->CellText = "Press";
  EXPECT_EQ(sizeOf(1, 2).first, grid->CellRectEx(1, 2).Width());  // the full rule wins with a cell text
  grid->SetCells(1, 2, "");
  grid->Canvas()->Font()->Assign(grid->Font());
  EXPECT_EQ(sizeOf(1, 2).first, grid->Canvas()->TextWidth("Press") + 4);  // kept against the full rule

  TCellGraphic* rating = grid->CreateCellGraphic(1, 2);
  rating->CellType = ctRating;
  rating->CellAngle = 5;
  rating->CellHAlign = haFull;
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(90, 16));
  rating->CellVAlign = vaFull;
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(90, 30));

  TCellGraphic* check = grid->CreateCellGraphic(1, 2);
  check->CellType = ctTriStateCheckBox;
  grid->ControlLook()->SetCheckSize(13);
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(13, 13));
  check->CellType = ctRadioButton;
  grid->ControlLook()->SetRadioSize(11);
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(11, 11));

  // A radio group measured with the same canvas call: side by side, then stacked.
  fw::TStringList items;
  items.Add("One");
  items.Add("Three");
  TCellGraphic* radio = grid->CreateCellGraphic(1, 2);
  radio->CellType = ctRadio;
  radio->CellContent = &items;
  radio->CellBoolean = true;
  fw::TCanvas* canvas = grid->Canvas();
  const int sideBySide = canvas->TextWidth("One") + 12 + canvas->TextWidth("Three") + 12;
  EXPECT_EQ(sizeOf(1, 2), std::make_pair(sideBySide, canvas->TextHeight("gh")));
  radio->CellBoolean = false;
  EXPECT_EQ(sizeOf(1, 2),
            std::make_pair(canvas->TextWidth("Three") + 12, 2 * std::max(16, canvas->TextHeight("gh"))));
  grid->RemoveCellGraphic(1, 2);
}

TEST_F(GridGraphicsTest, PrintSizesOfPicturesShapesAndButtons) {
  TVxStringGrid* grid = MakeGrid();
  grid->SetRowHeights(2, 30);
  fw::TPicture picture;
  picture.Bitmap()->SetSize(100, 50);
  TCellGraphic* graphic = grid->CreateCellGraphic(1, 2);
  graphic->CellType = ctPicture;
  graphic->CellContent = &picture;
  graphic->CellAngle = psStretch;
  int width = 0;
  int height = 0;
  grid->GetPrintGraphicSize(1, 2, 300, 101, 2.0, width, height);
  EXPECT_EQ(width, 150);
  EXPECT_EQ(height, 50);  // 50.5 rounds to the even 50

  graphic->CellType = ctShape;
  grid->GetPrintGraphicSize(1, 2, 300, 100, 2.0, width, height);
  EXPECT_EQ(width, 30 - 2 * grid->CellMargin().Y);
  EXPECT_EQ(height, width);

  graphic->CellType = ctButton;
  graphic->CellIndex = (18 << 16) | 64;
  graphic->CellHAlign = haFull;  // no full rule on paper
  grid->GetPrintGraphicSize(1, 2, 300, 100, 1.0, width, height);
  EXPECT_EQ(width, 64);
  EXPECT_EQ(height, 18);

  graphic->CellType = ctComment;
  grid->GetPrintGraphicSize(1, 2, 300, 100, 1.0, width, height);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
  grid->RemoveCellGraphic(1, 2);
}

TEST_F(GridGraphicsTest, OptionObjectsStartAtTheirDefaultsAndCopyOnlyTheirOwnKind) {
  TVxStringGrid* grid = MakeGrid();
  EXPECT_FALSE(grid->SizeWhileTyping()->Height);
  EXPECT_EQ(grid->ColumnSize()->StretchColumn, -1);
  EXPECT_EQ(grid->ColumnSize()->Location, clRegistry);
  EXPECT_EQ(grid->HTMLSettings()->BorderSize, 1);
  EXPECT_EQ(grid->HTMLSettings()->Width, 100);
  EXPECT_TRUE(grid->HTMLSettings()->ExportImages);
  EXPECT_EQ(grid->PrintSettings()->PageNumSep, "/");
  EXPECT_EQ(grid->PrintSettings()->DateFormat, "dd/mm/yyyy");
  EXPECT_EQ(grid->PrintSettings()->Borders, pbSingle);
  EXPECT_TRUE(grid->PrintSettings()->Centered);
  EXPECT_TRUE(grid->PrintSettings()->UseDisplayFont);

  THTMLSettings html;
  html.BorderSize = 3;
  html.ExportImages = false;
  html.ColumnWidths()->Add(40);
  grid->HTMLSettings()->Assign(&html);
  EXPECT_EQ(grid->HTMLSettings()->BorderSize, 3);
  EXPECT_TRUE(grid->HTMLSettings()->ExportImages);
  EXPECT_EQ(grid->HTMLSettings()->ColumnWidths()->Count(), 0);
  grid->HTMLSettings()->Assign(grid->ColumnSize());  // another kind: nothing
  EXPECT_EQ(grid->HTMLSettings()->BorderSize, 3);

  TColumnSize columns(nullptr);
  int stretched = 0;
  grid->ColumnSize()->OnStretch = [&stretched](fw::TObject*) { ++stretched; };
  columns.SetStretch(true);
  columns.Key = "k";
  grid->ColumnSize()->Assign(&columns);
  EXPECT_TRUE(grid->ColumnSize()->Stretch());
  EXPECT_EQ(grid->ColumnSize()->Key, "k");
  EXPECT_EQ(stretched, 0);  // the field, not the writer

  TPrintSettings print(nullptr);
  print.TitleLines()->Add("Title");
  print.Font()->SetSize(17);
  print.Orientation = poLandscape;
  grid->PrintSettings()->Assign(&print);
  EXPECT_EQ(grid->PrintSettings()->TitleLines()->Strings(0), "Title");
  EXPECT_EQ(grid->PrintSettings()->Font()->Size(), 17);
  EXPECT_NE(grid->PrintSettings()->Font(), print.Font());
  EXPECT_EQ(grid->PrintSettings()->Orientation, poLandscape);
  EXPECT_THROW(grid->PrintSettings()->Assign(&html), fw::Exception);
}

// ---- The scrolled text of a scroll-bar cell ----------------------------------------------------------------

TEST_F(GridGraphicsTest, AScrolledScrollBarCellShowsItsTextMovedUpAndClippedToTheCell) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 320, 200});
  grid->SetColCount(3);
  grid->SetRowCount(6);
  grid->Multilinecells = true;
  grid->SetRowHeights(2, 60);
  grid->SetRowHeights(3, 60);
  grid->Canvas()->Font()->Assign(grid->Font());
  const int lineHeight = grid->Canvas()->TextHeight("Wg");
  // Cell (1, 2) scrolled down by one line must look like cell (1, 3) holding the text without its first
  // line; the line scrolled out must not reach the cell above.
  grid->SetCells(1, 2, "WWWW\nMMMM\nHHHH");
  grid->SetCells(1, 3, "MMMM\nHHHH");
  TCellGraphic* bar = grid->CreateCellGraphic(1, 2);
  bar->CellType = ctScrollbar;
  grid->SetScrollBarPosition(1, 2, lineHeight);
  grid->SetCol(2);  // the selection away from the cells compared

  fw::testing::MemoryBitmap bitmap(grid->Width(), grid->Height());
  grid->PaintTo(bitmap.DC(), 0, 0);
  const fw::TRect scrolled = grid->CellRectEx(1, 2);
  const fw::TRect plain = grid->CellRectEx(1, 3);
  int differing = 0;
  int inked = 0;
  for (int y = 0; y < scrolled.Height(); ++y) {
    for (int x = 0; x < scrolled.Width() / 2; ++x) {  // the text's side, clear of any bar drawn at the right
      const fw::TColor a = bitmap.Pixel(scrolled.Left + x, scrolled.Top + y);
      if (a != bitmap.Pixel(plain.Left + x, plain.Top + y)) ++differing;
      if (a != bitmap.Pixel(scrolled.Left + 3, scrolled.Top + scrolled.Height() - 3)) ++inked;
    }
  }
  EXPECT_GT(inked, 0);
  EXPECT_EQ(differing, 0);
  const fw::TRect above = grid->CellRectEx(1, 1);
  ASSERT_GT(above.Height(), 10);
  const fw::TColor background = bitmap.Pixel(above.Left + 3, above.Top + 3);
  for (int x = above.Left + 1; x < above.Right - 1; ++x) {
    for (int y = above.Top + 1; y < above.Bottom - 1; ++y) ASSERT_EQ(bitmap.Pixel(x, y), background) << x << "," << y;
  }
}

TEST_F(GridGraphicsTest, AMarkedValueCellUnderlinesItsMarkerInRed) {
  auto* grid = Make<TVxStringGrid>(fw::TRect{0, 0, 320, 200});
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->SetColWidths(1, 120);
  grid->SetRowHeights(2, 40);
  grid->SetCells(1, 2, "abcdefghij");
  TCellGraphic* value = grid->CreateCellGraphic(1, 2);
  value->CellType = ctValue;
  grid->SetCol(2);
  const auto redPixels = [&] {
    fw::testing::MemoryBitmap bitmap(grid->Width(), grid->Height());
    grid->PaintTo(bitmap.DC(), 0, 0);
    const fw::TRect cell = grid->CellRectEx(1, 2);
    int red = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y) {
      for (int x = cell.Left; x < cell.Right; ++x) red += bitmap.Pixel(x, y) == fw::clRed ? 1 : 0;
    }
    return red;
  };
  EXPECT_EQ(redPixels(), 0);
  value->CellErrFrom = 2;
  value->CellErrLen = 3;
  EXPECT_GT(redPixels(), 0);
  value->CellType = ctSummary;  // only plain value cells show the marker
  EXPECT_EQ(redPixels(), 0);
}

}  // namespace
}  // namespace ui::testing
