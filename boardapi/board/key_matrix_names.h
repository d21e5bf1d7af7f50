// Names of the key-matrix reader's events; any process can reach them from the board's serial text.
#pragma once

#include <string>

inline std::string KeyMatrixStartEventName(const std::string& serial) {
  return "KeyMatrixReadThreadStartEvent-" + serial;
}

// Set by the reader when it ends, so its refresh watcher ends too.
inline std::string KeyMatrixEndEventName(const std::string& serial) {
  return serial + ":" + "ventrix Thread - {04B7BC2B-1CCA-406a-98C3-6971DB8EEDB8}";
}

// Set by anyone to have the reader ask for a full new reading.
inline std::string KeyMatrixRefreshEventName(const std::string& serial) {
  return serial + ":" + "ventrix Event - {B2B7F5A1-234B-4cbd-930C-F0465879E0C6}";
}
