#include "ui/foundation/html_engine.h"

#include <algorithm>

#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/theme_library.h"

namespace ui {

namespace {

constexpr UINT kBaseTextFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;  // 0x268

bool ReadWholeInteger(const std::string& text, int& value) {
  if (text.empty()) return false;
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (i == text.size()) return false;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
  }
  value = std::stoi(text);
  return true;
}

}  // namespace

bool DrawHTMLText(fw::TCanvas* Canvas, THTMLTextParams& Params) {
  THTMLCanvasEngine engine(Canvas, Params);
  return engine.Run();
}

THTMLCanvasEngine::THTMLCanvasEngine(fw::TCanvas* Canvas, THTMLTextParams& Params) : canvas_(Canvas), p_(Params) {}

bool THTMLCanvasEngine::Run() {
  const fw::TColor penColor = canvas_->Pen()->Color();
  const int penWidth = canvas_->Pen()->Width();
  entryBrushColor_ = canvas_->Brush()->Color();
  baseFont_.Assign(canvas_->Font());
  measureFont_.Assign(canvas_->Font());
  drawFont_.Assign(canvas_->Font());
  SetBrushColor(fw::clNone);
  themed_ = ThemeSupport() && ThemeLib.IsThemeActive != nullptr && ThemeLib.IsThemeActive();

  p_.ControlRect = fw::TRect{};
  p_.ControlValue.clear();
  p_.ControlType.clear();
  if (!p_.HitTestOnly) p_.ControlId.clear();
  p_.TextWidth = 0;
  p_.TextHeight = 0;
  p_.LinkCount = 0;
  p_.PlainText.clear();
  p_.FocusLinkRef.clear();
  p_.HitTitle.clear();
  p_.HitLinkIndex = -1;

  SetBkMode(canvas_->Handle(), TRANSPARENT);
  flags_ = BiDiTextFlags(kBaseTextFlags, p_.BiDiMode);
  if (!p_.WordWrap) flags_ |= DT_END_ELLIPSIS;

  std::string markup = LineBreaksToTags(RemoveFieldMarkerBrackets(ReplaceHTMLEntities(p_.Text)));

  int top = p_.Bounds.Top;
  while (!markup.empty()) {
    line_ = TLine{};
    canvas_->Font()->Assign(&measureFont_);
    line_.ghHeight = GhHeight();
    line_.height = line_.ghHeight;
    line_.box = fw::Rect(p_.Bounds.Left + 1 + indent_, top, p_.Bounds.Right, top + line_.height);

    TPass measure;
    measure.measuring = true;
    std::string consumed;
    const std::size_t before = markup.size();
    LinePass(measure, measureFlow_, markup, &consumed);
    measureFont_.Assign(canvas_->Font());
    if (markup.size() == before) break;  // nothing could be laid out: never loop for ever

    const int lineWidth = measure.x;
    fw::TRect& box = line_.box;
    box.Left = p_.Bounds.Left + 1;
    if (alignment_ == 1 && box.Right - lineWidth > box.Left) box.Left = box.Right - lineWidth;
    if (alignment_ == 2 && box.Right - box.Left - lineWidth > 0) box.Left += (box.Right - box.Left - lineWidth) / 2;
    box.Left += indent_;
    box.Bottom = top + line_.height + line_.subExtent + line_.superExtent;

    if (!p_.MeasureOnly) {
      canvas_->Font()->Assign(&drawFont_);
      TPass draw;
      draw.paint = !p_.HitTestOnly;
      LinePass(draw, drawFlow_, consumed, nullptr);
      drawFont_.Assign(canvas_->Font());
      const int textBottom = box.Bottom - line_.textOffset;
      if (draw.pictureHit || draw.controlHit ||
          (draw.linkTextHit && p_.HitY > textBottom - line_.ghHeight && p_.HitY < textBottom)) {
        result_ = true;
      }
    }
    const int advance = line_.height + line_.superExtent + line_.subExtent;
    top += advance;
    p_.TextHeight += advance;
    if (!p_.MeasureOnly && top + line_.ghHeight > p_.Bounds.Bottom) break;
  }

  if (p_.TextHeight == 0) {
    canvas_->Font()->Assign(&baseFont_);
    p_.TextHeight = GhHeight();
  }
  canvas_->Pen()->SetColor(penColor);
  canvas_->Pen()->SetWidth(penWidth);
  const fw::TBrushStyle style = canvas_->Brush()->Style();
  canvas_->Brush()->SetColor(entryBrushColor_);
  canvas_->Brush()->SetStyle(style);
  canvas_->Font()->Assign(&baseFont_);
  return p_.MeasureOnly ? false : result_;
}

