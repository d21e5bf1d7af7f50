#include "ui/controls/column_combo_box.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/controls/hint_window.h"
#include "framework/controls/messages.h"
#include "framework/forms/form.h"
#include "framework/graphics/image_list.h"
#include "framework/rtl/exceptions.h"
#include "ui/foundation/html_text_routines.h"

namespace ui {

namespace {

// The separator of the display record's fields (process-wide; set by every construction).
char recordSeparator = '|';

std::string UpperLocale(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// User-locale order without flags (case-sensitive); -1, 0 or 1.
int CompareKeys(const std::string& a, const std::string& b) {
  const int result = CompareStringA(LOCALE_USER_DEFAULT, 0, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                    static_cast<int>(b.size()));
  return result - 2;
}

}  // namespace

// ---- columns ----

TComboColumnItem::TComboColumnItem(fw::TCollection* Collection) : fw::TCollectionItem(Collection) {
  font_.OnChange = [this](fw::TObject*) { Repaint(); };
}

void TComboColumnItem::Repaint() {
  auto* columns = dynamic_cast<TComboColumnCollection*>(Collection());
  if (columns && columns->Combo()) columns->Combo()->Invalidate();
}

void TComboColumnItem::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TComboColumnItem*>(Source);
  if (!other) return;
  SetColor(other->color_);
  SetColumnType(other->columnType_);
  SetWidth(other->width_);
  SetAlignment(other->alignment_);
  SetFont(&other->font_);
}

void TComboColumnItem::SetWidth(int value) {
  width_ = value;
  Repaint();
}

void TComboColumnItem::SetAlignment(fw::TAlignment value) {
  alignment_ = value;
  Repaint();
}

void TComboColumnItem::SetFont(fw::TFont* value) { font_.Assign(value); }

void TComboColumnItem::SetColor(fw::TColor value) {
  color_ = value;
  Repaint();
}

void TComboColumnItem::SetColumnType(TColumnType value) {
  columnType_ = value;
  Repaint();
}

// ---- rows ----

TComboItem::TComboItem(fw::TCollection* Collection) : fw::TCollectionItem(Collection) {
  strings_.OnChange = [this](fw::TObject*) {
    if (TColumnComboBox* combo = Combo()) combo->RowStringsChanged();
  };
}

TColumnComboBox* TComboItem::Combo() const {
  auto* items = dynamic_cast<TComboItemCollection*>(Collection());
  return items ? items->Combo() : nullptr;
}

void TComboItem::Assign(fw::TPersistent* Source) {
  auto* other = dynamic_cast<TComboItem*>(Source);
  if (!other) return;
  imageIndex_ = other->imageIndex_;
  strings_.Assign(&other->strings_);
  if (TColumnComboBox* combo = Combo()) combo->BuildItems();
}

void TComboItem::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  // The display record carries the image index: it is rebuilt with the row.
  if (TColumnComboBox* combo = Combo()) combo->RowStringsChanged();
}

void TComboItem::SetStrings(fw::TStrings* value) { strings_.Assign(value); }

// ---- collections ----

TComboColumnCollection::TComboColumnCollection(TColumnComboBox* Combo)
    : fw::TCollection(fw::ItemClass<TComboColumnItem>(), Combo), combo_(Combo) {}

TComboItemCollection::TComboItemCollection(TColumnComboBox* Combo)
    : fw::TCollection(fw::ItemClass<TComboItem>(), Combo), combo_(Combo) {}

void TComboItemCollection::Update(fw::TCollectionItem* Item) {
  fw::TCollection::Update(Item);
  if (!Item && combo_) combo_->RowStringsChanged();
}

// ---- the combo ----

TColumnComboBox::TColumnComboBox(fw::TComponent* AOwner)
    : TVxCustomCombo(AOwner), columns_(this), comboItems_(this) {
  SetStyle(fw::csOwnerDrawFixed);
  recordSeparator = '|';
  labelFont_.OnChange = [this](fw::TObject*) { UpdateLabel(); };
  SetBounds(Left(), Top(), 145, 22);
}

TColumnComboBox::~TColumnComboBox() {
  if (label_) {
    label_->SetParent(nullptr);
    label_->Free();
    label_ = nullptr;
  }
}

int TColumnComboBox::GetItemIndex() { return TVxCustomCombo::ItemIndex(); }

