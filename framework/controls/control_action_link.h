#pragma once
// The link through which a control follows its action (TControl::Action). A property counts as linked
// while the control's value equals the action's; the setters then give the control the action's new
// value. A control class that follows more of an action (a checked state, an image, a group) returns a
// descendant of its own from TControl::CreateActionLink, built with the control as its client.
#include "framework/actions/action.h"

namespace fw {

class TControl;

class TControlActionLink : public TActionLink {
 public:
  explicit TControlActionLink(TControl* AClient) : client_(AClient) {}

  TControl* Client() const { return client_; }

  bool IsCaptionLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHelpLinked() const override;
  bool IsHelpContextLinked() const override;
  bool IsHintLinked() const override;
  bool IsVisibleLinked() const override;

  void SetCaption(const std::string& value) override;
  void SetEnabled(bool value) override;
  void SetHelpContext(int value) override;
  void SetHelpKeyword(const std::string& value) override;
  void SetHelpType(THelpType value) override;
  void SetHint(const std::string& value) override;
  void SetVisible(bool value) override;

 private:
  TControl* client_;
};

}  // namespace fw
