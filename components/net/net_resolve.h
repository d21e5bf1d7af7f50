// Host, port and protocol resolution for the socket components, and the dotted-address test. Failures
// raise ESocketException with the texts the sockets report.
#pragma once

#include <cstdint>
#include <string>

namespace net {

// The IPv4 address in network byte order: a dotted address directly, any other name through the host
// database. "255.255.255.255" is all ones; any other dotted text that inet_addr rejects is an error.
std::uint32_t NetSocketResolveHost(const std::string& Name);
// The port in host byte order: a text starting with a digit is read as a number, anything else is a
// service name looked up for Proto.
std::uint16_t NetSocketResolvePort(const std::string& Port, const std::string& Proto);
// The protocol number: digits, "tcp", "udp", "raw", or a name from the protocol database.
int NetSocketResolveProto(const std::string& Proto);

// Four numbers of at most 255 joined by three dots; leading and trailing blanks allowed.
bool IsDottedAddress(const std::string& Text);
// Leading blanks skipped, then decimal digits up to the first non-digit; 0 without a digit.
std::uint32_t ParseUnsigned(const std::string& Text);

}  // namespace net
