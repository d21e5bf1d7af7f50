#pragma once
// The standard link of a client class to its action: caption, enabled state, hint and visibility, each
// counted as linked while the client's value equals the action's; the setters then hand the action's
// new value to the client. A client class's own link derives from it and adds, through Follows, what
// else that client follows.
#include <string>

#include "framework/actions/action.h"

namespace fw {

template <class TClient>
class TClientActionLink : public TActionLink {
 public:
  explicit TClientActionLink(TClient* AClient) : client_(AClient) {}

  TClient* Client() const { return client_; }

  bool IsCaptionLinked() const override { return Follows(&TClient::Caption, &TCustomAction::Caption); }
  bool IsEnabledLinked() const override { return Follows(&TClient::Enabled, &TCustomAction::Enabled); }
  bool IsHintLinked() const override { return Follows(&TClient::Hint, &TCustomAction::Hint); }
  bool IsVisibleLinked() const override { return Follows(&TClient::Visible, &TCustomAction::Visible); }

  void SetCaption(const std::string& value) override {
    if (IsCaptionLinked()) client_->SetCaption(value);
  }
  void SetEnabled(bool value) override {
    if (IsEnabledLinked()) client_->SetEnabled(value);
  }
  void SetHint(const std::string& value) override {
    if (IsHintLinked()) client_->SetHint(value);
  }
  void SetVisible(bool value) override {
    if (IsVisibleLinked()) client_->SetVisible(value);
  }

 protected:
  // The action is a TCustomAction and the client's value (its getter ClientValue) equals the action's.
  template <class ClientGetter, class ActionGetter>
  bool Follows(ClientGetter ClientValue, ActionGetter ActionValue) const {
    const TCustomAction* action = CustomAction();
    return action != nullptr && (client_->*ClientValue)() == (action->*ActionValue)();
  }

 private:
  TClient* client_;
};

}  // namespace fw
