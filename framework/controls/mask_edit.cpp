#include "framework/controls/mask_edit.h"

#include <algorithm>
#include <cctype>

#include "framework/clipboard/clipboard.h"
#include "framework/rtl/formatsettings.h"

namespace fw {

namespace {

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::ParseMask(const std::string& mask) {
  slots_.clear();
  saveLiterals_ = true;
  blank_ = '_';
  leadingBlanks_ = false;
  // The fields after the mask: the first ';' that is not escaped ends it.
  size_t end = 0;
  while (end < mask.size() && mask[end] != ';') end += mask[end] == '\\' ? 2 : 1;
  end = std::min(end, mask.size());
  if (end < mask.size()) {
    const std::string fields = mask.substr(end + 1);
    const size_t second = fields.find(';');
    const std::string save = fields.substr(0, second);
    if (!save.empty()) saveLiterals_ = save != "0";
    if (second != std::string::npos && second + 1 < fields.size()) blank_ = fields[second + 1];
  }
  char caseShift = 0;
  for (size_t i = 0; i < end; ++i) {
    const char c = mask[i];
    switch (c) {
      case '!': leadingBlanks_ = true; continue;
      case '>': caseShift = '>'; continue;
      case '<':
        if (i + 1 < end && mask[i + 1] == '>') {
          caseShift = 0;
          ++i;
        } else {
          caseShift = '<';
        }
        continue;
      case '\\':
        if (i + 1 < end) slots_.push_back(Slot{0, mask[++i], 0});
        continue;
      case ':': slots_.push_back(Slot{0, FormatSettings.TimeSeparator, 0}); continue;
      case '/': slots_.push_back(Slot{0, FormatSettings.DateSeparator, 0}); continue;
      case '0': case '9': case '#': case 'L': case 'l': case 'A': case 'a': case 'C': case 'c':
        slots_.push_back(Slot{c, 0, caseShift});
        continue;
      default: slots_.push_back(Slot{0, c, 0}); continue;
    }
  }
}

char TCustomMaskEdit::Accept(int pos, char ch) const {
  if (!Editable(pos)) return '\0';
  const Slot& slot = slots_[static_cast<size_t>(pos)];
  bool fits = false;
  switch (slot.kind) {
    case '0': case '9': fits = IsDigit(ch); break;
    case '#': fits = IsDigit(ch) || ch == '+' || ch == '-'; break;
    case 'L': case 'l': fits = IsLetter(ch); break;
    case 'A': case 'a': fits = IsLetter(ch) || IsDigit(ch); break;
    default: fits = static_cast<unsigned char>(ch) >= ' '; break;
  }
  if (!fits) return '\0';
  if (slot.caseShift == '>') return static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (slot.caseShift == '<') return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return ch;
}

bool TCustomMaskEdit::Required(int pos) const {
  const char kind = slots_[static_cast<size_t>(pos)].kind;
  return kind == '0' || kind == 'L' || kind == 'A' || kind == 'C';
}

int TCustomMaskEdit::NextEditable(int pos) const {
  while (pos < SlotCount() && !Editable(pos)) ++pos;
  return pos;
}

std::string TCustomMaskEdit::EmptyText() const {
  std::string text;
  for (const Slot& slot : slots_) text += slot.kind == 0 ? slot.literal : blank_;
  return text;
}

std::string TCustomMaskEdit::FitText(const std::string& value) const {
  std::string text = EmptyText();
  if (saveLiterals_) {
    // The literals are part of the text: position by position, shorter texts shifted right with '!'.
    std::string source = value;
    if (leadingBlanks_ && static_cast<int>(source.size()) < SlotCount()) {
      source.insert(0, static_cast<size_t>(SlotCount()) - source.size(), ' ');
    }
    for (int i = 0; i < SlotCount() && i < static_cast<int>(source.size()); ++i) {
      if (const char c = Accept(i, source[static_cast<size_t>(i)]); c != '\0') text[static_cast<size_t>(i)] = c;
    }
    return text;
  }
  // Only the typed characters: they fill the editable positions in order.
  int editable = 0;
  for (int i = 0; i < SlotCount(); ++i) editable += Editable(i) ? 1 : 0;
  std::string source = value;
  if (leadingBlanks_ && static_cast<int>(source.size()) < editable) {
    source.insert(0, static_cast<size_t>(editable) - source.size(), ' ');
  }
  size_t next = 0;
  for (int i = 0; i < SlotCount() && next < source.size(); ++i) {
    if (!Editable(i)) continue;
    if (const char c = Accept(i, source[next++]); c != '\0') text[static_cast<size_t>(i)] = c;
  }
  return text;
}

void TCustomMaskEdit::SetEditMask(const std::string& value) {
  if (value == editMask_) return;
  const std::string text = GetText();
  editMask_ = value;
  ParseMask(value);
  SetMaxLength(IsMasked() ? SlotCount() : 0);
  rawWrite_ = !IsMasked();
  TControl::SetText(IsMasked() ? FitText(text) : text);
  rawWrite_ = false;
}

std::string TCustomMaskEdit::EditText() { return TCustomEdit::GetText(); }

void TCustomMaskEdit::SetEditText(const std::string& value) {
  if (value == EditText()) return;
  rawWrite_ = true;
  TCustomEdit::StoreText(value);
  rawWrite_ = false;
  Perform(CM_TEXTCHANGED);
}

std::string TCustomMaskEdit::GetText() {
  const std::string raw = TCustomEdit::GetText();
  if (!IsMasked()) return raw;
  std::string text;
  for (int i = 0; i < SlotCount() && i < static_cast<int>(raw.size()); ++i) {
    const char c = raw[static_cast<size_t>(i)];
    if (!Editable(i)) {
      if (saveLiterals_) text += c;
    } else if (c == blank_) {
      if (saveLiterals_) text += ' ';
    } else {
      text += c;
    }
  }
  return text;
}

void TCustomMaskEdit::StoreText(const std::string& value) {
  if (!IsMasked() || rawWrite_) {
    TCustomEdit::StoreText(value);
    return;
  }
  TCustomEdit::StoreText(FitText(value));
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  const std::string raw = EditText();
  for (int i = 0; i < SlotCount(); ++i) {
    if (!Editable(i) || !Required(i)) continue;
    if (i >= static_cast<int>(raw.size()) || raw[static_cast<size_t>(i)] == blank_) {
      SetSelStart(i);
      SetSelLength(0);
      throw EMaskError("Invalid input value: the text does not match the mask");
    }
  }
}

void TCustomMaskEdit::WriteEditText(const std::string& text, int caret) {
  SetEditText(text);
  SetSelStart(std::clamp(caret, 0, SlotCount()));
  SetSelLength(0);
  SetModified(true);
}

void TCustomMaskEdit::ClearRange(int from, int to) {
  std::string text = EditText();
  const std::string empty = EmptyText();
  text.resize(empty.size(), blank_);
  for (int i = std::max(from, 0); i < to && i < SlotCount(); ++i) text[static_cast<size_t>(i)] = empty[static_cast<size_t>(i)];
  WriteEditText(text, from);
}

void TCustomMaskEdit::TypeText(const std::string& chars) {
  std::string text = EditText();
  text.resize(static_cast<size_t>(SlotCount()), blank_);
  const int selStart = SelStart();
  const int selLength = SelLength();
  if (selLength > 0) {
    const std::string empty = EmptyText();
    for (int i = selStart; i < selStart + selLength && i < SlotCount(); ++i) text[static_cast<size_t>(i)] = empty[static_cast<size_t>(i)];
  }
  int pos = selStart;
  for (const char ch : chars) {
    if (pos < SlotCount() && !Editable(pos) && ch == slots_[static_cast<size_t>(pos)].literal) {
      ++pos;  // a pasted literal matches the mask's own
      continue;
    }
    pos = NextEditable(pos);
    if (pos >= SlotCount()) break;
    if (const char c = Accept(pos, ch); c != '\0') {
      text[static_cast<size_t>(pos)] = c;
      ++pos;
    }
  }
  WriteEditText(text, NextEditable(pos));
}

void TCustomMaskEdit::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if (Key == 0 || !IsMasked() || ReadOnly()) return;
  const auto code = static_cast<unsigned char>(Key);
  if (Key == '\b') {
    if (SelLength() > 0) {
      ClearRange(SelStart(), SelStart() + SelLength());
    } else {
      int pos = SelStart() - 1;
      while (pos >= 0 && !Editable(pos)) --pos;
      if (pos >= 0) ClearRange(pos, pos + 1);
    }
  } else if (Key == 0x16) {  // Ctrl+V
    Perform(WM_PASTE);
  } else if (Key == 0x18) {  // Ctrl+X
    Perform(WM_CUT);
  } else if (code >= ' ') {
    const int pos = NextEditable(SelStart());
    if (Accept(pos, Key) != '\0') {
      TypeText(std::string(1, Key));
    } else {
      MessageBeep(0);
    }
  } else {
    return;  // other control characters (Ctrl+C, Enter, ...) keep their way
  }
  Key = 0;
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (Key != VK_DELETE || !IsMasked() || ReadOnly() || Shift.Contains(ssShift)) return;
  const int start = SelStart();
  ClearRange(start, start + std::max(SelLength(), 1));
  Key = 0;
}

void TCustomMaskEdit::DoExit() {
  ValidateEdit();
  TCustomEdit::DoExit();
}

void TCustomMaskEdit::Dispatch(TMessage& Message) {
  if (IsMasked() && !ReadOnly()) {
    switch (Message.Msg) {
      case WM_PASTE:
        TypeText(Clipboard()->AsText());
        Message.Result = 0;
        return;
      case WM_CUT:
        if (SelLength() > 0) {
          Clipboard()->SetAsText(SelText());
          ClearRange(SelStart(), SelStart() + SelLength());
        }
        Message.Result = 0;
        return;
      case WM_CLEAR:
        if (SelLength() > 0) ClearRange(SelStart(), SelStart() + SelLength());
        Message.Result = 0;
        return;
      default:
        break;
    }
  }
  TCustomEdit::Dispatch(Message);
}

}  // namespace fw
