// TCustomNetSocket: connecting, listening, accepting, adopting a socket and closing.
#include "components/net/custom_net_socket.h"
#include "components/net/net_resolve.h"
#include "components/net/winsock_binding.h"
#include "framework/rtl/textutils.h"
#include "framework/services/clock.h"

namespace net {

namespace {

constexpr int kIpMulticastIf = 2;
constexpr int kIpMulticastTtl = 3;
constexpr int kIpAddMembership = 5;
constexpr DWORD kSioRcvAll = 0x98000001;
constexpr DWORD kSioKeepAliveVals = 0x98000004;
// How long a close keeps retrying a closesocket that would block before it closes abortively.
constexpr std::uint32_t kCloseRetryMs = 1000;

int SocketTypeOf(int protocol) {
  if (protocol == IPPROTO_TCP) return SOCK_STREAM;
  if (protocol == IPPROTO_UDP) return SOCK_DGRAM;
  return SOCK_RAW;
}

}  // namespace

void TCustomNetSocket::ReadBufferSizes() {
  CountedCall counted;
  int length = sizeof(socketSndBufSize_);
  if (ws::getsockopt(socket_, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<char*>(&socketSndBufSize_), &length) != 0)
    SocketError("getsockopt(SO_SNDBUF)");
  length = sizeof(socketRcvBufSize_);
  if (ws::getsockopt(socket_, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&socketRcvBufSize_), &length) != 0)
    SocketError("getsockopt(SO_RCVBUF)");
}

void TCustomNetSocket::SetLingerOption() {
  if (lingerOnOff_ == wsLingerNoSet) return;
  if (socket_ == INVALID_SOCKET) {
    RaiseException("Cannot set linger option at this time");
    return;
  }
  linger value{};
  value.l_onoff = static_cast<u_short>(lingerOnOff_ == wsLingerOn ? 1 : 0);
  value.l_linger = static_cast<u_short>(lingerTimeout_);
  if (ws::setsockopt(socket_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&value), sizeof(value)) != 0)
    SocketError("setsockopt(SO_LINGER)");
}

void TCustomNetSocket::SetKeepAliveOption() {
  if (keepAliveOnOff_ == wsKeepAliveOff) return;
  const int on = 1;
  if (ws::setsockopt(socket_, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&on), sizeof(on)) != 0) {
    SocketError("setsockopt(SO_KEEPALIVE)");
    return;
  }
  if (keepAliveOnOff_ != wsKeepAliveOnCustom) return;
  struct {
    u_long onoff;
    u_long time;
    u_long interval;
  } values{1, keepAliveTime_, keepAliveInterval_};
  DWORD returned = 0;
  CountedCall counted;
  if (ws::WSAIoctl(socket_, kSioKeepAliveVals, &values, sizeof(values), nullptr, 0, &returned, nullptr, nullptr) != 0)
    SocketError("NetSocket_WSAIoctl(SIO_KEEPALIVE_VALS)");
}

void TCustomNetSocket::BindSocket() {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = ws::htons(localPortNum_);
  local.sin_addr.s_addr = NetSocketResolveHost(localAddr_);
  if (ws::bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
    RaiseExceptionFmt("winsock.bind failed, error #%d", {ws::WSAGetLastError()});
    return;
  }
  int length = sizeof(local);
  if (ws::getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    RaiseExceptionFmt("winsock.getsockname failed, error #%d", {ws::WSAGetLastError()});
    return;
  }
  localPortNum_ = ws::ntohs(local.sin_port);
  localPortStr_ = std::to_string(localPortNum_);
}

void TCustomNetSocket::ResolveRemote(bool WithLocalPort) {
  if (!portResolved_) {
    portNum_ = NetSocketResolvePort(portStr_, protoStr_);
    remoteAddr_.sin_port = ws::htons(portNum_);
    portResolved_ = true;
  }
  if (WithLocalPort && !localPortResolved_) {
    localPortNum_ = NetSocketResolvePort(localPortStr_, protoStr_);
    localPortResolved_ = true;
  }
  if (!addrResolved_) {
    remoteAddr_.sin_addr.s_addr = NetSocketResolveHost(addrStr_);
    addrResolved_ = true;
  }
}

