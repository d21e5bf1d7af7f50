#pragma once
// What an image shows: a holder of one bitmap, made on first use.
#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"

namespace fw {

class TPicture : public TPersistent {
 public:
  TPicture();

  TBitmap* Bitmap() { return &bitmap_; }
  void SetBitmap(TBitmap* value) { bitmap_.Assign(value); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  bool Empty() const { return bitmap_.Empty(); }
  void LoadFromFile(const std::string& FileName) { bitmap_.LoadFromFile(FileName); }
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  TBitmap bitmap_;
};

}  // namespace fw
