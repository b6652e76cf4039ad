#include "manager/SkinManager.h"

#include <shellapi.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <random>

#include "base/ErrorBox.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "messages/SkinCommand.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Screen.h"
#include "framework/WinControl.h"
#include "palette/SysColorHooks.h"
#include "skin/SkinLimits.h"

namespace {

TsSkinManager*& DefaultManagerSlot() {
  static TsSkinManager* manager = nullptr;
  return manager;
}

bool& LatestCommonDialogsFlag() {
  static bool flag = true;
  return flag;
}

std::function<void()>& EffectsReset() {
  static std::function<void()> reset;
  return reset;
}

void ClearEffects() {
  if (EffectsReset()) EffectsReset()();
}

// The skin data handed out while no skin is loaded, one per scale slot.
TacSkinData& DefaultSkinData(size_t Slot, int32_t PPI) {
  static std::array<std::unique_ptr<TacSkinData>, acScaleCount> defaults;
  auto& data = defaults.at(std::min<size_t>(Slot, acScaleCount - 1));
  if (!data) data = std::make_unique<TacSkinData>(PPI);
  data->PPI = PPI;
  data->ScalePercent = MulDivRounded(PPI, 100, 96);
  return *data;
}

bool StartedForPreview() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  const bool preview = count > 1 && lstrcmpiW(arguments[1], L"/acpreview") == 0;
  LocalFree(arguments);
  return preview;
}

bool LayeredWindowsSupported() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 && GetProcAddress(user32, "UpdateLayeredWindow");
}

void ShowLoadingError(const std::exception& error) {
  const bool plain = dynamic_cast<const ESkinFormatError*>(&error) != nullptr;
  ShowErrorBox(error.what(), plain ? TacBoxKind::bkPlain : TacBoxKind::bkError);
}

}  // namespace

TsSkinManager* DefaultManager() { return DefaultManagerSlot(); }

TColor SkinColorToRGB(TColor Value, const TsSkinManager* Manager) {
  if (!Manager) Manager = DefaultManagerSlot();
  return SkinColorToRGB(Value, Manager ? &Manager->Palette() : nullptr);
}
bool UseLatestCommonDialogs() { return LatestCommonDialogsFlag(); }
void SetSkinEffectsReset(std::function<void()> Reset) { EffectsReset() = std::move(Reset); }

TsSkinManager::TsSkinManager(TComponent* Owner)
    : TComponent(Owner), FInternalSkins([this] {
        if (FSkinListController) FSkinListController->MarkStale();
      }) {
  ClearSkinData();
  FSysFontScale = ScaleIndexOfPPI(Screen().PixelsPerInch());
  for (TStringList& list : ThirdLists) list.SetCaseSensitive(true);
  FSkinListController = std::make_unique<TacSkinListController>(FListOwner);
  if (!DefaultManagerSlot()) DefaultManagerSlot() = this;
  // A skinned form posts the application window an editor's preview to apply.
  FApplicationHook = Application().HookMainWindow([this](TMessage& message) {
    if (message.Msg != SM_SKINCOMMAND || SkinCommandOf(message.WParam) != SK_PREVIEW_READY || !IsDefault()) return false;
    ApplyPreview();
    return true;
  });
  AfterConstruction();
}

TsSkinManager::~TsSkinManager() {
  Destroying();
  Application().UnhookMainWindow(FApplicationHook);
  if (FActive && IsActive() && OnDeactivate) OnDeactivate(this);
  ClearSkinData();
  FSkinListController.reset();
  if (DefaultManagerSlot() == this) {
    UnInstallHook();
    DefaultManagerSlot() = nullptr;
  }
  for (size_t i = 0; i < acThirdListCount; ++i) FThirdParty.Lists[i] = ThirdLists[i].Text();
}

void TsSkinManager::AfterConstruction() {
  RefillThirdLists();
  if (FSkinDirectory.empty()) FSkinDirectory = acDefaultSkinDirectory;
  if (FSkinListController->NeedsRebuild()) FSkinListController->Refresh(false);
}

