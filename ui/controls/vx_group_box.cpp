#include "ui/controls/vx_group_box.h"

#include <algorithm>

#include "framework/controls/hint_window.h"
#include "framework/controls/messages.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi_handles.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/ansicase.h"
#include "ui/controls/transparent_painting.h"
#include "ui/foundation/html_markup.h"
#include "ui/foundation/style_detection.h"
#include "ui/foundation/theme_library.h"

namespace ui {

// ---- caption check box ----

void TGroupBoxCheck::Changed() {
  if (OnChange) OnChange(this);
}

void TGroupBoxCheck::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TGroupBoxCheck*>(Source);
  if (!other) {
    fw::TPersistent::Assign(Source);
    return;
  }
  hint_ = other->hint_;
  SetState(other->state_);
  themed_ = other->themed_;
  allowGrayed_ = other->allowGrayed_;
  action_ = other->action_;
  SetChecked(other->Checked());
  position_ = other->position_;
  Changed();
}

void TGroupBoxCheck::SetHint(const std::string& value) {
  if (hint_ == value) return;
  hint_ = value;
  Changed();
}

void TGroupBoxCheck::SetState(fw::TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  owner_->DrawCheck();
  owner_->ApplyCheckAction();
  owner_->DoCheckBoxClick();
}

void TGroupBoxCheck::SetChecked(bool value) {
  if (value != Checked()) SetState(value ? fw::cbChecked : fw::cbUnchecked);
}

void TGroupBoxCheck::SetThemed(bool value) {
  if (themed_ == value) return;
  themed_ = value;
  Changed();
}

void TGroupBoxCheck::SetAllowGrayed(bool value) {
  if (allowGrayed_ == value) return;
  allowGrayed_ = value;
  Changed();
}

void TGroupBoxCheck::SetPosition(TCheckBoxPos value) {
  if (position_ == value) return;
  position_ = value;
  Changed();
}

void TGroupBoxCheck::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed();
}

void TGroupBoxCheck::SetHot(bool value) {
  if (hot_ == value) return;
  hot_ = value;
  owner_->DrawCheck();
}

void TGroupBoxCheck::SetDown(bool value) {
  if (down_ == value) return;
  down_ = value;
  owner_->DrawCheck();
}

// ---- group box ----

TVxCustomGroupBox::TVxCustomGroupBox(fw::TComponent* AOwner) : fw::TCustomGroupBox(AOwner), check_(this) {
  controlStyle_.Exclude(fw::csOpaque);
  check_.OnChange = [this](fw::TObject*) { Invalidate(); };
}

TVxCustomGroupBox::~TVxCustomGroupBox() = default;

void TVxCustomGroupBox::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TVxCustomGroupBox::SetBorderColor(fw::TColor value) {
  if (borderColor_ == value) return;
  borderColor_ = value;
  Invalidate();
}

void TVxCustomGroupBox::SetRoundEdges(bool value) {
  if (roundEdges_ == value) return;
  roundEdges_ = value;
  Invalidate();
}

void TVxCustomGroupBox::SetCtl3D(bool value) {
  if (ctl3D_ == value) return;
  ctl3D_ = value;
  Realign();
  Invalidate();
}

void TVxCustomGroupBox::SetImageIndex(int value) {
  imageIndex_ = value;
  Realign();
  Invalidate();
}

void TVxCustomGroupBox::SetImages(fw::TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  else imageIndex_ = -1;
  Realign();
  Invalidate();
}

void TVxCustomGroupBox::SetBorderStyle(TVxBorderStyle value) {
  borderStyle_ = value;
  Realign();
  Invalidate();
}

void TVxCustomGroupBox::SetCaptionPosition(TCaptionPosition value) {
  captionPosition_ = value;
  Realign();
  Invalidate();
}

void TVxCustomGroupBox::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Operation == fw::opRemove && AComponent == static_cast<fw::TComponent*>(images_) &&
      !ComponentState().Contains(fw::csDestroying)) {
    images_ = nullptr;
    imageIndex_ = -1;
  }
  fw::TCustomGroupBox::Notification(AComponent, Operation);
}

