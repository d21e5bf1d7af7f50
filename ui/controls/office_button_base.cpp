#include "ui/controls/office_button_base.h"

#include <algorithm>

#include "framework/controls/messages.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "framework/services/shellopen.h"
#include "ui/controls/html_text_office.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/banded_gradient.h"
#include "ui/foundation/html_picture.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"

namespace ui {

TVxOfficeButtonBase::TVxOfficeButtonBase(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner), pictureCache_(std::make_unique<THTMLPictureCache>()) {
  SetTabStop(false);
}

TVxOfficeButtonBase::~TVxOfficeButtonBase() = default;

void TVxOfficeButtonBase::SetShowFocus(bool value) {
  if (showFocus_ == value) return;
  showFocus_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetImages(fw::TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  Invalidate();
}

void TVxOfficeButtonBase::SetPictureContainer(TPictureContainer* value) {
  pictureContainer_ = value;
  if (value) value->FreeNotification(this);
  Invalidate();
}

void TVxOfficeButtonBase::SetURLColor(fw::TColor value) {
  if (urlColor_ == value) return;
  urlColor_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetButtonVertAlign(fw::TTextLayout value) {
  if (buttonVertAlign_ == value) return;
  buttonVertAlign_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetAlignment(fw::TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetEllipsis(bool value) {
  if (ellipsis_ == value) return;
  ellipsis_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetShadowOffset(int value) {
  if (shadowOffset_ == value) return;
  shadowOffset_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetShadowColor(fw::TColor value) {
  if (shadowColor_ == value) return;
  shadowColor_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetDisabledFontColor(fw::TColor value) {
  if (disabledFontColor_ == value) return;
  disabledFontColor_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::SetThemed(bool value) {
  if (themed_ == value) return;
  themed_ = value;
  Invalidate();
}

void TVxOfficeButtonBase::Loaded() {
  fw::TCustomControl::Loaded();
  savedCursor_ = Cursor();
}

void TVxOfficeButtonBase::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Operation == fw::opRemove) {
    if (AComponent == static_cast<fw::TComponent*>(images_)) images_ = nullptr;
    if (AComponent == static_cast<fw::TComponent*>(pictureContainer_)) pictureContainer_ = nullptr;
  }
  fw::TCustomControl::Notification(AComponent, Operation);
}

void TVxOfficeButtonBase::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  fw::TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
}

bool TVxOfficeButtonBase::UseThemes() const {
  return IsWinXPOrLater() && themed_ && ThemeLib.IsThemeActive != nullptr && ThemeLib.IsThemeActive() &&
         IsComCtlVersion6();
}

bool TVxOfficeButtonBase::DrawThemedGlyph(int Part, int State, int Top) {
  if (!ThemeLib.OpenThemeData || !ThemeLib.DrawThemeBackground || !ThemeLib.CloseThemeData) return false;
  HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"button");
  if (!theme) return false;
  const fw::TRect client = ClientRect();
  const bool right = alignment_ == fw::taRightJustify || UseRightToLeftReading();
  const int left = right ? client.Right - 17 : 0;
  const RECT r{left, Top, left + 16, Top + 16};
  ThemeLib.DrawThemeBackground(theme, Canvas()->Handle(), Part, State, &r, nullptr);
  ThemeLib.CloseThemeData(theme);
  return true;
}

void TVxOfficeButtonBase::DrawBitmapGlyph(const std::string& Base, int TextHeight) {
  fw::TBitmap glyph;
  const std::string name = Base + (down_ ? "D" : (hot_ ? "H" : ""));
  try {
    glyph.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  } catch (...) {
    return;  // a program without the glyphs draws none
  }
  glyph.SetTransparent(true);
  glyph.SetTransparentMode(fw::tmAuto);
  const fw::TRect client = ClientRect();
  int top = 0;
  switch (buttonVertAlign_) {
    case fw::tlTop: top = (TextHeight - glyph.Height()) / 2 + 4; break;
    case fw::tlCenter: top = client.Height() / 2 - glyph.Height() / 2; break;
    case fw::tlBottom: top = client.Bottom - glyph.Height(); break;
  }
  top = GlyphTop(top, glyph.Height());
  const bool right = alignment_ == fw::taRightJustify || UseRightToLeftReading();
  const int left = right ? client.Right - glyph.Width() - 1 : 0;
  Canvas()->Draw(left, top, &glyph);
}

void TVxOfficeButtonBase::InvalidateGlyphStrip(int Right) {
  if (!HandleAllocated()) return;
  RECT r = ClientRect().ToRECT();
  r.right = Right;
  InvalidateRect(Handle(), &r, TRUE);
}

void TVxOfficeButtonBase::PaintParentBackground() { PaintParentImage(this, Canvas()->Handle()); }

THTMLTextParams TVxOfficeButtonBase::CaptionParams(const fw::TRect& Bounds) {
  THTMLTextParams p;
  p.Text = Caption();
  p.Bounds = Bounds;
  p.ImageList = images_;
  p.HitX = 0;
  p.HitY = 0;
  p.FocusLink = -1;
  p.HoverLink = -1;
  p.ShadowOffset = shadowOffset_;
  p.WordWrap = !ellipsis_;
  p.PictureScale = 1.0;
  p.LinkColor = urlColor_;
  p.HoverBackColor = fw::clNone;
  p.HoverTextColor = fw::clNone;
  p.ShadowColor = shadowColor_;
  p.PictureCache = pictureCache_.get();
  p.PictureContainer = pictureContainer_;
  p.BiDiMode = EngineBiDiMode();
  return p;
}

fw::TRect TVxOfficeButtonBase::TextRect(int Indent) {
  fw::TRect r = ClientRect();
  if (alignment_ == fw::taRightJustify || UseRightToLeftReading()) {
    r.Left = 0;
    r.Right -= Indent;
  } else {
    r.Left += Indent;
  }
  r.Top += 4;
  return r;
}

fw::TSize TVxOfficeButtonBase::DrawCaption(fw::TRect& Text) {
  fw::TCanvas* canvas = Canvas();
  const std::string caption = Caption();
  if (BiDiMode() == fw::bdRightToLeft && caption.find("</") == std::string::npos) {
    canvas->Brush()->SetStyle(fw::bsClear);
    RECT r = Text.ToRECT();
    if (!Enabled()) {
      canvas->Font()->SetColor(fw::clWhite);
      RECT shifted{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
      canvas->TextExtent("");
      DrawTextA(canvas->Handle(), caption.c_str(), -1, &shifted, DT_RIGHT);
      canvas->Font()->SetColor(disabledFontColor_);
    }
    canvas->TextExtent("");
    SetTextColor(canvas->Handle(), fw::ColorToRGB(canvas->Font()->Color()));
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &r, DT_RIGHT);
    return fw::TSize{Text.Width(), Text.Height()};
  }
  THTMLTextParams measure = CaptionParams(Text);
  measure.HitTestOnly = true;
  DrawHTMLTextOffice(canvas, measure, 0);
  const fw::TSize size{measure.TextWidth, measure.TextHeight};
  if (UseRightToLeftReading()) Text.Left = Text.Right - size.cx - 3;
  if (Enabled()) {
    THTMLTextParams draw = CaptionParams(Text);
    DrawHTMLTextOffice(canvas, draw, 0);
  } else {
    THTMLTextParams shadow = CaptionParams(Text.Offset(1, 1));
    shadow.LinkColor = fw::clWhite;
    const fw::TColor color = canvas->Font()->Color();
    canvas->Font()->SetColor(fw::clWhite);
    DrawHTMLTextOffice(canvas, shadow, 0);
    canvas->Font()->SetColor(disabledFontColor_);
    THTMLTextParams draw = CaptionParams(Text);
    draw.LinkColor = fw::clGray;
    DrawHTMLTextOffice(canvas, draw, 0);
    canvas->Font()->SetColor(color);
  }
  return size;
}

std::string TVxOfficeButtonBase::IsAnchor(int X, int Y) {
  fw::TRect bounds = ClientRect();
  bounds.Left += 17;
  bounds.Top += 4;
  THTMLTextParams p = CaptionParams(bounds);
  p.HitTestOnly = true;
  p.HitX = X;
  p.HitY = Y;
  Canvas()->SetFont(Font());
  return DrawHTMLTextOffice(Canvas(), p, 0) ? p.HitLink : std::string();
}

bool TVxOfficeButtonBase::ClickAnchor(int X, int Y) {
  if (!focused_) return false;
  const std::string anchor = IsAnchor(X, Y);
  if (anchor.empty()) return false;
  if (anchor.find("://") != std::string::npos || anchor.find("mailto:") != std::string::npos) {
    fw::ShellOpen(nullptr, anchor);
  } else if (OnAnchorClick) {
    OnAnchorClick(this, anchor);
  }
  return true;
}

void TVxOfficeButtonBase::MouseMove(fw::TShiftState Shift, int X, int Y) {
  if (MouseCapture()) {
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    down_ = inside;
  }
  if (focused_) {
    const std::string anchor = IsAnchor(X, Y);
    if (!anchor.empty()) {
      if (Cursor() == fw::crDefault || anchor != currentAnchor_) {
        currentAnchor_ = anchor;
        SetCursor(fw::crHandPoint);
        if (OnAnchorEnter) OnAnchorEnter(this, anchor);
      }
    } else if (Cursor() == fw::crHandPoint) {
      SetCursor(savedCursor_);
      if (OnAnchorExit) OnAnchorExit(this, std::string());
    }
  }
  fw::TCustomControl::MouseMove(Shift, X, Y);
}

void TVxOfficeButtonBase::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case fw::CM_ENABLEDCHANGED:
      fw::TCustomControl::Dispatch(Message);
      Invalidate();
      return;
    case fw::CM_MOUSEENTER:
    case fw::CM_MOUSELEAVE:
      hot_ = Message.Msg == fw::CM_MOUSEENTER;
      if (HandleAllocated()) {
        Canvas()->SetFont(Font());
        DrawButton();
      }
      break;
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

void TVxOfficeButtonBase::KeyDown(WORD& Key, fw::TShiftState Shift) {
  if (Key == VK_RETURN && ReturnIsTab()) {
    Key = VK_TAB;
    PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_SPACE) down_ = true;
  fw::TCustomControl::KeyDown(Key, Shift);
}

}  // namespace ui
