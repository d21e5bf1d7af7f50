// The header, footer and button appearances of the drop-downs: their defaults, which writes tell their
// owner, the buttons' change report and Assign with its refusals.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/classes/component.h"
#include "framework/rtl/exceptions.h"
#include "tests/support/notify_counter.h"
#include "ui/dropdown/dropdown_bar_appearance.h"
#include "ui/dropdown/dropdown_button_appearance.h"

namespace ui::testing {
namespace {

using Counter = testsupport::NotifyCounter;

// An owner component and a header and footer appearance made with it, their events counted.
class BarAppearanceTest : public ::testing::Test {
 protected:
  BarAppearanceTest() : owner_(new fw::TComponent(nullptr)), header_(owner_.get()), footer_(owner_.get()) {
    header_.OnChange = headerChanges_.Handler();
    header_.OnButtonsChange = headerButtons_.Handler();
    footer_.OnChange = footerChanges_.Handler();
    footer_.OnButtonsChange = footerButtons_.Handler();
  }

  std::unique_ptr<fw::TComponent> owner_;
  THeaderAppearance header_;
  TFooterAppearance footer_;
  Counter headerChanges_, headerButtons_, footerChanges_, footerButtons_;
};

void ExpectBarDefaults(TBarAppearance& bar) {
  EXPECT_EQ(bar.Color(), 0xC0C0C0);
  EXPECT_EQ(bar.ColorTo(), 0xFFFFFF);
  EXPECT_EQ(bar.Caption(), "");
  EXPECT_EQ(bar.GradientDirection(), dropdown::gdVertical);
  EXPECT_TRUE(bar.Visible());
  EXPECT_EQ(bar.Height(), 22);
  EXPECT_EQ(bar.BorderColor(), 0x000000);
  EXPECT_EQ(bar.BorderWidth(), 1);
  EXPECT_EQ(bar.ImageIndex(), -1);
  EXPECT_EQ(bar.ButtonAlignment(), baRight);
}

TEST_F(BarAppearanceTest, StartsVisibleSilverToWhiteWithABlackBorderAndNoButtons) {
  ExpectBarDefaults(header_);
  ExpectBarDefaults(footer_);
  EXPECT_EQ(header_.Font()->Name(), "Tahoma");
  EXPECT_EQ(footer_.Font()->Name(), fw::TFont().Name());
  EXPECT_TRUE(footer_.SizeGrip());
  EXPECT_EQ(header_.Buttons()->Count(), 0);
  EXPECT_EQ(footer_.Buttons()->Count(), 0);
  EXPECT_EQ(header_.GetOwner(), owner_.get());
  EXPECT_EQ(footer_.GetOwner(), owner_.get());
  EXPECT_EQ(header_.Buttons()->GetOwner(), owner_.get());
  EXPECT_EQ(footer_.Buttons()->GetOwner(), owner_.get());
}

TEST_F(BarAppearanceTest, OnlyAChangedVisibleTellsOnChange) {
  header_.SetVisible(true);
  EXPECT_EQ(headerChanges_.count, 0);
  header_.SetVisible(false);
  EXPECT_EQ(headerChanges_.count, 1);
  EXPECT_EQ(headerChanges_.lastSender, &header_);
  EXPECT_FALSE(header_.Visible());

  fw::TFont font;
  font.SetName("Arial");
  const std::function<void(TBarAppearance&)> plainStores[] = {
      [](TBarAppearance& b) { b.SetHeight(40); },
      [](TBarAppearance& b) { b.SetColor(fw::clRed); },
      [](TBarAppearance& b) { b.SetColorTo(fw::clNone); },
      [](TBarAppearance& b) { b.SetCaption("<b>Pick</b>"); },
      [&](TBarAppearance& b) { b.SetFont(&font); },
      [](TBarAppearance& b) { b.SetGradientDirection(dropdown::gdHorizontal); },
      [](TBarAppearance& b) { b.SetBorderColor(fw::clNone); },
      [](TBarAppearance& b) { b.SetBorderWidth(0); },
      [](TBarAppearance& b) { b.SetImageIndex(3); },
      [](TBarAppearance& b) { b.SetButtonAlignment(baLeft); },
  };
  for (const auto& store : plainStores) {
    store(header_);
    store(footer_);
  }
  footer_.SetSizeGrip(false);
  EXPECT_EQ(headerChanges_.count, 1);
  EXPECT_EQ(footerChanges_.count, 0);
  EXPECT_EQ(header_.Height(), 40);
  EXPECT_EQ(footer_.Caption(), "<b>Pick</b>");
  EXPECT_EQ(footer_.Font()->Name(), "Arial");
  EXPECT_NE(footer_.Font(), &font);  // copied, not taken
}

TEST_F(BarAppearanceTest, AButtonsCaptionEnabledAndWidthTellOnButtonsChangeAndNothingElseDoes) {
  THeaderButton* button = header_.Buttons()->Add();
  TFooterButton* footerButton = footer_.Buttons()->Add();
  footer_.Buttons()->Add();
  EXPECT_EQ(headerButtons_.count, 0);  // adding tells nothing
  EXPECT_EQ(button->Caption(), "");
  EXPECT_EQ(button->ImageIndex(), -1);
  EXPECT_TRUE(button->Enabled());
  EXPECT_EQ(button->Width(), 0);
  EXPECT_EQ(button->Height(), 0);
  EXPECT_EQ(footerButton->ModalResult(), fw::mrNone);

  struct Case {
    const char* what;
    std::function<void()> write;
    int headerTells, footerTells;
  };
  const Case cases[] = {
      {"caption", [&] { button->SetCaption("OK"); }, 1, 0},
      {"same caption", [&] { button->SetCaption("OK"); }, 0, 0},
      {"enabled", [&] { button->SetEnabled(false); }, 1, 0},
      {"same enabled", [&] { button->SetEnabled(false); }, 0, 0},
      {"width", [&] { button->SetWidth(30); }, 1, 0},
      {"height", [&] { button->SetHeight(18); }, 0, 0},
      {"image index", [&] { button->SetImageIndex(2); }, 0, 0},
      {"footer caption", [&] { footerButton->SetCaption("Close"); }, 0, 1},
      {"modal result", [&] { footerButton->SetModalResult(fw::mrOk); }, 0, 0},
      {"move", [&] { footerButton->SetIndex(1); }, 0, 0},
      {"delete", [&] { footer_.Buttons()->Delete(0); }, 0, 0},
      {"clear", [&] { footer_.Buttons()->Clear(); }, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headerButtons_.count = footerButtons_.count = 0;
    c.write();
    EXPECT_EQ(headerButtons_.count, c.headerTells);
    EXPECT_EQ(footerButtons_.count, c.footerTells);
  }
  EXPECT_EQ(headerButtons_.lastSender, &header_);
  EXPECT_EQ(button->Height(), 18);
  EXPECT_EQ(headerChanges_.count, 0);
  EXPECT_THROW(header_.Buttons()->Items(1), fw::EListError);
}

TEST_F(BarAppearanceTest, HeaderAssignCopiesEveryValueAndTellsOnChangeOnlyForADifferentVisible) {
  THeaderAppearance source(nullptr);
  source.SetColor(fw::clRed);
  source.SetColorTo(fw::clNone);
  source.SetCaption("Head");
  source.Font()->SetName("Courier New");
  source.SetGradientDirection(dropdown::gdHorizontal);
  source.SetHeight(30);
  source.SetBorderColor(fw::clBlue);
  source.SetBorderWidth(2);
  source.SetImageIndex(4);
  source.SetButtonAlignment(baLeft);
  THeaderButton* a = source.Buttons()->Add();
  a->SetCaption("A");
  a->SetImageIndex(1);
  a->SetHeight(12);
  source.Buttons()->Add()->SetWidth(50);

  header_.Assign(&source);
  EXPECT_EQ(headerChanges_.count, 0);  // Visible is the same on both
  EXPECT_EQ(header_.Color(), fw::clRed);
  EXPECT_EQ(header_.ColorTo(), fw::clNone);
  EXPECT_EQ(header_.Caption(), "Head");
  EXPECT_EQ(header_.Font()->Name(), "Courier New");
  EXPECT_EQ(header_.GradientDirection(), dropdown::gdHorizontal);
  EXPECT_EQ(header_.Height(), 30);
  EXPECT_EQ(header_.BorderColor(), fw::clBlue);
  EXPECT_EQ(header_.BorderWidth(), 2);
  EXPECT_EQ(header_.ImageIndex(), 4);
  EXPECT_EQ(header_.ButtonAlignment(), baLeft);
  ASSERT_EQ(header_.Buttons()->Count(), 2);
  EXPECT_EQ(header_.Buttons()->Items(0)->Caption(), "A");
  EXPECT_EQ(header_.Buttons()->Items(0)->ImageIndex(), 1);
  EXPECT_EQ(header_.Buttons()->Items(0)->Height(), 12);
  EXPECT_EQ(header_.Buttons()->Items(1)->Width(), 50);
  // The copied buttons go through their setters: the caption of one and the width of the other.
  EXPECT_EQ(headerButtons_.count, 2);

  source.SetVisible(false);
  header_.Assign(&source);
  EXPECT_EQ(headerChanges_.count, 1);
  EXPECT_FALSE(header_.Visible());
}

TEST_F(BarAppearanceTest, FooterAssignCopiesTheSizeGripAndTheButtonsModalResults) {
  TFooterAppearance source(nullptr);
  source.SetSizeGrip(false);
  source.SetCaption("Foot");
  source.SetVisible(false);
  TFooterButton* button = source.Buttons()->Add();
  button->SetModalResult(fw::mrCancel);
  button->SetEnabled(false);

  footer_.Assign(&source);
  EXPECT_FALSE(footer_.SizeGrip());
  EXPECT_EQ(footer_.Caption(), "Foot");
  EXPECT_EQ(footerChanges_.count, 1);
  ASSERT_EQ(footer_.Buttons()->Count(), 1);
  EXPECT_EQ(footer_.Buttons()->Items(0)->ModalResult(), fw::mrCancel);
  EXPECT_FALSE(footer_.Buttons()->Items(0)->Enabled());
}

TEST_F(BarAppearanceTest, AForeignSourceLeavesABarUnchangedAndAButtonRaisesTheAssignError) {
  footer_.SetCaption("mine");
  footer_.SetVisible(false);
  footerChanges_.count = 0;
  footer_.Assign(&header_);
  footer_.Assign(nullptr);
  EXPECT_EQ(footer_.Caption(), "mine");
  EXPECT_FALSE(footer_.Visible());
  EXPECT_EQ(footerChanges_.count, 0);
  header_.Assign(&footer_);
  EXPECT_TRUE(header_.Visible());

  THeaderButton* headerButton = header_.Buttons()->Add();
  TFooterButton* footerButton = footer_.Buttons()->Add();
  footerButton->SetCaption("x");
  EXPECT_THROW(headerButton->Assign(footerButton), fw::EConvertError);
  EXPECT_THROW(footerButton->Assign(headerButton), fw::EConvertError);
  EXPECT_EQ(headerButton->Caption(), "");
  // A collection of the other kind of buttons cannot be copied either.
  EXPECT_THROW(header_.Buttons()->Assign(footer_.Buttons()), fw::EConvertError);
}

// ---- the button appearance ----

struct ColorProperty {
  const char* name;
  fw::TColor (TVxButtonAppearance::*get)() const;
  void (TVxButtonAppearance::*set)(fw::TColor);
  fw::TColor byDefault;
};

const ColorProperty kButtonColors[] = {
    {"BorderColor", &TVxButtonAppearance::BorderColor, &TVxButtonAppearance::SetBorderColor, fw::clNone},
    {"BorderColorHot", &TVxButtonAppearance::BorderColorHot, &TVxButtonAppearance::SetBorderColorHot, 0x808080},
    {"BorderColorDown", &TVxButtonAppearance::BorderColorDown, &TVxButtonAppearance::SetBorderColorDown, 0x800000},
    {"BorderColorDisabled", &TVxButtonAppearance::BorderColorDisabled, &TVxButtonAppearance::SetBorderColorDisabled,
     0x808080},
    {"Color", &TVxButtonAppearance::Color, &TVxButtonAppearance::SetColor, fw::clNone},
    {"ColorTo", &TVxButtonAppearance::ColorTo, &TVxButtonAppearance::SetColorTo, fw::clNone},
    {"ColorDisabled", &TVxButtonAppearance::ColorDisabled, &TVxButtonAppearance::SetColorDisabled, 0xF2F2F2},
    {"ColorDisabledTo", &TVxButtonAppearance::ColorDisabledTo, &TVxButtonAppearance::SetColorDisabledTo, fw::clNone},
    {"ColorDown", &TVxButtonAppearance::ColorDown, &TVxButtonAppearance::SetColorDown, 0xF5D8CA},
    {"ColorDownTo", &TVxButtonAppearance::ColorDownTo, &TVxButtonAppearance::SetColorDownTo, 0xF9BDA0},
    {"ColorHot", &TVxButtonAppearance::ColorHot, &TVxButtonAppearance::SetColorHot, 0xF5F0E1},
    {"ColorHotTo", &TVxButtonAppearance::ColorHotTo, &TVxButtonAppearance::SetColorHotTo, 0xF9D2B2},
    {"CheckedColor", &TVxButtonAppearance::CheckedColor, &TVxButtonAppearance::SetCheckedColor, 0xF5D8CA},
    {"CheckedColorTo", &TVxButtonAppearance::CheckedColorTo, &TVxButtonAppearance::SetCheckedColorTo, 0xF9BDA0},
    {"CheckedBorderColor", &TVxButtonAppearance::CheckedBorderColor, &TVxButtonAppearance::SetCheckedBorderColor,
     0xFF0000},
};

TEST(ButtonAppearance, EveryColourStartsAtItsDefaultAndTellsOnChangeOnlyWhenItChanges) {
  TVxButtonAppearance appearance;
  Counter changes;
  appearance.OnChange = changes.Handler();
  EXPECT_EQ(appearance.Gradient(), dropdown::gdVertical);
  EXPECT_EQ(appearance.Font()->Name(), "Tahoma");
  EXPECT_EQ(appearance.CheckedColor(), appearance.ColorDown());
  EXPECT_EQ(appearance.CheckedColorTo(), appearance.ColorDownTo());
  for (const ColorProperty& p : kButtonColors) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ((appearance.*p.get)(), p.byDefault);
    changes.count = 0;
    (appearance.*p.set)(p.byDefault);
    EXPECT_EQ(changes.count, 0);
    (appearance.*p.set)(0x123456);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ((appearance.*p.get)(), 0x123456);
  }
  changes.count = 0;
  appearance.SetGradient(dropdown::gdVertical);
  appearance.SetGradient(dropdown::gdHorizontal);
  fw::TFont font;
  font.SetName("Arial");
  appearance.SetFont(&font);
  EXPECT_EQ(changes.count, 1);  // the gradient once; the font tells nothing
  EXPECT_EQ(appearance.Font()->Name(), "Arial");
}

TEST(ButtonAppearance, AssignGoesThroughTheSettersAndRefusesAForeignSource) {
  TVxButtonAppearance source, target;
  source.SetColor(fw::clRed);
  source.SetCheckedColor(fw::clGreen);
  source.SetCheckedBorderColor(fw::clBlue);  // already the default: no change on the target
  source.SetGradient(dropdown::gdHorizontal);
  source.Font()->SetName("Arial");
  Counter changes;
  target.OnChange = changes.Handler();

  target.Assign(&source);
  EXPECT_EQ(changes.count, 3);
  for (const ColorProperty& p : kButtonColors) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ((target.*p.get)(), (source.*p.get)());
  }
  EXPECT_EQ(target.Gradient(), dropdown::gdHorizontal);
  EXPECT_EQ(target.Font()->Name(), "Arial");

  THeaderAppearance header(nullptr);
  EXPECT_THROW(target.Assign(&header), fw::EConvertError);
  EXPECT_THROW(target.Assign(nullptr), fw::EConvertError);
}

}  // namespace
}  // namespace ui::testing
