// The objects that describe the smooth tab pager's tabs: the tab geometry shared by all tabs
// (TVxSmoothTabSettings), the look of one page's tab (TVxSmoothTabAppearance: state colours, bevel,
// shadow, spacing, picture and the button painter) and the small status bubble on a tab
// (TVxSmoothTabStatus). Every change is reported to the owner through OnChange. GUI thread only.
#pragma once

#include <memory>
#include <string>

#include "framework/classes/events.h"
#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"

namespace ui {

class TGDIPButton;
class TGDIPStatus;
class TVxGDIPPicture;

class TVxSmoothTabSettings : public fw::TPersistent {
 public:
  TVxSmoothTabSettings() = default;
  // The seven values of other settings, each through its setter; anything else goes to the inherited Assign.
  void Assign(fw::TPersistent* Source) override;

  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int value) { Update(leftMargin_, value); }
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int value) { Update(rightMargin_, value); }
  // Depth of the tab band; 0 or less: no tabs.
  int Height() const { return height_; }
  void SetHeight(int value) { Update(height_, value); }
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int value) { Update(startMargin_, value); }
  // Cut from the far end of the tab strip (not stored).
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int value) { Update(endMargin_, value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { Update(spacing_, value); }
  // Fixed tab length; 0 or less: the length follows the caption.
  int Width() const { return width_; }
  void SetWidth(int value) { Update(width_, value); }

  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
  }

  int leftMargin_ = 4;
  int rightMargin_ = 4;
  int height_ = 26;
  int startMargin_ = 4;
  int endMargin_ = 0;
  int spacing_ = 4;
  int width_ = 0;
};

class TVxSmoothTabAppearance;

class TVxSmoothTabStatus : public fw::TPersistent {
 public:
  explicit TVxSmoothTabStatus(TVxSmoothTabAppearance* Owner);
  ~TVxSmoothTabStatus() override;
  // Painter, caption, offsets and Visible of another status.
  void Assign(fw::TPersistent* Source) override;

  int OffsetTop() const { return offsetTop_; }
  void SetOffsetTop(int value) { Update(offsetTop_, value); }
  int OffsetLeft() const { return offsetLeft_; }
  void SetOffsetLeft(int value) { Update(offsetLeft_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Update(visible_, value); }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { Update(caption_, value); }
  TGDIPStatus* Appearance() const { return appearance_.get(); }
  void SetAppearance(TGDIPStatus* value);

  // Assigned by the owner; the status reports its changes to the owner directly and never raises it.
  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();

  TVxSmoothTabAppearance* owner_;
  int offsetTop_ = 0;
  int offsetLeft_ = 0;
  bool visible_ = false;
  std::string caption_ = "0";
  std::unique_ptr<TGDIPStatus> appearance_;
};

class TVxSmoothTabAppearance : public fw::TPersistent {
 public:
  TVxSmoothTabAppearance();
  ~TVxSmoothTabAppearance() override;
  // Painter, status, bevel, colours, picture, shadow and spacings of another tab appearance, then
  // OnChange; any other source is ignored.
  void Assign(fw::TPersistent* Source) override;
  // Raises OnChange.
  void Changed();

  TVxGDIPPicture* Picture() const { return picture_.get(); }
  void SetPicture(TVxGDIPPicture* value);
  bool Bevel() const { return bevel_; }
  void SetBevel(bool value) { Update(bevel_, value); }
  int VerticalSpacing() const { return verticalSpacing_; }
  void SetVerticalSpacing(int value) { Update(verticalSpacing_, value); }
  fw::TColor Color() const { return color_; }
  void SetColor(fw::TColor value) { Update(color_, value); }
  TGDIPButton* Appearance() const { return appearance_.get(); }
  void SetAppearance(TGDIPButton* value);
  fw::TColor BevelColor() const { return bevelColor_; }
  void SetBevelColor(fw::TColor value) { Update(bevelColor_, value); }
  bool Shadow() const { return shadow_; }
  void SetShadow(bool value) { Update(shadow_, value); }
  TVxSmoothTabStatus* Status() const { return status_.get(); }
  void SetStatus(TVxSmoothTabStatus* value);
  int HorizontalSpacing() const { return horizontalSpacing_; }
  void SetHorizontalSpacing(int value) { Update(horizontalSpacing_, value); }
  fw::TColor ColorSelected() const { return colorSelected_; }
  void SetColorSelected(fw::TColor value) { Update(colorSelected_, value); }
  fw::TColor ColorDown() const { return colorDown_; }
  void SetColorDown(fw::TColor value) { Update(colorDown_, value); }
  fw::TColor ColorDisabled() const { return colorDisabled_; }
  void SetColorDisabled(fw::TColor value) { Update(colorDisabled_, value); }
  fw::TColor ColorHot() const { return colorHot_; }
  void SetColorHot(fw::TColor value) { Update(colorHot_, value); }
  fw::TColor BevelColorDisabled() const { return bevelColorDisabled_; }
  void SetBevelColorDisabled(fw::TColor value) { Update(bevelColorDisabled_, value); }
  fw::TColor BevelColorSelected() const { return bevelColorSelected_; }
  void SetBevelColorSelected(fw::TColor value) { Update(bevelColorSelected_, value); }
  fw::TColor BevelColorDown() const { return bevelColorDown_; }
  void SetBevelColorDown(fw::TColor value) { Update(bevelColorDown_, value); }
  fw::TColor BevelColorHot() const { return bevelColorHot_; }
  void SetBevelColorHot(fw::TColor value) { Update(bevelColorHot_, value); }
  // Like every other colour, a change repaints the tab.
  fw::TColor ColorTextHot() const { return colorTextHot_; }
  void SetColorTextHot(fw::TColor value) { Update(colorTextHot_, value); }
  fw::TColor ColorTextDisabled() const { return colorTextDisabled_; }
  void SetColorTextDisabled(fw::TColor value) { Update(colorTextDisabled_, value); }
  fw::TColor ColorTextSelected() const { return colorTextSelected_; }
  void SetColorTextSelected(fw::TColor value) { Update(colorTextSelected_, value); }

  fw::TNotifyEvent OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  std::unique_ptr<TVxGDIPPicture> picture_;
  bool bevel_ = true;
  int verticalSpacing_ = 0;
  fw::TColor color_ = 0xC0C0C0;
  std::unique_ptr<TGDIPButton> appearance_;
  fw::TColor bevelColor_ = 0x808080;
  bool shadow_ = false;
  std::unique_ptr<TVxSmoothTabStatus> status_;
  int horizontalSpacing_ = 0;
  fw::TColor colorSelected_ = 0xAAD9FF;
  fw::TColor colorDown_ = 0x808080;
  fw::TColor colorDisabled_ = 0x545454;
  fw::TColor colorHot_ = 0xFFFFFF;
  fw::TColor bevelColorDisabled_ = 0x545454;
  fw::TColor bevelColorSelected_ = 0xAAD9FF;
  fw::TColor bevelColorDown_ = 0x808080;
  fw::TColor bevelColorHot_ = 0xFFFFFF;
  fw::TColor colorTextHot_ = 0x000000;
  fw::TColor colorTextDisabled_ = 0x808080;
  fw::TColor colorTextSelected_ = 0x000000;
};

}  // namespace ui
