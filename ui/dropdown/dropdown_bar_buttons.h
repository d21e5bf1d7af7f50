// The buttons of a drop-down's header and footer bars as their appearances keep them: one collection item
// per button. A button's Caption, Enabled and Width tell the collection's OnChange when they change (the
// appearance turns that into its OnButtonsChange); Height, ImageIndex and ModalResult are plain stores,
// and adding, deleting or moving buttons tells nothing. GUI thread only.
#pragma once

#include <string>
#include <utility>

#include "framework/classes/collection.h"
#include "framework/classes/events.h"
#include "framework/forms/form_types.h"

namespace ui {

// What the header and the footer buttons have in common.
class TBarButton : public fw::TCollectionItem {
 public:
  explicit TBarButton(fw::TCollection* Collection) : fw::TCollectionItem(Collection) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  // 0: as wide (high) as the button's content.
  int Width() const { return width_; }
  void SetWidth(int Value);
  int Height() const { return height_; }
  void SetHeight(int Value) { height_ = Value; }

 private:
  void ButtonChanged();

  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  int width_ = 0;
  int height_ = 0;
};

class THeaderButton : public TBarButton {
 public:
  explicit THeaderButton(fw::TCollection* Collection) : TBarButton(Collection) {}
  // Another header button: Caption (setter), ImageIndex, then Enabled, Width and Height (setters). Anything
  // else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;
};

class TFooterButton : public TBarButton {
 public:
  explicit TFooterButton(fw::TCollection* Collection) : TBarButton(Collection) {}
  // Another footer button: Caption (setter), ImageIndex and ModalResult, then Enabled, Width and Height
  // (setters). Anything else raises the framework's assign error.
  void Assign(fw::TPersistent* Source) override;

  // Not mrNone: a click on the button closes the pop-up with this result.
  fw::TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(fw::TModalResult Value) { modalResult_ = Value; }

 private:
  fw::TModalResult modalResult_ = fw::mrNone;
};

// A bar's button list, owned by its appearance; the collection's owner is the appearance's owner component.
class TBarButtons : public fw::TCollection {
 public:
  TBarButtons(fw::TCollectionItemFactory ItemClass, fw::TPersistent* Owner)
      : fw::TCollection(std::move(ItemClass), Owner) {}

  // Fired by a button whose Caption, Enabled or Width changed (sender: this collection).
  fw::TNotifyEvent OnChange;

 private:
  friend class TBarButton;
  void ButtonChanged() {
    if (OnChange) OnChange(this);
  }
};

class THeaderButtons : public TBarButtons {
 public:
  explicit THeaderButtons(fw::TPersistent* Owner) : TBarButtons(fw::ItemClass<THeaderButton>(), Owner) {}
  THeaderButton* Add() { return static_cast<THeaderButton*>(fw::TCollection::Add()); }
  // EListError for an index outside the list.
  THeaderButton* Items(int Index) const { return static_cast<THeaderButton*>(fw::TCollection::Items(Index)); }
};

class TFooterButtons : public TBarButtons {
 public:
  explicit TFooterButtons(fw::TPersistent* Owner) : TBarButtons(fw::ItemClass<TFooterButton>(), Owner) {}
  TFooterButton* Add() { return static_cast<TFooterButton*>(fw::TCollection::Add()); }
  // EListError for an index outside the list.
  TFooterButton* Items(int Index) const { return static_cast<TFooterButton*>(fw::TCollection::Items(Index)); }
};

}  // namespace ui
