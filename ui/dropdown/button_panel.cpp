#include "ui/dropdown/button_panel.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "framework/controls/control_canvas.h"
#include "framework/controls/messages.h"
#include "framework/graphics/bitmap.h"
#include "ui/dropdown/button_panel_glow_key.h"
#include "ui/dropdown/dropdown_drawing.h"

namespace ui {
namespace {

// The frame colour inside every key's face.
constexpr fw::TColor kKeyFrameColor = 0x00E7E0C7;
// The space between the key groups.
constexpr int kGroupGap = 4;

struct KeyDef {
  const char* caption;
  const char* name;
  int tag;
  bool special;
};

// The calculator's keys in index order.
constexpr std::array<KeyDef, 28> kCalculatorKeys{{
    {"", "BTN_ON", 30, false},      {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},       {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},       {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},  {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},       {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
}};

// The key grid below the top row: the key index at each column (left to right) and row (top to bottom).
constexpr int kGridKeys[6][4] = {
    {4, 5, 6, 7},        // MC MR MS M+
    {11, 10, 9, 8},      // 7 4 1 0
    {12, 13, 14, 15},    // 8 5 2 +/-
    {19, 18, 17, 16},    // 9 6 3 .
    {20, 21, 22, 23},    // / * - +
    {27, 26, 25, 24},    // sqrt % 1/x =
};

}  // namespace

TCustomButtonPanel::TCustomButtonPanel(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      keys_(std::make_unique<TButtonItems>(this)),
      keyAppearance_(std::make_unique<TCalcButtonAppearance>()) {
  keyAppearance_->OnChange = [this](fw::TObject* Sender) { AppearanceChanged(Sender); };
  SetDoubleBuffered(true);
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::AppearanceChanged(fw::TObject*) {
  if (dropDown_ == nullptr) Invalidate();
}

void TCustomButtonPanel::SetKeyImages(fw::TCustomImageList* Value) {
  if (keyImages_ == Value) return;
  if (keyImages_ != nullptr) keyImages_->RemoveFreeNotification(this);
  keyImages_ = Value;
  if (keyImages_ != nullptr) keyImages_->FreeNotification(this);
}

void TCustomButtonPanel::SetLinkedEdit(fw::TWinControl* Value) {
  if (linkedEdit_ == Value) return;
  if (linkedEdit_ != nullptr) linkedEdit_->RemoveFreeNotification(this);
  linkedEdit_ = Value;
  if (linkedEdit_ != nullptr) linkedEdit_->FreeNotification(this);
}

bool TCustomButtonPanel::ValidIndex(int Index) const { return Index >= 0 && Index < keys_->Count(); }

bool TCustomButtonPanel::KeyDisabled(int Index) const {
  return ValidIndex(Index) && !keys_->Items(Index)->Enabled();
}

void TCustomButtonPanel::MoveMark(int& Field, int Index) {
  if (Index == Field || KeyDisabled(Index)) return;
  const int previous = Field;
  if (previous >= 0) {
    Field = -1;
    InvalidateKey(previous);
  }
  Field = Index;
  if (ValidIndex(Index)) DrawKeyOnWindow(Index);
}

void TCustomButtonPanel::SetHotIndex(int Index) { MoveMark(hotIndex_, Index); }

void TCustomButtonPanel::SetDownIndex(int Index) { MoveMark(downIndex_, Index); }

int TCustomButtonPanel::KeyAt(int X, int Y) const {
  for (int i = 0; i < keys_->Count(); ++i) {
    if (keys_->Items(i)->KeyRect().Contains(fw::TPoint{X, Y})) return i;
  }
  return -1;
}

fw::TRect TCustomButtonPanel::GetKeyRect(int Index) const {
  if (!ValidIndex(Index)) return fw::TRect{-1, -1, -1, -1};
  return keys_->Items(Index)->KeyRect();
}

fw::TRect TCustomButtonPanel::GetKeysRect() {
  fw::TRect r = ClientRect();
  return fw::TRect{r.Left + panelInsetX_, r.Top + panelInsetY_, r.Right - panelInsetX_, r.Bottom - panelInsetY_};
}

fw::TSize TCustomButtonPanel::GetKeyContentSize() {
  fw::TBitmap measure;
  measure.Canvas()->SetFont(Font());
  int captionW = 0, captionH = 0, imageW = 0, imageH = 0;
  for (int i = 0; i < keys_->Count(); ++i) {
    TButtonItem* key = keys_->Items(i);
    SIZE size{};
    dropdown::GetTextSize(measure.Canvas(), key->Caption(), size);
    captionW = std::max(captionW, static_cast<int>(size.cx));
    captionH = std::max(captionH, static_cast<int>(size.cy));
    if (!key->Image()->Empty()) {
      imageW = std::max(imageW, key->Image()->Width());
      imageH = std::max(imageH, key->Image()->Height());
    } else if (keyImages_ != nullptr && key->ImageIndex() >= 0) {
      imageW = std::max(imageW, keyImages_->Width());
      imageH = std::max(imageH, keyImages_->Height());
    }
  }
  const int gap = (captionW > 0 && imageW > 0) ? captionGap_ : 0;
  if (keyLayout_ == ilCaptionLeft || keyLayout_ == ilCaptionRight)
    return fw::TSize{2 * keyInsetX_ + imageW + gap + captionW, 2 * keyInsetY_ + std::max(captionH, imageH)};
  const int vgap = (captionH > 0 && imageH > 0) ? captionGap_ : 0;
  return fw::TSize{2 * keyInsetX_ + std::max(captionW, imageW), 2 * keyInsetY_ + imageH + vgap + captionH};
}

void TCustomButtonPanel::ClearKeys() { keys_->Clear(); }

void TCustomButtonPanel::ResetKeys() {
  ClearKeys();
  CreateKeys();
}

void TCustomButtonPanel::CreateKeys() {
  if (keypadKind_ == kkCalculator && keys_->Count() == 0) {
    for (const KeyDef& def : kCalculatorKeys) {
      TButtonItem* key = keys_->Add();
      key->SetCaption(def.caption);
      key->SetKeyName(def.name);
      key->SetTag(def.tag);
      if (def.special) {
        key->SetSpecial(true);
        key->SetCaptionColor(0x00000080);
      }
    }
  }
  ArrangeKeys();
}

void TCustomButtonPanel::ArrangeKeys() {
  if (keypadKind_ != kkCalculator || keys_->Count() == 0) return;
  const fw::TRect area = GetKeysRect();
  const int w = (area.Right - area.Left - 2 * kGroupGap) / 6;
  const int h = (area.Bottom - area.Top - kGroupGap) / 5;
  // Neighbouring keys of a group share one pixel line; the groups stand kGroupGap apart.
  const int x0 = area.Left;
  const int x1 = x0 + w + kGroupGap;
  const int x2 = x1 + w - 1;
  const int x3 = x2 + w - 1;
  const int x4 = x3 + w + kGroupGap;
  const int x5 = x4 + w - 1;
  const int columns[6] = {x0, x1, x2, x3, x4, x5};
  const int y1 = area.Top + h + kGroupGap;
  const int rows[4] = {y1, y1 + h - 1, y1 + 2 * (h - 1), y1 + 3 * (h - 1)};
  auto place = [this](int index, int x, int y, int width, int height) {
    if (ValidIndex(index)) keys_->Items(index)->SetKeyBounds(x, y, width, height);
  };
  for (int c = 0; c < 6; ++c) {
    for (int r = 0; r < 4; ++r) place(kGridKeys[c][r], columns[c], rows[r], w, h);
  }
  // The top row: the empty key over the memory column, then Back, CE and C up to the grid's right end.
  const int right = x5 + w;
  place(0, area.Left, area.Top, w, h);
  const int x = area.Left + w + kGroupGap;
  const int w2 = (right - x - 2 * kGroupGap) / 3;
  place(1, x, area.Top, w2, h);
  place(2, x + w2 + kGroupGap, area.Top, w2, h);
  const int cLeft = x + 2 * (w2 + kGroupGap);
  place(3, cLeft, area.Top, right - cLeft, h);
}

void TCustomButtonPanel::InvalidateKey(int Index) {
  if (!ValidIndex(Index) || !HandleAllocated()) return;
  fw::TRect r = keys_->Items(Index)->KeyRect();
  RECT grown{r.Left - 8, r.Top - 8, r.Right + 8, r.Bottom + 8};
  ::InvalidateRect(Handle(), &grown, TRUE);
}

void TCustomButtonPanel::KeyClick(int Index) {
  if (OnKeyClick) OnKeyClick(this, Index);
}

void TCustomButtonPanel::Loaded() {
  fw::TCustomControl::Loaded();
  if (dropDown_ == nullptr) CreateKeys();
}

void TCustomButtonPanel::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TCustomControl::Notification(AComponent, Operation);
  if (Operation != fw::opRemove || ComponentState().Contains(fw::csDestroying)) return;
  if (AComponent != nullptr && AComponent == keyImages_) {
    keyImages_ = nullptr;
    ArrangeKeys();
  }
  if (AComponent != nullptr && AComponent == linkedEdit_) linkedEdit_ = nullptr;
}

void TCustomButtonPanel::Paint() {
  fw::TCanvas* canvas = Canvas();
  if (dropDown_ == nullptr) {
    canvas->Brush()->SetStyle(fw::bsClear);
    canvas->Pen()->SetColor(fw::clBlack);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(ClientRect());
  }
  DrawKeys(canvas);
  if (ValidIndex(hotIndex_)) DrawKey(hotIndex_, canvas);
}

void TCustomButtonPanel::DrawKeys(fw::TCanvas* Canvas) {
  for (int i = 0; i < keys_->Count(); ++i) {
    if (i != hotIndex_) DrawKey(i, Canvas);
  }
}

void TCustomButtonPanel::DrawKeyOnWindow(int Index) {
  if (!HandleAllocated()) return;
  fw::TCanvas* canvas = Canvas();
  // The window's DC is given back afterwards unless a paint is drawing on the canvas.
  const bool keep = canvas->HandleAllocated();
  DrawKey(Index, canvas);
  if (!keep) static_cast<fw::TControlCanvas*>(canvas)->FreeHandle();
}

void TCustomButtonPanel::DrawKey(int Index, fw::TCanvas* Canvas) {
  if (!ValidIndex(Index) || Canvas == nullptr) return;
  TButtonItem* key = keys_->Items(Index);
  const fw::TRect r = key->KeyRect();
  if (r.Left < 0 && r.Right < 0) return;
  const TCalcButtonAppearance* look = keyAppearance_.get();
  fw::TColor border = look->BorderColor(), face = look->Color(), faceTo = look->ColorTo(), glow = fw::clNone;
  if (Index == downIndex_) {
    border = look->BorderColorDown();
    face = look->ColorDown();
    faceTo = look->ColorDownTo();
    glow = look->GlowColorDown();
  } else if (Index == hotIndex_) {
    border = look->BorderColorHot();
    face = look->ColorHot();
    faceTo = look->ColorHotTo();
    glow = look->GlowColorHot();
  }
  dropdown::PaintGlowKey(Canvas, r, border, look->ShineColor(), glow, faceTo, face, kKeyFrameColor);
  const fw::TRect content{r.Left + keyInsetX_, r.Top + keyInsetY_, r.Right - keyInsetX_, r.Bottom - keyInsetY_};
  Canvas->SetFont(look->Font());
  Canvas->Font()->SetColor(key->Special() ? look->SpecialTextColor() : look->TextColor());
  Canvas->Brush()->SetStyle(fw::bsClear);
  DrawKeyContent(key, content, Canvas);
}

void TCustomButtonPanel::DrawKeyContent(TButtonItem* Key, const fw::TRect& Content, fw::TCanvas* Canvas) {
  const bool picture = !Key->Image()->Empty();
  const bool listed = !picture && keyImages_ != nullptr && Key->ImageIndex() >= 0;
  const int imageW = picture ? Key->Image()->Width() : listed ? keyImages_->Width() : 0;
  const int imageH = picture ? Key->Image()->Height() : listed ? keyImages_->Height() : 0;
  const bool hasImage = picture || listed;
  auto drawImage = [&](int x, int y) {
    if (picture)
      Canvas->Draw(x, y, Key->Image()->Graphic());
    else if (listed)
      keyImages_->Draw(Canvas, x, y, Key->ImageIndex(), Key->Enabled());
  };
  auto drawCaption = [&](fw::TRect r, UINT flags) {
    if (Key->Caption().empty()) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::DrawTextA(Canvas->Handle(), Key->Caption().c_str(), -1, &rc, flags | DT_SINGLELINE | DT_NOPREFIX);
  };
  const int midY = Content.Top + (Content.Bottom - Content.Top - imageH) / 2;
  switch (keyLayout_) {
    case ilCaptionRight: {
      if (hasImage) drawImage(Content.Left, midY);
      const int left = hasImage ? Content.Left + imageW + captionGap_ : Content.Left;
      drawCaption(fw::TRect{left, Content.Top, Content.Right, Content.Bottom},
                  DT_VCENTER | (hasImage ? 0u : static_cast<UINT>(DT_CENTER)));
      break;
    }
    case ilCaptionLeft: {
      SIZE size{};
      dropdown::GetTextSize(Canvas, Key->Caption(), size);
      drawCaption(Content, DT_VCENTER | (hasImage ? 0u : static_cast<UINT>(DT_CENTER)));
      if (hasImage) drawImage(Content.Left + size.cx + captionGap_, midY);
      break;
    }
    case ilCaptionTop:
    case ilCaptionBottom: {
      SIZE size{};
      dropdown::GetTextSize(Canvas, Key->Caption(), size);
      const int gap = (hasImage && size.cy > 0) ? captionGap_ : 0;
      const int stack = imageH + gap + size.cy;
      const int top = Content.Top + (Content.Bottom - Content.Top - stack) / 2;
      const int imageX = Content.Left + (Content.Right - Content.Left - imageW) / 2;
      const bool captionFirst = keyLayout_ == ilCaptionTop;
      const int captionTop = captionFirst ? top : top + imageH + gap;
      const int imageTop = captionFirst ? top + size.cy + gap : top;
      if (hasImage) drawImage(imageX, imageTop);
      drawCaption(fw::TRect{Content.Left, captionTop, Content.Right, captionTop + size.cy}, DT_CENTER);
      break;
    }
  }
}

void TCustomButtonPanel::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseDown(Button, Shift, X, Y);
  const int key = KeyAt(X, Y);
  if (ValidIndex(key) && keys_->Items(key)->Enabled()) SetDownIndex(key);
}

void TCustomButtonPanel::MouseMove(fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseMove(Shift, X, Y);
  const int key = KeyAt(X, Y);
  if (key >= 0) {
    if (key != hotIndex_) SetHotIndex(keys_->Items(key)->Enabled() ? key : -1);
  } else if (hotIndex_ >= 0) {
    SetHotIndex(-1);
  }
}

void TCustomButtonPanel::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  fw::TCustomControl::MouseUp(Button, Shift, X, Y);
  int clicked = -1;
  if (downIndex_ >= 0) {
    if (KeyAt(X, Y) == downIndex_) clicked = downIndex_;
    SetDownIndex(-1);
  }
  if (clicked >= 0) KeyClick(clicked);
}

void TCustomButtonPanel::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      fw::TCustomControl::Dispatch(Message);
      ArrangeKeys();
      return;
    case fw::CM_MOUSELEAVE:
      fw::TCustomControl::Dispatch(Message);
      if (hotIndex_ >= 0) SetHotIndex(-1);
      return;
    default:
      fw::TCustomControl::Dispatch(Message);
  }
}

}  // namespace ui
