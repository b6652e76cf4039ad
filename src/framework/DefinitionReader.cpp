#include "framework/DefinitionReader.h"

#include <windows.h>

#include <vector>

#include "base/Exception.h"
#include "base/StrUtils.h"
#include "framework/Classes.h"
#include "framework/WinControl.h"

namespace {

[[noreturn]] void FailAt(int line, const std::string& message) {
  throw Exception("Line " + std::to_string(line) + ": " + message);
}

class DefinitionReader {
 public:
  explicit DefinitionReader(TComponent& root) : FRoot(root) {}

  void Read(const TStoredObject& stored) {
    if (!SameText(stored.ClassName, FRoot.ClassName()))
      FailAt(stored.Line, "Definition of " + stored.ClassName + " cannot be read into " + FRoot.ClassName());
    FRoot.BeginLoading();
    FLoaded.push_back(&FRoot);
    ReadObject(FRoot, stored);
    for (TComponent* component : FLoaded) component->EndReading();
    for (TComponent* component : FLoaded) component->Loaded();
  }

 private:
  void ReadObject(TComponent& component, const TStoredObject& stored) {
    try {
      component.SetName(stored.Name);
    } catch (const Exception& e) {
      FailAt(stored.Line, e.what());
    }
    for (const TStoredProperty& property : stored.Properties) AssignProperty(component, property);
    for (const TStoredObject& child : stored.Children) ReadObject(CreateChild(component, child), child);
  }

  TComponent& CreateChild(TComponent& container, const TStoredObject& stored) {
    const TClassInfo* info = FindClass(stored.ClassName);
    if (!info) FailAt(stored.Line, "Class " + stored.ClassName + " not found");
    if (!info->InheritsFrom(TComponent::StaticClassInfo()) || !info->Creatable())
      FailAt(stored.Line, "Class " + stored.ClassName + " cannot be created from a definition");
    auto* parent = dynamic_cast<TWinControl*>(&container);
    const bool isControl = info->InheritsFrom(TControl::StaticClassInfo());
    if (isControl && !parent)
      FailAt(stored.Line, "Control " + stored.Name + " cannot be placed on " + container.Name());
    TComponent* component = info->Create(&FRoot);
    component->BeginLoading();
    FLoaded.push_back(component);
    if (isControl) static_cast<TControl*>(component)->SetParent(parent);
    return *component;
  }

  void AssignProperty(TPersistent& object, const TStoredProperty& property) {
    TPersistent* target = &object;
    std::string_view path = property.Name;
    for (size_t dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
      const std::string_view part = path.substr(0, dot);
      const TPropertyInfo* info = target->ClassInfo().FindProperty(part);
      if (!info || !info->Object) FailAt(property.Line, "Property " + property.Name + " does not exist");
      target = info->Object(*target);
      path.remove_prefix(dot + 1);
    }
    const TPropertyInfo* info = target->ClassInfo().FindProperty(path);
    if (!info) FailAt(property.Line, "Property " + property.Name + " does not exist");
    try {
      if (info->Assign)
        info->Assign(*target, property.Value, FRoot);
      else
        AssignObject(*info->Object(*target), property);
    } catch (const EPropertyValue& e) {
      FailAt(property.Line, "Invalid value of property " + property.Name + ": " + e.what());
    }
  }

  void AssignObject(TPersistent& object, const TStoredProperty& property) {
    auto* collection = dynamic_cast<TCollection*>(&object);
    if (!collection || property.Value.Kind != TValueKind::vkCollection)
      throw EPropertyValue(collection ? "Collection expected" : "Property has no value of its own");
    collection->Clear();
    for (const TStoredItem& item : property.Value.Items) {
      TCollectionItem& added = collection->Add();
      for (const TStoredProperty& itemProperty : item.Properties) AssignProperty(added, itemProperty);
    }
  }

  TComponent& FRoot;
  std::vector<TComponent*> FLoaded;
};

}  // namespace

void ReadComponentFromText(TComponent& root, std::string_view text, const std::string& source) {
  try {
    DefinitionReader(root).Read(ParseStoredDefinition(text));
  } catch (const Exception& e) {
    throw Exception("Error reading " + source + ": " + e.what());
  }
}

void ReadComponentResource(TComponent& root, const std::wstring& resourceName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, resourceName.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  const std::string source = WideToUtf8(resourceName);
  if (!data) throw Exception("Resource " + source + " not found");
  ReadComponentFromText(root, std::string_view(static_cast<const char*>(data), SizeofResource(module, resource)),
                        source);
}
