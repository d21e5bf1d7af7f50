#pragma once
// TPanel: a container that draws an outer and an inner bevel with a border between them, its colour and
// a caption; children are aligned inside the bevels and border.
#include "framework/controls/bevel_drawing.h"
#include "framework/controls/custom_control.h"
#include "framework/controls/std_types.h"
#include "framework/forms/form_types.h"

namespace fw {

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  // bsNone or bsSingle (a one-pixel window border).
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  // The width of bevels and border on each side.
  int FrameWidth() const;

 private:
  void FrameChanged();

  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TFormBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

}  // namespace fw
