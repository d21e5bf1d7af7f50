#include "components/net/winsock_binding.h"

#include <string>

#include "framework/rtl/format.h"
#include "framework/startup/modules.h"

namespace net {

namespace {

constexpr char kWsock32[] = "wsock32.dll";
constexpr char kWs2_32[] = "ws2_32.dll";

// One slot per entry point, typed after its wrapper; empty until the wrapper's first call.
struct EntryTable {
#define NET_WINSOCK_SLOT(name) decltype(&ws::name) name = nullptr;
  NET_WINSOCK_SLOT(WSAStartup)
  NET_WINSOCK_SLOT(WSACleanup)
  NET_WINSOCK_SLOT(WSASetLastError)
  NET_WINSOCK_SLOT(WSAGetLastError)
  NET_WINSOCK_SLOT(WSACancelAsyncRequest)
  NET_WINSOCK_SLOT(WSAAsyncGetHostByName)
  NET_WINSOCK_SLOT(WSAAsyncGetHostByAddr)
  NET_WINSOCK_SLOT(WSAAsyncSelect)
  NET_WINSOCK_SLOT(getservbyname)
  NET_WINSOCK_SLOT(getprotobyname)
  NET_WINSOCK_SLOT(gethostbyname)
  NET_WINSOCK_SLOT(gethostbyaddr)
  NET_WINSOCK_SLOT(socket)
  NET_WINSOCK_SLOT(shutdown)
  NET_WINSOCK_SLOT(setsockopt)
  NET_WINSOCK_SLOT(getsockopt)
  NET_WINSOCK_SLOT(sendto)
  NET_WINSOCK_SLOT(send)
  NET_WINSOCK_SLOT(ntohs)
  NET_WINSOCK_SLOT(listen)
  NET_WINSOCK_SLOT(ioctlsocket)
  NET_WINSOCK_SLOT(inet_ntoa)
  NET_WINSOCK_SLOT(inet_addr)
  NET_WINSOCK_SLOT(htons)
  NET_WINSOCK_SLOT(getsockname)
  NET_WINSOCK_SLOT(getpeername)
  NET_WINSOCK_SLOT(connect)
  NET_WINSOCK_SLOT(closesocket)
  NET_WINSOCK_SLOT(bind)
  NET_WINSOCK_SLOT(accept)
  NET_WINSOCK_SLOT(recv)
  NET_WINSOCK_SLOT(recvfrom)
  NET_WINSOCK_SLOT(WSAIoctl)
#undef NET_WINSOCK_SLOT
};

struct Binding {
  HMODULE wsock32 = nullptr;
  HMODULE ws2_32 = nullptr;
  EntryTable entries;
  WSADATA data{};
  std::uint8_t versionLow = 1;
  std::uint8_t versionHigh = 1;
  int socketCount = 0;
};

// Plain data, set up at compile time: nothing runs before the unit starts.
constinit Binding binding;

// Made by the unit's start, deleted by its stop (when no socket is left).
UnitLock* bindingLock = nullptr;
UnitLock* windowClassLock = nullptr;
UnitLock* sendQueueLock = nullptr;

Binding& State() { return binding; }

UnitLock& Started(UnitLock* lock) {
  if (lock == nullptr) throw ESocketException("The socket unit is not started");
  return *lock;
}

std::string LastErrorText() { return std::to_string(GetLastError()); }

// Under the binding lock: loads "wsock32.dll" and starts Winsock unless that is done.
void LoadWsock32() {
  Binding& state = State();
  if (state.wsock32 != nullptr) return;
  HMODULE module = LoadLibraryA(kWsock32);
  if (module == nullptr) throw ESocketException(std::string("Unable to load ") + kWsock32 + " Error #" + LastErrorText());
  state.wsock32 = module;
  using StartupFn = decltype(&ws::WSAStartup);
  auto startup = reinterpret_cast<StartupFn>(reinterpret_cast<void (*)()>(GetProcAddress(module, "WSAStartup")));
  if (startup == nullptr) {
    const std::string error = LastErrorText();
    FreeLibrary(module);
    state.wsock32 = nullptr;
    throw ESocketException(std::string("Procedure WSAStartup not found in ") + kWsock32 + " Error #" + error);
  }
  const WORD version = MAKEWORD(state.versionLow, state.versionHigh);
  const int result = startup(version, &state.data);
  if (result != 0) {
    FreeLibrary(module);
    state.wsock32 = nullptr;
    throw ESocketException(fw::Format("%s: WSAStartup error #%d", {kWsock32, result}));
  }
}

FARPROC EntryOf(HMODULE module, const char* library, const char* Name) {
  FARPROC proc = GetProcAddress(module, Name);
  if (proc == nullptr)
    throw ESocketException(std::string("Procedure ") + Name + " not found in " + library + " Error #" + LastErrorText());
  return proc;
}

template <class Fn>
Fn Resolve(Fn& slot, const char* Name) {
  if (slot == nullptr) slot = reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(BindWinsockEntry(Name)));
  return slot;
}

}  // namespace

