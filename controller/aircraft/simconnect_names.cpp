#include "controller/aircraft/simconnect_names.h"

#include <iterator>

namespace aircraft {

namespace {

const char* const kExceptionNames[] = {
    "NONE", "ERROR", "SIZE MISMATCH", "UNRECOGNIZED ID", "UNOPENED", "VERSION MISMATCH", "TOO MANY GROUPS",
    "NAME UNRECOGNIZED", "TOO MANY EVENT NAMES", "EVENT ID DUPLICATE", "TOO MANY MAPS", "TOO MANY OBJECTS",
    "TOO MANY REQUESTS", "WEATHER INVALID PORT", "WEATHER INVALID METAR", "WEATHER UNABLE TO GET OBSERVATION",
    "WEATHER UNABLE TO CREATE STATION", "WEATHER UNABLE TO REMOVE STATION", "INVALID DATA Type",
    "INVALID DATA SIZE", "DATA ERROR", "INVALID ARRAY", "CREATE OBJECT FAILED", "LOAD FLIGHTPLAN FAILED",
    "OPERATION INVALID FOR OBJECT Type", "ILLEGAL OPERATION", "ALREADY SUBSCRIBED", "INVALID ENUM",
    "DEFINITION ERROR", "DUPLICATE ID", "DATUM ID", "OUT OF BOUNDS", "ALREADY CREATED",
    "OBJECT OUTSIDE REALITY BUBBLE", "OBJECT CONTAINER", "OBJECT AI", "OBJECT ATC", "OBJECT SCHEDULE"};
static_assert(std::size(kExceptionNames) == 38);

}  // namespace

std::string SimExceptionName(std::uint32_t code) {
  const std::uint32_t index = code & 0xFFu;
  if (index >= std::size(kExceptionNames)) return "UNKNOWN EXCEPTION";
  return kExceptionNames[index];
}

}  // namespace aircraft
