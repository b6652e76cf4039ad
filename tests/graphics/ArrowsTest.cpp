#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BitmapFixture.h"
#include "graphics/Arrows.h"

namespace {
// The bitmap as rows of '#' (arrow) and '.' (untouched).
std::vector<std::string> Picture(const TacWorkBitmap& bitmap) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < bitmap.Width(); ++x) row += bitmap.Pixel(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> Drawn(int32_t width, int32_t height, int32_t ppi, TacArrowDirection direction) {
  auto bitmap = NewWorkBitmap(width, height);
  DrawArrow(*bitmap, static_cast<TColor>(0xFF000000), bitmap->BoundsRect(), ppi, direction);
  return Picture(*bitmap);
}
}  // namespace

TEST(ArrowSize, BaseScalesWithResolutionAndDepthIsItsHalfRoundedUp) {
  const struct {
    int32_t Ppi, Base, Depth;
  } cases[] = {{96, 5, 3}, {120, 6, 3}, {144, 7, 4}, {192, 10, 5}, {0, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(ArrowSize(c.Ppi).Base, c.Base) << c.Ppi;
    EXPECT_EQ(ArrowSize(c.Ppi).Depth, c.Depth) << c.Ppi;
  }
}

TEST(DrawArrow, ShapesAtNinetySixAndOneFortyFourPixelsPerInch) {
  EXPECT_EQ(Drawn(7, 5, 96, adDown), (std::vector<std::string>{".......", ".#####.", "..###..", "...#...", "......."}));
  EXPECT_EQ(Drawn(7, 5, 96, adUp), (std::vector<std::string>{".......", "...#...", "..###..", ".#####.", "......."}));
  EXPECT_EQ(Drawn(9, 6, 144, adDown),
            (std::vector<std::string>{".........", ".#######.", "..#####..", "...###...", "....#....", "........."}));
  EXPECT_EQ(Drawn(5, 7, 96, adRight),
            (std::vector<std::string>{".....", ".#...", ".##..", ".###.", ".##..", ".#...", "....."}));
  // Left arrows run one row lower: their first row is empty by construction.
  EXPECT_EQ(Drawn(5, 8, 96, adLeft),
            (std::vector<std::string>{".....", ".....", "...#.", "..##.", ".###.", "..##.", "...#.", "....."}));
}

TEST(DrawArrow, PixelsAreTheColourWithItsTopByteAsAlpha) {
  auto bitmap = NewWorkBitmap(7, 5);
  DrawArrow(*bitmap, static_cast<TColor>(0x80332211), bitmap->BoundsRect(), 96, adDown);
  EXPECT_EQ(bitmap->Pixel(3, 3), 0x80112233u);
}

TEST(DrawArrow, NothingIsDrawnWhenTheArrowWouldTouchTheLastColumnOrRow) {
  const struct {
    int32_t Width, Height;
    TRect Rect;
  } cases[] = {
      {5, 4, Rect(0, 0, 5, 4)},     // the 5-wide arrow would fill the last column
      {7, 3, Rect(0, 0, 7, 3)},     // the 3-high arrow would fill the last row
      {7, 5, Rect(-4, 0, 2, 5)},    // the corner lies left of the bitmap
      {7, 5, Rect(0, -9, 7, -2)},   // and above it
      {7, 5, Rect(5, 3, 40, 40)},   // far past it
  };
  for (const auto& c : cases) {
    auto bitmap = NewWorkBitmap(c.Width, c.Height);
    DrawArrow(*bitmap, static_cast<TColor>(0xFF000000), c.Rect, 96, adDown);
    EXPECT_EQ(CountOther(*bitmap, 0), 0) << c.Rect.Left << "," << c.Rect.Top;
  }
}
