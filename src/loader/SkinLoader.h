#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "loader/ManagerScaling.h"
#include "loader/SkinCommonInfo.h"
#include "palette/Palette.h"
#include "skin/SkinData.h"
#include "skin/SkinSources.h"

// What loading takes from the skin manager's properties.
struct TacSkinLoadInputs {
  std::string SkinDirectory{};
  std::string AppDir{};  // the executable's directory with its separator
  const TsStoredSkins* InternalSkins = nullptr;
  const TMemIniFile* CommonSections = nullptr;
  int32_t Brightness = 0;  // -100..100
  int32_t HueOffset = 0;
  int32_t Saturation = 0;
  int32_t CustomPPI = 0;
  bool OldScaleMode = false;
  TacExtBordersMode ExtBordersMode = ebmFull;
  bool ExtendedBorders = false;
  int32_t SizingFrameWidth = 4;
  const std::string* OptionsText = nullptr;  // a skin editor's options, read instead of the skin's own
};

// The portable half of the skin manager: it opens the selected skin, loads
// what the whole skin shares and fills skin data objects in their fixed order,
// building the palette and recolouring the skin on the way.
class TacSkinLoader {
 public:
  // Runs right after the palette step of a skin data object.
  using TAfterPalette = std::function<void(TacSkinData&)>;

  TacSkinLoader();

  const TacSkinCommonInfo& SkinCommonInfo() const { return FSkinCommonInfo; }
  const TacSkinPalette& Palette() const { return FPalette; }
  // The open skin; null until a skin is resolved.
  const TacSkinSource* Source() const { return FSource.get(); }
  const TacWorkBitmap* MasterBitmap() const { return FMasterBitmap.get(); }
  // By scale slot; a slot may be empty.
  const std::vector<std::unique_ptr<TacSkinData>>& SkinDataArray() const { return FSkinDataArray; }
  bool CommonDataLoaded() const { return FCommonDataLoaded; }

  // Resolves and opens the skin unless one is open already. False when no
  // source exists at all; damaged skins throw.
  bool InitSkinFile(const std::string& SkinName, const TacSkinLoadInputs& Inputs);
  // Opens a source found otherwise (a tool's path) unless one is open already.
  void Open(std::unique_ptr<TacSkinSource> Source, const TacSkinLoadInputs& Inputs);
  // The stored skin's name when the selection fell back to one.
  const std::string& ResolvedName() const { return FSource->SkinName; }

  // The master bitmap and the skin-wide values of "GLOBALINFO", once per
  // open skin; AfterCommonData runs when they were loaded now.
  void EnsureCommonData(const std::function<void()>& AfterCommonData = {});
  // The next load reads the common data again.
  void ForgetCommonData() { FCommonDataLoaded = false; }
  // Opens the skin when needed and loads its common data once (then
  // AfterCommonData runs), then loads Data. False when there is no skin at all.
  bool Reload(TacSkinData& Data, const std::string& SkinName, const TacSkinLoadInputs& Inputs,
              const TAfterPalette& AfterPalette, const std::function<void()>& AfterCommonData = {});
  // The skin data object of PPI's slot. The array grows to hold it (in smVCL
  // slot 0 comes first); Load runs for an object that must be filled: an
  // existing one while Changing before slot 0 has sections, a new one for a
  // PPI other than 96 once slot 0 has sections, or a new slot 0 while Changing.
  TacSkinData& SkinDataFor(int32_t PPI, const TacScaling& Scaling, bool Changing,
                           const std::function<void(TacSkinData&)>& Load);
  // PPI's slot, made empty when it does not exist yet.
  TacSkinData& SlotOf(int32_t PPI, const TacScaling& Scaling);
  // Every load step for Data, the palette and the colour transforms
  // (InitSkinParams) between the mask parameters and the shadows.
  void LoadSkinData(TacSkinData& Data, const TacSkinLoadInputs& Inputs, const TAfterPalette& AfterPalette);
  // Everything selecting SkinName loads from scratch: the skin data of each
  // resolution the scale mode needs. False when there is no skin at all.
  bool LoadSelection(const std::string& SkinName, const TacSkinLoadInputs& Inputs, const TacScaling& Scaling,
                     int32_t CurrentPPI, const TAfterPalette& AfterPalette);
  // What a step needs to run again on loaded data (extended-border changes).
  TacSkinLoadContext Context(const TacSkinLoadInputs& Inputs) const;

  // Frees the skin data, the master bitmap and the open source; the palette
  // forgets them too.
  void Clear();
  // Slot 0 exists and has at least one section.
  bool HasSections() const;
  TacSkinData* Slot(size_t Index) const { return Index < FSkinDataArray.size() ? FSkinDataArray[Index].get() : nullptr; }
  // Whether the loaded skin counts as active: off while it is being
  // announced, on once it has sections.
  void SetActive(bool Value) { FSkinCommonInfo.Active = Value; }
  // The folder of an unpacked skin after the skin directory changed.
  void SetSkinPath(const std::string& Path) { FSkinCommonInfo.SkinPath = Path; }

 private:
  void LoadCommonData();

  TacSkinCommonInfo FSkinCommonInfo;
  TacSkinPalette FPalette;
  std::unique_ptr<TacSkinSource> FSource;
  std::unique_ptr<TacWorkBitmap> FMasterBitmap;
  std::vector<std::unique_ptr<TacSkinData>> FSkinDataArray;
  bool FCommonDataLoaded = false;
};

// The engine's version, which skins name as the one they were made for.
inline constexpr char acEngineVersion[] = "16.16";

// A skin newer than this engine fully supports.
bool NeedsVersionWarning(double Version);
std::string VersionWarningText(double Version);

// Common sections text: blanks are removed from every line that is not a comment.
std::string CompactCommonSections(const std::string& Text);
