#include "graphics/AlphaOps.h"

#include <algorithm>

#include "graphics/Clip.h"
#include "graphics/Composition.h"
#include "graphics/WorkBitmap.h"

namespace {
bool InAny(std::span<const TRect> rects, int32_t x, int32_t y) {
  return std::any_of(rects.begin(), rects.end(), [&](const TRect& r) { return r.Contains(x, y); });
}

template <bool CapNearWhite>
void PremultiplyRows(TacWorkBitmap& bitmap, const TRect& area) {
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = area.Left; x < area.Right; ++x) {
      const TacPixel p = row[x];
      const uint32_t a = Alpha(p);
      uint32_t r = (Red(p) * a) >> 8, g = (Green(p) * a) >> 8, b = (Blue(p) * a) >> 8;
      if constexpr (CapNearWhite) {
        if (Red(p) > 244 && Green(p) > 244 && Blue(p) > 244) {
          r = std::min(r, 244u);
          g = std::min(g, 244u);
          b = std::min(b, 244u);
        }
      }
      // White with alpha 0 is the one pixel that must become fully empty.
      row[x] = p == 0x00FFFFFFu ? 0u : MakePixel(r, g, b, a);
    }
  }
}
}  // namespace

void SetAlphaRect(TacWorkBitmap& bitmap, const TRect& rect, int32_t alpha, std::span<const TRect> excludeRects,
                  TColor key) {
  const auto area = ClipToBitmap(rect, bitmap);
  if (!area) return;
  const uint32_t a = alpha < 0 ? 0u : alpha > 255 ? 255u : static_cast<uint32_t>(alpha);
  const bool keyed = key != clNotSet;
  const TacPixel keyPixel = PixelOfColor(key);
  for (int32_t y = area->Top; y < area->Bottom; ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = area->Left; x < area->Right; ++x) {
      if ((keyed && row[x] == keyPixel) || (!excludeRects.empty() && InAny(excludeRects, x, y))) continue;
      row[x] = WithAlpha(row[x], a);
    }
  }
}

void RestoreEmptyAlpha(TacWorkBitmap& bitmap) {
  if (bitmap.Empty()) return;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    const TacPixel* row = bitmap.Row(y);
    if (std::any_of(row, row + bitmap.Width(), [](TacPixel p) { return Alpha(p) != 0; })) return;
  }
  const TacPixel background = bitmap.Pixel(0, bitmap.Height() - 1);
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x)
      if (row[x] != background) row[x] |= 0xFF000000u;
  }
}

void PremultiplyAlpha(TacWorkBitmap& bitmap, const TRect& rect) {
  const auto area = ClipToBitmap(rect, bitmap);
  if (!area) return;
  if (CompositionEnabled())
    PremultiplyRows<false>(bitmap, *area);
  else
    PremultiplyRows<true>(bitmap, *area);
}

void PremultiplyAlpha(TacWorkBitmap& bitmap) { PremultiplyAlpha(bitmap, bitmap.BoundsRect()); }
