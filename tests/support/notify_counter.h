// Counts the firings of one notify event and remembers the last sender: assign Handler() to the event.
#pragma once

#include "framework/classes/events.h"

namespace testsupport {

struct NotifyCounter {
  int count = 0;
  fw::TObject* lastSender = nullptr;
  fw::TNotifyEvent Handler() {
    return [this](fw::TObject* sender) {
      ++count;
      lastSender = sender;
    };
  }
};

}  // namespace testsupport
