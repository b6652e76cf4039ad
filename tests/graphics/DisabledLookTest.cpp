#include <gtest/gtest.h>

#include "BitmapFixture.h"
#include "graphics/ColorOps.h"
#include "graphics/DisabledLook.h"

class DisabledLook : public ::testing::Test {
 protected:
  void TearDown() override { DisabledLookSettings() = {}; }
};

TEST_F(DisabledLook, DefaultsAreWeight100AndGreyLevelMinus90) {
  EXPECT_EQ(DisabledLookSettings().BlendValue, 100);
  EXPECT_EQ(DisabledLookSettings().GrayLevel, -90);
}

TEST_F(DisabledLook, GreyingUsesSaturationOrFullGreyscaleAndKeepsKeys) {
  auto bitmap = Filled(2, 1, 0xFF8040C0);
  bitmap->SetPixel(1, 0, KeyPixel);
  ApplyDisabledLook(*bitmap, dkGrayed, clWhite, {}, TacParentBG{});
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFF645E6Bu);  // saturation -229
  EXPECT_EQ(bitmap->Pixel(1, 0), KeyPixel);

  DisabledLookSettings().GrayLevel = -100;
  bitmap->Fill(0xFF8040C0);
  ApplyDisabledLook(*bitmap, dkGrayed, clWhite, {}, TacParentBG{});
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFF626262u);  // luminance 97.728
}

TEST_F(DisabledLook, BlendingMixesInTheParentPixelsUnderTheControl) {
  auto parent = Filled(10, 10, 0xFF000000);
  parent->SetPixel(5, 4, 0xFFFFFFFF);
  auto bitmap = Filled(2, 2, 0xFF000000);
  // The control lies at offset (3, 2) plus position (1, 1) in the parent.
  ApplyDisabledLook(*bitmap, dkBlended, clWhite, {1, 1}, ParentBGFromBitmap(parent.get(), 3, 2));
  EXPECT_EQ(bitmap->Pixel(1, 1), 0xFE9A9A9Au);  // (155 x 255 + 100 x d) div 256 on every byte
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFE000000u);
}

TEST_F(DisabledLook, BlendingWithoutParentBitmapTintsTowardTheParentColour) {
  const struct {
    TColor ParentColor, ControlColor;
    TacPixel Expected;
  } cases[] = {
      {0x000000FF, clBlue, 0xFF9A0000},  // the parent background colour
      {clFuchsia, clBlue, 0xFF00009A},   // none: the parent control's own colour
  };
  for (const auto& c : cases) {
    auto bitmap = Filled(2, 2, 0xFF000000);
    TacParentBG bg;
    bg.Color = c.ParentColor;
    ApplyDisabledLook(*bitmap, dkBlended, c.ControlColor, {}, bg);
    EXPECT_EQ(CountOther(*bitmap, c.Expected), 0) << std::hex << c.ParentColor;
  }
}

TEST_F(DisabledLook, GreyingRunsBeforeBlending) {
  auto both = Filled(1, 1, 0xFFFF0000);
  ApplyDisabledLook(*both, dkGrayed | dkBlended, clBlue, {}, TacParentBG{});
  auto greyFirst = Filled(1, 1, 0xFFFF0000);
  ApplyDisabledLook(*greyFirst, dkGrayed, clBlue, {}, TacParentBG{});
  ApplyDisabledLook(*greyFirst, dkBlended, clBlue, {}, TacParentBG{});
  auto blendFirst = Filled(1, 1, 0xFFFF0000);
  ApplyDisabledLook(*blendFirst, dkBlended, clBlue, {}, TacParentBG{});
  ApplyDisabledLook(*blendFirst, dkGrayed, clBlue, {}, TacParentBG{});
  EXPECT_EQ(both->Pixel(0, 0), greyFirst->Pixel(0, 0));
  EXPECT_NE(both->Pixel(0, 0), blendFirst->Pixel(0, 0));
}
