#include "boardapi/board/key_matrix_assembler.h"

namespace {
constexpr uint8_t kLowWords0To3 = 0x19;
constexpr uint8_t kLowWords4To7 = 0x1A;
constexpr uint8_t kHighWords0To3 = 0x1B;
constexpr uint8_t kHighWords4To7 = 0x1C;
}  // namespace

void KeyMatrixAssembler::SetBytes(int firstWord, bool high, const uint8_t* bytes) {
  for (int i = 0; i < 4; ++i) {
    uint16_t& word = words_[firstWord + i];
    word = high ? static_cast<uint16_t>((word & 0x00FF) | (bytes[i] << 8))
                : static_cast<uint16_t>((word & 0xFF00) | bytes[i]);
  }
}

KeyMatrixAssembler::Step KeyMatrixAssembler::Apply(const uint8_t* report) {
  switch (report[0]) {
    case kLowWords0To3:
      SetBytes(0, false, report + 1);
      outOfSync_ = false;
      return Step::kCompleted;
    case kLowWords4To7:
      SetBytes(4, false, report + 1);
      unreportedParts_ = true;
      return Step::kPartial;
    case kHighWords0To3:
    case kHighWords4To7:
      // After a mode report the high bytes may belong to another scan; they count again from the next 0x19.
      if (!outOfSync_) {
        SetBytes(report[0] == kHighWords0To3 ? 0 : 4, true, report + 1);
        unreportedParts_ = true;
      }
      return Step::kPartial;
    default:
      outOfSync_ = true;
      return Step::kOther;
  }
}
