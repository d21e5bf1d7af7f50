// TCustomNetSocket: host name lookups, forward and reverse, and their completion messages.
#include <cstring>

#include "components/net/custom_net_socket.h"
#include "components/net/net_resolve.h"
#include "components/net/winsock_binding.h"

namespace net {

namespace {

void ListAddresses(const hostent* host, fw::TStrings* list) {
  if (host->h_addr_list == nullptr) return;
  CountedCall counted;
  for (char** entry = host->h_addr_list; *entry != nullptr; ++entry) {
    in_addr address{};
    std::memcpy(&address, *entry, sizeof(address));
    list->Add(ws::inet_ntoa(address));
  }
}

void ListNames(const hostent* host, fw::TStrings* list) {
  list->Add(host->h_name != nullptr ? host->h_name : "");
  if (host->h_aliases == nullptr) return;
  for (char** alias = host->h_aliases; *alias != nullptr; ++alias) list->Add(*alias);
}

}  // namespace

void TCustomNetSocket::DnsLookup(const std::string& HostName) {
  if (HostName.empty()) {
    RaiseException("DNS lookup: invalid host name.");
    TriggerDnsLookupDone(WSAEINVAL);
    return;
  }
  if (lookupHandle_ != nullptr) CancelDnsLookup();
  dnsResult_.clear();
  dnsResultList_->Clear();
  if (IsDottedAddress(HostName)) {
    const unsigned long address = ws::inet_addr(HostName.c_str());
    if (address != INADDR_NONE) {
      in_addr dotted{};
      dotted.s_addr = address;
      dnsResult_ = ws::inet_ntoa(dotted);
      dnsResultList_->Add(dnsResult_);
      TriggerDnsLookupDone(0);
      return;
    }
  }
  if (window_ == nullptr) {
    RaiseException("DnsLookup: Window not assigned");
    return;
  }
  earlyReplyPending_ = false;
  HANDLE handle = ws::WSAAsyncGetHostByName(window_, WM_ASYNCGETHOSTBYNAME, HostName.c_str(), lookupBuffer_,
                                            sizeof(lookupBuffer_));
  if (handle == nullptr) {
    RaiseExceptionFmt("%s: can't start DNS lookup, error #%d", {HostName, ws::WSAGetLastError()});
    return;
  }
  lookupHandle_ = handle;
  if (earlyReplyPending_) {
    earlyReplyPending_ = false;
    HandleLookupReply(earlyReply_);
  }
}

void TCustomNetSocket::HandleLookupReply(fw::TMessage& MsgRec) {
  if (lookupHandle_ == nullptr) {
    earlyReply_ = MsgRec;
    earlyReplyPending_ = true;
    return;
  }
  if (reinterpret_cast<HANDLE>(MsgRec.WParam) != lookupHandle_) return;
  lookupHandle_ = nullptr;
  const auto error = static_cast<std::uint16_t>(HIWORD(MsgRec.LParam));
  if (error == 0) {
    ListAddresses(reinterpret_cast<const hostent*>(lookupBuffer_), dnsResultList_.get());
    if (dnsResultList_->Count() > 0) dnsResult_ = dnsResultList_->Strings(0);
  }
  TriggerDnsLookupDone(error);
}

bool TCustomNetSocket::BeginReverseLookup(const std::string& HostAddr) {
  if (HostAddr.empty() || HostAddr.size() > 256) {
    RaiseException("ReverseDnsLookup: Invalid host name.");
    TriggerDnsLookupDone(WSAEINVAL);
    return false;
  }
  if (lookupHandle_ != nullptr) CancelDnsLookup();
  dnsResult_.clear();
  dnsResultList_->Clear();
  return true;
}

void TCustomNetSocket::ReverseDnsLookup(const std::string& HostAddr) {
  if (!BeginReverseLookup(HostAddr)) return;
  if (window_ == nullptr) {
    RaiseException("ReverseDnsLookup: Window not assigned");
    return;
  }
  const unsigned long address = ws::inet_addr(HostAddr.c_str());
  HANDLE handle = ws::WSAAsyncGetHostByAddr(window_, WM_ASYNCGETHOSTBYADDR, reinterpret_cast<const char*>(&address), 4,
                                            AF_INET, lookupBuffer_, sizeof(lookupBuffer_));
  if (handle == nullptr) {
    RaiseExceptionFmt("%s: can't start DNS lookup, error #%d", {HostAddr, ws::WSAGetLastError()});
    return;
  }
  lookupHandle_ = handle;
}

void TCustomNetSocket::HandleReverseLookupReply(fw::TMessage& MsgRec) {
  if (lookupHandle_ == nullptr || reinterpret_cast<HANDLE>(MsgRec.WParam) != lookupHandle_) return;
  lookupHandle_ = nullptr;
  const auto error = static_cast<std::uint16_t>(HIWORD(MsgRec.LParam));
  if (error == 0) {
    const auto* host = reinterpret_cast<const hostent*>(lookupBuffer_);
    dnsResult_ = host->h_name != nullptr ? host->h_name : "";
    ListNames(host, dnsResultList_.get());
  }
  TriggerDnsLookupDone(error);
}

void TCustomNetSocket::ReverseDnsLookupSync(const std::string& HostAddr) {
  if (!BeginReverseLookup(HostAddr)) return;
  const unsigned long address = ws::inet_addr(HostAddr.c_str());
  const hostent* host = ws::gethostbyaddr(reinterpret_cast<const char*>(&address), 4, AF_INET);
  if (host == nullptr) {
    TriggerDnsLookupDone(static_cast<std::uint16_t>(ws::WSAGetLastError()));
    return;
  }
  dnsResult_ = host->h_name != nullptr ? host->h_name : "";
  ListNames(host, dnsResultList_.get());
  TriggerDnsLookupDone(0);
}

void TCustomNetSocket::CancelDnsLookup() {
  if (lookupHandle_ == nullptr) return;
  if (ws::WSACancelAsyncRequest(lookupHandle_) != 0) {
    lookupHandle_ = nullptr;
    SocketError("WSACancelAsyncRequest");
    return;
  }
  lookupHandle_ = nullptr;
  if (!IsDestroying()) TriggerDnsLookupDone(WSAEINTR);
}

}  // namespace net
