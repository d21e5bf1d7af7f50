// Names of the simulator's exception codes, for the simulator information list.
#pragma once

#include <cstdint>
#include <string>

namespace aircraft {

// The name of an exception code (its low byte indexes the table); a code beyond the table gets a fixed text.
std::string SimExceptionName(std::uint32_t code);

}  // namespace aircraft