void THTMLCanvasEngine::LinePass(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed) {
  pass.draw = line_.box;
  if (flow.insideLink) pass.anchorStart = fw::Point(line_.box.Left, line_.box.Top);
  if (pass.paint) {
    if (flow.paragraphBackground) {
      canvas_->FillRect(fw::Rect(p_.Bounds.Left, line_.box.Top, p_.Bounds.Right, line_.box.Bottom));
    }
    if (focusCarry_) {
      pass.focusOpen = true;
      pass.focus = fw::Rect(focusCarryAt_.X, focusCarryAt_.Y, 0, 0);
      focusCarry_ = false;
    }
  }
  while (!Markup.empty() && !pass.lineFull && !pass.lineBreak) {
    if (Markup[0] == '<') Tag(pass, flow, Markup, Consumed);
    else TextRun(pass, flow, Markup, Consumed);
  }
  EndOfLine(pass);
}

void THTMLCanvasEngine::TextRun(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed) {
  const std::string raw = NextHTMLTextRun(Markup, p_.WordWrap);
  const std::string run = ReplaceRunEntities(raw);
  const auto consume = [&] {
    Markup.erase(0, raw.size());
    if (Consumed) *Consumed += raw;
  };
  const int height = canvas_->TextHeight(run);
  if (flow.hidden) {
    RaiseLineHeight(flow, height);
    if (pass.measuring) p_.PlainText += run;
    Markup.erase(0, raw.size());
    return;
  }

  int width = 0;
  const int before = pass.x;
  if (pass.paint) {
    width = PaintRun(pass, flow, run);
    pass.x += width;
  } else {
    width = MeasureText(run, line_.box).Width();
    pass.x += width;
    pass.draw.Left += width;
    const int testX = p_.HitX - line_.box.Left;
    if (flow.insideLink && testX >= before && testX <= pass.x) {
      pass.linkTextHit = true;
      if (line_.box.Top < p_.HitY) {
        p_.HitLink = flow.linkRef;
        p_.HitTitle = flow.linkTitle;
        pass.linkHit = true;
      }
    }
  }

  if (pass.measuring) {
    const int lineWidth = LineWidth(pass);
    const bool continued = !pass.lineText.empty() && pass.lineText.back() != ' ';
    const bool fits = pass.x < lineWidth || width >= lineWidth || continued;
    if (p_.WordWrap && !fits) {
      pass.x -= width;
      pass.draw.Left -= width;
      pass.lineFull = true;
      return;
    }
    if (!p_.WordWrap && !fits && !pass.firstRun) {
      consume();
      Markup.clear();
      AcceptRun(pass, flow, run, height);
      return;
    }
  }
  consume();
  AcceptRun(pass, flow, run, height);
}

void THTMLCanvasEngine::AcceptRun(TPass& pass, TFlow& flow, const std::string& run, int height) {
  RaiseLineHeight(flow, height);
  if (pass.measuring) p_.PlainText += run;
  pass.lineText += run;
  pass.firstRun = false;
  pass.trailingBlank = !run.empty() && run.back() == ' ' ? canvas_->TextWidth(" ") : 0;
}

void THTMLCanvasEngine::RaiseLineHeight(const TFlow& flow, int height) {
  line_.height = std::max(line_.height, height);
  if (flow.subscript) line_.subExtent = std::max(line_.subExtent, height / 4);
  if (flow.superscript) line_.superExtent = std::max(line_.superExtent, height / 4);
}

