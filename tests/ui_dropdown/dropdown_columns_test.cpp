// The list drop-downs' columns and items: the defaults of a new one, copying (the column's own font, the
// item's texts), collections copied as a whole, the assignment error for foreign sources, the owner the
// collections report and the item class a descendant substitutes.
#include <gtest/gtest.h>

#include <string>

#include "framework/classes/component.h"
#include "framework/rtl/exceptions.h"
#include "ui/dropdown/dropdown_columns.h"

namespace ui {
namespace {

TEST(DropDownColumnsTest, NewColumnsAndItemsHaveTheirDefaults) {
  fw::TComponent owner(nullptr);
  TDropDownColumns columns(&owner);
  TDropDownColumn* column = columns.Add();
  EXPECT_EQ(column->Collection(), &columns);
  EXPECT_EQ(column->Width(), 80);
  EXPECT_EQ(column->Color(), 0xFFFFFFu);
  EXPECT_EQ(column->Alignment(), fw::taLeftJustify);
  EXPECT_EQ(column->ColumnType(), ctText);
  EXPECT_EQ(column->Header(), "");
  EXPECT_FALSE(column->Wordwrap());
  EXPECT_FALSE(column->AutoSize());
  EXPECT_FALSE(column->Ellipsis());
  EXPECT_EQ(columns.Items(0), column);

  TDropDownItems items(&owner);
  TDropDownItem* item = items.Add();
  EXPECT_EQ(item->ImageIndex(), -1);
  EXPECT_EQ(item->Text()->Count(), 0);
  EXPECT_FALSE(item->HasLine(0));
  EXPECT_EQ(item->Line(0), "");

  // The collections name the control that made them.
  EXPECT_EQ(columns.GetOwner(), &owner);
  EXPECT_EQ(items.GetOwner(), &owner);
}

TEST(DropDownColumnsTest, AssigningAColumnCopiesEverySettingIntoItsOwnFont) {
  TDropDownColumns columns(nullptr);
  TDropDownColumn* source = columns.Add();
  source->SetWordwrap(true);
  source->SetWidth(123);
  source->SetAutoSize(true);
  source->SetHeader("Name");
  source->SetAlignment(fw::taCenter);
  source->SetColor(0x123456);
  source->SetColumnType(ctImage);
  source->SetEllipsis(true);
  source->Font()->SetName("Courier New");
  source->Font()->SetSize(14);
  source->Font()->SetStyle(fw::TFontStyles{fw::fsBold, fw::fsItalic});
  source->Font()->SetColor(0x00AA00);

  TDropDownColumn* target = columns.Add();
  target->Assign(source);
  EXPECT_TRUE(target->Wordwrap());
  EXPECT_EQ(target->Width(), 123);
  EXPECT_TRUE(target->AutoSize());
  EXPECT_EQ(target->Header(), "Name");
  EXPECT_EQ(target->Alignment(), fw::taCenter);
  EXPECT_EQ(target->Color(), 0x123456u);
  EXPECT_EQ(target->ColumnType(), ctImage);
  EXPECT_TRUE(target->Ellipsis());
  EXPECT_EQ(target->Font()->Name(), "Courier New");
  EXPECT_EQ(target->Font()->Size(), 14);
  EXPECT_EQ(target->Font()->Style(), (fw::TFontStyles{fw::fsBold, fw::fsItalic}));
  EXPECT_EQ(target->Font()->Color(), 0x00AA00u);
  // Two font objects with equal settings: a later change of one leaves the other.
  EXPECT_NE(target->Font(), source->Font());
  source->Font()->SetColor(0x0000FF);
  EXPECT_EQ(target->Font()->Color(), 0x00AA00u);

  // A font write copies too.
  fw::TFont font;
  font.SetSize(20);
  target->SetFont(&font);
  EXPECT_EQ(target->Font()->Size(), 20);
  EXPECT_NE(target->Font(), &font);
}

TEST(DropDownColumnsTest, AnItemCollectionIsCopiedWithItsTextsAndImages) {
  TDropDownItems source(nullptr);
  for (int i = 0; i < 3; ++i) {
    TDropDownItem* item = source.Add();
    item->SetImageIndex(i + 4);
    item->Text()->Add("row " + std::to_string(i));
    item->Text()->Add("second " + std::to_string(i));
  }
  TDropDownItems target(nullptr);
  target.Add()->Text()->Add("dropped");
  target.Assign(&source);
  ASSERT_EQ(target.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(target.Items(i)->ImageIndex(), i + 4);
    EXPECT_EQ(target.Items(i)->Text()->Text(), source.Items(i)->Text()->Text());
    EXPECT_NE(target.Items(i)->Text(), source.Items(i)->Text());
  }

  // A text write copies the lines into the item's own list.
  fw::TStringList lines;
  lines.Add("a");
  target.Items(0)->SetText(&lines);
  lines.Add("b");
  EXPECT_EQ(target.Items(0)->Text()->Count(), 1);
  EXPECT_EQ(target.Items(0)->Line(0), "a");
}

TEST(DropDownColumnsTest, AForeignSourceRaisesTheAssignmentError) {
  TDropDownColumns columns(nullptr);
  TDropDownItems items(nullptr);
  TDropDownColumn* column = columns.Add();
  TDropDownItem* item = items.Add();
  column->SetWidth(55);
  item->SetImageIndex(3);
  const auto message = [](auto&& assign) {
    try {
      assign();
    } catch (const fw::EConvertError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { column->Assign(item); }), "Cannot assign a TDropDownItem to a TDropDownColumn");
  EXPECT_EQ(message([&] { item->Assign(column); }), "Cannot assign a TDropDownColumn to a TDropDownItem");
  EXPECT_EQ(column->Width(), 55);
  EXPECT_EQ(item->ImageIndex(), 3);
}

// A descendant's own row class, made by the collection's Add.
class TaggedItem : public TDropDownItem {
 public:
  using TDropDownItem::TDropDownItem;
  int Tag = 9;
};

class TaggedItems : public TDropDownItems {
 public:
  using TDropDownItems::TDropDownItems;
  fw::TCollectionItemFactory GetItemClass() const override { return fw::ItemClass<TaggedItem>(); }
};

TEST(DropDownColumnsTest, ADescendantSubstitutesTheItemClass) {
  TaggedItems items(nullptr);
  auto* item = dynamic_cast<TaggedItem*>(items.Add());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Tag, 9);
  EXPECT_EQ(item->ImageIndex(), -1);
  TDropDownItems plain(nullptr);
  plain.Add()->Text()->Add("x");
  items.Assign(&plain);
  ASSERT_EQ(items.Count(), 1);
  EXPECT_NE(dynamic_cast<TaggedItem*>(items.Items(0)), nullptr);
  EXPECT_EQ(items.Items(0)->Line(0), "x");
}

}  // namespace
}  // namespace ui
