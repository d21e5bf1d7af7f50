// TCustomNetSocket: the base of the socket components, a non-blocking TCP, UDP or raw IPv4 socket driven
// entirely by window messages. Each socket owns a hidden window; Winsock reports connect, read, write,
// accept and close through WSAAsyncSelect to it, and asynchronous name lookups through
// WSAAsyncGetHostByName/Addr. Outgoing data waits in a queue of fixed-size chunks that drains whenever
// Winsock takes more. Errors go to OnError when it is assigned and are raised as ESocketException
// otherwise.
//
// A socket belongs to the thread that made its window: every event runs there, inside the window's
// messages. Only the send queue is locked (the unit's send-queue lock), so data may be queued from
// another thread.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "components/net/kel_logger.h"
#include "components/net/send_buffer.h"
#include "components/net/socket_exception.h"
#include "components/net/socket_window.h"
#include "framework/classes/component.h"
#include "framework/classes/events.h"
#include "framework/classes/stringlist.h"
#include "framework/controls/messages.h"
#include "framework/rtl/format.h"
#include "framework/rtl/set.h"

namespace net {

enum TSocketState {
  wsInvalidState,
  wsOpened,
  wsBound,
  wsConnecting,
  wsSocksConnected,
  wsConnected,
  wsAccepting,
  wsListening,
  wsClosed
};
enum TSocketSendFlags { wsSendNormal, wsSendUrgent };
enum TSocketLingerOnOff { wsLingerOff, wsLingerOn, wsLingerNoSet };
enum TSocketKeepAliveOnOff { wsKeepAliveOff, wsKeepAliveOnCustom, wsKeepAliveOnSystem };
enum TNetSocketOption { wsoNoReceiveLoop, wsoTcpNoDelay, wsoSIO_RCVALL };
using TNetSocketOptions = fw::Set<TNetSocketOption>;

using TDataAvailable = std::function<void(fw::TObject* Sender, std::uint16_t ErrCode)>;
using TDataSent = TDataAvailable;
using TSessionClosed = TDataAvailable;
using TSessionAvailable = TDataAvailable;
using TSessionConnected = TDataAvailable;
using TDnsLookupDone = TDataAvailable;
using TSendData = std::function<void(fw::TObject* Sender, std::int32_t BytesSent)>;
using TChangeState = std::function<void(fw::TObject* Sender, TSocketState OldState, TSocketState NewState)>;
using TBgExceptionEvent = std::function<void(fw::TObject* Sender, fw::Exception& E, bool& CanClose)>;

// The hidden window's messages.
constexpr UINT WM_ASYNCSELECT = WM_USER + 1;
constexpr UINT WM_ASYNCGETHOSTBYNAME = WM_USER + 2;
constexpr UINT WM_ASYNCGETHOSTBYADDR = WM_USER + 3;
constexpr UINT WM_CLOSE_DELAYED = WM_USER + 4;
constexpr UINT WM_NETSOCKET_RELEASE = WM_USER + 5;
constexpr UINT WM_NETSOCKET_TEST_EXCEPTION = WM_USER + 6;

class TCustomNetSocket : public fw::TComponent, public SocketWindowTarget {
 public:
  explicit TCustomNetSocket(fw::TComponent* AOwner);
  ~TCustomNetSocket() override;
  void BeforeDestruction() override;

  // Connections.
  virtual void Connect();
  virtual void Listen();
  virtual SOCKET Accept();
  virtual void Dup(SOCKET NewSocket);
  virtual void Close();
  virtual void CloseDelayed();
  virtual void Release();
  virtual void Abort();
  virtual void Shutdown(int How);
  virtual void Flush();
  virtual void WaitForClose();
  virtual void Pause();
  virtual void Resume();

