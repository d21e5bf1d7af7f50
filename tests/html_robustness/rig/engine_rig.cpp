#include "tests/html_robustness/rig/engine_rig.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <sstream>
#include <vector>

#include "framework/streams/memory_stream.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/services/service.h"
#include "tests/framework/ui_test_support.h"
#include "tests/html_robustness/rig/markup_generator.h"
#include "sim/control/object_counts.h"
#include "tests/support/square_image_list.h"
#include "ui/controls/html_text_gdip.h"
#include "ui/controls/html_text_office.h"
#include "ui/foundation/gdip_base.h"
#include "ui/foundation/gdip_graphics.h"
#include "ui/foundation/gdip_picture_container.h"
#include "ui/foundation/gdiplus_flat.h"
#include "ui/foundation/html_engine.h"
#include "ui/foundation/html_picture.h"

namespace html_robustness {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

long liveGdipWrappers = 0;

// What the caller of the engine can see of its canvas.
struct TCanvasLook {
  std::string fontName;
  int fontSize = 0;
  fw::TFontStyles fontStyle;
  fw::TColor fontColor = 0;
  fw::TColor penColor = 0;
  int penWidth = 0;
  int penStyle = 0;
  fw::TColor brushColor = 0;
  int brushStyle = 0;
  int backMode = 0;
  COLORREF textColor = 0;
  COLORREF backColor = 0;
  bool dcFontValid = false;
  LONG dcFontEscapement = 0;

  static TCanvasLook Of(fw::TCanvas& canvas) {
    TCanvasLook look;
    look.fontName = canvas.Font()->Name();
    look.fontSize = canvas.Font()->Size();
    look.fontStyle = canvas.Font()->Style();
    look.fontColor = canvas.Font()->Color();
    look.penColor = canvas.Pen()->Color();
    look.penWidth = canvas.Pen()->Width();
    look.penStyle = static_cast<int>(canvas.Pen()->Style());
    look.brushColor = canvas.Brush()->Color();
    look.brushStyle = static_cast<int>(canvas.Brush()->Style());
    const HDC dc = canvas.Handle();
    look.backMode = GetBkMode(dc);
    look.textColor = GetTextColor(dc);
    look.backColor = GetBkColor(dc);
    LOGFONTA font{};
    look.dcFontValid = GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font) == sizeof(font);
    look.dcFontEscapement = font.lfEscapement;
    return look;
  }

  // The differences to an earlier look, empty when none.
  std::string Against(const TCanvasLook& before) const {
    std::ostringstream out;
    const auto differ = [&](const char* what, auto now, auto then) {
      if (now != then) out << what << " changed; ";
    };
    differ("font name", fontName, before.fontName);
    differ("font size", fontSize, before.fontSize);
    if (!(fontStyle == before.fontStyle)) out << "font style changed; ";
    differ("font colour", fontColor, before.fontColor);
    differ("pen colour", penColor, before.penColor);
    differ("pen width", penWidth, before.penWidth);
    differ("pen style", penStyle, before.penStyle);
    differ("brush colour", brushColor, before.brushColor);
    differ("brush style", brushStyle, before.brushStyle);
    differ("background mode", backMode, before.backMode);
    differ("DC text colour", textColor, before.textColor);
    differ("DC background colour", backColor, before.backColor);
    if (!dcFontValid) out << "the DC's font is not a font; ";
    if (dcFontEscapement != 0) out << "the DC keeps a turned font; ";
    return out.str();
  }
};

std::vector<unsigned char> Garbage() {
  std::vector<unsigned char> bytes(64);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 37 + 11);
  bytes[0] = 0x89;  // a PNG signature's first bytes, then nonsense
  bytes[1] = 'P';
  bytes[2] = 'N';
  bytes[3] = 'G';
  return bytes;
}

template <class Picture>
void LoadBytes(Picture* picture, const std::vector<unsigned char>& bytes) {
  fw::TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  stream.SetPosition(0);
  try {
    picture->LoadFromStream(&stream);
  } catch (...) {  // a picture that refuses the bytes stays empty: the markup then names an empty one
  }
}

}  // namespace

