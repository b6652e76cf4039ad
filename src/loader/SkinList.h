#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Sets.h"
#include "graphics/WorkBitmap.h"
#include "skin/SkinSources.h"

enum TacSkinMode { smInternal, smExtPacked, smExtUnpacked };
enum class TacSkinsFilterItem { sfiInternal, sfiExternal };
using TacSkinsFilter = TSet<TacSkinsFilterItem>;
enum TacSkinType { stUnpacked, stPacked, stAllSkins };

// One skin the list offers.
struct TacSkinListData {
  TacSkinMode skSkinMode = smInternal;
  int skImageIndex = -1;  // its preview in the list's images, -1 without one
  std::string skName;
};

inline constexpr int acPreviewWidth = 140;
inline constexpr int acPreviewHeight = 100;

// A skin found but not yet added: a stored skin, or a packed file.
struct TacSkinListSource {
  TacSkinMode Mode = smInternal;
  int StoredIndex = -1;
  std::string Path;  // the ".asz" file
  std::string Name;
};

// Stored skins first (when the filter has sfiInternal), then every ".asz"
// file of FullDirectory that does not begin with "." (sfiExternal). Skin
// folders are not listed.
std::vector<TacSkinListSource> FindListedSkins(const TsStoredSkins& Stored, const std::string& FullDirectory,
                                               TacSkinsFilter Filter);

// The entries of the list with their preview images.
struct TacSkinList {
  std::vector<TacSkinListData> Items;
  std::vector<std::shared_ptr<const TacWorkBitmap>> Previews;  // acPreviewWidth x acPreviewHeight

  // Reads the skin's preview, if it has one that can be read, into Previews.
  void Add(const TacSkinListSource& Source, const TsStoredSkins& Stored);
  void Clear() {
    Items.clear();
    Previews.clear();
  }
  // The entries of SkinType in list order; ExternalOnly leaves out stored skins.
  std::vector<TacSkinListData> Entries(TacSkinType SkinType, bool ExternalOnly = false) const;
};
