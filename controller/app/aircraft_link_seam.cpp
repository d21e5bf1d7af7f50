#include "controller/app/aircraft_link_seam.h"

namespace trelvik {
namespace {

AircraftLink* installed = nullptr;

}  // namespace

AircraftLink* InstalledAircraftLink() { return installed; }

void InstallAircraftLink(AircraftLink* link) { installed = link; }

}  // namespace trelvik
