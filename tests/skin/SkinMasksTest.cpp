#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "base/Exception.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinMasks.h"

namespace {

// A 60 x 20 master bitmap: a 30 x 20 border element with magenta corners at
// (0, 0), three 10 x 10 glyph frames at (30, 0), the rest opaque grey.
std::vector<uint8_t> MasterPng() {
  TacWorkBitmap bitmap(60, 20);
  bitmap.Fill(0xFF808080u);
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 2; ++x) bitmap.SetPixel(x, y, 0xFFFF00FFu);
  return EncodePng(bitmap.Row(0), bitmap.Width(), bitmap.Height());
}

std::vector<uint8_t> GlowPng() {
  TacWorkBitmap bitmap(24, 24);
  bitmap.Fill(0x80FFFFFFu);
  return EncodePng(bitmap.Row(0), bitmap.Width(), bitmap.Height());
}

const char* kOptions =
    "[GLOBALINFO]\n"
    "MASTERBITMAP=master.png\n"
    "BOXCHECKED=@0030@0000@0060@0010@3@0\n"
    "SICONMIN=@0030@0000@0040@0010@1@0\n"
    "SICONMIN*125=@0040@0000@0052@0012@1@0\n"
    "MISSING=!NOWHERE.PNG!1!0!3!0002!0002!0002!0002!1\n"
    "[BUTTON]\n"
    "BORDERSMASK=^0000^0000^0030^0020^0004^0004^0004^0004^1^0^1\n"
    "COLOR=16777215\n"
    "GLOW0=!GLOW.PNG!1!0!3!0007!0007!0007!0007!1\n"
    "[EDIT]\n"
    "BORDERSMASK=^0000^0000^0030^0020^0004^0004^0004^0004^1^0^1\n"
    "GLOW0=!glow.png!1!0!3!0007!0007!0007!0007!1\n"
    "PLAIN=^0002^0002^0028^0018^0003^0003^0003^0003^1^0^1\n"
    "ZERO=^0030^0000^0060^0010^0000^0000^0000^0000^0^0^1\n"
    "OUTSIDE=^0050^0010^0090^0030^0004^0004^0004^0004^1^0^1\n";

class SkinMasksTest : public ::testing::Test {
 protected:
  TsStoredSkins stored;
  TacSkinSource source;
  std::unique_ptr<TacWorkBitmap> master;

  void SetUp() override {
    stored.push_back(std::make_unique<TsStoredSkin>());
    stored[0]->Name = "Fixture";
    stored[0]->PackedData = TMemoryStream(WritePackedSkin(
        {{"Options.dat", Bytes(kOptions)}, {"MASTER.PNG", MasterPng()}, {"GLOW.PNG", GlowPng()}}));
    source = LoadSkinSource("Fixture", "", "", stored);
    master = LoadMasterBitmap(source.Options, source);
  }

  TacSkinMasks Load(int32_t ppi, int32_t scale) {
    TacSkinMasks masks;
    masks.PPI = ppi;
    masks.ScaleValue = scale;
    masks.LoadAllMasks({source.Options, source, *master});
    masks.FinishMasks(*master);
    return masks;
  }

  static const TsMaskData* Find(const TacSkinMasks& masks, const std::string& section, const std::string& key) {
    for (const TsMaskData& m : masks.ma)
      if (m.ClassName == section && m.PropertyName == key) return &m;
    return nullptr;
  }
};

TEST_F(SkinMasksTest, MasterBitmapTurnsOpaqueMagentaIntoKeyPixels) {
  ASSERT_EQ(master->Width(), 60);
  EXPECT_EQ(master->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(master->Pixel(5, 5), 0xFF808080u);
}

TEST_F(SkinMasksTest, ElementsAt96StayInTheMasterBitmap) {
  const TacSkinMasks masks = Load(96, 0);
  const TsMaskData* box = Find(masks, "GLOBALINFO", "BOXCHECKED");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->Bmp, nullptr);
  EXPECT_EQ(box->R, Rect(30, 0, 60, 10));
  EXPECT_EQ(box->Width, 10);
  EXPECT_EQ(box->Height, 10);
  EXPECT_EQ(box->ImgType, itisaGlyph);
  EXPECT_EQ(box->SkinIndex, 0);
  EXPECT_EQ(Find(masks, "GLOBALINFO", "MASTERBITMAP"), nullptr);
  EXPECT_EQ(Find(masks, "BUTTON", "COLOR"), nullptr);
  EXPECT_EQ(Find(masks, "GLOBALINFO", "SICONMIN*125"), nullptr);
  EXPECT_EQ(Find(masks, "GLOBALINFO", "SICONMIN")->R, Rect(30, 0, 40, 10));
}

TEST_F(SkinMasksTest, ScaleVariantIsLoadedAtItsOwnResolution) {
  const TacSkinMasks masks = Load(120, 1);
  const TsMaskData* icon = Find(masks, "GLOBALINFO", "SICONMIN");
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->DivPPI, 120);
  EXPECT_EQ(icon->MulPPi, 120);
  EXPECT_EQ(icon->Bmp, nullptr);
  EXPECT_EQ(icon->R, Rect(40, 0, 52, 12));
  EXPECT_EQ(Find(masks, "GLOBALINFO", "SICONMIN*125"), nullptr);
}

