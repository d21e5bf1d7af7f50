// The board models the program knows: 4-character model code and description, and the family that
// discovery keeps or releases a board by.
#pragma once

#include <string>
#include <string_view>

namespace trelvik {

inline constexpr const char* kNotAssigned = "NotAssigned";

struct BoardModel {
  const char* code;
  const char* description;
};

// The 57 known models in their order.
const BoardModel* BoardCatalogue(int& count);

// The description of model (matched exactly, case included); "NotAssigned" when it is not known.
std::string Get_Board_Desc(std::string_view model);

enum class BoardFamily { ModeControl, Radio, Cdu, Irs, OverheadElec, SwitchLed };

// The family of a model code; every code that no other family names is a switch/LED board.
BoardFamily FamilyOf(std::string_view model);

}  // namespace trelvik
