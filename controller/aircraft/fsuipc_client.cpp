#include "controller/aircraft/fsuipc_client.h"

#include <cstring>

#include "controller/aircraft/fsuipc_link.h"

namespace aircraft {

namespace {

constexpr std::uint32_t kReadRequest = 1;
constexpr std::uint32_t kWriteRequest = 2;
constexpr std::uint32_t kReadHeader = 16;   // kind, offset, size, destination
constexpr std::uint32_t kWriteHeader = 12;  // kind, offset, size
constexpr int kExchangeTries = 10;
constexpr UINT kExchangeTimeoutMs = 2000;

LRESULT SystemSend(HWND window, UINT message, WPARAM w, LPARAM l, UINT flags, UINT timeout, PDWORD_PTR out) {
  return SendMessageTimeoutA(window, message, w, l, flags, timeout, out);
}
void SystemSleep(DWORD ms) { ::Sleep(ms); }
DWORD SystemLastError() { return ::GetLastError(); }
ATOM SystemDeleteAtom(ATOM atom) { return ::GlobalDeleteAtom(atom); }
BOOL SystemUnmap(LPCVOID view) { return ::UnmapViewOfFile(view); }
BOOL SystemClose(HANDLE handle) { return ::CloseHandle(handle); }

constexpr FsuipcPlatform kSystemCalls{&SystemSend,       &SystemSleep, &SystemLastError,
                                      &SystemDeleteAtom, &SystemUnmap, &SystemClose};

FsuipcLink g_link;
FsuipcPlatform g_calls = kSystemCalls;

void PutWord(std::uint8_t*& at, std::uint32_t word) {
  std::memcpy(at, &word, 4);
  at += 4;
}

std::uint32_t GetWord(const std::uint8_t* at) {
  std::uint32_t word;
  std::memcpy(&word, at, 4);
  return word;
}

std::uint64_t Queued() { return static_cast<std::uint64_t>(g_link.next - g_link.view); }

// Room for one more request of this header and size, with the closing 0 word after it.
bool Fits(std::uint32_t header, std::uint32_t size) {
  return Queued() + 4 + header + static_cast<std::uint64_t>(size) <= kFpcBufferLimit;
}

bool Finish(std::uint32_t& result, std::uint32_t code) {
  result = code;
  return code == kFpcOk;
}

// Copies the answered reads to their destinations, in queue order. The walk ends at a 0 word, at any other
// kind, and where a request would pass the queue's limit.
void CopyReadResults() {
  const std::uint8_t* at = g_link.view;
  const std::uint8_t* const end = g_link.view + kFpcBufferLimit;
  std::size_t read = 0;
  while (end - at >= 4) {
    const std::uint32_t kind = GetWord(at);
    const std::uint32_t header = kind == kReadRequest ? kReadHeader : kWriteHeader;
    if ((kind != kReadRequest && kind != kWriteRequest) || end - at < static_cast<std::ptrdiff_t>(header)) return;
    const std::uint32_t size = GetWord(at + 8);
    if (static_cast<std::uint64_t>(end - at) < header + static_cast<std::uint64_t>(size)) return;
    if (kind == kReadRequest) {
      void* destination = read < g_link.destinations.size() ? g_link.destinations[read] : nullptr;
      ++read;
      if (destination != nullptr && size != 0) std::memcpy(destination, at + header, size);
    }
    at += header + size;
  }
}

}  // namespace

FsuipcPlatform SystemFsuipcCalls() { return kSystemCalls; }

FsuipcLink& FsuipcLinkState() { return g_link; }
FsuipcPlatform& FsuipcCalls() { return g_calls; }

ScopedFsuipcLink::ScopedFsuipcLink(const FsuipcPlatform& calls, const FsuipcLink& link)
    : savedCalls_(g_calls), savedLink_(g_link) {
  g_calls = calls;
  g_link = link;
}

ScopedFsuipcLink::~ScopedFsuipcLink() {
  g_calls = savedCalls_;
  g_link = savedLink_;
}

bool FpcRead(std::uint32_t offset, std::uint32_t size, void* destination, std::uint32_t& result) {
  if (g_link.view == nullptr) return Finish(result, kFpcNotOpen);
  if (!Fits(kReadHeader, size)) return Finish(result, kFpcDoesNotFit);
  std::uint8_t* at = g_link.next;
  PutWord(at, kReadRequest);
  PutWord(at, offset);
  PutWord(at, size);
  PutWord(at, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(destination)));
  std::memset(at, 0, size);
  g_link.next = at + size;
  g_link.destinations.push_back(destination);
  return Finish(result, kFpcOk);
}

bool FpcWrite(std::uint32_t offset, std::uint32_t size, const void* source, std::uint32_t& result) {
  if (g_link.view == nullptr) return Finish(result, kFpcNotOpen);
  if (!Fits(kWriteHeader, size)) return Finish(result, kFpcDoesNotFit);
  std::uint8_t* at = g_link.next;
  PutWord(at, kWriteRequest);
  PutWord(at, offset);
  PutWord(at, size);
  if (size != 0) std::memcpy(at, source, size);
  g_link.next = at + size;
  return Finish(result, kFpcOk);
}

bool FpcProcess(std::uint32_t& result) {
  if (g_link.view == nullptr) return Finish(result, kFpcNotOpen);
  if (g_link.next == g_link.view) return Finish(result, kFpcNothingQueued);
  std::uint8_t* at = g_link.next;
  PutWord(at, 0);
  g_link.next = g_link.view;
  // The queue is emptied whatever the exchange's outcome; the copy below still needs the destinations.
  std::vector<void*> destinations;
  destinations.swap(g_link.destinations);

  DWORD_PTR answer = 0;
  bool sent = false;
  for (int attempt = 0; attempt < kExchangeTries && !sent; ++attempt) {
    sent = g_calls.SendMessageTimeout(g_link.window, g_link.message, g_link.atom, 0, SMTO_BLOCK,
                                      kExchangeTimeoutMs, &answer) != 0;
    if (!sent) g_calls.Sleep(100);
  }
  if (!sent) return Finish(result, g_calls.GetLastError() == 0 ? kFpcNoAnswer : kFpcNoAnswerError);
  if (answer != 1) return Finish(result, kFpcAnswerNotOne);

  g_link.destinations.swap(destinations);
  CopyReadResults();
  g_link.destinations.clear();
  g_link.next = g_link.view;
  return Finish(result, kFpcOk);
}

void FpcClose() {
  g_link.window = nullptr;
  g_link.message = 0;
  g_link.next = nullptr;
  g_link.destinations.clear();
  if (g_link.atom != 0) {
    g_calls.GlobalDeleteAtom(g_link.atom);
    g_link.atom = 0;
  }
  if (g_link.view != nullptr) {
    g_calls.UnmapViewOfFile(g_link.view);
    g_link.view = nullptr;
  }
  if (g_link.mapping != nullptr) {
    g_calls.CloseHandle(g_link.mapping);
    g_link.mapping = nullptr;
  }
}

}  // namespace aircraft
