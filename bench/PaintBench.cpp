#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "graphics/BlockCopy.h"
#include "OrvaleArchive.h"
#include "loader/OpenedSkin.h"
#include "paint/SkinPaint.h"

// Painting sections of the stored Orvale skin, next to a plain copy of the
// same number of pixels in the same run.
namespace {

const TacSkinData& Orvale() {
  static const auto skin = TacOpenedSkin::FromStored(OrvaleArchive(), kOrvaleName, 96, {.ExtendedBorders = true});
  return skin->Data();
}

// The main window's client size as its stored definition gives it.
TSize MainWindowClientSize() {
  std::ifstream file(APP_DEFINITION);
  TSize size;
  std::string line;
  while (std::getline(file, line)) {
    std::istringstream words(line);
    std::string key, equals;
    int32_t value = 0;
    if (!(words >> key >> equals >> value)) continue;
    if (key == "ClientWidth" && size.cx == 0) size.cx = value;
    if (key == "ClientHeight" && size.cy == 0) size.cy = value;
  }
  return size;
}

std::unique_ptr<TacWorkBitmap> Checks(int32_t width, int32_t height) {
  auto bitmap = NewWorkBitmap(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) bitmap->SetPixel(x, y, (x / 8 + y / 8) % 2 ? 0xFFE4E4E4u : 0xFFFFFFFFu);
  return bitmap;
}

void PaintSectionBench(benchmark::State& state, const char* section, TSize size, bool overParent) {
  const TacSkinData& data = Orvale();
  const int32_t index = data.GetSkinIndex(section);
  if (!data.IsValidSkinIndex(index) || size.cx <= 0) {
    state.SkipWithError("section or size missing");
    return;
  }
  auto parent = Checks(size.cx, size.cy);
  auto dest = NewWorkBitmap(size.cx, size.cy);
  const TacParentBG bg = overParent ? ParentBGFromBitmap(parent.get(), 0, 0) : TacParentBG{};
  const auto paintState = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    PaintSection(index, bg, &data, dest.get(), {0, 0}, dest->BoundsRect(), paintState);
    benchmark::DoNotOptimize(dest->Row(0));
  }
  state.SetItemsProcessed(state.iterations() * size.cx * size.cy);
}

void CopyBench(benchmark::State& state, TSize size) {
  auto src = Checks(size.cx, size.cy);
  auto dest = NewWorkBitmap(size.cx, size.cy);
  for (auto _ : state) {
    CopyPixels(*dest, {0, 0}, *src, src->BoundsRect());
    benchmark::DoNotOptimize(dest->Row(0));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * size.cx * size.cy);
}

constexpr TSize kButton{252, 23};

void BM_PaintButton(benchmark::State& state) { PaintSectionBench(state, "BUTTON", kButton, true); }
BENCHMARK(BM_PaintButton)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_CopyButtonPixels(benchmark::State& state) { CopyBench(state, kButton); }
BENCHMARK(BM_CopyButtonPixels)->Unit(benchmark::kMicrosecond);

void BM_PaintForm(benchmark::State& state) { PaintSectionBench(state, "FORM", MainWindowClientSize(), false); }
BENCHMARK(BM_PaintForm)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_CopyFormPixels(benchmark::State& state) { CopyBench(state, MainWindowClientSize()); }
BENCHMARK(BM_CopyFormPixels)->Unit(benchmark::kMicrosecond);

}  // namespace
