#pragma once
// Scrolling containers: TScrollBox shows the part of its children that fits and moves them with its
// scroll bars. With AutoScroll the range of each bar is the extent of the children; without it the
// Range set on the bar.
#include "framework/controls/std_types.h"
#include "framework/controls/win_control.h"
#include "framework/forms/form_types.h"

namespace fw {

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
 public:
  TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind) : control_(control), kind_(kind) {}

  TScrollBarKind Kind() const { return kind_; }
  // 0 .. Range minus the client extent; setting moves the children.
  int Position() const { return position_; }
  void SetPosition(int value);
  int Range() const;
  void SetRange(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value > 0 ? value : 1; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // The largest position the range allows for the current client size.
  int MaxPosition() const;
  // Room kept beyond a child that is scrolled into view (the item selector reads it).
  int Margin() const { return margin_; }
  void SetMargin(int value) { margin_ = value > 0 ? value : 0; }
  // Whether the window shows this bar now (its WS_HSCROLL/WS_VSCROLL style); false without a window.
  bool IsScrollBarVisible() const;

 private:
  friend class TScrollingWinControl;
  void Scroll(UINT code);

  TScrollingWinControl* control_;
  TScrollBarKind kind_;
  int position_ = 0;
  int range_ = 0;
  int increment_ = 8;
  int margin_ = 0;
  bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
 public:
  explicit TScrollingWinControl(TComponent* AOwner);

  TControlScrollBar* HorzScrollBar() { return &horz_; }
  TControlScrollBar* VertScrollBar() { return &vert_; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  // The extent of the visible children along the bar's direction, in unscrolled coordinates.
  int AutoRange(TScrollBarKind kind) const;
  // Clamps the positions to the current ranges and shows the scroll bars as they stand.
  void UpdateScrollBars();
  // Brings a child into view.
  void ScrollInView(TControl* AControl);

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateWnd() override;
  void BoundsChanged() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void AlignControl(TControl* AControl) override;

 private:
  friend class TControlScrollBar;
  void ScrollChildren(int dx, int dy);
  int ClientExtent(TScrollBarKind kind);
  void ShowBar(const TControlScrollBar& bar);
  // Hides both bars when each is only kept by the other.
  void ReleaseMutualBars();

  TControlScrollBar horz_{this, sbHorizontal};
  TControlScrollBar vert_{this, sbVertical};
  bool autoScroll_ = true;
  bool updating_ = false;
  bool scrolling_ = false;
};

class TScrollBox : public TScrollingWinControl {
 public:
  explicit TScrollBox(TComponent* AOwner);
  // bsSingle (a sunken edge, the default) or bsNone.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TFormBorderStyle borderStyle_ = bsSingle;
};

}  // namespace fw
