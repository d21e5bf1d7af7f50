#include "ui/controls/color_button.h"

#include <windows.h>

#include "framework/controls/create_params.h"
#include "framework/controls/messages.h"

namespace ui {

namespace {

constexpr fw::TColor kMarkColor = 0x808080;

void DrawCentred(HDC dc, const std::string& text, fw::TRect r) {
  RECT rect = r.ToRECT();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

}  // namespace

TColorButton::TColorButton(fw::TComponent* AOwner) : fw::TButton(AOwner) {}

TColorButton::~TColorButton() = default;

void TColorButton::CreateParams(fw::TCreateParams& Params) {
  fw::TButton::CreateParams(Params);
  Params.Style |= BS_OWNERDRAW | BS_MULTILINE;
}

void TColorButton::SetButtonStyle(bool ADefault) {
  // The face shows it; the window's own style stays owner-drawn.
  if (isDefault_ == ADefault) return;
  isDefault_ = ADefault;
  Invalidate();
}

void TColorButton::WndProc(fw::TMessage& Message) {
  if (Message.Msg == fw::CM_MOUSEENTER) {
    savedBackColor_ = backColor_;
    backColor_ = hoverColor_;
    Invalidate();
  } else if (Message.Msg == fw::CM_MOUSELEAVE) {
    backColor_ = savedBackColor_;
    Invalidate();
  }
  fw::TButton::WndProc(Message);
}

void TColorButton::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CN_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      measure->itemWidth = static_cast<UINT>(Width());
      measure->itemHeight = static_cast<UINT>(Height());
      Message.Result = 1;
      return;
    }
    case fw::CN_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
      const int saved = SaveDC(item->hDC);
      canvas_.Lock();
      try {
        canvas_.SetHandle(item->hDC);
        canvas_.SetFont(Font());
        canvas_.SetBrush(Brush());
        DrawFace(fw::Rect(item->rcItem.left, item->rcItem.top, item->rcItem.right, item->rcItem.bottom),
                 item->itemState);
      } catch (...) {
        canvas_.SetHandle(nullptr);
        canvas_.Unlock();
        RestoreDC(item->hDC, saved);
        throw;
      }
      canvas_.SetHandle(nullptr);
      canvas_.Unlock();
      RestoreDC(item->hDC, saved);
      Message.Result = 1;
      return;
    }
    case fw::CM_ENABLEDCHANGED:
    case fw::CM_FONTCHANGED:
      fw::TButton::Dispatch(Message);
      Invalidate();
      return;
    default: break;
  }
  fw::TButton::Dispatch(Message);
}

std::pair<std::string, std::string> TColorButton::SplitCaption(const std::string& Text, char Separator) {
  const size_t at = Text.find(Separator);
  if (at == std::string::npos) return {Text, std::string()};
  return {Text.substr(0, at), Text.substr(at + 1)};
}

