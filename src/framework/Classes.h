#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Sets.h"
#include "framework/TypeInfo.h"

class TObject {
 public:
  virtual ~TObject() = default;
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }
  const std::string& ClassName() const { return ClassInfo().Name(); }
  bool InheritsFrom(const TClassInfo& info) const { return ClassInfo().InheritsFrom(info); }
};

// An object with published properties that a stored definition can set.
class TPersistent : public TObject {
  DECLARE_CLASS_INFO
};

enum class TComponentStateItem { csLoading, csReading, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateItem>;
enum class TOperation { opInsert, opRemove };

// A named component with an owner. The owner destroys what it owns, last
// created first; components that asked for it hear about each other's removal.
class TComponent : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  // Throws Exception for an invalid identifier or a name the owner already uses.
  void SetName(const std::string& name);
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t tag) { FTag = tag; }

  size_t ComponentCount() const { return FComponents.size(); }
  TComponent* Components(size_t index) const { return FComponents[index].get(); }
  TComponent* FindComponent(std::string_view name) const;

  const TComponentState& ComponentState() const { return FComponentState; }
  // Marks this component and everything it owns as being destroyed.
  void Destroying();
  void DestroyComponents();

  // The stored definition sets csLoading and csReading; Loaded runs once the
  // whole definition has been read.
  void BeginLoading();
  void EndReading() { FComponentState.Exclude(TComponentStateItem::csReading); }
  virtual void Loaded();

  // Asks to be told (Notification opRemove) when other is destroyed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // The methods a definition rooted in this component may name as event handlers.
  virtual TNotifyEvent MethodAddress(const std::string& name);

 protected:
  // Told about a component this one owns being inserted (opInsert) or freed
  // (opRemove), and passed on to every other owned component. A component is
  // inserted by its own constructor: at opInsert only its TComponent part
  // exists, so receivers compare or keep the pointer and look at its class
  // later (in Loaded, or when they use it).
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void InsertComponent(TComponent* component);
  std::unique_ptr<TComponent> RemoveComponent(TComponent* component);

  TComponent* FOwner;
  std::string FName;
  int32_t FTag = 0;
  TComponentState FComponentState;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};

class TCollection;

class TCollectionItem : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  explicit TCollectionItem(TCollection& collection) : FCollection(collection) {}
  TCollection& Collection() const { return FCollection; }

 private:
  TCollection& FCollection;
};

// An ordered list of items of one class, stored as "< item ... end >".
class TCollection : public TPersistent {
  DECLARE_CLASS_INFO

 public:
  size_t Count() const { return FItems.size(); }
  TCollectionItem& Items(size_t index) const { return *FItems[index]; }
  TCollectionItem& Add();
  void Clear() { FItems.clear(); }

 protected:
  virtual std::unique_ptr<TCollectionItem> CreateItem() = 0;

 private:
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
};
