// TCustomLineNetSocket: delivers received data one line at a time while LineMode is on (with a line limit,
// echo and simple line editing); TCustomSyncNetSocket: a wait that pumps messages until a flag is set.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "components/net/socks_net_socket.h"

namespace net {

using TLineLimitEvent = std::function<void(fw::TObject* Sender, std::int32_t RcvdLength, bool& ClearData)>;

// Posted to re-deliver buffered data after LineMode changed.
constexpr UINT WM_NETSOCKET_LINE_RESCAN = WM_USER + 20;

class TCustomLineNetSocket : public TCustomSocksNetSocket {
 public:
  explicit TCustomLineNetSocket(fw::TComponent* AOwner);

  // Queues Text and LineEnd; returns the bytes queued (0 for an empty text, which sends nothing).
  virtual std::int32_t SendLine(const std::string& Text);

  bool LineMode() const { return lineMode_; }
  virtual void SetLineMode(bool value);
  std::int32_t LineLimit() const { return lineLimit_; }
  void SetLineLimit(std::int32_t value) { lineLimit_ = value; }
  const std::string& LineEnd() const { return lineEnd_; }
  void SetLineEnd(const std::string& value) { lineEnd_ = value; }
  bool LineEcho() const { return lineEcho_; }
  void SetLineEcho(bool value) { lineEcho_ = value; }
  bool LineEdit() const { return lineEdit_; }
  void SetLineEdit(bool value) { lineEdit_ = value; }

  TLineLimitEvent OnLineLimitExceeded;

 protected:
  void WndProc(fw::TMessage& MsgRec) override;
  std::int32_t GetRcvdCount() override;
  bool TriggerDataAvailable(std::uint16_t Error) override;
  void TriggerSessionClosed(std::uint16_t Error) override;
  std::int32_t DoRecv(void* Buffer, std::int32_t Len, int Flags) override;

  virtual void TriggerLineLimitExceeded(std::int32_t Count, bool& ClearData);
  virtual void EditLine(std::int32_t& Len);

 private:
  std::vector<char> rcvBuf_;
  std::int32_t rcvdCnt_ = 0;
  std::string lineEnd_ = "\r\n";
  bool lineMode_ = false;
  std::int32_t lineLength_ = 0;
  std::int32_t lineLimit_ = 65536;
  bool lineFound_ = false;
  bool lineClearData_ = false;
  bool lineEcho_ = false;
  bool lineEdit_ = false;

 protected:
  std::int32_t timeout_ = 0;
  std::uint32_t timeStop_ = 0;
};

class TCustomSyncNetSocket : public TCustomLineNetSocket {
 public:
  using TCustomLineNetSocket::TCustomLineNetSocket;

  // Clears DoneFlag, runs Proc and waits for the flag.
  virtual int StartAndWait(const std::function<void()>& Proc, bool& DoneFlag);
  // Pumps messages until DoneFlag is set: 0 then, 12001 when the wait timed out or the program ends.
  virtual int WaitForFlag(bool& DoneFlag);
};

}  // namespace net
