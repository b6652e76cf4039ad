#include <gtest/gtest.h>

#include "FixtureSkin.h"
#include "base/Exception.h"
#include "graphics/PixelFill.h"
#include "palette/Palette.h"

namespace {

constexpr TColor Opaque(TColor c) { return c | static_cast<TColor>(0xFF000000u); }

// A palette built from a skin of just these options.
struct BuiltPalette {
  explicit BuiltPalette(const std::string& Options) : Skin(Options), Data(Skin.Load()) {
    Palette.Build(*Data, Skin.Source.Options);
  }
  FixtureSkin Skin;
  std::unique_ptr<TacSkinData> Data;
  TacSkinPalette Palette;
};

// System colours as the classic scheme answers them, whatever the machine.
class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { FPrevious = SetSysColorQuery(SchemeColor); }
  void TearDown() override { SetSysColorQuery(FPrevious); }
  static uint32_t SchemeColor(int Index) { return 0x010101u * static_cast<uint32_t>(Index + 1); }
  static TColor Sys(TColor c) { return ColorToRGB(c); }

 private:
  TacSysColorQuery FPrevious = nullptr;
};

TEST_F(PaletteTest, DefaultsFollowTheEntriesBuiltBefore) {
  BuiltPalette b("[GLOBALINFO]\nCOLOR=6316128\nFONTCOLOR=1122867\nBORDERCOLOR=4473924\n"
                 "[EDIT]\nCOLOR=15790320\nFONTCOLOR=3355443\n");
  const TacSkinPalette& p = b.Palette;
  const TColor main = 6316128, edit = 15790320, editText = 3355443;
  const struct {
    TacPaletteColors Entry;
    TColor Expected;
  } cases[] = {
      {pcMainColor, main},
      {pcWebText, clBlue},
      {pcWebTextHot, clRed},
      {pcEditText, editText},
      {pcEditBG, edit},
      {pcHintText, Sys(clInfoText)},
      {pcHintBG, Sys(clInfoBk)},
      {pcEditBG_Inverted, editText},
      {pcEditText_Inverted, edit},
      {pcEditBG_OddRow, edit},
      {pcEditBG_EvenRow, MixColors(editText, edit, 13)},
      {pcEditText_Ok, 0x404000},
      {pcEditText_Bypassed, 0x00006C},
      {pcEditBG_Caution, 0xDBDBFF},
      {pcEditText_Highlight3, 0},
      {pcBtnColor1Active, Opaque(MixColors(main, clWhite, 177))},
      {pcBtnColor2Active, Opaque(main)},
      {pcBtnBorderActive, 4473924},
      {pcBtnFontActive, 1122867},
      {pcBtnColor1Normal, Opaque(main)},
      {pcBtnColor2Normal, Opaque(MixColors(main, clBlack, 244))},
      {pcBtnColor1Pressed, Opaque(MixColors(main, clBlack, 233))},
      {pcBtnColor2Pressed, Opaque(MixColors(main, clBlack, 233))},
      {pcBtnBorderPressed, 4473924},
      {pcBtnFontPressed, 1122867},
      {pcBtnToneYellowActive, 0xCAF3FF},
      {pcBtnBlueTextActive, 0xAE7400},
      {pcBtnYellowTextActive, 0x0079B5},
      {pcGrid, MixColors(editText, edit, 30)},
  };
  for (const auto& c : cases) EXPECT_EQ(p[c.Entry], c.Expected) << "entry " << c.Entry;
  EXPECT_EQ(p.GetGlobalColor(), main);
  EXPECT_EQ(p.GetActiveEditFontColor(), editText);
}

