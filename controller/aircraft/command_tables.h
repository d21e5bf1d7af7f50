// The add-on's command vocabulary per aircraft, as data: which command texts send which add-on events, in
// which form, under which conditions; and the CDU key events per key and CDU column. The translation
// (command_translation.h) walks these tables; the session maps every event they can send.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "controller/aircraft/aircraft_host.h"

namespace aircraft {

// How a row sends. n is the command's value as an integer.
enum class SendForm : std::uint8_t {
  kClick,            // press then release
  kValue,            // one event with the row's data
  kValueN,           // one event with n as data
  kRotateN,          // a rotation of direction x n clicks
  kRotateHundredsN,  // a rotation of direction x (n / 100, truncated) clicks: one click per full 100 feet
  kMinsPush,         // the captain's MINS knob pushed: nothing sent
  kMinsRelease,      // ... released: a click unless the knob was turned while held
  kBaroPush,         // the captain's BARO knob pushed: nothing sent
  kBaroRelease,      // ... released: a click unless the knob was turned while held
};

// Which state of the captain's knob pushes the row needs.
enum class Hold : std::uint8_t { kAny, kMinsHeld, kMinsNotHeld, kBaroHeld, kBaroNotHeld };

// A form setting the row needs.
enum class Gate : std::uint8_t { kAlways, kSwitchesRescanned, kFoInsHpaEnabled };

struct CommandRow {
  const char* name;
  const char* value;  // null: any value
  SendForm form;
  std::uint32_t event;
  std::int32_t data;  // kValue: the event's data; the rotations: the direction, +1 or -1
  Hold hold = Hold::kAny;
  Gate gate = Gate::kAlways;
  bool startsTimer = false;  // a rotation that starts its knob's release timer
  KnobReleaseTimer timer = KnobReleaseTimer::kCaptainMins;

  constexpr CommandRow When(Hold h) const {
    CommandRow row = *this;
    row.hold = h;
    return row;
  }
  constexpr CommandRow Only(Gate g) const {
    CommandRow row = *this;
    row.gate = g;
    return row;
  }
  constexpr CommandRow Starts(KnobReleaseTimer t) const {
    CommandRow row = *this;
    row.startsTimer = true;
    row.timer = t;
    return row;
  }
};

std::span<const CommandRow> CommandTable(bool is777);

// CDU columns: the captain's, the first officer's, the observer's (777 only).
enum CduColumn : int { kCduColumnCaptain = 0, kCduColumnFirstOfficer = 1, kCduColumnObserver = 2 };
// The event of a CDU key (the board's switch number) in a column; 0 when the key or column has none.
std::uint32_t CduKeyEvent(bool is777, int column, int key);

// Every add-on event the translation can send for the aircraft, each once, ascending.
std::vector<std::uint32_t> AddonEvents(bool is777);

}  // namespace aircraft
