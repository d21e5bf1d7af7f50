// An image list of solid 16 x 16 squares, one per colour, for the tests that draw image-list pictures.
// The caller frees it.
#pragma once

#include <initializer_list>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"

namespace testsupport {

inline fw::TImageList* MakeSquareImageList(std::initializer_list<fw::TColor> colors) {
  fw::TImageList* list = fw::Create<fw::TImageList>(nullptr);
  list->SetSize(16, 16);
  for (fw::TColor color : colors) {
    fw::TBitmap square;
    square.SetSize(16, 16);
    square.Canvas()->Brush()->SetColor(color);
    square.Canvas()->FillRect(fw::Rect(0, 0, 16, 16));
    list->Add(&square, nullptr);
  }
  return list;
}

}  // namespace testsupport
