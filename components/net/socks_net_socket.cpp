#include "components/net/socks_net_socket.h"

#include <algorithm>
#include <cstring>

#include "components/net/net_resolve.h"
#include "components/net/winsock_binding.h"
#include "framework/rtl/textutils.h"

namespace net {

namespace {

// Requests are built in a buffer of this size; a request that would not fit is refused.
constexpr std::int32_t kRequestSize = 128;
// At most this many reply bytes are read (8 for a SOCKS 4 reply).
constexpr std::int32_t kReplyLimit = 127;
constexpr std::int32_t kSocks4ReplySize = 8;

constexpr std::int32_t kErrTooMuchData = 20001;
constexpr std::int32_t kErrVersion = 20002;
constexpr std::int32_t kErrMethod = 20003;
constexpr std::int32_t kErrUnassigned = 20012;
constexpr std::int32_t kErrInternal = 20013;
constexpr std::int32_t kErrAuthFailed = 20015;
constexpr std::int32_t kErrRejected = 20016;
constexpr std::int32_t kErrResolve = 20017;

struct ReplyError {
  std::int32_t code;
  const char* text;
};

// SOCKS 5 reply codes 1 to 8.
constexpr ReplyError kSocks5ReplyErrors[] = {
    {20004, "general SOCKS server failure"}, {20005, "connection not allowed by ruleset"},
    {20006, "network unreachable"},          {20007, "host unreachable"},
    {20008, "connection refused"},           {20009, "time to live expired"},
    {20010, "command not supported"},        {20011, "address type not supported"},
};

}  // namespace

TCustomSocksNetSocket::TCustomSocksNetSocket(fw::TComponent* AOwner) : TCustomNetSocket(AOwner) {}

void TCustomSocksNetSocket::AssignDefaultValue() {
  TCustomNetSocket::AssignDefaultValue();
  socksState_ = kPlainData;
  socksServer_.clear();
  socksServerAssigned_ = false;
  socksPort_.clear();
  socksPortAssigned_ = false;
  socksLevel_ = "5";
  leftoverCount_ = 0;
}

void TCustomSocksNetSocket::SetSocksLevel(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Can't change socks level if not closed");
    return;
  }
  if (value != "4" && value != "5" && value != "4A" && value != "4a") {
    RaiseException("Invalid socks level. Must be 4, 4A or 5.");
    return;
  }
  socksLevel_ = fw::UpperCase(value);
}

void TCustomSocksNetSocket::SetSocksServer(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Can't change socks server if not closed");
    return;
  }
  socksServer_ = fw::Trim(value);
  socksServerAssigned_ = !socksServer_.empty();
}

void TCustomSocksNetSocket::SetSocksPort(const std::string& value) {
  if (state_ != wsClosed) {
    RaiseException("Can't change socks port if not closed");
    return;
  }
  socksPort_ = fw::Trim(value);
  socksPortAssigned_ = !socksPort_.empty();
}

void TCustomSocksNetSocket::Listen() {
  if (socksServerAssigned_) {
    RaiseException("Listening is not supported thru socks server");
    return;
  }
  TCustomNetSocket::Listen();
}

void TCustomSocksNetSocket::Connect() {
  if (!socksServerAssigned_) {
    TCustomNetSocket::Connect();
    return;
  }
  if (!fw::SameText(protoStr_, "tcp") && fw::Trim(protoStr_) != "6") {
    RaiseException("tcp is the only protocol supported thru socks server");
    return;
  }
  try {
    if (!portResolved_) {
      remoteAddr_.sin_port = ws::htons(NetSocketResolvePort(socksPort_, "tcp"));
      portResolved_ = true;
    }
    if (!addrResolved_) {
      remoteAddr_.sin_addr.s_addr = NetSocketResolveHost(socksServer_);
      addrResolved_ = true;
    }
    portNum_ = NetSocketResolvePort(portStr_, "tcp");
  } catch (const fw::Exception& E) {
    RaiseException("connect: " + E.Message());
    return;
  }
  socksState_ = kMethodNegotiation;
  replyCount_ = 0;
  TCustomNetSocket::Connect();
}

