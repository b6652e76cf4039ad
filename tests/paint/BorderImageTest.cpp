#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "paint/SkinPaint.h"

namespace {
// A key-colour nine-piece element 11 x 11 with margins 5, so its middle is one
// pixel; every source pixel tells where it lies.
class BorderImage : public ::testing::Test {
 protected:
  PaintSkin skin;
  int32_t index = skin.AddElement(Bounds(2, 3, 11, 11), 1, 0, 4);
  TsMaskData& mask = skin.Mask(index);
  std::unique_ptr<TacWorkBitmap> dest = FilledBitmap(40, 30, kParentPixel);

  void SetUp() override { mask.WL = mask.WT = mask.WR = mask.WB = 5; }
  void Paint(const TRect& rect, int32_t state = 0) {
    PaintBorderImage(*dest, rect, {}, false, state, mask, *skin.Data);
  }
};

TEST_F(BorderImage, MarginsShrinkWithTheOddPixelOnTheRightAndBottom) {
  struct Case {
    int32_t Size, First, Second;
  };
  // Size of the rectangle, then the margins the pieces get.
  const Case cases[] = {{7, 4, 3}, {8, 4, 4}, {9, 5, 4}, {10, 5, 5}, {2, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Size);
    dest->Fill(kParentPixel);
    Paint(Bounds(3, 4, c.Size, c.Size));
    // Left columns come from the left of the frame, right columns from its right edge.
    for (int32_t x = 0; x < c.First; ++x) EXPECT_EQ(dest->Pixel(3 + x, 4), PaintSkin::Coded(2 + x, 3));
    for (int32_t x = 0; x < c.Second; ++x)
      EXPECT_EQ(dest->Pixel(3 + c.Size - c.Second + x, 4), PaintSkin::Coded(2 + 11 - c.Second + x, 3));
    for (int32_t y = 0; y < c.Second; ++y)
      EXPECT_EQ(dest->Pixel(3, 4 + c.Size - c.Second + y), PaintSkin::Coded(2, 3 + 11 - c.Second + y));
    EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(40, 30, kParentPixel), Bounds(3, 4, c.Size, c.Size)));
  }
}

TEST_F(BorderImage, AMarginLargerThanTheRectangleIsCutToIt) {
  mask.WT = 9;
  mask.WB = 1;  // 9 + 1 in a height of 4: the top shrinks to 6, more than 4
  Paint(Bounds(3, 4, 11, 4));
  EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(40, 30, kParentPixel), Bounds(3, 4, 11, 4)));
  EXPECT_EQ(dest->Pixel(3, 7), PaintSkin::Coded(2, 6));  // the top rows only
}

TEST_F(BorderImage, SidesAndCentreAreTiledWithACutLastTile) {
  mask.WL = mask.WR = 4;  // middle of 3 columns
  mask.WT = mask.WB = 4;
  Paint(Bounds(0, 0, 18, 17));
  // Top side from x 4 to 14: tiles at 4, 7, 10 and a cut one at 13.
  for (int32_t x = 4; x < 14; ++x) EXPECT_EQ(dest->Pixel(x, 0), PaintSkin::Coded(2 + 4 + (x - 4) % 3, 3)) << x;
  EXPECT_EQ(dest->Pixel(14, 0), PaintSkin::Coded(2 + 7, 3));  // the top-right corner starts
  // Left side rows 4 to 13, centre in both directions.
  for (int32_t y = 4; y < 13; ++y) EXPECT_EQ(dest->Pixel(0, y), PaintSkin::Coded(2, 3 + 4 + (y - 4) % 3)) << y;
  EXPECT_EQ(dest->Pixel(8, 9), PaintSkin::Coded(2 + 4 + 1, 3 + 4 + 2));
}

TEST_F(BorderImage, StretchModeDrawsEachSideOnce) {
  mask.DrawMode = 1 | 4;
  Paint(Bounds(0, 0, 20, 20));
  // The single middle column stretched over the whole top side.
  for (int32_t x = 5; x < 15; ++x) EXPECT_EQ(dest->Pixel(x, 0), PaintSkin::Coded(7, 3));
  EXPECT_EQ(dest->Pixel(10, 10), PaintSkin::Coded(7, 8));
}