int TVxCustomGroupBox::BorderWidth() const {
  switch (borderStyle_) {
    case bsSingle: return ctl3D_ ? 2 : 1;
    case bsDouble: return ctl3D_ ? 4 : 2;
    default: return 1;
  }
}

void TVxCustomGroupBox::GetCaptionRects(fw::TRect& CheckRect, fw::TRect& TextRect, fw::TRect& CaptionRect) {
  CaptionRect = fw::TRect{};
  CheckRect = fw::Rect(-1, -1, -1, -1);
  int tw = 0;
  int th = 0;
  const std::string caption = Caption();
  if (!caption.empty()) {
    fw::WindowDC screen(nullptr);
    fw::SelectedObject font(screen.Get(), Font()->Handle());
    RECT r{0, 0, 1000, 100};
    DrawTextA(screen.Get(), caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    tw = r.right - r.left;
    th = r.bottom - r.top;
  }
  int iw = 0;
  int ih = 0;
  if (images_ && imageIndex_ >= 0) {
    iw = images_->Width();
    ih = images_->Height();
  }
  const int imageGap = tw > 0 && iw > 0 ? 3 : 0;
  int c = 0;
  int checkGap = 0;
  if (check_.Visible()) {
    c = check_.Themed() ? 16 : 14;
    checkGap = tw > 0 || iw > 0 ? 3 : 0;
  }
  const int w = c + checkGap + iw + imageGap + tw;
  const int h = std::max({c, ih, th}) + 2;
  int left = 8;
  switch (captionPosition_) {
    case cpTopRight: case cpBottomRight: left = Width() - 8 - w; break;
    case cpTopCenter: case cpBottomCenter: left = (Width() - w) / 2; break;
    default: break;
  }
  const bool bottom = captionPosition_ == cpBottomLeft || captionPosition_ == cpBottomRight ||
                      captionPosition_ == cpBottomCenter;
  const int top = bottom ? Height() - h : 0;
  CaptionRect = fw::Bounds(left, top, w, h);
  TextRect = CaptionRect;
  if (check_.Visible()) {
    if (check_.Position() == cpLeft) {
      CheckRect = fw::Bounds(CaptionRect.Left, CaptionRect.Top + (h - c) / 2, c, c);
      TextRect.Left = CheckRect.Right + checkGap;
    } else {
      CheckRect = fw::Bounds(CaptionRect.Right - c, CaptionRect.Top + (h - c) / 2, c, c);
      TextRect.Right = CheckRect.Left - checkGap;
    }
  }
}

int TVxCustomGroupBox::CaptionHeight() {
  fw::TRect check, text, caption;
  GetCaptionRects(check, text, caption);
  return std::max(BorderWidth(), caption.Height());
}

void TVxCustomGroupBox::AdjustClientRect(fw::TRect& Rect) {
  const int border = BorderWidth();
  const int caption = std::max(border, CaptionHeight());
  const bool bottom = captionPosition_ == cpBottomLeft || captionPosition_ == cpBottomRight ||
                      captionPosition_ == cpBottomCenter;
  Rect = ClientRect();
  if (bottom) {
    Rect.Bottom -= caption;
    Rect.Left += border;
    Rect.Top += border;
    Rect.Right -= border;
  } else {
    Rect.Top += caption;
    Rect.Left += border;
    Rect.Right -= border;
    Rect.Bottom -= border;
  }
  Rect = fw::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
}

void TVxCustomGroupBox::AlignControls(fw::TControl* AControl, fw::TRect& Rect) {
  fw::TCustomControl::AlignControls(AControl, Rect);  // the rectangle is AdjustClientRect's
}

void TVxCustomGroupBox::CreateWnd() {
  fw::TCustomGroupBox::CreateWnd();
  ApplyCheckAction();
}

void TVxCustomGroupBox::Loaded() {
  fw::TCustomGroupBox::Loaded();
  ApplyCheckAction();
}

void TVxCustomGroupBox::DrawParentImage() { PaintParentImage(this, Canvas()->Handle()); }

void TVxCustomGroupBox::DrawCheck() {
  if (!check_.Visible() || !HandleAllocated()) return;
  fw::WindowDC dc(Handle());
  fw::TCanvas canvas;
  canvas.SetHandle(dc.Get());
  DrawCheckOn(&canvas);
  canvas.SetHandle(nullptr);
}

void TVxCustomGroupBox::DrawCheckOn(fw::TCanvas* Canvas) {
  if (!check_.Visible()) return;
  fw::TRect checkRect, textRect, captionRect;
  GetCaptionRects(checkRect, textRect, captionRect);
  const bool themed = IsWinVistaOrLater() && check_.Themed() && ThemeLib.IsThemeActive != nullptr &&
                      ThemeLib.IsThemeActive() && IsComCtlVersion6();
  const fw::TCheckBoxState state = check_.State();
  if (themed && ThemeLib.OpenThemeData && ThemeLib.DrawThemeBackground && ThemeLib.CloseThemeData) {
    if (HTHEME theme = ThemeLib.OpenThemeData(Handle(), L"button")) {
      int part = state == fw::cbChecked ? 5 : (state == fw::cbGrayed ? 9 : 1);
      part += !Enabled() ? 3 : (check_.Down() ? 2 : (check_.Hot() ? 1 : 0));
      const RECT r = checkRect.ToRECT();
      ThemeLib.DrawThemeBackground(theme, Canvas->Handle(), 3, part, &r, nullptr);
      ThemeLib.CloseThemeData(theme);
      return;
    }
  }
  std::string name = state == fw::cbChecked ? "NRVGRPC" : (state == fw::cbGrayed ? "NRVGRPG" : "NRVGRPU");
  name += check_.Down() ? "D" : (check_.Hot() ? "H" : "");
  fw::TBitmap glyph;
  try {
    glyph.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  } catch (...) {
    return;  // a program without the glyphs draws none
  }
  glyph.SetTransparent(true);
  Canvas->Draw(checkRect.Left, checkRect.Top, &glyph);
}

void TVxCustomGroupBox::Paint() {
  fw::TCanvas* canvas = Canvas();
  if (transparent_) DrawParentImage();
  fw::TRect checkRect, textRect, captionRect;
  GetCaptionRects(checkRect, textRect, captionRect);
  const fw::TRect client = ClientRect();
  fw::TBitmap work;
  work.SetSize(captionRect.Width() + 2, captionRect.Height());
  DrawCheckOn(canvas);
  int x = textRect.Left;
  const bool image = images_ && imageIndex_ >= 0;
  if (image) {
    images_->Draw(canvas, textRect.Left, textRect.Top, imageIndex_, Enabled());
    x = textRect.Left + images_->Width() + 3;
  }
  canvas->Brush()->SetStyle(fw::bsClear);
  const std::string caption = Caption();
  if (!caption.empty()) {
    canvas->SetFont(Font());
    canvas->TextExtent("");
    SetBkMode(canvas->Handle(), TRANSPARENT);
    RECT r{x, textRect.Top, textRect.Right, textRect.Bottom};
    DrawTextA(canvas->Handle(), caption.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER);
  }
  const fw::TRect saved = fw::Rect(captionRect.Left - 1, captionRect.Top, captionRect.Right + 1, captionRect.Bottom);
  work.Canvas()->CopyRect(fw::Rect(0, 0, saved.Width(), saved.Height()), canvas, saved);

  fw::TRect border = client;
  const int half = CaptionHeight() / 2;
  const bool bottom = captionPosition_ == cpBottomLeft || captionPosition_ == cpBottomRight ||
                      captionPosition_ == cpBottomCenter;
  if (!bottom) {
    border.Top += half;
  } else if (!caption.empty() || image) {
    border.Bottom -= half;
    if (borderStyle_ == bsDouble) border.Bottom += 1;
  }
  const auto frame = [&](const fw::TRect& r, fw::TColor color) {
    canvas->Brush()->SetStyle(fw::bsClear);
    canvas->Pen()->SetColor(color);
    if (roundEdges_) canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 6, 6);
    else canvas->Rectangle(r);
  };
  const auto etched = [&](const fw::TRect& r) {
    frame(r.Offset(1, 1), fw::clWhite);
    frame(fw::Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), fw::clGray);
  };
  const fw::TRect inner = fw::Rect(border.Left + 2, border.Top + 2, border.Right - 2, border.Bottom - 2);
  switch (borderStyle_) {
    case bsSingle: frame(border, borderColor_); break;
    case bsDouble:
      if (ctl3D_) {
        etched(border);
        etched(inner);
      } else {
        frame(border, borderColor_);
        frame(inner, borderColor_);
      }
      break;
    default: break;
  }
  if (!caption.empty() || image) canvas->CopyRect(saved, work.Canvas(), fw::Rect(0, 0, saved.Width(), saved.Height()));
}

