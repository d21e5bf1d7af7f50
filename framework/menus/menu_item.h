#pragma once
// TMenuItem: one entry of a main or pop-up menu, and the list of the entries below it. Items live in
// the object; the menu's Win32 handles are built from them and rebuilt after every change while they
// exist. Every item has a command identifier of its own: the WM_COMMAND of a click finds the item by it.
//
// Items are components: an owner frees them; an item also frees the items below it, and leaves its
// parent when freed.
//
// Every change reaches the menu as MenuChanged(sender, source item, rebuild): the source is the item
// that changed or was added (null when the menu's top-level list lost an item); rebuild says whether the
// Win32 items must be made again (anything that changes an item's size or the menu's layout) or the
// states of the source's level are updated in place (checked, enabled, radio group).
#include <functional>
#include <string>
#include <vector>

#include "framework/actions/action.h"
#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/controls/owner_draw.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/shortcut.h"

namespace fw {

class TMenu;
class TMenuActionLink;

// A column break before the item: mbBreak starts a new column (a new row on a menu bar), mbBarBreak the
// same with a line between the columns.
enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // "-" makes a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its GroupIndex under the same parent.
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  // A click flips Checked before OnClick runs.
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool value) { autoCheck_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  bool IsLine() const { return caption_ == "-"; }
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value);
  // The item Enter or a double click would choose; drawn bold.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // An image of the menu's Images (GetImageList); -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  // The item's own picture, shown when it has no image; made empty on first use. A menu whose item has
  // a picture draws that item itself.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* value);
  bool HasBitmap() const { return bitmap_ != nullptr && !bitmap_->Empty(); }
  // The images the item's ImageIndex refers to: its menu's Images, nullptr when none.
  TCustomImageList* GetImageList() const;

  // The action the item follows (caption, checked and enabled state, group, hint, image, visibility);
  // a click without an OnClick executes it.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* value);

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int Index) const;
  TMenuItem* operator[](int Index) const { return Items(Index); }
  void Add(TMenuItem* Item) { Insert(Count(), Item); }
  void Insert(int Index, TMenuItem* Item);
  // Frees the item at Index.
  void Delete(int Index);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* Item);
  // Frees every item below this one.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  // The item below this one with the caption, ignoring '&' and case; nullptr when none.
  TMenuItem* Find(const std::string& ACaption) const;
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(this) : -1; }
  void SetMenuIndex(int value);

  // The identifier that WM_COMMAND carries for this item.
  UINT Command() const { return command_; }
  // The drop-down menu of the items below this one (made on first use).
  HMENU Handle();
  // The menu the item belongs to (through its parents), nullptr when none.
  TMenu* GetParentMenu() const;

  // Fires OnClick, or executes the action when there is no OnClick (after AutoCheck); only for enabled
  // items.
  virtual void Click();

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

  // Owner drawing, asked by the window that shows the menu (WM_MEASUREITEM, WM_DRAWITEM).
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State);
  bool IsOwnerDrawn() const;

 protected:
  TMenuActionLink* ActionLink() const { return actionLink_; }
  // The action was set (CheckDefaults while the action is loading: only properties still at their
  // defaults take the action's).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);

 private:
  friend class TMenu;
  // Something of this item changed: the menu's handles follow (see the top of this file).
  void Changed(bool rebuild);
  // Tells the menu of the tree (or, for a tree of no menu, updates its handles).
  void Notify(TMenuItem* source, bool rebuild);
  TMenuItem* Root();
  void RebuildHandle();
  // The states of the items below this one, set in place on its drop-down.
  void RefreshEntries();
  void FillInfo(MENUITEMINFOA& info, std::string& text);
  void AppendTo(HMENU menu, UINT position);
  // The width of the column left of the caption (check marks, images, pictures).
  int GlyphSpace() const;
  void DrawGlyph(TCanvas* canvas, const TRect& column);
  void TurnSiblingsOff();
  std::string DisplayCaption() const;

  std::string caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  bool autoCheck_ = false;
  TShortCut shortCut_ = scNone;
  std::string hint_;
  TMenuBreak break_ = mbNone;
  bool default_ = false;
  int imageIndex_ = -1;
  TBitmap* bitmap_ = nullptr;
  TMenuActionLink* actionLink_ = nullptr;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  HMENU handle_ = nullptr;
  UINT command_ = 0;
};

}  // namespace fw