TEST_F(SkinMasksTest, FileElementsAreSharedByNameAndMissingFilesDropTheElement) {
  const TacSkinMasks masks = Load(96, 0);
  const TsMaskData* a = Find(masks, "BUTTON", "GLOW0");
  const TsMaskData* b = Find(masks, "EDIT", "GLOW0");
  ASSERT_TRUE(a && b);
  ASSERT_NE(a->Bmp, nullptr);
  EXPECT_EQ(a->Bmp, b->Bmp);
  EXPECT_EQ(a->R, Rect(0, 0, 24, 24));
  EXPECT_EQ(a->WL, 7);
  EXPECT_EQ(a->ImgType, itisaGlow);
  ASSERT_EQ(masks.BmpArray.size(), 1u);
  EXPECT_EQ(masks.BmpArray[0].FileName, "GLOW.PNG");
  EXPECT_EQ(masks.BmpArray[0].Path, "BUTTON-GLOW0");
  EXPECT_TRUE(masks.BmpArray[0].Ext);
  EXPECT_EQ(Find(masks, "GLOBALINFO", "MISSING"), nullptr);
}

TEST_F(SkinMasksTest, MasterElementsAreScaledOnceAndShared) {
  const TacSkinMasks masks = Load(144, 2);
  const TsMaskData* button = Find(masks, "BUTTON", "BORDERSMASK");
  const TsMaskData* edit = Find(masks, "EDIT", "BORDERSMASK");
  ASSERT_TRUE(button && edit);
  ASSERT_NE(button->Bmp, nullptr);
  EXPECT_EQ(button->Bmp, edit->Bmp);
  EXPECT_EQ(button->R, Rect(0, 0, 45, 30));
  EXPECT_EQ(button->Width, 45);
  EXPECT_EQ(button->Height, 30);
  EXPECT_EQ(button->WL, 6);
  EXPECT_EQ(button->WB, 6);
  EXPECT_EQ(button->MulPPi, 144);
  EXPECT_EQ(button->DivPPI, 96);
  // Key pixels survive scaling as key pixels, never as blended magenta.
  EXPECT_EQ(button->Bmp->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(Alpha(button->Bmp->Pixel(20, 15)), 255u);
  const auto scaledEntries = std::count_if(masks.BmpArray.begin(), masks.BmpArray.end(),
                                           [](const TacBmpData& b) { return b.SrcRect == Rect(0, 0, 30, 20); });
  EXPECT_EQ(scaledEntries, 1);
}

TEST_F(SkinMasksTest, CornerTransparencyAndDefaultMargins) {
  const TacSkinMasks masks = Load(96, 0);
  EXPECT_EQ(Find(masks, "BUTTON", "BORDERSMASK")->Cfg & cfgTransparentCorners, cfgTransparentCorners);
  EXPECT_EQ(Find(masks, "EDIT", "PLAIN")->Cfg & cfgTransparentCorners, 0u);
  const TsMaskData* zero = Find(masks, "EDIT", "ZERO");
  ASSERT_TRUE(zero);
  EXPECT_EQ(zero->ImageCount, 1);
  EXPECT_EQ(zero->Width, 30);
  EXPECT_EQ(zero->WL, 14);
  EXPECT_EQ(zero->WT, 4);
}

TEST_F(SkinMasksTest, RectangleOutsideTheImageIsKeptButNeverScaled) {
  for (const auto& [ppi, scale] : {std::pair{96, 0}, std::pair{192, 3}}) {
    const TacSkinMasks masks = Load(ppi, scale);
    const TsMaskData* outside = Find(masks, "EDIT", "OUTSIDE");
    ASSERT_TRUE(outside);
    EXPECT_EQ(outside->Bmp, nullptr);
  }
}

TEST_F(SkinMasksTest, ElementsAreBuiltOnDemandForAnyResolution) {
  const TacMaskSource from{source.Options, source, *master};
  TsMaskData mask;
  std::unique_ptr<TacWorkBitmap> image;
  // 120: its own variant, copied as it is.
  ASSERT_EQ(GetScaledMaskData(from, "GLOBALINFO", "SICONMIN", mask, image, 120), 120);
  EXPECT_EQ(mask.DivPPI, 120);
  EXPECT_EQ(image->Width(), 12);
  EXPECT_EQ(mask.Width, 12);
  EXPECT_EQ(mask.Bmp, image.get());
  // 144: no variant at or above it, so the nearest below (120) is scaled up.
  ASSERT_EQ(GetScaledMaskData(from, "GLOBALINFO", "SICONMIN", mask, image, 144), 144);
  EXPECT_EQ(mask.DivPPI, 120);
  EXPECT_EQ(image->Width(), 14);
  // A file element scaled as an image with alpha.
  ASSERT_EQ(GetScaledMaskData(from, "BUTTON", "GLOW0", mask, image, 192), 192);
  EXPECT_EQ(image->Width(), 48);
  EXPECT_EQ(mask.WL, 14);
  EXPECT_EQ(GetScaledMaskData(from, "BUTTON", "NOSUCHKEY", mask, image, 96), -1);
  EXPECT_EQ(GetScaledMaskData(from, "GLOBALINFO", "MISSING", mask, image, 96), -1);
}

TEST(SkinMasks, DamagedElementImageFailsTheLoad) {
  TsStoredSkins stored;
  stored.push_back(std::make_unique<TsStoredSkin>());
  stored[0]->Name = "Broken";
  stored[0]->PackedData = TMemoryStream(WritePackedSkin(
      {{"Options.dat", Bytes("[EDIT]\nGLOW0=!BAD.PNG!1!0!3\n")}, {"BAD.PNG", Bytes("\x89PNG but not really")}}));
  const TacSkinSource source = LoadSkinSource("Broken", "", "", stored);
  const auto master = LoadMasterBitmap(source.Options, source);
  EXPECT_TRUE(master->Empty());
  TacSkinMasks masks;
  EXPECT_THROW(masks.LoadAllMasks({source.Options, source, *master}), Exception);
}

}  // namespace
