#include "ui/controls/html_text_gdip.h"

#include "ui/foundation/html_engine_core.h"

namespace ui {

bool DrawHTMLTextGDIP(TGPGraphics* Graphics, fw::TFont* Font, THTMLTextParams& Params,
                      TGDIPPictureContainer* PictureContainer, int LineSpacing) {
  THTMLEngineSetup setup;
  setup.Build = THTMLBuild::GDIP;
  setup.Graphics = Graphics;
  setup.Font = Font;
  setup.GDIPPictures = PictureContainer;
  setup.LineSpacing = LineSpacing;
  THTMLEngine engine(setup, Params);
  return engine.Run();
}

}  // namespace ui
