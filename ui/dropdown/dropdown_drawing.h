// The plain drawing and text routines the drop-down family shares: the pop-up's bars and buttons, the
// pickers' items and captions, and the grid's banded backgrounds. Every routine draws on the caller's
// canvas (a missing canvas draws nothing) and leaves the canvas's pen and brush as its last step set
// them. GUI thread only.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"

namespace fw {
class TCustomImageList;
}

namespace ui::dropdown {

// Steps bands (0 counts as 1) from FromColor towards ToColor, left to right when Horizontal, else top to
// bottom. Each band is drawn with the canvas's Rectangle in pen and brush of its colour and one pixel
// wider than its share, so neighbours may overlap by a pixel; the last band stops one step short of
// ToColor. Channel steps and band edges round halves to even.
void DrawStepGradient(fw::TCanvas* Canvas, fw::TColor FromColor, fw::TColor ToColor, bool Horizontal, fw::TRect R,
                      int Steps);

// Color1 at 100 % and above, Color2 at 0 % and below; between, each channel round(p * c1 + (1 - p) * c2)
// with p = Percent / 100 (halves to even).
fw::TColor BlendColor(fw::TColor Color1, fw::TColor Color2, int Percent);
// Per channel, in percent: a non-zero channel becomes round(min(100, 100 + d) / 100 * c), a zero channel
// becomes max(0, d). Negative values darken; positive ones only lift channels that are 0.
fw::TColor ShadeColor(fw::TColor Color, int dR, int dG, int dB);

// An 80-band gradient from Color to ColorTo (left to right for Direction 0, else top to bottom) when
// ColorTo is set, else a plain fill with Color when that is set; then, when BorderColor is set and
// BorderWidth is above 0, a frame over R drawn with a pen of BorderWidth.
void DrawFilledRect(fw::TCanvas* Canvas, fw::TRect R, fw::TColor Color, int Direction, int BorderWidth,
                    fw::TColor BorderColor, fw::TColor ColorTo);
// One line of text in R, vertically centred with an end ellipsis. With an image (ImageIndex 0 or more and
// an image list) the image stands 4 pixels from R's left, vertically centred, and the text follows 4
// pixels after it, left aligned; without one the text is centred.
void DrawImageText(fw::TCanvas* Canvas, fw::TRect R, const std::string& Text, int ImageIndex,
                   fw::TCustomImageList* Images);
// The extent of one line of text in the canvas's font; (0, 0) for an empty text.
void GetTextSize(fw::TCanvas* Canvas, const std::string& Text, SIZE& Size);
// Text when it fits MaxWidth; otherwise the longest start of it (followed by "..." when Ellipsis is set)
// that is narrower than MaxWidth. When no start fits, Text itself.
void FitText(fw::TCanvas* Canvas, const std::string& Text, int MaxWidth, std::string& Result, bool Ellipsis);
// The size an HTML-subset caption takes when drawn into R (the text engine in measuring mode, with the
// default shadow, hover and link colours, the image list for image tags, Window for themed parts and word
// wrap off while Ellipsis is set); (0, 0) for an empty text.
void MeasureHTMLText(fw::TCanvas* Canvas, const std::string& Text, fw::TRect R, SIZE& Size, HWND Window,
                     bool Ellipsis, fw::TCustomImageList* Images);
// Draws an HTML-subset caption into R with the same arguments MeasureHTMLText measures it with (the item
// captions of the list pickers); nothing for an empty text.
void DrawHTMLCaption(fw::TCanvas* Canvas, const std::string& Text, fw::TRect R, HWND Window, bool Ellipsis,
                     fw::TCustomImageList* Images);
// Text as it is when KeepCase, else upper-cased by the locale.
void CaseText(const std::string& Text, bool KeepCase, std::string& Result);

}  // namespace ui::dropdown
