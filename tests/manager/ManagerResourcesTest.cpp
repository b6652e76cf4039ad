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
  EXPECT_NE(fonts.Items(0).Handle, nullptr);
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
  EXPECT_NE(fonts.Items(0).Handle, nullptr);
  EXPECT_EQ(fonts.Items(1).FontName, "");
  EXPECT_EQ(fonts.Items(1).Handle, nullptr);
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
