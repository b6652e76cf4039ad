#include <windows.h>

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "graphics/WorkBitmapDib.h"
#include "paint/SkinPaintWin.h"

namespace {
TEST(PaintSectionToDC, PaintsAtTheRectanglesPlaceAndNowhereElse) {
  PaintSkin skin;
  const int32_t section = skin.AddSection(0x0000FF);
  auto target = FilledBitmap(20, 20, 0xFF000000u);
  HDC dc = WorkBitmapDC(*target);
  ASSERT_NE(dc, nullptr);
  PaintSectionToDC(section, {}, skin.Data.get(), dc, {}, Bounds(4, 5, 6, 7), 0);
  GdiFlush();
  EXPECT_EQ(target->Pixel(4, 5) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(target->Pixel(9, 11) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_TRUE(SameOutside(*target, *FilledBitmap(20, 20, 0xFF000000u), Bounds(4, 5, 6, 7)));

  PaintSectionToDC(section, {}, skin.Data.get(), dc, {}, Bounds(-1, 0, 6, 7), 0);
  PaintSectionToDC(section, {}, nullptr, dc, {}, Bounds(12, 0, 6, 7), 0);
  GdiFlush();
  EXPECT_EQ(target->Pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(target->Pixel(13, 1), 0xFF000000u);
}
}  // namespace