int THTMLCanvasEngine::PaintRun(TPass& pass, TFlow& flow, const std::string& run) {
  int bottom = TextBottom();
  if (flow.superscript) bottom -= line_.superExtent;
  if (flow.subscript) bottom += line_.subExtent;
  bottom -= line_.textOffset;
  const int height = canvas_->TextHeight(run);
  const fw::TRect area = fw::Rect(pass.draw.Left, std::min(line_.box.Top, bottom - height), pass.draw.Right, bottom);
  if (flow.shadow) {
    const fw::TColor color = canvas_->Font()->Color();
    canvas_->Font()->SetColor(p_.ShadowColor);
    DrawText(run, area.Offset(p_.ShadowOffset, p_.ShadowOffset), flags_);
    canvas_->Font()->SetColor(color);
  }
  DrawText(run, area, flags_);
  const int width = MeasureText(run, area).Width();
  if ((flags_ & DT_RTLREADING) != 0) pass.draw.Right -= width;
  else pass.draw.Left += width;
  if (pass.focusOpen) p_.FocusLinkRef = flow.linkRef;
  if (flow.error) ErrorZigzag(area.Left, area.Left + width);
  return width;
}

void THTMLCanvasEngine::ErrorZigzag(int left, int right) {
  const fw::TColor color = canvas_->Pen()->Color();
  const int width = canvas_->Pen()->Width();
  canvas_->Pen()->SetColor(0x0000FF);
  canvas_->Pen()->SetWidth(1);
  const int base = TextBottom();
  int x = left - (((left % 2) + 2) % 2);
  bool below = x % 4 == 0;
  canvas_->MoveTo(x, below ? base + 1 : base - 1);
  while (x < right) {
    x += 2;
    below = !below;
    canvas_->LineTo(x, below ? base + 1 : base - 1);
  }
  canvas_->Pen()->SetColor(color);
  canvas_->Pen()->SetWidth(width);
}

void THTMLCanvasEngine::Tag(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed) {
  if (Markup.size() <= 2) {  // a "<" with at most one more character at the end of the text
    Markup.clear();
    return;
  }
  const std::size_t length = HTMLTagLength(Markup);
  const bool closed = Markup[length - 1] == '>';
  const std::string tag = Markup.substr(1, length - (closed ? 2 : 1));
  const std::string upper = UpperCaseANSI(tag);
  if (!upper.empty() && upper[0] == '/') ClosingTag(pass, flow, upper.substr(1));
  else if (!upper.empty()) OpeningTag(pass, flow, tag, upper);
  if (pass.lineFull) return;
  if (Consumed) *Consumed += Markup.substr(0, length);
  Markup.erase(0, length);
}

void THTMLCanvasEngine::OpeningTag(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper) {
  fw::TFont* font = canvas_->Font();
  const char second = upper.size() > 1 ? upper[1] : '\0';
  switch (upper[0]) {
    case 'A':
      OpenLink(pass, flow, tag, upper);
      break;
    case 'B':
      if (upper == "B") {
        AddStyle(fw::fsBold);
      } else if (second == 'R') {
        pass.lineBreak = true;
        if (pass.measuring) p_.PlainText += '\r';
      } else if (second == 'L') {
        if (!p_.BlinkOn) font->SetColor(entryBrushColor_);
      } else if (second == 'O') {
        if (pass.paint) BodyTag(pass, upper);
      }
      break;
    case 'C':
      ControlTag(pass, tag);
      break;
    case 'E':
      if (pass.paint) flow.error = true;
      break;
    case 'F':
      FontTag(pass, upper);
      break;
    case 'H':
      if (second == 'I') {
        if (pass.paint) {
          highlightFontColor_ = font->Color();
          highlightBrushColor_ = BrushColorOrNone();
          SetBrushColor(HighlightColor());
          font->SetColor(HighlightTextColor());
        }
      } else if (second == 'R') {
        pass.lineBreak = true;
        if (pass.paint) {
          const fw::TColor color = canvas_->Pen()->Color();
          canvas_->Pen()->SetColor(fw::clBlack);
          canvas_->MoveTo(line_.box.Left, TextBottom() + 1);
          canvas_->LineTo(line_.box.Right, TextBottom() + 1);
          canvas_->Pen()->SetColor(color);
        }
      }
      break;
    case 'I':
      if (upper == "I") {
        AddStyle(fw::fsItalic);
      } else if (second == 'M') {
        ImageTag(pass, flow, upper);
      } else if (second == 'N') {
        int position = 0;
        if (ReadWholeInteger(HTMLTagValue(tag, upper, "X"), position) && pass.x < position) {
          pass.x = position;
          pass.draw.Left = line_.box.Left + position;
        }
      }
      break;
    case 'L':
      ListItem(pass, flow);
      break;
    case 'P':
      ParagraphTag(pass, flow, upper);
      break;
    case 'R':
      SelectRotatedFont(canvas_, IntOfText(HTMLTagValue(tag, upper, "A")), rotation_);
      break;
    case 'S':
      if (upper == "S") AddStyle(fw::fsStrikeOut);
      else if (upper == "SUB") flow.subscript = true;
      else if (upper == "SUP") flow.superscript = true;
      else if (second == 'H') flow.shadow = true;
      break;
    case 'U':
      if (upper == "U") {
        AddStyle(fw::fsUnderline);
      } else {
        ++flow.listLevel;
        pass.lineBreak = true;
      }
      break;
    case 'Z':
      flow.hidden = true;
      break;
    default:
      break;
  }
}

