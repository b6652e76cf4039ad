#pragma once
#include <memory>
#include <string>

#include "skin/SkinSources.h"

// The stored Orvale skin as the main window carries it, read once per program.
inline constexpr char kOrvaleName[] = "Orvale (internal)";

inline TsStoredSkins& OrvaleArchive() {
  static TsStoredSkins stored = [] {
    TsStoredSkins skins;
    skins.push_back(std::make_unique<TsStoredSkin>());
    skins[0]->Name = kOrvaleName;
    skins[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    return skins;
  }();
  return stored;
}
