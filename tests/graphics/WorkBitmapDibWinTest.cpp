#include <gtest/gtest.h>

#include "BitmapFixture.h"
#include "base/WinHandles.h"
#include "graphics/ArrowsCanvasWin.h"
#include "graphics/Composition.h"
#include "graphics/WorkBitmapDib.h"

TEST(WorkBitmapDib, GdiDrawsIntoTheSamePixelsTheOperationsSee) {
  TacWorkBitmap bitmap(6, 4);
  HDC dc = WorkBitmapDC(bitmap);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(WorkBitmapDC(bitmap), dc);  // made once and kept
  const TacScopedBrush brush(CreateSolidBrush(RGB(0x11, 0x22, 0x33)));
  RECT area{1, 2, 3, 4};
  FillRect(dc, &area, brush.Get());
  GdiFlush();
  EXPECT_EQ(bitmap.Pixel(1, 2) & 0x00FFFFFFu, 0x00112233u);  // top-down: row 2 is the third row
  EXPECT_EQ(bitmap.Pixel(2, 3) & 0x00FFFFFFu, 0x00112233u);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0u);
  EXPECT_EQ(CountOther(bitmap, 0), 4);
}

TEST(WorkBitmapDib, EmptyBitmapsHaveNoHandles) {
  TacWorkBitmap bitmap(0, 5);
  EXPECT_EQ(WorkBitmapHandle(bitmap), nullptr);
  EXPECT_EQ(WorkBitmapDC(bitmap), nullptr);
}

TEST(WorkBitmapDib, ResizingReplacesTheBitmapAndItsContext) {
  TacWorkBitmap bitmap(2, 2);
  WorkBitmapDC(bitmap);
  bitmap.SetSize(3, 1);
  BITMAP info{};
  ASSERT_NE(GetObjectW(WorkBitmapHandle(bitmap), sizeof(info), &info), 0);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 1);
  EXPECT_EQ(info.bmBitsPixel, 32);
}

TEST(SystemQueries, SystemColoursAndCompositionComeFromTheSystem) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
  SetCompositionQuery(nullptr);
  CompositionEnabled();  // asks the system once; must neither fail nor hang
}

TEST(DrawArrowOnCanvas, SetsTheSamePixelsAsTheWorkBitmapArrow) {
  for (TacArrowDirection direction : {adLeft, adUp, adRight, adDown})
    for (int32_t ppi : {96, 144, 192}) {
      TacWorkBitmap canvas(20, 20), bitmap(20, 20);
      DrawArrowOnCanvas(WorkBitmapDC(canvas), clRed, Rect(2, 3, 17, 15), ppi, direction);
      GdiFlush();
      DrawArrow(bitmap, clRed, Rect(2, 3, 17, 15), ppi, direction);
      for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x)
          ASSERT_EQ(canvas.Pixel(x, y) & 0x00FFFFFFu, bitmap.Pixel(x, y)) << direction << " " << ppi << " at " << x << "," << y;
    }
}
