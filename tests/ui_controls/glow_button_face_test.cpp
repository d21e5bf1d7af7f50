// The glow button's face: the colour decision as a table over states, fades and overrides, the drawing
// pieces, the face painter (measure mode, split drop-down part, arrow, captions) and Paint on a form
// (corners repainted from the parent, a transparent face).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/rtl/arith.h"
#include "framework/rtl/exceptions.h"
#include "framework/services/service.h"
#include "tests/ui_controls/glow_test_support.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/controls/glow_face.h"
#include "ui/controls/glow_face_colors.h"
#include "ui/controls/glow_primitives.h"
#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_objects.h"

namespace ui {
namespace {

// ---- the colour decision ----

// Every look distinct: normal 0x1n, hot 0x2n, down 0x3n, checked 0x4n, disabled 0x5n, with n 0-3 for the
// four fills and 4 for the border.
void SetLooks(TGlowButtonAppearance& a) {
  a.SetColor(0x10); a.SetColorTo(0x11); a.SetColorMirror(0x12); a.SetColorMirrorTo(0x13); a.SetBorderColor(0x14);
  a.SetColorHot(0x20); a.SetColorHotTo(0x21); a.SetColorMirrorHot(0x22); a.SetColorMirrorHotTo(0x23);
  a.SetBorderColorHot(0x24);
  a.SetColorDown(0x30); a.SetColorDownTo(0x31); a.SetColorMirrorDown(0x32); a.SetColorMirrorDownTo(0x33);
  a.SetBorderColorDown(0x34);
  a.SetColorChecked(0x40); a.SetColorCheckedTo(0x41); a.SetColorMirrorChecked(0x42);
  a.SetColorMirrorCheckedTo(0x43); a.SetBorderColorChecked(0x44);
  a.SetColorDisabled(0x50); a.SetColorDisabledTo(0x51); a.SetColorMirrorDisabled(0x52);
  a.SetColorMirrorDisabledTo(0x53); a.SetBorderColorDisabled(0x54);
}

struct FaceCase {
  const char* name;
  TGlowFaceState state;
  fw::TColor color, colorTo, mirror, mirrorTo, border;
  bool highlighted;
};

TGlowFaceState With(void (*change)(TGlowFaceState&)) {
  TGlowFaceState s;
  change(s);
  return s;
}

TEST(GlowFaceColors, ChosenByStateFadeAndOverrides) {
  TGlowButtonAppearance a;
  SetLooks(a);
  const FaceCase cases[] = {
      {"normal", TGlowFaceState{}, 0x10, 0x11, 0x12, 0x13, 0x14, false},
      {"hot", With([](TGlowFaceState& s) { s.HotColors = true; }), 0x20, 0x21, 0x22, 0x23, 0x24, true},
      {"pressed", With([](TGlowFaceState& s) { s.ButtonState = gbsPressed; }), 0x30, 0x31, 0x32, 0x33, 0x34, true},
      {"down in a group", With([](TGlowFaceState& s) { s.ButtonState = gbsGroupDown; s.HotColors = true; }), 0x40,
       0x41, 0x42, 0x43, 0x44, false},
      {"checked", With([](TGlowFaceState& s) { s.Style = bsCheck; s.ButtonState = gbsPressed; }), 0x40, 0x41, 0x42,
       0x43, 0x44, false},
      {"disabled", With([](TGlowFaceState& s) { s.Enabled = false; s.ButtonState = gbsDisabled; s.HotColors = true; }),
       0x50, 0x51, 0x52, 0x53, 0x54, false},
      {"disabled without ShowDisabled keeps its state",
       With([](TGlowFaceState& s) { s.Enabled = false; s.ButtonState = gbsDisabled; s.ShowDisabled = false; }), 0x10,
       0x11, 0x12, 0x13, 0x14, false},
      {"hot fade at 50: midpoint of hot and normal, border too",
       With([](TGlowFaceState& s) { s.Fading = true; s.HotFade = 50; s.HotColors = true; }), 0x18, 0x19, 0x1A, 0x1B,
       0x1C, true},
      {"hot fade at 100 is the hot look", With([](TGlowFaceState& s) { s.Fading = true; s.HotFade = 100; }), 0x20, 0x21,
       0x22, 0x23, 0x24, false},
      {"no hot fade on a transparent button",
       With([](TGlowFaceState& s) { s.Fading = true; s.HotFade = 50; s.Transparent = true; }), 0x10, 0x11, 0x12, 0x13,
       0x14, false},
      {"pressed fade: down towards hot",
       With([](TGlowFaceState& s) { s.Fading = true; s.DownFade = 50; s.PressedGlow = true; s.ButtonState = gbsPressed; }),
       0x28, 0x29, 0x2A, 0x2B, 0x2C, true},
      {"group down under the pointer while fading: checked blended with down",
       With([](TGlowFaceState& s) {
         s.Fading = true; s.DownFade = 50; s.ButtonState = gbsGroupDown; s.MouseInControl = true; s.GroupIndex = 1;
       }),
       0x38, 0x39, 0x3A, 0x3B, 0x44, false},
      {"check pressed inside: checked towards down",
       With([](TGlowFaceState& s) {
         s.Fading = true; s.DownFade = 25; s.Style = bsCheck; s.ButtonState = gbsPressed; s.PressedGlow = true;
         s.MouseInside = true;
       }),
       0x34, 0x35, 0x36, 0x37, 0x44, false},
      {"check pressed outside: down towards checked",
       With([](TGlowFaceState& s) {
         s.Fading = true; s.DownFade = 25; s.Style = bsCheck; s.ButtonState = gbsPressed; s.PressedGlow = true;
       }),
       0x3C, 0x3D, 0x3E, 0x3F, 0x44, false},
      {"a joined button held down keeps the normal border",
       With([](TGlowFaceState& s) { s.HotColors = true; s.Position = bpLeft; s.MouseDown = true; }), 0x20, 0x21, 0x22,
       0x23, 0x14, true},
      {"the disabled look overrides the joined border",
       With([](TGlowFaceState& s) { s.Enabled = false; s.Position = bpRight; s.MouseDown = true; }), 0x50, 0x51, 0x52,
       0x53, 0x54, false},
      {"hot focus shows the hot look", With([](TGlowFaceState& s) { s.HotFocus = true; }), 0x20, 0x21, 0x22, 0x23, 0x24,
       true},
      {"... but not while pressed",
       With([](TGlowFaceState& s) { s.HotFocus = true; s.PressedGlow = true; s.ButtonState = gbsPressed; }), 0x30, 0x31,
       0x32, 0x33, 0x34, true},
  };
  for (const FaceCase& c : cases) {
    const TGlowFaceColors f = GlowFaceColors(a, c.state);
    SCOPED_TRACE(c.name);
    EXPECT_EQ(f.Color, c.color);
    EXPECT_EQ(f.ColorTo, c.colorTo);
    EXPECT_EQ(f.ColorMirror, c.mirror);
    EXPECT_EQ(f.ColorMirrorTo, c.mirrorTo);
    EXPECT_EQ(f.BorderColor, c.border);
    EXPECT_EQ(f.Highlighted, c.highlighted);
  }
  // The looks carry their gradient kinds; a lower half without colour takes the upper half's.
  a.SetGradientHot(ggDiagonalForward);
  a.SetGradientMirrorHot(ggDiagonalBackward);
  const TGlowFaceColors hot = GlowFaceColors(a, With([](TGlowFaceState& s) { s.HotColors = true; }));
  EXPECT_EQ(hot.Gradient, ggDiagonalForward);
  EXPECT_EQ(hot.GradientMirror, ggDiagonalBackward);
  a.SetColorMirror(fw::clNone);
  EXPECT_EQ(GlowFaceColors(a, TGlowFaceState{}).ColorMirror, 0x10);
}

TEST(GlowFaceColors, PaintedButtonState) {
  struct Case {
    std::uint8_t state;
    bool enabled, down;
    int group;
    TVxButtonStyle style;
    std::uint8_t expected;
  };
  const Case cases[] = {
      {gbsUp, false, false, 0, bsButton, gbsDisabled},
      {gbsGroupDown, false, true, 1, bsButton, gbsDisabled},
      {gbsDisabled, true, false, 0, bsButton, gbsUp},
      {gbsDisabled, true, true, 1, bsButton, gbsGroupDown},
      {gbsDisabled, true, true, 0, bsCheck, gbsPressed},
      {gbsUp, true, true, 0, bsCheck, gbsPressed},
      {gbsPressed, true, false, 0, bsButton, gbsPressed},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PaintedButtonState(c.state, c.enabled, c.down, c.group, c.style), c.expected)
        << int(c.state) << c.enabled << c.down << c.group;
  }
}

// ---- drawing pieces ----

class GlowDrawingTest : public testing::GlowButtonTest {
 protected:
  void SetUp() override {
    testing::GlowButtonTest::SetUp();
    bitmap_ = std::make_unique<testing::MemoryBitmap>(120, 60);
    canvas_.SetHandle(bitmap_->DC());
  }
  void TearDown() override {
    canvas_.SetHandle(nullptr);
    testing::GlowButtonTest::TearDown();
  }
  fw::TColor Pixel(int x, int y) { return bitmap_->Pixel(x, y); }
  static int Red(fw::TColor c) { return c & 0xFF; }
  static int Blue(fw::TColor c) { return (c >> 16) & 0xFF; }