void TsSkinManager::RefillThirdLists() {
  for (size_t i = 0; i < acThirdListCount; ++i) {
    if (FThirdParty.Lists[i].empty()) FThirdParty.Lists[i] = DefaultThirdList(static_cast<int>(i));
    ThirdLists[i].SetText(FThirdParty.Lists[i]);
  }
}

void TsSkinManager::Loaded() {
  const bool wasActive = IsActive();
  TComponent::Loaded();
  if (FSkinDirectory.empty()) FSkinDirectory = acDefaultSkinDirectory;
  if (FMenuSupport.IcoLineSkin.empty()) FMenuSupport.IcoLineSkin = "ICOLINE";
  RefillThirdLists();
  if (FActive && !FSkinName.empty()) SendNewSkin(false);
  UpdateCommonDlgs();
  if (!Designing() && !wasActive && IsActive() && OnActivate) OnActivate(this);
  FSkinListController->MarkStale();
  FSkinListController->Refresh(false);
  if (FOptions.ScaleMode == smVCL) FOptions.PixelsPerInch = CurrentPPI();
}

TacScaling TsSkinManager::Scaling() const {
  return {FOptions.ScaleMode, FOptions.PixelsPerInch, FSysFontScale, Designing()};
}

int32_t TsSkinManager::CurrentPPI() const { return Screen().PixelsPerInch(); }

TacSkinLoadInputs TsSkinManager::Inputs() const {
  TacSkinLoadInputs inputs;
  inputs.SkinDirectory = FSkinDirectory;
  inputs.AppDir = ApplicationDirectory();
  inputs.InternalSkins = &FInternalSkins.Skins();
  inputs.CommonSections = FCommonSectionsIni.get();
  inputs.Brightness = FBrightness;
  inputs.HueOffset = FHueOffset;
  inputs.Saturation = FSaturation;
  inputs.CustomPPI = FOptions.ScaleMode == smCustomPPI ? FOptions.PixelsPerInch : 0;
  inputs.OldScaleMode = FOptions.ScaleMode == smOldMode;
  inputs.ExtBordersMode = FExtBordersMode;
  inputs.ExtendedBorders = ExtendedBorders();
  inputs.SizingFrameWidth = GetSystemMetrics(SM_CXSIZEFRAME);
  inputs.OptionsText = FPreviewOptions;
  return inputs;
}

// Skin selection

void TsSkinManager::SetSkinName(const std::string& Value) {
  const std::string oldName = FSkinName;
  FSkinName = Value;
  const bool wasActive = IsActive();
  if (FActive) {
    FLoader.ForgetCommonData();
    if (OnBeforeChange) OnBeforeChange(this);
    ManagerState.Exclude(TacManagerStateValue::msRTLFlipped).Include(TacManagerStateValue::msSkinChanging);
    bool allow = true;
    if (OnSkinChanging) OnSkinChanging(this, FSkinName, allow);
    if (!allow) {
      // A refused change leaves the old skin loaded and the manager ready for the next one.
      ManagerState.Exclude(TacManagerStateValue::msSkinChanging);
      return;
    }
    FSkinName = StripAszExtension(FSkinName);
    try {
      ClearSkinData();
      LoadForScaleMode();
    } catch (const std::exception& error) {
      FSkinName = oldName;
      ShowLoadingError(error);
      // Bring back the skin the restored name stands for.
      if (wasActive) {
        try {
          ClearSkinData();
          LoadForScaleMode();
        } catch (const std::exception& again) {
          ShowLoadingError(again);
        }
      }
    }
    if (!FActive)
      SendRemoveSkin();
    else if (!NoAutoUpdate)
      SendNewSkin(true);
    if (!Designing() && !wasActive && FLoader.HasSections() && OnActivate) OnActivate(this);
    ManagerState.Exclude(TacManagerStateValue::msSkinChanging);
    FLoader.SetActive(FLoader.HasSections());
    if (!NoAutoUpdate && OnAfterChange) OnAfterChange(this);
  }
  if (!ManagerState.Contains(TacManagerStateValue::msSkinChanging) && FSkinName != oldName)
    FSkinListController->SkinChanged();
  UpdateCommonDlgs();
}

