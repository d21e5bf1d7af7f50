// The input functions' commands: the last step of the switch processing for an event that no panel family
// claimed. Every input function whose main or second switch is the event's board and switch runs its ON or
// OFF command. A command is a text sent to the aircraft, or a keyword in square brackets for the program
// (rescan, lamp tests, internal flags, an FSUIPC write), and two commands can be joined with ":".
// GUI thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "controller/aircraft/input_function.h"

namespace aircraft {

class InputCommandHost {
 public:
  virtual ~InputCommandHost() = default;
  // The main form's input functions 1..412.
  virtual const InputRecords& Inputs() const = 0;
  // Send_Server_Message.
  virtual void SendCommand(const std::string& command) = 0;
  // light_test and light_test2 (the latter without the relay boards).
  virtual void LightTest(bool on) = 0;
  virtual void LightTest2(bool on) = 0;
  // The switch monitor grid.
  virtual void WriteSwitchStates() = 0;
  // The whole switch rescan; it may come back here for the switches it replays.
  virtual void Rescan() = 0;
  // Set once an ON command sent "PARKING_BRAKE=1"; an OFF command's "PARKING_BRAKE=0" waits for it.
  virtual bool& ParkingBrakeSent() = 0;
  // sim_detected: FSUIPC writes are made only while it is set; a failed one clears it.
  virtual bool& SimDetected() = 0;
  // FpcWrite of `size` bytes at offset (result 0 when queued), and FpcProcess.
  virtual std::uint32_t FsuipcWrite(std::uint32_t offset, std::uint32_t size, const void* data) = 0;
  virtual std::uint32_t FsuipcProcess() = 0;
};

// Runs the input functions for one event: the board text (a device name, or "JOYSTICK " and the 0-based
// joystick number), the switch number and its state (1 ON, 0 OFF). The functions are examined from 1 up
// to the first one without a name.
void RunInputAssignments(InputCommandHost& host, const std::string& board, std::int32_t switchNumber,
                         std::int32_t state);

// The FSUIPC offset of a function: its text read as hexadecimal (1 to 4 hex digits); nothing when the text
// is anything else, in which case no write is made.
std::optional<std::uint32_t> FsuipcOffset(const std::string& text);

}  // namespace aircraft
