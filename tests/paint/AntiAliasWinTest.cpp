// GDI+ and the built-in rasteriser must agree wherever a pixel is wholly
// inside or wholly outside a shape; edge pixels may differ in shade.
#include <gtest/gtest.h>

#include <cstdlib>

#include "PaintFixture.h"
#include "graphics/AntiAlias.h"

namespace {
constexpr TacPixel kBack = 0xFF000000u;
constexpr TacPixel kInk = 0xFFFFFFFFu;

// Pixels that both painters leave or fill entirely must match; others may
// differ by up to half of full strength.
void ExpectAgree(const TacWorkBitmap& gdiPlus, const TacWorkBitmap& portable) {
  for (int32_t y = 0; y < portable.Height(); ++y)
    for (int32_t x = 0; x < portable.Width(); ++x) {
      const int32_t a = static_cast<int32_t>(Red(gdiPlus.Pixel(x, y)));
      const int32_t b = static_cast<int32_t>(Red(portable.Pixel(x, y)));
      if (b == 0 || b == 255)
        EXPECT_LE(std::abs(a - b), 24) << x << "," << y;
      else
        EXPECT_LE(std::abs(a - b), 128) << x << "," << y;
    }
}

// Wine's GDI+ does not stroke paths onto work bitmaps, so there the choice
// falls back to the built-in rasteriser and nothing is left to compare.
bool GdiPlusChosen() { return &AntiAliasPainter() != &PortableAntiAliasPainter(); }

TEST(AntiAliasWin, GdiPlusAgreesOnStrokes) {
  if (!GdiPlusChosen()) GTEST_SKIP() << "GDI+ is not drawing here; the built-in rasteriser is used";
  const TacRoundRectPath paths[] = {{{2.5, 2.5, 29.5, 21.5}, {}},
                                    {{1.5, 1.5, 30.5, 22.5}, {4, 4, 4, 4}},
                                    {{3, 3, 29, 21}, {6, 0, 2, 8}}};
  for (const TacRoundRectPath& path : paths)
    for (double width : {1.0, 2.0, 3.0}) {
      SCOPED_TRACE(width);
      auto a = FilledBitmap(32, 24, kBack);
      auto b = FilledBitmap(32, 24, kBack);
      AntiAliasPainter().StrokeRoundRect(*a, path, width, kInk);
      PortableAntiAliasPainter().StrokeRoundRect(*b, path, width, kInk);
      ExpectAgree(*a, *b);
    }
}

TEST(AntiAliasWin, GdiPlusAgreesOnDiscs) {
  if (!GdiPlusChosen()) GTEST_SKIP() << "GDI+ is not drawing here; the built-in rasteriser is used";
  for (double r : {1.0, 4.0, 9.0}) {
    SCOPED_TRACE(r);
    auto a = FilledBitmap(24, 24, kBack);
    auto b = FilledBitmap(24, 24, kBack);
    const TacRectF bounds{0.5, 0.5, 2 * r + 0.5, 2 * r + 0.5};
    AntiAliasPainter().FillEllipse(*a, bounds, kInk);
    PortableAntiAliasPainter().FillEllipse(*b, bounds, kInk);
    ExpectAgree(*a, *b);
  }
}
}  // namespace
