// The text engine tests' canvas and picture sources: a 320 x 200 white memory bitmap with a canvas in a
// fixed font, and an image list, a picture container and a URL cache for the picture tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "tests/framework/ui_test_support.h"
#include "tests/support/square_image_list.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/html_picture.h"

namespace html_engine_test {

using namespace ui;
using fw::testing::MemoryBitmap;

constexpr fw::TColor kRed = 0x0000FF;
constexpr fw::TColor kGreen = 0x00FF00;
constexpr fw::TColor kBlue = 0xFF0000;

// A canvas on a 320 x 200 white memory bitmap, black text in a fixed font.
class HtmlEngineTest : public ::testing::Test {
 protected:
  HtmlEngineTest() : bitmap_(320, 200) {
    canvas_.SetHandle(bitmap_.DC());
    canvas_.Font()->SetName("DejaVu Sans");
    canvas_.Font()->SetSize(10);
    canvas_.Font()->SetColor(fw::clBlack);
  }
  ~HtmlEngineTest() override { canvas_.SetHandle(nullptr); }

  THTMLTextParams Params(const std::string& text, fw::TRect bounds = fw::Rect(0, 0, 320, 200)) {
    THTMLTextParams p;
    p.Text = text;
    p.Bounds = bounds;
    return p;
  }
  bool Draw(THTMLTextParams& p) { return DrawHTMLText(&canvas_, p); }
  THTMLTextParams Measure(const std::string& text, fw::TRect bounds = fw::Rect(0, 0, 320, 200)) {
    THTMLTextParams p = Params(text, bounds);
    p.MeasureOnly = true;
    Draw(p);
    return p;
  }

  // The width of a text in the canvas font changed by Change (put back afterwards).
  int WidthIn(const std::string& text, const std::function<void(fw::TFont*)>& change = nullptr) {
    fw::TFont saved;
    saved.Assign(canvas_.Font());
    if (change) change(canvas_.Font());
    const int width = canvas_.TextWidth(text);
    canvas_.Font()->Assign(&saved);
    return width;
  }
  int GhHeight() { return canvas_.TextHeight("gh"); }

  // The first column in the band of rows [top, bottom) with a pixel that is not white; -1 when none.
  int FirstInkColumn(int top, int bottom) {
    for (int x = 0; x < 320; ++x) {
      for (int y = top; y < bottom; ++y) {
        if (bitmap_.Pixel(x, y) != fw::clWhite) return x;
      }
    }
    return -1;
  }
  int Count(const RECT& r, fw::TColor c) { return bitmap_.Count(r, c); }

  MemoryBitmap bitmap_;
  fw::TCanvas canvas_;
};

// Pictures: an image list of solid squares, a container and the URL cache with the 2 x 2 test picture
// (top row blue, white; bottom row red, green).
class HtmlPictureTest : public HtmlEngineTest {
 protected:
  HtmlPictureTest()
      : list_(testsupport::MakeSquareImageList({kRed, kGreen})), container_(fw::Create<TPictureContainer>(nullptr)) {
    TPictureItem* item = container_->Items()->Add();
    item->SetName("Quad");
    item->Picture()->LoadFromURL("RES://TWOBYTWO");
  }

  THTMLTextParams WithSources(const std::string& text, fw::TRect bounds = fw::Rect(0, 0, 320, 200)) {
    THTMLTextParams p = Params(text, bounds);
    p.ImageList = list_;
    p.PictureContainer = container_;
    p.PictureCache = &cache_;
    return p;
  }

  ~HtmlPictureTest() override {
    list_->Free();
    container_->Free();
  }

  fw::TImageList* list_;
  TPictureContainer* container_;
  THTMLPictureCache cache_;
};

}  // namespace html_engine_test
