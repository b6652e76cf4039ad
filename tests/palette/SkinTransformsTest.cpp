#include <gtest/gtest.h>

#include <functional>

#include "FixtureSkin.h"
#include "graphics/AlphaOps.h"
#include "graphics/ColorTransforms.h"
#include "palette/SkinTransforms.h"

namespace {

constexpr TacPixel kColour = 0xFFC86400;  // red 200, green 100: every transform moves it
constexpr TColor kColor = 25800;          // the same as a TColor
constexpr TacPixel kMaskGrey = 0xFF808080;
constexpr TacPixel kGlyph = 0x80C86400;   // half transparent

// A 40 x 10 master bitmap: a key-colour border with its mask row below at
// x 0..9, the close and maximize buttons at 10..19 and 20..29, key pixels at
// 30..39. Files: a half-transparent glyph, a border with a mask row, the close
// button's glow.
const char* kOptions =
    "[GLOBALINFO]\nMASTERBITMAP=master.png\nCOLOR=25800\nTCTOP=25800\nEDITTEXT_OK=25800\nBTNCOLOR1NORMAL=-16751416\n"
    "BICONCLOSE=@0010@0000@0020@0010@1@0\nBICONMAX=@0020@0000@0030@0010@1@0\n"
    "BICONCLOSEGLOW0=!CGLOW.PNG!1!0!3!0001!0001!0001!0001!1\n"
    "[BUTTON]\nBORDERSMASK=^0000^0000^0010^0010^0002^0002^0002^0002^1^1^0\n"
    "GLYPHX=!GLYPH.PNG!1!0!4\nFRAME=!FRAME.PNG!1!1!0!0001!0001!0001!0001!0\n"
    "COLOR=25800\nFONTCOLOR=25800\nTCLEFT=-1\nHOTCOLOR=-16777201\nLIGHT0=-1\nLIGHT1=25800\n"
    "BORDERCOLOR0=16711935\nBORDERCOLOR1=25800\nGCOL=25800\n"
    "GRADIENTDATA=25800;0;0;-16751416;100;16;B\n"
    "[MENUITEM]\nHOTCOLOR=25800\nHOTFONTCOLOR=-1\n";

std::vector<uint8_t> MasterPng() {
  TacWorkBitmap bitmap(40, 10);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 40; ++x)
      bitmap.SetPixel(x, y, x >= 30 ? 0xFFFF00FFu : (x < 10 && y >= 5) ? kMaskGrey : kColour);
  return EncodePng(bitmap.Row(0), 40, 10);
}

std::vector<TacPackEntry> Files() {
  return {{"MASTER.PNG", MasterPng()},
          {"GLYPH.PNG", SolidPng(4, 4, kGlyph, kGlyph)},
          {"FRAME.PNG", SolidPng(6, 6, kColour, kMaskGrey)},
          {"CGLOW.PNG", SolidPng(3, 3, kColour, kColour)}};
}

TacPixel Once(TacPixelTransform Transform, int32_t Parameter, TacPixel p) {
  Transform(p, Parameter);
  return p;
}

TacPixel Premultiplied(TacPixel p) {
  TacWorkBitmap one(1, 1);
  one.SetPixel(0, 0, p);
  PremultiplyAlpha(one);
  return one.Pixel(0, 0);
}

class SkinTransformsTest : public ::testing::Test {
 protected:
  FixtureSkin skin{kOptions, Files()};
  TacSkinPalette palette;
  TColor shadow1 = kColor;

  std::unique_ptr<TacSkinData> LoadAndRecolour(const TacColorChange& change, int32_t ppi = 96) {
    auto data = skin.Load(ppi, change.Brightness);
    InitSkinParams(palette, *data, skin.Source.Options, *skin.Master, shadow1, change);
    return data;
  }
  static const TacWorkBitmap& Image(const TacSkinData& data, const char* section, const char* key) {
    const int32_t index = data.GetMaskIndex(section, key);
    EXPECT_TRUE(data.IsValidImgIndex(index)) << key;
    const TacWorkBitmap* bmp = data.ma[static_cast<size_t>(index)].Bmp;
    EXPECT_NE(bmp, nullptr) << key;
    return *bmp;
  }
  static const TsGeneralData& Button(const TacSkinData& data) {
    return data.gd[static_cast<size_t>(data.GetSkinIndex("BUTTON"))];
  }
};

