#include "StandIns.h"

namespace standin {

const char* const kThirdListNames[23] = {
    "ThirdEdits",       "ThirdButtons",      "ThirdBitBtns",      "ThirdCheckBoxes",    "ThirdGroupBoxes",
    "ThirdListViews",   "ThirdPanels",       "ThirdGrids",        "ThirdTreeViews",     "ThirdComboBoxes",
    "ThirdWWEdits",     "ThirdVirtualTrees", "ThirdGridEh",       "ThirdPageControl",   "ThirdTabControl",
    "ThirdToolBar",     "ThirdStatusBar",    "ThirdSpeedButton",  "ThirdScrollControl", "ThirdUpDown",
    "ThirdScrollBar",   "ThirdStaticText",   "ThirdNativePaint"};

namespace {
template <class T>
TComponent* Make(TComponent* owner) {
  return new T(owner);
}

// A property that records its own name with the manager before storing.
template <class T, class F>
TPropertyInfo Recorded(std::string name, F store) {
  return {.Assign =
              [name, store](TPersistent& target, const TStoredValue& value, TComponent&) {
                T& object = dynamic_cast<T&>(target);
                store(object, value);
                object.Manager.Assigned.push_back(name);
              },
          .Object = nullptr};
}
}  // namespace

const TClassInfo& TsPanel::StaticClassInfo() {
  static const TClassInfo info("TsPanel", &TCustomPanel::StaticClassInfo(), Make<TsPanel>, nullptr);
  return info;
}

const TClassInfo& TsLabel::StaticClassInfo() {
  static const TClassInfo info("TsLabel", &TCustomLabel::StaticClassInfo(), Make<TsLabel>, nullptr);
  return info;
}

const TClassInfo& TsEdit::StaticClassInfo() {
  static const TClassInfo info("TsEdit", &TEdit::StaticClassInfo(), Make<TsEdit>, nullptr);
  return info;
}

const TClassInfo& TsButton::StaticClassInfo() {
  static const TClassInfo info("TsButton", &TButton::StaticClassInfo(), Make<TsButton>,
                               [](TClassInfo& c) { c.Boolean<TsButton>("ShowFocus", &TsButton::SetShowFocus); });
  return info;
}

const TClassInfo& TOptionGroup::StaticClassInfo() {
  static const TClassInfo info("TOptionGroup", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Add("AllowGlowing", Recorded<TOptionGroup>("Effects.AllowGlowing", [](TOptionGroup& g, const TStoredValue& v) {
            g.AllowGlowing = StoredBoolean(v);
          }));
    c.Add("OldGlyphsMode",
          Recorded<TOptionGroup>("ButtonsOptions.OldGlyphsMode",
                                 [](TOptionGroup& g, const TStoredValue& v) { g.OldGlyphsMode = StoredBoolean(v); }));
    for (size_t i = 0; i < 23; ++i)
      c.Add(kThirdListNames[i],
            Recorded<TOptionGroup>(kThirdListNames[i], [i](TOptionGroup& g, const TStoredValue& v) {
              g.ThirdLists[i].SetText(StoredString(v));
            }));
  });
  return info;
}

const TClassInfo& TStoredSkin::StaticClassInfo() {
  static const TClassInfo info("TStoredSkin", &TCollectionItem::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    const auto field = [](auto TStoredSkin::*member, auto read) {
      return TPropertyInfo{.Assign = [member, read](TPersistent& target, const TStoredValue& value,
                                                    TComponent&) { dynamic_cast<TStoredSkin&>(target).*member = read(value); },
                           .Object = nullptr};
    };
    const auto bytes = [](const TStoredValue& value) {
      if (value.Kind != TValueKind::vkBinary) throw EPropertyValue("Binary data expected");
      return value.Bytes;
    };
    c.Add("Name", field(&TStoredSkin::Name, StoredString));
    c.Add("Version", field(&TStoredSkin::Version, StoredFloat));
    c.Add("Author", field(&TStoredSkin::Author, StoredString));
    c.Add("Data", field(&TStoredSkin::Data, bytes));
    c.Add("OriginName", field(&TStoredSkin::OriginName, StoredString));
  });
  return info;
}

const TClassInfo& TStoredSkins::StaticClassInfo() {
  static const TClassInfo info("TStoredSkins", &TCollection::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TsSkinManager::StaticClassInfo() {
  static const TClassInfo info("TsSkinManager", &TComponent::StaticClassInfo(), Make<TsSkinManager>, [](TClassInfo& c) {
    c.Object<TsSkinManager, TOptionGroup>("Effects", &TsSkinManager::Effects);
    c.Object<TsSkinManager, TOptionGroup>("ButtonsOptions", &TsSkinManager::ButtonsOptions);
    c.Object<TsSkinManager, TOptionGroup>("ThirdParty", &TsSkinManager::ThirdParty);
    c.Add("InternalSkins", {.Assign = nullptr, .Object = [](TPersistent& target) -> TPersistent* {
                              auto& manager = dynamic_cast<TsSkinManager&>(target);
                              manager.Assigned.push_back("InternalSkins");
                              return &manager.InternalSkins();
                            }});
    const auto text = [](std::string TsSkinManager::*field, const char* name) {
      return TPropertyInfo{.Assign =
                               [field, name](TPersistent& target, const TStoredValue& value, TComponent&) {
                                 auto& manager = dynamic_cast<TsSkinManager&>(target);
                                 manager.*field = StoredString(value);
                                 manager.Assigned.push_back(name);
                               },
                           .Object = nullptr};
    };
    c.Add("SkinDirectory", text(&TsSkinManager::SkinDirectory, "SkinDirectory"));
    c.Add("SkinName", text(&TsSkinManager::SkinName, "SkinName"));
    c.Add("SkinInfo", text(&TsSkinManager::SkinInfo, "SkinInfo"));
    c.Add("ExtendedBorders", {.Assign =
                                  [](TPersistent& target, const TStoredValue& value, TComponent&) {
                                    auto& manager = dynamic_cast<TsSkinManager&>(target);
                                    manager.ExtendedBorders = StoredBoolean(value);
                                    manager.Assigned.push_back("ExtendedBorders");
                                  },
                              .Object = nullptr});
  });
  return info;
}

void RegisterStandIns() {
  for (const TClassInfo* info : {&TsPanel::StaticClassInfo(), &TsLabel::StaticClassInfo(), &TsEdit::StaticClassInfo(),
                                 &TsButton::StaticClassInfo(), &TsSkinManager::StaticClassInfo()})
    RegisterClass(*info);
}

}  // namespace standin
