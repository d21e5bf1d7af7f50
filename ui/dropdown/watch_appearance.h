// The analog watch's look (TWatchAppearance) and its clock settings (TWatchSettings), with the
// enumerations they use. Both tell their owner of every change through one callback; GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/classes/persistent.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"
#include "framework/graphics/picture.h"

namespace ui {

enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
// tmAll: quarter, hour and minute marks; tmHours: quarter and hour marks; tmQuartHours: quarter marks.
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
// hmsQuartDblLine draws the four quarter marks as double lines.
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TAMPMFrame { apRect, apRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
// The watch's ready-made looks.
enum TWatchStyle {
  wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
  wsSuperNova, wsSports, wsSmooth
};

class TWatchAppearance;
using TWatchAppearanceChanged = std::function<void(TWatchAppearance* Sender)>;

// Every setter stores the value and notifies only when it differs; the fonts and the picture are copied in
// and always notify, and a change of the picture's content notifies too.
class TWatchAppearance : public fw::TPersistent {
 public:
  TWatchAppearance();
  ~TWatchAppearance() override;

  // From another appearance: every value (fonts and picture through their own copies); from anything
  // else the base class decides.
  void Assign(fw::TPersistent* Source) override;
  // Back to the defaults above without notifying: every value, Tahoma 8 and 10 pt fonts of the window
  // text colour and no style, and an empty picture (whose later changes notify again).
  void SetDefaults();

  // Face diameter in pixels; 0 or less: the control's smaller side minus 20.
  int Size() const { return size_; }
  void SetSize(int value) { Update(size_, value); }
  TWatchShape Shape() const { return shape_; }
  void SetShape(TWatchShape value) { Update(shape_, value); }
  fw::TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(fw::TColor value) { Update(backgroundColor_, value); }
  // clNone: the same as BackgroundColor.
  fw::TColor BackgroundColorTo() const { return backgroundColorTo_; }
  void SetBackgroundColorTo(fw::TColor value) { Update(backgroundColorTo_, value); }
  TWatchGradient BackgroundGradient() const { return backgroundGradient_; }
  void SetBackgroundGradient(TWatchGradient value) { Update(backgroundGradient_, value); }
  // Drawn instead of the coloured face when it holds a graphic.
  fw::TPicture* Picture() const { return picture_.get(); }
  void SetPicture(fw::TPicture* value) { picture_->Assign(value); }
  fw::TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(fw::TColor value) { Update(borderColor_, value); }
  // Below 1: no outline.
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value) { Update(borderWidth_, value); }
  TTickMarks TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMarks value) { Update(tickMarks_, value); }
  fw::TColor HourColor() const { return hourColor_; }
  void SetHourColor(fw::TColor value) { Update(hourColor_, value); }
  // 0: a tenth of the mark radius.
  std::uint8_t HourMarkLength() const { return hourMarkLength_; }
  void SetHourMarkLength(std::uint8_t value) { Update(hourMarkLength_, value); }
  std::uint8_t HourMarkWidth() const { return hourMarkWidth_; }
  void SetHourMarkWidth(std::uint8_t value) { Update(hourMarkWidth_, value); }
  THourMarkStyle HourMarkStyle() const { return hourMarkStyle_; }
  void SetHourMarkStyle(THourMarkStyle value) { Update(hourMarkStyle_, value); }
  fw::TColor MinuteColor() const { return minuteColor_; }
  void SetMinuteColor(fw::TColor value) { Update(minuteColor_, value); }
  // 0: a twentieth of the mark radius.
  std::uint8_t MinuteMarkLength() const { return minuteMarkLength_; }
  void SetMinuteMarkLength(std::uint8_t value) { Update(minuteMarkLength_, value); }
  std::uint8_t MinuteMarkWidth() const { return minuteMarkWidth_; }
  void SetMinuteMarkWidth(std::uint8_t value) { Update(minuteMarkWidth_, value); }
  fw::TFont* HourFont() const { return hourFont_.get(); }
  void SetHourFont(fw::TFont* value);
  fw::TFont* AMPMFont() const { return ampmFont_.get(); }
  void SetAMPMFont(fw::TFont* value);
  // clNone: the box is not filled and the half of the day switches without sliding.
  fw::TColor AMPMColor() const { return ampmColor_; }
  void SetAMPMColor(fw::TColor value) { Update(ampmColor_, value); }
  // clNone: the box has no frame.
  fw::TColor AMPMBorderColor() const { return ampmBorderColor_; }
  void SetAMPMBorderColor(fw::TColor value) { Update(ampmBorderColor_, value); }
  // The box's colours stored without notifying (the looks and colour sets write them so).
  void StoreAMPMColor(fw::TColor value) { ampmColor_ = value; }
  void StoreAMPMBorderColor(fw::TColor value) { ampmBorderColor_ = value; }
  TAMPMFrame AMPMFrame() const { return ampmFrame_; }
  void SetAMPMFrame(TAMPMFrame value) { Update(ampmFrame_, value); }
  TPointerStyle PointerStyle() const { return pointerStyle_; }
  void SetPointerStyle(TPointerStyle value) { Update(pointerStyle_, value); }
  fw::TColor HourPointer() const { return hourPointer_; }
  void SetHourPointer(fw::TColor value) { Update(hourPointer_, value); }
  // clNone: no shadow.
  fw::TColor HourPointerShadow() const { return hourPointerShadow_; }
  void SetHourPointerShadow(fw::TColor value) { Update(hourPointerShadow_, value); }
  std::uint8_t HourPointerSize() const { return hourPointerSize_; }
  void SetHourPointerSize(std::uint8_t value) { Update(hourPointerSize_, value); }
  fw::TColor MinutePointer() const { return minutePointer_; }
  void SetMinutePointer(fw::TColor value) { Update(minutePointer_, value); }
  fw::TColor MinutePointerShadow() const { return minutePointerShadow_; }
  void SetMinutePointerShadow(fw::TColor value) { Update(minutePointerShadow_, value); }
  std::uint8_t MinutePointerSize() const { return minutePointerSize_; }
  void SetMinutePointerSize(std::uint8_t value) { Update(minutePointerSize_, value); }
  fw::TColor SecondPointer() const { return secondPointer_; }
  void SetSecondPointer(fw::TColor value) { Update(secondPointer_, value); }
  std::uint8_t SecondPointerSize() const { return secondPointerSize_; }
  void SetSecondPointerSize(std::uint8_t value) { Update(secondPointerSize_, value); }
  // Diameter of the centre disc; 0: none.
  std::uint8_t CenterPointSize() const { return centerPointSize_; }
  void SetCenterPointSize(std::uint8_t value) { Update(centerPointSize_, value); }
  fw::TColor CenterPointColor() const { return centerPointColor_; }
  void SetCenterPointColor(fw::TColor value) { Update(centerPointColor_, value); }
  fw::TColor CenterPointBorderColor() const { return centerPointBorderColor_; }
  void SetCenterPointBorderColor(fw::TColor value) { Update(centerPointBorderColor_, value); }
  fw::TColor CenterPointOuterBorderColor() const { return centerPointOuterBorderColor_; }
  void SetCenterPointOuterBorderColor(fw::TColor value) { Update(centerPointOuterBorderColor_, value); }

