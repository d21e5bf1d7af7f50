// How the styled controls' builds of the HTML-subset text engine (GDI+ and Office) read the markup alike:
// links named by their first quoted value, no form controls, the offset tag, the system's highlight
// colours, no prefix characters in a text holding " & ", picture WRAP, and a line spacing of their own.
#pragma once

#include "ui/foundation/html_surface.h"

namespace ui {

inline THTMLRules StyledControlRules(int LineSpacing) {
  THTMLRules rules;
  rules.linksByFirstValue = true;
  rules.formControls = false;
  rules.offsetTag = true;
  rules.fixedHighlight = true;
  rules.noPrefixWithAmpersand = true;
  rules.pictureWrap = true;
  rules.lineSpacing = LineSpacing;
  return rules;
}

}  // namespace ui
