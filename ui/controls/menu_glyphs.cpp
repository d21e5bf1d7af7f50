#include "ui/controls/menu_glyphs.h"

#include <windows.h>

#include "ui/controls/menu_style_host.h"

namespace ui {

namespace {

std::unique_ptr<fw::TBitmap> LoadGlyph(const char* name) {
  auto glyph = std::make_unique<fw::TBitmap>();
  glyph->LoadFromResourceName(GetModuleHandleA(nullptr), name);
  glyph->SetTransparent(true);
  return glyph;
}

}  // namespace

TMenuGlyphs::TMenuGlyphs()
    : subMenu_(LoadGlyph("VXSUBMENUITEM")), check_(LoadGlyph("VXCHECKITEM")), radio_(LoadGlyph("VXRADIOITEM")) {}

TMenuGlyphs::~TMenuGlyphs() = default;

void TMenuGlyphs::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TMenuGlyphs*>(Source);
  if (source == nullptr) {
    fw::TPersistent::Assign(Source);
    return;
  }
  SetSubMenu(source->subMenu_.get());
  SetCheck(source->check_.get());
  SetRadio(source->radio_.get());
}

void TMenuGlyphs::Replace(fw::TBitmap& glyph, fw::TBitmap* Value) {
  glyph.Assign(Value);
  glyph.SetTransparent(true);
  RequestMenuRefresh(menu_);
}

}  // namespace ui
