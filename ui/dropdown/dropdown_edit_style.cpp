// The drop-down edit's style presets and the drawing helpers of its pickers. The presets are not built
// yet: the style numbers are kept (GetStyle, the stored "NRVStyle" and "SelectionColorStyle") without
// changing a colour, and the drawing helpers draw nothing.
#include "ui/dropdown/dropdown_edit.h"

namespace ui {

void TVxCustomDropDown::SetSelectionColorStyle(int Style) { selectionColorStyle_ = Style; }
void TVxCustomDropDown::ApplyStyle(int Style) { style_ = Style; }
void TVxCustomDropDown::ApplyStyleColors(const TControlFaceColors&) {}
void TVxCustomDropDown::DrawSelectionBackground(fw::TCanvas*, const fw::TRect&, int, fw::TColor) {}
void TVxCustomDropDown::DrawGradient(fw::TCanvas*, fw::TColor, dropdown::TGradientDirection, const fw::TRect&, int,
                                     fw::TColor) {}

}  // namespace ui
