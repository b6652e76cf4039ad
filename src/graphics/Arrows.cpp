#include "graphics/Arrows.h"

#include <algorithm>

#include "graphics/Clip.h"
#include "graphics/WorkBitmap.h"

TacArrowSize ArrowSize(int32_t ppi) {
  const int32_t base = 5 * std::clamp(ppi, 0, 96 * 64) / 96;
  return {base, (base + 1) / 2};
}

TPoint ArrowOrigin(const TRect& rect, int32_t ppi, TacArrowDirection direction) {
  const auto [w, d] = ArrowSize(ppi);
  const bool vertical = direction == adUp || direction == adDown;
  const int32_t width = vertical ? w : d, height = vertical ? d : w;
  return {SaturatedAdd(rect.Left, (int64_t{rect.Right} - rect.Left - width) / 2),
          SaturatedAdd(rect.Top, (int64_t{rect.Bottom} - rect.Top - height) / 2)};
}

void DrawArrow(TacWorkBitmap& bitmap, TColor color, const TRect& rect, int32_t ppi, TacArrowDirection direction) {
  const auto [w, d] = ArrowSize(ppi);
  const bool vertical = direction == adUp || direction == adDown;
  const int64_t width = vertical ? w : d, height = vertical ? d : w;
  const TPoint origin = ArrowOrigin(rect, ppi, direction);
  if (origin.X < 0 || origin.Y < 0 || origin.X + width >= bitmap.Width() || origin.Y + height >= bitmap.Height()) return;
  const TacPixel pixel = PixelOfColor(color);
  ForEachArrowRun(ppi, direction, [&](const TacArrowRun& run) {
    TacPixel* row = bitmap.Row(origin.Y + run.Row) + origin.X + run.Column;
    std::fill_n(row, run.Count, pixel);
  });
}
