#pragma once
// TMemo: a multi-line EDIT control. Lines is a string list over the memo's text: reading it reads the
// window (what the user typed) and changing it changes the window, or the stored text while there is
// no window.
#include <memory>

#include "framework/classes/strings.h"
#include "framework/controls/edit.h"
#include "framework/controls/std_types.h"

namespace fw {

class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines();
  void SetLines(TStrings* value) { Lines()->Assign(value); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  // Enter types a line break (else it reaches the form's default button); Tab types a tab.
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }

  void Dispatch(TMessage& Message) override;

 protected:
  // A descendant whose window keeps more than text hands in the lines that read and write it.
  TCustomMemo(TComponent* AOwner, std::unique_ptr<TStrings> lines);
  void CreateParams(TCreateParams& Params) override;
  // The window follows a new WordWrap (made anew, for the style).
  virtual void WordWrapChanged();

 private:
  class MemoStrings;
  std::unique_ptr<TStrings> lines_;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
 public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace fw
