#include <gtest/gtest.h>

#include "../skin/SkinTestFiles.h"
#include "loader/SkinList.h"
#include "skin/PackedSkinWriter.h"

namespace {

class SkinListTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"Stored A", "Stored B"}) {
      stored.push_back(std::make_unique<TsStoredSkin>());
      stored.back()->Name = name;
    }
    stored[0]->PackedData.LoadFromFile(std::string(ORVALE_ROOT) + "/Orvale.asz");
    stored[1]->PackedData = TMemoryStream(WritePackedSkin({{"Options.dat", Bytes("[BUTTON]\n")}}));
  }
  static std::vector<std::string> Names(const std::vector<TacSkinListSource>& found) {
    std::vector<std::string> names;
    for (const auto& source : found) names.push_back(source.Name);
    return names;
  }

  TempDir dir;
  TsStoredSkins stored;
};

TEST_F(SkinListTest, StoredSkinsFirstThenPackedFilesOnly) {
  const std::vector<uint8_t> packed = WritePackedSkin({{"Options.dat", Bytes("[BUTTON]\n")}});
  dir.WriteFile("Beta.asz", packed);
  dir.WriteFile("Alpha.asz", packed);
  dir.WriteFile(".Hidden.asz", packed);
  dir.WriteFile("Upper.ASZ", packed);
  dir.WriteFile("Notes.txt", "x");
  dir.WriteFile("Folder.asz/Options.dat", "[BUTTON]\n");
  dir.WriteFile("Folder/Options.dat", "[BUTTON]\n");

  struct Case {
    TacSkinsFilter Filter;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      {{TacSkinsFilterItem::sfiInternal, TacSkinsFilterItem::sfiExternal}, {"Stored A", "Stored B", "Alpha", "Beta"}},
      {{TacSkinsFilterItem::sfiInternal}, {"Stored A", "Stored B"}},
      {{TacSkinsFilterItem::sfiExternal}, {"Alpha", "Beta"}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    const auto found = FindListedSkins(stored, dir.Path(), c.Filter);
    EXPECT_EQ(Names(found), c.Expected);
  }
  const auto all = FindListedSkins(stored, dir.Path(), {TacSkinsFilterItem::sfiExternal});
  EXPECT_EQ(all[0].Mode, smExtPacked);
  EXPECT_EQ(all[0].Path, dir.Path() + "Alpha.asz");
}

TEST_F(SkinListTest, AMissingDirectoryListsTheStoredSkinsAlone) {
  const auto found = FindListedSkins(stored, dir.Path() + "absent/", {TacSkinsFilterItem::sfiInternal,
                                                                      TacSkinsFilterItem::sfiExternal});
  EXPECT_EQ(Names(found), (std::vector<std::string>{"Stored A", "Stored B"}));
}

TEST_F(SkinListTest, EntriesCarryTheirPreviewWhenTheSkinHasOne) {
  dir.WriteFile("Broken.asz", Bytes(std::string("ASzf\x01\x00\x00\x00previewimg\xff\xff\x00\x00", 22)));
  TacSkinList list;
  for (const auto& source : FindListedSkins(stored, dir.Path(), {TacSkinsFilterItem::sfiInternal,
                                                                 TacSkinsFilterItem::sfiExternal}))
    list.Add(source, stored);
  ASSERT_EQ(list.Items.size(), 3u);
  EXPECT_EQ(list.Items[0].skImageIndex, 0);
  EXPECT_EQ(list.Items[0].skSkinMode, smInternal);
  EXPECT_EQ(list.Items[1].skImageIndex, -1);  // no preview block
  EXPECT_EQ(list.Items[2].skName, "Broken");
  EXPECT_EQ(list.Items[2].skImageIndex, -1);  // a damaged preview is left out
  ASSERT_EQ(list.Previews.size(), 1u);
  EXPECT_EQ(list.Previews[0]->Width(), acPreviewWidth);
  EXPECT_EQ(list.Previews[0]->Height(), acPreviewHeight);

  const auto names = [&](TacSkinType type, bool externalOnly) {
    std::vector<std::string> result;
    for (const TacSkinListData& entry : list.Entries(type, externalOnly)) result.push_back(entry.skName);
    return result;
  };
  EXPECT_EQ(names(stAllSkins, false), (std::vector<std::string>{"Stored A", "Stored B", "Broken"}));
  EXPECT_EQ(names(stUnpacked, false), (std::vector<std::string>{"Stored A", "Stored B"}));
  EXPECT_EQ(names(stPacked, false), std::vector<std::string>{"Broken"});
  EXPECT_EQ(names(stAllSkins, true), std::vector<std::string>{"Broken"});
}

}  // namespace
