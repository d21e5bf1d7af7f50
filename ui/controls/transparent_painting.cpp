#include "ui/controls/transparent_painting.h"

#include "framework/graphics/gdi_handles.h"

namespace ui {

void PaintParentImage(fw::TWinControl* Control, HDC DC) {
  fw::TWinControl* parent = Control->Parent();
  if (parent == nullptr || DC == nullptr) return;
  const int saved = SaveDC(DC);
  const bool parentBuffered = parent->DoubleBuffered();
  parent->SetDoubleBuffered(false);
  try {
    POINT origin{};
    GetWindowOrgEx(DC, &origin);
    SetWindowOrgEx(DC, origin.x + Control->Left(), origin.y + Control->Top(), nullptr);
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC));
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC));
    parent->PaintControls(DC, nullptr);
  } catch (...) {
    RestoreDC(DC, saved);
    parent->SetDoubleBuffered(parentBuffered);
    throw;
  }
  RestoreDC(DC, saved);
  parent->SetDoubleBuffered(parentBuffered);
}

void PaintParentImageInRegion(fw::TWinControl* Control, HDC DC, HRGN Region) {
  if (DC == nullptr || Region == nullptr) return;
  const fw::SavedDCState state(DC);
  // The region is in logical client coordinates; the clip is kept in device coordinates.
  POINT viewport{};
  POINT window{};
  GetViewportOrgEx(DC, &viewport);
  GetWindowOrgEx(DC, &window);
  const fw::GdiObject<HRGN> clip(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(clip.Get(), Region, nullptr, RGN_COPY);
  OffsetRgn(clip.Get(), viewport.x - window.x, viewport.y - window.y);
  ExtSelectClipRgn(DC, clip.Get(), RGN_AND);
  PaintParentImage(Control, DC);
}

void PaintTransparently(fw::TWinControl* Control, fw::TMessage& Message,
                        const std::function<void(fw::TMessage&)>& Inherited) {
  HDC given = reinterpret_cast<HDC>(Message.WParam);
  if (given != nullptr) PaintParentImage(Control, given);
  if (!Control->DoubleBuffered() || given != nullptr || !Control->HandleAllocated()) {
    Inherited(Message);
    return;
  }
  const fw::TRect client = Control->ClientRect();
  const fw::PaintSession paint(Control->Handle());
  if (client.IsEmpty()) return;
  HDC screen = GetDC(nullptr);
  fw::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, client.Width(), client.Height()));
  ReleaseDC(nullptr, screen);
  fw::MemoryDC memory(paint.DC());
  const fw::SelectedObject selected(memory.Get(), bitmap.Get());
  Control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()));
  fw::TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(memory.Get()), 0, 0};
  PaintTransparently(Control, inner, Inherited);
  BitBlt(paint.DC(), 0, 0, client.Width(), client.Height(), memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace ui