void TColumnComboBox::SetItemIndex(int value) {
  if (ComponentState().Contains(fw::csLoading)) {
    indexStored_ = true;
    storedIndex_ = value;
  }
  const bool dropped = HandleAllocated() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
  if (dropped) rememberedSelection_ = value;
  settingIndex_ = true;
  editRow_ = rememberedSelection_;
  TVxCustomCombo::SetItemIndex(value);
  if (rememberedSelection_ != -1 && dropped) {
    syntheticKeys_ += 2;
    const WPARAM first = rememberedSelection_ > 0 ? VK_UP : VK_DOWN;
    const WPARAM second = rememberedSelection_ > 0 ? VK_DOWN : VK_UP;
    SendMessageA(Handle(), WM_KEYDOWN, first, 0);
    SendMessageA(Handle(), WM_KEYDOWN, second, 0);
  }
  settingIndex_ = false;
}

void TColumnComboBox::SetEditColumn(int value) {
  editColumn_ = value;
  Invalidate();
}

int TColumnComboBox::EditHeight() {
  if (!HandleAllocated()) return ItemHeight();
  return static_cast<int>(SendMessageA(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
}

void TColumnComboBox::SetEditHeight(int value) {
  SetItemHeight(value);
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), value);
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, value);
}

void TColumnComboBox::SetDropWidth(int value) {
  dropWidth_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value), 0);
}

void TColumnComboBox::SetImages(fw::TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  Invalidate();
}

void TColumnComboBox::SetGridLines(bool value) {
  gridLines_ = value;
  Invalidate();
}

void TColumnComboBox::SetSorted(bool value) {
  sorted_ = value;
  if (value && !ComponentState().Contains(fw::csLoading)) SortItems();
}

void TColumnComboBox::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  if (Operation == fw::opRemove) {
    if (AComponent == static_cast<fw::TComponent*>(images_)) images_ = nullptr;
    if (AComponent == label_) label_ = nullptr;
  }
  TVxCustomCombo::Notification(AComponent, Operation);
}

void TColumnComboBox::CreateWnd() {
  TVxCustomCombo::CreateWnd();
  SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropWidth_), 0);
  BuildItems();
}

std::string TColumnComboBox::DisplayRecord(int Index) {
  TComboItem* row = comboItems_.Items(Index);
  std::string record = "#" + std::to_string(row->ImageIndex());
  for (int c = 0; c < columns_.Count(); ++c) {
    record += recordSeparator;
    if (c < row->Strings()->Count()) record += row->Strings()->Strings(c);
  }
  return record;
}

void TColumnComboBox::BuildItems() {
  if (ComponentState().Contains(fw::csLoading) || updateCount_ > 0) return;
  fw::TStrings* list = Items();
  while (list->Count() > comboItems_.Count()) list->Delete(list->Count() - 1);
  for (int i = 0; i < comboItems_.Count(); ++i) {
    const std::string record = DisplayRecord(i);
    if (i < list->Count()) list->SetStrings(i, record);
    else list->Add(record);
  }
}

void TColumnComboBox::RowStringsChanged() {
  if (updateCount_ > 0 || ComponentState().Contains(fw::csLoading) || ComponentState().Contains(fw::csDestroying)) {
    return;
  }
  const int selected = GetItemIndex();
  BuildItems();
  SetItemIndex(selected);
}

void TColumnComboBox::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) BuildItems();
}

std::string TColumnComboBox::RowField(int Index, int Field) {
  if (Index < 0 || Index >= comboItems_.Count()) return {};
  TComboItem* row = comboItems_.Items(Index);
  if (Field == 0) return std::to_string(row->ImageIndex());
  // Field k is the k-th text column's string: the row's strings stand in text-column order.
  return Field - 1 < row->Strings()->Count() ? row->Strings()->Strings(Field - 1) : std::string();
}

std::string TColumnComboBox::GetColumnText(int Index, int Column) {
  if (Index >= comboItems_.Count()) throw fw::Exception("Item index out of range");
  int field = Column;
  for (int c = 0; c < Column && c < columns_.Count(); ++c) {
    if (columns_.Items(c)->ColumnType() == ctImage) --field;
  }
  return RowField(Index, field + 1);
}

std::string TColumnComboBox::ItemHint() {
  const int selected = GetItemIndex();
  if (selected < 0 || !showItemHint_) return Hint();
  std::string hint;
  for (int field = 1; field <= columns_.Count(); ++field) hint += " " + RowField(selected, field);
  return hint;
}

