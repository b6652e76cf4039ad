#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "loader/SkinLoader.h"

// One skin opened the way the skin manager opens it, for the tools,
// benchmarks and tests that want a skin without a manager: its source,
// master bitmap and palette, and the skin data of each resolution asked
// for, filled in the manager's order with the manager's load context
// (palette and recolouring included).
class TacOpenedSkin {
 public:
  // A skin folder, or a packed ".asz" file (anything that is not a folder).
  // Throws Exception with the engine's text when it cannot be loaded.
  static std::unique_ptr<TacOpenedSkin> FromPath(const std::string& Path, int32_t PPI,
                                                 const TacSkinLoadInputs& Inputs = {});
  // The skin of that name among Stored, which must outlive the result.
  static std::unique_ptr<TacOpenedSkin> FromStored(const TsStoredSkins& Stored, const std::string& Name, int32_t PPI,
                                                   const TacSkinLoadInputs& Inputs = {});

  // Where the files come from; its options text has moved to Options.
  const TacSkinSource& Source() const { return *FLoader.Source(); }
  const TMemIniFile& Options() const { return FLoader.SkinCommonInfo().OptionsDat; }
  const TacWorkBitmap& MasterBitmap() const { return *FLoader.MasterBitmap(); }
  const TacSkinPalette& Palette() const { return FLoader.Palette(); }
  // The skin data of the first resolution.
  TacSkinData& Data() const { return *FData.front(); }
  // The skin data of another resolution, as the manager loads its further
  // slots; kept with the opened skin.
  TacSkinData& Load(int32_t PPI, const TacSkinLoadInputs& Inputs);
  TacSkinData& Load(int32_t PPI) { return Load(PPI, FInputs); }

 private:
  explicit TacOpenedSkin(const TacSkinLoadInputs& Inputs) : FInputs(Inputs) {}

  TacSkinLoadInputs FInputs;
  TacSkinLoader FLoader;
  std::vector<std::unique_ptr<TacSkinData>> FData;
};
