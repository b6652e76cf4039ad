#include <gtest/gtest.h>

#include <sstream>

#include "../skin/SkinTestFiles.h"
#include "SkinPack.h"
#include "base/FileUtils.h"
#include "base/StrUtils.h"
#include "skin/ElementReference.h"
#include "skin/SkinSections.h"
#include "skin/SkinSources.h"

namespace {

const std::string kSkins = ORVALE_ROOT;

#ifndef _WIN32
TEST(OrvalePacked, CommittedArchiveIsAFreshPackOfTheSkinFolder) {
  TempDir dir;
  std::ostringstream out, err;
  ASSERT_EQ(SkinPackMain({"pack", kSkins + "/Orvale", dir.Path() + "Orvale.asz", "--preview",
                          kSkins + "/Orvale-preview.png"},
                         out, err),
            0)
      << err.str();
  // The entries are compared unpacked: their compressed bytes change with the zlib that wrote them.
  const auto unpacked = [](const std::string& path) {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> entries;
    TacSkinConvertor archive;
    EXPECT_TRUE(ReadPackedSkinFile(path, archive));
    if (archive.Options) entries.emplace_back(acOptionsFileName, archive.Options->Data());
    for (const TacFileItem& file : archive.Files) entries.emplace_back(file.Name, file.Stream->Data());
    TMemoryStream preview;
    if (ReadSkinPreviewFile(path, preview)) entries.emplace_back("preview", preview.Data());
    return entries;
  };
  EXPECT_TRUE(unpacked(dir.Path() + "Orvale.asz") == unpacked(kSkins + "/Orvale.asz"))
      << "repack with: scripts/run pack skins/Orvale skins/Orvale.asz --preview skins/Orvale-preview.png";
}
#endif

TEST(OrvalePacked, StoredSkinLoadsWithAllItsSectionsAndSlots) {
  TsStoredSkins stored;
  stored.push_back(std::make_unique<TsStoredSkin>());
  stored[0]->Name = "Orvale (internal)";
  stored[0]->PackedData.LoadFromFile(kSkins + "/Orvale.asz");
  TempDir empty;
  const TacSkinSource source = LoadSkinSource("Orvale (internal)", empty.Path(), "", stored);
  ASSERT_EQ(source.Kind, sskStored);
  ASSERT_TRUE(source.Convertor);
  EXPECT_EQ(source.Convertor->FileCount, 4);
  const struct {
    const char* name;
    TacFileType type;
  } files[] = {{"BUTTONHUGE.BMP", ftBmp}, {"EXTBORD.PNG", ftOther}, {"GLOWEDIT.PNG", ftOther}, {"MASTER COPY.PNG", ftOther}};
  for (size_t i = 0; i < std::size(files); ++i) {
    EXPECT_EQ(source.Convertor->Files[i].Name, files[i].name);
    EXPECT_EQ(source.Convertor->Files[i].FileType, files[i].type);
  }
  TMemoryStream preview;
  EXPECT_TRUE(ReadSkinPreview(stored[0]->PackedData.Bytes(), preview));

  std::vector<std::string> names = SectionRecordNames(source.Options);
  const TacStandardSlots slots = AssignStandardSlots(names);
  ASSERT_EQ(names.size(), 79u);
  const struct {
    const char* name;
    int index;
  } records[] = {{"GLOBALINFO", 0}, {"DIVIDER", 1},     {"TRACKBAR", 72},   {"TRANSPARENT", 73}, {"MAINCOLOR", 74},
                 {"DIALOGTITLE", 75}, {"COLHEADERA", 76}, {"COLHEADERL", 77}, {"COLHEADERR", 78}};
  for (const auto& r : records) EXPECT_EQ(FindSectionIndex(names, r.name), r.index) << r.name;
  EXPECT_EQ(slots.Sections[ssFormHeader], -1);
  EXPECT_EQ(slots.Sections[ssDialogTitle], FindSectionIndex(names, "FORMTITLE"));

  const struct {
    const char* section;
    const char* key;
    const char* normalized;
  } elements[] = {
      {"GLOBALINFO", "BOXCHECKED", "&0057013501080152000000000000000030200000000"},
      {"GLOBALINFO", "EXBORDER", "&0000000001000080002000460021002120317000000EXTBORD.PNG"},
      {"EDIT", "GLOW0", "&0000000000000000000700070007000710301000000GLOWEDIT.PNG"},
  };
  for (const auto& e : elements)
    EXPECT_EQ(NormalizeElementReference(UpperCase(source.Options.ReadString(e.section, e.key, ""))), e.normalized)
        << e.section << "." << e.key;
}

}  // namespace
