#include "manager/SkinManager.h"

namespace {
template <class T>
TPropertyInfo Group(T& (TsSkinManager::*get)()) {
  return {.Assign = nullptr,
          .Object = [get](TPersistent& target) -> TPersistent* { return &(dynamic_cast<TsSkinManager&>(target).*get)(); }};
}
}  // namespace

const TClassInfo& TsSkinManager::StaticClassInfo() {
  static const TClassInfo info(
      "TsSkinManager", &TComponent::StaticClassInfo(), [](TComponent* owner) { return new TsSkinManager(owner); },
      [](TClassInfo& c) {
        c.Boolean<TsSkinManager>("Active", &TsSkinManager::SetActive);
        c.String<TsSkinManager>("SkinDirectory", &TsSkinManager::SetSkinDirectory);
        c.String<TsSkinManager>("SkinName", &TsSkinManager::SetSkinName);
        c.Add("SkinInfo", {.Assign = [](TPersistent&, const TStoredValue& value, TComponent&) { StoredString(value); },
                           .Object = nullptr});
        c.Add("InternalSkins", Group(&TsSkinManager::InternalSkins));
        c.Boolean<TsSkinManager>("ExtendedBorders", &TsSkinManager::SetExtendedBorders);
        c.Enum<TsSkinManager, TacExtBordersMode>("ExtBordersMode", &TsSkinManager::SetExtBordersMode,
                                                 {{"ebmFull", ebmFull}, {"ebmShadow", ebmShadow}});
        c.Integer<TsSkinManager>("Brightness", &TsSkinManager::SetBrightness);
        c.Integer<TsSkinManager>("HueOffset", &TsSkinManager::SetHueOffset);
        c.Integer<TsSkinManager>("Saturation", &TsSkinManager::SetSaturation);
        c.Boolean<TsSkinManager>("IsDefault", &TsSkinManager::SetIsDefault);
        c.Boolean<TsSkinManager>("SkinnedPopups", &TsSkinManager::SetSkinnedPopups);
        c.Set<TsSkinManager, TacSkinningRule>("SkinningRules", &TsSkinManager::SetSkinningRules,
                                              {{"srStdForms", TacSkinningRule::srStdForms},
                                               {"srStdDialogs", TacSkinningRule::srStdDialogs},
                                               {"srThirdParty", TacSkinningRule::srThirdParty}});
        c.Set<TsSkinManager, TacSkinsFilterItem>("SkinsFilter", &TsSkinManager::SetSkinsFilter,
                                                 {{"sfiInternal", TacSkinsFilterItem::sfiInternal},
                                                  {"sfiExternal", TacSkinsFilterItem::sfiExternal}});
        c.String<TsSkinManager>("CommonSections", &TsSkinManager::SetCommonSections);
        c.Add("Effects", Group(&TsSkinManager::Effects));
        c.Add("AnimEffects", Group(&TsSkinManager::AnimEffects));
        c.Add("ButtonsOptions", Group(&TsSkinManager::ButtonsOptions));
        c.Add("LabelsOptions", Group(&TsSkinManager::LabelsOptions));
        c.Add("ScrollsOptions", Group(&TsSkinManager::ScrollsOptions));
        c.Add("Options", Group(&TsSkinManager::Options));
        c.Add("Fonts", Group(&TsSkinManager::Fonts));
        c.Add("MenuSupport", Group(&TsSkinManager::MenuSupport));
        c.Add("ThirdParty", Group(&TsSkinManager::ThirdParty));
        c.Event<TsSkinManager>("OnActivate", &TsSkinManager::SetEvent<&TsSkinManager::OnActivate>);
        c.Event<TsSkinManager>("OnDeactivate", &TsSkinManager::SetEvent<&TsSkinManager::OnDeactivate>);
        c.Event<TsSkinManager>("OnBeforeChange", &TsSkinManager::SetEvent<&TsSkinManager::OnBeforeChange>);
        c.Event<TsSkinManager>("OnAfterChange", &TsSkinManager::SetEvent<&TsSkinManager::OnAfterChange>);
        c.Event<TsSkinManager>("OnSkinLoading", &TsSkinManager::SetEvent<&TsSkinManager::OnSkinLoading>);
        c.Event<TsSkinManager>("OnSkinListChanged", &TsSkinManager::SetEvent<&TsSkinManager::OnSkinListChanged>);
      });
  return info;
}
