// A board's model text begins with its four-character model code: "330A..." is a "330A" board.
#pragma once

#include <string_view>

namespace aircraft {

inline bool HasModelCode(std::string_view Model, std::string_view Code) {
  return Model.size() >= 4 && Model.substr(0, 4) == Code;
}

}  // namespace aircraft
