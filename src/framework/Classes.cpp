#include "framework/Classes.h"

#include <algorithm>
#include <cctype>

#include "base/StrUtils.h"

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info("TObject", nullptr, nullptr, nullptr);
  return info;
}

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info("TPersistent", &TObject::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info("TComponent", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Integer<TComponent>("Tag", &TComponent::SetTag);
  });
  return info;
}

TComponent::TComponent(TComponent* owner) : FOwner(owner) {
  if (FOwner) FOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  for (TComponent* other : std::vector<TComponent*>(FFreeNotifies)) {
    RemoveFreeNotification(other);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (FOwner) {
    // The owner's list held this component; whoever deletes it takes it back out.
    FOwner->RemoveComponent(this).release();
    FOwner->Notification(this, TOperation::opRemove);
  }
}

namespace {
bool IsValidIdent(std::string_view name) {
  if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_'; });
}
}  // namespace

void TComponent::SetName(const std::string& name) {
  if (name == FName) return;
  if (!name.empty() && !IsValidIdent(name)) throw Exception("\"" + name + "\" is not a valid component name");
  if (!name.empty() && FOwner && FOwner->FindComponent(name))
    throw Exception("A component named " + name + " already exists");
  FName = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& component : FComponents)
    if (SameText(component->FName, name)) return component.get();
  return nullptr;
}

void TComponent::Destroying() {
  if (FComponentState.Contains(TComponentStateItem::csDestroying)) return;
  FComponentState.Include(TComponentStateItem::csDestroying);
  for (const auto& component : FComponents) component->Destroying();
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last->Destroying();
    last.reset();
  }
}

void TComponent::BeginLoading() {
  FComponentState.Include(TComponentStateItem::csLoading);
  FComponentState.Include(TComponentStateItem::csReading);
}

void TComponent::Loaded() { FComponentState.Exclude(TComponentStateItem::csLoading); }

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(other);
    other->FreeNotification(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  std::erase(FFreeNotifies, other);
  if (other) std::erase(other->FFreeNotifies, this);
}

TNotifyEvent TComponent::MethodAddress(const std::string&) { return nullptr; }

void TComponent::Notification(TComponent* component, TOperation operation) {
  // Every component of an owner hears about the others coming and going; the
  // list is copied because a receiver may free components.
  std::vector<TComponent*> receivers;
  receivers.reserve(FComponents.size());
  for (const auto& owned : FComponents)
    if (owned.get() != component) receivers.push_back(owned.get());
  for (TComponent* receiver : receivers)
    if (std::any_of(FComponents.begin(), FComponents.end(), [receiver](const auto& c) { return c.get() == receiver; }))
      receiver->Notification(component, operation);
}

void TComponent::InsertComponent(TComponent* component) {
  FComponents.emplace_back(component);
  Notification(component, TOperation::opInsert);
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find_if(FComponents.begin(), FComponents.end(),
                         [component](const auto& owned) { return owned.get() == component; });
  if (it == FComponents.end()) return nullptr;
  std::unique_ptr<TComponent> result = std::move(*it);
  FComponents.erase(it);
  return result;
}

const TClassInfo& TCollectionItem::StaticClassInfo() {
  static const TClassInfo info("TCollectionItem", &TPersistent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TCollection::StaticClassInfo() {
  static const TClassInfo info("TCollection", &TPersistent::StaticClassInfo(), nullptr, nullptr);
  return info;
}

TCollectionItem& TCollection::Add() {
  FItems.push_back(CreateItem());
  return *FItems.back();
}
