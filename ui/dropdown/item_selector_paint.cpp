// The item selector's painting: the hot and selected faces and an item's picture and caption by the layout.
#include <windows.h>

#include "framework/controls/control_canvas.h"
#include "ui/dropdown/dropdown_drawing.h"
#include "ui/dropdown/item_selector.h"
#include "ui/foundation/draw_utils.h"

namespace ui {

namespace {

int RectWidth(const fw::TRect& R) { return R.Right - R.Left; }
int RectHeight(const fw::TRect& R) { return R.Bottom - R.Top; }

}  // namespace

void TCustomItemSelector::Paint() {
  for (int i = 0; i < Count(); ++i) DrawItem(i, Canvas());
}

void TCustomItemSelector::DrawItemOnWindow(int Index) {
  if (!HandleAllocated()) return;
  fw::TCanvas* canvas = Canvas();
  // The window's DC is given back afterwards unless a paint is drawing on the canvas.
  const bool keep = canvas->HandleAllocated();
  DrawItem(Index, canvas);
  if (!keep) static_cast<fw::TControlCanvas*>(canvas)->FreeHandle();
}

void TCustomItemSelector::DrawItem(int Index, fw::TCanvas* Canvas) {
  if (!ValidIndex(Index) || Canvas == nullptr) return;
  const fw::TRect r = selector_->Items()->Items(Index)->ItemRect();
  if (r.Left < 0 && r.Right < 0) return;
  DrawFace(Index, Canvas, r);
  if (selector_->OnDrawItem) {
    selector_->OnDrawItem(this, Canvas, r, Index);
    return;
  }
  DrawContent(Index, Canvas, r);
}

void TCustomItemSelector::DrawFace(int Index, fw::TCanvas* Canvas, const fw::TRect& R) {
  const TItemAppearance* look = selector_->ItemAppearance();
  fw::TColor border = look->BorderColor();
  fw::TColor topLine = look->BorderColorTop();
  fw::TColor bottomLine = look->BorderColorBottom();
  fw::TColor edge = look->EdgeColor();
  fw::TColor face = fw::clNone, faceTo = fw::clNone, mirror = fw::clNone, mirrorTo = fw::clNone;
  auto take = [&](fw::TColor from, fw::TColor to, fw::TColor mirrorFrom, fw::TColor mirrorTo2, fw::TColor frame) {
    face = from;
    faceTo = to;
    mirror = mirrorFrom;
    mirrorTo = mirrorTo2;
    if (frame != fw::clNone) {
      border = frame;
      topLine = fw::clNone;
      bottomLine = fw::clNone;
      edge = fw::clNone;
    }
  };
  const bool hot = Index == hotIndex_;
  const bool selected = Index == itemIndex_;
  if (hot) {
    take(look->ColorHot(), look->ColorHotTo(), look->ColorMirrorHot(), look->ColorMirrorHotTo(),
         look->BorderColorHot());
  }
  // Afterwards, so that a hot selected item looks selected.
  if (selected) {
    take(look->ColorSelected(), look->ColorSelectedTo(), look->ColorMirrorSelected(), look->ColorMirrorSelectedTo(),
         look->BorderColorSelected());
  }
  if ((hot || selected) && topLine != fw::clNone) {
    DrawButtonBackground(Canvas, face, faceTo, mirror, mirrorTo, topLine, bottomLine, border, edge, Color(), R,
                         bpStandalone);
  } else if (hot || selected) {
    dropdown::DrawFilledRect(Canvas, R, face, 1, 1, border, faceTo);
  } else {
    Canvas->Brush()->SetStyle(fw::bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(R);
  }
}

SIZE TCustomItemSelector::PictureSize(const TSelectorItem* Item) const {
  if (selector_->SelectorType() == stColor) return SIZE{selector_->ColorBoxWidth(), selector_->ColorBoxHeight()};
  if (!Item->Image()->Empty()) return SIZE{Item->Image()->Width(), Item->Image()->Height()};
  fw::TCustomImageList* images = selector_->Images();
  if (images != nullptr && Item->ImageIndex() >= 0) return SIZE{images->Width(), images->Height()};
  return SIZE{0, 0};
}

bool TCustomItemSelector::PaintPicture(const TSelectorItem* Item, fw::TCanvas* Canvas, int X, int Y, SIZE Size) {
  if (selector_->SelectorType() == stColor) {
    Canvas->Pen()->SetColor(fw::clBlack);
    Canvas->Brush()->SetStyle(fw::bsSolid);
    Canvas->Brush()->SetColor(Item->Color());
    Canvas->Rectangle(X, Y, X + Size.cx, Y + Size.cy);
    return true;
  }
  if (!Item->Image()->Empty()) {
    Canvas->Draw(X, Y, Item->Image()->Graphic());
    return true;
  }
  fw::TCustomImageList* images = selector_->Images();
  if (images != nullptr && Item->ImageIndex() >= 0) {
    images->Draw(Canvas, X, Y, Item->ImageIndex(), true);
    return true;
  }
  return false;
}

void TCustomItemSelector::DrawCaption(const TSelectorItem* Item, fw::TCanvas* Canvas, const fw::TRect& R) {
  Canvas->Brush()->SetStyle(fw::bsClear);
  dropdown::DrawHTMLCaption(Canvas, Item->Caption(), R, HandleAllocated() ? Handle() : nullptr, true,
                            selector_->Images());
}

SIZE TCustomItemSelector::CaptionExtent(const TSelectorItem* Item, fw::TCanvas* Canvas, const fw::TRect& R) {
  SIZE extent{};
  dropdown::MeasureHTMLText(Canvas, Item->Caption(), R, extent, HandleAllocated() ? Handle() : nullptr, true,
                            selector_->Images());
  return extent;
}

void TCustomItemSelector::DrawContent(int Index, fw::TCanvas* Canvas, const fw::TRect& R) {
  const TSelectorItem* item = selector_->Items()->Items(Index);
  const TItemAppearance* look = selector_->ItemAppearance();
  const SIZE picture = PictureSize(item);
  const int pw = picture.cx;
  const int ph = picture.cy;
  const bool colorBox = selector_->SelectorType() == stColor;
  fw::TRect t{R.Left + itemInsetX_, R.Top + itemInsetY_, R.Right - itemInsetX_, R.Bottom - itemInsetY_};
  fw::TRect p = t;
  Canvas->SetFont(look->Font());
  if (Index == hotIndex_) Canvas->Font()->SetColor(look->ColorHotText());
  if (Index == itemIndex_) Canvas->Font()->SetColor(look->ColorSelectedText());
  const bool caption = !item->Caption().empty();
  // Centres the caption's extent vertically in t when t is higher.
  auto centre = [&](const SIZE& extent) {
    if (RectHeight(t) > extent.cy) t.Top += (RectHeight(t) - extent.cy) / 2;
  };
  switch (selector_->ItemLayout()) {
    case ilCaptionLeft: {
      if (caption) {
        t.Right -= pw;
        const SIZE extent = CaptionExtent(item, Canvas, t);
        centre(extent);
        DrawCaption(item, Canvas, t);
        p.Left = t.Left + extent.cx + captionSpacing_;
      }
      PaintPicture(item, Canvas, p.Left, colorBox ? p.Top : p.Top + (RectHeight(p) - ph) / 2, picture);
      break;
    }
    case ilCaptionRight: {
      if (PaintPicture(item, Canvas, p.Left, colorBox ? p.Top : p.Top + (RectHeight(p) - ph) / 2, picture)) {
        t.Left = p.Left + pw + captionSpacing_;
      }
      if (caption) {
        centre(CaptionExtent(item, Canvas, t));
        DrawCaption(item, Canvas, t);
      }
      break;
    }
    case ilCaptionTop: {
      if (caption) {
        t.Bottom -= ph;
        const SIZE extent = CaptionExtent(item, Canvas, t);
        DrawCaption(item, Canvas, t);
        p.Top = t.Top + extent.cy + captionSpacing_;
      } else {
        p.Top += (RectHeight(p) - ph) / 2;
      }
      p.Left += (RectWidth(p) - pw) / 2;
      PaintPicture(item, Canvas, p.Left, p.Top, picture);
      break;
    }
    case ilCaptionBottom: {
      if (!caption) p.Top += (RectHeight(p) - ph) / 2;
      p.Left += (RectWidth(p) - pw) / 2;
      if (PaintPicture(item, Canvas, p.Left, p.Top, picture)) t.Top = p.Top + ph + captionSpacing_;
      if (caption) DrawCaption(item, Canvas, t);
      break;
    }
  }
}

}  // namespace ui
