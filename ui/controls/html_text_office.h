// DrawHTMLTextOffice: the HTML-subset text engine of the Office-style check box and radio button. The
// same markup, passes and layout as DrawHTMLText on a canvas, with links named by their first quoted
// value, body and paragraph gradients, corner pictures, list bullet shapes, a coloured rule, line spacing
// and the offset tag; no form controls or titles. Each line starts with its leading blanks taken off.
// GUI thread only.
#pragma once

#include "ui/foundation/html_engine.h"

namespace ui {

// Reads Params as DrawHTMLText does, except ThemeWindow, Pressed and ControlId (not used) and HitTitle (left
// empty).
bool DrawHTMLTextOffice(fw::TCanvas* Canvas, THTMLTextParams& Params, int LineSpacing);

}  // namespace ui
