// TCustomNetSocket: construction, properties, errors, the hidden window's messages and the FD handlers.
#include "components/net/custom_net_socket.h"

#include <cstdio>

#include "components/net/winsock_binding.h"
#include "components/net/winsock_errors.h"
#include "framework/forms/application.h"
#include "framework/rtl/textutils.h"

namespace net {

TCustomNetSocket::TCustomNetSocket(fw::TComponent* AOwner)
    : fw::TComponent(AOwner), dnsResultList_(std::make_unique<fw::TStringList>()) {
  AllocateSocketHWnd();
  TCustomNetSocket::AssignDefaultValue();
  IncrementSocketCount();
}

TCustomNetSocket::~TCustomNetSocket() {
  if (!destroyed_) {
    fw::TComponent::Destroying();
    Destroy();
  }
}

void TCustomNetSocket::BeforeDestruction() {
  fw::TComponent::BeforeDestruction();
  Destroy();
}

void TCustomNetSocket::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  try {
    CancelDnsLookup();
  } catch (...) {
  }
  if (state_ != wsClosed) {
    try {
      Close();
    } catch (...) {
    }
  }
  if (socket_ != INVALID_SOCKET) CloseSocketHandle();
  if (DecrementSocketCount() < 1) UnloadWinsock();
  DeleteSendQueue();
  DeallocateSocketHWnd();
  if (SocketCount() < 1) UnregisterSocketWindowClass();
}

void TCustomNetSocket::AssignDefaultValue() {
  remoteAddr_ = sockaddr_in{};
  remoteAddr_.sin_family = AF_INET;
  addrFamily_ = AF_INET;
  portAssigned_ = false;
  portResolved_ = false;
  addrAssigned_ = false;
  addrResolved_ = false;
  localPortResolved_ = false;
  protoAssigned_ = true;
  protoResolved_ = false;
  protocol_ = IPPROTO_TCP;
  protoStr_ = "tcp";
  socketType_ = SOCK_STREAM;
  localPortStr_ = "0";
  localAddr_ = "0.0.0.0";
  lingerOnOff_ = wsLingerOn;
  lingerTimeout_ = 0;
  socket_ = INVALID_SOCKET;
  selectMask_ = 0;
  ChangeState(wsClosed);
  allSent_ = true;
  paused_ = false;
  readCount_ = 0;
  closeInvoked_ = false;
  flushTimeout_ = 60;
}

// --- window ---

void TCustomNetSocket::AllocateSocketHWnd() {
  window_ = CreateSocketWindow(this);
  creatingThread_ = GetCurrentThreadId();
  if (window_ == nullptr) RaiseException("Cannot create a hidden window for TNetSocket");
}

void TCustomNetSocket::DeallocateSocketHWnd() {
  if (window_ == nullptr) return;
  DestroySocketWindow(window_);
  window_ = nullptr;
}

void TCustomNetSocket::ThreadAttach() {
  if (window_ != nullptr) {
    RaiseException("Cannot attach when not detached");
    return;
  }
  AllocateSocketHWnd();
  if (socket_ != INVALID_SOCKET) ws::WSAAsyncSelect(socket_, window_, WM_ASYNCSELECT, selectMask_);
}

void TCustomNetSocket::ThreadDetach() {
  if (GetCurrentThreadId() != creatingThread_) {
    RaiseException("Cannot detach from other thread");
    return;
  }
  if (socket_ != INVALID_SOCKET) ws::WSAAsyncSelect(socket_, window_, 0, 0);
  DeallocateSocketHWnd();
}

void TCustomNetSocket::MessagePump() {
  if (!multiThreaded_ && fw::Application != nullptr) {
    fw::Application->ProcessMessages();
    return;
  }
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

LRESULT TCustomNetSocket::SocketWindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  fw::TMessage message{Msg, WParam, LParam, 0};
  try {
    WndProc(message);
  } catch (fw::Exception& E) {
    HandleBgException(E);
  }
  return message.Result;
}