void TColorButton::DrawFace(fw::TRect R, UINT State) {
  fw::TCanvas* canvas = &canvas_;
  HDC dc = canvas->Handle();
  const fw::TRect item = R;
  const bool selected = (State & ODS_SELECTED) != 0;
  const bool disabled = (State & ODS_DISABLED) != 0;
  const bool focused = (State & ODS_FOCUS) != 0;
  const bool pressed = selected || Tag() == 1;
  UINT flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
  if (selected) flags |= DFCS_PUSHED;
  if (disabled) flags |= DFCS_INACTIVE;

  if (isDefault_ || focused) {
    canvas->Pen()->SetColor(fw::clWindowFrame);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(fw::bsClear);
    canvas->Rectangle(R);
    R = fw::Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
  }
  if (pressed) {
    canvas->Pen()->SetColor(fw::clBtnShadow);
    canvas->Brush()->SetColor(fw::clBtnFace);
    canvas->Rectangle(R);
    R = fw::Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    R = fw::Rect(R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1);
  } else {
    RECT frame = R.ToRECT();
    DrawFrameControl(dc, &frame, DFC_BUTTON, flags);
    R = fw::Rect(frame.left, frame.top, frame.right, frame.bottom);
  }
  canvas->Brush()->SetColor(pressed ? fw::clBtnHighlight : !disabled ? backColor_ : kMarkColor);
  canvas->FillRect(R);

  const int oldMode = SetBkMode(dc, TRANSPARENT);
  canvas->TextExtent("");  // the canvas font goes into the DC before the text colour is set
  SetTextColor(dc, fw::ColorToRGB(foreColor_));

  if (arrowStyle_ >= 1 && arrowStyle_ <= 3) {
    canvas->Pen()->SetColor(kMarkColor);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetColor(kMarkColor);
    fw::TPoint mark[3];
    fw::TPoint fill;
    if (arrowStyle_ == 1) {
      mark[0] = fw::Point(R.Right - 10, R.Top + 3);
      mark[1] = fw::Point(R.Right - 15, R.Top + 8);
      mark[2] = fw::Point(R.Right - 5, R.Top + 8);
      fill = fw::Point(R.Right - 10, R.Top + 5);
    } else if (arrowStyle_ == 2) {
      mark[0] = fw::Point(R.Right - 14, R.Top + 3);
      mark[1] = fw::Point(R.Right - 14, R.Top + 15);
      mark[2] = fw::Point(R.Right - 7, R.Top + 9);
      fill = fw::Point(R.Right - 12, R.Top + 7);
    } else {
      mark[0] = fw::Point(R.Right - 14, R.Bottom - 6);
      mark[1] = fw::Point(R.Right - 14, R.Bottom - 18);
      mark[2] = fw::Point(R.Right - 7, R.Bottom - 12);
      fill = fw::Point(R.Right - 12, R.Bottom - 10);
    }
    canvas->Polygon(mark);
    canvas->FloodFill(fill.X, fill.Y, kMarkColor, fw::fsBorder);
  }

  if (pressed && !bitmapDown_.Empty()) canvas->StretchDraw(R, &bitmapDown_);
  if (!pressed && !bitmapUp_.Empty()) canvas->StretchDraw(R, &bitmapUp_);

  const std::string caption = Caption();
  auto [first, second] = SplitCaption(caption, '|');
  if (!first.empty()) {
    SetTextColor(dc, fw::ColorToRGB(foreColor_));
    if (first[0] == '*') {
      first.erase(0, 1);
      R.Bottom -= 45;
      DrawCentred(dc, first, R);
      R.Bottom += 25;
      R.Top += 5;
      DrawCentred(dc, second, R);
      R.Top = R.Bottom + (R.Top - R.Bottom) / 4;
      R.Bottom += 15;
      R.Left += 5;
      R.Right -= 5;
      canvas->Brush()->SetColor(fw::clWhite);
      canvas->FillRect(R);
      canvas->Pen()->SetColor(kMarkColor);
      canvas->Pen()->SetWidth(2);
      SetTextColor(dc, fw::ColorToRGB(foreColor_));
      DrawCentred(dc, Hint(), R);
      canvas->MoveTo(R.Left, R.Top + 1);
      canvas->LineTo(R.Right - 1, R.Top + 1);
      canvas->MoveTo(R.Left + 1, R.Top);
      canvas->LineTo(R.Left + 1, R.Bottom - 1);
    } else if (!second.empty()) {
      R.Bottom -= 25;
      DrawCentred(dc, first, R);
      R.Bottom += 25;
      R.Top += 25;
      DrawCentred(dc, second, R);
    } else {
      DrawCentred(dc, caption, R);
    }
  }

  if (isDefault_ && focused) {
    R = fw::Rect(item.Left + 4, item.Top + 4, item.Right - 4, item.Bottom - 4);
    canvas->Pen()->SetColor(fw::clWindowFrame);
    canvas->Brush()->SetColor(fw::clBtnFace);
    canvas->DrawFocusRect(R);
  }
  SetBkMode(dc, oldMode);
}

}  // namespace ui
