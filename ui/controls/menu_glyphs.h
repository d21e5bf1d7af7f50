#pragma once
// TMenuGlyphs: the built-in glyphs of styled menus (sub-menu arrow, check mark, radio dot), loaded from
// the program's bitmap resources "VXSUBMENUITEM", "VXCHECKITEM" and "VXRADIOITEM" and drawn
// transparently.
#include <memory>

#include "framework/classes/persistent.h"
#include "framework/graphics/bitmap.h"

namespace fw {
class TMenu;
}

namespace ui {

class TMenuGlyphs : public fw::TPersistent {
 public:
  // EResNotFound when the program carries no such resource.
  TMenuGlyphs();
  ~TMenuGlyphs() override;
  // From other glyphs: the three bitmaps through their setters.
  void Assign(fw::TPersistent* Source) override;

  fw::TBitmap* SubMenu() const { return subMenu_.get(); }
  fw::TBitmap* Check() const { return check_.get(); }
  fw::TBitmap* Radio() const { return radio_.get(); }
  // Each copies the bitmap, makes it transparent and refreshes the menu.
  void SetSubMenu(fw::TBitmap* Value) { Replace(*subMenu_, Value); }
  void SetCheck(fw::TBitmap* Value) { Replace(*check_, Value); }
  void SetRadio(fw::TBitmap* Value) { Replace(*radio_, Value); }

  fw::TMenu* Menu() const { return menu_; }
  void SetMenu(fw::TMenu* Value) { menu_ = Value; }

 private:
  void Replace(fw::TBitmap& glyph, fw::TBitmap* Value);

  std::unique_ptr<fw::TBitmap> subMenu_;
  std::unique_ptr<fw::TBitmap> check_;
  std::unique_ptr<fw::TBitmap> radio_;
  fw::TMenu* menu_ = nullptr;
};

}  // namespace ui
