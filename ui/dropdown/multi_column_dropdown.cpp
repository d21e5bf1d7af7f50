// The multi-column drop-down: construction, copying, the value and its lookup list, the edit's keys with
// auto-completion and Enter's exact match, and the style table. The list in the pop-up is in
// multi_column_list.cpp, typing in the open list in multi_column_typing.cpp.
#include "ui/dropdown/multi_column_dropdown.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <optional>

#include "framework/services/keystate.h"
#include "ui/dropdown/dropdown_form.h"

namespace ui {

namespace {

// At most this many characters of an entry complete a typed prefix.
constexpr size_t kMaxCompletion = 255;

std::string Upper(std::string Text) {
  if (!Text.empty()) CharUpperBuffA(Text.data(), static_cast<DWORD>(Text.size()));
  return Text;
}

// One row of the style table: the header colours and font colour, the selection preset the style calls
// (none for style 8), the final line colours, the selected text's colour and, for styles without a preset
// of their own, the colour both selection colours take.
struct TListStyle {
  int Style;
  fw::TColor HeaderColor;
  fw::TColor HeaderColorTo;
  std::optional<fw::TColor> HeaderFontColor;
  int SelectionStyle;
  fw::TColor LineColor;
  fw::TColor FixedLineColor;
  fw::TColor SelectionTextColor;
  std::optional<fw::TColor> Selection;
};

constexpr fw::TColor kSelectionOrange = 0x6CD0FF;

const std::array<TListStyle, 15> kListStyles{{
    {0, 0xD68759, 0x933803, 0xFFFFFF, 1, 0x962D00, 0x962D00, 0, {}},
    {1, 0xBDA4A5, 0x957475, {}, 1, 0x947C7C, 0x947C7C, 0, {}},
    {2, 0x82C0AF, 0x447A63, {}, 1, 0x588060, 0x588060, 0, {}},
    {3, 0x808080, 0x808080, {}, 1, 0x808080, 0x808080, 0, {}},
    {4, 0xFFEFE3, 0xFFD2AF, 0x723708, 1, 0xFFD2AF, 0xFFD2AF, 0, {}},
    {5, 0xF2F1F0, 0xC9C2BD, 0x433C37, 1, 0x5C534C, 0x5C534C, 0, {}},
    {6, fw::clBtnFace, fw::clBtnFace, 0, 0, 0xC0C0C0, 0, fw::clHighlightText, fw::clHighlight},
    {7, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 1, 0x962D00, 0x962D00, 0, {}},
    {9, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 1, 0x74706F, 0x74706F, 0, {}},
    {10, 0xFFFDF9, 0xFFFAF0, 0, 2, 0xFCF2DA, 0xFCF2DA, 0, {}},
    {11, 0xFDFBFA, 0xFDF3EB, 0, 3, 0xFBD6B8, 0xFBD6B8, 0, {}},
    {12, fw::clBtnFace, fw::clBtnFace, 0, 0, 0x808080, 0x808080, fw::clHighlightText, fw::clHighlight},
    {13, 0xEDDBCD, fw::clNone, 0x5B391E, 0, 0xEEDDCF, 0xEEDDCF, 0, kSelectionOrange},
    {14, 0xEDE9E5, fw::clNone, 0x5B391E, 0, 0xEEDDCF, 0xEEDDCF, 0, kSelectionOrange},
    {15, 0x828282, fw::clNone, 0xD7D7D6, 0, 0xEEDDCF, 0xEEDDCF, 0, kSelectionOrange},
}};

}  // namespace

// ---- construction ----

TVxMultiColumnDropDown::TVxMultiColumnDropDown(fw::TComponent* AOwner)
    : TVxCustomDropDown(AOwner),
      items_(std::make_unique<TDropDownItems>(this)),
      columns_(std::make_unique<TDropDownColumns>(this)),
      headerFont_(std::make_unique<fw::TFont>()) {}

TVxMultiColumnDropDown::~TVxMultiColumnDropDown() {
  // The grid draws from the items and columns: it goes before them.
  fw::FreeAndNil(grid_);
}

void TVxMultiColumnDropDown::AfterConstruction() {
  TVxCustomDropDown::AfterConstruction();
  columnSizing_ = false;
  lookupColumn_ = 0;
  headerColorTo_ = 0x808080;
  headerColor_ = fw::clWhite;
  headerHeight_ = 25;
  lineColor_ = 0xC0C0C0;
  SetDropDownColor(fw::clWhite);
  SetDropDownHeight(200);
  itemIndex_ = -1;
  oldItemIndex_ = -1;
  autoComplete_ = true;
  SetAutoSelect(true);
  completionPending_ = false;
  dropDownAutoWidth_ = true;
  SetSelectionColorStyle(1);
  selectionTextColor_ = 0;
  columnSizeWithDropDown_ = true;
  dropDownRowHeight_ = 22;
}

void TVxMultiColumnDropDown::Assign(fw::TPersistent* Source) {
  TVxCustomDropDown::Assign(Source);
  auto* source = dynamic_cast<TVxMultiColumnDropDown*>(Source);
  if (source == nullptr) return;
  caseSensitive_ = source->caseSensitive_;
  dropDownAutoWidth_ = source->dropDownAutoWidth_;
  dropDownRowHeight_ = source->dropDownRowHeight_;
  lineColor_ = source->lineColor_;
  fixedLineColor_ = source->fixedLineColor_;
  columnSizing_ = source->columnSizing_;
  columnSizeWithDropDown_ = source->columnSizeWithDropDown_;
  columns_->Assign(source->columns_.get());
  headerColor_ = source->headerColor_;
  headerColorTo_ = source->headerColorTo_;
  headerHeight_ = source->headerHeight_;
  headerFont_->Assign(source->headerFont_.get());
  lookupColumn_ = source->lookupColumn_;
  selectionTextColor_ = source->selectionTextColor_;
  items_->Assign(source->items_.get());
  itemIndex_ = source->itemIndex_;
}

void TVxMultiColumnDropDown::Loaded() {
  TVxCustomDropDown::Loaded();
  RebuildLookup();
}

void TVxMultiColumnDropDown::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  TVxCustomDropDown::Notification(AComponent, Operation);
  // The pop-up window frees its children: the list grid goes with it.
  if (Operation == fw::opRemove && AComponent == grid_) grid_ = nullptr;
}

