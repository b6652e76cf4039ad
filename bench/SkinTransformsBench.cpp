#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "OrvaleArchive.h"
#include "loader/OpenedSkin.h"

// Rebuilding the stored Orvale skin for a new hue, as the manager does after
// HueOffset changes: load, palette, recolouring. Compare with BM_LoadSkinData96
// and the floor of the same run.
namespace {

// The skin keeps its close buttons' hue (BIKEEPHUE=2) through every change.
void Rebuild(benchmark::State& state, int32_t hue, int32_t saturation, int32_t brightness) {
  const TacSkinLoadInputs inputs{
      .Brightness = brightness, .HueOffset = hue, .Saturation = saturation, .ExtendedBorders = true};
  for (auto _ : state) {
    const auto skin = TacOpenedSkin::FromStored(OrvaleArchive(), kOrvaleName, 96, inputs);
    benchmark::DoNotOptimize(skin->MasterBitmap().Row(0));
  }
}

void BM_RebuildWithPalette96(benchmark::State& state) { Rebuild(state, 0, 0, 0); }
BENCHMARK(BM_RebuildWithPalette96)->Unit(benchmark::kMicrosecond);

void BM_RebuildHue30(benchmark::State& state) { Rebuild(state, 30, 0, 0); }
BENCHMARK(BM_RebuildHue30)->Unit(benchmark::kMicrosecond);

void BM_RebuildHueSaturationBrightness(benchmark::State& state) { Rebuild(state, 30, -40, 20); }
BENCHMARK(BM_RebuildHueSaturationBrightness)->Unit(benchmark::kMicrosecond);

}  // namespace
