// The drop-down edit: construction, properties, streaming, the label and the geometry of the edit area.
// Keys, mouse, focus and borders are in dropdown_edit_input.cpp.
#include "ui/dropdown/dropdown_edit.h"

#include <windows.h>

#include <algorithm>

#include "framework/classes/component.h"
#include "framework/classes/writer.h"
#include "framework/graphics/gdi_handles.h"
#include "ui/foundation/version_info.h"

namespace ui {

TVxCustomDropDown::TVxCustomDropDown(fw::TComponent* AOwner) : fw::TCustomMaskEdit(AOwner) {
  SetBounds(Left(), Top(), 200, 21);
  buttonWidth_ = 17;
}

void TVxCustomDropDown::AfterConstruction() {
  fw::TCustomMaskEdit::AfterConstruction();
  if (!Designing()) CreateDropDownForm();
  CreateDropDownButton();
  controlStyle_.Exclude(fw::csSetCaption);
  SetReadOnly(false);
  dropPosition_ = dpAuto;
  SetText("");
  oldText_.clear();
  userWidth_ = -1;
  userHeight_ = -1;
  dropDownEnabled_ = false;
  dropDownHeader_ = std::make_unique<THeaderAppearance>(this);
  dropDownHeader_->OnChange = [this](fw::TObject* Sender) { BarsChanged(Sender); };
  dropDownHeader_->OnButtonsChange = dropDownHeader_->OnChange;
  dropDownFooter_ = std::make_unique<TFooterAppearance>(this);
  dropDownFooter_->OnChange = [this](fw::TObject* Sender) { BarsChanged(Sender); };
  dropDownFooter_->OnButtonsChange = dropDownFooter_->OnChange;
  buttonAppearance_ = std::make_unique<TVxButtonAppearance>();
  themed_ = DropDownThemedControls();
  SetSelectionColorStyle(1);
  focusDraw_ = true;
  ApplyStyle(4);
  labelFont_ = std::make_unique<fw::TFont>();
  labelFont_->OnChange = [this](fw::TObject*) { LabelFontChanged(); };
}

TVxCustomDropDown::~TVxCustomDropDown() {
  labelFont_.reset();
  fw::FreeAndNil(button_);
  if (!Designing()) DestroyDropDownForm();
  dropDownHeader_.reset();
  dropDownFooter_.reset();
  buttonAppearance_.reset();
}

// ---- streaming, copying, references ----

void TVxCustomDropDown::DefineProperties(fw::TFiler* Filer) {
  fw::TCustomMaskEdit::DefineProperties(Filer);
  Filer->DefineProperty(
      "SelectionColorStyle",
      [this](fw::TReader* Reader) { selectionColorStyle_ = static_cast<int>(Reader->ReadInteger()); },
      [this](fw::TWriter* Writer) { Writer->WriteInteger(selectionColorStyle_); }, true);
  Filer->DefineProperty(
      "NRVStyle", [this](fw::TReader* Reader) { style_ = static_cast<int>(Reader->ReadInteger()); },
      [this](fw::TWriter* Writer) { Writer->WriteInteger(style_); }, true);
}

void TVxCustomDropDown::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TVxCustomDropDown*>(Source);
  if (source == nullptr) return;
  focusDraw_ = source->focusDraw_;
  forcedShadow_ = source->forcedShadow_;
  dropDownEnabled_ = source->dropDownEnabled_;
  dropDownColor_ = source->dropDownColor_;
  dropDownColorTo_ = source->dropDownColorTo_;
  gradientDirection_ = source->gradientDirection_;
  dropDownBorderColor_ = source->dropDownBorderColor_;
  dropDownBorderWidth_ = source->dropDownBorderWidth_;
  dropDownShadow_ = source->dropDownShadow_;
  dropDownWidth_ = source->dropDownWidth_;
  dropDownHeight_ = source->dropDownHeight_;
  dropDownSizeable_ = source->dropDownSizeable_;
  editType_ = source->editType_;
  precision_ = source->precision_;
  buttonAppearance_->Assign(source->buttonAppearance_.get());
  dropDownHeader_->Assign(source->dropDownHeader_.get());
  dropDownFooter_->Assign(source->dropDownFooter_.get());
  dropPosition_ = source->dropPosition_;
  SetDropDownButtonWidth(source->buttonWidth_);
  SetDropDownButtonHint(source->dropDownButtonHint_);
  editorEnabled_ = source->editorEnabled_;
  if (button_ != nullptr && source->button_ != nullptr) {
    button_->SetGlyph(source->button_->Glyph());
    button_->SetButtonCaption(source->button_->ButtonCaption());
  }
  SetImages(source->images_);
  selectionColorStyle_ = source->selectionColorStyle_;
  selectionColor_ = source->selectionColor_;
  selectionColorTo_ = source->selectionColorTo_;
}

