// Builds the eight switch words of a reading from the board's key-matrix replies (0x19-0x1C), and keeps them
// across readings: a reply updates its four bytes and leaves the others as they were.
#pragma once

#include <array>
#include <cstdint>

class KeyMatrixAssembler {
 public:
  enum class Step {
    kCompleted,  // 0x19: the reading is complete and is handed over at once
    kPartial,    // 0x1A-0x1C: part of a reading
    kOther,      // any other id (0x18): the board left the reading; high bytes wait for the next 0x19
  };

  Step Apply(const uint8_t* report);
  // A board that sends 0x19 first finishes its reading with 0x1A-0x1C; those parts are handed over once the
  // queue runs empty.
  bool HasUnreportedParts() const { return unreportedParts_; }
  void MarkHandedOver() { unreportedParts_ = false; }
  const std::array<uint16_t, 8>& Words() const { return words_; }

 private:
  void SetBytes(int firstWord, bool high, const uint8_t* bytes);

  std::array<uint16_t, 8> words_{};
  bool outOfSync_ = false;
  bool unreportedParts_ = false;
};
