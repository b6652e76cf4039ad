#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "graphics/AntiAlias.h"
#include "paint/SkinPaint.h"

namespace {
constexpr TacPixel kFill = 0xFF808080u;
constexpr TColor kBorder = 0x0000FF;  // red
constexpr TacPixel kBorderPixel = 0xFFFF0000u;

TEST(CornerMask, DiscIsBlackInsideWhiteOutsideAndSymmetric) {
  const TacWorkBitmap& mask = CornerMask(6);
  ASSERT_EQ(mask.Width(), 13);
  EXPECT_EQ(mask.Pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(mask.Pixel(12, 12), 0xFFFFFFFFu);
  EXPECT_EQ(mask.Pixel(6, 6), 0xFF000000u);
  EXPECT_EQ(mask.Pixel(3, 6), 0xFF000000u);
  for (int32_t i = 0; i < 13; ++i) {
    EXPECT_EQ(mask.Pixel(i, 2), mask.Pixel(12 - i, 2));
    EXPECT_EQ(mask.Pixel(2, i), mask.Pixel(i, 2));
  }
  EXPECT_EQ(&CornerMask(6), &mask);  // made once
}

TEST(CutRoundCorners, OutsideShowsTheParentInsideStays) {
  TsGeneralData section;
  section.BorderRadius = 4;
  auto dest = FilledBitmap(20, 20, kFill);
  auto parent = FilledBitmap(30, 30, kParentPixel);
  CutRoundCorners(section, *dest, Bounds(0, 0, 20, 20), false, nullptr, ParentBGFromBitmap(parent.get(), 5, 5));
  for (const TPoint p : {TPoint{0, 0}, TPoint{19, 0}, TPoint{0, 19}, TPoint{19, 19}})
    EXPECT_EQ(dest->Pixel(p.X, p.Y), kParentPixel) << p.X << "," << p.Y;
  for (const TPoint p : {TPoint{4, 4}, TPoint{15, 4}, TPoint{4, 15}, TPoint{15, 15}, TPoint{5, 0}, TPoint{0, 5}})
    EXPECT_EQ(dest->Pixel(p.X, p.Y), kFill) << p.X << "," << p.Y;
  // A colour parent makes the corners its colour with alpha 0.
  TacParentBG color;
  color.Color = 0x00FF00;
  CutRoundCorners(section, *dest, Bounds(0, 0, 20, 20), false, nullptr, color);
  EXPECT_EQ(dest->Pixel(0, 0), 0x0000FF00u);
}

class ColorBorder : public ::testing::Test {
 protected:
  PaintSkin skin;
  int32_t index = skin.AddSection(0x808080);
  TsGeneralData& section = skin.Section(index);
  std::unique_ptr<TacWorkBitmap> dest = FilledBitmap(24, 24, kFill);
  std::unique_ptr<TacWorkBitmap> parent = FilledBitmap(24, 24, kParentPixel);
  bool Paint(const TRect& rect, int32_t ppi = 96) {
    return PaintColorBorder(*dest, rect, section, false, ppi, nullptr, ParentBGFromBitmap(parent.get(), 0, 0), 0,
                            *skin.Data);
  }
};

TEST_F(ColorBorder, WidthCoversTheOuterPixelsOnEverySide) {
  section.Props[0].BorderColor = kBorder;
  for (int32_t width : {1, 2, 3}) {
    SCOPED_TRACE(width);
    dest->Fill(kFill);
    section.BorderWidth = width;
    EXPECT_TRUE(Paint(Bounds(2, 2, 20, 20)));
    for (int32_t i = 0; i < width; ++i) {
      EXPECT_EQ(dest->Pixel(10, 2 + i), kBorderPixel);
      EXPECT_EQ(dest->Pixel(2 + i, 10), kBorderPixel);
      EXPECT_EQ(dest->Pixel(21 - i, 10), kBorderPixel);
      EXPECT_EQ(dest->Pixel(10, 21 - i), kBorderPixel);
    }
    EXPECT_EQ(dest->Pixel(10, 2 + width), kFill);
    EXPECT_EQ(dest->Pixel(21 - width, 10), kFill);
    EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(24, 24, kFill), Bounds(2, 2, 20, 20)));
  }
}

