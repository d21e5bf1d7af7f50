// The Winsock binding: "wsock32.dll" (and "ws2_32.dll" for WSAIoctl alone) are loaded by name on first
// use, Winsock is started with the requested version, and each entry point is looked up the first time its
// wrapper is called. When the last socket goes, Winsock is cleaned up and both libraries are freed, so the
// next socket loads and starts everything again.
//
// The wrappers in namespace net::ws have the names and arguments of the Winsock functions; call them
// qualified (ws::connect), never unqualified. Failures to load or bind raise ESocketException.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>

#include "components/net/socket_exception.h"
#include "components/net/unit_lock.h"

namespace net {

// Loads and starts Winsock when needed and returns the named entry of "wsock32.dll" (nullptr for an
// empty name).
FARPROC BindWinsockEntry(const char* Name);
// The same for "ws2_32.dll", after making sure "wsock32.dll" is loaded and started.
FARPROC BindWinsock2Entry(const char* Name);
// Cleans up and frees both libraries, when loaded and no socket is counted.
void UnloadWinsock();
bool IsWinsockLoaded();
const WSADATA& WinsockData();

// Live sockets plus counted calls in progress; Winsock is not unloaded while it is above 0.
void IncrementSocketCount();
// Returns the count after lowering it.
int DecrementSocketCount();
int SocketCount();

// Keeps Winsock loaded for the duration of a call.
class CountedCall {
 public:
  CountedCall() { IncrementSocketCount(); }
  ~CountedCall() { DecrementSocketCount(); }
  CountedCall(const CountedCall&) = delete;
  CountedCall& operator=(const CountedCall&) = delete;
};

// The Winsock version asked for at start-up: low byte (major) and high byte (minor), 1.1 by default.
std::uint8_t RequestedVersionLow();
std::uint8_t RequestedVersionHigh();
void SetRequestedVersionLow(std::uint8_t value);
void SetRequestedVersionHigh(std::uint8_t value);

// The socket unit's three process-wide locks: loading, unloading and the socket count; the window class;
// every socket's send queue. They exist while the unit runs; before its start the accessors raise
// ESocketException "The socket unit is not started".
UnitLock& BindingLock();
UnitLock& WindowClassLock();
UnitLock& SendQueueLock();

// The unit's start/stop pair, run by the module start-up: the start makes the locks; the stop, when no
// socket is left, unloads Winsock and deletes them. Programs and tests that use sockets call
// RegisterSocketModules before the modules start.
void RegisterSocketModules();
void StartSocketUnit();
void StopSocketUnit();

namespace ws {

int WSAAPI WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData);
int WSAAPI WSACleanup();
void WSAAPI WSASetLastError(int iError);
int WSAAPI WSAGetLastError();
int WSAAPI WSACancelAsyncRequest(HANDLE hAsyncTaskHandle);
HANDLE WSAAPI WSAAsyncGetHostByName(HWND hWnd, u_int wMsg, const char* name, char* buf, int buflen);
HANDLE WSAAPI WSAAsyncGetHostByAddr(HWND hWnd, u_int wMsg, const char* addr, int len, int type, char* buf,
                                    int buflen);
int WSAAPI WSAAsyncSelect(SOCKET s, HWND hWnd, u_int wMsg, long lEvent);
servent* WSAAPI getservbyname(const char* name, const char* proto);
protoent* WSAAPI getprotobyname(const char* name);
hostent* WSAAPI gethostbyname(const char* name);
hostent* WSAAPI gethostbyaddr(const char* addr, int len, int type);
SOCKET WSAAPI socket(int af, int type, int protocol);
int WSAAPI shutdown(SOCKET s, int how);
int WSAAPI setsockopt(SOCKET s, int level, int optname, const char* optval, int optlen);
int WSAAPI getsockopt(SOCKET s, int level, int optname, char* optval, int* optlen);
int WSAAPI sendto(SOCKET s, const char* buf, int len, int flags, const sockaddr* to, int tolen);
int WSAAPI send(SOCKET s, const char* buf, int len, int flags);
u_short WSAAPI ntohs(u_short netshort);
int WSAAPI listen(SOCKET s, int backlog);
int WSAAPI ioctlsocket(SOCKET s, long cmd, u_long* argp);
char* WSAAPI inet_ntoa(in_addr in);
unsigned long WSAAPI inet_addr(const char* cp);
u_short WSAAPI htons(u_short hostshort);
int WSAAPI getsockname(SOCKET s, sockaddr* name, int* namelen);
int WSAAPI getpeername(SOCKET s, sockaddr* name, int* namelen);
int WSAAPI connect(SOCKET s, const sockaddr* name, int namelen);
int WSAAPI closesocket(SOCKET s);
int WSAAPI bind(SOCKET s, const sockaddr* name, int namelen);
SOCKET WSAAPI accept(SOCKET s, sockaddr* addr, int* addrlen);
int WSAAPI recv(SOCKET s, char* buf, int len, int flags);
int WSAAPI recvfrom(SOCKET s, char* buf, int len, int flags, sockaddr* from, int* fromlen);
int WSAAPI WSAIoctl(SOCKET s, DWORD dwIoControlCode, void* lpvInBuffer, DWORD cbInBuffer, void* lpvOutBuffer,
                    DWORD cbOutBuffer, DWORD* lpcbBytesReturned, void* lpOverlapped, void* lpCompletionRoutine);

}  // namespace ws

}  // namespace net
