#include "ui/controls/html_text_office.h"

#include "ui/controls/html_text_rules.h"
#include "ui/foundation/banded_gradient.h"
#include "ui/foundation/html_canvas_surface.h"
#include "ui/foundation/html_engine_core.h"
#include "ui/foundation/html_markup.h"

namespace ui {

namespace {

THTMLRules OfficeRules(int LineSpacing) {
  THTMLRules rules = StyledControlRules(LineSpacing);
  rules.firstFieldMarkerOnly = true;
  rules.trimLines = true;
  rules.spacingAfterLastLine = true;
  return rules;
}

// The canvas surface with the Office buttons' runs (each as wide as its text; without word wrap, a run
// that starts past the last character's room is not drawn), list bullet shapes and colours, a coloured
// rule, body and paragraph gradients, list and shell pictures as the body background and corner pictures.
class TOfficeSurface : public THTMLCanvasSurface {
 public:
  TOfficeSurface(fw::TCanvas* Canvas, THTMLTextParams& Params, int LineSpacing)
      : THTMLCanvasSurface(Canvas, Params, OfficeRules(LineSpacing)) {}

  int ListBullet(const std::string& Upper, const std::string& Bullet, const fw::TRect& Area, UINT Flags) override {
    if (!HTMLTagHas(Upper, "TYPE")) {
      DrawSymbolBullet(Bullet, Area, Flags, TagColor(Upper));
      return 0;
    }
    const std::string type = HTMLTagValue(Upper, "TYPE");
    if (type != "SQUARE" && type != "CIRCLE") return 0;
    const fw::TColor color = HTMLColorValue(HTMLTagValue(Upper, "COLOR"));
    const int x = Area.Right;
    const int y = Area.Top + 2;
    const fw::TColor brush = BrushColorOrNone();
    canvas_->Pen()->SetColor(color);
    SetBrushColor(color);
    if (type == "SQUARE") canvas_->Rectangle(x, y, x + 8, y + 8);
    else canvas_->Ellipse(x, y, x + 8, y + 8);
    SetBrushColor(brush);
    SetBrushColor(fw::clNone);
    return 0;
  }

  THTMLParagraphFill ParagraphBackground(const std::string& Upper, const fw::TRect& LineBox,
                                         int TextBottom) override {
    if (!HTMLTagHas(Upper, "BGCOLORTO")) return THTMLCanvasSurface::ParagraphBackground(Upper, LineBox, TextBottom);
    FillBands(HTMLColorValue(HTMLTagValue(Upper, "BGCOLOR")), HTMLColorValue(HTMLTagValue(Upper, "BGCOLORTO")), true,
              fw::Rect(p_.Bounds.Left, LineBox.Top, p_.Bounds.Right, TextBottom + 2));
    return THTMLParagraphFill::Banded;
  }

  void Body(const std::string& Upper, int X, int Top) override {
    if (p_.KeepColors) return;
    const fw::TRect& r = p_.Bounds;
    if (HTMLTagHas(Upper, "BACKGROUND")) {
      const std::string reference = HTMLTagValue(Upper, "BACKGROUND");
      if (reference.find("IDX:") != std::string::npos || reference.find("SYS:") != std::string::npos) {
        PlacePicture(reference, std::string(), X, Top, true);
      } else {
        TileBackground(reference);
      }
    }
    // Corner pictures: one picture at the top-left, one with its right edge at the right.
    for (const char* corner : {"BGTOPLEFT", "BGTOPRIGHT"}) {
      if (!HTMLTagHas(Upper, corner)) continue;
      const std::string reference = HTMLTagValue(Upper, corner);
      const fw::TSize size = PlacePicture(reference, std::string(), X, Top, false);
      const bool right = std::string(corner) == "BGTOPRIGHT";
      PlacePicture(reference, std::string(), right ? r.Right - size.cx : r.Left, r.Top, true);
    }
    if (!HTMLTagHas(Upper, "BGCOLOR")) return;
    const fw::TColor color = HTMLBodyColorValue(HTMLTagValue(Upper, "BGCOLOR"));
    if (HTMLTagHas(Upper, "BGCOLORTO")) {
      const std::string direction = HTMLTagValue(Upper, "DIR");
      FillBands(color, HTMLBodyColorValue(HTMLTagValue(Upper, "BGCOLORTO")), direction.empty() || direction == "H", r);
      SetBrushColor(fw::clNone);
      return;
    }
    canvas_->Pen()->SetColor(color);
    SetBrushColor(color);
    canvas_->FillRect(fw::Rect(r.Left - 2, r.Top, r.Right, r.Bottom));
  }

 protected:
  bool FitRun(const THTMLRun& Run, int Width, fw::TRect& Area, UINT& Flags) override {
    Flags &= ~static_cast<UINT>(DT_EXTERNALLEADING);
    Area.Right = Area.Left + Width;
    return p_.WordWrap || Run.left <= Run.lineBox.Right - TextWidth("w", Area, Run.flags);
  }

  fw::TColor RuleColor(const std::string& Upper) override {
    return HTMLTagHas(Upper, "COLOR") ? HTMLColorValue(HTMLTagValue(Upper, "COLOR")) : fw::clBlack;
  }

 private:
  void FillBands(fw::TColor From, fw::TColor To, bool Horizontal, const fw::TRect& Rect) {
    FillBandedGradient(canvas_, From, To, Horizontal, Rect, 64, fw::clNone);
  }
};

}  // namespace

bool DrawHTMLTextOffice(fw::TCanvas* Canvas, THTMLTextParams& Params, int LineSpacing) {
  TOfficeSurface surface(Canvas, Params, LineSpacing);
  THTMLEngine engine(surface);
  return engine.Run();
}

}  // namespace ui