TEST_F(BorderImage, NothingForThinRectanglesOrAHiddenStateZero) {
  Paint(Bounds(0, 0, 1, 20));
  Paint(Bounds(0, 0, 20, 1));
  EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(40, 30, kParentPixel), {}));
  mask.DrawMode |= 2;
  Paint(Bounds(0, 0, 20, 20), 0);
  EXPECT_EQ(dest->Pixel(0, 0), kParentPixel);
  Paint(Bounds(0, 0, 20, 20), 1);
  EXPECT_EQ(dest->Pixel(0, 0), PaintSkin::Coded(2, 3));
}

TEST_F(BorderImage, HigherStatesUseTheLastFrame) {
  const int32_t two = skin.AddElement(Bounds(20, 0, 22, 11), 2, 0, 4);
  TsMaskData& m = skin.Mask(two);
  m.WL = m.WT = m.WR = m.WB = 5;
  PaintBorderImage(*dest, Bounds(0, 0, 11, 11), {}, false, 5, m, *skin.Data);
  EXPECT_EQ(dest->Pixel(0, 0), PaintSkin::Coded(31, 0));
}

TEST_F(BorderImage, KeyPixelsShowTheParentOnlyInTheCorners) {
  skin.Master->SetPixel(2, 3, KeyPixel);  // top-left corner
  skin.Master->SetPixel(7, 3, KeyPixel);  // top side
  mask.Cfg = cfgTransparentCorners;
  auto parent = FilledBitmap(60, 60, 0xFF445566u);
  parent->SetPixel(13, 14, 0xFF778899u);
  PaintBorderImage(*dest, Bounds(3, 4, 11, 11), ParentBGFromBitmap(parent.get(), 10, 10), true, 0, mask,
                   *skin.Data);
  EXPECT_EQ(dest->Pixel(3, 4), 0xFF778899u);  // parent at (3, 4) + (10, 10)
  EXPECT_EQ(dest->Pixel(8, 4), KeyPixel);
}

TEST_F(BorderImage, ClippedAtEveryEdgeWithoutTouchingOtherPixels) {
  const TRect rects[] = {Bounds(-6, 5, 14, 14), Bounds(5, -6, 14, 14), Bounds(30, 5, 14, 14), Bounds(5, 20, 14, 14),
                         Bounds(-100, -100, 300, 300)};
  for (const TRect& r : rects) {
    dest->Fill(kParentPixel);
    Paint(r);
    EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(40, 30, kParentPixel), r));
  }
}

TEST_F(BorderImage, NoMasterBitmapDrawsNothing) {
  skin.Data->MasterBitmap = nullptr;
  Paint(Bounds(0, 0, 20, 20));
  EXPECT_EQ(dest->Pixel(0, 0), kParentPixel);
}
}  // namespace

namespace {
TEST(SectionCorners, AreDrawnAtTheirCornersAndCutToTheRectangle) {
  PaintSkin skin;
  const int32_t section = skin.AddSection(0x000000);
  const int32_t corner = skin.AddElement(Bounds(40, 40, 6, 6), 1, 0, dmAlphaChannel);
  skin.Section(section).ImgBR = corner;
  auto dest = FilledBitmap(30, 30, kParentPixel);
  PaintSection(section, {}, skin.Data.get(), dest.get(), {}, Bounds(10, 10, 10, 10), 0);
  // DrawAlphaImage of an opaque pixel over black: (255 x s + d) div 256.
  const TacPixel expected = MakePixel(45 * 255 / 256, 45 * 255 / 256, 0x5A * 255 / 256, 255);
  EXPECT_EQ(dest->Pixel(19, 19), expected);  // the corner's last pixel at the rectangle's
  dest->Fill(kParentPixel);
  PaintSection(section, {}, skin.Data.get(), dest.get(), {}, Bounds(10, 10, 4, 4), 0);
  EXPECT_EQ(dest->Pixel(13, 13), expected);
  EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(30, 30, kParentPixel), Bounds(10, 10, 4, 4)));
}
}  // namespace
