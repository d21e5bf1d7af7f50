// DrawHTMLText: draws, measures and hit-tests a text in the HTML subset (bold, italic, underline and
// strike-out, fonts and colours, links, pictures, lists, paragraphs, highlight, shadow, sub- and
// superscript, error marking and small form controls) on a canvas in a rectangle. Every call is
// self-contained; the arguments and results travel in one record. GUI thread only.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics/canvas.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/geometry.h"

namespace fw {
class TCustomImageList;
}

namespace ui {

class THTMLPictureCache;
class TPictureContainer;

struct THTMLTextParams {
  // What to draw, where and how.
  std::string Text;
  fw::TRect Bounds{};
  fw::TCustomImageList* ImageList = nullptr;  // pictures "IDX:n"
  int HitX = -1;  // the test point
  int HitY = -1;
  int FocusLink = -1;  // 0-based index of the link with a focus rectangle, -1 none
  int HoverLink = -1;  // 1-based number of the link under the mouse
  int ShadowOffset = 0;
  bool HitTestOnly = false;  // the second pass of each line only hit-tests; ControlId is then an input
  bool MeasureOnly = false;  // only sizes and measuring results
  bool ScalePictures = false;
  bool KeepColors = false;  // link and FONT colours are not applied
  bool BlinkOn = true;  // blinking text visible
  bool HoverOnly = false;  // only the hovered link is underlined and coloured
  bool WordWrap = true;  // off: every line one run, overlong text ends with an ellipsis
  bool Pressed = false;  // the mouse button is down (pressed look of buttons)
  double PictureScale = 1.0;
  fw::TColor LinkColor = fw::clBlue;
  fw::TColor HoverBackColor = fw::clNone;
  fw::TColor HoverTextColor = fw::clNone;
  fw::TColor ShadowColor = fw::clGray;
  THTMLPictureCache* PictureCache = nullptr;  // pictures named by URL
  TPictureContainer* PictureContainer = nullptr;  // pictures named by name
  HWND ThemeWindow = nullptr;
  int BiDiMode = 0;  // 1 mirrors the alignment; non-zero reads right to left on a Middle-East locale

  // With HitTestOnly the ID of a control to locate; otherwise the ID of the control under the point.
  std::string ControlId;

  // Results.
  std::string HitLink;  // reference of the link under the point; "ctrl" on a form control
  std::string PlainText;  // the text runs in text order, CR for each line break tag
  std::string FocusLinkRef;
  std::string HitTitle;
  int TextWidth = 0;  // the widest line
  int TextHeight = 0;  // the sum of the line heights
  int LinkCount = 0;
  int HitLinkIndex = -1;  // 1-based number of the link under the point
  fw::TRect HitLinkRect{};  // unchanged when no link is hit
  fw::TRect ControlRect{};
  std::string ControlValue;
  std::string ControlType;
};

// True when the drawing pass of a line found something under the test point: a picture inside a link,
// a form control, or link text. Always false with MeasureOnly.
bool DrawHTMLText(fw::TCanvas* Canvas, THTMLTextParams& Params);

}  // namespace ui