struct TEngineRig::TState {
  TState()
      : allocate(ui::GdiplusAllocate,
                 [](std::size_t size) -> void* {
                   ++liveGdipWrappers;
                   return ui::flat::GdipAlloc(size);
                 }),
        release(ui::GdiplusRelease,
                [](void* block) {
                  --liveGdipWrappers;
                  ui::flat::GdipFree(block);
                }),
        bitmap(kWidth, kHeight),
        graphics(bitmap.DC()),
        images(testsupport::MakeSquareImageList({0x00FF00, 0x0000FF})),
        pictures(fw::Create<ui::TPictureContainer>(nullptr)),
        gdipPictures(fw::Create<ui::TGDIPPictureContainer>(nullptr)) {
    canvas.SetHandle(bitmap.DC());
    canvas.Font()->SetName("DejaVu Sans");
    canvas.Font()->SetSize(10);
    font.SetName("DejaVu Sans");
    font.SetSize(10);

    ui::TPictureItem* quad = pictures->Items()->Add();
    quad->SetName("Quad");
    quad->Picture()->LoadFromURL("RES://TWOBYTWO");
    ui::TPictureItem* broken = pictures->Items()->Add();
    broken->SetName("Broken");
    LoadBytes(broken->Picture(), Garbage());
    pictures->Items()->Add()->SetName("Missing");  // an item without a picture

    ui::gdip::TPictureItem* gdipQuad = gdipPictures->Items()->Add();
    gdipQuad->SetName("GdipQuad");
    fw::TMemoryStream resource;
    quad->Picture()->SaveToStream(&resource);
    resource.SetPosition(0);
    gdipQuad->Picture()->LoadFromStream(&resource);
    ui::gdip::TPictureItem* gdipBroken = gdipPictures->Items()->Add();
    gdipBroken->SetName("GdipBroken");
    LoadBytes(gdipBroken->Picture(), Garbage());
  }
  ~TState() {
    canvas.SetHandle(nullptr);
    images->Free();
    pictures->Free();
    gdipPictures->Free();
  }

  fw::ServiceDouble<void*(std::size_t)> allocate;
  fw::ServiceDouble<void(void*)> release;
  fw::testing::MemoryBitmap bitmap;
  fw::TCanvas canvas;
  ui::TGPGraphics graphics;
  fw::TFont font;
  fw::TImageList* images;
  ui::TPictureContainer* pictures;
  ui::TGDIPPictureContainer* gdipPictures;
  ui::THTMLPictureCache cache;
};

TEngineRig::TEngineRig() : state_(std::make_unique<TState>()) {}
TEngineRig::~TEngineRig() = default;

