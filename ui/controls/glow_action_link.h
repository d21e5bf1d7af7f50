// The action link of the glow button.
#pragma once

#include "framework/controls/control_action_link.h"

namespace ui {

class TVxCustomGlowButton;

// The link through which a glow button follows its action: besides what every control follows, the
// action's Checked (as Down), GroupIndex and ImageIndex. The checked and group-index tests remember their
// answers in the button.
class TVxGlowButtonActionLink : public fw::TControlActionLink {
 public:
  explicit TVxGlowButtonActionLink(TVxCustomGlowButton* AClient);

  bool IsCheckedLinked() const override;
  bool IsGroupIndexLinked() const override;
  bool IsImageIndexLinked() const override;
  void SetChecked(bool value) override;
  void SetGroupIndex(int value) override;
  void SetImageIndex(int value) override;

 private:
  TVxCustomGlowButton* button_;
  int imageIndex_ = -1;  // the value SetImageIndex last took
};

}  // namespace ui
