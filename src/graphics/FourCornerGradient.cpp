#include "graphics/FourCornerGradient.h"

#include <array>
#include <cstdint>

#include "graphics/PixelMath.h"
#include "graphics/WorkBitmap.h"

namespace {
struct Vertex {
  int64_t X, Y;
  TacPixel Color;
};

int64_t Edge(const Vertex& u, const Vertex& v, int64_t x, int64_t y) {
  return (v.X - u.X) * (y - u.Y) - (v.Y - u.Y) * (x - u.X);
}

// One triangle: its vertices, its signed doubled area and, per channel, the
// plane value = A x + B y + C through the three vertex colours.
struct Triangle {
  Vertex V[3];
  int64_t Area = 0;
  double A[4] = {}, B[4] = {}, C[4] = {};

  Triangle(const Vertex& a, const Vertex& b, const Vertex& c) : V{a, b, c}, Area(Edge(a, b, c.X, c.Y)) {
    if (Area == 0) return;
    const double area = double(Area);
    for (int ch = 0; ch < 4; ++ch) {
      const int shift = ch * 8;
      const double ca = double((a.Color >> shift) & 0xFF), cb = double((b.Color >> shift) & 0xFF),
                   cc = double((c.Color >> shift) & 0xFF);
      // Barycentric weights are linear in x and y; fold them into one plane.
      A[ch] = (ca * double(b.Y - c.Y) + cb * double(c.Y - a.Y) + cc * double(a.Y - b.Y)) / area;
      B[ch] = (ca * double(c.X - b.X) + cb * double(a.X - c.X) + cc * double(b.X - a.X)) / area;
      C[ch] = (ca * double(b.X * c.Y - c.X * b.Y) + cb * double(c.X * a.Y - a.X * c.Y) +
               cc * double(a.X * b.Y - b.X * a.Y)) /
              area;
    }
  }

  bool Contains(int64_t x, int64_t y) const {
    if (Area == 0) return false;
    const int64_t w0 = Edge(V[1], V[2], x, y), w1 = Edge(V[2], V[0], x, y), w2 = Edge(V[0], V[1], x, y);
    return Area > 0 ? (w0 >= 0 && w1 >= 0 && w2 >= 0) : (w0 <= 0 && w1 <= 0 && w2 <= 0);
  }

  // Colour values are 16-bit in a triangle fill; the pixel keeps the high
  // byte. Truncation is the floor here: what it rounds up from (-1, 0) the
  // clamp takes back to 0.
  TacPixel ColorAt(int64_t x, int64_t y) const {
    TacPixel p = 0;
    for (int ch = 0; ch < 4; ++ch) {
      const double v = A[ch] * double(x) + B[ch] * double(y) + C[ch] + 1e-6;
      p |= ClampByte(v < 256.0 ? static_cast<int32_t>(v) : 255) << (ch * 8);
    }
    return p;
  }
};
}  // namespace

void PaintFourCorners(TacWorkBitmap& bitmap, const TRect& area, const TacPixel (&colors)[5], bool opaque) {
  const int64_t l = area.Left, t = area.Top, r = area.Right, b = area.Bottom;
  const Vertex v[5] = {{l, t, colors[0]},
                       {l + (r - l) / 2, t + (b - t) / 2, colors[1]},
                       {r, t, colors[2]},
                       {r, b, colors[3]},
                       {l, b, colors[4]}};
  const std::array<Triangle, 4> triangles = {Triangle(v[0], v[1], v[2]), Triangle(v[1], v[2], v[3]),
                                             Triangle(v[0], v[1], v[4]), Triangle(v[4], v[1], v[3])};
  for (int32_t y = area.Top; y < area.Bottom; ++y) {
    TacPixel* row = bitmap.Row(y);
    const Triangle* last = &triangles[0];
    for (int32_t x = area.Left; x < area.Right; ++x) {
      // Neighbouring pixels mostly share a triangle, so it is tried first.
      if (!last->Contains(x, y))
        for (const Triangle& tri : triangles)
          if (tri.Contains(x, y)) {
            last = &tri;
            break;
          }
      const TacPixel color = last->ColorAt(x, y);
      row[x] = opaque ? WithAlpha(color, 255) : ComposeOver(row[x], color);
    }
  }
}
