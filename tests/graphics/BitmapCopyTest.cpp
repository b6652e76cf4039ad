#include <gtest/gtest.h>

#include <initializer_list>

#include "BitmapFixture.h"
#include "graphics/BitmapCopy.h"

namespace {
// One destination pixel after one source pixel was drawn over it.
template <typename Op>
TacPixel OnePixel(TacPixel dest, TacPixel src, Op op) {
  auto d = Filled(1, 1, dest);
  auto s = Filled(1, 1, src);
  op(*d, *s);
  return d->Pixel(0, 0);
}
const TRect kFirstPixel = Rect(0, 0, 0, 0);  // inclusive: pixel (0, 0)

// One source pixel over one destination pixel with a weight or opacity.
struct PixelCase {
  TacPixel Dest, Src;
  int32_t Weight;
  TacPixel Expected;
};

using WeightedOp = void (*)(TacWorkBitmap& dest, const TacWorkBitmap& src, int32_t weight);

void ExpectPixels(std::initializer_list<PixelCase> cases, WeightedOp op) {
  for (const PixelCase& c : cases)
    EXPECT_EQ(OnePixel(c.Dest, c.Src, [&](TacWorkBitmap& d, TacWorkBitmap& s) { op(d, s, c.Weight); }), c.Expected)
        << std::hex << c.Dest << " " << c.Src << " weight " << std::dec << c.Weight;
}
}  // namespace

TEST(BlendBitmap, MixesAllFourBytesWithTheDestinationWeight) {
  ExpectPixels(
      {
        {0x12345678, 0xFEDCBA98, 0, 0xFEDCBA98},    // weight 0 copies the source exactly
        {0x00000000, 0xFFFFFFFF, 255, 0x00000000},  // weight 255 moves at most one step: 255 div 256
        {0x01010101, 0xFFFFFFFF, 255, 0x01010101},  // (255 + 255) div 256 = 1
        {0x02020202, 0xFFFFFFFF, 255, 0x02020202},  // (510 + 255) div 256 = 2
        {0xFF000000, 0x00FFFFFF, 128, 0x7F7F7F7F},
      },
      [](TacWorkBitmap& d, const TacWorkBitmap& s, int32_t weight) { BlendBitmap(d, s, weight, {0, 0}, kFirstPixel); });
}

TEST(DrawAlphaImage, StraightAlphaOverWithAlphaThatNeverDecreases) {
  ExpectPixels(
      {
        {0x80405060, 0x00FFFFFF, 255, 0x80405060},  // a transparent source changes nothing
        {0x00000000, 0xFFFFFFFF, 255, 0xFEFEFEFE},  // opaque: (255 s + d) div 256, alpha 0 becomes 254
        {0xFF000000, 0xFFFFFFFF, 255, 0xFFFEFEFE},  // destination alpha 255 stays 255
        {0xFF646464, 0xFF000000, 255, 0xFF000000},  // (0 + 100) div 256
        {0x00000000, 0xFFC8C8C8, 128, 0x3F636363},  // a = 255 x 128 div 256 = 127
        {0x00000000, 0x80FF0000, 255, 0x407F0000},  // a = s.A = 128
        {0xFF000000, 0x80FF0000, 128, 0xFF3F0000},  // a = (128 x 128) div 256 = 64
      },
      [](TacWorkBitmap& d, const TacWorkBitmap& s, int32_t weight) { DrawAlphaImage(d, s, kFirstPixel, weight, {0, 0}); });
}

TEST(KeyedCopies, SkipOnlyTheExactKeyValue) {
  const TacPixel opaqueFuchsia = 0xFFFF00FF;
  const TacParentBG noParent;
  const TacParentBG parentBitmap = ParentBGFromBitmap(nullptr, 0, 0);
  auto keyed = [&](TacPixel src, auto op) { return OnePixel(0xFF123456, src, op); };
  auto copyKeyed = [&](TacWorkBitmap& d, TacWorkBitmap& s) { CopyKeyed(d, s, 0, 0, kFirstPixel, clFuchsia, false, parentBitmap); };
  auto faded = [](TacWorkBitmap& d, TacWorkBitmap& s) { CopyKeyedFaded(d, s, 0, 0, kFirstPixel, clFuchsia, 0); };
  auto blended = [](TacWorkBitmap& d, TacWorkBitmap& s) { CopyKeyedBlended(d, s, 0, 0, kFirstPixel, clFuchsia, 0); };
  EXPECT_EQ(keyed(KeyPixel, copyKeyed), 0xFF123456u);
  EXPECT_EQ(keyed(KeyPixel, faded), 0xFF123456u);
  EXPECT_EQ(keyed(KeyPixel, blended), 0xFF123456u);
  EXPECT_EQ(keyed(opaqueFuchsia, copyKeyed), opaqueFuchsia);
  EXPECT_EQ(keyed(opaqueFuchsia, faded), 0xFEFE00FEu);  // W = 0 still divides 255 x s by 256
  EXPECT_EQ(keyed(opaqueFuchsia, blended), opaqueFuchsia);
  // With no key at all even the key colour is copied.
  EXPECT_EQ(OnePixel(0, KeyPixel, [&](TacWorkBitmap& d, TacWorkBitmap& s) {
              CopyKeyed(d, s, 0, 0, kFirstPixel, clNone, false, noParent);
            }),
            KeyPixel);
}

TEST(CopyKeyedFaded, MixesAllFourBytes) {
  ExpectPixels(
      {
        {0x00000000, 0xFFFFFFFF, 0, 0xFEFEFEFE},
        {0xFFFFFFFF, 0x00000000, 255, 0xFEFEFEFE},
        {0xC8C8C8C8, 0x64646464, 100, 0x8A8A8A8A},  // (155 x 100 + 100 x 200) div 256 = 138
      },
      [](TacWorkBitmap& d, const TacWorkBitmap& s, int32_t weight) { CopyKeyedFaded(d, s, 0, 0, kFirstPixel, clFuchsia, weight); });
}