  // Data.
  virtual std::int32_t Send(const void* Data, std::int32_t Len);
  virtual std::int32_t SendTo(const sockaddr_in& Dest, std::int32_t DestLen, const void* Data, std::int32_t Len);
  virtual std::int32_t SendStr(const std::string& Text);
  virtual void PutDataInSendBuffer(const void* Data, std::int32_t Len);
  virtual std::int32_t Receive(void* Buffer, std::int32_t Len);
  virtual std::string ReceiveStr();
  virtual std::int32_t ReceiveFrom(void* Buffer, std::int32_t Len, sockaddr_in& From, std::int32_t& FromLen);

  // Name lookups; the results arrive with OnDnsLookupDone.
  virtual void DnsLookup(const std::string& HostName);
  virtual void ReverseDnsLookup(const std::string& HostAddr);
  virtual void ReverseDnsLookupSync(const std::string& HostAddr);
  virtual void CancelDnsLookup();

  // Addresses.
  virtual std::string GetPeerAddr();
  virtual std::string GetPeerPort();
  virtual int GetPeerName(sockaddr_in& Name, int& NameLen);
  virtual int GetSockName(sockaddr_in& Name, int& NameLen);
  virtual std::string GetBoundPort();
  virtual std::string GetBoundAddr();

  // timeval helpers.
  virtual bool TimerIsSet(const timeval& Tv);
  virtual void TimerClear(timeval& Tv);
  virtual bool TimerCmp(const timeval& Tv1, const timeval& Tv2, bool CmpEqual);

  virtual void MessagePump();
  // Moves the hidden window to the calling thread (ThreadDetach on the old thread first).
  virtual void ThreadAttach();
  virtual void ThreadDetach();

  // Properties.
  const std::string& Addr() const { return addrStr_; }
  void SetAddr(const std::string& value);
  const std::string& Port() const { return portStr_; }
  virtual void SetPort(const std::string& value);
  const std::string& Proto() const { return protoStr_; }
  virtual void SetProto(const std::string& value);
  const std::string& LocalPort() const { return localPortStr_; }
  void SetLocalPort(const std::string& value);
  const std::string& LocalAddr() const { return localAddr_; }
  void SetLocalAddr(const std::string& value);
  std::string PeerAddr() { return GetPeerAddr(); }
  std::string PeerPort() { return GetPeerPort(); }
  const std::string& DnsResult() const { return dnsResult_; }
  fw::TStrings* DnsResultList() const { return dnsResultList_.get(); }
  TSocketState State() const { return state_; }
  std::uint32_t ReadCount() const { return readCount_; }
  std::int32_t RcvdCount() { return GetRcvdCount(); }
  std::int32_t LastError() const { return lastError_; }
  void SetLastError(std::int32_t value) { lastError_ = value; }
  bool MultiThreaded() const { return multiThreaded_; }
  void SetMultiThreaded(bool value) { multiThreaded_ = value; }
  bool MultiCast() const { return multiCast_; }
  void SetMultiCast(bool value) { multiCast_ = value; }
  const std::string& MultiCastAddrStr() const { return multiCastAddrStr_; }
  void SetMultiCastAddrStr(const std::string& value) { multiCastAddrStr_ = value; }
  std::int32_t MultiCastIpTTL() const { return multiCastIpTTL_; }
  void SetMultiCastIpTTL(std::int32_t value) { multiCastIpTTL_ = value; }
  bool ReuseAddr() const { return reuseAddr_; }
  void SetReuseAddr(bool value) { reuseAddr_ = value; }
  TNetSocketOptions ComponentOptions() const { return componentOptions_; }
  void SetComponentOptions(TNetSocketOptions value) { componentOptions_ = value; }
  std::int32_t ListenBacklog() const { return listenBacklog_; }
  void SetListenBacklog(std::int32_t value) { listenBacklog_ = value; }
  std::uint8_t ReqVerLow() const;
  void SetReqVerLow(std::uint8_t value);
  std::uint8_t ReqVerHigh() const;
  void SetReqVerHigh(std::uint8_t value);
  std::int32_t FlushTimeout() const { return flushTimeout_; }
  void SetFlushTimeout(std::int32_t value) { flushTimeout_ = value; }
  TSocketSendFlags SendFlags();
  void SetSendFlags(TSocketSendFlags value);
  TSocketLingerOnOff LingerOnOff() const { return lingerOnOff_; }
  void SetLingerOnOff(TSocketLingerOnOff value) { lingerOnOff_ = value; }
  std::int32_t LingerTimeout() const { return lingerTimeout_; }
  void SetLingerTimeout(std::int32_t value) { lingerTimeout_ = value; }
  TSocketKeepAliveOnOff KeepAliveOnOff() const { return keepAliveOnOff_; }
  void SetKeepAliveOnOff(TSocketKeepAliveOnOff value) { keepAliveOnOff_ = value; }
  std::uint32_t KeepAliveTime() const { return keepAliveTime_; }
  void SetKeepAliveTime(std::uint32_t value) { keepAliveTime_ = value; }
  std::uint32_t KeepAliveInterval() const { return keepAliveInterval_; }
  void SetKeepAliveInterval(std::uint32_t value) { keepAliveInterval_ = value; }
  TKelLogger* KelLogger() const { return kelLogger_; }
  virtual void SetKelLogger(TKelLogger* value);
  // Bytes queued and not yet handed to Winsock.
  std::int32_t BufferedByteCount() const;
  bool AllSent() const { return allSent_; }
  HWND Handle() const { return window_; }
  SOCKET HSocket() const { return socket_; }