void TColumnComboBox::SortItems() {
  const int count = comboItems_.Count();
  BeginUpdate();
  if (count >= 2) {
    const auto key = [this](int i) { return RowField(i, sortColumn_); };
    const auto swap = [this](int i, int j) {
      TComboItem* a = comboItems_.Items(i);
      TComboItem* b = comboItems_.Items(j);
      fw::TStringList strings;
      strings.Assign(a->Strings());
      a->Strings()->Assign(b->Strings());
      b->Strings()->Assign(&strings);
      const int image = a->ImageIndex();
      a->SetImageIndex(b->ImageIndex());
      b->SetImageIndex(image);
      const int tag = a->Tag();
      a->SetTag(b->Tag());
      b->SetTag(tag);
    };
    std::function<void(int, int)> quickSort = [&](int lo, int hi) {
      int i = lo;
      int j = hi;
      const std::string pivot = key((lo + hi) / 2);
      do {
        while (CompareKeys(key(i), pivot) < 0 && i < hi) ++i;
        while (CompareKeys(pivot, key(j)) < 0 && j > lo) --j;
        if (i <= j) {
          if (i != j && CompareKeys(key(i), key(j)) != 0) swap(i, j);
          ++i;
          --j;
        }
      } while (i <= j);
      if (lo < j) quickSort(lo, j);
      if (i < hi) quickSort(i, hi);
    };
    quickSort(0, count - 1);
  }
  EndUpdate();
}

void TColumnComboBox::Loaded() {
  TVxCustomCombo::Loaded();
  BuildItems();
  // An index stored in the form description is applied now that the rows exist.
  SetItemIndex(indexStored_ ? storedIndex_ : rememberedSelection_);
  indexStored_ = false;
  if (sorted_) SortItems();
  if (label_ && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
  UpdateLabel();
  if (label_ && ParentFont()) label_->Font()->Assign(Font());
  labelFollowsFont_ = ParentFont();
  UpdateLabel();
}

void TColumnComboBox::MeasureItem(int Index, int& Height) {
  if (Index < 0) {
    Height = EditHeight();
    return;
  }
  fw::TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  Height = canvas->TextHeight("gh") + 4;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(Index), Height);
}

void TColumnComboBox::DrawItem(int Index, const fw::TRect& Rect, fw::TOwnerDrawState State) {
  fw::TCanvas* canvas = Canvas();
  const bool selected = State.Contains(fw::odSelected);
  const bool editPart = State.Contains(fw::odComboBoxEdit);
  if (Index < 0) {
    const fw::TColor back = selected ? fw::clHighlight : Color();
    canvas->Brush()->SetColor(back);
    canvas->Pen()->SetColor(back);
    if (selected) canvas->Font()->SetColor(fw::clHighlightText);
    canvas->Rectangle(Rect);
    return;
  }
  if (selected) canvas->Rectangle(Rect);
  const int image = IntOfText(RowField(Index, 0));
  int x = Rect.Left;
  int textField = 0;
  const int rows = comboItems_.Count();
  for (int c = 0; c < columns_.Count(); ++c) {
    TComboColumnItem* column = columns_.Items(c);
    std::string text;
    if (column->ColumnType() == ctText) text = RowField(Index, ++textField);
    fw::TForm* form = dynamic_cast<fw::TForm*>(Parent());
    if (editPart && ParentFont() && form) canvas->SetFont(form->Font());
    else canvas->SetFont(column->Font());
    if (selected) {
      canvas->Brush()->SetColor(fw::clHighlight);
      canvas->Pen()->SetColor(fw::clHighlight);
      canvas->Font()->SetColor(fw::clHighlightText);
    } else {
      canvas->Brush()->SetColor(column->Color());
      canvas->Pen()->SetColor(column->Color());
    }
    if (!Enabled()) canvas->Font()->SetColor(fw::clGrayText);
    fw::TRect cell = fw::Rect(x, Rect.Top, c == columns_.Count() - 1 ? Rect.Right : x + column->Width(), Rect.Bottom);
    const UINT align = column->Alignment() == fw::taRightJustify ? DT_RIGHT
                       : column->Alignment() == fw::taCenter    ? DT_CENTER
                                                                : DT_LEFT;
    const UINT flags = align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (editPart && editColumn_ != -1) {
      if (editRow_ >= rows) editRow_ = 0;
      const int row = ownDropDown_ ? editRow_ : GetItemIndex();
      text = row >= 0 && row < rows ? GetColumnText(row, editColumn_) : std::string();
      cell.Left += 2;
      cell.Top = Rect.Top + 1;
      canvas->Brush()->SetStyle(fw::bsClear);
      if (c == editColumn_) {
        if (DroppedDown() && showLookup_) text = lookup_;
        RECT r = cell.ToRECT();
        canvas->TextExtent("");
        SetTextColor(canvas->Handle(), fw::ColorToRGB(canvas->Font()->Color()));
        SetBkMode(canvas->Handle(), TRANSPARENT);
        DrawTextExA(canvas->Handle(), text.data(), static_cast<int>(text.size()), &r, flags, nullptr);
      }
      continue;
    }
    if (!selected) canvas->Rectangle(cell);
    cell.Left += 2;
    cell.Top = Rect.Top + 1;
    if (column->ColumnType() == ctImage && images_) {
      images_->Draw(canvas, cell.Left, cell.Top, image, true);
    } else {
      RECT r{cell.Left, cell.Top, cell.Right - 2, cell.Bottom};
      canvas->TextExtent("");
      SetTextColor(canvas->Handle(), fw::ColorToRGB(canvas->Font()->Color()));
      SetBkMode(canvas->Handle(), TRANSPARENT);
      DrawTextExA(canvas->Handle(), text.data(), static_cast<int>(text.size()), &r, flags, nullptr);
    }
    x = cell.Right;
  }
  if (gridLines_) {
    canvas->Pen()->SetColor(fw::clGray);
    if (!editPart) {
      canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
      canvas->LineTo(Rect.Right, Rect.Bottom - 1);
    }
    if (!(editPart && editColumn_ != -1)) {
      int boundary = Rect.Left;
      for (int c = 0; c + 1 < columns_.Count(); ++c) {
        boundary += columns_.Items(c)->Width();
        canvas->MoveTo(boundary, Rect.Top + 1);
        canvas->LineTo(boundary, Rect.Bottom);
      }
    }
  }
  canvas->Brush()->SetColor(Color());
  canvas->Pen()->SetColor(Color());
}

