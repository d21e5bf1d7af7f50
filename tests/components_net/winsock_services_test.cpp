#include <gtest/gtest.h>

#include <string>

#include "components/net/net_resolve.h"
#include "components/net/net_socket.h"
#include "components/net/winsock_binding.h"
#include "components/net/winsock_errors.h"

namespace {

std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const net::ESocketException& E) {
    return E.Message();
  }
  return "(no exception)";
}

TEST(WinsockErrorText, TableAndUnknownCodes) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {0, "No Error"},
      {10004, "Interrupted system call"},
      {10035, "Operation would block"},
      {10047, "Address family not supported by protocol family"},
      {10057, "Socket is not connected"},
      {10059, "Too many references: can't splice"},
      {10093, "WinSock not initialized"},
      {11004, "No Data"},
      {10072, "Not a WinSock error"},
      {-1, "Not a WinSock error"},
  };
  for (const auto& c : cases) EXPECT_EQ(net::WinsockErrorText(c.code), c.text) << c.code;
}

TEST(DottedAddress, Rules) {
  const struct {
    const char* text;
    bool dotted;
  } cases[] = {
      {"127.0.0.1", true},
      {"  10.1.2.3", true},
      {"10.1.2.3   ", true},
      {"255.255.255.255", true},
      {"1.2.3", false},
      {"1.2.3.4.5", false},
      {"1.2.3.256", false},
      {"256.1.1.1", false},
      {".1.2.3", false},
      {"1..2.3", false},
      {"1.2.3.", false},
      {"1.2.3.4 x", false},
      {"1.2.3.4x", true},
      {"localhost", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(net::IsDottedAddress(c.text), c.dotted) << '"' << c.text << '"';
}

TEST(ParseUnsigned, DigitsUpToTheFirstOther) {
  EXPECT_EQ(net::ParseUnsigned("  80abc"), 80u);
  EXPECT_EQ(net::ParseUnsigned("x1"), 0u);
  EXPECT_EQ(net::ParseUnsigned("-5"), 0u);
  EXPECT_EQ(net::ParseUnsigned(""), 0u);
}

TEST(ResolveHost, DottedNamesAndErrors) {
  EXPECT_EQ(net::NetSocketResolveHost("127.0.0.1"), 0x0100007Fu);
  EXPECT_EQ(net::NetSocketResolveHost(" 127.0.0.1 "), 0x0100007Fu);
  EXPECT_EQ(net::NetSocketResolveHost("255.255.255.255"), 0xFFFFFFFFu);
  EXPECT_EQ(net::NetSocketResolveHost("localhost"), 0x0100007Fu);

  EXPECT_EQ(ErrorOf([] { net::NetSocketResolveHost(""); }), "NetSocketResolveHost: '' Invalid Hostname.");
  const std::string longName(257, 'a');
  EXPECT_EQ(ErrorOf([&] { net::NetSocketResolveHost(longName); }),
            "NetSocketResolveHost: '" + longName + "' Invalid Hostname.");
  // Dotted by the text rules but not an address inet_addr takes.
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolveHost("1.2.3.4x"); }), "NetSocketResolveHost: '1.2.3.4x' Invalid IP address.");
}

TEST(ResolvePort, NumbersServiceNamesAndErrors) {
  EXPECT_EQ(net::NetSocketResolvePort("8080", "tcp"), 8080);
  EXPECT_EQ(net::NetSocketResolvePort("80abc", "tcp"), 80);
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolvePort("", "tcp"); }), "NetSocketResolvePort: Invalid Port.");
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolvePort(std::string(32, '1'), "tcp"); }), "NetSocketResolvePort: Invalid Port.");
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolvePort("80", ""); }), "NetSocketResolvePort: Invalid Proto.");
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolvePort("80", std::string(32, 't')); }), "NetSocketResolvePort: Invalid Proto.");
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolvePort("no-such-service", "tcp"); })
                .rfind("NetSocketResolvePort: Cannot convert port 'no-such-service', Error #", 0),
            0u);
}

TEST(ResolveProto, NamesNumbersAndErrors) {
  EXPECT_EQ(net::NetSocketResolveProto("tcp"), 6);
  EXPECT_EQ(net::NetSocketResolveProto(" UDP "), 17);
  EXPECT_EQ(net::NetSocketResolveProto("RAW"), 255);
  EXPECT_EQ(net::NetSocketResolveProto("17x"), 17);
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolveProto(""); }), "NetSocketResolveProto: Invalid Protocol.");
  EXPECT_EQ(ErrorOf([] { net::NetSocketResolveProto("no-such-protocol"); })
                .rfind("NetSocketResolveProto: Cannot convert protocol 'no-such-protocol', Error #", 0),
            0u);
}

TEST(WinsockBinding, LoadsOnFirstUseUnloadsAfterTheLastSocketAndLoadsAgain) {
  ASSERT_EQ(net::SocketCount(), 0);
  net::UnloadWinsock();
  ASSERT_FALSE(net::IsWinsockLoaded());

  auto* first = new net::TNetSocket(nullptr);
  EXPECT_FALSE(net::IsWinsockLoaded()) << "a socket alone does not load Winsock";
  first->DnsLookup("127.0.0.1");
  EXPECT_TRUE(net::IsWinsockLoaded());
  EXPECT_EQ(net::WinsockData().wVersion, MAKEWORD(1, 1));

  auto* second = new net::TNetSocket(nullptr);
  first->Free();
  EXPECT_TRUE(net::IsWinsockLoaded()) << "another socket still lives";
  second->Free();
  EXPECT_FALSE(net::IsWinsockLoaded());
  EXPECT_EQ(net::SocketCount(), 0);

  auto* third = new net::TNetSocket(nullptr);
  third->DnsLookup("10.0.0.1");
  EXPECT_TRUE(net::IsWinsockLoaded());
  EXPECT_EQ(third->DnsResult(), "10.0.0.1");
  third->Free();
  EXPECT_FALSE(net::IsWinsockLoaded());
}

TEST(WinsockBinding, RequestedVersionIsRefusedOnceLoaded) {
  auto* socket = new net::TNetSocket(nullptr);
  int errors = 0;
  socket->OnError = [&](fw::TObject*) { ++errors; };
  socket->DnsLookup("127.0.0.1");
  ASSERT_TRUE(net::IsWinsockLoaded());
  socket->SetReqVerHigh(2);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(socket->ReqVerHigh(), 1);
  socket->SetReqVerHigh(1);  // unchanged: nothing to refuse
  EXPECT_EQ(errors, 1);
  socket->Free();
}

}  // namespace
