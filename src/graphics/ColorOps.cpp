#include "graphics/ColorOps.h"

#include <array>
#include <cmath>

#include "graphics/WorkBitmap.h"

namespace {
// The three products of every channel value, computed once; the sum is formed
// in the same order as the formula, so the rounding is the formula's own.
struct LumaTables {
  std::array<double, 256> R, G, B;
  LumaTables() {
    for (int v = 0; v < 256; ++v) {
      R[static_cast<size_t>(v)] = 0.299 * v;
      G[static_cast<size_t>(v)] = 0.587 * v;
      B[static_cast<size_t>(v)] = 0.114 * v;
    }
  }
};
const LumaTables& Luma() {
  static const LumaTables tables;
  return tables;
}

uint32_t Gray(TacPixel p) {
  const LumaTables& t = Luma();
  return static_cast<uint32_t>(std::nearbyint(t.R[Red(p)] + t.G[Green(p)] + t.B[Blue(p)]));
}

void GrayscaleRows(TacWorkBitmap& bitmap, bool keyed, TacPixel keyPixel) {
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      const TacPixel p = row[x];
      if (keyed && p == keyPixel) continue;
      const uint32_t g = Gray(p);
      row[x] = MakePixel(g, g, g, Alpha(p));
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
