// TVxGroupBox: a self-painted group box: the parent's image as background, a single or double border
// (optionally round), and a caption at one of six places made of an optional check box, an image and the
// text. The caption check box (TGroupBoxCheck) enables or disables the children, or checks or unchecks
// the child check boxes, and reports every change through OnCheckBoxClick. GUI thread only.
#pragma once

#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "ui/foundation/version_info.h"

namespace fw {
class TCustomImageList;
}

namespace ui {

class TVxCustomGroupBox;

enum TVxBorderStyle { bsNone, bsSingle, bsDouble };
enum TCaptionPosition { cpTopLeft, cpTopRight, cpTopCenter, cpBottomLeft, cpBottomRight, cpBottomCenter };
enum TCheckBoxAction { caNone, caDisable, caCheckAll };
enum TCheckBoxPos { cpLeft, cpRight };

class TGroupBoxCheck : public fw::TPersistent {
 public:
  explicit TGroupBoxCheck(TVxCustomGroupBox* Owner) : owner_(Owner) {}
  // Hint, State, Themed, AllowGrayed, Action, Checked and Position of another check (not Visible).
  void Assign(fw::TPersistent* Source) override;

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  fw::TCheckBoxState State() const { return state_; }
  void SetState(fw::TCheckBoxState value);
  bool Checked() const { return state_ == fw::cbChecked; }
  void SetChecked(bool value);
  bool Themed() const { return themed_; }
  void SetThemed(bool value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);
  TCheckBoxAction Action() const { return action_; }
  void SetAction(TCheckBoxAction value) { action_ = value; }
  TCheckBoxPos Position() const { return position_; }
  void SetPosition(TCheckBoxPos value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Hot() const { return hot_; }
  void SetHot(bool value);
  bool Down() const { return down_; }
  void SetDown(bool value);

  fw::TNotifyEvent OnChange;

 private:
  void Changed();

  std::string hint_;
  fw::TCheckBoxState state_ = fw::cbUnchecked;
  bool themed_ = true;
  bool allowGrayed_ = false;
  TCheckBoxAction action_ = caDisable;
  TCheckBoxPos position_ = cpLeft;
  bool visible_ = false;
  bool hot_ = false;
  bool down_ = false;
  TVxCustomGroupBox* owner_;
};

class TVxCustomGroupBox : public fw::TCustomGroupBox, public TVersionedComponent {
 public:
  explicit TVxCustomGroupBox(fw::TComponent* AOwner);
  ~TVxCustomGroupBox() override;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  fw::TCustomImageList* Images() const { return images_; }
  virtual void SetImages(fw::TCustomImageList* value);
  TVxBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TVxBorderStyle value);
  TCaptionPosition CaptionPosition() const { return captionPosition_; }
  void SetCaptionPosition(TCaptionPosition value);
  bool RoundEdges() const { return roundEdges_; }
  void SetRoundEdges(bool value);
  TGroupBoxCheck* CheckBox() { return &check_; }
  void SetCheckBox(TGroupBoxCheck* value) { check_.Assign(value); }
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  std::uint32_t GetVersionNr() const override { return MakeVersionNr(1, 1, 0, 2); }

  // Check box, text (image and text) and whole caption, in client coordinates.
  void GetCaptionRects(fw::TRect& CheckRect, fw::TRect& TextRect, fw::TRect& CaptionRect);
  int CaptionHeight();
  int BorderWidth() const;
  // Paints the caption check box at once.
  void DrawCheck();
  void ToggleCheck();

  fw::TNotifyEvent OnCheckBoxClick;

 protected:
  friend class TGroupBoxCheck;
  void Loaded() override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void AdjustClientRect(fw::TRect& Rect) override;
  void AlignControls(fw::TControl* AControl, fw::TRect& Rect) override;
  void CreateWnd() override;
  void Paint() override;
  void Dispatch(fw::TMessage& Message) override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  virtual void DrawParentImage();
  virtual void ApplyCheckAction();
  virtual void DoCheckBoxClick();

 private:
  bool CheckActive() const { return Enabled() && check_.Visible(); }
  void DrawCheckOn(fw::TCanvas* Canvas);

  bool transparent_ = true;
  fw::TColor borderColor_ = fw::clSilver;
  int imageIndex_ = -1;
  fw::TCustomImageList* images_ = nullptr;
  TVxBorderStyle borderStyle_ = bsSingle;
  TCaptionPosition captionPosition_ = cpTopLeft;
  bool roundEdges_ = false;
  bool ctl3D_ = false;
  TGroupBoxCheck check_;
};

class TVxGroupBox : public TVxCustomGroupBox {
 public:
  using TVxCustomGroupBox::TVxCustomGroupBox;
};

}  // namespace ui
