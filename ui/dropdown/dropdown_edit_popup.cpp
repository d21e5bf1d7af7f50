// The drop-down edit's side of the pop-up window: making and freeing the pop-up form, the open/close
// sequence and the keys the pop-up passes back. The pop-up window is not built yet: the base makes no
// pop-up form (every operation that needs one does nothing without it), and descendants that override
// these operations see the calls in the protocol's order.
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

void TVxCustomDropDown::CreateDropDownForm() {}

// Nothing to free while the base makes no pop-up form.
void TVxCustomDropDown::DestroyDropDownForm() { dropDownForm_ = nullptr; }

void TVxCustomDropDown::FocusDropDownControl() {}
void TVxCustomDropDown::ShowDropDown() {}
void TVxCustomDropDown::PlaceDropDownControl() {}
void TVxCustomDropDown::SizeDropDownForm() {}
void TVxCustomDropDown::HideDropDown(bool) {}
void TVxCustomDropDown::AfterDropUp() {}
void TVxCustomDropDown::TryShowDropDown() {}
void TVxCustomDropDown::DropDownFormKeyPress(char&) {}
void TVxCustomDropDown::DropDownFormKeyDown(WORD&, fw::TShiftState) {}
void TVxCustomDropDown::DropDownFormKeyUp(WORD&, fw::TShiftState) {}
void TVxCustomDropDown::DropDownControlKeyDown(WORD&, fw::TShiftState) {}
void TVxCustomDropDown::DropDownControlKeyUp(WORD&, fw::TShiftState) {}
void TVxCustomDropDown::DropDownControlKeyPress(char&) {}

// The bars are rebuilt on the pop-up form while it is shown; without a form there is nothing to rebuild.
void TVxCustomDropDown::BarsChanged(fw::TObject*) {}

}  // namespace ui
