// What the radio, multicom, transponder and overhead handlers need of the main form beyond SwitchHost: the
// radio working copies they edit, the transponder entry, the flags they clear or set, the radio outputs
// they refresh at once, and the settings and cockpit values the overhead boards step from. The main form
// implements it; GUI thread only.
#pragma once

#include <cstdint>
#include <string>

namespace aircraft {

// The six radio roles, in the order of their role sessions (SwitchRoles::radio).
enum class Radio { kCom1, kCom2, kNav1, kNav2, kAdf1, kAdf2 };
inline constexpr int kRadioCount = 6;

// The pressurisation panel's settings and the presets two overhead switches copy into them.
struct PressurisationValues {
  std::int32_t flight_altitude = 0;   // feet
  double landing_altitude = 0;        // feet
  std::int32_t flt_alt_preset = 0;    // feet
  double land_alt_preset = 0;         // feet
};

class FamilyHost {
 public:
  virtual ~FamilyHost() = default;

  // ---- Radio working values -------------------------------------------------------------------------
  // A radio's standby frequency: MHz for COM and NAV, kHz for ADF.
  virtual double& Standby(Radio radio) = 0;
  // The radio's test button is held.
  virtual bool& RadioTest(Radio radio) = 0;
  // The radio a multicom role (0 captain, 1 first officer, 2 and 3 observers) has selected.
  virtual std::int32_t& MulticomMode(std::int32_t role) = 0;
  // The transponder code being keyed ("-" for a digit still missing), mode selector (1 to 5), the
  // three-position switch (2, 1 or 0) and the IDENT press.
  virtual std::string& XpndrCodeEntry() = 0;
  virtual std::int32_t& XpndrMode() = 0;
  virtual std::int32_t& XpndrSelector() = 0;
  virtual bool& XpndrIdent() = 0;

  // ---- Flags and refreshes ----------------------------------------------------------------------------
  virtual void ClearOutputSuspended() = 0;
  // multicom_activity := 1 with its tick.
  virtual void MarkMulticomActivity(std::uint32_t tick) = 0;
  // The radio outputs of every bound board of one model (set_radio_panel).
  virtual void ShowRadioPanel(const std::string& model) = 0;
  // The 777's cockpit values copied into the form's output block again (after a multicom transfer).
  virtual void RederiveB777() = 0;

  // ---- Overhead boards ----------------------------------------------------------------------------------
  // ELEC_CONFIG_WIRING: which of the five wirings the ELEC module 3306 has.
  virtual std::int32_t ElecConfigWiring() const = 0;
  virtual PressurisationValues Pressurisation() const = 0;
};

}  // namespace aircraft
