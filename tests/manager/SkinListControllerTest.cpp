#include <gtest/gtest.h>

#include "ManagerTestFiles.h"
#include "messages/SkinCommand.h"
#include "framework/Application.h"

namespace {

// An owner of a list on a directory of its own, recording what the list tells it.
struct FakeListOwner {
  bool frozen = false;
  TacSkinListController* shared = nullptr;
  std::vector<std::string> heard;
  TempDir dir;
  TsStoredSkins stored;
  const TacSkinListOwner owner{
      .ListFrozen = [this] { return frozen; },
      .StoredSkins = [this]() -> const TsStoredSkins& { return stored; },
      .SkinListDirectory = [this] { return GetFullSkinDirectory(dir.Path(), ""); },
      .ListFilter = [] { return TacSkinsFilter{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal}; },
      .ListToShare = [this] { return shared; },
      .Broadcast = [this](int Command, LPARAM) { heard.push_back(Command == SK_LIST_LOADED ? "loading" : "other"); },
      .ListChanged = [this] { heard.push_back("changed"); },
      .NotificationParam = 1234};
};

TEST(SkinListOwner, AFrozenOwnerGetsNoRebuild) {
  FakeListOwner owner;
  owner.dir.WriteFile("One.asz", PackedFixture());
  owner.frozen = true;
  TacSkinListController list(owner.owner);
  list.Refresh(true);
  EXPECT_TRUE(list.NeedsRebuild());
  EXPECT_TRUE(list.List().Items.empty());
  owner.frozen = false;
  list.Refresh(true);
  EXPECT_FALSE(list.NeedsRebuild());
  EXPECT_EQ(list.List().Items.size(), 1u);
  EXPECT_EQ(owner.heard, std::vector<std::string>{"changed"});
}

TEST(SkinListOwner, AListOfferedByTheOwnerIsSharedNotRebuilt) {
  FakeListOwner first, second;
  first.dir.WriteFile("One.asz", PackedFixture());
  first.dir.WriteFile("Two.asz", PackedFixture());
  TacSkinListController original(first.owner), sharing(second.owner);
  second.shared = &original;
  original.Refresh(false);  // under way in the background
  ASSERT_TRUE(original.Loading());
  sharing.Refresh(false);
  EXPECT_FALSE(original.Loading());  // finished at once for the one that shares it
  EXPECT_EQ(&sharing.List(), &original.List());
  EXPECT_EQ(sharing.List().Items.size(), 2u);
  EXPECT_EQ(second.heard, std::vector<std::string>{"changed"});  // no loading of its own announced
}

TEST(SkinListOwner, ControlsHearTheOwnersParameter) {
  FakeListOwner owner;
  RecordingForm listener;
  listener.Handle();
  TacSkinListController list(owner.owner);
  list.RegisterControl(&listener);
  list.Refresh(true);
  list.SkinChanged();
  Application().ProcessMessages();  // a control with a window gets this one posted
  list.UnregisterControl(&listener);
  ASSERT_EQ(listener.Count(SK_SKIN_LIST_CHANGED), 1);
  ASSERT_EQ(listener.Count(SK_SKIN_CHANGED), 1);
  for (const RecordingForm::Command& c : listener.Received) EXPECT_EQ(c.LParam, 1234);
}

using SkinListControl = ManagerFixture;

TEST_F(SkinListControl, TheBackgroundLoaderAddsOneSkinPerTickOnTheMessageLoop) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  for (const char* name : {"One", "Two", "Three"}) dir.WriteFile(std::string(name) + ".asz", PackedFixture());
  std::vector<size_t> sizesAtChange;
  TacSkinListController& list = manager->SkinListController();
  manager->OnSkinListChanged = [&](TObject*) { sizesAtChange.push_back(list.List().Items.size()); };
  list.MarkStale();
  form->Received.clear();
  list.Refresh(false);
  ASSERT_TRUE(list.Loading());
  EXPECT_TRUE(list.List().Items.empty());  // nothing is added before the loop runs
  EXPECT_EQ(form->Count(SK_LIST_LOADED), 1);
  std::vector<size_t> sizesPerTick;
  for (int wait = 0; list.Loading() && wait < 500; ++wait) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    const size_t before = list.List().Items.size();
    Application().ProcessMessages();
    if (list.List().Items.size() != before) sizesPerTick.push_back(list.List().Items.size() - before);
  }
  ASSERT_FALSE(list.Loading());
  EXPECT_EQ(list.List().Items.size(), 4u);
  for (const size_t added : sizesPerTick) EXPECT_LE(added, 1u);
  EXPECT_EQ(sizesAtChange, std::vector<size_t>{4});
  EXPECT_EQ(form->Count(SK_LIST_LOADED), 2);
  EXPECT_EQ(form->Received.back().LParam, 0);
  EXPECT_FALSE(list.NeedsRebuild());
}

TEST_F(SkinListControl, AskingForTheNamesFinishesALoadUnderWay) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  for (const char* name : {"One", "Two"}) dir.WriteFile(std::string(name) + ".asz", PackedFixture());
  TacSkinListController& list = manager->SkinListController();
  list.MarkStale();
  list.Refresh(false);
  TStringList names;
  std::vector<int> images;
  EXPECT_EQ(manager->GetSkinNames(names, &images), kOrvale);
  EXPECT_EQ(names.Text(), kOrvale + "\r\nOne\r\nTwo\r\n");
  EXPECT_EQ(images, (std::vector<int>{0, -1, -1}));
  EXPECT_FALSE(list.Loading());
  EXPECT_EQ(manager->GetSkinNames(names, nullptr, stPacked), "One");
  EXPECT_EQ(manager->GetExternalSkinNames(names), "One");
  EXPECT_EQ(names.Count(), 2u);
  manager->SetSkinName(kOrvale);
  for (int i = 0; i < 10; ++i) EXPECT_NE(manager->GetRandomSkin(), kOrvale);
}

TEST_F(SkinListControl, FilterAndDirectoryChangesMakeTheListStale) {
  TacSkinListController& list = manager->SkinListController();
  TStringList names;
  AddStoredSkin(kOrvale, OrvaleArchive());
  dir.WriteFile("One.asz", PackedFixture());
  manager->GetSkinNames(names);
  EXPECT_EQ(names.Count(), 2u);
  int changes = 0;
  manager->OnSkinListChanged = [&](TObject*) { ++changes; };
  manager->SetSkinsFilter({TacSkinsFilterItem::sfiExternal});
  EXPECT_TRUE(list.NeedsRebuild());
  EXPECT_EQ(changes, 1);
  manager->GetSkinNames(names);
  EXPECT_EQ(names.Text(), "One\r\n");
  manager->SetSkinDirectory(dir.Path() + "elsewhere");
  EXPECT_EQ(manager->GetSkinNames(names), "");
}

TEST_F(SkinListControl, RegisteredControlsHearOfAnotherSkin) {
  AddStoredSkin(kOrvale, OrvaleArchive());
  RecordingForm listener;
  listener.Handle();
  manager->SkinListController().RegisterControl(&listener);
  manager->SetSkinName(kOrvale);
  Application().ProcessMessages();  // windowed controls get it posted
  manager->SkinListController().UnregisterControl(&listener);
  EXPECT_EQ(listener.Count(SK_SKIN_CHANGED), 1);
}

}  // namespace