void TCustomNetSocket::Connect() {
  if (socket_ != INVALID_SOCKET && state_ != wsClosed) {
    RaiseException("Connect: Socket already in use");
    return;
  }
  if (!portAssigned_) {
    RaiseException("Connect: No Port Specified");
    return;
  }
  if (!addrAssigned_) {
    RaiseException("Connect: No IP Address Specified");
    return;
  }
  if (!protoAssigned_) {
    RaiseException("Connect: No Protocol Specified");
    return;
  }
  try {
    if (!protoResolved_) {
      protocol_ = NetSocketResolveProto(protoStr_);
      socketType_ = SocketTypeOf(protocol_);
      protoResolved_ = true;
    }
    ResolveRemote(true);
  } catch (const fw::Exception& E) {
    RaiseException("connect: " + E.Message());
    return;
  }

  DeleteSendQueue();
  socket_ = ws::socket(AF_INET, socketType_, protocol_);
  if (socket_ == INVALID_SOCKET) {
    SocketError("Connect (socket)");
    return;
  }
  ReadBufferSizes();
  ChangeState(wsOpened);
  if (state_ != wsOpened) {
    ws::WSASetLastError(WSAEINVAL);
    SocketError("Connect (Invalid operation in OnChangeState)");
    return;
  }

  if (socketType_ == SOCK_DGRAM) {
    BindSocket();
    if (multiCast_) {
      if (multiCastIpTTL_ != 1) {
        const int ttl = multiCastIpTTL_;
        if (ws::setsockopt(socket_, IPPROTO_IP, kIpMulticastTtl, reinterpret_cast<const char*>(&ttl), sizeof(ttl)) != 0) {
          SocketError("setsockopt(IP_MULTICAST_TTL)");
          return;
        }
      }
      if (localAddr_ != "0.0.0.0") {
        in_addr local{};
        local.s_addr = NetSocketResolveHost(localAddr_);
        if (ws::setsockopt(socket_, IPPROTO_IP, kIpMulticastIf, reinterpret_cast<const char*>(&local), sizeof(local)) != 0) {
          SocketError("setsockopt(IP_MULTICAST_IF)");
          return;
        }
      }
    }
    if (remoteAddr_.sin_addr.s_addr == INADDR_BROADCAST) {
      const int on = 1;
      if (ws::setsockopt(socket_, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof(on)) != 0) {
        SocketError("setsockopt(SO_BROADCAST)");
        return;
      }
    }
  } else {
    const int allOnes = -1;
    if (ws::setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&allOnes), sizeof(allOnes)) != 0) {
      SocketError("setsockopt(SO_REUSEADDR)");
      return;
    }
    if (componentOptions_.Contains(wsoTcpNoDelay) &&
        ws::setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&allOnes), sizeof(allOnes)) != 0) {
      SocketError("setsockopt(IPPROTO_TCP, TCP_NODELAY)");
      return;
    }
    SetLingerOption();
    SetKeepAliveOption();
    if (localPortNum_ != 0 || localAddr_ != "0.0.0.0") BindSocket();
  }

  selectMask_ = FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
  if (ws::WSAAsyncSelect(socket_, window_, WM_ASYNCSELECT, selectMask_) != 0) {
    SocketError("WSAAsyncSelect");
    return;
  }
  if (socketType_ == SOCK_DGRAM) {
    ChangeState(wsConnected);
    SessionConnectedHook(0);
    return;
  }
  if (CheckLogOptions(loWsockInfo))
    LogText(loWsockInfo, "TNetSocket will connect to " + addrStr_ + ":" + std::to_string(portNum_));
  if (ws::connect(socket_, reinterpret_cast<const sockaddr*>(&remoteAddr_), sizeof(remoteAddr_)) != 0) {
    lastError_ = ws::WSAGetLastError();
    if (lastError_ != WSAEWOULDBLOCK) {
      SocketError("Connect");
      return;
    }
  }
  ChangeState(wsConnecting);
}

void TCustomNetSocket::DropUnopenedSocket() {
  if (socket_ == INVALID_SOCKET) return;
  const int error = ws::WSAGetLastError();
  if (state_ != wsClosed) {
    Close();
  } else {
    CloseSocketHandle();
  }
  ws::WSASetLastError(error);
}

