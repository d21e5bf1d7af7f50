#pragma once
// What list boxes and combo boxes share: Items, a string list (with objects) that the object keeps and
// mirrors to the window item by item, and ItemIndex, read from the window while it exists. Changes made
// between Items->BeginUpdate and EndUpdate reach the window at once at the end.
#include <memory>

#include "framework/classes/stringlist.h"
#include "framework/controls/win_control.h"

namespace fw {

// The messages of one kind of Win32 list.
struct ListMessages {
  UINT InsertString;
  UINT DeleteString;
  UINT ResetContent;
  UINT GetCurSel;
  UINT SetCurSel;
};

class TCustomListControl : public TWinControl {
 public:
  ~TCustomListControl() override;

  TStrings* Items();
  void SetItems(TStrings* value) { Items()->Assign(value); }
  // -1: nothing selected.
  int ItemIndex();
  virtual void SetItemIndex(int value);
  // Keeps Items sorted (ignoring case).
  bool Sorted() const;
  void SetSorted(bool value);
  void AddItem(const std::string& Item, TObject* AObject) { Items()->AddObject(Item, AObject); }
  void Clear() { Items()->Clear(); }
  void DeleteSelected();

 protected:
  TCustomListControl(TComponent* AOwner, const ListMessages& messages);
  void CreateWnd() override;
  void DestroyWnd() override;
  // The window's items were all replaced (the selection is gone).
  virtual void ItemsReloaded() {}
  // One item was inserted at / deleted from index (window or not).
  virtual void ItemAdded(int /*index*/) {}
  virtual void ItemRemoved(int /*index*/) {}

 private:
  class ListItems;
  friend class ListItems;
  void ItemInserted(int index);
  void ItemDeleted(int index);
  void ItemReplaced(int index);
  void Reload();
  void SendItem(int index);

  const ListMessages& messages_;
  std::unique_ptr<ListItems> items_;
  int itemIndex_ = -1;
};

}  // namespace fw
