// The string grid's enumerated settings.
#pragma once

#include <cstdint>

namespace ui {

// The grid's look presets; glCustom marks colours set one by one.
enum TGridLook : std::uint8_t {
  glStandard,
  glSoft,
  glClassic,
  glNRV,
  glXP,
  glListView,
  glVista,
  glWin7,
  glOffice2007,
  glCustom
};

// The scroll bars' kind: the window's own, the common controls' flat or encarta bars, or custom controls.
enum TScrollType : std::uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };

// Which bars stay shown (disabled) while everything fits.
enum TScrollBarAlways : std::uint8_t { saNone, saVert, saHorz, saBoth };

enum TScrollHintType : std::uint8_t { shNone, shVertical, shHorizontal, shBoth };

enum THoverFixedCells : std::uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };

// The icon of the balloon that reports an invalid entry.
enum TInvalidEntryIcon : std::uint8_t { ieNone, ieInfo, ieWarning, ieError };

// fdAll also builds filter value lists for fixed columns.
enum TFilterDropDownColumns : std::uint8_t { fdNormal, fdAll };

}  // namespace ui