  // The owner's callback, told of every change.
  TWatchAppearanceChanged OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();
  // The plain values of another appearance, silently (not the fonts, the picture, the outer ring colour,
  // TickMarks and HourMarkStyle).
  void CopyPlainValues(const TWatchAppearance& other);

  int size_ = 0;
  TWatchShape shape_ = wsCircle;
  fw::TColor backgroundColor_ = fw::clWhite;
  fw::TColor backgroundColorTo_ = fw::clNone;
  TWatchGradient backgroundGradient_ = wgVertical;
  std::unique_ptr<fw::TPicture> picture_;
  fw::TColor borderColor_ = fw::clBlack;
  int borderWidth_ = 4;
  TTickMarks tickMarks_ = tmAll;
  fw::TColor hourColor_ = fw::clBlack;
  std::uint8_t hourMarkLength_ = 0;
  std::uint8_t hourMarkWidth_ = 1;
  THourMarkStyle hourMarkStyle_ = hmsLine;
  fw::TColor minuteColor_ = fw::clGray;
  std::uint8_t minuteMarkLength_ = 0;
  std::uint8_t minuteMarkWidth_ = 1;
  std::unique_ptr<fw::TFont> hourFont_;
  std::unique_ptr<fw::TFont> ampmFont_;
  fw::TColor ampmColor_ = fw::clWhite;
  fw::TColor ampmBorderColor_ = fw::clBlack;
  TAMPMFrame ampmFrame_ = apRect;
  TPointerStyle pointerStyle_ = psLine;
  fw::TColor hourPointer_ = fw::clBlack;
  fw::TColor hourPointerShadow_ = fw::clBtnShadow;
  std::uint8_t hourPointerSize_ = 4;
  fw::TColor minutePointer_ = fw::clBlack;
  fw::TColor minutePointerShadow_ = fw::clBtnShadow;
  std::uint8_t minutePointerSize_ = 3;
  fw::TColor secondPointer_ = fw::clRed;
  std::uint8_t secondPointerSize_ = 1;
  std::uint8_t centerPointSize_ = 4;
  fw::TColor centerPointColor_ = fw::clBlack;
  fw::TColor centerPointBorderColor_ = fw::clNone;
  fw::TColor centerPointOuterBorderColor_ = fw::clNone;
};

class TWatchSettings;
using TWatchSettingsChanged = std::function<void(TWatchSettings* Sender)>;

// Clock mode: the watch shows the local time plus TimeOffset minutes and advances by itself.
class TWatchSettings : public fw::TPersistent {
 public:
  // From other settings: Second and TimeOffset silently, then Auto through its setter.
  void Assign(fw::TPersistent* Source) override;

  bool Auto() const { return auto_; }
  void SetAuto(bool value) { Update(auto_, value); }
  int TimeOffset() const { return timeOffset_; }
  void SetTimeOffset(int value) { Update(timeOffset_, value); }
  // The second hand in clock mode.
  bool Second() const { return second_; }
  void SetSecond(bool value) { Update(second_, value); }

  TWatchSettingsChanged OnChange;

 private:
  template <class T>
  void Update(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(this);
  }

  bool auto_ = false;
  int timeOffset_ = 0;
  bool second_ = true;
};

}  // namespace ui