void TsSkinManager::LoadForScaleMode() {
  for (const int32_t ppi : Scaling().SelectionPPIs(CurrentPPI())) CommonSkinData(ppi);
}

TacSkinData& TsSkinManager::CommonSkinData(int32_t PPI) {
  if (Designing()) PPI = 96;
  const TacScaling scaling = Scaling();
  const bool changing = ManagerState.Contains(TacManagerStateValue::msSkinChanging);
  if (!IsActive() && !changing && !ManagerState.Contains(TacManagerStateValue::msBroadCasting))
    return DefaultSkinData(static_cast<size_t>(scaling.SlotOfPPI(PPI)), PPI);
  return FLoader.SkinDataFor(PPI, scaling, changing, [this](TacSkinData& data) { LoadSkinData(data); });
}

void TsSkinManager::ReloadSkin(int32_t PPI) {
  LoadSkinData(FLoader.SlotOf(PPI, Scaling()));
}

void TsSkinManager::LoadSkinData(TacSkinData& Data) {
  if (!FActive) return;
  const auto afterPalette = [this](TacSkinData&) { RecreateBrushes(); };
  const auto afterCommonData = [this] {
    FSkinIsPacked = FLoader.Source()->Convertor != nullptr;
    LoadFonts();
    CheckVersion();
  };
  if (!FLoader.Reload(Data, FSkinName, Inputs(), afterPalette, afterCommonData)) {
    // No folder, no file and no stored skin: nothing can be shown.
    FActive = false;
    return;
  }
  FSkinName = FLoader.ResolvedName();
  if (OnSkinLoading) OnSkinLoading(this);
}

void TsSkinManager::RecreateBrushes() {
  for (size_t i = 0; i < FBrushes.size(); ++i)
    FBrushes[i].Reset(
        CreateSolidBrush(static_cast<COLORREF>(FLoader.Palette()[static_cast<TacPaletteColors>(i)]) & 0xFFFFFF));
}

void TsSkinManager::CheckVersion() {
  const double version = FLoader.SkinCommonInfo().Version;
  if (!NeedsVersionWarning(version) || StartedForPreview()) return;
  const TacSkinningRules rules = FSkinningRules;
  FSkinningRules.Exclude(TacSkinningRule::srStdDialogs);
  ShowErrorBox(VersionWarningText(version), TacBoxKind::bkPlain);
  FSkinningRules = rules;
}

void TsSkinManager::LoadFonts() {
  FEmbeddedFonts.Clear();
  const TMemIniFile& ini = FLoader.SkinCommonInfo().OptionsDat;
  const int32_t count = LimitSkinValue("FontCount", ini.ReadInteger(s_GlobalInfo, "FontCount", 0));
  const TacSkinSource& source = *FLoader.Source();
  if (source.Convertor) {
    for (const TacFileItem& file : source.Convertor->Files) {
      if (file.FileType != ftFont) continue;
      TacEmbeddedFont& font = FEmbeddedFonts.Add();
      font.Data = file.Stream->Data();
      for (int32_t i = 0; i < count; ++i)
        if (ini.ReadString(s_GlobalInfo, "FontFile" + std::to_string(i), "") == file.Name) {
          font.FontName = ini.ReadString(s_GlobalInfo, "FontName" + std::to_string(i), "");
          break;
        }
      const size_t slash = file.Name.find_last_of("\\/");
      font.FileName = slash == std::string::npos ? file.Name : file.Name.substr(slash + 1);
      FEmbeddedFonts.Install(font);
    }
    return;
  }
  for (int32_t i = 0; i < count; ++i) {
    TacEmbeddedFont& font = FEmbeddedFonts.Add();
    const std::string fileName = ini.ReadString(s_GlobalInfo, "FontFile" + std::to_string(i), "");
    auto bytes = source.ReadSkinFile(fileName);
    if (!bytes) continue;
    font.FileName = fileName;
    font.FontName = ini.ReadString(s_GlobalInfo, "FontName" + std::to_string(i), "");
    font.Data = std::move(*bytes);
    FEmbeddedFonts.Install(font);
  }
}

