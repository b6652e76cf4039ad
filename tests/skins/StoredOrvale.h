#pragma once
#include <memory>
#include <string>

#include "skin/SkinData.h"

// The stored Orvale skin as the main window carries it, read through the
// engine as the manager does: one source and master bitmap, skin data per PPI.
class StoredOrvale {
 public:
  StoredOrvale() {
    FStored.push_back(std::make_unique<TsStoredSkin>());
    FStored[0]->Name = "Orvale (internal)";
    FStored[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    FSource = LoadSkinSource("Orvale (internal)", "", "", FStored);
    FMaster = LoadMasterBitmap(FSource.Options, FSource);
  }

  std::unique_ptr<TacSkinData> Load(int ppi, TacExtBordersMode mode = ebmFull) const {
    auto data = std::make_unique<TacSkinData>(ppi);
    TacSkinLoadContext context{FSource.Options, FSource, *FMaster};
    context.ExtendedBorders = true;
    context.ExtBordersMode = mode;
    data->Load(context);
    return data;
  }

  const TacWorkBitmap& Master() const { return *FMaster; }

 private:
  TsStoredSkins FStored;
  TacSkinSource FSource;
  std::unique_ptr<TacWorkBitmap> FMaster;
};