TEST_F(ColorBorder, WidthFollowsTheResolution) {
  section.Props[0].BorderColor = kBorder;
  section.BorderWidth = 1;
  Paint(Bounds(0, 0, 20, 20), 192);
  EXPECT_EQ(dest->Pixel(10, 1), kBorderPixel);
  EXPECT_EQ(dest->Pixel(10, 2), kFill);
}

TEST_F(ColorBorder, NoColourDrawsNoLineButStillCutsTheCorners) {
  section.BorderWidth = 1;
  section.BorderRadius = 4;
  EXPECT_FALSE(Paint(Bounds(0, 0, 20, 20)));
  EXPECT_EQ(dest->Pixel(0, 0), kParentPixel);
  EXPECT_EQ(dest->Pixel(10, 0), kFill);
}

TEST_F(ColorBorder, RoundedBorderKeepsItsCornersOpenInSmallAndLargeRectangles) {
  section.Props[0].BorderColor = kBorder;
  section.BorderWidth = 1;
  section.BorderRadius = 4;
  for (const TRect& r : {Bounds(0, 0, 20, 20), Bounds(0, 0, 6, 6)}) {
    dest->Fill(kFill);
    EXPECT_TRUE(Paint(r));
    EXPECT_EQ(dest->Pixel(0, 0), kParentPixel);
    EXPECT_EQ(dest->Pixel(r.Right - 1, r.Bottom - 1), kParentPixel);
    EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(24, 24, kFill), r));
  }
  // Straight sides of the large one are drawn, its inside kept.
  dest->Fill(kFill);
  Paint(Bounds(0, 0, 20, 20));
  EXPECT_EQ(dest->Pixel(10, 0), kBorderPixel);
  EXPECT_EQ(dest->Pixel(0, 10), kBorderPixel);
  EXPECT_EQ(dest->Pixel(10, 10), kFill);
}

TEST_F(ColorBorder, CustomBorderColourFollowsTheState) {
  TacPaintBorderData custom;
  custom.IsChanged = true;
  custom.Width = 1;
  custom.ColorNormal = 0x0000FF;
  custom.ColorActive = 0x00FF00;
  PaintColorBorder(*dest, Bounds(0, 0, 10, 10), section, true, 96, &custom, {}, 0, *skin.Data);
  EXPECT_EQ(dest->Pixel(5, 0), 0xFFFF0000u);
  PaintColorBorder(*dest, Bounds(0, 0, 10, 10), section, true, 96, &custom, {}, 2, *skin.Data);
  EXPECT_EQ(dest->Pixel(5, 0), 0xFF00FF00u);  // pressed is not set: active holds
}

TEST(AntiAlias, StrokeCentreLinesAndCoverage) {
  auto bitmap = FilledBitmap(12, 12, 0xFF000000u);
  PortableAntiAliasPainter().StrokeRoundRect(*bitmap, {{2.5, 2.5, 9.5, 9.5}, {}}, 1.0, 0xFFFFFFFFu);
  EXPECT_EQ(bitmap->Pixel(5, 2), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap->Pixel(9, 5), 0xFFFFFFFFu);
  EXPECT_EQ(bitmap->Pixel(2, 2), 0xFFFFFFFFu);  // square corner
  EXPECT_EQ(bitmap->Pixel(5, 3), 0xFF000000u);
  EXPECT_EQ(bitmap->Pixel(5, 1), 0xFF000000u);
  // Half a pixel off the grid: two rows at half strength.
  bitmap->Fill(0xFF000000u);
  PortableAntiAliasPainter().StrokeRoundRect(*bitmap, {{2, 2, 9, 9}, {}}, 1.0, 0xFFFFFFFFu);
  EXPECT_NEAR(Red(bitmap->Pixel(5, 1)), 128, 2);
  EXPECT_NEAR(Red(bitmap->Pixel(5, 2)), 128, 2);
}
}  // namespace
