#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/WinHandles.h"
#include "framework/Classes.h"
#include "framework/Strings.h"
#include "loader/ManagerScaling.h"
#include "loader/SkinLoader.h"
#include "manager/EmbeddedFonts.h"
#include "manager/FormAttachment.h"
#include "manager/ManagerOptions.h"
#include "manager/SkinListController.h"
#include "manager/StoredSkinItems.h"

class TControl;
class TWinControl;

enum class TacManagerStateValue {
  msFontChanging,
  msScaleChanging,
  msSkinRemoving,
  msSkinChanging,
  msBroadCasting,
  msAnimScaling,
  msFormScaling,
  msRTLFlipped
};
using TacManagerState = TSet<TacManagerStateValue>;

enum class TacSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TacSkinningRules = TSet<TacSkinningRule>;
enum class TShowAction { saIgnore, saRestore, saMinimize, saMaximize };

using TacSkinChangingEvent = std::function<void(TObject* Sender, const std::string& NewSkinName, bool& AllowChanging)>;
using TacSysDlgInitEvent = std::function<void(TObject* Sender, TacSysDlgData& DlgData, bool& AllowSkinning)>;
using TacFontChangedEvent =
    std::function<void(TObject* Sender, const std::string& OldFontName, const std::string& NewFontName)>;

inline constexpr char acDefaultSkinDirectory[] = "c:\\Skins";

// Owns the active skin of the application: selects it by name, loads it for
// every resolution in use, announces it to every form and holds the
// application-wide skinning options.
// What a skin editor hands a skinned form for a preview: the skin's name, a
// section to repaint alone, the skin directory and the whole options text.
inline constexpr uint32_t acSkinEditorMagic = 0xA400;
struct TacSkinEditorData {
  uint32_t Magic = 0;
  char Name1[128]{};
  char Name2[128]{};
  char Data1[512]{};
  char Data2[40001]{};
};

class TsSkinManager : public TComponent {
  DECLARE_CLASS_INFO

 public:
  explicit TsSkinManager(TComponent* Owner);
  ~TsSkinManager() override;
  void Loaded() override;

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  const std::string& SkinName() const { return FSkinName; }
  void SetSkinName(const std::string& Value);
  const std::string& SkinDirectory() const { return FSkinDirectory; }
  void SetSkinDirectory(const std::string& Value);
  TsStoredSkinCollection& InternalSkins() { return FInternalSkins; }
  bool ExtendedBorders() const;
  void SetExtendedBorders(bool Value);
  TacExtBordersMode ExtBordersMode() const { return FExtBordersMode; }
  void SetExtBordersMode(TacExtBordersMode Value);
  int32_t Brightness() const { return FBrightness; }
  void SetBrightness(int32_t Value);
  int32_t HueOffset() const { return FHueOffset; }
  void SetHueOffset(int32_t Value);
  int32_t Saturation() const { return FSaturation; }
  void SetSaturation(int32_t Value);
  bool IsDefault() const;
  void SetIsDefault(bool Value);
  bool SkinnedPopups() const { return FSkinnedPopups; }
  void SetSkinnedPopups(bool Value) { FSkinnedPopups = Value; }
  TacSkinningRules SkinningRules() const { return FSkinningRules; }
  void SetSkinningRules(TacSkinningRules Value);
  TacSkinsFilter SkinsFilter() const { return FSkinsFilter; }
  void SetSkinsFilter(TacSkinsFilter Value);
  const TStringList& CommonSections() const { return FCommonSections; }
  void SetCommonSections(const std::string& Text);
  std::string SkinInfo() const;
  static std::string Version() { return acEngineVersion; }

  TacSkinEffects& Effects() { return FEffects; }
  TacAnimEffects& AnimEffects() { return FAnimEffects; }
  TacButtonsSupport& ButtonsOptions() { return FButtonsOptions; }
  TacLabelsSupport& LabelsOptions() { return FLabelsOptions; }
  TacScrollBarsSupport& ScrollsOptions() { return FScrollsOptions; }
  TacOptions& Options() { return FOptions; }
  TacFonts& Fonts() { return FFonts; }
  TacMenuSupport& MenuSupport() { return FMenuSupport; }
  TsThirdPartyList& ThirdParty() { return FThirdParty; }

