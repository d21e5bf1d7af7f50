// TCustomNetSocket: the send queue and its drain, receiving and the receive loop.
#include <algorithm>
#include <cstring>

#include "components/net/custom_net_socket.h"
#include "components/net/winsock_binding.h"
#include "framework/services/clock.h"

namespace net {

namespace {

bool IsFatalSendError(int error) {
  return error == WSAECONNRESET || error == WSAENOTSOCK || error == WSAENOTCONN || error == WSAEINVAL ||
         error == WSAECONNABORTED;
}

}  // namespace

void TCustomNetSocket::DeleteSendQueue() {
  ScopedUnitLock guard(SendQueueLock());
  sendQueue_.clear();
  bufferedByteCount_ = 0;
}

void TCustomNetSocket::PutDataInSendBuffer(const void* Data, std::int32_t Len) {
  if (Len <= 0 || Data == nullptr) return;
  ScopedUnitLock guard(SendQueueLock());
  const auto* bytes = static_cast<const std::uint8_t*>(Data);
  std::int32_t remaining = Len;
  if (sendQueue_.empty()) sendQueue_.push_back(std::make_unique<TBuffer>(chunkSize_));
  for (;;) {
    const std::int32_t taken = sendQueue_.back()->Write(bytes, remaining);
    bytes += taken;
    remaining -= taken;
    if (remaining <= 0) break;
    sendQueue_.push_back(std::make_unique<TBuffer>(chunkSize_));
  }
  bufferedByteCount_ += Len;
  allSent_ = false;
}

std::int32_t TCustomNetSocket::WinsockSend(const void* Data, std::int32_t Len) {
  const auto* bytes = static_cast<const char*>(Data);
  return socketType_ == SOCK_DGRAM ? ws::sendto(socket_, bytes, Len, sendFlags_,
                                                reinterpret_cast<const sockaddr*>(&remoteAddr_), sizeof(remoteAddr_))
                                   : ws::send(socket_, bytes, Len, sendFlags_);
}

std::int32_t TCustomNetSocket::RealSend(const void* Data, std::int32_t Len) {
  const std::int32_t sent = WinsockSend(Data, Len);
  if (sent > 0) TriggerSendData(sent);
  return sent;
}

void TCustomNetSocket::TryToSend() {
  int failure = 0;
  for (;;) {
    std::int32_t sent = 0;
    bool partial = false;
    {
      ScopedUnitLock guard(SendQueueLock());
      if (socket_ == INVALID_SOCKET || sendQueue_.empty()) {
        allSent_ = true;
        return;
      }
      TBuffer* chunk = sendQueue_.front().get();
      std::int32_t pending = 0;
      const std::uint8_t* data = chunk->Peek(pending);
      if (pending == 0) {
        if (sendQueue_.size() > 1) {
          sendQueue_.pop_front();
          continue;
        }
        allSent_ = true;
        return;
      }
      sent = WinsockSend(data, pending);
      if (sent == 0) return;
      if (sent < 0) {
        failure = ws::WSAGetLastError();
        if (failure == WSAEWOULDBLOCK) return;
        break;
      }
      bufferedByteCount_ = std::max(0, bufferedByteCount_ - sent);
      chunk->Remove(sent);
      partial = sent < pending;
    }
    // The bytes are off the queue and the lock is free before OnSendData runs: a handler that sends again
    // comes back in here and finds only its own bytes, and no chunk pointer is held across the call.
    TriggerSendData(sent);
    if (partial) return;  // the next FD_WRITE goes on
  }
  // Reported outside the lock: the handlers may queue data again.
  if (IsFatalSendError(failure)) {
    if (CheckLogOptions(loWsockErr)) LogText(loWsockErr, Name() + " Winsock.Send failed " + std::to_string(failure));
    closeInvoked_ = true;
    Close();
    TriggerSessionClosed(static_cast<std::uint16_t>(failure));
    return;
  }
  ws::WSASetLastError(failure);
  SocketError("TryToSend failed");
}

std::int32_t TCustomNetSocket::Send(const void* Data, std::int32_t Len) {
  if (state_ != wsConnected && state_ != wsSocksConnected) {
    ws::WSASetLastError(WSAENOTCONN);
    SocketError("Send");
    return -1;
  }
  allSent_ = false;
  if (Len > 0)
    PutDataInSendBuffer(Data, Len);
  else
    Len = 0;
  TryToSend();
  if (allSent_) PostMessageA(window_, WM_ASYNCSELECT, static_cast<WPARAM>(socket_), MAKELPARAM(FD_WRITE, 0));
  return Len;
}

std::int32_t TCustomNetSocket::SendStr(const std::string& Text) {
  if (Text.empty()) return 0;
  return Send(Text.data(), static_cast<std::int32_t>(Text.size()));
}

std::int32_t TCustomNetSocket::SendTo(const sockaddr_in& Dest, std::int32_t DestLen, const void* Data,
                                      std::int32_t Len) {
  const int sent = ws::sendto(socket_, static_cast<const char*>(Data), Len, sendFlags_,
                              reinterpret_cast<const sockaddr*>(&Dest), DestLen);
  if (sent > 0) {
    TriggerSendData(sent);
    bool queueEmpty = false;
    {
      ScopedUnitLock guard(SendQueueLock());
      queueEmpty = bufferedByteCount_ == 0;
    }
    if (socketType_ == SOCK_DGRAM && queueEmpty)
      PostMessageA(window_, WM_ASYNCSELECT, static_cast<WPARAM>(socket_), MAKELPARAM(FD_WRITE, 0));
  }
  return sent;
}

std::int32_t TCustomNetSocket::DoRecv(void* Buffer, std::int32_t Len, int Flags) {
  const int received = ws::recv(socket_, static_cast<char*>(Buffer), Len, Flags);
  rcvdFull_ = received >= Len;
  return received;
}

std::int32_t TCustomNetSocket::DoRecvFrom(void* Buffer, std::int32_t Len, int Flags, sockaddr_in& From,
                                          std::int32_t& FromLen) {
  int length = FromLen;
  const int received =
      ws::recvfrom(socket_, static_cast<char*>(Buffer), Len, Flags, reinterpret_cast<sockaddr*>(&From), &length);
  FromLen = length;
  rcvdFull_ = received >= Len;
  return received;
}

std::int32_t TCustomNetSocket::Receive(void* Buffer, std::int32_t Len) {
  const std::int32_t received = DoRecv(Buffer, Len, 0);
  if (received < 0) lastError_ = ws::WSAGetLastError();
  return received;
}

std::int32_t TCustomNetSocket::ReceiveFrom(void* Buffer, std::int32_t Len, sockaddr_in& From, std::int32_t& FromLen) {
  const std::int32_t received = DoRecvFrom(Buffer, Len, 0, From, FromLen);
  if (received < 0) lastError_ = ws::WSAGetLastError();
  return received;
}

std::string TCustomNetSocket::ReceiveStr() {
  std::int32_t count = GetRcvdCount();
  if (count < 0) return {};
  if (count == 0) count = 255;
  std::string text(static_cast<std::size_t>(count), '\0');
  const std::int32_t received = Receive(text.data(), count);
  if (received <= 0) return {};
  text.resize(static_cast<std::size_t>(received));
  return text;
}

void TCustomNetSocket::ReceiveLoop(std::uint16_t Error, TNetSocketOptions Options) {
  // A handler that leaves the waiting bytes where they are would keep this loop going for ever: it ends
  // as soon as a pass took nothing.
  long waitingBefore = -1;
  for (;;) {
    lastError_ = 0;
    try {
      if (!TriggerDataAvailable(Error)) {
        char scratch[1024];
        if (DoRecv(scratch, sizeof(scratch), 0) < 0) {
          lastError_ = ws::WSAGetLastError();
          if (lastError_ == WSAEWOULDBLOCK) {
            lastError_ = 0;
            break;
          }
        }
      }
      if (Options.Contains(wsoNoReceiveLoop)) break;
      if (lastError_ != 0) {
        if (lastError_ == -1) lastError_ = 0;
        break;
      }
      u_long waiting = 0;
      if (ws::ioctlsocket(socket_, FIONREAD, &waiting) == SOCKET_ERROR) {
        lastError_ = ws::WSAGetLastError();
        break;
      }
      if (waiting == 0 || static_cast<long>(waiting) == waitingBefore) break;
      waitingBefore = static_cast<long>(waiting);
    } catch (...) {
      break;
    }
  }
}

void TCustomNetSocket::Flush() {
  const std::uint32_t giveUpAt = fw::TickCount() + static_cast<std::uint32_t>(std::max(flushTimeout_, 0)) * 1000u;
  while (socket_ != INVALID_SOCKET && !allSent_) {
    if (static_cast<std::int32_t>(fw::TickCount() - giveUpAt) >= 0) break;
    TryToSend();
    MessagePump();
  }
}

void TCustomNetSocket::WaitForClose() {
  const std::uint32_t giveUpAt = fw::TickCount() + static_cast<std::uint32_t>(std::max(flushTimeout_, 0)) * 1000u;
  while (socket_ != INVALID_SOCKET && state_ != wsClosed) {
    if (static_cast<std::int32_t>(fw::TickCount() - giveUpAt) >= 0) break;
    MessagePump();
    u_long waiting = 0;
    if (ws::ioctlsocket(socket_, FIONREAD, &waiting) == SOCKET_ERROR) break;
    if (waiting > 0) TriggerDataAvailable(0);
    char none = 0;
    if (DoRecv(&none, 0, 0) < 0 && ws::WSAGetLastError() != WSAEWOULDBLOCK) break;
    MessagePump();
  }
}

}  // namespace net
