#include "forms/CornerRegion.h"

#include <algorithm>
#include <initializer_list>

#include "base/WinHandles.h"
#include "graphics/Color.h"

namespace {
// Larger than any corner image or corner radius a skin draws.
constexpr int32_t kCornerSize = 16;
}  // namespace

HRGN CornerCutRegion(const TacWorkBitmap& Image) {
  const int32_t w = Image.Width(), h = Image.Height();
  if (w <= 0 || h <= 0) return nullptr;
  TacScopedRegion region(CreateRectRgn(0, 0, w, h));
  bool cut = false;
  const int32_t corner = std::min({kCornerSize, w / 2, h / 2});
  for (const int32_t top : {0, h - corner})
    for (const int32_t left : {0, w - corner})
      for (int32_t y = top; y < top + corner; ++y)
        for (int32_t x = left; x < left + corner; ++x) {
          if (Alpha(Image.Pixel(x, y)) != 0) continue;
          const TacScopedRegion pixel(CreateRectRgn(x, y, x + 1, y + 1));
          CombineRgn(region.Get(), region.Get(), pixel.Get(), RGN_DIFF);
          cut = true;
        }
  return cut ? region.Release() : nullptr;
}
