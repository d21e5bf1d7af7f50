// The item selector: a scrolling grid of selectable items, each a picture (or an image of an image list,
// or a colour box) with an HTML-subset caption, laid out in a fixed number of columns. It is the list
// inside the pop-ups of the detail, image and colour pickers.
//
// TVxCustomItemSelector is the scrolling container: it owns the items, the item appearance and the
// settings, and makes TCustomItemSelector, the inner panel, as its only child. The panel sizes itself to
// its items (ArrangeItems), paints them with a hot (hovered) and a selected face, and handles the mouse;
// the container scrolls it. The selector has no keys of its own: the owning drop-down moves the selection
// through the container's operations (SelectNext, HotNext, LookupItem, ...).
//
// Every SelectItem with an index of 0 or more fires OnItemSelect, also when ItemIndex is written and when
// the item was already selected; an owner that moves the selection quietly detaches its handler around the
// write. A change of Columns, SelectorType, Images, the colour box size or an item's Caption, Color or
// ImageIndex lays the items out again and clears the hot item. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

#include "framework/classes/events.h"
#include "framework/controls/custom_control.h"
#include "framework/controls/scroll_box.h"
#include "framework/graphics/image_list.h"
#include "ui/dropdown/item_appearance.h"
#include "ui/dropdown/item_layout.h"
#include "ui/dropdown/selector_items.h"

namespace ui {

class TVxCustomItemSelector;

// The inner panel. It must be owned by a TVxCustomItemSelector (else "Invalid parent") and reads every
// setting from it.
class TCustomItemSelector : public fw::TCustomControl {
 public:
  explicit TCustomItemSelector(fw::TComponent* AOwner);

  TVxCustomItemSelector* Selector() const { return selector_; }
  // The selected item and the item under the mouse; -1 for none.
  int ItemIndex() const { return itemIndex_; }
  int HotIndex() const { return hotIndex_; }
  // Space around the item grid, inside every item around its content, and between picture and caption.
  int MarginX() const { return marginX_; }
  int MarginY() const { return marginY_; }
  int ItemInsetX() const { return itemInsetX_; }
  int ItemInsetY() const { return itemInsetY_; }
  int CaptionSpacing() const { return captionSpacing_; }

  // Stores Index as the selection (the previously selected item is repainted plain first). An index of 0
  // or more is painted at once and fires OnSelect, also when it was selected already.
  void SelectItem(int Index);
  // Nothing when Index is the hot item; otherwise the old hot item is repainted plain and an index of 0 or
  // more painted hot at once.
  void SetHotItem(int Index);
  // The first item, in collection order, whose rectangle holds the point; -1 for none.
  int ItemAtPos(int X, int Y) const;
  // The item's rectangle; (-1, -1, -1, -1) for an index out of range.
  fw::TRect GetItemRect(int Index) const;
  // First and last item; next and previous stop at the ends and start at item 0 when nothing is selected.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  // The same rules for the hot item.
  void HotNext();
  void HotPrevious();
  // Selects the first item whose caption, without markup, trimmed and upper-cased, begins with Text (which
  // is taken as given); false when none does.
  bool LookupItem(const std::string& Text);

  // Sender: the panel. The selector turns it into its OnItemSelect.
  fw::TNotifyEvent OnSelect;

  // ---- the panel's operations, in slot order ----
  // Paints the item's face and content on Canvas; nothing for an index out of range or an item wholly
  // left of the panel.
  virtual void DrawItem(int Index, fw::TCanvas* Canvas);
  // The client rectangle inset by the margins.
  virtual void GetItemArea(fw::TRect& Area);
  // The common size of every item: OnItemSize's answer when assigned, else measured from the pictures and
  // captions by the layout.
  virtual void GetItemSize(SIZE& Size);
  // Invalidates the item's rectangle with erasing; nothing for an index out of range.
  virtual void InvalidateItem(int Index);
  // Places the items in rows of Columns and sizes the panel to them (100 x 50 without items).
  virtual void ArrangeItems();

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void Dispatch(fw::TMessage& Message) override;