void TColumnComboBox::Lookup(char Character) {
  if (Character == '\r') return;
  const int rows = comboItems_.Count();
  const auto textOf = [&](int row) { return RowField(row, lookupColumn_ + 1); };
  lookup_ = lookupIncr_ ? lookup_ + Character : std::string(1, Character);
  const int current = GetItemIndex();
  const auto fire = [&] {
    if (OnChange) OnChange(this);
  };
  if (lookupIncr_ && current >= 0) {
    const std::string wanted = UpperLocale(lookup_);
    for (int row = current; row < rows; ++row) {
      const std::string text = textOf(row);
      if (!text.empty() && UpperLocale(text).starts_with(wanted)) {
        SetItemIndex(row);
        fire();
        return;
      }
    }
  }
  const std::string wanted = UpperAscii(lookup_);
  int first = -1;
  for (int row = 0; row < rows; ++row) {
    const std::string text = textOf(row);
    if (text.empty() || !UpperAscii(text).starts_with(wanted)) continue;
    if (first < 0) first = row;
    if (row > current || current < 0) {
      SetItemIndex(row);
      fire();
      return;
    }
  }
  if (!lookupIncr_) {
    if (first >= 0) {
      SetItemIndex(first);
      fire();
    }
    return;
  }
  lookup_ = std::string(1, Character);
  const std::string restart = UpperLocale(lookup_);
  for (int row = 0; row < rows; ++row) {
    const std::string text = textOf(row);
    if (!text.empty() && UpperLocale(text).starts_with(restart)) {
      SetItemIndex(row);
      fire();
      return;
    }
  }
}

void TColumnComboBox::KeyDown(WORD& Key, fw::TShiftState Shift) {
  TVxCustomCombo::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE || (Key >= VK_PRIOR && Key <= VK_DOWN)) {
    if (syntheticKeys_ > 0) {
      if (Key == VK_UP || Key == VK_DOWN) --syntheticKeys_;
    } else {
      lookup_.clear();
    }
  } else if (Key == VK_BACK && !lookup_.empty()) {
    lookup_.pop_back();
    if (showLookup_) Invalidate();
  }
}

