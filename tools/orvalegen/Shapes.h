#pragma once
#include <span>

#include "Raster.h"

// Anti-aliased shapes drawn from signed distances: a pixel's coverage is how far
// its centre lies inside the outline, limited to one pixel.

struct Box {
  float L = 0, T = 0, R = 0, B = 0;
  float Width() const { return R - L; }
  float Height() const { return B - T; }
  Box Inset(float d) const { return Box{L + d, T + d, R - d, B - d}; }
  Box Moved(float dx, float dy) const { return Box{L + dx, T + dy, R + dx, B + dy}; }
};

struct Radii {
  float TopLeft = 0, TopRight = 0, BottomRight = 0, BottomLeft = 0;
  static Radii All(float r) { return Radii{r, r, r, r}; }
  static Radii Top(float r) { return Radii{r, r, 0, 0}; }
};

struct Point {
  float X = 0, Y = 0;
};

// A flat colour or a vertical gradient between two rows.
struct Paint {
  Colour Top, Bottom;
  float Y0 = 0, Y1 = 0;
  Colour At(float y) const;
};
Paint Flat(Colour c);
Paint Vertical(Colour top, Colour bottom, float y0, float y1);

float RoundBoxDistance(const Box& box, const Radii& radii, float x, float y);
void FillRoundBox(Raster& r, const Box& box, const Radii& radii, const Paint& paint);
// A band of the given width just inside the outline of the box.
void StrokeRoundBox(Raster& r, const Box& box, const Radii& radii, float width, Colour c);
void StrokeRoundBox(Raster& r, const Box& box, const Radii& radii, float width, const Paint& paint);
// Connected line segments with round joins and caps.
void StrokePolyline(Raster& r, std::span<const Point> points, float width, Colour c);
void FillCircle(Raster& r, Point centre, float radius, Colour c);
void StrokeCircle(Raster& r, Point centre, float radius, float width, Colour c);
