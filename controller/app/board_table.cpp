#include "controller/app/board_table.h"

#include <cstring>

#include "controller/app/board_catalogue.h"

namespace trelvik {
namespace {

const tbuffer_id* Find(const BoardSlotArray& slots, const std::string& name) {
  for (int i = 1; i <= kBoardSlots; ++i) {
    if (slots[static_cast<std::size_t>(i)].name == name) return &slots[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

bool IsJoystick(const std::string& name) { return name.find("JOYSTICK") != std::string::npos; }

}  // namespace

std::string ModelOf(const BoardInfo& info) { return std::string(info.model, strnlen(info.model, 4)); }

std::int32_t ServoCountOf(const BoardInfo& info) {
  std::int32_t servos = 0;
  std::memcpy(&servos, info.reserved, sizeof servos);
  return servos;
}

bool IsRelayModel(const std::string& model) { return model == "4107" || model == "4109"; }

std::int32_t Get_Board_session(const BoardSlotArray& slots, const std::string& name) {
  const tbuffer_id* slot = Find(slots, name);
  return slot != nullptr ? slot->session : -1;
}

std::string Get_Board_Desc2(const BoardSlotArray& slots, const std::string& name) {
  if (IsJoystick(name)) return std::string();
  const tbuffer_id* slot = Find(slots, name);
  return slot != nullptr ? slot->description : kNotAssigned;
}

std::string Get_Board_Name(const BoardSlotArray& slots, const std::string& name) {
  if (IsJoystick(name)) return std::string();
  const tbuffer_id* slot = Find(slots, name);
  return slot != nullptr ? slot->description : std::string(kNotAssigned) + " " + name;
}

int SlotOfSession(const BoardSlotArray& slots, std::int32_t session) {
  for (int slot = 1; slot <= kBoardSlots; ++slot) {
    if (slots[static_cast<std::size_t>(slot)].session == session) return slot;
  }
  return 0;
}

int SlotOfDevice(const BoardSlotArray& slots, const std::string& device) {
  if (device.empty()) return 0;
  const tbuffer_id* slot = Find(slots, device);
  return slot != nullptr ? static_cast<int>(slot - slots.data()) : 0;
}

}  // namespace trelvik