void TsSkinManager::ClearSkinData() {
  if (IsDefault()) ClearEffects();
  FLoader.Clear();
  FEmbeddedFonts.Clear();
}

// What the option groups and the skin list may ask of the manager

TacManagerLink TsSkinManager::MakeOptionsLink() {
  return {.IsLoading = [this] { return Loading(); },
          .HoldsUpdates = [this] { return NoAutoUpdate; },
          .HasActiveSkin = [this] { return IsActive(); },
          .IsDefaultManager = [this] { return IsDefault(); },
          .Repaint = [this](bool DoLockForms) { RepaintForms(DoLockForms); },
          .Broadcast = [this](int Command, LPARAM lParam) { BroadcastToForms(Command, lParam); },
          .Reskin = [this](bool Repaint) { UpdateSkin(Repaint); },
          .SwitchSystemColors = [this](bool On) { SwitchSysColors(On); }};
}

TacSkinListOwner TsSkinManager::MakeListOwner() {
  return {.ListFrozen = [this] { return Loading() || ComponentState().Contains(TComponentStateItem::csDestroying); },
          .StoredSkins = [this]() -> const TsStoredSkins& { return FInternalSkins.Skins(); },
          .SkinListDirectory = [this] { return GetFullSkinDirectory(); },
          .ListFilter = [this] { return FSkinsFilter; },
          .ListToShare = [this]() -> TacSkinListController* {
            TsSkinManager* main = DefaultManagerSlot();
            if (!main || main == this || !SameText(main->SkinDirectory(), FSkinDirectory)) return nullptr;
            return main->FSkinListController.get();
          },
          .Broadcast = [this](int Command, LPARAM lParam) { BroadcastToForms(Command, lParam); },
          .ListChanged =
              [this] {
                if (OnSkinListChanged) OnSkinListChanged(this);
              },
          .NotificationParam = reinterpret_cast<LPARAM>(this)};
}

// Announcing

void TsSkinManager::BroadcastToForms(int Command, LPARAM lParam, int Argument) {
  SendToEveryForm(SM_SKINCOMMAND, MakeSkinCommand(Command, Argument), lParam);
}

