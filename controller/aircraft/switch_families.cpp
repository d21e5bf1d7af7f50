#include "controller/aircraft/switch_families.h"

#include "controller/aircraft/overhead_switches.h"
#include "controller/aircraft/radio_switches.h"

namespace aircraft {

bool RunSwitchFamily(SwitchHost& host, FamilyHost& family, SwitchHost::Family kind, std::int32_t index,
                     const std::string& model, std::int32_t id, std::int32_t switchNumber, std::int32_t state) {
  switch (kind) {
    case SwitchHost::Family::kMulticom:
      RunMulticom(host, family, index, model, id, switchNumber, state);
      return true;
    case SwitchHost::Family::kRadio:
      RunRadioRole(host, family, static_cast<Radio>(index), id, switchNumber, state);
      return true;
    case SwitchHost::Family::kTransponder:
      RunTransponder(host, family, id, switchNumber, state);
      return true;
    case SwitchHost::Family::kOverhead:
      RunOverheadBoard(host, family, static_cast<OverheadBoard>(index), switchNumber, state);
      return true;
  }
  return false;
}

}  // namespace aircraft