// ---- the value ----

std::string TVxMultiColumnDropDown::LookupText(int Index) const {
  if (Index < 0 || Index >= items_->Count() || lookupColumn_ < 0) return {};
  return items_->Items(Index)->Line(lookupColumn_);
}

void TVxMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value >= items_->Count()) return;
  itemIndex_ = Value;
  SetText(LookupText(Value));
}

int TVxMultiColumnDropDown::IndexOfLookup(const std::string& S) const {
  if (lookupColumn_ < 0) return -1;
  for (int i = 0; i < items_->Count(); ++i) {
    const TDropDownItem* item = items_->Items(i);
    if (item->HasLine(lookupColumn_) && item->Line(lookupColumn_) == S) return i;
  }
  return -1;
}

void TVxMultiColumnDropDown::RebuildLookup() {
  if (!HasLookup()) return;
  lookup_.BeginUpdate();
  lookup_.Clear();
  for (int i = 0; i < items_->Count(); ++i) lookup_.Add(LookupText(i));
  lookup_.EndUpdate();
}

int TVxMultiColumnDropDown::FindPrefix(const std::string& Prefix, bool KeepCase) const {
  if (lookupColumn_ < 0) return -1;
  const std::string key = KeepCase ? Prefix : Upper(Prefix);
  for (int i = 0; i < items_->Count(); ++i) {
    const TDropDownItem* item = items_->Items(i);
    if (!item->HasLine(lookupColumn_)) continue;
    const std::string line = item->Line(lookupColumn_);
    if ((KeepCase ? line : Upper(line)).starts_with(key)) return i;
  }
  return -1;
}

void TVxMultiColumnDropDown::SelectBackTo(int Caret) {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(Text().size()), static_cast<LPARAM>(Caret));
}

void TVxMultiColumnDropDown::WriteOwnText(const std::string& Value) {
  const bool writing = writingOwnText_;
  writingOwnText_ = true;
  try {
    SetText(Value);
  } catch (...) {
    writingOwnText_ = writing;
    throw;
  }
  writingOwnText_ = writing;
}

// ---- the edit's keys ----