TEST_F(SkinTransformsTest, HueKeepsTheTitleButtonsTheSkinAsksFor) {
  const TacPixel green = Once(HueTransform, 120, kColour);
  // The glow is a PNG file, premultiplied when loaded.
  const TacPixel glow = Premultiplied(kColour), greenGlow = Once(HueTransform, 120, glow);
  const struct {
    int32_t KeepHue;
    TacPixel Close, Max, Glow;
  } cases[] = {{0, green, green, greenGlow}, {1, kColour, kColour, glow}, {2, kColour, green, glow}};
  for (const auto& c : cases) {
    FixtureSkin fresh(kOptions, Files());
    TacSkinPalette p;
    TColor s1 = kColor;
    auto data = fresh.Load();
    InitSkinParams(p, *data, fresh.Source.Options, *fresh.Master, s1, {120, 0, 0, c.KeepHue});
    const TacWorkBitmap& m = *fresh.Master;
    EXPECT_EQ(m.Pixel(15, 5), c.Close) << "BIKeepHUE " << c.KeepHue;
    EXPECT_EQ(m.Pixel(25, 5), c.Max) << "BIKeepHUE " << c.KeepHue;
    EXPECT_EQ(Image(*data, s_GlobalInfo, "BICONCLOSEGLOW0").Pixel(1, 1), c.Glow) << "BIKeepHUE " << c.KeepHue;
    EXPECT_EQ(m.Pixel(2, 2), green);
    EXPECT_EQ(m.Pixel(2, 7), kMaskGrey);  // grey has no hue
    EXPECT_EQ(m.Pixel(35, 5), KeyPixel);
  }
}

TEST_F(SkinTransformsTest, HueReachesImagesSectionColoursShadowAndRecolouredEntries) {
  const auto data = LoadAndRecolour({120, 0, 0, 2});
  const auto hue = [](TColor c) { return HueColor(c, 120); };
  EXPECT_EQ(Image(*data, "BUTTON", "GLYPHX").Pixel(0, 0), Once(HueTransform, 120, Premultiplied(kGlyph)));
  EXPECT_EQ(Image(*data, "BUTTON", "FRAME").Pixel(0, 0), Once(HueTransform, 120, kColour));

  const TsGenState& normal = Button(*data).Props[0];
  const TsGenState& hot = Button(*data).Props[1];
  EXPECT_EQ(normal.Color, hue(kColor));
  EXPECT_EQ(normal.FontColor.Color, hue(kColor));
  EXPECT_EQ(normal.GlowColor, hue(kColor));
  EXPECT_EQ(normal.FontColor.Left, -1);
  EXPECT_EQ(normal.LightColor, -1);
  EXPECT_EQ(normal.BorderColor, clFuchsia);  // no border colour stays none
  EXPECT_EQ(hot.Color, -16777201);            // a system colour is no colour to rotate
  EXPECT_EQ(hot.LightColor, hue(kColor));
  EXPECT_EQ(hot.BorderColor, hue(kColor));
  ASSERT_EQ(normal.GradientArray.size(), 2u);
  EXPECT_EQ(normal.GradientArray[0].Color, static_cast<TsColor>(hue(kColor)));
  EXPECT_EQ(normal.GradientArray[1].Color, static_cast<TsColor>(hue(static_cast<TColor>(0xFF0064C8u))));
  EXPECT_EQ(normal.GradientArray[1].Color >> 24, 0xFFu);

  EXPECT_EQ(shadow1, hue(kColor));
  EXPECT_EQ(palette[pcMainColor], hue(kColor));
  EXPECT_EQ(palette[pcBtnColor1Normal], hue(static_cast<TColor>(0xFF0064C8u)));
  EXPECT_EQ(palette[pcWebTextHot], kColor);
  EXPECT_EQ(palette[pcEditText_Ok], kColor);
  EXPECT_EQ(palette[pcSelectionBG], hue(kColor));
  EXPECT_EQ(palette[pcSelectionText], clHighlightText);  // the system constant is not a colour
  EXPECT_EQ(data->ColorResolver, &palette);
}

TEST_F(SkinTransformsTest, SaturationGreysEverythingButTheStatusColours) {
  const auto data = LoadAndRecolour({0, -100, 0, 2});
  const TacPixel grey = Once(SaturationTransform, -255, kColour);
  EXPECT_EQ(skin.Master->Pixel(15, 5), grey);  // keeping the hue does not keep the saturation
  EXPECT_EQ(skin.Master->Pixel(35, 5), KeyPixel);
  EXPECT_EQ(Image(*data, s_GlobalInfo, "BICONCLOSEGLOW0").Pixel(1, 1),
            Once(SaturationTransform, -255, Premultiplied(kColour)));
  EXPECT_EQ(Button(*data).Props[0].Color, SaturationColor(kColor, -255));
  EXPECT_EQ(shadow1, SaturationColor(kColor, -255));
  EXPECT_EQ(palette[pcMainColor], SaturationColor(kColor, -255));
  EXPECT_EQ(palette[pcEditText_Ok], kColor);
}

