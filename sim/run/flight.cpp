#include "sim/run/flight.h"

#include <cstring>

namespace trelvikrun {

namespace {

template <class Value>
void Put(std::vector<std::uint8_t>& area, std::size_t at, Value value) {
  std::memcpy(area.data() + at, &value, sizeof value);  // the add-on's areas are little-endian, as this build
}

std::vector<std::uint8_t> Area737(const FlightState& s) {
  std::vector<std::uint8_t> a(668, 0);
  // Four power buses: the aircraft is powered while any of them reads 0.
  for (std::size_t bus = 101; bus <= 104; ++bus) a[bus] = s.power ? 0 : 1;
  Put(a, 256, static_cast<std::uint16_t>(s.course));
  Put(a, 258, static_cast<std::uint16_t>(s.course));
  Put(a, 260, static_cast<float>(s.speed));
  Put(a, 268, static_cast<std::uint16_t>(s.heading));
  Put(a, 270, static_cast<std::uint16_t>(s.altitude));
  Put(a, 272, static_cast<std::int16_t>(s.verticalSpeed));
  a[274] = s.verticalSpeedMode ? 0 : 1;  // the V/S window is blank outside V/S mode
  a[277] = s.autothrottleArmed;
  a[280] = s.flightDirector;
  a[281] = s.flightDirector;
  a[283] = s.n1;
  a[284] = s.speedMode;
  a[286] = s.levelChange;
  a[287] = s.headingSelect;
  a[291] = s.altitudeHold;
  a[292] = s.verticalSpeedMode;
  a[293] = s.commandA;
  return a;
}

std::vector<std::uint8_t> Area777(const FlightState& s) {
  std::vector<std::uint8_t> a(395, 0);
  a[31] = s.power ? 1 : 0;
  Put(a, 288, static_cast<float>(s.speed));
  Put(a, 294, static_cast<std::uint16_t>(s.heading));
  Put(a, 296, static_cast<std::uint16_t>(s.altitude));
  Put(a, 298, static_cast<std::int16_t>(s.verticalSpeed));
  a[304] = s.verticalSpeedMode ? 0 : 1;
  a[336] = s.commandA;
  a[338] = s.speedMode || s.n1;
  a[341] = s.levelChange;
  a[342] = s.headingSelect;
  a[343] = s.verticalSpeedMode;
  a[344] = s.altitudeHold;
  return a;
}

Check Window(const char* name, const char* text) { return {kMcp, name, text}; }
Check Lamp(int led, bool lit) { return {kMcp, "", "", led, lit}; }

}  // namespace

std::string DataAreaName(bool is777) { return is777 ? "ORVA_777X_Data" : "ORVA_QTX_Data"; }

std::vector<std::uint8_t> DataArea(bool is777, const FlightState& state) {
  return is777 ? Area777(state) : Area737(state);
}

std::string DataRequest(bool is777, const FlightState& state) {
  return ClientDataRequest(DataAreaName(is777), DataArea(is777, state));
}

std::string ClientDataRequest(const std::string& area, const std::vector<std::uint8_t>& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string request = "data " + area + " ";
  for (std::uint8_t byte : bytes) {
    request += kDigits[byte >> 4];
    request += kDigits[byte & 15];
  }
  return request;
}

std::string AircraftRequest(const std::string& addon) {
  return "aircraft SimObjects\\Airplanes\\" + addon + "\\aircraft.cfg";
}

std::string BoardsText(bool is777) {
  return std::string("1FD1:03E8:MCP00001::") + (is777 ? "3403" : "330F") +
         ";1FD1:03E8:EFS00001::330B;1FD1:03E8:EFS00002::330C;1FD1:03EA:CDU00001::3302";
}

std::vector<Step> Flight(bool is777) {
  using K = Step::Kind;
  // The lamps and switches of the two HALDOR panels.
  const int ledHeading = is777 ? 150 : 197, ledCommand = is777 ? 145 : 204, ledLevelChange = is777 ? 149 : 196;
  const int ledVerticalSpeed = is777 ? 151 : 203;
  const int switchHeading = is777 ? 31 : 12, switchCommand = is777 ? 25 : 20, switchHeadingUp = is777 ? 8 : 38;
  const char* altitude5000 = " 5000";

  FlightState s;
  std::vector<Step> steps;
  s.power = true, s.course = 45, s.speed = 160, s.heading = 90, s.altitude = 5000, s.flightDirector = true;
  steps.push_back({K::kData, "power on: IAS 160, HDG 090, ALT 5000, flight directors on", s, kMcp, 0, 0, false,
                   {Window("HDG", "090"), Window("ALT", altitude5000)}});
  s.autothrottleArmed = true, s.n1 = true;
  steps.push_back({K::kData, "autothrottle armed, N1", s, kMcp, 0, 0, false,
                   is777 ? std::vector<Check>{Lamp(146, true)} : std::vector<Check>{Lamp(193, true), Lamp(226, true)}});
  steps.push_back({K::kPress, is777 ? "HDG HOLD pressed" : "HDG SEL pressed", s, kMcp, switchHeading, 0, true, {}});
  s.headingSelect = true;
  steps.push_back({K::kData, is777 ? "heading hold engaged" : "heading select engaged", s, kMcp, 0, 0, false,
                   {Lamp(ledHeading, true)}});
  // The window follows the knob at once; the add-on follows each detent's event with its own heading, which the
  // window shows once the turning ends.
  steps.push_back({K::kKnob, "heading knob turned 3 detents right", s, kMcp, switchHeadingUp, 3, true,
                   {Window("HDG", "093")}, 1});
  s.heading = 93;
  steps.push_back({K::kPress, is777 ? "A/P pressed" : "CMD A pressed", s, kMcp, switchCommand, 0, true, {}});
  s.commandA = true;
  steps.push_back({K::kData, "autopilot engaged", s, kMcp, 0, 0, false, {Lamp(ledCommand, true)}});
  s.altitude = 24000, s.speed = 250, s.levelChange = true, s.n1 = true;
  steps.push_back({K::kData, "climb: ALT 24000, IAS 250, level change", s, kMcp, 0, 0, false,
                   {Window("ALT", "24000"), Lamp(ledLevelChange, true)}});
  s.levelChange = false, s.n1 = false, s.speedMode = true, s.verticalSpeedMode = true, s.verticalSpeed = 1500;
  steps.push_back({K::kData, "vertical speed 1500", s, kMcp, 0, 0, false,
                   {Lamp(ledLevelChange, false), Lamp(ledVerticalSpeed, true), Window("V/S", " 1500")}});
  steps.push_back({K::kPress, "captain's CDU key 1 pressed", s, kCdu, 1, 0, true, {}});
  return steps;
}

}  // namespace trelvikrun
