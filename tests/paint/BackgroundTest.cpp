#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "graphics/Gradient.h"
#include "graphics/PixelFill.h"
#include "paint/SkinPaint.h"

namespace {
constexpr TColor kState = 0x204080;  // B 0x20, G 0x40, R 0x80 as a pixel
constexpr TColor kParent = 0x60A0C0;

class Background : public ::testing::Test {
 protected:
  PaintSkin skin;
  std::unique_ptr<TacWorkBitmap> dest = FilledBitmap(30, 20, kParentPixel);
  void Paint(int32_t section, const TacParentBG& bg, const TRect& rect, int32_t state = 0) {
    PaintSectionBackground(section, bg, state, rect, {}, *dest, *skin.Data, -1, -1, clFuchsia);
  }
  static TacParentBG ColorParent(TColor color) {
    TacParentBG bg;
    bg.Color = color;
    return bg;
  }
};

TEST_F(Background, OpaqueSectionFillsOnlyItsRectangle) {
  const int32_t s = skin.AddSection(kState);
  Paint(s, ColorParent(kParent), Bounds(2, 3, 10, 5));
  EXPECT_EQ(dest->Pixel(2, 3), 0xFF804020u);
  EXPECT_EQ(dest->Pixel(11, 7), 0xFF804020u);
  auto untouched = FilledBitmap(30, 20, kParentPixel);
  EXPECT_TRUE(SameOutside(*dest, *untouched, Bounds(2, 3, 10, 5)));
}

TEST_F(Background, FullTransparencyOverTheDestinationItselfLeavesItUntouched) {
  const int32_t s = skin.AddSection(kState, 100);
  dest->SetPixel(4, 4, 0x12345678u);
  Paint(s, ParentBGFromBitmap(dest.get(), 0, 0), Bounds(0, 0, 30, 20));
  EXPECT_EQ(dest->Pixel(4, 4), 0x12345678u);
  EXPECT_EQ(dest->Pixel(0, 0), kParentPixel);
}

TEST_F(Background, FullTransparencyCopiesAnotherParentBitmapAtBothOffsets) {
  const int32_t s = skin.AddSection(kState, 100);
  auto parent = FilledBitmap(50, 50, 0xFF000000u);
  parent->SetPixel(7 + 3 + 1, 5 + 2 + 1, 0xFFABCDEFu);
  PaintSectionBackground(s, ParentBGFromBitmap(parent.get(), 7, 5), 0, Bounds(4, 4, 6, 6), {3, 2}, *dest, *skin.Data,
                         -1, -1, clFuchsia);
  EXPECT_EQ(dest->Pixel(5, 5), 0xFFABCDEFu);  // Rect's (1, 1)
  EXPECT_EQ(dest->Pixel(4, 4), 0xFF000000u);
}

TEST_F(Background, PartialTransparencyOverAPlainColourMixesTheColours) {
  const int32_t s = skin.AddSection(kState, 40);
  Paint(s, ColorParent(kParent), Bounds(0, 0, 4, 4));
  EXPECT_EQ(dest->Pixel(1, 1), WithAlpha(PixelOfColor(MixColors(kParent, kState, 102)), 255));
}

TEST_F(Background, PartialTransparencyOverABitmapKeepsThatShareOfIt) {
  const int32_t s = skin.AddSection(kState, 40);
  auto parent = FilledBitmap(30, 20, 0xFF000000u);
  Paint(s, ParentBGFromBitmap(parent.get(), 0, 0), Bounds(0, 0, 4, 4));
  // d = (102 x parent + 154 x colour) div 256 on every byte.
  EXPECT_EQ(dest->Pixel(1, 1), MakePixel(0x80 * 154 / 256, 0x40 * 154 / 256, 0x20 * 154 / 256, (102 * 255 + 154 * 255) / 256));
}

TEST_F(Background, TextureAndGradientSharesAreBlendedThenTinted) {
  const int32_t tex = skin.AddElement(Bounds(0, 0, 4, 4));
  skin.Master->Fill(0xFF000000u);  // a black texture
  const int32_t s = skin.AddSection(kState);
  TsGenState& st = skin.Section(s).Props[0];
  st.ImagePercent = 30;
  st.GradientPercent = 30;
  st.TextureIndex = tex;
  st.GradientArray = {{0, 0, 0xFFFFFF, 0}, {1, 0, 0xFFFFFF, 100}};  // white, vertical
  Paint(s, {}, Bounds(0, 0, 8, 8));
  // Texture black, white blended in keeping 76 of the texture, then tinted
  // toward the state colour keeping 153.
  const uint32_t blended = (255 * 180) >> 8;
  auto tint = [&](uint32_t c) { return (blended * 153 + c * (255 - 153)) >> 8; };
  EXPECT_EQ(dest->Pixel(3, 5), MakePixel(tint(0x80), tint(0x40), tint(0x20), 255));
}

TEST_F(Background, TextureRowLeavesTheStateColourBelow) {
  const int32_t tex = skin.AddElement(Bounds(0, 0, 3, 2), 1, 0, 2);
  const int32_t s = skin.AddSection(kState);
  TsGenState& st = skin.Section(s).Props[0];
  st.ImagePercent = 100;
  st.TextureIndex = tex;
  Paint(s, {}, Bounds(0, 0, 7, 6));
  EXPECT_EQ(dest->Pixel(4, 1), PaintSkin::Coded(1, 1));
  EXPECT_EQ(dest->Pixel(4, 2), 0xFF804020u);
  EXPECT_EQ(dest->Pixel(6, 5), 0xFF804020u);
}

TEST_F(Background, StatesAboveTheSectionsAreLowered) {
  const int32_t s = skin.AddSection(kState);
  skin.Section(s).Props[2].Color = 0x0000FF;
  Paint(s, {}, Bounds(0, 0, 2, 2), 5);
  EXPECT_EQ(dest->Pixel(0, 0), 0xFFFF0000u);
  skin.Section(s).States = 2;
  skin.Section(s).Props[1].Color = 0x00FF00;
  Paint(s, {}, Bounds(0, 0, 2, 2), 5);
  EXPECT_EQ(dest->Pixel(0, 0), 0xFF00FF00u);
}

TEST_F(Background, InvalidInputDrawsNothing) {
  const int32_t s = skin.AddSection(kState);
  Paint(-1, {}, Bounds(0, 0, 5, 5));
  Paint(s + 1, {}, Bounds(0, 0, 5, 5));
  PaintSection(s, {}, nullptr, dest.get(), {}, Bounds(0, 0, 5, 5), 0);
  PaintSection(s, {}, skin.Data.get(), nullptr, {}, Bounds(0, 0, 5, 5), 0);
  PaintSection(s, {}, skin.Data.get(), dest.get(), {}, Bounds(-1, 0, 5, 5), 0);
  PaintSection(s, {}, skin.Data.get(), dest.get(), {}, Bounds(26, 0, 5, 5), 0);
  PaintSection(s, {}, skin.Data.get(), dest.get(), {}, Bounds(3, 3, 0, 5), 0);
  EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(30, 20, kParentPixel), {}));
}

