#include <gtest/gtest.h>
#include <windows.h>

#include "framework/graphics/image_list.h"
#include "framework/rtl/exceptions.h"
#include "tests/framework/ui_test_support.h"

namespace fw {
namespace {

// A 4 x 4 image: fuchsia background (the mask colour) with a red 2 x 2 square at (1, 1).
void RedSquare(TBitmap& bitmap) {
  bitmap.SetSize(4, 4);
  bitmap.Canvas()->Brush()->SetColor(clFuchsia);
  bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
  bitmap.Canvas()->Brush()->SetColor(clRed);
  bitmap.Canvas()->FillRect(Rect(1, 1, 3, 3));
}

class ImageListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list_ = Create<TImageList>(nullptr);
    list_->SetSize(4, 4);
  }
  void TearDown() override {
    if (list_) list_->Free();
  }
  TImageList* list_ = nullptr;
};

TEST_F(ImageListTest, DrawsAnIndexMaskedAndGreyWhenDisabled) {
  TBitmap image;
  RedSquare(image);
  EXPECT_EQ(list_->AddMasked(&image, clFuchsia), 0);
  image.Canvas()->Brush()->SetColor(clBlue);
  image.Canvas()->FillRect(Rect(1, 1, 3, 3));
  EXPECT_EQ(list_->AddMasked(&image, clFuchsia), 1);
  EXPECT_EQ(list_->Count(), 2);

  TBitmap target;
  target.SetSize(12, 4);
  target.Canvas()->Brush()->SetColor(clLime);
  target.Canvas()->FillRect(Rect(0, 0, 12, 4));
  list_->Draw(target.Canvas(), 0, 0, 0);
  list_->Draw(target.Canvas(), 4, 0, 1);
  list_->Draw(target.Canvas(), 8, 0, 0, false);
  TCanvas* c = target.Canvas();
  EXPECT_EQ(c->Pixels(1, 1), clRed);
  EXPECT_EQ(c->Pixels(0, 0), clLime);  // masked: the background stays
  EXPECT_EQ(c->Pixels(5, 2), clBlue);
  const TColor disabled = c->Pixels(9, 1);
  EXPECT_NE(disabled, clRed);
  EXPECT_EQ(disabled & 0xFF, (disabled >> 8) & 0xFF);  // grey: equal channels
  EXPECT_EQ(disabled & 0xFF, (disabled >> 16) & 0xFF);
  EXPECT_EQ(c->Pixels(8, 0), clLime);

  TBitmap copy;
  list_->GetBitmap(1, &copy);
  EXPECT_EQ(copy.Width(), 4);
  EXPECT_EQ(copy.Canvas()->Pixels(2, 2), clBlue);
}

TEST_F(ImageListTest, ImageAndMaskBitmapsAndDeletion) {
  TBitmap image;
  RedSquare(image);
  TBitmap mask;  // white: transparent, black: the image
  mask.SetSize(4, 4);
  mask.Canvas()->Brush()->SetColor(clWhite);
  mask.Canvas()->FillRect(Rect(0, 0, 4, 4));
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 2, 4));
  EXPECT_EQ(list_->Add(&image, &mask), 0);
  TBitmap target;
  target.SetSize(4, 4);
  target.Canvas()->Brush()->SetColor(clLime);
  target.Canvas()->FillRect(Rect(0, 0, 4, 4));
  list_->Draw(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clFuchsia);  // inside the mask's black half
  EXPECT_EQ(target.Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(2, 2), clLime);     // the red outside the mask is left out

  EXPECT_THROW(list_->Delete(1), EInvalidOperation);
  list_->Delete(0);
  EXPECT_EQ(list_->Count(), 0);
  list_->Draw(target.Canvas(), 0, 0, 0);  // no such image: nothing drawn, nothing raised
}

TEST_F(ImageListTest, ChangeLinksHearEveryChangeUntilUnregistered) {
  TChangeLink link;
  int changes = 0;
  TObject* sender = nullptr;
  link.OnChange = [&](TObject* s) {
    ++changes;
    sender = s;
  };
  list_->RegisterChanges(&link);
  EXPECT_EQ(link.Sender(), list_);
  TBitmap image;
  RedSquare(image);
  list_->AddMasked(&image, clFuchsia);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(sender, list_);
  list_->AddMasked(&image, clFuchsia);
  list_->Delete(0);
  EXPECT_EQ(changes, 3);
  list_->SetSize(8, 8);  // a new size empties the list
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(list_->Count(), 0);
  list_->UnRegisterChanges(&link);
  EXPECT_EQ(link.Sender(), nullptr);
  list_->Clear();
  EXPECT_EQ(changes, 4);
}

// A control-like holder: keeps a list with a link and forgets it when the list is freed.
class Holder : public TComponent {
 public:
  using TComponent::TComponent;
  void SetImages(TCustomImageList* value) {
    if (images_) images_->UnRegisterChanges(&link_);
    images_ = value;
    if (images_) {
      images_->RegisterChanges(&link_);
      images_->FreeNotification(this);
    }
  }
  TCustomImageList* Images() const { return images_; }
  TChangeLink link_;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == images_) images_ = nullptr;
  }

 private:
  TCustomImageList* images_ = nullptr;
};

TEST_F(ImageListTest, HolderIsToldWhenTheListIsFreed) {
  auto* holder = Create<Holder>(nullptr);
  holder->SetImages(list_);
  FreeAndNil(list_);
  EXPECT_EQ(holder->Images(), nullptr);
  EXPECT_EQ(holder->link_.Sender(), nullptr);  // the link was detached as well
  holder->Free();
}

}  // namespace
}  // namespace fw
