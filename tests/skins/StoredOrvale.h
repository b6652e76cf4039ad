#pragma once
#include <memory>
#include <string>

#include "loader/OpenedSkin.h"

// The stored Orvale skin as the main window carries it, opened as the
// manager opens it: one source, master bitmap and palette, skin data per PPI.
class StoredOrvale {
 public:
  StoredOrvale() {
    FStored.push_back(std::make_unique<TsStoredSkin>());
    FStored[0]->Name = "Orvale (internal)";
    FStored[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    FSkin = TacOpenedSkin::FromStored(FStored, FStored[0]->Name, 96, {.ExtendedBorders = true});
  }

  // Kept with the opened skin.
  TacSkinData* Load(int ppi, TacExtBordersMode mode = ebmFull) const {
    return &FSkin->Load(ppi, {.ExtBordersMode = mode, .ExtendedBorders = true});
  }

  const TacWorkBitmap& Master() const { return FSkin->MasterBitmap(); }

 private:
  TsStoredSkins FStored;
  std::unique_ptr<TacOpenedSkin> FSkin;
};
