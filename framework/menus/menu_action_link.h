#pragma once
// The link through which a menu item follows its action (TMenuItem::Action): caption, checked and
// enabled state, group, hint, image and visibility, each while the item's value equals the action's.
#include "framework/actions/action.h"

namespace fw {

class TMenuItem;

class TMenuActionLink : public TActionLink {
 public:
  explicit TMenuActionLink(TMenuItem* AClient) : client_(AClient) {}

  TMenuItem* Client() const { return client_; }

  bool IsCaptionLinked() const override;
  bool IsCheckedLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsGroupIndexLinked() const override;
  bool IsHintLinked() const override;
  bool IsImageIndexLinked() const override;
  bool IsVisibleLinked() const override;

  void SetCaption(const std::string& value) override;
  void SetChecked(bool value) override;
  void SetEnabled(bool value) override;
  void SetGroupIndex(int value) override;
  void SetHint(const std::string& value) override;
  void SetImageIndex(int value) override;
  void SetVisible(bool value) override;

 private:
  TMenuItem* client_;
};

}  // namespace fw
