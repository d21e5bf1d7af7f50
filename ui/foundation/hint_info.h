#pragma once
// TVxHintInfo: an Office-style hint (title, lines of notes, a picture, a help flag) that the smooth
// panel, the glow buttons and the string grid publish.
#include <string>

#include "framework/classes/persistent.h"
#include "framework/classes/stringlist.h"
#include "ui/foundation/gdip_picture.h"

namespace ui {

class TVxHintInfo : public fw::TPersistent {
 public:
  TVxHintInfo();
  ~TVxHintInfo() override;

  // Takes everything from another TVxHintInfo; any other source (nil too) changes nothing.
  void Assign(fw::TPersistent* Source) override;

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  fw::TStrings* Notes() { return notes_; }
  void SetNotes(fw::TStrings* value) { notes_->Assign(value); }
  TGDIPPicture* Picture() { return picture_; }
  void SetPicture(TGDIPPicture* value) { picture_->Assign(value); }
  bool ShowHelp() const { return showHelp_; }
  void SetShowHelp(bool value) { showHelp_ = value; }
  const std::wstring& WideTitle() const { return wideTitle_; }
  void SetWideTitle(const std::wstring& value) { wideTitle_ = value; }
  const std::wstring& WideNotes() const { return wideNotes_; }
  void SetWideNotes(const std::wstring& value) { wideNotes_ = value; }

 private:
  TGDIPPicture* picture_;
  bool showHelp_ = false;
  fw::TStringList* notes_;
  std::string title_;
  std::wstring wideTitle_;
  std::wstring wideNotes_;
};

}  // namespace ui