TEST_F(PaletteTest, SkinWithoutSectionsTakesSystemColours) {
  BuiltPalette b("[GLOBALINFO]\nGRIDLINE=-1\n");
  const TacSkinPalette& p = b.Palette;
  EXPECT_EQ(p[pcMainColor], Sys(clBtnFace));
  EXPECT_EQ(p[pcEditText], Sys(clWindowText));
  EXPECT_EQ(p[pcEditBG], Sys(clWindow));
  EXPECT_EQ(p[pcGrid], MixColors(Sys(clWindowText), Sys(clWindow), 30));
  // No "SELECTION" and no "MENUITEM": the system's highlight colours.
  EXPECT_EQ(p[pcSelectionBG], Sys(clHighlight));
  EXPECT_EQ(p[pcSelectionBG_Focused], Sys(clHighlight));
  EXPECT_EQ(p[pcSelectionText], Sys(clHighlightText));
  EXPECT_EQ(p[pcSelectionText_Focused], Sys(clHighlightText));
  EXPECT_EQ(p.GetHighLightFontColor(true), Sys(clHighlightText));
}

TEST_F(PaletteTest, SelectionEntriesFallBackToTheMenuItem) {
  const struct {
    const char* Name;
    const char* Options;
    TColor BG, BGFocused, Text, TextFocused;
  } cases[] = {
      {"selection with two states", "[SELECTION]\nSTATES=2\nCOLOR=1\nFONTCOLOR=2\nHOTCOLOR=3\nHOTFONTCOLOR=4\n"
                                    "[MENUITEM]\nHOTCOLOR=50\nHOTFONTCOLOR=60\n",
       1, 3, 2, 4},
      {"one state: focused is normal", "[SELECTION]\nSTATES=1\nCOLOR=1\nFONTCOLOR=2\nHOTCOLOR=3\n", 1, 1, 2, 2},
      {"unset text: menu item's hot state", "[SELECTION]\nCOLOR=1\nFONTCOLOR=-1\nHOTCOLOR=3\n"
                                            "[MENUITEM]\nHOTCOLOR=50\nHOTFONTCOLOR=60\n",
       50, 50, 60, 60},
      {"magenta text: menu item's hot state", "[SELECTION]\nCOLOR=1\nFONTCOLOR=16711935\n"
                                              "[MENUITEM]\nHOTCOLOR=50\nHOTFONTCOLOR=60\n",
       50, 50, 60, 60},
      {"no selection: menu item", "[MENUITEM]\nHOTCOLOR=50\nHOTFONTCOLOR=60\n", 50, 50, 60, 60},
      {"menu item without text: the system constant", "[MENUITEM]\nHOTCOLOR=50\nHOTFONTCOLOR=16711935\n", 50, 50,
       clHighlightText, clHighlightText},
  };
  for (const auto& c : cases) {
    BuiltPalette b(std::string("[GLOBALINFO]\n") + c.Options);
    const TacSkinPalette& p = b.Palette;
    EXPECT_EQ(p[pcSelectionBG], c.BG) << c.Name;
    EXPECT_EQ(p[pcSelectionBG_Focused], c.BGFocused) << c.Name;
    EXPECT_EQ(p[pcSelectionText], c.Text) << c.Name;
    EXPECT_EQ(p[pcSelectionText_Focused], c.TextFocused) << c.Name;
  }
}

TEST_F(PaletteTest, ButtonColoursAreReadWithAllThirtyTwoBits) {
  const struct {
    const char* Value;
    TColor Expected;
  } cases[] = {
      {"-723724", static_cast<TColor>(0xFFF4F4F4u)},
      {"$FFF4F4F4", static_cast<TColor>(0xFFF4F4F4u)},
      {"0x1FFF4F4F4", static_cast<TColor>(0xFFF4F4F4u)},  // low 32 bits of a wider value
      {"4294243572", static_cast<TColor>(0xFFF4F4F4u)},
      {"255", 255},
      {"", static_cast<TColor>(0xFF000000u | 6316128)},  // empty: the default, which is opaque
      {"   ", static_cast<TColor>(0xFF000000u | 6316128)},
  };
  for (const auto& c : cases) {
    BuiltPalette b(std::string("[GLOBALINFO]\nCOLOR=6316128\nBTNCOLOR1NORMAL=") + c.Value + "\n");
    EXPECT_EQ(b.Palette[pcBtnColor1Normal], c.Expected) << c.Value;
  }
  // A plain integer key is 32-bit: too wide gives its default.
  BuiltPalette wide("[GLOBALINFO]\nBORDERCOLOR=7\nBTNBORDERNORMAL=4294243572\n");
  EXPECT_EQ(wide.Palette[pcBtnBorderNormal], 7);
}