TEST(CopyKeyedBlended, MixesColourAndRaisesAlphaToTheOpacity) {
  ExpectPixels(
      {
        {0x11223344, 0x80FFFFFF, 0, 0x80FFFFFF},    // opacity 0 copies the pixel whole
        {0x20000000, 0x00FFFFFF, 128, 0x807F7F7F},  // alpha max(0x20, 128)
        {0xF0000000, 0x00FFFFFF, 128, 0xF07F7F7F},  // alpha stays 0xF0
        {0x00646464, 0x00C8C8C8, 255, 0xFFC7C7C7},  // (255 x 200 + 100) div 256
      },
      [](TacWorkBitmap& d, const TacWorkBitmap& s, int32_t weight) { CopyKeyedBlended(d, s, 0, 0, kFirstPixel, clFuchsia, weight); });
}

class CopyKeyedParent : public ::testing::Test {
 protected:
  // A source with a key pixel at (0, 0) and an ordinary pixel at (1, 0).
  std::unique_ptr<TacWorkBitmap> Src = Filled(2, 1, 0x80102030);
  std::unique_ptr<TacWorkBitmap> Parent = Filled(4, 4, 0xFFAAAAAA);
  void SetUp() override {
    Src->SetPixel(0, 0, KeyPixel);
    Parent->SetPixel(3, 2, 0xFF0000AA);
  }
  std::unique_ptr<TacWorkBitmap> Copy(bool useParent, const TacParentBG& bg, TacPixel destStart = 0x33000000) {
    auto dest = Filled(3, 2, destStart);
    CopyKeyed(*dest, *Src, 1, 1, Rect(0, 0, 1, 0), clFuchsia, useParent, bg);
    return dest;
  }
};

TEST_F(CopyKeyedParent, KeyPixelsShowTheParentBitmapAtTheOffset) {
  auto dest = Copy(true, ParentBGFromBitmap(Parent.get(), 2, 1));
  EXPECT_EQ(dest->Pixel(1, 1), 0xFF0000AAu);  // parent (1 + 2, 1 + 1)
  EXPECT_EQ(dest->Pixel(2, 1), 0x80102030u);
}

TEST_F(CopyKeyedParent, KeyPixelsOutsideTheParentStayUnchanged) {
  auto dest = Copy(true, ParentBGFromBitmap(Parent.get(), 10, 0));
  EXPECT_EQ(dest->Pixel(1, 1), 0x33000000u);
}

TEST_F(CopyKeyedParent, CopyingIntoTheParentItselfMakesCopiedPixelsOpaque) {
  auto dest = Filled(3, 2, 0x33000000);
  CopyKeyed(*dest, *Src, 1, 1, Rect(0, 0, 1, 0), clFuchsia, true, ParentBGFromBitmap(dest.get(), 5, 5));
  EXPECT_EQ(dest->Pixel(1, 1), 0x33000000u);
  EXPECT_EQ(dest->Pixel(2, 1), 0xFF102030u);
}

TEST_F(CopyKeyedParent, WithoutUseParentKeyPixelsAreLeftAlone) {
  auto dest = Copy(false, ParentBGFromBitmap(Parent.get(), 0, 0));
  EXPECT_EQ(dest->Pixel(1, 1), 0x33000000u);
  EXPECT_EQ(dest->Pixel(2, 1), 0x80102030u);
}

TEST_F(CopyKeyedParent, PlainParentColourTakesAlphaFromTheFirstDestinationPixel) {
  TacParentBG bg;
  bg.Color = 0x00445566;
  auto dest = Copy(true, bg);
  EXPECT_EQ(dest->Pixel(1, 1), 0x33665544u);
  EXPECT_EQ(dest->Pixel(2, 1), 0x80102030u);
}

TEST(CopyClipping, NegativeAndOversizedPlacesCopyOnlyTheOverlap) {
  // Source pixels carry their own coordinates so the landing place shows which one arrived.
  auto src = NewWorkBitmap(4, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) src->SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>(y * 16 + x + 1));
  const struct {
    TPoint DestPoint;
    TRect SrcRect;  // inclusive
    TPoint ExpectAt;
    TacPixel Expected;
    int Changed;
  } cases[] = {
      {{0, 0}, Rect(0, 0, 3, 3), {2, 2}, 0xFF000023, 9},   // cut to the 3 x 3 destination
      {{-2, -1}, Rect(0, 0, 3, 3), {0, 0}, 0xFF000013, 6},  // negative place moves the source start
      {{0, 0}, Rect(-1, -2, 1, 1), {1, 2}, 0xFF000001, 2},  // negative source start moves the place
      {{1, 1}, Rect(2, 2, 99, 99), {1, 1}, 0xFF000023, 4},  // oversized rect ends at the last pixel
      {{0, 0}, Rect(3, 3, 1, 1), {0, 0}, 0, 0},             // inverted: nothing
      {{3, 0}, Rect(0, 0, 3, 3), {0, 0}, 0, 0},             // past the destination
      {{0, 0}, Rect(4, 0, 9, 3), {0, 0}, 0, 0},             // past the source
  };
  for (const auto& c : cases) {
    auto dest = NewWorkBitmap(3, 3);
    BlendBitmap(*dest, *src, 0, c.DestPoint, c.SrcRect);
    EXPECT_EQ(dest->Pixel(c.ExpectAt.X, c.ExpectAt.Y), c.Expected) << c.DestPoint.X << "," << c.DestPoint.Y;
    EXPECT_EQ(CountOther(*dest, 0), c.Changed);
  }
}
