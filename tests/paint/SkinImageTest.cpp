#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "paint/SkinPaint.h"

namespace {
// A masked element: a 2 x 2 image above its 2 x 2 mask.
class MaskedImage : public ::testing::Test {
 protected:
  PaintSkin skin;
  int32_t index = skin.AddElement(Bounds(0, 0, 2, 4), 1, 1, 0);
  std::unique_ptr<TacWorkBitmap> dest = FilledBitmap(8, 8, 0xFF204060u);

  void SetUp() override {
    skin.Master->SetPixel(0, 0, 0xFFC08040u);
    skin.Master->SetPixel(0, 2, 0xFF000000u);  // black mask: the image
    skin.Master->SetPixel(1, 0, 0xFFC08040u);
    skin.Master->SetPixel(1, 2, 0xFFFFFFFFu);  // white mask: what lies beneath
    skin.Master->SetPixel(0, 1, 0xFFC08040u);
    skin.Master->SetPixel(0, 3, 0xFF404040u);  // grey 64
    skin.Master->SetPixel(1, 1, KeyPixel);
    skin.Master->SetPixel(1, 3, 0xFF000000u);
  }
};

TEST_F(MaskedImage, ComposesEachChannelWithItsMask) {
  DrawSkinImage(*dest, {3, 3}, 0, {}, skin.Mask(index), 1, *skin.Data);
  EXPECT_EQ(dest->Pixel(3, 3), 0xFFC08040u);
  EXPECT_EQ(dest->Pixel(4, 3), 0xFF204060u);
  // d = (64 d + 192 s) div 256 on each colour channel.
  EXPECT_EQ(dest->Pixel(3, 4), MakePixel((64 * 0x20 + 192 * 0xC0) / 256, (64 * 0x40 + 192 * 0x80) / 256,
                                         (64 * 0x60 + 192 * 0x40) / 256, 255));
  EXPECT_EQ(dest->Pixel(4, 4), 0xFF204060u);  // a key pixel
  EXPECT_TRUE(SameOutside(*dest, *FilledBitmap(8, 8, 0xFF204060u), Bounds(3, 3, 2, 2)));
}

TEST_F(MaskedImage, AlphaGrowsWithTheMask) {
  dest->Fill(0x00204060u);
  DrawSkinImage(*dest, {0, 0}, 0, {}, skin.Mask(index), 1, *skin.Data);
  EXPECT_EQ(Alpha(dest->Pixel(0, 0)), 254u);  // 0 + (255 x 255) div 256
  EXPECT_EQ(Alpha(dest->Pixel(1, 0)), 0u);
  EXPECT_EQ(Alpha(dest->Pixel(0, 1)), (255u * 191) / 256);
}

TEST_F(MaskedImage, NinePieceCornersOverABitmapParentAreOpaque) {
  TsMaskData& m = skin.Mask(index);
  m.WL = m.WT = m.WR = m.WB = 1;
  m.Cfg = cfgTransparentCorners;
  auto parent = FilledBitmap(8, 8, 0x11223344u);
  dest->Fill(0x00204060u);
  PaintBorderImage(*dest, Bounds(0, 0, 2, 2), ParentBGFromBitmap(parent.get(), 0, 0), true, 0, m, *skin.Data);
  EXPECT_EQ(dest->Pixel(1, 1), 0xFF223344u);  // key corner pixel takes the parent, opaque
  // A white mask keeps the destination (255 d + s) div 256, made opaque.
  EXPECT_EQ(dest->Pixel(1, 0), MakePixel((255 * 0x20 + 0xC0) / 256, (255 * 0x40 + 0x80) / 256,
                                         (255 * 0x60 + 0x40) / 256, 255));
}

TEST(SkinImage, OwnAlphaFramesFollowTheStateAndClipAtNegativePoints) {
  PaintSkin skin;
  const int32_t index = skin.AddElement(Bounds(0, 0, 6, 3), 2, 0, dmAlphaChannel);
  skin.Mask(index).Bmp = skin.Master.get();  // its own image: the exact own-alpha arithmetic
  auto dest = FilledBitmap(4, 4, 0xFF000000u);
  DrawSkinImage(*dest, {-1, -1}, 5, {}, skin.Mask(index), 1, *skin.Data);
  // Frame 1 from (3, 0); its pixel (1, 1) lands at (0, 0). Opaque: the image.
  EXPECT_EQ(dest->Pixel(0, 0), PaintSkin::Coded(4, 1));
  EXPECT_EQ(dest->Pixel(2, 0), 0xFF000000u);
  EXPECT_EQ(dest->Pixel(0, 2), 0xFF000000u);
}

TEST(SkinImage, OwnImageTooSmallForItsRectangleDrawsNothing) {
  PaintSkin skin;
  auto own = FilledBitmap(3, 3, 0xFFFFFFFFu);
  const int32_t index = skin.AddElement(Bounds(0, 0, 4, 4), 1, 0, dmAlphaChannel);
  skin.Mask(index).Bmp = own.get();
  auto dest = FilledBitmap(4, 4, 0xFF000000u);
  DrawSkinImage(*dest, {0, 0}, 0, {}, skin.Mask(index), 1, *skin.Data);
  EXPECT_EQ(dest->Pixel(0, 0), 0xFF000000u);
}
}  // namespace
