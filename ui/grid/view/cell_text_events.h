// The event of the cell text layout.
#pragma once

#include <functional>
#include <string>

namespace fw {
class TObject;
}

namespace ui {

// Sender, the cell, whether its number is formatted, and the format ("%.nf", or one with "d" for integers).
using TFloatFormatEvent =
    std::function<void(fw::TObject* Sender, int ACol, int ARow, bool& IsFloat, std::string& FloatFormat)>;

}  // namespace ui
