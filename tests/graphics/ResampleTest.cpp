#include <gtest/gtest.h>

#include <vector>

#include "BitmapFixture.h"
#include "graphics/Resample.h"

namespace {
const TacResampleFilter kAllFilters[] = {rfBox, rfTriangle, rfHermite, rfBell, rfBSpline, rfLanczos, rfMitchell};

// A one-row-high image is below the resampler's minimum, so rows are doubled.
std::unique_ptr<TacWorkBitmap> TwoRows(const std::vector<uint32_t>& grey) {
  auto bitmap = NewWorkBitmap(static_cast<int32_t>(grey.size()), 2);
  for (int32_t y = 0; y < 2; ++y)
    for (size_t x = 0; x < grey.size(); ++x)
      bitmap->SetPixel(static_cast<int32_t>(x), y, MakePixel(grey[x], grey[x], grey[x], grey[x]));
  return bitmap;
}

std::vector<uint32_t> FirstRowBlue(const TacWorkBitmap& bitmap) {
  std::vector<uint32_t> values;
  for (int32_t x = 0; x < bitmap.Width(); ++x) values.push_back(Blue(bitmap.Pixel(x, 0)));
  return values;
}
}  // namespace

TEST(ResampleBitmap, DegenerateRequestsLeaveTheDestinationAlone) {
  auto dest = Filled(3, 3, 0x12345678);
  const struct {
    int32_t SrcWidth, SrcHeight, NewWidth, NewHeight, Filter;
  } cases[] = {{1, 5, 4, 4, rfMitchell}, {5, 1, 4, 4, rfMitchell}, {0, 0, 4, 4, rfBox},
               {5, 5, 0, 4, rfBox},      {5, 5, 4, -2, rfBox},      {5, 5, 4, 4, 7}};
  for (const auto& c : cases) {
    auto src = Filled(c.SrcWidth, c.SrcHeight, 0xFFFFFFFF);
    ResampleBitmap(*src, *dest, c.NewWidth, c.NewHeight, static_cast<TacResampleFilter>(c.Filter));
    EXPECT_EQ(dest->BoundsRect(), Rect(0, 0, 3, 3));
    EXPECT_EQ(CountOther(*dest, 0x12345678), 0);
  }
}

TEST(ResampleBitmap, TheSameSizeCopiesTheSource) {
  auto src = TwoRows({1, 2, 3});
  TacWorkBitmap dest;
  ResampleBitmap(*src, dest, 3, 2, rfLanczos);
  EXPECT_EQ(FirstRowBlue(dest), (std::vector<uint32_t>{1, 2, 3}));
}

TEST(ResampleBitmap, KnownWeightsGiveKnownPixels) {
  const struct {
    std::vector<uint32_t> Source;
    int32_t NewWidth;
    TacResampleFilter Filter;
    std::vector<uint32_t> Expected;
  } cases[] = {
      {{10, 250}, 4, rfBox, {10, 10, 250, 250}},  // nearest source pixel
      {{0, 255}, 3, rfTriangle, {0, 127, 255}},   // two halves of 32768: 255 x 32768 >> 16
      {{0, 0, 255, 0, 0}, 3, rfTriangle, {0, 127, 0}},
      // Shrinking widens the kernel; index -1 mirrors to 1: 100 / 2 + 200 / 4 x 2.
      {{100, 200, 0, 0, 0}, 3, rfTriangle, {150, 50, 0}},
  };
  for (const auto& c : cases) {
    auto src = TwoRows(c.Source);
    TacWorkBitmap dest;
    ResampleBitmap(*src, dest, c.NewWidth, 2, c.Filter);
    ASSERT_EQ(dest.BoundsRect(), Rect(0, 0, c.NewWidth, 2));
    EXPECT_EQ(FirstRowBlue(dest), c.Expected) << "filter " << c.Filter;
    EXPECT_EQ(Alpha(dest.Pixel(1, 1)), c.Expected[1]) << "alpha is resampled like the colours";
  }
}

