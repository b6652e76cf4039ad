// The published properties of the skin provider and its parts, as stored
// window definitions set them.
#include "forms/Attachment.h"
#include "forms/SkinProvider.h"
#include "forms/SkinnedForms.h"

const TClassInfo& TacAddedTitle::StaticClassInfo() {
  static const TClassInfo info("TacAddedTitle", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.String<TacAddedTitle>("Text", &TacAddedTitle::SetText);
    c.Object<TacAddedTitle, TFont>("Font", &TacAddedTitle::Font);
    c.Boolean<TacAddedTitle>("ShowMainCaption", &TacAddedTitle::SetShowMainCaption);
  });
  return info;
}

const TClassInfo& TacFormHeader::StaticClassInfo() {
  static const TClassInfo info("TacFormHeader", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Integer<TacFormHeader>("AdditionalHeight", &TacFormHeader::SetAdditionalHeight);
  });
  return info;
}

const TClassInfo& TsTitleIcon::StaticClassInfo() {
  static const TClassInfo info("TsTitleIcon", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Integer<TsTitleIcon>("Width", &TsTitleIcon::SetWidth);
    c.Integer<TsTitleIcon>("Height", &TsTitleIcon::SetHeight);
    c.Boolean<TsTitleIcon>("Visible", &TsTitleIcon::SetVisible);
  });
  return info;
}

const TClassInfo& TacSystemBlur::StaticClassInfo() {
  static const TClassInfo info("TacSystemBlur", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Boolean<TacSystemBlur>("Active", &TacSystemBlur::SetActive);
    c.Enum<TacSystemBlur, TacBlurMode>("Mode", &TacSystemBlur::SetMode,
                                       {{"bmBlurBehind", bmBlurBehind}, {"bmAcrylicBlurBehind", bmAcrylicBlurBehind}});
  });
  return info;
}

const TClassInfo& TacSysSubMenu::StaticClassInfo() {
  static const TClassInfo info("TacSysSubMenu", &TPersistent::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.String<TacSysSubMenu>("Caption", &TacSysSubMenu::SetCaption);
    c.Enum<TacSysSubMenu, TacItemPosition>(
        "Position", &TacSysSubMenu::SetPosition,
        {{"ipBeforeClose", ipBeforeClose}, {"ipAfterClose", ipAfterClose}, {"ipFirst", ipFirst}, {"ipLast", ipLast}});
  });
  return info;
}

const TClassInfo& TsTitleButton::StaticClassInfo() {
  static const TClassInfo info("TsTitleButton", &TCollectionItem::StaticClassInfo(), nullptr, [](TClassInfo& c) {
    c.Boolean<TsTitleButton>("Enabled", &TsTitleButton::SetEnabled);
    c.String<TsTitleButton>("Hint", &TsTitleButton::SetHint);
    c.String<TsTitleButton>("Name", &TsTitleButton::SetName);
    c.Boolean<TsTitleButton>("UseSkinData", &TsTitleButton::SetUseSkinData);
    c.Boolean<TsTitleButton>("Visible", &TsTitleButton::SetVisible);
  });
  return info;
}

const TClassInfo& TsTitleButtons::StaticClassInfo() {
  static const TClassInfo info("TsTitleButtons", &TCollection::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TsScrollWndData::StaticClassInfo() {
  static const TClassInfo info("TsScrollWndData", &TsCommonData::StaticClassInfo(), nullptr, nullptr);
  return info;
}

const TClassInfo& TsSkinProvider::StaticClassInfo() {
  static const TClassInfo info(
      "TsSkinProvider", &TComponent::StaticClassInfo(), [](TComponent* owner) { return new TsSkinProvider(owner); },
      [](TClassInfo& c) {
        c.Boolean<TsSkinProvider>("AllowAnimation", &TsSkinProvider::SetAllowAnimation);
        c.Boolean<TsSkinProvider>("AllowBlendOnMoving", &TsSkinProvider::SetAllowBlendOnMoving);
        c.Boolean<TsSkinProvider>("AllowSkin3rdParty", &TsSkinProvider::SetAllowSkin3rdParty);
        c.Boolean<TsSkinProvider>("MakeSkinMenu", &TsSkinProvider::SetMakeSkinMenu);
        c.Boolean<TsSkinProvider>("ScreenSnap", &TsSkinProvider::SetScreenSnap);
        c.Integer<TsSkinProvider>("SnapBuffer", &TsSkinProvider::SetSnapBuffer);
        c.Boolean<TsSkinProvider>("DisabledBlured", &TsSkinProvider::SetDisabledBlured);
        c.Boolean<TsSkinProvider>("AllowExtBorders", &TsSkinProvider::SetAllowExtBorders);
        c.Boolean<TsSkinProvider>("DrawNonClientArea", &TsSkinProvider::SetDrawNonClientArea);
        c.Boolean<TsSkinProvider>("ShowAppIcon", &TsSkinProvider::SetShowAppIcon);
        c.Boolean<TsSkinProvider>("UseGlobalColor", &TsSkinProvider::SetUseGlobalColor);
        c.Boolean<TsSkinProvider>("UWPMode", &TsSkinProvider::SetUWPMode);
        c.Boolean<TsSkinProvider>("DrawClientArea", &TsSkinProvider::SetDrawClientArea);
        c.String<TsSkinProvider>("TitleSkin", &TsSkinProvider::SetTitleSkin);
        c.String<TsSkinProvider>("MenuLineSkin", &TsSkinProvider::SetMenuLineSkin);
        c.Enum<TsSkinProvider, TAlignment>("CaptionAlignment", &TsSkinProvider::SetCaptionAlignment, kAlignmentIdents);
        c.Integer<TsSkinProvider>("DisabledBlendValue", &TsSkinProvider::SetDisabledBlendValue);
        c.Color<TsSkinProvider>("DisabledBlendColor", &TsSkinProvider::SetDisabledBlendColor);
        c.Enum<TsSkinProvider, TsGripMode>("GripMode", &TsSkinProvider::SetGripMode,
                                           {{"gmNone", gmNone}, {"gmRightBottom", gmRightBottom}});
        c.Object<TsSkinProvider, TacAddedTitle>("AddedTitle", &TsSkinProvider::AddedTitle);
        c.Object<TsSkinProvider, TacFormHeader>("FormHeader", &TsSkinProvider::FormHeader);
        c.Object<TsSkinProvider, TStringList>("GluedForms", &TsSkinProvider::GluedForms);
        c.Object<TsSkinProvider, TsScrollWndData>("SkinData", &TsSkinProvider::SkinData);
        c.Object<TsSkinProvider, TacSysSubMenu>("SysSubMenu", &TsSkinProvider::SysSubMenu);
        c.Object<TsSkinProvider, TsTitleButtons>("TitleButtons", &TsSkinProvider::TitleButtons);
        c.Object<TsSkinProvider, TsTitleIcon>("TitleIcon", &TsSkinProvider::TitleIcon);
        c.Object<TsSkinProvider, TsThirdPartyList>("ThirdParty", &TsSkinProvider::ThirdParty);
        c.Object<TsSkinProvider, TacSystemBlur>("SystemBlur", &TsSkinProvider::SystemBlur);
      });
  return info;
}

void RegisterSkinnedForms() {
  RegisterClass(TsSkinProvider::StaticClassInfo());
  ConnectFormAttachment();
}
