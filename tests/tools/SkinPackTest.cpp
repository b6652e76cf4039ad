#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../skin/SkinTestFiles.h"
#include "SkinPack.h"
#include "base/FileUtils.h"
#include "skin/PackedSkinWriter.h"
#include "skin/SkinConvertor.h"

namespace {

struct ToolRun {
  int code;
  std::string out, err;
};

ToolRun SkinPack(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = SkinPackMain(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<uint8_t> Binary() {
  std::vector<uint8_t> bytes(70000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
  return bytes;
}

TEST(SkinPack, FolderRoundTripsByteForByte) {
  TempDir dir;
  dir.WriteFile("skin/Options.dat", "[GLOBALINFO]\r\nMASTERBITMAP=MASTER COPY.PNG\r\n");
  dir.WriteFile("skin/MASTER COPY.PNG", Binary());
  dir.WriteFile("skin/buttonhuge.bmp", "BM small");
  dir.WriteFile("skin/Empty.png", std::vector<uint8_t>{});
  dir.WriteFile("preview.png", "\x89PNG preview");

  ToolRun pack = SkinPack({"pack", dir.Path() + "skin", dir.Path() + "Skin.asz", "--preview", dir.Path() + "preview.png"});
  ASSERT_EQ(pack.code, 0) << pack.err;
  ToolRun unpack = SkinPack({"unpack", dir.Path() + "Skin.asz", dir.Path() + "copy", "--preview", dir.Path() + "pv.png"});
  ASSERT_EQ(unpack.code, 0) << unpack.err;

  for (const char* name : {"Options.dat", "MASTER COPY.PNG", "buttonhuge.bmp", "Empty.png"})
    EXPECT_EQ(ReadFileBytes(dir.Path() + "copy/" + name), ReadFileBytes(dir.Path() + "skin/" + name)) << name;
  EXPECT_EQ(ReadFileBytes(dir.Path() + "pv.png"), ReadFileBytes(dir.Path() + "preview.png"));
  size_t count = 0;
  for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(ToPath(dir.Path() + "copy"))) ++count;
  EXPECT_EQ(count, 4u);

  // Packing is stable: Options.dat first, then by upper-cased name.
  ToolRun again = SkinPack({"pack", dir.Path() + "copy", dir.Path() + "Again.asz", "--preview", dir.Path() + "pv.png"});
  ASSERT_EQ(again.code, 0) << again.err;
  EXPECT_EQ(ReadFileBytes(dir.Path() + "Again.asz"), ReadFileBytes(dir.Path() + "Skin.asz"));

  ToolRun list = SkinPack({"list", dir.Path() + "Skin.asz"});
  ASSERT_EQ(list.code, 0) << list.err;
  EXPECT_EQ(list.out,
            "Options.dat\t44\toptions\n"
            "buttonhuge.bmp\t8\tbmp\n"
            "Empty.png\t0\tother\n"
            "MASTER COPY.PNG\t70000\tother\n"
            "preview\t12\tpng\n");
}

TEST(SkinPack, CommandErrorsExplainThemselves) {
  TempDir dir;
  dir.WriteFile("noopts/a.png", "a");
  dir.WriteFile("bad.asz", "not an archive at all");
  const struct {
    std::vector<std::string> args;
    int code;
    std::string message;
  } cases[] = {
      {{}, 2, "usage: skinpack pack"},
      {{"zip", "a"}, 2, "usage:"},
      {{"pack", dir.Path() + "noopts"}, 2, "usage:"},
      {{"list", "a", "--preview"}, 2, "usage:"},
      {{"pack", dir.Path() + "noopts", dir.Path() + "x.asz"}, 1, "has no Options.dat"},
      {{"pack", dir.Path() + "missing", dir.Path() + "x.asz"}, 1, "is not a folder"},
      {{"list", dir.Path() + "missing.asz"}, 1, "Cannot open file"},
      {{"list", dir.Path() + "bad.asz"}, 1, "is not a packed skin"},
      {{"list", dir.Path() + "noopts"}, 1, "is a folder, not a file"},
      {{"unpack", dir.Path() + "noopts", dir.Path() + "out"}, 1, "is a folder, not a file"},
  };
  for (const auto& c : cases) {
    ErrorBoxRecorder boxes;
    const ToolRun run = SkinPack(c.args);
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(SkinPack, UnpackRefusesEntryNamesThatLeaveTheFolder) {
  TempDir dir;
  ErrorBoxRecorder boxes;
  for (const std::string name : {"../evil.png", "..\\evil.png", "C:evil.png", "sub/evil.png", ".."}) {
    dir.WriteFile("evil.asz", WritePackedSkin({{"Options.dat", {'[', 'A', ']'}}, {name, {'x'}}}));
    const ToolRun run = SkinPack({"unpack", dir.Path() + "evil.asz", dir.Path() + "out"});
    EXPECT_EQ(run.code, 1) << name;
    EXPECT_NE(run.err.find("is not a plain file name"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.Path() + "evil.png"));
    EXPECT_FALSE(FileExists(dir.Path() + "out/Options.dat")) << "nothing is written from a bad archive";
  }
  // The whole name is shown, a NUL in it included.
  dir.WriteFile("zero.asz", WritePackedSkin({{"Options.dat", {'[', 'A', ']'}}, {std::string("a\0b.png", 7), {'x'}}}));
  const ToolRun run = SkinPack({"unpack", dir.Path() + "zero.asz", dir.Path() + "out"});
  EXPECT_NE(run.err.find("\"a\\x00b.png\""), std::string::npos) << run.err;
}

TEST(SkinPack, AnUnpackThatFailsPartWayLeavesNothingBehind) {
  TempDir dir;
  ErrorBoxRecorder boxes;
  dir.WriteFile("plain.asz", WritePackedSkin({{"Options.dat", {'[', 'A', ']'}}, {"a.png", {'x'}}}));
  // The archive has no preview: that is found after its files were written.
  const ToolRun run = SkinPack({"unpack", dir.Path() + "plain.asz", dir.Path() + "out", "--preview", dir.Path() + "p.png"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("has no preview image"), std::string::npos) << run.err;
  EXPECT_FALSE(DirectoryExists(dir.Path() + "out"));
  // Into a folder that was there before, only what the unpack wrote goes again.
  dir.WriteFile("kept/mine.txt", "mine");
  SkinPack({"unpack", dir.Path() + "plain.asz", dir.Path() + "kept", "--preview", dir.Path() + "p.png"});
  EXPECT_TRUE(FileExists(dir.Path() + "kept/mine.txt"));
  EXPECT_FALSE(FileExists(dir.Path() + "kept/a.png"));
  EXPECT_FALSE(FileExists(dir.Path() + "kept/Options.dat"));
}

}  // namespace

namespace {

std::vector<std::string> Lines(const std::string& text, const std::string& kind) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    if (line.rfind(kind + "\t", 0) == 0) lines.push_back(line);
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SkinPackInspect, PrintsWhatTheEngineReadsFromTheStoredSkin) {
  const std::string archive = std::string(ORVALE_ROOT) + "/Orvale.asz";
  const ToolRun at96 = SkinPack({"inspect", archive});
  ASSERT_EQ(at96.code, 0) << at96.err;
  const auto sections = Lines(at96.out, "section");
  ASSERT_EQ(sections.size(), 79u);
  EXPECT_EQ(sections[0], "section\t0\tGLOBALINFO\t\t3");
  EXPECT_EQ(sections[75], "section\t75\tDIALOGTITLE\tFORMTITLE\t2");
  const auto slots = Lines(at96.out, "slot");
  ASSERT_EQ(slots.size(), 67u);
  EXPECT_EQ(slots[58], "slot\t58\tFORMHEADER\t-1");
  const auto elements = Lines(at96.out, "element");
  EXPECT_TRUE(Has(elements,
                  "element\t0\tGLOBALINFO\tEXBORDER\t&0000000001000080002000460021002120317000000EXTBORD.PNG\t2\t0\t3\t17"
                  "\t20\t46\t21\t21\t50\t80\t96\t96"));
  const auto metrics = Lines(at96.out, "metric");
  for (const char* m : {"metric\tExTitleHeight\t32", "metric\tExMaxHeight\t28", "metric\tExContentOffs\t14",
                        "metric\tShadow1Blur\t3", "metric\tComboBoxMargin\t1"})
    EXPECT_TRUE(Has(metrics, m)) << m;

  const ToolRun at144 = SkinPack({"inspect", std::string(ORVALE_ROOT) + "/Orvale", "--ppi", "144"});
  ASSERT_EQ(at144.code, 0) << at144.err;
  for (const char* m : {"metric\tExTitleHeight\t48", "metric\tBISpacing\t2", "metric\tShadow1Blur\t5",
                        "metric\tComboBoxMargin\t2"})
    EXPECT_TRUE(Has(Lines(at144.out, "metric"), m)) << m;
}

TEST(SkinPackInspect, ErrorsUseTheEngineTexts) {
  TempDir dir;
  dir.WriteFile("noopts.asz", WritePackedSkin({{"a.png", {'x'}}}));
  const struct {
    std::vector<std::string> args;
    int code;
    std::string message;
  } cases[] = {
      {{"inspect", dir.Path() + "noopts.asz"}, 1, "Internal format error in the"},
      {{"inspect", dir.Path() + "missing.asz"}, 1, "Cannot open file"},
      {{"inspect", dir.Path() + "noopts.asz", "--ppi", "abc"}, 1, "is not a number from 24 to 960"},
      {{"inspect"}, 2, "usage:"},
  };
  for (const auto& c : cases) {
    const ToolRun run = SkinPack(c.args);
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