void TCustomNetSocket::CloseSocketHandle() {
  if (socket_ == INVALID_SOCKET) return;
  ws::closesocket(socket_);
  socket_ = INVALID_SOCKET;
}

void TCustomNetSocket::Listen() {
  if (!portAssigned_) {
    ws::WSASetLastError(WSAEINVAL);
    SocketError("listen: port not assigned");
    return;
  }
  if (!protoAssigned_) {
    ws::WSASetLastError(WSAEINVAL);
    SocketError("listen: protocol not assigned");
    return;
  }
  if (!addrAssigned_) {
    ws::WSASetLastError(WSAEINVAL);
    SocketError("listen: address not assigned");
    return;
  }
  try {
    if (!protoResolved_) {
      if (fw::SameText(fw::Copy(protoStr_, 1, 4), "raw_")) {
        socketType_ = SOCK_RAW;
        protocol_ = NetSocketResolveProto(fw::Copy(protoStr_, 5, 10));
      } else {
        protocol_ = NetSocketResolveProto(protoStr_);
        socketType_ = protocol_ == IPPROTO_UDP ? SOCK_DGRAM : SOCK_STREAM;
      }
      protoResolved_ = true;
    }
    ResolveRemote(false);
  } catch (const fw::Exception& E) {
    RaiseException("listen: " + E.Message());
    return;
  }

  DeleteSendQueue();
  socket_ = ws::socket(AF_INET, socketType_, protocol_);
  if (socket_ == INVALID_SOCKET) {
    SocketError("socket");
    return;
  }
  // Until it is bound the socket is still "closed": a failure below must not leave its handle behind.
  if (socketType_ == SOCK_DGRAM && reuseAddr_) {
    const int allOnes = -1;
    if (ws::setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&allOnes), sizeof(allOnes)) != 0) {
      DropUnopenedSocket();
      SocketError("setsockopt(SO_REUSEADDR)");
      return;
    }
  }
  if (ws::bind(socket_, reinterpret_cast<const sockaddr*>(&remoteAddr_), sizeof(remoteAddr_)) != 0) {
    DropUnopenedSocket();
    SocketError("Bind");
    return;
  }
  ChangeState(wsBound);

  switch (socketType_) {
    case SOCK_STREAM:
      if (ws::listen(socket_, listenBacklog_) != 0) {
        SocketError("Listen");
        return;
      }
      ChangeState(wsListening);
      break;
    case SOCK_DGRAM:
    case SOCK_RAW:
      if (socketType_ == SOCK_DGRAM && multiCast_) {
        struct {
          in_addr group;
          in_addr local;
        } membership{};
        membership.group.s_addr = ws::inet_addr(multiCastAddrStr_.c_str());
        try {
          membership.local.s_addr = NetSocketResolveHost(addrStr_);
        } catch (const fw::Exception& E) {
          RaiseException("listen: " + E.Message());
          return;
        }
        if (ws::setsockopt(socket_, IPPROTO_IP, kIpAddMembership, reinterpret_cast<const char*>(&membership),
                           sizeof(membership)) != 0) {
          SocketError("setsockopt(IP_ADD_MEMBERSHIP)");
          return;
        }
      }
      if (socketType_ == SOCK_RAW && componentOptions_.Contains(wsoSIO_RCVALL)) {
        u_long on = 1;
        DWORD returned = 0;
        if (ws::WSAIoctl(socket_, kSioRcvAll, &on, sizeof(on), nullptr, 0, &returned, nullptr, nullptr) != 0) {
          const int error = ws::WSAGetLastError();
          Close();
          ws::WSASetLastError(error);
          SocketError("WSAIoctl(SIO_RCVALL)");
          return;
        }
      }
      ChangeState(wsListening);
      ChangeState(wsConnected);
      SessionConnectedHook(0);
      break;
    default:
      SocketError("Listen: unexpected protocol.");
      return;
  }

  selectMask_ = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;
  if (ws::WSAAsyncSelect(socket_, window_, WM_ASYNCSELECT, selectMask_) != 0) SocketError("WSAASyncSelect");
}