  // Events.
  TNotifyEvent OnActivate, OnDeactivate, OnBeforeChange, OnAfterChange, OnSkinLoading, OnSkinListChanged;
  TNotifyEvent OnScaleChanged, OnScaleModeChange;
  TacSkinChangingEvent OnSkinChanging;
  TacFontChangedEvent OnFontChanged;
  // A system dialog is about to be skinned; clearing AllowSkinning keeps the system's look.
  TacSysDlgInitEvent OnSysDlgInit;
  template <TNotifyEvent TsSkinManager::*Event>
  void SetEvent(TNotifyEvent Handler) {
    this->*Event = std::move(Handler);
  }

  // State.
  TacManagerState ManagerState;
  bool NoAutoUpdate = false;
  TShowAction ShowState = TShowAction::saIgnore;
  int32_t FUpdatedSectionNdx = 0;
  std::array<TStringList, acThirdListCount> ThirdLists;
  const TacSkinCommonInfo& SkinCommonInfo() const { return FLoader.SkinCommonInfo(); }
  bool IsActive() const { return FLoader.SkinCommonInfo().Active; }
  // A skin with sections is loaded, also while it is being announced (when
  // IsActive is false until every form has heard of it).
  bool SkinLoaded() const { return FActive && FLoader.HasSections(); }
  bool CommonDataLoaded() const { return FLoader.CommonDataLoaded(); }
  bool SkinIsPacked() const { return FSkinIsPacked; }
  const TacWorkBitmap* MasterBitmap() const { return FLoader.MasterBitmap(); }
  const std::vector<std::unique_ptr<TacSkinData>>& SkinDataArray() const { return FLoader.SkinDataArray(); }
  const TacEmbeddedFonts& EmbeddedFonts() const { return FEmbeddedFonts; }
  TacSkinListController& SkinListController() { return *FSkinListController; }
  // The six solid brushes of palette entries 0 to 5.
  HBRUSH Brushes(size_t Index) const { return FBrushes.at(Index).Get(); }

  // The palette of the skin.
  const TacSkinPalette& Palette() const { return FLoader.Palette(); }
  // The substitution of the process's system colours by the skin's.
  void SwitchSysColors(bool On);
  TColor GetGlobalColor() const { return Palette().GetGlobalColor(); }
  TColor GetGlobalFontColor() const { return Palette().GetGlobalFontColor(); }
  TColor GetActiveEditColor() const { return Palette().GetActiveEditColor(); }
  TColor GetActiveEditFontColor() const { return Palette().GetActiveEditFontColor(); }
  TColor GetHighLightColor(bool Focused) const { return Palette().GetHighLightColor(Focused); }
  TColor GetHighLightFontColor(bool Focused) const { return Palette().GetHighLightFontColor(Focused); }

  // Skin data and scale.
  TacSkinData& CommonSkinData(int32_t PPI = 96);
  void ReloadSkin(int32_t PPI);
  void ClearSkinData();
  int32_t GetScale() const { return Scaling().GetScale(); }
  int32_t ScaleInt(int32_t Value, int32_t SysScale = -1) const { return Scaling().ScaleInt(Value, SysScale); }
  TacScaling Scaling() const;
  int32_t GetSkinIndex(std::string_view SkinSection) { return CommonSkinData().GetSkinIndex(SkinSection); }
  bool IsValidSkinIndex(int32_t SkinIndex) { return CommonSkinData().IsValidSkinIndex(SkinIndex); }
  bool IsValidImgIndex(int32_t ImageIndex) { return CommonSkinData().IsValidImgIndex(ImageIndex); }

  // Announcing and repainting.
  void UpdateSkin(bool Repaint = true);
  void RepaintForms(bool DoLockForms = true);
  void UpdateSkinSection(const std::string& SectionName);
  // Rescales a form or control from CurrentPPI to NewPPI; NewPPI 0 asks the
  // control for its PPI and takes the manager's (not in smVCL).
  void UpdateScale(TWinControl* Ctrl, int32_t CurrentPPI, int32_t NewPPI);
  void UpdateAllScale();
  // Shows the skin editor's record in PreviewBuffer (on SK_PREVIEW_READY).
  void ApplyPreview();
  TacSkinEditorData PreviewBuffer;
  void BeginUpdate() { NoAutoUpdate = true; }
  void EndUpdate(bool Repaint = true, bool AllowAnimation = true);
  // Sends a skin command to every form of the application.
  void BroadcastToForms(int Command, LPARAM lParam, int Argument = 0);

