// The layout engine behind the three builds of the HTML-subset text engine (DrawHTMLText on a canvas,
// the GDI+ build of the smooth panel, the Office build of the Office-style buttons): the call's state,
// the line loop and the line pass that runs twice per line (measure what fits, then draw exactly that).
// The builds share the markup reading and the layout; where they differ, the engine follows the rules of
// the surface it is given and lets the surface measure and draw (html_surface.h).
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/font.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/html_surface.h"

namespace ui {

class THTMLEngine {
 public:
  explicit THTMLEngine(THTMLSurface& Surface);
  ~THTMLEngine();
  THTMLEngine(const THTMLEngine&) = delete;
  THTMLEngine& operator=(const THTMLEngine&) = delete;
  bool Run();

 private:
  // What a pass carries from one line to the next; the measuring and the drawing passes keep one each.
  struct TFlow {
    bool insideLink = false;
    bool linkStyled = false;
    bool shadow = false;
    bool hidden = false;
    bool subscript = false;
    bool superscript = false;
    bool error = false;
    bool paragraphBackground = false;
    bool rotated = false;
    int rotationAngle = 0;
    int linkCounter = 0;
    int listLevel = 0;
    int pictureCounter = 0;
    std::string linkRef;
    std::string linkTitle;
  };

  // The line being laid out: its box and the sizes its passes find.
  struct TLine {
    fw::TRect box{};
    int height = 0;
    int subExtent = 0;
    int superExtent = 0;
    int textOffset = 0;
    int ghHeight = 0;
  };

  // One pass over a line's markup.
  struct TPass {
    bool measuring = false;
    bool paint = false;
    int x = 0;  // from the line's left edge
    fw::TRect draw{};  // drawing rectangle: its left edge is the drawing position
    bool lineFull = false;
    bool lineBreak = false;
    bool firstRun = true;
    int listItems = 0;
    int trailingBlank = 0;
    std::string lineText;
    fw::TPoint anchorStart{};
    bool linkHit = false;
    bool linkTextHit = false;
    bool pictureHit = false;
    bool controlHit = false;
    bool hitRecorded = false;  // the pass wrote HitLink
    bool focusOpen = false;
    fw::TRect focus{};
  };

  bool Layout();
  void LinePass(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed);
  void TextRun(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed);
  void AcceptRun(TPass& pass, const TFlow& flow, const std::string& run, int height);
  void RaiseLineHeight(const TFlow& flow, int height);
  void Tag(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed);
  void OpeningTag(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper);
  void ClosingTag(TPass& pass, TFlow& flow, const std::string& upper);
  void OpenLink(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper);
  void CloseLink(TPass& pass, TFlow& flow);
  void FontTag(TPass& pass, const std::string& upper);
  void ParagraphTag(TPass& pass, TFlow& flow, const std::string& upper);
  void ListItem(TPass& pass, TFlow& flow, const std::string& upper);
  void HorizontalRule(TPass& pass, const std::string& upper);
  void BodyTag(TPass& pass, const std::string& upper);
  void ImageTag(TPass& pass, TFlow& flow, const std::string& upper);
  void ControlTag(TPass& pass, const std::string& tag);
  void EndOfLine(TPass& pass);
  void DrawFocusFrame(const fw::TRect& frame);
  void TurnText(const TFlow& flow);
  int RunHeight(const std::string& run) { return surface_.TextHeight(run); }
  int RunWidth(const std::string& run, const fw::TRect& area) { return surface_.TextWidth(run, area, flags_); }
  int GhHeight() { return RunHeight("gh"); }
  int TextBottom() const { return line_.box.Bottom - line_.subExtent; }
  int LineTextBottom(const TPass& pass) const;
  int LineWidth(const TPass& pass) const;

  void AddStyle(fw::TFontStyle style);
  void RemoveStyle(fw::TFontStyle style);
  void SetBrushColor(fw::TColor color) { surface_.SetBrushColor(color); }
  fw::TColor BrushColorOrNone() const { return surface_.BrushColorOrNone(); }

  THTMLSurface& surface_;
  const THTMLRules& rules_;
  THTMLTextParams& p_;
  fw::TFont* font_;
  fw::TFont baseFont_;
  fw::TFont measureFont_;
  fw::TFont drawFont_;
  TFlow measureFlow_;
  TFlow drawFlow_;
  TLine line_;
  UINT flags_ = 0;
  int alignment_ = 0;
  int indent_ = 0;
  int xOffset_ = 0;  // carried from one line's drawing pass to the next (the offset tag)
  int hitPicture_ = -1;
  fw::TColor linkBrushColor_ = fw::clNone;
  fw::TColor linkFontColor_ = fw::clNone;
  fw::TColor fontBrushColor_ = fw::clNone;
  fw::TColor highlightFontColor_ = fw::clNone;
  fw::TColor highlightBrushColor_ = fw::clNone;
  fw::TColor paragraphBrushColor_ = fw::clNone;
  bool focusCarry_ = false;  // the focus link goes on into the next line
  fw::TPoint focusCarryAt_{};
  bool result_ = false;
};

}  // namespace ui
