#include "framework/controls/list_box.h"

namespace fw {

namespace {
const ListMessages kListBoxMessages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL};
}

TCustomListBox::TCustomListBox(TComponent* AOwner) : TCustomListControl(AOwner, kListBoxMessages) {
  SetBoundsFields(0, 0, 121, 97);
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TCustomListControl::CreateParams(Params);
  CreateSubClass(Params, "LISTBOX");
  Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

int TCustomListBox::TopIndex() {
  return HandleAllocated() ? static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0)) : 0;
}

void TCustomListBox::SetTopIndex(int value) {
  if (HandleAllocated()) SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(value), 0);
}

void TCustomListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    switch (HIWORD(Message.WParam)) {
      case LBN_SELCHANGE: Click(); break;
      case LBN_DBLCLK: DblClick(); break;
      default: break;
    }
    return;
  }
  TCustomListControl::Dispatch(Message);
}

}  // namespace fw
