// The glow button's model: properties, lifecycle, groups and auto size.
#include "ui/controls/custom_glow_button.h"

#include <algorithm>

#include "framework/controls/messages.h"
#include "framework/forms/form.h"
#include "framework/menus/menu.h"

namespace ui {

namespace {

int fadeInterval = 30;

}  // namespace

int GlowFadeInterval() { return fadeInterval; }
void SetGlowFadeInterval(int Milliseconds) { fadeInterval = Milliseconds; }

TVxCustomGlowButton::TVxCustomGlowButton(fw::TComponent* AOwner)
    : fw::TCustomControl(AOwner),
      picture_(std::make_unique<TGDIPPicture>()),
      disabledPicture_(std::make_unique<TGDIPPicture>()),
      hotPicture_(std::make_unique<TGDIPPicture>()),
      notes_(std::make_unique<fw::TStringList>()),
      notesFont_(std::make_unique<fw::TFont>()),
      officeHint_(std::make_unique<TVxHintInfo>()),
      appearance_(std::make_unique<TGlowButtonAppearance>()),
      imageChangeLink_(std::make_unique<fw::TChangeLink>()),
      disabledImageChangeLink_(std::make_unique<fw::TChangeLink>()),
      hotImageChangeLink_(std::make_unique<fw::TChangeLink>()) {
  controlStyle_.Exclude(fw::csDoubleClicks);
  SetDoubleBuffered(true);
  SetTabStop(false);
  picture_->OnChange = [this](fw::TObject*) { RefreshSize(); };
  disabledPicture_->OnChange = [this](fw::TObject*) { RefreshSize(); };
  appearance_->OnChange = [this](fw::TObject*) { AppearanceChanged(); };
  notesFont_->SetName("Tahoma");
  notesFont_->SetSize(8);
  SetBounds(Left(), Top(), 100, 41);
  savedLayout_ = layout_;
  savedDropDownPosition_ = dropDownPosition_;
  imageChangeLink_->OnChange = [this](fw::TObject*) {
    if (HandleAllocated()) Invalidate();
  };
  disabledImageChangeLink_->OnChange = [this](fw::TObject*) { Invalidate(); };
  hotImageChangeLink_->OnChange = [this](fw::TObject*) { Invalidate(); };
}

TVxCustomGlowButton::~TVxCustomGlowButton() = default;

std::uint32_t TVxCustomGlowButton::GetVersionNr() const { return MakeVersionNr(2, 1, 0, 7); }

void TVxCustomGlowButton::AppearanceChanged() { Invalidate(); }

// ---- properties ----

void TVxCustomGlowButton::SetAntiAlias(TAntiAlias value) {
  if (antiAlias_ == value) return;
  antiAlias_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetAutoSize(bool value) {
  if (autoSize_ == value) return;
  autoSize_ = value;
  RefreshSize();
}

void TVxCustomGlowButton::SetBorderStyle(fw::TFormBorderStyle value) {
  borderStyle_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetImageIndex(int value) {
  imageIndex_ = value;
  RefreshSize();
}

void TVxCustomGlowButton::SetImageList(fw::TCustomImageList*& field, fw::TChangeLink* link,
                                       fw::TCustomImageList* value) {
  if (field != nullptr) field->UnRegisterChanges(link);
  field = value;
  if (value != nullptr) {
    value->RegisterChanges(link);
    value->FreeNotification(this);
  }
}

void TVxCustomGlowButton::SetImages(fw::TCustomImageList* value) {
  if (images_ == value) return;
  SetImageList(images_, imageChangeLink_.get(), value);
  RefreshSize();
  Invalidate();
}

void TVxCustomGlowButton::SetDisabledImages(fw::TCustomImageList* value) {
  if (disabledImages_ == value) return;
  SetImageList(disabledImages_, disabledImageChangeLink_.get(), value);
  Invalidate();
}

void TVxCustomGlowButton::SetHotImages(fw::TCustomImageList* value) {
  if (hotImages_ == value) return;
  SetImageList(hotImages_, hotImageChangeLink_.get(), value);
  Invalidate();
}

void TVxCustomGlowButton::SetPicture(TGDIPPicture* value) {
  picture_->Assign(value);
  Invalidate();
}

void TVxCustomGlowButton::SetDisabledPicture(TGDIPPicture* value) {
  disabledPicture_->Assign(value);
  Invalidate();
}

void TVxCustomGlowButton::SetHotPicture(TGDIPPicture* value) { hotPicture_->Assign(value); }

void TVxCustomGlowButton::SetImageListType(TImageListType value) {
  if (imageListType_ == value) return;
  imageListType_ = value;
  RefreshSize();
  Invalidate();
}

void TVxCustomGlowButton::SetMarginVert(int value) {
  if (marginVert_ == value) return;
  marginVert_ = value;
  RefreshSize();
}

void TVxCustomGlowButton::SetMarginHorz(int value) {
  if (marginHorz_ == value) return;
  marginHorz_ = value;
  RefreshSize();
}

void TVxCustomGlowButton::SetNotes(fw::TStrings* value) {
  notes_->Assign(value);
  Invalidate();
}

void TVxCustomGlowButton::SetNotesFont(fw::TFont* value) {
  notesFont_->Assign(value);
  Invalidate();
}

void TVxCustomGlowButton::SetPosition(TButtonPosition value) {
  position_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetRounded(bool value) {
  if (rounded_ == value) return;
  rounded_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetShowCaption(bool value) {
  showCaption_ = value;
  RefreshSize();
  Invalidate();
}

void TVxCustomGlowButton::SetShowDisabled(bool value) {
  showDisabled_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetSpacing(int value) {
  if (spacing_ == value) return;
  spacing_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetTrimming(StringTrimming value) {
  if (trimming_ == value) return;
  trimming_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetAllowAllUp(bool value) {
  if (allowAllUp_ == value) return;
  allowAllUp_ = value;
  UpdateExclusive();
}

void TVxCustomGlowButton::SetGroupIndex(int value) {
  if (groupIndex_ == value) return;
  groupIndex_ = value;
  UpdateExclusive();
}

void TVxCustomGlowButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetMaxButtonSizeState(TButtonSizeState value) {
  if (maxButtonSizeState_ == value) return;
  maxButtonSizeState_ = value;
  SetSizeState(value);
}

void TVxCustomGlowButton::SetMinButtonSizeState(TButtonSizeState value) {
  if (minButtonSizeState_ == value) return;
  minButtonSizeState_ = value;
  if (sizeState_ < value) SetSizeState(value);
}

void TVxCustomGlowButton::SetDropDownButton(bool value) {
  if (dropDownButton_ == value) return;
  dropDownButton_ = value;
  RefreshSize();
  Invalidate();
}

void TVxCustomGlowButton::SetDropDownPosition(TDropDownPosition value) {
  if (dropDownPosition_ == value) return;
  dropDownPosition_ = value;
  if (dropDownButton_) RefreshSize();
  Invalidate();
}

void TVxCustomGlowButton::SetDropDownDirection(TDropDownDirection value) {
  if (dropDownDirection_ == value) return;
  dropDownDirection_ = value;
  Invalidate();
}

void TVxCustomGlowButton::SetDropDownMenu(fw::TPopupMenu* value) {
  dropDownMenu_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

// ---- down and groups ----

void TVxCustomGlowButton::SetDown(bool value) {
  if (ComponentState().Contains(fw::csLoading) || !HandleAllocated()) downAtLoad_ = value;
  if (groupIndex_ == 0 && style_ == bsButton) value = false;
  if (style_ == bsCheck) {
    down_ = value;
    buttonState_ = value ? gbsPressed : gbsUp;
    Repaint();
    return;
  }
  if (value == down_ || (down_ && !allowAllUp_)) return;
  down_ = value;
  if (value) {
    if (buttonState_ == gbsUp) Invalidate();
    buttonState_ = gbsGroupDown;
  } else {
    buttonState_ = gbsUp;
    Repaint();
  }
  if (value && !checkedLinked_) UpdateExclusive();
}

void TVxCustomGlowButton::UpdateExclusive() {
  if (groupIndex_ == 0 || Parent() == nullptr) return;
  fw::TMessage message{fw::CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
  Parent()->Broadcast(message);
}

void TVxCustomGlowButton::ButtonPressed(fw::TMessage& Message) {
  if (static_cast<int>(Message.WParam) != groupIndex_) return;
  auto* sender = dynamic_cast<TVxCustomGlowButton*>(reinterpret_cast<fw::TObject*>(Message.LParam));
  if (sender == nullptr || sender == this || !sender->down_ || !down_) return;
  down_ = false;
  buttonState_ = gbsUp;
  Invalidate();
}

// ---- auto size ----

fw::TSize TVxCustomGlowButton::AutoSizeFor(fw::TSize Content) const {
  fw::TSize size{3 * spacing_ + Content.cx + 2 * marginHorz_ + 2, 2 * spacing_ + Content.cy + 2 * marginVert_};
  if (dropDownButton_) {
    if (dropDownPosition_ == dpRight) size.cx += 14;
    else size.cy += 14;
  }
  return size;
}

void TVxCustomGlowButton::RefreshSize() {
  if (!autoSize_) {
    Invalidate();
    return;
  }
  sizing_ = true;
  try {
    Repaint();
    if (Parent() != nullptr && !ComponentState().Contains(fw::csLoading) && HandleAllocated()) Paint();
  } catch (...) {
    sizing_ = false;
    throw;
  }
  sizing_ = false;
}

void TVxCustomGlowButton::SetSizeState(TButtonSizeState value) {
  if (sizeState_ == value) return;
  if (sizeState_ == bsLarge) {
    savedLayout_ = layout_;
    savedDropDownPosition_ = dropDownPosition_;
  }
  sizeState_ = value;
  if (autoSize_) {
    if (value == bsLarge) {
      SetLayout(savedLayout_);
      SetDropDownPosition(savedDropDownPosition_);
    } else {
      SetLayout(blGlyphLeft);
      SetDropDownPosition(dpRight);
    }
  }
  sizePending_ = true;
  if (HandleAllocated()) Paint();
}

// ---- lifecycle ----

void TVxCustomGlowButton::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TVxCustomGlowButton*>(Source);
  if (other == nullptr) return;
  SetAlign(other->Align());
  SetAction(other->Action());
  SetAnchors(other->Anchors());
  SetAntiAlias(other->antiAlias_);
  SetAutoSize(other->autoSize_);
  SetBorderStyle(other->borderStyle_);
  SetCancel(other->cancel_);
  SetCaption(other->Caption());
  SetConstraints(other->Constraints());
  SetDefault(other->default_);
  SetFont(other->Font());
  SetImageIndex(other->imageIndex_);
  SetImages(other->images_);
  SetDisabledImages(other->disabledImages_);
  SetHotImages(other->hotImages_);
  SetDisabledPicture(other->disabledPicture_.get());
  SetDragMode(other->DragMode());
  SetDragKind(other->DragKind());
  SetFocusType(other->focusType_);
  SetHotPicture(other->hotPicture_.get());
  SetMarginVert(other->marginVert_);
  SetMarginHorz(other->marginHorz_);
  SetModalResult(other->modalResult_);
  SetNotes(other->notes_.get());
  SetNotesFont(other->notesFont_.get());
  SetOfficeHint(other->officeHint_.get());
  SetParentFont(other->ParentFont());
  SetPicture(other->picture_.get());
  SetPopupMenu(other->PopupMenu());
  SetPosition(other->position_);
  SetInitRepeatPause(other->initRepeatPause_);
  SetRepeatPause(other->repeatPause_);
  SetRepeatClick(other->repeatClick_);
  SetRounded(other->rounded_);
  SetShortCutHint(other->shortCutHint_);
  SetShortCutHintPos(other->shortCutHintPos_);
  SetShowCaption(other->showCaption_);
  SetShowDisabled(other->showDisabled_);
  SetSpacing(other->spacing_);
  SetTransparent(other->transparent_);
  SetTrimming(other->trimming_);
  SetWordWrap(other->wordWrap_);
  SetShowHint(other->ShowHint());
  SetParentShowHint(other->ParentShowHint());
  SetTabOrder(other->TabOrder());
  SetTabStop(other->TabStop());
  SetVisible(other->Visible());
}

void TVxCustomGlowButton::Loaded() {
  fw::TCustomControl::Loaded();
  if (downAtLoad_ != down_) SetDown(downAtLoad_);
  if (autoSize_) RefreshSize();
}

void TVxCustomGlowButton::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TCustomControl::Notification(AComponent, Operation);
  if (Operation != fw::opRemove) return;
  if (AComponent == images_) images_ = nullptr;
  if (AComponent == disabledImages_) disabledImages_ = nullptr;
  if (AComponent == hotImages_) hotImages_ = nullptr;
  if (AComponent == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TVxCustomGlowButton::CreateWnd() {
  fw::TCustomControl::CreateWnd();
  activeDefault_ = default_;
  fadeMode_ = 2;
  pressedOutside_ = false;
  mouseInControl_ = false;
  mouseInside_ = false;
  mouseDown_ = false;
  hotColors_ = false;
  pressPending_ = false;
  if (!downAtLoad_) {
    buttonState_ = gbsUp;
    pressedGlow_ = false;
  }
  sizePending_ = true;
  hotFade_ = 0;
  if (MouseCapture()) SetMouseCapture(false);
  StopFadeTimer();
}

void TVxCustomGlowButton::DoEnter() {
  fw::TCustomControl::DoEnter();
  Invalidate();
  focused_ = true;
}

void TVxCustomGlowButton::DoExit() {
  fw::TCustomControl::DoExit();
  pressedGlow_ = false;
  buttonState_ = gbsUp;
  focused_ = false;
  Invalidate();
}

void TVxCustomGlowButton::Click() {
  if (auto* form = dynamic_cast<fw::TCustomForm*>(fw::GetTopParent(this)); form != nullptr) {
    form->SetModalResult(modalResult_);
  }
  fw::TCustomControl::Click();
}

void TVxCustomGlowButton::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case fw::CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) Click();
      return;
    case WM_KILLFOCUS:
      fw::TCustomControl::Dispatch(Message);
      focused_ = false;
      Invalidate();
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_SETTEXT:
      fw::TCustomControl::Dispatch(Message);
      if (autoSize_) RefreshSize();
      return;
    case WM_LBUTTONDOWN:
      leftDown_ = true;
      break;
    case WM_LBUTTONUP:
      LeftButtonReleased(Message);
      return;
    case fw::CM_BUTTONPRESSED:
      ButtonPressed(Message);
      return;
    case fw::CM_MOUSEENTER:
      fw::TCustomControl::Dispatch(Message);
      MouseEntered();
      return;
    case fw::CM_MOUSELEAVE:
      fw::TCustomControl::Dispatch(Message);
      MouseLeft();
      return;
    case fw::CM_DIALOGKEY:
      if (DialogKey(Message)) return;
      break;
    case fw::CM_DIALOGCHAR:
      if (DialogChar(Message)) return;
      break;
    case fw::CM_FOCUSCHANGED:
      FocusChanged(Message);
      break;
    default:
      break;
  }
  fw::TCustomControl::Dispatch(Message);
}

}  // namespace ui