UnitLock& BindingLock() { return Started(bindingLock); }
UnitLock& WindowClassLock() { return Started(windowClassLock); }
UnitLock& SendQueueLock() { return Started(sendQueueLock); }

void StartSocketUnit() {
  OutputDebugStringA("Socket unit initialization\n");
  if (bindingLock == nullptr) bindingLock = new UnitLock;
  if (windowClassLock == nullptr) windowClassLock = new UnitLock;
  if (sendQueueLock == nullptr) sendQueueLock = new UnitLock;
}

void StopSocketUnit() {
  if (bindingLock == nullptr || SocketCount() > 0) return;  // a socket still alive keeps the locks
  delete windowClassLock;
  windowClassLock = nullptr;
  UnloadWinsock();
  delete sendQueueLock;
  sendQueueLock = nullptr;
  delete bindingLock;
  bindingLock = nullptr;
}

void RegisterSocketModules() { fw::Modules().Register({"Socket unit", &StartSocketUnit, &StopSocketUnit}); }

FARPROC BindWinsockEntry(const char* Name) {
  ScopedUnitLock guard(BindingLock());
  LoadWsock32();
  if (Name == nullptr || *Name == '\0') return nullptr;
  return EntryOf(State().wsock32, kWsock32, Name);
}

FARPROC BindWinsock2Entry(const char* Name) {
  ScopedUnitLock guard(BindingLock());
  LoadWsock32();
  Binding& state = State();
  if (state.ws2_32 == nullptr) {
    state.ws2_32 = LoadLibraryA(kWs2_32);
    if (state.ws2_32 == nullptr)
      throw ESocketException(std::string("Unable to load ") + kWs2_32 + " Error #" + LastErrorText());
  }
  if (Name == nullptr || *Name == '\0') return nullptr;
  return EntryOf(state.ws2_32, kWs2_32, Name);
}

void UnloadWinsock() {
  ScopedUnitLock guard(BindingLock());
  Binding& state = State();
  if (state.wsock32 == nullptr || state.socketCount != 0) return;
  if (state.entries.WSACleanup == nullptr)
    state.entries.WSACleanup =
        reinterpret_cast<decltype(&ws::WSACleanup)>(reinterpret_cast<void (*)()>(GetProcAddress(state.wsock32, "WSACleanup")));
  if (state.entries.WSACleanup != nullptr) state.entries.WSACleanup();
  if (state.ws2_32 != nullptr) {
    FreeLibrary(state.ws2_32);
    state.ws2_32 = nullptr;
  }
  FreeLibrary(state.wsock32);
  state.wsock32 = nullptr;
  state.entries = EntryTable{};
}

bool IsWinsockLoaded() {
  ScopedUnitLock guard(BindingLock());
  return State().wsock32 != nullptr;
}

const WSADATA& WinsockData() { return State().data; }

void IncrementSocketCount() {
  ScopedUnitLock guard(BindingLock());
  ++State().socketCount;
}

int DecrementSocketCount() {
  ScopedUnitLock guard(BindingLock());
  return --State().socketCount;
}

int SocketCount() {
  ScopedUnitLock guard(BindingLock());
  return State().socketCount;
}

std::uint8_t RequestedVersionLow() { return State().versionLow; }
std::uint8_t RequestedVersionHigh() { return State().versionHigh; }
void SetRequestedVersionLow(std::uint8_t value) { State().versionLow = value; }
void SetRequestedVersionHigh(std::uint8_t value) { State().versionHigh = value; }