 private:
  bool ValidIndex(int Index) const;
  int Count() const;
  // Draws one item on the window outside a paint (nothing without a window).
  void DrawItemOnWindow(int Index);
  // The size of the item's picture, image or colour box; 0 x 0 when it shows none.
  SIZE PictureSize(const TSelectorItem* Item) const;
  // Draws the item's picture, image or colour box at (X, Y) and answers whether something was drawn.
  bool PaintPicture(const TSelectorItem* Item, fw::TCanvas* Canvas, int X, int Y, SIZE Size);
  // The item's caption in R by the layout; CaptionExtent measures it there.
  void DrawCaption(const TSelectorItem* Item, fw::TCanvas* Canvas, const fw::TRect& R);
  SIZE CaptionExtent(const TSelectorItem* Item, fw::TCanvas* Canvas, const fw::TRect& R);
  void DrawFace(int Index, fw::TCanvas* Canvas, const fw::TRect& R);
  void DrawContent(int Index, fw::TCanvas* Canvas, const fw::TRect& R);

  TVxCustomItemSelector* selector_ = nullptr;
  int itemIndex_ = -1;
  int hotIndex_ = -1;
  int marginX_ = 2;
  int marginY_ = 2;
  int itemInsetX_ = 4;
  int itemInsetY_ = 4;
  int captionSpacing_ = 4;
};

// The scrolling container that owns the items and the settings.
class TVxCustomItemSelector : public fw::TScrollingWinControl {
 public:
  explicit TVxCustomItemSelector(fw::TComponent* AOwner);
  ~TVxCustomItemSelector() override;

  TCustomItemSelector* Panel() const { return panel_; }

  // Values below 1 and the current value are ignored; a new value lays the items out again.
  int Columns() const { return columns_; }
  void SetColumns(int Value);
  // Owned; writing assigns into them.
  TSelectorItems* Items() const { return items_.get(); }
  void SetItems(TSelectorItems* Value) { items_->Assign(Value); }
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }
  // The panel's selection; writing selects through the panel (firing OnItemSelect for 0 or more) and
  // scrolls the item into view.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int HotIndex() const;
  // A changed value lays the items out again.
  TSelectorType SelectorType() const { return selectorType_; }
  void SetSelectorType(TSelectorType Value);
  // Stored only: takes effect at the next layout.
  TItemLayout ItemLayout() const { return itemLayout_; }
  void SetItemLayout(TItemLayout Value) { itemLayout_ = Value; }
  // Referenced, dropped when the list goes; a changed value lays the items out again.
  fw::TCustomImageList* Images() const { return images_; }
  void SetImages(fw::TCustomImageList* Value);
  int ColorBoxHeight() const { return colorBoxHeight_; }
  void SetColorBoxHeight(int Value);
  int ColorBoxWidth() const { return colorBoxWidth_; }
  void SetColorBoxWidth(int Value);

  // The panel operations of that name, then the selected (or hot) item scrolled into view.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const std::string& Text);
  // The number of items one client height shows: rows that fit the selector's height (less 20 when the
  // horizontal scroll bar shows) times Columns. 0 without items, and when the first item has no height.
  int PageItemCount();
  // While the vertical scroll bar shows, scrolls so that the item (grown by the bar's Margin) is in view.
  void ScrollItemInView(int Index);
  // Lays the items out again.
  void UpdateLayout();
  // The panel's size.
  SIZE GetPanelSize() const;

  // Sender: the selector.
  fw::TNotifyEvent OnItemSelect;
  TDrawItemEvent OnDrawItem;
  TItemSizeEvent OnItemSize;

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;

 private:
  std::unique_ptr<TSelectorItems> items_;
  std::unique_ptr<TItemAppearance> itemAppearance_;
  TCustomItemSelector* panel_ = nullptr;
  int columns_ = 1;
  TSelectorType selectorType_ = stImage;
  TItemLayout itemLayout_ = ilCaptionRight;
  fw::TCustomImageList* images_ = nullptr;
  int colorBoxHeight_ = 14;
  int colorBoxWidth_ = 14;
};

}  // namespace ui
