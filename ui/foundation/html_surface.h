// What the HTML-subset text engine draws on. The engine (html_engine_core.h) reads the markup and lays
// out the lines; a surface measures and draws what the layout places (text runs, bullets, the rule,
// backgrounds, pictures, form controls) and says, in its rules, how its build reads the markup where the
// builds differ. The canvas surface (DrawHTMLText) lives here; the styled controls' GDI+ and Office
// surfaces live in ui/controls/. GUI thread only; a surface serves one call of the engine.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/graphics/brush.h"
#include "framework/graphics/font.h"
#include "ui/foundation/html_engine.h"

namespace fw {
class TCustomImageList;
}

namespace ui {

// How a build reads the markup where the builds differ. The defaults are DrawHTMLText's.
struct THTMLRules {
  bool linksByFirstValue = false;  // a link is named by its tag's first quoted value and has no title
  bool formControls = true;  // CONTROL tags are laid out, drawn and hit-tested
  bool offsetTag = false;  // the OF tag moves the drawing position (and the next lines' start)
  bool fixedHighlight = false;  // HI uses the system's highlight colours, not the configured ones
  bool noPrefixWithAmpersand = false;  // a text holding " & " is drawn without prefix characters
  bool readingOrder = true;  // BiDiMode may set right-to-left reading
  bool firstFieldMarkerOnly = false;  // only the first "<#...>" field marker loses its brackets
  bool trimLines = false;  // each line's markup starts without leading blanks
  bool pictureWrap = false;  // IMG WRAP keeps the line at the text's height
  bool focusFrames = true;  // the focus link is framed (on every line it covers)
  bool halfScriptExtents = false;  // sub- and superscript take half the run's height once it exceeds a quarter
  bool hitWithinTextHeight = false;  // link text is hit only within the line's text height
  int lineSpacing = 0;  // added to each line's height
  bool spacingAfterLastLine = false;  // the last line gets the spacing too
  int sizePadding = 0;  // added to TextWidth and TextHeight
};

// A text run to draw: its place on the line and its look.
struct THTMLRun {
  const std::string& text;
  const std::string& rest;  // the markup after the run
  fw::TRect lineBox;
  int textBottom = 0;  // the line's text baseline: its bottom less the subscript extent
  int subExtent = 0;
  int superExtent = 0;
  int textOffset = 0;
  int left = 0;  // the drawing rectangle's sides
  int right = 0;
  UINT flags = 0;
  bool subscript = false;
  bool superscript = false;
  bool shadow = false;
  bool error = false;
};

// What a surface made of a paragraph's BGCOLOR.
enum class THTMLParagraphFill {
  Marked,  // only remembered: nothing drawn, the brush unchanged
  Banded,  // drawn by the surface: the text goes on without a background colour
  Solid,  // the engine fills each of the paragraph's lines in the colour
};

class THTMLSurface {
 public:
  THTMLSurface(THTMLTextParams& Params, const THTMLRules& Rules) : p_(Params), rules_(Rules) {}
  virtual ~THTMLSurface() = default;
  THTMLSurface(const THTMLSurface&) = delete;
  THTMLSurface& operator=(const THTMLSurface&) = delete;

  THTMLTextParams& Params() { return p_; }
  const THTMLRules& Rules() const { return rules_; }
  // The font the markup styles.
  fw::TFont* Font() { return font_; }
  // The text's background colour (clNone: none), kept in the surface's brush; the brush's colour when
  // the call began.
  void SetBrushColor(fw::TColor Color);
  fw::TColor BrushColorOrNone() const;
  fw::TColor EntryBrushColor() const { return entryBrushColor_; }

  // Around one run of the engine; End lets nothing out.
  virtual void Begin() {}
  virtual void End() noexcept {}

  // Text in the current font.
  virtual int TextHeight(const std::string& Text) = 0;
  virtual int TextWidth(const std::string& Text, fw::TRect Area, UINT Flags) = 0;
  virtual int BlankWidth(const fw::TRect& LineBox, UINT Flags) = 0;
  // Draws a run (with its shadow and error marking) and gives its width; placed is false for a run that
  // takes no place at all (the drawing position and the focus link are then left as they are).
  struct TPainted {
    int width = 0;
    bool placed = true;
  };
  virtual TPainted PaintRun(const THTMLRun& Run) = 0;
  // The rotation tag's angle for the text drawn from now on (Turned false: upright).
  virtual void Turn(bool /*Turned*/, int /*Angle*/) {}

  // A list item's bullet in Area (its right edge is the text's start); how much further the text starts.
  virtual int ListBullet(const std::string& Upper, const std::string& Bullet, const fw::TRect& Area, UINT Flags);
  // The HR tag's line.
  virtual void Rule(const std::string& Upper, int Left, int Right, int Y) = 0;
  virtual void FocusFrame(const fw::TRect& /*Frame*/) {}
  // A line's band of the paragraph background, in the brush's colour.
  virtual void FillLineBackground(const fw::TRect& /*Band*/) {}
  virtual THTMLParagraphFill ParagraphBackground(const std::string& Upper, const fw::TRect& LineBox,
                                                 int TextBottom) = 0;
  // The BODY tag, met on a line starting at Top with the drawing position at X.
  virtual void Body(const std::string& Upper, int X, int Top) = 0;
  // A form control at X on the line whose text baseline is Bottom.
  struct TControl {
    std::string type;
    std::string value;
    int x = 0;
    int bottom = 0;
    int lineHeight = 0;
    int width = 0;
    int height = 0;
    int objectWidth = 0;
    int objectHeight = 0;
  };
  virtual void DrawControl(const TControl& /*Control*/) {}

  // A picture named by Reference ("IDX:n", "SSYS:"/"LSYS:" shell icons, or the surface's own pictures)
  // at X, Top, sized by the tag's WIDTH and HEIGHT; drawn when Paint. Its size, 0 x 0 when there is none.
  fw::TSize PlacePicture(const std::string& Reference, const std::string& Upper, int X, int Top, bool Paint);

 protected:
  virtual fw::TSize PlaceNamedPicture(const std::string& Reference, const std::string& Upper, int X, int Top,
                                      bool Paint) = 0;
  virtual void DrawImageListPicture(fw::TCustomImageList* List, int Index, int X, int Top);
  // Runs Draw with a canvas on the surface.
  virtual void OnCanvas(const std::function<void(fw::TCanvas*)>& Draw) = 0;
  // Draws Text in the current font without any background.
  virtual void DrawPlainText(const std::string& Text, const fw::TRect& Area, UINT Flags) = 0;
  // The tag's COLOR, when it has one.
  static std::optional<fw::TColor> TagColor(const std::string& Upper);
  // The list bullet in the Symbol font, in Color when there is one.
  void DrawSymbolBullet(const std::string& Bullet, const fw::TRect& Area, UINT Flags,
                        std::optional<fw::TColor> Color);
  virtual int ScaleX(int Value) { return Value; }
  virtual int ScaleY(int Value) { return Value; }

  THTMLTextParams& p_;
  THTMLRules rules_;
  fw::TFont* font_ = nullptr;
  fw::TBrush* brush_ = nullptr;
  fw::TColor entryBrushColor_ = fw::clNone;
};

}  // namespace ui
