// The header and footer bars of a drop-down's pop-up window. Each keeps its own copy of the drop-down's
// header or footer appearance, paints it (gradient, border, image, HTML caption) and makes one TVxButton
// per button item of the drop-down's collection, lined up from the right or the left. A button click is
// reported to the drop-down with the item's index; the footer also draws a size grip whose corner starts
// the system's sizing of the pop-up. GUI thread only.
#pragma once

#include <memory>

#include "framework/controls/custom_control.h"
#include "framework/graphics/image_list.h"
#include "ui/dropdown/dbg_list.h"
#include "ui/dropdown/dropdown_bar_appearance.h"
#include "ui/dropdown/dropdown_edit.h"
#include "ui/dropdown/vx_button.h"

namespace ui {

// What the header and the footer share; the two differ in the places listed by the virtual members.
class TDropDownBar : public fw::TCustomControl {
 public:
  // The bar's own copy of the drop-down's appearance.
  TBarAppearance* BarAppearance() const { return barAppearance_; }
  fw::TCustomImageList* Images() const { return images_; }
  // Stores the reference only.
  void SetImages(fw::TCustomImageList* Value);
  TVxCustomDropDown* DropDown() const { return dropDown_; }
  // The drop-down's own button collection (not the bar's copy); none without a drop-down.
  virtual TBarButtons* Buttons() const = 0;
  // The buttons made from the collection, in collection order.
  const TDbgList& ButtonList() const { return buttonList_; }
  TVxButton* Button(int Index) const { return static_cast<TVxButton*>(buttonList_.Items(Index)); }

  // Takes the drop-down's images and copies its appearance; without one, forgets the images.
  virtual void SetDropDown(TVxCustomDropDown* Value) = 0;
  // Makes the buttons again when a drop-down is attached.
  void RebuildButtons();
  virtual void CreateButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  // Where the buttons go, inside the client rectangle.
  virtual fw::TRect ButtonArea() = 0;

  // Replaces the bar's whole painting.
  TDrawBackGroundEvent OnDrawBackGround;
  // Sees (and may change) the caption before it is drawn.
  TGetTextEvent OnGetText;

  void Dispatch(fw::TMessage& Message) override;

 protected:
  explicit TDropDownBar(fw::TComponent* AOwner);
  // The derived bar's copy, made in its constructor; its OnChange drives the bar.
  void AttachAppearance(TBarAppearance* Appearance);
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void Paint() override;
  // The border line against the picker, the three outer ones when the pop-up has no border of its own,
  // and the light inner frame.
  virtual void DrawBorder(fw::TCanvas* ACanvas, const fw::TRect& R) = 0;
  // The footer's size grip; nothing for the header.
  virtual void DrawExtras(fw::TCanvas*, const fw::TRect&) {}
  // The collection item's settings that differ between the bars (the footer's modal result and link).
  virtual void ConfigureButton(TVxButton* Button, TBarButton* Item) = 0;
  // Fires the drop-down's event for a click on the button with this index.
  virtual void ReportClick(int Index) = 0;
  // The copy's OnChange: the bar follows its Visible and Height.
  void AppearanceChanged();
  // No drop-down, or its pop-up draws no border of its own.
  bool PopupWithoutBorder() const;

  TVxCustomDropDown* dropDown_ = nullptr;
  fw::TCustomImageList* images_ = nullptr;

 private:
  void ButtonClicked(fw::TObject* Sender);

  TBarAppearance* barAppearance_ = nullptr;
  TDbgList buttonList_;
};

class TVxHeader : public TDropDownBar {
 public:
  explicit TVxHeader(fw::TComponent* AOwner);

  THeaderAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(THeaderAppearance* Value) { appearance_->Assign(Value); }
  THeaderButtons* Buttons() const override;
  void SetDropDown(TVxCustomDropDown* Value) override;
  // Left + 2, top + 2, right - 2, bottom - 3.
  fw::TRect ButtonArea() override;

 protected:
  void DrawBorder(fw::TCanvas* ACanvas, const fw::TRect& R) override;
  void ConfigureButton(TVxButton* Button, TBarButton* Item) override;
  void ReportClick(int Index) override;

 private:
  std::unique_ptr<THeaderAppearance> appearance_;
};

class TVxFooter : public TDropDownBar {
 public:
  explicit TVxFooter(fw::TComponent* AOwner);

  TFooterAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(TFooterAppearance* Value) { appearance_->Assign(Value); }
  TFooterButtons* Buttons() const override;
  void SetDropDown(TVxCustomDropDown* Value) override;
  // Left + 2, top + 2, right - 2 (right - 14 beside the size grip), bottom - 2.
  fw::TRect ButtonArea() override;
  // The appearance asks for it and the drop-down's pop-up may be sized.
  bool SizeGripShown() const;
  // The screen cursor the footer puts back after showing the sizing cursor over its grip.
  fw::TCursor SavedCursor() const { return savedCursor_; }

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void DrawBorder(fw::TCanvas* ACanvas, const fw::TRect& R) override;
  void DrawExtras(fw::TCanvas* ACanvas, const fw::TRect& R) override;
  void ConfigureButton(TVxButton* Button, TBarButton* Item) override;
  void ReportClick(int Index) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;

 private:
  // The grip works only while shown and with a pop-up window to size.
  bool Resizable() const { return SizeGripShown() && Parent() != nullptr; }
  bool InGripCorner(int X, int Y) { return X > Width() - 12 && Y > Height() - 15; }
  void RestoreCursor();

  std::unique_ptr<TFooterAppearance> appearance_;
  fw::TCursor savedCursor_ = 0;
};

}  // namespace ui
