#include "loader/SkinLoader.h"

#include <algorithm>
#include <cstdio>

#include "palette/SkinTransforms.h"
#include "skin/SkinLimits.h"
#include "skin/SkinMasks.h"

TacSkinLoader::TacSkinLoader() { FSkinCommonInfo.SysInactiveBorderColor = ColorToRGB(clInactiveBorder); }

bool TacSkinLoader::InitSkinFile(const std::string& SkinName, const TacSkinLoadInputs& Inputs) {
  if (FSource) return true;
  static const TsStoredSkins kNoStoredSkins;
  auto source = std::make_unique<TacSkinSource>(LoadSkinSource(
      SkinName, Inputs.SkinDirectory, Inputs.AppDir, Inputs.InternalSkins ? *Inputs.InternalSkins : kNoStoredSkins));
  FSkinCommonInfo.SkinPath = source->SkinPath;
  if (source->Kind == sskNone) return false;
  Open(std::move(source), Inputs);
  return true;
}

void TacSkinLoader::Open(std::unique_ptr<TacSkinSource> Source, const TacSkinLoadInputs& Inputs) {
  if (FSource) return;
  FSkinCommonInfo.SkinPath = Source->SkinPath;
  if (Inputs.OptionsText)
    FSkinCommonInfo.OptionsDat.SetText(*Inputs.OptionsText);
  else
    FSkinCommonInfo.OptionsDat = std::move(Source->Options);
  FSource = std::move(Source);
}

void TacSkinLoader::EnsureCommonData(const std::function<void()>& AfterCommonData) {
  if (FCommonDataLoaded) return;
  FCommonDataLoaded = true;
  LoadCommonData();
  if (AfterCommonData) AfterCommonData();
}

void TacSkinLoader::LoadCommonData() {
  const TMemIniFile& ini = FSkinCommonInfo.OptionsDat;
  FMasterBitmap = LoadMasterBitmap(ini, *FSource);
  TacSkinCommonInfo& info = FSkinCommonInfo;
  info.Author = ini.ReadString(s_GlobalInfo, "AUTHOR", "");
  info.Description = ini.ReadString(s_GlobalInfo, "DESCRIPTION", "");
  info.MainFont = ini.ReadString(s_GlobalInfo, "MainFont", "");
  info.UseAeroBluring = ini.ReadInteger(s_GlobalInfo, "AEROBLUR", 0) != 0;
  const auto number = [&](const char* key, int32_t def) {
    return LimitSkinValue(key, ini.ReadInteger(s_GlobalInfo, key, def));
  };
  info.BrightMin = number("BRIGHTMIN", -50);
  info.BrightMax = number("BRIGHTMAX", 50);
  info.BIVAlign = number("BIVALIGN", 0);
  info.BIKeepHUE = number("BIKEEPHUE", 0);
  info.Shadow1Color = ini.ReadInteger(s_GlobalInfo, "SHADOW1COLOR", 0);
  info.DefLightColor = ini.ReadInteger(s_GlobalInfo, "DEFLIGHT", -1);
  info.ArrowStyle = number("ARROWSTYLE", 0);
  info.Version = ini.ReadFloat(s_GlobalInfo, "VERSION", 0);
}

bool TacSkinLoader::Reload(TacSkinData& Data, const std::string& SkinName, const TacSkinLoadInputs& Inputs,
                           const TAfterPalette& AfterPalette, const std::function<void()>& AfterCommonData) {
  if (!InitSkinFile(SkinName, Inputs)) return false;
  EnsureCommonData(AfterCommonData);
  LoadSkinData(Data, Inputs, AfterPalette);
  return true;
}

TacSkinData& TacSkinLoader::SkinDataFor(int32_t PPI, const TacScaling& Scaling, bool Changing,
                                        const std::function<void(TacSkinData&)>& Load) {
  const size_t slot = static_cast<size_t>(Scaling.SlotOfPPI(PPI));
  if (Scaling.Mode == smVCL && PPI != 96 && FSkinDataArray.empty()) SkinDataFor(96, Scaling, Changing, Load);
  if (FSkinDataArray.size() <= slot) FSkinDataArray.resize(slot + 1);
  const bool firstHasSections = HasSections();
  if (FSkinDataArray[slot]) {
    if (Changing && !FSkinDataArray[slot]->Initializing && !firstHasSections) Load(*FSkinDataArray[slot]);
  } else {
    FSkinDataArray[slot] = std::make_unique<TacSkinData>(PPI);
    if ((PPI != 96 && firstHasSections) || (Changing && slot == 0 && !firstHasSections)) Load(*FSkinDataArray[slot]);
  }
  return *FSkinDataArray[slot];
}

