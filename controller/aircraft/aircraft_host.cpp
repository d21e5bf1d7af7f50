#include "controller/aircraft/aircraft_host.h"

namespace aircraft {

namespace {
AircraftHost* attached = nullptr;
}

void AttachAircraftHost(AircraftHost* host) { attached = host; }
AircraftHost* AttachedAircraftHost() { return attached; }

}  // namespace aircraft
