// Watches a board's refresh event for its key-matrix reader, until the reader ends.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

// Sets *sendRequest whenever the refresh event is set, then sets wake (when given) so a reader waiting for
// reports goes round at once; the reader then asks for a full new reading. Ends when
// the reader sets its end event, or at the latest half a second after *readerEnded is set: the end event is
// named from the serial alone, so another reader of that serial (another process, or a board of another
// product with the same serial) may take it first.
void KeyMatrixRefreshWatcher(std::atomic<bool>* sendRequest, const std::atomic<bool>* readerEnded,
                             const std::string& serial, HANDLE wake = nullptr);
