#pragma once
// TMenuItem: one entry of a main or pop-up menu, and the list of the entries below it. Items live in
// the object; the menu's Win32 handles are built from them and rebuilt after every change while they
// exist. Every item has a command identifier of its own: the WM_COMMAND of a click finds the item by it.
//
// Items are components: an owner frees them; an item also frees the items below it, and leaves its
// parent when freed.
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/controls/owner_draw.h"
#include "framework/graphics/canvas.h"
#include "framework/menus/shortcut.h"

namespace fw {

class TMenu;

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

  // Fires OnClick (after AutoCheck); only for enabled items.
  virtual void Click();

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

  // Owner drawing, asked by the window that shows the menu (WM_MEASUREITEM, WM_DRAWITEM).
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State);
  bool IsOwnerDrawn() const;

 private:
  friend class TMenu;
  // Something of this item changed: the menu's handles follow.
  void Changed();
  void RebuildHandle();
  void AppendTo(HMENU menu, UINT position);
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
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  HMENU handle_ = nullptr;
  UINT command_ = 0;
};

}  // namespace fw
