// The owner form's resize notification, shared by every grid placed on the form. The form has one OnResize;
// the first subscriber puts the hub's dispatcher there, keeping the handler the form had, which runs first
// on every resize. Each grid subscribes at construction and unsubscribes when freed, in any order; the last
// one out gives the form its own handler back (unless the form's handler was replaced since, which is then
// left alone). A form being destroyed is never written to. GUI thread only.
#pragma once

#include "framework/classes/events.h"

namespace fw {
class TCustomForm;
}

namespace ui {

class TFormResizeHub {
 public:
  using TToken = unsigned;
  // Handler runs after the form's own handler and earlier subscribers; returns the token to unsubscribe.
  static TToken Subscribe(fw::TCustomForm* Form, fw::TNotifyEvent Handler);
  // Unknown tokens are ignored; a subscriber removed while the form's resize runs is not called again.
  static void Unsubscribe(fw::TCustomForm* Form, TToken Token);
  static int SubscriberCount(const fw::TCustomForm* Form);
};

}  // namespace ui