void THTMLCanvasEngine::ClosingTag(TPass& pass, TFlow& flow, const std::string& upper) {
  if (upper.empty()) return;
  fw::TFont* font = canvas_->Font();
  const char second = upper.size() > 1 ? upper[1] : '\0';
  switch (upper[0]) {
    case 'A':
      CloseLink(pass, flow);
      break;
    case 'B':
      if (upper == "B") RemoveStyle(fw::fsBold);
      else font->SetColor(baseFont_.Color());
      break;
    case 'E':
      if (pass.paint) flow.error = false;
      break;
    case 'F':
      font->SetName(baseFont_.Name());
      font->SetSize(baseFont_.Size());
      if (pass.paint && !p_.KeepColors) {
        font->SetColor(baseFont_.Color());
        SetBrushColor(fontBrushColor_);
      }
      break;
    case 'H':
      if (pass.paint) {
        font->SetColor(highlightFontColor_);
        SetBrushColor(highlightBrushColor_);
      }
      break;
    case 'I':
      RemoveStyle(fw::fsItalic);
      break;
    case 'L':
      pass.lineBreak = true;
      break;
    case 'P':
      pass.lineBreak = true;
      if (pass.paint) {
        SetBrushColor(paragraphBrushColor_);
        flow.paragraphBackground = false;
      }
      break;
    case 'R':
      RestoreRotatedFont(canvas_, rotation_);
      break;
    case 'S':
      if (second == 'U') {
        flow.subscript = false;
        flow.superscript = false;
      } else if (second == 'H') {
        flow.shadow = false;
      } else {
        RemoveStyle(fw::fsStrikeOut);
      }
      break;
    case 'U':
      if (upper != "U" && flow.listLevel > 0) --flow.listLevel;
      else RemoveStyle(fw::fsUnderline);
      break;
    case 'Z':
      flow.hidden = false;
      break;
    default:
      break;
  }
}

