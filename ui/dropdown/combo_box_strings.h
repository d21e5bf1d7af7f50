#pragma once
// TComboBoxStrings: the wide items of a Unicode combo box, kept in the combo box's window itself (its
// list: texts, count, item data as the objects). Reading or adding makes the window when it does not
// exist yet. A string the window refuses raises EOutOfResources "Unable to insert a line" and leaves the
// list as it was; reading an index the list does not have gives an empty string. Clearing keeps the
// combo box's edit text. An update pair holds the window's redrawing back.
#include "ui/dropdown/wide_strings.h"

namespace ui {

class TCustomUNIComboBox;

class TComboBoxStrings : public TWideStrings {
 public:
  TComboBoxStrings() = default;
  TCustomUNIComboBox* ComboBox() const { return comboBox_; }
  void SetComboBox(TCustomUNIComboBox* value) { comboBox_ = value; }

  std::wstring Get(int Index) const override;
  int GetCount() const override;
  void Clear() override;
  void Delete(int Index) override;
  void Insert(int Index, const std::wstring& S) override;
  fw::TObject* GetObjectAt(int Index) const override;
  void PutObjectAt(int Index, fw::TObject* AObject) override;
  int Add(const std::wstring& S) override;
  int IndexOf(const std::wstring& S) const override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  HWND Window() const;

  TCustomUNIComboBox* comboBox_ = nullptr;
};

}  // namespace ui