TEST_F(SkinTransformsTest, BrightnessSparesMaskRowsPaletteAndShadow) {
  const auto data = LoadAndRecolour({0, 0, 100, 2});
  const TacPixel bright = Once(BrightnessTransform, 100, kColour);
  EXPECT_EQ(skin.Master->Pixel(2, 2), bright);
  EXPECT_EQ(skin.Master->Pixel(2, 7), kMaskGrey);  // the border's mask row
  EXPECT_EQ(skin.Master->Pixel(25, 7), bright);    // a glyph without mask row: all of it
  EXPECT_EQ(skin.Master->Pixel(35, 5), KeyPixel);

  const TacWorkBitmap& frame = Image(*data, "BUTTON", "FRAME");
  EXPECT_EQ(frame.Pixel(1, 1), bright);
  EXPECT_EQ(frame.Pixel(1, 4), kMaskGrey);
  // The glyph was left straight by the loader and is premultiplied once brightened.
  EXPECT_EQ(Image(*data, "BUTTON", "GLYPHX").Pixel(0, 0), Premultiplied(Once(BrightnessTransform, 100, kGlyph)));

  EXPECT_EQ(Button(*data).Props[0].Color, BrightnessColor(kColor, 100));
  EXPECT_EQ(shadow1, kColor);
  EXPECT_EQ(palette[pcMainColor], kColor);
}

TEST_F(SkinTransformsTest, NoChangeTouchesNothing) {
  FixtureSkin reference(kOptions, Files());
  const auto expected = reference.Load();
  TacSkinPalette expectedPalette;
  expectedPalette.Build(*expected, reference.Source.Options);

  const auto data = LoadAndRecolour({0, 0, 0, 1});
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 40; ++x) ASSERT_EQ(skin.Master->Pixel(x, y), reference.Master->Pixel(x, y)) << x << "," << y;
  ASSERT_EQ(data->BmpArray.size(), expected->BmpArray.size());
  for (size_t i = 0; i < data->BmpArray.size(); ++i) {
    const TacWorkBitmap &a = *data->BmpArray[i].Bmp, &b = *expected->BmpArray[i].Bmp;
    for (int32_t y = 0; y < a.Height(); ++y)
      for (int32_t x = 0; x < a.Width(); ++x) ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << data->BmpArray[i].FileName;
  }
  for (size_t s = 0; s < 3; ++s) {
    const TsGenState &a = Button(*data).Props[s], &b = Button(*expected).Props[s];
    EXPECT_EQ(a.Color, b.Color);
    EXPECT_EQ(a.FontColor.Color, b.FontColor.Color);
    EXPECT_EQ(a.BorderColor, b.BorderColor);
    EXPECT_EQ(a.GradientArray, b.GradientArray);
  }
  EXPECT_EQ(palette.Palette, expectedPalette.Palette);
  EXPECT_EQ(shadow1, kColor);
}

// smVCL on a 120-PPI screen: two skin data objects share the master bitmap.
TEST_F(SkinTransformsTest, SecondSkinDataIsRecolouredOnlyWhereItHasItsOwnColours) {
  const TacColorChange change{120, 0, 0, 0};
  const auto first = LoadAndRecolour(change);
  const TColor paletteMain = palette[pcMainColor];
  const auto second = LoadAndRecolour(change, 120);
  const TacPixel green = Once(HueTransform, 120, kColour);

  EXPECT_EQ(skin.Master->Pixel(2, 2), green);
  EXPECT_EQ(palette[pcMainColor], paletteMain);
  EXPECT_EQ(shadow1, HueColor(kColor, 120));
  EXPECT_EQ(palette.SkinData, first.get());  // the 96-PPI data answers section colours

  // Cut and scaled from the recoloured master bitmap: green, not rotated again.
  const TacWorkBitmap& close = Image(*second, s_GlobalInfo, "BICONMAX");
  EXPECT_EQ(close.Pixel(close.Width() / 2, close.Height() / 2), green);
  // Its own files and colours: rotated once.
  EXPECT_EQ(Image(*second, "BUTTON", "FRAME").Pixel(1, 1), green);
  EXPECT_EQ(Button(*second).Props[0].Color, HueColor(kColor, 120));
  EXPECT_EQ(second->ColorResolver, &palette);

  // A new skin starts over: the next object builds the palette again.
  palette.Clear();
  FixtureSkin next(kOptions, Files());
  auto again = next.Load();
  InitSkinParams(palette, *again, next.Source.Options, *next.Master, shadow1, change);
  EXPECT_EQ(next.Master->Pixel(2, 2), green);
  EXPECT_EQ(palette.SkinData, again.get());
}

}  // namespace
