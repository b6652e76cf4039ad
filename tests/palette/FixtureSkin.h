#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SkinTestFiles.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinData.h"

// A packed skin made of an options text and image files, loaded as the
// skin manager loads it: source, master bitmap, then skin data per PPI.
class FixtureSkin {
 public:
  explicit FixtureSkin(const std::string& Options, std::vector<TacPackEntry> Files = {}) {
    Files.insert(Files.begin(), TacPackEntry{"Options.dat", Bytes(Options)});
    FStored.push_back(std::make_unique<TsStoredSkin>());
    FStored[0]->Name = "Fixture";
    FStored[0]->PackedData = TMemoryStream(WritePackedSkin(Files));
    Source = LoadSkinSource("Fixture", "", "", FStored);
    Master = LoadMasterBitmap(Source.Options, Source);
  }

  std::unique_ptr<TacSkinData> Load(int32_t PPI = 96, int32_t Brightness = 0) const {
    auto data = std::make_unique<TacSkinData>(PPI);
    TacSkinLoadContext context{Source.Options, Source, *Master};
    context.Brightness = Brightness;
    data->Load(context);
    return data;
  }

  TacSkinSource Source;
  std::unique_ptr<TacWorkBitmap> Master;

 private:
  TsStoredSkins FStored;
};

// A PNG of one colour, with an optional second colour in its lower half.
inline std::vector<uint8_t> SolidPng(int32_t Width, int32_t Height, TacPixel Upper, TacPixel Lower) {
  TacWorkBitmap bitmap(Width, Height);
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x) bitmap.SetPixel(x, y, y < Height / 2 ? Upper : Lower);
  return EncodePng(bitmap.Row(0), Width, Height);
}
