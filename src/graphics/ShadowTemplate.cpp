#include "graphics/ShadowTemplate.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/AlphaOps.h"

namespace {
constexpr int32_t kMaxRadius = 1024;
constexpr int32_t kMaxExtra = 4096;
}  // namespace

std::unique_ptr<TacWorkBitmap> MakeShadowTemplate(TColor Color, int32_t Radius, int32_t OffsetY, bool Premultiply,
                                                  bool MaskFlavour, int32_t Blur, int32_t ExtraWidth,
                                                  int32_t ExtraHeight) {
  const int32_t r = std::clamp(Radius, 0, kMaxRadius);
  const int32_t y0 = std::clamp(OffsetY, 0, kMaxRadius);
  const int32_t ew = std::clamp(ExtraWidth, 0, kMaxExtra);
  const int32_t eh = std::clamp(ExtraHeight, 0, kMaxExtra);
  const int32_t b = Blur <= 0 ? r : std::min(Blur, kMaxRadius);
  const auto top = static_cast<uint32_t>(Color) >> 24;
  const TacPixel rgb = PixelOfColor(Color & 0x00FFFFFF);
  const TacPixel fill = MaskFlavour ? 0xFFFFFFFFu : rgb;

  // One quarter of the shape, (R + 1) x (R + 1), with its centre at the bottom right.
  const auto side = static_cast<size_t>(r) + 1;
  std::vector<TacPixel> quarter(side * side);
  for (int32_t qy = 0; qy <= r; ++qy)
    for (int32_t qx = 0; qx <= r; ++qx) {
      const double e = std::sqrt(double(r - qx) * (r - qx) + double(r - qy) * (r - qy));
      TacPixel p;
      if (e > r) {
        p = MaskFlavour ? 0xFFFFFFFFu : 0u;
      } else {
        double level = 255;
        if (e > r - b) {
          level = MaskFlavour ? 255.0 * (1 - (e - (r - b)) / (b + 1)) * (r + 1 - e) / (b + 1)
                              : (r + 1 - e) * (1 - (e - (r - b)) / b) / b * 255.0;
        }
        const auto l = static_cast<uint32_t>(std::clamp(std::lround(level), 0L, 255L));
        if (MaskFlavour) {
          const uint32_t grey = (255 * (255 - l) + top * l) / 256;
          p = MakePixel(grey, grey, grey, 255);
        } else {
          p = WithAlpha(rgb, top * l / 256);
        }
      }
      quarter[static_cast<size_t>(qy) * side + static_cast<size_t>(qx)] = p;
    }

  // Mirror the quarter and repeat the centre row and column to stretch it.
  const auto fold = [r](int32_t v, int32_t extra) {
    const int32_t base = v <= r ? v : v <= r + extra ? r : v - extra;
    return base <= r ? base : 2 * r - base;
  };
  auto bitmap = std::make_unique<TacWorkBitmap>(2 * r + ew + 1, 2 * r + eh + y0 + 1);
  for (int32_t y = 0; y < bitmap->Height(); ++y) {
    TacPixel* row = bitmap->Row(y);
    if (y < y0) {
      std::fill_n(row, bitmap->Width(), fill);
      continue;
    }
    const TacPixel* q = quarter.data() + static_cast<size_t>(fold(y - y0, eh)) * side;
    for (int32_t x = 0; x < bitmap->Width(); ++x) row[x] = q[fold(x, ew)];
  }
  if (Premultiply) PremultiplyAlpha(*bitmap);
  return bitmap;
}
