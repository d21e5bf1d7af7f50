#pragma once
// Actions: one command (a caption, a checked and an enabled state, an image, a hint, an OnExecute) that
// several clients follow, such as a button and a menu item. A client holds an action link (one per
// client, of a class the client chooses) that the action reaches whenever one of its properties
// changes: the link's SetXxx hands the new value to its client when IsXxxLinked answers true. The
// standard links (client_action_link.h) count a property as linked while the client's value still
// equals the action's, so a client whose own value differs keeps it. A client calls the link's Execute
// for a click.
//
// Actions usually belong to an action list (action_list.h), which gives them their images.
#include <string>
#include <vector>

#include "framework/classes/component.h"
#include "framework/classes/events.h"

namespace fw {

class TBasicActionLink;
class TCustomActionList;

// How a control or action names its help topic.
enum THelpType { htKeyword, htContext };

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;

  // Runs OnExecute with the action as sender; false when there is none.
  virtual bool Execute();
  TNotifyEvent OnExecute;
  // After every change of the action's properties.
  TNotifyEvent OnChange;

  // The links of the clients that follow the action.
  int ClientCount() const { return static_cast<int>(links_.size()); }
  TBasicActionLink* Clients(int Index) const { return links_.at(static_cast<std::size_t>(Index)); }

 protected:
  virtual void Change();

 private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> links_;
};

// A client's tie to an action. A link outlives neither its client nor (as a tie) its action: an action
// that goes leaves its links with no action.
class TBasicActionLink : public TObject {
 public:
  TBasicActionLink() = default;
  ~TBasicActionLink() override;

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* value);
  // Executes the action for the component that was clicked; false when there is no action or it did
  // nothing.
  virtual bool Execute(TComponent* AComponent);

 private:
  friend class TBasicAction;
  TBasicAction* action_ = nullptr;
};

class TCustomAction : public TBasicAction {
 public:
  explicit TCustomAction(TComponent* AOwner);
  ~TCustomAction() override;

  // Runs OnExecute only while the action is enabled.
  bool Execute() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  // Checking an action of a GroupIndex above 0 unchecks the other actions of its group in its list.
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // An image of the action list's Images; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value);
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& value);
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // The list the action belongs to, nullptr when none.
  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* value);

 private:
  friend class TCustomActionList;
  // Hands the change to every client's link (before the action stores the value, so a link still
  // compares its client with the old value), then stores and reports it.
  template <class T, class Tell>
  void Assign(T& field, const T& value, Tell tell);
  void UncheckGroup();

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  int groupIndex_ = 0;
  int imageIndex_ = -1;
  std::string hint_;
  int helpContext_ = 0;
  std::string helpKeyword_;
  THelpType helpType_ = htContext;
  bool visible_ = true;
  TCustomActionList* actionList_ = nullptr;
};

class TAction : public TCustomAction {
 public:
  using TCustomAction::TCustomAction;
};

// The link of a client that follows a TCustomAction. The tests answer whether a property is linked
// (the base: whenever the action is a TCustomAction); the setters, called by the action with the new
// value, change the client. Descendants for a client class override both.
class TActionLink : public TBasicActionLink {
 public:
  virtual bool IsCaptionLinked() const;
  virtual bool IsCheckedLinked() const;
  virtual bool IsEnabledLinked() const;
  virtual bool IsGroupIndexLinked() const;
  virtual bool IsHelpContextLinked() const;
  // Help context, keyword and type together.
  virtual bool IsHelpLinked() const;
  virtual bool IsHintLinked() const;
  virtual bool IsImageIndexLinked() const;
  virtual bool IsVisibleLinked() const;

  virtual void SetCaption(const std::string&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetGroupIndex(int) {}
  virtual void SetHelpContext(int) {}
  virtual void SetHelpKeyword(const std::string&) {}
  virtual void SetHelpType(THelpType) {}
  virtual void SetHint(const std::string&) {}
  virtual void SetImageIndex(int) {}
  virtual void SetVisible(bool) {}

 protected:
  // The action as a TCustomAction, nullptr for any other action.
  TCustomAction* CustomAction() const;
};

}  // namespace fw