  TSessionAvailable OnSessionAvailable;
  TSessionConnected OnSessionConnected;
  TSessionClosed OnSessionClosed;
  TChangeState OnChangeState;
  TDataAvailable OnDataAvailable;
  TDataSent OnDataSent;
  TSendData OnSendData;
  TDnsLookupDone OnDnsLookupDone;
  fw::TNotifyEvent OnError;
  TBgExceptionEvent OnBgException;

 protected:
  void Notification(fw::TComponent* AComponent, fw::TOperation Operation) override;
  LRESULT SocketWindowMessage(UINT Msg, WPARAM WParam, LPARAM LParam) final;

  virtual void LogText(TLogOption LogOption, const std::string& Text);
  virtual bool CheckLogOptions(TLogOption LogOption);
  virtual void WndProc(fw::TMessage& MsgRec);
  virtual void AllocateSocketHWnd();
  virtual void DeallocateSocketHWnd();
  virtual void TryToSend();
  virtual void AssignDefaultValue();
  virtual void InternalClose(bool Shut, std::uint16_t Error);
  virtual void InternalAbort(std::uint16_t Error);
  virtual std::int32_t GetRcvdCount();
  virtual void BindSocket();
  virtual std::int32_t RealSend(const void* Data, std::int32_t Len);
  virtual void RaiseExceptionFmt(const std::string& Fmt, std::initializer_list<fw::FormatArg> Args);
  virtual void RaiseException(const std::string& Msg);
  virtual void HandleBgException(fw::Exception& E);
  virtual bool TriggerDataAvailable(std::uint16_t Error);
  virtual void TriggerSessionAvailable(std::uint16_t Error);
  virtual void SessionConnectedHook(std::uint16_t Error);
  virtual void TriggerSessionConnected(std::uint16_t Error);
  virtual void TriggerSessionClosed(std::uint16_t Error);
  virtual void TriggerDataSent(std::uint16_t Error);
  virtual void TriggerChangeState(TSocketState OldState, TSocketState NewState);
  virtual void TriggerDnsLookupDone(std::uint16_t Error);
  virtual void TriggerError();
  virtual std::int32_t DoRecv(void* Buffer, std::int32_t Len, int Flags);
  virtual std::int32_t DoRecvFrom(void* Buffer, std::int32_t Len, int Flags, sockaddr_in& From,
                                  std::int32_t& FromLen);
  virtual void HandleFdConnect(std::uint16_t Error);
  virtual void HandleFdRead(std::uint16_t Error);
  virtual void HandleFdWrite(std::uint16_t Error);
  virtual void HandleFdAccept(std::uint16_t Error);
  virtual void HandleFdClose(std::uint16_t Error);
  virtual void MarkConnected();

