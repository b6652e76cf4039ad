#pragma once
// Plain framework controls and a recording component registered under the
// names of the skinned classes, so that the main window's definition streams
// before the skinned classes exist.
#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/Label.h"
#include "framework/Panel.h"
#include "framework/Strings.h"

namespace standin {

class TsPanel : public TCustomPanel {
  DECLARE_CLASS_INFO
 public:
  using TCustomPanel::TCustomPanel;
};

class TsLabel : public TCustomLabel {
  DECLARE_CLASS_INFO
 public:
  using TCustomLabel::TCustomLabel;
};

class TsEdit : public TEdit {
  DECLARE_CLASS_INFO
 public:
  using TEdit::TEdit;
};

class TsButton : public TButton {
  DECLARE_CLASS_INFO
 public:
  using TButton::TButton;
  bool ShowFocus = true;
  void SetShowFocus(bool value) { ShowFocus = value; }
};

class TsSkinManager;

// An option group that tells its manager which of its properties was set.
class TOptionGroup : public TPersistent {
  DECLARE_CLASS_INFO
 public:
  explicit TOptionGroup(TsSkinManager& manager) : Manager(manager) {}
  TsSkinManager& Manager;
  bool AllowGlowing = true;
  bool OldGlyphsMode = true;
  std::vector<TStringList> ThirdLists = std::vector<TStringList>(23);
};

class TStoredSkin : public TCollectionItem {
  DECLARE_CLASS_INFO
 public:
  using TCollectionItem::TCollectionItem;
  std::string Name;
  double Version = 0;
  std::string Author;
  std::vector<uint8_t> Data;
  std::string OriginName;
};

class TStoredSkins : public TCollection {
  DECLARE_CLASS_INFO
 public:
  explicit TStoredSkins(TsSkinManager& manager) : Manager(manager) {}
  TsSkinManager& Manager;
  TStoredSkin& Skin(size_t index) const { return dynamic_cast<TStoredSkin&>(Items(index)); }

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TStoredSkin>(*this); }
};

extern const char* const kThirdListNames[23];

class TsSkinManager : public TComponent {
  DECLARE_CLASS_INFO
 public:
  using TComponent::TComponent;

  TOptionGroup& Effects() { return FEffects; }
  TOptionGroup& ButtonsOptions() { return FButtonsOptions; }
  TOptionGroup& ThirdParty() { return FThirdParty; }
  TStoredSkins& InternalSkins() { return FInternalSkins; }

  bool ExtendedBorders = false;
  std::string SkinDirectory;
  std::string SkinName;
  std::string SkinInfo;
  // The properties in the order the definition assigned them.
  std::vector<std::string> Assigned;

 private:
  TOptionGroup FEffects{*this};
  TOptionGroup FButtonsOptions{*this};
  TOptionGroup FThirdParty{*this};
  TStoredSkins FInternalSkins{*this};
};

void RegisterStandIns();

}  // namespace standin
