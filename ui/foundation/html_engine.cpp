#include "ui/foundation/html_engine.h"
#include "framework/rtl/ansicase.h"

#include <algorithm>

#include "ui/foundation/html_canvas_surface.h"
#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

namespace {

constexpr UINT kBaseTextFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;  // 0x268

// Leading and trailing blanks and control characters off.
std::string Trimmed(const std::string& text) {
  std::size_t first = 0;
  while (first < text.size() && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  std::size_t last = text.size();
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

// Only the first field marker loses its brackets.
std::string RemoveFirstFieldMarker(std::string text) {
  const std::size_t at = text.find("<#");
  if (at == std::string::npos) return text;
  text.erase(at, 1);
  const std::size_t close = text.find('>', at);
  if (close != std::string::npos) text.erase(close, 1);
  return text;
}

}  // namespace

bool DrawHTMLText(fw::TCanvas* Canvas, THTMLTextParams& Params) {
  THTMLCanvasSurface surface(Canvas, Params);
  THTMLEngine engine(surface);
  return engine.Run();
}

THTMLEngine::THTMLEngine(THTMLSurface& Surface)
    : surface_(Surface), rules_(Surface.Rules()), p_(Surface.Params()), font_(Surface.Font()) {}

THTMLEngine::~THTMLEngine() = default;

bool THTMLEngine::Run() {
  // Whatever the markup, nothing is thrown at the caller and the surface ends the call as it began it
  // (the canvas surface puts the caller's canvas back).
  try {
    surface_.Begin();
    struct TEnd {
      THTMLSurface& surface;
      ~TEnd() { surface.End(); }
    } end{surface_};
    return Layout();
  } catch (...) {
    return false;
  }
}

bool THTMLEngine::Layout() {
  baseFont_.Assign(font_);
  measureFont_.Assign(font_);
  drawFont_.Assign(font_);
  SetBrushColor(fw::clNone);

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

  flags_ = rules_.readingOrder ? BiDiTextFlags(kBaseTextFlags, p_.BiDiMode) : kBaseTextFlags;
  if (rules_.noPrefixWithAmpersand && p_.Text.find(" & ") != std::string::npos) flags_ |= DT_NOPREFIX;
  if (!p_.WordWrap) flags_ |= DT_END_ELLIPSIS;

  std::string markup = ReplaceHTMLEntities(p_.Text);
  markup = rules_.firstFieldMarkerOnly ? RemoveFirstFieldMarker(markup) : RemoveFieldMarkerBrackets(markup);
  markup = LineBreaksToTags(markup);

  int top = p_.Bounds.Top;
  while (!markup.empty()) {
    if (rules_.trimLines) {
      markup = Trimmed(markup);
      if (markup.empty()) break;
    }
    line_ = TLine{};
    for (TFlow* flow : {&measureFlow_, &drawFlow_}) flow->subscript = flow->superscript = false;
    font_->Assign(&measureFont_);
    line_.ghHeight = GhHeight();
    line_.height = line_.ghHeight;
    line_.box = fw::Rect(p_.Bounds.Left + 1 + indent_, top, p_.Bounds.Right, top + line_.height);

    const std::string hitLinkBefore = p_.HitLink;
    const std::string hitTitleBefore = p_.HitTitle;
    const int hitIndexBefore = p_.HitLinkIndex;
    const fw::TRect hitRectBefore = p_.HitLinkRect;
    TPass measure;
    measure.measuring = true;
    std::string consumed;
    const std::size_t before = markup.size();
    LinePass(measure, measureFlow_, markup, &consumed);
    measureFont_.Assign(font_);
    if (markup.size() == before) break;  // nothing could be laid out: never loop for ever
    if (rules_.spacingAfterLastLine || !markup.empty()) line_.height += rules_.lineSpacing;

    const int lineWidth = measure.x;
    fw::TRect& box = line_.box;
    box.Left = p_.Bounds.Left + 1;
    if (alignment_ == 1 && box.Right - lineWidth > box.Left) box.Left = box.Right - lineWidth;
    if (alignment_ == 2 && box.Right - box.Left - lineWidth > 0) box.Left += (box.Right - box.Left - lineWidth) / 2;
    box.Left += indent_;
    box.Bottom = top + line_.height + line_.subExtent + line_.superExtent;

    if (!p_.MeasureOnly) {
      font_->Assign(&drawFont_);
      TPass draw;
      draw.paint = !p_.HitTestOnly;
      LinePass(draw, drawFlow_, consumed, nullptr);
      drawFont_.Assign(font_);
      // The measuring pass tests the point against the line before it is aligned and offset; when the
      // hit-testing drawing pass finds nothing there, the measuring pass's finding does not stand.
      if (!draw.paint && measure.hitRecorded && !draw.hitRecorded) {
        p_.HitLink = hitLinkBefore;
        p_.HitTitle = hitTitleBefore;
        p_.HitLinkIndex = hitIndexBefore;
        p_.HitLinkRect = hitRectBefore;
      }
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
    font_->Assign(&baseFont_);
    p_.TextHeight = GhHeight();
  }
  p_.TextWidth += rules_.sizePadding;
  p_.TextHeight += rules_.sizePadding;
  font_->Assign(&baseFont_);
  return p_.MeasureOnly ? false : result_;
}

void THTMLEngine::LinePass(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed) {
  pass.draw = line_.box;
  TurnText(flow);
  if (!pass.measuring) {
    pass.draw.Left += xOffset_;
    pass.x = xOffset_;
  }
  if (flow.insideLink) pass.anchorStart = fw::Point(line_.box.Left, line_.box.Top);
  if (pass.paint) {
    if (flow.paragraphBackground) {
      surface_.FillLineBackground(fw::Rect(p_.Bounds.Left, line_.box.Top, p_.Bounds.Right, line_.box.Bottom));
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

void THTMLEngine::TextRun(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed) {
  const std::string raw = NextHTMLTextRun(Markup, p_.WordWrap);
  const std::string run = ReplaceRunEntities(raw);
  const auto consume = [&] {
    Markup.erase(0, raw.size());
    if (Consumed) *Consumed += raw;
  };
  const int height = RunHeight(run);
  if (flow.hidden) {
    RaiseLineHeight(flow, height);
    if (pass.measuring) p_.PlainText += run;
    Markup.erase(0, raw.size());
    return;
  }

  int width = 0;
  const int before = pass.x;
  if (pass.paint) {
    const std::string rest = Markup.substr(raw.size());
    const THTMLRun paint{run, rest, line_.box, TextBottom(), line_.subExtent, line_.superExtent, line_.textOffset,
                         pass.draw.Left, pass.draw.Right, flags_, flow.subscript, flow.superscript, flow.shadow,
                         flow.error};
    const THTMLSurface::TPainted painted = surface_.PaintRun(paint);
    width = painted.width;
    if (painted.placed) {
      if ((flags_ & DT_RTLREADING) != 0) pass.draw.Right -= width;
      else pass.draw.Left += width;
      if (pass.focusOpen) p_.FocusLinkRef = flow.linkRef;
    }
    pass.x += width;
  } else {
    width = RunWidth(run, line_.box);
    pass.x += width;
    pass.draw.Left += width;
    const int testX = p_.HitX - line_.box.Left;
    if (flow.insideLink && testX >= before && testX <= pass.x) {
      pass.linkTextHit = true;
      const bool onLine = rules_.hitWithinTextHeight
                              ? p_.HitY > line_.box.Top && p_.HitY < line_.box.Top + line_.ghHeight
                              : line_.box.Top < p_.HitY;
      if (onLine) {
        p_.HitLink = flow.linkRef;
        pass.hitRecorded = true;
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

void THTMLEngine::AcceptRun(TPass& pass, const TFlow& flow, const std::string& run, int height) {
  RaiseLineHeight(flow, height);
  if (pass.measuring) p_.PlainText += run;
  pass.lineText += run;
  pass.firstRun = false;
  pass.trailingBlank = !run.empty() && run.back() == ' ' ? surface_.BlankWidth(line_.box, flags_) : 0;
}

void THTMLEngine::RaiseLineHeight(const TFlow& flow, int height) {
  line_.height = std::max(line_.height, height);
  const auto raise = [&](int& extent) {
    if (rules_.halfScriptExtents) {
      if (height / 4 > extent) extent = height / 2;
    } else {
      extent = std::max(extent, height / 4);
    }
  };
  if (flow.subscript) raise(line_.subExtent);
  if (flow.superscript) raise(line_.superExtent);
}

void THTMLEngine::Tag(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed) {
  if (Markup.size() <= 2) {  // a "<" with at most one more character at the end of the text
    Markup.clear();
    return;
  }
  const std::size_t length = HTMLTagLength(Markup);
  const bool closed = Markup[length - 1] == '>';
  const std::string tag = Markup.substr(1, length - (closed ? 2 : 1));
  const std::string upper = fw::AnsiUpperCase(tag);
  if (!upper.empty() && upper[0] == '/') ClosingTag(pass, flow, upper.substr(1));
  else if (!upper.empty()) OpeningTag(pass, flow, tag, upper);
  if (pass.lineFull) return;
  if (Consumed) *Consumed += Markup.substr(0, length);
  Markup.erase(0, length);
}

void THTMLEngine::OpeningTag(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper) {
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
        if (!p_.BlinkOn) font_->SetColor(surface_.EntryBrushColor());
      } else if (second == 'O') {
        if (pass.paint) BodyTag(pass, upper);
      }
      break;
    case 'C':
      if (rules_.formControls) ControlTag(pass, tag);
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
          highlightFontColor_ = font_->Color();
          highlightBrushColor_ = BrushColorOrNone();
          const bool fixed = rules_.fixedHighlight;
          SetBrushColor(fixed ? fw::clHighlight : HighlightColor());
          font_->SetColor(fixed ? fw::clHighlightText : HighlightTextColor());
        }
      } else if (second == 'R') {
        pass.lineBreak = true;
        if (pass.paint) HorizontalRule(pass, upper);
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
      ListItem(pass, flow, upper);
      break;
    case 'O':
      if (second == 'F' && rules_.offsetTag && !pass.measuring) {
        const int offset = IntOfText(HTMLTagValue(tag, upper, "X"));
        pass.draw.Left = offset;
        pass.x = offset - line_.box.Left;  // hit tests after the tag compare against the shifted x
        xOffset_ = offset;
      }
      break;
    case 'P':
      ParagraphTag(pass, flow, upper);
      break;
    case 'R':
      flow.rotated = true;
      flow.rotationAngle = IntOfText(HTMLTagValue(tag, upper, "A"));
      TurnText(flow);
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

void THTMLEngine::ClosingTag(TPass& pass, TFlow& flow, const std::string& upper) {
  if (upper.empty()) return;
  const char second = upper.size() > 1 ? upper[1] : '\0';
  switch (upper[0]) {
    case 'A':
      CloseLink(pass, flow);
      break;
    case 'B':
      if (upper == "B") RemoveStyle(fw::fsBold);
      else font_->SetColor(baseFont_.Color());
      break;
    case 'E':
      if (pass.paint) flow.error = false;
      break;
    case 'F':
      font_->SetName(baseFont_.Name());
      font_->SetSize(baseFont_.Size());
      if (pass.paint && !p_.KeepColors) {
        font_->SetColor(baseFont_.Color());
        SetBrushColor(fontBrushColor_);
      }
      break;
    case 'H':
      if (pass.paint) {
        font_->SetColor(highlightFontColor_);
        SetBrushColor(highlightBrushColor_);
      }
      break;
    case 'I':
      RemoveStyle(fw::fsItalic);
      break;
    case 'L':
      pass.lineBreak = true;
      break;
    case 'O':
      if (!pass.measuring) xOffset_ = 0;
      break;
    case 'P':
      pass.lineBreak = true;
      if (pass.paint) {
        SetBrushColor(paragraphBrushColor_);
        flow.paragraphBackground = false;
      }
      break;
    case 'R':
      flow.rotated = false;
      TurnText(flow);
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

void THTMLEngine::OpenLink(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper) {
  if (pass.paint && flow.linkCounter == p_.FocusLink) {
    pass.focusOpen = true;
    pass.focus = fw::Rect(pass.draw.Left, line_.box.Top, 0, 0);
  }
  ++flow.linkCounter;
  if (pass.measuring) p_.LinkCount = flow.linkCounter;
  pass.anchorStart = fw::Point(line_.box.Left + pass.x, line_.box.Top);
  if (rules_.linksByFirstValue) {
    // The reference is the tag's first quoted value, whatever its attribute.
    flow.linkRef = HTMLTagValue(tag, upper, "");
    flow.insideLink = true;
  } else {
    if (HTMLTagHas(upper, "HREF")) {
      flow.linkRef = HTMLTagValue(tag, upper, "HREF");
      flow.insideLink = true;
    }
    flow.linkTitle = HTMLTagHas(upper, "TITLE") ? HTMLTagValue(tag, upper, "TITLE") : std::string();
  }
  const bool hovered = flow.linkCounter == p_.HoverLink;
  if (pass.paint && (!p_.HoverOnly || hovered)) {
    flow.linkStyled = true;
    AddStyle(fw::fsUnderline);
    if (p_.HoverBackColor != fw::clNone) {
      linkBrushColor_ = BrushColorOrNone();
      SetBrushColor(p_.HoverBackColor);
    }
    if (p_.HoverTextColor != fw::clNone) {
      linkFontColor_ = font_->Color();
      font_->SetColor(p_.HoverTextColor);
    }
  }
  if (!p_.KeepColors && !(p_.HoverOnly && hovered && p_.HoverTextColor != fw::clNone)) {
    font_->SetColor(p_.LinkColor);
  }
}

void THTMLEngine::CloseLink(TPass& pass, TFlow& flow) {
  if (pass.paint && flow.linkStyled) {
    RemoveStyle(fw::fsUnderline);
    if (p_.HoverBackColor != fw::clNone) SetBrushColor(linkBrushColor_);
    if (p_.HoverTextColor != fw::clNone) font_->SetColor(linkFontColor_);
  }
  if (!p_.KeepColors) font_->SetColor(baseFont_.Color());
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

void THTMLEngine::DrawFocusFrame(const fw::TRect& frame) {
  if (rules_.focusFrames) surface_.FocusFrame(frame);
}

void THTMLEngine::TurnText(const TFlow& flow) { surface_.Turn(flow.rotated, flow.rotationAngle); }

void THTMLEngine::FontTag(TPass& pass, const std::string& upper) {
  if (HTMLTagHas(upper, "FACE")) font_->SetName(HTMLTagValue(upper, "FACE"));
  if (HTMLTagHas(upper, " COLOR") && !p_.KeepColors) font_->SetColor(HTMLColorValue(HTMLTagValue(upper, " COLOR")));
  if (HTMLTagHas(upper, "BGCOLOR") && pass.paint && !p_.KeepColors) {
    fontBrushColor_ = BrushColorOrNone();
    SetBrushColor(HTMLColorValue(HTMLTagValue(upper, "BGCOLOR")));
  }
  if (HTMLTagHas(upper, "SIZE")) font_->SetSize(HTMLFontSize(HTMLTagValue(upper, "SIZE")));
}

void THTMLEngine::ParagraphTag(TPass& pass, TFlow& flow, const std::string& upper) {
  if (HTMLTagHas(upper, "ALIGN")) {
    const std::string align = HTMLTagValue(upper, "ALIGN");
    if (align.find("RIGHT") != std::string::npos) alignment_ = 1;
    if (align.find("LEFT") != std::string::npos) alignment_ = 0;
    if (align.find("CENTER") != std::string::npos) alignment_ = 2;
  }
  if (HTMLTagHas(upper, "INDENT")) indent_ = IntOfText(HTMLTagValue(upper, "INDENT"));
  if (!HTMLTagHas(upper, "BGCOLOR") || !pass.paint) return;
  switch (surface_.ParagraphBackground(upper, line_.box, TextBottom())) {
    case THTMLParagraphFill::Marked:
      break;
    case THTMLParagraphFill::Banded:
      SetBrushColor(fw::clNone);
      break;
    case THTMLParagraphFill::Solid:
      paragraphBrushColor_ = BrushColorOrNone();
      SetBrushColor(HTMLColorValue(HTMLTagValue(upper, "BGCOLOR")));
      surface_.FillLineBackground(fw::Rect(p_.Bounds.Left, line_.box.Top, p_.Bounds.Right, line_.box.Bottom));
      break;
  }
  flow.paragraphBackground = true;
}

void THTMLEngine::ListItem(TPass& pass, TFlow& flow, const std::string& upper) {
  if (pass.listItems > 0) {
    pass.lineFull = true;
    return;
  }
  ++pass.listItems;
  pass.x += 12 * flow.listLevel;
  pass.draw.Left += 12 * flow.listLevel;
  if (!pass.paint) return;
  const std::string bullet(1, flow.listLevel % 2 == 1 ? '\xB7' : 'o');
  const fw::TRect area = fw::Rect(pass.draw.Left - 12, line_.box.Top, pass.draw.Left, TextBottom() - line_.textOffset);
  pass.draw.Left += surface_.ListBullet(upper, bullet, area, flags_ & ~static_cast<UINT>(DT_END_ELLIPSIS));
}

void THTMLEngine::HorizontalRule(TPass& /*pass*/, const std::string& upper) {
  surface_.Rule(upper, line_.box.Left, line_.box.Right, TextBottom() + 1);
}

void THTMLEngine::BodyTag(TPass& pass, const std::string& upper) {
  surface_.Body(upper, pass.draw.Left, line_.box.Top);
}

void THTMLEngine::EndOfLine(TPass& pass) {
  pass.x -= pass.trailingBlank;
  if (pass.measuring) p_.TextWidth = std::max(p_.TextWidth, pass.x);
  if (pass.focusOpen) {
    DrawFocusFrame(fw::Rect(pass.focus.Left, pass.focus.Top, pass.draw.Left, TextBottom()));
    focusCarry_ = rules_.focusFrames;
    focusCarryAt_ = fw::Point(line_.box.Left + 1, TextBottom());
    pass.focusOpen = false;
  }
}

int THTMLEngine::LineTextBottom(const TPass& pass) const {
  if (pass.measuring) return line_.box.Top + line_.height + line_.superExtent;
  return TextBottom();
}

int THTMLEngine::LineWidth(const TPass& pass) const {
  return pass.draw.Right - line_.box.Left - xOffset_;
}

void THTMLEngine::AddStyle(fw::TFontStyle style) {
  fw::TFontStyles styles = font_->Style();
  font_->SetStyle(styles.Include(style));
}

void THTMLEngine::RemoveStyle(fw::TFontStyle style) {
  fw::TFontStyles styles = font_->Style();
  font_->SetStyle(styles.Exclude(style));
}

}  // namespace ui
