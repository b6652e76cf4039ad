#include <gtest/gtest.h>

#include <cstring>

#include "SkinTestFiles.h"
#include "base/Exception.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinConvertor.h"

namespace {

// Raw archive pieces, so that tests can build archives the writer never would.
struct RawArchive {
  std::vector<uint8_t> bytes;

  RawArchive& Text(const std::string& s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  RawArchive& Int(int32_t v) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
    return *this;
  }
  RawArchive& Raw(const std::vector<uint8_t>& b) {
    bytes.insert(bytes.end(), b.begin(), b.end());
    return *this;
  }
  RawArchive& Entry(const std::string& name, const std::string& content) {
    return Int(static_cast<int32_t>(name.size())).Text(name).Int(static_cast<int32_t>(content.size())).Raw(CompressZlib(Bytes(content)));
  }
};

std::string StreamText(const TMemoryStream& s) { return std::string(s.Data().begin(), s.Data().end()); }

bool Read(TacSkinConvertor& c, const std::vector<uint8_t>& archive) {
  c.PackedData = archive;
  const bool ok = ReadPackedSkin(c);
  c.PackedData = {};
  return ok;
}

TEST(SkinConvertor, ReadsOptionsAndFilesInArchiveOrder) {
  const std::vector<uint8_t> archive = WritePackedSkin(
      {{"OPTIONS.DAT", Bytes("[GLOBALINFO]\nVERSION=15\n")},
       {"BUTTONHUGE.BMP", Bytes("bmp")},
       {"MASTER COPY.PNG", Bytes("png")},
       {"Font.TTF", Bytes("ttf")},
       {"shape.otf", Bytes("otf")},
       {"empty.jpg", {}}},
      Bytes("preview"));
  TacSkinConvertor c;
  ASSERT_TRUE(Read(c, archive));
  ASSERT_TRUE(c.Options);
  EXPECT_EQ(StreamText(*c.Options), "[GLOBALINFO]\nVERSION=15\n");
  ASSERT_EQ(c.FileCount, 5);
  const struct {
    const char* name;
    TacFileType type;
    const char* content;
  } expected[] = {{"BUTTONHUGE.BMP", ftBmp, "bmp"}, {"MASTER COPY.PNG", ftOther, "png"}, {"Font.TTF", ftFont, "ttf"},
                  {"shape.otf", ftFont, "otf"},     {"empty.jpg", ftOther, ""}};
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(c.Files[i].Name, expected[i].name);
    EXPECT_EQ(c.Files[i].FileType, expected[i].type) << expected[i].name;
    EXPECT_EQ(StreamText(*c.Files[i].Stream), expected[i].content);
  }
  ASSERT_TRUE(c.FindFile("master copy.png"));
  EXPECT_EQ(StreamText(*c.FindFile("master copy.png")), "png");
  EXPECT_EQ(c.FindFile("missing.png"), nullptr);
}

TEST(SkinConvertor, OptionsEntryIsFoundInAnyCaseAndALaterOneWins) {
  const std::vector<uint8_t> archive =
      WritePackedSkin({{"options.dat", Bytes("first")}, {"a.png", Bytes("a")}, {"Options.Dat", Bytes("second")}});
  TacSkinConvertor c;
  ASSERT_TRUE(Read(c, archive));
  EXPECT_EQ(StreamText(*c.Options), "second");
  EXPECT_EQ(c.FileCount, 1);
  ASSERT_EQ(c.Files.size(), 1u);
}

TEST(SkinConvertor, ArchiveWithoutOptionsReadsButHasNoOptions) {
  TacSkinConvertor c;
  ASSERT_TRUE(Read(c, WritePackedSkin({{"a.png", Bytes("a")}})));
  EXPECT_FALSE(c.Options);
  EXPECT_EQ(c.FileCount, 1);
}