void TCustomNetSocket::WndProc(fw::TMessage& MsgRec) {
  switch (MsgRec.Msg) {
    case WM_ASYNCSELECT:
      HandleSocketNotification(MsgRec);
      break;
    case WM_ASYNCGETHOSTBYNAME:
      HandleLookupReply(MsgRec);
      break;
    case WM_ASYNCGETHOSTBYADDR:
      HandleReverseLookupReply(MsgRec);
      break;
    case WM_CLOSE_DELAYED:
      Close();
      break;
    case WM_NETSOCKET_RELEASE:
      Free();  // nothing of this object may be touched after this
      break;
    case WM_NETSOCKET_TEST_EXCEPTION:
      throw ESocketException("Test exception in NetSocket");
    default:
      MsgRec.Result = DefWindowProcA(window_, MsgRec.Msg, MsgRec.WParam, MsgRec.LParam);
      break;
  }
}

void TCustomNetSocket::HandleSocketNotification(fw::TMessage& MsgRec) {
  const WORD events = LOWORD(MsgRec.LParam);
  const WORD error = HIWORD(MsgRec.LParam);
  if (CheckLogOptions(loWsockDump)) {
    std::string text = "AsyncSelect CtrlSocket" + std::to_string(MsgRec.WParam) + ", " + std::to_string(events);
    if (events & FD_CONNECT) text += " FD_CONNECT";
    if (events & FD_READ) text += " FD_READ";
    if (events & FD_WRITE) text += " FD_WRITE";
    if (events & FD_CLOSE) text += " FD_CLOSE";
    if (events & FD_ACCEPT) text += " FD_ACCEPT";
    LogText(loProtSpecDump, text);
  }
  if (static_cast<SOCKET>(MsgRec.WParam) != socket_ || paused_) return;
  if (events & FD_CONNECT) HandleFdConnect(error);
  if (events & FD_READ) HandleFdRead(error);
  if (events & FD_WRITE) HandleFdWrite(error);
  if (events & FD_ACCEPT) HandleFdAccept(error);
  if (events & FD_CLOSE) HandleFdClose(error);
}

// --- FD handlers ---

void TCustomNetSocket::HandleFdConnect(std::uint16_t Error) {
  if (state_ == wsConnected) return;
  ChangeState(wsConnected);
  SessionConnectedHook(Error);
  if (Error != 0 && state_ != wsClosed) Close();
}

void TCustomNetSocket::HandleFdRead(std::uint16_t Error) {
  if (state_ != wsConnected) {
    ChangeState(wsConnected);
    SessionConnectedHook(Error);
  }
  ReceiveLoop(Error, componentOptions_);
}

void TCustomNetSocket::HandleFdWrite(std::uint16_t Error) {
  TryToSend();
  if (allSent_) TriggerDataSent(Error);
}

void TCustomNetSocket::HandleFdAccept(std::uint16_t Error) { TriggerSessionAvailable(Error); }

void TCustomNetSocket::HandleFdClose(std::uint16_t Error) {
  if (state_ == wsConnecting || socket_ == INVALID_SOCKET) return;
  ReceiveLoop(0, componentOptions_ - TNetSocketOptions{wsoNoReceiveLoop});
  if (!closeInvoked_) {
    closeInvoked_ = true;
    TriggerSessionClosed(Error);
  }
  if (state_ != wsClosed) Close();
}

void TCustomNetSocket::MarkConnected() { ChangeState(wsConnected); }

// --- triggers ---

void TCustomNetSocket::ChangeState(TSocketState NewState) {
  const TSocketState old = state_;
  state_ = NewState;
  if (old != NewState) TriggerChangeState(old, NewState);
}

bool TCustomNetSocket::TriggerDataAvailable(std::uint16_t Error) {
  if (!OnDataAvailable) return false;
  OnDataAvailable(this, Error);
  return true;
}

void TCustomNetSocket::TriggerSessionAvailable(std::uint16_t Error) {
  if (OnSessionAvailable) OnSessionAvailable(this, Error);
}

void TCustomNetSocket::SessionConnectedHook(std::uint16_t Error) { TriggerSessionConnected(Error); }

void TCustomNetSocket::TriggerSessionConnected(std::uint16_t Error) {
  if (OnSessionConnected) OnSessionConnected(this, Error);
}

void TCustomNetSocket::TriggerSessionClosed(std::uint16_t Error) {
  if (OnSessionClosed) OnSessionClosed(this, Error);
}

void TCustomNetSocket::TriggerDataSent(std::uint16_t Error) {
  if (CheckLogOptions(loWsockDump))
    LogText(loWsockDump, LogPrefix() + " TriggerDataSent " + std::to_string(socket_));
  if (OnDataSent) OnDataSent(this, Error);
}