void TVxCustomGroupBox::ApplyCheckAction() {
  if (!Enabled() || !check_.Visible() || check_.State() == fw::cbGrayed || check_.Action() == caNone) return;
  const bool checked = check_.State() == fw::cbChecked;
  for (int i = 0; i < ControlCount(); ++i) {
    fw::TControl* child = Controls(i);
    if (check_.Action() == caDisable) {
      child->SetEnabled(checked);
    } else if (auto* box = dynamic_cast<fw::TCheckBox*>(child)) {
      box->SetChecked(checked);
    } else if (auto* windowed = dynamic_cast<fw::TWinControl*>(child);
               windowed && fw::AnsiUpperCase(windowed->ClassName()) == "TVXOFFICECHECKBOX") {
      SendMessageA(windowed->Handle(), BM_SETCHECK, static_cast<WPARAM>(check_.State()), 0);
    }
  }
}

void TVxCustomGroupBox::DoCheckBoxClick() {
  if (OnCheckBoxClick) OnCheckBoxClick(this);
}

void TVxCustomGroupBox::ToggleCheck() {
  if (!check_.AllowGrayed()) {
    check_.SetChecked(!check_.Checked());
    return;
  }
  switch (check_.State()) {
    case fw::cbUnchecked: check_.SetState(fw::cbGrayed); break;
    case fw::cbGrayed: check_.SetState(fw::cbChecked); break;
    case fw::cbChecked: check_.SetState(fw::cbUnchecked); break;
  }
}

