// The four-corner gradient is painted by portable code; the system's triangle
// gradient fill over the same five vertices must give the same picture.
#include <gtest/gtest.h>

#include "graphics/Gradient.h"
#include "graphics/WorkBitmapDib.h"

namespace {
TRIVERTEX Vertex(LONG x, LONG y, TsColor color) {
  return {x, y, static_cast<COLOR16>((color & 0xFF) << 8), static_cast<COLOR16>(((color >> 8) & 0xFF) << 8),
          static_cast<COLOR16>(((color >> 16) & 0xFF) << 8), 0xFF00};
}

void SystemFourCorners(TacWorkBitmap& bitmap, const TRect& r, const TsGradArray& p) {
  TRIVERTEX v[5] = {Vertex(r.Left, r.Top, p[0].Color), Vertex(r.Left + r.Width() / 2, r.Top + r.Height() / 2, p[1].Color),
                    Vertex(r.Right, r.Top, p[2].Color), Vertex(r.Right, r.Bottom, p[3].Color),
                    Vertex(r.Left, r.Bottom, p[4].Color)};
  GRADIENT_TRIANGLE triangles[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  ASSERT_TRUE(GradientFill(WorkBitmapDC(bitmap), v, 5, triangles, 4, GRADIENT_FILL_TRIANGLE));
  GdiFlush();
}
}  // namespace

TEST(FourCornerGradient, MatchesTheSystemTriangleFill) {
  TsGradArray points;
  ParseGradient("255;0;2;16777215;0;2;65280;0;2;16711680;0;2;0;100;2;E", points);
  for (const TRect& rect : {Rect(0, 0, 40, 30), Rect(3, 5, 20, 9), Rect(0, 0, 7, 41)}) {
    TacWorkBitmap portable(45, 45), system(45, 45);
    PaintGradient(portable, rect, points, 0);
    SystemFourCorners(system, rect, points);
    for (int32_t y = 0; y < 45; ++y)
      for (int32_t x = 0; x < 45; ++x)
        ASSERT_EQ(portable.Pixel(x, y), system.Pixel(x, y)) << "at " << x << "," << y << " in " << rect.Width() << " x "
                                                             << rect.Height();
  }
}