  // Reports the calling thread's last Winsock error for Operation; a reset or unconnected socket is closed.
  void SocketError(const std::string& Operation);
  void ChangeState(TSocketState NewState);
  void TriggerSendData(std::int32_t BytesSent);
  // send, or sendto the remote address for datagrams, with the send flags; fires nothing.
  std::int32_t WinsockSend(const void* Data, std::int32_t Len);
  bool IsDestroying() const { return ComponentState().Contains(fw::csDestroying); }
  std::string LogPrefix() const;

  // The receive loop of FD_READ and FD_CLOSE.
  void ReceiveLoop(std::uint16_t Error, TNetSocketOptions Options);
  void DeleteSendQueue();
  void SetLingerOption();
  void SetKeepAliveOption();
  void ReadBufferSizes();
  // Resolves what is not resolved yet of the remote port (into the address record), the local port and the
  // remote address; resolution errors raise ESocketException.
  void ResolveRemote(bool WithLocalPort);
  // The checks and reset shared by both reverse lookups; false when the name was refused.
  bool BeginReverseLookup(const std::string& HostAddr);
  void HandleLookupReply(fw::TMessage& MsgRec);
  void HandleReverseLookupReply(fw::TMessage& MsgRec);
  void HandleSocketNotification(fw::TMessage& MsgRec);
  // Closes a socket that never left wsClosed (a failed Listen), keeping the thread's Winsock error.
  void DropUnopenedSocket();
  void CloseSocketHandle();

  std::string dnsResult_;
  std::unique_ptr<fw::TStringList> dnsResultList_;
  int sendFlags_ = 0;
  std::int32_t lastError_ = 0;
  HWND window_ = nullptr;
  char lookupBuffer_[1025] = {};
  bool earlyReplyPending_ = false;
  fw::TMessage earlyReply_;
  SOCKET socket_ = INVALID_SOCKET;
  SOCKET acceptedSocket_ = INVALID_SOCKET;
  std::string addrStr_;
  bool addrResolved_ = false;
  int addrFamily_ = AF_INET;
  bool addrAssigned_ = false;
  int protocol_ = IPPROTO_TCP;
  bool protoAssigned_ = false;
  bool protoResolved_ = false;
  bool localPortResolved_ = false;
  std::string protoStr_;
  std::string portStr_;
  bool portAssigned_ = false;
  bool portResolved_ = false;
  std::uint16_t portNum_ = 0;
  std::string localPortStr_;
  std::uint16_t localPortNum_ = 0;
  std::string localAddr_;
  int socketType_ = SOCK_STREAM;
  std::deque<std::unique_ptr<TBuffer>> sendQueue_;
  std::int32_t chunkSize_ = 1460;
  TSocketLingerOnOff lingerOnOff_ = wsLingerOn;
  std::int32_t lingerTimeout_ = 0;
  TSocketKeepAliveOnOff keepAliveOnOff_ = wsKeepAliveOnSystem;
  std::uint32_t keepAliveTime_ = 30000;
  std::uint32_t keepAliveInterval_ = 1000;
  std::int32_t listenBacklog_ = 5;
  bool allSent_ = true;
  std::uint32_t readCount_ = 0;
  bool paused_ = false;
  bool closeInvoked_ = false;
  std::int32_t bufferedByteCount_ = 0;
  std::int32_t flushTimeout_ = 60;
  bool multiThreaded_ = false;
  HANDLE lookupHandle_ = nullptr;
  bool multiCast_ = false;
  std::string multiCastAddrStr_;
  std::int32_t multiCastIpTTL_ = 1;
  bool reuseAddr_ = false;
  TNetSocketOptions componentOptions_;
  TSocketState state_ = wsClosed;
  bool rcvdFull_ = false;
  bool terminated_ = false;
  long selectMask_ = 0;
  DWORD creatingThread_ = 0;
  int socketSndBufSize_ = 0;
  int socketRcvBufSize_ = 0;
  TKelLogger* kelLogger_ = nullptr;
  sockaddr_in remoteAddr_{};

 private:
  void Destroy();
  bool destroyed_ = false;
};

}  // namespace net
