// The enumerations the drop-down bars and buttons share. GUI thread only.
#pragma once

#include <cstdint>

namespace ui {

// The side of a header or footer bar on which its buttons are lined up.
enum TButtonAlignment : std::uint8_t { baLeft, baRight };

namespace dropdown {
// The direction in which a bar's or a button's gradient runs: gdHorizontal from left to right, gdVertical
// from top to bottom. The styled menus have a type of the same name with the other order
// (ui/controls/menu_appearance.h); the drop-downs' is this one, in its own namespace so both can be seen.
enum TGradientDirection : std::uint8_t { gdHorizontal, gdVertical };
}  // namespace dropdown

}  // namespace ui