TEST(ResampleBitmap, EveryFilterKeepsAFlatImageFlatInBothDirections) {
  for (TacResampleFilter filter : kAllFilters)
    for (const TSize size : {TSize{13, 7}, TSize{3, 19}, TSize{1, 1}}) {
      auto src = Filled(6, 5, 0xC8966432);
      TacWorkBitmap dest;
      ResampleBitmap(*src, dest, size.cx, size.cy, filter);
      ASSERT_EQ(dest.BoundsRect(), Rect(0, 0, size.cx, size.cy));
      for (int32_t y = 0; y < size.cy; ++y)
        for (int32_t x = 0; x < size.cx; ++x) {
          const TacPixel p = dest.Pixel(x, y);
          EXPECT_EQ(p, 0xC8966432u) << "filter " << filter << " at " << x << "," << y;
        }
    }
}

TEST(ResampleBitmap, WideKernelsOnTinySourcesStayInsideAndClampOvershoot) {
  for (TacResampleFilter filter : kAllFilters) {
    auto tiny = TwoRows({255, 0});
    TacWorkBitmap dest;
    ResampleBitmap(*tiny, dest, 9, 9, filter);  // the kernel reaches past a mirrored index
    EXPECT_GT(FirstRowBlue(dest).front(), FirstRowBlue(dest).back() + 100) << "filter " << filter;
    // Ringing filters overshoot 255 beside the edge; clamped, not wrapped.
    auto edge = TwoRows({255, 255, 255, 0, 0, 0});
    ResampleBitmap(*edge, dest, 21, 2, filter);
    const std::vector<uint32_t> row = FirstRowBlue(dest);
    for (size_t x = 0; x <= 8; ++x) EXPECT_GE(row[x], 200u) << "filter " << filter << " x " << x;
  }
  // The whole-image form may name the same bitmap twice.
  auto both = TwoRows({0, 255});
  ResampleBitmap(*both, *both, 3, 3, rfTriangle);
  EXPECT_EQ(FirstRowBlue(*both), (std::vector<uint32_t>{0, 127, 255}));
}

TEST(StretchAlphaImage, ScalesThePartAndDrawsItWithAlphaArithmetic) {
  auto src = NewWorkBitmap(4, 1);
  const TacPixel red = 0xFFFF0000, blue = 0xFF0000FF;
  for (int32_t x = 0; x < 4; ++x) src->SetPixel(x, 0, x < 2 ? red : blue);
  auto dest = NewWorkBitmap(6, 2);
  // Not starting at (0, 0): a plain stretch of columns 2..3 into 4 columns.
  StretchAlphaImage(*dest, 1, 1, 255, Rect(2, 0, 4, 1), *src, 4, 1);
  for (int32_t x = 1; x < 5; ++x) EXPECT_EQ(dest->Pixel(x, 1), 0xFE0000FEu);
  EXPECT_EQ(CountOther(*dest, 0), 4);
}

TEST(StretchAlphaImage, APartStartingAtTheOriginScalesOnlyThatPart) {
  auto src = Filled(4, 2, 0xFF0000FF);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 2; ++x) src->SetPixel(x, y, 0xFFFF0000);
  auto dest = NewWorkBitmap(5, 5);
  StretchAlphaImage(*dest, 0, 0, 255, Rect(0, 0, 2, 2), *src, 5, 5);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 5; ++x) EXPECT_LE(Blue(dest->Pixel(x, y)), 2u) << x << "," << y;
  EXPECT_GE(Red(dest->Pixel(4, 4)), 250u);
}

TEST(StretchAlphaImage, DrawsNothingForEmptySizesOrStartsOutside) {
  auto src = Filled(4, 4, 0xFFFFFFFF);
  const struct {
    int32_t DestX, DestY;
    TRect SrcRect;
    int32_t Width, Height;
  } cases[] = {{0, 0, Rect(0, 0, 4, 4), 0, 3},  {0, 0, Rect(0, 0, 4, 4), 3, -1}, {0, 0, Rect(1, 1, 1, 3), 3, 3},
               {0, 0, Rect(4, 0, 8, 4), 3, 3},  {0, 0, Rect(-1, 0, 3, 4), 3, 3}, {-1, 0, Rect(0, 0, 4, 4), 3, 3},
               {3, 3, Rect(0, 0, 4, 4), 3, 3}};
  for (const auto& c : cases) {
    auto dest = NewWorkBitmap(3, 3);
    StretchAlphaImage(*dest, c.DestX, c.DestY, 255, c.SrcRect, *src, c.Width, c.Height);
    EXPECT_EQ(CountOther(*dest, 0), 0);
  }
}
