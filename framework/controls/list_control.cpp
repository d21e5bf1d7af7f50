#include "framework/controls/list_control.h"

#include <algorithm>

namespace fw {

// The string list of the control: every change is passed on to the window as it happens; changes the
// list makes as a whole (sorting, exchanging, the end of an update) load the window again.
class TCustomListControl::ListItems : public TStringList {
 public:
  explicit ListItems(TCustomListControl* control) : control_(control) {}

  void Delete(int index) override {
    Step([&] { TStringList::Delete(index); });
    if (UpdateCount() == 0) control_->ItemDeleted(index);
  }
  void InsertObject(int index, const std::string& s, TObject* object) override {
    Step([&] { TStringList::InsertObject(index, s, object); });
    if (UpdateCount() == 0) control_->ItemInserted(index);
  }
  int AddObject(const std::string& s, TObject* object) override {
    const int before = Count();
    int index = -1;
    Step([&] { index = TStringList::AddObject(s, object); });
    if (Count() > before && UpdateCount() == 0) control_->ItemInserted(index);
    return index;
  }

 protected:
  void Put(int index, const std::string& s) override {
    Step([&] { TStringList::Put(index, s); });
    if (UpdateCount() == 0) control_->ItemReplaced(index);
  }
  void PutObjectAt(int index, TObject* object) override {
    Step([&] { TStringList::PutObjectAt(index, object); });
  }
  // Whatever changes without passing through the steps above changes the whole list.
  void Changed() override {
    if (steps_ == 0 && UpdateCount() == 0) control_->Reload();
    TStringList::Changed();
  }

 private:
  template <class F>
  void Step(F&& change) {
    ++steps_;
    try {
      change();
    } catch (...) {
      --steps_;
      throw;
    }
    --steps_;
  }

  TCustomListControl* control_;
  int steps_ = 0;
};

TCustomListControl::TCustomListControl(TComponent* AOwner, const ListMessages& messages)
    : TWinControl(AOwner), messages_(messages), items_(std::make_unique<ListItems>(this)) {
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  // The window reports selection changes and double clicks; the mouse messages are none of their own.
  controlStyle_.Exclude(csSetCaption).Exclude(csClickEvents).Exclude(csDoubleClicks);
}

TCustomListControl::~TCustomListControl() = default;

TStrings* TCustomListControl::Items() { return items_.get(); }

bool TCustomListControl::Sorted() const { return items_->Sorted(); }

void TCustomListControl::SetSorted(bool value) {
  if (Sorted() == value) return;
  items_->SetSorted(value);  // sorting reloads the window
}

void TCustomListControl::SendItem(int index) {
  const std::string text = items_->Strings(index);
  SendMessageA(Handle(), messages_.InsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TCustomListControl::ItemInserted(int index) {
  if (HandleAllocated()) {
    SendItem(index);
  } else if (itemIndex_ >= index) {
    ++itemIndex_;
  }
  ItemAdded(index);
}

void TCustomListControl::ItemDeleted(int index) {
  if (HandleAllocated()) {
    SendMessageA(Handle(), messages_.DeleteString, static_cast<WPARAM>(index), 0);
  } else if (itemIndex_ == index) {
    itemIndex_ = -1;
  } else if (itemIndex_ > index) {
    --itemIndex_;
  }
  ItemRemoved(index);
}

void TCustomListControl::ItemReplaced(int index) {
  if (!HandleAllocated()) return;
  const int selected = ItemIndex();
  SendMessageA(Handle(), messages_.DeleteString, static_cast<WPARAM>(index), 0);
  SendItem(index);
  if (selected == index) SetItemIndex(selected);
}

void TCustomListControl::Reload() {
  itemIndex_ = -1;
  if (HandleAllocated()) {
    SendMessageA(Handle(), messages_.ResetContent, 0, 0);
    for (int i = 0; i < items_->Count(); ++i) SendItem(i);
  }
  ItemsReloaded();
}

int TCustomListControl::ItemIndex() {
  if (HandleAllocated()) return static_cast<int>(SendMessageA(Handle(), messages_.GetCurSel, 0, 0));
  return itemIndex_;
}

void TCustomListControl::SetItemIndex(int value) {
  if (value < -1 || value >= items_->Count()) value = -1;
  itemIndex_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), messages_.SetCurSel, static_cast<WPARAM>(value), 0);
}

void TCustomListControl::DeleteSelected() {
  const int selected = ItemIndex();
  if (selected >= 0) items_->Delete(selected);
}

void TCustomListControl::CreateWnd() {
  TWinControl::CreateWnd();
  const int selected = itemIndex_;
  for (int i = 0; i < items_->Count(); ++i) SendItem(i);
  SetItemIndex(selected);
}

void TCustomListControl::DestroyWnd() {
  itemIndex_ = ItemIndex();
  TWinControl::DestroyWnd();
}

}  // namespace fw
