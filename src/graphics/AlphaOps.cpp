#include "graphics/AlphaOps.h"

#include <algorithm>

#include "graphics/Clip.h"
#include "graphics/Composition.h"
#include "graphics/PixelMath.h"
#include "graphics/WorkBitmap.h"

namespace {
bool InAny(std::span<const TRect> rects, int32_t x, int32_t y) {
  return std::any_of(rects.begin(), rects.end(), [&](const TRect& r) { return r.Contains(x, y); });
}

void PremultiplyRows(TacWorkBitmap& bitmap, const TRect& area) {
  // White with alpha 0 needs no case of its own: alpha 0 empties every channel.
  auto premultiply = [](TacPixel* p) {
    const TacLanes lanes = LoadLanes(p);
    const TacLanes multiplied = (lanes * AlphaLanes(lanes)) >> 8;
    StoreLanes(p, (multiplied & ~kAlphaLaneMask) | (lanes & kAlphaLaneMask));
  };
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    TacPixel* row = bitmap.Row(y);
    int32_t x = area.Left;
    for (; x + 2 <= area.Right; x += 2) premultiply(row + x);
    if (x < area.Right) {
      TacPixel last[2] = {row[x], 0};
      premultiply(last);
      row[x] = last[0];
    }
  }
}

// Without composition, near-white pixels are capped at 244 so that they do
// not glare on the opaque layered window.
void PremultiplyRowsCapped(TacWorkBitmap& bitmap, const TRect& area) {
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = area.Left; x < area.Right; ++x) {
      const TacPixel p = row[x];
      const uint32_t a = Alpha(p);
      const uint32_t cap = Red(p) > 244 && Green(p) > 244 && Blue(p) > 244 ? 244u : 255u;
      row[x] = MakePixel(std::min((Red(p) * a) >> 8, cap), std::min((Green(p) * a) >> 8, cap),
                         std::min((Blue(p) * a) >> 8, cap), a);
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
    if (excludeRects.empty()) {
      if (keyed)
        for (int32_t x = area->Left; x < area->Right; ++x) row[x] = row[x] == keyPixel ? row[x] : WithAlpha(row[x], a);
      else
        for (int32_t x = area->Left; x < area->Right; ++x) row[x] = WithAlpha(row[x], a);
      continue;
    }
    for (int32_t x = area->Left; x < area->Right; ++x)
      if (!(keyed && row[x] == keyPixel) && !InAny(excludeRects, x, y)) row[x] = WithAlpha(row[x], a);
  }
}

void RestoreEmptyAlpha(TacWorkBitmap& bitmap) {
  if (bitmap.Empty()) return;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    const TacPixel* row = bitmap.Row(y);
    TacPixel any = 0;
    for (int32_t x = 0; x < bitmap.Width(); ++x) any |= row[x];
    if (any & 0xFF000000u) return;
  }
  const TacPixel background = bitmap.Pixel(0, bitmap.Height() - 1);
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    TacPixel* row = bitmap.Row(y);
    for (int32_t x = 0; x < bitmap.Width(); ++x) row[x] = row[x] == background ? row[x] : row[x] | 0xFF000000u;
  }
}

void PremultiplyAlpha(TacWorkBitmap& bitmap, const TRect& rect) {
  const auto area = ClipToBitmap(rect, bitmap);
  if (!area) return;
  if (CompositionEnabled())
    PremultiplyRows(bitmap, *area);
  else
    PremultiplyRowsCapped(bitmap, *area);
}

void PremultiplyAlpha(TacWorkBitmap& bitmap) { PremultiplyAlpha(bitmap, bitmap.BoundsRect()); }
