#include <gtest/gtest.h>

#include "graphics/WorkBitmap.h"
#include "paint/FrameImageCopy.h"

namespace {

// Every pixel tells where it came from: red = x, green = y of the template.
TacPixel Coded(int32_t x, int32_t y) { return MakePixel(static_cast<uint32_t>(x), static_cast<uint32_t>(y), 0x5A, 200); }

struct Origin {
  int32_t X, Y;
  bool operator==(const Origin&) const = default;
};

Origin SourceOf(TacPixel p) { return {static_cast<int32_t>(Red(p)), static_cast<int32_t>(Green(p))}; }

class FrameImageCopy : public testing::Test {
 protected:
  // Offsets on both sides, so that neither rectangle starts at the origin.
  void Fill(int32_t w, int32_t h) {
    src.SetSize(w + 3, h + 2);
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x) src.SetPixel(x + 3, y + 2, Coded(x, y));
    source = {3, 2, 3 + w, 2 + h};
  }
  Origin At(int32_t x, int32_t y) const { return SourceOf(dest.Pixel(x + 5, y + 7)); }

  TacWorkBitmap src;
  TacWorkBitmap dest{310, 180};
  TRect source;
};

// The main window's frame: one half of the border image (50 x 80) onto the
// 298 x 166 frame bitmap, source margins 20, 46, 21, 21, destination 18, 46, 18, 18.
TEST_F(FrameImageCopy, TheMainWindowsFrameFromItsTemplate) {
  Fill(50, 80);
  const TRect target{5, 7, 5 + 298, 7 + 166};
  CopyFrameImage(dest, target, src, source, {20, 46, 21, 21}, {18, 46, 18, 18}, {});
  // Corners 1:1: top left 20 x 46, top right 21 x 46, bottom corners 18 high.
  EXPECT_EQ(At(0, 0), (Origin{0, 0}));
  EXPECT_EQ(At(19, 45), (Origin{19, 45}));
  EXPECT_EQ(At(297 - 20, 0), (Origin{29, 0}));
  EXPECT_EQ(At(297, 45), (Origin{49, 45}));
  EXPECT_EQ(At(0, 165), (Origin{0, 79}));
  EXPECT_EQ(At(19, 148), (Origin{19, 62}));
  EXPECT_EQ(At(297, 165), (Origin{49, 79}));
  // The 9 middle columns of the top band stretched to the 257 between the corners.
  EXPECT_EQ(At(20, 10), (Origin{20, 10}));
  EXPECT_EQ(At(276, 10), (Origin{28, 10}));
  EXPECT_EQ(At(148, 3), (Origin{20 + (148 - 20) * 9 / 257, 3}));
  // The side columns are 18 wide; their 13 middle rows stretched to 99.
  EXPECT_EQ(At(17, 46), (Origin{17, 46}));
  EXPECT_EQ(At(17, 144), (Origin{17, 58}));
  EXPECT_EQ(At(280, 100), (Origin{50 - 18, 46 + (100 - 46) * 13 / 99}));
  // The 3 rows above each bottom corner continue the side columns.
  EXPECT_EQ(At(5, 145), (Origin{5, 59}));
  EXPECT_EQ(At(5, 147), (Origin{5, 61}));
  EXPECT_EQ(At(292, 146), (Origin{44, 60}));
  // No centre: what lay there stays.
  EXPECT_EQ(dest.Pixel(5 + 150, 7 + 100), 0u);
  EXPECT_EQ(Alpha(dest.Pixel(5, 7)), 200u) << "alpha is copied as it is";
}

TEST_F(FrameImageCopy, TiledBandsRepeatTheMiddleAndTheCentreFollowsItsFlags) {
  Fill(12, 12);
  const TRect target{5, 7, 5 + 30, 7 + 26};
  TacFrameCopyMode tiled{false, false, false, false, true, false};
  CopyFrameImage(dest, target, src, source, {4, 4, 4, 4}, {4, 4, 4, 4}, tiled);
  // Middle 4 columns of the top band repeat from x 4 to 26, the last tile cut.
  for (int32_t x = 4; x < 26; ++x) EXPECT_EQ(At(x, 1).X, 4 + (x - 4) % 4) << x;
  for (int32_t y = 4; y < 22; ++y) EXPECT_EQ(At(1, y).Y, 4 + (y - 4) % 4) << y;
  EXPECT_EQ(At(13, 11), (Origin{4 + 9 % 4, 4 + 7 % 4})) << "the centre is tiled";

  TacFrameCopyMode stretchedCentre{};
  stretchedCentre.Centre = stretchedCentre.CentreStretch = true;
  CopyFrameImage(dest, target, src, source, {4, 4, 4, 4}, {4, 4, 4, 4}, stretchedCentre);
  EXPECT_EQ(At(4, 4), (Origin{4, 4}));
  EXPECT_EQ(At(25, 21), (Origin{7, 7}));
}

TEST_F(FrameImageCopy, MarginsLargerThanTheDestinationAreCappedAtItsMiddle) {
  Fill(20, 20);
  const TRect target{5, 7, 5 + 9, 7 + 7};
  CopyFrameImage(dest, target, src, source, {8, 8, 8, 8}, {8, 8, 8, 8}, {});
  // Left 4 and right 5 columns, top 3 and bottom 4 rows, nothing outside.
  EXPECT_EQ(At(0, 0), (Origin{0, 0}));
  EXPECT_EQ(At(8, 6), (Origin{19, 19}));
  EXPECT_EQ(dest.Pixel(5 + 9, 7), 0u);
  EXPECT_EQ(dest.Pixel(5, 7 + 7), 0u);
}

TEST_F(FrameImageCopy, EmptyRectanglesCopyNothingAndBadMarginsStayInside) {
  Fill(10, 10);
  for (const TRect& target : {TRect{5, 7, 5, 20}, TRect{5, 7, 4, 6}})
    CopyFrameImage(dest, target, src, source, {2, 2, 2, 2}, {2, 2, 2, 2}, {});
  CopyFrameImage(dest, {5, 7, 25, 27}, src, TRect{3, 2, 3, 2}, {2, 2, 2, 2}, {2, 2, 2, 2}, {});
  for (int32_t y = 0; y < dest.Height(); ++y)
    for (int32_t x = 0; x < dest.Width(); ++x) {
      ASSERT_EQ(dest.Pixel(x, y), 0u);
    }
  // Negative and oversized margins: nothing is written outside the target.
  CopyFrameImage(dest, {5, 7, 25, 27}, src, source, {-3, 40, -3, 40}, {-1, 50, -1, 50}, {});
  for (int32_t y = 0; y < dest.Height(); ++y)
    for (int32_t x = 0; x < dest.Width(); ++x) {
      if (TRect{5, 7, 25, 27}.Contains(x, y)) continue;
      ASSERT_EQ(dest.Pixel(x, y), 0u) << x << "," << y;
    }
}

}  // namespace
