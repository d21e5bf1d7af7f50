// The FSUIPC client's link and the operating-system calls it makes, through one table so that a test can
// stand a link of its own behind the client (the program never opens one).
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace aircraft {

// The system's own calls unless a test puts others in place.
struct FsuipcPlatform {
  LRESULT (*SendMessageTimeout)(HWND, UINT, WPARAM, LPARAM, UINT, UINT, PDWORD_PTR) = nullptr;
  void (*Sleep)(DWORD) = nullptr;
  DWORD (*GetLastError)() = nullptr;
  ATOM (*GlobalDeleteAtom)(ATOM) = nullptr;
  BOOL (*UnmapViewOfFile)(LPCVOID) = nullptr;
  BOOL (*CloseHandle)(HANDLE) = nullptr;
};
FsuipcPlatform SystemFsuipcCalls();

// The module's state; all empty while the link is not open.
struct FsuipcLink {
  HWND window = nullptr;
  UINT message = 0;
  ATOM atom = 0;
  HANDLE mapping = nullptr;
  std::uint8_t* view = nullptr;  // start of the shared buffer
  std::uint8_t* next = nullptr;  // where the next request goes
  // The callers' destinations of the queued reads, in queue order. The buffer carries each as a 32-bit
  // word, which cannot hold a 64-bit address.
  std::vector<void*> destinations;
};

FsuipcLink& FsuipcLinkState();
FsuipcPlatform& FsuipcCalls();

// For a test's scope: the given calls, and the link as given (restored, without closing, afterwards).
class ScopedFsuipcLink {
 public:
  ScopedFsuipcLink(const FsuipcPlatform& calls, const FsuipcLink& link);
  ~ScopedFsuipcLink();
  ScopedFsuipcLink(const ScopedFsuipcLink&) = delete;
  ScopedFsuipcLink& operator=(const ScopedFsuipcLink&) = delete;

 private:
  FsuipcPlatform savedCalls_;
  FsuipcLink savedLink_;
};

}  // namespace aircraft
