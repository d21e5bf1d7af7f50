// The texts of Winsock error codes, as the socket components report them.
#pragma once

#include <string>

namespace net {

// "Not a WinSock error" for a code outside the table.
std::string WinsockErrorText(int Code);

}  // namespace net
