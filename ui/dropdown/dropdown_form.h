// TDropDownForm: the pop-up window of a drop-down control. A borderless, topmost, double-buffered form,
// owned by its drop-down, that holds from top to bottom an optional header bar, the picker of the
// drop-down and an optional footer bar, inside a border of DropDownBorderWidth pixels painted over a
// gradient. Losing activation to a window that is not one of its own closes it; the footer's size grip is
// the only way to size it. GUI thread only.
#pragma once

#include <cstdint>

#include "framework/controls/control_canvas.h"
#include "framework/forms/form.h"

namespace ui {

class TVxCustomDropDown;
class TVxHeader;
class TVxFooter;

class TDropDownForm : public fw::TForm {
 public:
  explicit TDropDownForm(fw::TComponent* AOwner);

  TVxCustomDropDown* DropDown() const { return dropDown_; }
  void SetDropDown(TVxCustomDropDown* Value) { dropDown_ = Value; }
  // The top-most ancestor of the drop-down's window; null without a drop-down (or its window).
  HWND GetRootWindow();
  // Makes, updates, shows or hides the bars from the drop-down's header and footer appearances.
  void UpdateHeaderFooter();
  TVxHeader* Header() const { return header_; }
  TVxFooter* Footer() const { return footer_; }

  // When the visible pop-up last lost activation (fw::TickCount).
  std::uint32_t DeactivationTime() const { return deactivationTime_; }
  // The drop-down's DropDownShadow, copied at each opening.
  bool Shadow() const { return shadow_; }
  void SetShadow(bool Value) { shadow_ = Value; }
  // The Cancel of a close by deactivation (pickers that keep their value clear it).
  bool CancelOnDeactivate() const { return cancelOnDeactivate_; }
  void SetCancelOnDeactivate(bool Value) { cancelOnDeactivate_ = Value; }
  // While set, losing activation leaves the pop-up open.
  bool KeepOpen() const { return keepOpen_; }
  void SetKeepOpen(bool Value) { keepOpen_ = Value; }

  fw::TCanvas* Canvas() { return &canvas_; }

  // Called after each sizing step the user makes.
  fw::TNotifyEvent OnSizing;

  void Dispatch(fw::TMessage& Message) override;

 protected:
  void CreateParams(fw::TCreateParams& Params) override;
  // Children are aligned inside the border.
  void AdjustClientRect(fw::TRect& Rect) override;
  void PaintWindow(HDC DC) override;
  void DestroyWnd() override;
  // The background gradient and the border.
  virtual void Paint();

 private:
  void Activated(fw::TMessage& Message);
  void PaintNow();

  fw::TControlCanvas canvas_;
  TVxCustomDropDown* dropDown_ = nullptr;
  TVxHeader* header_ = nullptr;
  TVxFooter* footer_ = nullptr;
  std::uint32_t deactivationTime_ = 0;
  bool shadow_ = true;
  bool cancelOnDeactivate_ = true;
  bool keepOpen_ = false;
};

}  // namespace ui
