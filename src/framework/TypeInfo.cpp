#include "framework/TypeInfo.h"

#include <algorithm>
#include <limits>

#include "base/StrUtils.h"
#include "framework/Classes.h"
#include "framework/Colors.h"
#include "framework/Cursors.h"

std::vector<const TClassInfo*> FrameworkClasses();

int32_t StoredInteger(const TStoredValue& value) {
  if (value.Kind != TValueKind::vkInteger) throw EPropertyValue("Integer expected");
  if (value.Integer < std::numeric_limits<int32_t>::min() || value.Integer > std::numeric_limits<int32_t>::max())
    throw EPropertyValue("Integer out of range");
  return static_cast<int32_t>(value.Integer);
}

bool StoredBoolean(const TStoredValue& value) {
  if (value.Kind == TValueKind::vkIdent) {
    if (value.Text == "True") return true;
    if (value.Text == "False") return false;
  }
  throw EPropertyValue("True or False expected");
}

double StoredFloat(const TStoredValue& value) {
  if (value.Kind == TValueKind::vkFloat) return value.Float;
  if (value.Kind == TValueKind::vkInteger) return static_cast<double>(value.Integer);
  throw EPropertyValue("Number expected");
}

const std::string& StoredString(const TStoredValue& value) {
  if (value.Kind != TValueKind::vkString) throw EPropertyValue("String expected");
  return value.Text;
}

int32_t StoredColor(const TStoredValue& value) {
  if (value.Kind == TValueKind::vkInteger) return StoredInteger(value);
  TColor color = 0;
  if (value.Kind == TValueKind::vkIdent && IdentToColor(value.Text, color)) return color;
  throw EPropertyValue(value.Kind == TValueKind::vkIdent ? "Invalid colour " + value.Text
                                                         : std::string("Colour expected"));
}

int32_t StoredCursor(const TStoredValue& value) {
  if (value.Kind == TValueKind::vkInteger) return StoredInteger(value);
  TCursor cursor = 0;
  if (value.Kind == TValueKind::vkIdent && IdentToCursor(value.Text, cursor)) return cursor;
  throw EPropertyValue(value.Kind == TValueKind::vkIdent ? "Invalid cursor " + value.Text
                                                         : std::string("Cursor expected"));
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* info = this; info; info = info->FParent)
    if (info == &other) return true;
  return false;
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const {
  const std::string key = UpperCase(name);
  for (const TClassInfo* info = this; info; info = info->FParent) {
    auto it = info->FProperties.find(key);
    if (it != info->FProperties.end()) return &it->second;
  }
  return nullptr;
}

void TClassInfo::Add(const std::string& name, TPropertyInfo info) { FProperties[UpperCase(name)] = std::move(info); }

TNotifyEvent TClassInfo::ResolveMethod(TComponent& root, const TStoredValue& value) {
  if (value.Kind != TValueKind::vkIdent) throw EPropertyValue("Method name expected");
  TNotifyEvent method = root.MethodAddress(value.Text);
  if (!method) throw EPropertyValue("Method " + value.Text + " not found in " + root.ClassName());
  return method;
}

namespace {
std::vector<const TClassInfo*>& RegisteredClasses() {
  static std::vector<const TClassInfo*> classes = FrameworkClasses();
  return classes;
}
}  // namespace

void RegisterClass(const TClassInfo& info) {
  auto& classes = RegisteredClasses();
  std::erase_if(classes, [&info](const TClassInfo* known) { return SameText(known->Name(), info.Name()); });
  classes.push_back(&info);
}

void UnregisterClass(const TClassInfo& info) { std::erase(RegisteredClasses(), &info); }

const TClassInfo* FindClass(std::string_view name) {
  for (const TClassInfo* info : RegisteredClasses())
    if (SameText(info->Name(), name)) return info;
  return nullptr;
}
