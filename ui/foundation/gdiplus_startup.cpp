#include "ui/foundation/gdiplus_startup.h"

#include <windows.h>

#include "ui/foundation/gdip_base.h"
#include "ui/foundation/gdiplus_flat.h"
#include "ui/foundation/style_detection.h"

namespace ui {

namespace {

ULONG_PTR startupToken = 0;
ULONG_PTR notificationToken = 0;
flat::GdiplusStartupOutput startupOutput{};
bool hooked = false;

flat::GdiplusStartupInput StartupInput() {
  flat::GdiplusStartupInput input{};
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = TRUE;
  input.SuppressExternalCodecs = FALSE;
  return input;
}

// Windows before Vista (major version below 6) want the notification hook while the background thread
// is suppressed.
bool WantsNotificationHook() {
  const unsigned major = WindowsVersion().Major;
  return major != 0 && major < 6;
}

void* AllocateFromGdiplus(std::size_t size) { return flat::GdipAlloc(size); }
void ReleaseToGdiplus(void* block) { flat::GdipFree(block); }

}  // namespace

fw::Service<void*(std::size_t)> GdiplusAllocate(AllocateFromGdiplus);
fw::Service<void(void*)> GdiplusRelease(ReleaseToGdiplus);

void* TGdiplusBase::operator new(std::size_t size) {
  void* block = GdiplusAllocate(size);
  if (block == nullptr) {
    // GDI+ may not be running yet: start it (for good) and ask again.
    ULONG_PTR token = 0;
    const flat::GdiplusStartupInput input = StartupInput();
    flat::GdiplusStartupOutput output{};
    flat::GdiplusStartup(&token, &input, &output);
    block = GdiplusAllocate(size);
  }
  if (block == nullptr) throw EGdiplusOutOfMemory("Out of memory for a GDI+ object");
  return block;
}

void TGdiplusBase::operator delete(void* block) noexcept {
  if (block != nullptr) GdiplusRelease(block);
}

void StartGdiplus() {
  if (startupToken != 0) return;
  const flat::GdiplusStartupInput input = StartupInput();
  startupOutput = flat::GdiplusStartupOutput{};
  if (flat::GdiplusStartup(&startupToken, &input, &startupOutput) != Ok) {
    startupToken = 0;
    return;
  }
  if (WantsNotificationHook() && startupOutput.NotificationHook != nullptr) {
    hooked = startupOutput.NotificationHook(&notificationToken) == Ok;
  }
}

void StopGdiplus() {
  if (startupToken == 0) return;
  if (hooked && startupOutput.NotificationUnhook != nullptr) startupOutput.NotificationUnhook(notificationToken);
  hooked = false;
  flat::GdiplusShutdown(startupToken);
  startupToken = 0;
}

bool GdiplusStarted() { return startupToken != 0; }

}  // namespace ui