void TColumnComboBox::Dispatch(fw::TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR:
      TVxCustomCombo::Dispatch(Message);
      Lookup(static_cast<char>(Message.WParam & 0xFF));
      return;
    case fw::CN_COMMAND: {
      const WORD code = HIWORD(Message.WParam);
      if (code == CBN_SELCHANGE) {
        if (settingIndex_) {
          TVxCustomCombo::Dispatch(Message);
        } else {
          ownDropDown_ = false;
          rememberedSelection_ = GetItemIndex();
          Click();
          if (OnChange) OnChange(this);
          Invalidate();
          if (OnSelect) OnSelect(this);
        }
        Message.Result = 0;
        return;
      }
      if (code == CBN_DROPDOWN && EditHeight() != 16) {
        if (OnDropDown) OnDropDown(this);
        MoveWindow(Handle(), Left(), Top(), Width(), EditHeight() + dropHeight_, TRUE);
        rememberedSelection_ = GetItemIndex();
        ownDropDown_ = true;
        Message.Result = 0;
        return;
      }
      break;
    }
    case WM_LBUTTONUP:
      TVxCustomCombo::Dispatch(Message);
      if (ownDropDown_) {
        SetItemIndex(rememberedSelection_);
        if (!DroppedDown()) ownDropDown_ = false;
      }
      return;
    case fw::CM_HINTSHOW: {
      auto* info = reinterpret_cast<fw::THintInfo*>(Message.LParam);
      if (info) info->HintStr = ItemHint();
      break;
    }
    case fw::CM_ENABLEDCHANGED:
      TVxCustomCombo::Dispatch(Message);
      if (label_ && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
      return;
    case fw::CM_VISIBLECHANGED:
    case fw::CM_SHOWINGCHANGED:
      TVxCustomCombo::Dispatch(Message);
      if (label_) label_->SetVisible(Visible());
      return;
    case fw::CM_PARENTFONTCHANGED:
      TVxCustomCombo::Dispatch(Message);
      if (label_ && ParentFont()) {
        label_->Font()->Assign(Font());
        UpdateLabel();
      }
      return;
    case fw::CM_FONTCHANGED:
      TVxCustomCombo::Dispatch(Message);
      if (label_ && ParentFont() && ComponentState().Contains(fw::csLoading)) label_->Font()->Assign(Font());
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!ComponentState().Contains(fw::csLoading) && focusLabel_ && label_) {
        fw::TFontStyles styles = label_->Font()->Style();
        if (Message.Msg == WM_SETFOCUS) styles.Include(fw::fsBold);
        else styles.Exclude(fw::fsBold);
        label_->Font()->SetStyle(styles);
      }
      break;
    default:
      break;
  }
  TVxCustomCombo::Dispatch(Message);
}

// ---- label ----

void TColumnComboBox::SetLabelCaption(const std::string& value) {
  if (!label_) {
    label_ = fw::Create<fw::TLabel>(this);
    label_->SetParent(Parent());
    label_->SetFocusControl(this);
    label_->Font()->Assign(&labelFont_);
    label_->SetParentFont(ParentFont());
    label_->OnClick = [this](fw::TObject*) {
      if (OnLabelClick) OnLabelClick(this);
    };
    label_->OnDblClick = [this](fw::TObject*) {
      if (OnLabelDblClick) OnLabelDblClick(this);
    };
  }
  label_->SetCaption(value);
  UpdateLabel();
}

void TColumnComboBox::SetLabelPosition(TLabelPosition value) {
  labelPosition_ = value;
  UpdateLabel();
}

void TColumnComboBox::SetLabelMargin(int value) {
  labelMargin_ = value;
  UpdateLabel();
}

void TColumnComboBox::SetLabelTransparent(bool value) {
  labelTransparent_ = value;
  UpdateLabel();
}

void TColumnComboBox::SetLabelAlwaysEnabled(bool value) {
  labelAlwaysEnabled_ = value;
  if (label_ && value) label_->SetEnabled(true);
  Invalidate();
}

void TColumnComboBox::SetLabelFont(fw::TFont* value) {
  if (!ParentFont()) labelFont_.Assign(value);
  UpdateLabel();
}

void TColumnComboBox::SetParent(fw::TWinControl* value) {
  TVxCustomCombo::SetParent(value);
  if (label_) {
    label_->SetParent(value);
    UpdateLabel();
  }
}

void TColumnComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TVxCustomCombo::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (label_ && label_->Parent()) UpdateLabel();
}

void TColumnComboBox::UpdateLabel() {
  if (!label_) return;
  label_->SetTransparent(labelTransparent_);
  label_->Font()->Assign(labelFollowsFont_ ? Font() : &labelFont_);
  fw::TCanvas measure;
  fw::WindowDC screen(nullptr);
  measure.SetHandle(screen.Get());
  measure.SetFont(label_->Font());
  const int tw = measure.TextWidth(label_->Caption());
  measure.SetHandle(nullptr);
  const int lw = label_->Width();
  const int lh = label_->Height();
  const fw::TPoint place = AttachedLabelPlace(labelPosition_, BoundsRect(), tw, lw, lh, labelMargin_);
  label_->SetBounds(place.X, place.Y, lw, lh);
  label_->SetVisible(Visible());
}

}  // namespace ui
