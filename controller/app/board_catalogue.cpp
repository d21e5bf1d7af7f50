#include "controller/app/board_catalogue.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace trelvik {
namespace {

constexpr BoardModel kModels[] = {
    {"0201", "MFP Board"},          {"32E1", "VDK SYS1"},           {"32E2", "VDK SYS2"},
    {"32E0", "VDK SYS3"},           {"32E3", "VDK SYS4"},           {"4C55", "VDK 737 NAV"},
    {"4C56", "VDK 737 COM"},        {"4C57", "VDK 320 MULTI"},      {"4C58", "VDK 737 NAV v2"},
    {"4C59", "VDK 737 COM v2"},     {"4C5A", "VDK 737 NAVCOM"},     {"3302", "VDK CDU"},
    {"3303", "VDK ACP"},            {"3304", "VDK RMP"},            {"3305", "VDK XPNDR"},
    {"3402", "HALDOR XPNDR"},       {"3325", "GENERAL IO GM1"},     {"3306", "VDK ELEC"},
    {"3324", "VDK ELEC (OE1)"},     {"3307", "VDK MFP v2"},         {"330A", "VDK CTRL MCP"},
    {"330B", "VDK EFIS CA"},        {"330C", "VDK EFIS FO"},        {"330F", "HALDOR 737 MCP"},
    {"3327", "VDK 777 MX MCP"},     {"3403", "HALDOR 777 MCP"},     {"3404", "HALDOR 737 MCP-VDK"},
    {"3310", "VDK 737 ELVL"},       {"3311", "VDK 737-MX MCP "},    {"3312", "VDK 737 EFISF ELVL"},
    {"3313", "VDK 747 MCP"},        {"3314", "VDK 767 MCP"},        {"3315", "VDK 777 MCP"},
    {"3319", "VDK 787 MCP"},        {"3316", "VDK 320 FCU"},        {"3317", "VDK 340 FCU"},
    {"3318", "VDK 747 RMP"},        {"3401", "HALDOR MULTICOM"},    {"331A", "VDK CDU V9"},
    {"331B", "VDK A TCAS"},         {"331C", "VDK A ECAM"},         {"331D", "VDK A CLOCK"},
    {"331E", "VDK A RMP v2"},       {"331F", "VDK A ACP v2"},       {"3320", "320 PEDESTAL"},
    {"3321", "320 OH ELEC"},        {"3322", "VDK IRS"},            {"3323", "VDK OVHD (OM1)"},
    {"4101", "VTX HIO 32 64"},      {"4102", "VTX HIO 64 128"},     {"4103", "VTX HIO 128 256"},
    {"4105", "VTX HI 128"},         {"4106", "VTX HRI 8"},          {"4107", "VTX RELAY"},
    {"4109", "VTX RELAY2"},         {"4108", "VTX DEV"},            {"010C", "VTX DEV2"},
};
static_assert(std::size(kModels) == 57);

struct FamilyRow {
  BoardFamily family;
  std::array<const char*, 9> models;
};

// The first row that names the code decides.
constexpr FamilyRow kFamilies[] = {
    {BoardFamily::ModeControl, {"330A", "330F", "3403", "3327", "3310", "3311", "3404", "330B", "330C"}},
    {BoardFamily::Radio, {"4C5A", "3305", "3402", "3401", "3318"}},
    {BoardFamily::Cdu, {"3302", "331A"}},
    {BoardFamily::Irs, {"3322"}},
    {BoardFamily::OverheadElec, {"3306", "3324"}},
};

}  // namespace

const BoardModel* BoardCatalogue(int& count) {
  count = static_cast<int>(std::size(kModels));
  return kModels;
}

std::string Get_Board_Desc(std::string_view model) {
  for (const BoardModel& row : kModels) {
    if (model == row.code) return row.description;
  }
  return kNotAssigned;
}

BoardFamily FamilyOf(std::string_view model) {
  for (const FamilyRow& row : kFamilies) {
    for (const char* code : row.models) {
      if (code != nullptr && model == code) return row.family;
    }
  }
  return BoardFamily::SwitchLed;
}

}  // namespace trelvik
