// Stored-property descriptions: what a component record holds of an object. A class lists its stored
// properties in ListStoredProperties, after its base's (call the inherited one first), in declaration
// order. Each has a name, a kind and typed read and write functions; ordinal kinds may have a default
// (the value is then written only when it differs) and any property may be marked not stored.
//
// Kinds: integers (written in the smallest of the 8-, 16- and 32-bit forms), Booleans, enumerations (by
// value name), sets (by element names), floats, texts, nested persistent objects (their own properties
// written as "Object.Property") and component references (by name). String lists and graphics store
// their contents through DefineProperties (a list of texts, binary data).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace fw {

class TPersistent;
class TComponent;

enum class TPropKind { Integer, Boolean, Enumeration, Set, Float, Text, Object, Component };

struct TPropInfo {
  std::string name;
  TPropKind kind = TPropKind::Integer;
  // Integer, Boolean (0/1), Enumeration (the value's index in valueNames), Set (bit i = valueNames[i]).
  std::function<std::int64_t(TPersistent*)> getOrdinal;
  std::function<void(TPersistent*, std::int64_t)> setOrdinal;
  std::vector<std::string> valueNames;
  std::optional<std::int64_t> defaultValue;
  std::function<double(TPersistent*)> getFloat;
  std::function<void(TPersistent*, double)> setFloat;
  std::function<std::string(TPersistent*)> getText;
  std::function<void(TPersistent*, const std::string&)> setText;
  // Object: the nested object, read into in place (null: nothing written).
  std::function<TPersistent*(TPersistent*)> getObject;
  std::function<TComponent*(TPersistent*)> getComponent;
  std::function<void(TPersistent*, TComponent*)> setComponent;
  bool stored = true;

  TPropInfo& Default(std::int64_t value) {
    defaultValue = value;
    return *this;
  }
  TPropInfo& NotStored() {
    stored = false;
    return *this;
  }
};

// The list a class fills. The typed adders take lambdas over the class's own type.
class TStoredProperties {
 public:
  const std::vector<TPropInfo>& Items() const { return items_; }
  const TPropInfo* Find(const std::string& name) const;  // ignoring case

  template <class C, class Get, class Set>
  TPropInfo& Integer(std::string name, Get get, Set set) {
    return Ordinal<C>(std::move(name), TPropKind::Integer, get, set, {});
  }
  template <class C, class Get, class Set>
  TPropInfo& Boolean(std::string name, Get get, Set set) {
    return Ordinal<C>(
        std::move(name), TPropKind::Boolean, [get](C* o) -> std::int64_t { return get(o) ? 1 : 0; },
        [set](C* o, std::int64_t v) { set(o, v != 0); }, {});
  }
  // Get and Set work with the value's index in names (an enum's underlying value).
  template <class C, class Get, class Set>
  TPropInfo& Enumeration(std::string name, std::vector<std::string> names, Get get, Set set) {
    return Ordinal<C>(std::move(name), TPropKind::Enumeration, get, set, std::move(names));
  }
  // Get and Set work with a bit mask over names.
  template <class C, class Get, class Set>
  TPropInfo& SetOf(std::string name, std::vector<std::string> names, Get get, Set set) {
    return Ordinal<C>(std::move(name), TPropKind::Set, get, set, std::move(names));
  }
  template <class C, class Get, class Set>
  TPropInfo& Float(std::string name, Get get, Set set) {
    TPropInfo& info = Add(std::move(name), TPropKind::Float);
    info.getFloat = [get](TPersistent* o) { return static_cast<double>(get(static_cast<C*>(o))); };
    info.setFloat = [set](TPersistent* o, double v) { set(static_cast<C*>(o), v); };
    return info;
  }
  template <class C, class Get, class Set>
  TPropInfo& Text(std::string name, Get get, Set set) {
    TPropInfo& info = Add(std::move(name), TPropKind::Text);
    info.getText = [get](TPersistent* o) { return std::string(get(static_cast<C*>(o))); };
    info.setText = [set](TPersistent* o, const std::string& v) { set(static_cast<C*>(o), v); };
    return info;
  }
  template <class C, class Get>
  TPropInfo& Object(std::string name, Get get) {
    TPropInfo& info = Add(std::move(name), TPropKind::Object);
    info.getObject = [get](TPersistent* o) -> TPersistent* { return get(static_cast<C*>(o)); };
    return info;
  }
  template <class C, class Get, class Set>
  TPropInfo& Component(std::string name, Get get, Set set) {
    TPropInfo& info = Add(std::move(name), TPropKind::Component);
    info.getComponent = [get](TPersistent* o) -> TComponent* { return get(static_cast<C*>(o)); };
    info.setComponent = [set](TPersistent* o, TComponent* v) { set(static_cast<C*>(o), v); };
    return info;
  }

 private:
  TPropInfo& Add(std::string name, TPropKind kind);
  template <class C, class Get, class Set>
  TPropInfo& Ordinal(std::string name, TPropKind kind, Get get, Set set, std::vector<std::string> names) {
    TPropInfo& info = Add(std::move(name), kind);
    info.getOrdinal = [get](TPersistent* o) { return static_cast<std::int64_t>(get(static_cast<C*>(o))); };
    info.setOrdinal = [set](TPersistent* o, std::int64_t v) { set(static_cast<C*>(o), v); };
    info.valueNames = std::move(names);
    return info;
  }

  std::vector<TPropInfo> items_;
};

}  // namespace fw
