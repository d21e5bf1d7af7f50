// The face painter of the glow button: background halves, border or row piece, focus outline, caption,
// notes, glyph and drop-down part into a rectangle of a canvas, or only the measure of the content. The
// caption goes through GDI+ when anti-aliasing is asked for and the font is a TrueType font the system
// knows, else through GDI DrawText.
#pragma once

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "ui/controls/glow_face_colors.h"

namespace ui {

// The glyph part beside the arrow of the drop-down part: 14 pixels wide (or high).
constexpr int kGlowDropDownPart = 14;

struct TGlowFace {
  fw::TRect R;  // the client rectangle
  TGlowFaceColors Colors;
  std::string Caption;
  fw::TFont* Font = nullptr;
  fw::TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  bool ImagesEnabled = true;
  TButtonLayout Layout = blGlyphLeft;
  bool DropDownButton = false;
  bool Enabled = true;
  bool FocusBorder = false;
  TDropDownPosition DropDownPosition = dpRight;
  TGDIPPicture* Picture = nullptr;
  fw::TSize GlyphSize{};  // 0 x 0 unless a size is forced
  TAntiAlias AntiAlias = aaClearType;
  fw::TBitmap* DropDownGlyph = nullptr;  // drawn in place of a glyph when larger than 1 x 1
  int DropDownState = 0;                 // 0 none, 1 over the drop-down part, 2 over the button part
  bool TransparentFace = false;
  bool MouseInside = false;
  TButtonPosition Position = bpStandalone;
  bool DropDownSplit = true;
  bool Border = true;
  bool WordWrap = true;
  bool MeasureOnly = false;
  bool Rounded = true;
  bool ArrowDown = true;
  int Spacing = 2;
  StringTrimming Trimming = StringTrimmingNone;
  fw::TStrings* Notes = nullptr;
  fw::TFont* NotesFont = nullptr;
  bool Down = false;
  bool MenuShowing = false;
  bool HotTransparentOn = false;
};

// Draws (or with MeasureOnly only measures) the face; answers the measured content size.
fw::TSize DrawGlowButton(fw::TCanvas* Canvas, const TGlowFace& Face);

// The caption as drawn: the two characters "\n" (any case) become a line break (CR LF), or a blank when
// the glyph size is forced.
std::string GlowCaptionText(const std::string& Caption, bool SizeForced);

}  // namespace ui