void TVxCustomGroupBox::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomGroupBox::MouseDown(Button, Shift, X, Y);
  if (!CheckActive()) return;
  fw::TRect checkRect, textRect, captionRect;
  GetCaptionRects(checkRect, textRect, captionRect);
  check_.SetDown(captionRect.Contains(fw::Point(X, Y)));
  if (check_.Down()) SetMouseCapture(true);
}

void TVxCustomGroupBox::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomGroupBox::MouseMove(Shift, X, Y);
  if (!CheckActive()) return;
  fw::TRect checkRect, textRect, captionRect;
  GetCaptionRects(checkRect, textRect, captionRect);
  check_.SetHot(captionRect.Contains(fw::Point(X, Y)));
  if (MouseCapture()) check_.SetDown(check_.Hot());
}

void TVxCustomGroupBox::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomGroupBox::MouseUp(Button, Shift, X, Y);
  if (!CheckActive() || !check_.Down()) return;
  SetMouseCapture(false);
  check_.SetDown(false);
  fw::TRect checkRect, textRect, captionRect;
  GetCaptionRects(checkRect, textRect, captionRect);
  if (captionRect.Contains(fw::Point(X, Y))) ToggleCheck();
}

void TVxCustomGroupBox::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CM_ENABLEDCHANGED:
      fw::TCustomGroupBox::Dispatch(Message);
      Invalidate();
      return;
    case fw::CM_HINTSHOW:
      if (auto* info = reinterpret_cast<fw::THintInfo*>(Message.LParam)) {
        fw::TRect checkRect, textRect, captionRect;
        GetCaptionRects(checkRect, textRect, captionRect);
        if (checkRect.Contains(info->CursorPos) && !check_.Hint().empty()) info->HintStr = check_.Hint();
      }
      break;
    case fw::CM_MOUSELEAVE:
      fw::TCustomGroupBox::Dispatch(Message);
      if (CheckActive()) {
        check_.SetHot(false);
        check_.SetDown(false);
      }
      return;
    default:
      break;
  }
  fw::TCustomGroupBox::Dispatch(Message);
}

}  // namespace ui
