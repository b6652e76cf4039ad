#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinData.h"

namespace {

// A skin without images: everything the data object builds comes from options.
class SkinDataFixture : public ::testing::Test {
 protected:
  TsStoredSkins stored;
  TacSkinSource source;
  TacWorkBitmap master;
  TMemIniFile common{true};

  std::unique_ptr<TacSkinData> Load(const std::string& options, int32_t ppi = 96,
                                    TacExtBordersMode mode = ebmFull) {
    stored.clear();
    stored.push_back(std::make_unique<TsStoredSkin>());
    stored[0]->Name = "Fixture";
    stored[0]->PackedData = TMemoryStream(WritePackedSkin({{"Options.dat", Bytes(options)}}));
    source = LoadSkinSource("Fixture", "", "", stored);
    auto data = std::make_unique<TacSkinData>(ppi);
    TacSkinLoadContext context{source.Options, source, master, &common};
    context.ExtendedBorders = true;
    context.ExtBordersMode = mode;
    context.LabelTextColor = 0x123456;
    data->Load(context);
    return data;
  }
};

TEST_F(SkinDataFixture, GeneratedOuterImagesForOuterModesThreeAndFour) {
  const auto data = Load(
      "[GLOBALINFO]\n"
      "[ONE]\nOUTERMODE=3\nOUTCOLL=255\nOUTRADIUS=4\nOUTBLUR=2\nOUTOFFSL=2\nOUTOFFST=1\nOUTOFFSR=0\nOUTOFFSB=3\n"
      "[FOUR]\nOUTERMODE=4\nOUTCOLL=255\nOUTCOLT=65280\nOUTCOLR=16711680\nOUTCOLB=65535\nOUTRADIUS=6\n"
      "[NONE]\nOUTERMODE=0\n");
  const TsGeneralData& one = data->gd[static_cast<size_t>(data->GetSkinIndex("ONE"))];
  ASSERT_TRUE(data->IsValidImgIndex(one.OuterMask));
  const TsMaskData& m = data->ma[static_cast<size_t>(one.OuterMask)];
  // Radius 4 with extra width 2 + 0 and extra height 1 + 3: a 11 x 13 shadow.
  EXPECT_EQ(m.R, Rect(0, 0, 11, 26));
  EXPECT_EQ(m.MaskType, 1);
  EXPECT_EQ(m.WL, (11 + 2 - 0) / 2);
  EXPECT_EQ(m.WR, (11 + 0 - 2) / 2);
  EXPECT_EQ(m.WT, (13 + 1 - 3) / 2);
  EXPECT_EQ(m.WB, (13 + 3 - 1) / 2);
  EXPECT_EQ(m.Bmp->Pixel(5, 6), 0xFFFF0000u);  // the single colour row, red
  const auto entry = std::find_if(data->BmpArray.begin(), data->BmpArray.end(),
                                  [&](const TacBmpData& b) { return b.Bmp.get() == m.Bmp; });
  ASSERT_NE(entry, data->BmpArray.end());
  EXPECT_EQ(entry->FileName, "Outer" + std::to_string(one.OuterMask));

  const TsGeneralData& four = data->gd[static_cast<size_t>(data->GetSkinIndex("FOUR"))];
  const TsMaskData& q = data->ma[static_cast<size_t>(four.OuterMask)];
  const int32_t w = q.R.Width(), h = q.R.Height() / 2;
  EXPECT_EQ(q.Bmp->Pixel(w / 2, 0), PixelOfColor(65280) | 0xFF000000u);          // top
  EXPECT_EQ(q.Bmp->Pixel(w / 2, h - 1), PixelOfColor(65535) | 0xFF000000u);      // bottom
  EXPECT_EQ(q.Bmp->Pixel(0, h / 2), PixelOfColor(255) | 0xFF000000u);            // left
  EXPECT_EQ(q.Bmp->Pixel(w - 1, h / 2), PixelOfColor(16711680) | 0xFF000000u);   // right
  EXPECT_EQ(data->gd[static_cast<size_t>(data->GetSkinIndex("NONE"))].OuterMask, -1);
}

TEST_F(SkinDataFixture, OuterEffectsOfExtendedBordersAreGenerated) {
  const auto data = Load("[GLOBALINFO]\nSH_RADIUS_OE=5\nSH_BLUR_OE=2\nLO_SOURCE=0\nSH_WIDTHT=4\n");
  const TacOutEffData& shadow = data->oe[1];
  ASSERT_TRUE(data->IsValidImgIndex(shadow.Mask));
  const TsMaskData& m = data->ma[static_cast<size_t>(shadow.Mask)];
  const int32_t w = 2 * 5 + 3 + 3 + 1, h = 2 * 5 + 2 + 5 + 1;
  EXPECT_EQ(m.R, Rect(0, 0, w, 2 * h));
  EXPECT_EQ(shadow.WidthL, (w + 3 - 3 - 1) / 2);
  EXPECT_EQ(shadow.WidthB, (h + 5 - 2 - 1) / 2);
  EXPECT_EQ(shadow.WidthT, 4);  // written in the skin
  EXPECT_EQ(m.WL, shadow.WidthL);
  EXPECT_EQ(shadow.Opacity, 60);
  EXPECT_EQ(data->oe[0].Mask, -1);
  EXPECT_EQ(data->oe[0].Opacity, 200);
}

TEST_F(SkinDataFixture, GeneratedWindowShadowWithoutABorderImage) {
  const auto data = Load("[GLOBALINFO]\nWSHRAD=6\nWSHSIZE=5\nWSHOFFS=1\nWSHCOLA=$80000000\n");
  EXPECT_EQ(data->ExBorder, -1);
  ASSERT_TRUE(data->ShdaTemplate);
  EXPECT_EQ(data->ShdaTemplate->Width(), 2 * 6 + 2 * 5 + 1);
  EXPECT_EQ(data->ShdaTemplate->Height(), 2 * 6 + 2 * 5 + 1 + 1);
  EXPECT_EQ(data->FormShadowSize, Rect(5, 4, 5, 6));
  EXPECT_EQ(&data->GetActiveShadow(), &data->GetActiveShadow());
}

TEST_F(SkinDataFixture, SynthesizedAndCommonSections) {
  common.SetText("[MYPANEL]\nPARENTCLASS=panel\nSTATES=1\n");
  const auto data = Load("[GLOBALINFO]\nCOLOR=255\n[PANEL]\nBORDERWIDTH=3\nCOLOR=65280\n");
  const std::vector<std::string> expected{"GLOBALINFO", "PANEL", "MYPANEL", "TRANSPARENT", "MAINCOLOR"};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(data->gd[i].ClassName, expected[i]);
  EXPECT_EQ(data->gd[2].ParentClass, "PANEL");
  EXPECT_EQ(data->gd[2].BorderWidth, 3);
  EXPECT_EQ(data->gd[2].Props[0].Color, 65280);
  const TsGeneralData& transparent = data->gd[3];
  EXPECT_EQ(transparent.States, 1);
  EXPECT_EQ(transparent.Props[2].Transparency, 100);
  EXPECT_EQ(transparent.Props[1].FontColor.Color, 0x123456);
  EXPECT_EQ(transparent.Props[0].FontColor.Left, -1);
  EXPECT_EQ(data->gd[4].Props[0].Color, 255);  // the skin's main colour
  EXPECT_EQ(data->MainColor, 255);
  // Missing late slots without any fallback get empty records without states.
  const TsGeneralData& tbBtn = data->gd[static_cast<size_t>(data->GetSkinIndex("TB_BTN"))];
  EXPECT_EQ(tbBtn.States, -1);
  EXPECT_EQ(tbBtn.Props[0].Color, -1);
  EXPECT_EQ(data->Sections[ssTBBtn], -1);
}

TEST_F(SkinDataFixture, MaskLookupsFollowParentsAndStopAtLoops) {
  const auto data = Load(
      "[GLOBALINFO]\n"
      "[BASE]\nBORDERSMASK=^0000^0000^0030^0020^0004^0004^0004^0004^1^0^1\nPATTERN=~0000~0000~0010~0010~01~0\n"
      "[CHILD]\nPARENTCLASS=BASE\n"
      "[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPA\n");
  const int32_t base = data->GetSkinIndex("BASE"), child = data->GetSkinIndex("CHILD");
  const int32_t border = data->GetMaskIndex(base, "BASE", "BORDERSMASK");
  ASSERT_GE(border, 0);
  EXPECT_EQ(data->GetMaskIndex(child, "CHILD", "BORDERSMASK"), border);
  EXPECT_EQ(data->GetMaskIndex(child, "BORDERSMASK"), border);
  EXPECT_EQ(data->GetMaskIndex(child, "BASE", "BORDERSMASK"), -1);  // the parent is the caller's own section
  EXPECT_EQ(data->GetMaskIndex("CHILD", "BORDERSMASK"), -1);         // no inheritance by name
  EXPECT_EQ(data->gd[static_cast<size_t>(child)].BorderIndex, border);
  const int32_t texture = data->GetTextureIndex(base, "BASE", "PATTERN");
  ASSERT_GE(texture, 0);
  EXPECT_EQ(data->GetTextureIndex(child, "CHILD", "PATTERN"), texture);
  EXPECT_EQ(data->gd[static_cast<size_t>(child)].Props[0].TextureIndex, texture);
  EXPECT_EQ(data->GetMaskIndex(data->GetSkinIndex("LOOPA"), "LOOPA", "BORDERSMASK"), -1);
  EXPECT_EQ(data->GetMaskIndex(data->GetSkinIndex("LOOPA"), "BORDERSMASK"), -1);
  EXPECT_EQ(data->GetTextureIndex(data->GetSkinIndex("LOOPB"), "PATTERN"), -1);
  EXPECT_EQ(data->GetMaskIndex(-1, "X", "BORDERSMASK"), -1);
  EXPECT_EQ(data->GetMaskIndex(999, "BORDERSMASK"), -1);
}

TEST_F(SkinDataFixture, TitleImagesFlipFrameByFrameAndBack) {
  master.SetSize(4, 1);
  for (int32_t x = 0; x < 4; ++x) master.SetPixel(x, 0, 0xFF000000u + static_cast<uint32_t>(x + 1));
  // Close and maximize share the same pixels: they must be mirrored once.
  const auto data = Load("[GLOBALINFO]\nBICONCLOSE=@0000@0000@0004@0001@2@0\nBICONMAX=@0000@0000@0004@0001@2@0\n");
  data->FlipTitleImages(master);
  const uint32_t flipped[4] = {2, 1, 4, 3};
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(master.Pixel(x, 0), 0xFF000000u + flipped[x]) << x;
  data->FlipTitleImages(master);
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(master.Pixel(x, 0), 0xFF000000u + static_cast<uint32_t>(x + 1)) << x;
}

TEST_F(SkinDataFixture, DamagedValuesDoNotFailTheLoad) {
  const auto data = Load(
      "[GLOBALINFO]\nBICONCLOSEGLOW=2000000000\nWSHRAD=999999999\n"
      "[A]\nGRADIENTDATA=x;2;3;4;5;6;7;8;9;0\nSTATES=abc\nOUTERMODE=3\nOUTRADIUS=99999\n");
  const TsGeneralData& a = data->gd[static_cast<size_t>(data->GetSkinIndex("A"))];
  EXPECT_TRUE(a.Props[0].GradientArray.empty());
  EXPECT_EQ(a.States, 3);
  EXPECT_EQ(a.OuterRadius, 60);
  EXPECT_LE(data->TitleGlows[1].size(), 255u);
}

}  // namespace