void TCustomSocksNetSocket::SessionConnectedHook(std::uint16_t Error) {
  if (socksState_ == kMethodNegotiation) {
    TriggerSocksConnected(Error);
    if (Error == 0) {
      if (socksLevel_[0] == '4') {
        SocksDoConnect();
      } else {
        offeredMethod_ = socksAuthentication_ == socksAuthenticateUsercode ? 0x02 : 0x00;
        const std::uint8_t greeting[3] = {0x05, 0x01, offeredMethod_};
        SendRequest(greeting, sizeof(greeting));
      }
      return;
    }
  }
  TCustomNetSocket::SessionConnectedHook(Error);
}

void TCustomSocksNetSocket::SendRequest(const std::uint8_t* Request, std::int32_t Len) {
  try {
    Send(Request, Len);
  } catch (...) {
  }
}

void TCustomSocksNetSocket::SocksDoConnect() {
  socksState_ = kConnectRequest;
  replyCount_ = 0;
  std::uint8_t request[kRequestSize] = {};
  std::int32_t length = 0;
  const std::uint16_t port = portNum_;
  if (socksLevel_[0] == '4') {
    const bool socks4a = socksLevel_ == "4A";
    const std::size_t needed = 8 + socksUsercode_.size() + 1 + (socks4a ? addrStr_.size() + 1 : 0);
    if (needed > static_cast<std::size_t>(kRequestSize)) {
      SocksReportError(kErrTooMuchData, "too much data availaible");
      return;
    }
    std::uint8_t address[4] = {0, 0, 0, 1};  // SOCKS 4A: the proxy resolves the name
    if (!socks4a) {
      try {
        const std::uint32_t resolved = NetSocketResolveHost(addrStr_);
        std::memcpy(address, &resolved, 4);
      } catch (const ESocketException& E) {
        SocksReportError(kErrResolve, "ESocketException " + E.Message());
        return;
      }
    }
    request[0] = 0x04;
    request[1] = 0x01;
    request[2] = static_cast<std::uint8_t>(port >> 8);
    request[3] = static_cast<std::uint8_t>(port & 0xFF);
    std::memcpy(request + 4, address, 4);
    length = 8;
    std::memcpy(request + length, socksUsercode_.data(), socksUsercode_.size());
    length += static_cast<std::int32_t>(socksUsercode_.size());
    request[length++] = 0x00;
    if (socks4a) {
      std::memcpy(request + length, addrStr_.data(), addrStr_.size());
      length += static_cast<std::int32_t>(addrStr_.size());
      request[length++] = 0x00;
    }
  } else {
    if (addrStr_.size() > 255 || 7 + addrStr_.size() > static_cast<std::size_t>(kRequestSize)) {
      SocksReportError(kErrTooMuchData, "too much data availaible");
      return;
    }
    request[0] = 0x05;
    request[1] = 0x01;
    request[2] = 0x00;
    request[3] = 0x03;
    request[4] = static_cast<std::uint8_t>(addrStr_.size());
    std::memcpy(request + 5, addrStr_.data(), addrStr_.size());
    length = 5 + static_cast<std::int32_t>(addrStr_.size());
    request[length++] = static_cast<std::uint8_t>(port >> 8);
    request[length++] = static_cast<std::uint8_t>(port & 0xFF);
  }
  SendRequest(request, length);
}

