#pragma once
#include <array>
#include <cstdint>

#include "graphics/Color.h"

class TacWorkBitmap;

// Continuous coordinates: pixel (x, y) is the unit square from (x, y) to
// (x + 1, y + 1), so a line at x = 3.5 runs through the middle of column 3.
struct TacRectF {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A rectangle whose corners are quarter circles: radius 0 top-left, 1 top-right,
// 2 bottom-left, 3 bottom-right; 0 gives a square corner.
struct TacRoundRectPath {
  TacRectF Rect;
  std::array<double, 4> Radii{};
};

// Anti-aliased drawing of the few shapes the skin painter needs. Colours are
// composed over the bitmap by the share of each pixel the shape covers.
class TacAntiAliasPainter {
 public:
  virtual ~TacAntiAliasPainter() = default;
  virtual void FillEllipse(TacWorkBitmap& bitmap, const TacRectF& bounds, TacPixel color) const = 0;
  // A pen of Width centred on the path, square (mitred) at square corners.
  virtual void StrokeRoundRect(TacWorkBitmap& bitmap, const TacRoundRectPath& path, double width,
                               TacPixel color) const = 0;
};

// The built-in rasteriser: 8 x 8 samples per pixel.
const TacAntiAliasPainter& PortableAntiAliasPainter();
// GDI+ on Windows when gdiplus.dll loads, the built-in rasteriser otherwise.
const TacAntiAliasPainter& AntiAliasPainter();
