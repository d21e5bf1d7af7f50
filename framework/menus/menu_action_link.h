#pragma once
// The link through which a menu item follows its action (TMenuItem::Action): the standard client link
// (caption, enabled state, hint, visibility) and the checked state, group and image, each while the
// item's value equals the action's.
#include "framework/actions/client_action_link.h"
#include "framework/menus/menu_item.h"

namespace fw {

class TMenuActionLink : public TClientActionLink<TMenuItem> {
 public:
  using TClientActionLink::TClientActionLink;

  bool IsCheckedLinked() const override;
  bool IsGroupIndexLinked() const override;
  bool IsImageIndexLinked() const override;

  void SetChecked(bool value) override;
  void SetGroupIndex(int value) override;
  void SetImageIndex(int value) override;
};

}  // namespace fw