void TCustomSocksNetSocket::SocksDoAuthenticate() {
  if (socksUsercode_.size() > 255 || socksPassword_.size() > 255 ||
      3 + socksUsercode_.size() + socksPassword_.size() > static_cast<std::size_t>(kRequestSize)) {
    SocksReportError(kErrTooMuchData, "too much data availaible");
    return;
  }
  socksState_ = kAuthentication;
  TriggerSocksAuthState(socksAuthBegin);
  std::uint8_t request[kRequestSize] = {};
  std::int32_t length = 0;
  request[length++] = 0x01;
  request[length++] = static_cast<std::uint8_t>(socksUsercode_.size());
  std::memcpy(request + length, socksUsercode_.data(), socksUsercode_.size());
  length += static_cast<std::int32_t>(socksUsercode_.size());
  request[length++] = static_cast<std::uint8_t>(socksPassword_.size());
  std::memcpy(request + length, socksPassword_.data(), socksPassword_.size());
  length += static_cast<std::int32_t>(socksPassword_.size());
  replyCount_ = 0;
  SendRequest(request, length);
}

void TCustomSocksNetSocket::SocksReportError(std::int32_t Error, const std::string& Msg) {
  TriggerSocksError(Error, Msg);
  socksState_ = kPlainData;
  SessionConnectedHook(static_cast<std::uint16_t>(Error));
  InternalClose(true, static_cast<std::uint16_t>(Error));
}

bool TCustomSocksNetSocket::TriggerDataAvailable(std::uint16_t Error) {
  if (socksState_ == kPlainData) return TCustomNetSocket::TriggerDataAvailable(Error);
  if (Error != 0) {
    SocksReportError(Error, "data receive error");
    return false;
  }
  if (socksState_ > kConnectRequest) {
    SocksReportError(kErrInternal, "internal error");
    return false;
  }
  const bool socks4 = socksLevel_[0] == '4';
  const std::int32_t limit = socks4 && socksState_ == kConnectRequest ? kSocks4ReplySize : kReplyLimit;
  const std::int32_t room = limit - replyCount_;
  if (room > 0) {
    const std::int32_t received = TCustomNetSocket::DoRecv(reply_ + replyCount_, room, 0);
    if (received < 0) return true;
    replyCount_ += received;
  }
  switch (socksState_) {
    case kMethodNegotiation:
      if (socks4) {
        SocksReportError(kErrTooMuchData, "TNetSocket logic error");
      } else if (replyCount_ >= 2) {
        if (reply_[0] != 0x05) {
          SocksReportError(kErrVersion, "socks version error");
        } else if (reply_[1] == 0x00) {
          if (offeredMethod_ == 0x02) TriggerSocksAuthState(socksAuthUnneeded);
          SocksDoConnect();
        } else if (reply_[1] == 0x02) {
          SocksDoAuthenticate();
        } else {
          SocksReportError(kErrMethod, "authentification method not acceptable");
        }
      }
      break;
    case kAuthentication:
      if (replyCount_ >= 1 && reply_[0] != 0x01) {
        SocksReportError(kErrVersion, "socks version error");
      } else if (replyCount_ == 2) {
        if (reply_[1] == 0x00) {
          replyCount_ = 0;
          TriggerSocksAuthState(socksAuthOk);
          SocksDoConnect();
        } else {
          SocksReportError(kErrAuthFailed, "socks authentication failed");
        }
      } else if (replyCount_ > 2) {
        SocksReportError(kErrTooMuchData, "too much data availaible");
      }
      break;
    default:
      if (socks4)
        EvaluateSocks4Reply();
      else
        EvaluateSocks5Reply();
      break;
  }
  return true;
}

void TCustomSocksNetSocket::EvaluateSocks4Reply() {
  if (replyCount_ < kSocks4ReplySize) return;
  if (reply_[0] != 0x00) {
    SocksReportError(kErrVersion, "socks version error");
    return;
  }
  switch (reply_[1]) {
    case 0x5A:
      socksState_ = kPlainData;
      SessionConnectedHook(0);
      TriggerDataAvailable(0);
      break;
    case 0x5B:
      SocksReportError(kErrRejected, "request rejected or failed");
      break;
    case 0x5C:
      SocksReportError(20008, "connection refused");
      break;
    case 0x5D:
      SocksReportError(kErrAuthFailed, "authentification failed");
      break;
    default:
      SocksReportError(kErrUnassigned, "unassigned error #" + std::to_string(reply_[1]));
      break;
  }
}