// Every placement code keeps to the area and reports what it left.
TEST(FillTextureCodes, PlaceTilesAndReportTheUncoveredArea) {
  struct Case {
    int16_t Code;
    TRect Uncovered;
    TPoint Probe;  // a pixel of the texture's first column and row
    TacPixel Expected;
  };
  const TRect area = Bounds(2, 2, 10, 9);  // the texture is 4 x 3 at (0, 0)
  const Case cases[] = {
      {0, NoUncoveredArea, {6, 5}, PaintSkin::Coded(0, 0)},
      {2, Rect(2, 5, 12, 11), {10, 2}, PaintSkin::Coded(0, 0)},
      {3, Rect(6, 2, 12, 11), {2, 8}, PaintSkin::Coded(0, 0)},
      {6, Rect(2, 2, 12, 8), {6, 8}, PaintSkin::Coded(0, 0)},
      {7, Rect(2, 2, 8, 11), {8, 5}, PaintSkin::Coded(0, 0)},
      {9, area, {8, 5}, PaintSkin::Coded(0, 0)},
      {10, NoUncoveredArea, {10, 5}, PaintSkin::Coded(0, 0)},
      {11, TRect{}, {2, 5}, PaintSkin::Coded(0, 0)},
      {13, TRect{}, {8, 8}, PaintSkin::Coded(0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Code);
    PaintSkin skin;
    const int32_t tex = skin.AddElement(Bounds(0, 0, 4, 3), 1, 0, c.Code);
    auto dest = FilledBitmap(16, 16, kParentPixel);
    TRect uncovered = area;
    FillTexture(*dest, uncovered, skin.Mask(tex), {}, *skin.Data);
    EXPECT_EQ(uncovered, c.Uncovered);
    EXPECT_EQ(dest->Pixel(c.Probe.X, c.Probe.Y), c.Expected);
    EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(16, 16, kParentPixel), area));
  }
}

TEST(FillTextureCodes, WholeTilesOnlyLeaveTheLastPartialRow) {
  PaintSkin skin;
  const int32_t tex = skin.AddElement(Bounds(0, 0, 4, 3), 1, 0, 10);
  auto dest = FilledBitmap(16, 16, kParentPixel);
  TRect area = Bounds(0, 0, 10, 8);
  FillTexture(*dest, area, skin.Mask(tex), {}, *skin.Data);
  EXPECT_EQ(dest->Pixel(9, 5), PaintSkin::Coded(1, 2));  // partial column drawn
  EXPECT_EQ(dest->Pixel(0, 6), kParentPixel);            // partial row not
}
}  // namespace