  std::unique_ptr<testing::MemoryBitmap> bitmap_;
  fw::TCanvas canvas_;
};

TEST_F(GlowDrawingTest, FillGlowHalfColourOrderAndGeometry) {
  const fw::TColor red = 0x0000FF;
  const fw::TColor blue = 0xFF0000;
  {
    TGPGraphics g(bitmap_->DC());
    // Linear: Color1 at the top, Color2 at the bottom.
    FillGlowHalf(&g, fw::Rect(0, 0, 40, 40), red, blue, ggVertical, true);
    // Radial upper half: Color1 outside the ellipse (the bottom corners), Color2 at the top middle.
    FillGlowHalf(&g, fw::Rect(40, 0, 80, 40), red, blue, ggRadial, true);
    // Radial lower half: Color2 outside the ellipse (the corners), Color1 towards the bottom middle.
    FillGlowHalf(&g, fw::Rect(80, 0, 120, 40), red, blue, ggRadial, false);
    // A half without a second colour is all the first.
    FillGlowHalf(&g, fw::Rect(0, 40, 120, 60), red, fw::clNone, ggVertical, false);
  }
  EXPECT_GT(Red(Pixel(20, 1)), Blue(Pixel(20, 1)));
  EXPECT_GT(Blue(Pixel(20, 38)), Red(Pixel(20, 38)));
  EXPECT_EQ(Pixel(40, 39), red);
  EXPECT_EQ(Pixel(79, 39), red);
  EXPECT_GT(Blue(Pixel(60, 1)), Red(Pixel(60, 1)));
  EXPECT_EQ(Pixel(80, 0), blue);
  EXPECT_EQ(Pixel(119, 39), blue);
  EXPECT_GT(Red(Pixel(100, 37)), Blue(Pixel(100, 37)));
  EXPECT_EQ(Pixel(5, 50), red);
  EXPECT_EQ(Pixel(115, 55), red);
}

TEST_F(GlowDrawingTest, DropDownArrowPixels) {
  const fw::TColor c = 0x000000;
  const fw::TColor h = 0x00FF00;
  bitmap_->Fill(fw::clWhite);
  DrawDropDownArrow(&canvas_, fw::TPoint{10, 10}, c, h, true);
  DrawDropDownArrow(&canvas_, fw::TPoint{30, 10}, c, h, false);
  struct Expect {
    int x, y;
    fw::TColor colour;
  };
  const Expect down[] = {{10, 10, c}, {11, 10, c}, {12, 10, c}, {13, 10, c}, {14, 10, c}, {15, 10, fw::clWhite},
                         {11, 11, c}, {12, 11, c}, {13, 11, c}, {12, 12, c}, {10, 11, h}, {14, 11, h},
                         {11, 12, h}, {13, 12, h}, {12, 13, h}, {12, 14, fw::clWhite}};
  for (const Expect& e : down) EXPECT_EQ(Pixel(e.x, e.y), e.colour) << "down " << e.x << "," << e.y;
  const Expect right[] = {{30, 10, c}, {30, 14, c}, {30, 15, fw::clWhite}, {31, 11, c}, {31, 13, c}, {32, 12, c},
                          {31, 10, h}, {31, 14, h}, {32, 11, h}, {32, 13, h}, {33, 12, h}, {34, 12, fw::clWhite}};
  for (const Expect& e : right) EXPECT_EQ(Pixel(e.x, e.y), e.colour) << "right " << e.x << "," << e.y;
}

TEST_F(GlowDrawingTest, BorderSquareOrRounded) {
  bitmap_->Fill(fw::clWhite);
  {
    TGPGraphics g(bitmap_->DC());
    DrawGlowBorder(&g, fw::clBlack, 2, 2, 20, 10, 0);
    DrawGlowBorder(&g, fw::clBlack, 40, 2, 20, 10, 3);
  }
  EXPECT_EQ(Pixel(2, 2), fw::clBlack);
  EXPECT_EQ(Pixel(22, 12), fw::clBlack);  // Width and Height are the outline's extent
  EXPECT_EQ(Pixel(40, 2), fw::clWhite);   // a rounded corner leaves the corner pixel
  EXPECT_EQ(Pixel(50, 2), fw::clBlack);
  EXPECT_EQ(Pixel(40, 7), fw::clBlack);
}

TEST_F(GlowDrawingTest, ABmpPictureLeavesOutItsBottomLeftColour) {
  const fw::TColor red = 0x0000FF;
  const auto bytes = testing::MakeBmp(4, 4, [](int x, int y) -> std::uint32_t {
    return (x == 0 && y == 3) || (x == 3 && y == 0) ? 0x00FF00 : 0xFF0000;  // 0x00RRGGBB
  });
  TGDIPPicture picture;
  fw::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  picture.LoadFromStream(&stream);
  bitmap_->Fill(fw::clWhite);
  {
    TGPGraphics g(bitmap_->DC());
    DrawGlowPicture(&g, fw::TPoint{10, 10}, &picture);
  }
  EXPECT_EQ(Pixel(10, 10), red);
  EXPECT_EQ(Pixel(12, 12), red);
  EXPECT_EQ(Pixel(10, 13), fw::clWhite);  // the key colour, at the bottom left
  EXPECT_EQ(Pixel(13, 10), fw::clWhite);  // ... and wherever else it stands
  EXPECT_EQ(Pixel(14, 10), fw::clWhite);  // natural size
}

// ---- the face painter ----

int R(float v) { return static_cast<int>(fw::Round(v)); }

// A caption's box as the face painter measures it with GDI+: centred in a 4096-pixel square, "&" shown as an
// underline, ClearType hinting.
GpRectF MeasureCaption(fw::TFont* Font, const std::string& Text) {
  testing::MemoryBitmap bitmap(4, 4);
  TGPGraphics g(bitmap.DC());
  g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
  std::unique_ptr<TGPFont> font = CreateGPFont(Font, true);
  TGPStringFormat format(0);
  format.SetAlignment(StringAlignmentCenter);
  format.SetLineAlignment(StringAlignmentCenter);
  format.SetHotkeyPrefix(HotkeyPrefixShow);
  GpRectF box{};
  int fitted = 0;
  int lines = 0;
  const std::wstring wide = AnsiToWide(Text);
  g.MeasureString(wide, static_cast<int>(wide.size()), font.get(), MakeRect(0, 0, 4096, 4096), &format, box, fitted,
                  lines);
  return box;
}

class GlowFacePainterTest : public GlowDrawingTest {
 protected:
  void SetUp() override {
    GlowDrawingTest::SetUp();
    font_.SetName("DejaVu Sans");
    font_.SetSize(10);
    font_.SetColor(kText);
    face_.R = fw::Rect(0, 0, 120, 60);
    face_.Font = &font_;
    face_.Colors = Solid(kFace);
    face_.Rounded = false;
    face_.Border = false;
  }
  static TGlowFaceColors Solid(fw::TColor c) {
    TGlowFaceColors f;
    f.Color = f.ColorTo = f.ColorMirror = f.ColorMirrorTo = f.BorderColor = c;
    f.Gradient = f.GradientMirror = ggVertical;
    return f;
  }
  int Count(const RECT& r, fw::TColor c) { return bitmap_->Count(r, c); }
  GpRectF Measure(const std::string& text) { return MeasureCaption(&font_, text); }

