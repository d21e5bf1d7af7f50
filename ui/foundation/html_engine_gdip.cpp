// The GDI+ build's own drawing: text through the GDI+ wrapper with a background colour, underlines carried
// across blanks, the error zigzag, the rule, list bullets and pictures of a GDI+ picture container.
#include <windows.h>

#include <algorithm>

#include "ui/foundation/gdip_brushes.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_objects.h"
#include "ui/foundation/gdip_picture_container.h"
#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/vx_gdip_picture.h"

namespace ui {

namespace {

// Without DT_NOPREFIX an ampersand marks the next character and "&&" is one ampersand.
std::string WithoutPrefixes(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    else if (text[i] == '&') continue;
    result += text[i];
  }
  return result;
}

}  // namespace

int THTMLEngine::GDIPTextHeight(const std::string& run) { return graphics_->TextHeight(run, font_); }

int THTMLEngine::GDIPTextWidth(const std::string& run, fw::TRect area) {
  if (run == " ") return 0;  // a single blank takes no room
  const std::string shown = (flags_ & DT_NOPREFIX) != 0 ? run : WithoutPrefixes(run);
  if (shown.empty()) return 0;
  graphics_->DrawText(shown, -1, area, font_, DT_CALCRECT, fw::clNone);
  return area.Right - area.Left;
}

int THTMLEngine::GDIPBlankWidth() {
  fw::TRect area = line_.box;
  graphics_->DrawText(" ", -1, area, font_, DT_CALCRECT, fw::clNone);
  return std::max(0, area.Right - area.Left);
}

void THTMLEngine::DrawTextGDIP(const std::string& text, fw::TRect area, fw::TColor back) {
  if (font_->Color() == fw::clNone) return;
  const std::string shown = (flags_ & DT_NOPREFIX) != 0 ? text : WithoutPrefixes(text);
  graphics_->DrawText(shown, -1, area, font_, 0, back);
}

int THTMLEngine::PaintRunGDIP(TPass& pass, TFlow& flow, const std::string& run, const std::string& rest) {
  if (run == " ") return 0;
  const int height = RunHeight(run);
  int bottom = TextBottom() - line_.textOffset;
  int top = bottom - height;
  if (flow.subscript) {
    bottom += line_.subExtent;
    top += line_.subExtent / 2;
  }
  if (flow.superscript) {
    bottom -= line_.superExtent;
    top -= line_.superExtent / 2;
  }
  const int width = RunWidth(run, line_.box);
  fw::TRect area = fw::Rect(pass.draw.Left, top, pass.draw.Left + width, bottom);
  std::string shown = run;
  if (font_->Style().Contains(fw::fsUnderline)) {
    // The link's underline goes on across the blank to its next word.
    const std::size_t tag = rest.find('<');
    const std::string plain = rest.substr(0, tag == std::string::npos ? rest.size() : tag);
    const std::size_t blank = plain.find(' ');
    const std::string follow = plain.substr(0, blank == std::string::npos ? plain.size() : blank + 1);
    const std::size_t linkEnd = UpperCaseANSI(rest).find("</A");
    const std::size_t nextBlank = rest.find(' ');
    if (!follow.empty() && nextBlank != std::string::npos && (linkEnd == std::string::npos || nextBlank < linkEnd)) {
      shown += "_";
    }
    if (!follow.empty()) area.Right = area.Left + RunWidth(run + follow, line_.box);
  }
  const fw::TColor back = BrushColorOrNone();
  if (flow.shadow) {
    const fw::TColor color = font_->Color();
    font_->SetColor(p_.ShadowColor);
    DrawTextGDIP(shown, area.Offset(p_.ShadowOffset, p_.ShadowOffset), fw::clNone);
    font_->SetColor(color);
  }
  DrawTextGDIP(shown, area, back);
  pass.draw.Left += width;
  if (pass.focusOpen) p_.FocusLinkRef = flow.linkRef;
  if (flow.error) ErrorZigzagGDIP(area.Left, area.Left + width, bottom);
  return width;
}

void THTMLEngine::ErrorZigzagGDIP(int left, int right, int bottom) {
  TGPPen pen(ColorToARGB(0x0000FF), 1.0f);
  int x = left - (((left % 2) + 2) % 2);
  bool up = true;
  while (x <= right) {
    const float y1 = static_cast<float>(up ? bottom - 2 : bottom - 4);
    const float y2 = static_cast<float>(up ? bottom - 4 : bottom - 2);
    graphics_->DrawLine(&pen, static_cast<float>(x), y1, static_cast<float>(x + 2), y2);
    x += 2;
    up = !up;
  }
}

void THTMLEngine::HorizontalRuleGDIP() {
  TGPPen pen(ColorToARGB(fw::clBlack), 1.0f);
  const float y = static_cast<float>(TextBottom() + 1);
  graphics_->DrawLine(&pen, static_cast<float>(line_.box.Left), y, static_cast<float>(line_.box.Right), y);
}

void THTMLEngine::DrawListBulletGDIP(TPass& pass, const std::string& upper, const std::string& /*bullet*/) {
  const std::string type = HTMLTagValue(upper, "TYPE");
  const fw::TColor color = HTMLColorValue(HTMLTagValue(upper, "COLOR"));
  const int x = pass.draw.Left;
  const int y = line_.box.Top + 2;
  if (type == "SQUARE" || type == "CIRCLE") {
    if (GDIP()) {
      TGPSolidBrush brush(ColorToARGB(color));
      if (type == "SQUARE") graphics_->FillRectangleXYWH(&brush, static_cast<float>(x), static_cast<float>(y), 8, 8);
      else graphics_->FillEllipse(&brush, static_cast<float>(x), static_cast<float>(y), 8, 8);
    } else {
      const fw::TColor brush = BrushColorOrNone();
      canvas_->Pen()->SetColor(color);
      SetBrushColor(color);
      if (type == "SQUARE") canvas_->Rectangle(x, y, x + 8, y + 8);
      else canvas_->Ellipse(x, y, x + 8, y + 8);
      SetBrushColor(brush);
      SetBrushColor(fw::clNone);
    }
  } else if (type == "IMAGE" && GDIP() && gdipPictures_) {
    TVxGDIPPicture* picture = gdipPictures_->FindPicture(HTMLTagValue(upper, "NAME"));
    if (picture && !picture->Empty()) {
      picture->GetImageSizes();
      picture->GDIPDraw(graphics_, fw::Rect(x, y, x + picture->Width(), y + picture->Height()));
      if (picture->Width() > 12) pass.draw.Left += picture->Width() - 12;
    }
  }
}

fw::TSize THTMLEngine::PlaceGDIPPicture(TPass& pass, const std::string& reference, const std::string& upper) {
  if (!gdipPictures_ || reference.find(':') != std::string::npos) return fw::TSize{0, 0};
  TVxGDIPPicture* picture = gdipPictures_->FindPicture(reference);
  if (!picture || picture->Empty()) return fw::TSize{0, 0};
  const int width = IntOfText(HTMLTagValue(upper, "WIDTH"));
  const int height = IntOfText(HTMLTagValue(upper, "HEIGHT"));
  fw::TSize size{width, height};
  if (width < 1 || height < 1) {
    picture->GetImageSizes();
    size = fw::TSize{picture->Width(), picture->Height()};
  }
  if (pass.paint) {
    const int left = pass.draw.Left;
    const int top = line_.box.Top;
    picture->GDIPDraw(graphics_, fw::Rect(left, top, left + size.cx, top + size.cy));
  }
  return size;
}

}  // namespace ui
