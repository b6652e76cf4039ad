#include "Sheet.h"

#include "graphics/BitmapCopy.h"
#include "graphics/PixelFill.h"

std::unique_ptr<TacWorkBitmap> Magnify(const TacWorkBitmap& bitmap, int32_t factor) {
  auto big = NewWorkBitmap(bitmap.Width() * factor, bitmap.Height() * factor);
  for (int32_t y = 0; y < big->Height(); ++y)
    for (int32_t x = 0; x < big->Width(); ++x) big->SetPixel(x, y, bitmap.Pixel(x / factor, y / factor));
  return big;
}

void PaintCheckerboard(TacWorkBitmap& bitmap, const TRect& rect, int32_t cell) {
  for (int32_t y = rect.Top; y < rect.Bottom; y += cell)
    for (int32_t x = rect.Left; x < rect.Right; x += cell) {
      const bool dark = ((x - rect.Left) / cell + (y - rect.Top) / cell) % 2;
      FillPixels(bitmap, {x, y, std::min(x + cell, rect.Right), std::min(y + cell, rect.Bottom)},
                 dark ? 0x00BFBFBF : 0x00FFFFFF, 255);
    }
}

void Place(TacWorkBitmap& sheet, const TacWorkBitmap& tile, int32_t x, int32_t y) {
  DrawAlphaImage(sheet, tile, {0, 0, tile.Width() - 1, tile.Height() - 1}, 255, {x, y});
}
