#pragma once
// Action lists: the actions of a form gathered in one component, with the images they show. The list
// frees the actions it still holds when it goes; an action leaves its list when it is freed. Images
// is a reference: the list forgets it when the image list is freed.
#include <vector>

#include "framework/actions/action.h"
#include "framework/graphics/image_list.h"

namespace fw {

class TCustomActionList : public TComponent {
 public:
  explicit TCustomActionList(TComponent* AOwner);
  ~TCustomActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  // EListError outside the list.
  TCustomAction* Actions(int Index) const;
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TCustomAction;
  void AddAction(TCustomAction* action);
  void RemoveAction(TCustomAction* action);

  std::vector<TCustomAction*> actions_;
  TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
 public:
  using TCustomActionList::TCustomActionList;
};

}  // namespace fw
