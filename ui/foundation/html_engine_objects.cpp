// The engine's inline objects: pictures and form controls, placed on the line and hit-tested here, drawn
// by the surface.
#include <algorithm>

#include "ui/foundation/html_controls.h"
#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

void THTMLEngine::ImageTag(TPass& pass, TFlow& flow, const std::string& upper) {
  ++flow.pictureCounter;
  std::string reference = HTMLTagValue(upper, "SRC");
  if (HTMLTagHas(upper, "ALT") && flow.pictureCounter == hitPicture_) reference = HTMLTagValue(upper, "ALT");

  const fw::TSize size = surface_.PlacePicture(reference, upper, pass.draw.Left, line_.box.Top, pass.paint);

  const int testX = p_.HitX - line_.box.Left;
  if (flow.insideLink && testX > pass.x && testX < pass.x + size.cx && p_.HitY > line_.box.Top &&
      p_.HitY < line_.box.Top + size.cy) {
    pass.pictureHit = true;
    p_.HitLink = flow.linkRef;
    pass.hitRecorded = true;
    p_.HitTitle = flow.linkTitle;
    hitPicture_ = flow.pictureCounter;
  }
  const int lineWidth = LineWidth(pass);
  if (pass.measuring && pass.x + size.cx > lineWidth && size.cx <= lineWidth) {
    --flow.pictureCounter;  // the tag is read again on the next line
    pass.lineFull = true;
    return;
  }
  pass.x += size.cx;
  pass.draw.Left += size.cx;
  line_.height = std::max(line_.height, size.cy);
  if (HTMLTagHas(upper, "ALIGN")) {
    if (HTMLTagHas(upper, "\"TOP")) line_.textOffset = line_.height - line_.ghHeight;
    else if (HTMLTagHas(upper, "\"MIDDLE")) line_.textOffset = (line_.height - line_.ghHeight) / 2;
  }
  if (rules_.pictureWrap && HTMLTagHas(upper, "WRAP")) {
    line_.height = line_.ghHeight;
    line_.textOffset = 0;
  }
}

void THTMLEngine::ControlTag(TPass& pass, const std::string& tag) {
  const THTMLControlTag control = ParseHTMLControlTag(tag.size() > 7 ? tag.substr(7) : std::string());
  int height = 25;
  if (!ReadWholeInteger(control.Height, height, false)) height = 25;
  if (control.Width.empty()) return;

  int width = 0;
  int objectWidth = 0;
  int objectHeight = 0;
  if (ReadWholeInteger(control.Width, width, false)) {
    objectWidth = width;
    objectHeight = GhHeight() + 10;
  }
  const bool box = control.Type == "CHECK" || control.Type == "RADIO";
  line_.height = box ? 16 : 23;
  if (height > 25) line_.height = height - 2;

  if (pass.paint) {
    surface_.DrawControl(THTMLSurface::TControl{control.Type, control.Value, pass.draw.Left, TextBottom(), line_.height,
                                                width, height, objectWidth, objectHeight});
  }

  if (control.Type == "BUTTON" || control.Type == "COMBO") objectHeight = 25;
  if (box) objectWidth = objectHeight = 16;

  const int testX = p_.HitX - line_.box.Left;
  const bool under = testX > pass.x && testX < pass.x + objectWidth && p_.HitY > line_.box.Top &&
                     p_.HitY < line_.box.Top + objectHeight;
  if (under || (p_.HitTestOnly && !p_.ControlId.empty() && p_.ControlId == control.ID)) {
    pass.controlHit = true;
    p_.HitLink = "ctrl";
    pass.hitRecorded = true;
    p_.ControlRect = fw::Rect(line_.box.Left + pass.x, line_.box.Top, line_.box.Left + pass.x + objectWidth,
                              line_.box.Top + objectHeight);
    p_.ControlValue = control.Value;
    p_.ControlId = control.ID;
    p_.ControlType = control.Type;
  }
  const int lineWidth = LineWidth(pass);
  if (pass.measuring && pass.x + objectWidth > lineWidth && objectWidth <= lineWidth) {
    pass.lineFull = true;
    return;
  }
  pass.x += objectWidth;
  pass.draw.Left += objectWidth;
  line_.height = std::max(line_.height, objectHeight);
}

}  // namespace ui
