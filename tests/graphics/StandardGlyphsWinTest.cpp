#include <gtest/gtest.h>

#include <cmath>

#include "base/WinHandles.h"
#include "graphics/StandardGlyphsWin.h"
#include "graphics/WorkBitmapDib.h"

namespace {
struct Ink {
  int Pixels = 0;
  double CenterX = 0, CenterY = 0;  // coverage-weighted
};

Ink Measure(const TacWorkBitmap& glyph) {
  Ink ink;
  double total = 0;
  for (int32_t y = 0; y < glyph.Height(); ++y)
    for (int32_t x = 0; x < glyph.Width(); ++x) {
      const double a = Alpha(glyph.Pixel(x, y));
      ink.Pixels += a > 0;
      total += a;
      ink.CenterX += a * (x + 0.5);
      ink.CenterY += a * (y + 0.5);
    }
  if (total > 0) {
    ink.CenterX /= total;
    ink.CenterY /= total;
  }
  return ink;
}

std::wstring FaceOf(const wchar_t* name, BYTE charset) {
  TacWorkBitmap bitmap(1, 1);
  HDC dc = WorkBitmapDC(bitmap);
  const TacScopedFont font(CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_TT_PRECIS,
                                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, name));
  const TacSelectedObject selected(dc, font.Get());
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  return face;
}

// Windows always has Marlett; a Wine prefix may lack Wine's own copy of it.
// It is added before any font is asked for, as a failed lookup is cached.
class MarlettEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    AddFontResourceExW(L"Z:\\usr\\share\\wine\\fonts\\marlett.ttf", FR_PRIVATE, nullptr);
  }
};
const auto* const marlett = ::testing::AddGlobalTestEnvironment(new MarlettEnvironment);
}  // namespace

TEST(StandardGlyphs, TheListHasItsSettingsAndBothFontsAreAvailable) {
  const TsCharImageList& list = StandardGlyphs();
  EXPECT_TRUE(IconFontLoaded()) << "the icon font resource AWFONT was not found or not accepted";
  EXPECT_EQ(list.Items.size(), 25u);
  EXPECT_EQ(list.Width, 16);
  EXPECT_EQ(list.Height, 14);
  EXPECT_EQ(list.BlendValue, 222);
  EXPECT_EQ(list.BkColor, clWhite);
  EXPECT_EQ(list.Items[6].Char, 0xF00C);
  EXPECT_EQ(list.Items[24].FontName, L"Marlett");
  // A missing face would be quietly substituted by another one.
  EXPECT_EQ(FaceOf(L"FontAwesome", DEFAULT_CHARSET), L"FontAwesome");
  EXPECT_EQ(FaceOf(L"Marlett", list.Items[24].Charset), L"Marlett");
}

TEST(StandardGlyphs, EveryItemHasInkCentredInItsCell) {
  TsCharImageList& list = StandardGlyphs();
  for (int32_t i = 0; i < 25; ++i) {
    const auto glyph = list.CreateBitmap32(i, clBlack, 16, 14);
    const Ink ink = Measure(*glyph);
    EXPECT_GT(ink.Pixels, 6) << "item " << i;
    const double offset = list.Items[static_cast<size_t>(i)].OffsetY;
    EXPECT_NEAR(ink.CenterX, 8.0, 2.0) << "item " << i;
    EXPECT_NEAR(ink.CenterY, 7.0 + offset, 2.5) << "item " << i;
  }
}

TEST(StandardGlyphs, GlyphsAreDrawnInTheRequestedColourAndSize) {
  TsCharImageList& list = StandardGlyphs();
  const auto glyph = list.CreateBitmap32(sgCheckMark, 0x00336699, 32, 28);
  ASSERT_EQ(glyph->BoundsRect(), Rect(0, 0, 32, 28));
  bool opaqueSeen = false;
  for (int32_t y = 0; y < 28; ++y)
    for (int32_t x = 0; x < 32; ++x) {
      EXPECT_EQ(glyph->Pixel(x, y) & 0x00FFFFFFu, 0x00996633u);
      opaqueSeen = opaqueSeen || Alpha(glyph->Pixel(x, y)) == 255;
    }
  EXPECT_TRUE(opaqueSeen);
  EXPECT_GT(Measure(*glyph).Pixels, Measure(*list.CreateBitmap32(sgCheckMark, 0, 16, 14)).Pixels * 3);
  EXPECT_TRUE(list.CreateBitmap32(25, 0, 16, 14)->Empty());
  EXPECT_TRUE(list.CreateBitmap32(0, 0, 0, 14)->Empty());
}

TEST(StandardGlyphs, DifferentCharactersGiveDifferentGlyphs) {
  TsCharImageList& list = StandardGlyphs();
  auto same = [&](int32_t a, int32_t b) {
    const auto ga = list.CreateBitmap32(a, 0, 16, 14), gb = list.CreateBitmap32(b, 0, 16, 14);
    for (int32_t y = 0; y < 14; ++y)
      for (int32_t x = 0; x < 16; ++x)
        if (ga->Pixel(x, y) != gb->Pixel(x, y)) return false;
    return true;
  };
  EXPECT_FALSE(same(sgSmallCheck, sgSmallCross));
  EXPECT_FALSE(same(sgMinimize, sgMaximize));
  EXPECT_FALSE(same(sgRestore, sgClose));
  EXPECT_TRUE(same(sgCheckMark, sgCheckMark));
}

TEST(StandardGlyphs, DrawingComposesTheGlyphCentredIntoABitmap) {
  TsCharImageList& list = StandardGlyphs();
  TacWorkBitmap dest(40, 30);
  dest.Fill(0xFFFFFFFF);
  list.Draw(dest, Rect(10, 8, 30, 24), sgClose, clBlack);
  int dark = 0;
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 40; ++x)
      if (Red(dest.Pixel(x, y)) < 128) {
        ++dark;
        EXPECT_TRUE(Rect(12, 9, 28, 23).Contains(x, y)) << x << "," << y;
      }
  EXPECT_GT(dark, 6);
}

TEST(StandardGlyphs, SystemMenuCommandsChooseTheirGlyphs) {
  const struct {
    UINT Command;
    int32_t Glyph;
  } cases[] = {{SC_MOVE, 7},  {SC_MINIMIZE, 21}, {SC_MAXIMIZE, 22}, {SC_RESTORE, 23},
               {SC_CLOSE, 24}, {SC_SIZE, -1},     {SC_MOVE | 2, 7}, {0, -1}};
  for (const auto& c : cases) EXPECT_EQ(StandardGlyphOfSysCommand(c.Command), c.Glyph) << c.Command;
}
