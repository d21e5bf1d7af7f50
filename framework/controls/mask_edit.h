#pragma once
// TMaskEdit: an edit whose text follows an edit mask. The mask is "mask;save;blank": the mask characters,
// whether the literals belong to Text (1, the default) or not (0), and the character shown for an empty
// position (default '_'). Mask characters:
//   0 digit   9 optional digit   # optional digit, + or -
//   L letter  l optional letter  A letter or digit  a optional letter or digit  C any character  c optional
//   > the following in upper case, < in lower case, <> as typed;  \ the next character is a literal;
//   ! optional positions missing from an assigned text show as leading blanks;
//   : and / the time and date separators of the formatting settings; anything else is a literal.
// Typing, deleting and pasting go position by position and skip the literals; a character a position does
// not take is refused. A text missing required characters raises EMaskError only when validated
// (ValidateEdit, run when the edit loses the focus). GUI thread only.
#include <string>
#include <vector>

#include "framework/controls/edit.h"
#include "framework/rtl/exceptions.h"

namespace fw {

// A masked edit's text misses required characters.
FW_DECLARE_EXCEPTION(EMaskError, Exception);

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  const std::string& EditMask() const { return editMask_; }
  // The current text is fitted into the new mask.
  void SetEditMask(const std::string& value);
  bool IsMasked() const { return !slots_.empty(); }
  // The text as shown, literals and blank characters included.
  std::string EditText();
  void SetEditText(const std::string& value);
  // Raises EMaskError when a required position is empty.
  virtual void ValidateEdit();

  void Dispatch(TMessage& Message) override;

 protected:
  // Masked: Text is the edit text with blanks as spaces (or only the typed characters without saved
  // literals); an assigned text is fitted into the mask.
  std::string GetText() override;
  void StoreText(const std::string& value) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoExit() override;

 private:
  struct Slot {
    char kind = 0;  // 0: a literal; else the mask character
    char literal = 0;
    char caseShift = 0;  // '>', '<' or 0
  };
  void ParseMask(const std::string& mask);
  bool Editable(int pos) const { return pos >= 0 && pos < SlotCount() && slots_[pos].kind != 0; }
  int SlotCount() const { return static_cast<int>(slots_.size()); }
  // The position's character for Ch ('\0' when the position does not take it).
  char Accept(int pos, char ch) const;
  bool Required(int pos) const;
  int NextEditable(int pos) const;
  std::string FitText(const std::string& text) const;
  std::string EmptyText() const;
  // Blanks the editable positions from..to-1 of the edit text.
  void ClearRange(int from, int to);
  // Types the characters from the caret on (refused ones are skipped); the caret follows.
  void TypeText(const std::string& chars);
  // Writes a new edit text (one change) and places the caret.
  void WriteEditText(const std::string& text, int caret);

  std::string editMask_;
  std::vector<Slot> slots_;
  bool saveLiterals_ = true;
  char blank_ = '_';
  bool leadingBlanks_ = false;
  bool rawWrite_ = false;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};

}  // namespace fw
