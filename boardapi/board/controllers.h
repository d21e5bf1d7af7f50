// The board list: one CventrixController per board the USB layer found at open, reachable by the board's key
// ("%.04X-%s": product id, hyphen, serial text), by a 0-based index and by model. The set of boards is fixed
// between an open and the next close. The list shares the ownership of its boards: a caller that holds one
// across a call that may let the library lock go keeps it alive, and so does a board's own worker.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "boardapi/board/controller.h"
#include "boardapi/board/usb_device.h"

class CventrixControllers {
 public:
  // Told about each board just before the list deletes it, so nothing keeps pointing at it.
  using BoardRetiring = std::function<void(const CventrixController*)>;

  explicit CventrixControllers(BoardRetiring retiring = {});
  virtual ~CventrixControllers();
  CventrixControllers(const CventrixControllers&) = delete;
  CventrixControllers& operator=(const CventrixControllers&) = delete;

  // True when the list is open (also when it already was). An open that finds no board leaves the list and
  // the USB layer closed.
  bool Open();
  // Closes the USB layer, then shuts every board down and deletes it.
  void Close();
  bool IsOpen() const { return open_; }
  // The layer's board count at the last successful open.
  int32_t Count() const { return count_; }

  // Null below 0, at or above the count, and for an index the last open did not fill.
  CventrixController* ControllerByIndex(int32_t index) const;
  // The key is "<productIdText>-<serialText>"; a missing key adds nothing.
  CventrixController* ControllerByName(const std::string& productIdText, const std::string& serialText) const;
  // Boards whose two model bytes (board memory device 1) equal the two hexadecimal texts, by serial text.
  std::map<std::string, CventrixController*> FilterByModel(const std::string& firstByteText,
                                                           const std::string& secondByteText) const;

 private:
  void Retire(std::shared_ptr<CventrixController> board);

  BoardRetiring retiring_;
  bool open_ = false;
  std::map<std::string, std::shared_ptr<CventrixController>> nameMap_;
  std::map<int32_t, std::string> indexMap_;
  CUsbDevice layer_;  // owns the USB layer while it holds the first device of the last open
  int32_t count_ = 0;
};
