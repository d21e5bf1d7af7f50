#include "framework/classes/component.h"

#include <algorithm>
#include <cctype>

#include "framework/classes/stored_properties.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"
#include "framework/rtl/textutils.h"

namespace fw {

namespace {

bool IsValidIdent(const std::string& name) {
  const auto isStart = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_'; };
  const auto isPart = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; };
  return !name.empty() && isStart(name[0]) && std::all_of(name.begin() + 1, name.end(), isPart);
}

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->Insert(this);
}

TComponent::~TComponent() {
  Destroying();
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    other->Unlink(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::AfterConstruction() {
  TPersistent::AfterConstruction();
  if (owner_ != nullptr) owner_->Notification(this, opInsert);
}

void TComponent::BeforeDestruction() {
  TPersistent::BeforeDestruction();
  Destroying();
}

void TComponent::SetName(const std::string& NewName) {
  if (name_ == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName)) {
    throw EComponentError(Format("'%s' is not a valid component name", NewName));
  }
  if (owner_ != nullptr) owner_->ValidateRename(this, name_, NewName);
  name_ = NewName;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", index));
  return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& siblings = owner_->components_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (SameText(component->name_, name)) return component;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->owner_ == this) return;
  ValidateRename(AComponent, "", AComponent->name_);
  if (AComponent->owner_ != nullptr) AComponent->owner_->RemoveComponent(AComponent);
  Insert(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent->owner_ != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* component = components_.back();
    RemoveComponent(component);
    component->Free();
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* component : components_) component->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
    freeNotifies_.push_back(AComponent);
  }
  auto& theirs = AComponent->freeNotifies_;
  if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
  state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr) return;
  Unlink(AComponent);
  AComponent->Unlink(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove) RemoveFreeNotification(AComponent);
  // Backwards and re-checked: a handler may free owned components.
  for (std::size_t i = components_.size(); i-- > 0;) {
    if (i < components_.size()) components_[i]->Notification(AComponent, Operation);
  }
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) {
  if (AComponent == nullptr || NewName.empty() || SameText(CurName, NewName)) return;
  const TComponent* existing = FindComponent(NewName);
  if (existing != nullptr && existing != AComponent) {
    throw EComponentError(Format("A component named %s already exists", NewName));
  }
}

void TComponent::Insert(TComponent* AComponent) {
  components_.push_back(AComponent);
  AComponent->owner_ = this;
  if (state_.Contains(csReading)) AComponent->state_ = AComponent->state_ + TComponentState{csLoading, csReading};
}

void TComponent::Remove(TComponent* AComponent) {
  Erase(components_, AComponent);
  AComponent->owner_ = nullptr;
}

void TComponent::Unlink(TComponent* AComponent) {
  Erase(freeNotifies_, AComponent);
  if (freeNotifies_.empty()) state_.Exclude(csFreeNotification);
}

void TComponent::CollectTree(std::vector<TComponent*>& tree) {
  tree.push_back(this);
  for (TComponent* component : components_) component->CollectTree(tree);
}

void BeginLoading(TComponent* root) {
  std::vector<TComponent*> tree;
  root->CollectTree(tree);
  for (TComponent* component : tree) component->state_ = component->state_ + TComponentState{csLoading, csReading};
}

void EndLoading(TComponent* root) {
  std::vector<TComponent*> tree;
  root->CollectTree(tree);
  for (TComponent* component : tree) component->state_.Exclude(csReading);
  for (TComponent* component : tree) {
    if (component->state_.Contains(csLoading)) component->Loaded();
  }
}

void TComponent::ReadState(TReader* Reader) { Reader->ReadProperties(); }

void TComponent::ListStoredProperties(TStoredProperties& List) const {
  TPersistent::ListStoredProperties(List);
  List.Integer<TComponent>(
          "Tag", [](TComponent* c) { return c->Tag(); },
          [](TComponent* c, std::int64_t v) { c->SetTag(static_cast<std::intptr_t>(v)); })
      .Default(0);
}

void TReader::ReadComponent(TComponent* Component, const std::function<void()>& Properties) {
  const std::function<void()>* outer = properties_;
  properties_ = &Properties;
  const bool wasReading = Component->state_.Contains(csReading);
  Component->state_.Include(csReading);
  try {
    Component->ReadState(this);
  } catch (...) {
    properties_ = outer;
    if (!wasReading) Component->state_.Exclude(csReading);
    throw;
  }
  properties_ = outer;
  if (!wasReading) Component->state_.Exclude(csReading);
}

void TReader::ReadProperties() {
  if (properties_ != nullptr && *properties_) (*properties_)();
}

}  // namespace fw
