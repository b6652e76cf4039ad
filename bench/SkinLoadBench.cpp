#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "OrvaleArchive.h"
#include "loader/OpenedSkin.h"
#include "skin/ImageDecoders.h"

// Loading the stored Orvale skin, next to the floor of the same run: every
// archive entry inflated and every image decoded once.
namespace {

void BM_InflateAndDecodeFloor(benchmark::State& state) {
  for (auto _ : state) {
    TacSkinConvertor convertor;
    convertor.PackedData = OrvaleArchive()[0]->PackedData.Bytes();
    ReadPackedSkin(convertor);
    for (const TacFileItem& item : convertor.Files) {
      TacDecodedImage image = DecodeSkinImage(item.Stream->Bytes(), item.Name);
      benchmark::DoNotOptimize(image.Bitmap.get());
    }
  }
}
BENCHMARK(BM_InflateAndDecodeFloor)->Unit(benchmark::kMicrosecond);

void LoadSkin(benchmark::State& state, std::initializer_list<int> moreResolutions) {
  for (auto _ : state) {
    const auto skin = TacOpenedSkin::FromStored(OrvaleArchive(), kOrvaleName, 96, {.ExtendedBorders = true});
    for (const int ppi : moreResolutions) skin->Load(ppi);
    benchmark::DoNotOptimize(skin->Data().gd.data());
  }
}

void BM_LoadSkinData96(benchmark::State& state) { LoadSkin(state, {}); }
BENCHMARK(BM_LoadSkinData96)->Unit(benchmark::kMicrosecond);

void BM_LoadSkinDataAllFour(benchmark::State& state) { LoadSkin(state, {120, 144, 192}); }
BENCHMARK(BM_LoadSkinDataAllFour)->Unit(benchmark::kMicrosecond);

// All the work of selecting the stored skin by name, from scratch: resolving
// it, reading the archive, the master bitmap and the skin-wide values, and
// every skin data step with the palette, for the 96-PPI slot and then
// for the other three resolutions as the manager adds them on demand.
void SelectStoredSkin(benchmark::State& state, std::initializer_list<int> extraResolutions, bool recoloured = false) {
  TacSkinLoadInputs inputs;
  inputs.InternalSkins = &OrvaleArchive();
  inputs.ExtendedBorders = true;
  if (recoloured) {
    inputs.HueOffset = 30;
    inputs.Saturation = -20;
    inputs.Brightness = 10;
  }
  const TacScaling scaling;
  for (auto _ : state) {
    TacSkinLoader loader;
    loader.LoadSelection(kOrvaleName, inputs, scaling, 96, nullptr);
    for (const int ppi : extraResolutions)
      loader.SkinDataFor(ppi, scaling, false, [&](TacSkinData& data) { loader.LoadSkinData(data, inputs, nullptr); });
    benchmark::DoNotOptimize(loader.SkinDataArray().data());
  }
}

void BM_SelectStoredSkin96(benchmark::State& state) { SelectStoredSkin(state, {}); }
BENCHMARK(BM_SelectStoredSkin96)->Unit(benchmark::kMicrosecond);

void BM_SelectStoredSkinAllFour(benchmark::State& state) { SelectStoredSkin(state, {120, 144, 192}); }
BENCHMARK(BM_SelectStoredSkinAllFour)->Unit(benchmark::kMicrosecond);

// With hue, saturation and brightness all changed: every image and colour recoloured.
void BM_SelectStoredSkin96Recoloured(benchmark::State& state) { SelectStoredSkin(state, {}, true); }
BENCHMARK(BM_SelectStoredSkin96Recoloured)->Unit(benchmark::kMicrosecond);

}  // namespace
