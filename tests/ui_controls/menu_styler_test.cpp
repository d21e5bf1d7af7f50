// The menu styler and its appearance objects: defaults, the icon bar's size floor, the index error, the
// change requests a served menu receives, what Assign copies, and the glyph resources.
#include "ui/controls/menu_styler.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/forms/screen.h"
#include "framework/rtl/exceptions.h"
#include "tests/ui_controls/menu_test_support.h"
#include "tests/ui_controls/styled_test_support.h"
#include "ui/controls/menu_util.h"
#include "ui/foundation/style_detection.h"

namespace ui {
namespace {

using testing::RecordingMenu;

constexpr fw::TColor kNone = fw::clNone;

class MenuStylerTest : public testing::StyledControlTest {
 protected:
  void SetUp() override {
    testing::StyledControlTest::SetUp();
    styler = fw::Create<TVxMenuStyler>(Form());
    menu = fw::Create<RecordingMenu>(Form());
  }
  // Attaches the styler and forgets the refresh that attaching sends.
  void Attach() {
    styler->SetMenu(menu);
    menu->updates = 0;
    menu->refreshes = 0;
  }

  TVxMenuStyler* styler = nullptr;
  RecordingMenu* menu = nullptr;
};

TEST_F(MenuStylerTest, ANewStylerReportsItsDefaults) {
  fw::TFont* menuFont = fw::Screen->MenuFont();
  EXPECT_TRUE(styler->UseSystemFont());
  EXPECT_EQ(styler->MenuBorderColor(), MenuRGB(148, 124, 124));
  EXPECT_EQ(styler->AntiAlias(), aaNone);
  EXPECT_EQ(styler->Menu(), nullptr);
  EXPECT_EQ(styler->Font()->Name(), menuFont->Name());
  EXPECT_EQ(styler->Font()->Size(), menuFont->Size());
  EXPECT_EQ(styler->NotesFont()->Size(), menuFont->Size() - 2);
  EXPECT_EQ(styler->NotesFont()->Color(), MenuRGB(128, 128, 128));

  struct Bar {
    const char* name;
    TGradientBar* bar;
    fw::TColor color;
    fw::TColor colorTo;
    TGradientDirection direction;
  };
  const Bar bars[] = {
      {"background", styler->Background(), MenuRGB(253, 250, 255), kNone, gdVertical},
      {"icon bar", styler->IconBar(), MenuRGB(249, 249, 255), MenuRGB(161, 160, 187), gdHorizontal},
      {"selected item", styler->SelectedItem(), MenuRGB(255, 238, 194), kNone, gdVertical},
      {"root item", styler->RootItem(), MenuRGB(215, 215, 229), MenuRGB(242, 242, 247), gdHorizontal},
      {"separator", styler->Separator(), MenuRGB(110, 109, 143), kNone, gdHorizontal},
      {"side-bar background", styler->SideBar()->Background(), MenuRGB(253, 250, 255), kNone, gdVertical},
  };
  for (const Bar& b : bars) {
    EXPECT_EQ(b.bar->Color(), b.color) << b.name;
    EXPECT_EQ(b.bar->ColorTo(), b.colorTo) << b.name;
    EXPECT_EQ(b.bar->GradientDirection(), b.direction) << b.name;
  }
  TGradientBar plain;
  EXPECT_EQ(plain.Color(), MenuRGB(175, 189, 216));
  EXPECT_EQ(plain.ColorTo(), kNone);

  TIconBar* icon = styler->IconBar();
  EXPECT_EQ(icon->CheckColor(), MenuRGB(255, 192, 111));
  EXPECT_EQ(icon->RadioColor(), MenuRGB(255, 192, 111));
  EXPECT_EQ(icon->CheckColorTo(), kNone);
  EXPECT_EQ(icon->RadioColorTo(), kNone);
  EXPECT_EQ(icon->CheckBorder(), MenuRGB(75, 75, 111));
  EXPECT_EQ(icon->RadioBorder(), MenuRGB(75, 75, 111));
  EXPECT_EQ(icon->CheckGradientDirection(), gdVertical);
  EXPECT_EQ(icon->RadioGradientDirection(), gdVertical);
  EXPECT_EQ(icon->SeparatorColor(), kNone);
  EXPECT_EQ(icon->Size(), 24);

  TSelectedItem* selected = styler->SelectedItem();
  EXPECT_EQ(selected->CheckColor(), MenuRGB(254, 128, 62));
  EXPECT_EQ(selected->RadioColor(), MenuRGB(254, 128, 62));
  EXPECT_EQ(selected->CheckColorTo(), kNone);
  EXPECT_EQ(selected->CheckBorder(), MenuRGB(75, 75, 111));
  EXPECT_EQ(selected->BorderColor(), MenuRGB(75, 75, 111));
  EXPECT_EQ(selected->ColorMirror(), kNone);
  EXPECT_EQ(selected->ColorMirrorTo(), kNone);
  EXPECT_TRUE(selected->UseSystemFont());
  EXPECT_EQ(selected->Font()->Color(), fw::clWindowText);
  EXPECT_EQ(selected->Font()->Name(), menuFont->Name());
  EXPECT_EQ(selected->NotesFont()->Size(), menuFont->Size() - 2);
  EXPECT_EQ(selected->NotesFont()->Color(), fw::clWindowText);

  TRootItem* root = styler->RootItem();
  EXPECT_EQ(root->SelectedColor(), MenuRGB(232, 232, 242));
  EXPECT_EQ(root->SelectedColorTo(), MenuRGB(185, 184, 205));
  EXPECT_EQ(root->SelectedColorMirror(), kNone);
  EXPECT_EQ(root->SelectedColorMirrorTo(), kNone);
  EXPECT_EQ(root->SelectedBorderColor(), MenuRGB(124, 124, 148));
  EXPECT_EQ(root->SelectedTextColor(), fw::clWindowText);
  EXPECT_EQ(root->HoverColor(), MenuRGB(255, 246, 207));
  EXPECT_EQ(root->HoverColorTo(), MenuRGB(255, 216, 157));
  EXPECT_EQ(root->HoverColorMirror(), kNone);
  EXPECT_EQ(root->HoverColorMirrorTo(), kNone);
  EXPECT_EQ(root->HoverBorderColor(), MenuRGB(75, 75, 111));
  EXPECT_EQ(root->HoverTextColor(), fw::clWindowText);
  EXPECT_EQ(root->SelectedGradientDirection(), gdVertical);
  EXPECT_EQ(root->HoverGradientDirection(), gdVertical);
  EXPECT_TRUE(root->UseSystemFont());
  EXPECT_EQ(root->Font()->Name(), menuFont->Name());

  TBackground* background = styler->Background();
  EXPECT_TRUE(background->Image()->Empty());
  EXPECT_EQ(background->Position(), bpCenter);
  EXPECT_EQ(background->OffsetX() | background->OffsetY() | background->MarginX() | background->MarginY(), 0);

  TSeparator* separator = styler->Separator();
  EXPECT_EQ(separator->Width(), 1);
  EXPECT_EQ(separator->GradientType(), gtBoth);
  EXPECT_EQ(separator->GradientWidth(), 0);
  EXPECT_EQ(separator->Margin(), 2);

  TSideBar* side = styler->SideBar();
  EXPECT_EQ(side->Caption(), "");
  EXPECT_EQ(side->Font()->Name(), "Tahoma");
  EXPECT_EQ(side->Font()->Size(), 14);
  EXPECT_EQ(side->Font()->Color(), MenuRGB(255, 255, 255));
  EXPECT_EQ(side->Font()->Style(), (fw::TFontStyles{fw::fsBold, fw::fsItalic}));
  EXPECT_EQ(side->Direction(), dDownToUp);
  EXPECT_EQ(side->ShadowColor(), kNone);
  EXPECT_EQ(side->Depth(), 1);
  EXPECT_EQ(side->Alignment(), fw::taLeftJustify);
  EXPECT_FALSE(side->Visible());
  EXPECT_EQ(side->VisibleIn(), viFirstVisible);
  EXPECT_EQ(side->Size(), 24);
  EXPECT_EQ(side->SplitterColor(), MenuRGB(128, 128, 128));
  EXPECT_EQ(side->SplitterColorTo(), fw::clBlack);
  EXPECT_EQ(side->SplitterWidth(), 1);
  EXPECT_EQ(side->SplitterMargin(), 0);
  EXPECT_EQ(side->SplitterGradientWidth(), 0);
  EXPECT_EQ(side->SplitterGradientType(), gtBoth);
  EXPECT_EQ(side->BorderColor(), MenuRGB(157, 157, 161));

  TButtonAppearance* button = styler->ButtonAppearance();
  EXPECT_EQ(button->Color(), kNone);
  EXPECT_EQ(button->ColorTo(), kNone);
  EXPECT_EQ(button->HoverColor(), MenuRGB(182, 189, 210));
  EXPECT_EQ(button->HoverColorTo(), kNone);
  EXPECT_EQ(button->DownColor(), MenuRGB(133, 146, 181));
  EXPECT_EQ(button->DownColorTo(), kNone);
  EXPECT_EQ(button->BorderColor(), kNone);
  EXPECT_EQ(button->DownBorderColor(), MenuRGB(10, 36, 106));
  EXPECT_EQ(button->HoverBorderColor(), MenuRGB(10, 36, 106));
  EXPECT_EQ(button->GradientDirection(), gdVertical);
  EXPECT_TRUE(button->UseSystemFont());
}

TEST_F(MenuStylerTest, TheIconBarIsAtLeastSixteenPixelsWide) {
  TIconBar* icon = styler->IconBar();
  icon->SetSize(10);
  EXPECT_EQ(icon->Size(), 16);
  icon->SetSize(-3);
  EXPECT_EQ(icon->Size(), 16);
  icon->SetSize(30);
  EXPECT_EQ(icon->Size(), 30);
}

TEST_F(MenuStylerTest, AnIndexOutsideAColourGroupRaisesTheIndexError) {
  const std::vector<std::pair<int, std::function<void()>>> cases = {
      {2, [&] { styler->Background()->Colors(2); }},
      {-1, [&] { styler->Background()->SetColors(-1, 0); }},
      {2, [&] { styler->IconBar()->CheckColors(2); }},
      {5, [&] { styler->SelectedItem()->SetRadioColors(5, 0); }},
      {4, [&] { styler->RootItem()->SelectedColors(4); }},
      {-1, [&] { styler->RootItem()->SetHoverColors(-1, 0); }},
  };
  for (const auto& [index, access] : cases) {
    try {
      access();
      ADD_FAILURE() << "no error for index " << index;
    } catch (const EInvalidPropertyIndex& e) {
      EXPECT_EQ(e.Message(), "Invalid property index " + std::to_string(index) + ".");
    }
  }
  // The last index of each group is inside it.
  styler->RootItem()->SetHoverColors(3, fw::clRed);
  EXPECT_EQ(styler->RootItem()->HoverColorMirrorTo(), fw::clRed);
  styler->IconBar()->SetRadioColors(1, fw::clBlue);
  EXPECT_EQ(styler->IconBar()->RadioColorTo(), fw::clBlue);
}

TEST_F(MenuStylerTest, SizeAndFontChangesRebuildTheMenuColourChangesOnlyRefreshIt) {
  Attach();
  enum Request { kNothing, kRefresh, kRebuild };
  fw::TFont font;
  font.SetName("Courier New");
  TBackground background;
  TSideBar sideBar;
  TMenuGlyphs glyphs;
  TButtonAppearance appearance;
  struct Case {
    const char* change;
    std::function<void()> act;
    Request expected;
  };
  const Case cases[] = {
      {"styler Font", [&] { styler->SetFont(&font); }, kRebuild},
      {"styler NotesFont", [&] { styler->SetNotesFont(&font); }, kRebuild},
      {"styler UseSystemFont", [&] { styler->SetUseSystemFont(false); }, kRebuild},
      {"styler AntiAlias", [&] { styler->SetAntiAlias(aaClearType); }, kRebuild},
      {"styler SideBar", [&] { styler->SetSideBar(&sideBar); }, kRebuild},
      {"styler Background", [&] { styler->SetBackground(&background); }, kRefresh},
      {"styler Glyphs", [&] { styler->SetGlyphs(&glyphs); }, kRefresh},
      {"styler MenuBorderColor", [&] { styler->SetMenuBorderColor(fw::clRed); }, kNothing},
      {"styler ButtonAppearance", [&] { styler->SetButtonAppearance(&appearance); }, kNothing},
      {"icon bar Size", [&] { styler->IconBar()->SetSize(20); }, kRebuild},
      {"icon bar CheckColor", [&] { styler->IconBar()->SetCheckColor(fw::clRed); }, kRefresh},
      {"icon bar RadioColorTo", [&] { styler->IconBar()->SetRadioColorTo(fw::clRed); }, kRefresh},
      {"icon bar Color", [&] { styler->IconBar()->SetColor(fw::clRed); }, kNothing},
      {"icon bar CheckBorder", [&] { styler->IconBar()->SetCheckBorder(fw::clRed); }, kNothing},
      {"selected item Font", [&] { styler->SelectedItem()->SetFont(&font); }, kRebuild},
      {"selected item NotesFont", [&] { styler->SelectedItem()->SetNotesFont(&font); }, kRebuild},
      {"selected item UseSystemFont", [&] { styler->SelectedItem()->SetUseSystemFont(false); }, kRebuild},
      {"selected item CheckColor", [&] { styler->SelectedItem()->SetCheckColor(fw::clRed); }, kRefresh},
      {"selected item BorderColor", [&] { styler->SelectedItem()->SetBorderColor(fw::clRed); }, kNothing},
      {"root item Font", [&] { styler->RootItem()->SetFont(&font); }, kRebuild},
      {"root item HoverColor", [&] { styler->RootItem()->SetHoverColor(fw::clRed); }, kRebuild},
      {"root item SelectedColorMirror", [&] { styler->RootItem()->SetSelectedColorMirror(fw::clRed); }, kRebuild},
      {"root item HoverTextColor", [&] { styler->RootItem()->SetHoverTextColor(fw::clRed); }, kNothing},
      {"background Image", [&] { styler->Background()->SetImage(nullptr); }, kRefresh},
      {"background Position", [&] { styler->Background()->SetPosition(bpTiled); }, kNothing},
      {"separator Width", [&] { styler->Separator()->SetWidth(3); }, kNothing},
      {"glyphs Check", [&] { styler->Glyphs()->SetCheck(glyphs.Radio()); }, kRefresh},
      {"side bar Font", [&] { styler->SideBar()->SetFont(&font); }, kNothing},
      {"side bar Image", [&] { styler->SideBar()->SetImage(&background); }, kRebuild},
      {"side bar Background", [&] { styler->SideBar()->SetBackground(&background); }, kRebuild},
      {"side bar Size", [&] { styler->SideBar()->SetSize(40); }, kNothing},
      {"side bar Visible, menu without a window", [&] { styler->SideBar()->SetVisible(true); }, kNothing},
  };
  for (const Case& c : cases) {
    menu->updates = 0;
    menu->refreshes = 0;
    c.act();
    // Copying into an owned object goes through its setters, which may refresh on their own too.
    EXPECT_EQ(menu->updates, c.expected == kRebuild ? 1 : 0) << c.change;
    if (c.expected == kNothing) {
      EXPECT_EQ(menu->refreshes, 0) << c.change;
    } else {
      EXPECT_GE(menu->refreshes, 1) << c.change;
    }
  }

  menu->SetWindowHandle(Form()->Handle());
  styler->SideBar()->SetVisible(false);
  EXPECT_EQ(menu->updates, 1) << "side bar Visible, menu bar with a window";
  menu->SetWindowHandle(nullptr);
}

TEST_F(MenuStylerTest, AttachingRefreshesTheMenuAndAFreedMenuIsForgotten) {
  styler->SetMenu(menu);
  EXPECT_EQ(menu->refreshes, 1);
  EXPECT_EQ(menu->updates, 0);
  EXPECT_EQ(styler->IconBar()->Menu(), menu);
  EXPECT_EQ(styler->SideBar()->Menu(), menu);
  EXPECT_EQ(styler->Glyphs()->Menu(), menu);

  // A styler that serves nothing, or a menu that is not styled, is told nothing and nothing fails.
  fw::TMainMenu* plain = fw::Create<fw::TMainMenu>(Form());
  TVxMenuStyler* other = fw::Create<TVxMenuStyler>(Form());
  other->SetMenu(plain);
  fw::TFont font;
  other->SetFont(&font);

  menu->Free();
  EXPECT_EQ(styler->Menu(), nullptr);
  EXPECT_EQ(styler->IconBar()->Menu(), nullptr);
  EXPECT_EQ(styler->Separator()->Menu(), nullptr);
  styler->SetFont(&font);  // would reach the freed menu if it were remembered
}

TEST_F(MenuStylerTest, AssigningAStylerCopiesTheListedPartsOnly) {
  TVxMenuStyler* source = fw::Create<TVxMenuStyler>(Form());
  source->Background()->SetColor(fw::clRed);
  source->IconBar()->SetCheckColor(fw::clRed);
  source->IconBar()->SetSize(40);
  source->SelectedItem()->SetBorderColor(fw::clRed);
  source->RootItem()->SetHoverColor(fw::clRed);
  source->SideBar()->SetCaption("Trelvik");
  source->SideBar()->SetSize(30);
  source->Separator()->SetMargin(7);
  source->Font()->SetName("Courier New");
  source->SetUseSystemFont(false);
  source->NotesFont()->SetName("Courier New");
  source->SetMenuBorderColor(fw::clRed);
  source->SetAntiAlias(aaAntiAlias);
  source->ButtonAppearance()->SetColor(fw::clRed);

  Attach();
  styler->Assign(source);
  EXPECT_EQ(styler->Background()->Color(), fw::clRed);
  EXPECT_EQ(styler->IconBar()->CheckColor(), fw::clRed);
  EXPECT_EQ(styler->IconBar()->Size(), 40);
  EXPECT_EQ(styler->SelectedItem()->BorderColor(), fw::clRed);
  EXPECT_EQ(styler->RootItem()->HoverColor(), fw::clRed);
  EXPECT_EQ(styler->SideBar()->Caption(), "Trelvik");
  EXPECT_EQ(styler->SideBar()->Size(), 30);
  EXPECT_EQ(styler->Separator()->Margin(), 7);
  EXPECT_EQ(styler->Font()->Name(), "Courier New");
  EXPECT_FALSE(styler->UseSystemFont());
  EXPECT_NE(styler->NotesFont()->Name(), "Courier New");
  EXPECT_EQ(styler->MenuBorderColor(), MenuRGB(148, 124, 124));
  EXPECT_EQ(styler->AntiAlias(), aaNone);
  EXPECT_EQ(styler->ButtonAppearance()->Color(), kNone);
  EXPECT_GE(menu->updates, 1) << "the side bar's setter rebuilds";

  // Only a published styler is a source.
  TCustomVxMenuStyler* custom = fw::Create<TCustomVxMenuStyler>(Form());
  EXPECT_THROW(styler->Assign(custom), fw::EConvertError);
}

TEST_F(MenuStylerTest, EachAppearanceObjectCopiesExactlyItsOwnList) {
  // Icon bar: check, radio, size and separator; not its own colours.
  TIconBar iconSource;
  iconSource.SetColor(fw::clRed);
  iconSource.SetCheckBorder(fw::clRed);
  iconSource.SetRadioGradientDirection(gdHorizontal);
  iconSource.SetSeparatorColor(fw::clRed);
  TIconBar icon;
  icon.Assign(&iconSource);
  EXPECT_EQ(icon.Color(), MenuRGB(249, 249, 255));
  EXPECT_EQ(icon.CheckBorder(), fw::clRed);
  EXPECT_EQ(icon.RadioGradientDirection(), gdHorizontal);
  EXPECT_EQ(icon.SeparatorColor(), fw::clRed);
  // ... and from a plain gradient bar, its colours.
  TGradientBar bar;
  icon.Assign(&bar);
  EXPECT_EQ(icon.Color(), MenuRGB(175, 189, 216));

  // Highlighted item: not the check border, not the notes font.
  TSelectedItem selectedSource;
  selectedSource.SetCheckBorder(fw::clRed);
  selectedSource.SetRadioBorder(fw::clRed);
  selectedSource.SetColorMirror(fw::clRed);
  selectedSource.NotesFont()->SetName("Courier New");
  TSelectedItem selected;
  selected.Assign(&selectedSource);
  EXPECT_EQ(selected.CheckBorder(), MenuRGB(75, 75, 111));
  EXPECT_EQ(selected.RadioBorder(), fw::clRed);
  EXPECT_EQ(selected.ColorMirror(), fw::clRed);
  EXPECT_NE(selected.NotesFont()->Name(), "Courier New");

  // Root item: not the hover mirror colours.
  TRootItem rootSource;
  rootSource.SetHoverColorMirror(fw::clRed);
  rootSource.SetSelectedColorMirror(fw::clRed);
  rootSource.SetHoverTextColor(fw::clRed);
  TRootItem root;
  root.Assign(&rootSource);
  EXPECT_EQ(root.HoverColorMirror(), kNone);
  EXPECT_EQ(root.SelectedColorMirror(), fw::clRed);
  EXPECT_EQ(root.HoverTextColor(), fw::clRed);

  // Background: picture, offsets, position and colours; not margins nor direction.
  TBackground backgroundSource;
  fw::TBitmap picture;
  picture.SetSize(3, 2);
  backgroundSource.Image()->SetGraphic(&picture);
  backgroundSource.SetOffsetX(5);
  backgroundSource.SetPosition(bpTiled);
  backgroundSource.SetColorTo(fw::clRed);
  backgroundSource.SetMarginX(4);
  backgroundSource.SetGradientDirection(gdHorizontal);
  TBackground background;
  background.Assign(&backgroundSource);
  EXPECT_EQ(background.Image()->Width(), 3);
  EXPECT_EQ(background.OffsetX(), 5);
  EXPECT_EQ(background.Position(), bpTiled);
  EXPECT_EQ(background.ColorTo(), fw::clRed);
  EXPECT_EQ(background.MarginX(), 0);
  EXPECT_EQ(background.GradientDirection(), gdVertical);

  // Separator: any gradient bar gives its colours; a separator its geometry too.
  TSeparator separatorSource;
  separatorSource.SetMargin(9);
  TSeparator separator;
  separator.Assign(&iconSource);
  EXPECT_EQ(separator.Color(), fw::clRed);
  EXPECT_EQ(separator.Margin(), 2);
  separator.Assign(&separatorSource);
  EXPECT_EQ(separator.Margin(), 9);

  // Side bar: not the splitter colours nor VisibleIn; from a bare caption, the caption settings only.
  TSideBar sideSource;
  sideSource.SetSplitterColor(fw::clRed);
  sideSource.SetVisibleIn(viAnyLevel);
  sideSource.SetBorderColor(fw::clRed);
  sideSource.SetVisible(true);
  sideSource.SetDepth(4);
  TSideBar side;
  side.Assign(&sideSource);
  EXPECT_EQ(side.SplitterColor(), MenuRGB(128, 128, 128));
  EXPECT_EQ(side.VisibleIn(), viFirstVisible);
  EXPECT_EQ(side.BorderColor(), fw::clRed);
  EXPECT_TRUE(side.Visible());
  EXPECT_EQ(side.Depth(), 4);
  TBarCaption caption;
  caption.SetCaption("Caption");
  side.Assign(&caption);
  EXPECT_EQ(side.Caption(), "Caption");
  EXPECT_EQ(side.Depth(), 1);
  EXPECT_TRUE(side.Visible());

  // Button appearance: colours and borders, never the font.
  TButtonAppearance buttonSource;
  buttonSource.SetDownBorderColor(fw::clRed);
  buttonSource.CaptionFont()->SetName("Courier New");
  TButtonAppearance button;
  button.Assign(&buttonSource);
  EXPECT_EQ(button.DownBorderColor(), fw::clRed);
  EXPECT_NE(button.CaptionFont()->Name(), "Courier New");
}

TEST_F(MenuStylerTest, OtherSourcesRaiseTheAssignmentError) {
  TBarCaption caption;
  TIconBar icon;
  TMenuGlyphs glyphs;
  TSideBar side;
  const std::vector<std::pair<fw::TPersistent*, fw::TPersistent*>> refused = {
      {&icon, &caption}, {styler->Separator(), &caption}, {&side, &icon}, {&glyphs, &icon}, {&caption, nullptr}};
  for (const auto& [target, source] : refused) {
    EXPECT_THROW(target->Assign(source), fw::EConvertError) << target->ClassName();
  }
  try {
    icon.Assign(&caption);
  } catch (const fw::EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TBarCaption to a TIconBar");
  }
  // The button appearance ignores them.
  TButtonAppearance button;
  button.SetColor(fw::clRed);
  button.Assign(&icon);
  EXPECT_EQ(button.Color(), fw::clRed);
}

TEST_F(MenuStylerTest, TheButtonAppearanceReportsChangesOfItsColours) {
  TButtonAppearance button;
  int changes = 0;
  button.OnChange = [&](fw::TObject*) { ++changes; };
  button.SetHoverColor(fw::clRed);
  button.SetHoverColor(fw::clRed);
  button.SetGradientDirection(gdHorizontal);
  EXPECT_EQ(changes, 2);
  button.SetDownBorderColor(fw::clRed);
  EXPECT_EQ(changes, 2);
  fw::TFont font;
  button.SetCaptionFont(&font);
  EXPECT_EQ(changes, 3);

  const std::string systemName = GetDefaultFontName();
  button.CaptionFont()->SetName("Courier New");
  button.SetUseSystemFont(false);
  EXPECT_EQ(button.CaptionFont()->Name(), "Courier New");
  button.SetUseSystemFont(true);
  EXPECT_EQ(button.CaptionFont()->Name(), systemName);
}

TEST_F(MenuStylerTest, ABackgroundBitmapIsReadTransparentAndAClearedPictureComesBackEmpty) {
  TBackground background;
  fw::TBitmap bitmap;
  bitmap.SetSize(4, 4);
  fw::TPicture picture;
  picture.SetGraphic(&bitmap);
  background.SetImage(&picture);
  EXPECT_FALSE(background.HeldImage()->Graphic()->Transparent());
  EXPECT_TRUE(background.Image()->Graphic()->Transparent());

  background.SetImage(nullptr);
  EXPECT_EQ(background.HeldImage(), nullptr);
  EXPECT_TRUE(background.Image()->Empty());
}

// The glyph resources, pixel for pixel: '#' black, '.' white.
TEST_F(MenuStylerTest, TheGlyphsAreTheProgramsBitmaps) {
  const std::vector<std::string> check = {
      "................", "................", "................", "................",
      "...........#....", "..........##....", ".........###....", "....#...###.....",
      "....##.###......", "....#####.......", ".....###........", "......#.........",
      "................", "................", "................", "................"};
  const std::vector<std::string> radio = {
      "................", "................", "................", "................",
      "................", "......####......", ".....######.....", ".....######.....",
      ".....######.....", ".....######.....", "......####......", "................",
      "................", "................", "................", "................"};
  const std::vector<std::string> subMenu = {"#...", "##..", "###.", "####", "###.", "##..", "#..."};
  const TMenuGlyphs glyphs;
  const std::vector<std::pair<fw::TBitmap*, const std::vector<std::string>*>> maps = {
      {glyphs.Check(), &check}, {glyphs.Radio(), &radio}, {glyphs.SubMenu(), &subMenu}};
  for (const auto& [bitmap, map] : maps) {
    ASSERT_EQ(bitmap->Height(), static_cast<int>(map->size()));
    ASSERT_EQ(bitmap->Width(), static_cast<int>((*map)[0].size()));
    EXPECT_EQ(bitmap->PixelFormat(), fw::pf1bit);
    EXPECT_TRUE(bitmap->Transparent());
    for (int y = 0; y < bitmap->Height(); ++y) {
      for (int x = 0; x < bitmap->Width(); ++x) {
        const fw::TColor expected = (*map)[y][x] == '#' ? fw::clBlack : fw::clWhite;
        EXPECT_EQ(bitmap->Canvas()->Pixels(x, y), expected) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace ui