  static constexpr fw::TColor kFace = 0x00C000;
  static constexpr fw::TColor kText = 0x0000FF;
  fw::TFont font_;
  TGlowFace face_;
};

TEST_F(GlowFacePainterTest, MeasureModeDrawsTheBackgroundButNoCaptionAndWritesTheSize) {
  face_.Caption = "Save";
  face_.MeasureOnly = true;
  const fw::TSize measured = DrawGlowButton(&canvas_, face_);
  const GpRectF box = Measure("Save");
  EXPECT_EQ(measured.cx, R(box.Width) + 2);  // spacing 2, no glyph
  EXPECT_EQ(measured.cy, R(box.Height) + 2);
  const RECT all{0, 0, 120, 60};
  EXPECT_EQ(Count(all, kFace), 120 * 60);
  face_.MeasureOnly = false;
  DrawGlowButton(&canvas_, face_);
  EXPECT_LT(Count(all, kFace), 120 * 60);  // now the caption is there
}

TEST_F(GlowFacePainterTest, BackslashNInACaptionBreaksTheLine) {
  EXPECT_EQ(GlowCaptionText("One\\nTwo\\Nthree", false), "One\r\nTwo\r\nthree");
  EXPECT_EQ(GlowCaptionText("One\\nTwo", true), "One Two");
  face_.Caption = "One\\nTwo";
  face_.MeasureOnly = true;
  const fw::TSize measured = DrawGlowButton(&canvas_, face_);
  const GpRectF twoLines = Measure("One\r\nTwo");
  const GpRectF oneLine = Measure("One");
  EXPECT_EQ(measured.cy, R(twoLines.Height) + 2);
  EXPECT_GT(twoLines.Height, 1.8f * oneLine.Height);
  EXPECT_LT(twoLines.Height, 2.5f * oneLine.Height);  // no empty line between them
}

TEST_F(GlowFacePainterTest, NotesWidenTheMeasureAndLayTheGlyphLeft) {
  fw::TStringList notes;
  notes.Add("a much longer line of notes");
  face_.Caption = "Go";
  face_.Notes = &notes;
  face_.NotesFont = &font_;
  face_.Layout = blGlyphTop;
  face_.MeasureOnly = true;
  const fw::TSize measured = DrawGlowButton(&canvas_, face_);
  const GpRectF notesBox = Measure(notes.Text());
  EXPECT_EQ(measured.cx, R(notesBox.Width) + 2);  // the side-by-side rule, not the top-layout one
}

TEST_F(GlowFacePainterTest, SplitDropDownPartOnTheRight) {
  face_.DropDownButton = true;
  face_.DropDownSplit = true;
  face_.Colors.Highlighted = true;
  face_.Colors.BorderColor = 0x800080;
  face_.DropDownState = 2;  // pointer on the button part: the band is shaded
  DrawGlowButton(&canvas_, face_);
  const fw::TColor shaded = ShadeColor(kFace, -10);
  EXPECT_EQ(Pixel(50, 10), kFace);
  EXPECT_EQ(Pixel(50, 50), kFace);
  EXPECT_EQ(Pixel(112, 5), shaded);
  EXPECT_EQ(Pixel(112, 55), shaded);
  EXPECT_EQ(Pixel(120 - 14, 30), 0x800080);  // the separator at the 14-pixel part's left edge
  face_.DropDownState = 1;  // over the drop-down part: the button part is shaded
  DrawGlowButton(&canvas_, face_);
  EXPECT_EQ(Pixel(50, 10), shaded);
  EXPECT_EQ(Pixel(50, 50), shaded);
  EXPECT_EQ(Pixel(112, 55), kFace);
}

TEST_F(GlowFacePainterTest, SplitDropDownPartAtTheBottom) {
  face_.DropDownButton = true;
  face_.DropDownSplit = true;
  face_.DropDownPosition = dpBottom;
  face_.Colors.Highlighted = true;
  face_.DropDownState = 2;
  DrawGlowButton(&canvas_, face_);
  const fw::TColor shaded = ShadeColor(kFace, -10);
  EXPECT_EQ(Pixel(60, 5), kFace);
  EXPECT_EQ(Pixel(60, 47), kFace);  // the button part ends 12 rows above the bottom
  EXPECT_EQ(Pixel(5, 50), shaded);
  EXPECT_EQ(Pixel(5, 59), shaded);
}

TEST_F(GlowFacePainterTest, AnArrowWithoutCaptionIsCentredInTheDropDownPart) {
  face_.DropDownButton = true;
  DrawGlowButton(&canvas_, face_);
  // x = (14 - 5) div 2 + 106 = 110; y = (60 - 3) div 2 + 1 = 29.
  EXPECT_EQ(Pixel(110, 29), fw::clBlack);
  EXPECT_EQ(Pixel(114, 29), fw::clBlack);
  EXPECT_EQ(Pixel(112, 31), fw::clBlack);
  EXPECT_EQ(Pixel(112, 32), fw::clWhite);
  face_.Enabled = false;
  DrawGlowButton(&canvas_, face_);
  EXPECT_EQ(Pixel(110, 29), 0x808080);
}

TEST_F(GlowFacePainterTest, ATransparentFaceDrawsNoBackgroundOrBorderButItsMenuOrDownStateDoes) {
  bitmap_->Fill(fw::clWhite);
  face_.TransparentFace = true;
  face_.Border = true;
  DrawGlowButton(&canvas_, face_);
  const RECT all{0, 0, 120, 60};
  EXPECT_EQ(Count(all, fw::clWhite), 120 * 60);
  face_.Down = true;
  DrawGlowButton(&canvas_, face_);
  EXPECT_EQ(Pixel(60, 30), kFace);
}

// ---- Paint on a form ----

class GlowPaintTest : public testing::GlowButtonTest {
 protected:
  void SetUp() override {
    testing::GlowButtonTest::SetUp();
    Form()->SetColor(kParent);
    Form()->Show();
  }
  TVxGlowButton* SolidButton(fw::TColor c) {
    TVxGlowButton* b = Button();
    TControlFaceColors colours;
    colours.NormalFill = colours.NormalBorder = colours.HotFill = colours.HotBorder = colours.DownFill =
        colours.DownBorder = c;
    b->ApplyStyleColors(colours);
    b->SetRounded(true);
    b->SetCaption("");
    return b;
  }
  static constexpr fw::TColor kParent = 0x00FF00;
};

TEST_F(GlowPaintTest, RoundedCornersAreRepaintedFromTheParentByPosition) {
  struct Case {
    TButtonPosition position;
    bool left, right;
  };
  const Case cases[] = {{bpStandalone, true, true}, {bpLeft, true, false}, {bpRight, false, true}, {bpMiddle, false, false}};
  for (const Case& c : cases) {
    TVxGlowButton* b = SolidButton(0xC00000);
    b->SetPosition(c.position);
    testing::MemoryBitmap bitmap(b->Width(), b->Height());
    b->PaintTo(bitmap.DC(), 0, 0);
    const int w = b->Width() - 1;
    const int h = b->Height() - 1;
    SCOPED_TRACE(static_cast<int>(c.position));
    EXPECT_EQ(bitmap.Pixel(0, 0) == kParent, c.left);
    EXPECT_EQ(bitmap.Pixel(0, h) == kParent, c.left);
    EXPECT_EQ(bitmap.Pixel(w, 0) == kParent, c.right);
    EXPECT_EQ(bitmap.Pixel(w, h) == kParent, c.right);
    EXPECT_EQ(bitmap.Pixel(w / 2, h / 2), 0xC00000);
  }
}

TEST_F(GlowPaintTest, ATransparentButtonThatIsNotHotShowsOnlyTheParent) {
  TVxGlowButton* b = SolidButton(0xC00000);
  b->SetTransparent(true);
  testing::MemoryBitmap bitmap(b->Width(), b->Height());
  b->PaintTo(bitmap.DC(), 0, 0);
  const RECT all{0, 0, b->Width(), b->Height()};
  EXPECT_EQ(bitmap.Count(all, kParent), b->Width() * b->Height());
}

TEST_F(GlowPaintTest, OnDrawButtonFollowsEachFace) {
  TVxGlowButton* b = SolidButton(0xC00000);
  std::vector<TGlowButtonState> states;
  b->OnDrawButton = [&](fw::TObject*, fw::TCanvas*, const fw::TRect& r, TGlowButtonState s) {
    EXPECT_EQ(r.Width(), 100);
    states.push_back(s);
  };
  testing::MemoryBitmap bitmap(b->Width(), b->Height());
  auto paintedState = [&] {
    states.clear();
    b->PaintTo(bitmap.DC(), 0, 0);
    return states.size() == 1 ? states[0] : -1;
  };
  EXPECT_EQ(paintedState(), 0);
  b->Perform(fw::CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(b));
  EXPECT_EQ(paintedState(), 1);
  b->SetStyle(bsCheck);
  b->SetDown(true);
  EXPECT_EQ(paintedState(), 2);
}

TEST_F(GlowPaintTest, AutoSizeFollowsTheCaption) {
  TVxGlowButton* b = Button();
  b->Appearance()->SetSystemFont(false);
  b->Font()->SetName("DejaVu Sans");
  b->Font()->SetSize(10);
  b->SetAutoSize(true);
  b->SetCaption("A longer caption");
  const GpRectF box = MeasureCaption(b->Font(), "A longer caption");
  // Content: caption width + spacing; then 3 x spacing + 2 x margin + 2.
  EXPECT_EQ(b->Width(), (R(box.Width) + 2) + 3 * 2 + 2 * 1 + 2);
}

TEST_F(GlowPaintTest, APictureThatCannotBeDecodedForLackOfMemoryAbandonsOnlyThatPaint) {
  TVxGlowButton* b = SolidButton(0xC00000);
  const auto bytes = testing::MakePng(8, 8, [](int, int) -> std::uint32_t { return 0xFF0000FF; });
  fw::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
  b->Picture()->LoadFromStream(&stream);
  int faces = 0;
  b->OnDrawButton = [&](fw::TObject*, fw::TCanvas*, const fw::TRect&, TGlowButtonState) { ++faces; };
  testing::MemoryBitmap bitmap(b->Width(), b->Height());
  {
    fw::ServiceDouble<HGLOBAL(UINT, SIZE_T)> none(ImageMemoryAllocate, [](UINT, SIZE_T) -> HGLOBAL { return nullptr; });
    try {
      b->PaintTo(bitmap.DC(), 0, 0);
      ADD_FAILURE() << "the paint went on";
    } catch (const fw::Exception& e) {
      EXPECT_STREQ(e.what(), "Could not allocate memory for image");
    }
  }
  EXPECT_EQ(faces, 0);
  b->PaintTo(bitmap.DC(), 0, 0);  // the next paint is not kept out
  EXPECT_EQ(faces, 1);
}

}  // namespace
}  // namespace ui
