// The row loops work on several pixels at once; every pixel of a long row
// must come out exactly as when it is worked on alone.
#include <gtest/gtest.h>

#include <functional>

#include "BitmapFixture.h"
#include "graphics/AlphaOps.h"
#include "graphics/BitmapCopy.h"
#include "graphics/ColorOps.h"
#include "graphics/Composition.h"
#include "graphics/PixelFill.h"

namespace {
constexpr int32_t kWidth = 261;  // more than one chunk, and odd

std::unique_ptr<TacWorkBitmap> Noise(uint32_t seed) {
  auto bitmap = NewWorkBitmap(kWidth, 1);
  for (int32_t x = 0; x < kWidth; ++x) {
    seed = seed * 1664525u + 1013904223u;
    // Every eighth pixel is the key; alphas include 0 and 255 often.
    const uint32_t alpha = (seed >> 8) % 4 == 0 ? 0u : (seed >> 8) % 4 == 1 ? 255u : seed >> 24;
    bitmap->SetPixel(x, 0, x % 8 == 3 ? KeyPixel : WithAlpha(seed, alpha));
  }
  return bitmap;
}

using RowOp = std::function<void(TacWorkBitmap& dest, const TacWorkBitmap& src)>;

void ExpectSameAsSinglePixels(const char* name, const RowOp& op) {
  const auto dest = Noise(7), src = Noise(11);
  auto whole = NewWorkBitmap(kWidth, 1);
  whole->Assign(*dest);
  op(*whole, *src);
  for (int32_t x = 0; x < kWidth; ++x) {
    auto d = Filled(1, 1, dest->Pixel(x, 0)), s = Filled(1, 1, src->Pixel(x, 0));
    op(*d, *s);
    ASSERT_EQ(whole->Pixel(x, 0), d->Pixel(0, 0)) << name << " at " << x;
  }
}
}  // namespace

TEST(RowForms, EveryPixelOfARowIsWorkedAsIfAlone) {
  const struct {
    const char* Name;
    RowOp Op;
  } cases[] = {
      {"TintRect", [](TacWorkBitmap& d, const TacWorkBitmap&) { TintRect(d, Rect(0, 0, kWidth, 0), 77, 0x00406080); }},
      {"TintBitmap", [](TacWorkBitmap& d, const TacWorkBitmap&) { TintBitmap(d, 200, 0x00406080); }},
      {"BlendBitmap", [](TacWorkBitmap& d, const TacWorkBitmap& s) { BlendBitmap(d, s, 99, {0, 0}, Rect(0, 0, kWidth, 0)); }},
      {"DrawAlphaImage", [](TacWorkBitmap& d, const TacWorkBitmap& s) { DrawAlphaImage(d, s, Rect(0, 0, kWidth, 0), 255, {0, 0}); }},
      {"DrawAlphaImage 90", [](TacWorkBitmap& d, const TacWorkBitmap& s) { DrawAlphaImage(d, s, Rect(0, 0, kWidth, 0), 90, {0, 0}); }},
      {"CopyKeyed", [](TacWorkBitmap& d, const TacWorkBitmap& s) { CopyKeyed(d, s, 0, 0, Rect(0, 0, kWidth, 0), clFuchsia, false, ParentBGFromBitmap(nullptr, 0, 0)); }},
      {"CopyKeyedFaded", [](TacWorkBitmap& d, const TacWorkBitmap& s) { CopyKeyedFaded(d, s, 0, 0, Rect(0, 0, kWidth, 0), clFuchsia, 140); }},
      {"CopyKeyedBlended", [](TacWorkBitmap& d, const TacWorkBitmap& s) { CopyKeyedBlended(d, s, 0, 0, Rect(0, 0, kWidth, 0), clFuchsia, 140); }},
      {"SetAlphaRect", [](TacWorkBitmap& d, const TacWorkBitmap&) { SetAlphaRect(d, Rect(0, 0, kWidth, 1), 33, {}, clFuchsia); }},
      {"PremultiplyAlpha", [](TacWorkBitmap& d, const TacWorkBitmap&) { PremultiplyAlpha(d); }},
      {"GrayscaleBitmap", [](TacWorkBitmap& d, const TacWorkBitmap&) { GrayscaleBitmap(d, clFuchsia); }},
  };
  for (const auto& c : cases) ExpectSameAsSinglePixels(c.Name, c.Op);
}

TEST(RowForms, PremultiplyWithoutCompositionMatchesSinglePixelsToo) {
  auto previous = SetCompositionQuery([] { return false; });
  ExpectSameAsSinglePixels("PremultiplyAlpha capped", [](TacWorkBitmap& d, const TacWorkBitmap&) { PremultiplyAlpha(d); });
  SetCompositionQuery(previous);
}