std::string TEngineRig::Check(const std::string& Markup) {
  TState& s = *state_;
  std::ostringstream faults;
  const auto params = [&] {
    ui::THTMLTextParams p;
    p.Text = Markup;
    p.Bounds = fw::Rect(0, 0, kWidth, kHeight);
    p.ImageList = s.images;
    p.PictureContainer = s.pictures;
    p.PictureCache = &s.cache;
    p.FocusLink = 0;
    p.HoverLink = 1;
    p.HoverBackColor = 0x00FFFF;
    p.HoverTextColor = 0xFF00FF;
    p.ShadowOffset = 2;
    return p;
  };
  // One call of an entry: nothing may come out of it, and a canvas entry must leave the canvas as it was.
  const auto call = [&](const char* entry, bool onCanvas, const std::function<void(ui::THTMLTextParams&)>& setUp,
                        const std::function<void(ui::THTMLTextParams&)>& run) {
    ui::THTMLTextParams p = params();
    setUp(p);
    const TCanvasLook before = TCanvasLook::Of(s.canvas);
    try {
      run(p);
    } catch (const std::exception& e) {
      faults << entry << ": exception out: " << e.what() << "\n";
    } catch (...) {
      faults << entry << ": exception out\n";
    }
    if (onCanvas) {
      const std::string changed = TCanvasLook::Of(s.canvas).Against(before);
      if (!changed.empty()) faults << entry << ": " << changed << "\n";
    }
  };
  const auto none = [](ui::THTMLTextParams&) {};
  const auto hitAt = [](int x, int y) {
    return [x, y](ui::THTMLTextParams& p) {
      p.HitTestOnly = true;
      p.HitX = x;
      p.HitY = y;
    };
  };
  const auto canvasBuild = [&](ui::THTMLTextParams& p) { ui::DrawHTMLText(&s.canvas, p); };
  const auto officeBuild = [&](ui::THTMLTextParams& p) { ui::DrawHTMLTextOffice(&s.canvas, p, 2); };
  const auto gdipBuild = [&](ui::THTMLTextParams& p) {
    ui::DrawHTMLTextGDIP(&s.graphics, &s.font, p, s.gdipPictures, 2);
  };

  s.bitmap.Fill(fw::clWhite);
  call("DrawHTMLText paint", true, none, canvasBuild);
  call("DrawHTMLText measure", true, [](ui::THTMLTextParams& p) { p.MeasureOnly = true; }, canvasBuild);
  call("DrawHTMLText hit test", true, hitAt(20, 8), canvasBuild);
  call("DrawHTMLText hit test", true, hitAt(150, 40), canvasBuild);
  call("DrawHTMLText control search", true,
       [](ui::THTMLTextParams& p) {
         p.HitTestOnly = true;
         p.ControlId = "x";
       },
       canvasBuild);
  call("DrawHTMLText paint, no wrap, right to left, scaled", true,
       [](ui::THTMLTextParams& p) {
         p.WordWrap = false;
         p.BiDiMode = 1;
         p.ScalePictures = true;
         p.PictureScale = 1.5;
         p.KeepColors = true;
         p.BlinkOn = false;
         p.HoverOnly = true;
         p.HitX = 30;
         p.HitY = 5;
       },
       canvasBuild);
  call("DrawHTMLTextOffice paint", true, none, officeBuild);
  call("DrawHTMLTextOffice hit test", true, hitAt(20, 8), officeBuild);
  call("DrawHTMLTextGDIP paint", false, none, gdipBuild);
  call("DrawHTMLTextGDIP hit test", false, hitAt(20, 8), gdipBuild);
  return faults.str();
}

void TEngineRig::WarmUp() {
  Check("<BODY BACKGROUND=\"SSYS:1\" BGCOLOR=\"#00FF00\"><IMG SRC=\"SSYS:0\"><IMG SRC=\"LSYS:0\">"
        "<IMG SRC=\"SSYS:2147483647\"><IMG SRC=\"SSYS:x.txt\"><IMG SRC=\"LSYS:C:\\\"><IMG SRC=\"IDX:0\">"
        "<A HREF=\"a\"><IMG SRC=\"Quad\"><IMG SRC=\"GdipQuad\"></A><R A=\"90\">x</R><CONTROL TYPE=\"COMBO\" "
        "ID=\"c\" WIDTH=\"40\"><CONTROL TYPE=\"CHECK\" ID=\"k\" WIDTH=\"20\"><HR><LI TYPE=\"SQUARE\">x");
  TMarkupGenerator generator(0);
  for (int i = 0; i < 20; ++i) Check(generator.Next());
}

TObjectCounts TEngineRig::Counts() {
  state_->cache.ClearPictures();
  // A canvas's font, pen and brush keep their handle of before a change alive until they are next used,
  // so after a call the canvas may hold one handle more than it needs: whichever of them the markup
  // coloured last. Used once here, each holds exactly its one handle.
  fw::TCanvas& canvas = state_->canvas;
  canvas.Rectangle(0, 0, 0, 0);
  canvas.TextWidth("x");
  return TObjectCounts{testsupport::GdiObjectCount(), liveGdipWrappers};
}

}  // namespace html_robustness
