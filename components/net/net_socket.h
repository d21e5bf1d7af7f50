// TNetSocket: the socket component that forms place. Every property and event of the layers below is
// public here; its defaults are those a form stores for it.
#pragma once

#include "components/net/line_net_socket.h"

namespace net {

class TNetSocket : public TCustomSyncNetSocket {
 public:
  using TCustomSyncNetSocket::TCustomSyncNetSocket;
};

}  // namespace net
