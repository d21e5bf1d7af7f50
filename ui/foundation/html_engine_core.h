// The layout engine behind DrawHTMLText: the call's state, the line loop and the line pass that runs
// twice per line (measure what fits, then draw exactly that). Internal to the engine's sources.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/font.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

class THTMLPicture;

class THTMLCanvasEngine {
 public:
  THTMLCanvasEngine(fw::TCanvas* Canvas, THTMLTextParams& Params);
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
    bool focusOpen = false;
    fw::TRect focus{};
  };

  // Runs one pass over Markup, which loses what the pass consumed; a measuring pass collects that in
  // Consumed (hidden runs left out).
  void LinePass(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed);
  // Handles the text run at the start of Markup; false when it ends the line.
  void TextRun(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed);
  void Tag(TPass& pass, TFlow& flow, std::string& Markup, std::string* Consumed);
  void OpeningTag(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper);
  void ClosingTag(TPass& pass, TFlow& flow, const std::string& upper);
  void OpenLink(TPass& pass, TFlow& flow, const std::string& tag, const std::string& upper);
  void CloseLink(TPass& pass, TFlow& flow);
  void FontTag(TPass& pass, const std::string& upper);
  void ParagraphTag(TPass& pass, TFlow& flow, const std::string& upper);
  void ListItem(TPass& pass, TFlow& flow);
  void BodyTag(TPass& pass, const std::string& upper);
  void ImageTag(TPass& pass, TFlow& flow, const std::string& upper);
  // The size a picture takes in the line; draws it when painting.
  fw::TSize PlacePicture(TPass& pass, const std::string& reference, const std::string& upper);
  void ControlTag(TPass& pass, const std::string& tag);
  void DrawControl(const TPass& pass, const std::string& type, const std::string& value, int width, int height,
                   int objectWidth, int objectHeight);
  void EndOfLine(TPass& pass);
  void DrawFocusFrame(fw::TRect frame);
  int PaintRun(TPass& pass, TFlow& flow, const std::string& run);
  void AcceptRun(TPass& pass, TFlow& flow, const std::string& run, int height);
  void RaiseLineHeight(const TFlow& flow, int height);
  void PrepareCanvas();
  void AddStyle(fw::TFontStyle style);
  void RemoveStyle(fw::TFontStyle style);
  int LineTextBottom(const TPass& pass) const;
  void DrawThemePart(const wchar_t* themeClass, int part, int state, const fw::TRect& rect);
  void ErrorZigzag(int left, int right);

  THTMLPicture* FindPicture(const std::string& reference);
  fw::TRect MeasureText(const std::string& text, fw::TRect area);
  void DrawText(const std::string& text, fw::TRect area, UINT flags);
  int GhHeight();
  int TextBottom() const { return line_.box.Bottom - line_.subExtent; }
  int LineWidth(const TPass& pass) const { return pass.draw.Right - line_.box.Left; }
  void SetBrushColor(fw::TColor color);
  fw::TColor BrushColorOrNone();
  int ScaleX(int value);
  int ScaleY(int value);

  fw::TCanvas* canvas_;
  THTMLTextParams& p_;
  fw::TFont baseFont_;
  fw::TFont measureFont_;
  fw::TFont drawFont_;
  TFlow measureFlow_;
  TFlow drawFlow_;
  TLine line_;
  UINT flags_ = 0;
  bool themed_ = false;
  int alignment_ = 0;
  int indent_ = 0;
  int hitPicture_ = -1;
  fw::TColor entryBrushColor_ = fw::clNone;
  fw::TColor linkBrushColor_ = fw::clNone;
  fw::TColor linkFontColor_ = fw::clNone;
  fw::TColor fontBrushColor_ = fw::clNone;
  fw::TColor highlightFontColor_ = fw::clNone;
  fw::TColor highlightBrushColor_ = fw::clNone;
  fw::TColor paragraphBrushColor_ = fw::clNone;
  TRotatedFontState rotation_;
  bool focusCarry_ = false;  // the focus link goes on into the next line
  fw::TPoint focusCarryAt_{};
  bool result_ = false;
};

}  // namespace ui
