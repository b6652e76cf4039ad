#include <gtest/gtest.h>

#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include "ManagerTestFiles.h"
#include "skin/PackedSkinWriter.h"

namespace {

using ManagerResources = ManagerFixture;

size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters.PrivateUsage;
}

std::vector<uint8_t> IconFont() { return ReadFileBytes(ACS_ICON_FONT); }

TEST_F(ManagerResources, SwitchingSkinsTwoHundredTimesKeepsNoGdiObjectsOrMemory) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  dir.WriteFile("Fonted.asz", WritePackedSkin({{"Options.dat", Bytes(FixtureOptions("FontCount=1\nFontFile0=Icons.ttf\nFontName0=FontAwesome"))},
                                               {"Icons.ttf", IconFont()}}));
  // Warm-up: the system and the libraries keep what they cache on first use.
  for (int i = 0; i < 4; ++i) manager->SetSkinName(i % 2 ? "Fonted" : kOrvale);
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const size_t memoryBefore = PrivateBytes();
  for (int i = 0; i < 200; ++i) manager->SetSkinName(i % 2 ? "Fonted" : kOrvale);
  const DWORD gdiAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const size_t memoryAfter = PrivateBytes();
  EXPECT_EQ(gdiAfter, gdiBefore);
  // One selection of Orvale alone allocates several megabytes; a leak of any
  // of it would show many times over.
  EXPECT_LT(memoryAfter, memoryBefore + 2 * 1024 * 1024) << memoryAfter - memoryBefore << " bytes more";
  EXPECT_TRUE(errors.Texts.empty());
}

TEST_F(ManagerResources, FontsOfAPackedSkinAreInstalledAndRemovedWithTheSkin) {
  dir.WriteFile("Fonted.asz",
                WritePackedSkin({{"Options.dat", Bytes(FixtureOptions("FontCount=2\nFontFile0=Other.ttf\nFontName0=Other\n"
                                                                      "FontFile1=Fonts\\Icons.ttf\nFontName1=FontAwesome"))},
                                 {"Fonts\\Icons.ttf", IconFont()}}));
  manager->SetSkinName("Fonted");
  const TacEmbeddedFonts& fonts = manager->EmbeddedFonts();
  ASSERT_EQ(fonts.Count(), 1u);
  EXPECT_EQ(fonts.Items(0).FontName, "FontAwesome");
  EXPECT_EQ(fonts.Items(0).FileName, "Icons.ttf");
  EXPECT_NE(fonts.Items(0).Handle.Get(), nullptr);
  manager->ClearSkinData();
  EXPECT_EQ(fonts.Count(), 0u);
}

TEST_F(ManagerResources, FontsOfAFolderSkinFollowTheCountAndLeaveMissingFilesEmpty) {
  dir.WriteFile("Folder/Options.dat",
                FixtureOptions("FontCount=2\nFontFile0=Icons.ttf\nFontName0=FontAwesome\nFontFile1=Gone.ttf\nFontName1=Gone"));
  dir.WriteFile("Folder/Icons.ttf", IconFont());
  manager->SetSkinName("Folder");
  const TacEmbeddedFonts& fonts = manager->EmbeddedFonts();
  ASSERT_EQ(fonts.Count(), 2u);
  EXPECT_EQ(fonts.Items(0).FontName, "FontAwesome");
  EXPECT_NE(fonts.Items(0).Handle.Get(), nullptr);
  EXPECT_EQ(fonts.Items(1).FontName, "");
  EXPECT_EQ(fonts.Items(1).Handle.Get(), nullptr);
}

TEST_F(ManagerResources, StoredSkinsAreExtractedByNameOrIndexWithErrorBoxes) {
  AddStoredSkin("Packed", PackedFixture());
  manager->ExtractInternalSkin("Packed", dir.Path());
  EXPECT_EQ(ReadFileBytes(dir.Path() + "Packed extracted.asz"), PackedFixture());
  manager->ExtractInternalSkin("Unknown", dir.Path());
  manager->ExtractInternalSkin("Packed", dir.Path() + "absent");
  manager->ExtractByIndex(0, dir.Path() + "made\\here");
  EXPECT_EQ(errors.Texts, (std::vector<std::string>{"Skin does not exists.", "Directory does not exists."}));
  EXPECT_TRUE(FileExists(dir.Path() + "made\\here\\Packed extracted.asz"));
}

}  // namespace

namespace {

using ManagerPalette = ManagerFixture;

TEST_F(ManagerPalette, TheSixBrushesFollowTheFirstPaletteEntriesOfEachSkin) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  dir.WriteFile("Red/Options.dat", FixtureOptions("COLOR=255"));
  for (const char* name : {"Orvale (internal)", "Red"}) {
    SCOPED_TRACE(name);
    manager->SetSkinName(name);
    for (size_t i = 0; i < 6; ++i) {
      LOGBRUSH brush{};
      ASSERT_EQ(GetObjectW(manager->Brushes(i), sizeof brush, &brush), static_cast<int>(sizeof brush));
      EXPECT_EQ(brush.lbColor, static_cast<COLORREF>(manager->Palette()[static_cast<TacPaletteColors>(i)]) & 0xFFFFFF);
    }
  }
  EXPECT_EQ(manager->GetGlobalColor(), 255);
}

TEST_F(ManagerPalette, ColoursOfTheStoredSkinReachControlsThroughTheDefaultManager) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  EXPECT_EQ(manager->GetGlobalColor(), 16777215);
  EXPECT_EQ(manager->GetGlobalFontColor(), 0);
  EXPECT_EQ(manager->GetHighLightColor(true), 15564610);
  EXPECT_EQ(manager->GetHighLightColor(false), 16759947);
  EXPECT_EQ(manager->GetHighLightFontColor(true), 16777215);
  EXPECT_EQ(SkinColorToRGB(clWindow), manager->GetActiveEditColor());
  EXPECT_EQ(SkinColorToRGB(clHighlight, manager.get()), 15564610);
  EXPECT_EQ(manager->CommonSkinData().SkinColorToRGB(clBtnFace), 16777215);
}

TEST_F(ManagerPalette, HueChangesRecolourFromTheSkinItselfEachTime) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  const TColor focused = manager->GetHighLightColor(true);
  manager->SetHueOffset(120);
  EXPECT_NE(manager->GetHighLightColor(true), focused);
  manager->SetHueOffset(0);
  EXPECT_EQ(manager->GetHighLightColor(true), focused);
  manager->SetActive(false);
  EXPECT_EQ(SkinColorToRGB(clWindow), ColorToRGB(clWindow));
}

}  // namespace
