#include <gtest/gtest.h>

#include "ManagerTestFiles.h"
#include "messages/SkinCommand.h"
#include "framework/Screen.h"
#include "skin/PackedSkinWriter.h"

namespace {

using SkinSelection = ManagerFixture;

TEST_F(SkinSelection, AMissingNameWithStoredSkinsLoadsTheFirstAndTakesItsName) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  AddStoredSkin("Second", PackedFixture());
  manager->SetSkinName("Nowhere");
  EXPECT_EQ(manager->SkinName(), kOrvale);
  EXPECT_TRUE(manager->IsActive());
  EXPECT_TRUE(manager->SkinIsPacked());
  EXPECT_EQ(manager->SkinCommonInfo().SkinPath, "");
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 1);
  EXPECT_EQ(form->Count(SK_REFRESH), 1);
  EXPECT_TRUE(errors.Texts.empty());
}

TEST_F(SkinSelection, NoSkinAnywhereMakesTheManagerInactiveWithoutAMessage) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  manager->InternalSkins().Clear();
  int deactivated = 0;
  manager->OnDeactivate = [&](TObject*) { ++deactivated; };
  form->Received.clear();
  manager->SetSkinName("Nowhere");
  EXPECT_FALSE(manager->Active());
  EXPECT_FALSE(manager->IsActive());
  EXPECT_EQ(form->Count(SK_SKIN_REMOVED), 1);
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 0);
  EXPECT_EQ(manager->MasterBitmap(), nullptr);
  EXPECT_TRUE(errors.Texts.empty());
}

TEST_F(SkinSelection, AFolderWinsOverAPackedFileOfTheSameNameAndBothOverStoredSkins) {
  AddStoredSkin("Same", OrvaleArchive());
  dir.WriteFile("Same.asz", PackedFixture(FixtureOptions("DESCRIPTION=file")));
  manager->SetSkinName("Same");
  EXPECT_TRUE(manager->SkinIsPacked());
  EXPECT_EQ(manager->SkinCommonInfo().Description, "file");

  dir.WriteFile("Same/Options.dat", FixtureOptions("DESCRIPTION=folder"));
  manager->SetSkinName("Same");
  EXPECT_FALSE(manager->SkinIsPacked());
  EXPECT_EQ(manager->SkinCommonInfo().Description, "folder");
  EXPECT_EQ(manager->SkinCommonInfo().SkinPath, manager->GetFullSkinDirectory() + "Same\\");
}

TEST_F(SkinSelection, ANameEndingInAszSelectsTheSkinWithoutTheExtension) {
  dir.WriteFile("Packed.asz", PackedFixture());
  for (const char* name : {"Packed.asz", "Packed.ASZ", "Packed.Asz"}) {
    SCOPED_TRACE(name);
    manager->SetSkinName(name);
    EXPECT_EQ(manager->SkinName(), "Packed");
    EXPECT_TRUE(manager->IsActive());
  }
}

struct FailureCase {
  const char* Name;
  std::vector<uint8_t> Archive;
  std::vector<std::string> Texts;
  std::vector<TacBoxKind> Kinds;
};

TEST_F(SkinSelection, ALoadingErrorShowsItsTextAndBringsThePreviousSkinBack) {
  const std::vector<uint8_t> good = PackedFixture();
  std::vector<uint8_t> damaged = good;
  damaged.resize(damaged.size() - 6);  // the zlib stream loses its end
  const std::vector<uint8_t> noOptions = WritePackedSkin({{"Image.png", Bytes("x")}});
  std::vector<uint8_t> badMagic = good;
  badMagic[0] = 'X';
  const std::string formatError = "Internal format error in the \"Broken\" skin. Please, update this skin to latest version.";
  const FailureCase cases[] = {
      {"damaged", damaged, {}, {TacBoxKind::bkError}},
      {"no options", noOptions, {formatError}, {TacBoxKind::bkPlain}},
      {"wrong magic", badMagic, {"Loaded data is not a packed Velmora file", formatError},
       {TacBoxKind::bkError, TacBoxKind::bkPlain}},
  };
  AddStoredSkin(kOrvale, OrvaleArchive());
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.Name);
    manager->SetSkinName(kOrvale);
    dir.WriteFile("Broken.asz", c.Archive);
    errors.Texts.clear();
    errors.Kinds.clear();
    manager->SetSkinName("Broken");
    EXPECT_EQ(manager->SkinName(), kOrvale);
    EXPECT_TRUE(manager->IsActive());
    EXPECT_TRUE(manager->Active());
    EXPECT_FALSE(manager->CommonSkinData().gd.empty());
    EXPECT_EQ(errors.Kinds, c.Kinds);
    if (c.Texts.empty()) {
      ASSERT_EQ(errors.Texts.size(), 1u);
      EXPECT_NE(errors.Texts[0].find("damaged"), std::string::npos) << errors.Texts[0];
    } else {
      EXPECT_EQ(errors.Texts, c.Texts);
    }
    EXPECT_TRUE(manager->ManagerState.Empty());
  }
}

