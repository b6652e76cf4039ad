#pragma once
#include "Raster.h"

struct Slices {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Cuts a large drawing down to a nine-slice template: corners kept as they are,
// the middle slices taken from the drawing's centre, where every row and column
// is uniform, so that the engine can stretch them.
Raster ShrinkNineSlice(const Raster& big, int width, int height, Slices margins);
// The reverse, as the engine paints a stretched frame: corners copied, middle
// slices stretched (nearest pixel, which is exact for uniform slices).
Raster StretchNineSlice(const Raster& small, int width, int height, Slices margins);
