#include "framework/graphics/picture.h"

namespace fw {

TPicture::TPicture() {
  bitmap_.OnChange = [this](TObject*) {
    if (OnChange) OnChange(this);
  };
}

void TPicture::Assign(TPersistent* Source) {
  if (auto* picture = dynamic_cast<TPicture*>(Source)) {
    bitmap_.Assign(picture->Bitmap());
  } else {
    bitmap_.Assign(Source);
  }
}

}  // namespace fw
