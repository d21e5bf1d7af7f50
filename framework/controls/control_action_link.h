#pragma once
// The link through which a control follows its action (TControl::Action): the standard client link
// (caption, enabled state, hint, visibility) and the help context, keyword and type. A control class that
// follows more of an action (a checked state, an image, a group) returns a descendant of its own from
// TControl::CreateActionLink, built with the control as its client.
#include "framework/actions/client_action_link.h"
#include "framework/controls/control.h"

namespace fw {

class TControlActionLink : public TClientActionLink<TControl> {
 public:
  using TClientActionLink::TClientActionLink;

  bool IsHelpLinked() const override;
  bool IsHelpContextLinked() const override;

  void SetHelpContext(int value) override;
  void SetHelpKeyword(const std::string& value) override;
  void SetHelpType(THelpType value) override;
};

}  // namespace fw
