// Watches a board's refresh event for its key-matrix reader, until the reader sets its end event.
#pragma once

#include <atomic>
#include <string>

// Sets *sendRequest whenever the refresh event is set; the reader then asks for a full new reading.
void KeyMatrixRefreshWatcher(std::atomic<bool>* sendRequest, const std::string& serial);
