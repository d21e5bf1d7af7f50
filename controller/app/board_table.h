// The program's picture of the bound boards: 50 slots (numbered 1 to 50) of device name, session,
// description and model, with the BoardInfo of each slot beside them. Built by discovery, read by the
// switch processing, the output passes and the dialogs, on the GUI thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "boardapi/include/ventrixAPI.h"

namespace trelvik {

inline constexpr int kBoardSlots = 50;

struct tbuffer_id {
  std::string name;  // product id (4 hex digits) and serial; empty for a free slot
  std::int32_t session = 0;
  std::string description;
  std::string model;
};

// Slots and BoardInfo entries indexed 1..50 (index 0 is unused).
using BoardSlotArray = std::array<tbuffer_id, kBoardSlots + 1>;
using BoardInfoArray = std::array<BoardInfo, kBoardSlots + 1>;

// The model code in a BoardInfo: its first four characters.
std::string ModelOf(const BoardInfo& info);
// The relay boards ("4107", "4109"): their outputs are data lines, and they take no lamp test.
bool IsRelayModel(const std::string& model);
// The servo count that the board list shows: the word at byte 48 of the BoardInfo.
std::int32_t ServoCountOf(const BoardInfo& info);

// Lookups by device name over slots 1..50 in order; whole-text, case-sensitive compares, so an empty
// name matches the first free slot.
// The session of the first slot holding name; -1 when none does.
std::int32_t Get_Board_session(const BoardSlotArray& slots, const std::string& name);
// Empty for a joystick name; the slot's description, or "NotAssigned" when no slot holds name.
std::string Get_Board_Desc2(const BoardSlotArray& slots, const std::string& name);
// Empty for a joystick name; the slot's description, or "NotAssigned " and the name when no slot holds it.
std::string Get_Board_Name(const BoardSlotArray& slots, const std::string& name);
// The first slot 1..50 holding session; 0 when none does.
int SlotOfSession(const BoardSlotArray& slots, std::int32_t session);
// The first slot 1..50 holding the device name; 0 for an empty name (a free slot has none) or when none does.
int SlotOfDevice(const BoardSlotArray& slots, const std::string& device);

}  // namespace trelvik
