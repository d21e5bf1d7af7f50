#include "ui/dropdown/combo_box_strings.h"

#include "framework/rtl/exceptions.h"
#include "ui/dropdown/uni_combo_box.h"
#include "ui/dropdown/wide_control_text.h"

namespace ui {

namespace {

constexpr char kInsertFailed[] = "Unable to insert a line";

int Checked(LRESULT result) {
  if (result < 0) throw fw::EOutOfResources(kInsertFailed);
  return static_cast<int>(result);
}

}  // namespace

HWND TComboBoxStrings::Window() const { return comboBox_->Handle(); }

std::wstring TComboBoxStrings::Get(int Index) const {
  const HWND window = Window();
  const LRESULT length = SendMessageW(window, CB_GETLBTEXTLEN, static_cast<WPARAM>(Index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  if (SendMessageW(window, CB_GETLBTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data())) < 0) {
    return {};
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

int TComboBoxStrings::GetCount() const {
  const LRESULT count = SendMessageW(Window(), CB_GETCOUNT, 0, 0);
  return count > 0 ? static_cast<int>(count) : 0;
}

int TComboBoxStrings::Add(const std::wstring& S) {
  return Checked(SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(S.c_str())));
}

void TComboBoxStrings::Insert(int Index, const std::wstring& S) {
  Checked(SendMessageW(Window(), CB_INSERTSTRING, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.c_str())));
}

int TComboBoxStrings::IndexOf(const std::wstring& S) const {
  const LRESULT found =
      SendMessageW(Window(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(S.c_str()));
  return found >= 0 ? static_cast<int>(found) : -1;
}

void TComboBoxStrings::Delete(int Index) {
  SendMessageW(Window(), CB_DELETESTRING, static_cast<WPARAM>(Index), 0);
}

void TComboBoxStrings::Clear() {
  const std::wstring text = ReadWideControlText(comboBox_);
  SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
  WriteWideControlText(comboBox_, text);
  comboBox_->Update();
}

fw::TObject* TComboBoxStrings::GetObjectAt(int Index) const {
  const LRESULT data = SendMessageW(Window(), CB_GETITEMDATA, static_cast<WPARAM>(Index), 0);
  return data == CB_ERR ? nullptr : reinterpret_cast<fw::TObject*>(data);
}

void TComboBoxStrings::PutObjectAt(int Index, fw::TObject* AObject) {
  SendMessageW(Window(), CB_SETITEMDATA, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(AObject));
}

void TComboBoxStrings::SetUpdateState(bool Updating) {
  SendMessageW(Window(), WM_SETREDRAW, Updating ? FALSE : TRUE, 0);
  if (!Updating) comboBox_->Invalidate();
}

}  // namespace ui