void TCustomNetSocket::TriggerChangeState(TSocketState OldState, TSocketState NewState) {
  if (OnChangeState) OnChangeState(this, OldState, NewState);
}

void TCustomNetSocket::TriggerDnsLookupDone(std::uint16_t Error) {
  if (OnDnsLookupDone) OnDnsLookupDone(this, Error);
}

void TCustomNetSocket::TriggerError() {
  if (OnError) OnError(this);
}

void TCustomNetSocket::TriggerSendData(std::int32_t BytesSent) {
  if (OnSendData) OnSendData(this, BytesSent);
}

// --- errors ---

void TCustomNetSocket::SocketError(const std::string& Operation) {
  const int error = ws::WSAGetLastError();
  const std::string line =
      "Error " + std::to_string(error) + " in function " + Operation + "\r\n" + WinsockErrorText(error);
  if (error == WSAECONNRESET || error == WSAENOTCONN) {
    CloseSocketHandle();
    if (state_ != wsClosed && !closeInvoked_) {
      closeInvoked_ = true;
      TriggerSessionClosed(static_cast<std::uint16_t>(error));
    }
    ChangeState(wsClosed);
  }
  lastError_ = error;
  RaiseException(line);
}

void TCustomNetSocket::RaiseException(const std::string& Msg) {
  if (OnError)
    TriggerError();
  else
    throw ESocketException(Msg);
}

void TCustomNetSocket::RaiseExceptionFmt(const std::string& Fmt, std::initializer_list<fw::FormatArg> Args) {
  RaiseException(fw::Format(Fmt, Args));
}

void TCustomNetSocket::HandleBgException(fw::Exception& E) {
  bool canClose = true;
  if (OnBgException) {
    try {
      OnBgException(this, E, canClose);
    } catch (...) {
    }
  }
  if (canClose) {
    try {
      Abort();
    } catch (...) {
    }
  }
}

// --- logging ---

void TCustomNetSocket::SetKelLogger(TKelLogger* value) {
  if (value == kelLogger_) return;
  if (kelLogger_ != nullptr) kelLogger_->RemoveFreeNotification(this);
  kelLogger_ = value;
  if (kelLogger_ != nullptr) kelLogger_->FreeNotification(this);
}

void TCustomNetSocket::Notification(fw::TComponent* AComponent, fw::TOperation Operation) {
  fw::TComponent::Notification(AComponent, Operation);
  if (Operation == fw::opRemove && AComponent == kelLogger_) kelLogger_ = nullptr;
}

bool TCustomNetSocket::CheckLogOptions(TLogOption LogOption) {
  if (kelLogger_ == nullptr || static_cast<int>(LogOption) > 15) return false;
  return kelLogger_->LogOptions().Contains(LogOption);
}

void TCustomNetSocket::LogText(TLogOption LogOption, const std::string& Text) {
  if (kelLogger_ != nullptr) kelLogger_->WriteLogLine(this, LogOption, Text);
}

std::string TCustomNetSocket::LogPrefix() const {
  char text[24];
  std::snprintf(text, sizeof(text), "%08llX", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(this)));
  return text;
}

// --- properties ---

void TCustomNetSocket::SetAddr(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change Addr if not closed");
    return;
  }
  const std::string text = fw::Trim(value);
  if (addrAssigned_ && text == addrStr_) return;
  addrStr_ = text;
  addrAssigned_ = !text.empty();
  addrResolved_ = false;
}

void TCustomNetSocket::SetPort(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change Port if not closed");
    return;
  }
  const std::string text = fw::Trim(value);
  if (portAssigned_ && text == portStr_) return;
  portStr_ = text;
  portAssigned_ = !text.empty();
  portResolved_ = false;
}

void TCustomNetSocket::SetProto(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change Proto if not closed");
    return;
  }
  const std::string text = fw::Trim(value);
  if (protoAssigned_ && text == protoStr_) return;
  protoStr_ = text;
  protoAssigned_ = !text.empty();
  protoResolved_ = false;
}

void TCustomNetSocket::SetLocalPort(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change LocalPort if not closed");
    return;
  }
  localPortStr_ = value;
  localPortResolved_ = false;
}

void TCustomNetSocket::SetLocalAddr(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Cannot change LocalAddr if not closed");
    return;
  }
  localAddr_ = value.empty() ? "0.0.0.0" : value;
}

