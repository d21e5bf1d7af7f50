// TComponent: named objects in an ownership tree. An owner frees the components it owns when it is freed;
// Notification tells components when another one is inserted or goes away; ComponentState carries
// loading, reading and destroying (csDesigning exists for completeness and is never set).
//
// Make components with Create<T>(owner): the constructor puts the component into its owner's list, and
// AfterConstruction (once the object is complete) tells the owner's tree with Notification(opInsert).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/classes/filer.h"
#include "framework/classes/persistent.h"
#include "framework/rtl/set.h"

namespace fw {

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating, csFreeNotification };
using TComponentState = Set<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent;
struct TPropInfo;

// The reading step of loading: code that builds a form reads each component through a reader, which
// knows the root (the form), and the parent the component is read into. ReadComponent runs the
// component's ReadState, which applies the stored properties (ReadProperties) and may act before or
// after that in an override.
//
// A reader over a stream reads component records (writer.h) into existing components of the record's
// class: ReadComponent(Component) sets the name (when the record has one) and each stored property in the
// order of the stream. A record of another class, an unknown property, a value of the wrong kind or a
// truncated record raise EReadError; the properties read before it stay. A component reference is
// resolved by name among the owners of the component read and their components.
class TReader : public TFiler {
 public:
  explicit TReader(TComponent* Root, TComponent* Parent = nullptr) : TFiler(nullptr), root_(Root), parent_(Parent) {}
  explicit TReader(TStream* Stream, TComponent* Root = nullptr, TComponent* Parent = nullptr)
      : TFiler(Stream), root_(Root), parent_(Parent) {}
  TComponent* Root() const { return root_; }
  // The control the components are read into (null for non-visual components).
  TComponent* Parent() const { return parent_; }
  void SetParent(TComponent* value) { parent_ = value; }

  // Reads one component; Properties applies its stored properties.
  void ReadComponent(TComponent* Component, const std::function<void()>& Properties);
  // Reads the next record of the stream into Component.
  void ReadComponent(TComponent* Component);
  // Applies the stored properties of the component being read (called by TComponent::ReadState).
  void ReadProperties();

  void DefineProperty(const std::string& Name, const std::function<void(TReader*)>& ReadData,
                      const std::function<void(TWriter*)>& WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const std::function<void(TStream*)>& ReadData,
                            const std::function<void(TStream*)>& WriteData, bool HasData) override;

  // Values, for DefineProperty handlers. Each raises EReadError when the next value is of another kind.
  TValueType NextValue();
  // The next byte ends the list: vaNull among values, the empty name among properties (a property's name
  // starts with its length byte, which is no value tag).
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  std::int64_t ReadInteger();  // any integer form
  bool ReadBoolean();
  double ReadFloat();
  // A text of either width: 8-bit texts are widened, wide ones narrowed (system code page).
  std::string ReadString();
  std::wstring ReadWideString();
  std::string ReadIdent();

 private:
  TValueType ReadValue();
  void ReadBytes(void* data, std::size_t count);
  std::string ReadShortStr();
  std::uint32_t ReadLength();
  void ReadProperty(TComponent* Component);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Info, TComponent* Component);
  TComponent* FindReference(TComponent* Component, const std::string& Name) const;
  [[noreturn]] void PropertyError(const std::string& message) const;

  TComponent* root_;
  TComponent* parent_;
  const std::function<void()>* properties_ = nullptr;
  std::string propName_;   // the property being read: its full path
  std::string propLeaf_;   // its last part, matched by DefineProperty
  bool propFound_ = false;
};

// The loading protocol that stands in for stored form descriptions:
//   BeginLoading(form);   // csLoading + csReading on the form and everything it owns, and on every
//                         // component created with an owner in that tree until EndLoading
//   ... create children and apply stored properties ...
//   EndLoading(form);     // clears csReading, then calls Loaded on the root and then on every owned
//                         // component still loading (depth first, in creation order)
void BeginLoading(TComponent* root);
void EndLoading(TComponent* root);

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  void AfterConstruction() override;
  void BeforeDestruction() override;

  TComponent* Owner() const { return owner_; }
  TPersistent* GetOwner() const override { return owner_; }
  const std::string& Name() const { return name_; }
  // A name is empty or an identifier, unique (ignoring case) among the owner's components;
  // otherwise EComponentError.
  virtual void SetName(const std::string& NewName);
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t value) { tag_ = value; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;  // EListError when out of range
  int ComponentIndex() const;               // position in the owner's list, -1 without owner
  TComponent* FindComponent(std::string_view name) const;  // among owned components, ignoring case
  TComponentState ComponentState() const { return state_; }

  // Moves ownership: RemoveComponent tells the tree (opRemove) and drops the component; InsertComponent
  // takes it from its previous owner, adds it and tells the tree (opInsert).
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, the last created first.
  void DestroyComponents();
  // Marks this component and all it owns as csDestroying.
  void Destroying();

  // AComponent will get Notification(this, opRemove) when this component is freed (and the other way round).
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

 protected:
  // Overrides clear their references to AComponent on opRemove and call the inherited Notification,
  // which passes the news on to every owned component.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Called by EndLoading once every stored property is in place; clears csLoading.
  virtual void Loaded();
  // Reads the component's stored properties through the reader; overrides call the inherited one.
  virtual void ReadState(TReader* Reader);

 public:
  // "Tag" (default 0); the name travels in the record's head.
  void ListStoredProperties(TStoredProperties& List) const override;

 protected:
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName);
  void Updating() { state_.Include(csUpdating); }
  void Updated() { state_.Exclude(csUpdating); }

 private:
  friend void BeginLoading(TComponent* root);
  friend void EndLoading(TComponent* root);
  friend class TReader;

  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void Unlink(TComponent* AComponent);
  void CollectTree(std::vector<TComponent*>& tree);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::intptr_t tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
};

}  // namespace fw
