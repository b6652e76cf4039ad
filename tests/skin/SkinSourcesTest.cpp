#include <gtest/gtest.h>

#include "SkinTestFiles.h"
#include "base/FileUtils.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinSources.h"

namespace {

TEST(SkinSources, FullSkinDirectoryResolvesAgainstTheApplicationDirectory) {
  const char* app = "C:\\A\\B\\";
  const struct {
    const char* dir;
    const char* app;
    const char* expected;
  } cases[] = {
      {"..\\Skins", app, "C:\\A\\Skins\\"},
      {"../Skins/", app, "C:\\A\\Skins\\"},
      {"..", app, "C:\\A\\"},
      {".", app, "C:\\A\\B\\"},
      {".\\Skins", app, "C:\\A\\B\\Skins\\"},
      {"./Skins", app, "C:\\A\\B\\Skins\\"},
      {"Skins", app, "C:\\A\\B\\Skins\\"},
      {"c:\\Skins", app, "c:\\Skins\\"},
      {"C:\\Skins10", app, "C:\\Skins10\\"},
      {"\\\\server\\share\\skins", app, "\\\\server\\share\\skins\\"},
      {"D:", app, "D:\\"},
      {"", app, "C:\\A\\B\\"},
      {"..\\Skins", "", "Skins\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(GetFullSkinDirectory(c.dir, c.app), c.expected) << c.dir;
}

TEST(SkinSources, TrailingSeparatorIsNormalized) {
  const char* cases[][2] = {{"", ""},         {"C:\\Skins\\", "C:\\Skins\\"}, {"C:\\Skins/", "C:\\Skins\\"},
                            {"C:\\Skins", "C:\\Skins\\"}, {"D", "D:\\"},      {"/", "\\"}};
  for (const auto& c : cases) EXPECT_EQ(NormalizeDirectory(c[0]), c[1]) << c[0];
}

TEST(SkinSources, AszExtensionIsDroppedFromSelectedNames) {
  const char* cases[][2] = {{"Orvale.asz", "Orvale"}, {"Orvale.ASZ", "Orvale"}, {"a.Asz", "a"},
                            {".asz", ".asz"},         {"Orvale", "Orvale"},       {"Orvale.asz.bak", "Orvale.asz.bak"}};
  for (const auto& c : cases) EXPECT_EQ(StripAszExtension(c[0]), c[1]) << c[0];
}

std::unique_ptr<TsStoredSkin> Stored(const std::string& name, const std::string& options) {
  auto skin = std::make_unique<TsStoredSkin>();
  skin->Name = name;
  if (!options.empty())
    skin->PackedData = TMemoryStream(WritePackedSkin({{"Options.dat", Bytes(options)}, {"IMG.PNG", Bytes("img")}}));
  return skin;
}

class SkinResolution : public ::testing::Test {
 protected:
  TempDir dir;
  TsStoredSkins stored;

  void SetUp() override {
    stored.push_back(Stored("First (internal)", "[GLOBALINFO]\nFROM=first\n"));
    stored.push_back(Stored("Orvale", "[GLOBALINFO]\nFROM=stored\n"));
  }
  TacSkinSource Load(const std::string& name) { return LoadSkinSource(name, dir.Path(), "", stored); }
};

TEST_F(SkinResolution, FolderWinsOverPackedFileWinsOverStoredSkin) {
  EXPECT_EQ(Load("Orvale").Options.ReadString("GLOBALINFO", "FROM", ""), "stored");

  dir.WriteFile("Orvale.asz", WritePackedSkin({{"OPTIONS.DAT", Bytes("[GLOBALINFO]\nFROM=packed\n")},
                                               {"Master Copy.png", Bytes("packed image")}}));
  TacSkinSource packed = Load("Orvale");
  EXPECT_EQ(packed.Kind, sskPackedFile);
  EXPECT_EQ(packed.Options.ReadString("GLOBALINFO", "FROM", ""), "packed");
  EXPECT_EQ(packed.ReadSkinFile("MASTER COPY.PNG"), Bytes("packed image"));
  EXPECT_FALSE(packed.ReadSkinFile("missing.png"));

  dir.WriteFile("Orvale/Options.dat", "[GLOBALINFO]\nFROM=folder\n");
  dir.WriteFile("Orvale/img.bmp", "folder image");
  TacSkinSource folder = Load("Orvale");
  EXPECT_EQ(folder.Kind, sskFolder);
  EXPECT_EQ(folder.Options.ReadString("GLOBALINFO", "FROM", ""), "folder");
  EXPECT_EQ(folder.SkinPath, NormalizeDirectory(dir.Path()) + "Orvale\\");
  EXPECT_EQ(folder.ReadSkinFile("img.bmp"), Bytes("folder image"));
  EXPECT_FALSE(folder.ReadSkinFile("missing.bmp"));
}

TEST_F(SkinResolution, StoredSkinIsMatchedExactlyOrFallsBackToTheFirst) {
  TacSkinSource exact = Load("Orvale");
  EXPECT_EQ(exact.Kind, sskStored);
  EXPECT_EQ(exact.StoredIndex, 1);
  EXPECT_EQ(exact.SkinName, "Orvale");
  EXPECT_TRUE(exact.SkinPath.empty());
  EXPECT_EQ(exact.ReadSkinFile("img.png"), Bytes("img"));

  TacSkinSource other = Load("orvale");
  EXPECT_EQ(other.StoredIndex, 0);
  EXPECT_EQ(other.SkinName, "First (internal)");
  EXPECT_EQ(other.Options.ReadString("GLOBALINFO", "FROM", ""), "first");
}

TEST_F(SkinResolution, StoredBytesAreNeverModified) {
  const std::vector<uint8_t> before = stored[1]->PackedData.Data();
  Load("Orvale");
  EXPECT_EQ(stored[1]->PackedData.Data(), before);
}

TEST_F(SkinResolution, NoStoredSkinsMeansNoSkin) {
  stored.clear();
  TacSkinSource none = Load("Orvale");
  EXPECT_EQ(none.Kind, sskNone);
  EXPECT_FALSE(none.Convertor);
}

TEST_F(SkinResolution, PackedSkinWithoutOptionsIsAFormatError) {
  const std::string text = "Internal format error in the \"Broken\" skin. Please, update this skin to latest version.";
  dir.WriteFile("Broken.asz", WritePackedSkin({{"a.png", Bytes("a")}}));
  try {
    Load("Broken");
    FAIL() << "no error";
  } catch (const ESkinFormatError& e) {
    EXPECT_EQ(std::string(e.what()), text);
  }

  stored.push_back(Stored("Empty", ""));
  EXPECT_THROW(Load("Empty"), ESkinFormatError);
}

TEST_F(SkinResolution, WrongMagicShowsTheFormatErrorThenTheInternalFormatError) {
  ErrorBoxRecorder boxes;
  dir.WriteFile("Zip.asz", "PK\x03\x04 not a skin");
  EXPECT_THROW(Load("Zip"), ESkinFormatError);
  ASSERT_EQ(boxes.Texts.size(), 1u);
  EXPECT_EQ(boxes.Texts[0], "Loaded data is not a packed Velmora file");
}

TEST_F(SkinResolution, DamagedPackedFileFailsWithItsReason) {
  std::vector<uint8_t> archive = WritePackedSkin({{"Options.dat", Bytes("[GLOBALINFO]\n")}});
  archive.resize(archive.size() - 3);
  dir.WriteFile("Cut.asz", archive);
  EXPECT_THROW(Load("Cut"), Exception);
}

TEST_F(SkinResolution, ExtractionWritesTheStoredBytes) {
  ErrorBoxRecorder boxes;
  const std::string dest = dir.Path() + "out/nested";
  ExtractByIndex(stored, 1, dest);
  EXPECT_TRUE(boxes.Texts.empty());
  EXPECT_EQ(ReadFileBytes(dest + "/Orvale extracted.asz"), stored[1]->PackedData.Data());

  ExtractInternalSkin(stored, "First (internal)", dir.Path());
  EXPECT_EQ(ReadFileBytes(dir.Path() + "First (internal) extracted.asz"), stored[0]->PackedData.Data());
  EXPECT_TRUE(boxes.Texts.empty());
}

TEST_F(SkinResolution, ExtractionErrorsAreReportedInBoxes) {
  ErrorBoxRecorder boxes;
  ExtractInternalSkin(stored, "Nothing", dir.Path());
  ExtractInternalSkin(stored, "Orvale", dir.Path() + "missing");
  dir.WriteFile("file", "x");
  ExtractByIndex(stored, 0, dir.Path() + "file/sub");
  ExtractByIndex(stored, 7, dir.Path());
  ASSERT_EQ(boxes.Texts.size(), 4u);
  EXPECT_EQ(boxes.Texts[0], "Skin does not exists.");
  EXPECT_EQ(boxes.Texts[1], "Directory does not exists.");
  EXPECT_EQ(boxes.Texts[2], dir.Path() + "file/sub\\ directory creation error.");
  EXPECT_EQ(boxes.Texts[3], "Skin does not exists.");
}

}  // namespace
