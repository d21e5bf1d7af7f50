#include "framework/classes/collection.h"

#include <algorithm>

#include "framework/classes/updatescope.h"

#include "framework/rtl/exceptions.h"
#include "framework/rtl/format.h"

namespace fw {

namespace {
[[noreturn]] void IndexError(int index) { throw EListError(Format("List index out of bounds (%d)", index)); }
}  // namespace

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection != nullptr) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (collection_ != nullptr) collection_->RemoveItem(this);
}

void TCollectionItem::AfterConstruction() {
  TPersistent::AfterConstruction();
  if (collection_ != nullptr) {
    collection_->Notify(this, cnAdded);
    collection_->Changed();
  }
}

void TCollectionItem::SetCollection(TCollection* value) {
  if (value == collection_) return;
  if (collection_ != nullptr) {
    collection_->Notify(this, cnExtracting);
    collection_->RemoveItem(this);
  }
  if (value != nullptr) {
    value->InsertItem(this);
    value->Notify(this, cnAdded);
    value->Changed();
  }
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int value) {
  const int current = Index();
  if (current < 0 || current == value) return;
  auto& items = collection_->items_;
  if (value < 0 || value >= static_cast<int>(items.size())) IndexError(value);
  items.erase(items.begin() + current);
  items.insert(items.begin() + value, this);
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Changed(bool AllItems) {
  if (collection_ != nullptr && collection_->updateCount_ == 0) collection_->Update(AllItems ? nullptr : this);
}

TCollection::TCollection(TCollectionItemFactory itemClass, TPersistent* owner)
    : itemClass_(std::move(itemClass)), owner_(owner) {}

TCollection::~TCollection() {
  updateCount_ = 1;  // no updates while going
  while (!items_.empty()) items_.back()->Free();
}

TCollectionItem* TCollection::Add() { return itemClass_(this); }

TCollectionItem* TCollection::Insert(int index) {
  if (index < 0 || index > Count()) IndexError(index);
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, cnDeleting);
  item->Free();
}

void TCollection::Clear() {
  if (items_.empty()) return;
  UpdateScope<TCollection> update(*this);
  while (!items_.empty()) Delete(Count() - 1);
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const {
  const auto found = std::find_if(items_.begin(), items_.end(), [id](const TCollectionItem* item) { return item->id_ == id; });
  return found == items_.end() ? nullptr : *found;
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  UpdateScope<TCollection> update(*this);
  Clear();
  for (TCollectionItem* item : source->items_) Add()->Assign(item);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->collection_ = nullptr;
  Changed();
}

}  // namespace fw