void TCustomSocksNetSocket::EvaluateSocks5Reply() {
  if (replyCount_ >= 1 && reply_[0] != 0x05) {
    SocksReportError(kErrVersion, "socks version error");
    return;
  }
  if (replyCount_ >= 2 && reply_[1] != 0x00) {
    const std::uint8_t code = reply_[1];
    if (code >= 1 && code <= 8)
      SocksReportError(kSocks5ReplyErrors[code - 1].code, kSocks5ReplyErrors[code - 1].text);
    else
      SocksReportError(kErrUnassigned, "unassigned error #" + std::to_string(code));
    return;
  }
  if (replyCount_ <= 4) return;
  const std::uint8_t type = reply_[3];
  const std::int32_t full = type == 0x01 ? 10 : type == 0x03 ? reply_[4] + 7 : 5;
  if (full > kReplyLimit) {
    // The announced reply cannot fit the reply buffer: it could never complete.
    SocksReportError(kErrTooMuchData, "too much data availaible");
    return;
  }
  if (replyCount_ < full) return;
  std::uint16_t port = 0;
  if (type == 0x01) {
    boundAddr_ = std::to_string(reply_[4]) + "." + std::to_string(reply_[5]) + "." + std::to_string(reply_[6]) + "." +
                 std::to_string(reply_[7]);
    port = static_cast<std::uint16_t>(reply_[8] << 8 | reply_[9]);
  } else if (type == 0x03) {
    const std::int32_t nameLength = reply_[4];
    boundAddr_.assign(reinterpret_cast<const char*>(reply_ + 5), static_cast<std::size_t>(nameLength));
    port = static_cast<std::uint16_t>(reply_[5 + nameLength] << 8 | reply_[6 + nameLength]);
  } else {
    SocksReportError(20011, "address type not supported");
    return;
  }
  boundPort_ = std::to_string(port);
  socksState_ = kPlainData;
  SessionConnectedHook(0);
  leftoverCount_ = replyCount_ - full;
  leftoverPos_ = full;
  TriggerDataAvailable(0);
}

void TCustomSocksNetSocket::TriggerSessionClosed(std::uint16_t Error) {
  if (socksState_ == kAuthentication) TriggerSocksAuthState(socksAuthRefused);
  TCustomNetSocket::TriggerSessionClosed(Error);
}

std::int32_t TCustomSocksNetSocket::GetRcvdCount() {
  if (leftoverCount_ > 0) return leftoverCount_;
  return TCustomNetSocket::GetRcvdCount();
}

std::int32_t TCustomSocksNetSocket::DoRecv(void* Buffer, std::int32_t Len, int Flags) {
  if (leftoverCount_ <= 0) return TCustomNetSocket::DoRecv(Buffer, Len, Flags);
  const std::int32_t count = std::clamp(Len, 0, leftoverCount_);
  std::memcpy(Buffer, reply_ + leftoverPos_, static_cast<std::size_t>(count));
  leftoverPos_ += count;
  leftoverCount_ -= count;
  rcvdFull_ = count >= Len;
  return count;
}

void TCustomSocksNetSocket::TriggerSocksConnected(std::uint16_t Error) {
  if (OnSocksConnected) OnSocksConnected(this, Error);
}

void TCustomSocksNetSocket::TriggerSocksError(std::int32_t Error, const std::string& Msg) {
  if (OnSocksError) OnSocksError(this, Error, Msg);
}

void TCustomSocksNetSocket::TriggerSocksAuthState(TSocksAuthState AuthState) {
  if (OnSocksAuthState) OnSocksAuthState(this, AuthState);
}

}  // namespace net