void TsSkinManager::RepaintForms(bool DoLockForms) {
  if (!Designing()) BroadcastToForms(SK_STOP_ANIMATION, 0);
  BroadcastToForms(SK_REFRESH, reinterpret_cast<LPARAM>(this), FUpdatedSectionNdx);
  if (Loading() || !DoLockForms || NoAutoUpdate) return;
  for (size_t i = 0; i < Screen().CustomFormCount(); ++i) {
    TCustomForm* form = Screen().CustomForms(i);
    if (form->HandleAllocated() && IsWindowVisible(form->Handle()))
      RedrawWindow(form->Handle(), nullptr, nullptr,
                   RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
  }
}

void TsSkinManager::UpdateSkinSection(const std::string& SectionName) {
  const std::string name = UpperCase(SectionName);
  BroadcastToForms(SK_SECTION_CHANGED, reinterpret_cast<LPARAM>(&name));
}

void TsSkinManager::SendNewSkin(bool Repaint) {
  if (Designing() || Loading()) return;
  ManagerState.Include(TacManagerStateValue::msBroadCasting);
  if (IsDefault()) ClearEffects();
  FLoader.SetActive(false);
  BroadcastToForms(SK_SKIN_LOADED, reinterpret_cast<LPARAM>(this));
  FLoader.SetActive(FLoader.HasSections());
  if (DefaultManagerSlot() == this) InstallHook();
  if (FFonts.MainMode == TacFontMode::fmFromSkin) {
    StoreDefFont();
    const std::string& skinFont = FLoader.SkinCommonInfo().MainFont;
    ChangeAppFont(skinFont.empty() ? FDefFontName : skinFont, false);
  } else if (FFonts.MainMode == TacFontMode::fmCustom) {
    StoreDefFont();
    ChangeAppFont(FFonts.MainFont.empty() ? FDefFontName : FFonts.MainFont, false);
  }
  if (Repaint) RepaintForms(false);
  ManagerState.Exclude(TacManagerStateValue::msBroadCasting);
}

void TsSkinManager::SendRemoveSkin() {
  ManagerState.Include(TacManagerStateValue::msSkinRemoving);
  if (FFonts.MainMode == TacFontMode::fmFromSkin && !Application().Terminated() && !FDefFontName.empty())
    ChangeAppFont(FDefFontName, false);
  ClearEffects();
  UnInstallHook();
  ClearSkinData();
  BroadcastToForms(SK_SKIN_REMOVED, reinterpret_cast<LPARAM>(this));
  ManagerState.Exclude(TacManagerStateValue::msSkinRemoving);
}

void TsSkinManager::UpdateSkin(bool Repaint) {
  if (FActive) SendNewSkin(Repaint);
}

void TsSkinManager::EndUpdate(bool Repaint, bool AllowAnimation) {
  NoAutoUpdate = false;
  const bool animation = FAnimEffects.SkinChanging.Active;
  if (!AllowAnimation) FAnimEffects.SkinChanging.Active = false;
  UpdateSkin(Repaint);
  FAnimEffects.SkinChanging.Active = animation;
  if (OnAfterChange) OnAfterChange(this);
}

// The application font

void TsSkinManager::StoreDefFont() {
  if (!FDefFontName.empty()) return;
  TCustomForm* main = Application().MainForm();
  FDefFontName = main ? main->Font().Name() : TFont().Name();
  if (FDefOldFontName.empty()) FDefOldFontName = FDefFontName;
}

void TsSkinManager::ChangeAppFont(const std::string& FontName, bool DoLockForms) {
  StoreDefFont();
  if (Designing() || FontName == FDefOldFontName) return;
  ManagerState.Include(TacManagerStateValue::msFontChanging);
  FNewFontName = FontName;
  BroadcastToForms(SK_FONT_CHANGED, reinterpret_cast<LPARAM>(this));
  if (OnFontChanged) OnFontChanged(this, FDefOldFontName, FontName);
  FDefOldFontName = FontName;
  if (DoLockForms) RepaintForms(false);
  ManagerState.Exclude(TacManagerStateValue::msFontChanging);
}

void TsSkinManager::UpdateFontName(TControl* Ctrl) {
  if (!Ctrl || Ctrl->ParentFont()) return;
  StoreDefFont();
  if (Ctrl->Font().Name() == FDefFontName && FDefOldFontName == FDefFontName) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(Ctrl)) {
    if (!windowed->HandleAllocated()) return;
  } else if (!Ctrl->Parent()) {
    return;
  }
  const std::string& name = IsActive() && !FNewFontName.empty() ? FNewFontName : FDefFontName;
  if (Ctrl->Font().Name() != name) Ctrl->Font().SetName(name);
}

// Setters

void TsSkinManager::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (Value) {
    SetSkinName(FSkinName);
  } else if (!FSkinName.empty()) {
    if (!Loading()) SendRemoveSkin();
    ClearSkinData();
    UpdateCommonDlgs();
    if (!Designing() && OnDeactivate) OnDeactivate(this);
  }
  FSkinListController->SkinChanged();
}

