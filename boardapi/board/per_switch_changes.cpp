#include "boardapi/board/per_switch_changes.h"

std::vector<SwitchChange> PerSwitchChanges(const std::array<uint16_t, 8>& last, const std::array<uint16_t, 8>& now,
                                           int mode, bool initial) {
  std::vector<SwitchChange> changes;
  if (!initial && now == last) return changes;
  const int passes = mode == 2 ? 2 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    for (int word = 0; word < kKeyMatrixWords; ++word) {
      for (int bit = 8 * pass; bit < 8 * pass + 8; ++bit) {
        const int32_t state = (now[word] >> bit) & 1;
        if (initial || state != ((last[word] >> bit) & 1)) changes.push_back({SwitchNumberOf(word, bit), state});
      }
    }
  }
  return changes;
}
