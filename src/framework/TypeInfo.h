#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Exception.h"
#include "base/Sets.h"
#include "framework/StoredDefinition.h"

class TPersistent;
class TComponent;
class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Raised by a property setter when the stored value has the wrong type; the
// reader adds the line and the property name.
class EPropertyValue : public Exception {
 public:
  using Exception::Exception;
};

// What a stored definition may assign to one published property: either a
// setter taking the value, or access to a nested persistent object
// (Font, Effects, a collection) whose own properties follow a dot.
struct TPropertyInfo {
  std::function<void(TPersistent& target, const TStoredValue& value, TComponent& root)> Assign;
  std::function<TPersistent*(TPersistent& target)> Object;
};

template <class E>
using TIdentTable = std::vector<std::pair<const char*, E>>;

int32_t StoredInteger(const TStoredValue& value);
bool StoredBoolean(const TStoredValue& value);
double StoredFloat(const TStoredValue& value);
const std::string& StoredString(const TStoredValue& value);
// A colour as an integer or one of the cl* names.
int32_t StoredColor(const TStoredValue& value);
// A cursor as an integer or one of the cr* names.
int32_t StoredCursor(const TStoredValue& value);

template <class E>
E StoredIdent(const TStoredValue& value, const TIdentTable<E>& idents) {
  if (value.Kind == TValueKind::vkIdent)
    for (const auto& [name, member] : idents)
      if (value.Text == name) return member;
  throw EPropertyValue(value.Kind == TValueKind::vkIdent ? "Invalid property value " + value.Text
                                                         : std::string("Identifier expected"));
}

template <class E>
TSet<E> StoredSet(const TStoredValue& value, const TIdentTable<E>& idents) {
  if (value.Kind != TValueKind::vkSet) throw EPropertyValue("Set expected");
  TSet<E> result;
  for (const std::string& name : value.Names) {
    TStoredValue ident;
    ident.Kind = TValueKind::vkIdent;
    ident.Text = name;
    result.Include(StoredIdent(ident, idents));
  }
  return result;
}

// The published interface of one class: its name, its parent class, how to
// create it (abstract classes cannot be streamed) and its properties.
class TClassInfo {
 public:
  using TFactory = std::function<TComponent*(TComponent* owner)>;
  using TDescribe = std::function<void(TClassInfo&)>;

  TClassInfo(std::string name, const TClassInfo* parent, TFactory factory, const TDescribe& describe)
      : FName(std::move(name)), FParent(parent), FFactory(std::move(factory)) {
    if (describe) describe(*this);
  }
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const std::string& Name() const { return FName; }
  const TClassInfo* Parent() const { return FParent; }
  bool InheritsFrom(const TClassInfo& other) const;
  bool Creatable() const { return static_cast<bool>(FFactory); }
  TComponent* Create(TComponent* owner) const { return FFactory(owner); }
  // Case-insensitive, searching the parent classes too.
  const TPropertyInfo* FindProperty(std::string_view name) const;

  void Add(const std::string& name, TPropertyInfo info);

  template <class T>
  void Integer(const std::string& name, void (T::*set)(int32_t)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) { (t.*set)(StoredInteger(v)); });
  }
  template <class T>
  void Boolean(const std::string& name, void (T::*set)(bool)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) { (t.*set)(StoredBoolean(v)); });
  }
  template <class T>
  void Float(const std::string& name, void (T::*set)(double)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) { (t.*set)(StoredFloat(v)); });
  }
  template <class T>
  void String(const std::string& name, void (T::*set)(const std::string&)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) { (t.*set)(StoredString(v)); });
  }
  template <class T>
  void Color(const std::string& name, void (T::*set)(int32_t)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) { (t.*set)(StoredColor(v)); });
  }
  template <class T>
  void Cursor(const std::string& name, void (T::*set)(int32_t)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) { (t.*set)(StoredCursor(v)); });
  }
  template <class T>
  void Binary(const std::string& name, void (T::*set)(const std::vector<uint8_t>&)) {
    Value<T>(name, [set](T& t, const TStoredValue& v) {
      if (v.Kind != TValueKind::vkBinary) throw EPropertyValue("Binary data expected");
      (t.*set)(v.Bytes);
    });
  }
  template <class T, class E>
  void Enum(const std::string& name, void (T::*set)(E), TIdentTable<E> idents) {
    Value<T>(name, [set, idents](T& t, const TStoredValue& v) { (t.*set)(StoredIdent(v, idents)); });
  }
  template <class T, class E>
  void Set(const std::string& name, void (T::*set)(TSet<E>), TIdentTable<E> idents) {
    Value<T>(name, [set, idents](T& t, const TStoredValue& v) { (t.*set)(StoredSet(v, idents)); });
  }
  // An event names a published method of the definition's root component.
  template <class T>
  void Event(const std::string& name, void (T::*set)(TNotifyEvent)) {
    Add(name, {.Assign = [set](TPersistent& target, const TStoredValue& v, TComponent& root) {
                 (Cast<T>(target).*set)(ResolveMethod(root, v));
               },
         .Object = nullptr});
  }
  template <class T, class Sub>
  void Object(const std::string& name, Sub& (T::*get)()) {
    Add(name, {.Assign = nullptr, .Object = [get](TPersistent& target) -> TPersistent* { return &(Cast<T>(target).*get)(); }});
  }

 private:
  template <class T>
  static T& Cast(TPersistent& target) {
    return dynamic_cast<T&>(target);
  }
  template <class T, class F>
  void Value(const std::string& name, F apply) {
    Add(name, {.Assign = [apply](TPersistent& target, const TStoredValue& v, TComponent&) {
                 apply(Cast<T>(target), v);
               },
         .Object = nullptr});
  }
  static TNotifyEvent ResolveMethod(TComponent& root, const TStoredValue& value);

  std::string FName;
  const TClassInfo* FParent;
  TFactory FFactory;
  std::map<std::string, TPropertyInfo> FProperties;  // upper-cased names
};

// Classes a stored definition may create. The framework's own classes are
// always known; others are registered by the code that defines them.
void RegisterClass(const TClassInfo& info);
void UnregisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

// Every published class declares its class information with this line.
#define DECLARE_CLASS_INFO                                 \
 public:                                                   \
  static const TClassInfo& StaticClassInfo();              \
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
