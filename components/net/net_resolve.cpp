#include "components/net/net_resolve.h"

#include <cstring>

#include "components/net/winsock_binding.h"
#include "framework/rtl/format.h"
#include "framework/rtl/textutils.h"

namespace net {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::uint32_t ParseUnsigned(const std::string& Text) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  std::uint32_t value = 0;
  for (; i < Text.size() && IsDigit(Text[i]); ++i) value = value * 10 + static_cast<std::uint32_t>(Text[i] - '0');
  return value;
}

bool IsDottedAddress(const std::string& Text) {
  std::size_t i = 0;
  while (i < Text.size() && Text[i] == ' ') ++i;
  if (i < Text.size() && Text[i] == '.') return false;
  int dots = 0;
  std::uint32_t number = 0;
  for (; i < Text.size(); ++i) {
    const char c = Text[i];
    if (IsDigit(c)) {
      number = number * 10 + static_cast<std::uint32_t>(c - '0');
      if (number > 255) number = 256;  // stays above the limit without overflowing
    } else if (c == '.') {
      ++dots;
      if (dots > 3 || number > 255 || i + 1 >= Text.size() || !IsDigit(Text[i + 1])) return false;
      number = 0;
    } else {
      for (std::size_t j = i + 1; j < Text.size(); ++j)
        if (Text[j] != ' ') return false;
      break;
    }
  }
  return dots == 3 && number <= 255;
}

std::uint32_t NetSocketResolveHost(const std::string& Name) {
  if (Name.empty() || Name.size() > 256)
    throw ESocketException("NetSocketResolveHost: '" + Name + "' Invalid Hostname.");
  const std::string host = fw::Trim(Name);
  if (IsDottedAddress(host)) {
    const std::uint32_t address = ws::inet_addr(host.c_str());
    if (address == INADDR_NONE && host != "255.255.255.255")
      throw ESocketException("NetSocketResolveHost: '" + Name + "' Invalid IP address.");
    return address;
  }
  const hostent* entry = ws::gethostbyname(host.c_str());
  if (entry == nullptr || entry->h_addr_list == nullptr || entry->h_addr_list[0] == nullptr)
    throw ESocketException(fw::Format("NetSocketResolveHost: Cannot convert host address '%s', Error #%d",
                                      {Name, ws::WSAGetLastError()}));
  std::uint32_t address = 0;
  memcpy(&address, entry->h_addr_list[0], sizeof(address));
  return address;
}

std::uint16_t NetSocketResolvePort(const std::string& Port, const std::string& Proto) {
  if (Port.empty() || Port.size() >= 32) throw ESocketException("NetSocketResolvePort: Invalid Port.");
  if (Proto.empty() || Proto.size() >= 32) throw ESocketException("NetSocketResolvePort: Invalid Proto.");
  if (IsDigit(Port[0])) return static_cast<std::uint16_t>(ParseUnsigned(Port));
  const std::string name = fw::Trim(Port);
  const std::string proto = fw::Trim(Proto);
  const servent* entry = ws::getservbyname(name.c_str(), proto.empty() ? nullptr : proto.c_str());
  if (entry == nullptr)
    throw ESocketException(fw::Format("NetSocketResolvePort: Cannot convert port '%s', Error #%d",
                                      {Port, ws::WSAGetLastError()}));
  return ws::ntohs(static_cast<u_short>(entry->s_port));
}

int NetSocketResolveProto(const std::string& Proto) {
  if (Proto.empty() || Proto.size() >= 32) throw ESocketException("NetSocketResolveProto: Invalid Protocol.");
  if (IsDigit(Proto[0])) return static_cast<int>(ParseUnsigned(Proto));
  const std::string name = fw::LowerCase(fw::Trim(Proto));
  if (name == "tcp") return IPPROTO_TCP;
  if (name == "udp") return IPPROTO_UDP;
  if (name == "raw") return IPPROTO_RAW;
  const protoent* entry = ws::getprotobyname(name.c_str());
  if (entry == nullptr)
    throw ESocketException(fw::Format("NetSocketResolveProto: Cannot convert protocol '%s', Error #%d",
                                      {name, ws::WSAGetLastError()}));
  return entry->p_proto;
}

}  // namespace net