  // Fonts.
  void ChangeAppFont(const std::string& FontName, bool DoLockForms = true);
  void UpdateFontName(TControl* Ctrl);
  void StoreDefFont();
  const std::string& DefFontName() const { return FDefFontName; }
  const std::string& CurrentFontName() const { return FDefOldFontName; }

  // The skin list.
  std::string GetSkinNames(TStrings& List, std::vector<int>* ImageIndexes = nullptr, TacSkinType SkinType = stAllSkins);
  std::string GetExternalSkinNames(TStrings& List, std::vector<int>* ImageIndexes = nullptr,
                                   TacSkinType SkinType = stAllSkins);
  std::string GetRandomSkin();

  void ExtractInternalSkin(const std::string& NameOfSkin, const std::string& DestDir);
  void ExtractByIndex(int Index, const std::string& DestDir);
  std::string GetFullSkinDirectory() const;

 private:
  // What the option groups and the skin list may ask of the manager.
  TacManagerLink MakeOptionsLink();
  TacSkinListOwner MakeListOwner();

  bool Loading() const { return ComponentState().Contains(TComponentStateItem::csLoading); }
  bool Designing() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }
  void AfterConstruction();
  void RefillThirdLists();
  TacSkinLoadInputs Inputs() const;
  void LoadSkinData(TacSkinData& Data);
  void LoadForScaleMode();
  // The six brushes follow every palette build.
  void RecreateBrushes();
  void LoadFonts();
  void CheckVersion();
  void SendNewSkin(bool Repaint);
  void SendRemoveSkin();
  void ReloadRecoloured();
  void RerunShadows(bool Indexes);
  void InstallHook();
  void UnInstallHook();
  void UpdateCommonDlgs();
  int32_t CurrentPPI() const;

  bool FActive = true;
  std::string FSkinName;
  std::string FSkinDirectory;
  const std::string* FPreviewOptions = nullptr;
  bool FExtendedBorders = false;
  TacExtBordersMode FExtBordersMode = ebmFull;
  int32_t FBrightness = 0, FHueOffset = 0, FSaturation = 0;
  bool FSkinnedPopups = true;
  TacSkinningRules FSkinningRules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs,
                                  TacSkinningRule::srThirdParty};
  TacSkinsFilter FSkinsFilter{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal};
  TStringList FCommonSections{true};
  std::unique_ptr<TMemIniFile> FCommonSectionsIni;  // null without common sections
  bool FSkinIsPacked = false;
  bool GlobalHookInstalled = false;
  int32_t FSysFontScale = 0;
  std::string FDefFontName, FDefOldFontName, FNewFontName;

  TacEmbeddedFonts FEmbeddedFonts;
  TacManagerLink FLink = MakeOptionsLink();
  TacSkinListOwner FListOwner = MakeListOwner();
  TacSkinEffects FEffects{FLink};
  TacFonts FFonts;
  TsThirdPartyList FThirdParty;
  TsStoredSkinCollection FInternalSkins;
  TacMenuSupport FMenuSupport;
  TacOptions FOptions{FLink};
  TacScrollBarsSupport FScrollsOptions{FLink};
  TacButtonsSupport FButtonsOptions{FLink};
  TacLabelsSupport FLabelsOptions;
  TacAnimEffects FAnimEffects;
  TacSkinLoader FLoader;
  std::array<TacScopedBrush, 6> FBrushes;
  std::unique_ptr<TacSkinListController> FSkinListController;
  int FApplicationHook = 0;
};

// The first manager created, used by every control that names none.
TsSkinManager* DefaultManager();
// A colour property value in the colours of Manager's skin (null: the default manager's).
TColor SkinColorToRGB(TColor Value, const TsSkinManager* Manager = nullptr);

// Process-wide switches and callbacks that other parts connect to.
// Whether the framework shows the newest style of the system's standard dialogs.
bool UseLatestCommonDialogs();
// Frees every glow and ripple window, which paint with the skin data the
// manager is about to replace or free; the effects connect it when they show
// their first window.
void SetSkinEffectsReset(std::function<void()> Reset);
