// TVxOfficeRadioGroup: a self-painted group box with one Office-style radio button per line of Items, laid
// out in up to 16 columns; ItemIndex names the checked button (-1 for none) and stays within the items.
// A new ItemIndex, from code or a click, fires OnClick once. The buttons (TVxGroupButton) belong to the
// group and follow its look properties. GUI thread only.
#pragma once

#include <functional>
#include <vector>

#include "framework/classes/stringlist.h"
#include "ui/controls/office_radio_button.h"
#include "ui/controls/vx_group_box.h"

namespace ui {

class TCustomVxOfficeRadioGroup;
class TPictureContainer;

using TEnabledEvent = std::function<void(fw::TObject* Sender, int ItemIndex, bool& Enabled)>;

class TVxGroupButton : public TVxOfficeRadioButton {
 public:
  explicit TVxGroupButton(TCustomVxOfficeRadioGroup* Group);
  ~TVxGroupButton() override;

 protected:
  void Dispatch(fw::TMessage& Message) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, fw::TShiftState Shift) override;
  void KeyPress(char& Key) override;

 private:
  TCustomVxOfficeRadioGroup* group_;
  bool inClick_ = false;
};

class TCustomVxOfficeRadioGroup : public TVxGroupBox {
 public:
  explicit TCustomVxOfficeRadioGroup(fw::TComponent* AOwner);
  ~TCustomVxOfficeRadioGroup() override;

  fw::TStrings* Items() { return &items_; }
  void SetItems(fw::TStrings* value) { items_.Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TVxGroupButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

  fw::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(fw::TAlignment value);
  fw::TTextLayout ButtonVertAlign() const { return buttonVertAlign_; }
  void SetButtonVertAlign(fw::TTextLayout value);
  void SetImages(fw::TCustomImageList* value) override;
  TPictureContainer* PictureContainer() const { return pictureContainer_; }
  void SetPictureContainer(TPictureContainer* value);
  bool Ellipsis() const { return ellipsis_; }
  void SetEllipsis(bool value);
  int ShadowOffset() const { return shadowOffset_; }
  void SetShadowOffset(int value);
  fw::TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(fw::TColor value);
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool value);
  fw::TColor DisabledFontColor() const { return disabledFontColor_; }
  void SetDisabledFontColor(fw::TColor value) { disabledFontColor_ = value; }
  bool Themed() const { return themed_; }
  void SetThemed(bool value);
  std::uint32_t GetVersionNr() const override { return MakeVersionNr(1, 3, 4, 1); }
  virtual bool CanModify() { return true; }

  TEnabledEvent OnIsEnabled;

  // Lays the buttons out and hands the look properties down.
  void ArrangeButtons();

 protected:
  friend class TVxGroupButton;
  void Loaded() override;
  void ReadState(fw::TReader* Reader) override;
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  void Dispatch(fw::TMessage& Message) override;
  void CreateWnd() override;

 private:
  void ItemsChanged();
  void UpdateButtons();
  void SetButtonCount(int count);
  void ButtonClick(fw::TObject* Sender);

  std::vector<TVxGroupButton*> buttons_;
  fw::TStringList items_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool reading_ = false;
  bool updatingCheck_ = false;
  fw::TAlignment alignment_ = fw::taLeftJustify;
  fw::TTextLayout buttonVertAlign_ = fw::tlTop;
  TPictureContainer* pictureContainer_ = nullptr;
  bool ellipsis_ = false;
  int shadowOffset_ = 1;
  fw::TColor shadowColor_ = fw::clSilver;
  bool showFocus_ = true;
  fw::TColor disabledFontColor_ = fw::clGray;
  bool themed_ = false;
};

class TVxOfficeRadioGroup : public TCustomVxOfficeRadioGroup {
 public:
  using TCustomVxOfficeRadioGroup::TCustomVxOfficeRadioGroup;
};

}  // namespace ui