void THTMLCanvasEngine::OpenLink(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper) {
  fw::TFont* font = canvas_->Font();
  if (pass.paint && flow.linkCounter == p_.FocusLink) {
    pass.focusOpen = true;
    pass.focus = fw::Rect(pass.draw.Left, line_.box.Top, 0, 0);
  }
  ++flow.linkCounter;
  if (pass.measuring) p_.LinkCount = flow.linkCounter;
  pass.anchorStart = fw::Point(line_.box.Left + pass.x, line_.box.Top);
  if (HTMLTagHas(upper, "HREF")) {
    flow.linkRef = HTMLTagValue(tag, upper, "HREF");
    flow.insideLink = true;
  }
  if (HTMLTagHas(upper, "TITLE")) flow.linkTitle = HTMLTagValue(tag, upper, "TITLE");
  const bool hovered = flow.linkCounter == p_.HoverLink;
  if (pass.paint && (!p_.HoverOnly || hovered)) {
    flow.linkStyled = true;
    AddStyle(fw::fsUnderline);
    if (p_.HoverBackColor != fw::clNone) {
      linkBrushColor_ = BrushColorOrNone();
      SetBrushColor(p_.HoverBackColor);
    }
    if (p_.HoverTextColor != fw::clNone) {
      linkFontColor_ = font->Color();
      font->SetColor(p_.HoverTextColor);
    }
  }
  if (!p_.KeepColors && !(p_.HoverOnly && hovered && p_.HoverTextColor != fw::clNone)) {
    font->SetColor(p_.LinkColor);
  }
}

void THTMLCanvasEngine::CloseLink(TPass& pass, TFlow& flow) {
  fw::TFont* font = canvas_->Font();
  if (pass.paint && flow.linkStyled) {
    RemoveStyle(fw::fsUnderline);
    if (p_.HoverBackColor != fw::clNone) SetBrushColor(linkBrushColor_);
    if (p_.HoverTextColor != fw::clNone) font->SetColor(linkFontColor_);
  }
  if (!p_.KeepColors) font->SetColor(baseFont_.Color());
  if (pass.linkHit) {
    p_.HitLinkRect = fw::Rect(pass.anchorStart.X, pass.anchorStart.Y, line_.box.Left + pass.x, LineTextBottom(pass));
    p_.HitLinkIndex = flow.linkCounter;
    pass.linkHit = false;
  }
  if (pass.focusOpen) {
    const int bottom = TextBottom() - line_.textOffset;
    DrawFocusFrame(fw::Rect(pass.focus.Left, bottom - GhHeight(), pass.draw.Left, bottom));
    pass.focusOpen = false;
  }
  flow.insideLink = false;
  flow.linkStyled = false;
}

void THTMLCanvasEngine::DrawFocusFrame(fw::TRect frame) {
  frame.Left -= 1;
  frame.Right += 1;
  canvas_->DrawFocusRect(frame);
}

void THTMLCanvasEngine::FontTag(TPass& pass, const std::string& upper) {
  fw::TFont* font = canvas_->Font();
  if (HTMLTagHas(upper, "FACE")) font->SetName(HTMLTagValue(upper, "FACE"));
  if (HTMLTagHas(upper, " COLOR") && !p_.KeepColors) font->SetColor(HTMLColorValue(HTMLTagValue(upper, " COLOR")));
  if (HTMLTagHas(upper, "BGCOLOR") && pass.paint && !p_.KeepColors) {
    fontBrushColor_ = BrushColorOrNone();
    SetBrushColor(HTMLColorValue(HTMLTagValue(upper, "BGCOLOR")));
  }
  if (HTMLTagHas(upper, "SIZE")) font->SetSize(HTMLFontSize(HTMLTagValue(upper, "SIZE")));
}

void THTMLCanvasEngine::ParagraphTag(TPass& pass, TFlow& flow, const std::string& upper) {
  if (HTMLTagHas(upper, "ALIGN")) {
    const std::string align = HTMLTagValue(upper, "ALIGN");
    if (align.find("RIGHT") != std::string::npos) alignment_ = 1;
    if (align.find("LEFT") != std::string::npos) alignment_ = 0;
    if (align.find("CENTER") != std::string::npos) alignment_ = 2;
  }
  if (HTMLTagHas(upper, "INDENT")) indent_ = IntOfText(HTMLTagValue(upper, "INDENT"));
  if (HTMLTagHas(upper, "BGCOLOR") && pass.paint) {
    const fw::TColor color = HTMLColorValue(HTMLTagValue(upper, "BGCOLOR"));
    paragraphBrushColor_ = BrushColorOrNone();
    SetBrushColor(color);
    canvas_->Pen()->SetColor(color);
    canvas_->FillRect(fw::Rect(p_.Bounds.Left, line_.box.Top, p_.Bounds.Right, line_.box.Bottom));
    flow.paragraphBackground = true;
  }
}

