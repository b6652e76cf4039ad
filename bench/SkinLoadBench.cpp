#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/ErrorBox.h"
#include "skin/ImageDecoders.h"
#include "skin/SkinData.h"

// Loading the stored Orvale skin, next to the floor of the same run: every
// archive entry inflated and every image decoded once.
namespace {

const std::string kArchive = std::string(ORVALE_ROOT) + "/Orvale.asz";

TsStoredSkins& Stored() {
  static TsStoredSkins stored = [] {
    TsStoredSkins skins;
    skins.push_back(std::make_unique<TsStoredSkin>());
    skins[0]->Name = "Orvale (internal)";
    skins[0]->PackedData.LoadFromFile(kArchive);
    return skins;
  }();
  return stored;
}

void BM_InflateAndDecodeFloor(benchmark::State& state) {
  for (auto _ : state) {
    TacSkinConvertor convertor;
    convertor.PackedData = Stored()[0]->PackedData.Bytes();
    ReadPackedSkin(convertor);
    for (const TacFileItem& item : convertor.Files) {
      TacDecodedImage image = DecodeSkinImage(item.Stream->Bytes(), item.Name);
      benchmark::DoNotOptimize(image.Bitmap.get());
    }
  }
}
BENCHMARK(BM_InflateAndDecodeFloor)->Unit(benchmark::kMicrosecond);

void LoadSkin(benchmark::State& state, std::initializer_list<int> resolutions) {
  for (auto _ : state) {
    const TacSkinSource source = LoadSkinSource("Orvale (internal)", "", "", Stored());
    const auto master = LoadMasterBitmap(source.Options, source);
    for (const int ppi : resolutions) {
      TacSkinData data(ppi);
      TacSkinLoadContext context{source.Options, source, *master};
      context.ExtendedBorders = true;
      data.Load(context);
      benchmark::DoNotOptimize(data.gd.data());
    }
  }
}

void BM_LoadSkinData96(benchmark::State& state) { LoadSkin(state, {96}); }
BENCHMARK(BM_LoadSkinData96)->Unit(benchmark::kMicrosecond);

void BM_LoadSkinDataAllFour(benchmark::State& state) { LoadSkin(state, {96, 120, 144, 192}); }
BENCHMARK(BM_LoadSkinDataAllFour)->Unit(benchmark::kMicrosecond);

}  // namespace