void TsSkinManager::SetSkinDirectory(const std::string& Value) {
  if (SameText(FSkinDirectory, Value)) return;
  FSkinDirectory = Value;
  FLoader.SetSkinPath(GetFullSkinDirectory());
  FSkinListController->MarkStale();
  if (!Loading()) FSkinListController->Refresh(false);
  if (OnSkinListChanged) OnSkinListChanged(this);
}

void TsSkinManager::SetSkinsFilter(TacSkinsFilter Value) {
  if (FSkinsFilter == Value) return;
  FSkinsFilter = Value;
  FSkinListController->MarkStale();
  if (OnSkinListChanged) OnSkinListChanged(this);
}

void TsSkinManager::SetCommonSections(const std::string& Text) {
  FCommonSections.SetText(CompactCommonSections(Text));
  if (FCommonSections.Count() == 0) {
    FCommonSectionsIni.reset();
  } else {
    FCommonSectionsIni = std::make_unique<TMemIniFile>(true);
    FCommonSectionsIni->SetText(FCommonSections.Text());
  }
  if (!FSkinName.empty()) SetSkinName(FSkinName);
}

bool TsSkinManager::ExtendedBorders() const { return FExtendedBorders && LayeredWindowsSupported(); }

void TsSkinManager::SetExtendedBorders(bool Value) {
  if (FExtendedBorders == Value) return;
  FExtendedBorders = Value;
  RerunShadows(false);
}

void TsSkinManager::SetExtBordersMode(TacExtBordersMode Value) {
  if (FExtBordersMode == Value) return;
  FExtBordersMode = Value;
  RerunShadows(true);
}

void TsSkinManager::RerunShadows(bool Indexes) {
  if (!IsActive() || !FLoader.Source() || !FLoader.MasterBitmap()) return;
  ManagerState.Include(TacManagerStateValue::msSkinChanging);
  const TacSkinLoadContext context = FLoader.Context(Inputs());
  for (const auto& data : FLoader.SkinDataArray()) {
    if (!data) continue;
    if (Indexes) data->InitConstantIndexes(context);
    if (Indexes) data->InitMaskParams(context);
    data->CheckShadows(context);
  }
  ManagerState.Exclude(TacManagerStateValue::msSkinChanging);
  if (!Loading() && !Designing()) RepaintForms(true);
}

void TsSkinManager::SetBrightness(int32_t Value) {
  Value = std::clamp(Value, -100, 100);
  if (FBrightness == Value) return;
  FBrightness = Value;
  ReloadRecoloured();
}

void TsSkinManager::SetHueOffset(int32_t Value) {
  if (FHueOffset == Value) return;
  FHueOffset = Value;
  ReloadRecoloured();
}

void TsSkinManager::SetSaturation(int32_t Value) {
  if (FSaturation == Value) return;
  FSaturation = Value;
  ReloadRecoloured();
}

void TsSkinManager::ReloadRecoloured() {
  if (!FActive || !IsActive() || Loading() || ManagerState.Contains(TacManagerStateValue::msSkinChanging)) return;
  ManagerState.Include(TacManagerStateValue::msSkinChanging);
  try {
    ClearSkinData();
    LoadForScaleMode();
  } catch (const std::exception& error) {
    ShowLoadingError(error);
  }
  if (!ManagerState.Contains(TacManagerStateValue::msScaleChanging)) SendNewSkin(false);
  ManagerState.Exclude(TacManagerStateValue::msSkinChanging);
  FLoader.SetActive(FLoader.HasSections());
  if (NoAutoUpdate) return;
  if (OnAfterChange) OnAfterChange(this);
  RepaintForms(true);
}

bool TsSkinManager::IsDefault() const { return DefaultManagerSlot() == this; }

void TsSkinManager::SetIsDefault(bool Value) {
  if (!Value || DefaultManagerSlot() == this) return;
  if (TsSkinManager* previous = DefaultManagerSlot()) previous->UnInstallHook();
  DefaultManagerSlot() = this;
  if (Loading()) return;
  if (IsActive())
    SendNewSkin(true);
  else
    SendRemoveSkin();
}

