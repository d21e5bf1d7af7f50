#pragma once
// TListBox: a Win32 list box over Items. A selection by the user fires OnClick, a double click
// OnDblClick.
#include "framework/controls/list_control.h"

namespace fw {

class TCustomListBox : public TCustomListControl {
 public:
  explicit TCustomListBox(TComponent* AOwner);

  int Count() { return Items()->Count(); }
  // The first item shown.
  int TopIndex();
  void SetTopIndex(int value);

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

}  // namespace fw