namespace ws {

#define NET_WINSOCK_CALL(name) Resolve(State().entries.name, #name)

int WSAAPI WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData) {
  return NET_WINSOCK_CALL(WSAStartup)(wVersionRequested, lpWSAData);
}
int WSAAPI WSACleanup() { return NET_WINSOCK_CALL(WSACleanup)(); }
void WSAAPI WSASetLastError(int iError) { NET_WINSOCK_CALL(WSASetLastError)(iError); }
int WSAAPI WSAGetLastError() { return NET_WINSOCK_CALL(WSAGetLastError)(); }
int WSAAPI WSACancelAsyncRequest(HANDLE hAsyncTaskHandle) {
  return NET_WINSOCK_CALL(WSACancelAsyncRequest)(hAsyncTaskHandle);
}
HANDLE WSAAPI WSAAsyncGetHostByName(HWND hWnd, u_int wMsg, const char* name, char* buf, int buflen) {
  return NET_WINSOCK_CALL(WSAAsyncGetHostByName)(hWnd, wMsg, name, buf, buflen);
}
HANDLE WSAAPI WSAAsyncGetHostByAddr(HWND hWnd, u_int wMsg, const char* addr, int len, int type, char* buf,
                                    int buflen) {
  return NET_WINSOCK_CALL(WSAAsyncGetHostByAddr)(hWnd, wMsg, addr, len, type, buf, buflen);
}
int WSAAPI WSAAsyncSelect(SOCKET s, HWND hWnd, u_int wMsg, long lEvent) {
  return NET_WINSOCK_CALL(WSAAsyncSelect)(s, hWnd, wMsg, lEvent);
}
servent* WSAAPI getservbyname(const char* name, const char* proto) {
  return NET_WINSOCK_CALL(getservbyname)(name, proto);
}
protoent* WSAAPI getprotobyname(const char* name) { return NET_WINSOCK_CALL(getprotobyname)(name); }
hostent* WSAAPI gethostbyname(const char* name) { return NET_WINSOCK_CALL(gethostbyname)(name); }
hostent* WSAAPI gethostbyaddr(const char* addr, int len, int type) {
  return NET_WINSOCK_CALL(gethostbyaddr)(addr, len, type);
}
SOCKET WSAAPI socket(int af, int type, int protocol) { return NET_WINSOCK_CALL(socket)(af, type, protocol); }
int WSAAPI shutdown(SOCKET s, int how) { return NET_WINSOCK_CALL(shutdown)(s, how); }
int WSAAPI setsockopt(SOCKET s, int level, int optname, const char* optval, int optlen) {
  return NET_WINSOCK_CALL(setsockopt)(s, level, optname, optval, optlen);
}
int WSAAPI getsockopt(SOCKET s, int level, int optname, char* optval, int* optlen) {
  return NET_WINSOCK_CALL(getsockopt)(s, level, optname, optval, optlen);
}
int WSAAPI sendto(SOCKET s, const char* buf, int len, int flags, const sockaddr* to, int tolen) {
  return NET_WINSOCK_CALL(sendto)(s, buf, len, flags, to, tolen);
}
int WSAAPI send(SOCKET s, const char* buf, int len, int flags) { return NET_WINSOCK_CALL(send)(s, buf, len, flags); }
u_short WSAAPI ntohs(u_short netshort) { return NET_WINSOCK_CALL(ntohs)(netshort); }
int WSAAPI listen(SOCKET s, int backlog) { return NET_WINSOCK_CALL(listen)(s, backlog); }
int WSAAPI ioctlsocket(SOCKET s, long cmd, u_long* argp) { return NET_WINSOCK_CALL(ioctlsocket)(s, cmd, argp); }
char* WSAAPI inet_ntoa(in_addr in) { return NET_WINSOCK_CALL(inet_ntoa)(in); }
unsigned long WSAAPI inet_addr(const char* cp) { return NET_WINSOCK_CALL(inet_addr)(cp); }
u_short WSAAPI htons(u_short hostshort) { return NET_WINSOCK_CALL(htons)(hostshort); }
int WSAAPI getsockname(SOCKET s, sockaddr* name, int* namelen) {
  return NET_WINSOCK_CALL(getsockname)(s, name, namelen);
}
int WSAAPI getpeername(SOCKET s, sockaddr* name, int* namelen) {
  return NET_WINSOCK_CALL(getpeername)(s, name, namelen);
}
int WSAAPI connect(SOCKET s, const sockaddr* name, int namelen) { return NET_WINSOCK_CALL(connect)(s, name, namelen); }
int WSAAPI closesocket(SOCKET s) { return NET_WINSOCK_CALL(closesocket)(s); }
int WSAAPI bind(SOCKET s, const sockaddr* name, int namelen) { return NET_WINSOCK_CALL(bind)(s, name, namelen); }
SOCKET WSAAPI accept(SOCKET s, sockaddr* addr, int* addrlen) { return NET_WINSOCK_CALL(accept)(s, addr, addrlen); }
int WSAAPI recv(SOCKET s, char* buf, int len, int flags) { return NET_WINSOCK_CALL(recv)(s, buf, len, flags); }
int WSAAPI recvfrom(SOCKET s, char* buf, int len, int flags, sockaddr* from, int* fromlen) {
  return NET_WINSOCK_CALL(recvfrom)(s, buf, len, flags, from, fromlen);
}

#undef NET_WINSOCK_CALL

int WSAAPI WSAIoctl(SOCKET s, DWORD dwIoControlCode, void* lpvInBuffer, DWORD cbInBuffer, void* lpvOutBuffer,
                    DWORD cbOutBuffer, DWORD* lpcbBytesReturned, void* lpOverlapped, void* lpCompletionRoutine) {
  auto& slot = State().entries.WSAIoctl;
  if (slot == nullptr)
    slot = reinterpret_cast<decltype(&ws::WSAIoctl)>(reinterpret_cast<void (*)()>(BindWinsock2Entry("WSAIoctl")));
  return slot(s, dwIoControlCode, lpvInBuffer, cbInBuffer, lpvOutBuffer, cbOutBuffer, lpcbBytesReturned,
              lpOverlapped, lpCompletionRoutine);
}

}  // namespace ws

}  // namespace net