TEST(SkinConvertor, WrongMagicShowsTheFormatErrorAndLoadsNothing) {
  for (const std::string start : {"PK\x03\x04", "ASZF", "ASz", ""}) {
    ErrorBoxRecorder boxes;
    TacSkinConvertor c;
    RawArchive a;
    a.Text(start).Int(1).Entry("Options.dat", "[A]");
    if (start.empty()) a.bytes.clear();
    EXPECT_FALSE(Read(c, a.bytes)) << start;
    EXPECT_FALSE(c.Options);
    ASSERT_EQ(boxes.Texts.size(), 1u);
    EXPECT_EQ(boxes.Texts[0], "Loaded data is not a packed Velmora file");
    EXPECT_EQ(boxes.Kinds[0], TacBoxKind::bkError);
  }
}

TEST(SkinConvertor, DamagedArchivesFailWithATextThatSaysWhat) {
  const std::vector<uint8_t> options = CompressZlib(Bytes("[GLOBALINFO]\nVERSION=15\n"));
  std::vector<uint8_t> corrupt = options;
  corrupt.back() ^= 0xFF;  // breaks the Adler-32 trailer
  std::vector<uint8_t> cut = options;
  cut.resize(cut.size() - 6);
  const struct {
    const char* what;
    RawArchive archive;
    const char* message;
  } cases[] = {
      {"negative count", RawArchive().Text("ASzf").Int(-1), "entry count (-1)"},
      {"huge count", RawArchive().Text("ASzf").Int(0x7FFFFFFF).Entry("Options.dat", "x"), "entry count (2147483647)"},
      {"count cut off", RawArchive().Text("ASzf").Text("\x01"), "it ends before its entry count"},
      {"name runs past the end", RawArchive().Text("ASzf").Int(1).Int(1000).Text("Options.dat").Int(1).Raw(options),
       "name of entry 1 runs past the end"},
      {"negative name length", RawArchive().Text("ASzf").Int(1).Int(-5).Raw(options).Raw(options),
       "name of entry 1 runs past the end"},
      {"size cut off", RawArchive().Text("ASzf").Int(1).Int(13).Text("abcdefghi.png").Text("xy"),
       "\"abcdefghi.png\" (entry 1) is cut off before its size"},
      {"negative size", RawArchive().Text("ASzf").Int(1).Int(5).Text("a.png").Int(-1).Raw(options).Raw(options),
       "declares a negative size"},
      {"damaged stream", RawArchive().Text("ASzf").Int(1).Int(11).Text("Options.dat").Int(24).Raw(corrupt),
       "\"Options.dat\" cannot be decompressed"},
      {"stream cut off", RawArchive().Text("ASzf").Int(1).Int(11).Text("Options.dat").Int(24).Raw(cut),
       "\"Options.dat\" cannot be decompressed (it is cut off)"},
      {"fewer bytes than declared",
       RawArchive().Text("ASzf").Int(1).Int(11).Text("Options.dat").Int(25).Raw(options).Raw(options),
       "\"Options.dat\" holds 24 bytes, but 25 were declared"},
      {"more bytes than declared", RawArchive().Text("ASzf").Int(1).Int(11).Text("Options.dat").Int(23).Raw(options),
       "holds more than the 23 bytes declared"},
      {"2 GB declared in a tiny archive",
       RawArchive().Text("ASzf").Int(1).Int(11).Text("Options.dat").Int(0x7FFFFFF0).Raw(options),
       "declares 2147483632 bytes, more than its data can hold"},
      {"an entry larger than any skin file",
       RawArchive().Text("ASzf").Int(1).Int(7).Text("big.png").Int((64 << 20) + 1).Text(std::string(70000, 'x')),
       "\"big.png\" declares 67108865 bytes, more than the 67108864 an entry may have"},
      {"an options text larger than any skin's",
       RawArchive().Text("ASzf").Int(1).Int(11).Text("Options.dat").Int((16 << 20) + 1).Text(std::string(20000, 'x')),
       "more than the 16777216 an entry may have"},
      {"a NUL in the name",
       RawArchive().Text("ASzf").Int(1).Int(15).Text(std::string("a\0bcdefghij.png", 15)).Text("xy"),
       "\"a\\x00bcdefghij.png\" (entry 1) is cut off before its size"},
      {"second entry missing", RawArchive().Text("ASzf").Int(2).Entry("Options.dat", "[A]").Raw(options),
       "name of entry 2 runs past the end"},
      {"trailing garbage", RawArchive().Text("ASzf").Int(1).Entry("Options.dat", "[A]").Text("junk"),
       "unexpected data follows the last entry"},
      {"preview length past the end",
       RawArchive().Text("ASzf").Int(1).Entry("Options.dat", "[A]").Text("previewimg").Int(100).Text("short"),
       "length of the preview image runs past the end"},
      {"data after the preview",
       RawArchive().Text("ASzf").Int(1).Entry("Options.dat", "[A]").Text("previewimg").Int(2).Text("pngjunk"),
       "unexpected data follows the preview image"},
  };
  for (const auto& c : cases) {
    ErrorBoxRecorder boxes;
    TacSkinConvertor convertor;
    try {
      Read(convertor, c.archive.bytes);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const Exception& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("The packed skin is damaged: ", 0), 0u) << e.what();
    }
    EXPECT_TRUE(boxes.Texts.empty()) << c.what;
  }
}

