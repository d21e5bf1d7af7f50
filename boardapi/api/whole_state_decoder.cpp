#include "boardapi/api/whole_state_decoder.h"

#include <algorithm>

namespace {

constexpr int kEncoderWord = 7;
constexpr int kEncoderBits = 3;
constexpr int kEncoderCount = 2;
// Switch of position 1 of each encoder; position v is that switch + v - 1.
constexpr int32_t kEncoderFirstSwitch[kEncoderCount] = {57, 64};

}  // namespace

std::vector<SwitchChange> DecodeWholeState(WholeStateCopy copy, const uint16_t (&words)[8], bool encoders) {
  std::vector<SwitchChange> changes;
  if (std::equal(copy.bits.begin(), copy.bits.end(), words)) return changes;
  for (int word = 0; word < kKeyMatrixWords; ++word) {
    if (words[word] == copy.bits[word]) continue;
    for (int bit = 0; bit < 16; ++bit) {
      const int32_t state = (words[word] >> bit) & 1;
      if (state == ((copy.bits[word] >> bit) & 1)) continue;
      int32_t number = SwitchNumberOf(word, bit);
      if (encoders && word == kEncoderWord && bit < kEncoderCount * kEncoderBits) {
        const int encoder = bit / kEncoderBits;
        const int shift = encoder * kEncoderBits;
        const uint16_t mask = static_cast<uint16_t>(((1 << kEncoderBits) - 1) << shift);
        const int position = (words[word] & mask) >> shift;
        int32_t& lastSwitch = encoder == 0 ? copy.encoder1Switch : copy.encoder2Switch;
        number = position != 0 ? kEncoderFirstSwitch[encoder] + position - 1 : lastSwitch;
        lastSwitch = number;
        // The encoder's other changed bits now compare equal: one report per encoder and reading.
        copy.bits[word] = static_cast<uint16_t>((copy.bits[word] & ~mask) | (words[word] & mask));
      }
      changes.push_back({number, state});
    }
  }
  std::copy(std::begin(words), std::end(words), copy.bits.begin());
  return changes;
}
