// The events cell objects fire: a check box changed, a rating about to change, a colour or an image chosen
// in the cell's picker. Fired on the GUI thread by the grid.
#pragma once

#include <functional>
#include <string>

#include "framework/classes/object.h"
#include "framework/graphics/colors.h"

namespace ui {

using TCheckBoxClickEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, bool State)>;
using TRatingChangeEvent =
    std::function<void(fw::TObject* Sender, int ACol, int ARow, double& NewRate, bool& Allow)>;
using TColorSelectEvent =
    std::function<void(fw::TObject* Sender, int ACol, int ARow, fw::TColor Color, const std::string& Value)>;
using TImageSelectEvent = std::function<void(fw::TObject* Sender, int ACol, int ARow, int Index)>;

}  // namespace ui