SOCKET TCustomNetSocket::Accept() {
  if (state_ != wsListening) {
    ws::WSASetLastError(WSAEINVAL);
    SocketError("not a listening socket");
    return INVALID_SOCKET;
  }
  int length = sizeof(remoteAddr_);
  const SOCKET accepted = ws::accept(socket_, reinterpret_cast<sockaddr*>(&remoteAddr_), &length);
  if (accepted == INVALID_SOCKET) {
    SocketError("Accept");
    return INVALID_SOCKET;
  }
  acceptedSocket_ = accepted;
  return accepted;
}

void TCustomNetSocket::Dup(SOCKET NewSocket) {
  if (NewSocket == 0 || NewSocket == INVALID_SOCKET) {
    ws::WSASetLastError(WSAEINVAL);
    SocketError("Dup");
    return;
  }
  if (state_ != wsClosed) {
    if (ws::closesocket(socket_) != 0) {
      SocketError("Dup (closesocket)");
      return;
    }
    socket_ = INVALID_SOCKET;
    ChangeState(wsClosed);
  }
  socket_ = NewSocket;
  ReadBufferSizes();
  SetLingerOption();
  selectMask_ = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;
  if (ws::WSAAsyncSelect(socket_, window_, WM_ASYNCSELECT, selectMask_) != 0) {
    SocketError("WSAAsyncSelect");
    return;
  }
  MarkConnected();
}

void TCustomNetSocket::Shutdown(int How) {
  if (CheckLogOptions(loWsockInfo))
    LogText(loWsockInfo, LogPrefix() + " TCustomNetSocket.Shutdown " + std::to_string(How) + " " + std::to_string(socket_));
  if (socket_ != INVALID_SOCKET) ws::shutdown(socket_, How);
}

void TCustomNetSocket::Close() { InternalClose(true, 0); }

void TCustomNetSocket::Abort() { InternalAbort(0); }

void TCustomNetSocket::CloseDelayed() { PostMessageA(window_, WM_CLOSE_DELAYED, 0, 0); }

void TCustomNetSocket::Release() { PostMessageA(window_, WM_NETSOCKET_RELEASE, 0, 0); }

void TCustomNetSocket::Pause() {
  paused_ = true;
  if (socket_ != INVALID_SOCKET) ws::WSAAsyncSelect(socket_, window_, 0, 0);
}

void TCustomNetSocket::Resume() {
  paused_ = false;
  if (socket_ != INVALID_SOCKET) ws::WSAAsyncSelect(socket_, window_, WM_ASYNCSELECT, selectMask_);
}

void TCustomNetSocket::InternalAbort(std::uint16_t Error) {
  CancelDnsLookup();
  DeleteSendQueue();
  if (socket_ != INVALID_SOCKET && state_ == wsConnected && socketType_ == SOCK_STREAM) {
    lingerOnOff_ = wsLingerOff;
    SetLingerOption();
  }
  InternalClose(false, Error);
}

void TCustomNetSocket::InternalClose(bool Shut, std::uint16_t Error) {
  if (socket_ == INVALID_SOCKET) {
    if (state_ != wsClosed) {
      ChangeState(wsClosed);
      AssignDefaultValue();
    }
    return;
  }
  if (state_ == wsClosed) return;
  if (Shut) Shutdown(SD_SEND);

  const std::uint32_t giveUpAt = fw::TickCount() + kCloseRetryMs;
  while (ws::closesocket(socket_) != 0) {
    lastError_ = ws::WSAGetLastError();
    if (lastError_ == WSANOTINITIALISED) break;
    if (lastError_ != WSAEWOULDBLOCK) {
      socket_ = INVALID_SOCKET;
      SocketError("Disconnect (closesocket)");
      return;
    }
    if (static_cast<std::int32_t>(fw::TickCount() - giveUpAt) >= 0) {
      // Still blocking after the grace period: close abortively and forget the socket.
      linger hard{};
      hard.l_onoff = 1;
      hard.l_linger = 0;
      ws::setsockopt(socket_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof(hard));
      ws::closesocket(socket_);
      break;
    }
    MessagePump();
    fw::SleepMs(10);
  }
  socket_ = INVALID_SOCKET;
  ChangeState(wsClosed);
  if (!IsDestroying() && !closeInvoked_) {
    closeInvoked_ = true;
    TriggerSessionClosed(Error);
  }
  try {
    AssignDefaultValue();
  } catch (...) {
  }
}

}  // namespace net
