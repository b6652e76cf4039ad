#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace {

float Coverage(float distance) { return std::clamp(0.5f - distance, 0.0f, 1.0f); }

template <typename DistanceAt>
void Rasterize(Raster& r, float left, float top, float right, float bottom, DistanceAt distance, const Paint& paint) {
  const int x0 = std::max(0, static_cast<int>(std::floor(left)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(top)) - 1);
  const int x1 = std::min(r.Width(), static_cast<int>(std::ceil(right)) + 1);
  const int y1 = std::min(r.Height(), static_cast<int>(std::ceil(bottom)) + 1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const float cx = static_cast<float>(x) + 0.5f;
      const float cy = static_cast<float>(y) + 0.5f;
      const float coverage = distance(cx, cy);
      if (coverage > 0) r.Blend(x, y, paint.At(cy), coverage);
    }
}

float SegmentDistance(Point a, Point b, float x, float y) {
  const float dx = b.X - a.X;
  const float dy = b.Y - a.Y;
  const float lengthSquared = dx * dx + dy * dy;
  float t = lengthSquared > 0 ? ((x - a.X) * dx + (y - a.Y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0f, 1.0f);
  return std::hypot(x - (a.X + t * dx), y - (a.Y + t * dy));
}

}  // namespace

Colour Paint::At(float y) const {
  if (Y1 <= Y0) return Top;
  return Mix(Top, Bottom, std::clamp((y - Y0) / (Y1 - Y0), 0.0f, 1.0f));
}

Paint Flat(Colour c) { return Paint{c, c, 0, 0}; }

Paint Vertical(Colour top, Colour bottom, float y0, float y1) { return Paint{top, bottom, y0, y1}; }

float RoundBoxDistance(const Box& box, const Radii& radii, float x, float y) {
  const float cx = (box.L + box.R) / 2;
  const float cy = (box.T + box.B) / 2;
  const bool left = x < cx;
  const bool top = y < cy;
  float radius = top ? (left ? radii.TopLeft : radii.TopRight) : (left ? radii.BottomLeft : radii.BottomRight);
  radius = std::clamp(radius, 0.0f, std::min(box.Width(), box.Height()) / 2);
  const float qx = std::abs(x - cx) - box.Width() / 2 + radius;
  const float qy = std::abs(y - cy) - box.Height() / 2 + radius;
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

void FillRoundBox(Raster& r, const Box& box, const Radii& radii, const Paint& paint) {
  Rasterize(
      r, box.L, box.T, box.R, box.B,
      [&](float x, float y) { return Coverage(RoundBoxDistance(box, radii, x, y)); }, paint);
}

void StrokeRoundBox(Raster& r, const Box& box, const Radii& radii, float width, Colour c) {
  StrokeRoundBox(r, box, radii, width, Flat(c));
}

void StrokeRoundBox(Raster& r, const Box& box, const Radii& radii, float width, const Paint& paint) {
  Rasterize(
      r, box.L, box.T, box.R, box.B,
      [&](float x, float y) {
        const float d = RoundBoxDistance(box, radii, x, y);
        return Coverage(d) - Coverage(d + width);
      },
      paint);
}

void StrokePolyline(Raster& r, std::span<const Point> points, float width, Colour c) {
  if (points.empty()) return;
  float left = points[0].X, right = points[0].X, top = points[0].Y, bottom = points[0].Y;
  for (const Point& p : points) {
    left = std::min(left, p.X);
    right = std::max(right, p.X);
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  const float pad = width;
  Rasterize(
      r, left - pad, top - pad, right + pad, bottom + pad,
      [&](float x, float y) {
        float d = SegmentDistance(points[0], points[0], x, y);
        for (size_t i = 1; i < points.size(); ++i) d = std::min(d, SegmentDistance(points[i - 1], points[i], x, y));
        return Coverage(d - width / 2);
      },
      Flat(c));
}

void FillCircle(Raster& r, Point centre, float radius, Colour c) {
  Rasterize(
      r, centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius,
      [&](float x, float y) { return Coverage(std::hypot(x - centre.X, y - centre.Y) - radius); }, Flat(c));
}

void StrokeCircle(Raster& r, Point centre, float radius, float width, Colour c) {
  Rasterize(
      r, centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius,
      [&](float x, float y) {
        const float d = std::hypot(x - centre.X, y - centre.Y) - radius;
        return Coverage(d) - Coverage(d + width);
      },
      Flat(c));
}
