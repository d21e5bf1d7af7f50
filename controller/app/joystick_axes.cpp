#include "controller/app/joystick_axes.h"

namespace trelvik {

namespace {

struct AxisFunctionRow {
  const char* caption;
  const char* command;
};

constexpr AxisFunctionRow kAxisRows[kAxisFunctions + 1] = {
    {"", ""},
    {"CPT OUTBD", "DISPLAY_CPT_PFD_BRIGHTNESS="},
    {"CPT INBD", "DISPLAY_CPT_ND_BRIGHTNESS="},
    {"CPT INBD WXR/TERR", "TERRAIN_CPT_BRIGHTNESS="},
    {"LOWER", "DISPLAY_MFD_BRIGHTNESS="},
    {"LOWER WXR/TERR", "TERRAIN_LWR_BRIGHTNESS="},
    {"UPPER", "DISPLAY_EICAS_BRIGHTNESS="},
    {"FO OUTBD", "DISPLAY_FO_PFD_BRIGHTNESS="},
    {"FO INBD", "DISPLAY_FO_ND_BRIGHTNESS="},
    {"FO INBD WXR/TERR", "TERRAIN_FO_BRIGHTNESS="},
    {"WXR TILT ANGLE", "WEATHER_RADAR_TILT_ANLGE="},
    {"ATC CHATTER VOL", "ATC_CHATTER_VOLUME="},
    {"WXR GAIN", "WEATHER_RADAR_ACTIVE="},
    {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""},
    {"Elevator", ""}, {"Elevator", ""}, {"Elevator", ""},
    {"Aileron", ""}, {"Aileron", ""}, {"Aileron", ""},
    {"Rudder", ""}, {"Rudder", ""},
    {"Steering Tiller", ""}, {"Steering Tiller", ""},
    {"Brakes L", ""}, {"Brakes L", ""},
    {"Brakes R", ""}, {"Brakes R", ""},
    {"Throttle L", ""},
    {"Throttle R", ""},
    {"Speedbrake", ""},
    {"Flaps", ""},
};

}  // namespace

bool IsAxisFunction(int function) { return (function >= 1 && function <= 12) || (function >= 20 && function <= 37); }

const char* AxisCaption(int function) { return IsAxisFunction(function) ? kAxisRows[function].caption : ""; }

const char* AxisCommand(int function) { return IsAxisFunction(function) ? kAxisRows[function].command : ""; }

}  // namespace trelvik
