#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "StoredOrvale.h"
#include "paint/SkinPaint.h"

namespace {
// A masked outer-effect element: an opaque red image above a mask that is
// black (full effect) in the middle and white at the edges.
class OuterImage : public ::testing::Test {
 protected:
  PaintSkin skin;
  int32_t index = skin.AddElement(Bounds(0, 0, 9, 18), 1, 1, 4);
  std::unique_ptr<TacWorkBitmap> dest = NewWorkBitmap(30, 30);  // transparent black

  void SetUp() override {
    TsMaskData& m = skin.Mask(index);
    m.WL = m.WT = m.WR = m.WB = 4;
    for (int32_t y = 0; y < 9; ++y)
      for (int32_t x = 0; x < 9; ++x) {
        skin.Master->SetPixel(x, y, 0xFFFF0000u);
        const bool edge = x == 0 || y == 0 || x == 8 || y == 8;
        skin.Master->SetPixel(x, 9 + y, edge ? 0xFFFFFFFFu : 0xFF000000u);
      }
  }
};

TEST_F(OuterImage, BuildsUpOnATransparentBitmapAtTheGivenOpacity) {
  PaintOuterImage(*dest, Bounds(10, 10, 10, 10), 255, {3, 3, 3, 3}, 0, skin.Mask(index), *skin.Data);
  // Grown by the offsets to (7, 7)-(23, 23); the white edge leaves nothing.
  EXPECT_EQ(dest->Pixel(7, 7), 0u);
  EXPECT_EQ(dest->Pixel(8, 8), 0xFFFF0000u);
  EXPECT_EQ(dest->Pixel(15, 8), 0xFFFF0000u);
  EXPECT_TRUE(SameOutside(*dest, *NewWorkBitmap(30, 30), Rect(7, 7, 23, 23)));

  auto half = NewWorkBitmap(30, 30);
  PaintOuterImage(*half, Bounds(10, 10, 10, 10), 128, {3, 3, 3, 3}, 0, skin.Mask(index), *skin.Data);
  EXPECT_EQ(half->Pixel(8, 8), 0x80FF0000u);  // the colour kept, at half opacity
}

TEST_F(OuterImage, NothingAtOpacityZeroOrWithoutItsImage) {
  PaintOuterImage(*dest, Bounds(10, 10, 10, 10), 0, {3, 3, 3, 3}, 0, skin.Mask(index), *skin.Data);
  skin.Data->MasterBitmap = nullptr;
  PaintOuterImage(*dest, Bounds(10, 10, 10, 10), 255, {3, 3, 3, 3}, 0, skin.Mask(index), *skin.Data);
  EXPECT_TRUE(SameOutside(*dest, *NewWorkBitmap(30, 30), {}));
}

TEST(MaskedTexture, TilesOverTheParentAndFillsWhatWholeTilesLeave) {
  PaintSkin skin;
  const int32_t tex = skin.AddElement(Bounds(0, 0, 3, 6), 1, 1, 10);
  skin.Master->Fill(0xFFFFFFFFu);  // white mask everywhere...
  skin.Master->SetPixel(0, 0, 0xFF0000FFu);
  skin.Master->SetPixel(0, 3, 0xFF000000u);  // ...but black under the first pixel
  auto parent = FilledBitmap(20, 20, kParentPixel);
  auto dest = FilledBitmap(20, 20, 0xFF000000u);
  TRect area = Bounds(0, 0, 8, 7);
  FillTexture(*dest, area, skin.Mask(tex), ParentBGFromBitmap(parent.get(), 0, 0), *skin.Data);
  EXPECT_EQ(area, NoUncoveredArea);
  EXPECT_EQ(dest->Pixel(3, 3), 0xFF0000FFu);  // a whole tile's first pixel
  EXPECT_EQ(dest->Pixel(7, 1), kParentPixel);  // right of the whole tiles
  EXPECT_EQ(dest->Pixel(1, 6), kParentPixel);  // below them
  EXPECT_EQ(dest->Pixel(8, 1), 0xFF000000u);   // outside the area
}

// The stored skin, painted section by section.
class OrvalePainting : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    orvale = new StoredOrvale;
    data = orvale->Load(96);
  }
  static void TearDownTestSuite() { delete orvale; }
  static StoredOrvale* orvale;
  static TacSkinData* data;
};
StoredOrvale* OrvalePainting::orvale = nullptr;
TacSkinData* OrvalePainting::data = nullptr;

TEST_F(OrvalePainting, EverySectionStaysInsideItsRectangle) {
  const TRect rects[] = {Bounds(5, 4, 100, 23), Bounds(5, 4, 1, 1), Bounds(0, 0, 120, 90), Bounds(100, 80, 20, 10)};
  auto parent = FilledBitmap(120, 90, kParentPixel);
  for (int32_t section = 0; section < static_cast<int32_t>(data->gd.size()); ++section)
    for (const TRect& r : rects)
      for (int32_t state = 0; state < 4; ++state) {
        auto dest = FilledBitmap(120, 90, kParentPixel);
        PaintSection(section, ParentBGFromBitmap(parent.get(), 0, 0), data, dest.get(), {r.Left, r.Top}, r, state);
        ASSERT_TRUE(SameOutside(*dest, *parent, r)) << data->gd[static_cast<size_t>(section)].ClassName;
      }
}

TEST_F(OrvalePainting, ButtonStatesLookDifferentAndItsCornersShowTheParent) {
  const int32_t button = data->GetSkinIndex("BUTTON");
  auto parent = FilledBitmap(100, 23, kParentPixel);
  auto normal = NewWorkBitmap(100, 23), hot = NewWorkBitmap(100, 23);
  PaintSection(button, ParentBGFromBitmap(parent.get(), 0, 0), data, normal.get(), {}, normal->BoundsRect(), 0);
  PaintSection(button, ParentBGFromBitmap(parent.get(), 0, 0), data, hot.get(), {}, hot->BoundsRect(), 1);
  EXPECT_NE(normal->Pixel(50, 11), hot->Pixel(50, 11));
  EXPECT_EQ(normal->Pixel(0, 0), kParentPixel);
  EXPECT_NE(normal->Pixel(50, 11), kParentPixel);
}
}  // namespace
