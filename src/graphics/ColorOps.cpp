#include "graphics/ColorOps.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "graphics/WorkBitmap.h"

namespace {
// 0.299 R + 0.587 G + 0.114 B in double precision, rounded half to even.
// Where doubles are evaluated as doubles, adding and taking away 1.5 x 2^52
// rounds exactly like nearbyint, in plain arithmetic the compiler can
// vectorise; with wider intermediate precision (x87) it would not.
uint32_t Gray(TacPixel p) {
  const double luma = 0.299 * double(Red(p)) + 0.587 * double(Green(p)) + 0.114 * double(Blue(p));
#if FLT_EVAL_METHOD == 0
  constexpr double kRound = 6755399441055744.0;
  return static_cast<uint32_t>((luma + kRound) - kRound);
#else
  return static_cast<uint32_t>(std::nearbyint(luma));
#endif
}

void GrayscaleRows(TacWorkBitmap& bitmap, bool keyed, TacPixel keyPixel) {
  const int32_t width = bitmap.Width(), height = bitmap.Height();
  for (int32_t y = 0; y < height; ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      const TacPixel p = row[x];
      const uint32_t g = Gray(p);
      const uint32_t keep = 0u - static_cast<uint32_t>(keyed & (p == keyPixel));  // all ones for a key pixel
      row[x] = (p & keep) | (MakePixel(g, g, g, Alpha(p)) & ~keep);
    }
  }
}

uint32_t Saturate(uint32_t channel, int32_t s, int32_t gray) {
  const int32_t v = (255 + s) * static_cast<int32_t>(channel) - s * gray;
  return static_cast<uint32_t>(std::clamp(v, 0, 65535)) >> 8;
}

// Beyond 2^16 every channel already lands on 0, 255 or stays where it is, so
// the limit changes no result and keeps the products in 32 bits.
int32_t LimitSaturation(int32_t saturation) { return std::clamp(saturation, -65536, 65536); }

TacPixel Saturated(TacPixel pixel, int32_t saturation) {
  const auto gray = static_cast<int32_t>(Gray(pixel));
  return MakePixel(Saturate(Red(pixel), saturation, gray), Saturate(Green(pixel), saturation, gray),
                   Saturate(Blue(pixel), saturation, gray), Alpha(pixel));
}
}  // namespace

void GrayscaleBitmap(TacWorkBitmap& bitmap) { GrayscaleRows(bitmap, false, 0); }

void GrayscaleBitmap(TacWorkBitmap& bitmap, TColor key) {
  GrayscaleRows(bitmap, key != clNone, PixelOfColor(key));
}

void TransformPixels(TacWorkBitmap* bitmap, TacPixelTransform transform, int32_t parameter, TColor key) {
  if (!bitmap || !transform) return;
  const bool keyed = key != clNone;
  const TacPixel keyPixel = PixelOfColor(key);
  const int32_t width = bitmap->Width(), height = bitmap->Height();
  for (int32_t y = 0; y < height; ++y) {
    TacPixel* row = bitmap->Row(y);
    for (int32_t x = 0; x < width; ++x)
      if (!keyed || row[x] != keyPixel) transform(row[x], parameter);
  }
}

void SaturationTransform(TacPixel& pixel, int32_t saturation) {
  if (saturation != 0) pixel = Saturated(pixel, LimitSaturation(saturation));
}

void SaturateBitmap(TacWorkBitmap& bitmap, int32_t saturation, TColor key) {
  if (saturation == 0) return;
  saturation = LimitSaturation(saturation);
  const bool keyed = key != clNone;
  const TacPixel keyPixel = PixelOfColor(key);
  const int32_t width = bitmap.Width(), height = bitmap.Height();
  for (int32_t y = 0; y < height; ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      const TacPixel p = row[x];
      const uint32_t keep = 0u - static_cast<uint32_t>(keyed & (p == keyPixel));  // all ones for a key pixel
      row[x] = (p & keep) | (Saturated(p, saturation) & ~keep);
    }
  }
}
