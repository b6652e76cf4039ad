#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "palette/SkinTransforms.h"

// Rebuilding the stored Orvale skin for a new hue, as the manager does after
// HueOffset changes: load, palette, recolouring. Compare with BM_LoadSkinData96
// and the floor of the same run.
namespace {

const TsStoredSkins& OrvaleArchive() {
  static const TsStoredSkins archive = [] {
    TsStoredSkins skins;
    skins.push_back(std::make_unique<TsStoredSkin>());
    skins[0]->Name = "Orvale (internal)";
    skins[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    return skins;
  }();
  return archive;
}

void Rebuild(benchmark::State& state, const TacColorChange& change) {
  for (auto _ : state) {
    const TacSkinSource source = LoadSkinSource("Orvale (internal)", "", "", OrvaleArchive());
    const auto master = LoadMasterBitmap(source.Options, source);
    TacSkinData data(96);
    TacSkinLoadContext context{source.Options, source, *master};
    context.ExtendedBorders = true;
    context.Brightness = change.Brightness;
    data.Load(context);
    TacSkinPalette palette;
    TColor shadow1 = 0;
    InitSkinParams(palette, data, source.Options, *master, shadow1, change);
    benchmark::DoNotOptimize(master->Row(0));
  }
}

void BM_RebuildWithPalette96(benchmark::State& state) { Rebuild(state, {}); }
BENCHMARK(BM_RebuildWithPalette96)->Unit(benchmark::kMicrosecond);

void BM_RebuildHue30(benchmark::State& state) { Rebuild(state, {30, 0, 0, 2}); }
BENCHMARK(BM_RebuildHue30)->Unit(benchmark::kMicrosecond);

void BM_RebuildHueSaturationBrightness(benchmark::State& state) { Rebuild(state, {30, -40, 20, 2}); }
BENCHMARK(BM_RebuildHueSaturationBrightness)->Unit(benchmark::kMicrosecond);

}  // namespace
