#pragma once
// TRichEdit: the platform's rich edit window (riched20.dll, loaded from the system folder on first use), a
// memo whose text carries fonts, colours and paragraph alignment. The formatted content lives in the
// window, so Lines, the attributes and the paragraph make the window when they are used (the control
// needs a parent then); a window made anew (a style change, a new parent) gets the formatted content of
// the old one. Lines are the paragraphs; streams carry rich text (RTF) or, with PlainText, plain text.
// Events: OnChange for every change of the text, OnSelectionChange when the selection moves,
// OnResizeRequest with the size the content needs after each change of its layout.
#include <functional>
#include <memory>
#include <string>

#include "framework/classes/persistent.h"
#include "framework/controls/memo.h"
#include "framework/controls/std_types.h"
#include "framework/graphics/colors.h"
#include "framework/graphics/font.h"

namespace fw {

namespace richedit {
struct CHARFORMATA;
}

class TCustomRichEdit;

enum TAttributeType { atSelected, atDefaultText };

// The character format of the selection (atSelected; with an empty selection, what typing there gets)
// or the default format of the text (atDefaultText). Reads and writes go to the window. A property that
// differs across the selection reads as the selection's first character has it.
class TTextAttributes : public TPersistent {
 public:
  TTextAttributes(TCustomRichEdit* RichEdit, TAttributeType Type) : richEdit_(RichEdit), type_(Type) {}

  std::string Name();
  // An empty name is ignored; a longer name than the window takes (31 characters) is cut.
  void SetName(const std::string& value);
  // In points; sizes below 1 are ignored.
  int Size();
  void SetSize(int value);
  // clWindowText is the window's automatic text colour.
  TColor Color();
  void SetColor(TColor value);
  TFontStyles Style();
  void SetStyle(TFontStyles value);

 private:
  void Read(richedit::CHARFORMATA& format);
  void Write(richedit::CHARFORMATA& format);

  TCustomRichEdit* richEdit_;
  TAttributeType type_;
};

// The format of the paragraphs the selection touches.
class TParaAttributes : public TPersistent {
 public:
  explicit TParaAttributes(TCustomRichEdit* RichEdit) : richEdit_(RichEdit) {}

  // Justified paragraphs read as left-aligned.
  TAlignment Alignment();
  void SetAlignment(TAlignment value);

 private:
  TCustomRichEdit* richEdit_;
};

// Sender and the size the content asks for, in client coordinates.
using TRichEditResizeEvent = std::function<void(TObject* Sender, const TRect& Rect)>;

class TCustomRichEdit : public TCustomMemo {
 public:
  explicit TCustomRichEdit(TComponent* AOwner);
  ~TCustomRichEdit() override;

  TTextAttributes* SelAttributes() { return &selAttributes_; }
  TTextAttributes* DefAttributes() { return &defAttributes_; }
  TParaAttributes* Paragraph() { return &paragraph_; }
  // Lines->LoadFromStream/SaveToStream carry plain text instead of rich text. Loading rich text that
  // does not start as rich text ("{\rtf") reads it as plain text either way.
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool value) { plainText_ = value; }

  // The selected text; paragraph breaks as CR LF.
  std::string SelText() override;

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnSelectionChange;
  TRichEditResizeEvent OnResizeRequest;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void StoreText(const std::string& value) override;
  void SendTextLimit() override;
  void WordWrapChanged() override;
  bool WindowReportsAssignedText() const override { return true; }
  virtual void SelectionChange();
  virtual void RequestSize(const TRect& Rect);

 private:
  class RichEditStrings;
  friend class RichEditStrings;

  // The whole content through the window's streams, in the given format (SF_TEXT or SF_RTF).
  void StreamIn(unsigned format, const std::string& bytes);
  std::string StreamOut(unsigned format);
  void SendBackgroundColor();

  TTextAttributes selAttributes_{this, atSelected};
  TTextAttributes defAttributes_{this, atDefaultText};
  TParaAttributes paragraph_{this};
  bool plainText_ = false;
  // The formatted content of a window that went, for the next one.
  std::string savedRtf_;
  bool hasSavedRtf_ = false;
};

class TRichEdit : public TCustomRichEdit {
 public:
  using TCustomRichEdit::TCustomRichEdit;
};

}  // namespace fw
