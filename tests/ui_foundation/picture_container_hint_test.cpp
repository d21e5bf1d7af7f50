// The picture container's lookup, the version text, and the hint description's Assign.
#include <gtest/gtest.h>

#include "framework/classes/component.h"
#include "tests/ui_foundation/test_images.h"
#include "ui/foundation/gdip_picture_container.h"
#include "ui/foundation/hint_info.h"

namespace ui {
namespace {

void LoadPng(TEncodedPicture& picture, int width, int height) {
  const auto png = testing::MakePng(width, height, [](int, int) { return 0xFF00FF00u; });
  fw::TMemoryStream stream;
  stream.WriteBuffer(png.data(), static_cast<std::int32_t>(png.size()));
  picture.LoadFromStream(&stream);
}

class PictureContainerTest : public ::testing::Test {
 protected:
  void SetUp() override { container_ = fw::Create<TGDIPPictureContainer>(nullptr); }
  void TearDown() override { container_->Free(); }
  gdip::TPictureItem* Add(const std::string& name, int tag) {
    gdip::TPictureItem* item = container_->Items()->Add();
    item->SetName(name);
    item->SetTag(tag);
    return item;
  }
  TGDIPPictureContainer* container_ = nullptr;
};

TEST_F(PictureContainerTest, FindsTheFirstItemOfTheNameIgnoringCase) {
  EXPECT_EQ(nullptr, container_->FindPicture("anything"));
  EXPECT_EQ(nullptr, container_->FindPicture(""));
  gdip::TPictureItem* first = Add("ARROW", 1);
  gdip::TPictureItem* second = Add("Arrow", 2);
  gdip::TPictureItem* unnamed = Add("", 3);
  EXPECT_EQ(first->Picture(), container_->FindPicture("arrow"));
  EXPECT_NE(second->Picture(), container_->FindPicture("Arrow"));
  EXPECT_EQ(unnamed->Picture(), container_->FindPicture(""));
  EXPECT_EQ(nullptr, container_->FindPicture("arrows"));
}

TEST_F(PictureContainerTest, ItemsCopyNameTagAndPicture) {
  gdip::TPictureItem* source = Add("Glyph", 7);
  LoadPng(*source->Picture(), 4, 3);
  gdip::TPictureItem* copy = Add("", 0);
  copy->Assign(source);
  EXPECT_EQ("Glyph", copy->Name());
  EXPECT_EQ(7, copy->Tag());
  EXPECT_EQ(4, copy->Picture()->Width());
  EXPECT_NE(source->Picture(), copy->Picture());
  fw::TComponent other(nullptr);
  EXPECT_THROW(copy->Assign(&other), fw::EInvalidCast);
}

TEST_F(PictureContainerTest, VersionReadsOnlyAndIgnoresWrites) {
  EXPECT_EQ("1.0.0.0", container_->Version());
  container_->SetVersion("9.9.9.9");
  EXPECT_EQ("1.0.0.0", container_->Version());
  EXPECT_EQ("1.2.3.4", VersionText(MakeVersionNr(1, 2, 3, 4)));
  EXPECT_EQ("255.0.10.0", VersionText(0xFF000A00u));
}

TEST(HintInfo, AssignCopiesEverythingFromAnotherHintOnly) {
  TVxHintInfo source;
  source.SetTitle("Title");
  source.Notes()->Add("line one");
  source.Notes()->Add("line two");
  source.SetShowHelp(true);
  source.SetWideTitle(L"W\u03A9");
  source.SetWideNotes(L"notes");
  LoadPng(*source.Picture(), 5, 6);

  TVxHintInfo hint;
  hint.Assign(&source);
  EXPECT_EQ("Title", hint.Title());
  EXPECT_EQ(2, hint.Notes()->Count());
  EXPECT_EQ("line two", hint.Notes()->Strings(1));
  EXPECT_TRUE(hint.ShowHelp());
  EXPECT_EQ(L"W\u03A9", hint.WideTitle());
  EXPECT_EQ(L"notes", hint.WideNotes());
  EXPECT_EQ(5, hint.Picture()->Width());
  EXPECT_NE(source.Picture(), hint.Picture());

  // A picture object or nothing changes nothing.
  hint.Assign(source.Picture());
  hint.Assign(nullptr);
  EXPECT_EQ("Title", hint.Title());
  EXPECT_FALSE(hint.Picture()->Empty());
}

}  // namespace
}  // namespace ui
