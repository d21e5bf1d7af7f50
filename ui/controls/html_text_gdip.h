// DrawHTMLTextGDIP: the HTML-subset text engine on a GDI+ surface, for the smooth panel's captions. The
// same markup, passes and layout as DrawHTMLText, with the font given as an argument, pictures from a
// GDI+ picture container, line spacing between lines, links named by their first quoted value, the
// offset tag and list bullet shapes; no form controls, URL pictures, titles or right-to-left reading.
// TextWidth and TextHeight carry 2 extra pixels. GUI thread only.
#pragma once

#include "framework/graphics/font.h"
#include "ui/foundation/html_engine.h"

namespace ui {

class TGPGraphics;
class TGDIPPictureContainer;

// Reads Params as DrawHTMLText does, except PictureCache, PictureContainer, ThemeWindow, BiDiMode,
// Pressed and ControlId (not used) and HitTitle (left empty).
bool DrawHTMLTextGDIP(TGPGraphics* Graphics, fw::TFont* Font, THTMLTextParams& Params,
                      TGDIPPictureContainer* PictureContainer, int LineSpacing);

}  // namespace ui