TacSkinData& TacSkinLoader::SlotOf(int32_t PPI, const TacScaling& Scaling) {
  const size_t slot = static_cast<size_t>(Scaling.SlotOfPPI(PPI));
  if (FSkinDataArray.size() <= slot) FSkinDataArray.resize(slot + 1);
  if (!FSkinDataArray[slot]) FSkinDataArray[slot] = std::make_unique<TacSkinData>(PPI);
  return *FSkinDataArray[slot];
}

bool TacSkinLoader::LoadSelection(const std::string& SkinName, const TacSkinLoadInputs& Inputs,
                                  const TacScaling& Scaling, int32_t CurrentPPI,
                                  const TAfterPalette& AfterPalette) {
  Clear();
  bool found = true;
  for (const int32_t ppi : Scaling.SelectionPPIs(CurrentPPI))
    SkinDataFor(ppi, Scaling, true, [&](TacSkinData& data) {
      if (found) found = Reload(data, SkinName, Inputs, AfterPalette);
    });
  return found;
}

TacSkinLoadContext TacSkinLoader::Context(const TacSkinLoadInputs& Inputs) const {
  return TacSkinLoadContext{FSkinCommonInfo.OptionsDat,
                            *FSource,
                            *FMasterBitmap,
                            Inputs.CommonSections,
                            Inputs.Brightness,
                            Inputs.CustomPPI,
                            Inputs.OldScaleMode,
                            // The label text of the palette so far: the previous skin's.
                            FPalette[pcLabelText],
                            Inputs.ExtBordersMode,
                            Inputs.ExtendedBorders,
                            true,
                            Inputs.SizingFrameWidth};
}

void TacSkinLoader::LoadSkinData(TacSkinData& Data, const TacSkinLoadInputs& Inputs,
                                 const TAfterPalette& AfterPalette) {
  const TacSkinLoadContext context = Context(Inputs);
  Data.Initializing = true;
  Data.LoadParams();
  Data.LoadAllMasks(context);
  Data.LoadAllGeneralData(context);
  Data.InitConstantIndexes(context);
  Data.InitMaskIndexes(context);
  Data.InitMaskParams(context);
  FPalette.SkinActive = true;
  const TacColorChange change{Inputs.HueOffset, Inputs.Saturation, Inputs.Brightness, FSkinCommonInfo.BIKeepHUE};
  InitSkinParams(FPalette, Data, FSkinCommonInfo.OptionsDat, *FMasterBitmap, FSkinCommonInfo.Shadow1Color, change);
  if (AfterPalette) AfterPalette(Data);
  Data.CheckShadows(context);
  Data.Initializing = false;
  if (&Data == Slot(0)) {
    FSkinCommonInfo.Sections = Data.Sections;
    FSkinCommonInfo.IndexGlobalInfo = Data.IndexGlobalInfo;
  }
}

void TacSkinLoader::Clear() {
  FSkinCommonInfo.Active = false;
  FSkinCommonInfo.Sections.fill(-1);
  FSkinCommonInfo.IndexGlobalInfo = -1;
  FSkinDataArray.clear();
  FPalette.Clear();
  FPalette.SkinActive = false;
  FMasterBitmap.reset();
  FSource.reset();
  FCommonDataLoaded = false;
}

bool TacSkinLoader::HasSections() const {
  const TacSkinData* first = Slot(0);
  return first && !first->gd.empty();
}

bool NeedsVersionWarning(double Version) { return Version >= 10.26 && Version > 16.99; }

std::string VersionWarningText(double Version) {
  char version[32];
  std::snprintf(version, sizeof version, "%.2f", Version);
  return std::string("This version of the skin (v") + version +
         ") has not complete support by used Quorvane package release (v" + acEngineVersion +
         ").\r\nComponents must be updated to latest version for using this skin.";
}

std::string CompactCommonSections(const std::string& Text) {
  std::string result;
  size_t start = 0;
  while (start <= Text.size()) {
    size_t end = Text.find('\n', start);
    if (end == std::string::npos) end = Text.size();
    std::string line = Text.substr(start, end - start);
    if (!line.starts_with(';')) std::erase(line, ' ');
    result += line;
    if (end < Text.size()) result += '\n';
    start = end + 1;
  }
  return result;
}