TEST_F(PaletteTest, MalformedButtonColourStopsTheBuild) {
  for (const char* key : {"BTNCOLOR1ACTIVE", "BTNCOLOR2ACTIVE", "BTNCOLOR1NORMAL", "BTNCOLOR2NORMAL",
                          "BTNCOLOR1PRESSED", "BTNCOLOR2PRESSED"}) {
    FixtureSkin skin(std::string("[GLOBALINFO]\n") + key + "=12abc\n");
    const auto data = skin.Load();
    TacSkinPalette palette;
    try {
      palette.Build(*data, skin.Source.Options);
      ADD_FAILURE() << key << " accepted";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), "'12abc' is not a valid integer value") << key;
    }
    EXPECT_FALSE(palette.Built());
  }
  // 2^64 does not fit either.
  FixtureSkin skin("[GLOBALINFO]\nBTNCOLOR1NORMAL=18446744073709551616\n");
  TacSkinPalette palette;
  EXPECT_THROW(palette.Build(*skin.Load(), skin.Source.Options), Exception);
}

// The conversion of colour property values with and without an active skin.
TEST_F(PaletteTest, SkinColorToRGBTranslatesSystemColoursAndPaletteConstants) {
  BuiltPalette b("[GLOBALINFO]\nCOLOR=6316128\nFONTCOLOR=1122867\nBORDERCOLOR=4473924\nTCTOP=99\n"
                 "EDITTEXT_OK=77\nCOLORTONEYELLOWTEXTActive=88\n"
                 "[EDIT]\nCOLOR=15790320\nFONTCOLOR=3355443\n"
                 "[SELECTION]\nCOLOR=11\nFONTCOLOR=12\nHOTCOLOR=13\nHOTFONTCOLOR=14\n"
                 "[FORMTITLE]\nCOLOR=21\nFONTCOLOR=22\nHOTCOLOR=23\nHOTFONTCOLOR=24\n"
                 "[HINT]\nCOLOR=31\nFONTCOLOR=32\n");
  TacSkinPalette& p = b.Palette;
  p.SkinActive = true;
  const TColor main = 6316128;
  const struct {
    TColor Value, Expected;
  } cases[] = {
      {0x123456, 0x123456},
      {clSkinMainColor, main},
      {clBtnFace, main},
      {clMenuBar, main},
      {clActiveCaption, 23},
      {clGradientActiveCaption, 23},
      {clInactiveCaption, 21},
      {clCaptionText, 24},
      {clInactiveCaptionText, 22},
      {clActiveBorder, 4473924},
      {clBtnText, 1122867},
      {clHighlight, 13},
      {clMenuHighlight, 13},
      {clHighlightText, 14},
      {clBtnShadow, MixColors(main, clBlack, 230)},
      {clGrayText, MixColors(main, 1122867, 127)},
      {clBtnHighlight, MixColors(main, 13, 127)},
      {cl3DDkShadow, MixColors(main, clBlack, 210)},
      {cl3DLight, MixColors(main, clWhite, 180)},
      {clInfoText, 32},
      {clInfoBk, 31},
      {clWindowText, 3355443},
      {clWindow, 15790320},
      {clHotLight, 99},
      {acPaletteConst::pcEditText_Ok, 77},
      {acPaletteConst::pcBtnYellowTextActive, 88},
      {acPaletteConst::pcBtnToneRed, 0x9E9EFF},
      {clSystemColor | 25, Sys(clSystemColor | 25)},  // a system colour the skin does not cover
  };
  for (const auto& c : cases) EXPECT_EQ(p.SkinColorToRGB(c.Value), c.Expected) << std::hex << c.Value;

  // Without an active manager, palette constants are their own colour.
  p.SkinActive = false;
  EXPECT_EQ(p.SkinColorToRGB(acPaletteConst::pcEditText_Ok), 0x003E0A);
  EXPECT_EQ(p.SkinColorToRGB(clBtnFace), Sys(clBtnFace));
  EXPECT_EQ(p.SkinColorToRGB(clSkinMainColor), Sys(clBackground));  // low bits 1: a system colour index
  EXPECT_EQ(SkinColorToRGB(acPaletteConst::pcBtnBlueText, nullptr), 0xAE7400);
  EXPECT_EQ(SkinColorToRGB(clWindow, nullptr), Sys(clWindow));
}

