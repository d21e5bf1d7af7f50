#include "boardapi/hid/hid_ring.h"

#include <cstdio>
#include <cstring>

namespace {

int Next(int position) { return (position + 1) % kHidRingSlots; }
int Previous(int position) { return (position + kHidRingSlots - 1) % kHidRingSlots; }

void Taken(HidRing& ring) {
  if (--ring.count == 0) ring.readPosition = ring.writePosition = 0;
}

}  // namespace

HidPushResult HidRingPush(HidRing& ring, HANDLE heap, const uint8_t report[kHidReportBytes]) {
  if (ring.count == kHidRingSlots) {
    std::memcpy(ring.slots[ring.writePosition], report, kHidReportBytes);
    ring.writePosition = Next(ring.writePosition);
    ring.readPosition = Next(ring.readPosition);
    return HidPushResult::Overwrote;
  }
  uint8_t*& slot = ring.slots[ring.writePosition];
  if (!slot) slot = static_cast<uint8_t*>(HeapAlloc(heap, 0, kHidReportBytes));
  if (!slot) {
    char text[80];
    std::snprintf(text, sizeof(text), "Error allocating memory to read pipe.  Error: %d\n",
                  static_cast<int>(GetLastError()));
    OutputDebugStringA(text);
    return HidPushResult::Dropped;
  }
  std::memcpy(slot, report, kHidReportBytes);
  ring.writePosition = Next(ring.writePosition);
  ++ring.count;
  return HidPushResult::Stored;
}

bool HidRingPopOldest(HidRing& ring, uint8_t report[kHidReportBytes]) {
  if (ring.count == 0) return false;
  std::memcpy(report, ring.slots[ring.readPosition], kHidReportBytes);
  ring.readPosition = Next(ring.readPosition);
  Taken(ring);
  return true;
}

bool HidRingPopNewest(HidRing& ring, uint8_t report[kHidReportBytes]) {
  if (ring.count == 0) return false;
  ring.writePosition = Previous(ring.writePosition);
  std::memcpy(report, ring.slots[ring.writePosition], kHidReportBytes);
  Taken(ring);
  return true;
}

int HidRingFlush(HidRing& ring) {
  const int dropped = ring.count;
  ring.count = ring.readPosition = ring.writePosition = 0;
  return dropped;
}

void HidRingFree(HidRing& ring, HANDLE heap) {
  for (uint8_t*& slot : ring.slots) {
    if (slot && heap) HeapFree(heap, 0, slot);
    slot = nullptr;
  }
  HidRingFlush(ring);
}
