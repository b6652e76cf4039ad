#pragma once
#include <memory>

#include "graphics/WorkBitmap.h"

// Helpers for laying results out on one picture.

// Nearest-pixel enlargement, so single pixels can be inspected.
std::unique_ptr<TacWorkBitmap> Magnify(const TacWorkBitmap& bitmap, int32_t factor);
// Grey checks that show through wherever an image is transparent.
void PaintCheckerboard(TacWorkBitmap& bitmap, const TRect& rect, int32_t cell);
// Draws Tile with its alpha over Sheet at (X, Y).
void Place(TacWorkBitmap& sheet, const TacWorkBitmap& tile, int32_t x, int32_t y);
