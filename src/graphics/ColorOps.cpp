#include "graphics/ColorOps.h"

#include "graphics/WorkBitmap.h"

namespace {
// Adding and taking away 1.5 x 2^52 rounds a double to the nearest integer,
// halves to even, just as nearbyint does, but in plain arithmetic the
// compiler can vectorise. The sum is formed in the formula's own order.
uint32_t Gray(TacPixel p) {
  constexpr double kRound = 6755399441055744.0;
  const double luma = 0.299 * double(Red(p)) + 0.587 * double(Green(p)) + 0.114 * double(Blue(p));
  return static_cast<uint32_t>((luma + kRound) - kRound);
}

void GrayscaleRows(TacWorkBitmap& bitmap, bool keyed, TacPixel keyPixel) {
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      const TacPixel p = row[x];
      const uint32_t g = Gray(p);
      row[x] = keyed && p == keyPixel ? p : MakePixel(g, g, g, Alpha(p));
    }
  }
}

uint32_t Saturate(uint32_t channel, int32_t s, int32_t gray) {
  int64_t v = (int64_t{255} + s) * channel - int64_t{s} * gray;
  v = v < 0 ? 0 : v > 65535 ? 65535 : v;
  return static_cast<uint32_t>(v) >> 8;
}
}  // namespace

void GrayscaleBitmap(TacWorkBitmap& bitmap) { GrayscaleRows(bitmap, false, 0); }

void GrayscaleBitmap(TacWorkBitmap& bitmap, TColor key) {
  GrayscaleRows(bitmap, key != clNotSet, PixelOfColor(key));
}

void TransformPixels(TacWorkBitmap* bitmap, TacPixelTransform transform, int32_t parameter, TColor key) {
  if (!bitmap || !transform) return;
  const bool keyed = key != clNotSet;
  const TacPixel keyPixel = PixelOfColor(key);
  for (int32_t y = 0; y < bitmap->Height(); ++y) {
    TacPixel* row = bitmap->Row(y);
    for (int32_t x = 0; x < bitmap->Width(); ++x)
      if (!keyed || row[x] != keyPixel) transform(row[x], parameter);
  }
}

void SaturationTransform(TacPixel& pixel, int32_t saturation) {
  if (saturation == 0) return;
  const int32_t gray = static_cast<int32_t>(Gray(pixel));
  pixel = MakePixel(Saturate(Red(pixel), saturation, gray), Saturate(Green(pixel), saturation, gray),
                    Saturate(Blue(pixel), saturation, gray), Alpha(pixel));
}
