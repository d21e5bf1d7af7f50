// DrawHTMLText's surface: the caller's canvas. Text through DrawTextEx (turned by the rotation tag),
// pictures from the image list, the shell, the HTML picture container and the URL picture cache, form
// controls (themed when themes are on), and the caller's canvas put back as it was when the call ends.
// The Office build's surface (ui/controls/) is this one with its own bullets, rule and backgrounds.
#pragma once

#include <memory>

#include "ui/foundation/html_surface.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

class THTMLPicture;

class THTMLCanvasSurface : public THTMLSurface {
 public:
  THTMLCanvasSurface(fw::TCanvas* Canvas, THTMLTextParams& Params);
  ~THTMLCanvasSurface() override;

  void Begin() override;
  void End() noexcept override;
  int TextHeight(const std::string& Text) override;
  int TextWidth(const std::string& Text, fw::TRect Area, UINT Flags) override;
  int BlankWidth(const fw::TRect& LineBox, UINT Flags) override;
  TPainted PaintRun(const THTMLRun& Run) override;
  void Turn(bool Turned, int Angle) override;
  void Rule(const std::string& Upper, int Left, int Right, int Y) override;
  void FocusFrame(const fw::TRect& Frame) override;
  void FillLineBackground(const fw::TRect& Band) override;
  THTMLParagraphFill ParagraphBackground(const std::string& Upper, const fw::TRect& LineBox, int TextBottom) override;
  void Body(const std::string& Upper, int X, int Top) override;
  void DrawControl(const TControl& Control) override;

 protected:
  THTMLCanvasSurface(fw::TCanvas* Canvas, THTMLTextParams& Params, const THTMLRules& Rules);

  // Where a run lands and how it is drawn: Area and Flags may be narrowed; false leaves the run undrawn.
  virtual bool FitRun(const THTMLRun& Run, int Width, fw::TRect& Area, UINT& Flags);
  virtual fw::TColor RuleColor(const std::string& Upper);

  fw::TSize PlaceNamedPicture(const std::string& Reference, const std::string& Upper, int X, int Top,
                              bool Paint) override;
  void OnCanvas(const std::function<void(fw::TCanvas*)>& Draw) override;
  void DrawPlainText(const std::string& Text, const fw::TRect& Area, UINT Flags) override;
  int ScaleX(int Value) override;
  int ScaleY(int Value) override;

  // A picture of the URL cache or the picture container; null when there is none or it is empty.
  THTMLPicture* FindPicture(const std::string& Reference);
  // The body's background picture tiled over the whole text rectangle.
  void TileBackground(const std::string& Reference);

  fw::TCanvas* canvas_;

 private:
  class TKeeper;

  void DrawText(const std::string& Text, fw::TRect Area, UINT Flags);
  void PrepareCanvas();
  void ErrorZigzag(int Left, int Right, int Baseline);
  void DrawThemePart(const wchar_t* ThemeClass, int Part, int State, const fw::TRect& Rect);

  std::unique_ptr<TKeeper> keeper_;
  bool themed_ = false;
  bool turned_ = false;
  int angle_ = 0;
};

}  // namespace ui
