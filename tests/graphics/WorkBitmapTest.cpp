#include <gtest/gtest.h>

#include "BitmapFixture.h"
#include "graphics/Color.h"
#include "graphics/WorkBitmap.h"

TEST(WorkBitmap, NegativeOrZeroSizesGiveAnEmptyBitmap) {
  const struct {
    int32_t Width, Height;
  } cases[] = {{-1, 10}, {10, -1}, {0, 5}, {5, 0}, {-3, -3}};
  for (const auto& c : cases) {
    auto bitmap = NewWorkBitmap(c.Width, c.Height);
    EXPECT_EQ(bitmap->Width(), 0) << c.Width << " x " << c.Height;
    EXPECT_EQ(bitmap->Height(), 0) << c.Width << " x " << c.Height;
    EXPECT_TRUE(bitmap->Empty());
  }
}

TEST(WorkBitmap, ConvenienceFormsTakeTheirSizeFromTheArgument) {
  EXPECT_EQ(NewWorkBitmap(Rect(3, 4, 10, 20))->BoundsRect(), Rect(0, 0, 7, 16));
  EXPECT_EQ(NewWorkBitmap(TSize{5, 6})->BoundsRect(), Rect(0, 0, 5, 6));
  TacWorkBitmap other(9, 2);
  EXPECT_EQ(NewWorkBitmap(other)->BoundsRect(), Rect(0, 0, 9, 2));
}

TEST(WorkBitmap, RowsAreTopDownBgraAndStartTransparentBlack) {
  TacWorkBitmap bitmap(3, 2);
  EXPECT_EQ(CountOther(bitmap, 0), 0);
  EXPECT_EQ(bitmap.Stride(), 12);
  bitmap.SetPixel(1, 1, MakePixel(0x30, 0x20, 0x10, 0x40));
  const uint8_t* bytes = bitmap.ScanLine(1) + 4;
  EXPECT_EQ(bytes[0], 0x10);  // blue
  EXPECT_EQ(bytes[1], 0x20);  // green
  EXPECT_EQ(bytes[2], 0x30);  // red
  EXPECT_EQ(bytes[3], 0x40);  // alpha
  EXPECT_EQ(bitmap.ScanLine(1) - bitmap.ScanLine(0), bitmap.Stride());
}

TEST(WorkBitmap, AssignCopiesSizeAndPixels) {
  auto source = Filled(4, 3, 0x80112233);
  TacWorkBitmap copy(1, 1);
  copy.Assign(*source);
  EXPECT_EQ(copy.BoundsRect(), Rect(0, 0, 4, 3));
  EXPECT_EQ(CountOther(copy, 0x80112233), 0);
}

TEST(Color, PixelOfColorSwapsRedAndBlueAndKeepsTheTopByte) {
  EXPECT_EQ(PixelOfColor(0x7F332211), 0x7F112233u);
  EXPECT_EQ(PixelOfColor(static_cast<TColor>(PixelOfColor(0x12345678))), 0x12345678u);
  EXPECT_EQ(PixelOfColor(clFuchsia), KeyPixel);
}

TEST(Color, ColorToRGBResolvesSystemColoursThroughTheQuery) {
  auto previous = SetSysColorQuery([](int index) -> uint32_t { return index == 15 ? 0x00C0D0E0u : 0u; });
  EXPECT_EQ(ColorToRGB(clBtnFace), 0x00C0D0E0);
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456);
  SetSysColorQuery(previous);
}
