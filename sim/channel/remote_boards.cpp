#include "sim/channel/remote_boards.h"

#include <cstring>

#include "sim/channel/control_pipe.h"

namespace simchannel {

RemoteBoards::RemoteBoards(std::string name) : name_(std::move(name)) {
  const std::string mirrorName = name_ + HIDSIM_MIRROR_SUFFIX;
  mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(HidSimMirror),
                                mirrorName.c_str());
  if (mapping_ == nullptr) return;
  view_ = static_cast<HidSimMirror*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(HidSimMirror)));
}

RemoteBoards::~RemoteBoards() {
  if (view_ != nullptr) UnmapViewOfFile(view_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
}

std::vector<HidSimMirrorBoard> RemoteBoards::Boards() const {
  if (view_ == nullptr) return {};
  // The simulator writes between two odd/even steps of the sequence; a copy taken between two equal even
  // readings is whole. Bounded: a writer that never finishes leaves the last try's copy.
  HidSimMirror copy{};
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const LONG before = InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&view_->sequence), 0, 0);
    if (before % 2 == 0) {
      std::memcpy(&copy, view_, sizeof copy);
      MemoryBarrier();
      if (InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&view_->sequence), 0, 0) == before) break;
    }
    Sleep(0);
  }
  if (copy.magic != HIDSIM_MIRROR_MAGIC) return {};
  const uint32_t count = copy.boardCount < HIDSIM_MIRROR_BOARDS ? copy.boardCount : HIDSIM_MIRROR_BOARDS;
  return std::vector<HidSimMirrorBoard>(copy.boards, copy.boards + count);
}

std::optional<std::string> RemoteBoards::Request(const std::string& request, unsigned timeoutMs) const {
  return CallControlPipe(name_, request, timeoutMs);
}

bool RemoteBoards::Press(int board, int switchNumber, bool closed) const {
  return PressAt(board, switchNumber, closed).has_value();
}

std::optional<long long> RemoteBoards::PressAt(int board, int switchNumber, bool closed) const {
  const auto reply =
      Request("press " + std::to_string(board) + " " + std::to_string(switchNumber) + (closed ? " 1" : " 0"));
  if (!reply || reply->rfind("ok ", 0) != 0) return std::nullopt;
  return std::stoll(reply->substr(3));
}

bool RemoteBoards::Unplug(int board) const {
  return Request("unplug " + std::to_string(board)) == std::optional<std::string>("ok");
}

bool RemoteBoards::Replug(int board) const {
  return Request("replug " + std::to_string(board)) == std::optional<std::string>("ok");
}

bool RemoteBoards::SetAnalog(int board, int reading) const {
  return Request("analog " + std::to_string(board) + " " + std::to_string(reading)) == std::optional<std::string>("ok");
}

bool LineOn(const HidSimMirrorBoard& board, int line) {
  if (line < 1 || line > 32) return false;
  return ((board.ports[(line - 1) / 8] >> ((line - 1) % 8)) & 1) == 0;
}

bool LedLit(const HidSimMirrorBoard& board, int led) {
  if (led < 1 || led > 256) return false;
  const int column = (led - 1) / 8;
  const int row = (led - 1) % 8;
  return (board.ledRows[row][column / 8] >> (column % 8)) & 1;
}

unsigned char DigitSegments(const HidSimMirrorBoard& board, int digit) {
  if (digit < 1 || digit > 32) return 0;
  const int column = digit - 1;
  unsigned char segments = 0;
  for (int row = 0; row < 8; ++row) {
    if ((board.ledRows[row][column / 8] >> (column % 8)) & 1) segments = static_cast<unsigned char>(segments | (1 << row));
  }
  return segments;
}

std::string DigitText(unsigned char segments) {
  // Segments a..g in bits 0..6, the point in bit 7: the figures, the minus sign, the "A" of the speed flash.
  static const struct {
    unsigned char pattern;
    char character;
  } kShapes[] = {{0x00, ' '}, {0x3F, '0'}, {0x06, '1'}, {0x5B, '2'}, {0x4F, '3'}, {0x66, '4'}, {0x6D, '5'},
                 {0x7D, '6'}, {0x07, '7'}, {0x7F, '8'}, {0x67, '9'}, {0x40, '-'}, {0x77, 'A'}};
  std::string text = "?";
  for (const auto& shape : kShapes) {
    if (shape.pattern == (segments & 0x7F)) text = std::string(1, shape.character);
  }
  if (segments & 0x80) text += '.';
  return text;
}

}  // namespace simchannel
