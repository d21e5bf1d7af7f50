#pragma once
// TCustomVxMenuStyler / TVxMenuStyler: every colour, font, glyph and size a styled menu paints with, one
// appearance object per area of the menu. A styler serves at most one menu (SetMenu), which it tells of
// each change through the menu's style host: a refresh, or a rebuild when sizes may change.
#include <memory>

#include "framework/classes/component.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "ui/controls/menu_appearance.h"
#include "ui/controls/menu_background.h"
#include "ui/controls/menu_button_appearance.h"
#include "ui/controls/menu_glyphs.h"
#include "ui/controls/menu_side_bar.h"
#include "ui/foundation/gdip_values.h"

namespace fw {
class TMenu;
}

namespace ui {

class TCustomVxMenuStyler : public fw::TComponent {
 public:
  explicit TCustomVxMenuStyler(fw::TComponent* AOwner);
  ~TCustomVxMenuStyler() override;

  // From a TVxMenuStyler: background, icon bar, items, glyphs, side bar and separator through their
  // setters, then the font and UseSystemFont. Any other source: EConvertError.
  void Assign(fw::TPersistent* Source) override;

  // Attaches the styler and its appearance objects to the menu (null: to none), asks the menu for its
  // free notification and refreshes it.
  void SetMenu(fw::TMenu* Value);
  fw::TMenu* Menu() const { return menu_; }

  // Each copies Value into the owned object and refreshes the menu; the side bar rebuilds it.
  TBackground* Background() { return background_.get(); }
  void SetBackground(TBackground* Value);
  TIconBar* IconBar() { return iconBar_.get(); }
  void SetIconBar(TIconBar* Value);
  TSelectedItem* SelectedItem() { return selectedItem_.get(); }
  void SetSelectedItem(TSelectedItem* Value);
  TRootItem* RootItem() { return rootItem_.get(); }
  void SetRootItem(TRootItem* Value);
  TSeparator* Separator() { return separator_.get(); }
  void SetSeparator(TSeparator* Value);
  TMenuGlyphs* Glyphs() { return glyphs_.get(); }
  void SetGlyphs(TMenuGlyphs* Value);
  TSideBar* SideBar() { return sideBar_.get(); }
  void SetSideBar(TSideBar* Value);
  // Copied without a notification.
  TButtonAppearance* ButtonAppearance() { return buttonAppearance_.get(); }
  void SetButtonAppearance(TButtonAppearance* Value);

  // Caption font of drop-down items, and of their note lines; writing rebuilds the menu.
  fw::TFont* Font() { return &font_; }
  void SetFont(fw::TFont* Value);
  fw::TFont* NotesFont() { return &notesFont_; }
  void SetNotesFont(fw::TFont* Value);
  // Drop-down items use the screen's menu font instead of Font; writing rebuilds the menu.
  bool UseSystemFont() const { return useSystemFont_; }
  void SetUseSystemFont(bool Value);
  // Text through GDI (aaNone) or GDI+; writing rebuilds the menu.
  TAntiAlias AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(TAntiAlias Value);
  // The one-pixel frame of drop-down menu windows.
  fw::TColor MenuBorderColor() const { return menuBorderColor_; }
  void SetMenuBorderColor(fw::TColor Value) { menuBorderColor_ = Value; }

  // The composed background picture of one menu window, kept by whoever paints it.
  fw::TBitmap* BackgroundCache() { return &backgroundCache_; }

 protected:
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  bool useSystemFont_ = true;
  std::unique_ptr<TSideBar> sideBar_;
  std::unique_ptr<TBackground> background_;
  std::unique_ptr<TIconBar> iconBar_;
  std::unique_ptr<TSelectedItem> selectedItem_;
  std::unique_ptr<TRootItem> rootItem_;
  std::unique_ptr<TMenuGlyphs> glyphs_;
  std::unique_ptr<TSeparator> separator_;
  fw::TFont font_;
  fw::TFont notesFont_;
  fw::TBitmap backgroundCache_;
  std::unique_ptr<TButtonAppearance> buttonAppearance_;
  fw::TColor menuBorderColor_;
  fw::TMenu* menu_ = nullptr;
  TAntiAlias antiAlias_ = aaNone;
};

// The styler component a form places; the same properties.
class TVxMenuStyler : public TCustomVxMenuStyler {
 public:
  using TCustomVxMenuStyler::TCustomVxMenuStyler;
};

}  // namespace ui
