// The kinds of in-place editor a cell can ask for; a cell's properties and the grid's default name one.
// The editors themselves live in ui/grid/edit/. One byte, the ordinal is the stored value.
#pragma once

#include <cstdint>

namespace ui {

enum TEditorType : std::uint8_t {
  edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit, edDateEditUpDown, edTimeEdit,
  edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase, edPassword, edUnitEditBtn,
  edLowerCase, edUpperCase, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn,
  edCustom, edRichEdit, edNone, edUniEdit, edUniComboEdit, edUniComboList, edUniEditBtn, edUniMemo, edDateTimeEdit,
  edValidChars, edTrackbarDropDown, edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
  edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edVxGridDropDown, edPositiveFloat,
  edNumericUnitEditBtn, edFloatUnitEditBtn,
};

}  // namespace ui
