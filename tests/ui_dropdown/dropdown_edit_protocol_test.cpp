// The drop-down edit as a component: the construction protocol its descendants rely on, its defaults, the
// stored style numbers, Assign, references that go away, the version and the remembered pop-up size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/writer.h"
#include "framework/graphics/image_list.h"
#include "framework/streams/memory_stream.h"
#include "tests/ui_dropdown/dropdown_test_support.h"

namespace ui::testing {
namespace {

// A picker whose description opens upwards with the editor off: its own defaults, set after the base's.
class UpwardPicker : public RecordingDropDown {
 public:
  using RecordingDropDown::RecordingDropDown;
  void AfterConstruction() override {
    RecordingDropDown::AfterConstruction();
    SetEditorEnabled(false);
    SetDropPosition(dpUp);
  }
};

using DropDownProtocolTest = DropDownTest;

TEST_F(DropDownProtocolTest, ConstructionCallsTheDescendantsFiveOverridesInOrderWithItsPartsPresent) {
  auto* dropDown = MakeDropDown();
  const std::vector<std::string> expected{"CreateDropDownForm", "CreateDropDownButton", "SetText",
                                          "SetSelectionColorStyle(1)", "ApplyStyle(4)"};
  EXPECT_EQ(dropDown->Calls, expected);
  EXPECT_EQ(dropDown->PartPresent, std::vector<bool>(5, true));
  // The base's parts are there when its own steps need them.
  ASSERT_NE(dropDown->Button(), nullptr);
  EXPECT_EQ(dropDown->Button()->Parent(), dropDown);
  EXPECT_EQ(dropDown->Button()->FocusControl(), dropDown);
  EXPECT_EQ(dropDown->GetStyle(), 4);
  EXPECT_EQ(dropDown->SelectionColorStyle(), 1);
}

TEST_F(DropDownProtocolTest, ADescendantsDefaultsSurviveTheBaseConstruction) {
  auto* picker = MakeDropDown<UpwardPicker>();
  EXPECT_FALSE(picker->EditorEnabled());
  EXPECT_EQ(picker->DropPosition(), dpUp);
  EXPECT_FALSE(picker->ControlStyle().Contains(fw::csDoubleClicks));
}

TEST_F(DropDownProtocolTest, DefaultsOutsideTheStylePresets) {
  auto* d = MakeDropDown<RecordingDropDown>(fw::TRect{});
  EXPECT_EQ(d->Width(), 200);
  EXPECT_EQ(d->Height(), 21);
  EXPECT_EQ(d->BorderColor(), fw::clNone);
  EXPECT_EQ(d->FocusBorderColor(), fw::clNone);
  EXPECT_TRUE(d->DisabledBorder());
  EXPECT_EQ(d->DropDownBorderWidth(), 1);
  EXPECT_TRUE(d->DropDownShadow());
  EXPECT_EQ(d->DropDownWidth(), 0);
  EXPECT_EQ(d->DropDownHeight(), 0);
  EXPECT_EQ(d->UserWidth(), -1);
  EXPECT_EQ(d->UserHeight(), -1);
  EXPECT_EQ(d->DropPosition(), dpAuto);
  EXPECT_EQ(d->DropDownButtonWidth(), 17);
  EXPECT_EQ(d->Button()->ButtonWidth(), 17);
  EXPECT_EQ(d->DropDownButtonHint(), "");
  EXPECT_TRUE(d->DropDownButtonGlyph()->Empty());
  EXPECT_TRUE(d->DropDownSizeable());
  EXPECT_EQ(d->Images(), nullptr);
  EXPECT_TRUE(d->EditorEnabled());
  EXPECT_TRUE(d->ControlStyle().Contains(fw::csDoubleClicks));
  EXPECT_FALSE(d->ControlStyle().Contains(fw::csSetCaption));
  EXPECT_FALSE(d->ReadOnly());
  EXPECT_EQ(d->LabelCaption(), "");
  EXPECT_EQ(d->Label(), nullptr);
  EXPECT_EQ(d->LabelPosition(), lpLeftTop);
  EXPECT_EQ(d->LabelMargin(), 0);
  EXPECT_FALSE(d->LabelTransparent());
  EXPECT_FALSE(d->LabelAlwaysEnabled());
  EXPECT_EQ(d->LabelFont()->Name(), fw::TFont().Name());
  EXPECT_EQ(d->SelectionColor(), 0xD7FFFD);
  EXPECT_EQ(d->SelectionColorTo(), 0x58D4FC);
  EXPECT_EQ(d->GradientDirection(), dropdown::gdHorizontal);
  EXPECT_TRUE(d->FocusDraw());
  EXPECT_FALSE(d->ForcedShadow());
  EXPECT_FALSE(d->DropDownEnabled());
  EXPECT_FALSE(d->DroppedDown());
  EXPECT_EQ(d->DropDownForm(), nullptr);
  EXPECT_EQ(d->Text(), "");
  EXPECT_EQ(d->OldText(), "");
  EXPECT_EQ(d->Control(), nullptr);
  EXPECT_EQ(d->Button()->Button()->ButtonStyle(), bsDropDown);
  // The appearances belong to the drop-down.
  EXPECT_EQ(d->DropDownHeader()->GetOwner(), d);
  EXPECT_EQ(d->DropDownFooter()->GetOwner(), d);
  // Style 4's pressed colour replaces the appearance's own default.
  EXPECT_EQ(d->ButtonAppearance()->ColorDown(), 0xAAD9FF);
}

TEST_F(DropDownProtocolTest, TheStyleNumbersAreAlwaysStoredAndReadBack) {
  auto* source = MakeDropDown();
  source->SetComponentStyle(9);
  source->SetSelectionColorStyle(3);
  fw::TMemoryStream stream;
  fw::TWriter(&stream).WriteComponent(source);
  const std::string bytes(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  EXPECT_NE(bytes.find("NRVStyle"), std::string::npos);
  EXPECT_NE(bytes.find("SelectionColorStyle"), std::string::npos);

  auto* target = MakeDropDown();
  stream.SetPosition(0);
  fw::TReader(&stream).ReadComponent(target);
  EXPECT_EQ(target->GetStyle(), 9);
  EXPECT_EQ(target->SelectionColorStyle(), 3);
  // Reading stores the numbers only: the colours stay those the control had.
  EXPECT_EQ(target->SelectionColor(), 0xD7FFFD);

  // At their construction values they are written all the same.
  fw::TMemoryStream defaults;
  fw::TWriter(&defaults).WriteComponent(MakeDropDown());
  const std::string plain(static_cast<const char*>(defaults.Memory()), static_cast<size_t>(defaults.Size()));
  EXPECT_NE(plain.find("NRVStyle"), std::string::npos);
  EXPECT_NE(plain.find("SelectionColorStyle"), std::string::npos);
}

TEST_F(DropDownProtocolTest, AssignCopiesFromADropDownOnlyAndThroughTheButtonSetters) {
  auto* target = MakeDropDown();
  auto* source = MakeDropDown();
  source->SetDropDownColor(fw::clRed);
  source->SetDropDownWidth(300);
  source->SetDropPosition(dpUp);
  source->SetDropDownButtonWidth(25);
  source->SetDropDownButtonHint("Open");
  source->SetEditorEnabled(false);
  source->SetSelectionColor(fw::clGreen);
  source->DropDownHeader()->SetCaption("Pick");
  source->SetDropDownButtonCaption("v");

  fw::TFont foreign;
  target->Assign(&foreign);
  target->Assign(source->DropDownHeader());
  EXPECT_EQ(target->DropDownColor(), 0xF3E5DA);
  EXPECT_EQ(target->DropDownWidth(), 0);
  EXPECT_EQ(target->DropDownButtonWidth(), 17);
  EXPECT_EQ(target->DropDownHeader()->Caption(), "");

  target->Assign(source);
  EXPECT_EQ(target->DropDownColor(), fw::clRed);
  EXPECT_EQ(target->DropDownWidth(), 300);
  EXPECT_EQ(target->DropPosition(), dpUp);
  EXPECT_EQ(target->DropDownButtonWidth(), 25);
  EXPECT_EQ(target->Button()->ButtonWidth(), 25);
  EXPECT_EQ(target->Button()->Hint(), "Open");
  EXPECT_TRUE(target->Button()->ShowHint());
  EXPECT_FALSE(target->EditorEnabled());
  // EditorEnabled is copied as a value: the control style keeps what it had.
  EXPECT_TRUE(target->ControlStyle().Contains(fw::csDoubleClicks));
  EXPECT_EQ(target->SelectionColor(), fw::clGreen);
  EXPECT_EQ(target->DropDownHeader()->Caption(), "Pick");
  EXPECT_EQ(target->GetDropDownButtonCaption(), "v");
}

TEST_F(DropDownProtocolTest, ComponentsThatGoAreDropped) {
  auto* dropDown = MakeDropDown();
  auto* images = fw::Create<fw::TImageList>(Form());
  auto* picker = Make<fw::TEdit>();
  auto* focus = Make<fw::TEdit>();
  dropDown->SetImages(images);
  dropDown->SetControl(picker);
  dropDown->SetFocusControl(focus);
  EXPECT_EQ(dropDown->Calls.back(), "PlaceDropDownControl");
  dropDown->Clear();
  dropDown->SetControl(picker);  // the same control again: not placed again
  EXPECT_TRUE(dropDown->Calls.empty());

  images->Free();
  picker->Free();
  focus->Free();
  EXPECT_EQ(dropDown->Images(), nullptr);
  EXPECT_EQ(dropDown->Control(), nullptr);
  EXPECT_EQ(dropDown->FocusControl(), nullptr);
  EXPECT_EQ(dropDown->Calls, std::vector<std::string>{"PlaceDropDownControl"});
}

TEST_F(DropDownProtocolTest, VersionIsOneTwoOneOneAndIgnoresWrites) {
  auto* dropDown = MakeDropDown();
  EXPECT_EQ(dropDown->GetVersionNumber(), 0x01020101u);
  EXPECT_EQ(dropDown->Version(), "1.2.1.1");
  dropDown->SetVersion("9.9.9.9");
  EXPECT_EQ(dropDown->Version(), "1.2.1.1");
}

TEST_F(DropDownProtocolTest, WritingThePopupSizeForgetsTheUserSizeOnlyWhenItChanges) {
  auto* dropDown = MakeDropDown();
  dropDown->SetUserSize(120, 80);
  dropDown->SetDropDownWidth(0);
  EXPECT_EQ(dropDown->UserWidth(), 120);
  dropDown->SetDropDownWidth(150);
  EXPECT_EQ(dropDown->UserWidth(), -1);
  EXPECT_EQ(dropDown->UserHeight(), 80);
  dropDown->SetDropDownHeight(0);
  EXPECT_EQ(dropDown->UserHeight(), 80);
  dropDown->SetDropDownHeight(90);
  EXPECT_EQ(dropDown->UserHeight(), -1);
}

TEST_F(DropDownProtocolTest, TheStyleInterfacesReachTheStyleSlots) {
  auto* dropDown = MakeDropDown();
  dropDown->Clear();
  IControlStyle& style = *dropDown;
  style.SetComponentStyle(2);
  EXPECT_EQ(dropDown->Calls, std::vector<std::string>{"ApplyStyle(2)"});
  EXPECT_EQ(dropDown->GetStyle(), 2);
}

TEST_F(DropDownProtocolTest, TheWheelStepsTheSelectionAfterTheFrameworksHandling) {
  auto* dropDown = MakeDropDown();
  ASSERT_TRUE(Focus(dropDown));
  dropDown->Clear();
  bool handledDown = false;
  dropDown->OnMouseWheelDown = [&](fw::TObject*, fw::TShiftState, fw::TPoint, bool& Handled) {
    handledDown = true;
    Handled = true;
  };
  POINT centre{dropDown->Width() / 2, dropDown->Height() / 2};
  ClientToScreen(dropDown->Handle(), &centre);
  SendMessageA(dropDown->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
  SendMessageA(dropDown->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
  EXPECT_TRUE(handledDown);
  EXPECT_EQ(dropDown->Calls, (std::vector<std::string>{"SelectNextItem", "SelectPreviousItem"}));
}

}  // namespace
}  // namespace ui::testing