void TVxMultiColumnDropDown::Change() {
  completionPending_ = false;
  TVxCustomDropDown::Change();
  if (writingOwnText_ || Designing() || !autoComplete_) return;
  const std::string text = Text();
  // The text at the start of editing tells whether this change modified the value.
  SetModifiedFlag(text != OldText());
  const int caret = std::clamp(HandleAllocated() ? SelStart() : 0, 0, static_cast<int>(text.size()));
  const std::string typed = text.substr(0, static_cast<size_t>(caret));
  if (lookup_.Count() > 0 && !typed.empty()) {
    const std::string key = Upper(typed);
    for (int i = 0; i < lookup_.Count(); ++i) {
      const std::string entry = lookup_.Strings(i);
      if (!Upper(entry).starts_with(key)) continue;
      itemIndex_ = i;
      completionItem_ = i;
      typedLength_ = caret;
      completionPending_ = true;
      WriteOwnText(typed + entry.substr(typed.size(), kMaxCompletion));
      SelectBackTo(caret);
      return;
    }
  }
  if (typed.empty()) return;
  WriteOwnText(typed);
  SelectBackTo(caret);
}

void TVxMultiColumnDropDown::KeyDown(WORD& Key, fw::TShiftState Shift) {
  if (!HasLookup()) {
    TVxCustomDropDown::KeyDown(Key, Shift);
    return;
  }
  autoComplete_ = Key != VK_BACK && Key != VK_ESCAPE && Key != VK_DELETE;
  if (Key == VK_RETURN) {
    const int found = lookup_.IndexOf(Text());
    if (found >= 0) {
      SetText(lookup_.Strings(found));
      itemIndex_ = found;
      Change();
    }
  }
  TVxCustomDropDown::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE) SetItemIndex(lookup_.IndexOf(Text()));
}

void TVxMultiColumnDropDown::KeyUp(WORD& Key, fw::TShiftState Shift) {
  TVxCustomDropDown::KeyUp(Key, Shift);
  if (!completionPending_) return;
  const int typed = typedLength_;
  SetItemIndex(completionItem_);
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(typed), static_cast<LPARAM>(Text().size()));
  }
  completionPending_ = false;
}

void TVxMultiColumnDropDown::WndProc(fw::TMessage& Message) {
  TVxCustomDropDown::WndProc(Message);
  if (Message.Msg != WM_KEYDOWN || !Enabled() || fw::IsKeyDown(VK_MENU)) return;
  switch (static_cast<WORD>(Message.WParam)) {
    case VK_PRIOR: SelectPageUp(); break;
    case VK_NEXT: SelectPageDown(); break;
    case VK_END:
      if (!EditorEnabled()) SelectLast();
      break;
    case VK_HOME:
      if (!EditorEnabled()) SelectFirst();
      break;
    case VK_UP: SelectPreviousItem(); break;
    case VK_DOWN: SelectNextItem(); break;
    default: break;
  }
}

// ---- styles ----

void TVxMultiColumnDropDown::SetSelectionColorStyle(int Style) {
  if (Style == 1) {
    lineColor_ = 0xF1EDEB;
    fixedLineColor_ = 0xD1BBA4;
  } else if (Style == 2 || Style == 3) {
    lineColor_ = 0xECECF0;
    fixedLineColor_ = 0xD4D2D1;
  }
  TVxCustomDropDown::SetSelectionColorStyle(Style);
}

void TVxMultiColumnDropDown::ApplyStyle(int Style) {
  TVxCustomDropDown::ApplyStyle(Style);
  const auto style = std::find_if(kListStyles.begin(), kListStyles.end(),
                                  [Style](const TListStyle& Row) { return Row.Style == Style; });
  if (style == kListStyles.end()) return;
  headerColor_ = style->HeaderColor;
  headerColorTo_ = style->HeaderColorTo;
  if (style->HeaderFontColor) headerFont_->SetColor(*style->HeaderFontColor);
  SetSelectionColorStyle(style->SelectionStyle);
  lineColor_ = style->LineColor;
  fixedLineColor_ = style->FixedLineColor;
  selectionTextColor_ = style->SelectionTextColor;
  if (style->Selection) {
    SetSelectionColor(*style->Selection);
    SetSelectionColorTo(*style->Selection);
  }
}

}  // namespace ui
