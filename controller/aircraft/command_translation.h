// The command translation: a command text (name, "=", value) becomes the add-on events of the selected
// aircraft, sent to the user aircraft through SimConnect. Texts the tables do not know, and values a row
// cannot use, send nothing. GUI thread only; the events go out on whatever session is open (the null
// handle when none is) and their results are not looked at.
#pragma once

#include <cstdint>
#include <string_view>

namespace aircraft {

// Clicks a rotation sends at most for one command; a larger count is cut to this.
inline constexpr std::int64_t kMaxClicksPerCommand = 1000;

// The main form's Send_Server_Message, for the aircraft and flags of the attached host.
void SendServerMessage(std::string_view command);

// The send forms.
void SendClick(std::uint32_t event);
void SendRotate(std::uint32_t event, std::int64_t clicks);
void SendValue(std::uint32_t event, std::uint32_t data);
void SendCduKey737(int column, int key, int press);
void SendCduKey777(int column, int key, int press);

}  // namespace aircraft
