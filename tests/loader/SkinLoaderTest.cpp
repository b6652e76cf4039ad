#include <gtest/gtest.h>

#include "../skin/SkinTestFiles.h"
#include "loader/SkinLoader.h"
#include "skin/PackedSkinWriter.h"

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of bytes in use.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

const std::string kOrvale = "Orvale (internal)";

class SkinLoaderTest : public testing::Test {
 protected:
  void SetUp() override {
    stored.push_back(std::make_unique<TsStoredSkin>());
    stored[0]->Name = kOrvale;
    stored[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
  }
  TacSkinLoadInputs Inputs() const {
    TacSkinLoadInputs inputs;
    inputs.SkinDirectory = dir.Path();
    inputs.AppDir = "";  // the skin directory is absolute
    inputs.InternalSkins = &stored;
    inputs.ExtendedBorders = true;
    return inputs;
  }
  bool Select(const std::string& name, TacScaling scaling = {}, int32_t currentPPI = 96,
              const TacSkinLoader::TAfterPalette& afterPalette = {}) {
    return loader.LoadSelection(name, Inputs(), scaling, currentPPI, afterPalette);
  }
  void WriteFolderSkin(const std::string& name, const std::string& options) const {
    dir.WriteFile(name + "/Options.dat", options);
  }

  TempDir dir;
  TsStoredSkins stored;
  TacSkinLoader loader;
};

TEST_F(SkinLoaderTest, VclModeOnA144PPIScreenHoldsSlotsZeroAndTwo) {
  ASSERT_TRUE(Select(kOrvale, {smVCL, 96, 0, false}, 144));
  ASSERT_EQ(loader.SkinDataArray().size(), 3u);
  ASSERT_TRUE(loader.Slot(0));
  EXPECT_FALSE(loader.Slot(1));
  ASSERT_TRUE(loader.Slot(2));
  EXPECT_EQ(loader.Slot(0)->PPI, 96);
  EXPECT_EQ(loader.Slot(2)->PPI, 144);
  EXPECT_EQ(loader.Slot(2)->ScaleValue, 2);
  EXPECT_FALSE(loader.Slot(0)->gd.empty());
  EXPECT_FALSE(loader.Slot(2)->gd.empty());
  EXPECT_TRUE(loader.HasSections());
}

TEST_F(SkinLoaderTest, FixedModeHoldsOneSlotPreparedForItsResolution) {
  ASSERT_TRUE(Select(kOrvale, {sm125, 96, 0, false}, 144));
  ASSERT_EQ(loader.SkinDataArray().size(), 1u);
  EXPECT_EQ(loader.Slot(0)->PPI, 120);
  EXPECT_EQ(loader.Slot(0)->ScaleValue, 1);
  EXPECT_EQ(loader.Slot(0)->ScalePercent, 125);
  EXPECT_FALSE(loader.Slot(0)->gd.empty());
}

TEST_F(SkinLoaderTest, ThePaletteStepRunsAfterTheMaskParametersAndBeforeTheShadows) {
  std::vector<int32_t> seen;
  bool shadowsMadeBefore = true;
  ASSERT_TRUE(Select(kOrvale, {}, 96, [&](TacSkinData& data) {
    seen.push_back(data.PPI);
    EXPECT_TRUE(data.Initializing);
    EXPECT_FALSE(data.gd.empty());
    EXPECT_GE(data.ExBorder, 0);  // mask indexes are in place
    EXPECT_TRUE(loader.Palette().Built());
    EXPECT_EQ(data.ColorResolver, &loader.Palette());
    shadowsMadeBefore = data.ShdaTemplate != nullptr;
  }));
  EXPECT_EQ(seen, std::vector<int32_t>{96});
  EXPECT_FALSE(shadowsMadeBefore);
  EXPECT_TRUE(loader.Slot(0)->ShdaTemplate);
  EXPECT_FALSE(loader.Slot(0)->Initializing);
}

TEST_F(SkinLoaderTest, ThePaletteComesFromTheSkinAndRecolouringStartsFromItsSourceEachTime) {
  TacSkinLoadInputs inputs = Inputs();
  ASSERT_TRUE(loader.LoadSelection(kOrvale, inputs, {}, 96, {}));
  EXPECT_EQ(loader.Palette()[pcMainColor], 16777215);
  EXPECT_EQ(loader.Palette()[pcEditBG], 16777215);
  const TColor focused = loader.Palette()[pcSelectionBG_Focused];
  EXPECT_EQ(focused, 15564610);
  const auto masterPixels = [&] {
    std::vector<TacPixel> pixels;
    const TacWorkBitmap& master = *loader.MasterBitmap();
    for (int32_t y = 0; y < master.Height(); ++y) pixels.insert(pixels.end(), master.Row(y), master.Row(y) + master.Width());
    return pixels;
  };
  const std::vector<TacPixel> original = masterPixels();

  inputs.HueOffset = 120;
  ASSERT_TRUE(loader.LoadSelection(kOrvale, inputs, {}, 96, {}));
  EXPECT_NE(loader.Palette()[pcSelectionBG_Focused], focused);
  EXPECT_NE(masterPixels(), original);
  inputs.HueOffset = 0;
  ASSERT_TRUE(loader.LoadSelection(kOrvale, inputs, {}, 96, {}));
  EXPECT_EQ(loader.Palette()[pcSelectionBG_Focused], focused);
  EXPECT_EQ(masterPixels(), original);
}

TEST_F(SkinLoaderTest, AMalformedButtonColourStopsTheLoad) {
  WriteFolderSkin("Bad", "[GLOBALINFO]\nBTNCOLOR1NORMAL=grey\n[BUTTON]\nCOLOR=0\n");
  EXPECT_THROW(Select("Bad"), Exception);
}

TEST_F(SkinLoaderTest, CommonDataComesFromGlobalInfoWithItsDefaults) {
  WriteFolderSkin("Full",
                  "[GLOBALINFO]\nVERSION=16.5\nAUTHOR=Ann\nDESCRIPTION=Blue\nMainFont=Segoe UI\nAEROBLUR=1\n"
                  "BRIGHTMIN=-20\nBRIGHTMAX=30\nBIVALIGN=1\nBIKEEPHUE=2\nSHADOW1COLOR=255\nDEFLIGHT=65280\n"
                  "ARROWSTYLE=3\n[BUTTON]\nCOLOR=0\n");
  WriteFolderSkin("Bare", "[BUTTON]\nCOLOR=0\n");
  ASSERT_TRUE(Select("Full"));
  const TacSkinCommonInfo& full = loader.SkinCommonInfo();
  EXPECT_DOUBLE_EQ(full.Version, 16.5);
  EXPECT_EQ(full.Author, "Ann");
  EXPECT_EQ(full.Description, "Blue");
  EXPECT_EQ(full.MainFont, "Segoe UI");
  EXPECT_TRUE(full.UseAeroBluring);
  EXPECT_EQ(full.BrightMin, -20);
  EXPECT_EQ(full.BrightMax, 30);
  EXPECT_EQ(full.BIVAlign, 1);
  EXPECT_EQ(full.BIKeepHUE, 2);
  EXPECT_EQ(full.Shadow1Color, 255);
  EXPECT_EQ(full.DefLightColor, 65280);
  EXPECT_EQ(full.ArrowStyle, 3);
  EXPECT_EQ(full.SkinPath, GetFullSkinDirectory(dir.Path(), "") + "Full\\");
  EXPECT_EQ(full.Sections[ssButton], loader.Slot(0)->GetSkinIndex("BUTTON"));

  ASSERT_TRUE(Select("Bare"));
  const TacSkinCommonInfo& bare = loader.SkinCommonInfo();
  EXPECT_DOUBLE_EQ(bare.Version, 0);
  EXPECT_EQ(bare.Author, "");
  EXPECT_FALSE(bare.UseAeroBluring);
  EXPECT_EQ(bare.BrightMin, -50);
  EXPECT_EQ(bare.BrightMax, 50);
  EXPECT_EQ(bare.DefLightColor, -1);
  EXPECT_EQ(bare.Shadow1Color, 0);
}

TEST_F(SkinLoaderTest, MissingSkinFallsBackToTheFirstStoredSkinOrToNothing) {
  ASSERT_TRUE(Select("Nowhere"));
  EXPECT_EQ(loader.ResolvedName(), kOrvale);
  EXPECT_TRUE(loader.HasSections());

  stored.clear();
  EXPECT_FALSE(Select("Nowhere"));
  EXPECT_FALSE(loader.HasSections());
  EXPECT_FALSE(loader.Source());
}

TEST_F(SkinLoaderTest, ClearingDropsEverySkinObject) {
  ASSERT_TRUE(Select(kOrvale, {smVCL, 96, 0, false}, 192));
  loader.Clear();
  EXPECT_TRUE(loader.SkinDataArray().empty());
  EXPECT_FALSE(loader.MasterBitmap());
  EXPECT_FALSE(loader.Source());
  EXPECT_FALSE(loader.CommonDataLoaded());
  EXPECT_FALSE(loader.SkinCommonInfo().Active);
  for (const int32_t section : loader.SkinCommonInfo().Sections) EXPECT_EQ(section, -1);
}

TEST(SkinVersion, WarnedAboveWhatTheEngineSupports) {
  struct Case {
    double Version;
    bool Warned;
  };
  for (const Case c : {Case{0, false}, Case{10.25, false}, Case{15.0, false}, Case{16.99, false},
                       Case{17.0, true}, Case{17.5, true}}) {
    SCOPED_TRACE(c.Version);
    EXPECT_EQ(NeedsVersionWarning(c.Version), c.Warned);
  }
  EXPECT_EQ(VersionWarningText(17.5),
            "This version of the skin (v17.50) has not complete support by used Quorvane package release (v16.16).\r\n"
            "Components must be updated to latest version for using this skin.");
}

TEST(CommonSectionsText, BlanksLeaveEveryLineButComments) {
  EXPECT_EQ(CompactCommonSections("[MY SECTION]\nCOLOR = 255\n; a comment stays\n  KEY=a b"),
            "[MYSECTION]\nCOLOR=255\n; a comment stays\nKEY=ab");
  EXPECT_EQ(CompactCommonSections(""), "");
}

#if defined(__SANITIZE_ADDRESS__)
TEST_F(SkinLoaderTest, SwitchingSkinsTwoHundredTimesKeepsNoMemory) {
  WriteFolderSkin("Folder", "[GLOBALINFO]\nVERSION=15\n[BUTTON]\nCOLOR=255\n[EDIT]\nCOLOR=0\n");
  // Warm-up: caches of the libraries and the allocator settle first.
  ASSERT_TRUE(Select(kOrvale));
  ASSERT_TRUE(Select("Folder"));
  const size_t before = __sanitizer_get_current_allocated_bytes();
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(Select(i % 2 ? "Folder" : kOrvale));
  const size_t after = __sanitizer_get_current_allocated_bytes();
  EXPECT_LE(after, before + 64 * 1024) << "grew by " << (after - before) << " bytes";
}
#endif

}  // namespace
