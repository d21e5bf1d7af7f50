// The layout engine behind the three builds of the HTML-subset text engine (DrawHTMLText on a canvas,
// the GDI+ build of the smooth panel, the Office build of the Office-style buttons): the call's state,
// the line loop and the line pass that runs twice per line (measure what fits, then draw exactly that).
// The builds share the markup reading and the layout rules and differ where their drawing differs.
#pragma once

#include <memory>
#include <string>

#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "framework/graphics/pen.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

class THTMLPicture;
class TGPGraphics;
class TGDIPPictureContainer;

enum class THTMLBuild { Canvas, GDIP, Office };

struct THTMLEngineSetup {
  THTMLBuild Build = THTMLBuild::Canvas;
  fw::TCanvas* Canvas = nullptr;  // the canvas builds
  TGPGraphics* Graphics = nullptr;  // the GDI+ build
  fw::TFont* Font = nullptr;  // the GDI+ build's base font
  TGDIPPictureContainer* GDIPPictures = nullptr;  // the GDI+ build's pictures
  int LineSpacing = 0;  // the GDI+ and Office builds
};

class THTMLEngine {
 public:
  THTMLEngine(const THTMLEngineSetup& Setup, THTMLTextParams& Params);
  ~THTMLEngine();
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

  bool Canvas() const { return build_ != THTMLBuild::GDIP; }
  bool Office() const { return build_ == THTMLBuild::Office; }
  bool GDIP() const { return build_ == THTMLBuild::GDIP; }

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
  fw::TSize PlacePicture(TPass& pass, const std::string& reference, const std::string& upper);
  fw::TSize PlaceImageListPicture(TPass& pass, const std::string& reference);
  fw::TSize PlaceShellIcon(TPass& pass, const std::string& reference);
  fw::TSize PlaceGDIPPicture(TPass& pass, const std::string& reference, const std::string& upper);
  void ControlTag(TPass& pass, const std::string& tag);
  void DrawControl(const TPass& pass, const std::string& type, const std::string& value, int width, int height,
                   int objectWidth, int objectHeight);
  void DrawThemePart(const wchar_t* themeClass, int part, int state, const fw::TRect& rect);
  void EndOfLine(TPass& pass);
  void DrawFocusFrame(fw::TRect frame);

  // Text on the build's surface, in the current font.
  int PaintRun(TPass& pass, TFlow& flow, const std::string& run, const std::string& rest);
  int PaintRunGDIP(TPass& pass, TFlow& flow, const std::string& run, const std::string& rest);
  void ErrorZigzag(int left, int right);
  void ErrorZigzagGDIP(int left, int right, int bottom);
  int RunHeight(const std::string& run);
  int RunWidth(const std::string& run, fw::TRect area);
  void DrawText(const std::string& text, fw::TRect area, UINT flags);
  void DrawTextGDIP(const std::string& text, fw::TRect area, fw::TColor back);
  void DrawListBulletGDIP(TPass& pass, const std::string& upper, const std::string& bullet);
  void HorizontalRuleGDIP();
  void FillBands(fw::TColor from, fw::TColor to, bool horizontal, const fw::TRect& rect);
  void PrepareCanvas();
  int GhHeight();
  int BlankWidth();
  int GDIPTextHeight(const std::string& run);
  int GDIPTextWidth(const std::string& run, fw::TRect area);
  int GDIPBlankWidth();
  int TextBottom() const { return line_.box.Bottom - line_.subExtent; }
  int LineTextBottom(const TPass& pass) const;
  int LineWidth(const TPass& pass) const;

  THTMLPicture* FindPicture(const std::string& reference);
  void AddStyle(fw::TFontStyle style);
  void RemoveStyle(fw::TFontStyle style);
  void SetBrushColor(fw::TColor color);
  fw::TColor BrushColorOrNone() const;
  int ScaleX(int value);
  int ScaleY(int value);

  THTMLBuild build_;
  fw::TCanvas* canvas_;
  TGPGraphics* graphics_;
  TGDIPPictureContainer* gdipPictures_;
  int lineSpacing_;
  THTMLTextParams& p_;
  std::unique_ptr<fw::TFont> ownFont_;  // the GDI+ build's current font
  std::unique_ptr<fw::TBrush> ownBrush_;  // the GDI+ build's background colour state
  fw::TFont* font_;
  fw::TBrush* brush_;
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
  int xOffset_ = 0;  // carried from one line's drawing pass to the next (the offset tag)
  int hitPicture_ = -1;
  fw::TColor entryBrushColor_ = fw::clNone;
  fw::TColor linkBrushColor_ = fw::clNone;
  fw::TColor linkFontColor_ = fw::clNone;
  fw::TColor fontBrushColor_ = fw::clNone;
  fw::TColor highlightFontColor_ = fw::clNone;
  fw::TColor highlightBrushColor_ = fw::clNone;
  fw::TColor paragraphBrushColor_ = fw::clNone;
  fw::TColor bodyBrushColor_ = fw::clNone;
  // The rotation tag turns the text drawn until its closing tag. The turned font is selected around each
  // DrawText only and deleted right after, so font changes inside the tag, an unclosed tag and an
  // exception all leave the canvas's own font in the DC.
  class TRotation {
   public:
    explicit TRotation(THTMLEngine& engine)
        : canvas_(engine.flow_ && engine.flow_->rotated ? engine.canvas_ : nullptr) {
      if (canvas_) SelectRotatedFont(canvas_, engine.flow_->rotationAngle, state_);
    }
    ~TRotation() {
      if (canvas_) RestoreRotatedFont(canvas_, state_);
    }
    TRotation(const TRotation&) = delete;
    TRotation& operator=(const TRotation&) = delete;

   private:
    fw::TCanvas* canvas_;
    TRotatedFontState state_;
  };
  const TFlow* flow_ = nullptr;  // the flow of the pass that runs
  bool focusCarry_ = false;  // the focus link goes on into the next line
  fw::TPoint focusCarryAt_{};
  bool result_ = false;
};

}  // namespace ui
