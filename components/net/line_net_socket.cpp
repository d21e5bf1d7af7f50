#include "components/net/line_net_socket.h"

#include <algorithm>
#include <cstring>

#include "components/net/winsock_binding.h"
#include "framework/forms/application.h"
#include "framework/services/clock.h"

namespace net {

namespace {

constexpr int kWaitFailed = 12001;
// Re-delivery passes in a row that change nothing before the re-scan gives up.
constexpr int kIdleRescanPasses = 3;

}  // namespace

TCustomLineNetSocket::TCustomLineNetSocket(fw::TComponent* AOwner) : TCustomSocksNetSocket(AOwner) {}

void TCustomLineNetSocket::WndProc(fw::TMessage& MsgRec) {
  if (MsgRec.Msg != WM_NETSOCKET_LINE_RESCAN) {
    TCustomSocksNetSocket::WndProc(MsgRec);
    return;
  }
  try {
    int idlePasses = 0;
    while (rcvdCnt_ > 0) {
      const std::int32_t before = rcvdCnt_;
      const bool modeBefore = lineMode_;
      lineFound_ = false;
      TriggerDataAvailable(0);
      if (rcvdCnt_ == 0) break;
      const bool progressed = rcvdCnt_ != before || lineMode_ != modeBefore;
      idlePasses = progressed ? 0 : idlePasses + 1;
      if (idlePasses > kIdleRescanPasses) break;
      if (lineMode_ && !lineFound_ && idlePasses > 0) break;
    }
  } catch (fw::Exception& E) {
    HandleBgException(E);
  }
}

void TCustomLineNetSocket::SetLineMode(bool value) {
  if (value == lineMode_) return;
  lineMode_ = value;
  if (rcvdCnt_ > 0 || lineLength_ > 0) PostMessageA(window_, WM_NETSOCKET_LINE_RESCAN, 0, 0);
}

std::int32_t TCustomLineNetSocket::SendLine(const std::string& Text) {
  if (Text.empty()) return 0;
  PutDataInSendBuffer(Text.data(), static_cast<std::int32_t>(Text.size()));
  if (lineEnd_.empty())
    Send(nullptr, 0);
  else
    SendStr(lineEnd_);
  return static_cast<std::int32_t>(Text.size() + lineEnd_.size());
}

std::int32_t TCustomLineNetSocket::GetRcvdCount() {
  if (lineMode_) return lineLength_;
  return TCustomSocksNetSocket::GetRcvdCount();
}

std::int32_t TCustomLineNetSocket::DoRecv(void* Buffer, std::int32_t Len, int Flags) {
  std::int32_t available = 0;
  if (lineMode_ && lineLength_ > 0)
    available = lineLength_;
  else if (!lineMode_ && rcvdCnt_ > 0)
    available = rcvdCnt_;
  else
    return TCustomSocksNetSocket::DoRecv(Buffer, Len, Flags);
  const std::int32_t count = std::clamp(Len, 0, available);
  std::memcpy(Buffer, rcvBuf_.data(), static_cast<std::size_t>(count));
  std::memmove(rcvBuf_.data(), rcvBuf_.data() + count, static_cast<std::size_t>(rcvdCnt_ - count));
  rcvdCnt_ -= count;
  rcvBuf_[static_cast<std::size_t>(rcvdCnt_)] = '\0';
  if (lineMode_ && lineLength_ > 0) lineLength_ -= count;
  return count;
}

void TCustomLineNetSocket::TriggerLineLimitExceeded(std::int32_t Count, bool& ClearData) {
  if (OnLineLimitExceeded) OnLineLimitExceeded(this, Count, ClearData);
}

void TCustomLineNetSocket::EditLine(std::int32_t& Len) {
  std::string edited(rcvBuf_.data(), static_cast<std::size_t>(rcvdCnt_));
  std::string echo;
  std::size_t leftmost = edited.size();
  for (std::int32_t i = 0; i < Len; ++i) {
    const char c = rcvBuf_[static_cast<std::size_t>(rcvdCnt_ + i)];
    if (c == '\b') {
      if (!edited.empty()) {
        if (lineEcho_) echo += "\b \b";
        edited.pop_back();
        leftmost = std::min(leftmost, edited.size());
      }
    } else if (c == '\t') {
      const std::size_t blanks = 8 - edited.size() % 8;
      edited.append(blanks, ' ');
      if (lineEcho_) echo.append(blanks, ' ');
    } else {
      edited += c;
      if (lineEcho_) echo += c;
    }
  }
  if (!echo.empty()) Send(echo.data(), static_cast<std::int32_t>(echo.size()));
  if (rcvBuf_.size() < edited.size() + 1) rcvBuf_.resize(edited.size() + 1);
  std::memcpy(rcvBuf_.data(), edited.data(), edited.size());
  rcvBuf_[edited.size()] = '\0';
  rcvdCnt_ = static_cast<std::int32_t>(leftmost);
  Len = static_cast<std::int32_t>(edited.size() - leftmost);
}

bool TCustomLineNetSocket::TriggerDataAvailable(std::uint16_t Error) {
  if (!lineMode_ || lineEnd_.empty() || SocksNegotiating()) return TCustomSocksNetSocket::TriggerDataAvailable(Error);

  // A line offered before and left in place is searched for again from the start.
  const bool linePending = lineLength_ > 0;
  lineLength_ = 0;
  std::int32_t count = TCustomSocksNetSocket::GetRcvdCount();
  if (count < 0) return true;
  if (count == 0) count = 255;
  const auto needed = static_cast<std::size_t>(rcvdCnt_) + static_cast<std::size_t>(count) + 1;
  if (rcvBuf_.size() < needed) rcvBuf_.resize(needed);

  std::int32_t received = Receive(rcvBuf_.data() + rcvdCnt_, count);
  if (received < 1) {
    if (rcvdCnt_ == 0) return true;
    received = 0;
  }
  if (received > 0) {
    if (lineEdit_)
      EditLine(received);
    else if (lineEcho_)
      Send(rcvBuf_.data() + rcvdCnt_, received);
  }
  const auto endLength = static_cast<std::int32_t>(lineEnd_.size());
  std::int32_t searchFrom = linePending ? 0 : std::max(0, rcvdCnt_ - endLength);
  rcvdCnt_ += received;
  rcvBuf_[static_cast<std::size_t>(rcvdCnt_)] = '\0';

  while (lineMode_) {
    std::int32_t found = -1;
    for (std::int32_t i = searchFrom; i <= rcvdCnt_ - endLength; ++i) {
      if (std::memcmp(rcvBuf_.data() + i, lineEnd_.data(), lineEnd_.size()) == 0) {
        found = i;
        break;
      }
    }
    if (found < 0) {
      if (lineLimit_ > 0 && rcvdCnt_ > lineLimit_) {
        lineClearData_ = true;
        TriggerLineLimitExceeded(rcvdCnt_, lineClearData_);
        if (lineClearData_) {
          rcvdCnt_ = 0;
          lineLength_ = 0;
          rcvBuf_[0] = '\0';
        }
      }
      break;
    }
    lineLength_ = found + endLength;
    lineFound_ = true;
    bool stalled = false;
    while (lineMode_ && lineLength_ > 0) {
      const std::int32_t before = lineLength_;
      if (!TCustomSocksNetSocket::TriggerDataAvailable(0)) {
        // Nobody takes lines: this one is dropped.
        std::memmove(rcvBuf_.data(), rcvBuf_.data() + lineLength_, static_cast<std::size_t>(rcvdCnt_ - lineLength_));
        rcvdCnt_ -= lineLength_;
        lineLength_ = 0;
        break;
      }
      if (lineMode_ && lineLength_ == before) {
        // Neither taken nor line mode left: the line stays buffered for the next data.
        stalled = true;
        break;
      }
    }
    rcvBuf_[static_cast<std::size_t>(rcvdCnt_)] = '\0';
    if (stalled) return true;
    searchFrom = 0;
  }

  // A handler that left line mode gets the rest as plain data.
  while (!lineMode_ && rcvdCnt_ > 0) {
    const std::int32_t before = rcvdCnt_;
    if (!TCustomSocksNetSocket::TriggerDataAvailable(0) || rcvdCnt_ == before) break;
  }
  return true;
}

void TCustomLineNetSocket::TriggerSessionClosed(std::uint16_t Error) {
  if (!rcvBuf_.empty() && lineMode_ && rcvdCnt_ > 0 && !lineClearData_) {
    lineLength_ = rcvdCnt_;
    while (lineMode_ && lineLength_ > 0) {
      const std::int32_t before = lineLength_;
      if (!TCustomSocksNetSocket::TriggerDataAvailable(0)) break;
      if (lineLength_ == before) break;
    }
  }
  rcvBuf_.clear();
  rcvBuf_.shrink_to_fit();
  rcvdCnt_ = 0;
  lineLength_ = 0;
  TCustomSocksNetSocket::TriggerSessionClosed(Error);
}

int TCustomSyncNetSocket::StartAndWait(const std::function<void()>& Proc, bool& DoneFlag) {
  DoneFlag = false;
  if (Proc) Proc();
  return WaitForFlag(DoneFlag);
}

int TCustomSyncNetSocket::WaitForFlag(bool& DoneFlag) {
  timeStop_ = fw::TickCount() + static_cast<std::uint32_t>(timeout_);
  while (!DoneFlag) {
    if (timeout_ > 0 && static_cast<std::int32_t>(fw::TickCount() - timeStop_) >= 0) return kWaitFailed;
    if ((fw::Application != nullptr && fw::Application->Terminated()) || terminated_) return kWaitFailed;
    MessagePump();
    fw::SleepMs(0);
  }
  return 0;
}

}  // namespace net
