#include "ui/controls/html_text_office.h"

#include "ui/foundation/html_engine_core.h"

namespace ui {

bool DrawHTMLTextOffice(fw::TCanvas* Canvas, THTMLTextParams& Params, int LineSpacing) {
  THTMLEngineSetup setup;
  setup.Build = THTMLBuild::Office;
  setup.Canvas = Canvas;
  setup.LineSpacing = LineSpacing;
  THTMLEngine engine(setup, Params);
  return engine.Run();
}

}  // namespace ui
