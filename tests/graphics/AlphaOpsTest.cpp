#include <gtest/gtest.h>

#include <vector>

#include "BitmapFixture.h"
#include "graphics/AlphaOps.h"
#include "graphics/Composition.h"

namespace {
// Sets the remembered composition answer for one test.
class CompositionScope {
 public:
  explicit CompositionScope(bool on) : FPrevious(SetCompositionQuery(on ? On : Off)) {}
  ~CompositionScope() { SetCompositionQuery(FPrevious); }

 private:
  static bool On() { return true; }
  static bool Off() { return false; }
  TacCompositionQuery FPrevious;
};
}  // namespace

TEST(SetAlphaRect, SetsAlphaExceptOnKeysAndExcludedRects) {
  auto bitmap = Filled(4, 3, 0x00102030);
  bitmap->SetPixel(0, 0, KeyPixel);
  const std::vector<TRect> exclude = {Rect(2, 0, 3, 3)};
  SetAlphaRect(*bitmap, Rect(-5, -5, 99, 99), 0xAB, exclude, clFuchsia);
  EXPECT_EQ(bitmap->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(bitmap->Pixel(1, 0), 0xAB102030u);
  EXPECT_EQ(bitmap->Pixel(2, 1), 0x00102030u);  // excluded column
  EXPECT_EQ(bitmap->Pixel(3, 2), 0xAB102030u);
}

TEST(SetAlphaRect, WithoutAKeyEveryPixelIsSet) {
  auto bitmap = Filled(2, 1, KeyPixel);
  SetAlphaRect(*bitmap, Rect(1, 0, 2, 1), 255, {}, clNone);
  EXPECT_EQ(bitmap->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(bitmap->Pixel(1, 0), 0xFFFF00FFu);
}

// A magenta background with one coloured pixel, every alpha byte zero.
class RestoreEmptyAlphaTest : public ::testing::Test {
 protected:
  std::unique_ptr<TacWorkBitmap> Bitmap = Filled(3, 2, KeyPixel);
  void SetUp() override { Bitmap->SetPixel(1, 0, 0x00123456); }
};

TEST_F(RestoreEmptyAlphaTest, BottomLeftColourStaysTransparentAndTheRestBecomesOpaque) {
  Bitmap->SetPixel(2, 1, 0x00000000);
  RestoreEmptyAlpha(*Bitmap);
  EXPECT_EQ(Bitmap->Pixel(0, 1), KeyPixel);
  EXPECT_EQ(Bitmap->Pixel(2, 0), KeyPixel);
  EXPECT_EQ(Bitmap->Pixel(1, 0), 0xFF123456u);
  EXPECT_EQ(Bitmap->Pixel(2, 1), 0xFF000000u);
}

TEST_F(RestoreEmptyAlphaTest, OneNonZeroAlphaByteKeepsTheImage) {
  Bitmap->SetPixel(2, 0, 0x01000000);
  RestoreEmptyAlpha(*Bitmap);
  EXPECT_EQ(Bitmap->Pixel(1, 0), 0x00123456u);
  EXPECT_EQ(Bitmap->Pixel(2, 0), 0x01000000u);
}

TEST(PremultiplyAlpha, ChannelsTimesAlphaAndNearWhiteCappedWithoutComposition) {
  const struct {
    TacPixel Start;
    bool Composition;
    TacPixel Expected;
  } cases[] = {
      {0x00FFFFFF, true, 0x00000000},  {0x00FFFFFF, false, 0x00000000}, {0xFFFFFFFF, true, 0xFFFEFEFE},
      {0xFFFFFFFF, false, 0xFFF4F4F4}, {0x80FFFFFF, false, 0x807F7F7F},  // capped only above 244
      {0xFFF5F5F4, false, 0xFFF4F4F3}, {0xFFF5F5F5, false, 0xFFF4F4F4},  // all three must exceed 244
      {0x80FF8040, true, 0x807F4020},  {0x00FF8040, true, 0x00000000},
  };
  for (const auto& c : cases) {
    CompositionScope composition(c.Composition);
    auto bitmap = Filled(2, 1, c.Start);
    PremultiplyAlpha(*bitmap, Rect(1, 0, 2, 1));
    EXPECT_EQ(bitmap->Pixel(1, 0), c.Expected) << std::hex << c.Start << " composition " << c.Composition;
    EXPECT_EQ(bitmap->Pixel(0, 0), c.Start);
  }
}

TEST(Composition, TheAnswerIsAskedOnceAndRemembered) {
  static int asked = 0;
  asked = 0;
  auto previous = SetCompositionQuery([] {
    ++asked;
    return false;
  });
  EXPECT_FALSE(CompositionEnabled());
  EXPECT_FALSE(CompositionEnabled());
  EXPECT_EQ(asked, 1);
  SetCompositionQuery(previous);
}