TEST_F(SkinSelection, ARefusedChangeKeepsTheOldSkinButShowsTheNewName) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  dir.WriteFile("Other.asz", PackedFixture());
  manager->SetSkinName(kOrvale);
  const TacSkinData* before = &manager->CommonSkinData();
  std::string offered;
  manager->OnSkinChanging = [&](TObject*, const std::string& name, bool& allow) {
    offered = name;
    allow = false;
  };
  form->Received.clear();
  manager->SetSkinName("Other");
  EXPECT_EQ(offered, "Other");
  EXPECT_EQ(manager->SkinName(), "Other");
  EXPECT_EQ(&manager->CommonSkinData(), before);
  EXPECT_EQ(manager->SkinCommonInfo().Author, "Velmora team");
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 0);
  EXPECT_TRUE(manager->ManagerState.Empty());
}

TEST_F(SkinSelection, EventsAndStateAroundASelection) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  std::vector<std::string> events;
  manager->OnBeforeChange = [&](TObject*) { events.push_back("before"); };
  manager->OnSkinLoading = [&](TObject*) {
    events.push_back(manager->ManagerState.Contains(TacManagerStateValue::msSkinChanging) ? "loading" : "loading?");
  };
  manager->OnActivate = [&](TObject*) { events.push_back("activate"); };
  manager->OnAfterChange = [&](TObject*) { events.push_back("after"); };
  manager->SetSkinName(kOrvale);
  std::vector<std::string> expected{"before"};
  for (size_t i = 0; i < manager->Scaling().SelectionPPIs(Screen().PixelsPerInch()).size(); ++i)
    expected.push_back("loading");
  expected.insert(expected.end(), {"activate", "after"});
  EXPECT_EQ(events, expected);
  EXPECT_TRUE(manager->ManagerState.Empty());
  EXPECT_TRUE(manager->SkinCommonInfo().Active);
  EXPECT_EQ(manager->SkinCommonInfo().Sections[ssButton], manager->GetSkinIndex("BUTTON"));
}

TEST_F(SkinSelection, BrightnessIsLimitedAndReloadsTheSkinOnce) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  int loads = 0, afterChange = 0;
  manager->OnSkinLoading = [&](TObject*) { ++loads; };
  manager->OnAfterChange = [&](TObject*) { ++afterChange; };
  const size_t slots = manager->Scaling().SelectionPPIs(Screen().PixelsPerInch()).size();
  manager->SetBrightness(150);
  EXPECT_EQ(manager->Brightness(), 100);
  EXPECT_EQ(loads, static_cast<int>(slots));
  EXPECT_EQ(afterChange, 1);
  manager->SetBrightness(120);  // limited to the same value: nothing to do
  EXPECT_EQ(loads, static_cast<int>(slots));
  manager->SetBrightness(-300);
  EXPECT_EQ(manager->Brightness(), -100);
  manager->SetHueOffset(30);
  manager->SetSaturation(-40);
  EXPECT_EQ(loads, 4 * static_cast<int>(slots));
  EXPECT_TRUE(manager->IsActive());
  EXPECT_TRUE(manager->ManagerState.Empty());
}

TEST_F(SkinSelection, ANewerSkinIsWarnedAboutAndStillLoaded) {
  dir.WriteFile("Future/Options.dat", FixtureOptions("VERSION=17.5"));
  manager->SetSkinName("Future");
  EXPECT_TRUE(manager->IsActive());
  ASSERT_EQ(errors.Texts.size(), 1u);
  EXPECT_EQ(errors.Texts[0],
            "This version of the skin (v17.50) has not complete support by used Quorvane package release (v16.16).\r\n"
            "Components must be updated to latest version for using this skin.");
  EXPECT_EQ(manager->SkinInfo(), "17.5");
}

TEST_F(SkinSelection, SwitchingActiveOffRemovesTheSkinAndOnSelectsItAgain) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  form->Received.clear();
  manager->SetActive(false);
  EXPECT_FALSE(manager->IsActive());
  EXPECT_EQ(form->Count(SK_SKIN_REMOVED), 1);
  EXPECT_TRUE(UseLatestCommonDialogs());
  manager->SetActive(true);
  EXPECT_TRUE(manager->IsActive());
  EXPECT_EQ(form->Count(SK_SKIN_LOADED), 1);
  EXPECT_FALSE(UseLatestCommonDialogs());
}

TEST_F(SkinSelection, CommonSectionsAreCompactedAndJoinTheSkin) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  manager->SetSkinName(kOrvale);
  EXPECT_LT(manager->GetSkinIndex("MYPANEL"), 0);
  manager->SetCommonSections("[MY PANEL]\nCOLOR = 255\n;keep me as I am");
  EXPECT_EQ(manager->CommonSections().Text(), "[MYPANEL]\r\nCOLOR=255\r\n;keep me as I am\r\n");
  EXPECT_GE(manager->GetSkinIndex("MYPANEL"), 0);
}

TEST_F(SkinSelection, WithoutASkinTheDefaultSkinDataAnswersForTheRequestedResolution) {
  TacSkinData& data = manager->CommonSkinData(144);
  EXPECT_EQ(data.PPI, 144);
  EXPECT_EQ(data.ScalePercent, 150);
  EXPECT_TRUE(manager->SkinDataArray().empty());
  EXPECT_TRUE(data.gd.empty());
}

}  // namespace