TEST_F(PaletteTest, SkinColorToRGBWithoutCaptionOrHintSections) {
  BuiltPalette b("[GLOBALINFO]\nCOLOR=6316128\nFONTCOLOR=1122867\n[EDIT]\nCOLOR=15790320\nFONTCOLOR=3355443\n");
  TacSkinPalette& p = b.Palette;
  p.SkinActive = true;
  EXPECT_EQ(p.SkinColorToRGB(clActiveCaption), 6316128);
  EXPECT_EQ(p.SkinColorToRGB(clInactiveCaption), 6316128);
  EXPECT_EQ(p.SkinColorToRGB(clCaptionText), 1122867);
  EXPECT_EQ(p.SkinColorToRGB(clInfoText), 3355443);
  EXPECT_EQ(p.SkinColorToRGB(clInfoBk), 15790320);
  // Active but not yet built (the manager is changing its skin): palette values only.
  p.Clear();
  EXPECT_EQ(p.SkinColorToRGB(clActiveCaption), 6316128);
}

TEST_F(PaletteTest, SystemColourSubstitutes) {
  BuiltPalette b("[GLOBALINFO]\nCOLOR=6316128\nBORDERCOLOR=4473924\n"
                 "[EDIT]\nCOLOR=15790320\nFONTCOLOR=3355443\n"
                 "[SELECTION]\nCOLOR=11\nFONTCOLOR=12\nHOTCOLOR=13\nHOTFONTCOLOR=14\n");
  TacSkinPalette& p = b.Palette;
  p.SysInactiveBorderColor = 0x424242;
  const TColor main = 6316128, shade = MixColors(main, clBlack, 205), light = MixColors(main, clWhite, 205);
  const struct {
    int Index;
    std::optional<TColor> Color, Brush;
  } sys[] = {
      {5, 15790320, 15790320}, {6, 4473924, std::nullopt}, {8, 3355443, 3355443},
      {11, 0x424242, std::nullopt}, {13, 13, 13}, {14, 14, 14}, {16, shade, std::nullopt},
      {21, shade, std::nullopt}, {22, light, std::nullopt}, {15, std::nullopt, std::nullopt},
      {-1, std::nullopt, std::nullopt}, {1000, std::nullopt, std::nullopt},
  };
  for (const auto& c : sys) {
    EXPECT_EQ(p.SysColor(c.Index), c.Color) << c.Index;
    EXPECT_EQ(p.SysBrushColor(c.Index), c.Brush) << c.Index;
  }
  const struct {
    TColor Color, Expected;
  } pens[] = {
      {5, 15790320}, {6, 4473924}, {11, 0x424242}, {13, 13}, {14, 14}, {15, main}, {16, shade}, {21, shade},
      {22, light}, {12632256, MixColors(3355443, 15790320, 38)}, {15790320, MixColors(3355443, 15790320, 38)},
      {7, 7}, {0x123456, 0x123456},
  };
  for (const auto& c : pens) EXPECT_EQ(p.PenColor(c.Color), c.Expected) << c.Color;
}

}  // namespace