TEST(SkinConvertor, EntriesFollowEachOtherWithoutLengthFields) {
  // Each zlib stream must be consumed exactly, or the next entry is misread.
  std::vector<TacPackEntry> entries{{"Options.dat", Bytes("[GLOBALINFO]")}};
  std::string big(300000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) % 251);
  entries.push_back({"big.bmp", Bytes(big)});
  entries.push_back({"after.png", Bytes("after")});
  TacSkinConvertor c;
  ASSERT_TRUE(Read(c, WritePackedSkin(entries)));
  ASSERT_EQ(c.FileCount, 2);
  EXPECT_EQ(StreamText(*c.Files[0].Stream), big);
  EXPECT_EQ(StreamText(*c.Files[1].Stream), "after");
}

TEST(SkinPreview, CopiesThePreviewImageOrReportsNone) {
  TMemoryStream out;
  const std::vector<uint8_t> with = WritePackedSkin({{"Options.dat", Bytes("[A]")}}, Bytes("\x89PNG-data"));
  ASSERT_TRUE(ReadSkinPreview(with, out));
  EXPECT_EQ(StreamText(out), "\x89PNG-data");
  EXPECT_EQ(out.Position(), 0u);

  EXPECT_FALSE(ReadSkinPreview(WritePackedSkin({{"Options.dat", Bytes("[A]")}}), out));
}

TEST(SkinPreview, AnEntryNamedLikeTheMarkerDoesNotMislead) {
  const std::vector<uint8_t> archive =
      WritePackedSkin({{"previewimg.png", Bytes("x")}, {"Options.dat", Bytes("[A]")}}, Bytes("real"));
  TMemoryStream out;
  ASSERT_TRUE(ReadSkinPreview(archive, out));
  EXPECT_EQ(StreamText(out), "real");
}

TEST(SkinPreview, LengthRunningPastTheEndIsAnError) {
  RawArchive a;
  a.Text("ASzf").Int(1).Entry("Options.dat", "[A]").Text("previewimg").Int(1000).Text("short");
  TMemoryStream out;
  EXPECT_THROW(ReadSkinPreview(a.bytes, out), Exception);
  RawArchive cut;
  cut.Text("ASzf").Int(0).Text("previewimg").Text("\x01");
  EXPECT_THROW(ReadSkinPreview(cut.bytes, out), Exception);
}

TEST(SkinConvertor, ReadsPackedFilesFromDisk) {
  TempDir dir;
  dir.WriteFile("Skin.asz", WritePackedSkin({{"Options.dat", Bytes("[A]\nB=1")}}, Bytes("pv")));
  TacSkinConvertor c;
  ASSERT_TRUE(ReadPackedSkinFile(dir.Path() + "Skin.asz", c));
  EXPECT_TRUE(c.PackedData.empty());
  EXPECT_EQ(StreamText(*c.Options), "[A]\nB=1");
  TMemoryStream preview;
  ASSERT_TRUE(ReadSkinPreviewFile(dir.Path() + "Skin.asz", preview));
  EXPECT_EQ(StreamText(preview), "pv");
  EXPECT_THROW(ReadPackedSkinFile(dir.Path() + "Missing.asz", c), Exception);
}

}  // namespace
