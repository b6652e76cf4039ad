// Per-pixel primitives on a 1024 x 1024 work bitmap, as bytes per second next
// to memcpy of the same 4 MiB; resampling as output megapixels per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "graphics/AlphaOps.h"
#include "graphics/BitmapCopy.h"
#include "graphics/ColorOps.h"
#include "graphics/Composition.h"
#include "graphics/DisabledLook.h"
#include "graphics/Gradient.h"
#include "graphics/PixelFill.h"
#include "graphics/Resample.h"
#include "graphics/WorkBitmap.h"

namespace {
constexpr int32_t kSide = 1024;
constexpr int64_t kBytes = int64_t{kSide} * kSide * 4;

// Varied colours and alphas with a sprinkling of key pixels, so that neither
// the data nor the branches are uniform.
std::unique_ptr<TacWorkBitmap> Picture(uint32_t seed) {
  auto bitmap = NewWorkBitmap(kSide, kSide);
  uint32_t state = seed;
  for (int32_t y = 0; y < kSide; ++y)
    for (int32_t x = 0; x < kSide; ++x) {
      state = state * 1664525u + 1013904223u;
      bitmap->SetPixel(x, y, (state >> 28) == 0 ? KeyPixel : state);
    }
  return bitmap;
}

TsGradArray Gradient(std::string_view text) {
  TsGradArray points;
  ParseGradient(text, points);
  return points;
}

const TRect kAll = Rect(0, 0, kSide, kSide);
const TRect kAllInclusive = Rect(0, 0, kSide - 1, kSide - 1);

// Runs Op on a fresh destination copy each time without timing the copy.
template <typename Op>
void PerPixel(benchmark::State& state, Op op, bool emptyAlpha = false) {
  const auto original = Picture(1);
  if (emptyAlpha) SetAlphaRect(*original, kAll, 0, {}, clNotSet);
  const auto src = Picture(2);
  TacWorkBitmap dest;
  for (auto _ : state) {
    state.PauseTiming();
    dest.Assign(*original);
    state.ResumeTiming();
    op(dest, *src);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}

void Memcpy(benchmark::State& state) {
  std::vector<uint8_t> from(static_cast<size_t>(kBytes), 1), to(static_cast<size_t>(kBytes));
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(Memcpy);

#define PIXEL_BENCH(name, ...)                                                                        \
  void name(benchmark::State& state) {                                                                 \
    PerPixel(state, [](TacWorkBitmap& d, const TacWorkBitmap& s) { (void)s; __VA_ARGS__; });           \
  }                                                                                                    \
  BENCHMARK(name)

PIXEL_BENCH(FillPixelsBench, FillPixels(d, kAll, 0x00336699, 255));
PIXEL_BENCH(TintRectBench, TintRect(d, kAllInclusive, 100, 0x00336699));
PIXEL_BENCH(TintBitmapBench, TintBitmap(d, 100, 0x00336699));
PIXEL_BENCH(BlendBitmapBench, BlendBitmap(d, s, 100, {0, 0}, kAllInclusive));
PIXEL_BENCH(DrawAlphaImageBench, DrawAlphaImage(d, s, kAllInclusive, 255, {0, 0}));
PIXEL_BENCH(DrawAlphaImageOpacityBench, DrawAlphaImage(d, s, kAllInclusive, 128, {0, 0}));
PIXEL_BENCH(CopyKeyedBench, CopyKeyed(d, s, 0, 0, kAllInclusive, clFuchsia, false, ParentBGFromBitmap(nullptr, 0, 0)));
PIXEL_BENCH(CopyKeyedParentBench,
            CopyKeyed(d, s, 0, 0, kAllInclusive, clFuchsia, true, ParentBGFromBitmap(const_cast<TacWorkBitmap*>(&s), 0, 0)));
PIXEL_BENCH(CopyKeyedFadedBench, CopyKeyedFaded(d, s, 0, 0, kAllInclusive, clFuchsia, 100));
PIXEL_BENCH(CopyKeyedBlendedBench, CopyKeyedBlended(d, s, 0, 0, kAllInclusive, clFuchsia, 100));
PIXEL_BENCH(SetAlphaRectBench, SetAlphaRect(d, kAll, 255, {}, clFuchsia));
PIXEL_BENCH(PremultiplyAlphaBench, PremultiplyAlpha(d));
PIXEL_BENCH(GrayscaleBitmapBench, GrayscaleBitmap(d, clFuchsia));
PIXEL_BENCH(SaturationBench, TransformPixels(&d, SaturationTransform, -229, clFuchsia));
PIXEL_BENCH(DisabledLookBench, ApplyDisabledLook(d, dkGrayed | dkBlended, clWhite, {}, ParentBGFromBitmap(const_cast<TacWorkBitmap*>(&s), 0, 0)));
PIXEL_BENCH(GradientVerticalBench, PaintGradient(d, kAll, Gradient("255;0;40;0;0;65280;0;60;0;0;16711680;0;0;0;0"), 0));
PIXEL_BENCH(GradientHorizontalBench, PaintGradient(d, kAll, Gradient("255;0;40;1;0;65280;0;60;0;0;16711680;0;0;0;0"), 0));
PIXEL_BENCH(GradientCornersBench, PaintGradient(d, kAll, Gradient("255;0;2;16777215;0;2;65280;0;2;16711680;0;2;0;100;2;E"), 0));
PIXEL_BENCH(GradientAlphaBench, PaintGradient(d, kAll, Gradient("255;0;16;4278190335;100;16;B"), 0));
PIXEL_BENCH(TextureGradientBench,
            PaintTextureGradient(d, kAll, Gradient("255;0;100;0;0;16711680;0;0;0;0"), 255, 90, Rect(0, 0, 64, 64), s));

// The restoring pass is only taken when the alpha channel is all zero.
void RestoreEmptyAlphaBench(benchmark::State& state) {
  PerPixel(state, [](TacWorkBitmap& d, const TacWorkBitmap&) { RestoreEmptyAlpha(d); }, true);
}
BENCHMARK(RestoreEmptyAlphaBench);

void Resample(benchmark::State& state) {
  const auto src = Picture(3);
  const int32_t side = static_cast<int32_t>(state.range(0));
  const auto filter = static_cast<TacResampleFilter>(state.range(1));
  TacWorkBitmap dest;
  for (auto _ : state) {
    ResampleBitmap(*src, dest, side, side, filter);
    benchmark::ClobberMemory();
  }
  state.counters["Mpx/s"] =
      benchmark::Counter(double(state.iterations()) * side * side / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(Resample)->ArgsProduct({{512, 1536}, {rfBox, rfTriangle, rfHermite, rfBell, rfBSpline, rfLanczos, rfMitchell}});
}  // namespace

BENCHMARK_MAIN();
