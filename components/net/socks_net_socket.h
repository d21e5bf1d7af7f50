// TCustomSocksNetSocket: a TCP connection through a SOCKS 4, 4A or 5 proxy. With SocksServer set, Connect
// opens the connection to the proxy, the negotiation runs inside the data notifications, and
// OnSessionConnected fires once the proxy has connected the target. Without a proxy it is the plain
// socket. Every close clears the proxy settings.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "components/net/custom_net_socket.h"

namespace net {

enum TSocksAuthentication { socksNoAuthentication, socksAuthenticateUsercode };
enum TSocksAuthState { socksAuthBegin, socksAuthOk, socksAuthRefused, socksAuthUnneeded };

using TSocksErrorEvent = std::function<void(fw::TObject* Sender, std::int32_t Error, const std::string& Msg)>;
using TSocksAuthStateEvent = std::function<void(fw::TObject* Sender, TSocksAuthState AuthState)>;

class TCustomSocksNetSocket : public TCustomNetSocket {
 public:
  explicit TCustomSocksNetSocket(fw::TComponent* AOwner);

  void Connect() override;
  void Listen() override;

  const std::string& SocksServer() const { return socksServer_; }
  virtual void SetSocksServer(const std::string& value);
  const std::string& SocksPort() const { return socksPort_; }
  virtual void SetSocksPort(const std::string& value);
  const std::string& SocksLevel() const { return socksLevel_; }
  void SetSocksLevel(const std::string& value);
  const std::string& SocksUsercode() const { return socksUsercode_; }
  void SetSocksUsercode(const std::string& value) { socksUsercode_ = value; }
  const std::string& SocksPassword() const { return socksPassword_; }
  void SetSocksPassword(const std::string& value) { socksPassword_ = value; }
  TSocksAuthentication SocksAuthentication() const { return socksAuthentication_; }
  void SetSocksAuthentication(TSocksAuthentication value) { socksAuthentication_ = value; }
  // BND.ADDR and BND.PORT of the last SOCKS 5 success reply.
  const std::string& BoundAddr() const { return boundAddr_; }
  const std::string& BoundPort() const { return boundPort_; }

  TSocksErrorEvent OnSocksError;
  TSessionConnected OnSocksConnected;
  TSocksAuthStateEvent OnSocksAuthState;

 protected:
  void AssignDefaultValue() override;
  std::int32_t GetRcvdCount() override;
  bool TriggerDataAvailable(std::uint16_t Error) override;
  void SessionConnectedHook(std::uint16_t Error) override;
  void TriggerSessionClosed(std::uint16_t Error) override;
  std::int32_t DoRecv(void* Buffer, std::int32_t Len, int Flags) override;

  virtual void TriggerSocksConnected(std::uint16_t Error);
  virtual void TriggerSocksError(std::int32_t Error, const std::string& Msg);
  void TriggerSocksAuthState(TSocksAuthState AuthState);

  // The negotiation runs (the states between Connect through a proxy and the target's reply).
  bool SocksNegotiating() const { return socksState_ != kPlainData; }

 private:
  enum : std::uint8_t { kPlainData = 0, kMethodNegotiation = 1, kAuthentication = 2, kConnectRequest = 3 };

  void SocksDoConnect();
  void SocksDoAuthenticate();
  void SocksReportError(std::int32_t Error, const std::string& Msg);
  void SendRequest(const std::uint8_t* Request, std::int32_t Len);
  void EvaluateSocks4Reply();
  void EvaluateSocks5Reply();

  std::uint8_t socksState_ = kPlainData;
  std::string socksServer_;
  std::string socksLevel_ = "5";
  std::string socksPort_;
  bool socksPortAssigned_ = false;
  bool socksServerAssigned_ = false;
  std::string socksUsercode_;
  std::string socksPassword_;
  TSocksAuthentication socksAuthentication_ = socksNoAuthentication;
  std::uint8_t offeredMethod_ = 0;
  std::string boundAddr_;
  std::string boundPort_;
  std::uint8_t reply_[128] = {};
  std::int32_t replyCount_ = 0;
  std::int32_t leftoverCount_ = 0;
  std::int32_t leftoverPos_ = 0;
};

}  // namespace net
