#include "boardapi/hid/hid_state.h"

HidLayerState g_hid{};

HidDevice* HidFindDevice(HidDeviceHandle handle) {
  if (!handle) return nullptr;
  for (HidDevice* list : {g_hid.live, g_hid.fresh}) {
    for (HidDevice* device = list; device; device = device->next) {
      if (device == handle) return device;
    }
  }
  return nullptr;
}

void* HidAllocate(size_t bytes) {
  return g_hid.heap ? HeapAlloc(g_hid.heap, HEAP_ZERO_MEMORY, bytes) : nullptr;
}

void HidFree(void* block) {
  if (block && g_hid.heap) HeapFree(g_hid.heap, 0, block);
}
