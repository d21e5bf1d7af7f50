#pragma once
// TGDIPButton: paints a glass-look button face (or a plain one) with a caption and a picture, for the
// tab pager's tabs. The picture comes from the caller, a picture container by name, or an image list.
#include <functional>
#include <string>

#include "framework/classes/component.h"
#include "framework/classes/persistent.h"
#include "framework/controls/std_types.h"
#include "framework/graphics/font.h"
#include "framework/graphics/image_list.h"
#include "ui/foundation/gdip_fill.h"
#include "ui/foundation/gdip_picture_container.h"

namespace ui {

enum TGDIPButtonLayout { blPictureLeft, blPictureRight, blPictureBottom, blPictureTop, blNone };

// The layout of a picture beside a caption turned with a side tab (a left tab turns it one way, a right
// tab the other).
TGDIPButtonLayout TurnedLayout(TGDIPButtonLayout layout, bool leftSide);

// Sender and whether the font is stored (the handler may say no).
using TFontStoredEvent = std::function<void(fw::TObject* Sender, bool& IsStored)>;

class TGDIPButton : public fw::TPersistent {
 public:
  TGDIPButton();
  ~TGDIPButton() override;

  // Font, layout, spacing, shift, alignments, focus colour, simple layout and glow of another TGDIPButton
  // (not the rounding, image list, container or picture selections), then Changed.
  void Assign(fw::TPersistent* Source) override;
  // OnChange, unless an update is in progress.
  virtual void Changed();
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
  }

  // The owning control forwards its component notifications: a removed container or image list is
  // forgotten (nothing happens without an owner or while it is being destroyed).
  void Notification(fw::TComponent* Owner, fw::TComponent* AComponent, fw::TOperation Operation);

  void Draw(TGPGraphics* Graphics, const std::string& Caption, int X, int Y, int Width, int Height, int InsetY,
            int InsetX, fw::TColor Color, fw::TColor ColorDown, fw::TColor BevelColor, fw::TColor TextColor,
            bool Shadow, bool Down, bool Bevel, bool Vertical, bool LeftSide, TFillRoundingType RoundingType,
            TVxGDIPPicture* Picture, int TextWidth, int TextHeight, bool WideText, int ImageIndex,
            const std::string& PictureName);

  // The face colour of a pressed button: ColorDown, or without one Color with 70 % of its HSV value.
  static fw::TColor DownColor(fw::TColor Color, fw::TColor ColorDown);

  int GlowPercentage() const { return glowPercentage_; }
  void SetGlowPercentage(int value) { Update(glowPercentage_, value); }
  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value) { Update(alignment_, value); }
  fw::TAlignment PictureAlignment() const { return pictureAlignment_; }
  void SetPictureAlignment(fw::TAlignment value) { Update(pictureAlignment_, value); }
  fw::TFont* Font() const { return font_; }
  void SetFont(fw::TFont* value) { font_->Assign(value); }
  // True unless OnIsFontStored says otherwise.
  bool IsFontStored();
  TGDIPButtonLayout Layout() const { return layout_; }
  void SetLayout(TGDIPButtonLayout value) { Update(layout_, value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { Update(spacing_, value); }
  int ShiftDown() const { return shiftDown_; }
  void SetShiftDown(int value) { Update(shiftDown_, value); }
  fw::TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(fw::TColor value) { Update(focusColor_, value); }
  bool SimpleLayout() const { return simpleLayout_; }
  void SetSimpleLayout(bool value) { Update(simpleLayout_, value); }
  fw::TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(fw::TCustomImageList* value) { Update(imageList_, value); }
  TGDIPPictureContainer* PictureContainer() const { return pictureContainer_; }
  void SetPictureContainer(TGDIPPictureContainer* value) { Update(pictureContainer_, value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { Update(imageIndex_, value); }
  const std::string& PictureName() const { return pictureName_; }
  void SetPictureName(const std::string& value) { Update(pictureName_, value); }
  const std::string& DisabledPictureName() const { return disabledPictureName_; }
  void SetDisabledPictureName(const std::string& value) { Update(disabledPictureName_, value); }
  int DisabledImageIndex() const { return disabledImageIndex_; }
  void SetDisabledImageIndex(int value) { Update(disabledImageIndex_, value); }
  int Rounding() const { return rounding_; }
  void SetRounding(int value) { Update(rounding_, value); }

  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnFontChange;
  TFontStoredEvent OnIsFontStored;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void TakePicture(TVxGDIPPicture& picture, TVxGDIPPicture* given, int imageIndex, const std::string& name);
  void DrawGlassFace(TGPGraphics* Graphics, int X, int Y, int W, int H, int IX, int IY, fw::TColor K, bool Bevel,
                     fw::TColor BevelColor, TFillRoundingType RoundingType);

  int updateCount_ = 0;
  int glowPercentage_ = 100;
  fw::TAlignment alignment_ = fw::taCenter;
  fw::TAlignment pictureAlignment_ = fw::taRightJustify;
  fw::TFont* font_;
  TGDIPButtonLayout layout_ = blPictureLeft;
  int spacing_ = 3;
  int shiftDown_ = 1;
  fw::TColor focusColor_ = fw::clBlack;
  bool simpleLayout_ = false;
  fw::TCustomImageList* imageList_ = nullptr;
  TGDIPPictureContainer* pictureContainer_ = nullptr;
  int imageIndex_ = -1;
  std::string pictureName_;
  std::string disabledPictureName_;
  int disabledImageIndex_ = -1;
  int rounding_ = 8;
};

}  // namespace ui
