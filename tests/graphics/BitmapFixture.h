#pragma once
#include <cstdint>
#include <memory>

#include "graphics/WorkBitmap.h"

// A bitmap of one pixel value: the starting point of most pixel tests.
inline std::unique_ptr<TacWorkBitmap> Filled(int32_t width, int32_t height, TacPixel value) {
  auto bitmap = NewWorkBitmap(width, height);
  bitmap->Fill(value);
  return bitmap;
}

// Counts the pixels of the bitmap that differ from Value.
inline int CountOther(const TacWorkBitmap& bitmap, TacPixel value) {
  int count = 0;
  for (int32_t y = 0; y < bitmap.Height(); ++y)
    for (int32_t x = 0; x < bitmap.Width(); ++x) count += bitmap.Pixel(x, y) != value;
  return count;
}