std::uint8_t TCustomNetSocket::ReqVerLow() const { return RequestedVersionLow(); }
std::uint8_t TCustomNetSocket::ReqVerHigh() const { return RequestedVersionHigh(); }

void TCustomNetSocket::SetReqVerLow(std::uint8_t value) {
  if (value == RequestedVersionLow()) return;
  if (IsWinsockLoaded()) {
    SocketError("SetReqVerLow: WinSock version can't be changed now");
    return;
  }
  SetRequestedVersionLow(value);
}

void TCustomNetSocket::SetReqVerHigh(std::uint8_t value) {
  if (value == RequestedVersionHigh()) return;
  if (IsWinsockLoaded()) {
    SocketError("SetReqVerHigh: WinSock version can't be changed now");
    return;
  }
  SetRequestedVersionHigh(value);
}

TSocketSendFlags TCustomNetSocket::SendFlags() {
  if (sendFlags_ == 0) return wsSendNormal;
  if (sendFlags_ == MSG_OOB) return wsSendUrgent;
  RaiseException("Invalid internal SendFlags");
  return wsSendNormal;
}

void TCustomNetSocket::SetSendFlags(TSocketSendFlags value) {
  switch (value) {
    case wsSendNormal:
      sendFlags_ = 0;
      break;
    case wsSendUrgent:
      sendFlags_ = MSG_OOB;
      break;
    default:
      RaiseException("Invalid SendFlags");
      break;
  }
}

std::int32_t TCustomNetSocket::BufferedByteCount() const {
  ScopedUnitLock guard(SendQueueLock());
  return bufferedByteCount_;
}

std::string TCustomNetSocket::GetPeerAddr() {
  if (state_ != wsConnected) return "error";
  sockaddr_in peer{};
  int length = sizeof(peer);
  if (ws::getpeername(socket_, reinterpret_cast<sockaddr*>(&peer), &length) != 0) {
    SocketError("GetPeerAddr");
    return "error";
  }
  return ws::inet_ntoa(peer.sin_addr);
}

std::string TCustomNetSocket::GetPeerPort() {
  if (state_ != wsConnected) return "error";
  sockaddr_in peer{};
  int length = sizeof(peer);
  if (ws::getpeername(socket_, reinterpret_cast<sockaddr*>(&peer), &length) != 0) {
    SocketError("GetPeerPort");
    return "error";
  }
  return std::to_string(ws::ntohs(peer.sin_port));
}

int TCustomNetSocket::GetPeerName(sockaddr_in& Name, int& NameLen) {
  if (state_ != wsConnected) return -1;
  return ws::getpeername(socket_, reinterpret_cast<sockaddr*>(&Name), &NameLen);
}

int TCustomNetSocket::GetSockName(sockaddr_in& Name, int& NameLen) {
  return ws::getsockname(socket_, reinterpret_cast<sockaddr*>(&Name), &NameLen);
}

std::string TCustomNetSocket::GetBoundAddr() {
  if (state_ != wsBound && state_ != wsConnected && state_ != wsListening) return "error";
  sockaddr_in local{};
  int length = sizeof(local);
  if (ws::getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length) != 0) return "error";
  return ws::inet_ntoa(local.sin_addr);
}

std::string TCustomNetSocket::GetBoundPort() {
  if (state_ != wsBound && state_ != wsConnected && state_ != wsListening) return "error";
  sockaddr_in local{};
  int length = sizeof(local);
  if (ws::getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length) != 0) return "error";
  return std::to_string(ws::ntohs(local.sin_port));
}

std::int32_t TCustomNetSocket::GetRcvdCount() {
  u_long count = 0;
  if (ws::ioctlsocket(socket_, FIONREAD, &count) == SOCKET_ERROR) {
    SocketError("ioctlSocket");
    return -1;
  }
  return static_cast<std::int32_t>(count);
}

bool TCustomNetSocket::TimerIsSet(const timeval& Tv) { return Tv.tv_sec != 0 || Tv.tv_usec != 0; }

void TCustomNetSocket::TimerClear(timeval& Tv) {
  Tv.tv_sec = 0;
  Tv.tv_usec = 0;
}

bool TCustomNetSocket::TimerCmp(const timeval& Tv1, const timeval& Tv2, bool CmpEqual) {
  const bool equal = Tv1.tv_sec == Tv2.tv_sec && Tv1.tv_usec == Tv2.tv_usec;
  return equal ? CmpEqual : !CmpEqual;
}

}  // namespace net
