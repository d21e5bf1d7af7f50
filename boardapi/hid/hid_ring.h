// A pipe's ring of input reports: 128 slots of 64 bytes, each slot's buffer taken from the layer's heap on
// first use and kept. A full ring drops its oldest report for the new one. The caller holds the ring mutex.
#pragma once

#include <windows.h>

#include <cstdint>

#include "boardapi/hid/hid_layer.h"

struct HidRing {
  uint8_t* slots[kHidRingSlots];
  int readPosition;
  int writePosition;
  int count;
};

enum class HidPushResult { Stored, Overwrote, Dropped };

// Dropped only when a slot's buffer could not be allocated (the report is lost, the debugger is told).
HidPushResult HidRingPush(HidRing& ring, HANDLE heap, const uint8_t report[kHidReportBytes]);
bool HidRingPopOldest(HidRing& ring, uint8_t report[kHidReportBytes]);
bool HidRingPopNewest(HidRing& ring, uint8_t report[kHidReportBytes]);
// Empties the ring; answers how many reports were dropped.
int HidRingFlush(HidRing& ring);
// Gives every slot's buffer back to the heap and empties the ring.
void HidRingFree(HidRing& ring, HANDLE heap);