void TsSkinManager::SetSkinningRules(TacSkinningRules Value) {
  FSkinningRules = Value;
  UpdateCommonDlgs();
}

void TsSkinManager::UpdateCommonDlgs() {
  if (DefaultManagerSlot() != this) return;
  LatestCommonDialogsFlag() = !(FSkinningRules.Contains(TacSkinningRule::srStdDialogs) && FActive);
}

std::string TsSkinManager::SkinInfo() const {
  if (!IsActive()) return "N/A";
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, FLoader.SkinCommonInfo().Version);
  return std::string(text, result.ptr);
}

namespace {

const TacSkinPalette* DefaultPalette() {
  const TsSkinManager* manager = DefaultManagerSlot();
  return manager ? &manager->Palette() : nullptr;
}

bool ActiveFormIsVisible() {
  const TCustomForm* form = Screen().ActiveCustomForm();
  return form && form->Visible();
}

}  // namespace

void TsSkinManager::InstallHook() {
  if (GlobalHookInstalled || Designing() || !IsDefault()) return;
  GlobalHookInstalled = true;
  if (TacFormAttachment* attachment = FormAttachment()) attachment->InstallHook(*this);
  if (FOptions.ChangeSysColors()) SwitchSysColors(true);
}

void TsSkinManager::UnInstallHook() {
  if (GlobalHookInstalled) {
    GlobalHookInstalled = false;
    if (TacFormAttachment* attachment = FormAttachment()) attachment->UnInstallHook(*this);
  }
  SwitchSysColors(false);
}

void TsSkinManager::SwitchSysColors(bool On) {
  if (On && IsDefault() && !Designing())
    InstallSysColorHooks(DefaultPalette, ActiveFormIsVisible);
  else if (!On && SysColorHooksInstalled())
    UninstallSysColorHooks();
}

// The skin list

std::string TsSkinManager::GetFullSkinDirectory() const {
  return ::GetFullSkinDirectory(FSkinDirectory, ApplicationDirectory());
}

namespace {
std::string FillNames(const TacSkinList& List, TStrings& Names, std::vector<int>* ImageIndexes, TacSkinType SkinType,
                      bool ExternalOnly) {
  Names.Clear();
  if (ImageIndexes) ImageIndexes->clear();
  for (const TacSkinListData& entry : List.Entries(SkinType, ExternalOnly)) {
    Names.Add(entry.skName);
    if (ImageIndexes) ImageIndexes->push_back(entry.skImageIndex);
  }
  return Names.Count() ? Names[0] : std::string();
}
}  // namespace

std::string TsSkinManager::GetSkinNames(TStrings& List, std::vector<int>* ImageIndexes, TacSkinType SkinType) {
  FSkinListController->Refresh(true);
  return FillNames(FSkinListController->List(), List, ImageIndexes, SkinType, false);
}

std::string TsSkinManager::GetExternalSkinNames(TStrings& List, std::vector<int>* ImageIndexes, TacSkinType SkinType) {
  FSkinListController->Refresh(true);
  return FillNames(FSkinListController->List(), List, ImageIndexes, SkinType, true);
}

std::string TsSkinManager::GetRandomSkin() {
  TStringList names;
  GetSkinNames(names);
  if (names.Count() == 0) return {};
  const int current = names.IndexOf(FSkinName);
  if (current >= 0 && names.Count() > 1) names.Delete(static_cast<size_t>(current));
  static std::mt19937 random{std::random_device{}()};
  return names[std::uniform_int_distribution<size_t>(0, names.Count() - 1)(random)];
}

void TsSkinManager::ExtractInternalSkin(const std::string& NameOfSkin, const std::string& DestDir) {
  ::ExtractInternalSkin(FInternalSkins.Skins(), NameOfSkin, DestDir);
}

void TsSkinManager::ExtractByIndex(int Index, const std::string& DestDir) {
  ::ExtractByIndex(FInternalSkins.Skins(), Index, DestDir);
}