void TVxCustomDropDown::Loaded() {
  fw::TCustomMaskEdit::Loaded();
  parentFontCopy_ = ParentFont();
  SetEditRect();
  UpdateButtonBounds();
  if (button_ != nullptr) button_->SetEnabled(Enabled());
  if (!labelAlwaysEnabled_ && label_ != nullptr) label_->SetEnabled(Enabled());
  if (label_ != nullptr) {
    UpdateLabel();
    if (ParentFont()) label_->Font()->Assign(Font());
  }
}

void TVxCustomDropDown::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation != fw::opRemove) return;
  // The label and the button are this control's own parts: a pointer to them never outlives them.
  if (AComponent == label_) label_ = nullptr;
  if (AComponent == button_) button_ = nullptr;
  if (ComponentState().Contains(fw::csDestroying)) return;
  if (AComponent == images_) {
    images_ = nullptr;
    Invalidate();
  }
  if (AComponent == dropDownControl_) SetControl(nullptr);
  if (AComponent == focusControl_) focusControl_ = nullptr;
}

void TVxCustomDropDown::SetImages(fw::TCustomImageList* Value) {
  if (images_ == Value) return;
  images_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TVxCustomDropDown::SetFocusControl(fw::TWinControl* Value) {
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TVxCustomDropDown::SetControl(fw::TWinControl* Control) {
  if (Control == dropDownControl_) return;
  dropDownControl_ = Control;
  if (Control != nullptr) Control->FreeNotification(this);
  if (!Designing()) PlaceDropDownControl();
}

// ---- small operations ----

void TVxCustomDropDown::DoLabelClick() {
  if (OnLabelClick) OnLabelClick(this);
}

void TVxCustomDropDown::DoLabelDblClick() {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

std::uint32_t TVxCustomDropDown::GetVersionNumber() const { return MakeVersionNr(1, 2, 1, 1); }

void TVxCustomDropDown::BeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

int TVxCustomDropDown::CharFromPos(fw::TPoint P) {
  const LRESULT answer = SendMessageA(Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(P.X, P.Y));
  return LOWORD(answer);
}

// ---- properties ----

void TVxCustomDropDown::SetBorderColor(fw::TColor Value) {
  borderColor_ = Value;
  Invalidate();
  if (button_ != nullptr) button_->Button()->Invalidate();
}

void TVxCustomDropDown::SetFocusBorderColor(fw::TColor Value) {
  focusBorderColor_ = Value;
  Invalidate();
}

void TVxCustomDropDown::SetDisabledBorder(bool Value) {
  disabledBorder_ = Value;
  Invalidate();
}

void TVxCustomDropDown::SetDropDownWidth(int Value) {
  if (Value == dropDownWidth_) return;
  dropDownWidth_ = Value;
  userWidth_ = -1;
}

void TVxCustomDropDown::SetDropDownHeight(int Value) {
  if (Value == dropDownHeight_) return;
  dropDownHeight_ = Value;
  userHeight_ = -1;
}

void TVxCustomDropDown::SetDropDownButtonWidth(int Value) {
  if (button_ == nullptr || Value == buttonWidth_) return;
  buttonWidth_ = Value;
  button_->SetButtonWidth(Value);
  if (button_->HandleAllocated()) UpdateButtonBounds();
}

void TVxCustomDropDown::SetDropDownButtonHint(const std::string& Value) {
  dropDownButtonHint_ = Value;
  if (button_ == nullptr) return;
  button_->SetHint(Value);
  button_->SetShowHint(!Value.empty());
}

fw::TBitmap* TVxCustomDropDown::DropDownButtonGlyph() { return button_ != nullptr ? button_->Glyph() : nullptr; }

void TVxCustomDropDown::SetDropDownButtonGlyph(fw::TBitmap* Value) {
  if (button_ != nullptr) button_->SetGlyph(Value);
}

std::string TVxCustomDropDown::GetDropDownButtonCaption() {
  return button_ != nullptr ? button_->ButtonCaption() : std::string();
}

void TVxCustomDropDown::SetDropDownButtonCaption(const std::string& Value) {
  if (button_ != nullptr) button_->SetButtonCaption(Value);
}

void TVxCustomDropDown::SetEditorEnabled(bool Value) {
  editorEnabled_ = Value;
  if (Value) {
    controlStyle_.Include(fw::csDoubleClicks);
  } else {
    controlStyle_.Exclude(fw::csDoubleClicks);
  }
}

// ---- the button ----

void TVxCustomDropDown::CreateDropDownButton() {
  if (button_ == nullptr) {
    button_ = fw::Create<TDropDownEditButton>(this);
    button_->SetParent(this);
    button_->OnClick = [this](fw::TObject* Sender) { ButtonClicked(Sender); };
    if (Designing()) button_->SetColor(fw::clBtnFace);
  }
  UpdateDropDownButton();
}

void TVxCustomDropDown::UpdateDropDownButton() {
  if (button_ == nullptr) return;
  button_->SetButtonWidth(buttonWidth_);
  button_->SetBounds(button_->Left(), button_->Top(), buttonWidth_, 17);
  button_->SetVisible(true);
  button_->SetFocusControl(this);
}

void TVxCustomDropDown::ButtonClicked(fw::TObject*) { TryShowDropDown(); }

// ---- the label ----

std::string TVxCustomDropDown::LabelCaption() const {
  return label_ != nullptr ? label_->Caption() : std::string();
}

void TVxCustomDropDown::CreateLabel() {
  label_ = fw::Create<fw::TLabel>(this);
  label_->SetParent(Parent());
  label_->SetFocusControl(this);
  label_->Font()->Assign(labelFont_.get());
  label_->OnClick = [this](fw::TObject*) { DoLabelClick(); };
  label_->OnDblClick = [this](fw::TObject*) { DoLabelDblClick(); };
  label_->SetParentFont(ParentFont());
}

void TVxCustomDropDown::SetLabelCaption(const std::string& Value) {
  if (label_ == nullptr) CreateLabel();
  label_->SetCaption(Value);
  UpdateLabel();
}

void TVxCustomDropDown::SetLabelPosition(TLabelPosition Value) {
  labelPosition_ = Value;
  UpdateLabel();
}

void TVxCustomDropDown::SetLabelMargin(int Value) {
  labelMargin_ = Value;
  UpdateLabel();
}

void TVxCustomDropDown::SetLabelTransparent(bool Value) {
  labelTransparent_ = Value;
  UpdateLabel();
}

void TVxCustomDropDown::SetLabelFont(fw::TFont* Value) {
  if (ParentFont()) return;
  labelFont_->Assign(Value);
}

void TVxCustomDropDown::LabelFontChanged() {
  if (label_ == nullptr) return;
  UpdateLabel();
  if (Designing() && !Loading()) SetParentFont(false);
}

void TVxCustomDropDown::UpdateLabel() {
  if (label_ == nullptr) return;
  label_->SetTransparent(labelTransparent_);
  label_->Font()->Assign(parentFontCopy_ ? Font() : labelFont_.get());
  int textWidth = 0;
  {
    const fw::WindowDC screen(nullptr);
    const fw::SelectedObject font(screen.Get(), label_->Font()->Handle());
    RECT r{0, 0, 1000, 255};
    const std::string caption = label_->Caption();
    DrawTextA(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &r, DT_CALCRECT | DT_HIDEPREFIX);
    textWidth = r.right - r.left;
  }
  const fw::TPoint place =
      AttachedLabelPlace(labelPosition_, BoundsRect(), textWidth, label_->Width(), label_->Height(), labelMargin_);
  label_->SetBounds(place.X, place.Y, label_->Width(), label_->Height());
  label_->SetVisible(Visible());
}

// ---- geometry ----

void TVxCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  fw::TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (label_ != nullptr && label_->Parent() != nullptr) UpdateLabel();
}

void TVxCustomDropDown::CreateParams(fw::TCreateParams& Params) {
  fw::TCustomMaskEdit::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN | ES_MULTILINE;
}

void TVxCustomDropDown::CreateWnd() {
  fw::TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

int TVxCustomDropDown::GetMinHeight() {
  const fw::WindowDC screen(nullptr);
  TEXTMETRICA system{};
  GetTextMetricsA(screen.Get(), &system);
  TEXTMETRICA font{};
  {
    const fw::SelectedObject selected(screen.Get(), Font()->Handle());
    GetTextMetricsA(screen.Get(), &font);
  }
  const int s = system.tmHeight;
  const int f = font.tmHeight;
  return f + std::min(s, f) / 4;
}

void TVxCustomDropDown::UpdateButtonBounds() {
  const int minHeight = GetMinHeight();
  if (Height() < minHeight) {
    SetHeight(minHeight);
  } else if (button_ != nullptr) {
    if (Ctl3D() && BorderStyle() == fw::bsSingle) {
      button_->SetBounds(Width() - buttonWidth_ - 4, 0, buttonWidth_, Height() - 4);
    } else {
      const int c = Ctl3D() ? 0 : 2;
      button_->SetBounds(Width() - buttonWidth_ - c, 1, buttonWidth_, Height() - 2);
    }
    SetEditRect();
  }
  Invalidate();
}

void TVxCustomDropDown::SetEditRect() {
  if (!HandleAllocated()) return;
  const int buttonWidth = button_ != nullptr ? button_->Width() : 0;
  const fw::TRect client = ClientRect();
  fw::TRect r = BorderStyle() == fw::bsSingle ? fw::TRect{1, 1, 0, 0} : fw::TRect{2, 3, 0, 0};
  r.Right = client.Width() - buttonWidth - 3;
  r.Bottom = client.Height() + 1;
  editRect_ = r;
  RECT sent = r.ToRECT();
  if (!Ctl3D()) ++sent.left;
  SendMessageA(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&sent));
}

}  // namespace ui