void THTMLCanvasEngine::ListItem(TPass& pass, TFlow& flow) {
  if (pass.listItems > 0) {
    pass.lineFull = true;
    return;
  }
  ++pass.listItems;
  pass.x += 12 * flow.listLevel;
  pass.draw.Left += 12 * flow.listLevel;
  if (!pass.paint) return;
  fw::TFont* font = canvas_->Font();
  const std::string name = font->Name();
  const BYTE charset = font->Charset();
  font->SetName("Symbol");
  font->SetCharset(SYMBOL_CHARSET);
  const std::string bullet(1, flow.listLevel % 2 == 1 ? '\xB7' : 'o');
  DrawText(bullet, fw::Rect(pass.draw.Left - 12, line_.box.Top, pass.draw.Left, TextBottom() - line_.textOffset),
           flags_ & ~static_cast<UINT>(DT_END_ELLIPSIS));
  font->SetName(name);
  font->SetCharset(charset);
}

void THTMLCanvasEngine::EndOfLine(TPass& pass) {
  pass.x -= pass.trailingBlank;
  if (pass.measuring) p_.TextWidth = std::max(p_.TextWidth, pass.x);
  if (pass.focusOpen) {
    DrawFocusFrame(fw::Rect(pass.focus.Left, pass.focus.Top, pass.draw.Left, TextBottom()));
    focusCarry_ = true;
    focusCarryAt_ = fw::Point(line_.box.Left + 1, TextBottom());
    pass.focusOpen = false;
  }
}

fw::TRect THTMLCanvasEngine::MeasureText(const std::string& text, fw::TRect area) {
  PrepareCanvas();
  RECT r = area.ToRECT();
  DrawTextExA(canvas_->Handle(), const_cast<char*>(text.c_str()), static_cast<int>(text.size()), &r,
              (flags_ & ~static_cast<UINT>(DT_END_ELLIPSIS)) | DT_CALCRECT, nullptr);
  return fw::TRect::FromRECT(r);
}

void THTMLCanvasEngine::DrawText(const std::string& text, fw::TRect area, UINT flags) {
  PrepareCanvas();
  RECT r = area.ToRECT();
  DrawTextExA(canvas_->Handle(), const_cast<char*>(text.c_str()), static_cast<int>(text.size()), &r, flags, nullptr);
}

void THTMLCanvasEngine::PrepareCanvas() { canvas_->TextRect(fw::TRect{}, 0, 0, std::string()); }

void THTMLCanvasEngine::AddStyle(fw::TFontStyle style) {
  fw::TFontStyles styles = canvas_->Font()->Style();
  canvas_->Font()->SetStyle(styles.Include(style));
}

void THTMLCanvasEngine::RemoveStyle(fw::TFontStyle style) {
  fw::TFontStyles styles = canvas_->Font()->Style();
  canvas_->Font()->SetStyle(styles.Exclude(style));
}

int THTMLCanvasEngine::GhHeight() { return canvas_->TextHeight("gh"); }

int THTMLCanvasEngine::LineTextBottom(const TPass& pass) const {
  if (pass.measuring) return line_.box.Top + line_.height + line_.superExtent;
  return TextBottom();
}

void THTMLCanvasEngine::SetBrushColor(fw::TColor color) {
  if (color == fw::clNone) {
    canvas_->Brush()->SetStyle(fw::bsClear);
  } else {
    canvas_->Brush()->SetColor(color);
    canvas_->Brush()->SetStyle(fw::bsSolid);
  }
}

fw::TColor THTMLCanvasEngine::BrushColorOrNone() {
  return canvas_->Brush()->Style() == fw::bsClear ? fw::clNone : canvas_->Brush()->Color();
}

int THTMLCanvasEngine::ScaleX(int value) { return MulDiv(value, GetDeviceCaps(canvas_->Handle(), LOGPIXELSX), 96); }
int THTMLCanvasEngine::ScaleY(int value) { return MulDiv(value, GetDeviceCaps(canvas_->Handle(), LOGPIXELSY), 96); }

}  // namespace ui
